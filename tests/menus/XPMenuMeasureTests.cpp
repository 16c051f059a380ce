// Item sizes as the painter's measure handler reports them.

#include "tests/menus/XPMenuFixture.h"

#include "framework/Canvas.h"
#include "framework/ImageList.h"
#include "framework/Menu.h"
#include "framework/ShortCut.h"
#include "menus/XPColors.h"

#include <doctest/doctest.h>

namespace {

void UseTahoma(TXPMenu* painter)
{
    painter->Font().SetName("Tahoma");
    painter->Font().SetHeight(-11);
}

}

TEST_CASE("RoundHalfEven rounds halves to the even neighbour")
{
    CHECK(RoundHalfEven(2.5) == 2);
    CHECK(RoundHalfEven(3.5) == 4);
    CHECK(RoundHalfEven(9.75) == 10);
    CHECK(RoundHalfEven(10.5) == 10);
    CHECK(RoundHalfEven(2.49) == 2);
    CHECK(RoundHalfEven(-0.5) == 0);
    CHECK(RoundHalfEven(-1.5) == -2);
}

TEST_CASE("Items measure their text, the strip and the gaps")
{
    TXPMenuFixture fixture;
    UseTahoma(fixture.Painter);
    TTextMeter meter(fixture.Painter->Font());

    SUBCASE("Tahoma -11: text height plus three quarters of it")
    {
        int textHeight = meter.Height("Warn on low resources");
        SIZE size = fixture.Measure(fixture.Item("pmiPlain"));
        MESSAGE("Tahoma -11 text height ", textHeight, ", item height ", size.cy);
        CHECK(size.cy == textHeight + RoundHalfEven(textHeight * 0.75));
        CHECK(size.cx == meter.Width("Warn on low resources") + 24 + 10);
    }

    SUBCASE("a separator is 4 pixels high whatever the font")
    {
        CHECK(fixture.Measure(fixture.Item("pmiSeparator")).cy == 4);
        fixture.Painter->Font().SetHeight(-40);
        CHECK(fixture.Measure(fixture.Item("pmiSeparator")).cy == 4);
        // Taller than 4 when asked for more, as every measure.
        CHECK(fixture.Measure(fixture.Item("pmiSeparator"), 0, 9).cy == 4);
    }

    SUBCASE("the access-key marker takes no room")
    {
        SIZE size = fixture.Measure(fixture.Item("pmiExit"));
        CHECK(size.cx == meter.Width("E&xit") - meter.Width("&") + 34);
        CHECK(size.cx - 34 <= meter.Width("Exit") + 1);
    }

    SUBCASE("a shortcut adds its text and WWW for the gap")
    {
        std::string shortCut = ShortCutToText(fixture.Item("pmiSave")->ShortCut());
        REQUIRE(shortCut == "Ctrl+S");
        SIZE size = fixture.Measure(fixture.Item("pmiSave"));
        CHECK(size.cx == meter.Width("SaveCtrl+SWWW") + 34);
    }

    SUBCASE("without an image an item is 34 pixels wider than its text")
    {
        for (const char* name : {"pmiPlain", "pmiChecked", "pmiDisabled", "pmiSub", "pmiSubOne"}) {
            CAPTURE(name);
            TMenuItem* item = fixture.Item(name);
            CHECK(fixture.Measure(item).cx == meter.Width(item->Caption()) + 34);
        }
    }

    SUBCASE("a size already larger is kept")
    {
        SIZE size = fixture.Measure(fixture.Item("pmiPlain"), 500, 60);
        CHECK(size.cx == 500);
        CHECK(size.cy == 60);
    }

    SUBCASE("images wider or taller than the strip count in full")
    {
        TImageList* images = Create<TImageList>(fixture.Form);
        images->SetWidth(32);
        images->SetHeight(30);
        As<TMenu>(fixture.Form->FindComponent("pmTest"))->SetImages(images);
        TMenuItem* item = fixture.Item("pmiPlain");
        item->SetImageIndex(0);
        SIZE size = fixture.Measure(item);
        CHECK(size.cx == meter.Width("Warn on low resources") + 32 + 10);
        CHECK(size.cy == 34);
        // Index -1: no image, only the strip.
        item->SetImageIndex(-1);
        CHECK(fixture.Measure(item).cx == meter.Width("Warn on low resources") + 34);
    }
}

TEST_CASE("Every paint takes the system's menu font, Tahoma for MS Sans Serif")
{
    TXPMenuFixture fixture;
    fixture.Painter->Font().SetName("Courier New");
    fixture.Painter->Font().SetColor(clRed);
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    REQUIRE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    std::string expected = metrics.lfMenuFont.lfFaceName;
    if (expected == "MS Sans Serif")
        expected = "Tahoma";
    MESSAGE("system menu font: ", metrics.lfMenuFont.lfFaceName, " ", metrics.lfMenuFont.lfHeight);

    SUBCASE("with system colours")
    {
        fixture.Render(fixture.Item("pmiPlain"), false);
        CHECK(fixture.Painter->Font().Name() == expected);
        CHECK(fixture.Painter->Font().Height() == metrics.lfMenuFont.lfHeight);
        CHECK(fixture.Painter->Font().Color() == clMenuText);
    }

    SUBCASE("without them the font is the painter's own")
    {
        fixture.Painter->SetUseSystemColors(false);
        fixture.Render(fixture.Item("pmiPlain"), false);
        CHECK(fixture.Painter->Font().Name() == "Courier New");
        CHECK(fixture.Painter->Font().Color() == clRed);
    }
}

TEST_CASE("The colour operations resolve system colours and stay in range")
{
    TBitmap target;
    target.SetPixelFormat(pf32bit);
    target.SetSize(1, 1);
    HDC dc = target.Canvas().Handle();
    COLORREF face = Rgb(clBtnFace);

    CHECK(Rgb(Lighten(dc, clBtnFace, 16)) == Lightened(face, 16));
    CHECK(Rgb(Lighten(dc, MakeTColor(100, 0, 200), 50)) == RGB(178, 128, 228));
    // Percentages above 100 stop at white.
    CHECK(Rgb(Lighten(dc, clBlack, 150)) == RGB(255, 255, 255));
    CHECK(Rgb(Darken(dc, MakeTColor(100, 100, 100), 30)) == RGB(70, 72, 70));
    CHECK(Rgb(Darken(dc, MakeTColor(10, 250, 10), 20)) == RGB(0, 232, 0));
    CHECK(Rgb(Darken(dc, MakeTColor(250, 250, 250), -40)) == RGB(255, 255, 255));
    // Grey: the amount is capped at 100, the result at 240.
    CHECK(Rgb(GrayLevel(dc, MakeTColor(30, 60, 90), 90)) == RGB(150, 150, 150));
    CHECK(Rgb(GrayLevel(dc, MakeTColor(30, 60, 90), 500)) == RGB(160, 160, 160));
    CHECK(Rgb(GrayLevel(dc, clWhite, 90)) == RGB(240, 240, 240));
    // Text on light backgrounds keeps the font's colour, on dark ones it is a light tint.
    CHECK(Rgb(ContrastTextColor(dc, MakeTColor(200, 100, 200), clBlack)) == RGB(0, 0, 0));
    CHECK(Rgb(ContrastTextColor(dc, MakeTColor(0, 210, 0), clBlack)) == RGB(0, 0, 0));
    CHECK(Rgb(ContrastTextColor(dc, MakeTColor(0, 0, 128), clBlack)) == Lightened(RGB(0, 0, 128), 90));
}
