#include "tools/artgen/TrackThumbs.h"

#include "tools/artgen/Luna.h"
#include "tools/artgen/Shapes.h"

namespace {

enum { kNormal, kHot, kPressed, kFocused, kDisabled };

struct Look {
    Rgb rim, light, dark, accentLight, accent;
};

Look LookOf(int row)
{
    const Rgb rim(112, 132, 158);
    switch (row) {
    case kHot: return {rim, luna::kWhite, Rgb(236, 235, 230), luna::kHotLight, luna::kHot};
    case kPressed: return {rim, Rgb(238, 237, 232), Rgb(214, 212, 202), Rgb(139, 206, 138), luna::kTick};
    case kFocused: return {rim, luna::kWhite, Rgb(236, 235, 230), luna::kFocusLight, luna::kFocus};
    case kDisabled:
        return {luna::kDisabledRim, Rgb(247, 246, 241), Rgb(241, 240, 234), Rgb(232, 231, 222), luna::kDisabledRim};
    default: return {rim, luna::kWhite, Rgb(236, 235, 230), Rgb(139, 206, 138), luna::kTick};
    }
}

// Outline of an upright thumb w x h: a rounded block, or a block whose
// lower end narrows to a point.
Shape Outline(int w, int h, bool pointed, int inset)
{
    const int i = S(inset);
    if (!pointed)
        return RoundRect(i, i, S(w) - i, S(h) - i, S(2) - i / 2);
    const int tipY = S(h) - i * 3 / 2, shoulder = S(h - w / 2 - 1);
    return Union(RoundRect(i, i, S(w) - i, shoulder + S(1), S(2) - i / 2, S(2) - i / 2, 0, 0),
                 Polygon({{i, shoulder}, {S(w) - i, shoulder}, {S(w) / 2, tipY}}));
}

Canvas PaintUpright(int w, int h, int kind, int row)
{
    const Look look = LookOf(row);
    const bool pointed = kind != 0;
    Canvas c(w, h, luna::kFace);
    const Rect all{0, 0, w, h};
    const Shape outer = Outline(w, h, pointed, 0);
    const Shape inner = Outline(w, h, pointed, 1);
    PaintShape(c, outer, all, look.rim);
    PaintShape(c, inner, all, [&](int x, int) { return Mix(look.light, look.dark, x, w - 1); });
    // Coloured ends: green normally, orange hot, blue focused.
    const Shape band = Minus(inner, Outline(w, h, pointed, 3));
    const Shape ends = pointed ? Union(Intersect(band, RoundRect(0, 0, S(w), S(3), 0)),
                                       Intersect(band, RoundRect(0, S(h - w / 2 - 2), S(w), S(h), 0)))
                               : Union(Intersect(band, RoundRect(0, 0, S(w), S(3), 0)),
                                       Intersect(band, RoundRect(0, S(h - 3), S(w), S(h), 0)));
    PaintShape(c, ends, all, [&](int, int y) {
        const bool low = y > h / 2;
        return low ? look.accent : Mix(look.accentLight, look.accent, y, 3);
    });
    KeyOutside(c, outer, all, 24);
    return c;
}

Canvas Thumb(int w, int h, int kind, int row)
{
    Canvas c = PaintUpright(w, h, kind, row);
    return kind == 2 ? c.MirroredY() : c;
}

}  // namespace

void PaintTrackThumbs(Canvas& inactiveAtlas)
{
    for (int row = 0; row < 5; ++row) {
        inactiveAtlas.Paste(Thumb(11, 23, 0, row), 80, 100 + 43 * row);
        inactiveAtlas.Paste(Thumb(11, 22, 0, row).Transposed(), 75, 128 + 43 * row);
        inactiveAtlas.Paste(Thumb(11, 22, 1, row), 129, 96 + 55 * row);
        inactiveAtlas.Paste(Thumb(11, 22, 2, row), 129, 67 + 55 * row);
        inactiveAtlas.Paste(Thumb(11, 22, 1, row).Transposed(), 153, 96 + 55 * row);
        inactiveAtlas.Paste(Thumb(11, 22, 2, row).Transposed(), 152, 78 + 55 * row);
    }
}
