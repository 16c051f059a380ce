#include "theme/KsCpu.h"

#include <windows.h>

#include <cpuid.h>

#if defined(__i386__)
extern "C" {
int KsTrySse2();
int KsTryUndefined();
void KsProbeResume();
EXCEPTION_DISPOSITION __cdecl KsProbeHandler(EXCEPTION_RECORD* record, void* frame, CONTEXT* context, void* dispatcher);
}

// Installed by the probes only: an instruction that the processor or the
// system refuses resumes after the probe with a result of 0.
EXCEPTION_DISPOSITION __cdecl KsProbeHandler(EXCEPTION_RECORD* record, void*, CONTEXT* context, void*)
{
    if (record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND))
        return ExceptionContinueSearch;
    if (record->ExceptionCode != EXCEPTION_ILLEGAL_INSTRUCTION && record->ExceptionCode != EXCEPTION_PRIV_INSTRUCTION)
        return ExceptionContinueSearch;
    context->Eip = reinterpret_cast<DWORD>(&KsProbeResume);
    context->Eax = 0;
    return ExceptionContinueExecution;
}

bool KsProbeSse2()
{
    return KsTrySse2() != 0;
}

bool KsProbeIllegalInstruction()
{
    return KsTryUndefined() != 0;
}
#else
// Every x86-64 system saves the XMM registers: nothing to probe.
bool KsProbeSse2()
{
    return true;
}
#endif

namespace {

constexpr unsigned CpuidMmx = 1u << 23;
constexpr unsigned CpuidFxsr = 1u << 24;
constexpr unsigned CpuidSse2 = 1u << 26;

TKsSimd Detect()
{
    // __get_cpuid checks first that the processor has CPUID at all (a 486
    // may not).
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx))
        return TKsSimd::Scalar;
    if ((edx & CpuidSse2) && (edx & CpuidFxsr) && KsProbeSse2())
        return TKsSimd::Sse2;
    if (edx & CpuidMmx)
        return TKsSimd::Mmx;
    return TKsSimd::Scalar;
}

}  // namespace

TKsSimd KsSimdSupported()
{
    static const TKsSimd supported = Detect();
    return supported;
}

bool KsSimdAvailable(TKsSimd simd)
{
    return static_cast<int>(simd) <= static_cast<int>(KsSimdSupported());
}

const char* KsSimdName(TKsSimd simd)
{
    switch (simd) {
    case TKsSimd::Sse2: return "SSE2";
    case TKsSimd::Mmx: return "MMX";
    default: return "scalar";
    }
}
