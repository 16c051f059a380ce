#pragma once
// Records the boxes the application would show instead of showing them,
// answering each with a fixed button. With a watched window it also notes
// whether that window was enabled while the box was up. A box can fail as
// MessageBoxA does when it can't make its window (0, nothing shown), and
// can run work while it is "open", as the timers that fire in a real box's
// message loop do.

#include "tests/support/FailurePlan.h"

#include "framework/Application.h"
#include "framework/ScopeGuard.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class TBoxRecorder {
public:
    struct TBox {
        HWND Owner = nullptr;
        std::string Text;
        std::string Caption;
        UINT Flags = 0;
        bool WatchedEnabled = false;
        bool IsError() const { return (Flags & MB_ICONMASK) == MB_ICONHAND; }
    };

    explicit TBoxRecorder(int answer = IDOK, HWND watched = nullptr);
    ~TBoxRecorder();
    TBoxRecorder(const TBoxRecorder&) = delete;
    TBoxRecorder& operator=(const TBoxRecorder&) = delete;

    // Every box shown since the recorder was made, in order; failed ones
    // are not among them.
    static std::vector<TBox>& Boxes();
    const TBox& Last() const { return Boxes().back(); }

    static TFailurePlan& Failures();
    // Runs while an outermost box is open.
    static std::function<void()>& WhileOpen();
    // The most error boxes, and boxes of any kind, that were open at once.
    static int MostErrorBoxesOpen();
    static int MostBoxesOpen();
    // How many of the boxes shown were error boxes.
    static int ErrorBoxes();

private:
    static int WINAPI Record(HWND owner, LPCSTR text, LPCSTR caption, UINT flags);

    TScopedOverride<TApplication::TMessageBoxFunction> FSeam;
};
