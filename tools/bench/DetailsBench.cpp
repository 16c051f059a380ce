#include "tools/bench/DetailsBench.h"

#include "app/Seams.h"
#include "app/frm_Details.h"
#include "app/frm_Quorvel.h"
#include "framework/Application.h"
#include "framework/ScopeGuard.h"
#include "framework/Timer.h"
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

} // namespace

void BenchDetailsTick()
{
    TScopedOverride<TResourceQuery> probe(ResourceQueryOverride, AlternatingProbe);
    TScopedOverride<TSleepFunction> sleep(FillSleepFunction, NoSleep);
    Application->CreateForm(frmQuorvel);
    frmQuorvel->tmQuorvel->SetEnabled(false);
    frmQuorvel->tmWarning->SetEnabled(false);
    frmDetails->Show();
    PumpWaiting();
    std::printf("DetailsTick %.1f us\n", TickMicroseconds());
    frmDetails->Hide();
    PumpWaiting();
    std::printf("DetailsTickHidden %.1f us\n", TickMicroseconds());
    std::fflush(stdout);
}
