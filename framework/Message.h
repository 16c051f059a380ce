#pragma once
// One window message as handlers and hooks see it: number, parameters and
// the result that goes back to the sender. Passed by reference.

#include <windows.h>

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// Framework notifications between controls, numbered above the range the
// program's own private messages use.
enum : UINT {
    CM_BASE = 0xB000,
    CM_MOUSEENTER = CM_BASE + 1,    // the mouse moved onto a control
    CM_MOUSELEAVE = CM_BASE + 2,    // the mouse left it
    CM_DIALOGKEY = CM_BASE + 3,     // Enter, Esc, Tab... before the form handles them
    CM_DIALOGCHAR = CM_BASE + 4,    // Alt+letter (access key) offered to the controls
    CM_FOCUSCHANGED = CM_BASE + 5,  // LParam: the control that now has the focus
    CM_ENABLEDCHANGED = CM_BASE + 6,
    CM_TEXTCHANGED = CM_BASE + 7,
    CM_FONTCHANGED = CM_BASE + 8,
    CM_COLORCHANGED = CM_BASE + 9,
    CM_VISIBLECHANGED = CM_BASE + 10,
    CM_RELEASE = CM_BASE + 11,  // posted to a form that frees itself
};
