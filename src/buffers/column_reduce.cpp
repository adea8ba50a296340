// Column reduction of a trace: one minimum and one maximum per pixel column.
// This is the scope's hottest loop when a long block is shown on a narrow
// view, so it runs at the memory bandwidth: several independent accumulators
// per column, and the last partial vector of a column is read as an
// overlapping full vector (min and max do not mind seeing a sample twice).
//
// NaN samples are skipped by the order of the operands: minpd/maxpd return
// their second operand when either is NaN, and the accumulator is always the
// second. Accumulators start at +inf (minimum) and -inf (maximum), so a column
// that saw no number ends with minimum > maximum and reports NaN.

#include "buffers/column_reduce.h"

#include <limits>

#if defined(__x86_64__)
#include <immintrin.h>
#define TREMORA_X86 1
#endif

namespace column_reduce {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

inline void Store(double lo, double hi, Ipp64f* dstMin, Ipp64f* dstMax) {
  if (lo > hi) lo = hi = kNaN;
  *dstMin = lo;
  *dstMax = hi;
}

// Scalar rest of a short column; comparisons with NaN are false, so NaN never
// replaces a candidate.
inline void ScalarRange(const Ipp64f* p, int n, double& lo, double& hi) {
  for (int i = 0; i < n; ++i) {
    double v = p[i];
    lo = v < lo ? v : lo;
    hi = v > hi ? v : hi;
  }
}

}  // namespace

void Plain(const Ipp64f* src, const Ipp32s* bounds, int columns, Ipp64f* dstMin, Ipp64f* dstMax) {
  for (int j = 0; j < columns; ++j) {
    double lo = kInf, hi = -kInf;
    for (int i = bounds[j]; i < bounds[j + 1]; ++i) {
      double v = src[i];
      if (v < lo) lo = v;
      if (v > hi) hi = v;
    }
    Store(lo, hi, dstMin + j, dstMax + j);
  }
}

#if TREMORA_X86

namespace {

void ColumnsSse2(const Ipp64f* src, const Ipp32s* bounds, int columns, Ipp64f* dstMin,
                 Ipp64f* dstMax) {
  const __m128d inf = _mm_set1_pd(kInf), ninf = _mm_set1_pd(-kInf);
  for (int j = 0; j < columns; ++j) {
    const Ipp64f* p = src + bounds[j];
    const int n = bounds[j + 1] - bounds[j];
    double lo = kInf, hi = -kInf;
    if (n < 2) {
      ScalarRange(p, n, lo, hi);
      Store(lo, hi, dstMin + j, dstMax + j);
      continue;
    }
    __m128d lo0 = inf, lo1 = inf, lo2 = inf, lo3 = inf;
    __m128d hi0 = ninf, hi1 = ninf, hi2 = ninf, hi3 = ninf;
    int i = 0;
    for (; i + 8 <= n; i += 8) {
      __m128d a = _mm_loadu_pd(p + i), b = _mm_loadu_pd(p + i + 2);
      __m128d c = _mm_loadu_pd(p + i + 4), d = _mm_loadu_pd(p + i + 6);
      lo0 = _mm_min_pd(a, lo0), hi0 = _mm_max_pd(a, hi0);
      lo1 = _mm_min_pd(b, lo1), hi1 = _mm_max_pd(b, hi1);
      lo2 = _mm_min_pd(c, lo2), hi2 = _mm_max_pd(c, hi2);
      lo3 = _mm_min_pd(d, lo3), hi3 = _mm_max_pd(d, hi3);
    }
    for (; i + 2 <= n; i += 2) {
      __m128d a = _mm_loadu_pd(p + i);
      lo0 = _mm_min_pd(a, lo0), hi0 = _mm_max_pd(a, hi0);
    }
    if (i < n) {  // one sample left: read the last pair again
      __m128d a = _mm_loadu_pd(p + n - 2);
      lo1 = _mm_min_pd(a, lo1), hi1 = _mm_max_pd(a, hi1);
    }
    // The accumulators hold no NaN, so the order of folding is free.
    __m128d l = _mm_min_pd(_mm_min_pd(lo0, lo1), _mm_min_pd(lo2, lo3));
    __m128d h = _mm_max_pd(_mm_max_pd(hi0, hi1), _mm_max_pd(hi2, hi3));
    l = _mm_min_sd(l, _mm_unpackhi_pd(l, l));
    h = _mm_max_sd(h, _mm_unpackhi_pd(h, h));
    Store(_mm_cvtsd_f64(l), _mm_cvtsd_f64(h), dstMin + j, dstMax + j);
  }
}

__attribute__((target("avx2"))) void ColumnsAvx2(const Ipp64f* src, const Ipp32s* bounds,
                                                 int columns, Ipp64f* dstMin, Ipp64f* dstMax) {
  const __m256d inf = _mm256_set1_pd(kInf), ninf = _mm256_set1_pd(-kInf);
  for (int j = 0; j < columns; ++j) {
    const Ipp64f* p = src + bounds[j];
    const int n = bounds[j + 1] - bounds[j];
    double lo = kInf, hi = -kInf;
    if (n < 4) {
      ScalarRange(p, n, lo, hi);
      Store(lo, hi, dstMin + j, dstMax + j);
      continue;
    }
    __m256d lo0 = inf, lo1 = inf, lo2 = inf, lo3 = inf;
    __m256d hi0 = ninf, hi1 = ninf, hi2 = ninf, hi3 = ninf;
    int i = 0;
    for (; i + 16 <= n; i += 16) {
      __m256d a = _mm256_loadu_pd(p + i), b = _mm256_loadu_pd(p + i + 4);
      __m256d c = _mm256_loadu_pd(p + i + 8), d = _mm256_loadu_pd(p + i + 12);
      lo0 = _mm256_min_pd(a, lo0), hi0 = _mm256_max_pd(a, hi0);
      lo1 = _mm256_min_pd(b, lo1), hi1 = _mm256_max_pd(b, hi1);
      lo2 = _mm256_min_pd(c, lo2), hi2 = _mm256_max_pd(c, hi2);
      lo3 = _mm256_min_pd(d, lo3), hi3 = _mm256_max_pd(d, hi3);
    }
    for (; i + 4 <= n; i += 4) {
      __m256d a = _mm256_loadu_pd(p + i);
      lo0 = _mm256_min_pd(a, lo0), hi0 = _mm256_max_pd(a, hi0);
    }
    if (i < n) {  // 1 to 3 samples left: read the last four again
      __m256d a = _mm256_loadu_pd(p + n - 4);
      lo1 = _mm256_min_pd(a, lo1), hi1 = _mm256_max_pd(a, hi1);
    }
    __m256d l4 = _mm256_min_pd(_mm256_min_pd(lo0, lo1), _mm256_min_pd(lo2, lo3));
    __m256d h4 = _mm256_max_pd(_mm256_max_pd(hi0, hi1), _mm256_max_pd(hi2, hi3));
    __m128d l = _mm_min_pd(_mm256_castpd256_pd128(l4), _mm256_extractf128_pd(l4, 1));
    __m128d h = _mm_max_pd(_mm256_castpd256_pd128(h4), _mm256_extractf128_pd(h4, 1));
    l = _mm_min_sd(l, _mm_unpackhi_pd(l, l));
    h = _mm_max_sd(h, _mm_unpackhi_pd(h, h));
    Store(_mm_cvtsd_f64(l), _mm_cvtsd_f64(h), dstMin + j, dstMax + j);
  }
}

}  // namespace

TColumnFn Sse2() { return &ColumnsSse2; }

TColumnFn Avx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has ? &ColumnsAvx2 : nullptr;
}

#else

TColumnFn Sse2() { return nullptr; }
TColumnFn Avx2() { return nullptr; }

#endif

TColumnFn Best() {
  static const TColumnFn best = [] {
    if (TColumnFn f = Avx2()) return f;
    if (TColumnFn f = Sse2()) return f;
    return &Plain;
  }();
  return best;
}

bool BoundsValid(const Ipp32s* bounds, int columns, int len) {
  if (bounds[0] < 0) return false;
  for (int j = 0; j < columns; ++j)
    if (bounds[j + 1] < bounds[j]) return false;
  return bounds[columns] <= len;
}

}  // namespace column_reduce

namespace own_kernels {

IppStatus tremoraColumnMinMax_64f(const Ipp64f* pSrc, int len, const Ipp32s* pBounds, int columns,
                                  Ipp64f* pMin, Ipp64f* pMax) noexcept {
  if (!pSrc || !pBounds || !pMin || !pMax) return ippStsNullPtrErr;
  if (len <= 0 || columns <= 0) return ippStsSizeErr;
  if (!column_reduce::BoundsValid(pBounds, columns, len)) return ippStsOutOfRangeErr;
  column_reduce::Best()(pSrc, pBounds, columns, pMin, pMax);
  return ippStsNoErr;
}

}  // namespace own_kernels
