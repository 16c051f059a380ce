#pragma once
// A timer component: OnTimer every Interval milliseconds while Enabled.
// All timers share one hidden window, so they fire in any message loop of
// the thread, nested modal ones included (message boxes, popup menus,
// modal forms). No system timer runs while the timer is disabled, has no
// handler, has Interval 0, or is being loaded or designed; changing
// Interval, Enabled or the handler starts the count again.
//
// The system may have no timer to give (Windows 9x has few, and none when
// its resources run out). Then Enabled turns false, the failure goes to
// the application's error report once, and the timer tries again each
// time the application's message loop becomes idle, until it runs or is
// switched off.

#include "framework/Component.h"

#include <windows.h>

// Test seam: how a system timer is started. SetTimer in the program.
using TSetTimerFunction = UINT_PTR(WINAPI*)(HWND window, UINT_PTR id, UINT ms, TIMERPROC proc);
extern TSetTimerFunction SetTimerFunction;

// Starts the timers whose start failed; the application calls it when idle.
void RetryWaitingTimers();
// Whether a timer waits for a retry. An idle loop must then wake up on its
// own after TimerRetryInterval: a meter whose only timer failed gets no
// other message that would wake it.
bool TimersWaiting();
constexpr DWORD TimerRetryInterval = 1000;

class TTimer : public TComponent {
    DECLARE_CLASS(TTimer, TComponent)
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    // Whether the timer is on: false after a start the system refused.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned interval);
    const TNotifyEvent& OnTimer() const { return FOnTimer; }
    void SetOnTimer(TNotifyEvent handler);

    // Whether a system timer is running for this component.
    bool Running() const { return FId != 0; }

    void Loaded() override;

protected:
    // Raises OnTimer; an exception goes to the application's error report.
    virtual void Timer();

private:
    friend struct TTimerAccess;
    void UpdateTimer();
    void StopTimer();
    // Starts the system timer; false when the system has none to give.
    bool StartTimer();
    // Removes the timer from those waiting for a retry.
    void StopWaiting();

    bool FEnabled = true;
    unsigned FInterval = 1000;
    TNotifyEvent FOnTimer;
    UINT_PTR FId = 0;
    bool FWaiting = false;
    TTimer* FNextWaiting = nullptr;
    // Reported once until the timer runs again.
    bool FFailureReported = false;
};
