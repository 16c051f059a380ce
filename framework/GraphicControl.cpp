#include "framework/GraphicControl.h"

#include "framework/ClassBuilder.h"

IMPLEMENT_CLASS(TGraphicControl)
{
    Message(WM_PAINT, &TGraphicControl::WMPaint);
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), FCanvas(MakeOwned<TCanvas>()) {}

void TGraphicControl::Paint()
{
}

void TGraphicControl::WMPaint(TMessage& message)
{
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    if (!dc)
        return;
    FCanvas->SetHandle(dc);
    try {
        Paint();
    } catch (...) {
        FCanvas->SetHandle(nullptr);
        throw;
    }
    // The DC's own objects go back before the parent uses it again.
    FCanvas->SetHandle(nullptr);
}
