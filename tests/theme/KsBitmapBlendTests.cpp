// BlendPixel against its per-byte definition, and every SIMD path of the
// blending loops against the plain two-lane reference, bit for bit.

#include "tests/theme/BitmapTestSupport.h"
#include "theme/KsBitmap.h"
#include "theme/KsBlend.h"
#include "theme/KsCpu.h"

#include <doctest/doctest.h>

#include <string>
#include <vector>

namespace {

// The rule as written: byte by byte, with the two special alphas.
uint32_t BlendByBytes(uint32_t src, uint32_t dst)
{
    const uint32_t a = src >> 24;
    if (a == 255)
        return src;
    if (a == 0)
        return dst;
    uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const uint32_t s = (src >> shift) & 0xFF, d = (dst >> shift) & 0xFF;
        result |= (((s * a + 128) >> 8) + ((d * (255 - a) + 128) >> 8)) << shift;
    }
    return result;
}

// Pixels whose alpha is often 0 or 255 (runs of them too), else anything.
std::vector<uint32_t> MixedPixels(TRandom& random, size_t count)
{
    std::vector<uint32_t> pixels(count);
    for (size_t i = 0; i < count; ++i) {
        uint32_t p = random.Next();
        switch (random.Next() % 5) {
        case 0: p |= 0xFF000000u; break;
        case 1: p &= 0x00FFFFFFu; break;
        default: break;
        }
        pixels[i] = p;
    }
    for (size_t i = 0; i + 16 < count; i += 97) {
        const uint32_t alpha = (random.Next() & 1) ? 0xFF000000u : 0;
        for (size_t j = i; j < i + 9; ++j)
            pixels[j] = (pixels[j] & 0x00FFFFFFu) | alpha;
    }
    return pixels;
}

std::vector<TKsSimd> AvailablePaths()
{
    std::vector<TKsSimd> paths;
    for (TKsSimd simd : {TKsSimd::Scalar, TKsSimd::Mmx, TKsSimd::Sse2})
        if (KsSimdAvailable(simd))
            paths.push_back(simd);
    return paths;
}

struct TPathScope {
    TKsSimd Saved = KsBlendPath();
    ~TPathScope() { KsSetBlendPath(Saved); }
};

}  // namespace

TEST_CASE("BlendPixel: the worked example and the special alphas")
{
    CHECK(BlendPixel(0x80FF0000, 0xFF0000FF) == 0xBF80007F);
    CHECK(BlendPixel(0xFF123456, 0x89ABCDEF) == 0xFF123456);
    CHECK(BlendPixel(0x00123456, 0x89ABCDEF) == 0x89ABCDEF);
    // Each half rounds on its own: white over white loses a little.
    CHECK(BlendPixel(0xFEFFFFFF, 0xFFFFFFFF) == 0xFDFEFEFE);
    CHECK(BlendPixel(0x01000000, 0xFFFFFFFF) == 0xFDFDFDFD);
}

TEST_CASE("The two-lane BlendPixel equals the per-byte rule")
{
    TRandom random(12345);
    // Every alpha against many colour pairs, then a large random sample.
    bool same = true;
    for (uint32_t a = 0; a < 256 && same; ++a)
        for (int i = 0; i < 2000; ++i) {
            const uint32_t src = (random.Next() & 0x00FFFFFFu) | a << 24;
            const uint32_t dst = random.Next();
            same = same && BlendPixel(src, dst) == BlendByBytes(src, dst);
        }
    for (int i = 0; i < 2000000 && same; ++i) {
        const uint32_t src = random.Next(), dst = random.Next();
        same = same && BlendPixel(src, dst) == BlendByBytes(src, dst);
    }
    // The extremes of every byte.
    for (uint32_t a = 0; a < 256; ++a)
        for (uint32_t s : {0x00000000u, 0x00FFFFFFu})
            for (uint32_t d : {0x00000000u, 0xFFFFFFFFu})
                same = same && BlendPixel(s | a << 24, d) == BlendByBytes(s | a << 24, d);
    CHECK(same);
}

TEST_CASE("The CPU probes: an illegal instruction is caught, SSE2 runs where detected")
{
    CHECK_FALSE(KsProbeIllegalInstruction());
    // Probing twice leaves the exception frames as they were.
    CHECK_FALSE(KsProbeIllegalInstruction());
    if (KsSimdSupported() == TKsSimd::Sse2)
        CHECK(KsProbeSse2());
    MESSAGE("blending path: " << std::string(KsSimdName(KsSimdSupported())));
    CHECK(KsSimdAvailable(TKsSimd::Scalar));
    CHECK(KsBlendPath() == KsSimdSupported());
}

TEST_CASE("Every SIMD path of the blending loops equals the scalar reference")
{
    const TKsBlendKernels& reference = KsScalarKernels;
    TRandom random(777);
    const int length = 4099;
    for (TKsSimd simd : AvailablePaths()) {
        CAPTURE(KsSimdName(simd));
        const TKsBlendKernels& kernels = KsBlendKernelsFor(simd);
        for (int round = 0; round < 40; ++round) {
            const std::vector<uint32_t> src = MixedPixels(random, length);
            const std::vector<uint32_t> dst = MixedPixels(random, length);
            // Odd starts and lengths: unaligned rows and every tail.
            const int offset = static_cast<int>(random.Next() % 7);
            const int count = length - offset - static_cast<int>(random.Next() % 9);

            std::vector<uint32_t> expected = dst, actual = dst;
            reference.BlendOver(expected.data() + offset, src.data() + offset, count);
            kernels.BlendOver(actual.data() + offset, src.data() + offset, count);
            CHECK(actual == expected);

            expected = dst;
            actual = dst;
            reference.BlendUnder(expected.data() + offset, src.data() + offset, count);
            kernels.BlendUnder(actual.data() + offset, src.data() + offset, count);
            CHECK(actual == expected);

            const uint8_t alpha = static_cast<uint8_t>(random.Next());
            expected = dst;
            actual = dst;
            reference.SetAlpha(expected.data() + offset, alpha, count);
            kernels.SetAlpha(actual.data() + offset, alpha, count);
            CHECK(actual == expected);
        }
        // The fill, for every alpha.
        const std::vector<uint32_t> dst = MixedPixels(random, 301);
        bool same = true;
        for (uint32_t a = 0; a < 256; ++a) {
            const uint32_t value = (random.Next() & 0x00FFFFFFu) | a << 24;
            std::vector<uint32_t> expected = dst, actual = dst;
            reference.BlendFill(expected.data() + 1, value, 299);
            kernels.BlendFill(actual.data() + 1, value, 299);
            same = same && actual == expected;
        }
        CHECK(same);
        // Lengths 0 to 8 exercise the loops without a full vector.
        for (int count = 0; count <= 8; ++count) {
            std::vector<uint32_t> expected = dst, actual = dst;
            reference.BlendOver(expected.data(), dst.data() + 50, count);
            kernels.BlendOver(actual.data(), dst.data() + 50, count);
            CHECK(actual == expected);
        }
    }
}

TEST_CASE("The bitmap operations give the same pixels on every path")
{
    TPathScope restore;
    TRandom random(4242);
    TOwned<TKsBitmap> source = MakeOwned<TKsBitmap>();
    source->SetSize(53, 41);
    for (int i = 0; i < 53 * 41; ++i)
        source->Bits()[i] = random.Next();
    std::vector<uint32_t> background(61 * 47);
    for (uint32_t& p : background)
        p = random.Next();

    std::vector<std::vector<uint32_t>> results;
    for (TKsSimd simd : AvailablePaths()) {
        REQUIRE(KsSetBlendPath(simd));
        TOwned<TKsBitmap> target = MakeOwned<TKsBitmap>();
        target->SetSize(61, 47);
        std::copy(background.begin(), background.end(), target->Bits());
        source->SetPerPixelAlpha(true);
        source->DrawRect(*target, 5, -3, RECT{1, 2, 50, 40});
        target->MergeUnder(*source, -7, 9, RECT{0, 0, 53, 41});
        target->SetPerPixelAlpha(true);
        target->FillRect(RECT{3, 3, 58, 44}, 0x7F336699);
        target->GradientFill(RECT{0, 0, 61, 47}, 0x20FFFFFF, 0xC0000000, false);
        target->SetAlphaRect(0x99, RECT{10, 10, 20, 20});
        results.emplace_back(target->Bits(), target->Bits() + 61 * 47);
    }
    for (size_t i = 1; i < results.size(); ++i)
        CHECK(results[i] == results[0]);
}

TEST_CASE("A path the machine cannot run is refused")
{
    TPathScope restore;
    CHECK(KsSetBlendPath(TKsSimd::Scalar));
    CHECK(KsBlendPath() == TKsSimd::Scalar);
    if (!KsSimdAvailable(TKsSimd::Sse2)) {
        CHECK_FALSE(KsSetBlendPath(TKsSimd::Sse2));
        CHECK(KsBlendPath() == TKsSimd::Scalar);
    }
}
