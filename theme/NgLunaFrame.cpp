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

// Where the pieces of one frame style lie in the atlases. The caption's
// corners are 10 pixels wide; each border has a square cap where it meets
// the caption or the bottom.
struct TFrameArt {
    int Border;
    int Caption;
    RECT CaptionLeft, CaptionMiddle, CaptionRight;
    RECT BottomLeft, BottomMiddle, BottomRight;
    RECT LeftCap, LeftMiddle, RightCap, RightMiddle;
};

const TFrameArt StandardFrame = {
    3,
    29,
    {0, 0, 10, 29},
    {10, 0, 56, 29},
    {56, 0, 66, 29},  // caption
    {0, 57, 3, 60},
    {3, 57, 62, 60},
    {63, 57, 66, 60},  // bottom
    {0, 29, 3, 32},
    {0, 32, 3, 57},
    {63, 29, 66, 32},
    {63, 32, 66, 57},  // sides
};
const TFrameArt ToolWindowFrame = {
    2,
    19,
    {66, 0, 76, 19},
    {76, 0, 121, 19},
    {121, 0, 131, 19},  // caption
    {66, 49, 68, 51},
    {68, 49, 129, 51},
    {130, 49, 132, 51},  // bottom
    {66, 19, 68, 21},
    {66, 22, 69, 49},
    {130, 19, 132, 21},
    {130, 22, 132, 49},  // sides
};
}

// Caption corners and border caps are copied, the stretches fill in
// between; all opaque, the region cuts the caption's magenta corners off.
void TNgLuna::DrawFormFrame(TKsBitmap& bitmap, int width, int height, const RECT&, bool active, int borderStyle)
{
    if (borderStyle != nbsStandard && borderStyle != nbsToolWindow)
        return;
    const TFrameArt& art = borderStyle == nbsStandard ? StandardFrame : ToolWindowFrame;
    TKsBitmap& atlas = active ? *FActive : *FInactive;
    const int w = width;
    const int h = height;
    const int b = art.Border;
    const int c = art.Caption;
    Copy(atlas, bitmap, 0, 0, art.CaptionLeft);
    StretchPiece(atlas, bitmap, Rect(10, 0, w - 10, c), art.CaptionMiddle);
    Copy(atlas, bitmap, w - 10, 0, art.CaptionRight);
    Copy(atlas, bitmap, 0, h - b, art.BottomLeft);
    StretchPiece(atlas, bitmap, Rect(b, h - b, w - b, h), art.BottomMiddle);
    Copy(atlas, bitmap, w - b, h - b, art.BottomRight);
    Copy(atlas, bitmap, 0, c, art.LeftCap);
    StretchPiece(atlas, bitmap, Rect(0, c + b, b, h - b), art.LeftMiddle);
    Copy(atlas, bitmap, w - b, c, art.RightCap);
    StretchPiece(atlas, bitmap, Rect(w - b, c + b, w, h - b), art.RightMiddle);
}

void TNgLuna::DrawCaptionButton(TKsBitmap& bitmap, const RECT& rect, int button, bool hot, bool pressed, bool active,
                                int borderStyle)
{
    // Atlas rows in the order of TNgCaptionButton.
    static const int Rows[] = {70, 100, 160, 130, 190, 220, 280, 250};
    if (button < ncbClose || button > ncbTray)
        return;
    TKsBitmap& atlas = active ? *FActive : *FInactive;
    if (button == ncbClose && borderStyle == nbsToolWindow) {
        const int x = pressed ? 94 : hot ? 80 : 66;
        Copy(atlas, bitmap, rect.left, rect.top,
             Rect(x, 70, x + GetMetric(nmToolCaptionButtonWidth), 70 + GetMetric(nmToolCaptionButtonHeight)));
        return;
    }
    if (button == ncbClose && borderStyle != nbsStandard)
        return;
    const int x = pressed ? 42 : hot ? 21 : 0;
    const int y = Rows[button];
    Copy(atlas, bitmap, rect.left, rect.top,
         Rect(x, y, x + GetMetric(nmCaptionButtonWidth), y + GetMetric(nmCaptionButtonHeight)));
}
