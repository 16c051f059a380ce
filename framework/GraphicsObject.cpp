#include "framework/GraphicsObject.h"

#include "framework/ClassBuilder.h"
#include "framework/GdiObject.h"

IMPLEMENT_CLASS(TGraphicsObject) {}

void TGraphicsObject::Changed()
{
    TGdiHandle<HGDIOBJ> old(DetachHandle());
    OnChange(this);
}
