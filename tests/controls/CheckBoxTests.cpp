// The check boxes: toggling by mouse, Space, access key and program, the
// themed boxes, the caption and its focus rectangle.

#include "controls/NgCheckBoxs.h"
#include "tests/controls/ControlsFixture.h"
#include "tests/support/ChangeCounter.h"

#include "framework/Application.h"

#include <doctest/doctest.h>

namespace {
struct TCheckFixture : TControlsFixture {
    TNgCheckBox* Box;
    int Clicks = 0;
    TChangeCounter Counter{&Clicks};

    TCheckFixture() : Box(Add<TNgCheckBox>(20, 20, 97, 19))
    {
        Box->SetCaption("&Always on top");
        Box->OnClick = Counter.Event();
        Show();
    }
};

// Whether the box shows the theme's picture of that state and check.
bool BoxIs(TNgCheckBox& box, int state, int check)
{
    TOwned<TKsBitmap> reference = MakeOwned<TKsBitmap>();
    reference->SetSize(16, 16);
    reference->Fill(MakeColor(1, 2, 3));
    box.ThemeEngine()->Theme()->DrawCheckBox(*reference, RECT{0, 0, 16, 16}, state, check);
    const RECT where = box.GetBoxRect();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const uint32_t expected = reference->GetPixel(x, y);
            // Pixels the box leaves transparent show the form behind it.
            if (expected == MakeColor(1, 2, 3))
                continue;
            if (Opaque(box.FrontBuffer().GetPixel(where.left + x, where.top + y)) != Opaque(expected))
                return false;
        }
    return true;
}
}  // namespace

TEST_CASE("the check box toggles by mouse, Space and access key, and OnClick follows every change")
{
    TCheckFixture fixture;
    TNgCheckBox* box = fixture.Box;

    SUBCASE("by the program: once per change")
    {
        box->SetChecked(true);
        CHECK(fixture.Clicks == 1);
        box->SetChecked(true);
        CHECK(fixture.Clicks == 1);
        box->SetState(cbGrayed);
        CHECK(fixture.Clicks == 2);
        CHECK_FALSE(box->Checked());
    }

    SUBCASE("by the mouse: grayed goes to checked; the right edge still counts, one pixel beyond does not")
    {
        box->SetState(cbGrayed);
        ClickAt(box, 5, 5);
        CHECK(box->State() == cbChecked);
        ClickAt(box, 97, 19);
        CHECK(box->State() == cbUnchecked);
        ClickAt(box, 98, 5);
        CHECK(box->State() == cbUnchecked);
        // The right button does not toggle.
        box->Perform(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
        box->Perform(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
        CHECK(box->State() == cbUnchecked);
        CHECK(fixture.Clicks == 3);
    }

    SUBCASE("by Space and by Alt+A")
    {
        box->SetFocus();
        REQUIRE(PumpUntilFocused(box));
        PostKey(box->Handle(), WM_KEYDOWN, VK_SPACE);
        PostKey(box->Handle(), WM_KEYUP, VK_SPACE);
        REQUIRE(WaitFor([&] { return box->Checked(); }));
        auto* other = fixture.Add<TNgCheckBox>(20, 50, 97, 19);
        other->SetFocus();
        REQUIRE(PumpUntilFocused(other));
        PostKey(other->Handle(), WM_SYSCHAR, 'a', true);
        REQUIRE(WaitFor([&] { return !box->Checked(); }));
        CHECK(box->Focused());
        CHECK(fixture.Clicks == 2);
    }
}

TEST_CASE("the themed box of each state; the classic box without a theme")
{
    TCheckFixture fixture;
    TNgCheckBox* box = fixture.Box;
    CHECK(box->GetBoxSize().cx == 16);
    CHECK(BoxIs(*box, 0, 1));
    box->SetChecked(true);
    CHECK(BoxIs(*box, 0, 0));
    box->SetState(cbGrayed);
    CHECK(BoxIs(*box, 0, 2));
    box->Perform(CM_MOUSEENTER);
    CHECK(BoxIs(*box, 1, 2));
    box->Perform(CM_MOUSELEAVE);
    box->SetEnabled(false);
    CHECK(BoxIs(*box, 3, 2));

    // Classic: the system's 13-pixel box, the caption 5 pixels after it.
    fixture.Engine->Free();
    CHECK(box->GetBoxSize().cx == 13);
    box->SetEnabled(true);
    const TKsBitmap& pixels = box->FrontBuffer();
    CHECK(Opaque(pixels.GetPixel(0, 3)) == ColorToPixel(clBtnShadow));
    int firstInk = 1000;
    for (int y = 0; y < 19; ++y)
        for (int x = 13; x < 40; ++x)
            if (Opaque(pixels.GetPixel(x, y)) == MakeColor(0, 0, 0))
                firstInk = std::min(firstInk, x);
    CHECK(firstInk >= 18);
    CHECK(firstInk <= 19);
}

TEST_CASE("a click gives the check box the focus and its focus rectangle")
{
    TCheckFixture fixture;
    TNgCheckBox* box = fixture.Box;
    auto* other = fixture.Add<TNgCheckBox>(20, 50, 97, 19);
    other->SetFocus();
    REQUIRE(PumpUntilFocused(other));
    // The caption area's rows before and after.
    auto captionRow = [&](int y) {
        std::vector<uint32_t> row;
        for (int x = 20; x < 97; ++x)
            row.push_back(Opaque(box->FrontBuffer().GetPixel(x, y)));
        return row;
    };
    std::vector<std::vector<uint32_t>> before;
    for (int y = 0; y < 19; ++y)
        before.push_back(captionRow(y));
    ClickAt(box, 30, 8);
    REQUIRE(PumpUntilFocused(box));
    CHECK(box->HasFocus());
    int changedRows = 0;
    for (int y = 0; y < 19; ++y)
        changedRows += captionRow(y) != before[static_cast<size_t>(y)];
    // Top and bottom of the rectangle, and its sides on the rows between.
    CHECK(changedRows >= 2);
    box->Perform(WM_KILLFOCUS);
    int restored = 0;
    for (int y = 0; y < 19; ++y)
        restored += captionRow(y) == before[static_cast<size_t>(y)];
    CHECK(restored == 19);
}
