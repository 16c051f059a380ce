// TKsBitmap to and from the framework's bitmaps, icons and pictures.

#include "framework/Bitmap.h"
#include "framework/Font.h"
#include "framework/Icon.h"
#include "framework/Picture.h"
#include "resources/resource.h"
#include "tests/support/GdiCount.h"
#include "theme/KsBitmap.h"

#include <doctest/doctest.h>

namespace {

// A 24-bit framework bitmap: red left half, blue right half, one green pixel.
TOwned<TBitmap> Painted(int width, int height)
{
    TOwned<TBitmap> bitmap = MakeOwned<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(width, height);
    TCanvas& canvas = bitmap->Canvas();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            canvas.SetPixel(x, y, x < width / 2 ? RGB(255, 0, 0) : RGB(0, 0, 255));
    canvas.SetPixel(1, 2, RGB(0, 255, 0));
    return bitmap;
}

}  // namespace

TEST_CASE("Assign from a framework bitmap copies its image, opaque")
{
    TOwned<TBitmap> source = Painted(6, 4);
    TOwned<TKsBitmap> bitmap = MakeOwned<TKsBitmap>();
    bitmap->Assign(source.get());
    REQUIRE(bitmap->Width() == 6);
    REQUIRE(bitmap->Height() == 4);
    CHECK(bitmap->GetPixel(0, 0) == 0xFFFF0000);
    CHECK(bitmap->GetPixel(5, 3) == 0xFF0000FF);
    CHECK(bitmap->GetPixel(1, 2) == 0xFF00FF00);

    // An empty bitmap leaves an existing image of another size alone.
    TOwned<TBitmap> empty = MakeOwned<TBitmap>();
    bitmap->Assign(empty.get());
    CHECK(bitmap->Width() == 6);
}

TEST_CASE("Assign from a picture takes its bitmap, or draws its icon")
{
    TOwned<TPicture> picture = MakeOwned<TPicture>();
    TOwned<TBitmap> painted = Painted(5, 3);
    picture->Bitmap().Assign(painted.get());
    TOwned<TKsBitmap> bitmap = MakeOwned<TKsBitmap>();
    bitmap->Assign(picture.get());
    CHECK(bitmap->Width() == 5);
    CHECK(bitmap->GetPixel(4, 0) == 0xFF0000FF);

    picture->Icon().LoadFromResourceName(GetModuleHandleA(nullptr), RESOURCE_NAME(RES_MAIN_ICON), 32);
    REQUIRE_FALSE(picture->Icon().Empty());
    bitmap->Fill(0);
    bitmap->Assign(picture.get());
    REQUIRE(bitmap->Width() == picture->Width());
    REQUIRE(bitmap->Height() == picture->Height());
    // The icon was drawn in, and every pixel is opaque.
    bool opaque = true, drawn = false;
    for (int i = 0; i < bitmap->Width() * bitmap->Height(); ++i) {
        opaque = opaque && (bitmap->Bits()[i] >> 24) == 0xFF;
        drawn = drawn || (bitmap->Bits()[i] & 0xFFFFFF) != 0;
    }
    CHECK(opaque);
    CHECK(drawn);
}

TEST_CASE("Assign from an icon draws it at its size")
{
    TOwned<TIcon> icon = MakeOwned<TIcon>();
    icon->LoadFromResourceName(GetModuleHandleA(nullptr), RESOURCE_NAME(RES_MAIN_ICON), 16);
    TOwned<TKsBitmap> bitmap = MakeOwned<TKsBitmap>();
    bitmap->Assign(icon.get());
    CHECK(bitmap->Width() == icon->Width());
    CHECK(bitmap->Height() == icon->Height());
    CHECK((bitmap->GetPixel(0, 0) >> 24) == 0xFF);
}

TEST_CASE("Assign from another TKsBitmap does nothing; unknown sources are refused")
{
    TOwned<TKsBitmap> source = MakeOwned<TKsBitmap>();
    source->SetSize(3, 3);
    source->Fill(0xFF123456);
    TOwned<TKsBitmap> bitmap = MakeOwned<TKsBitmap>();
    bitmap->Assign(source.get());
    CHECK(bitmap->Empty());

    TOwned<TFont> font = MakeOwned<TFont>();
    CHECK_THROWS_AS(bitmap->Assign(font.get()), EConvertError);
    CHECK_THROWS_AS(font->Assign(source.get()), EConvertError);
}

TEST_CASE("A framework bitmap or picture assigned from a TKsBitmap gets its colours in 24 bits")
{
    TOwned<TKsBitmap> source = MakeOwned<TKsBitmap>();
    source->SetSize(4, 3);
    source->Fill(0x00336699);  // transparent: alpha is not carried
    source->SetPixel(3, 2, 0x80FF8000);

    TOwned<TBitmap> bitmap = MakeOwned<TBitmap>();
    bitmap->Assign(source.get());
    CHECK(bitmap->PixelFormat() == pf24bit);
    CHECK(bitmap->Width() == 4);
    CHECK(bitmap->Height() == 3);
    CHECK(bitmap->Canvas().Pixel(0, 0) == RGB(0x33, 0x66, 0x99));
    CHECK(bitmap->Canvas().Pixel(3, 2) == RGB(0xFF, 0x80, 0x00));

    TOwned<TPicture> picture = MakeOwned<TPicture>();
    picture->Assign(source.get());
    CHECK(picture->Width() == 4);
    CHECK(picture->Bitmap().Canvas().Pixel(3, 2) == RGB(0xFF, 0x80, 0x00));

    // Round trip: the colours come back, now opaque.
    TOwned<TKsBitmap> back = MakeOwned<TKsBitmap>();
    back->Assign(bitmap.get());
    CHECK(back->GetPixel(3, 2) == 0xFFFF8000);
    CHECK(back->GetPixel(0, 1) == 0xFF336699);
}

TEST_CASE("Assigning images leaks no GDI objects")
{
    auto exercise = [] {
        TOwned<TBitmap> painted = Painted(8, 8);
        TOwned<TKsBitmap> bitmap = MakeOwned<TKsBitmap>();
        bitmap->Assign(painted.get());
        TOwned<TBitmap> copy = MakeOwned<TBitmap>();
        copy->Assign(bitmap.get());
        TOwned<TIcon> icon = MakeOwned<TIcon>();
        icon->LoadFromResourceName(GetModuleHandleA(nullptr), RESOURCE_NAME(RES_MAIN_ICON), 16);
        bitmap->Assign(icon.get());
    };
    exercise();
    const int before = CountGdiObjects();
    for (int i = 0; i < 5; ++i)
        exercise();
    CHECK(CountGdiObjects() == before);
}
