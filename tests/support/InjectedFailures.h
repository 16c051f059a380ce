#pragma once
// The framework's system calls made to fail on request, through its test
// seams: starting a timer, turning an image into an icon, and the
// registry's writes and deletes. Each scope puts the system's call back
// when it ends.

#include "tests/support/FailurePlan.h"

#include "framework/ImageList.h"
#include "framework/Registry.h"
#include "framework/ScopeGuard.h"
#include "framework/Timer.h"

#include <windows.h>

// SetTimer fails (0) as the plan says.
class TFailingSetTimer {
public:
    TFailingSetTimer();
    TFailingSetTimer(const TFailingSetTimer&) = delete;
    TFailingSetTimer& operator=(const TFailingSetTimer&) = delete;
    static TFailurePlan& Plan();

private:
    TScopedOverride<TSetTimerFunction> FSeam;
};

// ImageList_GetIcon fails (null) as the plan says.
class TFailingGetIcon {
public:
    TFailingGetIcon();
    TFailingGetIcon(const TFailingGetIcon&) = delete;
    TFailingGetIcon& operator=(const TFailingGetIcon&) = delete;
    static TFailurePlan& Plan();

private:
    TScopedOverride<TImageListGetIcon> FSeam;
};

// Registry writes and deletes fail (access denied) as their plans say.
// With EnforceAccess, a key handle also allows only what it was opened
// for, as on a system that checks access rights (Wine in Windows 98 mode,
// like Windows 98, opens every key with all the access there is).
class TFailingRegistry {
public:
    TFailingRegistry();
    ~TFailingRegistry();
    TFailingRegistry(const TFailingRegistry&) = delete;
    TFailingRegistry& operator=(const TFailingRegistry&) = delete;
    static TFailurePlan& Writes();
    static TFailurePlan& Deletes();
    static bool EnforceAccess;

private:
    TScopedOverride<TRegistryCalls> FSeam;
};
