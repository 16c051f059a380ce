#pragma once
// Tab headers and the tab page, in the inactive atlas. Headers are nine-
// sliced with a 4-pixel margin and keyed top corners: 21 x 21 cells at x 68
// (position 0), 89 (1), 110 (3), 131 (2); y 365 normal, 344 hot; the
// selected header, 18 x 21, at x 69 + the same offsets, y 386. The page is
// nine-sliced opaque from (153,344)-(168,362).
#include "tools/artgen/Canvas.h"

void PaintTabs(Canvas& inactiveAtlas);
