#include "frame/NgForms.h"
#include "framework/Form.h"
#include "tests/support/GdiCount.h"
#include "tests/support/MessagePump.h"

#include <doctest/doctest.h>

#include <memory>
#include <string>

namespace {

const TKsBorderIcons ChildIcons{kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiRollup};

// An MDI parent and two children, each framed, on screen.
struct TMDIFixture {
    TForm* Parent = MakeForm(fsMDIForm, "Parent");
    TForm* First = MakeForm(fsMDIChild, "First");
    TForm* Second = MakeForm(fsMDIChild, "Second");
    TMDIFixture()
    {
        First->SetBounds(10, 10, 200, 120);
        Second->SetBounds(40, 40, 200, 120);
        Pump();
    }
    ~TMDIFixture()
    {
        First->Free();
        Second->Free();
        Parent->Free();
        Pump();
    }
    TMDIFixture(const TMDIFixture&) = delete;
    TMDIFixture& operator=(const TMDIFixture&) = delete;

    static TForm* MakeForm(TFormStyle style, const char* caption)
    {
        TForm* form = Create<TForm>(nullptr);
        form->SetFormStyle(style);
        form->SetCaption(caption);
        if (style == fsMDIForm)
            form->SetBounds(50, 50, 600, 400);
        Create<TNgForm>(form);
        form->Show();
        return form;
    }
    static TKsCustomForm& FrameOf(TForm* form) { return *TKsCustomForm::ActiveFrameOf(form); }
    static void Pump()
    {
        PumpUntil([] { return true; });
    }
    RECT ClientArea() const
    {
        RECT area;
        GetClientRect(Parent->ClientHandle(), &area);
        return area;
    }
    static RECT Bounds(TForm* form) { return form->BoundsRect(); }
};

}  // namespace

TEST_CASE("a frame on an MDI child works in its parent's client area")
{
    TMDIFixture f;
    TKsCustomForm& frame = f.FrameOf(f.First);
    CHECK_FALSE(frame.MinimizeApplication());
    CHECK(frame.MagneticValue() == 9);
    CHECK(frame.BorderIcons() == ChildIcons);
    CHECK(f.FrameOf(f.Parent).MagneticValue() == 20);
    CHECK(frame.ParentFrame() == &f.FrameOf(f.Parent));
    // The active child looks active, the other one not.
    CHECK(f.FrameOf(f.Second).CaptionActive());
    CHECK_FALSE(frame.CaptionActive());

    const RECT area = f.ClientArea();
    RECT work = frame.WorkArea();
    CHECK(EqualRect(&work, &area));
    // The parent's client edges attract within 9 pixels, strictly.
    RECT snapped = frame.SnapToWorkArea(RECT{8, 9, 208, 129});
    CHECK(snapped.left == 0);
    CHECK(snapped.top == 9);
    snapped = frame.SnapToWorkArea(RECT{area.right - 205, 30, area.right - 5, 150});
    CHECK(snapped.right == area.right);

    // A press on the caption of an inactive child activates it in the parent.
    REQUIRE(f.Parent->ActiveMDIChild() == f.Second);
    RECT window;
    GetWindowRect(f.First->Handle(), &window);
    const RECT caption = frame.CaptionRect();
    const LPARAM point = MAKELPARAM(window.left + caption.left + 40, window.top + caption.top + 5);
    SendMessageA(f.First->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, point);
    SendMessageA(f.First->Handle(), WM_NCLBUTTONUP, HTCAPTION, point);
    CHECK(f.Parent->ActiveMDIChild() == f.First);
}

TEST_CASE("maximizing an MDI child fills the parent's client window and names the child in the parent's caption")
{
    TMDIFixture f;
    TKsCustomForm& frame = f.FrameOf(f.First);
    const RECT normal = f.Bounds(f.First);
    const RECT area = f.ClientArea();

    frame.Maximize();
    RECT bounds = f.Bounds(f.First);
    CHECK(bounds.left == 0);
    CHECK(bounds.top == 0);
    CHECK(bounds.right == area.right + 1);
    CHECK(bounds.bottom == area.bottom + 1);
    CHECK(f.Parent->Caption() == "Parent - [First]");
    CHECK(frame.MDIChildMaximized());
    CHECK(f.FrameOf(f.Parent).MDIChildMaximized());
    // Nothing else would carry its caption buttons: it keeps its caption.
    CHECK(frame.GetClientBounds().top > 0);

    // A new caption of the maximized child follows into the parent's.
    f.First->SetCaption("Renamed");
    f.Pump();
    CHECK(f.Parent->Caption() == "Parent - [Renamed]");

    frame.Restore();
    bounds = f.Bounds(f.First);
    CHECK(EqualRect(&bounds, &normal));
    CHECK(f.Parent->Caption() == "Parent");

    // A parent caption of its own with a bracket keeps it.
    f.Parent->SetCaption("Tool [beta]");
    frame.Maximize();
    CHECK(f.Parent->Caption() == "Tool [beta] - [Renamed]");
    frame.Restore();
    CHECK(f.Parent->Caption() == "Tool [beta]");

    // With a menu bar on the parent frame to carry them, the maximized
    // child gives up its frame: the whole window is client area.
    TComponent* menuBar = Create<TComponent>(f.Parent);
    f.FrameOf(f.Parent).SetMenuBar(menuBar);
    frame.Maximize();
    const RECT client = frame.GetClientBounds();
    CHECK(client.left == 0);
    CHECK(client.top == 0);
    CHECK(client.right == frame.FrameSize().cx);
    frame.Restore();
    CHECK(frame.GetClientBounds().top > 0);
}

TEST_CASE("minimizing, closing or activating an MDI child acts on its maximized sibling")
{
    TMDIFixture f;
    TKsCustomForm& first = f.FrameOf(f.First);
    TKsCustomForm& second = f.FrameOf(f.Second);
    struct TCloser {
        int Closes = 0;
        TCloseAction Seen = caNone;
        TCloseAction Wanted = caMinimize;
        void FormClose(TObject*, TCloseAction& action)
        {
            ++Closes;
            Seen = action;
            action = Wanted;
        }
    } closer;
    f.Second->OnClose = TCloseEvent::Bind<&TCloser::FormClose>(&closer);

    SUBCASE("minimizing one restores the other, and it goes to the bottom left of the parent's client area")
    {
        first.Maximize();
        second.Minimize();
        CHECK(first.WindowState() == kwsNormal);
        CHECK(f.Parent->Caption() == "Parent");
        CHECK(second.WindowState() == kwsMinimized);
        RECT bounds = f.Bounds(f.Second);
        CHECK(bounds.left == 0);
        CHECK(bounds.bottom == f.ClientArea().bottom);
    }
    SUBCASE("closing minimizes by default, OnClose running once")
    {
        first.Maximize();
        second.CloseForm();
        CHECK(closer.Closes == 1);
        CHECK(closer.Seen == caMinimize);
        CHECK(second.WindowState() == kwsMinimized);
        CHECK(first.WindowState() == kwsNormal);
    }
    SUBCASE("closing by hiding restores the other as well")
    {
        first.Maximize();
        closer.Wanted = caHide;
        second.CloseForm();
        CHECK(closer.Closes == 1);
        CHECK_FALSE(IsWindowVisible(f.Second->Handle()));
        CHECK(first.WindowState() == kwsNormal);
        CHECK(f.Parent->Caption() == "Parent");
    }
    SUBCASE("activating the other while one is maximized maximizes it too")
    {
        f.First->Show();
        first.Maximize();
        SendMessageA(f.Parent->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(f.Second->Handle()), 0);
        CHECK(PumpUntil([&] { return second.WindowState() == kwsMaximized; }));
        CHECK(f.Parent->Caption() == "Parent - [Second]");
        // Restoring it restores both.
        second.Restore();
        CHECK(first.WindowState() == kwsNormal);
        CHECK(f.Parent->Caption() == "Parent");
    }
}

TEST_CASE("the MDI parent's frame subclasses the client window for as long as it lives, leaking nothing")
{
    {
        TMDIFixture warmUp;
    }
    const TObjectCounts before;
    {
        TMDIFixture f;
        TKsCustomForm& frame = f.FrameOf(f.Parent);
        HWND client = f.Parent->ClientHandle();
        REQUIRE(frame.SubclassedClient() == client);

        // Clicks on the empty client area go through to the form.
        RECT rect;
        GetWindowRect(client, &rect);
        CHECK(SendMessageA(client, WM_NCHITTEST, 0, MAKELPARAM(rect.right - 5, rect.bottom - 5)) == HTTRANSPARENT);
        // The client's sunken edge goes when the system recomputes its scroll bars.
        SetWindowLongA(client, GWL_EXSTYLE, GetWindowLongA(client, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
        CHECK(SendMessageA(client, KM_MDICALCCHILDSCROLL, 0, 0) == 0);
        CHECK((GetWindowLongA(client, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) == 0);

        // A resized parent keeps its active maximized child over the client area.
        f.Second->Show();
        f.FrameOf(f.Second).Maximize();
        f.Parent->SetBounds(f.Parent->Left(), f.Parent->Top(), 640, 430);
        const RECT area = f.ClientArea();
        RECT bounds = f.Bounds(f.Second);
        CHECK(EqualRect(&bounds, &area));
    }
    const TObjectCounts after;
    CHECK(after.Gdi == before.Gdi);
    CHECK(after.Windows == before.Windows);
    CHECK(after.Menus == before.Menus);
}
