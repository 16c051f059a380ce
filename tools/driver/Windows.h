#pragma once
// Finding, inspecting and waiting for top-level windows of any process on
// the prefix's desktop.

#include <windows.h>

#include <functional>
#include <string>

HWND ParseWindow(const std::string& text);
std::string WindowText(HWND window);
std::string WindowClass(HWND window);
DWORD WindowProcess(HWND window);
// The executable file name of a process, "" when it is gone.
std::string ProcessExeName(DWORD pid);

// Polls the condition every 20 ms until it holds or the time is up.
bool WaitFor(unsigned timeoutMs, const std::function<bool()>& condition);

// The first top-level window with the class and title ("-" for any) of
// the process (0 for any).
HWND FindTopLevel(const std::string& className, const std::string& title, DWORD pid);

// The published handle in the single-instance mapping; 0 when absent.
HWND PublishedWindow();

void PrintWindowInfo(HWND window);
void PrintProcessWindows(DWORD pid);
// Conditions: iconic, not-iconic, foreground, visible, hidden, gone.
bool WindowCondition(HWND window, const std::string& condition, bool& known);
