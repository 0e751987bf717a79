#include "astro/vector_state.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace orvantis {

#if defined(__x86_64__) || defined(__i386__)

namespace {

__attribute__((target("avx"))) void ZeroUpperHalves() {
    _mm256_zeroupper();
}

}  // namespace

void ClearVectorUpperState() {
    if (__builtin_cpu_supports("avx")) ZeroUpperHalves();
}

#else

void ClearVectorUpperState() {}

#endif

}  // namespace orvantis
