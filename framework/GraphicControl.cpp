#include "framework/GraphicControl.h"

#include "framework/ClassBuilder.h"
#include "framework/ScopeGuard.h"

IMPLEMENT_CLASS(TGraphicControl)
{
    Message(WM_PAINT, &TGraphicControl::WMPaint);
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), FCanvas(MakeOwned<TCanvas>()) {}

void TGraphicControl::Paint() {}

void TGraphicControl::WMPaint(TMessage& message)
{
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    if (!dc)
        return;
    FCanvas->SetHandle(dc);
    // The DC's own objects go back before the parent uses it again.
    TScopeGuard release([this] { FCanvas->SetHandle(nullptr); });
    Paint();
}
