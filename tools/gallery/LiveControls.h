#pragma once
// The gallery's row of live controls: real progress bars, buttons and
// check boxes on a form, put in their states and drawn by themselves,
// themed by Luna at a hue and, below, in their classic look.

#include "theme/KsBitmap.h"

constexpr int LiveControlsHeight = 280;

// Draws the row with its top-left at (left, top) of the page, across one
// gallery column.
void DrawLiveControls(TKsBitmap& page, int left, int top, int deltaHue);
