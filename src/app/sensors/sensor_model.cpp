#include "app/sensors/sensor_model.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace {

constexpr double kPi = 3.14159265358979323846;

uint64_t Mix(uint64_t seed, uint64_t salt) {
  // splitmix64: nearby seeds give unrelated streams.
  uint64_t z = seed + 0x9E3779B97F4A7C15ull * (salt + 1);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Uniform(std::mt19937_64& rng, double lo, double hi) {
  return std::uniform_real_distribution<double>(lo, hi)(rng);
}

// The force of the blow: a raised-cosine bump, so the ground starts moving
// smoothly (as t^2) rather than with a step.
double ForcePulse(double t, double duration) {
  if (t <= 0 || t >= duration) return 0.0;
  const double s = std::sin(kPi * t / duration);
  return s * s;
}

// A floor mode excited at once: impulse response exp(-t/decay) cos(2 pi f t).
void AddRingMode(const std::vector<double>& in, double weight, double hz, double decay, int rate,
                 std::vector<double>& out) {
  const double r = std::exp(-1.0 / (decay * rate));
  const double w = 2 * kPi * hz / rate;
  const double a1 = 2 * r * std::cos(w), a2 = -r * r, b1 = -r * std::cos(w);
  double y1 = 0, y2 = 0, x1 = 0;
  for (size_t n = 0; n < in.size(); ++n) {
    const double y = in[n] + b1 * x1 + a1 * y1 + a2 * y2;
    x1 = in[n];
    y2 = y1;
    y1 = y;
    out[n] += weight * y;
  }
}

// Causal one-pole low-pass: the loss of high frequencies over the path.
void OnePoleLowPass(std::vector<double>& x, double hz, int rate) {
  const double a = std::exp(-2 * kPi * hz / rate);
  double y = 0;
  for (double& v : x) v = y = (1 - a) * v + a * y;
}

// The sensor's resonance: a second-order resonant low-pass (bilinear).
void ResonantLowPass(std::vector<double>& x, double hz, double q, int rate) {
  const double w = 2 * kPi * std::min(hz, 0.45 * rate) / rate;
  const double alpha = std::sin(w) / (2 * q), c = std::cos(w);
  const double a0 = 1 + alpha;
  const double b0 = (1 - c) / 2 / a0, b1 = (1 - c) / a0, b2 = b0;
  const double a1 = -2 * c / a0, a2 = (1 - alpha) / a0;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  for (double& v : x) {
    const double y = b0 * v + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = v;
    y2 = y1;
    y1 = y;
    v = y;
  }
}

// The card's AC coupling: a first-order high-pass.
void CouplingHighPass(std::vector<double>& x, double hz, int rate) {
  const double a = std::exp(-2 * kPi * hz / rate);
  double xPrev = 0, y = 0;
  for (double& v : x) {
    y = a * (y + v - xPrev);
    xPrev = v;
    v = y;
  }
}

double Distance(const TPairSetup& s, int station) {
  return std::hypot(s.stationX[station] - s.strikeX, s.stationY[station] - s.strikeY);
}

double PeakMagnitude(const std::vector<double>& x) {
  double peak = 0;
  for (double v : x) peak = std::max(peak, std::fabs(v));
  return peak;
}

// The ground's motion under one station, before the sensor: force pulse
// through the floor's modes, scaled to `scale` at its peak.
std::vector<double> GroundMotion(const TPairSetup& s, const TStrikeTraits& k, double arrival, int n) {
  std::vector<double> force(n), ground(n, 0.0);
  const int first = std::max(0, static_cast<int>(std::floor(arrival * s.rate)));
  const int last = std::min(n, first + static_cast<int>(std::ceil(k.riseTime * s.rate)) + 2);
  for (int i = first; i < last; ++i) force[i] = ForcePulse(static_cast<double>(i) / s.rate - arrival, k.riseTime);
  AddRingMode(force, 1.0, k.mode1Hz, k.mode1Decay, s.rate, ground);
  AddRingMode(force, k.mode2Share, k.mode2Hz, k.mode2Decay, s.rate, ground);
  return ground;
}

}  // namespace

double TravelTime(const TPairSetup& setup, int station) { return Distance(setup, station) / setup.velocity; }

TSceneTraits DrawSceneTraits(uint64_t seed, int rightStation, bool equalSensors) {
  TSceneTraits t;
  for (int k = 0; k < 3; ++k) {
    std::mt19937_64 rng(Mix(seed, 100 + k));
    TSensorTraits& s = t.sensor[k];
    s.gain = Uniform(rng, 0.3, 1.0);
    s.reversed = Uniform(rng, 0, 1) < 0.2;
    s.resonanceHz = Uniform(rng, 800, 3000);
    s.resonanceQ = Uniform(rng, 2, 6);
    if (equalSensors) s = TSensorTraits{};
  }
  std::mt19937_64 rng(Mix(seed, 200 + rightStation));
  TStrikeTraits& k = t.strike;
  k.riseTime = Uniform(rng, 0.001, 0.003);
  k.mode1Hz = Uniform(rng, 120, 300);
  k.mode1Decay = Uniform(rng, 0.01, 0.03);
  k.mode2Hz = Uniform(rng, 400, 1200);
  k.mode2Decay = Uniform(rng, 0.003, 0.010);
  k.mode2Share = Uniform(rng, 0.3, 1.0);
  k.attenuationQ = Uniform(rng, 15, 40);
  k.strength = Uniform(rng, 0.5, 0.9);
  TCardTraits& c = t.card;
  // The lab's mains do not change between pairs.
  std::mt19937_64 mains(Mix(seed, 300));
  c.mainsHz = Uniform(mains, 0, 1) < 0.5 ? 50.0 : 60.0;
  for (int ch = 0; ch < 2; ++ch) {
    c.humLevel[ch] = Uniform(rng, 0.01, 0.03);
    c.offset[ch] = Uniform(rng, -0.03, 0.03);
  }
  c.humThirdShare = Uniform(rng, 0.2, 0.6);
  c.humPhase = Uniform(rng, 0, 2 * kPi);
  return t;
}

TPairRecording RecordPair(const TPairSetup& s, const TSceneTraits& traits, uint64_t seed) {
  const int n = static_cast<int>(std::lround(s.blockSeconds * s.rate));
  const int stations[2] = {0, s.rightStation};
  TPairRecording rec;
  rec.arrivalLeft = s.strikeTime + TravelTime(s, 0);
  rec.arrivalRight = s.strikeTime + TravelTime(s, s.rightStation);
  std::vector<double>* out[2] = {&rec.left, &rec.right};
  const double arrivals[2] = {rec.arrivalLeft, rec.arrivalRight};

  if (s.realism == TRealism::Clean) {
    for (int ch = 0; ch < 2; ++ch) {
      out[ch]->assign(n, 0.0);
      for (int i = 0; i < n; ++i) {
        const double since = static_cast<double>(i) / s.rate - arrivals[ch];
        if (since >= 0) (*out[ch])[i] = 0.8 * std::exp(-since / 0.01) * std::cos(2 * kPi * 150 * since);
      }
    }
    return rec;
  }

  const TStrikeTraits& k = traits.strike;
  // One scale for both channels, from the ground's motion at an arrival on a
  // whole sample, so the amplitudes compare across stations.
  const std::vector<double> reference = GroundMotion(s, k, s.strikeTime - std::fmod(s.strikeTime, 1.0 / s.rate), n);
  const double unit = 1.0 / std::max(PeakMagnitude(reference), 1e-12);
  for (int ch = 0; ch < 2; ++ch) {
    const int st = stations[ch];
    const double r = Distance(s, st);
    std::vector<double> x = GroundMotion(s, k, arrivals[ch], n);
    if (k.attenuationQ > 0) {
      // Two poles at f0 = Q v / (pi r) follow the constant-Q loss
      // exp(-pi f r / (Q v)) closely up to f0: a third left at f0.
      const double f0 = k.attenuationQ * s.velocity / (kPi * std::max(r, kNearField));
      OnePoleLowPass(x, f0, s.rate);
      OnePoleLowPass(x, f0, s.rate);
    }
    const TSensorTraits& sensor = traits.sensor[st];
    ResonantLowPass(x, sensor.resonanceHz, sensor.resonanceQ, s.rate);
    const double amplitude = unit * k.strength * std::sqrt(kReferenceDistance / std::max(r, kNearField)) *
                             sensor.gain * (sensor.reversed ? -1.0 : 1.0);
    for (double& v : x) v *= amplitude;
    if (traits.card.couplingHz > 0) CouplingHighPass(x, traits.card.couplingHz, s.rate);
    *out[ch] = std::move(x);
  }

  const TCardTraits& c = traits.card;
  rec.noiseRms = std::max(PeakMagnitude(rec.left), PeakMagnitude(rec.right)) / std::pow(10.0, s.snrDb / 20);
  std::mt19937_64 rng(Mix(seed, 400 + s.rightStation));
  std::normal_distribution<double> noise(0.0, rec.noiseRms);
  for (int ch = 0; ch < 2; ++ch) {
    std::vector<double>& x = *out[ch];
    for (int i = 0; i < n; ++i) {
      const double phase = 2 * kPi * c.mainsHz * i / s.rate + c.humPhase;
      const double hum = c.humLevel[ch] * (std::sin(phase) + c.humThirdShare * std::sin(3 * phase + 0.7));
      double v = x[i] + hum + c.offset[ch] + noise(rng);
      v = std::clamp(v, -1.0, 1.0);
      if (c.quantize) v = std::clamp(std::round(v * 32768.0), -32768.0, 32767.0) / 32768.0;
      x[i] = v;
    }
  }
  return rec;
}
