// The blending loops two pixels at a time on MMX, for processors (or
// systems) without usable SSE2. The same 16-bit two-lane arithmetic as
// KsBlendSse2.cpp; every loop ends with EMMS so that the FPU is usable
// again.

#include "theme/KsBlend.h"
#include "theme/KsPixels.h"

#include <mmintrin.h>

#define KS_MMX __attribute__((target("mmx")))
#define KS_MMX_INLINE static inline __attribute__((target("mmx"), always_inline))

namespace {

// Masked with 0x00FF each 16-bit lane holds blue or red, shifted right by
// 8 green or alpha: one multiply covers two bytes of two pixels. Returns
// ((v * factor + 128) >> 8) for all four bytes, each in its own place.
KS_MMX_INLINE __m64 Half(__m64 pixels, __m64 factor)
{
    const __m64 lowBytes = _mm_set1_pi16(0x00FF);
    const __m64 highBytes = _mm_set1_pi16(static_cast<short>(0xFF00));
    const __m64 round = _mm_set1_pi16(0x0080);
    const __m64 rb = _mm_srli_pi16(_mm_add_pi16(_mm_mullo_pi16(_mm_and_si64(pixels, lowBytes), factor), round), 8);
    const __m64 ag = _mm_and_si64(_mm_add_pi16(_mm_mullo_pi16(_mm_srli_pi16(pixels, 8), factor), round), highBytes);
    return _mm_or_si64(rb, ag);
}

// The blend formula on two pixels, without BlendPixel's special cases.
KS_MMX_INLINE __m64 Mix2(__m64 top, __m64 under)
{
    const __m64 alpha = _mm_srli_pi32(top, 24);
    const __m64 factor = _mm_or_si64(alpha, _mm_slli_pi32(alpha, 16));
    const __m64 rest = _mm_sub_pi16(_mm_set1_pi16(0x00FF), factor);
    return _mm_add_pi32(Half(top, factor), Half(under, rest));
}

// BlendPixel(top, under) on two pixels of which at least one has a
// special alpha (255 gives top, 0 gives under).
KS_MMX_INLINE __m64 Select2(__m64 top, __m64 under)
{
    const __m64 alpha = _mm_srli_pi32(top, 24);
    const __m64 opaque = _mm_cmpeq_pi32(alpha, _mm_set1_pi32(255));
    const __m64 clear = _mm_cmpeq_pi32(alpha, _mm_setzero_si64());
    const __m64 special = _mm_or_si64(opaque, clear);
    const __m64 keep = _mm_or_si64(_mm_and_si64(opaque, top), _mm_and_si64(clear, under));
    return _mm_or_si64(_mm_andnot_si64(special, Mix2(top, under)), keep);
}

KS_MMX_INLINE __m64 Load(const uint32_t* p)
{
    // __m64 may alias anything; movq needs no alignment.
    return *reinterpret_cast<const __m64*>(p);
}

KS_MMX_INLINE void Store(uint32_t* p, __m64 v)
{
    *reinterpret_cast<__m64*>(p) = v;
}

// Whether a pixel's alpha is 0 or 255.
inline bool Special(uint32_t pixel)
{
    return static_cast<uint8_t>((pixel >> 24) + 1) <= 1;
}

KS_MMX void BlendOver(uint32_t* dst, const uint32_t* src, int count)
{
    int i = 0;
    for (; i + 2 <= count; i += 2) {
        const uint32_t s0 = src[i], s1 = src[i + 1];
        if (!Special(s0) && !Special(s1)) {
            Store(dst + i, Mix2(Load(src + i), Load(dst + i)));
        } else if ((s0 & s1) >= 0xFF000000u) {
            dst[i] = s0;
            dst[i + 1] = s1;
        } else if (((s0 | s1) >> 24) != 0) {
            Store(dst + i, Select2(Load(src + i), Load(dst + i)));
        }
    }
    _mm_empty();
    for (; i < count; ++i)
        dst[i] = BlendPixel(src[i], dst[i]);
}

KS_MMX void BlendUnder(uint32_t* dst, const uint32_t* src, int count)
{
    int i = 0;
    for (; i + 2 <= count; i += 2) {
        const uint32_t t0 = dst[i], t1 = dst[i + 1];
        if (!Special(t0) && !Special(t1)) {
            Store(dst + i, Mix2(Load(dst + i), Load(src + i)));
        } else if ((t0 & t1) >= 0xFF000000u) {
            continue;
        } else if (((t0 | t1) >> 24) == 0) {
            dst[i] = src[i];
            dst[i + 1] = src[i + 1];
        } else {
            Store(dst + i, Select2(Load(dst + i), Load(src + i)));
        }
    }
    _mm_empty();
    for (; i < count; ++i)
        dst[i] = BlendPixel(dst[i], src[i]);
}

KS_MMX void BlendFill(uint32_t* dst, uint32_t value, int count)
{
    const uint32_t a = value >> 24;
    if (a == 0)
        return;
    if (a == 255) {
        for (int i = 0; i < count; ++i)
            dst[i] = value;
        return;
    }
    const __m64 rest = _mm_set1_pi16(static_cast<short>(255 - a));
    // The value's half of the formula is the same for every pixel.
    const __m64 top = Half(_mm_set1_pi32(static_cast<int>(value)), _mm_set1_pi16(static_cast<short>(a)));
    int i = 0;
    for (; i + 2 <= count; i += 2)
        Store(dst + i, _mm_add_pi32(top, Half(Load(dst + i), rest)));
    _mm_empty();
    for (; i < count; ++i)
        dst[i] = BlendPixel(value, dst[i]);
}

KS_MMX void SetAlpha(uint32_t* dst, uint8_t alpha, int count)
{
    const uint32_t high = static_cast<uint32_t>(alpha) << 24;
    const __m64 colour = _mm_set1_pi32(0x00FFFFFF);
    const __m64 top = _mm_set1_pi32(static_cast<int>(high));
    int i = 0;
    for (; i + 2 <= count; i += 2)
        Store(dst + i, _mm_or_si64(_mm_and_si64(Load(dst + i), colour), top));
    _mm_empty();
    for (; i < count; ++i)
        dst[i] = (dst[i] & 0x00FFFFFFu) | high;
}

}  // namespace

const TKsBlendKernels KsMmxKernels = {BlendOver, BlendUnder, BlendFill, SetAlpha};
