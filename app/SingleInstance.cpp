#include "app/SingleInstance.h"

#include "app/KernelObjects.h"
#include "app/lib_Windows.h"
#include "framework/Application.h"
#include "framework/Finalization.h"

#include <cstdint>

namespace {

const DWORD MappingSize = sizeof(uint32_t);

struct TInstanceState {
    TKernelHandle mapping;
    TMappedView view;
};

TInstanceState& Instance()
{
    static TInstanceState state;
    return state;
}

[[noreturn]] void HandOverToRunningCopy()
{
    TInstanceState& instance = Instance();
    instance.view = TMappedView(instance.mapping.Get(), FILE_MAP_READ, MappingSize);
    // Zero while the first copy is still between creating the mapping and
    // publishing its handle: then there is nothing to bring forward.
    HWND window = nullptr;
    if (instance.view)
        window = reinterpret_cast<HWND>(*static_cast<const volatile uint32_t*>(instance.view.Get()));
    if (window) {
        if (IsMinimized(window))
            ShowWindowAs(window, scRestore);
        BringToFront(window);
    }
    Halt(0);
}

}  // namespace

void EnsureSingleInstance(const std::string& name)
{
    TInstanceState& instance = Instance();
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, MappingSize, name.c_str());
    DWORD error = GetLastError();
    instance.mapping = TKernelHandle(mapping);
    if (error == ERROR_ALREADY_EXISTS) {
        instance.mapping = TKernelHandle(OpenFileMappingA(FILE_MAP_READ, FALSE, name.c_str()));
        // An existing mapping that can't be opened for reading leaves this
        // copy running as if it were the first, without publishing.
        if (!instance.mapping)
            return;
        HandOverToRunningCopy();
    }
    // No mapping at all (out of memory, a name taken by another kind of
    // object): carry on as a normal first copy that publishes nothing.
    if (!instance.mapping)
        return;
    instance.view = TMappedView(instance.mapping.Get(), FILE_MAP_WRITE, MappingSize);
    if (instance.view)
        *static_cast<volatile uint32_t*>(instance.view.Get()) =
            reinterpret_cast<uint32_t>(Application ? Application->Handle() : nullptr);
}

void ReleaseSingleInstance()
{
    TInstanceState& instance = Instance();
    instance.view.Reset();
    instance.mapping.Reset();
}
