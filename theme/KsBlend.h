#pragma once
// The blending loops of TKsBitmap, one row at a time, in three builds that
// give identical results: the plain two-lane BlendPixel (the reference and
// the fallback), MMX (two pixels per instruction) and SSE2 (four). The
// fastest that the machine supports is chosen on first use (KsCpu.h);
// tests and the benchmark may force another.

#include "theme/KsCpu.h"

#include <cstdint>

struct TKsBlendKernels {
    // dst[i] := BlendPixel(src[i], dst[i])    (src over dst)
    void (*BlendOver)(uint32_t* dst, const uint32_t* src, int count);
    // dst[i] := BlendPixel(dst[i], src[i])    (src under dst)
    void (*BlendUnder)(uint32_t* dst, const uint32_t* src, int count);
    // dst[i] := BlendPixel(value, dst[i])
    void (*BlendFill)(uint32_t* dst, uint32_t value, int count);
    // Alpha byte of dst[i] := alpha
    void (*SetAlpha)(uint32_t* dst, uint8_t alpha, int count);
};

// The kernels in use.
const TKsBlendKernels& KsBlendKernels();
// The kernels of one path (it must be available: see KsSimdAvailable).
const TKsBlendKernels& KsBlendKernelsFor(TKsSimd simd);
TKsSimd KsBlendPath();
// Uses the given path from now on; false (and no change) when this
// machine cannot run it.
bool KsSetBlendPath(TKsSimd simd);

// Defined by the per-instruction-set units.
extern const TKsBlendKernels KsScalarKernels;
extern const TKsBlendKernels KsMmxKernels;
extern const TKsBlendKernels KsSse2Kernels;
