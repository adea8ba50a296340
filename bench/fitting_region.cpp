// The fitting region over the whole 1400 x 1000 mm map at one map pixel per
// cell (700 x 500 cells), for the example lab: stations A (200, 300),
// B (900, 200), C (600, 800) mm, 120000 mm/s, both pairs recorded at 44100
// samples/s with the times cut to whole samples. Struck inside the stations'
// triangle (a small patch) and far outside it (a long band); the counters
// give the region's cells, parts and spread around the strike. The target is
// under 20 ms a call.

#include <benchmark/benchmark.h>

#include <cmath>

#include "app/experiment/fitting_region.h"

namespace {

constexpr double kStations[3][2] = {{200, 300}, {900, 200}, {600, 800}};
constexpr double kVelocity = 120000;
constexpr double kRate = 44100;

TFittingRegionInput Recorded(double x, double y, bool pairACRecorded) {
  TFittingRegionInput in;
  double t[3];
  for (int k = 0; k < 3; ++k) {
    in.stationX[k] = kStations[k][0];
    in.stationY[k] = kStations[k][1];
    t[k] = std::hypot(x - kStations[k][0], y - kStations[k][1]) / kVelocity;
  }
  in.velocity = kVelocity;
  // Each block starts at its own moment: a different phase of the clock.
  auto sample = [](double time) { return std::floor(time * kRate) / kRate; };
  const double uncertainty = DelayUncertainty(kRate, {}, {});
  in.delayB = {true, sample(0.1003 + t[1]) - sample(0.1003 + t[0]), uncertainty};
  in.delayC = {pairACRecorded, sample(0.2017 + t[2]) - sample(0.2017 + t[0]), uncertainty};
  return in;
}

void Region(benchmark::State& state, double x, double y, bool pairACRecorded) {
  const TFittingRegionInput in = Recorded(x, y, pairACRecorded);
  TFittingRegion r;
  for (auto _ : state) {
    r = ComputeFittingRegion(in);
    benchmark::DoNotOptimize(r.mask.data());
  }
  int cells = 0;
  for (const TRegionPart& p : r.parts) cells += p.cells;
  const auto far = r.Farthest(x, y);
  state.counters["cells"] = cells;
  state.counters["parts"] = static_cast<double>(r.parts.size());
  state.counters["spread_mm"] = far ? far->distance : -1;
}

BENCHMARK_CAPTURE(Region, inside_500_450, 500.0, 450.0, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Region, outside_1300_50, 1300.0, 50.0, true)->Unit(benchmark::kMillisecond);
// Pair A+C not recorded: a band across the whole map, the most cells to label.
BENCHMARK_CAPTURE(Region, pair_AB_only_500_450, 500.0, 450.0, false)->Unit(benchmark::kMillisecond);

}  // namespace
