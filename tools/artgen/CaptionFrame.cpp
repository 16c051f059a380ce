#include "tools/artgen/CaptionFrame.h"

#include "tools/artgen/Luna.h"
#include "tools/artgen/Shapes.h"

#include <algorithm>

namespace {

constexpr int kCaptionW = 66, kCaptionH = 29;         // standard caption
constexpr int kToolX = 66, kToolW = 65, kToolH = 19;  // tool-window caption
constexpr int kCornerRadius = 8;                      // matches the region's cut-outs

// The caption's outermost columns lean toward the border colour so that the
// caption flows into the side borders below it.
Rgb CaptionPixel(bool active, int x, int y, int w, int h)
{
    const Rgb row = luna::CaptionRow(active, y, h);
    if (x == 0 || x == w - 1)
        return Mix(row, luna::BorderColour(active, 0), 2, 3);
    return row;
}

void PaintStandardCaption(Canvas& atlas, bool active)
{
    Canvas cap(kCaptionW, kCaptionH, luna::CaptionOutline(active));
    const Shape body = RoundRect(0, 0, S(kCaptionW), S(kCaptionH), S(kCornerRadius), S(kCornerRadius), 0, 0);
    PaintShape(cap, body, Rect{0, 0, kCaptionW, kCaptionH},
               [&](int x, int y) { return CaptionPixel(active, x, y, kCaptionW, kCaptionH); });
    // A soft light rim just inside the curve continues the bright top edge
    // down the rounded corner.
    const Shape rim = Minus(body, RoundRect(S(1), S(1), S(kCaptionW - 1), S(kCaptionH + 1), S(kCornerRadius - 1),
                                            S(kCornerRadius - 1), 0, 0));
    const Rgb light = luna::CaptionRow(active, 0, kCaptionH);
    for (int y = 1; y < kCornerRadius; ++y)
        for (int x = 0; x < kCaptionW; ++x) {
            if (x >= kCornerRadius && x < kCaptionW - kCornerRadius)
                continue;
            const int c = Coverage(Intersect(rim, body), x, y);
            cap.Cover(x, y, light, c / 2);
        }
    for (int y = 0; y < kCaptionH; ++y)
        for (int x = 0; x < kCaptionW; ++x)
            if (InCutCorner(x, y) || InCutCorner(kCaptionW - 1 - x, y))
                cap.Set(x, y, kKey);
    atlas.Paste(cap, 0, 0);
}

void PaintToolCaption(Canvas& atlas, bool active)
{
    Canvas cap(kToolW, kToolH);
    for (int y = 0; y < kToolH; ++y)
        for (int x = 0; x < kToolW; ++x)
            cap.Set(x, y, CaptionPixel(active, x, y, kToolW, kToolH));
    // The tool window keeps square corners; darkening the corner pixels takes
    // the hard edge off.
    const Rgb outline = luna::CaptionOutline(active);
    cap.Set(0, 0, Mix(cap.At(0, 0), outline, 1, 2));
    cap.Set(kToolW - 1, 0, Mix(cap.At(kToolW - 1, 0), outline, 1, 2));
    atlas.Paste(cap, kToolX, 0);
}

// Border pixel of a frame whose outer rectangle is (left, top)-(right,
// bottom) with borders `width` pixels wide: depth is the distance to the
// nearest outer side below the caption.
Rgb BorderPixel(bool active, int x, int y, const Rect& outer, int width)
{
    int d = std::min({x - outer.left, outer.right - 1 - x, outer.bottom - 1 - y});
    d = std::min(d, width - 1);
    return luna::BorderColour(active, d);
}

void PaintBorders(Canvas& atlas, bool active, const Rect& outer, int captionH, int width)
{
    for (int y = outer.top + captionH; y < outer.bottom; ++y)
        for (int x = outer.left; x < outer.right; ++x) {
            const bool side = x < outer.left + width || x >= outer.right - width;
            const bool bottom = y >= outer.bottom - width;
            if (side || bottom)
                atlas.Set(x, y, BorderPixel(active, x, y, outer, width));
        }
}

}  // namespace

bool InCutCorner(int x, int y)
{
    return (y == 0 && x < 5) || (y == 1 && x < 3) || (y == 2 && x < 2) || (y < 5 && x < 1);
}

void PaintCaptionAndFrame(Canvas& atlas, bool active)
{
    PaintStandardCaption(atlas, active);
    // Standard borders: 3 pixels, sides from row 29, bottom rows 57 to 59.
    PaintBorders(atlas, active, Rect{0, 0, kCaptionW, 60}, kCaptionH, 3);
    PaintToolCaption(atlas, active);
    // Tool-window borders: 2 pixels, sides from row 19, bottom rows 49 and
    // 50. The left edge piece is read 3 columns wide, so its third column
    // repeats the inner shade.
    PaintBorders(atlas, active, Rect{kToolX, 0, kToolX + 66, 51}, kToolH, 2);
    for (int y = kToolH; y < 49; ++y)
        atlas.Set(kToolX + 2, y, luna::BorderColour(active, 1));
}
