#pragma once
// Anything that can draw itself into a rectangle of a canvas: bitmaps and
// icons. Owners subscribe to OnChange to hear of a new image, and to
// OnChanging to let go of the old one before it is destroyed.

#include "framework/Persistent.h"

#include <windows.h>

class TCanvas;

class TGraphic : public TPersistent {
    DECLARE_CLASS(TGraphic, TPersistent)
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const = 0;
    // Draws the whole image into rect of the canvas.
    virtual void Draw(TCanvas& canvas, const RECT& rect) = 0;

    TNotifyEvent OnChange;
    // Raised by graphics whose handle a holder may have lent out (icons)
    // before that handle is replaced or given away.
    TNotifyEvent OnChanging;

protected:
    void Changed() { OnChange(this); }
    void Changing() { OnChanging(this); }
};
