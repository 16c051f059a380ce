#include "framework/Timer.h"

#include "framework/Application.h"
#include "framework/ClassBuilder.h"
#include "framework/Finalization.h"
#include "framework/UtilityWindow.h"

#include <map>
#include <memory>

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

}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer()
{
    StopTimer();
}

void TTimer::SetEnabled(bool enabled)
{
    if (enabled == FEnabled)
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

void TTimer::UpdateTimer()
{
    StopTimer();
    if (!FEnabled || FInterval == 0 || !FOnTimer || IsLoading() || IsDesigning() || IsDestroying())
        return;
    TTimerWindow& window = TimerWindow();
    UINT_PTR id = window.Register(this);
    if (!SetTimer(window.Handle(), id, FInterval, nullptr)) {
        window.Unregister(id);
        throw EOutOfResources("Not enough timers available");
    }
    FId = id;
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
