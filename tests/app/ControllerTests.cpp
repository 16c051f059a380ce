#include "tests/app/MeterFixture.h"
#include "tests/support/InjectedFailures.h"
#include "tests/support/MessagePump.h"

#include "framework/Application.h"
#include "framework/Icon.h"
#include "framework/ImageList.h"
#include "framework/MenuItem.h"
#include "framework/PopupMenu.h"
#include "framework/Strings.h"
#include "framework/Timer.h"
#include "theme/NgEngine.h"
#include "tray/VxTrayIcon.h"

#include <doctest/doctest.h>

#include <string>
#include <vector>

TEST_CASE("Gauge index: truncated System / 8.33, clamped to the 13 images")
{
    struct TRange {
        int From, To, Index;
    };
    const TRange table[] = {{-1, 8, 0},   {9, 16, 1},   {17, 24, 2},   {25, 33, 3}, {34, 41, 4},
                            {42, 49, 5},  {50, 58, 6},  {59, 66, 7},   {67, 74, 8}, {75, 83, 9},
                            {84, 91, 10}, {92, 99, 11}, {100, 100, 12}};
    for (const TRange& range : table)
        for (int value = range.From; value <= range.To; ++value) {
            INFO("FreeSystem " << value);
            CHECK(GaugeIndex(value) == range.Index);
        }
    CHECK(GaugeIndex(150) == 12);
    CHECK(GaugeIndex(65535) == 12);
    CHECK(GaugeIndex(-100) == 0);
}

TEST_CASE("The controller's layout")
{
    TMeterFixture f;
    f.CreateForm();
    TfrmQuorvel* form = f.Form;
    CHECK(form->Caption() == "Quorvel");
    CHECK(!form->Visible());

    const char* order[] = {"VxTrayIcon", "tmQuorvel", "tmWarning", "ilIcons", "NgThemeEngine", "pmQuorvel"};
    for (int i = 0; i < 6; ++i)
        CHECK(form->Components(i)->Name() == order[i]);

    CHECK(form->VxTrayIcon->PopupMenu() == form->pmQuorvel);
    CHECK(form->VxTrayIcon->Active());  // switched on by FormCreate
    CHECK(!form->VxTrayIcon->Animated());
    CHECK(form->tmQuorvel->Interval() == 1000);
    CHECK(form->tmWarning->Interval() == 1000);
    CHECK(form->ilIcons->Width() == 16);
    CHECK(form->ilIcons->Height() == 16);
    CHECK(form->ilIcons->Masked());
    CHECK(form->ilIcons->Count() == 13);
    for (int k = 0; k < 13; ++k) {
        TOwned<TIcon> icon = MakeOwned<TIcon>();
        form->ilIcons->GetIcon(k, *icon);
        CHECK(GaugeOfIcon(icon->Handle()) == k);
    }
    CHECK(form->NgThemeEngine->DeltaHue() == 0);
    CHECK(form->NgThemeEngine->Version() == "2.1");
    CHECK(!form->pmQuorvel->AutoPopup());
    CHECK(!form->pmQuorvel->AutoHotkeys());

    TMenuItem* items = form->pmQuorvel->Items();
    const char* captions[] = {
        "System", "User",      "GDI",  "-", "&Details...", "&Warn on low resources", "&Run on windows startup",
        "-",      "&About...", "E&xit"};
    REQUIRE(items->Count() == 10);
    for (int i = 0; i < 10; ++i)
        CHECK(items->Items(i)->Caption() == captions[i]);
    CHECK(form->pmiWarnOnLowResources->AutoCheck());
    CHECK(form->pmiRunOnWindowsStartup->AutoCheck());
    CHECK(!form->pmiDetails->AutoCheck());

    SUBCASE("the design-time icon is the empty gauge")
    {
        // The first call of the shell carries the stored icon.
        REQUIRE(!TShellRecorder::Calls().empty());
        CHECK(TShellRecorder::Calls()[0].Message == NIM_ADD);
        CHECK(TShellRecorder::Calls()[0].Gauge == 0);
        CHECK(TShellRecorder::Calls()[0].Tip().empty());
    }
    SUBCASE("closing frees the form and clears the global")
    {
        form->Close();
        CHECK(frmQuorvel == nullptr);
        // Freed once the queued messages are handled: the icon goes.
        CHECK(PumpUntil([] { return TShellRecorder::Calls().back().Message == NIM_DELETE; }, 5000));
        f.Form = nullptr;
    }
}

TEST_CASE("Start-up fill and sampling through the shell")
{
    TMeterFixture f;
    SUBCASE("System at 50 fills 0 to 6, then the first tick keeps 6 and sends its tooltip")
    {
        TProbeFeed::Set(50, 60, 70);
        f.CreateForm();
        // Add (empty), the fill 0..6, then the tick's tooltip over image 6.
        CHECK(TShellRecorder::Gauges() == std::vector<int>{0, 0, 1, 2, 3, 4, 5, 6, 6});
        CHECK(TMeterFixture::Sleeps == 7);
        CHECK(f.Shell.Last().Tip() == "System: 50%  User: 60%  GDI: 70%");
        CHECK(FreeSystem == 50);
        CHECK(FreeUser == 60);
        CHECK(FreeGDI == 70);
        CHECK(f.Form->tmQuorvel->Enabled());
    }
    SUBCASE("an unavailable probe shows the empty gauge once, and -1 in the tooltip")
    {
        f.CreateForm();
        CHECK(TShellRecorder::Gauges() == std::vector<int>{0, 0, 0});
        CHECK(TMeterFixture::Sleeps == 1);
        CHECK(f.Shell.Last().Tip() == "System: -1%  User: -1%  GDI: -1%");
    }
    SUBCASE("System at 100 fills the whole gauge")
    {
        TProbeFeed::Set(100, 100, 100);
        f.CreateForm();
        CHECK(TMeterFixture::Sleeps == 13);
        CHECK(f.Shell.Last().Gauge == 12);
    }
    SUBCASE("a figure above 100 stays on the full gauge")
    {
        TProbeFeed::Set(150, 1, 2);
        f.CreateForm();
        CHECK(TMeterFixture::Sleeps == 13);
        CHECK(f.Shell.Last().Gauge == 12);
    }
    SUBCASE("each tick samples System, User, GDI and shows them")
    {
        f.CreateForm();
        for (int value : {8, 9, 99, 100, -1}) {
            TProbeFeed::Set(value, 80, 90);
            f.Form->tmQuorvelTimer(nullptr);
            INFO("FreeSystem " << value);
            CHECK(f.Shell.Last().Gauge == GaugeIndex(value));
        }
        TProbeFeed::Set(75, 80, 90);
        f.Form->tmQuorvelTimer(nullptr);
        CHECK(f.Shell.Last().Tip() == "System: 75%  User: 80%  GDI: 90%");
        CHECK(f.Form->VxTrayIcon->Hint() == "System: 75%  User: 80%  GDI: 90%");
    }
    SUBCASE("the timer ticks once a second")
    {
        TProbeFeed::Set(30, 30, 30);
        f.CreateForm();
        TProbeFeed::Set(92, 30, 30);
        CHECK(PumpUntil([] { return FreeSystem == 92; }, 5000));
        CHECK(f.Shell.Last().Gauge == 11);
    }
}

TEST_CASE("A tick sends the shell only what it doesn't show yet, in one call")
{
    TMeterFixture f;
    TProbeFeed::Set(50, 60, 70);
    f.CreateForm();
    f.Shell.Clear();
    HICON gauge = f.Form->VxTrayIcon->Icon()->Handle();

    // The steady meter: nothing reaches the shell.
    f.Form->tmQuorvelTimer(nullptr);
    CHECK(f.Shell.Count() == 0);

    SUBCASE("a new tooltip over the same gauge keeps the image")
    {
        TProbeFeed::Set(51, 60, 70);
        f.Form->tmQuorvelTimer(nullptr);
        REQUIRE(f.Shell.Count() == 1);
        CHECK(f.Shell.Last().Message == NIM_MODIFY);
        CHECK(f.Shell.Last().Data.hIcon == gauge);
        CHECK(f.Shell.Last().Tip() == "System: 51%  User: 60%  GDI: 70%");
    }
    SUBCASE("a new gauge and its tooltip go together")
    {
        TProbeFeed::Set(75, 60, 70);
        f.Form->tmQuorvelTimer(nullptr);
        REQUIRE(f.Shell.Count() == 1);
        CHECK(f.Shell.Last().Gauge == 9);
        CHECK(f.Shell.Last().Tip() == "System: 75%  User: 60%  GDI: 70%");
    }
    SUBCASE("what the shell refused is sent again on the next tick, then no more")
    {
        TShellRecorder::Failures(NIM_MODIFY).Next = 2;
        TProbeFeed::Set(75, 61, 70);
        f.Form->tmQuorvelTimer(nullptr);
        f.Form->tmQuorvelTimer(nullptr);
        CHECK(f.Shell.Count() == 2);
        CHECK_FALSE(f.Form->VxTrayIcon->ShellCurrent());
        f.Form->tmQuorvelTimer(nullptr);
        REQUIRE(f.Shell.Count() == 3);
        CHECK(f.Shell.Last().Succeeded);
        CHECK(f.Shell.Last().Gauge == 9);
        CHECK(f.Shell.Last().Tip() == "System: 75%  User: 61%  GDI: 70%");
        f.Form->tmQuorvelTimer(nullptr);
        CHECK(f.Shell.Count() == 3);
    }
    SUBCASE("an icon lost with the taskbar is added again, and retried each tick until it is")
    {
        // The new taskbar refuses the add, and the modify that would tell
        // an icon still there: the icon is gone.
        TShellRecorder::Failures(NIM_ADD).Next = 2;
        TShellRecorder::Failures(NIM_MODIFY).Next = 1;
        SendMessageA(f.Form->VxTrayIcon->WindowHandle(), TVxTrayIcon::TaskbarCreatedMessage(), 0, 0);
        f.Form->tmQuorvelTimer(nullptr);
        CHECK_FALSE(f.Form->VxTrayIcon->Added());
        f.Form->tmQuorvelTimer(nullptr);
        CHECK(f.Form->VxTrayIcon->Added());
        REQUIRE(f.Shell.Count() == 4);
        CHECK(TShellRecorder::Calls()[2].Message == NIM_ADD);
        CHECK(f.Shell.Last().Message == NIM_ADD);
        CHECK(f.Shell.Last().Gauge == 6);
        CHECK(f.Shell.Last().Tip() == "System: 50%  User: 60%  GDI: 70%");
        f.Form->tmQuorvelTimer(nullptr);
        CHECK(f.Shell.Count() == 4);
    }
}

TEST_CASE("A gauge icon is made once and kept, and in a shortage only the shown one is")
{
    TMeterFixture f;
    TFailingGetIcon fetches;  // fails nothing: counts the icons made
    TProbeFeed::Set(50, 60, 70);
    f.CreateForm();
    CHECK(TFailingGetIcon::Plan().Calls == 7);  // the start-up fill, 0 to 6
    HICON fifty = f.Form->VxTrayIcon->Icon()->Handle();

    TProbeFeed::Set(75, 60, 70);
    f.Form->tmQuorvelTimer(nullptr);
    CHECK(TFailingGetIcon::Plan().Calls == 8);
    TProbeFeed::Set(50, 60, 70);
    f.Form->tmQuorvelTimer(nullptr);
    CHECK(TFailingGetIcon::Plan().Calls == 8);
    CHECK(f.Shell.Last().Data.hIcon == fifty);
    CHECK(f.Shell.Last().Gauge == 6);

    // A shortage: the empty gauge was kept from the fill; then every spare
    // goes, and the shown icon stays whole in the tray.
    TProbeFeed::Set(5, 60, 70);
    f.Form->tmQuorvelTimer(nullptr);
    CHECK(TFailingGetIcon::Plan().Calls == 8);
    ICONINFO info{};
    REQUIRE(GetIconInfo(f.Form->VxTrayIcon->Icon()->Handle(), &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    CHECK_FALSE(GetIconInfo(fifty, &info));
    TProbeFeed::Set(50, 60, 70);
    f.Form->tmQuorvelTimer(nullptr);
    CHECK(TFailingGetIcon::Plan().Calls == 9);
    CHECK(f.Shell.Last().Gauge == 6);
}

TEST_CASE("The popup menu shows the values of the last tick")
{
    TMeterFixture f;
    TProbeFeed::Set(40, 50, 60);
    f.CreateForm();
    f.Form->tmQuorvel->SetEnabled(false);
    TProbeFeed::Set(10, 20, 30);
    int queries = TProbeFeed::Queries;
    OpenTrayMenu(f.Form);
    CHECK(f.Form->pmiSystem->Caption() == "40% System resources free");
    CHECK(f.Form->pmiUser->Caption() == "50% User resources free");
    CHECK(f.Form->pmiGDI->Caption() == "60% GDI resources free");
    CHECK(TProbeFeed::Queries == queries);

    f.Form->tmQuorvelTimer(nullptr);
    OpenTrayMenu(f.Form);
    CHECK(f.Form->pmiSystem->Caption() == "10% System resources free");
    CHECK(f.Form->pmiGDI->Caption() == "30% GDI resources free");
}

namespace {
UINT ChosenCommand = 0;
void CALLBACK ChooseAndClose(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    PostMessageA(TPopupMenu::PopupListWindow(), WM_COMMAND, ChosenCommand, 0);
    EndMenu();
}
}  // namespace

TEST_CASE("Exit chosen from the menu leaves the quit message for the message loop")
{
    TMeterFixture f;
    f.CreateForm();
    ChosenCommand = f.Form->pmiExit->Command();
    SetTimer(nullptr, 0, 30, ChooseAndClose);
    // Opened directly: the tray would run the loop and end the test run.
    f.Form->pmQuorvel->Popup(10, 10);
    MSG message;
    REQUIRE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    CHECK(message.message == WM_QUIT);
    CHECK(message.wParam == 0);
}

namespace {
TfrmQuorvel* NestingForm = nullptr;
int NestedQueries = 0;
// A probe that, on its first query, runs the timer as a loop nested in the
// tick would (an error box's).
int32_t NestingProbe(uint16_t)
{
    if (NestedQueries++ == 0)
        NestingForm->tmQuorvelTimer(nullptr);
    return 42;
}
}  // namespace

TEST_CASE("A tick does not run again from a loop nested in it")
{
    TMeterFixture f;
    f.CreateForm();
    NestingForm = f.Form;
    NestedQueries = 0;
    TScopedOverride<TResourceQuery> probe(ResourceQueryOverride, NestingProbe);
    f.Form->tmQuorvelTimer(nullptr);
    CHECK(NestedQueries == 3);
    CHECK(FreeSystem == 42);
    // The next tick runs as usual.
    f.Form->tmQuorvelTimer(nullptr);
    CHECK(NestedQueries == 6);
}
