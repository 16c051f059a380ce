#include "tests/app/MeterFixture.h"
#include "tests/support/GdiCount.h"

#include "framework/PopupMenu.h"
#include "framework/Timer.h"

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

} // namespace

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
