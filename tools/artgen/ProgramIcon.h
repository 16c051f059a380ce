#pragma once
// The program icon: three segmented level meters (one per resource pool) in
// a dark display set into a silver bezel. 32 x 32 and 16 x 16, 16 colours.
#include "tools/artgen/Canvas.h"

Canvas PaintProgramIcon(int size);
