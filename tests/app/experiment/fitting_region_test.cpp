#include "app/experiment/fitting_region.h"

#include <cmath>
#include <iostream>
#include <random>

#include <gtest/gtest.h>

namespace {

struct Point {
  double x, y;
};

constexpr Point kLab[3] = {{200, 300}, {900, 200}, {600, 800}};  // A, B, C
constexpr double kVelocity = 120000;

double Dist(Point p, Point q) { return std::hypot(p.x - q.x, p.y - q.y); }

TFittingRegionInput Stations(const Point (&s)[3], double velocity = kVelocity) {
  TFittingRegionInput in;
  for (int k = 0; k < 3; ++k) {
    in.stationX[k] = s[k].x;
    in.stationY[k] = s[k].y;
  }
  in.velocity = velocity;
  return in;
}

// The two pairs as a sound card records them: each pair in its own block,
// its two times cut to whole samples of one clock with the block's own phase.
TFittingRegionInput Recorded(const Point (&s)[3], Point strike, double rate, std::mt19937& gen,
                             double velocity = kVelocity) {
  TFittingRegionInput in = Stations(s, velocity);
  std::uniform_real_distribution<double> phase(0.0, 1.0 / rate);
  auto quantized = [&](double t) { return std::floor(t * rate) / rate; };
  const double tA = Dist(strike, s[0]) / velocity;
  TRegionDelay* delays[2] = {&in.delayB, &in.delayC};
  for (int k = 0; k < 2; ++k) {
    const double origin = 0.1 + phase(gen);
    const double tK = Dist(strike, s[k + 1]) / velocity;
    *delays[k] = {true, quantized(origin + tK) - quantized(origin + tA), DelayUncertainty(rate, {}, {})};
  }
  return in;
}

// The definition itself, with no cell bound: each known delay's prediction
// within the measured delay and its uncertainty.
bool Fits(const TFittingRegionInput& in, Point p) {
  const Point a{in.stationX[0], in.stationY[0]};
  const TRegionDelay* delays[2] = {&in.delayB, &in.delayC};
  for (int k = 0; k < 2; ++k) {
    if (!delays[k]->known) continue;
    const double predicted = (Dist(p, {in.stationX[k + 1], in.stationY[k + 1]}) - Dist(p, a)) / in.velocity;
    if (std::abs(predicted - delays[k]->seconds) > delays[k]->uncertainty) return false;
  }
  return true;
}

bool InsideTriangle(Point p) {
  auto side = [&](Point u, Point v) { return (v.x - u.x) * (p.y - u.y) - (v.y - u.y) * (p.x - u.x); };
  const double s0 = side(kLab[0], kLab[1]), s1 = side(kLab[1], kLab[2]), s2 = side(kLab[2], kLab[0]);
  return (s0 > 0 && s1 > 0 && s2 > 0) || (s0 < 0 && s1 < 0 && s2 < 0);
}

double Spread(const TFittingRegion& r, Point p) {
  const auto far = r.Farthest(p.x, p.y);
  return far ? far->distance : -1.0;
}

// Every struck point of a 40 mm grid over the map, at a sound card's and a
// telephone's rate, lies in the region its recorded times give; inside the
// stations' triangle the region stays small.
TEST(FittingRegion, HoldsEveryStruckPointAndStaysSmallInsideTheTriangle) {
  std::mt19937 gen(7);
  for (double rate : {44100.0, 8000.0}) {
    int strikes = 0, maxParts = 0;
    double insideSpread = 0, outsideSpread = 0;
    for (double y = 20; y < 1000; y += 40)
      for (double x = 20; x < 1400; x += 40) {
        const Point strike{x, y};
        const TFittingRegionInput in = Recorded(kLab, strike, rate, gen);
        ASSERT_TRUE(Fits(in, strike));
        const TFittingRegion r = ComputeFittingRegion(in);
        ASSERT_EQ(r.verdict, TRegionVerdict::Fits) << x << "," << y << " at " << rate;
        const int part = r.PartAt(x, y);
        ASSERT_GE(part, 0) << x << "," << y << " at " << rate;
        EXPECT_EQ(*r.DistanceToPart(part, x, y), 0.0);
        const double spread = Spread(r, strike);
        ASSERT_TRUE(std::isfinite(spread));
        if (InsideTriangle(strike)) {
          insideSpread = std::max(insideSpread, spread);
          // The hyperbolas cross once inside the triangle.
          EXPECT_EQ(r.parts.size(), 1u) << x << "," << y << " at " << rate;
        } else {
          outsideSpread = std::max(outsideSpread, spread);
        }
        maxParts = std::max(maxParts, static_cast<int>(r.parts.size()));
        ++strikes;
      }
    std::cout << rate << " samples/s: " << strikes << " strikes, up to " << maxParts
              << " parts, largest spread inside the triangle " << insideSpread << " mm, outside " << outsideSpread
              << " mm\n";
    // One sample is 2.7 mm of travel at 44100/s and 15 mm at 8000/s.
    const double sampleMm = kVelocity / rate;
    EXPECT_GT(insideSpread, 2 * sampleMm);
    EXPECT_LT(insideSpread, 15 * sampleMm);
    EXPECT_GT(outsideSpread, insideSpread);
  }
}

// Around one strike, every point that fits by the definition (sampled finer
// than a cell) is in the region and no farther than the farthest point
// reported; a point beside the region gets its distance to the part.
TEST(FittingRegion, ContainsEveryFittingPointAndBoundsTheirDistance) {
  std::mt19937 gen(3);
  const Point strike{500, 450};
  const TFittingRegionInput in = Recorded(kLab, strike, 8000, gen);
  const TFittingRegion r = ComputeFittingRegion(in);
  ASSERT_EQ(r.parts.size(), 1u);
  const double spread = r.FarthestInPart(0, strike.x, strike.y)->distance;
  int fitting = 0;
  for (double y = 350; y <= 550; y += 0.25)
    for (double x = 400; x <= 600; x += 0.25) {
      if (!Fits(in, {x, y})) continue;
      ++fitting;
      ASSERT_EQ(r.PartAt(x, y), 0) << x << "," << y;
      ASSERT_LE(Dist({x, y}, strike), spread);
    }
  EXPECT_GT(fitting, 100);
  EXPECT_TRUE(r.parts[0].bestFits);
  EXPECT_LT(r.parts[0].chi2, 1.0);
  // At most one cell wider than the exact region: a point 3 cells beyond
  // the part's box is outside, at a distance between 2 and 3 cells.
  const double beside = r.parts[0].maxX + 3 * r.cellSize;
  EXPECT_EQ(r.PartAt(beside, strike.y), -1);
  const double d = *r.DistanceToPart(0, beside, strike.y);
  EXPECT_GE(d, 3 * r.cellSize - 1e-9);
  EXPECT_LE(d, Dist({beside, strike.y}, strike));
}

// Struck outside the triangle, the two hyperbolas can cross twice on the map:
// the region then has two parts, each with a point that fits. Found by
// scanning strikes with the region itself.
TEST(FittingRegion, SeparatesTheTwoPlacesTheTimesAllow) {
  std::mt19937 gen(11);
  bool found = false;
  for (double y = 10; y < 1000 && !found; y += 20)
    for (double x = 10; x < 1400 && !found; x += 20) {
      const Point strike{x, y};
      if (InsideTriangle(strike)) continue;
      const TFittingRegionInput in = Recorded(kLab, strike, 44100, gen);
      const TFittingRegion r = ComputeFittingRegion(in);
      if (r.parts.size() != 2) continue;
      const Point b0{r.parts[0].bestX, r.parts[0].bestY}, b1{r.parts[1].bestX, r.parts[1].bestY};
      if (Dist(b0, b1) < 100) continue;
      found = true;
      std::cout << "two parts for a strike at " << x << "," << y << ": best points " << b0.x << "," << b0.y
                << " and " << b1.x << "," << b1.y << "\n";
      EXPECT_GE(r.PartAt(x, y), 0);
      for (const TRegionPart& p : r.parts) {
        EXPECT_TRUE(p.bestFits);
        EXPECT_TRUE(Fits(in, {p.bestX, p.bestY}));
        EXPECT_LE(p.chi2, 2.0);
      }
      EXPECT_LE(r.parts[0].chi2, r.parts[1].chi2);
      // The other part is far from the strike: the two cannot be told apart.
      const int other = 1 - r.PartAt(x, y);
      EXPECT_GT(*r.DistanceToPart(other, x, y), 50.0);
    }
  EXPECT_TRUE(found);
}

// Far outside the triangle the hyperbolas run nearly side by side: the
// region is one long band, one part however long.
TEST(FittingRegion, CountsALongBandAsOnePart) {
  std::mt19937 gen(5);
  const Point strike{1300, 100};
  const TFittingRegion r = ComputeFittingRegion(Recorded(kLab, strike, 44100, gen));
  ASSERT_EQ(r.parts.size(), 1u);
  EXPECT_EQ(r.PartAt(strike.x, strike.y), 0);
  EXPECT_GT(Spread(r, strike), 200.0);
  EXPECT_TRUE(r.parts[0].bestFits);
}

// Cases the class runs into: nothing measured, stations in a line, one pair
// not recorded, none recorded, and extreme velocities.
TEST(FittingRegion, DegenerateLabs) {
  std::mt19937 gen(1);
  {
    // All four times 0: the point as far from A as from B and C, the centre
    // of the circle through the stations, at (521.74, 510.87) here.
    TFittingRegionInput in = Stations(kLab);
    in.delayB = {true, 0.0, 1 / 44100.0};
    in.delayC = {true, 0.0, 1 / 44100.0};
    const TFittingRegion r = ComputeFittingRegion(in);
    ASSERT_EQ(r.parts.size(), 1u);
    EXPECT_NEAR(r.parts[0].bestX, 573.077, 0.01);
    EXPECT_NEAR(r.parts[0].bestY, 411.538, 0.01);
  }
  {
    // Stations in a line cannot tell a point from its mirror image.
    const Point line[3] = {{200, 500}, {700, 500}, {1200, 500}};
    const TFittingRegion r = ComputeFittingRegion(Recorded(line, {600, 300}, 44100, gen));
    ASSERT_EQ(r.parts.size(), 2u);
    EXPECT_NE(r.PartAt(600, 300), -1);
    EXPECT_NE(r.PartAt(600, 700), -1);
    EXPECT_NE(r.PartAt(600, 300), r.PartAt(600, 700));
  }
  {
    // Pair A+C not recorded: a band across the map through the strike.
    TFittingRegionInput in = Recorded(kLab, {500, 450}, 44100, gen);
    in.delayC.known = false;
    const TFittingRegion r = ComputeFittingRegion(in);
    ASSERT_EQ(r.parts.size(), 1u);
    EXPECT_EQ(r.PartAt(500, 450), 0);
    EXPECT_GT(Spread(r, {500, 450}), 400.0);
    EXPECT_LT(r.parts[0].cells, r.columns * r.rows / 10);
    // An exact delay: a curve with no width, still drawn, still one part.
    in.delayB.uncertainty = 0;
    const TFittingRegion curve = ComputeFittingRegion(in);
    EXPECT_EQ(curve.parts.size(), 1u);
    EXPECT_GT(Spread(curve, {500, 450}), 400.0);
  }
  {
    // B put down on A: every point is as far from both, so delay B can only
    // be 0; C alone then places the strike on a band.
    const Point stacked[3] = {kLab[0], kLab[0], kLab[2]};
    TFittingRegionInput in = Recorded(stacked, {500, 450}, 44100, gen);
    TFittingRegion r = ComputeFittingRegion(in);
    ASSERT_EQ(r.parts.size(), 1u);
    EXPECT_EQ(r.PartAt(500, 450), 0);
    in.delayB.seconds = 1e-3;
    r = ComputeFittingRegion(in);
    EXPECT_EQ(r.noFit.reason, TNoFitReason::DelayLongerThanStations);
    EXPECT_EQ(r.noFit.stationDistance, 0.0);
  }
  {
    TFittingRegionInput in = Stations(kLab);
    const TFittingRegion r = ComputeFittingRegion(in);
    EXPECT_EQ(r.verdict, TRegionVerdict::CannotTell);
    ASSERT_EQ(r.parts.size(), 1u);
    EXPECT_EQ(r.parts[0].cells, 700 * 500);
    EXPECT_NEAR(Spread(r, {0, 0}), std::hypot(1400, 1000), 1e-9);
  }
  for (double v : {100.0, 1e7}) {
    const TFittingRegion r = ComputeFittingRegion(Recorded(kLab, {500, 450}, 44100, gen, v));
    ASSERT_FALSE(r.Empty()) << v;
    EXPECT_GE(r.PartAt(500, 450), 0) << v;
    const double spread = Spread(r, {500, 450});
    EXPECT_TRUE(std::isfinite(spread));
    // 0.002 mm per sample at 100 mm/s: a few cells; 227 mm at 1e7 mm/s.
    if (v == 100.0) EXPECT_LT(spread, 10.0);
    else EXPECT_GT(spread, 200.0);
  }
}

TEST(FittingRegion, SaysWhyNothingFits) {
  // A delay longer than the pulse needs from A straight to B.
  TFittingRegionInput in = Stations(kLab);
  const double ab = Dist(kLab[0], kLab[1]);
  in.delayB = {true, (ab + 60) / kVelocity, 1 / 44100.0};
  in.delayC = {true, 0.0, 1 / 44100.0};
  TFittingRegion r = ComputeFittingRegion(in);
  EXPECT_EQ(r.verdict, TRegionVerdict::NothingFits);
  EXPECT_TRUE(r.Empty());
  EXPECT_FALSE(r.Farthest(500, 450));
  EXPECT_EQ(r.noFit.reason, TNoFitReason::DelayLongerThanStations);
  EXPECT_EQ(r.noFit.delay, 0);
  EXPECT_NEAR(r.noFit.stationDistance, ab, 1e-9);
  EXPECT_NEAR(r.noFit.shortestTravel, ab + 60 - kVelocity / 44100.0, 1e-6);

  // B reached nearly as late as it can be (behind A, seen from B) and C
  // nearly as early as it can be (behind C): each fits, never together.
  in.delayB = {true, 0.98 * ab / kVelocity, 1 / 44100.0};
  in.delayC = {true, -0.98 * Dist(kLab[0], kLab[2]) / kVelocity, 1 / 44100.0};
  r = ComputeFittingRegion(in);
  EXPECT_EQ(r.verdict, TRegionVerdict::NothingFits);
  EXPECT_EQ(r.noFit.reason, TNoFitReason::NoCommonPoint);
  EXPECT_GT(r.noFit.bestChi2, 2.0);
  EXPECT_TRUE(std::isfinite(r.noFit.bestX) && std::isfinite(r.noFit.bestY));

  // A and B off the map's left edge, B reached late: only points beyond A,
  // left of x = -415 mm, fit delay B.
  const Point offMap[3] = {{-400, 500}, {-100, 500}, {600, 800}};
  in = Stations(offMap);
  in.delayB = {true, 270 / kVelocity, 1e-6};
  in.delayC = {true, 0.0, 1e-6};
  r = ComputeFittingRegion(in);
  EXPECT_EQ(r.noFit.reason, TNoFitReason::DelayOffMap);
  EXPECT_EQ(r.noFit.delay, 0);

  // Inputs that are not numbers are refused, not drawn.
  in.delayC.seconds = NAN;
  EXPECT_EQ(ComputeFittingRegion(in).fault, TInputFault::DelayNotFinite);
  in = Stations(kLab, INFINITY);
  EXPECT_EQ(ComputeFittingRegion(in).verdict, TRegionVerdict::InvalidInput);
  in = Stations(kLab);
  in.stationY[2] = NAN;
  EXPECT_EQ(ComputeFittingRegion(in).fault, TInputFault::StationNotFinite);
}

TEST(FittingRegion, ExactOrNegativeUncertaintyStillHoldsTheStrike) {
  std::mt19937 gen(2);
  TFittingRegionInput in = Recorded(kLab, {800, 600}, 44100, gen);
  // The times without quantization: exact delays, uncertainty 0 and -1.
  in.delayB = {true, (Dist({800, 600}, kLab[1]) - Dist({800, 600}, kLab[0])) / kVelocity, 0.0};
  in.delayC = {true, (Dist({800, 600}, kLab[2]) - Dist({800, 600}, kLab[0])) / kVelocity, -1.0};
  const TFittingRegion r = ComputeFittingRegion(in);
  ASSERT_GE(r.PartAt(800, 600), 0);
  EXPECT_LT(Spread(r, {800, 600}), 4 * r.cellSize);
  EXPECT_LT(Dist({r.parts[0].bestX, r.parts[0].bestY}, {800, 600}), 0.05);
}

TEST(DelayUncertainty, OneSampleUnlessACursorWasCoarser) {
  const TTimeReading detected;
  EXPECT_DOUBLE_EQ(DelayUncertainty(8000, detected, detected), 1 / 8000.0);
  // Released at a zoom of 1 ms per pixel, and at 1 µs per pixel (finer
  // than a sample, which still bounds it).
  EXPECT_DOUBLE_EQ(DelayUncertainty(8000, detected, {true, 1e-3}), 1e-3);
  EXPECT_DOUBLE_EQ(DelayUncertainty(8000, {true, 1e-6}, detected), 1 / 8000.0);
  EXPECT_TRUE(std::isnan(DelayUncertainty(0, detected, detected)));
}

}  // namespace
