#include "framework/MouseTracker.h"

#include "framework/WinControl.h"

namespace {
const UINT_PTR PollTimer = 1;
}

TControl* FindControlAtPoint(POINT point)
{
    TWinControl* windowed = FindControlOfWindow(WindowFromPoint(point));
    if (!windowed || windowed->IsDestroying())
        return nullptr;
    if (TControl* inner = windowed->ControlAtPos(windowed->ScreenToClient(point)))
        return inner;
    return windowed;
}

TMouseTracker::TMouseTracker() : FWindow(TWndMethod::Bind<&TMouseTracker::WindowMessage>(this)) {}

void TMouseTracker::Update()
{
    POINT cursor;
    if (!GetCursorPos(&cursor))
        return;
    TControl* now = FindControlAtPoint(cursor);
    if (now != FMouseControl) {
        TControl* left = FMouseControl;
        FMouseControl = now;
        if (left)
            left->Perform(CM_MOUSELEAVE);
        // The leave handler may have moved things on.
        if (now && FMouseControl == now)
            now->Perform(CM_MOUSEENTER);
    }
    SetPolling(FMouseControl != nullptr);
}

void TMouseTracker::Forget(TControl* control)
{
    if (control != FMouseControl)
        return;
    FMouseControl = nullptr;
    SetPolling(false);
}

void TMouseTracker::SetPolling(bool polling)
{
    if (polling == FPolling)
        return;
    FPolling = polling;
    if (polling)
        SetTimer(FWindow.Handle(), PollTimer, PollInterval, nullptr);
    else
        KillTimer(FWindow.Handle(), PollTimer);
}

void TMouseTracker::WindowMessage(TMessage& message)
{
    if (message.Msg == WM_TIMER && message.WParam == PollTimer) {
        Update();
        return;
    }
    FWindow.DefaultHandler(message);
}
