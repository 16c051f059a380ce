#pragma once
// Where the tests reach into the meter: each seam is the real call in the
// program, and a test puts its own in for the length of a scope with
// TScopedOverride (framework/ScopeGuard.h). The layers below keep theirs
// beside their units: TApplication::MessageBoxFunction (the application's
// boxes) and ShellNotifyIconFunction (tray/VxTrayIcon.h).

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <string>

// The warning's beep: MessageBeep.
using TBeepFunction = BOOL(WINAPI*)(UINT type);
extern TBeepFunction WarningBeepFunction;

// The pause between the steps of the start-up fill: Sleep.
using TSleepFunction = void(WINAPI*)(DWORD ms);
extern TSleepFunction FillSleepFunction;

// The executable's path; empty means the module's own file name.
extern std::string ExecutablePathOverride;

// The shell call ShellRun makes: ShellExecuteExA.
using TShellExecute = BOOL(WINAPI*)(SHELLEXECUTEINFOA* info);
extern TShellExecute ShellExecuteFunction;

// When set, QueryFreeResources returns this function's answer for the
// selector instead of asking the system, so tests can feed any figures to
// the controller and the warning. Null in the program.
using TResourceQuery = int32_t (*)(uint16_t selector);
extern TResourceQuery ResourceQueryOverride;
