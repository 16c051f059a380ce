#pragma once
// The colours of the blue XP scheme that more than one piece family uses.
#include "tools/artgen/Canvas.h"

namespace luna {

constexpr Rgb kWhite(255, 255, 255);
// Dialog face: what controls with rounded corners usually sit on.
constexpr Rgb kFace(236, 233, 216);
constexpr Rgb kSelection(49, 106, 197);
// Push button and check box rims.
constexpr Rgb kButtonRim(0, 60, 116);
constexpr Rgb kCheckRim(28, 81, 128);
constexpr Rgb kHotLight(255, 240, 207);
constexpr Rgb kHot(248, 179, 48);
constexpr Rgb kFocusLight(206, 231, 255);
constexpr Rgb kFocus(152, 184, 234);
constexpr Rgb kTick(33, 161, 33);
constexpr Rgb kDisabledRim(202, 200, 187);
constexpr Rgb kDisabledGlyph(202, 200, 187);
// Scroll bar track, which the scroll arrows and thumbs sit on.
constexpr Rgb kTrack(243, 241, 236);

// Caption colour of row y of a caption h rows high.
Rgb CaptionRow(bool active, int y, int h);
// Window border colour at depth d from the outside (0 outermost).
Rgb BorderColour(bool active, int d);
// The dark line that closes the caption's rounded corners.
Rgb CaptionOutline(bool active);

}  // namespace luna
