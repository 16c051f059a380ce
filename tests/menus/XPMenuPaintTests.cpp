// Items drawn through the painter's handlers into an off-screen canvas:
// the pixels that make the XP look.

#include "tests/menus/XPMenuFixture.h"
#include "tests/support/GdiCount.h"

#include "framework/Canvas.h"
#include "framework/ImageList.h"
#include "framework/Menu.h"
#include "menus/XPColors.h"

#include <doctest/doctest.h>

namespace {

COLORREF StripColor()
{
    return Lightened(Rgb(clBtnFace), 16);
}

COLORREF ItemColor()
{
    return Lightened(Rgb(clBtnFace), 86);
}

COLORREF SelectFill()
{
    return Lightened(Rgb(clHighlight), 68);
}

#define CHECK_COLOR(actual, expected) CHECK_MESSAGE((actual) == (expected), Hex(actual), " != ", Hex(expected))

}

TEST_CASE("The gradient fades fast across the icon strip and slowly to near white")
{
    TXPMenuFixture fixture;
    fixture.Painter->SetGradient(true);
    RECT rect = fixture.Render(fixture.Item("pmiPlain"), false);
    const int row = 1;  // above the caption

    // The shade grows by 1 at the item's edge, by 3 inside the strip and
    // 5 pixels past it, then by 1 up to 96.
    CHECK_COLOR(fixture.Pixel(0, row), Lightened(StripColor(), 1));
    CHECK_COLOR(fixture.Pixel(1, row), Lightened(StripColor(), 4));
    CHECK_COLOR(fixture.Pixel(10, row), Lightened(StripColor(), 31));
    CHECK_COLOR(fixture.Pixel(23, row), Lightened(StripColor(), 70));
    CHECK_COLOR(fixture.Pixel(28, row), Lightened(StripColor(), 85));
    CHECK_COLOR(fixture.Pixel(29, row), Lightened(StripColor(), 86));
    CHECK_COLOR(fixture.Pixel(38, row), Lightened(StripColor(), 95));
    CHECK_COLOR(fixture.Pixel(39, row), Lightened(StripColor(), 96));
    // Near the right edge, and 2 pixels beyond it.
    CHECK_COLOR(fixture.Pixel(rect.right - 1, row), Lightened(StripColor(), 96));
    CHECK_COLOR(fixture.Pixel(rect.right + 1, row), Lightened(StripColor(), 96));
    CHECK_COLOR(fixture.Pixel(rect.right + 2, row), Untouched);
    // Columns are whole: the extra row below the item too.
    CHECK_COLOR(fixture.Pixel(10, rect.bottom), Lightened(StripColor(), 31));
    CHECK_COLOR(fixture.Pixel(10, rect.bottom + 1), Untouched);
}

TEST_CASE("Without the gradient the item is light with a strip in the strip colour")
{
    TXPMenuFixture fixture;
    RECT rect = fixture.Render(fixture.Item("pmiPlain"), false);
    CHECK_COLOR(fixture.Pixel(0, 1), StripColor());
    CHECK_COLOR(fixture.Pixel(23, 1), StripColor());
    CHECK_COLOR(fixture.Pixel(24, 1), ItemColor());
    CHECK_COLOR(fixture.Pixel(rect.right - 1, 1), ItemColor());
    CHECK_COLOR(fixture.Pixel(rect.right, 1), Untouched);
}

TEST_CASE("The selection bar is framed in the highlight colour and filled light")
{
    TXPMenuFixture fixture;
    for (bool gradient : {false, true}) {
        CAPTURE(gradient);
        fixture.Painter->SetGradient(gradient);
        RECT rect = fixture.Render(fixture.Item("pmiPlain"), true);
        COLORREF frame = Rgb(clHighlight);
        // One pixel free at the top; the frame's bottom is the item's last row.
        CHECK(fixture.Pixel(100, 0) != frame);
        CHECK_COLOR(fixture.Pixel(0, 1), frame);
        CHECK_COLOR(fixture.Pixel(100, 1), frame);
        CHECK_COLOR(fixture.Pixel(rect.right - 1, 1), frame);
        CHECK_COLOR(fixture.Pixel(0, rect.bottom - 1), frame);
        CHECK_COLOR(fixture.Pixel(rect.right - 1, 10), frame);
        CHECK_COLOR(fixture.Pixel(100, rect.bottom - 1), frame);
        CHECK(fixture.Pixel(100, rect.bottom) != frame);
        // Filled over the strip as well.
        CHECK_COLOR(fixture.Pixel(5, 3), SelectFill());
        CHECK_COLOR(fixture.Pixel(rect.right - 3, 3), SelectFill());
    }

    SUBCASE("the flat border leaves the last column free")
    {
        fixture.Painter->SetGradient(false);
        fixture.Painter->SetFlatMenu(true);
        RECT rect = fixture.Render(fixture.Item("pmiPlain"), true);
        CHECK_COLOR(fixture.Pixel(rect.right - 2, 10), Rgb(clHighlight));
        CHECK_COLOR(fixture.Pixel(rect.right - 1, 10), ItemColor());
    }

    SUBCASE("DrawSelect off draws no bar")
    {
        fixture.Painter->SetDrawSelect(false);
        RECT rect = fixture.Render(fixture.Item("pmiPlain"), true);
        CHECK_FALSE(fixture.Contains(RECT{0, 0, rect.right, rect.bottom}, Rgb(clHighlight)));
    }
}

TEST_CASE("A checked item without an image shows a boxed five-line tick")
{
    TXPMenuFixture fixture;
    RECT rect = fixture.Render(fixture.Item("pmiChecked"), false);
    // A 10 x 10 box centred in the strip of the item (one row taller).
    const int L = (24 - 10) / 2;
    const int T = (rect.bottom + 1 - 10) / 2;
    const int R = L + 10;
    const int B = T + 10;
    const COLORREF black = RGB(0, 0, 0);

    CHECK_COLOR(fixture.Pixel(L, T), Rgb(clHighlight));
    CHECK_COLOR(fixture.Pixel(R - 1, B - 1), Rgb(clHighlight));
    CHECK_COLOR(fixture.Pixel(L, B - 1), Rgb(clHighlight));
    CHECK_COLOR(fixture.Pixel(L + 1, T + 1), Lightened(Rgb(clHighlight), 75));

    // Where each of the five lines starts.
    CHECK_COLOR(fixture.Pixel(L + 1, T + 5), black);
    CHECK_COLOR(fixture.Pixel(L + 2, T + 5), black);
    CHECK_COLOR(fixture.Pixel(L + 2, T + 4), black);
    CHECK_COLOR(fixture.Pixel(L + 4, B - 3), black);
    CHECK_COLOR(fixture.Pixel(L + 4, B - 2), black);
    // The short strokes end where they should.
    CHECK_COLOR(fixture.Pixel(L + 3, B - 3), black);
    CHECK(fixture.Pixel(L + 4, B - 1) != black);
    // The long stroke climbs past the box's top-right corner.
    CHECK_COLOR(fixture.Pixel(L + 7, T + 4), black);
    CHECK_COLOR(fixture.Pixel(R, T + 1), black);
    CHECK_COLOR(fixture.Pixel(R + 1, T), black);
    CHECK(fixture.Pixel(R + 2, T - 1) != black);
    // Nothing else of the box is black.
    CHECK(fixture.Pixel(L + 1, T + 1) != black);
    CHECK(fixture.Pixel(R - 2, B - 2) != black);
}

TEST_CASE("The separator is one line from 7 pixels into the text area")
{
    TXPMenuFixture fixture;
    for (bool gradient : {false, true}) {
        CAPTURE(gradient);
        fixture.Painter->SetGradient(gradient);
        RECT rect = fixture.Render(fixture.Item("pmiSeparator"), false);
        REQUIRE(rect.bottom == 4);
        COLORREF line = Lightened(Rgb(clBtnShadow), 25);
        // Five rows with the extra one: the middle rounds 2.5 to 2.
        const int y = 2;
        CHECK_COLOR(fixture.Pixel(24 + 7, y), line);
        CHECK(fixture.Pixel(24 + 6, y) != line);
        CHECK_COLOR(fixture.Pixel(rect.right - 1, y), line);
        CHECK(fixture.Pixel(rect.right, y) != line);
        CHECK(fixture.Pixel(100, y - 1) != line);
        CHECK(fixture.Pixel(100, y + 1) != line);
    }
}

TEST_CASE("A disabled item under the mouse gets no selection bar")
{
    TXPMenuFixture fixture;
    TMenuItem* item = fixture.Item("pmiDisabled");
    COLORREF disabledText = Lightened(Rgb(clBtnShadow), 10);

    SUBCASE("without the gradient its background is left as it was")
    {
        RECT rect = fixture.Render(item, true);
        CHECK_COLOR(fixture.Pixel(5, 1), Untouched);
        CHECK_COLOR(fixture.Pixel(rect.right - 5, 1), Untouched);
        CHECK_FALSE(fixture.Contains(RECT{0, 0, rect.right, rect.bottom + 1}, Rgb(clHighlight)));
        CHECK_FALSE(fixture.Contains(RECT{0, 0, rect.right, rect.bottom + 1}, SelectFill()));
        CHECK(fixture.Contains(RECT{24, 0, rect.right, rect.bottom}, disabledText));
    }

    SUBCASE("with the gradient its background is repainted, still without a bar")
    {
        fixture.Painter->SetGradient(true);
        RECT rect = fixture.Render(item, true);
        CHECK_COLOR(fixture.Pixel(0, 1), Lightened(StripColor(), 1));
        CHECK_COLOR(fixture.Pixel(rect.right - 5, 1), Lightened(StripColor(), 96));
        CHECK_FALSE(fixture.Contains(RECT{0, 0, rect.right, rect.bottom + 1}, Rgb(clHighlight)));
        CHECK(fixture.Contains(RECT{24, 0, rect.right, rect.bottom}, disabledText));
    }

    SUBCASE("not under the mouse it has its background")
    {
        RECT rect = fixture.Render(item, false);
        CHECK_COLOR(fixture.Pixel(rect.right - 5, 1), ItemColor());
        CHECK(fixture.Contains(RECT{24, 0, rect.right, rect.bottom}, disabledText));
    }
}

TEST_CASE("Below 16 bits per pixel the menu is white with a plain strip and no gradient")
{
    TForcedColorDepth depth(8);
    TXPMenuFixture fixture;
    fixture.Painter->SetGradient(true);
    RECT rect = fixture.Render(fixture.Item("pmiPlain"), false);
    CHECK_COLOR(fixture.Pixel(0, 1), Rgb(clBtnFace));
    CHECK_COLOR(fixture.Pixel(23, 1), Rgb(clBtnFace));
    CHECK_COLOR(fixture.Pixel(24, 1), RGB(255, 255, 255));
    CHECK_COLOR(fixture.Pixel(rect.right - 1, 1), RGB(255, 255, 255));
    CHECK_COLOR(fixture.Pixel(rect.right, 1), Untouched);
    CHECK_FALSE(fixture.Painter->EffectiveColors().HighColor);

    fixture.Render(fixture.Item("pmiPlain"), true);
    CHECK_COLOR(fixture.Pixel(0, 1), Rgb(clHighlight));
    CHECK_COLOR(fixture.Pixel(5, 3), RGB(255, 255, 255));

    fixture.Render(fixture.Item("pmiChecked"), false);
    CHECK_COLOR(fixture.Pixel(8, (rect.bottom + 1 - 10) / 2 + 1), RGB(255, 255, 255));
}

TEST_CASE("Item images fade, lift with a shadow and grey out")
{
    TXPMenuFixture fixture;
    TImageList* images = Create<TImageList>(fixture.Form);
    {
        // A red square in the middle of a transparent 16 x 16 image.
        TBitmap strip;
        strip.SetPixelFormat(pf24bit);
        strip.SetSize(16, 16);
        strip.Canvas().Brush().SetColor(clFuchsia);
        strip.Canvas().FillRect(RECT{0, 0, 16, 16});
        strip.Canvas().Brush().SetColor(clRed);
        strip.Canvas().FillRect(RECT{4, 4, 12, 12});
        images->AddMasked(strip, clFuchsia);
    }
    As<TMenu>(fixture.Form->FindComponent("pmTest"))->SetImages(images);
    TMenuItem* item = fixture.Item("pmiPlain");
    item->SetImageIndex(0);
    // Image at strip left + (24 - 16) / 2 and strip top + 4: red from (8, 8) to (15, 15).

    SUBCASE("resting: faded by 30 percent, transparent around")
    {
        fixture.Render(item, false);
        CHECK_COLOR(fixture.Pixel(8, 8), Lightened(RGB(255, 0, 0), 30));
        CHECK_COLOR(fixture.Pixel(15, 15), Lightened(RGB(255, 0, 0), 30));
        CHECK_COLOR(fixture.Pixel(6, 6), StripColor());
        CHECK_COLOR(fixture.Pixel(16, 16), StripColor());
    }

    SUBCASE("under the mouse: full colour, one pixel up and left, over its shadow")
    {
        fixture.Render(item, true);
        COLORREF shadow = Darkened(SelectFill(), 50);
        CHECK_COLOR(fixture.Pixel(7, 7), RGB(255, 0, 0));
        CHECK_COLOR(fixture.Pixel(14, 14), RGB(255, 0, 0));
        CHECK_COLOR(fixture.Pixel(15, 15), shadow);
        CHECK_COLOR(fixture.Pixel(16, 16), shadow);
        CHECK_COLOR(fixture.Pixel(17, 17), SelectFill());
        CHECK_COLOR(fixture.Pixel(6, 6), SelectFill());
    }

    SUBCASE("disabled: grey")
    {
        item->SetEnabled(false);
        fixture.Render(item, false);
        int gray = 90 + 255 / 3;
        CHECK_COLOR(fixture.Pixel(10, 10), RGB(gray, gray, gray));
    }

    SUBCASE("checked: framed, neither faded nor lifted")
    {
        item->SetChecked(true);
        RECT rect = fixture.Render(item, false);
        CHECK_COLOR(fixture.Pixel(8, 8), RGB(255, 0, 0));
        // The strip less 1, 2, 3 and 2 pixels.
        CHECK_COLOR(fixture.Pixel(1, 2), Rgb(clHighlight));
        CHECK_COLOR(fixture.Pixel(20, rect.bottom + 1 - 3), Rgb(clHighlight));
        CHECK_COLOR(fixture.Pixel(3, 4), Lightened(Rgb(clHighlight), 75));
    }
}

TEST_CASE("Text: disabled colour, embossed default, lighter shortcut")
{
    TXPMenuFixture fixture;
    RECT rect = fixture.Render(fixture.Item("pmiPlain"), false);
    RECT text{24, 0, rect.right, rect.bottom};
    CHECK(fixture.Contains(text, Rgb(clMenuText)));

    // The default caption is surrounded by copies darkened from the background.
    fixture.Render(fixture.Item("pmiDefault"), false);
    CHECK(fixture.Contains(text, Darkened(ItemColor(), 60)));
    CHECK(fixture.Contains(text, Darkened(ItemColor(), 30)));

    // The shortcut, right aligned 10 pixels in, is 40 lighter than the caption.
    rect = fixture.Render(fixture.Item("pmiSave"), false);
    COLORREF shortCut = Darkened(Rgb(clMenuText), -40);
    CHECK(fixture.Contains(RECT{rect.right / 2, 0, rect.right - 10, rect.bottom}, shortCut));
    CHECK_FALSE(fixture.Contains(RECT{rect.right - 10, 0, rect.right, rect.bottom}, shortCut));
    CHECK_FALSE(fixture.Contains(RECT{24, 0, 24 + 40, rect.bottom}, shortCut));
}

TEST_CASE("Right to left: the strip and the text move to the right")
{
    TXPMenuFixture fixture;
    As<TMenu>(fixture.Form->FindComponent("pmTest"))->SetRightToLeft(true);
    RECT rect = fixture.Render(fixture.Item("pmiChecked"), false);
    CHECK_COLOR(fixture.Pixel(rect.right - 1, 1), StripColor());
    CHECK_COLOR(fixture.Pixel(rect.right - 24, 1), StripColor());
    CHECK_COLOR(fixture.Pixel(rect.right - 25, 1), ItemColor());
    CHECK_COLOR(fixture.Pixel(0, 1), ItemColor());
    // The check box sits in the right-hand strip.
    CHECK_COLOR(fixture.Pixel(rect.right - 24 + 7, (rect.bottom + 1 - 10) / 2), Rgb(clHighlight));
    // The caption is right aligned, 5 pixels in from the strip.
    CHECK(fixture.Contains(RECT{rect.right - 24 - 40, 0, rect.right - 24 - 5, rect.bottom}, Rgb(clMenuText)));
    CHECK_FALSE(fixture.Contains(RECT{0, 0, 60, rect.bottom}, Rgb(clMenuText)));
}

TEST_CASE("A selected menu-bar item is a raised tab")
{
    TXPMenuFixture fixture;
    TMenuItem* item = fixture.Item("mmiFile");
    SIZE size = fixture.Measure(item);
    TTextMeter meter(fixture.Painter->Font());
    // No strip is reserved on the bar: the text and 10 pixels.
    CHECK(size.cx == meter.Width("&File") - meter.Width("&") + 10);

    RECT rect = fixture.Render(item, false, size.cx);
    CHECK_COLOR(fixture.Pixel(1, 1), Rgb(clMenu));

    rect = fixture.Render(item, true, size.cx);
    COLORREF border = Darkened(Rgb(clBtnFace), 90);
    CHECK_COLOR(fixture.Pixel(0, 0), border);
    CHECK_COLOR(fixture.Pixel(rect.right - 3, 5), border);
    CHECK_COLOR(fixture.Pixel(1, 1), StripColor());
    CHECK_COLOR(fixture.Pixel(rect.right - 2, 10), Darkened(Rgb(clMenu), 100));
    CHECK_COLOR(fixture.Pixel(rect.right - 1, 10), Darkened(Rgb(clMenu), 60));
    CHECK_COLOR(fixture.Pixel(rect.right - 2, 2), Darkened(Rgb(clMenu), 10));

    SUBCASE("below 16 bits the shadow is a plain band")
    {
        TForcedColorDepth depth(8);
        rect = fixture.Render(item, true, size.cx);
        CHECK_COLOR(fixture.Pixel(rect.right - 2, 10), Rgb(clBtnShadow));
        CHECK_COLOR(fixture.Pixel(rect.right - 1, 10), Rgb(clBtnShadow));
    }
}

TEST_CASE("Painting every kind of item many times keeps the GDI object count")
{
    TXPMenuFixture fixture;
    fixture.Painter->SetGradient(true);
    const char* names[] = {"pmiPlain", "pmiExit",     "pmiSave",    "pmiSeparator", "pmiChecked",
                           "pmiRadio", "pmiDisabled", "pmiDefault", "mmiFile"};
    auto paintAll = [&] {
        for (const char* name : names)
            for (bool selected : {false, true})
                fixture.Render(fixture.Item(name), selected);
    };
    paintAll();
    int before = CountGdiObjects();
    for (int i = 0; i < 20; ++i)
        paintAll();
    CHECK(CountGdiObjects() == before);
}
