#include "tests/framework/Pixels.h"

#include "framework/Icon.h"
#include "framework/Image.h"
#include "framework/LayoutReader.h"
#include "resources/resource.h"

#include <doctest/doctest.h>

namespace {
const COLORREF Magenta = RGB(255, 0, 255);

// Paints the image control onto a blue surface, as its parent would.
void PaintOnBlue(TImage& image, TBitmap& surface)
{
    MakeFilled(surface, image.Width(), image.Height(), clBlue);
    image.Perform(WM_PAINT, reinterpret_cast<WPARAM>(surface.Canvas().Handle()), 0);
}
}

TEST_CASE("The picture control draws its picture")
{
    TComponent* component = CreateFromLayout("object imgClose: TImage\n"
                                             "  Picture.BitmapResource = 'KSE_CLOSE'\n"
                                             "end\n",
                                             nullptr, "TEST");
    auto* image = dynamic_cast<TImage*>(component);
    REQUIRE(image != nullptr);
    image->SetBounds(0, 0, 32, 32);
    TBitmap surface;
    TBitmap& picture = image->Picture().Bitmap();
    REQUIRE(picture.Width() == 16);
    COLORREF corner = PixelAt(picture, 0, 0);
    REQUIRE(corner == Magenta);

    SUBCASE("at the top-left corner, opaque")
    {
        PaintOnBlue(*image, surface);
        CHECK(PixelAt(surface, 0, 0) == Magenta);
        CHECK(PixelAt(surface, 20, 20) == RGB(0, 0, 255));
    }
    SUBCASE("transparent")
    {
        image->SetTransparent(true);
        CHECK(picture.Transparent());
        PaintOnBlue(*image, surface);
        CHECK(PixelAt(surface, 0, 0) == RGB(0, 0, 255));
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (PixelAt(picture, x, y) != Magenta)
                    REQUIRE(PixelAt(surface, x, y) == PixelAt(picture, x, y));
    }
    SUBCASE("centred")
    {
        image->SetCenter(true);
        PaintOnBlue(*image, surface);
        CHECK(PixelAt(surface, 8, 8) == Magenta);
        CHECK(PixelAt(surface, 7, 7) == RGB(0, 0, 255));
    }
    SUBCASE("stretched over the control")
    {
        image->SetStretch(true);
        PaintOnBlue(*image, surface);
        CHECK(PixelAt(surface, 31, 0) == PixelAt(picture, 15, 0));
        CHECK(PixelAt(surface, 31, 31) == PixelAt(picture, 15, 15));
    }
    SUBCASE("an icon")
    {
        image->Picture().Icon().LoadFromResourceName(GetModuleHandleA(nullptr), RESOURCE_NAME(RES_TRAY_GAUGE_EMPTY));
        PaintOnBlue(*image, surface);
        CHECK(PixelAt(surface, 0, 0) == RGB(0, 0, 255));
        CHECK(PixelAt(surface, 1, 0) == RGB(128, 128, 128));
    }
    component->Free();
}
