#include "tests/support/GdiCount.h"

#include <windows.h>

namespace {
const UINT_PTR LastHandleValue = 0xFFFF;
}

int CountGdiObjects()
{
    int count = 0;
    for (UINT_PTR value = 1; value <= LastHandleValue; ++value)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(value)) != 0)
            ++count;
    return count;
}

int CountOwnWindows()
{
    // The desktop's and the taskbar's windows belong to other processes.
    DWORD process = GetCurrentProcessId();
    int count = 0;
    for (UINT_PTR value = 1; value <= LastHandleValue; ++value) {
        HWND window = reinterpret_cast<HWND>(value);
        DWORD owner = 0;
        if (IsWindow(window) && GetWindowThreadProcessId(window, &owner) && owner == process)
            ++count;
    }
    return count;
}

int CountMenus()
{
    int count = 0;
    for (UINT_PTR value = 1; value <= LastHandleValue; ++value)
        if (IsMenu(reinterpret_cast<HMENU>(value)))
            ++count;
    return count;
}
