#pragma once
// Waiting in tests without fixed sleeps: the thread's messages are handled
// (timers, posted commands) while a condition is polled.

#include <windows.h>

#include <functional>

// One round of handling the thread's waiting messages. By default they are
// translated and dispatched; window tests pass the application's own step
// (Application->ProcessMessages), which also handles dialog keys.
using TMessageStep = void (*)();

// Handles messages until condition holds or timeoutMs pass; the result is
// the condition's last answer.
bool PumpUntil(const std::function<bool()>& condition, unsigned timeoutMs = 10000, TMessageStep step = nullptr);
// Handles messages for ms milliseconds (for checking that nothing happens).
void PumpFor(unsigned ms);
// Ends the open menu after ms, from a timer that runs in the menu's loop.
void CloseMenuAfter(unsigned ms);

// Runs the application's message loop, with its keyboard (dialog and
// access keys) and mouse-tracking steps, until done() holds or the time is
// up; true when done() held.
bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 10000);

// Posts a key message to a window as the keyboard would queue it.
void PostKey(HWND window, UINT message, WPARAM key, bool alt = false);
