#pragma once

// The per-minute and per-second evaluations in double precision are built twice on x86-64:
// for the processors of the last decade (AVX2 and fused multiply-add) and for any other,
// the loader picking one. Their results differ only in the last bits, which the pass
// search's guard and the extended evaluation already allow for; the extended path itself
// is built once.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && \
    !defined(ORVANE_SINGLE_BUILD_OF_HOT_PATH)
#define ORVANE_HOT_PATH __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define ORVANE_HOT_PATH
#endif
