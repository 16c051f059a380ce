#include "menus/XPColors.h"

#include "framework/GdiObject.h"

#include <algorithm>
#include <cmath>

int ForcedDisplayBitsPerPixel = 0;

namespace {

int Clamp(int value)
{
    return std::min(255, std::max(0, value));
}

TColor Nearest(HDC dc, COLORREF color)
{
    if (dc) {
        COLORREF nearest = GetNearestColor(dc, color);
        if (nearest != CLR_INVALID)
            return static_cast<TColor>(nearest);
    }
    return static_cast<TColor>(color);
}

}

TColor Lighten(HDC dc, TColor color, int percent)
{
    percent = std::min(percent, 100);
    COLORREF rgb = ColorToRGB(color);
    // Rounded to nearest, halves up, as integer arithmetic.
    auto lift = [percent](int value) { return Clamp(value + (2 * (255 - value) * percent + 100) / 200); };
    return Nearest(dc, RGB(lift(GetRValue(rgb)), lift(GetGValue(rgb)), lift(GetBValue(rgb))));
}

TColor Darken(HDC dc, TColor color, int amount)
{
    COLORREF rgb = ColorToRGB(color);
    return Nearest(
        dc, RGB(Clamp(GetRValue(rgb) - amount), Clamp(GetGValue(rgb) - amount + 2), Clamp(GetBValue(rgb) - amount)));
}

TColor GrayLevel(HDC dc, TColor color, int amount)
{
    COLORREF rgb = ColorToRGB(color);
    int gray = std::min(amount, 100) + (GetRValue(rgb) + GetGValue(rgb) + GetBValue(rgb)) / 3;
    gray = Clamp(std::min(gray, 240));
    return Nearest(dc, RGB(gray, gray, gray));
}

TColor ContrastTextColor(HDC dc, TColor background, TColor fontColor)
{
    COLORREF rgb = ColorToRGB(background);
    if ((GetRValue(rgb) + GetBValue(rgb)) / 2 > 150 || GetGValue(rgb) > 200)
        return Nearest(dc, ColorToRGB(fontColor));
    return Lighten(dc, background, 90);
}

int RoundHalfEven(double value)
{
    double floor = std::floor(value);
    double fraction = value - floor;
    long long whole = static_cast<long long>(floor);
    if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0))
        ++whole;
    return static_cast<int>(whole);
}

bool DisplayHasHighColor()
{
    int bits = ForcedDisplayBitsPerPixel;
    if (bits <= 0) {
        TWindowDC screen(nullptr);
        bits = GetDeviceCaps(screen.Get(), BITSPIXEL);
    }
    return bits > 15;
}
