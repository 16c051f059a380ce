#include "tools/artgen/SmallButtons.h"

#include "tools/artgen/CaptionButtons.h"
#include "tools/artgen/Luna.h"
#include "tools/artgen/Shapes.h"

namespace {

constexpr int kSmall = 17;

// Two stacked chevrons pointing up (or down), centred in the button.
Shape DoubleChevron(bool down)
{
    const int c = S(kSmall) / 2;
    auto chevron = [&](int dy) {
        const int tip = down ? c + dy + S(2) : c + dy - S(2);
        const int foot = down ? c + dy - S(1) : c + dy + S(1);
        return Polyline({{c - S(3), foot}, {c, tip}, {c + S(3), foot}}, S(1) - 2);
    };
    return Union(chevron(-S(2)), chevron(S(2)));
}

Shape Cross()
{
    const int a = S(5) + S(1) / 2, b = S(11) + S(1) / 2;
    return Union(Polyline({{a, a}, {b, b}}, S(1) - 1), Polyline({{b, a}, {a, b}}, S(1) - 1));
}

// A white round button with a soft blue-grey rim and blue glyph, as on XP's
// task pane headers; hot brightens the glyph, pressed darkens the face.
Canvas PaintSmallButton(const Shape& glyph, int state)
{
    const Rgb bg(99, 156, 226);  // the header bar blue it usually sits on
    Canvas c(kSmall, kSmall, bg);
    const Rect all{0, 0, kSmall, kSmall};
    const int mid = S(kSmall) / 2;
    const Shape outer = Disc(mid, mid, S(kSmall) / 2);
    const Shape inner = Disc(mid, mid, S(kSmall) / 2 - S(1));
    PaintShape(c, outer, all, state == 2 ? Rgb(120, 146, 196) : Rgb(178, 196, 230));
    const Rgb top = state == 2 ? Rgb(208, 220, 244) : luna::kWhite;
    const Rgb bottom = state == 2 ? Rgb(232, 238, 250) : state == 1 ? Rgb(226, 236, 255) : Rgb(214, 224, 246);
    PaintShape(c, inner, all, [&](int x, int y) { return Mix(top, bottom, x + 2 * y, 3 * kSmall); });
    const Rgb ink = state == 1 ? Rgb(66, 142, 255) : Rgb(33, 93, 198);
    PaintShape(c, glyph, all, ink);
    KeyOutside(c, outer, all, 24);
    return c;
}

}  // namespace

void PaintSmallButtons(Canvas& activeAtlas)
{
    for (int state = 0; state < 3; ++state) {
        const int x = 134 + kSmall * state;
        activeAtlas.Paste(PaintSmallButton(DoubleChevron(false), state), x, 32);
        activeAtlas.Paste(PaintSmallButton(DoubleChevron(true), state), x, 49);
        activeAtlas.Paste(PaintSmallButton(Cross(), state), x, 66);
    }
}

void PaintMenuBarGlyphs(Canvas& activeAtlas)
{
    // Small caption buttons on the white menu bar: normal, then the hot look
    // while the item is selected, then the pressed look.
    const ButtonState states[] = {ButtonState::Normal, ButtonState::Hot, ButtonState::Pressed};
    const CaptionGlyph glyphs[] = {CaptionGlyph::Minimize, CaptionGlyph::Restore, CaptionGlyph::Close};
    const Paint menuBar = [](int, int) { return luna::kWhite; };
    for (int s = 0; s < 3; ++s)
        for (int g = 0; g < 3; ++g)
            activeAtlas.Paste(PaintCaptionButton(19, glyphs[g], states[s], true, menuBar), 19 * g, 310 + 19 * s);
}
