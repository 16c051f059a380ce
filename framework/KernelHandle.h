#pragma once
// Sole owner of a kernel object handle (a mapping, an event, a thread, a
// process), closed with CloseHandle.

#include "framework/GdiObject.h"

#include <windows.h>

struct TCloseHandle {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};

using TKernelHandle = TOwnedHandle<HANDLE, TCloseHandle>;
