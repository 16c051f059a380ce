#pragma once
// Caption and border pieces of both frame styles (standard and tool window),
// painted at their fixed places in an atlas.
#include "tools/artgen/Canvas.h"

void PaintCaptionAndFrame(Canvas& atlas, bool active);

// The standard caption's rounded corners: pixels the window region removes at
// the top left (mirrored at the top right).
bool InCutCorner(int x, int y);
