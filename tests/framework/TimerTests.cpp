#include "tests/support/MessagePump.h"

#include "framework/Application.h"
#include "framework/LayoutReader.h"
#include "framework/Timer.h"

#include <doctest/doctest.h>

namespace {
struct TTicks {
    int Count = 0;
    HWND Box = nullptr;
    void Tick(TObject*) { ++Count; }

    // Closes the message box of this thread once three ticks came in while
    // it was up.
    void TickInBox(TObject*)
    {
        ++Count;
        if (Count == 3)
            EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(this));
        if (Count >= 3 && Box)
            PostMessageA(Box, WM_COMMAND, IDOK, 0);
    }
    static BOOL CALLBACK FindBox(HWND window, LPARAM self)
    {
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) == "#32770" && IsWindowVisible(window)) {
            reinterpret_cast<TTicks*>(self)->Box = window;
            return FALSE;
        }
        return TRUE;
    }
};
}

TEST_CASE("Timers fire at about their interval while enabled")
{
    TTicks ticks;
    TTimer* timer = Create<TTimer>(nullptr);
    CHECK(timer->Interval() == 1000);
    CHECK(timer->Enabled());
    CHECK(!timer->Running());  // no handler yet
    timer->SetInterval(50);
    DWORD start = GetTickCount();
    timer->SetOnTimer(TNotifyEvent::Bind<&TTicks::Tick>(&ticks));
    CHECK(timer->Running());
    CHECK(PumpUntil([&] { return ticks.Count >= 5; }));
    DWORD elapsed = GetTickCount() - start;
    CHECK(elapsed >= 200);

    timer->SetEnabled(false);
    CHECK(!timer->Running());
    int stopped = ticks.Count;
    PumpFor(300);
    CHECK(ticks.Count == stopped);

    timer->SetEnabled(true);
    CHECK(PumpUntil([&] { return ticks.Count > stopped; }));
    timer->SetInterval(0);
    CHECK(!timer->Running());
    timer->Free();
}

TEST_CASE("Timers keep firing inside a modal message box")
{
    TTicks ticks;
    TTimer* timer = Create<TTimer>(nullptr);
    timer->SetInterval(50);
    timer->SetOnTimer(TNotifyEvent::Bind<&TTicks::TickInBox>(&ticks));
    int answer = Application->MessageBox("Waiting for the timer", "Timer test", MB_OK);
    CHECK(answer == IDOK);
    CHECK(ticks.Count >= 3);
    CHECK(ticks.Box != nullptr);
    timer->Free();
}

TEST_CASE("A timer read from a layout starts only once loaded and enabled")
{
    TComponent* component = CreateFromLayout("object tmQuorvel: TTimer\n"
                                             "  Enabled = False\n"
                                             "  Interval = 20\n"
                                             "end\n",
                                             nullptr, "TEST");
    auto* timer = dynamic_cast<TTimer*>(component);
    REQUIRE(timer != nullptr);
    TTicks ticks;
    timer->SetOnTimer(TNotifyEvent::Bind<&TTicks::Tick>(&ticks));
    CHECK(!timer->Running());
    timer->SetEnabled(true);
    CHECK(PumpUntil([&] { return ticks.Count >= 2; }));
    component->Free();
    PumpFor(60);  // a tick already queued for the freed timer is dropped
}
