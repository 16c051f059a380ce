#include "framework/Finalization.h"

#include <windows.h>

#include <vector>

namespace {
std::vector<TFinalizer>& Finalizers()
{
    static std::vector<TFinalizer> list;
    return list;
}
}

void RegisterFinalizer(TFinalizer finalizer)
{
    Finalizers().push_back(finalizer);
}

void RunFinalizers()
{
    auto& list = Finalizers();
    while (!list.empty()) {
        TFinalizer last = list.back();
        list.pop_back();
        last();
    }
}

void Halt(unsigned exitCode)
{
    RunFinalizers();
    ExitProcess(exitCode);
}
