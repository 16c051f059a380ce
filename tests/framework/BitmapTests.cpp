#include "tests/framework/Pixels.h"
#include "tests/support/ChangeCounter.h"
#include "tests/support/GdiCount.h"

#include "framework/Icon.h"
#include "framework/Picture.h"
#include "framework/Stream.h"
#include "resources/resource.h"

#include <doctest/doctest.h>

#include <cstring>

namespace {
const COLORREF Magenta = RGB(255, 0, 255);
const COLORREF Grey = RGB(128, 128, 128);

// A 3 x 2 pattern whose every pixel differs, alpha bytes included.
std::vector<uint32_t> Pattern()
{
    return {0x10FF0000, 0x2000FF00, 0x300000FF, 0x40123456, 0x50FEDCBA, 0x60808080};
}
}

TEST_CASE("BMP files round-trip exactly")
{
    for (int bits : {24, 32}) {
        CAPTURE(bits);
        std::vector<uint32_t> pixels = Pattern();
        if (bits == 24)
            for (uint32_t& p : pixels)
                p &= 0xFFFFFF;
        std::vector<uint8_t> file = MakeBmpFile(3, 2, bits, pixels);
        TMemoryStream in(file);
        TBitmap bitmap;
        bitmap.LoadFromStream(in);
        CHECK(bitmap.Width() == 3);
        CHECK(bitmap.Height() == 2);
        CHECK(bitmap.PixelFormat() == (bits == 24 ? pf24bit : pf32bit));
        CHECK(PixelAt(bitmap, 0, 0) == RGB(0xFF, 0, 0));
        CHECK(PixelAt(bitmap, 1, 1) == RGB(0xFE, 0xDC, 0xBA));

        TMemoryStream out;
        bitmap.SaveToStream(out);
        CHECK(out.Data() == file);
    }
}

TEST_CASE("A top-down BMP file loads the right way up and saves bottom-up")
{
    TMemoryStream in(MakeBmpFile(3, 2, 24, {0xFF0000, 0x00FF00, 0x0000FF, 0x111111, 0x222222, 0x333333}, true));
    TBitmap bitmap;
    bitmap.LoadFromStream(in);
    CHECK(PixelAt(bitmap, 0, 0) == RGB(0xFF, 0, 0));
    CHECK(PixelAt(bitmap, 2, 1) == RGB(0x33, 0x33, 0x33));
    TMemoryStream out;
    bitmap.SaveToStream(out);
    CHECK(out.Data() == MakeBmpFile(3, 2, 24, {0xFF0000, 0x00FF00, 0x0000FF, 0x111111, 0x222222, 0x333333}));
}

TEST_CASE("Malformed BMP data is refused and the bitmap keeps its image")
{
    TBitmap bitmap;
    MakeFilled(bitmap, 4, 4, clRed);
    std::vector<uint8_t> good = MakeBmpFile(3, 2, 24, {0, 0, 0, 0, 0, 0});

    SUBCASE("truncated pixels")
    {
        std::vector<uint8_t> cut(good.begin(), good.end() - 4);
        TMemoryStream in(cut);
        CHECK_THROWS_AS(bitmap.LoadFromStream(in), EInvalidGraphic);
    }
    SUBCASE("huge extent")
    {
        std::vector<uint8_t> bad = good;
        int32_t huge = 0x40000000;
        std::memcpy(bad.data() + 14 + 4, &huge, 4);
        TMemoryStream in(bad);
        CHECK_THROWS_AS(bitmap.LoadFromStream(in), EInvalidGraphic);
    }
    SUBCASE("not a bitmap")
    {
        std::vector<uint8_t> bad = good;
        bad[0] = 'X';
        TMemoryStream in(bad);
        CHECK_THROWS_AS(bitmap.LoadFromStream(in), EInvalidGraphic);
    }
    SUBCASE("a colour table larger than the depth allows")
    {
        std::vector<uint8_t> bad = good;
        uint16_t four = 4;
        uint32_t colors = 17;
        std::memcpy(bad.data() + 14 + 14, &four, 2);
        std::memcpy(bad.data() + 14 + 32, &colors, 4);
        TMemoryStream in(bad);
        CHECK_THROWS_AS(bitmap.LoadFromStream(in), EInvalidGraphic);
    }
    CHECK(bitmap.Width() == 4);
    CHECK(PixelAt(bitmap, 3, 3) == RGB(255, 0, 0));
}

TEST_CASE("A 4-bit bitmap resource loads with its own pixels")
{
    TBitmap strip;
    strip.LoadFromResourceName(GetModuleHandleA(nullptr), RESOURCE_NAME(RES_GAUGES));
    CHECK(strip.Width() == 208);
    CHECK(strip.Height() == 16);
    CHECK(strip.PixelFormat() == pf4bit);
    CHECK(strip.ResourceName() == RESOURCE_NAME(RES_GAUGES));
    CHECK(strip.TransparentColor() == static_cast<TColor>(Magenta));
    CHECK(PixelAt(strip, 0, 0) == Magenta);
    CHECK(PixelAt(strip, 1, 0) == Grey);
    CHECK(PixelAt(strip, 5, 3) == Grey);
    CHECK(PixelAt(strip, 5, 14) == Magenta);              // image 0: empty
    CHECK(PixelAt(strip, 16 + 5, 14) == RGB(255, 0, 0));  // image 1: one red row
    CHECK(PixelAt(strip, 16 + 5, 13) == Magenta);
    CHECK(PixelAt(strip, 32 + 13, 13) == RGB(255, 255, 0));  // image 2: yellow
    CHECK(PixelAt(strip, 192 + 2, 0) == RGB(0, 255, 0));     // image 12: full
    CHECK_THROWS_AS(strip.LoadFromResourceName(GetModuleHandleA(nullptr), "NO_SUCH_BITMAP"), EResNotFound);
    CHECK(strip.Width() == 208);
}

TEST_CASE("A 4-bit image saves as a 4-bit file with its palette")
{
    TBitmap strip;
    strip.LoadFromResourceName(GetModuleHandleA(nullptr), RESOURCE_NAME(RES_KSE_CLOSE));
    TMemoryStream saved;
    strip.SaveToStream(saved);
    saved.SetPosition(0);
    TBitmap again;
    again.LoadFromStream(saved);
    CHECK(again.PixelFormat() == pf4bit);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            REQUIRE(PixelAt(again, x, y) == PixelAt(strip, x, y));
}

TEST_CASE("Transparent drawing leaves the target under the transparent colour")
{
    TBitmap source;
    MakeFilled(source, 4, 4, clFuchsia);
    source.Canvas().SetPixel(1, 1, RGB(255, 0, 0));
    source.Canvas().SetPixel(2, 3, RGB(0, 0, 0));
    TBitmap target;
    MakeFilled(target, 8, 8, clBlue);

    SUBCASE("keyed on the bottom-left pixel")
    {
        source.SetTransparent(true);
        target.Canvas().Draw(2, 2, source);
        CHECK(PixelAt(target, 3, 3) == RGB(255, 0, 0));
        CHECK(PixelAt(target, 4, 5) == RGB(0, 0, 0));
        for (POINT p : {POINT{2, 2}, POINT{5, 5}, POINT{0, 0}, POINT{3, 4}, POINT{7, 7}})
            CHECK(PixelAt(target, p.x, p.y) == RGB(0, 0, 255));
    }
    SUBCASE("keyed on a chosen colour")
    {
        source.SetTransparent(true);
        source.SetTransparentColor(clRed);
        target.Canvas().Draw(0, 0, source);
        CHECK(PixelAt(target, 1, 1) == RGB(0, 0, 255));
        CHECK(PixelAt(target, 0, 0) == Magenta);
    }
    SUBCASE("stretched")
    {
        source.SetTransparent(true);
        RECT twice{0, 0, 8, 8};
        target.Canvas().StretchDraw(twice, source);
        CHECK(PixelAt(target, 2, 2) == RGB(255, 0, 0));
        CHECK(PixelAt(target, 3, 3) == RGB(255, 0, 0));
        CHECK(PixelAt(target, 0, 0) == RGB(0, 0, 255));
    }
    SUBCASE("opaque when not transparent")
    {
        target.Canvas().Draw(0, 0, source);
        CHECK(PixelAt(target, 0, 0) == Magenta);
    }
}

TEST_CASE("Assigning a bitmap copies its pixels into an image of its own")
{
    TBitmap source;
    source.LoadFromResourceName(GetModuleHandleA(nullptr), RESOURCE_NAME(RES_GAUGES));
    source.SetTransparent(true);
    TBitmap copy;
    copy.Assign(&source);
    CHECK(copy.Width() == 208);
    CHECK(copy.PixelFormat() == pf4bit);
    CHECK(copy.Transparent());
    CHECK(copy.Handle() != source.Handle());
    for (int x = 0; x < 208; x += 3)
        for (int y = 0; y < 16; ++y)
            REQUIRE(PixelAt(copy, x, y) == PixelAt(source, x, y));
    source.Canvas().SetPixel(0, 0, RGB(0, 0, 0));
    CHECK(PixelAt(copy, 0, 0) == Magenta);

    SUBCASE("handle and canvas take turns")
    {
        HBITMAP handle = copy.Handle();
        TMemoryDC dc;
        CHECK(SelectObject(dc.Get(), handle) != nullptr);  // free to select elsewhere
        SelectObject(dc.Get(), GetStockObject(DEFAULT_GUI_FONT));
    }
    SUBCASE("null empties")
    {
        copy.Assign(nullptr);
        CHECK(copy.Empty());
    }
}

TEST_CASE("Pixel formats convert and keep the image")
{
    TBitmap bitmap;
    MakeFilled(bitmap, 5, 5, clRed);
    bitmap.Canvas().SetPixel(2, 2, RGB(0, 255, 0));
    bitmap.SetPixelFormat(pf4bit);
    CHECK(bitmap.PixelFormat() == pf4bit);
    CHECK(PixelAt(bitmap, 0, 0) == RGB(255, 0, 0));
    CHECK(PixelAt(bitmap, 2, 2) == RGB(0, 255, 0));
    bitmap.SetPixelFormat(pf32bit);
    CHECK(PixelAt(bitmap, 2, 2) == RGB(0, 255, 0));
    bitmap.SetSize(0, 3);
    CHECK(bitmap.Empty());
}

TEST_CASE("Icons copy their image and say when it changes")
{
    TIcon icon;
    int changes = 0;
    TChangeCounter counter{&changes};
    icon.OnChange = counter.Event();

    icon.LoadFromResourceName(GetModuleHandleA(nullptr), RESOURCE_NAME(RES_TRAY_GAUGE_EMPTY));
    CHECK(changes == 1);
    CHECK(icon.Width() == 16);
    CHECK(icon.Height() == 16);

    TIcon copy;
    copy.Assign(&icon);
    CHECK(copy.Handle() != icon.Handle());
    CHECK(copy.Width() == 16);
    // Same image: drawn over two backgrounds, both give the same pixels.
    for (TColor back : {clWhite, clBlack}) {
        TBitmap a, b;
        MakeFilled(a, 16, 16, back);
        MakeFilled(b, 16, 16, back);
        a.Canvas().Draw(0, 0, icon);
        b.Canvas().Draw(0, 0, copy);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                REQUIRE(PixelAt(a, x, y) == PixelAt(b, x, y));
        CHECK(PixelAt(a, 1, 0) == Grey);
        CHECK(PixelAt(a, 0, 0) == ColorToRGB(back));  // transparent corner
    }

    changes = 0;
    TIcon other;
    other.Assign(&icon);
    icon.Assign(&other);
    CHECK(changes == 1);
    icon.Assign(&icon);
    CHECK(changes == 2);
    CHECK(!icon.Empty());
    icon.SetHandle(CopyIcon(other.Handle()));
    CHECK(changes == 3);
    HICON released = icon.ReleaseHandle();
    CHECK(changes == 4);
    CHECK(icon.Empty());
    DestroyIcon(released);
}

TEST_CASE("Shared icons hold one image until the last of them lets go")
{
    auto alive = [](HICON icon) {
        ICONINFO info{};
        if (!GetIconInfo(icon, &info))
            return false;
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        return true;
    };
    TIcon shown;
    int changes = 0;
    TChangeCounter counter{&changes};
    shown.OnChange = counter.Event();
    HICON image;
    {
        TIcon kept;
        kept.LoadFromResourceName(GetModuleHandleA(nullptr), RESOURCE_NAME(RES_TRAY_GAUGE_EMPTY));
        image = kept.Handle();
        shown.Share(kept);
        CHECK(shown.Handle() == image);
        CHECK(shown.Width() == 16);
        CHECK(changes == 1);
        shown.Share(kept);  // the same image again only says so
        CHECK(changes == 2);
        CHECK(shown.Handle() == image);
    }
    CHECK(alive(image));

    TIcon second;
    second.Share(shown);
    HICON released = second.ReleaseHandle();  // still shared: a copy
    CHECK(released != image);
    CHECK(alive(image));
    DestroyIcon(released);
    released = shown.ReleaseHandle();  // the last holder gives it up itself
    CHECK(released == image);
    DestroyIcon(released);

    shown.Share(second);  // an empty icon shares emptiness
    CHECK(shown.Empty());
    {
        TIcon kept;
        kept.LoadFromResourceName(GetModuleHandleA(nullptr), RESOURCE_NAME(RES_TRAY_GAUGE_EMPTY));
        image = kept.Handle();
        shown.Share(kept);
    }
    shown.Assign(nullptr);
    CHECK_FALSE(alive(image));
}

TEST_CASE("Pictures switch between bitmap and icon")
{
    TPicture picture;
    int changes = 0;
    TChangeCounter counter{&changes};
    picture.OnChange = counter.Event();

    picture.SetBitmapResource(RESOURCE_NAME(RES_KSE_CLOSE));
    CHECK(picture.Width() == 16);
    CHECK(dynamic_cast<TBitmap*>(picture.Graphic()) != nullptr);
    CHECK(picture.BitmapResource() == RESOURCE_NAME(RES_KSE_CLOSE));
    CHECK(changes >= 1);

    changes = 0;
    picture.Bitmap().SetTransparent(true);  // the graphic's changes reach the picture
    CHECK(changes == 1);

    picture.Icon().LoadFromResourceName(GetModuleHandleA(nullptr), RESOURCE_NAME(RES_TRAY_GAUGE_EMPTY));
    CHECK(picture.BitmapResource().empty());
    CHECK(picture.IconResource() == RESOURCE_NAME(RES_TRAY_GAUGE_EMPTY));

    TPicture copy;
    copy.Assign(&picture);
    auto* icon = dynamic_cast<TIcon*>(copy.Graphic());
    REQUIRE(icon != nullptr);
    CHECK(icon->Handle() != picture.Icon().Handle());

    TBitmap fromPicture;
    picture.SetBitmapResource(RESOURCE_NAME(RES_KSE_CLOSE));
    fromPicture.Assign(&picture);
    CHECK(fromPicture.Width() == 16);
    copy.Assign(nullptr);
    CHECK(copy.Graphic() == nullptr);
}

TEST_CASE("No GDI object is left behind by bitmaps, icons and pictures")
{
    auto round = [] {
        TBitmap strip;
        strip.LoadFromResourceName(GetModuleHandleA(nullptr), RESOURCE_NAME(RES_GAUGES));
        strip.SetTransparent(true);
        TBitmap target;
        MakeFilled(target, 32, 32, clWhite);
        target.Canvas().Font().SetName("Arial");
        target.Canvas().TextOut(0, 0, "x");
        target.Canvas().Draw(0, 0, strip);
        TBitmap copy;
        copy.Assign(&strip);
        copy.SetPixelFormat(pf24bit);
        TMemoryStream stream;
        copy.SaveToStream(stream);
        stream.SetPosition(0);
        copy.LoadFromStream(stream);
        TIcon icon;
        icon.LoadFromResourceName(GetModuleHandleA(nullptr), RESOURCE_NAME(RES_TRAY_GAUGE_EMPTY));
        TIcon iconCopy;
        iconCopy.Assign(&icon);
        target.Canvas().Draw(0, 0, iconCopy);
        TPicture picture;
        picture.Assign(&icon);
        picture.SetBitmapResource(RESOURCE_NAME(RES_KSE_CLOSE));
        TBitmap fromIcon;
        fromIcon.Assign(&icon);
        DeleteObject(copy.ReleaseHandle());
    };
    round();  // first-use allocations (stock objects, caches) happen here
    int before = CountGdiObjects();
    for (int i = 0; i < 100; ++i)
        round();
    CHECK(CountGdiObjects() == before);
}

TEST_CASE("A canvas in use follows the bitmap to a new image")
{
    TBitmap bitmap;
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(clRed);
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(4, 4);
    CHECK(PixelAt(bitmap, 0, 0) == RGB(255, 255, 255));  // new images are white
    canvas.FillRect(RECT{0, 0, 4, 4});
    CHECK(PixelAt(bitmap, 3, 3) == RGB(255, 0, 0));
    bitmap.LoadFromResourceName(GetModuleHandleA(nullptr), RESOURCE_NAME(RES_KSE_CLOSE));
    canvas.SetPixel(0, 0, RGB(0, 255, 0));
    CHECK(PixelAt(bitmap, 0, 0) == RGB(0, 255, 0));
}
