#include "sky/vector_state.h"

#if defined(__x86_64__) || defined(__i386__) || defined(_M_X64) || defined(_M_IX86)
#define LUNARA_X86 1
#if defined(_MSC_VER) && !defined(__clang__)
#include <immintrin.h>
#include <intrin.h>
#endif
#endif

namespace lunara::sky {

namespace {

#ifdef LUNARA_X86
// AVX that the operating system saves and restores: the instruction exists only then.
bool hasAvx() noexcept {
#if defined(__GNUC__) || defined(__clang__)
    // Checks the processor's bit and the system's saving of the registers (XGETBV) together.
    return __builtin_cpu_supports("avx");
#elif defined(_MSC_VER)
    int info[4] = {};
    __cpuid(info, 1);
    const bool osSaves = (info[2] & (1 << 27)) != 0;
    const bool avx = (info[2] & (1 << 28)) != 0;
    return osSaves && avx && (_xgetbv(0) & 0x6) == 0x6;
#else
    return false;
#endif
}
#endif

} // namespace

void ClearVectorState() noexcept {
#ifdef LUNARA_X86
    static const bool avx = hasAvx();
    if (avx) {
#if defined(__GNUC__) || defined(__clang__)
        // Zeroes only the upper halves: the 128-bit values the compiled code keeps are untouched.
        __asm__ volatile("vzeroupper");
#elif defined(_MSC_VER)
        _mm256_zeroupper();
#endif
    }
#endif
}

} // namespace lunara::sky
