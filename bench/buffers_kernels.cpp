// Own data-path kernels against plain scalar loops over one acquisition
// block of 882000 samples. The "per_element" counters read as seconds per
// element (n = nanoseconds).

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "buffers/audio_buffer.h"
#include "buffers/kernels.h"
#include "buffers/simple_data_buffer.h"

namespace {

constexpr int kLen = 882000;

const std::vector<double>& Input() {
  static const std::vector<double> data = [] {
    std::vector<double> v(kLen);
    std::mt19937 gen(1);
    std::uniform_real_distribution<double> d(-40000, 40000);
    for (auto& x : v) x = d(gen);
    return v;
  }();
  return data;
}

void PerElement(benchmark::State& state) {
  state.counters["per_element"] =
      benchmark::Counter(double(kLen), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

#define SCALAR __attribute__((noinline, optimize("no-tree-vectorize")))

SCALAR double ScalarMin(const double* p, int n) {
  double m = p[0];
  for (int i = 1; i < n; ++i)
    if (p[i] < m) m = p[i];
  return m;
}

SCALAR double ScalarMax(const double* p, int n) {
  double m = p[0];
  for (int i = 1; i < n; ++i)
    if (p[i] > m) m = p[i];
  return m;
}

SCALAR void ScalarCopy(const double* s, double* d, int n) {
  for (int i = 0; i < n; ++i) d[i] = s[i];
}

SCALAR void ScalarConvert(const double* s, int32_t* d, int n) {
  for (int i = 0; i < n; ++i) {
    double v = s[i];
    if (v >= 2147483647.0) d[i] = INT32_MAX;
    else if (v <= -2147483648.0) d[i] = INT32_MIN;
    else {
      double r = v >= 0 ? v + 0.5 : v - 0.5;
      int32_t t = int32_t(r);
      if (double(t) == r && (t & 1)) t += v >= 0 ? -1 : 1;
      d[i] = t;
    }
  }
}

void BM_OwnMin(benchmark::State& state) {
  const auto& in = Input();
  double r = 0;
  for (auto _ : state) {
    own_kernels::ippsMin_64f(in.data(), kLen, &r);
    benchmark::DoNotOptimize(r);
  }
  PerElement(state);
}
BENCHMARK(BM_OwnMin);

void BM_ScalarMin(benchmark::State& state) {
  const auto& in = Input();
  for (auto _ : state) benchmark::DoNotOptimize(ScalarMin(in.data(), kLen));
  PerElement(state);
}
BENCHMARK(BM_ScalarMin);

void BM_OwnMax(benchmark::State& state) {
  const auto& in = Input();
  double r = 0;
  for (auto _ : state) {
    own_kernels::ippsMax_64f(in.data(), kLen, &r);
    benchmark::DoNotOptimize(r);
  }
  PerElement(state);
}
BENCHMARK(BM_OwnMax);

void BM_ScalarMax(benchmark::State& state) {
  const auto& in = Input();
  for (auto _ : state) benchmark::DoNotOptimize(ScalarMax(in.data(), kLen));
  PerElement(state);
}
BENCHMARK(BM_ScalarMax);

void BM_OwnConvert64f32sNear(benchmark::State& state) {
  const auto& in = Input();
  std::vector<int32_t> out(kLen);
  for (auto _ : state) {
    own_kernels::ippsConvert_64f32s_Sfs(in.data(), out.data(), kLen, ippRndNear, 0);
    benchmark::ClobberMemory();
  }
  PerElement(state);
}
BENCHMARK(BM_OwnConvert64f32sNear);

void BM_ScalarConvert64f32sNear(benchmark::State& state) {
  const auto& in = Input();
  std::vector<int32_t> out(kLen);
  for (auto _ : state) {
    ScalarConvert(in.data(), out.data(), kLen);
    benchmark::ClobberMemory();
  }
  PerElement(state);
}
BENCHMARK(BM_ScalarConvert64f32sNear);

void BM_OwnCopy(benchmark::State& state) {
  const auto& in = Input();
  std::vector<double> out(kLen);
  for (auto _ : state) {
    own_kernels::ippsCopy_64f(in.data(), out.data(), kLen);
    benchmark::ClobberMemory();
  }
  PerElement(state);
}
BENCHMARK(BM_OwnCopy);

void BM_ScalarCopy(benchmark::State& state) {
  const auto& in = Input();
  std::vector<double> out(kLen);
  for (auto _ : state) {
    ScalarCopy(in.data(), out.data(), kLen);
    benchmark::ClobberMemory();
  }
  PerElement(state);
}
BENCHMARK(BM_ScalarCopy);

// One steady-path round: a 44100-frame stereo block split into two real
// buffers, each searched for its extremes, everything released.
void BM_AudioBlockToRealChannels(benchmark::State& state) {
  for (auto _ : state) {
    TRef<TALAudioBuffer> audio(new TALAudioBuffer(44100, 3, 44100, 2, 16));
    TRef<ISLRealBuffer> left, right;
    audio->ExtractChannelReals(0, left);
    audio->ExtractChannelReals(1, right);
    benchmark::DoNotOptimize(left->Max() + right->Min());
  }
}
BENCHMARK(BM_AudioBlockToRealChannels);

}  // namespace
