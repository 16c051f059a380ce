// Luna's window frame and caption buttons.

#include "theme/KsBitmap.h"
#include "theme/NgLuna.h"

namespace {
RECT Rect(LONG left, LONG top, LONG right, LONG bottom)
{
    return RECT{left, top, right, bottom};
}

void Copy(TKsBitmap& atlas, TKsBitmap& target, int x, int y, const RECT& src)
{
    CopyPiece(atlas, target, x, y, src, false);
}
}

// Caption corners and border caps are copied, the stretches fill in
// between; all opaque, the region cuts the caption's magenta corners off.
void TNgLuna::DrawFormFrame(TKsBitmap& bitmap, int width, int height, const RECT&, bool active, int borderStyle)
{
    TKsBitmap& atlas = active ? *FActive : *FInactive;
    const int w = width;
    const int h = height;
    if (borderStyle == 1) {
        Copy(atlas, bitmap, 0, 0, Rect(0, 0, 10, 29));
        StretchPiece(atlas, bitmap, Rect(10, 0, w - 10, 29), Rect(10, 0, 56, 29));
        Copy(atlas, bitmap, w - 10, 0, Rect(56, 0, 66, 29));
        Copy(atlas, bitmap, 0, h - 3, Rect(0, 57, 3, 60));
        StretchPiece(atlas, bitmap, Rect(3, h - 3, w - 3, h), Rect(3, 57, 62, 60));
        Copy(atlas, bitmap, w - 3, h - 3, Rect(63, 57, 66, 60));
        Copy(atlas, bitmap, 0, 29, Rect(0, 29, 3, 32));
        StretchPiece(atlas, bitmap, Rect(0, 32, 3, h - 3), Rect(0, 32, 3, 57));
        Copy(atlas, bitmap, w - 3, 29, Rect(63, 29, 66, 32));
        StretchPiece(atlas, bitmap, Rect(w - 3, 32, w, h - 3), Rect(63, 32, 66, 57));
    } else if (borderStyle == 2) {
        Copy(atlas, bitmap, 0, 0, Rect(66, 0, 76, 19));
        StretchPiece(atlas, bitmap, Rect(10, 0, w - 10, 19), Rect(76, 0, 121, 19));
        Copy(atlas, bitmap, w - 10, 0, Rect(121, 0, 131, 19));
        Copy(atlas, bitmap, 0, h - 2, Rect(66, 49, 68, 51));
        StretchPiece(atlas, bitmap, Rect(2, h - 2, w - 2, h), Rect(68, 49, 129, 51));
        Copy(atlas, bitmap, w - 2, h - 2, Rect(130, 49, 132, 51));
        Copy(atlas, bitmap, 0, 19, Rect(66, 19, 68, 21));
        StretchPiece(atlas, bitmap, Rect(0, 21, 2, h - 2), Rect(66, 22, 69, 49));
        Copy(atlas, bitmap, w - 2, 19, Rect(130, 19, 132, 21));
        StretchPiece(atlas, bitmap, Rect(w - 2, 21, w, h - 2), Rect(130, 22, 132, 49));
    }
}

void TNgLuna::DrawCaptionButton(TKsBitmap& bitmap, const RECT& rect, int button, bool hot, bool pressed,
                                bool active, int borderStyle)
{
    static const int Rows[] = {70, 100, 160, 130, 190, 220, 280, 250};
    if (button < 0 || button > 7)
        return;
    TKsBitmap& atlas = active ? *FActive : *FInactive;
    if (button == 0 && borderStyle == 2) {
        const int x = pressed ? 94 : hot ? 80 : 66;
        Copy(atlas, bitmap, rect.left, rect.top, Rect(x, 70, x + GetMetric(7), 70 + GetMetric(8)));
        return;
    }
    if (button == 0 && borderStyle != 1)
        return;
    const int x = pressed ? 42 : hot ? 21 : 0;
    const int y = Rows[button];
    Copy(atlas, bitmap, rect.left, rect.top, Rect(x, y, x + GetMetric(5), y + GetMetric(6)));
}
