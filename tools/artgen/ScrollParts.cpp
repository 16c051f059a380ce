#include "tools/artgen/ScrollParts.h"

#include "tools/artgen/Luna.h"
#include "tools/artgen/Shapes.h"

namespace {

constexpr int kSize = 17;

struct Look {
    Rgb rim, light, dark, glyph;
};

// Light blue buttons with a dark slate glyph, as XP's scroll bars.
Look LookOf(int state)
{
    switch (state) {
    case 1:  // hot
        return {Rgb(166, 196, 248), Rgb(253, 255, 255), Rgb(185, 218, 251), Rgb(77, 97, 133)};
    case 2:  // pressed
        return {Rgb(120, 150, 226), Rgb(134, 164, 241), Rgb(176, 196, 244), Rgb(255, 255, 255)};
    case 3:  // disabled
        return {Rgb(228, 227, 218), Rgb(247, 246, 241), Rgb(238, 237, 229), Rgb(201, 199, 186)};
    default: return {Rgb(181, 202, 245), Rgb(225, 234, 254), Rgb(174, 200, 247), Rgb(77, 97, 133)};
    }
}

// The chevron of an arrow pointing toward direction d: 0 up, 1 down, 2 left,
// 3 right. Designed pointing up and turned.
Shape Chevron(int d)
{
    const int c = S(kSize) / 2;  // centre
    const int a = S(3) + S(1) / 2, h = S(2);
    std::vector<SubPoint> up = {{c - a, c + h}, {c, c - h}, {c + a, c + h}};
    for (SubPoint& p : up) {
        const int dx = p.x - c, dy = p.y - c;
        if (d == 1)
            p = {c + dx, c - dy};
        if (d == 2)
            p = {c + dy, c + dx};
        if (d == 3)
            p = {c - dy, c + dx};
    }
    return Polyline(up, S(1) + 2);
}

// The rounded light-blue body shared by arrows and thumbs, lit from the top
// left along the diagonal so that turning it keeps the light in place.
void PaintBody(Canvas& c, const Look& look, const Rect& r, int radius)
{
    const Rect all{0, 0, c.Width(), c.Height()};
    PaintShape(c, RoundRect(S(r.left), S(r.top), S(r.right), S(r.bottom), S(radius)), all, look.rim);
    PaintShape(c, RoundRect(S(r.left + 1), S(r.top + 1), S(r.right - 1), S(r.bottom - 1), S(radius - 1)), all,
               [&](int x, int y) {
                   return Mix(look.light, look.dark, (x - r.left) + (y - r.top), r.Width() + r.Height() - 4);
               });
}

Canvas PaintArrow(int direction, int state)
{
    const Look look = LookOf(state);
    Canvas c(kSize, kSize, luna::kTrack);
    PaintBody(c, look, Rect{0, 0, kSize, kSize}, 3);
    PaintShape(c, Chevron(direction), Rect{0, 0, kSize, kSize}, look.glyph);
    KeyOutside(c, RoundRect(0, 0, S(kSize), S(kSize), S(3)), Rect{0, 0, kSize, kSize}, 24);
    return c;
}

// A vertical thumb: the body's light runs across it (left to right) and is
// the same in every row between the caps.
Canvas PaintVerticalThumb(int state)
{
    Look look = LookOf(state);
    if (state == 0)
        look.dark = Rgb(184, 204, 249), look.light = Rgb(214, 226, 254);
    Canvas c(kSize, kSize, luna::kTrack);
    const Rect all{0, 0, kSize, kSize};
    PaintShape(c, RoundRect(0, 0, S(kSize), S(kSize), S(3)), all, look.rim);
    PaintShape(c, RoundRect(S(1), S(1), S(kSize - 1), S(kSize - 1), S(2)), all,
               [&](int x, int) { return Mix(look.light, look.dark, x, kSize - 1); });
    // A white sheen inside the rim on the lit side.
    PaintShape(c,
               Minus(RoundRect(S(1), S(1), S(kSize - 1), S(kSize - 1), S(2)),
                     RoundRect(S(2), S(2), S(kSize - 1), S(kSize - 2), S(2))),
               all, Mix(look.light, luna::kWhite, 1, 2));
    return c;
}

// Track colour of column x of 17: a touch darker at the edges.
Rgb TrackColumn(int x)
{
    if (x == 0 || x == kSize - 1)
        return Rgb(238, 237, 229);
    return Ramp({{1, Rgb(250, 249, 245)}, {8, luna::kTrack}, {15, Rgb(248, 247, 243)}}, x);
}

}  // namespace

void PaintScrollArrows(Canvas& activeAtlas)
{
    // Columns: up, down, left, right.
    for (int state = 0; state < 4; ++state)
        for (int d = 0; d < 4; ++d)
            activeAtlas.Paste(PaintArrow(d, state), 70 + 18 * d, 277 + 19 * state);
}

void PaintScrollThumbsAndTracks(Canvas& inactiveAtlas)
{
    for (int state = 0; state < 4; ++state) {
        const Canvas thumb = PaintVerticalThumb(state);
        inactiveAtlas.Paste(thumb, 2, 314 + 19 * state);
        inactiveAtlas.Paste(thumb.Transposed(), 20, 314 + 19 * state);
    }
    Canvas track(kSize, 9);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < kSize; ++x)
            track.Set(x, y, TrackColumn(x));
    inactiveAtlas.Paste(track, 38, 314);
    inactiveAtlas.Paste(track.Transposed().Crop(Rect{0, 0, 8, kSize}), 38, 324);
}
