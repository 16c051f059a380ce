#include "tests/support/BoxRecorder.h"
#include "tests/support/MessagePump.h"
#include "tests/tray/ShellRecorder.h"

#include "framework/Application.h"
#include "framework/Icon.h"
#include "framework/ImageList.h"
#include "framework/MenuItem.h"
#include "framework/PopupMenu.h"
#include "framework/Timer.h"
#include "resources/resource.h"
#include "tray/VxTrayIcon.h"

#include <doctest/doctest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct TTrayEvents {
    std::vector<std::string> Log;
    TMouseButton Button = mbLeft;
    TShiftState Shift;
    bool Throw = false;

    void Click(TObject*, TMouseButton button, TShiftState shift, int, int)
    {
        Button = button;
        Shift = shift;
        Log.push_back(button == mbLeft ? "click-left" : button == mbRight ? "click-right" : "click-middle");
        if (Throw)
            throw std::runtime_error("handler failed");
    }
    void DblClick(TObject*) { Log.push_back("dblclick"); }
    void MouseMove(TObject*, TShiftState, int, int) { Log.push_back("move"); }
    void Popup(TObject*)
    {
        Log.push_back("popup");
        // The menu's own loop runs until this closes it.
        CloseMenuAfter(50);
    }
};

struct TTrayFixture {
    TShellRecorder Shell;
    TTrayEvents Events;
    TVxTrayIcon* Tray = Create<TVxTrayIcon>(nullptr);

    TTrayFixture()
    {
        Tray->OnClick = TMouseEvent::Bind<&TTrayEvents::Click>(&Events);
        Tray->OnDblClick = TNotifyEvent::Bind<&TTrayEvents::DblClick>(&Events);
        Tray->OnMouseMove = TMouseMoveEvent::Bind<&TTrayEvents::MouseMove>(&Events);
    }
    ~TTrayFixture() { FreeAndNil(Tray); }

    void Mouse(UINT mouseMessage) { SendMessageA(Tray->WindowHandle(), TrayCallbackMessage, 0, mouseMessage); }
};

}  // namespace

TEST_CASE("The tray icon adds, updates and removes one 88-byte record")
{
    TTrayFixture f;
    f.Tray->Icon()->SetHandle(LoadGauge());
    f.Tray->SetHint("Quorvel");
    CHECK(f.Shell.Count() == 0);  // inactive: nothing reaches the shell

    f.Tray->SetActive(true);
    REQUIRE(f.Shell.Count() == 1);
    const TShellCall& add = f.Shell.Last();
    CHECK(add.Message == NIM_ADD);
    CHECK(add.Data.cbSize == 88);
    CHECK(add.Data.hWnd == f.Tray->WindowHandle());
    CHECK(add.Data.uID == 0);
    CHECK(add.Data.uFlags == (NIF_MESSAGE | NIF_ICON | NIF_TIP));
    CHECK(add.Data.uCallbackMessage == 2024);
    CHECK(add.Data.hIcon == f.Tray->Icon()->Handle());
    CHECK(add.Tip() == "Quorvel");

    SUBCASE("a new image reaches the tray at once")
    {
        f.Tray->Icon()->SetHandle(LoadGauge());
        REQUIRE(f.Shell.Count() == 2);
        CHECK(f.Shell.Last().Message == NIM_MODIFY);
        CHECK(f.Shell.Last().Data.hIcon == f.Tray->Icon()->Handle());
        CHECK(f.Shell.Last().Data.uFlags == (NIF_MESSAGE | NIF_ICON | NIF_TIP));
    }
    SUBCASE("the hint becomes the tooltip up to the first bar, at most 63 characters")
    {
        f.Tray->SetHint("Short|Long description");
        CHECK(f.Shell.Last().Message == NIM_MODIFY);
        CHECK(f.Shell.Last().Tip() == "Short");
        std::string longHint(70, 'x');
        longHint[62] = 'E';
        f.Tray->SetHint(longHint);
        CHECK(f.Shell.Last().Tip() == std::string(62, 'x') + "E");
        CHECK(f.Tray->Hint() == longHint);
        f.Tray->SetHint("");
        CHECK(f.Shell.Last().Tip().empty());
    }
    SUBCASE("a tip the shell shows already is not sent again, unless it was refused")
    {
        f.Tray->SetHint("Quorvel|other details");
        CHECK(f.Shell.Count() == 1);
        TShellRecorder::Failures(NIM_MODIFY).Next = 1;
        f.Tray->SetHint("New");
        CHECK_FALSE(f.Tray->ShellCurrent());
        f.Tray->SetHint("New");
        CHECK(f.Shell.Count() == 3);
        CHECK(f.Tray->ShellCurrent());
        f.Tray->SetHint("New");
        CHECK(f.Shell.Count() == 3);
    }
    SUBCASE("between BeginUpdate and EndUpdate the changes wait, then go in one call")
    {
        f.Tray->BeginUpdate();
        f.Tray->Icon()->SetHandle(LoadGauge());
        f.Tray->SetHint("Both");
        CHECK(f.Shell.Count() == 1);
        f.Tray->EndUpdate();
        REQUIRE(f.Shell.Count() == 2);
        CHECK(f.Shell.Last().Message == NIM_MODIFY);
        CHECK(f.Shell.Last().Data.hIcon == f.Tray->Icon()->Handle());
        CHECK(f.Shell.Last().Tip() == "Both");
        f.Tray->BeginUpdate();
        f.Tray->SetHint("Both");
        f.Tray->EndUpdate();
        CHECK(f.Shell.Count() == 2);
    }
    SUBCASE("activating again adds again; deactivating deletes")
    {
        f.Tray->SetActive(true);
        CHECK(f.Shell.Last().Message == NIM_ADD);
        f.Tray->SetActive(false);
        CHECK(f.Shell.Last().Message == NIM_DELETE);
        CHECK(f.Shell.Last().Data.hWnd == f.Tray->WindowHandle());
        size_t count = f.Shell.Count();
        f.Tray->SetHint("hidden");
        f.Tray->Icon()->SetHandle(LoadGauge());
        CHECK(f.Shell.Count() == count);  // inactive: no modify
    }
    SUBCASE("freeing the component removes the icon")
    {
        FreeAndNil(f.Tray);
        CHECK(f.Shell.Last().Message == NIM_DELETE);
    }
}

TEST_CASE("Activating with an empty icon shows a copy of the application's icon")
{
    TTrayFixture f;
    REQUIRE(f.Tray->Icon()->Empty());
    f.Tray->SetActive(true);
    REQUIRE(f.Shell.Count() == 1);  // the copy raises no modify of its own
    CHECK(!f.Tray->Icon()->Empty());
    CHECK(f.Shell.Last().Data.hIcon == f.Tray->Icon()->Handle());
    CHECK(f.Tray->Icon()->Handle() != Application->Icon());  // a copy, owned
}

TEST_CASE("Hint splitting")
{
    CHECK(TrayTipText("a|b|c") == "a");
    CHECK(TrayTipText("|b") == "");
    CHECK(TrayTipText("plain") == "plain");
    CHECK(TrayTipText(std::string(64, 'y')).size() == 63);
    CHECK(TrayTipText(std::string(70, 'y') + "|z").size() == 63);
}

TEST_CASE("Mouse notifications become events in the shell's order")
{
    TTrayFixture f;
    SUBCASE("a double-click: click, double-click, click")
    {
        f.Mouse(WM_LBUTTONDOWN);
        f.Mouse(WM_LBUTTONUP);
        f.Mouse(WM_LBUTTONDBLCLK);
        f.Mouse(WM_LBUTTONUP);
        CHECK(f.Events.Log == std::vector<std::string>{"click-left", "dblclick", "click-left"});
        CHECK(f.Events.Shift.Contains(ssLeft));
        CHECK(!f.Events.Shift.Contains(ssRight));
    }
    SUBCASE("button-down messages and right or middle double-clicks raise nothing")
    {
        for (UINT message :
             {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK, WM_CONTEXTMENU})
            f.Mouse(message);
        CHECK(f.Events.Log.empty());
    }
    SUBCASE("mouse move and middle release")
    {
        f.Mouse(WM_MOUSEMOVE);
        f.Mouse(WM_MBUTTONUP);
        CHECK(f.Events.Log == std::vector<std::string>{"move", "click-middle"});
        CHECK(f.Events.Button == mbMiddle);
        CHECK(f.Events.Shift.Contains(ssMiddle));
    }
    SUBCASE("a right release without a popup menu is a click")
    {
        f.Mouse(WM_RBUTTONUP);
        CHECK(f.Events.Log == std::vector<std::string>{"click-right"});
        CHECK(f.Events.Button == mbRight);
        CHECK(f.Events.Shift.Contains(ssRight));
        CHECK(!f.Events.Shift.Contains(ssLeft));
    }
    SUBCASE("a right release with a popup menu opens it and raises no click")
    {
        TPopupMenu* menu = Create<TPopupMenu>(nullptr);
        TMenuItem* item = Create<TMenuItem>(menu);
        item->SetCaption("Item");
        menu->Items()->Add(item);
        menu->OnPopup = TNotifyEvent::Bind<&TTrayEvents::Popup>(&f.Events);
        f.Tray->SetPopupMenu(menu);
        f.Mouse(WM_RBUTTONUP);
        CHECK(f.Events.Log == std::vector<std::string>{"popup"});
        // The tray forgets a menu that goes away.
        FreeAndNil(menu);
        CHECK(f.Tray->PopupMenu() == nullptr);
        f.Mouse(WM_RBUTTONUP);
        CHECK(f.Events.Log.back() == "click-right");
    }
    SUBCASE("an exception in a handler goes to the application's report")
    {
        TBoxRecorder boxes;
        f.Events.Throw = true;
        f.Mouse(WM_LBUTTONUP);
        REQUIRE(TBoxRecorder::Boxes().size() == 1);
        CHECK(TBoxRecorder::Boxes()[0].Text == "handler failed");
        // The window still works afterwards.
        f.Events.Throw = false;
        f.Mouse(WM_LBUTTONUP);
        CHECK(f.Events.Log.size() == 2);
    }
}

TEST_CASE("TaskbarCreated re-adds the icon only while active")
{
    TTrayFixture f;
    UINT taskbarCreated = TVxTrayIcon::TaskbarCreatedMessage();
    CHECK(taskbarCreated == RegisterWindowMessageA("TaskbarCreated"));
    // Inactive, the icon stays away: nothing is added.
    SendMessageA(f.Tray->WindowHandle(), taskbarCreated, 0, 0);
    for (const TShellCall& call : TShellRecorder::Calls())
        CHECK(call.Message != NIM_ADD);

    f.Tray->SetHint("System: 1%|more");
    f.Tray->SetActive(true);
    f.Tray->Icon()->SetHandle(LoadGauge());
    f.Shell.Clear();
    SendMessageA(f.Tray->WindowHandle(), taskbarCreated, 0, 0);
    REQUIRE(f.Shell.Count() == 1);
    CHECK(f.Shell.Last().Message == NIM_ADD);
    CHECK(f.Shell.Last().Data.hIcon == f.Tray->Icon()->Handle());
    CHECK(f.Shell.Last().Tip() == "System: 1%");

    f.Tray->SetActive(false);
    f.Shell.Clear();
    SendMessageA(f.Tray->WindowHandle(), taskbarCreated, 0, 0);
    for (const TShellCall& call : TShellRecorder::Calls())
        CHECK(call.Message != NIM_ADD);
}

TEST_CASE("Animation")
{
    TTrayFixture f;
    f.Tray->Icon()->SetHandle(LoadGauge());
    f.Tray->SetActive(true);
    f.Tray->SetDelay(20);
    f.Shell.Clear();

    SUBCASE("without a list the timer runs and nothing changes")
    {
        f.Tray->SetAnimated(true);
        REQUIRE(f.Tray->AnimationTimer() != nullptr);
        CHECK(f.Tray->AnimationTimer()->Running());
        CHECK(f.Tray->AnimationTimer()->Interval() == 20);
        PumpFor(200);
        CHECK(f.Shell.Count() == 0);
    }
    SUBCASE("with a list it cycles; Icon changes meanwhile don't touch the tray")
    {
        TImageList* list = Create<TImageList>(nullptr);
        list->SetResourceName(RESOURCE_NAME(RES_GAUGES));
        list->SetMaskColor(clFuchsia);
        REQUIRE(list->Count() == 13);
        f.Tray->SetAnimationList(list);
        f.Tray->SetAnimated(true);
        f.Tray->SetDelay(10);
        CHECK(f.Tray->AnimationTimer()->Interval() == 10);
        CHECK(PumpUntil([&] { return f.Shell.Count() >= 14; }));
        for (const TShellCall& call : TShellRecorder::Calls())
            CHECK(call.Message == NIM_MODIFY);

        f.Tray->SetAnimated(false);
        CHECK(f.Tray->AnimationTimer() == nullptr);
        size_t count = f.Shell.Count();
        PumpFor(100);
        // Turning it off put the static icon back, and nothing followed.
        CHECK(f.Shell.Count() == count);
        CHECK(f.Shell.Last().Data.hIcon == f.Tray->Icon()->Handle());

        f.Tray->SetAnimated(true);
        count = f.Shell.Count();
        f.Tray->Icon()->SetHandle(LoadGauge());
        PumpFor(0);
        for (size_t i = count; i < f.Shell.Count(); ++i)
            CHECK(TShellRecorder::Calls()[i].Data.hIcon != f.Tray->Icon()->Handle());
        f.Tray->SetAnimated(false);
        CHECK(f.Shell.Last().Data.hIcon == f.Tray->Icon()->Handle());
        FreeAndNil(list);
        CHECK(f.Tray->AnimationList() == nullptr);
    }
}

TEST_CASE("In design mode the setters only store their values")
{
    TTrayFixture f;
    f.Tray->SetDesigning(true);
    f.Tray->SetActive(true);
    f.Tray->SetHint("design");
    f.Tray->SetAnimated(true);
    f.Tray->Icon()->SetHandle(LoadGauge());
    CHECK(f.Tray->Active());
    CHECK(f.Tray->Animated());
    CHECK(f.Tray->AnimationTimer() == nullptr);
    CHECK(f.Shell.Count() == 0);
}
