#pragma once
// A timer component: OnTimer every Interval milliseconds while Enabled.
// All timers share one hidden window, so they fire in any message loop of
// the thread, nested modal ones included (message boxes, popup menus,
// modal forms). No system timer runs while the timer is disabled, has no
// handler, has Interval 0, or is being loaded or designed; changing
// Interval, Enabled or the handler starts the count again.

#include "framework/Component.h"

#include <windows.h>

class TTimer : public TComponent {
    DECLARE_CLASS(TTimer, TComponent)
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

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

    bool FEnabled = true;
    unsigned FInterval = 1000;
    TNotifyEvent FOnTimer;
    UINT_PTR FId = 0;
};
