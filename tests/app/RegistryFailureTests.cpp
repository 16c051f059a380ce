#include "tests/app/TestSupport.h"
#include "tests/support/InjectedFailures.h"

#include "app/lib_Registry.h"
#include "framework/Registry.h"

#include <doctest/doctest.h>

namespace {

const char TestKey[] = "\\Software\\QuorvelTest";

}  // namespace

TEST_CASE("where access rights are enforced, a write that must not overwrite can still see the value")
{
    TScratchKey scratch(&TestKey[1]);
    TRegistry setup;
    REQUIRE(setup.OpenKey(TestKey, true));
    setup.WriteInteger("Flag", 0);
    setup.WriteString("Text", "kept");

    TFailingRegistry registry;
    TFailingRegistry::EnforceAccess = true;
    CHECK_FALSE(WriteRegBool(HKEY_CURRENT_USER, TestKey, "Flag", true, false));
    CHECK_FALSE(WriteRegString(HKEY_CURRENT_USER, TestKey, "Text", "replaced", false));
    CHECK(ReadInteger(TestKey, "Flag") == 0);
    CHECK(ReadString(TestKey, "Text") == "kept");

    CHECK(WriteRegBool(HKEY_CURRENT_USER, TestKey, "New", true, false));
    CHECK(WriteRegBool(HKEY_CURRENT_USER, TestKey, "Flag", true, true));
    CHECK(ReadInteger(TestKey, "Flag") == 1);
}

TEST_CASE("enabling the Run entry creates a missing Run key")
{
    const std::string exe = "C:\\Quorvel\\QuorvelRunKeyTest.exe";
    {
        TScratchKey noRunKey(&RunKey[1]);
    }
    REQUIRE_FALSE(RegKeyExists(HKEY_CURRENT_USER, RunKey));
    CHECK(SetRunOnStartup(exe, true));
    CHECK(ReadString(RunKey, "QuorvelRunKeyTest.exe") == exe);
    CHECK(SetRunOnStartup(exe, false));
    CHECK_FALSE(RegValueExists(HKEY_CURRENT_USER, RunKey, "QuorvelRunKeyTest.exe"));
}
