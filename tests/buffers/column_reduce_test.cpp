// The column reduction kernel: every instruction-set variant and the table
// slot against a model written independently of them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "buffers/column_reduce.h"
#include "buffers/kernels.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct TExtremes {
  std::vector<double> lo, hi;
};

// The model: drop NaN, then take the extremes; no number left gives NaN.
TExtremes Model(const std::vector<double>& x, const std::vector<int>& bounds) {
  TExtremes r;
  for (size_t j = 0; j + 1 < bounds.size(); ++j) {
    std::vector<double> numbers;
    for (int i = bounds[j]; i < bounds[j + 1]; ++i)
      if (!std::isnan(x[i])) numbers.push_back(x[i]);
    auto [lo, hi] = std::minmax_element(numbers.begin(), numbers.end());
    r.lo.push_back(numbers.empty() ? kNaN : *lo);
    r.hi.push_back(numbers.empty() ? kNaN : *hi);
  }
  return r;
}

// A sample belongs to column floor(i * w / n).
std::vector<int> UniformBounds(int n, int w) {
  std::vector<int> b(w + 1);
  for (int j = 0; j <= w; ++j) b[j] = int((int64_t(j) * n + w - 1) / w);
  return b;
}

struct TVariant {
  const char* name;
  column_reduce::TColumnFn fn;
};

std::vector<TVariant> Variants() {
  std::vector<TVariant> v{{"plain", &column_reduce::Plain}};
  if (auto f = column_reduce::Sse2()) v.push_back({"sse2", f});
  if (auto f = column_reduce::Avx2()) v.push_back({"avx2", f});
  return v;
}

void ExpectSame(const std::vector<double>& got, const std::vector<double>& want, const char* what) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t j = 0; j < want.size(); ++j) {
    if (std::isnan(want[j]))
      EXPECT_TRUE(std::isnan(got[j])) << what << " column " << j << " = " << got[j];
    else
      EXPECT_EQ(got[j], want[j]) << what << " column " << j;
  }
}

void CheckAll(const std::vector<double>& x, const std::vector<int>& bounds) {
  const int w = int(bounds.size()) - 1;
  TExtremes want = Model(x, bounds);
  for (const TVariant& v : Variants()) {
    SCOPED_TRACE(v.name);
    TExtremes got{std::vector<double>(w, 123.0), std::vector<double>(w, 123.0)};
    v.fn(x.data(), bounds.data(), w, got.lo.data(), got.hi.data());
    ExpectSame(got.lo, want.lo, "min");
    ExpectSame(got.hi, want.hi, "max");
  }
  SCOPED_TRACE("table");
  TExtremes got{std::vector<double>(w), std::vector<double>(w)};
  ASSERT_EQ(Kernels().tremoraColumnMinMax_64f(x.data(), int(x.size()), bounds.data(), w,
                                              got.lo.data(), got.hi.data()),
            ippStsNoErr);
  ExpectSame(got.lo, want.lo, "min");
  ExpectSame(got.hi, want.hi, "max");
}

}  // namespace

TEST(ColumnReduce, NaNIsSkippedAndColumnsWithoutNumbersReportNaN) {
  // Columns: mixed with NaN | only NaN | empty | one sample | infinities |
  // a long column whose extremes sit in its last, partial vector.
  std::vector<double> x{1, kNaN, -3, 2, kNaN, kNaN, 7, kInf, kNaN, -kInf};
  for (int i = 0; i < 37; ++i) x.push_back(i % 2 ? kNaN : 0.5 * i);
  x.push_back(-99);
  x.push_back(kNaN);
  x.push_back(99);
  std::vector<int> bounds{0, 4, 6, 6, 7, 10, int(x.size())};
  TExtremes want = Model(x, bounds);
  ASSERT_EQ(want.lo[0], -3);
  ASSERT_EQ(want.hi[0], 2);
  ASSERT_TRUE(std::isnan(want.lo[1]) && std::isnan(want.hi[2]));
  ASSERT_EQ(want.lo[3], 7);
  ASSERT_EQ(want.lo[4], -kInf);
  ASSERT_EQ(want.hi[4], kInf);
  ASSERT_EQ(want.lo[5], -99);
  ASSERT_EQ(want.hi[5], 99);
  CheckAll(x, bounds);
  // The same columns read from every misaligned start.
  for (int shift = 1; shift < 4; ++shift) {
    std::vector<double> y(shift, 1e300);
    y.insert(y.end(), x.begin(), x.end());
    std::vector<int> b = bounds;
    for (int& v : b) v += shift;
    b.insert(b.begin(), 0);  // a leading column over the padding
    CheckAll(y, b);
  }
}

TEST(ColumnReduce, RandomTracesOfEveryShapeMatchTheModel) {
  std::mt19937 gen(7);
  std::uniform_real_distribution<double> value(-1e4, 1e4);
  for (int round = 0; round < 400; ++round) {
    const int n = 1 + int(gen() % 700);
    std::vector<double> x(n);
    const bool withNaN = round % 3 == 0;
    for (double& v : x) v = withNaN && gen() % 5 == 0 ? kNaN : value(gen);
    // Uniform columns from many samples per column down to w > n, where
    // columns are empty or hold one sample.
    const int w = 1 + int(gen() % (round % 4 == 0 ? 2 * n + 3 : std::max(1, n / 3)));
    CheckAll(x, UniformBounds(n, w));
    // Irregular columns that leave samples out at both ends.
    std::vector<int> b{int(gen() % (n / 4 + 1))};
    while (b.back() < n - n / 4) b.push_back(std::min(n, b.back() + int(gen() % 40)));
    CheckAll(x, b);
  }
}

TEST(ColumnReduce, AcquisitionBlockOnAViewWidth) {
  std::mt19937 gen(3);
  std::normal_distribution<double> noise(0, 0.1);
  std::vector<double> x(44100);
  for (double& v : x) v = noise(gen);
  x[44099] = 5;   // the peak in the last sample of the last column
  x[22050] = -5;
  CheckAll(x, UniformBounds(44100, 700));
}

TEST(ColumnReduce, ArgumentsAreCheckedBeforeAnythingIsWritten) {
  auto& k = Kernels();
  EXPECT_EQ(k.tremoraColumnMinMax_64f, &own_kernels::tremoraColumnMinMax_64f);
  std::vector<double> x{1, 2, 3, 4};
  double lo[2] = {42, 42}, hi[2] = {42, 42};
  std::vector<int> good{0, 2, 4};
  EXPECT_EQ(k.tremoraColumnMinMax_64f(nullptr, 4, good.data(), 2, lo, hi), ippStsNullPtrErr);
  EXPECT_EQ(k.tremoraColumnMinMax_64f(x.data(), 4, nullptr, 2, lo, hi), ippStsNullPtrErr);
  EXPECT_EQ(k.tremoraColumnMinMax_64f(x.data(), 4, good.data(), 2, lo, nullptr), ippStsNullPtrErr);
  EXPECT_EQ(k.tremoraColumnMinMax_64f(nullptr, 0, good.data(), 2, lo, hi), ippStsNullPtrErr);
  EXPECT_EQ(k.tremoraColumnMinMax_64f(x.data(), 0, good.data(), 2, lo, hi), ippStsSizeErr);
  EXPECT_EQ(k.tremoraColumnMinMax_64f(x.data(), 4, good.data(), 0, lo, hi), ippStsSizeErr);
  for (std::vector<int> bad : {std::vector<int>{0, 3, 2}, {0, 2, 5}, {-1, 2, 4}}) {
    EXPECT_EQ(k.tremoraColumnMinMax_64f(x.data(), 4, bad.data(), 2, lo, hi), ippStsOutOfRangeErr)
        << bad[0] << "," << bad[1] << "," << bad[2];
  }
  EXPECT_EQ(lo[0], 42);
  EXPECT_EQ(hi[1], 42);
  EXPECT_EQ(k.tremoraColumnMinMax_64f(x.data(), 4, good.data(), 2, lo, hi), ippStsNoErr);
  EXPECT_EQ(lo[1], 3);
  EXPECT_EQ(hi[1], 4);
}
