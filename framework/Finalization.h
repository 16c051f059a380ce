#pragma once
// Process clean-up in the reverse order of registration, run at the end of
// WinMain or by Halt, so that an early exit cleans up like a normal one.

using TFinalizer = void (*)();

void RegisterFinalizer(TFinalizer finalizer);
void RunFinalizers();
[[noreturn]] void Halt(unsigned exitCode);
