// The scope's trace reduction: one acquisition block of 882000 samples reduced
// to 700 pixel columns through the kernel table, side by side with a plain
// AVX2 minimum/maximum scan of the same array (what reading the block once
// costs). The reduction benchmark reports "vs_scan": its time over the scan's
// time measured in the same run.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <cstdint>
#include <random>
#include <vector>

#include "buffers/column_reduce.h"
#include "buffers/kernels.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

constexpr int kLen = 882000;
constexpr int kColumns = 700;

const std::vector<double>& Input() {
  static const std::vector<double> data = [] {
    std::vector<double> v(kLen);
    std::mt19937 gen(1);
    std::uniform_real_distribution<double> d(-1, 1);
    for (auto& x : v) x = d(gen);
    return v;
  }();
  return data;
}

// Column j covers floor(i * w / n) = j, as the scope maps samples to columns.
std::vector<int32_t> Bounds() {
  std::vector<int32_t> b(kColumns + 1);
  for (int j = 0; j <= kColumns; ++j) b[j] = int32_t((int64_t(j) * kLen + kColumns - 1) / kColumns);
  return b;
}

#if defined(__x86_64__)
__attribute__((target("avx2"), noinline)) void Scan(const double* p, int n, double* lo, double* hi) {
  __m256d l0 = _mm256_loadu_pd(p), l1 = l0, h0 = l0, h1 = l0;
  int i = 0;
  for (; i + 8 <= n; i += 8) {
    __m256d a = _mm256_loadu_pd(p + i), b = _mm256_loadu_pd(p + i + 4);
    l0 = _mm256_min_pd(a, l0), h0 = _mm256_max_pd(a, h0);
    l1 = _mm256_min_pd(b, l1), h1 = _mm256_max_pd(b, h1);
  }
  double l[4], h[4];
  _mm256_storeu_pd(l, _mm256_min_pd(l0, l1));
  _mm256_storeu_pd(h, _mm256_max_pd(h0, h1));
  double a = l[0], b = h[0];
  for (int k = 1; k < 4; ++k) a = l[k] < a ? l[k] : a, b = h[k] > b ? h[k] : b;
  for (; i < n; ++i) a = p[i] < a ? p[i] : a, b = p[i] > b ? p[i] : b;
  *lo = a;
  *hi = b;
}
#endif

double ThreadSeconds() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
}

// Thread CPU time per call over about 0.2 s, so that other processes on the
// machine weigh less in the ratio.
template <class F>
double SecondsPerCall(F&& f) {
  int reps = 0;
  const double start = ThreadSeconds();
  double now;
  do {
    f();
    ++reps;
  } while ((now = ThreadSeconds()) - start < 0.2);
  return (now - start) / reps;
}

void BM_ReduceTo700Columns(benchmark::State& state) {
  const auto& in = Input();
  const auto bounds = Bounds();
  std::vector<double> lo(kColumns), hi(kColumns);
  auto reduce = [&] {
    Kernels().tremoraColumnMinMax_64f(in.data(), kLen, bounds.data(), kColumns, lo.data(), hi.data());
    benchmark::DoNotOptimize(lo.data());
    benchmark::ClobberMemory();
  };
  for (auto _ : state) reduce();
#if defined(__x86_64__)
  if (__builtin_cpu_supports("avx2")) {
    // Interleaved rounds of both, so that they see the same machine load;
    // the best round of each counts.
    double lo1, hi1, reduceTime = 1e9, scanTime = 1e9;
    for (int round = 0; round < 5; ++round) {
      reduceTime = std::min(reduceTime, SecondsPerCall(reduce));
      scanTime = std::min(scanTime, SecondsPerCall([&] {
        Scan(in.data(), kLen, &lo1, &hi1);
        benchmark::DoNotOptimize(lo1);
        benchmark::DoNotOptimize(hi1);
      }));
    }
    state.counters["vs_scan"] = reduceTime / scanTime;
    state.counters["reduce_us"] = reduceTime * 1e6;
    state.counters["scan_us"] = scanTime * 1e6;
  }
#endif
  state.SetBytesProcessed(int64_t(state.iterations()) * kLen * int64_t(sizeof(double)));
}
BENCHMARK(BM_ReduceTo700Columns)->Unit(benchmark::kMicrosecond);

#if defined(__x86_64__)
void BM_PlainAvx2Scan(benchmark::State& state) {
  if (!__builtin_cpu_supports("avx2")) {
    state.SkipWithError("no AVX2");
    return;
  }
  const auto& in = Input();
  double lo, hi;
  for (auto _ : state) {
    Scan(in.data(), kLen, &lo, &hi);
    benchmark::DoNotOptimize(lo);
    benchmark::DoNotOptimize(hi);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * kLen * int64_t(sizeof(double)));
}
BENCHMARK(BM_PlainAvx2Scan)->Unit(benchmark::kMicrosecond);
#endif

// Each variant on its own, to see what the dispatch gains.
void BM_ReduceVariant(benchmark::State& state) {
  column_reduce::TColumnFn fn = state.range(0) == 0   ? &column_reduce::Plain
                                : state.range(0) == 1 ? column_reduce::Sse2()
                                                      : column_reduce::Avx2();
  if (!fn) {
    state.SkipWithError("not available on this processor");
    return;
  }
  state.SetLabel(state.range(0) == 0 ? "plain" : state.range(0) == 1 ? "sse2" : "avx2");
  const auto& in = Input();
  const auto bounds = Bounds();
  std::vector<double> lo(kColumns), hi(kColumns);
  for (auto _ : state) {
    fn(in.data(), bounds.data(), kColumns, lo.data(), hi.data());
    benchmark::DoNotOptimize(lo.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * kLen * int64_t(sizeof(double)));
}
BENCHMARK(BM_ReduceVariant)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
