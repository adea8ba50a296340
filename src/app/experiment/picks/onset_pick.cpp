#include "app/experiment/picks/onset_pick.h"

#include <algorithm>
#include <cmath>

namespace {

// How far past the quiet part's highest ratio a trigger must go.
constexpr double kTriggerMargin = 1.5;
constexpr double kMinTriggerRatio = 6.0;
// The AIC looks this far back from the trigger.
constexpr double kAicLookBack = 0.015;  // s
// Stated uncertainty in units of the spread below; chosen so that the true
// arrival falls inside in at least nine picks of ten (bench_pick_accuracy).
constexpr double kOnsetCoverage = 2.5;

// Akaike criterion of splitting y[b, e) after k samples, for every k.
std::vector<double> AicCurve(const std::vector<double>& y, int b, int e) {
  const int n = e - b;
  std::vector<double> prefix(n + 1, 0.0), prefix2(n + 1, 0.0);
  for (int i = 0; i < n; ++i) {
    prefix[i + 1] = prefix[i] + y[b + i];
    prefix2[i + 1] = prefix2[i] + y[b + i] * y[b + i];
  }
  std::vector<double> aic(n, INFINITY);
  for (int k = 2; k < n - 2; ++k) {
    const double m1 = prefix[k] / k, m2 = (prefix[n] - prefix[k]) / (n - k);
    const double v1 = prefix2[k] / k - m1 * m1, v2 = (prefix2[n] - prefix2[k]) / (n - k) - m2 * m2;
    aic[k] = k * std::log(std::max(v1, 1e-30)) + (n - k - 1) * std::log(std::max(v2, 1e-30));
  }
  return aic;
}

}  // namespace

TChannelPick OnsetPick(const std::vector<double>& y, int rate, const TBlockSurvey& survey, double noise,
                       double window) {
  TChannelPick pick;
  if (!survey.hasQuiet || noise <= 0) {
    pick.refusal = TPickRefusal::NoQuietPart;
    return pick;
  }
  const int n = static_cast<int>(y.size());
  const int sta = std::max(3, static_cast<int>(window * rate));
  const double var = noise * noise;
  // Running short-term energy over the noise's: the long-term average is
  // the quiet part itself, which the pulse never reaches.
  std::vector<double> ratio(n, 0.0);
  double sum = 0;
  for (int i = 0; i < n; ++i) {
    sum += y[i] * y[i];
    if (i >= sta) sum -= y[i - sta] * y[i - sta];
    ratio[i] = sum / sta / var;
  }
  const int skip = std::min(static_cast<int>(0.005 * rate), survey.quietEnd / 2);
  double quietTop = 0;
  for (int i = skip + sta; i < survey.quietEnd; ++i) quietTop = std::max(quietTop, ratio[i]);
  const double threshold = std::max(kMinTriggerRatio, kTriggerMargin * quietTop);
  // Back from the pulse's strongest part to where the ratio last stood
  // below the threshold: a burst of noise between the quiet part and the
  // pulse cannot trigger that way.
  const int top = std::min(n - 1, survey.peak);
  int trigger = -1;
  if (ratio[top] >= threshold) {
    trigger = top;
    while (trigger > survey.quietEnd && ratio[trigger - 1] >= threshold) --trigger;
  }
  if (trigger < 0) {
    pick.refusal = TPickRefusal::NotReached;
    return pick;
  }

  const int b = std::max(skip, trigger - static_cast<int>(kAicLookBack * rate));
  const int e = std::min(n, trigger + sta);
  const std::vector<double> aic = AicCurve(y, b, e);
  int best = 2;
  for (int k = 2; k < static_cast<int>(aic.size()) - 2; ++k)
    if (aic[k] < aic[best]) best = k;
  double frac = 0.0;
  if (best > 2 && best < static_cast<int>(aic.size()) - 3) {
    const double l = aic[best - 1], c = aic[best], r = aic[best + 1];
    const double den = l - 2 * c + r;
    if (den > 0) frac = std::clamp(0.5 * (l - r) / den, -0.5, 0.5);
  }
  // The onset is the first sample of the signal part.
  const double onset = b + best + frac;
  pick.time = onset / rate;
  pick.ok = true;

  // How sharply the criterion picks: the span within 4 (about two standard
  // deviations of a likelihood split) of its minimum.
  int lo = best, hi = best;
  while (lo > 2 && aic[lo - 1] <= aic[best] + 4) --lo;
  while (hi < static_cast<int>(aic.size()) - 3 && aic[hi + 1] <= aic[best] + 4) ++hi;
  const double width = 0.5 * (hi - lo + 1);
  // How long the rise stays hidden in the noise: the time the envelope's
  // early slope needs to climb three noise deviations.
  const int ahead = std::max(2, static_cast<int>(0.001 * rate));
  const int at = std::min(n - 1, static_cast<int>(onset) + ahead);
  const double env = std::sqrt(ratio[at] * var);
  const double slope = std::max(env - noise, noise * 1e-3) / ahead;
  const double hidden = std::min(3.0 * noise / slope, 0.005 * rate);
  pick.uncertainty = kOnsetCoverage * std::sqrt(width * width + hidden * hidden + 0.25) / rate;
  return pick;
}

TPairPick OnsetPickPair(const TCleanPair& p, int rate) {
  TPairPick pair;
  // The short-term window spans half a period of the band's low edge, so
  // that narrow-band noise does not swing it by itself.
  const double window = std::clamp(0.5 / std::max(p.band.lowHz, 1.0), 0.0005, 0.003);
  TChannelPick l = OnsetPick(p.left, rate, p.leftSurvey, p.leftNoise, window);
  TChannelPick r = OnsetPick(p.right, rate, p.rightSurvey, p.rightNoise, window);
  l.time -= p.delay;
  r.time -= p.delay;
  pair.leftTime = l.time;
  pair.rightTime = r.time;
  pair.refusal = l.ok ? r.refusal : l.refusal;
  pair.ok = l.ok && r.ok;
  if (!pair.ok) return pair;
  pair.delay = r.time - l.time;
  // Each time alone reads late by about its pulse's dullness, 1 / (2 pi f);
  // in the delay only the difference between the two remains.
  const double dl = LeftDullness(p, l.time, rate), dr = RightDullness(p, r.time, rate);
  pair.leftUncertainty = std::hypot(l.uncertainty, kOnsetCoverage * dl);
  pair.rightUncertainty = std::hypot(r.uncertainty, kOnsetCoverage * dr);
  const double dull = kOnsetCoverage * std::max(std::fabs(dl - dr), kDispersionShare * std::fabs(r.time - l.time));
  pair.delayUncertainty = std::sqrt(l.uncertainty * l.uncertainty + r.uncertainty * r.uncertainty + dull * dull);
  return pair;
}
