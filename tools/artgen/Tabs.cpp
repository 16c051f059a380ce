#include "tools/artgen/Tabs.h"

#include "tools/artgen/Luna.h"
#include "tools/artgen/Shapes.h"

namespace {

constexpr Rgb kBorder(145, 155, 156);
constexpr int kH = 21;

enum class Tab { Normal, Hot, Selected };

// A header with rounded top corners, open at the bottom where it meets the
// page. Hot and selected headers carry XP's orange top line.
Canvas PaintHeader(int w, Tab tab)
{
    Canvas c(w, kH, luna::kFace);
    const Rect all{0, 0, w, kH};
    const Shape outer = RoundRect(0, 0, S(w), S(kH), S(3), S(3), 0, 0);
    const Shape inner = RoundRect(S(1), S(1), S(w - 1), S(kH), S(2), S(2), 0, 0);
    PaintShape(c, outer, all, kBorder);
    const Rgb top = luna::kWhite;
    const Rgb bottom = tab == Tab::Selected ? Rgb(252, 252, 254) : Rgb(236, 235, 229);
    PaintShape(c, inner, all, [&](int, int y) { return Mix(top, bottom, y, kH - 1); });
    if (tab != Tab::Normal) {
        PaintShape(c, Intersect(outer, RoundRect(0, 0, S(w), S(1), 0)), all, Rgb(230, 139, 44));
        PaintShape(c, Intersect(inner, RoundRect(0, S(1), S(w), S(3), 0)), all,
                   [](int, int y) { return y == 1 ? Rgb(255, 199, 60) : Rgb(255, 216, 120); });
    }
    KeyOutside(c, outer, all, 24);
    return c;
}

// The page: a thin grey-blue border around a face that fades from white to
// the XP page tint at the bottom; uniform along each edge for stretching.
Canvas PaintPage()
{
    constexpr int w = 15, h = 18;
    Canvas c(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool edge = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            Rgb face = y < 4 ? Rgb(252, 252, 254) : y >= h - 4 ? Rgb(244, 243, 238) : Rgb(250, 250, 249);
            if (x == w - 2 || y == h - 2)
                face = Mix(face, Rgb(214, 212, 202), 1, 3);
            c.Set(x, y, edge ? kBorder : face);
        }
    return c;
}

}  // namespace

void PaintTabs(Canvas& inactiveAtlas)
{
    const int offsets[] = {0, 21, 42, 63};  // positions 0, 1, 3, 2
    for (int dx : offsets) {
        inactiveAtlas.Paste(PaintHeader(21, Tab::Hot), 68 + dx, 344);
        inactiveAtlas.Paste(PaintHeader(21, Tab::Normal), 68 + dx, 365);
        inactiveAtlas.Paste(PaintHeader(18, Tab::Selected), 69 + dx, 386);
    }
    inactiveAtlas.Paste(PaintPage(), 153, 344);
}
