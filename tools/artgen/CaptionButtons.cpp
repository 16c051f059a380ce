#include "tools/artgen/CaptionButtons.h"

#include "tools/artgen/Luna.h"

namespace {

struct Look {
    Rgb rim, top, bottom, glow, glyph;
    int glowStrength;  // of 64, at the glow's centre
};

Look LookOf(bool close, ButtonState state, bool active)
{
    // Top, bottom and glow of the face in the normal, hot and pressed state:
    // red for close, blue for the others. Rim and glyph are white.
    struct Face {
        Rgb top, bottom, glow;
    };
    static const Face kRed[] = {
        {Rgb(232, 86, 58), Rgb(200, 38, 16), Rgb(244, 142, 108)},
        {Rgb(246, 122, 92), Rgb(222, 66, 38), Rgb(255, 186, 150)},
        {Rgb(164, 30, 10), Rgb(206, 60, 34), Rgb(214, 84, 56)},
    };
    static const Face kBlue[] = {
        {Rgb(72, 140, 246), Rgb(38, 98, 216), Rgb(118, 172, 255)},
        {Rgb(104, 166, 255), Rgb(58, 122, 238), Rgb(160, 204, 255)},
        {Rgb(20, 66, 178), Rgb(44, 102, 222), Rgb(60, 118, 232)},
    };
    static const int kGlowStrength[] = {40, 44, 24};
    const int s = int(state);
    const Face& face = (close ? kRed : kBlue)[s];
    Look k = {luna::kWhite, face.top, face.bottom, face.glow, luna::kWhite, kGlowStrength[s]};
    if (!active) {
        // Inactive windows show the same buttons washed out toward the pale
        // caption, as if seen through frosted glass.
        const Rgb pale(214, 224, 248);
        k.top = Mix(k.top, pale, 9, 16);
        k.bottom = Mix(k.bottom, pale, 9, 16);
        k.glow = Mix(k.glow, pale, 9, 16);
        k.rim = Rgb(246, 249, 255);
        k.glyph = Rgb(250, 252, 255);
    }
    return k;
}

}  // namespace

Canvas PaintCaptionButton(int size, CaptionGlyph glyph, ButtonState state, bool active, const Paint& background)
{
    const Look look = LookOf(glyph == CaptionGlyph::Close, state, active);
    Canvas b(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            b.Set(x, y, background(x, y));
    const Rect all{0, 0, size, size};

    // Light rim, translucent over the caption, then the face inside it.
    const Rgb rim = Mix(look.rim, look.top, 1, 4);
    PaintShape(b, RoundRect(0, 0, S(size), S(size), S(3)), all, rim);
    const int inner = size - 1;
    PaintShape(b, RoundRect(S(1), S(1), S(inner), S(inner), S(2)), all, [&](int x, int y) {
        Rgb c = Mix(look.top, look.bottom, y + x / 3, size + size / 3);
        // The glow of XP's buttons sits low on the right.
        const int dx = x - inner, dy = y - inner;
        const int r = size * 3 / 4;
        const int d2 = dx * dx + dy * dy;
        if (d2 < r * r)
            c = Mix(c, look.glow, (r * r - d2) * look.glowStrength / (r * r), 64);
        return c;
    });
    // A thin darker line under the top rim gives the face some depth.
    if (state == ButtonState::Pressed)
        PaintShape(
            b,
            Minus(RoundRect(S(1), S(1), S(inner), S(inner), S(2)), RoundRect(S(1), S(2), S(inner), S(inner + 1), S(2))),
            all, Mix(look.top, Rgb(0, 0, 0), 1, 5));
    PaintShape(b, CaptionGlyphShape(glyph, size), all, look.glyph);
    return b;
}

void PaintCaptionButtons(Canvas& atlas, bool active)
{
    // Rows by button, in the order close, help, minimize, maximize, restore,
    // roll up, roll down, to tray.
    struct Row {
        CaptionGlyph glyph;
        int y;
    };
    const Row rows[] = {
        {CaptionGlyph::Close, 70},     {CaptionGlyph::Help, 100},    {CaptionGlyph::Minimize, 160},
        {CaptionGlyph::Maximize, 130}, {CaptionGlyph::Restore, 190}, {CaptionGlyph::RollUp, 220},
        {CaptionGlyph::RollDown, 280}, {CaptionGlyph::Tray, 250},
    };
    const ButtonState states[] = {ButtonState::Normal, ButtonState::Hot, ButtonState::Pressed};
    // Buttons sit 4 rows down a 29-row caption, tool buttons 3 rows down a
    // 19-row one; their corners show the caption behind them.
    const Paint caption = [active](int, int y) { return luna::CaptionRow(active, y + 4, 29); };
    const Paint tool = [active](int, int y) { return luna::CaptionRow(active, y + 3, 19); };
    for (int s = 0; s < 3; ++s) {
        for (const Row& row : rows)
            atlas.Paste(PaintCaptionButton(21, row.glyph, states[s], active, caption), 21 * s, row.y);
        atlas.Paste(PaintCaptionButton(14, CaptionGlyph::Close, states[s], active, tool), 66 + 14 * s, 70);
    }
}
