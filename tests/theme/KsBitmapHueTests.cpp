// The hue shift: known values worked out independently in single-precision
// float, the rules for greys, transparency and wrapping, and the fast
// per-colour path against the direct one.

#include "tests/theme/BitmapTestSupport.h"
#include "theme/KsBitmap.h"
#include "theme/KsHue.h"

#include <doctest/doctest.h>

#include <vector>

TEST_CASE("HueShiftPixel gives the single-precision results")
{
    // pixel, delta, result: computed apart from this code, rounding every
    // operation to 32-bit float.
    const struct {
        uint32_t Pixel;
        int Delta;
        uint32_t Expected;
    } cases[] = {
        {0xFF316AC5u, 0, 0xFF3169C5u},    {0xFF316AC5u, 30, 0xFF6231C5u},   {0xFF316AC5u, -20, 0xFF31AEC5u},
        {0xFFFF0000u, 85, 0xFF00FF00u},   {0xFF0054E3u, 60, 0xFFE300DBu},   {0x80123456u, -100, 0xFF4C5612u},
        {0xFFFFFFFFu, 40, 0xFFFFFFFFu},   {0xFF7F7F7Fu, 0, 0xFF7F7F7Fu},    {0x9F767C45u, -125, 0xFF4E457Cu},
        {0xBDE5C099u, -72, 0xFFD899E5u},  {0xCB91CE37u, 98, 0xFF3762CEu},   {0xF1446BEAu, 175, 0xFF58EA44u},
        {0xBD69FE29u, 78, 0xFF298DFEu},   {0xED1D7DA0u, 16, 0xFF1D4BA0u},   {0x076CE2EFu, 175, 0xFFD2EF6Cu},
        {0x77330BDBu, 142, 0xFF6DDB0Bu},  {0xF17FD374u, -128, 0xFFC774D3u}, {0xA7233255u, -229, 0xFF322355u},
        {0xE7A16A3Bu, -175, 0xFF3BA15Fu}, {0x1DFB10F6u, -65, 0xFF108AFBu},  {0x7914E8A2u, 189, 0xFFD2E814u},
        {0x3F1F65A8u, -61, 0xFF1FA825u},  {0x8B33E968u, -203, 0xFF338DE9u}, {0x93EDCF45u, -128, 0xFF4565EDu},
        {0x035B7399u, 119, 0xFF99755Bu},  {0x377B9AA2u, -47, 0xFF7BA27Fu},  {0x478C281Du, -162, 0xFF1D8C3Cu},
        {0xEB959C21u, 189, 0xFF9C215Eu},  {0xC5069545u, -56, 0xFF829506u},  {0x29DBD25Eu, 135, 0xFF6A5EDBu},
        {0xCD11D357u, -219, 0xFF11ACD3u}, {0x238642EAu, 61, 0xFFEA425Eu},
    };
    for (const auto& c : cases) {
        CAPTURE(c.Pixel);
        CAPTURE(c.Delta);
        CHECK(HueShiftPixel(c.Pixel, c.Delta) == c.Expected);
    }
}

TEST_CASE("ChangeHue(0) keeps greys, makes visible pixels opaque and leaves transparent ones")
{
    TOwned<TKsBitmap> bitmap = MakeOwned<TKsBitmap>();
    bitmap->SetSize(4, 1);
    bitmap->SetPixel(0, 0, 0x80808080);
    bitmap->SetPixel(1, 0, 0x00316AC5);
    bitmap->SetPixel(2, 0, 0x01FFFFFF);
    bitmap->SetPixel(3, 0, 0x7F316AC5);
    bitmap->ChangeHue(0);
    CHECK(bitmap->GetPixel(0, 0) == 0xFF808080);
    CHECK(bitmap->GetPixel(1, 0) == 0x00316AC5);
    CHECK(bitmap->GetPixel(2, 0) == 0xFFFFFFFF);
    // Even a zero shift passes through HSL once.
    CHECK(bitmap->GetPixel(3, 0) == 0xFF3169C5);

    for (uint32_t v = 0; v < 256; ++v)
        CHECK(HueShiftPixel(0x40000000u | v * 0x010101u, 77) == (0xFF000000u | v * 0x010101u));
}

TEST_CASE("The hue wraps once past either end")
{
    // Pure red has hue 0: +85 is green, +170 blue, -85 wraps to 170.
    CHECK(HueShiftPixel(0xFFFF0000, 85) == 0xFF00FF00);
    CHECK(HueShiftPixel(0xFFFF0000, 170) == 0xFF0000FF);
    CHECK(HueShiftPixel(0xFFFF0000, -85) == 0xFF0000FF);
    // Blue has hue 170: +100 = 270 wraps to 15.
    CHECK(HueShiftPixel(0xFF0000FF, 100) == HueShiftPixel(0xFFFF0000, 15));
}

TEST_CASE("The fast hue shift equals the direct one on every pixel")
{
    TRandom random(99);
    std::vector<uint32_t> pixels;
    // All greys, then a large random sample with runs, repeats and
    // transparent pixels, more distinct colours than the cache keeps.
    for (uint32_t v = 0; v < 256; ++v)
        pixels.push_back(0xFF000000u | v * 0x010101u);
    for (int i = 0; i < 300000; ++i) {
        uint32_t p = random.Next();
        if (i % 7 == 0)
            p &= 0x00FFFFFFu;
        pixels.push_back(p);
        if (i % 5 == 0)
            pixels.push_back(p);
        if (i % 11 == 0)
            pixels.push_back(pixels[random.Next() % pixels.size()]);
    }
    for (int delta : {0, 1, -1, 30, -20, 128, 255, -255}) {
        CAPTURE(delta);
        std::vector<uint32_t> fast = pixels;
        HueShiftPixels(fast.data(), fast.size(), delta);
        size_t differences = 0;
        for (size_t i = 0; i < pixels.size(); ++i) {
            const uint32_t expected = (pixels[i] >> 24) == 0 ? pixels[i] : HueShiftPixel(pixels[i], delta);
            differences += fast[i] != expected;
        }
        CHECK(differences == 0);
    }
}
