#include "FrameFixture.h"

#include "frame/KsItems.h"
#include "framework/Application.h"
#include "framework/GdiObject.h"
#include "framework/ScopeGuard.h"
#include "tests/support/GdiCount.h"
#include "tests/support/MessagePump.h"

#include <doctest/doctest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

const TKsBorderIcons AllIcons{kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiRollup, kbiTray};

// "caption/image/shortcut" of each entry of the menu the frame builds.
std::vector<std::string> Entries(TKsCustomForm& frame)
{
    frame.BuildSystemMenu();
    std::vector<std::string> entries;
    TKsCustomItem* root = frame.SystemMenu();
    for (int i = 0; i < root->Count(); ++i) {
        TKsCustomItem* item = root->Items(i);
        std::string entry = item->Caption() + "/" + std::to_string(item->ImageIndex());
        if (item->ShortCut())
            entry += "/" + ShortCutToText(item->ShortCut());
        entries.push_back(entry);
    }
    return entries;
}

// Steps run one per timer tick while a menu is tracking, so a test can look
// at the open menu and press keys in it.
using TMenuStep = std::function<void(TKsItemView&)>;
std::vector<TMenuStep> Steps;
size_t NextStep = 0;

void CALLBACK RunStep(HWND, UINT, UINT_PTR, DWORD)
{
    TKsItemView* view = TKsItemView::TrackingView();
    if (view && NextStep < Steps.size() && IsWindowVisible(view->Window()))
        Steps[NextStep++](*view);
}

// Opens a menu with the steps to run in it; returns when the menu has
// closed.
void RunMenu(const std::function<void()>& open, std::vector<TMenuStep> steps)
{
    Steps = std::move(steps);
    NextStep = 0;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, RunStep);
    TScopeGuard stop([timer] { KillTimer(nullptr, timer); });
    open();
    CHECK(NextStep == Steps.size());
}

void RunMenu(TKsCustomForm& frame, std::vector<TMenuStep> steps)
{
    RunMenu([&frame] { frame.ShowSystemMenu(); }, std::move(steps));
}

TMenuStep Key(WPARAM key)
{
    return [key](TKsItemView& view) { PostMessageA(view.Window(), WM_KEYDOWN, key, 1); };
}

TMenuStep ExpectSelected(const std::string& caption)
{
    return [caption](TKsItemView& view) {
        CHECK(view.Selected());
        if (view.Selected())
            CHECK(view.Selected()->Caption() == caption);
    };
}

void ParkCursor()
{
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
}

struct TCloseCounter {
    int Count = 0;
    bool PopupGone = true;
    void FormClose(TObject*, TCloseAction&)
    {
        ++Count;
        PopupGone = TKsItemView::TrackingView() == nullptr;
    }
};

// The shell's tray as the frames see it.
struct TTrayRecorder {
    static inline std::vector<DWORD> Calls;
    static inline NOTIFYICONDATAA Last{};
    static inline BOOL Answer = TRUE;
    static BOOL WINAPI NotifyIcon(DWORD message, PNOTIFYICONDATAA data)
    {
        Calls.push_back(message);
        Last = *data;
        return Answer;
    }
};

struct TMenuFixture : TFrameFixture {
    TScopedOverride<TKsNotifyIconFunction> Tray{KsNotifyIcon, TTrayRecorder::NotifyIcon};
    TMenuFixture()
    {
        TTrayRecorder::Calls.clear();
        TTrayRecorder::Answer = TRUE;
        Frame->SetBorderIcons(AllIcons);
        ParkCursor();
        Pump();
    }
    RECT Bounds() const { return WindowRect(); }
    // Opens the menu by keyboard and by mouse command; an Escape and a
    // click beside the menu close them.
    void OpenAndClose() const
    {
        PostMessageA(Window, WM_KEYDOWN, VK_ESCAPE, 1);
        SendMessageA(Window, WM_SYSCOMMAND, SC_KEYMENU, ' ');
        PostMessageA(Window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(250, 150));
        SendMessageA(Window, WM_SYSCOMMAND, SC_MOUSEMENU, 0);
        CHECK(TakeClick());
    }
    // The click stayed queued for the window it was meant for.
    bool TakeClick() const
    {
        MSG msg;
        return PeekMessageA(&msg, Window, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE) != FALSE;
    }
};

bool Same(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

}  // namespace

TEST_CASE_FIXTURE(TMenuFixture, "the system menu holds the entries of the state and the border icons")
{
    const std::string close = "&Close/0/Alt+F4";
    CHECK(Entries(*Frame) ==
          std::vector<std::string>{"Mi&nimize/1", "Ma&ximize/2", "Ro&llup/4", "Minimize to &Tray/5", "-/-1", close});
    Frame->SetWindowState(kwsMaximized);
    CHECK(Entries(*Frame) ==
          std::vector<std::string>{"&Restore/3", "Mi&nimize/1", "Ro&llup/4", "Minimize to &Tray/5", "-/-1", close});
    Frame->SetWindowState(kwsRollup);
    CHECK(Entries(*Frame) ==
          std::vector<std::string>{"&Restore/3", "Mi&nimize/1", "Ma&ximize/2", "Minimize to &Tray/5", "-/-1", close});
    for (TKsWindowState state : {kwsMinimized, kwsTray}) {
        Frame->SetWindowState(state);
        CHECK(Entries(*Frame) == std::vector<std::string>{"&Restore/3", "-/-1", close});
    }
    Frame->SetWindowState(kwsNormal);
    Frame->SetBorderIcons(TKsBorderIcons{kbiClose});
    CHECK(Entries(*Frame) == std::vector<std::string>{close});
    Frame->SetBorderIcons(TKsBorderIcons{kbiClose, kbiSystemMenu});
    CHECK(Entries(*Frame) == std::vector<std::string>{close});
}

TEST_CASE_FIXTURE(TMenuFixture, "the keyboard walks the open menu, wrapping and skipping the separator")
{
    HWND popup = nullptr;
    RunMenu(*Frame,
            {
                [&](TKsItemView& view) {
                    popup = view.Window();
                    // A top-most tool window that left the form active, at the client origin.
                    CHECK((GetWindowLongA(popup, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW)) ==
                          (WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
                    CHECK(GetActiveWindow() != popup);
                    POINT origin{0, 0};
                    ClientToScreen(Window, &origin);
                    RECT rect;
                    GetWindowRect(popup, &rect);
                    CHECK(rect.left == origin.x);
                    CHECK(rect.top == origin.y);
                    // The 4-pixel shadow darkens the form beside the menu, except
                    // in its top 4 rows.
                    TWindowDC screen(nullptr);
                    auto red = [&](int x, int y) { return GetRValue(GetPixel(screen.Get(), x, y)); };
                    const int background = red(rect.right + 2, rect.bottom - 10);
                    CHECK(std::abs(red(rect.right - 2, rect.bottom - 10) - (0x5F * 176 + background * 79) / 255) <= 8);
                    CHECK(std::abs(red(rect.right - 2, rect.top + 1) - background) <= 3);
                    CHECK(std::abs(red(rect.left + 20, rect.bottom - 2) - (0x5F * 176 + background * 79) / 255) <= 8);
                },
                ExpectSelected("Mi&nimize"),
                Key(VK_UP),
                ExpectSelected("&Close"),
                Key(VK_DOWN),
                ExpectSelected("Mi&nimize"),
                Key(VK_DOWN),
                Key(VK_DOWN),
                Key(VK_DOWN),
                ExpectSelected("Minimize to &Tray"),
                Key(VK_DOWN),
                ExpectSelected("&Close"),
                // A second request while the menu is open leaves its tree alone.
                [&](TKsItemView& view) {
                    TKsCustomItem* tree = Frame->SystemMenu();
                    Frame->ShowSystemMenu();
                    CHECK(Frame->SystemMenu() == tree);
                    CHECK(TKsItemView::TrackingView() == &view);
                },
                Key(VK_ESCAPE),
            });
    CHECK_FALSE(IsWindow(popup));
    CHECK(IsWindowVisible(Window));
    CHECK(Frame->WindowState() == kwsNormal);
}

TEST_CASE_FIXTURE(TMenuFixture, "an access key chooses its entry, which runs once the menu has gone")
{
    TCloseCounter counter;
    Form->OnClose = TCloseEvent::Bind<&TCloseCounter::FormClose>(&counter);
    RunMenu(*Frame, {[](TKsItemView& view) { PostMessageA(view.Window(), WM_CHAR, 'c', 1); }});
    CHECK(counter.Count == 0);
    CHECK(PumpUntil([&] { return counter.Count > 0; }, 5000));
    CHECK(counter.Count == 1);
    CHECK(counter.PopupGone);
    CHECK_FALSE(IsWindowVisible(Window));
}

TEST_CASE_FIXTURE(TMenuFixture, "Alt+Space and the mouse menu command open the menu; a click outside closes it")
{
    int opened = 0;
    auto clickOutside = [&](TKsItemView&) {
        ++opened;
        PostMessageA(Window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(250, 150));
    };
    Steps = {clickOutside};
    NextStep = 0;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, RunStep);
    SendMessageA(Window, WM_SYSCOMMAND, SC_KEYMENU, ' ');
    CHECK(TakeClick());
    Steps = {clickOutside};
    NextStep = 0;
    SendMessageA(Window, WM_SYSCOMMAND, SC_MOUSEMENU, 0);
    KillTimer(nullptr, timer);
    CHECK(opened == 2);
    CHECK(TakeClick());
}

TEST_CASE("deferred clicks run only for items still alive; a level with nothing to stop at is left alone")
{
    struct TCounter {
        int Clicks = 0;
        void Click(TObject*) { ++Clicks; }
    } counter;
    auto* kept = Create<TKsCustomItem>(nullptr);
    auto* doomed = Create<TKsCustomItem>(nullptr);
    for (TKsCustomItem* item : {kept, doomed}) {
        item->SetCaption("&Item");
        item->OnClick = TNotifyEvent::Bind<&TCounter::Click>(&counter);
        item->Click();
    }
    doomed->Free();
    PumpUntil([] { return false; }, 200);
    CHECK(counter.Clicks == 1);

    auto* root = Create<TKsCustomItem>(nullptr);
    for (const char* caption : {"-", "Hidden", "-"}) {
        auto* child = Create<TKsCustomItem>(nullptr);
        child->SetCaption(caption);
        child->SetVisible(caption[0] == '-');
        root->Add(child);
    }
    CHECK_THROWS_WITH(root->Add(root->Items(0)), "Toolbar item already inserted");
    auto* view = Create<TKsItemView>(nullptr);
    view->SetItem(root);
    view->SelectNext();
    view->SelectPrevious();
    CHECK(view->Selected() == nullptr);
    view->Free();
    kept->Free();
    root->Free();
}

TEST_CASE_FIXTURE(TMenuFixture, "maximize, roll-up and their restores put the window where it belongs")
{
    Frame->SetMinimizeApplication(false);
    const RECT normal = Bounds();
    Frame->Maximize();
    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    // The themed frame fills the work area exactly.
    CHECK(Same(Bounds(), area));
    CHECK(Frame->WindowState() == kwsMaximized);
    SendMessageA(Window, KM_MAXIMIZE, 0, 0);
    CHECK(Frame->WindowState() == kwsNormal);
    CHECK(Same(normal, Bounds()));

    Frame->Rollup();
    const RECT client = Frame->GetClientBounds();
    CHECK(RectHeight(Bounds()) == client.top + (Frame->FrameSize().cy - client.bottom));
    Form->SetLeft(Form->Left() + 40);
    Frame->Restore();
    CHECK(Bounds().left == normal.left + 40);
    CHECK(RectHeight(Bounds()) == RectHeight(normal));

    // Maximized from minimized: the restore ends in normal, not stuck.
    Form->SetLeft(normal.left);
    Frame->Minimize();
    CHECK(Frame->WindowState() == kwsMinimized);
    Frame->Maximize();
    Frame->Restore();
    CHECK(Frame->WindowState() == kwsNormal);
    CHECK(Same(normal, Bounds()));
}

TEST_CASE_FIXTURE(TMenuFixture, "minimize to tray hides the window behind its own icon only when the icon is there")
{
    Frame->SetMinimizeApplication(false);
    TTrayRecorder::Answer = FALSE;
    Frame->MinimizeToTray();
    CHECK(IsWindowVisible(Window));
    CHECK(Frame->WindowState() == kwsNormal);

    TTrayRecorder::Answer = TRUE;
    TTrayRecorder::Calls.clear();
    Frame->MinimizeToTray();
    CHECK_FALSE(IsWindowVisible(Window));
    CHECK(Frame->WindowState() == kwsTray);
    REQUIRE(TTrayRecorder::Calls == std::vector<DWORD>{NIM_ADD});
    CHECK(TTrayRecorder::Last.cbSize == 88);
    CHECK(TTrayRecorder::Last.uCallbackMessage == 1388);
    CHECK(TTrayRecorder::Last.hWnd == Frame->TrayWindow());
    CHECK(std::string(TTrayRecorder::Last.szTip) == "Quorvel");

    // A restarted taskbar gets the icon again.
    SendMessageA(Frame->TrayWindow(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    CHECK(TTrayRecorder::Calls.back() == static_cast<DWORD>(NIM_ADD));

    // A right-click opens the menu at the cursor, "&Restore" first.
    SetCursorPos(300, 300);
    const HWND tray = Frame->TrayWindow();
    RunMenu([tray] { SendMessageA(tray, KM_TRAYICON, 0, WM_RBUTTONUP); },
            {[](TKsItemView& view) {
                 RECT rect;
                 GetWindowRect(view.Window(), &rect);
                 CHECK(rect.left == 300);
                 CHECK(rect.top == 300);
                 CHECK(view.Item()->Items(0)->Caption() == "&Restore");
             },
             Key(VK_ESCAPE)});
    ParkCursor();
    SendMessageA(Frame->TrayWindow(), KM_TRAYICON, 0, WM_LBUTTONDBLCLK);
    CHECK(IsWindowVisible(Window));
    CHECK(Frame->WindowState() == kwsNormal);
    CHECK(TTrayRecorder::Calls.back() == static_cast<DWORD>(NIM_DELETE));
}

TEST_CASE_FIXTURE(TMenuFixture, "closing from the menu runs OnClose once")
{
    TCloseCounter counter;
    Form->OnClose = TCloseEvent::Bind<&TCloseCounter::FormClose>(&counter);
    Frame->CloseForm();
    CHECK(counter.Count == 1);
}

TEST_CASE("the application's minimize and restore reach every frame, freed in any order")
{
    TNotifyEvent before = Application->OnMinimize;
    TfrmFrameDemo* first = Create<TfrmFrameDemo>(nullptr);
    TfrmFrameDemo* second = Create<TfrmFrameDemo>(nullptr);
    // A frame joins when it is first activated.
    for (TfrmFrameDemo* form : {first, second})
        SendMessageA(form->Handle(), WM_NCACTIVATE, FALSE, 0);
    CHECK(Application->OnMinimize != before);
    first->Free();
    CHECK(Application->OnMinimize != before);
    Application->OnMinimize(Application);
    CHECK(second->NgForm->WindowState() == kwsMinimized);
    Application->OnRestore(Application);
    CHECK(second->NgForm->WindowState() == kwsNormal);
    second->Free();
    CHECK(Application->OnMinimize == before);
}

TEST_CASE_FIXTURE(TMenuFixture, "opening and closing the menu and cycling the states leak no objects")
{
    Frame->SetMinimizeApplication(false);
    auto cycle = [&] {
        OpenAndClose();
        Frame->Maximize();
        Frame->Rollup();
        Frame->Restore();
        Frame->Minimize();
        Frame->Restore();
        Frame->MinimizeToTray();
        Frame->Restore();
        Pump();
    };
    cycle();
    const int gdi = CountGdiObjects();
    const int windows = CountProcessWindows();
    for (int i = 0; i < 50; ++i)
        cycle();
    for (int i = 0; i < 75; ++i)
        OpenAndClose();
    Pump();
    CHECK(CountGdiObjects() == gdi);
    CHECK(CountProcessWindows() == windows);
}
