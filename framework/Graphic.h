#pragma once
// Anything that can draw itself into a rectangle of a canvas: bitmaps and
// icons. Owners subscribe to OnChange to hear of a new image.

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

protected:
    void Changed() { OnChange(this); }
};
