#include "theme/KsPixels.h"

uint32_t ColorToPixel(TColor color, int alpha)
{
    const COLORREF rgb = ColorToRGB(color);
    return MakeColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb), alpha);
}

TColor PixelToColor(uint32_t pixel)
{
    return MakeTColor(static_cast<BYTE>(pixel >> 16), static_cast<BYTE>(pixel >> 8), static_cast<BYTE>(pixel));
}
