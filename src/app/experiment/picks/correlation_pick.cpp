#include "app/experiment/picks/correlation_pick.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/experiment/picks/onset_pick.h"

namespace {

constexpr double kBefore = 0.002;     // s of each stretch before its onset
constexpr double kAfter = 0.010;      // s after it
constexpr double kMaxShift = 0.003;   // s the correlation may move the onset delay
constexpr double kMinLikeness = 0.3;  // correlation peak below which the delay is refused
// Stated uncertainty in units of the peak's spread; chosen so that the true
// delay falls inside in at least nine pairs of ten (bench_pick_accuracy).
constexpr double kCorrelationCoverage = 2.0;
constexpr double kDisagreementShare = 0.5;
constexpr double kWidthShare = 0.1;

std::vector<double> Shaped(const std::vector<double>& y, TCorrelationShape shape, double centreHz, int rate) {
  const int n = static_cast<int>(y.size());
  std::vector<double> out(n);
  if (shape == TCorrelationShape::SignedMagnitude) return y;
  if (shape == TCorrelationShape::Rectified) {
    for (int i = 0; i < n; ++i) out[i] = std::fabs(y[i]);
    return out;
  }
  // Energy over half a period of the band's centre, centred: a smooth
  // envelope that does not lag.
  const int half = std::max(1, static_cast<int>(rate / (4 * centreHz)));
  std::vector<double> prefix(n + 1, 0.0);
  for (int i = 0; i < n; ++i) prefix[i + 1] = prefix[i] + y[i] * y[i];
  for (int i = 0; i < n; ++i) {
    const int b = std::max(0, i - half), e = std::min(n, i + half + 1);
    out[i] = std::sqrt((prefix[e] - prefix[b]) / (e - b));
  }
  return out;
}

// Pearson correlation of a[ab, ab+len) with b[bb, bb+len).
double Pearson(const std::vector<double>& a, int ab, const std::vector<double>& b, int bb, int len) {
  double sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
  for (int i = 0; i < len; ++i) {
    const double x = a[ab + i], y = b[bb + i];
    sa += x;
    sb += y;
    saa += x * x;
    sbb += y * y;
    sab += x * y;
  }
  const double cov = sab - sa * sb / len, va = saa - sa * sa / len, vb = sbb - sb * sb / len;
  if (va <= 0 || vb <= 0) return 0.0;
  return cov / std::sqrt(va * vb);
}

struct Peak {
  bool ok = false;
  double shift = 0.0;   // samples the right stretch is moved for the best match
  double height = 0.0;  // correlation at the peak
  double width = 0.0;   // half width at half height, samples
};

// Correlates a[ol, ol+len) with b[orr+s, orr+s+len) for |s| <= maxShift.
Peak BestMatch(const std::vector<double>& a, int ol, const std::vector<double>& b, int orr, int len, int maxShift,
               bool magnitude) {
  const int n = static_cast<int>(a.size());
  std::vector<double> c(2 * maxShift + 1, 0.0);
  int best = -1;
  for (int s = -maxShift; s <= maxShift; ++s) {
    const int rb = orr + s;
    if (ol < 0 || rb < 0 || ol + len > n || rb + len > n) continue;
    double v = Pearson(a, ol, b, rb, len);
    if (magnitude) v = std::fabs(v);
    c[s + maxShift] = v;
    if (best < 0 || v > c[best]) best = s + maxShift;
  }
  Peak p;
  if (best < 0) return p;
  p.ok = true;
  p.height = c[best];
  double frac = 0.0;
  if (best > 0 && best < 2 * maxShift) {
    const double l = c[best - 1], m = c[best], r = c[best + 1];
    const double den = l - 2 * m + r;
    if (den < 0) frac = std::clamp(0.5 * (l - r) / den, -0.5, 0.5);
  }
  p.shift = best - maxShift + frac;
  int lo = best, hi = best;
  while (lo > 0 && c[lo - 1] >= p.height / 2) --lo;
  while (hi < 2 * maxShift && c[hi + 1] >= p.height / 2) ++hi;
  p.width = 0.5 * (hi - lo + 1);
  return p;
}

}  // namespace

TPairPick CorrelationPickPair(const TCleanPair& p, int rate, TCorrelationShape shape) {
  TPairPick pair = OnsetPickPair(p, rate);
  if (!pair.ok) return pair;
  const double centre = std::sqrt(std::max(p.band.lowHz, 30.0) * (p.band.highHz > 0 ? p.band.highHz : 0.45 * rate));
  const std::vector<double> a = Shaped(p.left, shape, centre, rate);
  const std::vector<double> b = Shaped(p.right, shape, centre, rate);

  const int before = static_cast<int>(kBefore * rate);
  const int maxShift = std::max(2, static_cast<int>(kMaxShift * rate));
  const int ol = static_cast<int>(std::lround(pair.leftTime * rate)) - before;
  const int orr = static_cast<int>(std::lround(pair.rightTime * rate)) - before;
  const bool magnitude = shape == TCorrelationShape::SignedMagnitude;
  const Peak peak = BestMatch(a, ol, b, orr, before + static_cast<int>(kAfter * rate), maxShift, magnitude);
  if (!peak.ok || peak.height < kMinLikeness) {
    pair.ok = false;
    pair.refusal = TPickRefusal::WeakCorrelation;
    return pair;
  }
  // Noise blurs the peak by its width times sqrt(1 - c^2) / c; sensors that
  // ring differently move it by an amount that changes with how much of the
  // pulse is compared, so the shorter and longer stretches tell that part.
  const double spread = peak.width * std::sqrt(std::max(1.0 - peak.height * peak.height, 0.0)) / peak.height;
  double lo = peak.shift, hi = peak.shift;
  for (double after : {0.5 * kAfter, 1.5 * kAfter}) {
    const Peak other = BestMatch(a, ol, b, orr, before + static_cast<int>(after * rate), maxShift, magnitude);
    if (!other.ok) continue;
    lo = std::min(lo, other.shift);
    hi = std::max(hi, other.shift);
  }
  const double shapeSpread = 0.5 * (hi - lo);
  // The far sensor hears a duller pulse, which the two pickers read
  // differently: the onset by its front, the correlation by its bulk. How
  // far apart they land shows how much the shapes differ.
  const double onsetDelay = (pair.rightTime - pair.leftTime) * rate;
  const double delay = orr - ol + peak.shift;
  const double disagreement = kDisagreementShare * (delay - onsetDelay);
  const double dull = std::max(std::fabs(LeftDullness(p, pair.leftTime, rate) - RightDullness(p, pair.rightTime, rate)),
                               kDispersionShare * std::fabs(delay) / rate) *
                      rate;
  // However alike the two look, a broad peak leaves room for a shift that
  // differing sensors cause and nothing above shows.
  const double broad = kWidthShare * peak.width;

  pair.delay = delay / rate;
  pair.delayUncertainty = kCorrelationCoverage *
                          std::sqrt(spread * spread + shapeSpread * shapeSpread + disagreement * disagreement + dull * dull + broad * broad + 0.25) /
                          rate;
  pair.rightTime = pair.leftTime + pair.delay;
  pair.rightUncertainty = std::hypot(pair.leftUncertainty, pair.delayUncertainty);
  return pair;
}
