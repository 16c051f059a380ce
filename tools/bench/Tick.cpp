// tick: the meter's tick with the details window shown and hidden, from
// the sample to the three bars' pixels on the screen, and the details
// window's share alone. Prints, as bench does, one line per figure,
// "<name> <value> <unit>". Every tick moves the figures, so the tray icon,
// the tooltip, the labels and the bars all change each time: the worst
// case, where a steady meter changes nothing.

#include "app/Seams.h"
#include "app/frm_Details.h"
#include "app/frm_Quorvel.h"
#include "controls/NgProgress.h"
#include "framework/Application.h"
#include "framework/Finalization.h"
#include "framework/Label.h"
#include "framework/ScopeGuard.h"
#include "framework/Strings.h"
#include "framework/Timer.h"
#include "resources/resource.h"
#include "tools/bench/BenchData.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int Rounds = 31;
constexpr int Ticks = 50;
int Sample = 0;

// Every tick moves all three figures between 50 and 60, so every bar
// draws its blocks again and every label its text.
int32_t AlternatingProbe(uint16_t)
{
    return 50 + (Sample % 2) * 10;
}

void WINAPI NoSleep(DWORD) {}

void PumpWaiting()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Microseconds per tick, fastest round: a timer message to the controller
// handled as the message loop would, until the bars are on the screen.
double TickMicroseconds()
{
    double best = 1e30;
    for (int round = 0; round < Rounds; ++round) {
        const double start = Now();
        for (int i = 0; i < Ticks; ++i) {
            ++Sample;
            frmQuorvel->tmQuorvelTimer(nullptr);
            GdiFlush();
        }
        best = std::min(best, Now() - start);
        // The labels' repaints, outside the timed part: they come with the
        // next paint message, not with the tick.
        PumpWaiting();
    }
    return best / Ticks * 1e6;
}

// The details window's share of a tick: its three labels and bars, as
// the meter writes them, without the probe and the tray icon.
double DetailsMicroseconds()
{
    double best = 1e30;
    for (int round = 0; round < Rounds; ++round) {
        const double start = Now();
        for (int i = 0; i < Ticks; ++i) {
            const int32_t value = AlternatingProbe(0);
            ++Sample;
            frmDetails->lblSystem->SetCaption(Format(LoadStr(IDS_SYSTEM_RESOURCES_FREE).c_str(), value));
            frmDetails->prbSystem->SetPosition(value);
            frmDetails->lblUser->SetCaption(Format(LoadStr(IDS_USER_RESOURCES_FREE).c_str(), value));
            frmDetails->prbUser->SetPosition(value);
            frmDetails->lblGDI->SetCaption(Format(LoadStr(IDS_GDI_RESOURCES_FREE).c_str(), value));
            frmDetails->prbGDI->SetPosition(value);
            GdiFlush();
        }
        best = std::min(best, Now() - start);
        PumpWaiting();
    }
    return best / Ticks * 1e6;
}

void BenchTick()
{
    TScopedOverride<TResourceQuery> probe(ResourceQueryOverride, AlternatingProbe);
    TScopedOverride<TSleepFunction> sleep(FillSleepFunction, NoSleep);
    Application->CreateForm(frmQuorvel);
    frmQuorvel->tmQuorvel->SetEnabled(false);
    frmQuorvel->tmWarning->SetEnabled(false);
    frmDetails->Show();
    PumpWaiting();
    std::printf("DetailsTick %.1f us\n", TickMicroseconds());
    std::printf("DetailsUpdate %.1f us\n", DetailsMicroseconds());
    frmDetails->Hide();
    PumpWaiting();
    std::printf("DetailsTickHidden %.1f us\n", TickMicroseconds());
    std::fflush(stdout);
}

}  // namespace

int main()
{
    int status = 0;
    try {
        StartFramework();
        BenchTick();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tick: %s\n", error.what());
        status = 1;
    }
    RunFinalizers();
    return status;
}
