#include "tests/app/ExitFixture.h"
#include "tests/support/GdiCount.h"
#include "tests/support/InjectedFailures.h"

#include "framework/Application.h"
#include "framework/MenuItem.h"
#include "framework/Timer.h"
#include "tray/VxTrayIcon.h"

#include <doctest/doctest.h>

#include <algorithm>

namespace {

// The probe swings between a shortage (System at 5 %) and plenty (50 %),
// a few ticks each way.
const int SwingTicks = 7;
const int SoakTicks = 1000;

struct TSoak {
    TfrmQuorvel* Form;
    int Ticks = 0;
    int Shortages = 0;
    bool Low = false;

    // A timer's tick as its window delivers it: errors go to the report.
    static void Fire(TTimer* timer)
    {
        try {
            timer->OnTimer()(timer);
        } catch (...) {
            Application->HandleException(timer);
        }
    }

    // One second of the meter: both timers fire.
    void Tick()
    {
        bool low = (Ticks++ / SwingTicks) % 2 == 0;
        if (low && !Low)
            ++Shortages;
        Low = low;
        TProbeFeed::Set(low ? 5 : 50, 50, 50);
        Fire(Form->tmQuorvel);
        Fire(Form->tmWarning);
    }
};

int WarningBoxes()
{
    return static_cast<int>(
        std::count_if(TBoxRecorder::Boxes().begin(), TBoxRecorder::Boxes().end(),
                      [](const TBoxRecorder::TBox& box) { return box.Caption == "Low Resources"; }));
}

}  // namespace

TEST_CASE("Low-resources soak: 1,000 ticks of failing icons and boxes, and the meter holds")
{
    TExitFixture f;
    TShellRecorder::ReadGauges() = false;
    TSoak soak{f.Form};
    REQUIRE(f.Form->pmiWarnOnLowResources->Checked());
    // Made once and kept: exists before the counts are taken.
    soak.Tick();
    soak.Tick();
    f.Shell.Clear();
    TObjectCounts before;

    TFailingGetIcon failingIcons;
    // Only a new gauge is fetched, at each swing and again after a fetch
    // that failed: every other fetch fails.
    TFailingGetIcon::Plan().Every = 2;
    TBoxRecorder::Failures().Every = 5;
    // The timers keep firing while a box is open: a few ticks in each, and
    // in every fourth box enough for an icon fetch to fail in it.
    TBoxRecorder::WhileOpen() = [&] {
        int ticks = TBoxRecorder::Boxes().size() % 4 == 0 ? 12 : 3;
        for (int tick = 0; tick < ticks && soak.Ticks < SoakTicks; ++tick)
            soak.Tick();
    };
    int shortagesBefore = soak.Shortages;
    int warningsBefore = WarningBoxes();
    while (soak.Ticks < SoakTicks) {
        soak.Tick();
        if (TShellRecorder::Calls().size() > 1000)
            f.Shell.Clear();
    }
    TBoxRecorder::WhileOpen() = nullptr;

    CHECK(TFailingGetIcon::Plan().Failures >= SoakTicks / 20);
    CHECK(TBoxRecorder::Failures().Failures > 0);
    CHECK(TBoxRecorder::ErrorBoxes() > 0);
    CHECK(TBoxRecorder::MostErrorBoxesOpen() == 1);
    CHECK(WarningBoxes() - warningsBefore == soak.Shortages - shortagesBefore);
    CHECK(f.Form->VxTrayIcon->Added());
    CHECK(TShellRecorder::InTray());
    CHECK_FALSE(Application->ErrorBoxOpen());

    TObjectCounts after;
    CHECK(after.Gdi == before.Gdi);
    CHECK(after.Windows == before.Windows);
    CHECK(after.Menus == before.Menus);

    f.RightClickAfter(30);
    Application->Run();
    CHECK_FALSE(TExitFixture::GaveUp);
    CHECK(Application->ExitCode() == 0);
}
