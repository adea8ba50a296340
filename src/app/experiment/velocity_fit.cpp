#include "app/experiment/velocity_fit.h"

#include "app/experiment/numbers.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr const char* kSensor[2] = {"B", "C"};

// The unknowns: 1/v (s/mm), then the corrections of B and C (s).
constexpr int kUnknowns = 3;
using TMatrix = std::array<std::array<double, kUnknowns>, kUnknowns>;

struct TSolution {
  bool ok = false;
  double x[kUnknowns] = {};
  TMatrix covariance{};
};

// Weighted least squares over the pairs in `use`; the corrections of the
// sensors in `free` are unknowns, the others held at 0.
TSolution Solve(const std::vector<TVelocityPair>& pairs, const std::vector<bool>& use, const bool free[2]) {
  // The unknowns in play, and the column of each.
  int column[kUnknowns] = {0, -1, -1};
  int n = 1;
  for (int s = 0; s < 2; ++s)
    if (free[s]) column[1 + s] = n++;
  std::vector<std::vector<double>> normal(n, std::vector<double>(2 * n, 0.0));
  std::vector<double> right(n, 0.0);
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    if (!use[i]) continue;
    const TVelocityPair& p = pairs[i];
    const double w = 1.0 / (p.uncertainty * p.uncertainty);
    double row[kUnknowns] = {};
    row[0] = p.difference;
    if (column[1 + p.pair] >= 0) row[column[1 + p.pair]] = 1.0;
    for (int a = 0; a < n; ++a) {
      right[a] += w * row[a] * p.delay;
      for (int b = 0; b < n; ++b) normal[a][b] += w * row[a] * row[b];
    }
  }
  // Gauss-Jordan with partial pivoting on [N | I] gives N's inverse, the
  // covariance of the unknowns.
  for (int a = 0; a < n; ++a) normal[a][n + a] = 1.0;
  for (int c = 0; c < n; ++c) {
    int pivot = c;
    for (int r = c + 1; r < n; ++r)
      if (std::fabs(normal[r][c]) > std::fabs(normal[pivot][c])) pivot = r;
    if (!(std::fabs(normal[pivot][c]) > 0)) return {};
    std::swap(normal[c], normal[pivot]);
    const double scale = normal[c][c];
    for (double& v : normal[c]) v /= scale;
    for (int r = 0; r < n; ++r) {
      if (r == c) continue;
      const double f = normal[r][c];
      for (int k = 0; k < 2 * n; ++k) normal[r][k] -= f * normal[c][k];
    }
  }
  TSolution s;
  for (int a = 0; a < kUnknowns; ++a) {
    if (column[a] < 0) continue;
    for (int b = 0; b < kUnknowns; ++b)
      if (column[b] >= 0) s.covariance[a][b] = normal[column[a]][n + column[b]];
    for (int k = 0; k < n; ++k) s.x[a] += normal[column[a]][n + k] * right[k];
  }
  s.ok = std::isfinite(s.x[0]);
  return s;
}

std::string Millimetres(double mm) { return FixedPoint(mm, 1) + " mm"; }

std::string WhereToStrike(int pair) {
  return std::string("strike in line with A and ") + kSensor[pair] +
         ", outside the segment between them, where the difference is largest";
}

}  // namespace

std::string ValueWithUncertainty(double value, double uncertainty) {
  int decimals = 0;
  if (uncertainty > 0 && std::isfinite(uncertainty))
    decimals = std::clamp(1 - static_cast<int>(std::floor(std::log10(uncertainty))), 0, 15);
  return FixedPoint(value, decimals) + " ± " + FixedPoint(uncertainty, decimals);
}

TVelocityFit FitVelocity(const std::vector<TVelocityPair>& pairs) {
  TVelocityFit fit;
  fit.pairs.resize(pairs.size());
  std::vector<bool> use(pairs.size(), false);
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    const TVelocityPair& p = pairs[i];
    TPairFigures& f = fit.pairs[i];
    if (!(p.uncertainty > 0) || !std::isfinite(p.uncertainty) || !std::isfinite(p.delay) ||
        !std::isfinite(p.difference)) {
      f.refused = true;
      f.refusal = TPairRefusal::Unknown;
      f.reason = "its delay or its uncertainty is not known";
    } else if (std::fabs(p.difference) < kMinDifference) {
      f.refused = true;
      f.refusal = TPairRefusal::NearlyEqual;
      f.reason = std::string("the strike is nearly as far from ") + kSensor[p.pair] + " as from A (difference " +
                 Millimetres(p.difference) + "), so its delay cannot tell the velocity; " + WhereToStrike(p.pair);
    } else {
      use[i] = true;
    }
  }

  TSolution solution;
  bool free[2] = {};
  // A pair whose difference is too small for the velocity the strikes give
  // is refused, and the rest fitted again (the velocity may then change).
  for (std::size_t round = 0; round <= pairs.size(); ++round) {
    double lowest[2] = {INFINITY, INFINITY}, highest[2] = {-INFINITY, -INFINITY};
    int count = 0;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
      if (!use[i]) continue;
      ++count;
      lowest[pairs[i].pair] = std::min(lowest[pairs[i].pair], pairs[i].difference);
      highest[pairs[i].pair] = std::max(highest[pairs[i].pair], pairs[i].difference);
    }
    fit.used = count;
    if (count == 0) {
      fit.told = false;
      fit.failure = TFitFailure::NoPair;
      fit.reason = "no pair can tell the velocity";
      break;
    }
    fit.correctionsNote.clear();
    fit.oneDifference = -1;
    bool apart = true;
    for (int s = 0; s < 2; ++s) {
      fit.recorded[s] = std::isfinite(lowest[s]);
      if (fit.recorded[s] && highest[s] - lowest[s] < kMinDifference) {
        apart = false;
        if (fit.oneDifference < 0) fit.oneDifference = s;
        if (fit.correctionsNote.empty())
          fit.correctionsNote = std::string("the strikes give sensor ") + kSensor[s] +
                                " one distance difference only, so its delay cannot be told from the velocity; "
                                "strike at points nearer to A and nearer to " + kSensor[s];
      }
    }
    for (int s = 0; s < 2; ++s) free[s] = apart && fit.recorded[s];
    solution = Solve(pairs, use, free);
    fit.told = solution.ok && solution.x[0] > 0;
    if (!fit.told) {
      fit.failure = TFitFailure::NotGrowing;
      fit.reason = "the delays do not grow with the distance difference: check the struck points and which sensor "
                   "is on which input";
      break;
    }
    const double velocity = 1.0 / solution.x[0];
    bool refused = false;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
      if (!use[i]) continue;
      const TVelocityPair& p = pairs[i];
      const double share = p.uncertainty * velocity / std::fabs(p.difference);
      if (share <= kMaxRelativeUncertainty) continue;
      use[i] = false;
      refused = true;
      fit.pairs[i].refused = true;
      const double needed = p.uncertainty * velocity / kMaxRelativeUncertainty;
      TPairFigures& f = fit.pairs[i];
      f.refusal = TPairRefusal::TooSmall;
      f.fitVelocity = velocity;
      f.share = share;
      f.needed = needed;
      f.stationsTooClose = p.separation > 0 && needed > p.separation;
      std::string& reason = fit.pairs[i].reason;
      reason = std::string("its difference (") + Millimetres(p.difference) + ") is too small for about " +
               FixedPoint(velocity, 0) + " mm/s: one delay uncertainty changes its velocity by " +
               FixedPoint(100 * share, 0) + " %, more than " + FixedPoint(100 * kMaxRelativeUncertainty, 0) + " %; ";
      if (p.separation > 0 && needed > p.separation)
        reason += std::string("no strike gives more than the ") + Millimetres(p.separation) + " between A and " +
                  kSensor[p.pair] + " (" + Millimetres(needed) +
                  " needed): place the stations farther apart or record at a higher rate";
      else
        reason += WhereToStrike(p.pair);
    }
    if (!refused) break;
  }

  if (fit.told) {
    fit.velocity = 1.0 / solution.x[0];
    fit.uncertainty = fit.velocity * fit.velocity * std::sqrt(solution.covariance[0][0]);
    fit.hasCorrections = free[0] || free[1];
    if (fit.hasCorrections) {
      fit.correctionsNote.clear();
      fit.oneDifference = -1;
    }
    for (int s = 0; s < 2 && fit.hasCorrections; ++s) {
      fit.correction[s] = solution.x[1 + s];
      fit.correctionUncertainty[s] = std::sqrt(solution.covariance[1 + s][1 + s]);
    }
  }
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    TPairFigures& f = fit.pairs[i];
    if (f.refused) continue;
    const TVelocityPair& p = pairs[i];
    const double delay = p.delay - (fit.hasCorrections ? fit.correction[p.pair] : 0.0);
    f.velocity = p.difference / delay;
    f.uncertainty = std::fabs(f.velocity) * p.uncertainty / std::fabs(delay);
  }
  return fit;
}
