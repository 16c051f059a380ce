#pragma once
// Push-button faces, 73 x 21 at (70, y) for y = 100 normal, 130 hot, 160
// pressed, 190 disabled, 220 focused/default. They are nine-sliced with a
// 4-pixel margin: the rounded corners stay inside the 4 x 4 corner squares
// and every edge strip is uniform along its length, so stretching keeps
// the look at any button size.
#include "tools/artgen/Canvas.h"

void PaintPushButtons(Canvas& atlas);
