#include "theme/KsBlend.h"

namespace {

const TKsBlendKernels* Current = nullptr;
TKsSimd CurrentPath = TKsSimd::Scalar;

}  // namespace

const TKsBlendKernels& KsBlendKernelsFor(TKsSimd simd)
{
    switch (simd) {
    case TKsSimd::Sse2: return KsSse2Kernels;
    case TKsSimd::Mmx: return KsMmxKernels;
    default: return KsScalarKernels;
    }
}

const TKsBlendKernels& KsBlendKernels()
{
    if (!Current)
        KsSetBlendPath(KsSimdSupported());
    return *Current;
}

TKsSimd KsBlendPath()
{
    KsBlendKernels();
    return CurrentPath;
}

bool KsSetBlendPath(TKsSimd simd)
{
    if (!KsSimdAvailable(simd))
        return false;
    CurrentPath = simd;
    Current = &KsBlendKernelsFor(simd);
    return true;
}
