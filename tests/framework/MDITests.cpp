#include "tests/framework/FormsTestSupport.h"

#include "framework/LayoutReader.h"
#include "tests/support/GdiCount.h"

#include <doctest/doctest.h>

#include <memory>
#include <string>

namespace {

// A form read from a layout with the given style, shown.
TForm* ReadForm(const char* name, const char* style, const char* caption)
{
    TForm* form = Create<TForm>(nullptr);
    std::string layout =
        std::string("object ") + name + ": TForm\n  Caption = '" + caption + "'\n  FormStyle = " + style + "\nend\n";
    ReadLayout(form, layout, name);
    form->Show();
    return form;
}

bool IsOfClass(HWND window, const char* className)
{
    char name[32] = "";
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, className) == 0;
}

// Where the window lies in its parent's client area.
RECT PlaceInParent(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

TEST_CASE("an MDI parent keeps its children in its client window and frees in either order without leaks")
{
    // The first round pays for what the system's MDI code makes once.
    std::unique_ptr<TObjectCounts> before;
    for (bool childrenFirst : {true, false, true}) {
        CAPTURE(childrenFirst);
        TForm* parent = ReadForm("frmParent", "fsMDIForm", "Parent");
        TForm* first = ReadForm("frmFirst", "fsMDIChild", "First");
        TForm* second = ReadForm("frmSecond", "fsMDIChild", "Second");
        Pump();

        HWND client = parent->ClientHandle();
        REQUIRE(client);
        CHECK(IsOfClass(client, "MDICLIENT"));
        RECT clientArea = PlaceInParent(client);
        RECT parentArea;
        GetClientRect(parent->Handle(), &parentArea);
        CHECK(EqualRect(&clientArea, &parentArea));
        CHECK(GetParent(first->Handle()) == client);
        CHECK(first->MDIParent() == parent);
        CHECK(parent->MDIChildCount() == 2);
        CHECK(parent->MDIChildren(0) == second);  // front to back
        CHECK(parent->MDIChildren(1) == first);
        CHECK(parent->ActiveMDIChild() == second);
        {
            // A child made before it is shown stays hidden until then.
            TForm* hidden = Create<TForm>(nullptr);
            hidden->SetFormStyle(fsMDIChild);
            hidden->HandleNeeded();
            CHECK_FALSE(IsWindowVisible(hidden->Handle()));
            CHECK(parent->ActiveMDIChild() == second);
            hidden->Free();
        }
        first->Show();
        CHECK(parent->ActiveMDIChild() == first);

        // The system's MDI code is the children's default: it zooms them.
        SendMessageA(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(first->Handle()), 0);
        CHECK(first->WindowState() == wsMaximized);
        first->SetWindowState(wsNormal);
        CHECK(first->WindowState() == wsNormal);

        // Resizing the parent resizes its client window (the frame procedure).
        parent->SetBounds(parent->Left(), parent->Top(), parent->Width() + 40, parent->Height() + 30);
        clientArea = PlaceInParent(client);
        GetClientRect(parent->Handle(), &parentArea);
        CHECK(EqualRect(&clientArea, &parentArea));

        if (childrenFirst) {
            first->Free();
            CHECK(parent->MDIChildCount() == 1);
            second->Free();
            CHECK(parent->MDIChildCount() == 0);
            parent->Free();
        } else {
            // The parent takes the children's windows; the forms live on.
            parent->Free();
            CHECK_FALSE(first->HandleAllocated());
            CHECK_FALSE(second->HandleAllocated());
            CHECK_THROWS_AS(second->HandleNeeded(), EInvalidOperation);
            first->Free();
            second->Free();
        }
        Pump();
        if (!before) {
            before = std::make_unique<TObjectCounts>();
            continue;
        }
        const TObjectCounts after;
        CHECK(after.Gdi == before->Gdi);
        CHECK(after.Windows == before->Windows);
        CHECK(after.Menus == before->Menus);
    }
}

TEST_CASE("closing an MDI child minimizes it unless OnClose says otherwise")
{
    struct TCloser {
        TCloseAction Seen = caNone;
        TCloseAction Wanted = caMinimize;
        void FormClose(TObject*, TCloseAction& action)
        {
            Seen = action;
            action = Wanted;
        }
    } closer;
    TForm* parent = ReadForm("frmParent", "fsMDIForm", "Parent");
    TForm* child = ReadForm("frmChild", "fsMDIChild", "Child");
    child->OnClose = TCloseEvent::Bind<&TCloser::FormClose>(&closer);
    child->Close();
    CHECK(closer.Seen == caMinimize);
    CHECK(child->WindowState() == wsMinimized);
    closer.Wanted = caHide;
    SendMessageA(child->Handle(), WM_CLOSE, 0, 0);
    CHECK_FALSE(IsWindowVisible(child->Handle()));
    child->Free();
    parent->Free();
}
