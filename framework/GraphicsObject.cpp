#include "framework/GraphicsObject.h"

#include "framework/ClassBuilder.h"

IMPLEMENT_CLASS(TGraphicsObject) {}

void TGraphicsObject::Changed()
{
    FreeHandle();
    OnChange(this);
}
