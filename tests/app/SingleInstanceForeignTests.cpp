#include "app/SingleInstance.h"
#include "framework/Application.h"
#include "framework/Finalization.h"
#include "framework/Strings.h"

#include <doctest/doctest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// A hand-over ends the process with exit code 0, which would pass for a
// clean end of the test run: while a copy is expected to go on running,
// ending it fails the run instead.
bool ExpectRunning = false;

void FailIfEnded()
{
    if (!ExpectRunning)
        return;
    std::fputs("EnsureSingleInstance ended the process instead of running on\n", stderr);
    ExitProcess(1);
}

void EnsureRunsOn(const std::string& name)
{
    static bool registered = false;
    if (!registered) {
        RegisterFinalizer(FailIfEnded);
        registered = true;
    }
    ExpectRunning = true;
    EnsureSingleInstance(name);
    ExpectRunning = false;
}

uint32_t PublishedHandle(const std::string& name)
{
    uint32_t handle = 0;
    if (HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, name.c_str())) {
        if (void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 4)) {
            handle = *static_cast<const uint32_t*>(view);
            UnmapViewOfFile(view);
        }
        CloseHandle(mapping);
    }
    return handle;
}

// Another program's mapping of our name, of the given size, holding value.
struct TForeignMapping {
    HANDLE Mapping;
    TForeignMapping(const std::string& name, DWORD size, uint32_t value)
        : Mapping(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, name.c_str()))
    {
        if (void* view = MapViewOfFile(Mapping, FILE_MAP_WRITE, 0, 0, size)) {
            std::memcpy(view, &value, size < 4 ? size : 4);
            UnmapViewOfFile(view);
        }
    }
    ~TForeignMapping() { CloseHandle(Mapping); }
    TForeignMapping(const TForeignMapping&) = delete;
    TForeignMapping& operator=(const TForeignMapping&) = delete;
};

}  // namespace

TEST_CASE("a mapping that names no running copy is no reason to end: this copy runs and publishes")
{
    const std::string name = Format("QuorvelTest-foreign-%lu", GetCurrentProcessId());
    HWND other =
        CreateWindowExA(0, "STATIC", "another program", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    HWND gone = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    const struct {
        const char* What;
        uint32_t Value;
    } held[] = {
        {"a handle that is no window", reinterpret_cast<uint32_t>(gone)},
        {"another program's window", reinterpret_cast<uint32_t>(other)},
        {"nothing at all", 0},
    };
    for (const auto& foreign : held) {
        INFO(foreign.What);
        TForeignMapping mapping(name, 4, foreign.Value);
        EnsureRunsOn(name);
        CHECK(PublishedHandle(name) == reinterpret_cast<uint32_t>(Application->Handle()));
        ReleaseSingleInstance();
    }
    DestroyWindow(other);

    SUBCASE("a mapping too small for a handle")
    {
        TForeignMapping mapping(name, 1, 0);
        EnsureRunsOn(name);
        ReleaseSingleInstance();
    }
}
