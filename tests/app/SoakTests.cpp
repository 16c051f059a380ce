#include "tests/app/MeterFixture.h"
#include "tests/support/GdiCount.h"
#include "tests/support/MessagePump.h"

#include "app/frm_About.h"
#include "app/frm_Details.h"
#include "controls/NgButtons.h"
#include "controls/NgProgress.h"
#include "frame/NgForms.h"
#include "framework/Label.h"
#include "framework/MenuItem.h"
#include "framework/PopupMenu.h"
#include "framework/Strings.h"
#include "framework/Timer.h"
#include "tray/VxTrayIcon.h"

#include <doctest/doctest.h>

namespace {

// Counts the menus the tray really opened: the menu's popup event, passed
// on to the controller's own handler.
struct TPopupCounter {
    TNotifyEvent Controller;
    int Count = 0;
    void Popup(TObject* sender)
    {
        ++Count;
        Controller(sender);
    }
};

}  // namespace

TEST_CASE("Soak: 10,000 samples and 200 menus leave the GDI and USER object counts as they were")
{
    TMeterFixture f;
    // Reading the gauge of each icon would only slow the soak down.
    TShellRecorder::ReadGauges() = false;
    f.CreateForm();
    TfrmQuorvel* form = f.Form;
    form->tmQuorvel->SetEnabled(false);
    form->tmWarning->SetEnabled(false);
    TPopupCounter popups{form->pmQuorvel->OnPopup};
    form->pmQuorvel->OnPopup = TNotifyEvent::Bind<&TPopupCounter::Popup>(&popups);
    // Everything that is made once and kept (menu handle, caches) exists
    // before the count is taken.
    form->tmQuorvelTimer(nullptr);
    OpenTrayMenu(form, 1);
    f.Shell.Clear();
    TObjectCounts before;

    for (int tick = 0; tick < 10000; ++tick) {
        // -1 to 101: every gauge image, the unavailable probe and one
        // figure past the top.
        int32_t system = tick % 103 - 1;
        TProbeFeed::Set(system, (tick * 7) % 101, (tick * 13) % 101);
        form->tmQuorvelTimer(nullptr);
        if (tick % 50 == 0)
            OpenTrayMenu(form, 1);
        if (TShellRecorder::Calls().size() > 1000)
            f.Shell.Clear();
    }
    TObjectCounts after;
    CHECK(popups.Count == 201);
    CHECK(FreeSystem == 9999 % 103 - 1);
    CHECK(after.Gdi == before.Gdi);
    CHECK(after.Windows == before.Windows);
    CHECK(after.Menus == before.Menus);
}

namespace {

// Opens the details window by the menu item or the tray's double-click and
// closes it by Escape, OK or the frame's close button, in turn.
void DetailsCycle(TfrmQuorvel* form, int cycle)
{
    if (cycle % 2 == 0)
        form->pmiDetails->Click();
    else
        SendMessageA(form->VxTrayIcon->WindowHandle(), TrayCallbackMessage, 0, WM_LBUTTONDBLCLK);
    REQUIRE(WaitFor([] { return frmDetails->Visible(); }, 5000));
    switch (cycle % 3) {
    case 0: PostKey(frmDetails->btnOK->Handle(), WM_KEYDOWN, VK_ESCAPE); break;
    case 1: frmDetails->btnOK->Click(); break;
    default: frmDetails->NgForm->CloseForm(); break;
    }
    REQUIRE(WaitFor([] { return !frmDetails->Visible(); }, 5000));
    REQUIRE(form->pmiDetails->Enabled());
}

}  // namespace

TEST_CASE("Soak: 300 details and 100 About windows, then 10,000 ticks on the open details window")
{
    TMeterFixture f;
    TShellRecorder::ReadGauges() = false;
    TProbeFeed::Set(99, 99, 99);
    f.CreateForm();
    TfrmQuorvel* form = f.Form;
    form->tmQuorvel->SetEnabled(false);
    form->tmWarning->SetEnabled(false);
    // What is made once and kept (fonts, the frame's buffers, the caption
    // icon) exists before the counts are taken.
    DetailsCycle(form, 0);
    ChooseAbout(form, [] { frmAbout->Close(); });
    // The gauge icons are kept, but not in a shortage, where the ticks
    // below end: counted from a shortage too, one icon is alive each time.
    TProbeFeed::Set(5, 99, 99);
    form->tmQuorvelTimer(nullptr);
    TProbeFeed::Set(99, 99, 99);
    form->tmQuorvelTimer(nullptr);
    const int gdi = CountGdiObjects();
    const int user = CountUserObjects();

    for (int cycle = 0; cycle < 300; ++cycle)
        DetailsCycle(form, cycle);
    int abouts = 0;
    for (int i = 0; i < 100; ++i)
        ChooseAbout(form, [&abouts] {
            ++abouts;
            frmAbout->btnOK->Click();
        });
    CHECK(abouts == 100);
    CHECK(frmAbout == nullptr);
    CHECK(CountGdiObjects() == gdi);
    // Windows of earlier tests that the system takes down late may go
    // meanwhile: a leak is growth.
    CHECK(CountUserObjects() <= user);

    form->pmiDetails->Click();
    REQUIRE(WaitFor([] { return frmDetails->Visible(); }, 5000));
    for (int tick = 0; tick < 10000; ++tick) {
        TProbeFeed::Set(tick % 102 - 1, (tick * 7) % 101, (tick * 13) % 101);
        form->tmQuorvelTimer(nullptr);
        if (TShellRecorder::Calls().size() > 1000)
            f.Shell.Clear();
    }
    CHECK(frmDetails->prbSystem->Position() == 9999 % 102 - 1);
    CHECK(frmDetails->lblGDI->Caption() == Format("%d%% GDI resources free", (9999 * 13) % 101));
    CHECK(CountGdiObjects() == gdi);
    CHECK(CountUserObjects() <= user);
}
