#pragma once
// Rounded caption buttons: red close, blue others, in normal, hot and
// pressed states, for the active and the inactive atlas.
#include "tools/artgen/Glyphs.h"

enum class ButtonState { Normal, Hot, Pressed };

// One button size pixels square on the given background (the caption or menu
// bar it is copied onto, since it is copied opaque).
Canvas PaintCaptionButton(int size, CaptionGlyph glyph, ButtonState state, bool active, const Paint& background);

// All caption buttons at their atlas places: columns 0, 21 and 42 for
// normal, hot and pressed, one row per button from y 70, and the tool-window
// close button at x 66, 80 and 94.
void PaintCaptionButtons(Canvas& atlas, bool active);
