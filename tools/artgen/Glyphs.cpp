#include "tools/artgen/Glyphs.h"

namespace {

constexpr int kDesign = 21;

struct Scaler {
    int box;
    // Sub-pixel design value to sub-pixels of this box, rounded.
    int Sub(int v) const { return (v * box + kDesign / 2) / kDesign; }
    // Whole design pixel to a whole pixel of this box, so that bars and box
    // outlines stay crisp at every size.
    int Px(int p) const { return S((p * box + kDesign / 2) / kDesign); }
    SubPoint Pt(int x16, int y16) const { return SubPoint{Sub(x16), Sub(y16)}; }
    Shape Bar(int l, int t, int r, int b) const { return RoundRect(Px(l), Px(t), Px(r), Px(b), 0); }
    Shape Outline(int l, int t, int r, int b, int top) const
    {
        return Minus(Bar(l, t, r, b), Bar(l + 1, t + top, r - 1, b - 1));
    }
};

// Design coordinates in sixteenths of a pixel.
constexpr int D(int pixel, int sixteenths = 0)
{
    return pixel * 16 + sixteenths;
}

Shape Triangle(const Scaler& s, SubPoint a, SubPoint b, SubPoint c)
{
    return Polygon({s.Pt(a.x, a.y), s.Pt(b.x, b.y), s.Pt(c.x, c.y)});
}

}  // namespace

Shape CaptionGlyphShape(CaptionGlyph glyph, int box)
{
    const Scaler s{box};
    const int stroke = s.Sub(19);  // half of a stroke a little over 2 pixels
    switch (glyph) {
    case CaptionGlyph::Close:
        return Union(Polyline({s.Pt(D(6, 11), D(6, 11)), s.Pt(D(14, 5), D(14, 5))}, stroke),
                     Polyline({s.Pt(D(14, 5), D(6, 11)), s.Pt(D(6, 11), D(14, 5))}, stroke));
    case CaptionGlyph::Help:
        return Union(Polyline({s.Pt(D(7, 8), D(8, 4)), s.Pt(D(8, 2), D(6, 6)), s.Pt(D(9, 6), D(5, 6)),
                               s.Pt(D(11, 10), D(5, 6)), s.Pt(D(13, 2), D(6, 8)), s.Pt(D(13, 6), D(8, 8)),
                               s.Pt(D(12, 12), D(10, 2)), s.Pt(D(10, 14), D(11, 4)), s.Pt(D(10, 8), D(12, 8))},
                              s.Sub(17)),
                     Disc(s.Sub(D(10, 8)), s.Sub(D(15, 6)), s.Sub(20)));
    case CaptionGlyph::Minimize: return s.Bar(6, 13, 12, 16);
    case CaptionGlyph::Maximize: return s.Outline(5, 5, 15, 15, 3);
    case CaptionGlyph::Restore: {
        const Shape back = s.Outline(8, 4, 15, 11, 2);
        const Shape front = s.Bar(5, 8, 12, 15);
        return Union(Minus(back, front), s.Outline(5, 8, 12, 15, 2));
    }
    case CaptionGlyph::RollUp:
        return Union(s.Bar(6, 5, 15, 7), Triangle(s, {D(5, 8), D(15)}, {D(15, 8), D(15)}, {D(10, 8), D(10)}));
    case CaptionGlyph::RollDown:
        return Union(s.Bar(6, 5, 15, 7), Triangle(s, {D(5, 8), D(10)}, {D(15, 8), D(10)}, {D(10, 8), D(15)}));
    case CaptionGlyph::Tray:
        return Union(Union(s.Bar(6, 14, 15, 16), s.Bar(9, 4, 12, 9)),
                     Triangle(s, {D(6, 8), D(9)}, {D(14, 8), D(9)}, {D(10, 8), D(13)}));
    }
    return [](int, int) { return false; };
}
