#include "tests/app/MeterFixture.h"
#include "tests/support/InjectedFailures.h"
#include "tests/support/MessagePump.h"

#include "app/lib_Registry.h"
#include "framework/MenuItem.h"
#include "framework/PopupMenu.h"
#include "framework/Timer.h"
#include "tray/VxTrayIcon.h"

#include <doctest/doctest.h>

namespace {

const char Warn[] = "WarnOnLowResources";
const char OnTop[] = "AlwaysOnTop";

DWORD Dword(const std::string& key, const char* name)
{
    DWORD value = 0xDEAD;
    ReadDword(key, name, value);
    return value;
}

std::string String(const std::string& key, const char* name)
{
    std::string value = "<missing>";
    ReadString(key, name, value);
    return value;
}

}  // namespace

TEST_CASE("Settings at start")
{
    TMeterFixture f;
    std::string settings = SettingsPath();

    SUBCASE("first run writes the defaults and warns")
    {
        f.CreateForm();
        CHECK(ValueType(settings, Warn) == REG_DWORD);
        CHECK(Dword(settings, Warn) == 1);
        CHECK(ValueType(settings, OnTop) == REG_DWORD);
        CHECK(Dword(settings, OnTop) == 0);
        CHECK(f.Form->pmiWarnOnLowResources->Checked());
        CHECK(f.Form->tmWarning->Enabled());
        CHECK(!f.Form->pmiRunOnWindowsStartup->Checked());
        CHECK(ValueType(RunPath(), TestRunName) == REG_NONE);
    }
    SUBCASE("a key without AlwaysOnTop gets only that value")
    {
        WriteDword(settings, Warn, 0);
        f.CreateForm();
        CHECK(Dword(settings, Warn) == 0);
        CHECK(Dword(settings, OnTop) == 0);
        CHECK(!f.Form->pmiWarnOnLowResources->Checked());
        CHECK(!f.Form->tmWarning->Enabled());
    }
    SUBCASE("a string WarnOnLowResources reads false and is left alone")
    {
        WriteString(settings, Warn, "1");
        f.CreateForm();
        CHECK(!f.Form->pmiWarnOnLowResources->Checked());
        CHECK(String(settings, Warn) == "1");
        CHECK(Dword(settings, OnTop) == 0);
    }
    SUBCASE("a present Run entry is rewritten with the current, quoted path")
    {
        WriteString(RunPath(), TestRunName, "C:\\Old\\Quorvel.exe");
        f.CreateForm();
        CHECK(f.Form->pmiRunOnWindowsStartup->Checked());
        CHECK(String(RunPath(), TestRunName) == std::string("\"") + TestExePath + "\"");
    }
    SUBCASE("an entry for another file name is not seen")
    {
        WriteString(RunPath(), "Other.exe", "C:\\Other.exe");
        f.CreateForm();
        CHECK(!f.Form->pmiRunOnWindowsStartup->Checked());
        CHECK(ValueType(RunPath(), TestRunName) == REG_NONE);
        CHECK(String(RunPath(), "Other.exe") == "C:\\Other.exe");
        DeleteValue(RunPath(), "Other.exe");
    }
}

TEST_CASE("The two switches write the registry")
{
    TMeterFixture f;
    f.CreateForm();
    std::string settings = SettingsPath();

    SUBCASE("Run on windows startup adds and removes the entry")
    {
        f.Form->pmiRunOnWindowsStartup->Click();
        CHECK(f.Form->pmiRunOnWindowsStartup->Checked());
        CHECK(String(RunPath(), TestRunName) == std::string("\"") + TestExePath + "\"");
        f.Form->pmiRunOnWindowsStartup->Click();
        CHECK(!f.Form->pmiRunOnWindowsStartup->Checked());
        CHECK(ValueType(RunPath(), TestRunName) == REG_NONE);
    }
    SUBCASE("a delete that fails leaves the entry and its mark, and reports nothing")
    {
        f.Form->pmiRunOnWindowsStartup->Click();
        REQUIRE(ValueType(RunPath(), TestRunName) == REG_SZ);
        TFailingRegistry registry;
        TFailingRegistry::Deletes().Always = true;
        // As the menu delivers a chosen item: an error would reach the box.
        PostMessageA(TPopupMenu::PopupListWindow(), WM_COMMAND, f.Form->pmiRunOnWindowsStartup->Command(), 0);
        PumpFor(200);
        CHECK(TFailingRegistry::Deletes().Failures == 1);
        CHECK(ValueType(RunPath(), TestRunName) == REG_SZ);
        CHECK(f.Form->pmiRunOnWindowsStartup->Checked());
        CHECK(TBoxRecorder::Boxes().empty());
    }
    SUBCASE("Warn on low resources writes its state, creating the key if needed")
    {
        f.Form->pmiWarnOnLowResources->Click();
        CHECK(Dword(settings, Warn) == 0);
        DeleteKeyTree(HKEY_CURRENT_USER, settings);
        f.Form->pmiWarnOnLowResources->Click();
        CHECK(Dword(settings, Warn) == 1);
        CHECK(ValueType(settings, OnTop) == REG_NONE);
    }
}

TEST_CASE("A failed registry write reaches the error box and the meter carries on")
{
    TMeterFixture f;
    std::string settings = SettingsPath();
    WriteDword(settings, OnTop, 0);  // WarnOnLowResources is missing
    REQUIRE(SetKeyWritable(settings, false));
    TProbeFeed::Set(60, 70, 80);
    f.CreateForm();
    SetKeyWritable(settings, true);  // so that the fixture can delete it

    REQUIRE(TBoxRecorder::Boxes().size() == 1);
    CHECK(TBoxRecorder::Boxes()[0].Text == "Failed to set data for 'WarnOnLowResources'");
    CHECK((TBoxRecorder::Boxes()[0].Flags & MB_ICONSTOP) == MB_ICONSTOP);
    // The start went on: the tray shows the level and the timer runs.
    CHECK(f.Form->VxTrayIcon->Active());
    CHECK(f.Form->tmQuorvel->Enabled());
    CHECK(f.Shell.Last().Gauge == 7);
    CHECK(f.Shell.Last().Tip() == "System: 60%  User: 70%  GDI: 80%");

    SUBCASE("a switch whose write fails reports it from the menu and the program goes on")
    {
        REQUIRE(SetKeyWritable(settings, false));
        // As the menu delivers a chosen item.
        PostMessageA(TPopupMenu::PopupListWindow(), WM_COMMAND, f.Form->pmiWarnOnLowResources->Command(), 0);
        CHECK(PumpUntil([] { return TBoxRecorder::Boxes().size() == 2; }, 5000));
        SetKeyWritable(settings, true);
        CHECK(TBoxRecorder::Boxes().back().Text == "Failed to set data for 'WarnOnLowResources'");
        TProbeFeed::Set(92, 1, 1);
        CHECK(PumpUntil([] { return FreeSystem == 92; }, 5000));
    }
}
