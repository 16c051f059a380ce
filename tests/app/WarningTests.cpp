#include "tests/app/MeterFixture.h"
#include "tests/support/MessagePump.h"

#include "framework/Application.h"
#include "framework/MenuItem.h"
#include "framework/ScopeGuard.h"
#include "framework/Strings.h"
#include "framework/Timer.h"
#include "resources/resource.h"

#include <doctest/doctest.h>

namespace {

// One sampling tick and one warning tick with these figures.
void Tick(TfrmQuorvel* form, int32_t system, int32_t user, int32_t gdi)
{
    TProbeFeed::Set(system, user, gdi);
    form->tmQuorvelTimer(nullptr);
    form->tmWarningTimer(nullptr);
}

size_t BoxCount()
{
    return TBoxRecorder::Boxes().size();
}

// A box shown while another one is open must not appear: the nested tick
// below finds WarningBusy set even though the latch was cleared meanwhile.
int WINAPI NestedTickBox(HWND, LPCSTR, LPCSTR, UINT)
{
    TBoxRecorder::Boxes().push_back({});
    WarningShown = false;
    frmQuorvel->tmWarningTimer(nullptr);
    return IDOK;
}

HWND TopMostWindow = nullptr;
bool TopMostDuringBox = true;
int WINAPI CheckTopMostBox(HWND, LPCSTR, LPCSTR, UINT)
{
    TBoxRecorder::Boxes().push_back({});
    TopMostDuringBox = (GetWindowLongA(TopMostWindow, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    return IDOK;
}

}  // namespace

TEST_CASE("Low-resource warning")
{
    TMeterFixture f;
    TProbeFeed::Set(50, 50, 50);
    f.CreateForm();
    TfrmQuorvel* form = f.Form;
    // The real timers stay out of the way; the ticks are called directly.
    form->tmQuorvel->SetEnabled(false);
    REQUIRE(form->pmiWarnOnLowResources->Checked());  // first run: warnings on
    REQUIRE(form->tmWarning->Enabled());
    form->tmWarning->SetEnabled(false);

    SUBCASE("GDI low with System at 40: one beep, one box, re-armed on the first good tick")
    {
        Tick(form, 40, 50, 8);
        REQUIRE(BoxCount() == 1);
        const TBoxRecorder::TBox& box = TBoxRecorder::Boxes()[0];
        CHECK(box.Flags == (MB_OK | MB_ICONEXCLAMATION | MB_TOPMOST));
        CHECK(box.Owner == Application->Handle());
        CHECK(box.Caption == "Low Resources");
        CHECK(box.Text == LoadStr(IDS_LOW_RESOURCES_WARNING));
        CHECK(box.Text.rfind("Ninety percent or more", 0) == 0);
        CHECK(TMeterFixture::Beeps == 1);
        CHECK(!WarningBusy);

        Tick(form, 40, 50, 8);
        Tick(form, 40, 50, 5);
        CHECK(BoxCount() == 1);
        CHECK(WarningShown);

        Tick(form, 40, 50, 11);
        CHECK(!WarningShown);
        Tick(form, 40, 50, 8);
        CHECK(BoxCount() == 2);
        CHECK(TMeterFixture::Beeps == 2);
    }
    SUBCASE("10, 14, 9 warns once; 15 re-arms")
    {
        Tick(form, 10, 50, 50);
        Tick(form, 14, 50, 50);
        CHECK(WarningShown);
        Tick(form, 9, 50, 50);
        CHECK(BoxCount() == 1);
        Tick(form, 15, 50, 50);
        CHECK(!WarningShown);
        Tick(form, 9, 50, 50);
        CHECK(BoxCount() == 2);
    }
    SUBCASE("an unavailable probe never warns")
    {
        Tick(form, -1, -1, -1);
        Tick(form, -1, -1, -1);
        CHECK(BoxCount() == 0);
        CHECK(TMeterFixture::Beeps == 0);
    }
    SUBCASE("toggling the setting off and on during a shortage warns again")
    {
        Tick(form, 5, 50, 50);
        CHECK(BoxCount() == 1);
        form->pmiWarnOnLowResources->Click();
        CHECK(!form->pmiWarnOnLowResources->Checked());
        CHECK(!form->tmWarning->Enabled());
        form->pmiWarnOnLowResources->Click();
        CHECK(form->pmiWarnOnLowResources->Checked());
        CHECK(form->tmWarning->Enabled());
        CHECK(!WarningShown);
        form->tmWarning->SetEnabled(false);
        Tick(form, 5, 50, 50);
        CHECK(BoxCount() == 2);
    }
    SUBCASE("a nested tick while the box is open opens no second box")
    {
        TProbeFeed::Set(5, 50, 50);
        TScopedOverride<TApplication::TMessageBoxFunction> box(Application->MessageBoxFunction, NestedTickBox);
        form->tmWarningTimer(nullptr);
        CHECK(BoxCount() == 1);
        CHECK(TMeterFixture::Beeps == 1);
        CHECK(!WarningBusy);
    }
    SUBCASE("the program's topmost windows give way to the box and get their state back")
    {
        TopMostWindow = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "on top", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                        nullptr, nullptr, nullptr);
        REQUIRE(TopMostWindow);
        TScopedOverride<TApplication::TMessageBoxFunction> box(Application->MessageBoxFunction, CheckTopMostBox);
        TProbeFeed::Set(5, 50, 50);
        form->tmWarningTimer(nullptr);
        CHECK(BoxCount() == 1);
        CHECK(!TopMostDuringBox);
        CHECK((GetWindowLongA(TopMostWindow, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
        DestroyWindow(TopMostWindow);
    }
}

TEST_CASE("The warning timer runs only while warnings are on")
{
    TMeterFixture f;
    TProbeFeed::Set(5, 50, 50);
    f.CreateForm();
    f.Form->tmQuorvel->SetEnabled(false);
    SUBCASE("on: a real tick raises the box")
    {
        CHECK(PumpUntil([] { return !TBoxRecorder::Boxes().empty(); }, 5000));
    }
    SUBCASE("off: nothing is queried")
    {
        f.Form->pmiWarnOnLowResources->Click();
        REQUIRE(!f.Form->tmWarning->Enabled());
        int queries = TProbeFeed::Queries;
        PumpFor(2500);
        CHECK(TProbeFeed::Queries == queries);
        CHECK(TBoxRecorder::Boxes().empty());
    }
}
