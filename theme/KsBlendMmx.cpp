// The blending loops two pixels at a time on MMX, for processors (or
// systems) without usable SSE2. Same arithmetic as KsBlendSse2.cpp; every
// loop ends with EMMS so that the FPU is usable again.

#include "theme/KsBlend.h"
#include "theme/KsPixels.h"

#include <mmintrin.h>

#define KS_MMX __attribute__((target("mmx")))
#define KS_MMX_INLINE static inline __attribute__((target("mmx"), always_inline))

namespace {

KS_MMX_INLINE __m64 Scale(__m64 words, __m64 factor)
{
    return _mm_srli_pi16(_mm_add_pi16(_mm_mullo_pi16(words, factor), _mm_set1_pi16(128)), 8);
}

// One pixel widened to words [b g r a]: a in all four lanes.
KS_MMX_INLINE __m64 SpreadAlpha(__m64 words)
{
    const __m64 high = _mm_unpackhi_pi16(words, words);
    return _mm_unpackhi_pi32(high, high);
}

KS_MMX_INLINE __m64 Blend2(__m64 src, __m64 dst)
{
    const __m64 zero = _mm_setzero_si64();
    const __m64 full = _mm_set1_pi16(255);
    const __m64 srcLo = _mm_unpacklo_pi8(src, zero);
    const __m64 srcHi = _mm_unpackhi_pi8(src, zero);
    const __m64 alphaLo = SpreadAlpha(srcLo);
    const __m64 alphaHi = SpreadAlpha(srcHi);
    const __m64 lo =
        _mm_add_pi16(Scale(srcLo, alphaLo), Scale(_mm_unpacklo_pi8(dst, zero), _mm_sub_pi16(full, alphaLo)));
    const __m64 hi =
        _mm_add_pi16(Scale(srcHi, alphaHi), Scale(_mm_unpackhi_pi8(dst, zero), _mm_sub_pi16(full, alphaHi)));
    const __m64 blended = _mm_packs_pu16(lo, hi);
    const __m64 alpha = _mm_srli_pi32(src, 24);
    const __m64 opaque = _mm_cmpeq_pi32(alpha, _mm_set1_pi32(255));
    const __m64 clear = _mm_cmpeq_pi32(alpha, zero);
    const __m64 keep = _mm_or_si64(_mm_and_si64(opaque, src), _mm_and_si64(clear, dst));
    return _mm_or_si64(_mm_andnot_si64(_mm_or_si64(opaque, clear), blended), keep);
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

KS_MMX void BlendOver(uint32_t* dst, const uint32_t* src, int count)
{
    int i = 0;
    for (; i + 2 <= count; i += 2) {
        const uint32_t s0 = src[i], s1 = src[i + 1];
        if ((s0 & s1) >= 0xFF000000u) {
            dst[i] = s0;
            dst[i + 1] = s1;
            continue;
        }
        if (((s0 | s1) >> 24) == 0)
            continue;
        Store(dst + i, Blend2(Load(src + i), Load(dst + i)));
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
        if ((t0 & t1) >= 0xFF000000u)
            continue;
        if (((t0 | t1) >> 24) == 0) {
            dst[i] = src[i];
            dst[i + 1] = src[i + 1];
            continue;
        }
        Store(dst + i, Blend2(Load(dst + i), Load(src + i)));
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
    const __m64 zero = _mm_setzero_si64();
    const __m64 rest = _mm_set1_pi16(static_cast<short>(255 - a));
    const __m64 top = Scale(_mm_unpacklo_pi8(_mm_cvtsi32_si64(static_cast<int>(value)), zero),
                            _mm_set1_pi16(static_cast<short>(a)));
    int i = 0;
    for (; i + 2 <= count; i += 2) {
        const __m64 d = Load(dst + i);
        const __m64 lo = _mm_add_pi16(top, Scale(_mm_unpacklo_pi8(d, zero), rest));
        const __m64 hi = _mm_add_pi16(top, Scale(_mm_unpackhi_pi8(d, zero), rest));
        Store(dst + i, _mm_packs_pu16(lo, hi));
    }
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

} // namespace

const TKsBlendKernels KsMmxKernels = {BlendOver, BlendUnder, BlendFill, SetAlpha};
