#include "app/SingleInstance.h"
#include "app/UtilityUnits.h"
#include "app/lib_Windows.h"
#include "framework/Application.h"
#include "framework/Strings.h"

#include <doctest/doctest.h>

#include <cstdint>

namespace {

// The handle a later copy would read from the mapping; 0 when there is none.
uint32_t PublishedHandle(const std::string& name)
{
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, name.c_str());
    if (!mapping)
        return 0;
    uint32_t handle = 0;
    if (void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 4)) {
        handle = *static_cast<const uint32_t*>(view);
        UnmapViewOfFile(view);
    }
    CloseHandle(mapping);
    return handle;
}

bool MappingExists(const std::string& name)
{
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, name.c_str());
    if (mapping)
        CloseHandle(mapping);
    return mapping != nullptr;
}

}  // namespace

TEST_CASE("the first copy publishes its application window until it is released")
{
    const std::string name = Format("QuorvelTest-%lu", GetCurrentProcessId());
    REQUIRE_FALSE(MappingExists(name));

    EnsureSingleInstance(name);
    CHECK(PublishedHandle(name) == reinterpret_cast<uint32_t>(Application->Handle()));

    ReleaseSingleInstance();
    CHECK_FALSE(MappingExists(name));
    ReleaseSingleInstance();
}

TEST_CASE("the utility units' clean-up releases the thunk and the mapping")
{
    const std::string name = Format("QuorvelTest-cleanup-%lu", GetCurrentProcessId());
    LoadResourceThunk();
    EnsureSingleInstance(name);
    REQUIRE(FreeSystemResources() == 99);
    REQUIRE(MappingExists(name));

    StopUtilityUnits();
    CHECK(FreeSystemResources() == -1);
    CHECK_FALSE(MappingExists(name));
}
