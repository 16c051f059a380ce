#include "tools/artgen/Luna.h"

namespace luna {

namespace {

// Positions in thousandths of the caption height: a bright top edge, a deep
// body that brightens a little toward the lower third, a dark bottom row.
const std::vector<Stop> kActiveCaption = {
    {0, Rgb(61, 149, 255)}, {72, Rgb(3, 114, 255)}, {143, Rgb(0, 83, 225)},
    {250, Rgb(0, 88, 238)}, {571, Rgb(0, 88, 238)}, {750, Rgb(2, 106, 254)},
    {893, Rgb(0, 96, 252)}, {964, Rgb(0, 80, 228)}, {1000, Rgb(0, 67, 207)},
};

const std::vector<Stop> kInactiveCaption = {
    {0, Rgb(166, 190, 240)},   {72, Rgb(142, 171, 232)},  {143, Rgb(122, 150, 223)},
    {250, Rgb(118, 146, 218)}, {571, Rgb(118, 146, 218)}, {750, Rgb(131, 160, 228)},
    {893, Rgb(126, 155, 226)}, {964, Rgb(116, 143, 212)}, {1000, Rgb(106, 132, 198)},
};

}  // namespace

Rgb CaptionRow(bool active, int y, int h)
{
    return RampAt(active ? kActiveCaption : kInactiveCaption, y, h);
}

Rgb BorderColour(bool active, int d)
{
    static const Rgb kActive[3] = {Rgb(0, 52, 190), Rgb(0, 84, 227), Rgb(0, 92, 242)};
    static const Rgb kInactive[3] = {Rgb(106, 132, 198), Rgb(122, 150, 223), Rgb(142, 171, 230)};
    if (d < 0)
        d = 0;
    if (d > 2)
        d = 2;
    return active ? kActive[d] : kInactive[d];
}

Rgb CaptionOutline(bool active)
{
    return active ? Rgb(0, 40, 160) : Rgb(96, 118, 180);
}

}  // namespace luna
