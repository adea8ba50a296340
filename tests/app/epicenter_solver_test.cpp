#include "app/experiment/epicenter_solver.h"

#include <cmath>

#include <gtest/gtest.h>

#include "app/experiment/rounding.h"

namespace {

struct Point {
  double x, y;
};

TExperimentState Stations(Point a, Point b, Point c, int32_t velocity = 120000) {
  TExperimentState s;
  const Point p[3] = {a, b, c};
  for (int k = 0; k < 3; ++k) {
    s.stationX[k] = static_cast<int32_t>(p[k].x);
    s.stationY[k] = static_cast<int32_t>(p[k].y);
  }
  s.pulseVelocity = velocity;
  s.mapScale = 2.0;
  return s;
}

// Arrival times of a pulse struck at `e`, as two acquisitions with different
// time origins would measure them.
void StrikeAt(TExperimentState& s, Point e) {
  auto dist = [&](int k) { return std::hypot(e.x - s.stationX[k], e.y - s.stationY[k]); };
  const double v = s.pulseVelocity;
  s.timeA_AB = 0.5;
  s.timeB = 0.5 + (dist(stB) - dist(stA)) / v;
  s.timeA_AC = 1.2;
  s.timeC = 1.2 + (dist(stC) - dist(stA)) / v;
}

double DistanceTo(const TExperimentState& s, int k, double x, double y) {
  return std::hypot(x - s.stationX[k], y - s.stationY[k]);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(50.5), 50);
  EXPECT_EQ(RoundHalfEven(100.5), 100);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(136.284), 136);
  EXPECT_EQ(RoundHalfEven(28.596), 29);
  EXPECT_EQ(RoundHalfEven(-2.7), -3);
  EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
  EXPECT_EQ(RoundHalfEven32(1e12), std::numeric_limits<int32_t>::max());
}

TEST(EpicenterSolver, WorkedExample) {
  TExperimentState s = Stations({200, 300}, {900, 200}, {600, 800});
  s.timeA_AB = 0.5;
  s.timeB = 0.5011357;
  s.timeA_AC = 1.2;
  s.timeC = 1.2002383;
  TSolveResult r = SolveEpicenter(s);
  EXPECT_EQ(s.radiusIncrement[stA], 0);
  EXPECT_EQ(s.radiusIncrement[stB], 136);
  EXPECT_EQ(s.radiusIncrement[stC], 29);
  ASSERT_EQ(r.outcome, TSolveOutcome::Accepted);
  EXPECT_EQ(r.radius, 335);
  EXPECT_NEAR(r.x, 500.70, 0.005);
  EXPECT_NEAR(r.y, 449.81, 0.005);
  EXPECT_EQ(s.epicenterX, r.x);
  EXPECT_EQ(s.epicenterY, r.y);
  EXPECT_EQ(r.markerLeft, 250);
  EXPECT_EQ(r.markerTop, 225);
  EXPECT_STREQ(SolveMessage(r.outcome), "");
}

TEST(EpicenterSolver, FindsTheStrikeWhenTheOuterStationsShareACoordinate) {
  // A is nearest; B and C (the last and middle stations) share x = 600 ...
  TExperimentState sx = Stations({200, 300}, {600, 200}, {600, 800});
  StrikeAt(sx, {300, 400});
  TSolveResult rx = SolveEpicenter(sx);
  ASSERT_EQ(rx.outcome, TSolveOutcome::Accepted);
  EXPECT_NEAR(rx.x, 300, 2.0);
  EXPECT_NEAR(rx.y, 400, 2.0);

  // ... or y = 200.
  TExperimentState sy = Stations({200, 700}, {600, 200}, {1000, 200});
  StrikeAt(sy, {300, 600});
  TSolveResult ry = SolveEpicenter(sy);
  ASSERT_EQ(ry.outcome, TSolveOutcome::Accepted);
  EXPECT_NEAR(ry.x, 300, 2.0);
  EXPECT_NEAR(ry.y, 600, 2.0);
}

TEST(EpicenterSolver, NegativeDelayMakesTheEarliestStationFirst) {
  TExperimentState s = Stations({200, 300}, {900, 200}, {600, 800});
  StrikeAt(s, {850, 250});  // B is reached well before A
  TSolveResult r = SolveEpicenter(s);
  EXPECT_EQ(s.radiusIncrement[stB], 0);
  EXPECT_GT(s.radiusIncrement[stA], 0);
  EXPECT_GT(s.radiusIncrement[stC], 0);
  EXPECT_EQ(s.radiusIncrement[stA],
            RoundHalfEven(DistanceTo(s, stA, 850, 250) - DistanceTo(s, stB, 850, 250)));
  ASSERT_EQ(r.outcome, TSolveOutcome::Accepted);
  EXPECT_NEAR(r.x, 850, 2.0);
  EXPECT_NEAR(r.y, 250, 2.0);
}

TEST(EpicenterSolver, AllTimesZeroFindsThePointEquidistantFromTheStations) {
  TExperimentState s = Stations({200, 300}, {900, 200}, {600, 800});
  TSolveResult r = SolveEpicenter(s);
  EXPECT_EQ(s.radiusIncrement[stA], 0);
  EXPECT_EQ(s.radiusIncrement[stB], 0);
  EXPECT_EQ(s.radiusIncrement[stC], 0);
  ASSERT_EQ(r.outcome, TSolveOutcome::Accepted);
  // On the circles of radius r around B and C, and within tolerance of A's.
  EXPECT_NEAR(DistanceTo(s, stB, r.x, r.y), r.radius, 1e-6);
  EXPECT_NEAR(DistanceTo(s, stC, r.x, r.y), r.radius, 1e-6);
  EXPECT_NEAR(DistanceTo(s, stA, r.x, r.y), r.radius, 2.0);
  EXPECT_GT(r.radius, 300);  // the circumradius of these stations is about 390 mm
}

TEST(EpicenterSolver, EqualIncrementsTakeStationsInOrder) {
  // With equal increments i = A, j = B, l = C: the intersection is that of the
  // circles around B and C, and it is tested against A. Two stations at one
  // x make B and C share x, so the equal-x branch must be taken, which only
  // happens when j and l are B and C.
  TExperimentState s = Stations({100, 100}, {500, 300}, {500, 700});
  TSolveResult r = SolveEpicenter(s);
  ASSERT_EQ(r.outcome, TSolveOutcome::Accepted);
  EXPECT_NEAR(r.y, 500, 1e-9);  // on the perpendicular bisector of B and C exactly
}

TEST(EpicenterSolver, PointOffTheMapIsABadAcquisitionAndIsStillStored) {
  TExperimentState s = Stations({200, 300}, {900, 200}, {600, 800});
  s.epicenterX = 1;
  s.epicenterY = 2;
  StrikeAt(s, {1600, 500});
  TSolveResult r = SolveEpicenter(s);
  ASSERT_EQ(r.outcome, TSolveOutcome::OffMap);
  EXPECT_STREQ(SolveMessage(r.outcome), "Bad acquisition");
  EXPECT_GT(s.epicenterX, 1400);
  EXPECT_NEAR(s.epicenterX, 1600, 15);
}

TEST(EpicenterSolver, InconsistentDelaysFindNoPointAndKeepThePreviousEpicenter) {
  TExperimentState s = Stations({200, 300}, {900, 200}, {600, 800});
  s.epicenterX = 11;
  s.epicenterY = 22;
  s.timeA_AB = 0.0;
  s.timeB = 1.0;  // 120 m farther: no circle around A or C can reach it
  TSolveResult r = SolveEpicenter(s);
  EXPECT_EQ(r.outcome, TSolveOutcome::NoPoint);
  EXPECT_STREQ(SolveMessage(r.outcome), "Bad Acquisition");
  EXPECT_EQ(s.radiusIncrement[stB], 120000);  // stored even though the solve failed
  EXPECT_EQ(s.epicenterX, 11);
  EXPECT_EQ(s.epicenterY, 22);
}

TEST(EpicenterSolver, SearchEndsAtRadius3000Inclusive) {
  // Three stations on a circle of radius about 3000 mm around (700, 3498):
  // the point is first accepted at the very last step.
  TExperimentState s = Stations({700, 500}, {118, 555}, {1282, 555});
  TSolveResult r = SolveEpicenter(s);
  EXPECT_EQ(r.radius, 3000);
  EXPECT_EQ(r.outcome, TSolveOutcome::OffMap);
  EXPECT_NEAR(r.x, 700, 1e-6);

  // One millimetre wider, the point would need r > 3000.
  TExperimentState wider = Stations({700, 500}, {117, 555}, {1283, 555});
  EXPECT_EQ(SolveEpicenter(wider).outcome, TSolveOutcome::NoPoint);
}

TEST(EpicenterSolver, CoincidentStationsNeverYieldAPoint) {
  // Stations j and l at one place: the search has nothing to intersect.
  TExperimentState s = Stations({200, 300}, {900, 200}, {900, 200});
  s.timeB = 0.001;
  s.timeC = 0.001;
  s.epicenterX = 5;
  TSolveResult r = SolveEpicenter(s);
  EXPECT_EQ(r.outcome, TSolveOutcome::NoPoint);
  EXPECT_EQ(s.epicenterX, 5);

  // All three at one place, nothing measured.
  TExperimentState same = Stations({300, 300}, {300, 300}, {300, 300});
  TSolveResult r2 = SolveEpicenter(same);
  EXPECT_EQ(r2.outcome, TSolveOutcome::NoPoint);
  EXPECT_TRUE(std::isfinite(same.epicenterX) && std::isfinite(same.epicenterY));
}

TEST(EpicenterSolver, FirstRunDefaultsOnALineFindNoPointOrAFinitePoint) {
  // The stations of a first run lie on one line (y = 0); whatever the times,
  // the outcome must be one of the three and never a non-finite point.
  TExperimentState s = Stations({0, 0}, {20, 0}, {40, 0});
  for (double dt : {0.0, 0.0001, -0.0001, 0.01}) {
    s.timeA_AB = 0;
    s.timeB = dt;
    s.timeA_AC = 0;
    s.timeC = -dt;
    TSolveResult r = SolveEpicenter(s);
    if (r.outcome != TSolveOutcome::NoPoint) {
      EXPECT_TRUE(std::isfinite(r.x) && std::isfinite(r.y)) << dt;
    }
  }
}

}  // namespace
