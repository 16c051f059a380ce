#include "theme/KsUtils.h"

RECT CenterRect(const RECT& inner, const RECT& outer)
{
    const int width = RectWidth(inner);
    const int height = RectHeight(inner);
    const int left = outer.left + (RectWidth(outer) - width) / 2;
    const int top = outer.top + (RectHeight(outer) - height) / 2;
    return RECT{left, top, left + width, top + height};
}

RECT CenterRectVert(const RECT& inner, const RECT& outer)
{
    const int width = RectWidth(inner);
    const int height = RectHeight(inner);
    const int top = outer.top + (RectHeight(outer) - height) / 2;
    return RECT{outer.left, top, outer.left + width, top + height};
}
