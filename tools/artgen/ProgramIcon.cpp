#include "tools/artgen/ProgramIcon.h"

#include "tools/artgen/PixelArt.h"
#include "tools/artgen/Shapes.h"

namespace {

struct Layout {
    int outerRadius;
    Rect well;    // the sunken display, border included
    int barX[3];  // left column of each meter
    int barWidth;
    int bottomRow;  // lowest row of the lowest segment
    int segmentRows;
    int segments;
    int levels[3];
};

const Layout kLarge = {4, {5, 5, 27, 27}, {8, 14, 20}, 4, 23, 2, 6, {5, 6, 3}};
const Layout kSmall = {2, {2, 2, 14, 14}, {4, 7, 10}, 2, 12, 1, 5, {4, 5, 2}};

bool In(const Shape& shape, int x, int y)
{
    return Coverage(shape, x, y) >= 32;
}

// Lit segments: green low, yellow higher, red at the top; each with a darker
// right-hand column so the meters look round. Unlit segments are dark slots.
void Segment(Canvas& c, const Layout& l, int bar, int index, bool lit)
{
    const int top = l.bottomRow - index * (l.segmentRows + 1) - (l.segmentRows - 1);
    const int topIndex = l.segments - 1;
    const char core = index == topIndex ? 'R' : index >= topIndex - (l.segments > 5 ? 2 : 1) ? 'Y' : 'L';
    const char shade = core == 'R' ? 'M' : core == 'Y' ? 'O' : 'G';
    for (int y = top; y < top + l.segmentRows; ++y)
        for (int x = l.barX[bar]; x < l.barX[bar] + l.barWidth; ++x) {
            const bool right = x == l.barX[bar] + l.barWidth - 1;
            c.Set(x, y, VgaColour(!lit ? 'K' : right ? shade : core));
        }
}

}  // namespace

Canvas PaintProgramIcon(int size)
{
    const Layout& l = size >= 32 ? kLarge : kSmall;
    const int edge = size >= 32 ? 1 : 0;
    Canvas c(size, size);
    const Shape outer = RoundRect(S(edge), S(edge), S(size - edge), S(size - edge), S(l.outerRadius));
    const Shape bezel =
        RoundRect(S(edge + 1), S(edge + 1), S(size - edge - 1), S(size - edge - 1), S(l.outerRadius - 1));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            if (!In(outer, x, y))
                continue;
            char p = 'K';
            if (In(bezel, x, y)) {
                // Silver, lit from the top left.
                p = 's';
                if (!In(bezel, x - 1, y) || !In(bezel, x, y - 1))
                    p = 'W';
                if (!In(bezel, x + 1, y) || !In(bezel, x, y + 1))
                    p = 'g';
            }
            c.Set(x, y, VgaColour(p));
        }
    // The display: sunken (grey top and left, white bottom and right) and
    // navy inside.
    const Rect& w = l.well;
    for (int y = w.top; y < w.bottom; ++y)
        for (int x = w.left; x < w.right; ++x) {
            char p = 'N';
            if (x == w.left || y == w.top)
                p = 'g';
            else if (x == w.right - 1 || y == w.bottom - 1)
                p = 'W';
            c.Set(x, y, VgaColour(p));
        }
    for (int bar = 0; bar < 3; ++bar)
        for (int i = 0; i < l.segments; ++i)
            Segment(c, l, bar, i, i < l.levels[bar]);
    return c;
}
