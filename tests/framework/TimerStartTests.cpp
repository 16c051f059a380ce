#include "tests/support/BoxRecorder.h"
#include "tests/support/InjectedFailures.h"
#include "tests/support/MessagePump.h"

#include "framework/Application.h"
#include "framework/Timer.h"

#include <doctest/doctest.h>

namespace {
struct TTickCount {
    int Count = 0;
    void Tick(TObject*) { ++Count; }
};

// Wakes the test's thread with a message after a while, so that a loop
// that would sleep until a message comes ends there instead of hanging.
class TLateWakeUp {
public:
    explicit TLateWakeUp(DWORD milliseconds)
        : FThread(GetCurrentThreadId()), FMilliseconds(milliseconds),
          FCancel(CreateEventA(nullptr, TRUE, FALSE, nullptr))
    {
        DWORD id;
        FWorker = CreateThread(nullptr, 0, &TLateWakeUp::Run, this, 0, &id);
    }
    ~TLateWakeUp()
    {
        SetEvent(FCancel);
        WaitForSingleObject(FWorker, INFINITE);
        CloseHandle(FWorker);
        CloseHandle(FCancel);
        MSG message;
        while (PeekMessageA(&message, nullptr, WM_NULL, WM_NULL, PM_REMOVE)) {
        }
    }
    TLateWakeUp(const TLateWakeUp&) = delete;
    TLateWakeUp& operator=(const TLateWakeUp&) = delete;

private:
    static DWORD WINAPI Run(void* parameter)
    {
        auto* self = static_cast<TLateWakeUp*>(parameter);
        if (WaitForSingleObject(self->FCancel, self->FMilliseconds) == WAIT_TIMEOUT)
            PostThreadMessageA(self->FThread, WM_NULL, 0, 0);
        return 0;
    }
    DWORD FThread;
    DWORD FMilliseconds;
    HANDLE FCancel;
    HANDLE FWorker = nullptr;
};
}  // namespace

TEST_CASE("A timer the system refuses to start is off, reported once, and retried when idle")
{
    TBoxRecorder boxes;
    TFailingSetTimer failing;
    TTickCount ticks;
    TOwned<TTimer> timer = MakeOwned<TTimer>(nullptr);
    timer->SetEnabled(false);
    timer->SetInterval(20);
    timer->SetOnTimer(TNotifyEvent::Bind<&TTickCount::Tick>(&ticks));

    TFailingSetTimer::Plan().Always = true;
    CHECK_NOTHROW(timer->SetEnabled(true));
    CHECK_FALSE(timer->Enabled());
    CHECK_FALSE(timer->Running());
    REQUIRE(TBoxRecorder::Boxes().size() == 1);
    CHECK(boxes.Last().Text == "Not enough timers available");

    // Still no timers: the retries fail without another box.
    Application->ProcessMessages();
    Application->ProcessMessages();
    CHECK(TFailingSetTimer::Plan().Calls == 3);
    CHECK_FALSE(timer->Enabled());
    CHECK(TBoxRecorder::Boxes().size() == 1);

    SUBCASE("a loop with no message to handle wakes up to try again")
    {
        // Nothing else would come: the failed timer was the meter's clock.
        TLateWakeUp wakeUp(20 * TimerRetryInterval);
        MSG pending;
        while (PeekMessageA(&pending, nullptr, 0, 0, PM_REMOVE)) {
        }
        const int calls = TFailingSetTimer::Plan().Calls;
        const DWORD start = GetTickCount();
        Application->HandleMessage();
        Application->HandleMessage();
        CHECK(TFailingSetTimer::Plan().Calls >= calls + 2);
        CHECK(GetTickCount() - start < 10 * TimerRetryInterval);
    }
    SUBCASE("the first idle moment with a timer to give starts it")
    {
        TFailingSetTimer::Plan().Always = false;
        Application->ProcessMessages();
        CHECK(timer->Enabled());
        CHECK(timer->Running());
        CHECK(PumpUntil([&] { return ticks.Count >= 2; }, 5000));
        CHECK(TBoxRecorder::Boxes().size() == 1);
    }
    SUBCASE("enabling again tries at once; disabling ends the retries")
    {
        TFailingSetTimer::Plan().Always = false;
        timer->SetEnabled(true);
        CHECK(timer->Running());
        timer->SetEnabled(false);
        TFailingSetTimer::Plan().Next = 1;
        timer->SetEnabled(true);
        CHECK_FALSE(timer->Enabled());
        timer->SetEnabled(false);
        int calls = TFailingSetTimer::Plan().Calls;
        Application->ProcessMessages();
        CHECK(TFailingSetTimer::Plan().Calls == calls);
        CHECK_FALSE(timer->Enabled());
    }
}
