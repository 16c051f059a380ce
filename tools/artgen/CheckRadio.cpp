#include "tools/artgen/CheckRadio.h"

#include "tools/artgen/Luna.h"
#include "tools/artgen/Shapes.h"

namespace {

enum class State { Normal, Hot, Pressed, Disabled };
enum class Mark { None, Checked, Grayed };

constexpr int kCell = 16;
constexpr int kBox = 1, kBoxEnd = 14;  // the 13-pixel box inside the cell

// Face of the box: light grey in the top left to white in the bottom right,
// darker while pressed, flat white when disabled.
Rgb FaceAt(State state, int x, int y)
{
    const int t = (x - kBox) + (y - kBox);  // 0 .. 24
    switch (state) {
    case State::Pressed: return Mix(Rgb(176, 176, 167), Rgb(246, 246, 242), t, 22);
    case State::Disabled: return luna::kWhite;
    default: return Mix(Rgb(220, 220, 215), luna::kWhite, t, 20);
    }
}

// Hot: an orange glow just inside the rim, light at the top left.
Rgb HotRim(int x, int y)
{
    return Mix(luna::kHotLight, luna::kHot, (x - kBox) + (y - kBox), 24);
}

// The tick, drawn as XP draws it: a bold 7 x 7 pixel check.
const char* const kTick[7] = {
    "......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#....",
};

void PaintTick(Canvas& c, Rgb colour)
{
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            if (kTick[y][x] == '#')
                c.Set(4 + x, 4 + y, colour);
}

void PaintGrayedSquare(Canvas& c, State state)
{
    for (int y = 4; y < 11; ++y)
        for (int x = 4; x < 11; ++x)
            c.Set(x, y,
                  state == State::Disabled ? luna::kDisabledGlyph
                                           : Mix(Rgb(118, 208, 118), luna::kTick, (x - 4) + (y - 4), 12));
}

Canvas PaintCheckBox(State state, Mark mark)
{
    Canvas c(kCell, kCell);
    const Rgb rim = state == State::Disabled ? luna::kDisabledRim : luna::kCheckRim;
    for (int y = kBox; y < kBoxEnd; ++y)
        for (int x = kBox; x < kBoxEnd; ++x) {
            const bool edge = x == kBox || y == kBox || x == kBoxEnd - 1 || y == kBoxEnd - 1;
            const bool hotRim = x <= kBox + 2 || y <= kBox + 2 || x >= kBoxEnd - 3 || y >= kBoxEnd - 3;
            Rgb p = edge ? rim : FaceAt(state, x, y);
            if (!edge && state == State::Hot && hotRim)
                p = HotRim(x, y);
            c.Set(x, y, p);
        }
    const Rgb ink = state == State::Disabled ? luna::kDisabledGlyph : luna::kTick;
    if (mark == Mark::Checked)
        PaintTick(c, ink);
    if (mark == Mark::Grayed)
        PaintGrayedSquare(c, state);
    return c;
}

Canvas PaintRadio(State state, bool checked)
{
    // Painted over the dialog face so the anti-aliased rim blends toward
    // what the radio normally sits on; the rest is keyed afterwards.
    Canvas c(kCell, kCell, luna::kFace);
    const Rect all{0, 0, kCell, kCell};
    const int centre = S(kBox) + S(13) / 2;
    const Shape outer = Disc(centre, centre, S(13) / 2);
    const Shape inner = Disc(centre, centre, S(13) / 2 - S(1));
    PaintShape(c, outer, all, state == State::Disabled ? luna::kDisabledRim : luna::kCheckRim);
    PaintShape(c, inner, all, [state](int x, int y) { return FaceAt(state, x, y); });
    if (state == State::Hot)
        PaintShape(c, Minus(inner, Disc(centre, centre, S(13) / 2 - S(3))), all, HotRim);
    if (checked) {
        const Rgb dark = state == State::Disabled ? luna::kDisabledGlyph : luna::kTick;
        const Rgb light = state == State::Disabled ? Rgb(222, 220, 210) : Rgb(118, 208, 118);
        const Shape dot = Disc(centre, centre, S(2) + S(1) / 2 + 2);
        PaintShape(c, dot, all, [&](int x, int y) { return Mix(light, dark, (x - 5) + (y - 5), 7); });
    }
    KeyOutside(c, outer, all, 24);
    return c;
}

}  // namespace

void PaintCheckBoxesAndRadios(Canvas& atlas)
{
    const State states[] = {State::Normal, State::Hot, State::Pressed, State::Disabled};
    for (int s = 0; s < 4; ++s) {
        const int y = 102 + 16 * s;
        atlas.Paste(PaintCheckBox(states[s], Mark::None), 171, y);
        atlas.Paste(PaintCheckBox(states[s], Mark::Checked), 171, y + 64);
        atlas.Paste(PaintCheckBox(states[s], Mark::Grayed), 171, y + 128);
        atlas.Paste(PaintRadio(states[s], false), 152, y);
        atlas.Paste(PaintRadio(states[s], true), 152, y + 64);
    }
}
