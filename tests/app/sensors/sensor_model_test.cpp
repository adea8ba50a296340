// The sensor model's physics: arrivals at the travel time, amplitude
// falling as 1/sqrt(distance), the card's hum and offset, 16-bit samples.

#include "app/sensors/sensor_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

TPairSetup Lab(double x, double y, int right) {
  TPairSetup s;
  s.strikeX = x;
  s.strikeY = y;
  s.rightStation = right;
  return s;
}

// Only the travelling pulse: no hum, offset, coupling, noise or rounding.
TSceneTraits Bare(TSceneTraits t) {
  t.card.humLevel[0] = t.card.humLevel[1] = 0;
  t.card.offset[0] = t.card.offset[1] = 0;
  t.card.couplingHz = 0;
  t.card.quantize = false;
  return t;
}

int FirstNonZero(const std::vector<double>& x) {
  int i = 0;
  while (i < static_cast<int>(x.size()) && x[i] == 0.0) ++i;
  return i;
}

double Peak(const std::vector<double>& x) {
  double p = 0;
  for (double v : x) p = std::max(p, std::fabs(v));
  return p;
}

TEST(SensorModel, CleanPulseJumpsAtTheTravelTime) {
  TPairSetup s = Lab(500, 450, 1);
  s.realism = TRealism::Clean;
  const TPairRecording r = RecordPair(s, TSceneTraits{}, 1);
  const double ra = std::hypot(500 - 200, 450 - 300), rb = std::hypot(500 - 900, 450 - 200);
  EXPECT_DOUBLE_EQ(r.arrivalLeft, 0.1 + ra / 120000);
  EXPECT_DOUBLE_EQ(r.arrivalRight, 0.1 + rb / 120000);
  for (const auto& [x, arrival] : {std::pair{&r.left, r.arrivalLeft}, std::pair{&r.right, r.arrivalRight}}) {
    const int first = FirstNonZero(*x);
    EXPECT_EQ(first, static_cast<int>(std::ceil(arrival * s.rate)));
    const double since = static_cast<double>(first) / s.rate - arrival;
    EXPECT_NEAR((*x)[first], 0.8 * std::exp(-since / 0.01) * std::cos(2 * kPi * 150 * since), 1e-12);
    EXPECT_GT(std::fabs((*x)[first]), 0.7);  // a jump, not a rise
  }
}

TEST(SensorModel, RealisticPulseStartsAtTheArrivalAndRisesGradually) {
  TPairSetup s = Lab(700, 600, 2);
  s.snrDb = 400;  // no noise to speak of
  const TPairRecording r = RecordPair(s, Bare(DrawSceneTraits(7, 2, false)), 7);
  for (const auto& [x, arrival] : {std::pair{&r.left, r.arrivalLeft}, std::pair{&r.right, r.arrivalRight}}) {
    int first = 0;
    while (std::fabs((*x)[first]) < 1e-12) ++first;
    // Nothing before the arrival; the first sample after it.
    EXPECT_EQ(first, static_cast<int>(std::floor(arrival * s.rate)) + 1);
    // Emergent: over the first quarter millisecond still far below the peak.
    double early = 0;
    for (int i = first; i < first + s.rate / 4000; ++i) early = std::max(early, std::fabs((*x)[i]));
    EXPECT_LT(early, 0.1 * Peak(*x));
  }
}

TEST(SensorModel, AmplitudeFallsAsTheSquareRootOfDistance) {
  // Equal sensors and no loss of high frequencies: only spreading differs.
  for (const auto& [x, y] : {std::pair{250.0, 350.0}, std::pair{850.0, 260.0}, std::pair{600.0, 500.0}}) {
    TPairSetup s = Lab(x, y, 1);
    s.snrDb = 400;
    TSceneTraits t = Bare(DrawSceneTraits(3, 1, true));
    t.strike.attenuationQ = 0;
    t.strike.strength = 0.2;  // well below full scale: no clipping
    const TPairRecording r = RecordPair(s, t, 3);
    const double ra = std::hypot(x - 200, y - 300), rb = std::hypot(x - 900, y - 200);
    EXPECT_NEAR(Peak(r.left) / Peak(r.right), std::sqrt(rb / ra), 0.02 * std::sqrt(rb / ra)) << x << "," << y;
  }
}

TEST(SensorModel, FarStationsLoseTheHighFrequencies) {
  TPairSetup s = Lab(250, 330, 1);  // 58 mm from A, 663 mm from B
  s.snrDb = 400;
  TSceneTraits t = Bare(DrawSceneTraits(5, 1, true));
  t.strike.strength = 0.2;
  t.strike.attenuationQ = 25;
  const TPairRecording r = RecordPair(s, t, 5);
  // Power at 3 kHz over power at 300 Hz over 30 ms from just before the
  // arrival, Hann-windowed so that 300 Hz does not leak into 3 kHz.
  auto tilt = [&](const std::vector<double>& x, double arrival) {
    auto power = [&](double hz) {
      double re = 0, im = 0;
      const int b = static_cast<int>((arrival - 0.002) * s.rate), n = static_cast<int>(0.03 * s.rate);
      for (int i = 0; i < n; ++i) {
        const double v = x[b + i] * (0.5 - 0.5 * std::cos(2 * kPi * i / n));
        re += v * std::cos(2 * kPi * hz * i / s.rate);
        im += v * std::sin(2 * kPi * hz * i / s.rate);
      }
      return re * re + im * im;
    };
    return power(3000) / power(300);
  };
  // The loss exp(-pi f r / (Q v)) in power, between 300 Hz and 3 kHz over
  // the 605 mm more to B: about 0.03; the two-pole stand-in loses less.
  EXPECT_LT(tilt(r.right, r.arrivalRight), 0.25 * tilt(r.left, r.arrivalLeft));
}

TEST(SensorModel, CardAddsHumOffsetNoiseAndSixteenBitSamples) {
  TPairSetup s = Lab(500, 450, 1);
  TSceneTraits t = DrawSceneTraits(11, 1, false);
  t.card.mainsHz = 60;
  t.card.humLevel[0] = 0.02;
  t.card.offset[0] = -0.025;
  const TPairRecording r = RecordPair(s, t, 11);
  // Least squares over the 90 ms before the strike at the mains and its
  // third harmonic, which are orthogonal over whole cycles there.
  const int n = static_cast<int>(0.09 * s.rate);
  double mean = 0, c1 = 0, s1 = 0, s3 = 0, c3 = 0;
  for (int i = 0; i < n; ++i) {
    const double ph = 2 * kPi * 60 * i / s.rate;
    mean += r.left[i] / n;
    s1 += 2 * r.left[i] * std::sin(ph) / n;
    c1 += 2 * r.left[i] * std::cos(ph) / n;
    s3 += 2 * r.left[i] * std::sin(3 * ph) / n;
    c3 += 2 * r.left[i] * std::cos(3 * ph) / n;
  }
  EXPECT_NEAR(mean, -0.025, 0.002);
  EXPECT_NEAR(std::hypot(s1, c1), 0.02, 0.002);
  EXPECT_NEAR(std::hypot(s3, c3), 0.02 * t.card.humThirdShare, 0.002);
  // What is left is the white noise the SNR asked for.
  double rest = 0;
  for (int i = 0; i < n; ++i) {
    const double ph = 2 * kPi * 60 * i / s.rate;
    const double v = r.left[i] - mean - s1 * std::sin(ph) - c1 * std::cos(ph) - s3 * std::sin(3 * ph) -
                     c3 * std::cos(3 * ph);
    rest += v * v / n;
  }
  EXPECT_NEAR(std::sqrt(rest), r.noiseRms, 0.1 * r.noiseRms);
  for (const std::vector<double>* x : {&r.left, &r.right})
    for (double v : *x) ASSERT_EQ(v * 32768, std::round(v * 32768));
}

TEST(SensorModel, DrawsWithinTheDocumentedRangesAndKeepsEachStationsSensor) {
  int reversed = 0;
  const int draws = 400;
  for (int seed = 0; seed < draws; ++seed) {
    const TSceneTraits ab = DrawSceneTraits(seed, 1, false), ac = DrawSceneTraits(seed, 2, false);
    EXPECT_EQ(ab.sensor[0].gain, ac.sensor[0].gain);  // station A hears both pairs through one sensor
    EXPECT_EQ(ab.card.mainsHz, ac.card.mainsHz);
    for (const TSensorTraits& k : ab.sensor) {
      EXPECT_TRUE(k.gain >= 0.3 && k.gain <= 1.0);
      EXPECT_TRUE(k.resonanceHz >= 800 && k.resonanceHz <= 3000);
      EXPECT_TRUE(k.resonanceQ >= 2 && k.resonanceQ <= 6);
      reversed += k.reversed;
    }
    EXPECT_TRUE(ab.strike.riseTime >= 0.001 && ab.strike.riseTime <= 0.003);
    EXPECT_TRUE(std::fabs(ab.card.offset[1]) <= 0.03);
    EXPECT_TRUE(ab.card.humLevel[1] >= 0.01 && ab.card.humLevel[1] <= 0.03);
  }
  EXPECT_NEAR(reversed / (3.0 * draws), 0.2, 0.04);
  const TSceneTraits equal = DrawSceneTraits(9, 1, true);
  EXPECT_EQ(equal.sensor[0].gain, equal.sensor[2].gain);
  EXPECT_FALSE(equal.sensor[1].reversed);
}

}  // namespace
