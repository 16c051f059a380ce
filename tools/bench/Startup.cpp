// startup: the program's start-up and resident cost, measured on the real
// start-up sequence in this process. Prints, as bench does, one line per
// figure, "<name> <value> <unit>":
// - from the process's creation to the tray icon's first NIM_ADD and to
//   the first sample's tooltip, less the start-up fill's pauses (they are
//   skipped, as they are prescribed and would only add their 100 ms each);
//   "/program" lines count from the exe's first static constructor, which
//   leaves out the system's (under Wine: Wine's) loading of the process;
// - the GDI and USER objects and the private bytes after start and after
//   10,000 ticks of the sampling timer.
// It hands over and ends at once when Quorvel itself runs in the prefix.

#include "app/Startup.h"
#include "app/ResourceProbe.h"
#include "app/Seams.h"
#include "app/frm_Quorvel.h"
#include "framework/Application.h"
#include "framework/Finalization.h"
#include "framework/Timer.h"
#include "tray/VxTrayIcon.h"

#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr int Ticks = 10000;

// Milliseconds since this process was created, by the system clock that
// stamped its creation.
double SinceCreation()
{
    FILETIME creation, exitTime, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &creation, &exitTime, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    auto ticks = [](const FILETIME& time) {
        return static_cast<long long>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
    };
    return (ticks(now) - ticks(creation)) / 10000.0;
}

// Seconds by the high-resolution counter.
double Now()
{
    LARGE_INTEGER frequency, count;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The program's own part starts with the exe's first static constructor,
// once the system has loaded it and its DLLs.
struct TProgramStart {
    double Seconds = Now();
};
__attribute__((init_priority(101))) TProgramStart ProgramStart;

double FirstAdd = -1;
double FirstTooltip = -1;
double FirstAddInProgram = -1;
double FirstTooltipInProgram = -1;
// The program's own shell call, which this one wraps.
TShellNotifyIcon CallShell = nullptr;

BOOL WINAPI RecordShell(DWORD message, TNotifyIconData* data)
{
    const BOOL result = CallShell(message, data);
    if (message == NIM_ADD && FirstAdd < 0) {
        FirstAdd = SinceCreation();
        FirstAddInProgram = (Now() - ProgramStart.Seconds) * 1000;
    }
    if (message == NIM_MODIFY && (data->uFlags & NIF_TIP) && std::strncmp(data->szTip, "System:", 7) == 0 &&
        FirstTooltip < 0) {
        FirstTooltip = SinceCreation();
        FirstTooltipInProgram = (Now() - ProgramStart.Seconds) * 1000;
        // Start-up is over: leave the message loop at once.
        Application->Terminate();
    }
    return result;
}

void WINAPI SkipSleep(DWORD) {}

// A machine whose resources come and go: every gauge image in turn.
int Tick = 0;
int32_t MovingResources(uint16_t selector)
{
    return (Tick * (selector + 1) * 7) % 103 - 1;
}

struct TResident {
    int Gdi = 0;
    int User = 0;
    size_t PrivateBytes = 0;
};

// Wine's GetGuiResources answers 0: every handle value is asked instead.
TResident Measure()
{
    TResident resident;
    for (UINT_PTR value = 1; value <= 0xFFFF; ++value) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(value)) != 0)
            ++resident.Gdi;
        if (IsWindow(reinterpret_cast<HWND>(value)) &&
            GetWindowThreadProcessId(reinterpret_cast<HWND>(value), nullptr) == GetCurrentThreadId())
            ++resident.User;
        if (IsMenu(reinterpret_cast<HMENU>(value)))
            ++resident.User;
    }
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
        resident.PrivateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
    return resident;
}

void Print(const char* name, double value, const char* unit)
{
    std::printf("%s %.1f %s\n", name, value, unit);
    std::fflush(stdout);
}

void PrintResident(const char* when, const TResident& resident)
{
    char name[64];
    std::snprintf(name, sizeof name, "resident/GDI/%s", when);
    Print(name, resident.Gdi, "objects");
    std::snprintf(name, sizeof name, "resident/USER/%s", when);
    Print(name, resident.User, "objects");
    std::snprintf(name, sizeof name, "resident/private/%s", when);
    Print(name, resident.PrivateBytes / 1024.0, "KB");
}

}  // namespace

int main()
{
    CallShell = ShellNotifyIconFunction;
    ShellNotifyIconFunction = RecordShell;
    FillSleepFunction = SkipSleep;
    try {
        RunQuorvel();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup: %s\n", error.what());
        return 1;
    }
    if (FirstAdd < 0 || FirstTooltip < 0 || !frmQuorvel) {
        std::fprintf(stderr, "startup: the program did not reach its first sample\n");
        return 1;
    }
    Print("startup/NIM_ADD", FirstAdd, "ms");
    Print("startup/tooltip", FirstTooltip, "ms");
    Print("startup/NIM_ADD/program", FirstAddInProgram, "ms");
    Print("startup/tooltip/program", FirstTooltipInProgram, "ms");

    // Settled: whatever start-up made once and keeps exists now.
    frmQuorvel->tmQuorvel->SetEnabled(false);
    frmQuorvel->tmWarning->SetEnabled(false);
    frmQuorvel->tmQuorvelTimer(nullptr);
    // A shell call in flight holds passing copies of the icon's bitmaps.
    frmQuorvel->VxTrayIcon->WaitForShell();
    PrintResident("start", Measure());

    ResourceQueryOverride = MovingResources;
    for (Tick = 0; Tick < Ticks; ++Tick)
        frmQuorvel->tmQuorvelTimer(nullptr);
    frmQuorvel->VxTrayIcon->WaitForShell();
    PrintResident("10000-ticks", Measure());
    RunFinalizers();
    return 0;
}
