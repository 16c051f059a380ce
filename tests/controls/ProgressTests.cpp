// The progress bars: themed and classic pixels, the block count rule, the
// empty cases, and when a bar repaints.

#include "controls/NgProgress.h"
#include "tests/controls/ControlsFixture.h"

#include <doctest/doctest.h>

namespace {
const uint32_t Green = MakeColor(33, 195, 33);

// Counts how often its bar is drawn.
class TCountingBar : public TNgProgressBar {
public:
    using TNgProgressBar::TNgProgressBar;
    int Paints = 0;

protected:
    void PaintBar() override
    {
        ++Paints;
        TNgProgressBar::PaintBar();
    }
};

// The details window's bar: 273 x 16, 0 to 100, border on, blocks.
TCountingBar* DetailsBar(TControlsFixture& fixture, int top = 10)
{
    auto* bar = fixture.Add<TCountingBar>(10, top, 273, 16);
    bar->SetMin(0);
    bar->SetMax(100);
    return bar;
}

int GreenBlocks(const TNgProgressBar& bar)
{
    return CountRuns(bar.FrontBuffer(), 8, 0, bar.PaintWidth(), Green);
}
}  // namespace

TEST_CASE("the themed bar at the details window's size")
{
    TControlsFixture fixture;
    TCountingBar* bar = DetailsBar(fixture);
    fixture.Show();
    const TKsBitmap& pixels = bar->FrontBuffer();

    SUBCASE("a rounded frame around the light track, the stripes behind its corners")
    {
        CHECK(Opaque(pixels.GetPixel(136, 0)) == MakeColor(28, 28, 28));
        CHECK(Opaque(pixels.GetPixel(0, 8)) == MakeColor(28, 28, 28));
        CHECK(Opaque(pixels.GetPixel(272, 8)) == MakeColor(28, 28, 28));
        CHECK(Opaque(pixels.GetPixel(136, 1)) == KsTrackLight);
        CHECK(Opaque(pixels.GetPixel(136, 8)) == KsTrackLight);
        CHECK(Opaque(pixels.GetPixel(0, 0)) == TStripedForm::StripeAt(10));
    }

    SUBCASE("blocks 8 pixels wide at a pitch of 10 from the bar area's left")
    {
        bar->SetPosition(50);
        CHECK(Opaque(pixels.GetPixel(1, 8)) != Green);
        for (int x = 2; x < 10; ++x)
            CHECK(Opaque(pixels.GetPixel(x, 8)) == Green);
        CHECK(Opaque(pixels.GetPixel(10, 8)) == KsTrackLight);
        CHECK(Opaque(pixels.GetPixel(11, 8)) == KsTrackLight);
        CHECK(Opaque(pixels.GetPixel(12, 8)) == Green);
        // Full height of the bar area: rows 2 to 13.
        CHECK(Opaque(pixels.GetPixel(5, 2)) == Green);
        CHECK(Opaque(pixels.GetPixel(5, 13)) == Green);
        CHECK(Opaque(pixels.GetPixel(5, 14)) != Green);
    }

    SUBCASE("the block count follows the filled length")
    {
        // Filled length nearest(f x 269); blocks = length div 10, plus one
        // when there is any.
        const struct {
            int Position;
            int Blocks;
        } cases[] = {{-1, 0},  {0, 0},   {3, 0},   {4, 2},   {8, 3},    {25, 7},
                     {50, 14}, {75, 21}, {90, 25}, {97, 27}, {100, 27}, {150, 0}};
        for (const auto& c : cases) {
            bar->SetPosition(c.Position);
            CAPTURE(c.Position);
            CHECK(GreenBlocks(*bar) == c.Blocks);
        }
        // The last block ends one pixel short of the bar area.
        bar->SetPosition(100);
        CHECK(Opaque(pixels.GetPixel(269, 8)) == Green);
        CHECK(Opaque(pixels.GetPixel(270, 8)) == KsTrackLight);
    }

    SUBCASE("an unchanged share does not repaint; Min = Max draws an empty bar")
    {
        bar->SetPosition(50);
        const int paints = bar->Paints;
        bar->SetPosition(50);
        CHECK(bar->Paints == paints);
        bar->SetPosition(120);
        bar->SetPosition(130);  // both empty: stored, not drawn
        CHECK(bar->Position() == 130);
        CHECK(bar->Paints == paints + 1);

        bar->SetMin(50);
        bar->SetMax(50);
        bar->SetPosition(50);
        CHECK(GreenBlocks(*bar) == 0);
        bar->SetSmooth(true);
        CHECK(GreenBlocks(*bar) == 0);
    }

    SUBCASE("a new position is on the screen before the caller returns to the message loop")
    {
        bar->SetPosition(100);
        CHECK(ScreenPixel(bar->Handle(), 265, 8) == Green);
        bar->SetPosition(10);
        CHECK(ScreenPixel(bar->Handle(), 265, 8) == KsTrackLight);
    }

    SUBCASE("smooth: one bar of the filled length")
    {
        bar->SetSmooth(true);
        bar->SetPosition(1);
        CHECK(GreenBlocks(*bar) == 1);
        CHECK(Opaque(pixels.GetPixel(4, 8)) == Green);
        CHECK(Opaque(pixels.GetPixel(5, 8)) == KsTrackLight);
    }

    SUBCASE("removing the engine turns the bar classic at once")
    {
        bar->SetPosition(50);
        fixture.Engine->Free();
        CHECK(bar->ThemeEngine() == nullptr);
        CHECK(GreenBlocks(*bar) == 0);
        CHECK(CountRuns(pixels, 8, 0, 273, ColorToPixel(clHighlight)) == 14);
    }
}

TEST_CASE("the classic bar")
{
    TControlsFixture fixture;
    auto* bar = fixture.Add<TKsCustomProgressBar>(10, 10, 273, 16);
    fixture.Show();
    const TKsBitmap& pixels = bar->FrontBuffer();
    const uint32_t chunk = ColorToPixel(clHighlight);

    SUBCASE("a sunken edge, a line of Color, and 14 chunks at 50")
    {
        bar->SetPosition(50);
        CHECK(Opaque(pixels.GetPixel(0, 0)) == ColorToPixel(clBtnShadow));
        CHECK(Opaque(pixels.GetPixel(272, 15)) == ColorToPixel(clBtnHighlight));
        CHECK(Opaque(pixels.GetPixel(1, 8)) == ColorToPixel(clBtnFace));
        CHECK(CountRuns(pixels, 8, 0, 273, chunk) == 14);
        CHECK(Opaque(pixels.GetPixel(2, 8)) == chunk);
        CHECK(Opaque(pixels.GetPixel(9, 8)) == chunk);
        CHECK(Opaque(pixels.GetPixel(10, 8)) == ColorToPixel(clBtnFace));
    }

    SUBCASE("one hundredth shows nothing, two hundredths two chunks, all of it 27")
    {
        bar->SetPosition(1);
        CHECK(CountRuns(pixels, 8, 0, 273, chunk) == 0);
        bar->SetPosition(2);
        CHECK(CountRuns(pixels, 8, 0, 273, chunk) == 2);
        bar->SetPosition(100);
        CHECK(CountRuns(pixels, 8, 0, 273, chunk) == 27);
        bar->SetMin(-10);
        CHECK(CountRuns(pixels, 8, 0, 273, chunk) == 0);
    }

    SUBCASE("vertical chunks stack from the bottom")
    {
        bar->SetBounds(10, 10, 16, 100);
        bar->SetOrientation(kboVertical);
        bar->SetPosition(50);
        // Bar area 12 wide and 96 high: step 10, 9 whole chunks, K = nearest(4.5) = 4.
        // The buffers were made again for the new size.
        CHECK(Opaque(bar->FrontBuffer().GetPixel(8, 97)) == chunk);
        CHECK(Opaque(bar->FrontBuffer().GetPixel(8, 2)) == ColorToPixel(clBtnFace));
    }
}

TEST_CASE("bar areas without room draw no blocks and do not trap")
{
    TControlsFixture fixture;
    fixture.Show();
    for (bool themed : {true, false})
        for (TKsBarOrientation orientation : {kboHorizontal, kboVertical}) {
            CAPTURE(themed);
            CAPTURE(orientation);
            TNgProgressBar* bar = fixture.Add<TNgProgressBar>(10, 10, 273, 15);
            if (!themed)
                bar->SetThemeEngine(nullptr);
            bar->SetOrientation(orientation);
            if (orientation == kboVertical)
                bar->SetBounds(10, 10, 15, 100);
            bar->SetBorderWidth(7);
            bar->SetPosition(100);
            CHECK(GreenBlocks(*bar) == 0);
            CHECK(CountRuns(bar->FrontBuffer(), 7, 0, bar->PaintWidth(), ColorToPixel(clHighlight)) == 0);
            bar->SetBorderWidth(0);
            bar->SetShowBorder(true);
            bar->SetBounds(10, 10, orientation == kboVertical ? 4 : 100, orientation == kboVertical ? 100 : 4);
            bar->SetPosition(50);
            CHECK(GreenBlocks(*bar) == 0);
            bar->Free();
        }
    // The empty themed vertical bar.
    TNgProgressBar* vertical = fixture.Add<TNgProgressBar>(10, 10, 16, 100);
    vertical->SetOrientation(kboVertical);
    CHECK(CountRuns(vertical->FrontBuffer(), 50, 0, 16, Green) == 0);
}

TEST_CASE("a hidden bar draws nothing until it is shown, then looks as if it had been visible")
{
    TControlsFixture fixture;
    TCountingBar* hidden = DetailsBar(fixture, 10);
    TCountingBar* shown = DetailsBar(fixture, 40);
    hidden->SetVisible(false);
    fixture.Show();
    const int before = hidden->Paints;
    for (int position : {10, 20, 75}) {
        hidden->SetPosition(position);
        shown->SetPosition(position);
    }
    CHECK(hidden->Paints == before);
    CHECK(hidden->Dirty());

    hidden->SetTop(40);
    shown->SetVisible(false);
    hidden->SetVisible(true);
    REQUIRE(WaitFor([&] { return !hidden->Dirty(); }));
    CHECK(hidden->Paints == before + 1);
    bool same = true;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 273; ++x)
            same = same && hidden->FrontBuffer().GetPixel(x, y) == shown->FrontBuffer().GetPixel(x, y);
    CHECK(same);
}
