#pragma once
// Track bar thumbs in the inactive atlas, copied with per-pixel alpha. Kind 0
// is a rounded block, kind 1 points down (right when lying), kind 2 points
// up (left). Rows by state: normal, hot, pressed, focused, disabled.
//   upright: kind 0 at (80,100) 11 x 23, pitch 43; kind 1 at (129,96) and
//            kind 2 at (129,67), 11 x 22, pitch 55
//   lying:   kind 0 at (75,128) 22 x 11, pitch 43; kind 1 at (153,96) and
//            kind 2 at (152,78), 22 x 11, pitch 55
#include "tools/artgen/Canvas.h"

void PaintTrackThumbs(Canvas& inactiveAtlas);
