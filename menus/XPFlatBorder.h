#pragma once
// The flat frame of an XP-style popup menu: drawn over the menu window's
// own three-dimensional edge on the screen, with a two-pixel shadow at
// the right and bottom.

#include "menus/XPColors.h"

#include <windows.h>

void DrawXPFlatBorder(HWND menuWindow, const TXPMenuColors& colors, int iconWidth, bool gradient);
