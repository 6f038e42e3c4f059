#pragma once
// What the processor offers to the scanners of program files beyond plain words: SSE2 wherever
// the suite is built for x86-64, and AVX2 where the processor has it, asked at run time.

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define TK73PGM_SSE2 1
#endif
#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#define TK73PGM_AVX2 1
#endif

namespace tk73pgm {

// Whether the processor (and the system) can run the functions marked target("avx2").
#if defined(TK73PGM_AVX2)
[[nodiscard]] inline bool hasAvx2() {
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") != 0;
    }();
    return has;
}
#else
[[nodiscard]] inline bool hasAvx2() {
    return false;
}
#endif

}  // namespace tk73pgm
