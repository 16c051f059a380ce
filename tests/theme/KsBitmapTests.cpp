// TKsBitmap: life cycle, SetSize failures, pixel access, fills and edges,
// gradients, copies between bitmaps, loading, and the free helpers.

#include "framework/Stream.h"
#include "resources/resource.h"
#include "tests/framework/Pixels.h"
#include "tests/support/ChangeCounter.h"
#include "tests/support/GdiCount.h"
#include "tests/theme/BitmapTestSupport.h"
#include "theme/KsBitmap.h"

#include <doctest/doctest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::string RaisedMessage(TKsBitmap& bitmap, int width, int height)
{
    try {
        bitmap.SetSize(width, height);
    } catch (const EOutOfResources& error) {
        return error.Message();
    }
    return "";
}

// Restores the real GDI calls however the test ends.
struct TAllocatorScope {
    ~TAllocatorScope() { KsBitmapAllocator = KsBitmapGdiAllocator; }
};

HBITMAP FailingDib(const BITMAPINFO*, void**)
{
    return nullptr;
}
// A DIB is made, but without pixel memory.
HBITMAP DibWithoutBits(const BITMAPINFO* info, void** bits)
{
    HBITMAP dib = KsBitmapGdiAllocator.CreateDib(info, bits);
    *bits = nullptr;
    return dib;
}
HDC FailingDC()
{
    return nullptr;
}
HGDIOBJ FailingSelect(HDC, HGDIOBJ)
{
    return nullptr;
}

}  // namespace

TEST_CASE("SetSize takes absolute values and ignores 0 and the current size")
{
    TOwned<TKsBitmap> bitmap = MakeOwned<TKsBitmap>();
    int changes = 0;
    TChangeCounter counter{&changes};
    bitmap->OnChange = counter.Event();
    CHECK(bitmap->Empty());
    CHECK(bitmap->DC() == nullptr);
    CHECK(bitmap->Bits() == nullptr);

    bitmap->SetSize(-10, 5);
    CHECK(bitmap->Width() == 10);
    CHECK(bitmap->Height() == 5);
    CHECK_FALSE(bitmap->Empty());
    CHECK(bitmap->DC() != nullptr);
    CHECK(changes == 1);

    bitmap->SetPixel(3, 2, 0x12345678);
    bitmap->SetSize(0, 5);
    bitmap->SetSize(7, 0);
    bitmap->SetSize(10, -5);
    CHECK(bitmap->Width() == 10);
    CHECK(bitmap->Height() == 5);
    CHECK(bitmap->GetPixel(3, 2) == 0x12345678);
    CHECK(changes == 1);

    // A new size starts over in transparent black.
    bitmap->SetSize(4, 3);
    CHECK(changes == 2);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            CHECK(bitmap->GetPixel(x, y) == 0);
}

TEST_CASE("A fresh bitmap is all zeros and reads opaque black outside")
{
    TOwned<TKsBitmap> bitmap = MakeOwned<TKsBitmap>();
    CHECK(bitmap->GetPixel(0, 0) == KsOpaqueBlack);
    bitmap->SetPixel(0, 0, 1);  // no pixels: ignored
    bitmap->SetSize(33, 17);
    const uint32_t* bits = bitmap->Bits();
    bool allZero = true;
    for (int i = 0; i < 33 * 17; ++i)
        allZero = allZero && bits[i] == 0;
    CHECK(allZero);
    CHECK(bitmap->GetPixel(-1, 0) == KsOpaqueBlack);
    CHECK(bitmap->GetPixel(33, 0) == KsOpaqueBlack);
    CHECK(bitmap->GetPixel(0, 17) == KsOpaqueBlack);
    CHECK(bitmap->GetPixel(0, -1) == KsOpaqueBlack);
    bitmap->SetPixel(33, 0, 0xFFFFFFFF);
    bitmap->SetPixel(-1, 3, 0xFFFFFFFF);
    bitmap->SetPixel(32, 16, 0x01020304);
    CHECK(bitmap->GetPixel(32, 16) == 0x01020304);
    CHECK(bits[16 * 33 + 32] == 0x01020304);
    CHECK(bits[0] == 0);
}

TEST_CASE("Each SetSize failure raises its message, undoes its steps and still reports the change")
{
    TAllocatorScope restore;
    TOwned<TKsBitmap> bitmap = MakeOwned<TKsBitmap>();
    int changes = 0;
    TChangeCounter counter{&changes};
    bitmap->OnChange = counter.Event();
    bitmap->SetSize(8, 8);
    const int baseline = CountGdiObjects();

    struct TCase {
        const char* Name;
        TKsBitmapAllocator Allocator;
        const char* Message;
    };
    const TCase cases[] = {
        {"no DIB",
         {FailingDib, KsBitmapGdiAllocator.CreateDC, KsBitmapGdiAllocator.Select},
         "Can't allocate the DIB handle"},
        {"no pixels",
         {DibWithoutBits, KsBitmapGdiAllocator.CreateDC, KsBitmapGdiAllocator.Select},
         "Can't allocate the DIB handle"},
        {"no DC",
         {KsBitmapGdiAllocator.CreateDib, FailingDC, KsBitmapGdiAllocator.Select},
         "Can't create compatible DC"},
        {"no select",
         {KsBitmapGdiAllocator.CreateDib, KsBitmapGdiAllocator.CreateDC, FailingSelect},
         "Can't select an object into DC"},
    };
    int size = 9;
    for (const TCase& c : cases) {
        CAPTURE(c.Name);
        KsBitmapAllocator = c.Allocator;
        const int before = changes;
        CHECK(RaisedMessage(*bitmap, size, size) == c.Message);
        CHECK(bitmap->Empty());
        CHECK(bitmap->Width() == 0);
        CHECK(bitmap->Height() == 0);
        CHECK(bitmap->DC() == nullptr);
        CHECK(bitmap->Bits() == nullptr);
        CHECK(changes == before + 1);
        // The old bitmap went, and nothing made on the way stays behind.
        KsBitmapAllocator = KsBitmapGdiAllocator;
        CHECK(CountGdiObjects() == baseline - 2);
        bitmap->SetSize(8, 8);
        CHECK(CountGdiObjects() == baseline);
        ++size;
    }
}

TEST_CASE("SetSize refuses sizes whose byte count would overflow")
{
    TOwned<TKsBitmap> bitmap = MakeOwned<TKsBitmap>();
    CHECK(RaisedMessage(*bitmap, 70000, 70000) == "Can't allocate the DIB handle");
    CHECK(RaisedMessage(*bitmap, INT_MIN, 1) == "Can't allocate the DIB handle");
    CHECK(bitmap->Empty());
}

TEST_CASE("Fill, SetAlpha and SetAlphaRect")
{
    TOwned<TKsBitmap> bitmap = MakeBitmap(5, 4, 0x11223344);
    bitmap->SetAlpha(0x80);
    CHECK(bitmap->GetPixel(4, 3) == 0x80223344);
    bitmap->SetAlphaRect(0xFF, RECT{3, 2, 10, 10});
    CHECK(bitmap->GetPixel(3, 2) == 0xFF223344);
    CHECK(bitmap->GetPixel(4, 3) == 0xFF223344);
    CHECK(bitmap->GetPixel(2, 2) == 0x80223344);
    CHECK(bitmap->GetPixel(3, 1) == 0x80223344);
    bitmap->SetAlphaRect(0x00, RECT{-5, -5, 1, 1});
    CHECK(bitmap->GetPixel(0, 0) == 0x00223344);
    CHECK(bitmap->GetPixel(1, 0) == 0x80223344);
    bitmap->SetAlphaRect(0x00, RECT{2, 2, 2, 4});  // empty
    CHECK(bitmap->GetPixel(2, 2) == 0x80223344);
}

TEST_CASE("SetTransparentColor keys by red, green and blue only")
{
    TOwned<TKsBitmap> bitmap = MakeBitmap(4, 1);
    bitmap->SetPixel(0, 0, 0xFFFF00FF);
    bitmap->SetPixel(1, 0, 0x00FF00FF);
    bitmap->SetPixel(2, 0, 0xFEFF00FF);
    bitmap->SetPixel(3, 0, 0xFFFF01FF);
    bitmap->SetTransparentColor(0xFFFF00FF);
    CHECK(bitmap->GetPixel(0, 0) == 0x00FF00FF);
    CHECK(bitmap->GetPixel(1, 0) == 0x00FF00FF);
    CHECK(bitmap->GetPixel(2, 0) == 0x00FF00FF);
    CHECK(bitmap->GetPixel(3, 0) == 0xFFFF01FF);
    // The key's own alpha does not matter.
    bitmap->SetPixel(0, 0, 0xFF000000);
    bitmap->SetTransparentColor(0x12000000);
    CHECK(bitmap->GetPixel(0, 0) == 0x00000000);
}

TEST_CASE("FillRect clips, and blends by the value's alpha with PerPixelAlpha")
{
    TOwned<TKsBitmap> bitmap = MakeBitmap(4, 4, 0xFF0000FF);
    bitmap->FillRect(RECT{-2, -2, 2, 1}, 0xFFFF0000);
    CHECK(bitmap->GetPixel(0, 0) == 0xFFFF0000);
    CHECK(bitmap->GetPixel(1, 0) == 0xFFFF0000);
    CHECK(bitmap->GetPixel(2, 0) == 0xFF0000FF);
    CHECK(bitmap->GetPixel(0, 1) == 0xFF0000FF);
    bitmap->FillRect(RECT{3, 3, 1, 1}, 0xFFFFFFFF);  // inverted: empty
    CHECK(bitmap->GetPixel(2, 2) == 0xFF0000FF);

    bitmap->SetPerPixelAlpha(true);
    bitmap->FillRect(RECT{0, 2, 4, 4}, 0x80FF0000);
    CHECK(bitmap->GetPixel(0, 2) == BlendPixel(0x80FF0000, 0xFF0000FF));
    CHECK(bitmap->GetPixel(3, 3) == 0xBF80007F);
    bitmap->FillRect(RECT{0, 0, 4, 4}, 0x0000FF00);  // alpha 0 changes nothing
    CHECK(bitmap->GetPixel(3, 3) == 0xBF80007F);
}

TEST_CASE("DrawEdge: the top-right and bottom-left corners take the bottom-right colour")
{
    TOwned<TKsBitmap> bitmap = MakeBitmap(6, 5, 0xFF000000);
    const uint32_t light = 0xFFFFFFFF, dark = 0xFF808080, inside = 0xFF000000;
    bitmap->DrawEdge(RECT{1, 1, 5, 4}, light, dark);
    const char* expected[] = {
        "......", ".LLLD.", ".L..D.", ".DDDD.", "......",
    };
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            CAPTURE(x);
            CAPTURE(y);
            const char c = expected[y][x];
            CHECK(bitmap->GetPixel(x, y) == (c == 'L' ? light : c == 'D' ? dark : inside));
        }

    // Translucent frames blend every pixel once, except the top-left corner,
    // which the top row and the left column both cover.
    TOwned<TKsBitmap> frame = MakeBitmap(4, 4, 0xFF000000);
    frame->DrawFrame(RECT{0, 0, 4, 4}, 0x80FFFFFF);
    const uint32_t once = BlendPixel(0x80FFFFFF, 0xFF000000);
    CHECK(frame->GetPixel(0, 0) == BlendPixel(0x80FFFFFF, once));
    CHECK(frame->GetPixel(3, 0) == once);
    CHECK(frame->GetPixel(0, 3) == once);
    CHECK(frame->GetPixel(3, 3) == once);
    CHECK(frame->GetPixel(1, 1) == 0xFF000000);
    // The rect is clipped first: the frame runs along the bitmap's own edges.
    TOwned<TKsBitmap> clipped = MakeBitmap(3, 3, 0xFF000000);
    clipped->DrawFrame(RECT{0, 0, 10, 10}, 0xFFFFFFFF);
    CHECK(clipped->GetPixel(0, 2) == 0xFFFFFFFF);
    CHECK(clipped->GetPixel(2, 2) == 0xFFFFFFFF);
    CHECK(clipped->GetPixel(1, 1) == 0xFF000000);
}

TEST_CASE("FillChecker sets dots where x and y are both even or both odd")
{
    TOwned<TKsBitmap> bitmap = MakeBitmap(5, 4);
    bitmap->FillChecker(RECT{1, 1, 5, 4}, 0xFF111111, 0xFF999999);
    CHECK(bitmap->GetPixel(0, 0) == 0);
    for (int y = 1; y < 4; ++y)
        for (int x = 1; x < 5; ++x)
            CHECK(bitmap->GetPixel(x, y) == ((x + y) % 2 == 0 ? 0xFF999999u : 0xFF111111u));
}

TEST_CASE("GradientFill over 10 pixels uses 10 bands")
{
    TOwned<TKsBitmap> bitmap = MakeBitmap(12, 2);
    const uint32_t from = MakeColor(0, 100, 200, 255);
    const uint32_t to = MakeColor(200, 0, 100, 55);
    bitmap->GradientFill(RECT{1, 0, 11, 2}, from, to, false);
    CHECK(bitmap->GetPixel(0, 0) == 0);
    CHECK(bitmap->GetPixel(11, 1) == 0);
    CHECK(bitmap->GetPixel(1, 0) == from);
    CHECK(bitmap->GetPixel(1, 1) == from);
    // from + (to - from) * 9 / 10 per channel: 180, 10, 110, 75.
    CHECK(bitmap->GetPixel(10, 0) == MakeColor(180, 10, 110, 75));
    for (int k = 0; k < 10; ++k)
        CHECK(bitmap->GetPixel(1 + k, 0) == MakeColor(20 * k, 100 - 10 * k, 200 - 10 * k, 255 - 20 * k));
}

TEST_CASE("GradientFill rounds channels to nearest with ties to even, and bands by 64-bit rounding")
{
    // Two bands: band 1 is from + (to - from) / 2.
    TOwned<TKsBitmap> bitmap = MakeBitmap(2, 1);
    bitmap->GradientFill(RECT{0, 0, 2, 1}, MakeColor(0, 1, 2, 3), MakeColor(1, 2, 3, 4), false);
    CHECK(bitmap->GetPixel(1, 0) == MakeColor(0, 2, 2, 4));  // 0.5, 1.5, 2.5, 3.5

    // 600 rows: 255 bands whose bounds are round(k * 600 / 255).
    TOwned<TKsBitmap> tall = MakeBitmap(1, 600);
    tall->GradientFill(RECT{0, 0, 1, 600}, MakeColor(0, 0, 0, 255), MakeColor(0, 0, 254, 255), true);
    for (int k = 0; k < 255; ++k) {
        const int top = static_cast<int>((2LL * k * 600 + 255) / 510);
        const int bottom = static_cast<int>((2LL * (k + 1) * 600 + 255) / 510);
        CAPTURE(k);
        for (int y = top; y < bottom; ++y)
            CHECK((tall->GetPixel(0, y) & 0xFF) == static_cast<uint32_t>(k * 254 / 255 + ((k * 254 % 255) * 2 > 255)));
    }
}

TEST_CASE("GradientFill blends its bands on a PerPixelAlpha bitmap, both ways")
{
    for (bool vertical : {false, true}) {
        CAPTURE(vertical);
        TOwned<TKsBitmap> bitmap = MakeBitmap(7, 7, 0xFF204060);
        TOwned<TKsBitmap> plain = MakeBitmap(7, 7);
        bitmap->SetPerPixelAlpha(true);
        bitmap->GradientFill(RECT{0, 0, 7, 7}, 0x10FF0000, 0xF00000FF, vertical);
        plain->GradientFill(RECT{0, 0, 7, 7}, 0x10FF0000, 0xF00000FF, vertical);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 7; ++x)
                CHECK(bitmap->GetPixel(x, y) == BlendPixel(plain->GetPixel(x, y), 0xFF204060));
    }
}

TEST_CASE("DrawRect with PerPixelAlpha clips the source and places what is left at (x, y)")
{
    TOwned<TKsBitmap> source = MakeBitmap(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            source->SetPixel(x, y, 0xFF000000u | (x << 8) | y);
    source->SetPixel(0, 1, 0x00123456);  // transparent: the target stays
    source->SetPixel(1, 1, 0x80FF0000);  // blends
    source->SetPerPixelAlpha(true);

    TOwned<TKsBitmap> target = MakeBitmap(6, 6, 0xFF0000FF);
    source->DrawRect(*target, 2, 3, RECT{-3, -3, 2, 2});
    // The clipped rect (0, 0)-(2, 2) lands at (2, 3).
    CHECK(target->GetPixel(2, 3) == 0xFF000000);
    CHECK(target->GetPixel(3, 3) == 0xFF000100);
    CHECK(target->GetPixel(2, 4) == 0xFF0000FF);
    CHECK(target->GetPixel(3, 4) == 0xBF80007F);
    CHECK(target->GetPixel(1, 3) == 0xFF0000FF);
    CHECK(target->GetPixel(4, 3) == 0xFF0000FF);
    CHECK(target->GetPixel(2, 5) == 0xFF0000FF);

    // Positions outside the target are skipped.
    source->DrawRect(*target, -3, 4, RECT{0, 0, 4, 4});
    CHECK(target->GetPixel(0, 4) == 0xFF000300);
    CHECK(target->GetPixel(0, 5) == 0xFF000301);
    CHECK(target->GetPixel(1, 5) == 0xFF0000FF);
}

TEST_CASE("DrawRect without PerPixelAlpha is a plain copy; StretchRect with it draws nothing")
{
    TOwned<TKsBitmap> source = MakeBitmap(2, 2, 0x00FF0000);
    TOwned<TKsBitmap> target = MakeBitmap(4, 4, 0xFF00FF00);
    source->DrawRect(*target, 1, 1, RECT{0, 0, 2, 2});
    CHECK((target->GetPixel(1, 1) & 0xFFFFFF) == 0xFF0000);
    CHECK((target->GetPixel(2, 2) & 0xFFFFFF) == 0xFF0000);
    CHECK(target->GetPixel(0, 0) == 0xFF00FF00);
    CHECK(target->GetPixel(3, 3) == 0xFF00FF00);

    source->SetPerPixelAlpha(true);
    source->StretchRect(*target, RECT{0, 0, 4, 4}, RECT{0, 0, 2, 2});
    CHECK(target->GetPixel(0, 0) == 0xFF00FF00);
    source->SetPerPixelAlpha(false);
    source->StretchRect(*target, RECT{0, 0, 4, 4}, RECT{0, 0, 2, 2});
    CHECK((target->GetPixel(0, 0) & 0xFFFFFF) == 0xFF0000);
    CHECK((target->GetPixel(3, 3) & 0xFFFFFF) == 0xFF0000);
}

TEST_CASE("MergeUnder: transparent takes the source, opaque stays, partial blends over it")
{
    TOwned<TKsBitmap> under = MakeBitmap(3, 1, 0xFF0000FF);
    TOwned<TKsBitmap> top = MakeBitmap(3, 1);
    top->SetPixel(0, 0, 0x00FFFFFF);
    top->SetPixel(1, 0, 0xFF00FF00);
    top->SetPixel(2, 0, 0x80FF0000);
    top->MergeUnder(*under, 0, 0, RECT{0, 0, 3, 1});
    CHECK(top->GetPixel(0, 0) == 0xFF0000FF);
    CHECK(top->GetPixel(1, 0) == 0xFF00FF00);
    CHECK(top->GetPixel(2, 0) == 0xBF80007F);
}

TEST_CASE("MergeUnder maps source (i, j) to (x + i - Left, y + j - Top) and skips what lies outside")
{
    TOwned<TKsBitmap> source = MakeBitmap(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            source->SetPixel(x, y, 0xFF000000u | (x << 8) | y);
    TOwned<TKsBitmap> target = MakeBitmap(5, 5);
    // A source rect beyond the source on every side: only its pixels are read.
    target->MergeUnder(*source, 2, 1, RECT{-1, -1, 9, 9});
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            const int i = x - 2 - 1, j = y - 1 - 1;
            const bool inside = i >= 0 && j >= 0 && i < 4 && j < 4;
            CAPTURE(x);
            CAPTURE(y);
            CHECK(target->GetPixel(x, y) == (inside ? (0xFF000000u | (i << 8) | j) : 0u));
        }
}

TEST_CASE("LoadFromStream reads a bottom-up 24-bit BMP into opaque top-down pixels")
{
    TMemoryStream stream(MakeBmpFile(3, 2, 24, {0xFF0000, 0x00FF00, 0x0000FF, 0xFF00FF, 0x123456, 0xFFFFFF}));
    TOwned<TKsBitmap> bitmap = MakeOwned<TKsBitmap>();
    bitmap->LoadFromStream(stream);
    REQUIRE(bitmap->Width() == 3);
    REQUIRE(bitmap->Height() == 2);
    CHECK(bitmap->GetPixel(0, 0) == 0xFFFF0000);
    CHECK(bitmap->GetPixel(1, 0) == 0xFF00FF00);
    CHECK(bitmap->GetPixel(2, 0) == 0xFF0000FF);
    CHECK(bitmap->GetPixel(0, 1) == 0xFFFF00FF);
    CHECK(bitmap->GetPixel(1, 1) == 0xFF123456);
    bitmap->SetTransparentColor(MakeColor(255, 0, 255, 255));
    CHECK(bitmap->GetPixel(0, 1) == 0x00FF00FF);
}

TEST_CASE("LoadFromStream refuses damaged files without reading past them")
{
    std::vector<uint8_t> good = MakeBmpFile(4, 2, 24, {1, 2, 3, 4, 5, 6, 7, 8});
    auto refused = [](std::vector<uint8_t> bytes) {
        TMemoryStream stream(std::move(bytes));
        TOwned<TKsBitmap> bitmap = MakeOwned<TKsBitmap>();
        try {
            bitmap->LoadFromStream(stream);
        } catch (const Exception&) {
            return true;
        }
        return false;
    };
    CHECK_FALSE(refused(good));
    std::vector<uint8_t> truncated(good.begin(), good.end() - 4);
    CHECK(refused(truncated));
    std::vector<uint8_t> notBmp = good;
    notBmp[0] = 'X';
    CHECK(refused(notBmp));
    std::vector<uint8_t> huge = good;
    const int32_t width = 0x7FFFFFFF;
    std::memcpy(huge.data() + 18, &width, 4);
    CHECK(refused(huge));
    std::vector<uint8_t> offset = good;
    const uint32_t beyond = 0x7FFFFFF0;
    std::memcpy(offset.data() + 10, &beyond, 4);
    CHECK(refused(offset));
    CHECK(refused({}));
}

TEST_CASE("The atlas resources load at their sizes and key magenta")
{
    const struct {
        const char* Name;
        int Width, Height;
    } atlases[] = {{RESOURCE_NAME(RES_LUNA_ATLAS), 190, 372}, {RESOURCE_NAME(RES_LUNA_ATLAS_INACTIVE), 196, 435}};
    for (const auto& atlas : atlases) {
        CAPTURE(atlas.Name);
        TResourceStream stream(GetModuleHandleA(nullptr), atlas.Name, RT_RCDATA);
        TOwned<TKsBitmap> bitmap = MakeOwned<TKsBitmap>();
        bitmap->LoadFromStream(stream);
        CHECK(bitmap->Width() == atlas.Width);
        CHECK(bitmap->Height() == atlas.Height);
        bitmap->SetTransparentColor(MakeColor(255, 0, 255, 255));
        int keyed = 0;
        bool consistent = true;
        for (int i = 0; i < atlas.Width * atlas.Height; ++i) {
            const uint32_t p = bitmap->Bits()[i];
            const bool magenta = (p & 0xFFFFFF) == 0xFF00FF;
            keyed += magenta;
            consistent = consistent && (p >> 24) == (magenta ? 0u : 255u);
        }
        CHECK(consistent);
        CHECK(keyed > 0);
    }
}

TEST_CASE("Colour helpers")
{
    CHECK(MakeColor(-5, 300, 128, 200) == 0xC800FF80);
    CHECK(MakeColor(1, 2, 3, 0) == 0x00010203);
    CHECK(ColorToPixel(MakeTColor(0x10, 0x20, 0x30), 0x40) == 0x40102030);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    CHECK(ColorToPixel(clBtnFace) == MakeColor(GetRValue(face), GetGValue(face), GetBValue(face), 255));
    CHECK(PixelToColor(0x80102030) == MakeTColor(0x10, 0x20, 0x30));
}

TEST_CASE("Rectangle helpers centre with truncation toward zero")
{
    const RECT inner{0, 0, 5, 4};
    const RECT outer{10, 20, 20, 27};
    CHECK(RectWidth(outer) == 10);
    CHECK(RectHeight(outer) == 7);
    const RECT centred = CenterRect(inner, outer);
    CHECK(centred.left == 12);
    CHECK(centred.top == 21);
    CHECK(centred.right == 17);
    CHECK(centred.bottom == 25);
    // A larger inner rect moves out by half the difference, rounded toward zero.
    const RECT wide = CenterRect(RECT{0, 0, 13, 4}, outer);
    CHECK(wide.left == 9);
    CHECK(wide.right == 22);
    const RECT vertical = CenterRectVert(RECT{3, 3, 8, 7}, outer);
    CHECK(vertical.left == 10);
    CHECK(vertical.right == 15);
    CHECK(vertical.top == 21);
    CHECK(vertical.bottom == 25);
}

TEST_CASE("Bitmaps, their text, lines and shapes leak no GDI objects")
{
    auto exercise = [] {
        TOwned<TKsBitmap> bitmap = MakeOwned<TKsBitmap>();
        TOwned<TKsBitmap> other = MakeBitmap(40, 30, 0xFF336699);
        for (int size = 10; size < 60; size += 7)
            bitmap->SetSize(size, size + 3);
        bitmap->Font().SetName("Tahoma");
        bitmap->Font().SetColor(clRed);
        bitmap->DrawText("Quorvel", RECT{0, 0, 50, 20}, 37);
        bitmap->DrawRotatedText("Quorvel", RECT{0, 0, 20, 50}, 36, true);
        bitmap->TextWidth("Quorvel");
        TruncateText(*bitmap, "A long caption text", 20);
        bitmap->MoveTo(1, 1);
        bitmap->LineTo(20, 20, 0xFF123456);
        bitmap->DrawRoundFrame(RECT{2, 2, 30, 30}, 3, 0xFF000000);
        DrawRoundFrame(*bitmap, RECT{2, 2, 30, 30}, 6, 0xFF000000);
        bitmap->FillRoundRect(RECT{2, 2, 30, 30}, 6, 0xFFFFFFFF);
        bitmap->DrawFocusRect(RECT{2, 2, 30, 30}, 0xFF000000);
        other->DrawRect(*bitmap, 0, 0, RECT{0, 0, 40, 30});
        other->StretchRect(*bitmap, RECT{0, 0, 50, 50}, RECT{0, 0, 40, 30});
        bitmap->MergeUnder(*other, 0, 0, RECT{0, 0, 40, 30});
        bitmap->ChangeHue(20);
        HDC screen = GetDC(nullptr);
        bitmap->DrawTo(screen, 0, 0);
        ReleaseDC(nullptr, screen);
    };
    exercise();  // fonts and stock objects made once per process
    const int before = CountGdiObjects();
    for (int i = 0; i < 5; ++i)
        exercise();
    CHECK(CountGdiObjects() == before);
}
