#pragma once
// Small round glyph buttons (17 x 17 at x 134, 151, 168 for normal, hot and
// pressed; y 32 chevrons up, 49 chevrons down, 66 cross), and the menu-bar
// caption glyphs (19 x 19 at x 0 minimize, 19 restore, 38 close; y 310
// normal, 329 selected, 348 pressed). Both in the active atlas.
#include "tools/artgen/Canvas.h"

void PaintSmallButtons(Canvas& activeAtlas);
void PaintMenuBarGlyphs(Canvas& activeAtlas);
