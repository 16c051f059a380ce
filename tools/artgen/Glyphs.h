#pragma once
// The white glyphs of the caption buttons, designed on a 21-pixel button and
// scaled for the 19-pixel menu-bar and 14-pixel tool-window buttons.
#include "tools/artgen/Shapes.h"

enum class CaptionGlyph { Close, Help, Minimize, Maximize, Restore, RollUp, RollDown, Tray };

// The glyph in the coordinates of a box pixels square, origin at its corner.
Shape CaptionGlyphShape(CaptionGlyph glyph, int box);
