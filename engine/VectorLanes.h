#pragma once
// Four doubles handled by one instruction where the processor has the wide registers.
// The hot sums are compiled twice (AVX2 and the baseline, chosen at load time); both
// do the same operations in the same order, so their results are identical, and
// -ffp-contract=off keeps fused multiply-adds out of either.
#include <cstring>

using TLanes = double __attribute__((vector_size(4 * sizeof(double))));
constexpr int LaneCount = 4;

// A build may define RESAM_WIDE_LANES itself (empty: the baseline code only).
#ifndef RESAM_WIDE_LANES
#if defined(__x86_64__) && defined(__GNUC__)
#define RESAM_WIDE_LANES __attribute__((target_clones("avx2", "default")))
#else
#define RESAM_WIDE_LANES
#endif
#endif

// Unaligned loads; in a macro rather than a function so that no vector crosses a call
// between code compiled for different instruction sets.
#define RESAM_LOAD_LANES(target, pointer) std::memcpy(&(target), (pointer), sizeof(TLanes))
