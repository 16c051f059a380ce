#include "framework/TaskWindows.h"

TDisabledTaskWindows::TDisabledTaskWindows(HWND except) : FExcept(except)
{
    EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(this));
    for (HWND window : FWindows)
        EnableWindow(window, FALSE);
}

TDisabledTaskWindows::~TDisabledTaskWindows()
{
    for (HWND window : FWindows)
        if (IsWindow(window))
            EnableWindow(window, TRUE);
}

BOOL CALLBACK TDisabledTaskWindows::Collect(HWND window, LPARAM self)
{
    auto* list = reinterpret_cast<TDisabledTaskWindows*>(self);
    if (window != list->FExcept && IsWindowVisible(window) && IsWindowEnabled(window))
        list->FWindows.push_back(window);
    return TRUE;
}
