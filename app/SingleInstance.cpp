#include "app/SingleInstance.h"

#include "app/KernelObjects.h"
#include "app/lib_Windows.h"
#include "framework/Application.h"
#include "framework/Finalization.h"

#include <cstdint>
#include <cstring>
#include <utility>

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

// The window handle a mapping's view holds.
HWND PublishedWindow(const TMappedView& view)
{
    return reinterpret_cast<HWND>(*static_cast<const volatile uint32_t*>(view.Get()));
}

// Zero while the first copy is still between creating the mapping and
// publishing its handle, which it does at once: a short wait tells that
// apart from a mapping that holds nothing.
const int PublishWaitSteps = 20;
const DWORD PublishWaitStepMs = 50;

HWND WaitForPublishedWindow(const TMappedView& view)
{
    HWND window = PublishedWindow(view);
    for (int step = 0; !window && step < PublishWaitSteps; ++step) {
        Sleep(PublishWaitStepMs);
        window = PublishedWindow(view);
    }
    return window;
}

// Whether a published handle is the application window of another running
// copy: a live window of the class this program's own application window
// has.
bool IsRunningCopy(HWND window)
{
    if (!window || !IsWindow(window) || !Application || window == Application->Handle())
        return false;
    char theirs[64] = "";
    char ours[64] = "";
    return GetClassNameA(window, theirs, sizeof theirs) > 0 &&
           GetClassNameA(Application->Handle(), ours, sizeof ours) > 0 && std::strcmp(theirs, ours) == 0;
}

[[noreturn]] void HandOverTo(HWND window)
{
    if (IsMinimized(window))
        ShowWindowAs(window, scRestore);
    BringToFront(window);
    Halt(0);
}

void Publish(TKernelHandle mapping)
{
    TInstanceState& instance = Instance();
    instance.view.Reset();
    instance.mapping = std::move(mapping);
    // No mapping at all (out of memory, a name taken by another kind of
    // object), or one too small to hold a handle: carry on as a normal
    // first copy that publishes nothing.
    if (!instance.mapping)
        return;
    instance.view = TMappedView(instance.mapping.Get(), FILE_MAP_WRITE, MappingSize);
    if (instance.view)
        *static_cast<volatile uint32_t*>(instance.view.Get()) =
            reinterpret_cast<uint32_t>(Application ? Application->Handle() : nullptr);
}

}  // namespace

void EnsureSingleInstance(const std::string& name)
{
    TInstanceState& instance = Instance();
    TKernelHandle created(
        CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, MappingSize, name.c_str()));
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        instance.mapping = TKernelHandle(OpenFileMappingA(FILE_MAP_READ, FALSE, name.c_str()));
        // An existing mapping that can't be opened for reading leaves this
        // copy running as if it were the first, without publishing.
        if (!instance.mapping)
            return;
        instance.view = TMappedView(instance.mapping.Get(), FILE_MAP_READ, MappingSize);
        HWND window = instance.view ? WaitForPublishedWindow(instance.view) : nullptr;
        if (IsRunningCopy(window))
            HandOverTo(window);
        // Something else holds the name, or something else is in it (too
        // small, no window, another program's window): handing over would
        // end this copy for nothing. It runs, and the mapping names it.
    }
    Publish(std::move(created));
}

void ReleaseSingleInstance()
{
    TInstanceState& instance = Instance();
    instance.view.Reset();
    instance.mapping.Reset();
}
