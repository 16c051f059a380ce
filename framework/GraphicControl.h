#pragma once
// A control without a window of its own: it paints on its parent's device
// context, through a canvas that borrows that context for one paint.

#include "framework/Canvas.h"
#include "framework/Control.h"

class TGraphicControl : public TControl {
    DECLARE_CLASS(TGraphicControl, TControl)
public:
    explicit TGraphicControl(TComponent* owner);

    // Valid while Paint runs.
    TCanvas& Canvas() { return *FCanvas; }

protected:
    virtual void Paint();

private:
    // wParam: the parent's DC, its origin moved to this control's corner.
    void WMPaint(TMessage& message);

    TOwned<TCanvas> FCanvas;
};
