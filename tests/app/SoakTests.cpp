#include "tests/app/MeterFixture.h"
#include "tests/support/GdiCount.h"

#include "framework/Timer.h"

#include <doctest/doctest.h>

namespace {

int MenuOpenings = 0;

void OpenAndCloseMenu(TfrmQuorvel* form)
{
    OpenTrayMenu(form, 1);
    ++MenuOpenings;
}

}  // namespace

TEST_CASE("Soak: 10,000 samples and 200 menus leave the GDI object count as it was")
{
    TMeterFixture f;
    // Reading the gauge of each icon would only slow the soak down.
    TShellRecorder::ReadGauges() = false;
    f.CreateForm();
    TfrmQuorvel* form = f.Form;
    form->tmQuorvel->SetEnabled(false);
    form->tmWarning->SetEnabled(false);
    // Everything that is made once and kept (menu handle, caches) exists
    // before the count is taken.
    form->tmQuorvelTimer(nullptr);
    OpenAndCloseMenu(form);
    f.Shell.Clear();
    int before = CountGdiObjects();

    for (int tick = 0; tick < 10000; ++tick) {
        // -1 to 101: every gauge image, the unavailable probe and one
        // figure past the top.
        int32_t system = tick % 103 - 1;
        TProbeFeed::Set(system, (tick * 7) % 101, (tick * 13) % 101);
        form->tmQuorvelTimer(nullptr);
        if (tick % 50 == 0)
            OpenAndCloseMenu(form);
        if (TShellRecorder::Calls().size() > 1000)
            f.Shell.Clear();
    }
    CHECK(MenuOpenings == 201);
    CHECK(FreeSystem == 9999 % 103 - 1);
    CHECK(CountGdiObjects() == before);
}
