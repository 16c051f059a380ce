#pragma once
// Waiting in tests without fixed sleeps: the thread's messages are handled
// (timers, posted commands) while a condition is polled.

#include <functional>

// Handles messages until condition holds or timeoutMs pass; the result is
// the condition's last answer.
bool PumpUntil(const std::function<bool()>& condition, unsigned timeoutMs = 10000);
// Handles messages for ms milliseconds (for checking that nothing happens).
void PumpFor(unsigned ms);
