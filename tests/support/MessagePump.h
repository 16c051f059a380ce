#pragma once
// Waiting in tests without fixed sleeps: the thread's messages are handled
// (timers, posted commands) while a condition is polled.

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
