#pragma once
// Which SIMD instruction sets the blending loops may use on this machine.
//
// MMX needs nothing from the operating system (its registers alias the FPU
// stack, which every system saves). SSE2 works on the XMM registers, which
// Windows 95 and the first Windows 98 neither enable nor save: there the
// processor faults on SSE instructions even though CPUID reports them. So
// SSE2 is used only when CPUID reports SSE2 and FXSR and an SSE2
// instruction, tried under a structured exception frame, runs without an
// illegal-instruction fault (the system has set CR4.OSFXSR, i.e. saves the
// XMM state). Otherwise MMX when CPUID reports it, else plain code.

enum class TKsSimd { Scalar, Mmx, Sse2 };

// What this machine and system support (detected once).
TKsSimd KsSimdSupported();
// True when the path can run here (Scalar always can).
bool KsSimdAvailable(TKsSimd simd);
const char* KsSimdName(TKsSimd simd);

// Each probe runs one instruction under an exception frame: true when it
// ran, false when the processor or the system refused it.
bool KsProbeSse2();
#if defined(__i386__)
bool KsProbeIllegalInstruction();
#endif
