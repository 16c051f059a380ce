#pragma once
// Rectangle helpers of the skinning layer. Rectangles are half-open: Right
// and Bottom are exclusive.

#include <windows.h>

inline int RectWidth(const RECT& rect)
{
    return rect.right - rect.left;
}

inline int RectHeight(const RECT& rect)
{
    return rect.bottom - rect.top;
}

// inner moved so that it is centred in outer; odd leftovers go to the
// right and bottom (offsets are truncated toward zero).
RECT CenterRect(const RECT& inner, const RECT& outer);
// inner centred vertically in outer, starting at outer's left.
RECT CenterRectVert(const RECT& inner, const RECT& outer);
