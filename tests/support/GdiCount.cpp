#include "tests/support/GdiCount.h"

#include <windows.h>

int CountGdiObjects()
{
    int count = 0;
    for (UINT_PTR value = 1; value <= 0xFFFF; ++value)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(value)) != 0)
            ++count;
    return count;
}

int CountUserObjects()
{
    int count = 0;
    for (UINT_PTR value = 1; value <= 0xFFFF; ++value) {
        if (IsWindow(reinterpret_cast<HWND>(value)) || IsMenu(reinterpret_cast<HMENU>(value)))
            ++count;
    }
    return count;
}
