#include "FrameDemo.h"

#include "framework/ClassBuilder.h"

IMPLEMENT_CLASS(TfrmFrameDemo)
{
    Creatable();
    Field("NgThemeEngine", &TfrmFrameDemo::NgThemeEngine);
    Field("NgForm", &TfrmFrameDemo::NgForm);
    Field("lblInfo", &TfrmFrameDemo::lblInfo);
}
