#pragma once
// Push-button kind glyphs KSBTN_OK ... KSBTN_ALL: 32 x 16, the normal image
// on the left and the disabled one (embossed greys) on the right, on the key
// colour, which is also the strip's bottom-left pixel.
#include "tools/artgen/Canvas.h"

enum class ButtonKind { Ok, Cancel, Help, Yes, No, Close, Abort, Retry, Ignore, All };

Canvas PaintKindGlyphStrip(ButtonKind kind);
