#pragma once
// Check boxes (x 171) and radio buttons (x 152): 13-pixel glyphs in 16 x 16
// cells, rows from y 102 for normal, hot, pressed and disabled, then the
// same four checked (+64) and, for check boxes, grayed (+128). The cells are
// copied with per-pixel alpha, so everything around the glyph is keyed.
#include "tools/artgen/Canvas.h"

void PaintCheckBoxesAndRadios(Canvas& atlas);
