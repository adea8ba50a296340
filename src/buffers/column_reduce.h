#pragma once
// The variants behind the column reduction kernel (tremoraColumnMinMax_64f in
// the kernel table), exposed so that tests can hold each instruction-set
// variant against the plain loop on any machine. Callers of the program use
// the kernel table, never these.

#include "buffers/kernels.h"

namespace column_reduce {

// Per-column extremes of one column range [begin, end) of src, NaN ignored;
// an empty or all-NaN range gives NaN for both. No argument checks.
using TColumnFn = void (*)(const Ipp64f* src, const Ipp32s* bounds, int columns,
                           Ipp64f* dstMin, Ipp64f* dstMax);

// The reference: one compare per sample.
void Plain(const Ipp64f* src, const Ipp32s* bounds, int columns, Ipp64f* dstMin, Ipp64f* dstMax);

// SSE2 (every x86-64 processor) and AVX2 code; null where the processor or
// the build target lacks the instructions.
TColumnFn Sse2();
TColumnFn Avx2();

// The variant the kernel runs on this processor.
TColumnFn Best();

// True when bounds holds columns + 1 non-decreasing indices within [0, len].
bool BoundsValid(const Ipp32s* bounds, int columns, int len);

}  // namespace column_reduce
