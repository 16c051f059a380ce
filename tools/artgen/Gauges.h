#pragma once
// The tray gauges: thirteen 16 x 16 vertical gauges, image k filled k rows
// from the bottom (red for 1, yellow for 2 and 3, green from 4), on the key
// colour (magenta) that the image list masks out.
#include "tools/artgen/Canvas.h"

Canvas PaintGauge(int level);
// All thirteen side by side, image k at x = 16 k.
Canvas PaintGaugeStrip();
