#pragma once
// The system menu's item images KSE_CLOSE ... KSE_TRAY: black glyphs on the
// key colour, 16 x 16 (KSE_MINIMIZE 17 x 17), written as 16-colour bitmaps.
#include "tools/artgen/Canvas.h"

enum class KseGlyph { Close, Minimize, Maximize, Restore, Rollup, Tray };

Canvas PaintKseGlyph(KseGlyph glyph);
