#pragma once
// Scroll bar pieces. Arrows (active atlas, 17 x 17, per-pixel alpha):
// columns x 70 up, 88 down, 106 left, 124 right; rows y 277 normal, 296 hot,
// 315 pressed, 334 disabled. Thumbs (inactive atlas, 17 x 17, opaque):
// vertical at x 2, horizontal at x 20, same four states at y 314, 333, 352,
// 371; 3-pixel caps and a middle that is uniform along the thumb so it can
// be stretched. Tracks (inactive atlas, stretched): vertical (38,314)-
// (55,323), horizontal (38,324)-(46,341).
#include "tools/artgen/Canvas.h"

void PaintScrollArrows(Canvas& activeAtlas);
void PaintScrollThumbsAndTracks(Canvas& inactiveAtlas);
