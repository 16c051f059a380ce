#include "tests/app/TestSupport.h"

#include "app/lib_Registry.h"
#include "framework/Exceptions.h"
#include "framework/Registry.h"
#include "tests/support/RegistryTree.h"

#include <doctest/doctest.h>

namespace {

const char TestKey[] = "\\Software\\QuorvelTest";
const char TestSettings[] = "\\Software\\QuorvelTest\\Settings";

DWORD ValueType(const std::string& key, const std::string& name)
{
    HKEY opened;
    DWORD type = REG_NONE;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.substr(1).c_str(), 0, KEY_READ, &opened) == ERROR_SUCCESS) {
        RegQueryValueExA(opened, name.c_str(), nullptr, &type, nullptr, nullptr);
        RegCloseKey(opened);
    }
    return type;
}

}  // namespace

TEST_CASE("registry class: paths from the root and from the current key")
{
    TScratchKey scratch(&TestKey[1]);
    TRegistry registry;
    CHECK_FALSE(registry.OpenKey(TestKey, false));
    REQUIRE(registry.OpenKey(TestKey, true));
    CHECK(registry.CurrentPath() == "Software\\QuorvelTest");

    REQUIRE(registry.OpenKey("Sub\\Deeper", true));
    CHECK(registry.CurrentPath() == "Software\\QuorvelTest\\Sub\\Deeper");
    registry.WriteInteger("Level", 3);

    // A leading backslash starts at the root even with a key open.
    REQUIRE(registry.OpenKey(TestKey, false));
    CHECK(registry.KeyExists("Sub\\Deeper"));
    CHECK_FALSE(registry.KeyExists("Deeper"));
    CHECK(registry.KeyExists("\\Software\\QuorvelTest\\Sub"));

    // CreateKey leaves the current key where it was.
    CHECK(registry.CreateKey("Other"));
    CHECK(registry.CurrentPath() == "Software\\QuorvelTest");
    CHECK(registry.KeyExists("Other"));

    registry.CloseKey();
    CHECK(registry.CurrentKey() == nullptr);
    CHECK(ReadInteger("\\Software\\QuorvelTest\\Sub\\Deeper", "Level") == 3);
}

TEST_CASE("registry class: values and their errors")
{
    TScratchKey scratch(&TestKey[1]);
    TRegistry registry;
    REQUIRE(registry.OpenKey(TestKey, true));
    registry.WriteInteger("Number", -5);
    registry.WriteString("Text", "hello");

    CHECK(registry.ValueExists("Number"));
    CHECK_FALSE(registry.ValueExists("Nothing"));
    CHECK(registry.ReadInteger("Number") == -5);
    CHECK(registry.ReadString("Text") == "hello");
    CHECK_THROWS_WITH_AS(registry.ReadInteger("Text"), "Invalid data type for 'Text'", ERegistryException);
    CHECK_THROWS_AS(registry.ReadInteger("Nothing"), ERegistryException);

    CHECK(registry.DeleteValue("Number"));
    CHECK_FALSE(registry.DeleteValue("Number"));
    CHECK_FALSE(registry.ValueExists("Number"));
}

TEST_CASE("registry class: a failed write raises 'Failed to set data for'")
{
    TScratchKey scratch(&TestKey[1]);
    TRegistry registry;
    REQUIRE(registry.OpenKey(TestKey, true));
    registry.WriteInteger("AlwaysOnTop", 0);
    // Windows 9x (and Wine reporting it) ignore access masks, so a key
    // opened for reading would still take the write; a key deleted while
    // it is open refuses it.
    DeleteKeyTree(HKEY_CURRENT_USER, &TestKey[1]);
    CHECK_THROWS_WITH_AS(registry.WriteInteger("AlwaysOnTop", 1), "Failed to set data for 'AlwaysOnTop'",
                         ERegistryException);
    CHECK_THROWS_WITH_AS(registry.WriteString("Name", "x"), "Failed to set data for 'Name'", ERegistryException);
    // And so does a registry object with no key open.
    TRegistry closed;
    CHECK_THROWS_AS(closed.WriteInteger("Value", 1), ERegistryException);
}

TEST_CASE("settings operations: keys")
{
    TScratchKey scratch(&TestKey[1]);
    CHECK_FALSE(RegKeyExists(HKEY_CURRENT_USER, TestSettings));
    // Created with its missing parent, and only the first time.
    CHECK(CreateRegKey(HKEY_CURRENT_USER, TestSettings));
    CHECK(RegKeyExists(HKEY_CURRENT_USER, TestSettings));
    CHECK_FALSE(CreateRegKey(HKEY_CURRENT_USER, TestSettings));

    // A registry error while creating is a failure, not an exception.
    CHECK_FALSE(CreateRegKey(reinterpret_cast<HKEY>(0x1234), TestSettings));
}

TEST_CASE("settings operations: booleans")
{
    TScratchKey scratch(&TestKey[1]);

    SUBCASE("nothing is read or written without the key, and the key is not made")
    {
        CHECK_FALSE(ReadRegBool(HKEY_CURRENT_USER, TestSettings, "WarnOnLowResources"));
        CHECK_FALSE(WriteRegBool(HKEY_CURRENT_USER, TestSettings, "WarnOnLowResources", true, true));
        CHECK_FALSE(RegValueExists(HKEY_CURRENT_USER, TestSettings, "WarnOnLowResources"));
        CHECK_FALSE(RegKeyExists(HKEY_CURRENT_USER, TestSettings));
        CHECK_FALSE(DeleteRegValue(HKEY_CURRENT_USER, TestSettings, "WarnOnLowResources"));
    }

    REQUIRE(CreateRegKey(HKEY_CURRENT_USER, TestSettings));

    SUBCASE("written as the integers 1 and 0")
    {
        CHECK(WriteRegBool(HKEY_CURRENT_USER, TestSettings, "WarnOnLowResources", true, false));
        CHECK(WriteRegBool(HKEY_CURRENT_USER, TestSettings, "AlwaysOnTop", false, false));
        CHECK(ValueType(TestSettings, "WarnOnLowResources") == REG_DWORD);
        CHECK(ReadInteger(TestSettings, "WarnOnLowResources") == 1);
        CHECK(ReadInteger(TestSettings, "AlwaysOnTop") == 0);
        CHECK(ReadRegBool(HKEY_CURRENT_USER, TestSettings, "WarnOnLowResources"));
        CHECK_FALSE(ReadRegBool(HKEY_CURRENT_USER, TestSettings, "AlwaysOnTop"));
    }
    SUBCASE("an existing value is kept unless overwrite is on")
    {
        REQUIRE(WriteRegBool(HKEY_CURRENT_USER, TestSettings, "WarnOnLowResources", false, true));
        CHECK_FALSE(WriteRegBool(HKEY_CURRENT_USER, TestSettings, "WarnOnLowResources", true, false));
        CHECK(ReadInteger(TestSettings, "WarnOnLowResources") == 0);
        CHECK(WriteRegBool(HKEY_CURRENT_USER, TestSettings, "WarnOnLowResources", true, true));
        CHECK(ReadInteger(TestSettings, "WarnOnLowResources") == 1);
    }
    SUBCASE("any integer but 0 reads as true; another type reads as false")
    {
        {
            TRegistry registry;
            REQUIRE(registry.OpenKey(TestSettings, false));
            registry.WriteInteger("Five", 5);
            registry.WriteString("WarnOnLowResources", "1");
        }
        CHECK(ReadRegBool(HKEY_CURRENT_USER, TestSettings, "Five"));
        CHECK(RegValueExists(HKEY_CURRENT_USER, TestSettings, "WarnOnLowResources"));
        CHECK_FALSE(ReadRegBool(HKEY_CURRENT_USER, TestSettings, "WarnOnLowResources"));
        // Present, so a write without overwrite leaves the string alone.
        CHECK_FALSE(WriteRegBool(HKEY_CURRENT_USER, TestSettings, "WarnOnLowResources", true, false));
        CHECK(ValueType(TestSettings, "WarnOnLowResources") == REG_SZ);
    }
    SUBCASE("deleting a value")
    {
        REQUIRE(WriteRegBool(HKEY_CURRENT_USER, TestSettings, "AlwaysOnTop", true, true));
        CHECK(DeleteRegValue(HKEY_CURRENT_USER, TestSettings, "AlwaysOnTop"));
        CHECK_FALSE(RegValueExists(HKEY_CURRENT_USER, TestSettings, "AlwaysOnTop"));
        CHECK_FALSE(DeleteRegValue(HKEY_CURRENT_USER, TestSettings, "AlwaysOnTop"));
    }
    SUBCASE("strings")
    {
        CHECK(WriteRegString(HKEY_CURRENT_USER, TestSettings, "Path", "C:\\Q.exe", false));
        CHECK(ValueType(TestSettings, "Path") == REG_SZ);
        CHECK_FALSE(WriteRegString(HKEY_CURRENT_USER, TestSettings, "Path", "D:\\Q.exe", false));
        CHECK(ReadString(TestSettings, "Path") == "C:\\Q.exe");
        CHECK(WriteRegString(HKEY_CURRENT_USER, TestSettings, "Path", "D:\\Q.exe", true));
        CHECK(ReadString(TestSettings, "Path") == "D:\\Q.exe");
    }
}

TEST_CASE("the Run entry: named after the file, its path quoted when it has spaces")
{
    const std::string name = "QuorvelRunTest.exe";
    const std::string spaced = "C:\\Program Files\\Quorvel Test\\" + name;
    struct TRemoveEntry {
        std::string name;
        ~TRemoveEntry() { DeleteRegValue(HKEY_CURRENT_USER, RunKey, name); }
    } cleanUp{name};
    DeleteRegValue(HKEY_CURRENT_USER, RunKey, name);

    CHECK(RunCommandLine(spaced) == "\"" + spaced + "\"");
    CHECK(RunCommandLine("C:\\QUORVEL\\Q.EXE") == "C:\\QUORVEL\\Q.EXE");
    CHECK(RunCommandLine("\"" + spaced + "\"") == "\"" + spaced + "\"");

    // Disabling an entry that is not there changes nothing.
    CHECK_FALSE(SetRunOnStartup(spaced, false));

    CHECK(SetRunOnStartup(spaced, true));
    CHECK(RegValueExists(HKEY_CURRENT_USER, RunKey, name));
    CHECK(ReadString(RunKey, name) == "\"" + spaced + "\"");

    // Moved: the same entry now holds the new path.
    CHECK(SetRunOnStartup("C:\\QUORVEL\\" + name, true));
    CHECK(ReadString(RunKey, name) == "C:\\QUORVEL\\" + name);

    // An entry for another file name is a different entry.
    CHECK_FALSE(RegValueExists(HKEY_CURRENT_USER, RunKey, "Other" + name));

    CHECK(SetRunOnStartup(spaced, false));
    CHECK_FALSE(RegValueExists(HKEY_CURRENT_USER, RunKey, name));
}
