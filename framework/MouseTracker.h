#pragma once
// Tells controls when the mouse moves onto them and off them
// (CM_MOUSEENTER, CM_MOUSELEAVE). Windows 95 has no TrackMouseEvent, so the
// control under the cursor is looked up on every mouse move the message
// loop sees, and polled by a timer while the mouse is over one of our
// controls: that is how leaving to another program's window is noticed.

#include "framework/UtilityWindow.h"

class TControl;

class TMouseTracker {
public:
    TMouseTracker();
    TMouseTracker(const TMouseTracker&) = delete;
    TMouseTracker& operator=(const TMouseTracker&) = delete;

    // Looks which control is under the cursor now and tells the one left
    // and the one entered.
    void Update();
    // A control that goes away is forgotten without being told.
    void Forget(TControl* control);
    TControl* MouseControl() const { return FMouseControl; }

    static const UINT PollInterval = 50;

private:
    void WindowMessage(TMessage& message);
    void SetPolling(bool polling);

    TUtilityWindow FWindow;
    TControl* FMouseControl = nullptr;
    bool FPolling = false;
};

// The control under a screen point: the deepest one of this program,
// windowed or not, visible and enabled; null over anything else.
TControl* FindControlAtPoint(POINT point);
