#include "tests/framework/FormsTestSupport.h"

#include "framework/Application.h"
#include "framework/MouseTracker.h"
#include "framework/Screen.h"
#include "tests/support/GdiCount.h"
#include "tests/support/Surface.h"

#include <doctest/doctest.h>

namespace {

WNDPROC PreviousProcedure = nullptr;
int SubclassCalls = 0;

LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == TTestPanel::AskMessage)
        ++SubclassCalls;
    return CallWindowProcA(PreviousProcedure, window, message, wParam, lParam);
}

COLORREF PixelOf(HDC dc, int x, int y)
{
    return GetPixel(dc, x, y) & 0xFFFFFF;
}

void MoveCursorTo(POINT point)
{
    SetCursorPos(point.x, point.y);
}

// A screen point over no window of this program. The bottom-right corner
// was once found under a window of this test program in a full run, so a
// few corners are tried.
POINT OffProgramPoint()
{
    const POINT candidates[] = {{1000, 740}, {1000, 20}, {20, 740}, {20, 20}, {600, 740}};
    for (POINT point : candidates) {
        DWORD process = 0;
        GetWindowThreadProcessId(WindowFromPoint(point), &process);
        if (process != GetCurrentProcessId())
            return point;
    }
    return candidates[0];
}

}  // namespace

TEST_CASE("the window reaches its control when subclassed by someone else, also after it is made again")
{
    TTestPanel* panel = Create<TTestPanel>(nullptr);
    HWND first = panel->Handle();
    CHECK(FindControl(first) == panel);
    char className[64] = "";
    GetClassNameA(first, className, sizeof className);
    CHECK(std::string(className) == "TTestPanel");

    PreviousProcedure =
        reinterpret_cast<WNDPROC>(SetWindowLongA(first, GWL_WNDPROC, reinterpret_cast<LONG>(&CountingProcedure)));
    SubclassCalls = 0;
    CHECK(SendMessageA(first, TTestPanel::AskMessage, 0, 0) == 42);
    CHECK(SubclassCalls == 1);
    // Unhandled messages still get the system's answer through the chain.
    SetWindowTextA(first, "chained");
    char text[32] = "";
    GetWindowTextA(first, text, sizeof text);
    CHECK(std::string(text) == "chained");

    panel->RecreateWnd();
    HWND second = panel->Handle();
    CHECK_FALSE(IsWindow(first));
    CHECK(FindControl(second) == panel);
    CHECK(SendMessageA(second, TTestPanel::AskMessage, 0, 0) == 42);

    SUBCASE("destroyed from outside, the control forgets its window and makes a new one")
    {
        DestroyWindow(second);
        CHECK_FALSE(panel->HandleAllocated());
        CHECK(FindControl(second) == nullptr);
        CHECK(IsWindow(panel->Handle()));
    }
    SUBCASE("child windows come back with their parent")
    {
        TTestButton* child = Create<TTestButton>(panel);
        child->SetParent(panel);
        HWND before = child->Handle();
        CHECK(GetParent(before) == panel->Handle());
        panel->RecreateWnd();
        CHECK_FALSE(IsWindow(before));
        REQUIRE(child->HandleAllocated());
        CHECK(GetParent(child->Handle()) == panel->Handle());
    }
    panel->Free();
    CHECK(FindControl(second) == nullptr);
}

TEST_CASE("bounds follow the window, and ClientOrigin matches ClientToScreen")
{
    TForm* form = Create<TForm>(nullptr);
    form->SetBounds(120, 90, 300, 200);
    TTestPanel* panel = Create<TTestPanel>(form);
    panel->SetParent(form);
    panel->SetBounds(10, 20, 150, 100);
    TTestGraphic* graphic = Create<TTestGraphic>(form);
    graphic->SetParent(panel);
    graphic->SetBounds(5, 7, 30, 12);
    form->Show();

    POINT expected{0, 0};
    ClientToScreen(form->Handle(), &expected);
    CHECK(form->ClientOrigin().x == expected.x);
    CHECK(form->ClientOrigin().y == expected.y);
    expected = POINT{0, 0};
    ClientToScreen(panel->Handle(), &expected);
    CHECK(panel->ClientOrigin().x == expected.x);
    CHECK(panel->ClientOrigin().y == expected.y);
    CHECK(graphic->ClientOrigin().x == expected.x + 5);
    CHECK(graphic->ClientOrigin().y == expected.y + 7);
    POINT back = graphic->ScreenToClient(graphic->ClientToScreen(POINT{3, 4}));
    CHECK(back.x == 3);
    CHECK(back.y == 4);

    // Moved by the system, the control reads its new place back.
    SetWindowPos(panel->Handle(), nullptr, 30, 40, 60, 50, SWP_NOZORDER | SWP_NOACTIVATE);
    CHECK(panel->Left() == 30);
    CHECK(panel->Top() == 40);
    CHECK(panel->Width() == 60);
    form->Free();
}

TEST_CASE("a change of the system colours reaches the windowed controls inside a form")
{
    TForm* form = Create<TForm>(nullptr);
    TTestPanel* outer = Create<TTestPanel>(form);
    outer->SetParent(form);
    TTestPanel* inner = Create<TTestPanel>(form);
    inner->SetParent(outer);
    form->HandleNeeded();
    SendMessageA(form->Handle(), WM_SYSCOLORCHANGE, 0, 0);
    CHECK(outer->ColorChanges == 1);
    CHECK(inner->ColorChanges == 1);
    form->Free();
}

TEST_CASE("PaintControls draws the controls without a window into a DC")
{
    TForm* form = Create<TForm>(nullptr);
    TLabel* label = Create<TLabel>(form);
    label->SetParent(form);
    label->SetLeft(20);
    label->SetTop(30);
    label->SetCaption("WWWW");
    label->SetColor(clYellow);
    label->Font()->SetColor(clBlue);
    TTestGraphic* hidden = Create<TTestGraphic>(form);
    hidden->SetParent(form);
    hidden->SetBounds(100, 100, 20, 20);
    hidden->SetVisible(false);

    TSurface surface;
    form->PaintControls(surface.DC.Get());
    CHECK(PixelOf(surface.DC.Get(), 21, 31) == RGB(255, 255, 0));
    CHECK(PixelOf(surface.DC.Get(), 19, 29) == RGB(255, 255, 255));
    CHECK(PixelOf(surface.DC.Get(), 110, 110) == RGB(255, 255, 255));
    bool anyText = false;
    for (int x = 20; x < 20 + label->Width(); ++x)
        for (int y = 30; y < 30 + label->Height(); ++y)
            anyText = anyText || PixelOf(surface.DC.Get(), x, y) == RGB(0, 0, 255);
    CHECK(anyText);

    SUBCASE("a transparent label leaves the background as it was")
    {
        label->SetTransparent(true);
        TSurface clean;
        form->PaintControls(clean.DC.Get());
        CHECK(PixelOf(clean.DC.Get(), 21, 31) == RGB(255, 255, 255));
    }
    form->Free();
}

TEST_CASE("a label changed in a hidden form is drawn anew when the form is shown")
{
    TForm* form = Create<TForm>(nullptr);
    form->SetBounds(100, 100, 200, 120);
    TLabel* label = Create<TLabel>(form);
    label->SetParent(form);
    label->SetBounds(20, 30, 0, 0);
    label->SetColor(clYellow);
    label->Font()->SetColor(clBlue);
    form->HandleNeeded();
    label->SetCaption("WWWW");
    CHECK(label->Width() > 0);

    form->Show();
    SetWindowPos(form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    PumpUntil([&] { return !GetUpdateRect(form->Handle(), nullptr, FALSE); });
    TWindowDC dc(form->Handle());
    CHECK(PixelOf(dc.Get(), 21, 31) == RGB(255, 255, 0));
    bool anyText = false;
    for (int x = 20; x < 20 + label->Width(); ++x)
        for (int y = 30; y < 30 + label->Height(); ++y)
            anyText = anyText || PixelOf(dc.Get(), x, y) == RGB(0, 0, 255);
    CHECK(anyText);
    form->Free();
}

TEST_CASE("PaintTo renders a windowed control and its children at an offset")
{
    TForm* form = Create<TForm>(nullptr);
    TTestPanel* panel = Create<TTestPanel>(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 60, 40);
    panel->SetColor(clBlue);
    TTestGraphic* graphic = Create<TTestGraphic>(form);
    graphic->SetParent(panel);
    graphic->SetBounds(5, 6, 10, 8);
    TTestPanel* inner = Create<TTestPanel>(form);
    inner->SetParent(panel);
    inner->SetBounds(30, 20, 20, 10);
    inner->SetColor(clLime);

    TSurface surface;
    panel->PaintTo(surface.DC.Get(), 70, 50);
    HDC dc = surface.DC.Get();
    CHECK(PixelOf(dc, 71, 51) == RGB(0, 0, 255));
    CHECK(PixelOf(dc, 129, 89) == RGB(0, 0, 255));
    CHECK(PixelOf(dc, 130, 90) == RGB(255, 255, 255));
    CHECK(PixelOf(dc, 69, 49) == RGB(255, 255, 255));
    CHECK(PixelOf(dc, 76, 57) == RGB(255, 0, 0));
    CHECK(PixelOf(dc, 101, 71) == RGB(0, 255, 0));
    form->Free();
}

TEST_CASE("the mouse entering and leaving controls is told to them")
{
    TForm* form = Create<TForm>(nullptr);
    form->SetBorderStyle(bsNone);
    // Above any window another program left on the desktop.
    form->SetFormStyle(fsStayOnTop);
    form->SetBounds(100, 100, 300, 200);
    TTestGraphic* graphic = Create<TTestGraphic>(form);
    graphic->SetParent(form);
    graphic->SetBounds(10, 10, 60, 40);
    TTestPanel* panel = Create<TTestPanel>(form);
    panel->SetParent(form);
    panel->SetBounds(150, 10, 100, 80);
    struct TListener {
        std::vector<std::string> Heard;
        void MouseEnter(TObject* sender) { Heard.push_back("enter " + static_cast<TComponent*>(sender)->Name()); }
        void MouseLeave(TObject* sender) { Heard.push_back("leave " + static_cast<TComponent*>(sender)->Name()); }
    } listener;
    graphic->SetName("graphic");
    graphic->OnMouseEnter = TNotifyEvent::Bind<&TListener::MouseEnter>(&listener);
    graphic->OnMouseLeave = TNotifyEvent::Bind<&TListener::MouseLeave>(&listener);
    form->Show();
    REQUIRE(WaitFor([&] { return IsWindowVisible(form->Handle()) != FALSE; }));

    MoveCursorTo(graphic->ClientToScreen(POINT{20, 20}));
    CHECK(WaitFor([&] { return graphic->EnterCount == 1; }));
    CHECK(Application->MouseControl() == graphic);
    CHECK(listener.Heard == std::vector<std::string>{"enter graphic"});

    MoveCursorTo(panel->ClientToScreen(POINT{50, 40}));
    CHECK(WaitFor([&] { return panel->EnterCount == 1; }));
    CHECK(graphic->LeaveCount == 1);
    CHECK(listener.Heard == std::vector<std::string>{"enter graphic", "leave graphic"});

    // Off every window of the program: seen by polling, without messages.
    MoveCursorTo(OffProgramPoint());
    CHECK(WaitFor([&] { return panel->LeaveCount == 1; }));
    CHECK(Application->MouseControl() == nullptr);
    CHECK(graphic->EnterCount == 1);

    SUBCASE("a control freed under the mouse is forgotten")
    {
        MoveCursorTo(panel->ClientToScreen(POINT{50, 40}));
        REQUIRE(WaitFor([&] { return panel->EnterCount == 2; }));
        panel->Free();
        CHECK(Application->MouseControl() == nullptr);
        MoveCursorTo(OffProgramPoint());
        Pump();
    }
    MoveCursorTo(OffProgramPoint());
    form->Free();
}

TEST_CASE("labels show the hand pointer they ask for")
{
    CHECK(Screen->Cursors(crHandPoint) != nullptr);
    CHECK(Screen->Cursors(crDefault) == LoadCursorA(nullptr, IDC_ARROW));
    // Where the system has no hand, one is drawn.
    HCURSOR drawn = TScreen::CreateHandCursor();
    CHECK(drawn != nullptr);
    DestroyCursor(drawn);

    TForm* form = Create<TForm>(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetFormStyle(fsStayOnTop);
    form->SetBounds(100, 100, 200, 100);
    TLabel* link = Create<TLabel>(form);
    link->SetParent(form);
    link->SetCaption("www.example.org");
    link->SetCursor(crHandPoint);
    link->SetBounds(10, 10, link->Width(), link->Height());
    form->Show();
    MoveCursorTo(link->ClientToScreen(POINT{2, 2}));
    CHECK(WaitFor([&] { return Application->MouseControl() == link; }));
    SendMessageA(form->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form->Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    CHECK(GetCursor() == Screen->Cursors(crHandPoint));
    MoveCursorTo(OffProgramPoint());
    form->Free();
}

TEST_CASE("topmost normalisation takes the topmost state away and gives it back, nested")
{
    auto topmost = [](TCustomForm* form) { return (GetWindowLongA(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    TForm* onTop = Create<TForm>(nullptr);
    onTop->SetFormStyle(fsStayOnTop);
    onTop->Show();
    TForm* plain = Create<TForm>(nullptr);
    plain->Show();
    TForm* hiddenOnTop = Create<TForm>(nullptr);
    hiddenOnTop->SetFormStyle(fsStayOnTop);
    hiddenOnTop->HandleNeeded();
    REQUIRE(topmost(onTop));
    REQUIRE(topmost(hiddenOnTop));

    Application->NormalizeTopMosts();
    CHECK_FALSE(topmost(onTop));
    CHECK(topmost(hiddenOnTop));  // only visible windows are concerned
    Application->NormalizeTopMosts();
    Application->RestoreTopMosts();
    CHECK_FALSE(topmost(onTop));
    Application->RestoreTopMosts();
    CHECK(topmost(onTop));
    CHECK_FALSE(topmost(plain));
    // One restore too many changes nothing.
    Application->RestoreTopMosts();
    CHECK(topmost(onTop));

    hiddenOnTop->Free();
    plain->Free();
    onTop->Free();
}

TEST_CASE("minimizing the application hides its forms and tells the listeners")
{
    struct TListener {
        int Minimized = 0;
        int Restored = 0;
        void AppMinimize(TObject*) { ++Minimized; }
        void AppRestore(TObject*) { ++Restored; }
    } listener;
    Application->OnMinimize = TNotifyEvent::Bind<&TListener::AppMinimize>(&listener);
    Application->OnRestore = TNotifyEvent::Bind<&TListener::AppRestore>(&listener);
    TForm* form = Create<TForm>(nullptr);
    form->Show();

    Application->Minimize();
    CHECK(listener.Minimized == 1);
    CHECK(IsIconic(Application->Handle()));
    CHECK(WaitFor([&] { return !IsWindowVisible(form->Handle()); }));
    Application->Minimize();
    CHECK(listener.Minimized == 1);

    Application->Restore();
    CHECK(listener.Restored == 1);
    CHECK_FALSE(IsIconic(Application->Handle()));
    CHECK(WaitFor([&] { return IsWindowVisible(form->Handle()) != FALSE; }));

    Application->OnMinimize = TNotifyEvent();
    Application->OnRestore = TNotifyEvent();
    ShowWindow(Application->Handle(), SW_HIDE);
    form->Free();
}

TEST_CASE("not a single GDI object is left behind by forms with controls")
{
    auto round = [] {
        TfrmLayoutTest* form = Create<TfrmLayoutTest>(Application);
        form->lblTitle->SetCaption("&System: 42%");
        form->Show();
        UpdateWindow(form->Handle());
        TSurface surface;
        form->PaintTo(surface.DC.Get(), 0, 0);
        form->pnlBox->SetColor(clInfoBk);
        form->Font()->SetHeight(-13);
        Pump();
        form->Free();
        Pump();
    };
    round();  // the system's own caches settle first
    int before = CountGdiObjects();
    for (int i = 0; i < 5; ++i)
        round();
    CHECK(CountGdiObjects() == before);
}
