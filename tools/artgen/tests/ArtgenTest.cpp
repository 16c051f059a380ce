// The generated files as their loaders see them: headers, sizes and depths,
// and the keyed and opaque areas the theme's drawing depends on.
#include "tools/artgen/ArtSet.h"

#include <doctest/doctest.h>

#include <map>

namespace {

uint32_t U32(const Bytes& b, size_t at)
{
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24;
}
unsigned U16(const Bytes& b, size_t at)
{
    return b[at] | b[at + 1] << 8;
}

const std::map<std::string, Bytes>& Files()
{
    static const std::map<std::string, Bytes> files = [] {
        std::map<std::string, Bytes> m;
        for (const ArtFile& f : BuildArtSet())
            m[f.name] = f.bytes;
        return m;
    }();
    return files;
}

const Bytes& File(const std::string& name)
{
    REQUIRE(Files().count(name) == 1);
    return Files().at(name);
}

// A decoded bitmap file: pixels by (x, y) from the top, through the colour
// table when there is one.
struct Bitmap {
    int width = 0, height = 0, bits = 0;
    Bytes raw;
    size_t bitsAt = 0, paletteAt = 0;

    explicit Bitmap(const Bytes& b, size_t infoAt = 14, int heightDivisor = 1) : raw(b)
    {
        width = int(U32(b, infoAt + 4));
        height = int(U32(b, infoAt + 8)) / heightDivisor;
        bits = int(U16(b, infoAt + 14));
        paletteAt = infoAt + 40;
        bitsAt = infoAt == 14 ? U32(b, 10) : paletteAt + (bits == 4 ? 64 : 0);
    }
    int Stride() const { return (width * bits + 31) / 32 * 4; }
    Rgb At(int x, int y) const
    {
        const size_t row = bitsAt + size_t(height - 1 - y) * Stride();
        if (bits == 24)
            return Rgb(raw[row + 3 * x + 2], raw[row + 3 * x + 1], raw[row + 3 * x]);
        const int index = x % 2 == 0 ? raw[row + x / 2] >> 4 : raw[row + x / 2] & 15;
        const size_t p = paletteAt + 4 * size_t(index);
        return Rgb(raw[p + 2], raw[p + 1], raw[p]);
    }
    bool Keyed(int x, int y) const { return At(x, y) == kKey; }
    int KeyedIn(int left, int top, int right, int bottom) const
    {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                n += Keyed(x, y);
        return n;
    }
};

void CheckBmpHeader(const std::string& name, int width, int height, int bits)
{
    INFO(name);
    const Bytes& b = File(name);
    const uint32_t table = bits == 4 ? 64 : 0;
    const uint32_t image = uint32_t((width * bits + 31) / 32 * 4 * height);
    CHECK(b[0] == 'B');
    CHECK(b[1] == 'M');
    CHECK(U32(b, 2) == b.size());
    CHECK(U32(b, 10) == 14 + 40 + table);
    CHECK(U32(b, 14) == 40);
    CHECK(int(U32(b, 18)) == width);
    CHECK(int(U32(b, 22)) == height);  // positive: bottom-up
    CHECK(U16(b, 26) == 1);
    CHECK(int(U16(b, 28)) == bits);
    CHECK(U32(b, 30) == 0);  // uncompressed
    CHECK(b.size() == 14 + 40 + table + image);
}

}  // namespace

TEST_CASE("every file has the size and depth its loader expects")
{
    CHECK(Files().size() == 21);
    CheckBmpHeader("XP_MAIN.bmp", 190, 372, 24);
    CheckBmpHeader("XP_MAIN1.bmp", 196, 435, 24);
    for (const char* name : {"KSE_CLOSE", "KSE_MAXIMIZE", "KSE_RESTORE", "KSE_ROLLUP", "KSE_TRAY"})
        CheckBmpHeader(std::string(name) + ".bmp", 16, 16, 4);
    CheckBmpHeader("KSE_MINIMIZE.bmp", 17, 17, 4);
    for (const char* name : {"OK", "CANCEL", "HELP", "YES", "NO", "CLOSE", "ABORT", "RETRY", "IGNORE", "ALL"})
        CheckBmpHeader(std::string("KSBTN_") + name + ".bmp", 32, 16, 4);
    CheckBmpHeader("gauges.bmp", 208, 16, 4);
}

TEST_CASE("icons hold 16-colour images with masks, the program icon large first")
{
    const Bytes& icon = File("Quorvel.ico");
    REQUIRE(U16(icon, 2) == 1);
    REQUIRE(U16(icon, 4) == 2);
    CHECK(icon[6] == 32);
    CHECK(icon[6 + 16] == 16);
    for (int i = 0; i < 2; ++i) {
        const size_t entry = 6 + 16 * size_t(i);
        CHECK(U16(icon, entry + 6) == 4);
        const size_t at = U32(icon, entry + 12);
        CHECK(U32(icon, entry + 8) + at <= icon.size());
        const Bitmap image(icon, at, 2);
        CHECK(image.bits == 4);
        // The rounded corner is see-through: AND bit set, colour black.
        const size_t mask = image.bitsAt + size_t(image.Stride()) * image.height;
        const size_t maskStride = size_t((image.width + 31) / 32 * 4);
        CHECK((icon[mask + maskStride * size_t(image.height - 1)] & 0x80) != 0);
        CHECK(image.At(0, 0) == Rgb(0, 0, 0));
    }
    const Bytes& empty = File("gauge_empty.ico");
    REQUIRE(U16(empty, 4) == 1);
    CHECK(empty[6] == 16);
    CHECK(U16(empty, 6 + 6) == 4);
}

TEST_CASE("the gauge strip follows the gauge drawing rule")
{
    const Bitmap strip(File("gauges.bmp"));
    const Rgb grey(128, 128, 128);
    const int fillRows[12] = {14, 13, 12, 10, 9, 8, 6, 5, 4, 2, 1, 0};
    for (int k = 0; k < 13; ++k) {
        INFO("gauge " << k);
        const Rgb fill = k == 1 ? Rgb(255, 0, 0) : k <= 3 ? Rgb(255, 255, 0) : Rgb(0, 255, 0);
        for (int y = 0; y < 16; ++y) {
            const bool bar = y == 3 || y == 7 || y == 11 || y == 15;
            bool filled = false;
            for (int i = 0; i < k; ++i)
                filled = filled || fillRows[i] == y;
            for (int x = 0; x < 16; ++x) {
                Rgb want = kKey;
                if (x == 1 || x == 14 || (bar && x > 1 && x < 14))
                    want = grey;
                else if (filled && x > 1 && x < 14)
                    want = fill;
                if (strip.At(16 * k + x, y) != want) {
                    CHECK_MESSAGE(false, "pixel " << x << "," << y);
                    break;
                }
            }
        }
    }
}

TEST_CASE("glyph bitmaps are drawn on the key colour")
{
    for (const char* name : {"OK", "CANCEL", "HELP", "YES", "NO", "CLOSE", "ABORT", "RETRY", "IGNORE", "ALL"}) {
        INFO(name);
        const Bitmap strip(File(std::string("KSBTN_") + name + ".bmp"));
        CHECK(strip.Keyed(0, 15));  // the transparent colour is read there
        CHECK(strip.KeyedIn(0, 0, 16, 16) < 256);
        CHECK(strip.KeyedIn(16, 0, 32, 16) < 256);
        // The disabled image is greys and white only.
        for (int y = 0; y < 16; ++y)
            for (int x = 16; x < 32; ++x) {
                const Rgb c = strip.At(x, y);
                if (c != kKey)
                    CHECK((c.r == c.g && c.g == c.b));
            }
    }
    for (const char* name : {"CLOSE", "MINIMIZE", "MAXIMIZE", "RESTORE", "ROLLUP", "TRAY"}) {
        INFO(name);
        const Bitmap glyph(File(std::string("KSE_") + name + ".bmp"));
        CHECK(glyph.Keyed(0, 0));
        const int painted = glyph.width * glyph.height - glyph.KeyedIn(0, 0, glyph.width, glyph.height);
        CHECK(painted > 0);
    }
}

namespace {

void CheckFrameAndButtons(const Bitmap& atlas)
{
    // The standard caption: keyed exactly where the window region cuts the
    // rounded corners, opaque everywhere else.
    const int cut[][2] = {{0, 0}, {4, 0}, {2, 1}, {1, 2}, {0, 4}};
    const int kept[][2] = {{5, 0}, {3, 1}, {2, 2}, {1, 3}, {0, 5}, {10, 0}};
    for (const auto& p : cut) {
        CHECK(atlas.Keyed(p[0], p[1]));
        CHECK(atlas.Keyed(65 - p[0], p[1]));
    }
    for (const auto& p : kept) {
        CHECK_FALSE(atlas.Keyed(p[0], p[1]));
        CHECK_FALSE(atlas.Keyed(65 - p[0], p[1]));
    }
    CHECK(atlas.KeyedIn(0, 0, 66, 29) == 2 * (5 + 3 + 2 + 1 + 1));
    // Borders of both styles, the tool caption and every caption button are
    // copied opaque: no key colour may show.
    CHECK(atlas.KeyedIn(0, 29, 3, 60) == 0);
    CHECK(atlas.KeyedIn(63, 29, 66, 60) == 0);
    CHECK(atlas.KeyedIn(0, 57, 66, 60) == 0);
    CHECK(atlas.KeyedIn(66, 0, 131, 19) == 0);
    CHECK(atlas.KeyedIn(66, 19, 69, 49) == 0);
    CHECK(atlas.KeyedIn(130, 19, 132, 49) == 0);
    CHECK(atlas.KeyedIn(66, 49, 132, 51) == 0);
    for (int y : {70, 100, 130, 160, 190, 220, 250, 280})
        CHECK(atlas.KeyedIn(0, y, 63, y + 21) == 0);
    CHECK(atlas.KeyedIn(66, 70, 108, 84) == 0);
}

// A nine-sliced piece with transparent corners: keyed pixels only inside the
// 4 x 4 corners, and the outermost corner pixels keyed (they are rounded).
void CheckNineSlice(const Bitmap& atlas, int left, int top, int right, int bottom, bool roundBottom)
{
    INFO("piece at " << left << "," << top);
    int inCorners = 0;
    for (int y : {top, bottom - 4})
        for (int x : {left, right - 4})
            inCorners += atlas.KeyedIn(x, y, x + 4, y + 4);
    CHECK(atlas.KeyedIn(left, top, right, bottom) == inCorners);
    CHECK(atlas.Keyed(left, top));
    CHECK(atlas.Keyed(right - 1, top));
    CHECK(atlas.Keyed(left, bottom - 1) == roundBottom);
    CHECK_FALSE(atlas.Keyed((left + right) / 2, (top + bottom) / 2));
}

}  // namespace

TEST_CASE("active atlas: keyed and opaque areas")
{
    const Bitmap atlas(File("XP_MAIN.bmp"));
    CheckFrameAndButtons(atlas);
    for (int y : {100, 130, 160, 190, 220})
        CheckNineSlice(atlas, 70, y, 143, y + 21, true);
    // Menu-bar glyphs are stretched opaque.
    CHECK(atlas.KeyedIn(0, 310, 57, 367) == 0);
    // Cells copied with per-pixel alpha: keyed around, painted inside.
    for (int y = 102; y < 294; y += 16) {
        CHECK(atlas.Keyed(171, y));
        CHECK_FALSE(atlas.Keyed(171 + 7, y + 7));
    }
    for (int y = 102; y < 230; y += 16) {
        CHECK(atlas.Keyed(152, y));
        CHECK_FALSE(atlas.Keyed(152 + 7, y + 7));
    }
    for (int x : {134, 151, 168})
        for (int y : {32, 49, 66}) {
            CHECK(atlas.Keyed(x, y));
            CHECK_FALSE(atlas.Keyed(x + 8, y + 8));
        }
    for (int x : {70, 88, 106, 124})
        for (int y : {277, 296, 315, 334}) {
            CHECK(atlas.Keyed(x, y));
            CHECK_FALSE(atlas.Keyed(x + 8, y + 8));
        }
}

TEST_CASE("inactive atlas: keyed and opaque areas")
{
    const Bitmap atlas(File("XP_MAIN1.bmp"));
    CheckFrameAndButtons(atlas);
    // Scroll thumbs, tracks and the tab page are copied and stretched opaque.
    for (int y : {314, 333, 352, 371}) {
        CHECK(atlas.KeyedIn(2, y, 19, y + 17) == 0);
        CHECK(atlas.KeyedIn(20, y, 37, y + 17) == 0);
    }
    CHECK(atlas.KeyedIn(38, 314, 55, 323) == 0);
    CHECK(atlas.KeyedIn(38, 324, 46, 341) == 0);
    CHECK(atlas.KeyedIn(153, 344, 168, 362) == 0);
    for (int dx : {0, 21, 42, 63}) {
        CheckNineSlice(atlas, 68 + dx, 365, 89 + dx, 386, false);
        CheckNineSlice(atlas, 68 + dx, 344, 89 + dx, 365, false);
        CheckNineSlice(atlas, 69 + dx, 386, 87 + dx, 407, false);
    }
    // Track thumbs: painted in the middle of every cell.
    for (int s = 0; s < 5; ++s) {
        CHECK_FALSE(atlas.Keyed(85, 111 + 43 * s));
        CHECK_FALSE(atlas.Keyed(86, 133 + 43 * s));
        CHECK_FALSE(atlas.Keyed(134, 105 + 55 * s));
        CHECK_FALSE(atlas.Keyed(134, 78 + 55 * s));
        CHECK_FALSE(atlas.Keyed(164, 101 + 55 * s));
        CHECK_FALSE(atlas.Keyed(163, 83 + 55 * s));
    }
}

TEST_CASE("painting twice gives the same bytes")
{
    const std::vector<ArtFile> again = BuildArtSet();
    for (const ArtFile& f : again)
        CHECK(f.bytes == File(f.name));
}
