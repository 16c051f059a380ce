#include "tests/app/ExitFixture.h"
#include "tests/app/MeterFixture.h"
#include "tests/support/InjectedFailures.h"
#include "tests/support/MessagePump.h"

#include "app/lib_Registry.h"
#include "framework/Application.h"
#include "framework/MenuItem.h"
#include "framework/PopupMenu.h"
#include "framework/Timer.h"
#include "tray/VxTrayIcon.h"

#include <doctest/doctest.h>

namespace {

// One sampling tick and one warning tick with these figures.
void Tick(TfrmQuorvel* form, int32_t system, int32_t user, int32_t gdi)
{
    TProbeFeed::Set(system, user, gdi);
    form->tmQuorvelTimer(nullptr);
    form->tmWarningTimer(nullptr);
}

// A menu item chosen as the menu delivers it, outside any menu: its
// handler's errors reach the error box the way a real choice's do.
void Deliver(TMenuItem* item)
{
    PostMessageA(TPopupMenu::PopupListWindow(), WM_COMMAND, item->Command(), 0);
    PumpUntil([] { return false; }, 200);
}

}  // namespace

TEST_CASE("Ticks failing inside the error box open no box inside it")
{
    TMeterFixture f;
    TProbeFeed::Set(50, 50, 50);
    f.CreateForm();
    f.Form->tmWarning->SetEnabled(false);
    TFailingGetIcon failing;
    TFailingGetIcon::Plan().Always = true;
    // A new gauge, which every tick tries to load again.
    TProbeFeed::Set(75, 50, 50);
    bool ticksInBox = false;
    int rounds = 0;
    // The sampling timer keeps firing in the box's loop: three ticks.
    TBoxRecorder::WhileOpen() = [&] {
        if (rounds++ > 0)
            return;
        int queries = TProbeFeed::Queries;
        ticksInBox = PumpUntil([&] { return TProbeFeed::Queries >= queries + 9; }, 10000);
    };
    f.Form->tmQuorvel->SetInterval(20);
    CHECK(PumpUntil([] { return TBoxRecorder::Boxes().size() >= 2; }, 10000));
    f.Form->tmQuorvel->SetEnabled(false);

    CHECK(ticksInBox);
    CHECK(TBoxRecorder::MostErrorBoxesOpen() == 1);
    CHECK(TBoxRecorder::Boxes()[0].Text == "Out of system resources");
    CHECK(TBoxRecorder::Boxes()[1].Text == "Out of system resources");
}

TEST_CASE("A warning box that could not be shown is tried again on the next tick")
{
    TMeterFixture f;
    TProbeFeed::Set(50, 50, 50);
    f.CreateForm();
    f.Form->tmQuorvel->SetEnabled(false);
    f.Form->tmWarning->SetEnabled(false);
    TBoxRecorder::Failures().Next = 1;

    Tick(f.Form, 5, 50, 50);
    CHECK(TBoxRecorder::Boxes().empty());
    CHECK_FALSE(WarningShown);
    Tick(f.Form, 5, 50, 50);
    CHECK(TBoxRecorder::Boxes().size() == 1);
    CHECK(WarningShown);
    Tick(f.Form, 5, 50, 50);
    CHECK(TBoxRecorder::Boxes().size() == 1);
}

TEST_CASE("Without a timer to start, the controller still starts and samples once one is free")
{
    TMeterFixture f;
    TFailingSetTimer failing;
    // The details window's hover timer starts first, and gets its timer.
    TFailingSetTimer::Plan().Skip = 1;
    TFailingSetTimer::Plan().Next = 1;
    TProbeFeed::Set(50, 60, 70);
    f.CreateForm();

    REQUIRE(TBoxRecorder::Boxes().size() == 1);
    CHECK(TBoxRecorder::Boxes()[0].Text == "Not enough timers available");
    CHECK_FALSE(f.Form->tmQuorvel->Enabled());
    // Every later step ran: the warning timer, the fill, the first tick.
    CHECK(f.Form->tmWarning->Enabled());
    CHECK(TMeterFixture::Sleeps == 7);
    CHECK(FreeSystem == 50);
    CHECK(f.Shell.Last().Tip() == "System: 50%  User: 60%  GDI: 70%");

    Application->ProcessMessages();
    CHECK(f.Form->tmQuorvel->Enabled());
    TProbeFeed::Set(92, 60, 70);
    CHECK(PumpUntil([] { return FreeSystem == 92; }, 5000));
    CHECK(TBoxRecorder::Boxes().size() == 1);
}

TEST_CASE("An icon the shell refused at start is added by a later tick")
{
    TMeterFixture f;
    TShellRecorder::Failures(NIM_ADD).Always = true;
    TProbeFeed::Set(50, 60, 70);
    f.CreateForm();
    f.Form->tmQuorvel->SetEnabled(false);
    f.Form->tmWarning->SetEnabled(false);
    CHECK(f.Form->VxTrayIcon->Active());
    CHECK_FALSE(f.Form->VxTrayIcon->Added());

    // Each tick tries again while the shell keeps refusing.
    size_t calls = f.Shell.Count();
    f.Form->tmQuorvelTimer(nullptr);
    CHECK(f.Shell.Count() > calls);
    CHECK(f.Shell.Last().Message == NIM_ADD);

    TShellRecorder::Failures(NIM_ADD).Always = false;
    f.Form->tmQuorvelTimer(nullptr);
    CHECK(f.Form->VxTrayIcon->Added());
    CHECK(TShellRecorder::InTray());
    CHECK(f.Shell.Last().Tip() == "System: 50%  User: 60%  GDI: 70%");
    // The shell has it all now: the next tick sends nothing.
    calls = f.Shell.Count();
    f.Form->tmQuorvelTimer(nullptr);
    CHECK(f.Shell.Count() == calls);
}

TEST_CASE("After a failed registry write both switches show what the registry holds")
{
    TMeterFixture f;
    f.CreateForm();
    TFailingRegistry registry;
    TFailurePlan& writes = TFailingRegistry::Writes();

    SUBCASE("Run on windows startup: the entry was not written, the mark stays off")
    {
        writes.Always = true;
        Deliver(f.Form->pmiRunOnWindowsStartup);
        REQUIRE(TBoxRecorder::Boxes().size() == 1);
        CHECK(TBoxRecorder::Boxes()[0].Text == std::string("Failed to set data for '") + TestRunName + "'");
        CHECK_FALSE(f.Form->pmiRunOnWindowsStartup->Checked());
        CHECK_FALSE(RegValueExists(HKEY_CURRENT_USER, RunKey, TestRunName));
    }
    SUBCASE("Warn on low resources: the stored warning stays on, and so does its timer")
    {
        REQUIRE(f.Form->pmiWarnOnLowResources->Checked());
        writes.Always = true;
        Deliver(f.Form->pmiWarnOnLowResources);
        REQUIRE(TBoxRecorder::Boxes().size() == 1);
        CHECK(TBoxRecorder::Boxes()[0].Text == "Failed to set data for 'WarnOnLowResources'");
        CHECK(f.Form->pmiWarnOnLowResources->Checked());
        CHECK(f.Form->tmWarning->Enabled());
    }
    SUBCASE("a write that works still turns the switch")
    {
        Deliver(f.Form->pmiRunOnWindowsStartup);
        CHECK(f.Form->pmiRunOnWindowsStartup->Checked());
        Deliver(f.Form->pmiWarnOnLowResources);
        CHECK_FALSE(f.Form->pmiWarnOnLowResources->Checked());
        CHECK_FALSE(f.Form->tmWarning->Enabled());
        CHECK(TBoxRecorder::Boxes().empty());
    }
}

TEST_CASE("Exit chosen from the tray menu ends the message loop with code 0")
{
    TExitFixture f;
    f.RightClickAfter(30);
    Application->Run();
    CHECK_FALSE(TExitFixture::GaveUp);
    CHECK(Application->Terminated());
    CHECK(Application->ExitCode() == 0);
}

TEST_CASE("Exit chosen while a box is open ends the box's loop and then the program's")
{
    TExitFixture f;
    f.RightClickAfter(100);
    // A real box, whose own loop ends when it takes the quit message.
    TScopedOverride<TApplication::TMessageBoxFunction> realBox(Application->MessageBoxFunction, ::MessageBoxA);
    Application->MessageBox("Choose Exit from the tray menu", TExitFixture::BoxCaption, MB_OK);
    CHECK_FALSE(TExitFixture::GaveUp);
    MSG quit;
    REQUIRE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    CHECK(quit.wParam == 0);
    Application->Run();
    CHECK(Application->ExitCode() == 0);
    CHECK_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}
