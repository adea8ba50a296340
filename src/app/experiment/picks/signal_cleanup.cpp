#include "app/experiment/picks/signal_cleanup.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kMaxTerms = 1 + 2 * 8;

// Solves the normal equations a x = b (symmetric positive, size m) in place.
bool SolveNormal(std::array<std::array<double, kMaxTerms>, kMaxTerms>& a, std::array<double, kMaxTerms>& b, int m) {
  for (int c = 0; c < m; ++c) {
    int pivot = c;
    for (int r = c + 1; r < m; ++r)
      if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
    if (std::fabs(a[pivot][c]) < 1e-12) return false;
    std::swap(a[c], a[pivot]);
    std::swap(b[c], b[pivot]);
    for (int r = c + 1; r < m; ++r) {
      const double f = a[r][c] / a[c][c];
      for (int k = c; k < m; ++k) a[r][k] -= f * a[c][k];
      b[r] -= f * b[c];
    }
  }
  for (int c = m - 1; c >= 0; --c) {
    for (int k = c + 1; k < m; ++k) b[c] -= a[c][k] * b[k];
    b[c] /= a[c][c];
  }
  return true;
}

struct Fit {
  bool ok = false;
  int terms = 0;
  std::array<double, kMaxTerms> coef{};
  double residual = 0.0;  // sum of squares over the fitted span
};

double Basis(int term, double phase) {
  if (term == 0) return 1.0;
  const int harmonic = 2 * ((term - 1) / 2) + 1;
  return (term % 2) ? std::sin(harmonic * phase) : std::cos(harmonic * phase);
}

// Least squares of offset + odd harmonics of `mainsHz` over [begin, end).
Fit FitHum(const std::vector<double>& x, int begin, int end, int rate, double mainsHz) {
  Fit fit;
  int harmonics = 0;
  if (mainsHz > 0)
    while (harmonics < 4 && (2 * harmonics + 1) * mainsHz < 0.45 * rate) ++harmonics;
  fit.terms = 1 + 2 * harmonics;
  std::array<std::array<double, kMaxTerms>, kMaxTerms> a{};
  std::array<double, kMaxTerms> b{};
  std::array<double, kMaxTerms> row{};
  for (int i = begin; i < end; ++i) {
    const double phase = 2 * kPi * mainsHz * i / rate;
    for (int t = 0; t < fit.terms; ++t) row[t] = Basis(t, phase);
    for (int r = 0; r < fit.terms; ++r) {
      b[r] += row[r] * x[i];
      for (int c = 0; c < fit.terms; ++c) a[r][c] += row[r] * row[c];
    }
  }
  fit.ok = SolveNormal(a, b, fit.terms);
  if (!fit.ok) return fit;
  fit.coef = b;
  for (int i = begin; i < end; ++i) {
    const double phase = 2 * kPi * mainsHz * i / rate;
    double model = 0;
    for (int t = 0; t < fit.terms; ++t) model += fit.coef[t] * Basis(t, phase);
    fit.residual += (x[i] - model) * (x[i] - model);
  }
  return fit;
}

struct Biquad {
  double b0, b1, b2, a1, a2;
};

Biquad Butterworth(double hz, int rate, bool highPass) {
  const double w = 2 * kPi * hz / rate;
  const double alpha = std::sin(w) / (2 * std::sqrt(0.5)), c = std::cos(w), a0 = 1 + alpha;
  if (highPass) return {(1 + c) / 2 / a0, -(1 + c) / a0, (1 + c) / 2 / a0, -2 * c / a0, (1 - alpha) / a0};
  return {(1 - c) / 2 / a0, (1 - c) / a0, (1 - c) / 2 / a0, -2 * c / a0, (1 - alpha) / a0};
}

void RunBiquad(std::vector<double>& x, const Biquad& q) {
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  const int n = static_cast<int>(x.size());
  for (int k = 0; k < n; ++k) {
    double& v = x[k];
    const double y = q.b0 * v + q.b1 * x1 + q.b2 * x2 - q.a1 * y1 - q.a2 * y2;
    x2 = x1;
    x1 = v;
    y2 = y1;
    y1 = y;
    v = y;
  }
}

// Power at the frequencies `hz` of the Hann-windowed x[begin, begin+len).
std::vector<double> Spectrum(const std::vector<double>& x, int begin, int len, int rate, const std::vector<double>& hz) {
  std::vector<double> power(hz.size(), 0.0);
  for (size_t f = 0; f < hz.size(); ++f) {
    // Direct sums: the windows are short and the bins few.
    const double w = 2 * kPi * hz[f] / rate;
    double re = 0, im = 0;
    for (int i = 0; i < len; ++i) {
      const double hann = 0.5 - 0.5 * std::cos(2 * kPi * (i + 0.5) / len);
      const double v = x[begin + i] * hann;
      re += v * std::cos(w * i);
      im += v * std::sin(w * i);
    }
    power[f] = (re * re + im * im) / len;
  }
  return power;
}

// The pulse window's power over the quiet part's at each frequency.
std::vector<double> SnrSpectrum(const std::vector<double>& x, const TBlockSurvey& s, int rate,
                                const std::vector<double>& hz) {
  const int n = static_cast<int>(x.size());
  const int len = std::max(16, static_cast<int>(0.032 * rate));
  const int begin = std::clamp(s.peak - len / 4, 0, std::max(0, n - len));
  const std::vector<double> pulse = Spectrum(x, begin, std::min(len, n), rate, hz);
  std::vector<double> noise(hz.size(), 0.0);
  int windows = 0;
  const int noiseLen = std::min(len, s.quietEnd);
  for (int b = s.quietEnd - noiseLen; b >= 0 && windows < 6; b -= noiseLen, ++windows) {
    const std::vector<double> p = Spectrum(x, b, noiseLen, rate, hz);
    for (size_t f = 0; f < hz.size(); ++f) noise[f] += p[f] * len / noiseLen;
  }
  std::vector<double> ratio(hz.size());
  for (size_t f = 0; f < hz.size(); ++f) ratio[f] = pulse[f] / (noise[f] / std::max(windows, 1) + 1e-30);
  return ratio;
}

double Dullness(const std::vector<double>& y, double time, int rate, double noiseSlope, double noisePower) {
  const int b = static_cast<int>(time * rate);
  const double f = MeanFrequency(y, b, b + static_cast<int>(kDullnessSpan * rate), rate, noiseSlope, noisePower);
  return f > 0 ? 1.0 / (2 * kPi * f) : 0.0;
}

void QuietStatistics(const std::vector<double>& y, int end, double& power, double& slope) {
  power = slope = 0;
  if (end < 2) return;
  for (int i = 1; i < end; ++i) {
    power += y[i] * y[i];
    slope += (y[i] - y[i - 1]) * (y[i] - y[i - 1]);
  }
  power /= end - 1;
  slope /= end - 1;
}

}  // namespace

double Rms(const std::vector<double>& x, int begin, int end) {
  begin = std::max(begin, 0);
  end = std::min<int>(end, static_cast<int>(x.size()));
  if (end <= begin) return 0.0;
  double sum = 0;
  for (int i = begin; i < end; ++i) sum += x[i] * x[i];
  return std::sqrt(sum / (end - begin));
}

TBlockSurvey SurveyBlock(const double* x, int n, int rate) {
  TBlockSurvey s;
  // Variance within 4 ms windows: the offset drops out and the hum, at most
  // a slow ramp over so short a span, counts for little beside the pulse.
  const int win = std::max(8, rate / 250);
  double best = -1;
  for (int b = 0; b + win <= n; b += win / 2) {
    double sum = 0, sum2 = 0;
    for (int i = b; i < b + win; ++i) {
      sum += x[i];
      sum2 += x[i] * x[i];
    }
    const double v = sum2 - sum * sum / win;
    if (v > best) {
      best = v;
      s.peak = b + win / 2;
    }
  }
  s.quietEnd = std::max(0, s.peak - static_cast<int>(kQuietGuardSeconds * rate));
  s.hasQuiet = s.quietEnd >= kMinQuietSeconds * rate;
  return s;
}

THumFit RemoveOffsetAndHum(std::vector<double>& x, int quietBegin, int quietEnd, int rate) {
  THumFit result;
  const Fit offsetOnly = FitHum(x, quietBegin, quietEnd, rate, 0.0);
  Fit best = offsetOnly;
  double bestHz = 0.0;
  for (double hz : {50.0, 60.0}) {
    const Fit f = FitHum(x, quietBegin, quietEnd, rate, hz);
    if (!f.ok) continue;
    // Each extra pair of terms must explain clearly more than noise would.
    const int extra = f.terms - offsetOnly.terms;
    const double noiseShare = 1.0 - 4.0 * extra / std::max(1, quietEnd - quietBegin);
    if (f.residual < best.residual && f.residual < offsetOnly.residual * noiseShare) {
      best = f;
      bestHz = hz;
    }
  }
  if (!best.ok) return result;
  result.mainsHz = bestHz;
  result.offset = best.coef[0];
  double humSum = 0;
  const int n = static_cast<int>(x.size());
  for (int i = 0; i < n; ++i) {
    const double phase = 2 * kPi * bestHz * i / rate;
    double hum = 0;
    for (int t = 1; t < best.terms; ++t) hum += best.coef[t] * Basis(t, phase);
    x[i] -= best.coef[0] + hum;
    humSum += hum * hum;
  }
  result.humRms = std::sqrt(humSum / std::max(n, 1));
  return result;
}

TBand ChooseBand(const std::vector<double>& left, const TBlockSurvey& leftSurvey, const std::vector<double>& right,
                 const TBlockSurvey& rightSurvey, int rate) {
  // Sixth-octave steps from 40 Hz to 0.45 rate, capped at 8 kHz where
  // floors carry nothing.
  std::vector<double> hz;
  for (double f = 40; f < std::min(0.45 * rate, 8000.0); f *= std::pow(2.0, 1.0 / 6)) hz.push_back(f);
  const std::vector<double> a = SnrSpectrum(left, leftSurvey, rate, hz);
  const std::vector<double> b = SnrSpectrum(right, rightSurvey, rate, hz);
  std::vector<double> ratio(hz.size());
  size_t top = 0;
  for (size_t f = 0; f < hz.size(); ++f) {
    ratio[f] = std::min(a[f], b[f]);
    if (ratio[f] > ratio[top]) top = f;
  }
  // Keep what stands 10 dB above the noise, and within 40 dB of the best.
  const double floor = std::max(10.0, ratio[top] * 1e-4);
  size_t lo = top, hi = top;
  while (lo > 0 && ratio[lo - 1] >= floor) --lo;
  while (hi + 1 < hz.size() && ratio[hi + 1] >= floor) ++hi;
  TBand band;
  band.lowHz = std::max(30.0, hz[lo] / std::pow(2.0, 1.0 / 6));
  band.highHz = hi + 1 == hz.size() ? 0.45 * rate : hz[hi] * std::pow(2.0, 1.0 / 6);
  // At least an octave: a narrower band rings and blurs the onset.
  if (band.highHz < 2 * band.lowHz) band.highHz = std::min(0.45 * rate, 2 * band.lowHz);
  return band;
}

void BandPass(std::vector<double>& x, const TBand& band, int rate) {
  if (band.lowHz > 0) RunBiquad(x, Butterworth(band.lowHz, rate, true));
  if (band.highHz > 0 && band.highHz < 0.45 * rate) RunBiquad(x, Butterworth(band.highHz, rate, false));
}

double BandPassDelay(const TBand& band, int rate) {
  if (band.highHz <= 0 || band.highHz >= 0.45 * rate) return 0.0;
  return std::sqrt(2.0) / (2 * kPi * band.highHz);
}

TCleanPair CleanPair(const double* left, const double* right, int n, int rate) {
  TCleanPair p;
  p.left.assign(left, left + n);
  p.right.assign(right, right + n);
  p.leftSurvey = SurveyBlock(left, n, rate);
  p.rightSurvey = SurveyBlock(right, n, rate);
  p.leftHum = RemoveOffsetAndHum(p.left, 0, std::max(p.leftSurvey.quietEnd, 1), rate);
  p.rightHum = RemoveOffsetAndHum(p.right, 0, std::max(p.rightSurvey.quietEnd, 1), rate);
  p.wideLeft = p.left;
  p.wideRight = p.right;
  if (p.leftSurvey.hasQuiet && p.rightSurvey.hasQuiet) {
    p.band = ChooseBand(p.left, p.leftSurvey, p.right, p.rightSurvey, rate);
    // Two octaves above the band: enough to see how dull each pulse is,
    // without the white noise of the whole card's band.
    const TBand wide{p.band.lowHz, 4 * p.band.highHz};
    BandPass(p.wideLeft, wide, rate);
    BandPass(p.wideRight, wide, rate);
    BandPass(p.left, p.band, rate);
    BandPass(p.right, p.band, rate);
    p.delay = BandPassDelay(p.band, rate);
  }
  QuietStatistics(p.wideLeft, p.leftSurvey.quietEnd, p.wideNoise[0], p.wideNoiseSlope[0]);
  QuietStatistics(p.wideRight, p.rightSurvey.quietEnd, p.wideNoise[1], p.wideNoiseSlope[1]);
  // The filter's start-up is left out of the noise.
  const int skip = static_cast<int>(0.005 * rate);
  p.leftNoise = Rms(p.left, std::min(skip, p.leftSurvey.quietEnd / 2), p.leftSurvey.quietEnd);
  p.rightNoise = Rms(p.right, std::min(skip, p.rightSurvey.quietEnd / 2), p.rightSurvey.quietEnd);
  return p;
}

double MeanFrequency(const std::vector<double>& y, int begin, int end, int rate, double noiseSlope,
                     double noisePower) {
  begin = std::max(begin, 1);
  end = std::min<int>(end, static_cast<int>(y.size()));
  if (end <= begin) return 0.0;
  double slope = 0, power = 0;
  for (int i = begin; i < end; ++i) {
    slope += (y[i] - y[i - 1]) * (y[i] - y[i - 1]);
    power += y[i] * y[i];
  }
  slope = slope / (end - begin) - noiseSlope;
  power = power / (end - begin) - noisePower;
  if (power <= noisePower || slope <= 0) return 0.0;
  // The first difference is the derivative to within 2 sin(w/2) ~ w.
  return std::sqrt(slope / power) * rate / (2 * kPi);
}

double LeftDullness(const TCleanPair& p, double time, int rate) {
  return Dullness(p.wideLeft, time, rate, p.wideNoiseSlope[0], p.wideNoise[0]);
}

double RightDullness(const TCleanPair& p, double time, int rate) {
  return Dullness(p.wideRight, time, rate, p.wideNoiseSlope[1], p.wideNoise[1]);
}
