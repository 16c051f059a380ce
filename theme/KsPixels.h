#pragma once
// 32-bit pixels as the skinning layer composes them: 0xAARRGGBB, blue in
// the low byte, alpha 255 opaque. Framework colours keep red in the low byte
// and may name system colours; these helpers go between the two.

#include "framework/Colors.h"

#include <cstdint>

// GetPixel's answer outside a bitmap.
constexpr uint32_t KsOpaqueBlack = 0xFF000000u;
// The light fill of progress and track channels.
constexpr uint32_t KsTrackLight = 0xFFEBEBEEu;
// Magenta: the transparency key of the atlases and of rotated text.
constexpr uint32_t KsMagentaKey = 0xFFFF00FFu;

// r, g and b are clamped to 0..255; a keeps its low byte.
inline uint32_t MakeColor(int r, int g, int b, int a = 255)
{
    auto clamp = [](int v) -> uint32_t { return v < 0 ? 0u : v > 255 ? 255u : static_cast<uint32_t>(v); };
    return (static_cast<uint32_t>(a) & 0xFFu) << 24 | clamp(r) << 16 | clamp(g) << 8 | clamp(b);
}

// The colour resolved to RGB (system colours take their current value).
uint32_t ColorToPixel(TColor color, int alpha = 255);
// The pixel's red, green and blue as a framework colour; alpha is dropped.
TColor PixelToColor(uint32_t pixel);

// The one blend of the skinning layer: src over dst by src's alpha.
// Every byte (alpha too) is ((s*a + 128) >> 8) + ((d*(255-a) + 128) >> 8),
// worked out on the red/blue and the alpha/green pairs as two 16-bit lanes
// of one multiply each; alpha 255 gives src and alpha 0 gives dst exactly.
inline uint32_t BlendPixel(uint32_t src, uint32_t dst)
{
    const uint32_t a = src >> 24;
    if (a == 255)
        return src;
    if (a == 0)
        return dst;
    const uint32_t na = 255 - a;
    const uint32_t srcRB = (((src & 0x00FF00FFu) * a + 0x00800080u) >> 8) & 0x00FF00FFu;
    const uint32_t srcAG = (((src >> 8) & 0x00FF00FFu) * a + 0x00800080u) & 0xFF00FF00u;
    const uint32_t dstRB = (((dst & 0x00FF00FFu) * na + 0x00800080u) >> 8) & 0x00FF00FFu;
    const uint32_t dstAG = (((dst >> 8) & 0x00FF00FFu) * na + 0x00800080u) & 0xFF00FF00u;
    // Neither half can exceed 255 per byte in the sum, so no carries cross.
    return (srcRB | srcAG) + (dstRB | dstAG);
}
