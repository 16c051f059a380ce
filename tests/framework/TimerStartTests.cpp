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
