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

// The two-lane arithmetic of BlendPixel in 16-bit lanes: masked with
// 0x00FF each lane holds blue or red, shifted right by 8 green or alpha,
// so one multiply covers two bytes of four pixels; (v * a + 128) fits 16
// bits. Returns the first half of the formula for all four bytes, each in
// its own place.
KS_SSE2_INLINE __m128i Half(__m128i pixels, __m128i factor)
{
    const __m128i lowBytes = _mm_set1_epi16(0x00FF);
    const __m128i highBytes = _mm_set1_epi16(static_cast<short>(0xFF00));
    const __m128i round = _mm_set1_epi16(0x0080);
    const __m128i blueRed = _mm_and_si128(pixels, lowBytes);
    const __m128i greenAlpha = _mm_srli_epi16(pixels, 8);
    const __m128i rb = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(blueRed, factor), round), 8);
    const __m128i ag = _mm_and_si128(_mm_add_epi16(_mm_mullo_epi16(greenAlpha, factor), round), highBytes);
    return _mm_or_si128(rb, ag);
}

// The blend formula on four pixels, without BlendPixel's special cases;
// alpha holds each pixel's alpha in its 32-bit lane.
KS_SSE2_INLINE __m128i Mix4(__m128i src, __m128i dst, __m128i alpha)
{
    const __m128i factor = _mm_or_si128(alpha, _mm_slli_epi32(alpha, 16));
    const __m128i rest = _mm_sub_epi16(_mm_set1_epi16(0x00FF), factor);
    // No byte of the sum exceeds 255: no carries between bytes.
    return _mm_add_epi32(Half(src, factor), Half(dst, rest));
}

KS_SSE2_INLINE __m128i Load(const uint32_t* p)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

KS_SSE2_INLINE void Store(uint32_t* p, __m128i v)
{
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
}

// BlendPixel(top, under) on four pixels: top's alpha 255 gives top, 0
// gives under, anything else mixes. Target says which of the two already
// lies in the destination: returns false when the result is that one, so
// there is nothing to store.
enum class TTarget { Top, Under };

template <TTarget Target>
KS_SSE2_INLINE bool Blend4(__m128i top, const uint32_t* underPixels, __m128i& result)
{
    const __m128i alpha = _mm_srli_epi32(top, 24);
    const __m128i opaque = _mm_cmpeq_epi32(alpha, _mm_set1_epi32(255));
    const __m128i clear = _mm_cmpeq_epi32(alpha, _mm_setzero_si128());
    const __m128i special = _mm_or_si128(opaque, clear);
    // Worst case for speed: none of the four is special, one test only.
    if (_mm_movemask_epi8(special) == 0) {
        result = Mix4(top, Load(underPixels), alpha);
        return true;
    }
    if (_mm_movemask_epi8(opaque) == 0xFFFF) {
        result = top;
        return Target != TTarget::Top;
    }
    if (_mm_movemask_epi8(clear) == 0xFFFF) {
        if (Target == TTarget::Under)
            return false;
        result = Load(underPixels);
        return true;
    }
    const __m128i under = Load(underPixels);
    const __m128i keep = _mm_or_si128(_mm_and_si128(opaque, top), _mm_and_si128(clear, under));
    result = _mm_or_si128(_mm_andnot_si128(special, Mix4(top, under, alpha)), keep);
    return true;
}

KS_SSE2 void BlendOver(uint32_t* dst, const uint32_t* src, int count)
{
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        __m128i result;
        if (Blend4<TTarget::Under>(Load(src + i), dst + i, result))
            Store(dst + i, result);
    }
    for (; i < count; ++i)
        dst[i] = BlendPixel(src[i], dst[i]);
}

KS_SSE2 void BlendUnder(uint32_t* dst, const uint32_t* src, int count)
{
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        __m128i result;
        if (Blend4<TTarget::Top>(Load(dst + i), src + i, result))
            Store(dst + i, result);
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
    const __m128i factor = _mm_set1_epi16(static_cast<short>(a));
    const __m128i rest = _mm_set1_epi16(static_cast<short>(255 - a));
    // The value's half of the formula is the same for every pixel.
    const __m128i top = Half(_mm_set1_epi32(static_cast<int>(value)), factor);
    int i = 0;
    for (; i + 4 <= count; i += 4)
        Store(dst + i, _mm_add_epi32(top, Half(Load(dst + i), rest)));
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

}  // namespace

const TKsBlendKernels KsSse2Kernels = {BlendOver, BlendUnder, BlendFill, SetAlpha};
