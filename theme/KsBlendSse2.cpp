// The blending loops four pixels at a time on SSE2. Each byte is widened to
// a 16-bit lane and gets exactly BlendPixel's ((v * a + 128) >> 8) halves;
// pixels of alpha 255 and 0 take src and dst as BlendPixel does.
//
// Only these functions carry the SSE2 target (no file-wide pragma, so that
// no inline function of a header is compiled for SSE2 here and picked by
// the linker for the whole program). Windows aligns the stack to 4 bytes:
// force_align_arg_pointer lets spilled XMM values be aligned.

#include "theme/KsBlend.h"
#include "theme/KsPixels.h"

#include <emmintrin.h>

#define KS_SSE2 __attribute__((target("sse2"), force_align_arg_pointer))
#define KS_SSE2_INLINE static inline __attribute__((target("sse2"), always_inline))

namespace {

// ((words * factor + 128) >> 8) per 16-bit lane; the product fits in 16 bits.
KS_SSE2_INLINE __m128i Scale(__m128i words, __m128i factor)
{
    return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(words, factor), _mm_set1_epi16(128)), 8);
}

// Two pixels widened to words: each pixel's alpha word in all its four lanes.
KS_SSE2_INLINE __m128i SpreadAlpha(__m128i words)
{
    return _mm_shufflehi_epi16(_mm_shufflelo_epi16(words, 0xFF), 0xFF);
}

// BlendPixel on four pixels; opaque and clear are the masks of src alpha
// 255 and 0.
KS_SSE2_INLINE __m128i Blend4(__m128i src, __m128i dst, __m128i opaque, __m128i clear)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i full = _mm_set1_epi16(255);
    const __m128i srcLo = _mm_unpacklo_epi8(src, zero);
    const __m128i srcHi = _mm_unpackhi_epi8(src, zero);
    const __m128i alphaLo = SpreadAlpha(srcLo);
    const __m128i alphaHi = SpreadAlpha(srcHi);
    const __m128i lo = _mm_add_epi16(Scale(srcLo, alphaLo),
                                     Scale(_mm_unpacklo_epi8(dst, zero), _mm_sub_epi16(full, alphaLo)));
    const __m128i hi = _mm_add_epi16(Scale(srcHi, alphaHi),
                                     Scale(_mm_unpackhi_epi8(dst, zero), _mm_sub_epi16(full, alphaHi)));
    const __m128i blended = _mm_packus_epi16(lo, hi);
    const __m128i keep = _mm_or_si128(_mm_and_si128(opaque, src), _mm_and_si128(clear, dst));
    return _mm_or_si128(_mm_andnot_si128(_mm_or_si128(opaque, clear), blended), keep);
}

KS_SSE2_INLINE __m128i Load(const uint32_t* p)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

KS_SSE2_INLINE void Store(uint32_t* p, __m128i v)
{
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
}

KS_SSE2 void BlendOver(uint32_t* dst, const uint32_t* src, int count)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i full = _mm_set1_epi32(255);
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i s = Load(src + i);
        const __m128i alpha = _mm_srli_epi32(s, 24);
        const __m128i opaque = _mm_cmpeq_epi32(alpha, full);
        const __m128i clear = _mm_cmpeq_epi32(alpha, zero);
        if (_mm_movemask_epi8(opaque) == 0xFFFF) {
            Store(dst + i, s);
            continue;
        }
        if (_mm_movemask_epi8(clear) == 0xFFFF)
            continue;
        Store(dst + i, Blend4(s, Load(dst + i), opaque, clear));
    }
    for (; i < count; ++i)
        dst[i] = BlendPixel(src[i], dst[i]);
}

KS_SSE2 void BlendUnder(uint32_t* dst, const uint32_t* src, int count)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i full = _mm_set1_epi32(255);
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i top = Load(dst + i);
        const __m128i alpha = _mm_srli_epi32(top, 24);
        const __m128i opaque = _mm_cmpeq_epi32(alpha, full);
        if (_mm_movemask_epi8(opaque) == 0xFFFF)
            continue;
        const __m128i under = Load(src + i);
        const __m128i clear = _mm_cmpeq_epi32(alpha, zero);
        if (_mm_movemask_epi8(clear) == 0xFFFF) {
            Store(dst + i, under);
            continue;
        }
        Store(dst + i, Blend4(top, under, opaque, clear));
    }
    for (; i < count; ++i)
        dst[i] = BlendPixel(dst[i], src[i]);
}

KS_SSE2 void BlendFill(uint32_t* dst, uint32_t value, int count)
{
    const uint32_t a = value >> 24;
    if (a == 0)
        return;
    if (a == 255) {
        for (int i = 0; i < count; ++i)
            dst[i] = value;
        return;
    }
    const __m128i zero = _mm_setzero_si128();
    const __m128i alpha = _mm_set1_epi16(static_cast<short>(a));
    const __m128i rest = _mm_set1_epi16(static_cast<short>(255 - a));
    // The source half is the same for every pixel.
    const __m128i top = Scale(_mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int>(value)), zero), alpha);
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i d = Load(dst + i);
        const __m128i lo = _mm_add_epi16(top, Scale(_mm_unpacklo_epi8(d, zero), rest));
        const __m128i hi = _mm_add_epi16(top, Scale(_mm_unpackhi_epi8(d, zero), rest));
        Store(dst + i, _mm_packus_epi16(lo, hi));
    }
    for (; i < count; ++i)
        dst[i] = BlendPixel(value, dst[i]);
}

KS_SSE2 void SetAlpha(uint32_t* dst, uint8_t alpha, int count)
{
    const uint32_t high = static_cast<uint32_t>(alpha) << 24;
    const __m128i colour = _mm_set1_epi32(0x00FFFFFF);
    const __m128i top = _mm_set1_epi32(static_cast<int>(high));
    int i = 0;
    for (; i + 4 <= count; i += 4)
        Store(dst + i, _mm_or_si128(_mm_and_si128(Load(dst + i), colour), top));
    for (; i < count; ++i)
        dst[i] = (dst[i] & 0x00FFFFFFu) | high;
}

} // namespace

const TKsBlendKernels KsSse2Kernels = {BlendOver, BlendUnder, BlendFill, SetAlpha};
