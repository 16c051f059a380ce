#include "tools/artgen/PushButtons.h"

#include "tools/artgen/Luna.h"
#include "tools/artgen/Shapes.h"

namespace {

constexpr int kW = 73, kH = 21;

enum class Face { Normal, Hot, Pressed, Disabled, Focused };

// Face colour of row y (0..kH-1): near-white at the top, softly greyer to the
// bottom, with the dark lower lip of XP buttons in the last inner rows.
Rgb FaceRow(Face face, int y)
{
    switch (face) {
    case Face::Pressed:
        return Ramp(
            {{1, Rgb(209, 204, 192)}, {3, Rgb(226, 223, 214)}, {10, Rgb(229, 228, 221)}, {19, Rgb(240, 239, 234)}}, y);
    case Face::Disabled: return Rgb(245, 244, 234);
    default:
        return Ramp({{1, Rgb(255, 255, 255)},
                     {5, Rgb(254, 254, 253)},
                     {12, Rgb(244, 243, 238)},
                     {17, Rgb(236, 235, 230)},
                     {18, Rgb(226, 223, 214)},
                     {19, Rgb(214, 208, 197)}},
                    y);
    }
}

Canvas PaintFace(Face face)
{
    Canvas b(kW, kH, luna::kFace);
    const Rect all{0, 0, kW, kH};
    const Shape outer = RoundRect(0, 0, S(kW), S(kH), S(3));
    const Shape inner = RoundRect(S(1), S(1), S(kW - 1), S(kH - 1), S(2));
    PaintShape(b, outer, all, face == Face::Disabled ? luna::kDisabledRim : luna::kButtonRim);
    PaintShape(b, inner, all, [face](int x, int y) {
        Rgb c = FaceRow(face, y);
        // The right-hand side falls slightly into shadow.
        if (face != Face::Pressed && face != Face::Disabled && x >= kW - 3)
            c = Mix(c, Rgb(214, 208, 197), x == kW - 2 ? 1 : 0, 2);
        return c;
    });
    if (face == Face::Hot || face == Face::Focused) {
        // Two-pixel inner rim: orange for hot, light blue for focus.
        const Rgb top = face == Face::Hot ? luna::kHotLight : luna::kFocusLight;
        const Rgb bottom = face == Face::Hot ? luna::kHot : luna::kFocus;
        const Rgb deep = face == Face::Hot ? Rgb(229, 151, 0) : Rgb(105, 130, 238);
        const Shape ring = Minus(inner, RoundRect(S(3), S(3), S(kW - 3), S(kH - 3), S(1)));
        PaintShape(b, ring, all, [&](int, int y) {
            if (y >= kH - 2)
                return deep;
            return Ramp({{1, top}, {4, Mix(top, bottom, 1, 2)}, {kH - 4, bottom}}, y);
        });
    }
    KeyOutside(b, outer, all, 20);
    return b;
}

}  // namespace

void PaintPushButtons(Canvas& atlas)
{
    atlas.Paste(PaintFace(Face::Normal), 70, 100);
    atlas.Paste(PaintFace(Face::Hot), 70, 130);
    atlas.Paste(PaintFace(Face::Pressed), 70, 160);
    atlas.Paste(PaintFace(Face::Disabled), 70, 190);
    atlas.Paste(PaintFace(Face::Focused), 70, 220);
}
