#pragma once
// Sole owners of kernel objects: a handle closed with CloseHandle (from
// framework/KernelHandle.h) and a mapped view of a file mapping.

#include "framework/GdiObject.h"
#include "framework/KernelHandle.h"

#include <windows.h>

struct TUnmapView {
    void operator()(void* view) const { UnmapViewOfFile(view); }
};

class TMappedView : public TOwnedHandle<void*, TUnmapView> {
public:
    TMappedView() = default;
    TMappedView(HANDLE mapping, DWORD access, DWORD bytes) : TOwnedHandle(MapViewOfFile(mapping, access, 0, 0, bytes))
    {
    }
};
