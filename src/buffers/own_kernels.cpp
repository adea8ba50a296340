// Our own routines behind the kernel table. The data-path loops are written
// so that the compiler vectorises them, and the hot ones are built for the
// widest instruction set the processor offers (chosen when the program loads).

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "buffers/kernels.h"

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && \
    !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__)
#define TREMORA_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define TREMORA_CLONES
#endif

namespace {

// Pointer checks come before the length check, and nothing is written when
// either fails.
template <class... P>
constexpr bool AnyNull(P... p) {
  return ((p == nullptr) || ...);
}
#define CHECK_PTRS(...) \
  if (AnyNull(__VA_ARGS__)) return ippStsNullPtrErr
#define CHECK_LEN(len) \
  if ((len) <= 0) return ippStsSizeErr

// ---- conversions ----

TREMORA_CLONES void Convert32s64f(const Ipp32s* src, Ipp64f* dst, int len) {
  int i = 0;
  for (; i + 4 <= len; i += 4) {
    dst[i] = src[i];
    dst[i + 1] = src[i + 1];
    dst[i + 2] = src[i + 2];
    dst[i + 3] = src[i + 3];
  }
  for (; i < len; ++i) dst[i] = src[i];
}

// In index order, so that a destination starting at the source may be it.
TREMORA_CLONES void Convert64f32f(const Ipp64f* src, Ipp32f* dst, int len) {
  constexpr double kMax = 3.4028234663852886e38;
  for (int i = 0; i < len; ++i) {
    double v = src[i];
    v = v <= -kMax ? -kMax : v;
    v = v >= kMax ? kMax : v;
    dst[i] = static_cast<float>(v);
  }
}

// Nearest with ties to even, computed as v +- 0.5 truncated and moved one
// step toward zero when that sum was an exact odd integer. The caller has
// excluded values outside the 32-bit range and NaN.
inline int32_t RoundNearEven(double v) {
  double s = v >= 0 ? v + 0.5 : v - 0.5;
  double t = std::trunc(s);
  int32_t r = static_cast<int32_t>(t);
  if (t == s && (r & 1)) r += v >= 0 ? -1 : 1;
  return r;
}

inline int32_t SaturateDouble(double v, bool nearest) {
  if (v >= 2147483647.0) return INT32_MAX;
  if (v <= -2147483648.0) return INT32_MIN;
  if (v != v) return 0;  // NaN has no integer; 0 instead of undefined
  return nearest ? RoundNearEven(v) : static_cast<int32_t>(v);
}

// The same rules written as selects on doubles, so that whole vectors are
// converted at once; the value reaching the integer conversion is always in
// range.
TREMORA_CLONES void Convert64f32sNear(const Ipp64f* src, Ipp32s* dst, int len) {
  for (int i = 0; i < len; ++i) {
    double v = src[i];
    double s = v >= 0 ? v + 0.5 : v - 0.5;
    double t = std::trunc(s);
    // +1 or -1 for an odd t (its sign), 0 for an even one: one step toward zero.
    double odd = t - 2.0 * std::trunc(t * 0.5);
    t = t == s ? t - odd : t;
    t = v >= 2147483647.0 ? 2147483647.0 : t;
    t = v <= -2147483648.0 ? -2147483648.0 : t;
    t = v == v ? t : 0.0;
    dst[i] = static_cast<int32_t>(t);
  }
}

TREMORA_CLONES void Convert64f32sZero(const Ipp64f* src, Ipp32s* dst, int len) {
  for (int i = 0; i < len; ++i) {
    double v = src[i];
    double t = std::trunc(v);
    t = v >= 2147483647.0 ? 2147483647.0 : t;
    t = v <= -2147483648.0 ? -2147483648.0 : t;
    t = v == v ? t : 0.0;
    dst[i] = static_cast<int32_t>(t);
  }
}

// ---- extremes ----
// Lane-wise candidates, all starting from element 0, replaced only by a
// strictly smaller (larger) element, give the same value as the sequential
// search. Ties between 0 and -0 are the one place lanes could pick another
// element; those are settled by a sequential pass.

constexpr int kLanes = 8;

TREMORA_CLONES double MinLanes(const Ipp64f* src, int len) {
  double lane[kLanes];
  for (double& c : lane) c = src[0];
  int i = 1;
  for (; i + kLanes <= len; i += kLanes)
    for (int j = 0; j < kLanes; ++j) lane[j] = src[i + j] < lane[j] ? src[i + j] : lane[j];
  double c = src[0];
  for (double v : lane) c = v < c ? v : c;
  for (; i < len; ++i) c = src[i] < c ? src[i] : c;
  return c;
}

TREMORA_CLONES double MaxLanes(const Ipp64f* src, int len) {
  double lane[kLanes];
  for (double& c : lane) c = src[0];
  int i = 1;
  for (; i + kLanes <= len; i += kLanes)
    for (int j = 0; j < kLanes; ++j) lane[j] = src[i + j] > lane[j] ? src[i + j] : lane[j];
  double c = src[0];
  for (double v : lane) c = v > c ? v : c;
  for (; i < len; ++i) c = src[i] > c ? src[i] : c;
  return c;
}

double FirstEqual(const Ipp64f* src, int len, double value) {
  for (int i = 0; i < len; ++i)
    if (src[i] == value) return src[i];
  return value;
}

TREMORA_CLONES void MulC(const Ipp64f* src, Ipp64f val, Ipp64f* dst, int len) {
  for (int i = 0; i < len; ++i) dst[i] = val * src[i];
}

TREMORA_CLONES void AddCInPlace(Ipp64f val, Ipp64f* p, int len) {
  for (int i = 0; i < len; ++i) p[i] = p[i] + val;
}

TREMORA_CLONES void SubCRevInPlace(Ipp64f val, Ipp64f* p, int len) {
  for (int i = 0; i < len; ++i) p[i] = val - p[i];
}

TREMORA_CLONES void ThresholdGT32s(Ipp32s* p, int len, Ipp32s level) {
  for (int i = 0; i < len; ++i) p[i] = p[i] > level ? level : p[i];
}

// ---- saturating integer arithmetic with a scale factor ----

template <class T>
T Saturate(int64_t v) {
  if (v > std::numeric_limits<T>::max()) return std::numeric_limits<T>::max();
  if (v < std::numeric_limits<T>::min()) return std::numeric_limits<T>::min();
  return static_cast<T>(v);
}

// v * 2^-scale, rounded to nearest with ties to even.
inline int64_t ApplyScale(int64_t v, int scale) {
  if (scale == 0) return v;
  if (scale < 0) {
    int s = std::min(-scale, 40);
    long double r = static_cast<long double>(v) * static_cast<long double>(int64_t(1) << s);
    if (r > 9.0e18L) return INT64_MAX / 2;
    if (r < -9.0e18L) return INT64_MIN / 2;
    return static_cast<int64_t>(r);
  }
  if (scale > 62) return 0;
  int64_t div = int64_t(1) << scale;
  int64_t q = v / div, rem = v % div;
  int64_t twice = 2 * (rem < 0 ? -rem : rem);
  if (twice > div || (twice == div && (q & 1))) q += v < 0 ? -1 : 1;
  return q;
}

// Integer quotient rounded to nearest (ties to even); a zero divisor gives
// the type's extreme in the dividend's direction (0 for 0).
template <class T>
T DivideSat(int64_t a, int64_t b, int scale, bool& byZero) {
  if (b == 0) {
    byZero = true;
    return a > 0 ? std::numeric_limits<T>::max() : a < 0 ? std::numeric_limits<T>::min() : T(0);
  }
  long double q = static_cast<long double>(a) / static_cast<long double>(b);
  if (scale > 0) q = std::ldexp(q, -scale);
  else if (scale < 0) q = std::ldexp(q, -scale);
  q = std::nearbyint(q);
  if (q > 9.0e18L) return std::numeric_limits<T>::max();
  if (q < -9.0e18L) return std::numeric_limits<T>::min();
  return Saturate<T>(static_cast<int64_t>(q));
}

enum class TIntOp { Add, Sub, Mul };

template <class T>
IppStatus VectorOp(TIntOp op, const T* src, T* srcdst, int len, int scale) {
  CHECK_PTRS(src, srcdst);
  CHECK_LEN(len);
  for (int i = 0; i < len; ++i) {
    int64_t a = srcdst[i], b = src[i];
    int64_t r = op == TIntOp::Add ? a + b : op == TIntOp::Sub ? a - b : a * b;
    srcdst[i] = Saturate<T>(ApplyScale(r, scale));
  }
  return ippStsNoErr;
}

template <class T>
IppStatus VectorDiv(const T* src, T* srcdst, int len, int scale) {
  CHECK_PTRS(src, srcdst);
  CHECK_LEN(len);
  bool byZero = false;
  for (int i = 0; i < len; ++i) srcdst[i] = DivideSat<T>(srcdst[i], src[i], scale, byZero);
  return byZero ? ippStsDivByZero : ippStsNoErr;
}

template <class T>
IppStatus ConstOp(TIntOp op, T val, T* srcdst, int len, int scale) {
  CHECK_PTRS(srcdst);
  CHECK_LEN(len);
  for (int i = 0; i < len; ++i) {
    int64_t a = srcdst[i], b = val;
    int64_t r = op == TIntOp::Add ? a + b : op == TIntOp::Sub ? a - b : a * b;
    srcdst[i] = Saturate<T>(ApplyScale(r, scale));
  }
  return ippStsNoErr;
}

template <class T>
IppStatus ConstDiv(T val, T* srcdst, int len, int scale) {
  CHECK_PTRS(srcdst);
  CHECK_LEN(len);
  if (val == 0) return ippStsDivByZeroErr;
  bool byZero = false;
  for (int i = 0; i < len; ++i) srcdst[i] = DivideSat<T>(srcdst[i], val, scale, byZero);
  return ippStsNoErr;
}

template <class T>
IppStatus SetAll(T val, T* dst, int len) {
  CHECK_PTRS(dst);
  CHECK_LEN(len);
  std::fill(dst, dst + len, val);
  return ippStsNoErr;
}

template <class F>
IppStatus Unary(const Ipp64f* src, Ipp64f* dst, int len, F f) {
  CHECK_PTRS(src, dst);
  CHECK_LEN(len);
  IppStatus status = ippStsNoErr;
  for (int i = 0; i < len; ++i) dst[i] = f(src[i], status);
  return status;
}

double SqrtOf(double v, IppStatus& status) {
  if (v < 0) {
    status = ippStsSqrtNegArg;
    return std::numeric_limits<double>::quiet_NaN();
  }
  return std::sqrt(v);
}

double LnOf(double v, IppStatus& status) {
  if (v == 0) {
    if (status == ippStsNoErr) status = ippStsLnZeroArg;
    return -std::numeric_limits<double>::infinity();
  }
  if (v < 0) {
    status = ippStsLnNegArg;
    return std::numeric_limits<double>::quiet_NaN();
  }
  return std::log(v);
}

template <class Cmp>
IppStatus Extreme(const Ipp64f* src, int len, Ipp64f* result, int* index, Cmp better) {
  CHECK_PTRS(src, result, index);
  CHECK_LEN(len);
  double c = src[0];
  int at = 0;
  for (int i = 1; i < len; ++i)
    if (better(src[i], c)) {
      c = src[i];
      at = i;
    }
  *result = c;
  *index = at;
  return ippStsNoErr;
}

}  // namespace

namespace own_kernels {

// Overlap is outside the copies' contract, but callers do pass the same
// array as source and destination (scaling by 1 in place); memmove makes any
// overlap harmless at no measurable cost.
IppStatus ippsCopy_8u(const Ipp8u* pSrc, Ipp8u* pDst, int len) noexcept {
  CHECK_PTRS(pSrc, pDst);
  CHECK_LEN(len);
  if (pSrc != pDst) std::memmove(pDst, pSrc, static_cast<size_t>(len));
  return ippStsNoErr;
}

IppStatus ippsCopy_64f(const Ipp64f* pSrc, Ipp64f* pDst, int len) noexcept {
  CHECK_PTRS(pSrc, pDst);
  CHECK_LEN(len);
  if (pSrc != pDst) std::memmove(pDst, pSrc, static_cast<size_t>(len) * sizeof(Ipp64f));
  return ippStsNoErr;
}

// Forward when the source lies after the destination, backward when before,
// nothing when they coincide: exactly what memmove does.
IppStatus ippsMove_64f(const Ipp64f* pSrc, Ipp64f* pDst, int len) noexcept {
  CHECK_PTRS(pSrc, pDst);
  CHECK_LEN(len);
  if (pSrc != pDst) std::memmove(pDst, pSrc, static_cast<size_t>(len) * sizeof(Ipp64f));
  return ippStsNoErr;
}

IppStatus ippsConvert_32s64f(const Ipp32s* pSrc, Ipp64f* pDst, int len) noexcept {
  CHECK_PTRS(pSrc, pDst);
  CHECK_LEN(len);
  Convert32s64f(pSrc, pDst, len);
  return ippStsNoErr;
}

IppStatus ippsConvert_64f32f(const Ipp64f* pSrc, Ipp32f* pDst, int len) noexcept {
  CHECK_PTRS(pSrc, pDst);
  CHECK_LEN(len);
  Convert64f32f(pSrc, pDst, len);
  return ippStsNoErr;
}

IppStatus ippsConvert_64f32s_Sfs(const Ipp64f* pSrc, Ipp32s* pDst, int len, IppRoundMode rnd,
                                 int scaleFactor) noexcept {
  CHECK_PTRS(pSrc, pDst);
  CHECK_LEN(len);
  bool nearest = rnd == ippRndNear;
  if (scaleFactor == 0) {
    if (nearest) Convert64f32sNear(pSrc, pDst, len);
    else Convert64f32sZero(pSrc, pDst, len);
    return ippStsNoErr;
  }
  double factor = std::ldexp(1.0, -scaleFactor);
  for (int i = 0; i < len; ++i) pDst[i] = SaturateDouble(pSrc[i] * factor, nearest);
  return ippStsNoErr;
}

IppStatus ippsConvert_32f32s_Sfs(const Ipp32f* pSrc, Ipp32s* pDst, int len, IppRoundMode rnd,
                                 int scaleFactor) noexcept {
  CHECK_PTRS(pSrc, pDst);
  CHECK_LEN(len);
  bool nearest = rnd == ippRndNear;
  if (scaleFactor != 0) {
    double factor = std::ldexp(1.0, -scaleFactor);
    for (int i = 0; i < len; ++i) pDst[i] = SaturateDouble(double(pSrc[i]) * factor, nearest);
    return ippStsNoErr;
  }
  for (int i = 0; i < len; ++i) {
    float v = pSrc[i];
    // Bounds in single precision; the rounding itself in double, where
    // v + 0.5 is exact for every single below 2^31.
    if (v >= 2147483648.0f) pDst[i] = INT32_MAX;
    else if (v <= -2147483648.0f) pDst[i] = INT32_MIN;
    else pDst[i] = SaturateDouble(v, nearest);
  }
  return ippStsNoErr;
}

IppStatus ippsMulC_64f(const Ipp64f* pSrc, Ipp64f val, Ipp64f* pDst, int len) noexcept {
  CHECK_PTRS(pSrc, pDst);
  CHECK_LEN(len);
  if (val == 1) return ippsCopy_64f(pSrc, pDst, len);
  if (val == 0) {
    std::fill(pDst, pDst + len, 0.0);
    return ippStsNoErr;
  }
  MulC(pSrc, val, pDst, len);
  return ippStsNoErr;
}

IppStatus ippsAddC_64f_I(Ipp64f val, Ipp64f* pSrcDst, int len) noexcept {
  CHECK_PTRS(pSrcDst);
  CHECK_LEN(len);
  if (val != 0) AddCInPlace(val, pSrcDst, len);
  return ippStsNoErr;
}

IppStatus ippsSubCRev_64f_I(Ipp64f val, Ipp64f* pSrcDst, int len) noexcept {
  CHECK_PTRS(pSrcDst);
  CHECK_LEN(len);
  SubCRevInPlace(val, pSrcDst, len);
  return ippStsNoErr;
}

IppStatus ippsThreshold_GT_32s_I(Ipp32s* pSrcDst, int len, Ipp32s level) noexcept {
  CHECK_PTRS(pSrcDst);
  CHECK_LEN(len);
  ThresholdGT32s(pSrcDst, len, level);
  return ippStsNoErr;
}

IppStatus ippsMin_64f(const Ipp64f* pSrc, int len, Ipp64f* pMin) noexcept {
  CHECK_PTRS(pSrc, pMin);
  CHECK_LEN(len);
  double c = MinLanes(pSrc, len);
  *pMin = c == 0 ? FirstEqual(pSrc, len, c) : c;
  return ippStsNoErr;
}

IppStatus ippsMax_64f(const Ipp64f* pSrc, int len, Ipp64f* pMax) noexcept {
  CHECK_PTRS(pSrc, pMax);
  CHECK_LEN(len);
  double c = MaxLanes(pSrc, len);
  *pMax = c == 0 ? FirstEqual(pSrc, len, c) : c;
  return ippStsNoErr;
}

IppStatus ippiCopy_32s_C1R(const Ipp32s* pSrc, int srcStep, Ipp32s* pDst, int dstStep,
                           IppiSize roiSize) noexcept {
  CHECK_PTRS(pSrc, pDst);
  if (roiSize.width <= 0 || roiSize.height <= 0) return ippStsSizeErr;
  auto* s = reinterpret_cast<const uint8_t*>(pSrc);
  auto* d = reinterpret_cast<uint8_t*>(pDst);
  size_t row = static_cast<size_t>(roiSize.width) * sizeof(Ipp32s);
  for (int y = 0; y < roiSize.height; ++y) {
    std::memmove(d, s, row);
    s += srcStep;
    d += dstStep;
  }
  return ippStsNoErr;
}

// ---- real buffer operations ----

IppStatus ippsSet_64f(Ipp64f val, Ipp64f* pDst, int len) noexcept { return SetAll(val, pDst, len); }
IppStatus ippsZero_64f(Ipp64f* pDst, int len) noexcept { return SetAll(0.0, pDst, len); }

// magn * sin(pi/2 * n^2 / len): the chirp test signal.
IppStatus ippsVectorJaehne_64f(Ipp64f* pDst, int len, Ipp64f magn) noexcept {
  CHECK_PTRS(pDst);
  CHECK_LEN(len);
  const double k = 0.5 * M_PI / len;
  for (int n = 0; n < len; ++n) pDst[n] = magn * std::sin(k * double(n) * double(n));
  return ippStsNoErr;
}

#define TREMORA_BINARY_INPLACE(name, expr)                              \
  IppStatus name(const Ipp64f* pSrc, Ipp64f* pSrcDst, int len) noexcept { \
    CHECK_PTRS(pSrc, pSrcDst);                                          \
    CHECK_LEN(len);                                                     \
    for (int i = 0; i < len; ++i) pSrcDst[i] = expr;                    \
    return ippStsNoErr;                                                 \
  }
TREMORA_BINARY_INPLACE(ippsAdd_64f_I, pSrcDst[i] + pSrc[i])
TREMORA_BINARY_INPLACE(ippsSub_64f_I, pSrcDst[i] - pSrc[i])
TREMORA_BINARY_INPLACE(ippsMul_64f_I, pSrcDst[i] * pSrc[i])
#undef TREMORA_BINARY_INPLACE

IppStatus ippsDiv_64f_I(const Ipp64f* pSrc, Ipp64f* pSrcDst, int len) noexcept {
  CHECK_PTRS(pSrc, pSrcDst);
  CHECK_LEN(len);
  bool byZero = false;
  for (int i = 0; i < len; ++i) {
    byZero |= pSrc[i] == 0;
    pSrcDst[i] = pSrcDst[i] / pSrc[i];
  }
  return byZero ? ippStsDivByZero : ippStsNoErr;
}

IppStatus ippsSubC_64f_I(Ipp64f val, Ipp64f* pSrcDst, int len) noexcept {
  CHECK_PTRS(pSrcDst);
  CHECK_LEN(len);
  for (int i = 0; i < len; ++i) pSrcDst[i] -= val;
  return ippStsNoErr;
}

IppStatus ippsMulC_64f_I(Ipp64f val, Ipp64f* pSrcDst, int len) noexcept {
  CHECK_PTRS(pSrcDst);
  CHECK_LEN(len);
  for (int i = 0; i < len; ++i) pSrcDst[i] *= val;
  return ippStsNoErr;
}

IppStatus ippsDivC_64f_I(Ipp64f val, Ipp64f* pSrcDst, int len) noexcept {
  CHECK_PTRS(pSrcDst);
  CHECK_LEN(len);
  if (val == 0) return ippStsDivByZeroErr;
  for (int i = 0; i < len; ++i) pSrcDst[i] /= val;
  return ippStsNoErr;
}

IppStatus ippsConvert_32f64f(const Ipp32f* pSrc, Ipp64f* pDst, int len) noexcept {
  CHECK_PTRS(pSrc, pDst);
  CHECK_LEN(len);
  for (int i = 0; i < len; ++i) pDst[i] = pSrc[i];
  return ippStsNoErr;
}

IppStatus ippsConvert_16s64f_Sfs(const Ipp16s* pSrc, Ipp64f* pDst, int len, int scaleFactor) noexcept {
  CHECK_PTRS(pSrc, pDst);
  CHECK_LEN(len);
  double factor = std::ldexp(1.0, -scaleFactor);
  for (int i = 0; i < len; ++i) pDst[i] = pSrc[i] * factor;
  return ippStsNoErr;
}

IppStatus ippsNormalize_64f(const Ipp64f* pSrc, Ipp64f* pDst, int len, Ipp64f vsub, Ipp64f vdiv) noexcept {
  CHECK_PTRS(pSrc, pDst);
  CHECK_LEN(len);
  if (vdiv == 0) return ippStsDivByZeroErr;
  for (int i = 0; i < len; ++i) pDst[i] = (pSrc[i] - vsub) / vdiv;
  return ippStsNoErr;
}

IppStatus ippsDotProd_64f(const Ipp64f* pSrc1, const Ipp64f* pSrc2, int len, Ipp64f* pDp) noexcept {
  CHECK_PTRS(pSrc1, pSrc2, pDp);
  CHECK_LEN(len);
  double sum = 0;
  for (int i = 0; i < len; ++i) sum += pSrc1[i] * pSrc2[i];
  *pDp = sum;
  return ippStsNoErr;
}

IppStatus ippsThreshold_LT_64f_I(Ipp64f* pSrcDst, int len, Ipp64f level) noexcept {
  return ippsThreshold_LT_64f(pSrcDst, pSrcDst, len, level);
}
IppStatus ippsThreshold_GT_64f_I(Ipp64f* pSrcDst, int len, Ipp64f level) noexcept {
  return ippsThreshold_GT_64f(pSrcDst, pSrcDst, len, level);
}
IppStatus ippsThreshold_LT_64f(const Ipp64f* pSrc, Ipp64f* pDst, int len, Ipp64f level) noexcept {
  CHECK_PTRS(pSrc, pDst);
  CHECK_LEN(len);
  for (int i = 0; i < len; ++i) pDst[i] = pSrc[i] < level ? level : pSrc[i];
  return ippStsNoErr;
}
IppStatus ippsThreshold_GT_64f(const Ipp64f* pSrc, Ipp64f* pDst, int len, Ipp64f level) noexcept {
  CHECK_PTRS(pSrc, pDst);
  CHECK_LEN(len);
  for (int i = 0; i < len; ++i) pDst[i] = pSrc[i] > level ? level : pSrc[i];
  return ippStsNoErr;
}

IppStatus ippsSqr_64f(const Ipp64f* pSrc, Ipp64f* pDst, int len) noexcept {
  return Unary(pSrc, pDst, len, [](double v, IppStatus&) { return v * v; });
}
IppStatus ippsSqr_64f_I(Ipp64f* pSrcDst, int len) noexcept { return ippsSqr_64f(pSrcDst, pSrcDst, len); }
IppStatus ippsSqrt_64f(const Ipp64f* pSrc, Ipp64f* pDst, int len) noexcept { return Unary(pSrc, pDst, len, SqrtOf); }
IppStatus ippsSqrt_64f_I(Ipp64f* pSrcDst, int len) noexcept { return ippsSqrt_64f(pSrcDst, pSrcDst, len); }
IppStatus ippsAbs_64f(const Ipp64f* pSrc, Ipp64f* pDst, int len) noexcept {
  return Unary(pSrc, pDst, len, [](double v, IppStatus&) { return std::fabs(v); });
}
IppStatus ippsAbs_64f_I(Ipp64f* pSrcDst, int len) noexcept { return ippsAbs_64f(pSrcDst, pSrcDst, len); }
IppStatus ippsExp_64f(const Ipp64f* pSrc, Ipp64f* pDst, int len) noexcept {
  return Unary(pSrc, pDst, len, [](double v, IppStatus&) { return std::exp(v); });
}
IppStatus ippsExp_64f_I(Ipp64f* pSrcDst, int len) noexcept { return ippsExp_64f(pSrcDst, pSrcDst, len); }
IppStatus ippsLn_64f(const Ipp64f* pSrc, Ipp64f* pDst, int len) noexcept { return Unary(pSrc, pDst, len, LnOf); }
IppStatus ippsLn_64f_I(Ipp64f* pSrcDst, int len) noexcept { return ippsLn_64f(pSrcDst, pSrcDst, len); }

namespace {
// dst[j] = sum over i of src[i] * src[i + j]; divided per `norm`:
// 0 none, 1 by srcLen, 2 by the number of terms (srcLen - j).
IppStatus AutoCorr(const Ipp64f* pSrc, int srcLen, Ipp64f* pDst, int dstLen, int norm) {
  CHECK_PTRS(pSrc, pDst);
  CHECK_LEN(srcLen);
  CHECK_LEN(dstLen);
  for (int j = 0; j < dstLen; ++j) {
    double sum = 0;
    for (int i = 0; i + j < srcLen; ++i) sum += pSrc[i] * pSrc[i + j];
    if (j >= srcLen) sum = 0;
    else if (norm == 1) sum /= srcLen;
    else if (norm == 2) sum /= (srcLen - j);
    pDst[j] = sum;
  }
  return ippStsNoErr;
}
}  // namespace

IppStatus ippsAutoCorr_64f(const Ipp64f* pSrc, int srcLen, Ipp64f* pDst, int dstLen) noexcept {
  return AutoCorr(pSrc, srcLen, pDst, dstLen, 0);
}
IppStatus ippsAutoCorr_NormA_64f(const Ipp64f* pSrc, int srcLen, Ipp64f* pDst, int dstLen) noexcept {
  return AutoCorr(pSrc, srcLen, pDst, dstLen, 1);
}
IppStatus ippsAutoCorr_NormB_64f(const Ipp64f* pSrc, int srcLen, Ipp64f* pDst, int dstLen) noexcept {
  return AutoCorr(pSrc, srcLen, pDst, dstLen, 2);
}

// dst[n] = sum over m of src1[m] * src2[m + n + lowLag].
IppStatus ippsCrossCorr_64f(const Ipp64f* pSrc1, int src1Len, const Ipp64f* pSrc2, int src2Len,
                            Ipp64f* pDst, int dstLen, int lowLag) noexcept {
  CHECK_PTRS(pSrc1, pSrc2, pDst);
  CHECK_LEN(src1Len);
  CHECK_LEN(src2Len);
  CHECK_LEN(dstLen);
  for (int n = 0; n < dstLen; ++n) {
    double sum = 0;
    for (int m = 0; m < src1Len; ++m) {
      int64_t k = int64_t(m) + n + lowLag;
      if (k >= 0 && k < src2Len) sum += pSrc1[m] * pSrc2[k];
    }
    pDst[n] = sum;
  }
  return ippStsNoErr;
}

IppStatus ippsConv_64f(const Ipp64f* pSrc1, int src1Len, const Ipp64f* pSrc2, int src2Len,
                       Ipp64f* pDst) noexcept {
  CHECK_PTRS(pSrc1, pSrc2, pDst);
  CHECK_LEN(src1Len);
  CHECK_LEN(src2Len);
  int n = src1Len + src2Len - 1;
  for (int k = 0; k < n; ++k) {
    double sum = 0;
    int lo = std::max(0, k - (src2Len - 1)), hi = std::min(k, src1Len - 1);
    for (int i = lo; i <= hi; ++i) sum += pSrc1[i] * pSrc2[k - i];
    pDst[k] = sum;
  }
  return ippStsNoErr;
}

IppStatus ippsMean_64f(const Ipp64f* pSrc, int len, Ipp64f* pMean) noexcept {
  CHECK_PTRS(pSrc, pMean);
  CHECK_LEN(len);
  double sum = 0;
  for (int i = 0; i < len; ++i) sum += pSrc[i];
  *pMean = sum / len;
  return ippStsNoErr;
}

// Sample standard deviation (n - 1 in the denominator); 0 for one element.
IppStatus ippsStdDev_64f(const Ipp64f* pSrc, int len, Ipp64f* pStdDev) noexcept {
  CHECK_PTRS(pSrc, pStdDev);
  CHECK_LEN(len);
  if (len == 1) {
    *pStdDev = 0;
    return ippStsNoErr;
  }
  double mean = 0;
  ippsMean_64f(pSrc, len, &mean);
  double sum = 0;
  for (int i = 0; i < len; ++i) sum += (pSrc[i] - mean) * (pSrc[i] - mean);
  *pStdDev = std::sqrt(sum / (len - 1));
  return ippStsNoErr;
}

IppStatus ippsNormDiff_L1_64f(const Ipp64f* pSrc1, const Ipp64f* pSrc2, int len, Ipp64f* pNorm) noexcept {
  CHECK_PTRS(pSrc1, pSrc2, pNorm);
  CHECK_LEN(len);
  double sum = 0;
  for (int i = 0; i < len; ++i) sum += std::fabs(pSrc1[i] - pSrc2[i]);
  *pNorm = sum;
  return ippStsNoErr;
}

IppStatus ippsNormDiff_L2_64f(const Ipp64f* pSrc1, const Ipp64f* pSrc2, int len, Ipp64f* pNorm) noexcept {
  CHECK_PTRS(pSrc1, pSrc2, pNorm);
  CHECK_LEN(len);
  double sum = 0;
  for (int i = 0; i < len; ++i) sum += (pSrc1[i] - pSrc2[i]) * (pSrc1[i] - pSrc2[i]);
  *pNorm = std::sqrt(sum);
  return ippStsNoErr;
}

IppStatus ippsNormDiff_Inf_64f(const Ipp64f* pSrc1, const Ipp64f* pSrc2, int len, Ipp64f* pNorm) noexcept {
  CHECK_PTRS(pSrc1, pSrc2, pNorm);
  CHECK_LEN(len);
  double m = 0;
  for (int i = 0; i < len; ++i) m = std::max(m, std::fabs(pSrc1[i] - pSrc2[i]));
  *pNorm = m;
  return ippStsNoErr;
}

IppStatus ippsMinIndx_64f(const Ipp64f* pSrc, int len, Ipp64f* pMin, int* pIndx) noexcept {
  return Extreme(pSrc, len, pMin, pIndx, [](double a, double b) { return a < b; });
}

IppStatus ippsMaxIndx_64f(const Ipp64f* pSrc, int len, Ipp64f* pMax, int* pIndx) noexcept {
  return Extreme(pSrc, len, pMax, pIndx, [](double a, double b) { return a > b; });
}

IppStatus ippsSet_32s(Ipp32s val, Ipp32s* pDst, int len) noexcept { return SetAll(val, pDst, len); }
IppStatus ippsSet_8u(Ipp8u val, Ipp8u* pDst, int len) noexcept { return SetAll(val, pDst, len); }
IppStatus ippsSet_16s(Ipp16s val, Ipp16s* pDst, int len) noexcept { return SetAll(val, pDst, len); }

#define TREMORA_INT_KERNELS(T, suffix)                                                              \
  IppStatus ippsAdd_##suffix##_ISfs(const T* pSrc, T* pSrcDst, int len, int sf) noexcept {          \
    return VectorOp<T>(TIntOp::Add, pSrc, pSrcDst, len, sf);                                        \
  }                                                                                                 \
  IppStatus ippsSub_##suffix##_ISfs(const T* pSrc, T* pSrcDst, int len, int sf) noexcept {          \
    return VectorOp<T>(TIntOp::Sub, pSrc, pSrcDst, len, sf);                                        \
  }                                                                                                 \
  IppStatus ippsMul_##suffix##_ISfs(const T* pSrc, T* pSrcDst, int len, int sf) noexcept {          \
    return VectorOp<T>(TIntOp::Mul, pSrc, pSrcDst, len, sf);                                        \
  }                                                                                                 \
  IppStatus ippsDiv_##suffix##_ISfs(const T* pSrc, T* pSrcDst, int len, int sf) noexcept {          \
    return VectorDiv<T>(pSrc, pSrcDst, len, sf);                                                    \
  }                                                                                                 \
  IppStatus ippsAddC_##suffix##_ISfs(T val, T* pSrcDst, int len, int sf) noexcept {                 \
    return ConstOp<T>(TIntOp::Add, val, pSrcDst, len, sf);                                          \
  }                                                                                                 \
  IppStatus ippsSubC_##suffix##_ISfs(T val, T* pSrcDst, int len, int sf) noexcept {                 \
    return ConstOp<T>(TIntOp::Sub, val, pSrcDst, len, sf);                                          \
  }                                                                                                 \
  IppStatus ippsMulC_##suffix##_ISfs(T val, T* pSrcDst, int len, int sf) noexcept {                 \
    return ConstOp<T>(TIntOp::Mul, val, pSrcDst, len, sf);                                          \
  }                                                                                                 \
  IppStatus ippsDivC_##suffix##_ISfs(T val, T* pSrcDst, int len, int sf) noexcept {                 \
    return ConstDiv<T>(val, pSrcDst, len, sf);                                                      \
  }
TREMORA_INT_KERNELS(Ipp8u, 8u)
TREMORA_INT_KERNELS(Ipp16s, 16s)
TREMORA_INT_KERNELS(Ipp32s, 32s)
#undef TREMORA_INT_KERNELS

}  // namespace own_kernels
