#include "framework/Canvas.h"
#include "framework/GdiObject.h"
#include "tests/support/ChangeCounter.h"
#include "tests/support/GdiCount.h"
#include "tests/support/Surface.h"

#include <doctest/doctest.h>

TEST_CASE("A canvas draws with its brush, pen and font")
{
    TSurface scratch(32, 32);
    TCanvas canvas(scratch.DC.Get());
    canvas.Brush().SetColor(clRed);
    canvas.FillRect(RECT{0, 0, 32, 32});
    CHECK(canvas.Pixel(5, 5) == RGB(255, 0, 0));

    canvas.Pen().SetColor(clBlue);
    canvas.MoveTo(0, 10);
    canvas.LineTo(32, 10);
    CHECK(canvas.Pixel(5, 10) == RGB(0, 0, 255));

    SUBCASE("and follows changes of its objects")
    {
        canvas.Brush().SetColor(clLime);
        canvas.FillRect(RECT{0, 20, 32, 32});
        CHECK(canvas.Pixel(5, 25) == RGB(0, 255, 0));
    }
    SUBCASE("measures text in its font")
    {
        canvas.Font().SetName("Tahoma");
        canvas.Font().SetHeight(-11);
        int small = canvas.TextWidth("WWWW");
        canvas.Font().SetHeight(-22);
        CHECK(canvas.TextWidth("WWWW") > small);
        CHECK(canvas.TextWidth("") == 0);
    }
}

TEST_CASE("Canvases, fonts, brushes and pens leave no GDI object behind")
{
    TSurface scratch(32, 32);
    int before = CountGdiObjects();
    for (int i = 0; i < 20; ++i) {
        TCanvas canvas(scratch.DC.Get());
        canvas.Font().SetHeight(-11 - i);
        canvas.TextWidth("text");
        canvas.Brush().SetColor(static_cast<TColor>(RGB(i, 0, 0)));
        canvas.FillRect(RECT{0, 0, 4, 4});
        canvas.Brush().SetColor(clWhite);  // changed while selected
        canvas.FillRect(RECT{0, 0, 4, 4});
        canvas.Pen().SetWidth(2);
        canvas.LineTo(3, 3);
    }
    CHECK(CountGdiObjects() == before);
}

TEST_CASE("Fonts")
{
    TFont font;
    SUBCASE("convert between points and pixels at the screen's resolution")
    {
        font.SetSize(8);
        CHECK(font.Height() == -MulDiv(8, TFont::PixelsPerInch(), 72));
        CHECK(font.Size() == 8);
    }
    SUBCASE("take a LOGFONT")
    {
        LOGFONTA source{};
        source.lfHeight = -13;
        source.lfWeight = FW_BOLD;
        source.lfCharSet = 178;
        lstrcpyA(source.lfFaceName, "Tahoma");
        font.AssignLogFont(source);
        CHECK(font.Name() == "Tahoma");
        CHECK(font.Height() == -13);
        CHECK(font.Style() == TFontStyles{fsBold});
        CHECK(font.Charset() == 178);
    }
    SUBCASE("report changes")
    {
        int changes = 0;
        TChangeCounter counter{&changes};
        font.OnChange = counter.Event();
        font.SetName("Arial");
        font.SetName("Arial");
        font.SetColor(clRed);
        CHECK(changes == 2);
    }
}
