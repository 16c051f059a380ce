#include "tests/app/TestSupport.h"

#include "app/KernelObjects.h"
#include "app/Seams.h"
#include "app/lib_Windows.h"
#include "framework/Registry.h"
#include "framework/ScopeGuard.h"
#include "framework/Strings.h"

#include <doctest/doctest.h>

#include <cstdlib>

namespace {

// Feeds fixed figures through the probe's seam for one test.
class TFakeProbe {
public:
    TFakeProbe(int32_t system, int32_t gdi, int32_t user)
        : FSeam(ResourceQueryOverride, [](uint16_t selector) { return figures()[selector]; })
    {
        figures()[rkSystem] = system;
        figures()[rkGDI] = gdi;
        figures()[rkUser] = user;
    }

private:
    static int32_t* figures()
    {
        static int32_t values[3];
        return values;
    }

    TScopedOverride<TResourceQuery> FSeam;
};

const char ChildRoleVariable[] = "QUORVEL_TEST_PROBE_UNDER_NT";

}  // namespace

TEST_CASE("the probe reads all three pools from the 16-bit USER module on Windows 98")
{
    REQUIRE_FALSE(IsWindowsNT());
    UnloadResourceThunk();

    // Before the thunk is loaded nothing can be asked.
    CHECK(FreeSystemResources() == -1);
    CHECK(FreeGDIResources() == -1);
    CHECK(FreeUserResources() == -1);
    CHECK_FALSE(IsLowOnResources());

    LoadResourceThunk();
    // Wine's 16-bit USER reports every pool 99 % free.
    CHECK(FreeSystemResources() == 99);
    CHECK(FreeGDIResources() == 99);
    CHECK(FreeUserResources() == 99);
    CHECK(QueryFreeResources(rkUser) == 99);
    CHECK_FALSE(IsLowOnResources());

    // Released at clean-up: no stale 16-bit address is called afterwards.
    UnloadResourceThunk();
    CHECK(FreeSystemResources() == -1);
    UnloadResourceThunk();

    // Loading again after a release works.
    LoadResourceThunk();
    CHECK(FreeSystemResources() == 99);
    UnloadResourceThunk();
}

TEST_CASE("low on resources: any pool at 10 % or less, an unknown figure never")
{
    SUBCASE("10 is low")
    {
        TFakeProbe probe(10, 50, 50);
        CHECK(IsLowOnResources());
    }
    SUBCASE("11 is not")
    {
        TFakeProbe probe(11, 11, 11);
        CHECK_FALSE(IsLowOnResources());
    }
    SUBCASE("0 is low")
    {
        TFakeProbe probe(50, 50, 0);
        CHECK(IsLowOnResources());
    }
    SUBCASE("-1 is not")
    {
        TFakeProbe probe(-1, -1, -1);
        CHECK_FALSE(IsLowOnResources());
    }
    SUBCASE("GDI alone counts")
    {
        TFakeProbe probe(80, 7, 80);
        CHECK(IsLowOnResources());
    }
    SUBCASE("the seam answers each query by its selector")
    {
        TFakeProbe probe(12, 34, 56);
        CHECK(FreeSystemResources() == 12);
        CHECK(FreeGDIResources() == 34);
        CHECK(FreeUserResources() == 56);
    }
    bool seamCleared = ResourceQueryOverride == nullptr;
    CHECK(seamCleared);
}

// Wine reads the reported Windows version per executable name when a
// process starts, so a copy of this test under another name runs as
// Windows XP while this process stays Windows 98.
TEST_CASE("the probe answers -1 on an NT-family system")
{
    if (std::getenv(ChildRoleVariable)) {
        REQUIRE(IsWindowsNT());
        LoadResourceThunk();
        CHECK(FreeSystemResources() == -1);
        CHECK(FreeGDIResources() == -1);
        CHECK(FreeUserResources() == -1);
        CHECK_FALSE(IsLowOnResources());
        UnloadResourceThunk();
        return;
    }

    const std::string copyName = Format("test_app_nt_%lu.exe", GetCurrentProcessId());
    const std::string copyPath = TempFileName(copyName);
    const std::string appDefaults = "\\Software\\Wine\\AppDefaults\\" + ExtractFileName(copyPath);
    REQUIRE(CopyFileA(ApplicationExeName().c_str(), copyPath.c_str(), FALSE));
    TScratchKey cleanUp(appDefaults.substr(1));
    {
        TRegistry registry;
        REQUIRE(registry.OpenKey(appDefaults, true));
        registry.WriteString("Version", "winxp");
    }

    std::string commandLine = "\"" + copyPath + "\" --test-case=\"the probe answers -1 on an NT-family system\"";
    SetEnvironmentVariableA(ChildRoleVariable, "1");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    BOOL started =
        CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableA(ChildRoleVariable, nullptr);
    REQUIRE(started);
    TKernelHandle child(process.hProcess);
    TKernelHandle thread(process.hThread);
    DWORD waited = WaitForSingleObject(child.Get(), 120000);
    DWORD exitCode = 1;
    GetExitCodeProcess(child.Get(), &exitCode);
    if (waited != WAIT_OBJECT_0)
        TerminateProcess(child.Get(), 1);
    WaitForSingleObject(child.Get(), 5000);
    DeleteFileA(copyPath.c_str());

    CHECK(waited == WAIT_OBJECT_0);
    CHECK(exitCode == 0);
}
