// tick: the meter's tick with the details window shown and hidden, from
// the timer message to the three bars' pixels on the screen, and its
// parts. Prints, as bench does, one line per figure, "<name> <value> <unit>".
//
// Four cases, each asking the real probe every time and then answering
// with its own figures. The worst: all three figures move and System
// crosses a gauge boundary, so the tray's image and tooltip, the labels
// and the bars all change; the gauges' icons were made before and kept.
// "/shortage": the same with User down to 4 or 5 %, where the meter keeps
// no spare icons, so every new gauge makes its icon. "/one-figure": System
// moves by one within its gauge, the usual change. "/steady": nothing
// moves, which is what the meter sees almost every second. "/no-shell"
// lines take the shell's round trips out: the tick's own share;
// "/synchronous-shell" lines make the shell calls on the tick's path, as
// before the tray queued them.
//
// The program's tray sends its modifies from a worker thread. Real ticks
// are a second apart, so each timed tick here starts once the shell has had
// the record of the tick before; that wait is not timed.

#include "app/GaugeIcons.h"
#include "app/ResourceProbe.h"
#include "app/Seams.h"
#include "app/frm_Details.h"
#include "app/frm_Quorvel.h"
#include "controls/NgProgress.h"
#include "framework/Application.h"
#include "framework/Finalization.h"
#include "framework/Icon.h"
#include "framework/ImageList.h"
#include "framework/Label.h"
#include "framework/ScopeGuard.h"
#include "framework/Strings.h"
#include "framework/Timer.h"
#include "resources/resource.h"
#include "tools/bench/BenchData.h"
#include "tray/VxTrayIcon.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace {

constexpr int Rounds = 31;
constexpr int Ticks = 50;
int Sample = 0;

int32_t RealProbe(uint16_t selector)
{
    TScopedOverride<TResourceQuery> real(ResourceQueryOverride, nullptr);
    return QueryFreeResources(selector);
}

// All three figures between 50 and 60 (gauges 6 and 7), so every bar
// draws its blocks again and every label its text.
int32_t MovingProbe(uint16_t selector)
{
    RealProbe(selector);
    return 50 + (Sample % 2) * 10;
}

// As MovingProbe, with User in a shortage.
int32_t ShortageProbe(uint16_t selector)
{
    RealProbe(selector);
    return selector == rkUser ? 4 + Sample % 2 : 50 + (Sample % 2) * 10;
}

// System between 51 and 52, within gauge 6; User and GDI stay.
int32_t OneFigureProbe(uint16_t selector)
{
    RealProbe(selector);
    return selector == rkSystem ? 51 + Sample % 2 : 55;
}

int32_t SteadyProbe(uint16_t selector)
{
    RealProbe(selector);
    return 55;
}

void WINAPI NoSleep(DWORD) {}

// A shell that takes every record at once: the tick's own share.
BOOL WINAPI InstantShell(DWORD, TNotifyIconData*)
{
    return TRUE;
}

void PumpWaiting()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Microseconds per step, fastest round; the step ends with its pixels on
// the screen. The labels' repaints stay outside the timed part: they come
// with the next paint message, not with the tick. Neither does the wait for
// the shell to take the last step's record count.
template <class TStep>
double Microseconds(TStep step)
{
    TVxTrayIcon& tray = *frmQuorvel->VxTrayIcon;
    double best = 1e30;
    for (int round = 0; round < Rounds; ++round) {
        double total = 0;
        for (int i = 0; i < Ticks; ++i) {
            tray.WaitForShell();
            ++Sample;
            const double start = Now();
            step();
            GdiFlush();
            total += Now() - start;
        }
        best = std::min(best, total);
        PumpWaiting();
    }
    return best / Ticks * 1e6;
}

// A timer message to the controller, handled as the message loop would.
double TickMicroseconds(TResourceQuery probe)
{
    TScopedOverride<TResourceQuery> figures(ResourceQueryOverride, probe);
    frmQuorvel->tmQuorvelTimer(nullptr);
    return Microseconds([] { frmQuorvel->tmQuorvelTimer(nullptr); });
}

void PrintTicks(const char* name)
{
    std::printf("%s %.1f us\n", name, TickMicroseconds(MovingProbe));
    std::printf("%s/shortage %.1f us\n", name, TickMicroseconds(ShortageProbe));
    std::printf("%s/one-figure %.1f us\n", name, TickMicroseconds(OneFigureProbe));
    std::printf("%s/steady %.1f us\n", name, TickMicroseconds(SteadyProbe));
}

// The parts of a worst-case tick, the shell's round trips included.
void PrintParts()
{
    std::printf("TickProbe %.1f us\n", Microseconds([] {
                    RealProbe(rkSystem);
                    RealProbe(rkUser);
                    RealProbe(rkGDI);
                }));
    TImageList& gauges = *frmQuorvel->ilIcons;
    TVxTrayIcon& tray = *frmQuorvel->VxTrayIcon;
    std::printf("TickIcon %.1f us\n", Microseconds([&] { gauges.GetIcon(6 + Sample % 2, *tray.Icon()); }));
    TGaugeIcons kept(gauges);
    std::printf("TickIcon/kept %.1f us\n", Microseconds([&] { tray.Icon()->Share(kept.Icon(6 + Sample % 2)); }));
    auto newHint = [&] {
        int32_t value = 50 + (Sample % 2) * 10;
        tray.SetHint(Format(LoadStr(IDS_TRAY_HINT).c_str(), value, value, value));
    };
    std::printf("TickHint %.1f us\n", Microseconds(newHint));
    // What the queue takes off the tick: one modify's round trip.
    tray.SetShellQueued(false);
    std::printf("ShellModify %.1f us\n", Microseconds(newHint));
    tray.SetShellQueued(true);
    // The details window's labels and bars, as the meter writes them.
    std::printf("DetailsUpdate %.1f us\n", Microseconds([] {
                    const int32_t value = 50 + (Sample % 2) * 10;
                    frmDetails->lblSystem->SetCaption(Format(LoadStr(IDS_SYSTEM_RESOURCES_FREE).c_str(), value));
                    frmDetails->prbSystem->SetPosition(value);
                    frmDetails->lblUser->SetCaption(Format(LoadStr(IDS_USER_RESOURCES_FREE).c_str(), value));
                    frmDetails->prbUser->SetPosition(value);
                    frmDetails->lblGDI->SetCaption(Format(LoadStr(IDS_GDI_RESOURCES_FREE).c_str(), value));
                    frmDetails->prbGDI->SetPosition(value);
                }));
}

// The queued records reached the shell: none was refused.
void CheckShellTook(const TVxTrayIcon& tray)
{
    PumpWaiting();
    if (!tray.ShellCurrent())
        throw std::runtime_error("the shell refused a queued record");
}

void ShowDetails(bool show)
{
    if (show)
        frmDetails->Show();
    else
        frmDetails->Hide();
    PumpWaiting();
}

void BenchTick()
{
    TScopedOverride<TResourceQuery> probe(ResourceQueryOverride, SteadyProbe);
    TScopedOverride<TSleepFunction> sleep(FillSleepFunction, NoSleep);
    Application->CreateForm(frmQuorvel);
    frmQuorvel->tmQuorvel->SetEnabled(false);
    frmQuorvel->tmWarning->SetEnabled(false);
    TVxTrayIcon& tray = *frmQuorvel->VxTrayIcon;
    // As the program runs after start-up.
    if (!tray.SetShellQueued(true))
        throw std::runtime_error("no worker thread for the tray");
    std::printf("tick: shell calls queued; each timed tick starts once the shell has the last one's record\n");
    ShowDetails(true);
    PrintTicks("DetailsTick");
    PrintParts();
    ShowDetails(false);
    PrintTicks("DetailsTickHidden");
    tray.WaitForShell();
    CheckShellTook(tray);

    tray.SetShellQueued(false);
    ShowDetails(true);
    PrintTicks("DetailsTick/synchronous-shell");
    ShowDetails(false);
    PrintTicks("DetailsTickHidden/synchronous-shell");

    TScopedOverride<TShellNotifyIcon> shell(ShellNotifyIconFunction, InstantShell);
    ShowDetails(true);
    PrintTicks("DetailsTick/no-shell");
    ShowDetails(false);
    PrintTicks("DetailsTickHidden/no-shell");
    std::fflush(stdout);
}

}  // namespace

int main()
{
    int status = 0;
    try {
        StartFramework();
        // The program's own probe, as start-up loads it.
        LoadResourceThunk();
        RegisterFinalizer(UnloadResourceThunk);
        BenchTick();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tick: %s\n", error.what());
        status = 1;
    }
    RunFinalizers();
    return status;
}
