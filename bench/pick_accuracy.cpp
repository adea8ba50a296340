// How well each picker locates the epicenter on the realistic sensor model:
// a grid of struck points inside and outside the example lab's triangle, at
// three noise levels and both sample rates, each method's median and 90th
// percentile epicenter error through the program's own solver, and how
// often the true delays lie within the method's stated uncertainty.
//
// A plain program, not a Google Benchmark: it prints one table.
// Usage: bench_pick_accuracy [points-per-side [-v]]   (default 6: 24 inside, 20 outside;
// -v lists the struck points whose true delays fell outside the stated ones)

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/experiment/epicenter_solver.h"
#include "app/experiment/picks/correlation_pick.h"
#include "app/experiment/picks/pair_pick.h"
#include "app/experiment/picks/signal_cleanup.h"
#include "app/sensors/sensor_model.h"

namespace {

constexpr double kStX[3] = {200, 900, 600}, kStY[3] = {300, 200, 800};
constexpr double kVelocity = 120000;  // mm/s

struct Point {
  double x, y;
  bool inside;
};

bool InTriangle(double x, double y) {
  auto side = [&](int i, int j) {
    return (kStX[j] - kStX[i]) * (y - kStY[i]) - (kStY[j] - kStY[i]) * (x - kStX[i]);
  };
  const double a = side(0, 1), b = side(1, 2), c = side(2, 0);
  return (a > 0 && b > 0 && c > 0) || (a < 0 && b < 0 && c < 0);
}

// Struck points: a grid over the triangle's bounding box split into inside
// and outside, the outside ones kept on the map and off the stations.
std::vector<Point> Grid(int perSide) {
  std::vector<Point> inside, outside;
  for (int i = 0; i < 4 * perSide; ++i)
    for (int j = 0; j < 4 * perSide; ++j) {
      const double x = 60 + (1400 - 120) * (i + 0.5) / (4 * perSide);
      const double y = 60 + (1000 - 120) * (j + 0.5) / (4 * perSide);
      bool nearStation = false;
      for (int k = 0; k < 3; ++k) nearStation |= std::hypot(x - kStX[k], y - kStY[k]) < 60;
      if (nearStation) continue;
      (InTriangle(x, y) ? inside : outside).push_back({x, y, InTriangle(x, y)});
    }
  // Thin evenly to the wanted counts.
  auto thin = [](std::vector<Point>& v, size_t want) {
    std::vector<Point> out;
    for (size_t k = 0; k < want && !v.empty(); ++k) out.push_back(v[k * v.size() / want]);
    v = out;
  };
  thin(inside, 4 * perSide);
  thin(outside, 4 * perSide - 4);
  inside.insert(inside.end(), outside.begin(), outside.end());
  return inside;
}

// What one method made of one struck point.
struct Outcome {
  bool answered = false;  // both pairs picked
  bool solved = false;    // the solver found a point
  bool covered = false;   // both true delays within the stated uncertainties
  double error = INFINITY;
  double statedMm = 0.0;  // the larger stated delay uncertainty, as path length
  bool inside = false;
};

struct Method {
  std::string name;
  TPickMethod method;
  bool truth = false;  // the true arrivals: what the solver makes of perfect picks
  TCorrelationShape shape = TCorrelationShape::Envelope;
  double fixedLevel = 0.0;  // level only: 0 = a careful level from the idle noise
};

double IdlePeak(const std::vector<double>& x, int rate) {
  const TBlockSurvey s = SurveyBlock(x.data(), static_cast<int>(x.size()), rate);
  double peak = 0;
  for (int i = 0; i < s.quietEnd; ++i) peak = std::max(peak, std::fabs(x[i]));
  return peak;
}

TPairPick Pick(const Method& m, const TPairRecording& rec, int rate) {
  const int n = static_cast<int>(rec.left.size());
  if (m.truth) {
    TPairPick p;
    p.ok = true;
    p.leftTime = rec.arrivalLeft;
    p.rightTime = rec.arrivalRight;
    p.delay = rec.arrivalRight - rec.arrivalLeft;
    p.delayUncertainty = 0.5 / rate;
    return p;
  }
  if (m.method == TPickMethod::Correlation)
    return CorrelationPickPair(CleanPair(rec.left.data(), rec.right.data(), n, rate), rate, m.shape);
  double level = m.fixedLevel;
  if (m.method == TPickMethod::Level && level == 0) {
    // A careful teacher: half again the idle trace's highest excursion on
    // the screen, in whole per mille.
    level = std::ceil(1.5 * std::max(IdlePeak(rec.left, rate), IdlePeak(rec.right, rate)) * 1000) / 1000;
  }
  return PickPair(m.method, rec.left.data(), rec.right.data(), n, rate, level);
}

double Quantile(std::vector<double> v, double q) {
  if (v.empty()) return NAN;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<size_t>(q * (v.size() - 1) + 0.5))];
}

struct Condition {
  double snr;
  int rate;
  bool equalSensors;
};

struct Recorded {
  TPairRecording ab, ac;
  Point point;
};

void Report(const char* label, const std::vector<Outcome>& all, bool inside) {
  std::vector<double> errors, stated;
  int count = 0, answered = 0, covered = 0, misses = 0;
  for (const Outcome& o : all) {
    if (o.inside != inside) continue;
    ++count;
    if (!o.answered) continue;
    ++answered;
    covered += o.covered;
    errors.push_back(o.error);
    stated.push_back(o.statedMm);
    misses += !o.solved;
  }
  if (count == 0) return;
  std::printf(" %-8s %4d %7.1f %7.1f %5d %6.0f%% %6.0f%% %8.1f\n", label, count, Quantile(errors, 0.5),
              Quantile(errors, 0.9), misses, 100.0 * (count - answered) / count,
              answered ? 100.0 * covered / answered : 0.0, Quantile(stated, 0.5));
}

}  // namespace

int main(int argc, char** argv) {
  const int perSide = argc > 1 ? std::max(1, std::atoi(argv[1])) : 6;
  const bool verbose = argc > 2 && std::string(argv[2]) == "-v";
  const auto started = std::chrono::steady_clock::now();
  const std::vector<Point> points = Grid(perSide);
  const std::vector<Method> methods = {
      {"true times", TPickMethod::Level, true},
      {"level", TPickMethod::Level},
      {"onset", TPickMethod::Onset},
      {"correlation", TPickMethod::Correlation, false, TCorrelationShape::Rectified},
  };
  const std::vector<Method> shapes = {
      {"corr-envelope", TPickMethod::Correlation, false, TCorrelationShape::Envelope},
      {"corr-signed|c|", TPickMethod::Correlation, false, TCorrelationShape::SignedMagnitude},
  };
  std::vector<Condition> conditions;
  for (double snr : {40.0, 26.0, 14.0})
    for (int rate : {44100, 8000}) conditions.push_back({snr, rate, false});
  conditions.push_back({26.0, 44100, true});
  conditions.push_back({26.0, 8000, true});

  std::printf("Epicenter error (mm) per method; %zu struck points, a new strike and sensor set per point.\n",
              points.size());
  std::printf("miss: the solver found no point; refused: a pair refused; covered: of the answered, both true\n"
              "delays within the stated uncertainty; stated: median stated delay uncertainty x velocity (mm).\n"
              "true times: the solver on the exact arrivals, the floor under every picker (outside the\n"
              "triangle it often finds the other point that fits, or none). level: a careful level, half\n"
              "again the idle trace's highest excursion; level@50: 50 per mille whatever the noise.\n\n");
  std::vector<Outcome> pooled[2][4];  // inside, 26 dB, [unequal, equal] sensors, both rates
  for (const Condition& c : conditions) {
    std::vector<Recorded> recorded;
    for (size_t k = 0; k < points.size(); ++k) {
      TPairSetup setup;
      std::copy(kStX, kStX + 3, setup.stationX);
      std::copy(kStY, kStY + 3, setup.stationY);
      setup.strikeX = points[k].x;
      setup.strikeY = points[k].y;
      setup.velocity = kVelocity;
      setup.rate = c.rate;
      setup.snrDb = c.snr;
      const uint64_t seed = 1000 * k + static_cast<uint64_t>(c.snr) + c.rate;
      Recorded r{{}, {}, points[k]};
      setup.rightStation = 1;
      r.ab = RecordPair(setup, DrawSceneTraits(seed, 1, c.equalSensors), seed);
      setup.rightStation = 2;
      r.ac = RecordPair(setup, DrawSceneTraits(seed, 2, c.equalSensors), seed);
      recorded.push_back(std::move(r));
    }
    std::printf("%g dB, %d samples/s, %s sensors\n", c.snr, c.rate, c.equalSensors ? "equal" : "unequal");
    std::printf(" %-14s %-8s %4s %7s %7s %5s %7s %7s %8s\n", "method", "where", "n", "median", "p90", "miss",
                "refused", "covered", "stated");
    std::vector<Method> list = methods;
    if (c.snr == 26.0 && !c.equalSensors) list.insert(list.end(), shapes.begin(), shapes.end());
    if (c.snr == 26.0 || c.snr == 14.0) list.push_back({"level@50", TPickMethod::Level, false, {}, 0.05});
    for (const Method& m : list) {
      std::vector<Outcome> outcomes;
      for (const Recorded& r : recorded) {
        Outcome o;
        o.inside = r.point.inside;
        const TPairPick ab = Pick(m, r.ab, c.rate), ac = Pick(m, r.ac, c.rate);
        if (ab.ok && ac.ok) {
          o.answered = true;
          TExperimentState state;
          for (int s = 0; s < 3; ++s) {
            state.stationX[s] = static_cast<int32_t>(kStX[s]);
            state.stationY[s] = static_cast<int32_t>(kStY[s]);
          }
          state.pulseVelocity = static_cast<int32_t>(kVelocity);
          state.timeA_AB = ab.leftTime;
          state.timeB = ab.leftTime + ab.delay;
          state.timeA_AC = ac.leftTime;
          state.timeC = ac.leftTime + ac.delay;
          const TSolveResult solved = SolveEpicenter(state);
          if (solved.outcome != TSolveOutcome::NoPoint) {
            o.solved = true;
            o.error = std::hypot(solved.x - r.point.x, solved.y - r.point.y);
          }
          const double trueB = r.ab.arrivalRight - r.ab.arrivalLeft, trueC = r.ac.arrivalRight - r.ac.arrivalLeft;
          o.covered = std::fabs(ab.delay - trueB) <= ab.delayUncertainty &&
                      std::fabs(ac.delay - trueC) <= ac.delayUncertainty;
          o.statedMm = std::max(ab.delayUncertainty, ac.delayUncertainty) * kVelocity;
          if (verbose && !o.covered)
            std::printf("   %s at (%.0f, %.0f): delay B off %+.1f us (stated %.1f), C off %+.1f us (stated %.1f)\n",
                        m.name.c_str(), r.point.x, r.point.y, (ab.delay - trueB) * 1e6, ab.delayUncertainty * 1e6,
                        (ac.delay - trueC) * 1e6, ac.delayUncertainty * 1e6);
        }
        outcomes.push_back(o);
        if (c.snr == 26.0 && o.inside && m.fixedLevel == 0 && &m - list.data() < 4)
          pooled[c.equalSensors][&m - list.data()].push_back(o);
      }
      std::printf(" %-14s", m.name.c_str());
      Report("inside", outcomes, true);
      std::printf(" %-14s", "");
      Report("outside", outcomes, false);
    }
    std::printf("\n");
  }
  for (int equal = 0; equal < 2; ++equal) {
    std::printf("Inside the triangle, 26 dB, %s sensors, 44.1 and 8 kHz pooled\n", equal ? "equal" : "unequal");
    std::printf(" %-14s %-8s %4s %7s %7s %5s %7s %7s %8s\n", "method", "where", "n", "median", "p90", "miss",
                "refused", "covered", "stated");
    for (int k = 0; k < 4; ++k) {
      std::printf(" %-14s", methods[k].name.c_str());
      Report("inside", pooled[equal][k], true);
    }
    std::printf("\n");
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("\n%.1f s\n", seconds);
  return 0;
}
