#include "framework/TaskWindows.h"

TDisabledTaskWindows::TDisabledTaskWindows(HWND except) noexcept : FExcept(except)
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

BOOL CALLBACK TDisabledTaskWindows::Collect(HWND window, LPARAM self) noexcept
{
    // No exception may cross user32: without memory for the list, the
    // windows found so far are all that get disabled.
    auto* list = reinterpret_cast<TDisabledTaskWindows*>(self);
    try {
        if (window != list->FExcept && IsWindowVisible(window) && IsWindowEnabled(window))
            list->FWindows.push_back(window);
    } catch (...) {
        return FALSE;
    }
    return TRUE;
}
