#include "controls/KsProgress.h"

#include "framework/ClassBuilder.h"

#include <cmath>

IMPLEMENT_CLASS(TKsCustomProgressBar)
{
    Creatable();
    Property("BorderWidth", &TKsCustomProgressBar::BorderWidth, &TKsCustomProgressBar::SetBorderWidth, 0);
    Property("Max", &TKsCustomProgressBar::Max, &TKsCustomProgressBar::SetMax, 100);
    Property("Min", &TKsCustomProgressBar::Min, &TKsCustomProgressBar::SetMin, 0);
    Property("Position", &TKsCustomProgressBar::Position, &TKsCustomProgressBar::SetPosition);
    Property("Orientation", &TKsCustomProgressBar::Orientation, &TKsCustomProgressBar::SetOrientation, kboHorizontal);
    Property("ShowBorder", &TKsCustomProgressBar::ShowBorder, &TKsCustomProgressBar::SetShowBorder, true);
    Property("Smooth", &TKsCustomProgressBar::Smooth, &TKsCustomProgressBar::SetSmooth, false);
}

int NearestInt(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

TKsCustomProgressBar::TKsCustomProgressBar(TComponent* owner) : TKsCustomControl(owner)
{
    SetColor(clBtnFace);
    SetBounds(0, 0, 140, 16);
    SetTransparent(true);
}

void TKsCustomProgressBar::SetMax(int value)
{
    FMax = value;
    Invalidate();
}

void TKsCustomProgressBar::SetMin(int value)
{
    FMin = value;
    Invalidate();
}

void TKsCustomProgressBar::SetPosition(int value)
{
    if (value == FPosition)
        return;
    const float before = GetFraction(FPosition);
    FPosition = value;
    if (GetFraction(value) == before)
        return;
    // Shown at once, even when the caller does not return to the message
    // loop: straight to the window, with no messages handled in between.
    RepaintNow();
}

void TKsCustomProgressBar::SetOrientation(TKsBarOrientation value)
{
    if (value == FOrientation)
        return;
    FOrientation = value;
    Invalidate();
}

void TKsCustomProgressBar::SetBorderWidth(int value)
{
    if (value == FBorderWidth)
        return;
    FBorderWidth = value;
    Invalidate();
}

void TKsCustomProgressBar::SetShowBorder(bool value)
{
    if (value == FShowBorder)
        return;
    FShowBorder = value;
    Invalidate();
}

void TKsCustomProgressBar::SetSmooth(bool value)
{
    if (value == FSmooth)
        return;
    FSmooth = value;
    Invalidate();
}

float TKsCustomProgressBar::GetFraction(int value) const
{
    if (FMin < 0 || value < FMin || value > FMax || FMax == FMin)
        return 0.0f;
    return static_cast<float>(value - FMin) / static_cast<float>(FMax - FMin);
}

RECT TKsCustomProgressBar::GetBarRect() const
{
    RECT rect{0, 0, PaintWidth(), PaintHeight()};
    if (FShowBorder)
        InflateRect(&rect, -2, -2);
    InflateRect(&rect, -FBorderWidth, -FBorderWidth);
    return rect;
}

int TKsCustomProgressBar::BarLength(const RECT& bar) const
{
    return FOrientation == kboHorizontal ? bar.right - bar.left : bar.bottom - bar.top;
}

int TKsCustomProgressBar::BarThickness(const RECT& bar) const
{
    return FOrientation == kboHorizontal ? bar.bottom - bar.top : bar.right - bar.left;
}

void TKsCustomProgressBar::PaintFrame()
{
    RECT rect{0, 0, PaintWidth(), PaintHeight()};
    if (FShowBorder) {
        Front().DrawEdge(rect, ColorToPixel(clBtnShadow), ColorToPixel(clBtnHighlight));
        InflateRect(&rect, -1, -1);
    }
    Front().FillRect(rect, ColorToPixel(Color()));
}

void TKsCustomProgressBar::PaintBar()
{
    const RECT bar = GetBarRect();
    const int length = BarLength(bar);
    const int thickness = BarThickness(bar);
    // A bar area with no room draws nothing (the chunk step would be 0).
    if (length <= 0 || thickness <= 0)
        return;
    const float fraction = GetFraction(FPosition);
    const uint32_t fill = ColorToPixel(clHighlight);
    const bool horizontal = FOrientation == kboHorizontal;
    if (FSmooth) {
        const int filled = NearestInt(static_cast<double>(fraction) * length);
        RECT part = bar;
        if (horizontal)
            part.right = bar.left + filled;
        else
            part.top = bar.bottom - filled;
        Front().FillRect(part, fill);
        return;
    }
    // Exactly one hundredth in single precision lies below 0.01.
    if (static_cast<long double>(fraction) < 0.01L)
        return;
    const int step = NearestInt(thickness * 0.64) + 2;
    const int whole = length / step;
    const int last = NearestInt(static_cast<double>(fraction) * whole);
    for (int i = 0; i <= last; ++i) {
        RECT chunk = bar;
        if (horizontal) {
            chunk.left = bar.left + i * step;
            chunk.right = chunk.left + step - 2;
        } else {
            chunk.bottom = bar.bottom - i * step;
            chunk.top = chunk.bottom - step + 2;
        }
        RECT clipped;
        if (IntersectRect(&clipped, &chunk, &bar))
            Front().FillRect(clipped, fill);
    }
}
