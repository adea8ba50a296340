// Contracts of our own vector kernels and the binding of the kernel table.

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>
#include <random>
#include <vector>

#include "buffers/kernels.h"

namespace ok = own_kernels;

namespace {

std::vector<double> Ramp(int n, double start = 0) {
  std::vector<double> v(n);
  std::iota(v.begin(), v.end(), start);
  return v;
}

int32_t Conv64(double v, IppRoundMode mode, int scale = 0) {
  int32_t r = 12345;
  EXPECT_EQ(ok::ippsConvert_64f32s_Sfs(&v, &r, 1, mode, scale), ippStsNoErr);
  return r;
}

int32_t Conv32(float v, IppRoundMode mode, int scale = 0) {
  int32_t r = 12345;
  EXPECT_EQ(ok::ippsConvert_32f32s_Sfs(&v, &r, 1, mode, scale), ippStsNoErr);
  return r;
}

}  // namespace

TEST(KernelTable, WithoutLibrariesEverySlotIsOurOwnRoutine) {
  const TKernelTable& k = Kernels();
  // No accelerated library is installed on the test machines.
  EXPECT_EQ(k.ippsCopy_64f, &ok::ippsCopy_64f);
  EXPECT_EQ(k.ippsMin_64f, &ok::ippsMin_64f);
  EXPECT_EQ(k.ippsConvert_64f32s_Sfs, &ok::ippsConvert_64f32s_Sfs);
  EXPECT_EQ(k.ippiCopy_32s_C1R, &ok::ippiCopy_32s_C1R);
  EXPECT_EQ(k.ippsDivC_32s_ISfs, &ok::ippsDivC_32s_ISfs);
  // Binding again never changes the slots.
  BindKernels();
  EXPECT_EQ(&Kernels(), &k);
  EXPECT_EQ(k.ippsMax_64f, &ok::ippsMax_64f);
}

TEST(KernelTable, MissingLibraryFilesBindOwnRoutinesSilently) {
  TKernelLibraryFiles files;
  files.signal = "/nonexistent/libipps.so";
  files.core = "/nonexistent/libippcore.so";
  files.image = "";
  files.colour = "/nonexistent/libippcc.so";
  std::vector<std::string> bound;
  TKernelTable t = BindKernelTable(files, &bound);
  EXPECT_TRUE(bound.empty());
  TKernelTable own = OwnKernelTable();
  EXPECT_EQ(std::memcmp(&t, &own, sizeof t), 0);
  EXPECT_EQ(t.ippsMove_64f, &ok::ippsMove_64f);
}

#ifdef TREMORA_FAKE_IPPS
TEST(KernelTable, PartialLibraryServesOnlyTheEntriesItHas) {
  TKernelLibraryFiles files;
  files.signal = TREMORA_FAKE_IPPS;
  files.image = TREMORA_FAKE_IPPS;
  std::vector<std::string> bound;
  TKernelTable t = BindKernelTable(files, &bound);
  // The fake library exports ippsMin_64f and ippiCopy_32s_C1R only.
  ASSERT_EQ(bound.size(), 2u);
  EXPECT_NE(t.ippsMin_64f, &ok::ippsMin_64f);
  EXPECT_NE(t.ippiCopy_32s_C1R, &ok::ippiCopy_32s_C1R);
  EXPECT_EQ(t.ippsMax_64f, &ok::ippsMax_64f);
  double v[3] = {3, 1, 2}, r = 0;
  EXPECT_EQ(t.ippsMin_64f(v, 3, &r), 0);
  EXPECT_EQ(r, -4242.0);  // the fake's marker value, so the library entry ran
  t.ippsMax_64f(v, 3, &r);
  EXPECT_EQ(r, 3.0);
}
#endif

TEST(OwnKernels, PointerCheckComesBeforeLengthCheckAndNothingIsWritten) {
  double a[4] = {1, 2, 3, 4}, b[4] = {9, 9, 9, 9};
  EXPECT_EQ(ok::ippsCopy_64f(nullptr, b, 0), ippStsNullPtrErr);
  EXPECT_EQ(ok::ippsCopy_64f(a, nullptr, 4), ippStsNullPtrErr);
  EXPECT_EQ(ok::ippsCopy_64f(a, b, 0), ippStsSizeErr);
  EXPECT_EQ(ok::ippsCopy_64f(a, b, -1), ippStsSizeErr);
  EXPECT_EQ(b[0], 9);
  double r = 77;
  EXPECT_EQ(ok::ippsMin_64f(a, 0, &r), ippStsSizeErr);
  EXPECT_EQ(ok::ippsMax_64f(a, -3, &r), ippStsSizeErr);
  EXPECT_EQ(ok::ippsMin_64f(a, 4, nullptr), ippStsNullPtrErr);
  EXPECT_EQ(r, 77);
  uint8_t bytes[2] = {5, 6};
  EXPECT_EQ(ok::ippsCopy_8u(bytes, bytes + 1, 0), ippStsSizeErr);
  EXPECT_EQ(bytes[1], 6);
  int32_t ints[2] = {1, 2};
  EXPECT_EQ(ok::ippsConvert_32s64f(ints, b, 0), ippStsSizeErr);
  EXPECT_EQ(ok::ippsConvert_64f32s_Sfs(a, ints, 0, ippRndNear, 0), ippStsSizeErr);
  float f[2] = {1, 2};
  EXPECT_EQ(ok::ippsConvert_64f32f(a, f, 0), ippStsSizeErr);
  EXPECT_EQ(ok::ippsConvert_32f32s_Sfs(f, ints, 0, ippRndNear, 0), ippStsSizeErr);
  EXPECT_EQ(ok::ippsMulC_64f(a, 2.0, b, 0), ippStsSizeErr);
  EXPECT_EQ(ok::ippsAddC_64f_I(1.0, b, 0), ippStsSizeErr);
  EXPECT_EQ(ok::ippsSubCRev_64f_I(1.0, b, 0), ippStsSizeErr);
  EXPECT_EQ(ok::ippsThreshold_GT_32s_I(ints, 0, 0), ippStsSizeErr);
  EXPECT_EQ(ok::ippsMove_64f(a, b, 0), ippStsSizeErr);
  EXPECT_EQ(ints[0], 1);
  EXPECT_EQ(f[0], 1.0f);
  EXPECT_EQ(b[0], 9);
  EXPECT_EQ(ok::ippiCopy_32s_C1R(ints, 8, ints, 8, IppiSize{0, 1}), ippStsSizeErr);
  EXPECT_EQ(ok::ippiCopy_32s_C1R(ints, 8, ints, 8, IppiSize{1, 0}), ippStsSizeErr);
  EXPECT_EQ(ok::ippiCopy_32s_C1R(nullptr, 8, ints, 8, IppiSize{0, 0}), ippStsNullPtrErr);
}

TEST(OwnKernels, CopiesAndConvertsIntegersExactly) {
  for (int n : {1, 3, 4, 5, 31, 1000}) {
    auto src = Ramp(n, -7.5);
    std::vector<double> dst(n + 1, -1);
    ASSERT_EQ(ok::ippsCopy_64f(src.data(), dst.data(), n), ippStsNoErr);
    EXPECT_TRUE(std::equal(src.begin(), src.end(), dst.begin()));
    EXPECT_EQ(dst[n], -1) << "wrote past len";

    std::vector<int32_t> ints(n);
    for (int i = 0; i < n; ++i) ints[i] = (i % 2 ? -1 : 1) * (INT32_MAX - i);
    ASSERT_EQ(ok::ippsConvert_32s64f(ints.data(), dst.data(), n), ippStsNoErr);
    for (int i = 0; i < n; ++i) ASSERT_EQ(dst[i], double(ints[i])) << i;
    EXPECT_EQ(dst[n], -1);
  }
  uint8_t a[5] = {1, 2, 3, 4, 5}, b[5] = {};
  ok::ippsCopy_8u(a, b, 4);
  EXPECT_EQ(b[3], 4);
  EXPECT_EQ(b[4], 0);
}

TEST(OwnKernels, MoveHandlesOverlapInBothDirections) {
  auto v = Ramp(10);
  // Destination one element below the source: shift down.
  ASSERT_EQ(ok::ippsMove_64f(v.data() + 1, v.data(), 9), ippStsNoErr);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(v[i], i + 1);
  EXPECT_EQ(v[9], 9);
  // Destination one element above the source: shift up.
  v = Ramp(10);
  ASSERT_EQ(ok::ippsMove_64f(v.data(), v.data() + 1, 9), ippStsNoErr);
  EXPECT_EQ(v[0], 0);
  for (int i = 1; i < 10; ++i) EXPECT_EQ(v[i], i - 1);
  v = Ramp(4);
  EXPECT_EQ(ok::ippsMove_64f(v.data(), v.data(), 4), ippStsNoErr);
  EXPECT_EQ(v, Ramp(4));
}

TEST(OwnKernels, DoubleToInt32RoundsTiesToEvenAndSaturates) {
  EXPECT_EQ(Conv64(2.5, ippRndNear), 2);
  EXPECT_EQ(Conv64(3.5, ippRndNear), 4);
  EXPECT_EQ(Conv64(-2.5, ippRndNear), -2);
  EXPECT_EQ(Conv64(-3.5, ippRndNear), -4);
  EXPECT_EQ(Conv64(2.4999, ippRndNear), 2);
  EXPECT_EQ(Conv64(-2.6, ippRndNear), -3);
  EXPECT_EQ(Conv64(0.49999999999999994, ippRndNear), 0);
  EXPECT_EQ(Conv64(1e10, ippRndNear), 2147483647);
  EXPECT_EQ(Conv64(-1e10, ippRndNear), -2147483647 - 1);
  EXPECT_EQ(Conv64(2147483647.0, ippRndNear), 2147483647);
  EXPECT_EQ(Conv64(2147483646.5, ippRndNear), 2147483646);
  EXPECT_EQ(Conv64(-2147483648.0, ippRndNear), INT32_MIN);
  EXPECT_EQ(Conv64(std::numeric_limits<double>::infinity(), ippRndNear), INT32_MAX);
  EXPECT_EQ(Conv64(-std::numeric_limits<double>::infinity(), ippRndZero), INT32_MIN);
  EXPECT_EQ(Conv64(std::nan(""), ippRndNear), 0);
  // Any mode other than 1 truncates toward zero.
  EXPECT_EQ(Conv64(-2.7, ippRndZero), -2);
  EXPECT_EQ(Conv64(2.7, ippRndZero), 2);
  EXPECT_EQ(Conv64(2.7, 5), 2);
  EXPECT_EQ(Conv64(1e10, ippRndZero), INT32_MAX);
  // Scale factor s multiplies by 2^-s first.
  EXPECT_EQ(Conv64(10.0, ippRndNear, 1), 5);
  EXPECT_EQ(Conv64(5.0, ippRndNear, 1), 2);  // 2.5 -> 2
  EXPECT_EQ(Conv64(3.0, ippRndNear, -2), 12);
  EXPECT_EQ(Conv64(1e9, ippRndNear, -2), INT32_MAX);

  // The vectorised path over many elements agrees with the one-by-one results.
  std::mt19937 gen(7);
  std::uniform_real_distribution<double> d(-3e9, 3e9);
  std::vector<double> src(1003);
  for (auto& x : src) x = std::floor(d(gen)) + (gen() % 4) * 0.25;
  src[5] = 0.5;
  src[6] = -0.5;
  src[7] = 1.5;
  std::vector<int32_t> dst(src.size());
  ok::ippsConvert_64f32s_Sfs(src.data(), dst.data(), int(src.size()), ippRndNear, 0);
  for (size_t i = 0; i < src.size(); ++i) {
    double v = src[i];
    int32_t expect = v >= 2147483647.0 ? INT32_MAX : v <= -2147483648.0 ? INT32_MIN : int32_t(std::nearbyint(v));
    ASSERT_EQ(dst[i], expect) << v;
  }
  EXPECT_EQ(dst[5], 0);
  EXPECT_EQ(dst[6], 0);
  EXPECT_EQ(dst[7], 2);
}

TEST(OwnKernels, SingleToInt32UsesSingleBounds) {
  EXPECT_EQ(Conv32(12.5f, ippRndNear), 12);
  EXPECT_EQ(Conv32(13.5f, ippRndNear), 14);
  EXPECT_EQ(Conv32(3e9f, ippRndNear), INT32_MAX);
  EXPECT_EQ(Conv32(2147483648.0f, ippRndNear), INT32_MAX);
  EXPECT_EQ(Conv32(-2147483648.0f, ippRndNear), INT32_MIN);
  EXPECT_EQ(Conv32(2147483520.0f, ippRndNear), 2147483520);  // largest single below 2^31
  EXPECT_EQ(Conv32(8388609.0f, ippRndNear), 8388609);        // odd above 2^23 stays exact
  EXPECT_EQ(Conv32(-7.9f, ippRndZero), -7);
  EXPECT_EQ(Conv32(12.0f, ippRndNear, 2), 3);
}

TEST(OwnKernels, DoubleToSingleClampsAndMayConvertInPlace) {
  constexpr double kMax = 3.4028234663852886e38;
  double src[5] = {1e39, -1e39, 0.1, -kMax, std::numeric_limits<double>::infinity()};
  float dst[5];
  ASSERT_EQ(ok::ippsConvert_64f32f(src, dst, 5), ippStsNoErr);
  EXPECT_EQ(dst[0], FLT_MAX);
  EXPECT_EQ(dst[1], -FLT_MAX);
  EXPECT_EQ(dst[2], 0.1f);
  EXPECT_EQ(dst[3], -FLT_MAX);
  EXPECT_EQ(dst[4], FLT_MAX);
  // The destination may start at the source.
  std::vector<double> v = Ramp(37, 0.25);
  auto* f = reinterpret_cast<float*>(v.data());
  ASSERT_EQ(ok::ippsConvert_64f32f(v.data(), f, 37), ippStsNoErr);
  for (int i = 0; i < 37; ++i) ASSERT_EQ(f[i], float(i + 0.25)) << i;
}

TEST(OwnKernels, ScalingOffsetFlipAndLimit) {
  auto src = Ramp(9, 1);
  std::vector<double> dst(9, -5);
  ok::ippsMulC_64f(src.data(), 1.0, dst.data(), 9);
  EXPECT_EQ(dst, src);
  // Scaling by 1 in place (the copy path with one array) leaves it as it is.
  ok::ippsMulC_64f(dst.data(), 1.0, dst.data(), 9);
  EXPECT_EQ(dst, src);
  ok::ippsMulC_64f(src.data(), 0.0, dst.data(), 9);
  EXPECT_EQ(dst, std::vector<double>(9, 0.0));
  ok::ippsMulC_64f(src.data(), -2.0, dst.data(), 9);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(dst[i], -2.0 * (i + 1));

  auto v = Ramp(5);
  ok::ippsAddC_64f_I(0.0, v.data(), 5);
  EXPECT_EQ(v, Ramp(5));
  ok::ippsAddC_64f_I(1.5, v.data(), 5);
  EXPECT_EQ(v, Ramp(5, 1.5));
  ok::ippsSubCRev_64f_I(10.0, v.data(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(v[i], 10.0 - (i + 1.5));

  int32_t p[5] = {-20000000, 9999999, 10000000, 10000001, INT32_MAX};
  ok::ippsThreshold_GT_32s_I(p, 5, 10000000);
  EXPECT_EQ(p[0], -20000000);
  EXPECT_EQ(p[1], 9999999);
  EXPECT_EQ(p[2], 10000000);
  EXPECT_EQ(p[3], 10000000);
  EXPECT_EQ(p[4], 10000000);
}

TEST(OwnKernels, MinMaxFollowSequentialSearch) {
  std::mt19937 gen(11);
  std::uniform_real_distribution<double> d(-1e6, 1e6);
  for (int n : {1, 2, 7, 8, 9, 16, 17, 100, 1001}) {
    std::vector<double> v(n);
    for (auto& x : v) x = d(gen);
    double mn = 0, mx = 0;
    ok::ippsMin_64f(v.data(), n, &mn);
    ok::ippsMax_64f(v.data(), n, &mx);
    EXPECT_EQ(mn, *std::min_element(v.begin(), v.end())) << n;
    EXPECT_EQ(mx, *std::max_element(v.begin(), v.end())) << n;
    // Extremes placed at the ends and in the tail.
    v.back() = -2e6;
    v.front() = 2e6;
    ok::ippsMin_64f(v.data(), n, &mn);
    ok::ippsMax_64f(v.data(), n, &mx);
    EXPECT_EQ(mn, n == 1 ? 2e6 : -2e6);
    EXPECT_EQ(mx, 2e6);
  }
  // A NaN in front stays the candidate (no element compares below it);
  // a NaN later is passed over.
  double nanFirst[10] = {std::nan(""), 1, -3, 4, 5, 6, 7, 8, 9, 10};
  double r = 0;
  ok::ippsMin_64f(nanFirst, 10, &r);
  EXPECT_TRUE(std::isnan(r));
  double nanLater[10] = {2, 1, std::nan(""), 4, -5, 6, 7, 8, 9, 10};
  ok::ippsMin_64f(nanLater, 10, &r);
  EXPECT_EQ(r, -5);
  ok::ippsMax_64f(nanLater, 10, &r);
  EXPECT_EQ(r, 10);
  // Equal zeros: the first one found is kept, sign included.
  // (+0 early in a later lane, -0 afterwards in an earlier lane.)
  std::vector<double> zeros(20, 3.0);
  zeros[0] = 1;
  zeros[3] = +0.0;
  zeros[9] = -0.0;
  ok::ippsMin_64f(zeros.data(), 20, &r);
  EXPECT_EQ(r, 0.0);
  EXPECT_FALSE(std::signbit(r));
  for (auto& x : zeros) x = -x;
  zeros[3] = -0.0;
  zeros[9] = +0.0;
  ok::ippsMax_64f(zeros.data(), 20, &r);
  EXPECT_EQ(r, 0.0);
  EXPECT_TRUE(std::signbit(r));
}

TEST(OwnKernels, StridedImageCopyInterleavesColumns) {
  // Two columns of 4 values interleaved into x,y pairs.
  int32_t xs[4] = {1, 2, 3, 4}, ys[4] = {10, 20, 30, 40};
  int32_t pairs[8] = {};
  ASSERT_EQ(ok::ippiCopy_32s_C1R(xs, 4, pairs, 8, IppiSize{1, 4}), ippStsNoErr);
  ASSERT_EQ(ok::ippiCopy_32s_C1R(ys, 4, pairs + 1, 8, IppiSize{1, 4}), ippStsNoErr);
  int32_t expect[8] = {1, 10, 2, 20, 3, 30, 4, 40};
  EXPECT_TRUE(std::equal(pairs, pairs + 8, expect));
  int32_t block[6] = {1, 2, 3, 4, 5, 6}, out[6] = {};
  ok::ippiCopy_32s_C1R(block, 12, out, 12, IppiSize{2, 2});
  EXPECT_EQ(out[0], 1);
  EXPECT_EQ(out[1], 2);
  EXPECT_EQ(out[2], 0);  // beyond the row width
  EXPECT_EQ(out[3], 4);
}

TEST(OwnKernels, RealArithmeticAndDivisionStatus) {
  double a[4] = {1, 2, 3, 4}, b[4] = {2, 0, -1, 0.5};
  EXPECT_EQ(ok::ippsDiv_64f_I(b, a, 4), ippStsDivByZero);
  EXPECT_EQ(a[0], 0.5);
  EXPECT_TRUE(std::isinf(a[1]));
  EXPECT_EQ(a[3], 8);
  double c[2] = {1, 2}, d[2] = {4, 4};
  EXPECT_EQ(ok::ippsDiv_64f_I(d, c, 2), ippStsNoErr);
  EXPECT_EQ(ok::ippsDivC_64f_I(0.0, c, 2), ippStsDivByZeroErr);
  EXPECT_EQ(c[0], 0.25);
  double s[3] = {4, -1, 0};
  EXPECT_EQ(ok::ippsSqrt_64f_I(s, 3), ippStsSqrtNegArg);
  EXPECT_EQ(s[0], 2);
  EXPECT_TRUE(std::isnan(s[1]));
  double l[2] = {1, 0};
  EXPECT_EQ(ok::ippsLn_64f_I(l, 2), ippStsLnZeroArg);
  EXPECT_EQ(l[0], 0);
  EXPECT_TRUE(std::isinf(l[1]) && l[1] < 0);
}

TEST(OwnKernels, StatisticsAndCorrelation) {
  double v[4] = {1, 2, 3, 4}, r = 0;
  ok::ippsMean_64f(v, 4, &r);
  EXPECT_EQ(r, 2.5);
  ok::ippsStdDev_64f(v, 4, &r);
  EXPECT_NEAR(r, std::sqrt(5.0 / 3.0), 1e-12);
  double w[4] = {1, 0, 3, 8};
  ok::ippsNormDiff_L1_64f(v, w, 4, &r);
  EXPECT_EQ(r, 0 + 2 + 0 + 4);
  ok::ippsNormDiff_L2_64f(v, w, 4, &r);
  EXPECT_NEAR(r, std::sqrt(20.0), 1e-12);
  ok::ippsNormDiff_Inf_64f(v, w, 4, &r);
  EXPECT_EQ(r, 4);
  ok::ippsDotProd_64f(v, w, 4, &r);
  EXPECT_EQ(r, 1 + 0 + 9 + 32);
  int idx = -1;
  double m[5] = {3, -1, 7, -1, 7};
  ok::ippsMinIndx_64f(m, 5, &r, &idx);
  EXPECT_EQ(r, -1);
  EXPECT_EQ(idx, 1);
  ok::ippsMaxIndx_64f(m, 5, &r, &idx);
  EXPECT_EQ(idx, 2);

  double ac[5];
  ok::ippsAutoCorr_64f(v, 4, ac, 5);
  EXPECT_EQ(ac[0], 30);
  EXPECT_EQ(ac[1], 1 * 2 + 2 * 3 + 3 * 4);
  EXPECT_EQ(ac[3], 4);
  EXPECT_EQ(ac[4], 0);
  ok::ippsAutoCorr_NormB_64f(v, 4, ac, 2);
  EXPECT_EQ(ac[1], 20.0 / 3);
  ok::ippsAutoCorr_NormA_64f(v, 4, ac, 2);
  EXPECT_EQ(ac[1], 20.0 / 4);
  double conv[5];
  double k2[2] = {1, -1};
  ok::ippsConv_64f(v, 4, k2, 2, conv);
  double expectConv[5] = {1, 1, 1, 1, -4};
  EXPECT_TRUE(std::equal(conv, conv + 5, expectConv));
  double cc[3];
  ok::ippsCrossCorr_64f(k2, 2, v, 4, cc, 3, 0);
  EXPECT_EQ(cc[0], 1 - 2);
  EXPECT_EQ(cc[2], 3 - 4);
  ok::ippsCrossCorr_64f(k2, 2, v, 4, cc, 1, -1);
  EXPECT_EQ(cc[0], -1);  // only src2[0] overlaps src1[1]
}

TEST(OwnKernels, SaturatingIntegerArithmetic) {
  Ipp16s a[4] = {30000, -30000, 100, 7}, b[4] = {10000, -10000, -50, 2};
  ok::ippsAdd_16s_ISfs(b, a, 4, 0);
  EXPECT_EQ(a[0], 32767);
  EXPECT_EQ(a[1], -32768);
  EXPECT_EQ(a[2], 50);
  EXPECT_EQ(a[3], 9);
  Ipp8u u[3] = {250, 5, 100}, du[3] = {10, 10, 0};
  ok::ippsAdd_8u_ISfs(du, u, 3, 0);
  EXPECT_EQ(u[0], 255);
  EXPECT_EQ(u[1], 15);
  ok::ippsSubC_8u_ISfs(20, u, 3, 0);
  EXPECT_EQ(u[1], 0);
  EXPECT_EQ(ok::ippsDiv_8u_ISfs(du, u, 3, 0), ippStsDivByZero);
  EXPECT_EQ(u[2], 255);  // 80 / 0 saturates upward
  Ipp32s w[3] = {INT32_MAX, 7, -7};
  ok::ippsMulC_32s_ISfs(2, w, 3, 0);
  EXPECT_EQ(w[0], INT32_MAX);
  EXPECT_EQ(w[1], 14);
  ok::ippsDivC_32s_ISfs(4, w + 1, 2, 0);
  EXPECT_EQ(w[1], 4);   // 3.5 -> 4
  EXPECT_EQ(w[2], -4);  // -3.5 -> -4
  EXPECT_EQ(ok::ippsDivC_16s_ISfs(0, a, 4, 0), ippStsDivByZeroErr);
  Ipp16s sc[2] = {5, 7};
  ok::ippsAddC_16s_ISfs(0, sc, 2, 1);  // scale 1 halves: 2.5 -> 2, 3.5 -> 4
  EXPECT_EQ(sc[0], 2);
  EXPECT_EQ(sc[1], 4);
}
