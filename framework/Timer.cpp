#include "framework/Timer.h"

#include "framework/Application.h"
#include "framework/ClassBuilder.h"
#include "framework/Exceptions.h"
#include "framework/Finalization.h"
#include "framework/UtilityWindow.h"

#include <map>
#include <memory>

TSetTimerFunction SetTimerFunction = SetTimer;

IMPLEMENT_CLASS(TTimer)
{
    Creatable();
    Property("Enabled", &TTimer::Enabled, &TTimer::SetEnabled, true);
    Property("Interval", &TTimer::Interval, &TTimer::SetInterval, 1000u);
    Event("OnTimer", &TTimer::FOnTimer);
}

// Lets the shared window reach the protected Timer of a component.
struct TTimerAccess {
    static void Fire(TTimer* timer) { timer->Timer(); }
    static TTimer* NextWaiting(TTimer* timer) { return timer->FNextWaiting; }
    static void Retry(TTimer* timer)
    {
        timer->FWaiting = false;
        timer->FNextWaiting = nullptr;
        timer->FEnabled = true;
        timer->UpdateTimer();
    }
};

namespace {

// The one hidden window that receives WM_TIMER for every timer component,
// with the identifiers in use.
class TTimerWindow {
public:
    TTimerWindow() : FWindow(TWndMethod::Bind<&TTimerWindow::WndProc>(this)) {}

    HWND Handle() const { return FWindow.Handle(); }

    UINT_PTR Register(TTimer* timer)
    {
        do {
            FNextId = FNextId >= 0x7FFF ? 1 : FNextId + 1;
        } while (FTimers.count(FNextId));
        FTimers[FNextId] = timer;
        return FNextId;
    }
    void Unregister(UINT_PTR id) { FTimers.erase(id); }

private:
    void WndProc(TMessage& message)
    {
        if (message.Msg == WM_TIMER) {
            auto found = FTimers.find(message.WParam);
            if (found != FTimers.end())
                TTimerAccess::Fire(found->second);
            return;
        }
        FWindow.DefaultHandler(message);
    }

    TUtilityWindow FWindow;
    std::map<UINT_PTR, TTimer*> FTimers;
    UINT_PTR FNextId = 0;
};

std::unique_ptr<TTimerWindow>& TimerWindowSlot()
{
    static std::unique_ptr<TTimerWindow> window;
    return window;
}

TTimerWindow& TimerWindow()
{
    auto& slot = TimerWindowSlot();
    if (!slot) {
        slot = std::make_unique<TTimerWindow>();
        RegisterFinalizer([] { TimerWindowSlot().reset(); });
    }
    return *slot;
}

// The timers whose start failed, linked through the timers themselves so
// that keeping the list needs no memory when there is little.
TTimer* FirstWaiting = nullptr;

}

void RetryWaitingTimers()
{
    TTimer* waiting = FirstWaiting;
    FirstWaiting = nullptr;
    while (waiting) {
        TTimer* timer = waiting;
        waiting = TTimerAccess::NextWaiting(timer);
        TTimerAccess::Retry(timer);
    }
}

bool TimersWaiting()
{
    return FirstWaiting != nullptr;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer()
{
    StopTimer();
    StopWaiting();
}

void TTimer::SetEnabled(bool enabled)
{
    // A timer waiting for a retry is off, but switching it off still ends
    // the waiting.
    if (enabled == FEnabled && !FWaiting)
        return;
    FEnabled = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned interval)
{
    if (interval == FInterval)
        return;
    FInterval = interval;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler)
{
    FOnTimer = handler;
    UpdateTimer();
}

void TTimer::Loaded()
{
    inherited::Loaded();
    UpdateTimer();
}

void TTimer::StopTimer()
{
    if (!FId)
        return;
    // After the shared window's clean-up its timers are gone with it.
    if (auto& window = TimerWindowSlot()) {
        KillTimer(window->Handle(), FId);
        window->Unregister(FId);
    }
    FId = 0;
}

void TTimer::StopWaiting()
{
    if (!FWaiting)
        return;
    for (TTimer** link = &FirstWaiting; *link; link = &(*link)->FNextWaiting)
        if (*link == this) {
            *link = FNextWaiting;
            break;
        }
    FNextWaiting = nullptr;
    FWaiting = false;
}

bool TTimer::StartTimer()
{
    try {
        TTimerWindow& window = TimerWindow();
        UINT_PTR id = window.Register(this);
        if (!SetTimerFunction(window.Handle(), id, FInterval, nullptr)) {
            window.Unregister(id);
            return false;
        }
        FId = id;
        return true;
    } catch (...) {
        // No memory for the list or no window: no timer either.
        return false;
    }
}

void TTimer::UpdateTimer()
{
    StopTimer();
    StopWaiting();
    if (!FEnabled || FInterval == 0 || !FOnTimer || IsLoading() || IsDesigning() || IsDestroying())
        return;
    if (StartTimer()) {
        FFailureReported = false;
        return;
    }
    // Off until a retry succeeds; the caller goes on (a meter whose
    // start-up stopped here would never sample at all).
    FEnabled = false;
    FWaiting = true;
    FNextWaiting = FirstWaiting;
    FirstWaiting = this;
    if (FFailureReported || !Application)
        return;
    FFailureReported = true;
    try {
        throw EOutOfResources("Not enough timers available");
    } catch (...) {
        Application->HandleException(this);
    }
}

void TTimer::Timer()
{
    try {
        FOnTimer(this);
    } catch (...) {
        if (Application)
            Application->HandleException(this);
    }
}
