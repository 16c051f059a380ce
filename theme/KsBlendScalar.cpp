// The reference loops: BlendPixel pixel by pixel.

#include "theme/KsBlend.h"
#include "theme/KsPixels.h"

namespace {

void BlendOver(uint32_t* dst, const uint32_t* src, int count)
{
    for (int i = 0; i < count; ++i)
        dst[i] = BlendPixel(src[i], dst[i]);
}

void BlendUnder(uint32_t* dst, const uint32_t* src, int count)
{
    for (int i = 0; i < count; ++i)
        dst[i] = BlendPixel(dst[i], src[i]);
}

void BlendFill(uint32_t* dst, uint32_t value, int count)
{
    for (int i = 0; i < count; ++i)
        dst[i] = BlendPixel(value, dst[i]);
}

void SetAlpha(uint32_t* dst, uint8_t alpha, int count)
{
    const uint32_t high = static_cast<uint32_t>(alpha) << 24;
    for (int i = 0; i < count; ++i)
        dst[i] = (dst[i] & 0x00FFFFFFu) | high;
}

}  // namespace

const TKsBlendKernels KsScalarKernels = {BlendOver, BlendUnder, BlendFill, SetAlpha};
