#pragma once
// Sole owners of kernel objects: a handle closed with CloseHandle, and a
// mapped view of a file mapping.

#include "framework/GdiObject.h"

#include <windows.h>

struct TCloseHandle {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct TUnmapView {
    void operator()(void* view) const { UnmapViewOfFile(view); }
};

using TKernelHandle = TOwnedHandle<HANDLE, TCloseHandle>;

class TMappedView : public TOwnedHandle<void*, TUnmapView> {
public:
    TMappedView() = default;
    TMappedView(HANDLE mapping, DWORD access, DWORD bytes) : TOwnedHandle(MapViewOfFile(mapping, access, 0, 0, bytes))
    {
    }
};
