#include "app/experiment/epicenter_solver.h"

#include <algorithm>
#include <cmath>

#include "app/experiment/rounding.h"

namespace {

struct Circle {
  double D, E, F;  // x^2 + y^2 + D x + E y + F = 0
};

Circle CircleAround(double xc, double yc, double radius) {
  return {-2.0 * xc, -2.0 * yc, xc * xc + yc * yc - radius * radius};
}

// Stations i (first reached), j (last) and l (middle) from the increments.
void Roles(const int32_t inc[3], int& i, int& j, int& l) {
  const int32_t lo = std::min({inc[0], inc[1], inc[2]});
  const int32_t hi = std::max({inc[0], inc[1], inc[2]});
  i = 0;
  while (inc[i] != lo) ++i;
  j = -1;
  for (int k = 0; k < 3; ++k)
    if (inc[k] == hi && k != i) {
      j = k;
      break;
    }
  for (int k = 0; k < 3; ++k)
    if (k != i && k != j) l = k;
}

// The points where the circles around j and l meet, written as
// x^2 + y^2 + D x + E y + F = 0 and solved on the line through the
// intersections: the general, equal-y and equal-x cases in this order, each
// on its own condition. False (and the points untouched) when they do not meet.
bool Intersections(double xj, double yj, double Rj, double xl, double yl, double Rl, double& x1, double& y1,
                   double& x2, double& y2) {
  const Circle cj = CircleAround(xj, yj, Rj);
  const Circle cl = CircleAround(xl, yl, Rl);
  bool found = false;
  if (cj.D - cl.D != 0 && cj.E - cl.E != 0) {
    const double k = (cl.F - cj.F) / (cj.E - cl.E);
    const double sl = (cj.D - cl.D) / (cj.E - cl.E);
    const double a = sl * sl + 1;
    const double b = cj.D - 2 * k * sl - cj.E * sl;
    const double c = k * k + cj.E * k + cj.F;
    const double delta = b * b - 4 * a * c + kDiscriminantMargin;
    if (!(delta < 0)) {
      x1 = (-b + std::sqrt(delta)) / (2 * a);
      x2 = (-b - std::sqrt(delta)) / (2 * a);
      y1 = k - sl * x1;
      y2 = k - sl * x2;
      found = true;
    }
  }
  if (cj.E - cl.E == 0) {
    const double x0 = (cl.F - cj.F) / (cj.D - cl.D);
    const double delta = cj.E * cj.E - 4 * (x0 * x0 + cj.D * x0 + cj.F) + kDiscriminantMargin;
    if (!(delta < 0)) {
      x1 = x2 = x0;
      y1 = (-cj.E + std::sqrt(delta)) / 2;
      y2 = (-cj.E - std::sqrt(delta)) / 2;
      found = true;
    }
  }
  if (cj.D - cl.D == 0) {
    const double y0 = (cl.F - cj.F) / (cj.E - cl.E);
    const double delta = cj.D * cj.D - 4 * (y0 * y0 + cj.E * y0 + cj.F) + kDiscriminantMargin;
    if (!(delta < 0)) {
      y1 = y2 = y0;
      x1 = (-cj.D + std::sqrt(delta)) / 2;
      x2 = (-cj.D - std::sqrt(delta)) / 2;
      found = true;
    }
  }
  return found;
}

bool OnMap(double x, double y) { return !(x > kMapWidthMm || x < 0 || y > kMapHeightMm || y < 0); }

}  // namespace

const char* SolveMessage(TSolveOutcome outcome) {
  switch (outcome) {
    case TSolveOutcome::NoPoint: return "Bad Acquisition";
    case TSolveOutcome::OffMap: return "Bad acquisition";
    case TSolveOutcome::Accepted: break;
  }
  return "";
}

TSolveResult SolveEpicenter(TExperimentState& s) {
  // Delays within each acquisition, shifted so that the earliest arrival is 0.
  const double dB = s.timeB - s.timeA_AB;
  const double dC = s.timeC - s.timeA_AC;
  const double m1 = (0 > dB) ? dB : 0.0;
  const double m = (dC > m1) ? m1 : dC;
  const double t[3] = {0 - m, dB - m, dC - m};
  for (int k = 0; k < 3; ++k) s.radiusIncrement[k] = RoundHalfEven32(s.pulseVelocity * t[k]);

  int i = 0, j = 1, l = 2;
  Roles(s.radiusIncrement, i, j, l);

  const double xi = s.stationX[i], yi = s.stationY[i];
  const double xj = s.stationX[j], yj = s.stationY[j];
  const double xl = s.stationX[l], yl = s.stationY[l];

  TSolveResult result;
  // Stations j and l at one place leave the line through the intersections
  // undefined (every case below would divide by zero): no point can be told.
  if (xj == xl && yj == yl) return result;

  bool candidates = false;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  for (int32_t r = 0; r <= kSearchMaxRadius; ++r) {
    const double Rj = s.radiusIncrement[j] + static_cast<double>(r);
    const double Rl = s.radiusIncrement[l] + static_cast<double>(r);
    const double Ri = s.radiusIncrement[i] + static_cast<double>(r);
    if (Intersections(xj, yj, Rj, xl, yl, Rl, x1, y1, x2, y2)) candidates = true;

    if (!candidates) continue;
    // The flag stays set: a step without its own intersections tests the
    // points of the last step that had them.
    const double d1 = std::sqrt((x1 - xi) * (x1 - xi) + (y1 - yi) * (y1 - yi));
    const double d2 = std::sqrt((x2 - xi) * (x2 - xi) + (y2 - yi) * (y2 - yi));
    bool accepted = false;
    if (std::abs(d1 - Ri) <= kAcceptTolerance && std::isfinite(x1) && std::isfinite(y1)) {
      result.x = x1;
      result.y = y1;
      accepted = true;
    } else if (std::abs(d2 - Ri) <= kAcceptTolerance && std::isfinite(x2) && std::isfinite(y2)) {
      result.x = x2;
      result.y = y2;
      accepted = true;
    }
    if (accepted) {
      result.radius = r;
      s.epicenterX = result.x;
      s.epicenterY = result.y;
      if (!OnMap(result.x, result.y)) {
        result.outcome = TSolveOutcome::OffMap;
      } else {
        result.outcome = TSolveOutcome::Accepted;
        result.markerTop = RoundHalfEven32(result.y / kMapScale);
        result.markerLeft = RoundHalfEven32(result.x / kMapScale);
      }
      return result;
    }
  }
  return result;
}
