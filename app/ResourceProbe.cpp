#include "app/ResourceProbe.h"

#include "app/Modules.h"
#include "app/QtThunk.h"
#include "app/Seams.h"
#include "app/lib_Windows.h"

#include <windows.h>

namespace {

// wow32.dll's generic 16-bit call; Wine has it, Windows 9x does not.
using TWOWCallback16Ex = BOOL(WINAPI*)(DWORD target16, DWORD flags, DWORD argumentBytes, void* arguments,
                                       DWORD* result);
const DWORD WCB16_PASCAL = 0;

struct TProbeState {
    TLibrary kernel32;
    void* qtThunk = nullptr;
    TModule16 user;
    uint32_t getFreeSystemResources = 0;
    // Only on Wine, whose QT_Thunk hands the result back with EAX and EDX
    // clobbered: the same 16:16 call made through wow32. Decided once, at
    // load, rather than on every query of the one-second sample.
    bool onWine = false;
    TLibrary wow32;
    TWOWCallback16Ex wowCallback16Ex = nullptr;
};

TProbeState& Probe()
{
    static TProbeState state;
    return state;
}

bool RunningOnWine()
{
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

int32_t CallThroughWow(uint32_t target16, uint16_t selector)
{
    TProbeState& probe = Probe();
    if (!probe.wowCallback16Ex)
        return -1;
    WORD argument = selector;
    DWORD result = 0;
    if (!probe.wowCallback16Ex(target16, WCB16_PASCAL, sizeof argument, &argument, &result))
        return -1;
    return LOWORD(result);
}

}  // namespace

void LoadResourceThunk()
{
    if (IsWindowsNT())
        return;
    TProbeState& probe = Probe();
    probe.kernel32 = TLibrary("kernel32.dll");
    if (!probe.kernel32)
        return;
    probe.qtThunk = reinterpret_cast<void*>(GetProcAddress(probe.kernel32.Get(), "QT_Thunk"));
    if (!probe.qtThunk)
        return;
    probe.user = TModule16("user.exe");
    if (!probe.user)
        return;
    probe.getFreeSystemResources = probe.user.ProcAddress("GetFreeSystemResources");

    probe.onWine = RunningOnWine();
    if (probe.onWine) {
        probe.wow32 = TLibrary("wow32.dll");
        if (probe.wow32)
            probe.wowCallback16Ex = reinterpret_cast<TWOWCallback16Ex>(
                reinterpret_cast<void (*)()>(GetProcAddress(probe.wow32.Get(), "WOWCallback16Ex")));
    }
}

void UnloadResourceThunk()
{
    TProbeState& probe = Probe();
    if (IsWindowsNT() || !probe.kernel32)
        return;
    probe.getFreeSystemResources = 0;
    probe.wowCallback16Ex = nullptr;
    probe.wow32.Reset();
    probe.onWine = false;
    probe.user.Free();
    probe.qtThunk = nullptr;
    probe.kernel32.Reset();
}

int32_t QueryFreeResources(uint16_t selector)
{
    if (ResourceQueryOverride)
        return ResourceQueryOverride(selector);
    TProbeState& probe = Probe();
    if (IsWindowsNT() || !probe.getFreeSystemResources)
        return -1;
    if (probe.onWine)
        return CallThroughWow(probe.getFreeSystemResources, selector);
    return static_cast<int32_t>(CallQtThunkWord(probe.qtThunk, probe.getFreeSystemResources, selector));
}

int32_t FreeSystemResources()
{
    return QueryFreeResources(rkSystem);
}

int32_t FreeGDIResources()
{
    return QueryFreeResources(rkGDI);
}

int32_t FreeUserResources()
{
    return QueryFreeResources(rkUser);
}

bool IsLowOnResources()
{
    if (IsWindowsNT())
        return false;
    int32_t system = FreeSystemResources();
    int32_t gdi = FreeGDIResources();
    return IsLowOnResources(system, FreeUserResources(), gdi);
}

bool IsLowOnResources(int32_t system, int32_t user, int32_t gdi)
{
    if (IsWindowsNT())
        return false;
    for (int32_t level : {system, user, gdi})
        if (level >= 0 && level <= 10)
            return true;
    return false;
}
