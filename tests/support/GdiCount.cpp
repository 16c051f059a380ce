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
