#pragma once
// While a modal box or a modal form is open, the user can reach nothing
// else of the program: the thread's visible, enabled top-level windows are
// disabled for the lifetime of this object and enabled again afterwards.

#include <windows.h>

#include <vector>

class TDisabledTaskWindows {
public:
    // except: a window that stays enabled (may be null).
    // Never throws: short of memory, it disables what it could list.
    explicit TDisabledTaskWindows(HWND except) noexcept;
    ~TDisabledTaskWindows();
    TDisabledTaskWindows(const TDisabledTaskWindows&) = delete;
    TDisabledTaskWindows& operator=(const TDisabledTaskWindows&) = delete;

private:
    static BOOL CALLBACK Collect(HWND window, LPARAM self) noexcept;

    HWND FExcept;
    std::vector<HWND> FWindows;
};
