#include "tools/artgen/Gauges.h"

namespace {

const Rgb kFrame(128, 128, 128);

// The twelve inside rows from the bottom up: four cells of three rows, the
// cells separated by the cross bars in rows 3, 7, 11 and 15.
const int kFillRows[12] = {14, 13, 12, 10, 9, 8, 6, 5, 4, 2, 1, 0};

}  // namespace

Canvas PaintGauge(int level)
{
    Canvas c(16, 16);
    for (int y = 0; y < 16; ++y) {
        c.Set(1, y, kFrame);
        c.Set(14, y, kFrame);
    }
    for (int bar : {3, 7, 11, 15})
        for (int x = 1; x <= 14; ++x)
            c.Set(x, bar, kFrame);
    const Rgb fill = level == 1 ? Rgb(255, 0, 0) : level <= 3 ? Rgb(255, 255, 0) : Rgb(0, 255, 0);
    for (int i = 0; i < level && i < 12; ++i)
        for (int x = 2; x <= 13; ++x)
            c.Set(x, kFillRows[i], fill);
    return c;
}

Canvas PaintGaugeStrip()
{
    Canvas strip(16 * 13, 16);
    for (int k = 0; k < 13; ++k)
        strip.Paste(PaintGauge(k), 16 * k, 0);
    return strip;
}
