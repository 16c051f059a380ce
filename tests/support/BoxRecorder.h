#pragma once
// Records the application's message boxes instead of showing them. A box
// can fail as MessageBoxA does when it can't make its window (0, nothing
// shown), and can run work while it is "open", as the timers that fire in
// a real box's message loop do.

#include "tests/support/FailurePlan.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class TBoxRecorder {
public:
    TBoxRecorder();
    ~TBoxRecorder();
    TBoxRecorder(const TBoxRecorder&) = delete;
    TBoxRecorder& operator=(const TBoxRecorder&) = delete;

    struct TBox {
        HWND Owner;
        std::string Text;
        std::string Caption;
        UINT Flags;
        bool IsError() const { return (Flags & MB_ICONMASK) == MB_ICONHAND; }
    };
    // The boxes shown, in order; failed ones are not among them.
    static std::vector<TBox>& Boxes();
    static TFailurePlan& Failures();
    // Runs while an outermost box is open.
    static std::function<void()>& WhileOpen();
    // The most error boxes and boxes of any kind that were open at once.
    static int MostErrorBoxesOpen();
    static int MostBoxesOpen();
    // How many of the boxes shown were error boxes.
    static int ErrorBoxes();

private:
    static int WINAPI Record(HWND owner, LPCSTR text, LPCSTR caption, UINT flags);
    int(WINAPI* FSaved)(HWND, LPCSTR, LPCSTR, UINT);
};
