#pragma once
// A hidden window whose messages go to a bound method: the receiver of
// timers, tray notifications and popup-menu commands for objects that have
// no window of their own. Windows 9x has no message-only windows, so this
// is an invisible top-level tool window.

#include "framework/Events.h"
#include "framework/Message.h"

#include <windows.h>

using TWndMethod = TEvent<TMessage&>;

class TUtilityWindow {
public:
    explicit TUtilityWindow(TWndMethod method);
    ~TUtilityWindow();
    TUtilityWindow(const TUtilityWindow&) = delete;
    TUtilityWindow& operator=(const TUtilityWindow&) = delete;

    HWND Handle() const { return FHandle; }

    // The default answer to a message the method does not handle.
    void DefaultHandler(TMessage& message) const;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    TWndMethod FMethod;
    HWND FHandle = nullptr;
};
