#pragma once
// The epicenter search: from the station positions, the pulse velocity and
// the two measured delays, the radius increments (how much farther the pulse
// travelled to each station than to the nearest one), then a search over the
// common radius r = 0..3000 mm in 1 mm steps for the point where the circles
// of radius r + increment around the three stations meet.

#include <cmath>
#include <cstdint>

#include "app/experiment/experiment_state.h"

enum class TSolveOutcome {
  Accepted,  // a point on the map
  NoPoint,   // nothing within r <= 3000: "Bad Acquisition"
  OffMap,    // a point outside the 1400 x 1000 mm map: "Bad acquisition"
};

struct TSolveResult {
  TSolveOutcome outcome = TSolveOutcome::NoPoint;
  double x = 0.0;        // mm, the accepted point (Accepted and OffMap)
  double y = 0.0;
  int32_t radius = -1;   // the r at which the point was accepted
  int32_t markerLeft = 0;  // epicenter marker position in the map panel (Accepted)
  int32_t markerTop = 0;
};

inline constexpr int32_t kSearchMaxRadius = 3000;     // mm
inline constexpr double kAcceptTolerance = 2.0;       // mm
inline constexpr double kDiscriminantMargin = 1e-10;
inline constexpr double kMapWidthMm = 1400.0;
inline constexpr double kMapHeightMm = 1000.0;
inline constexpr double kMapScale = 2.0;             // mm per map pixel (the 700 x 500 pixel map)

// Runs the whole solve on `state`: stores radiusIncrement (always, before the
// search) and epicenterX/Y (when a point is accepted, also off the map).
TSolveResult SolveEpicenter(TExperimentState& state);

// The message shown for a failed solve; empty for Accepted.
const char* SolveMessage(TSolveOutcome outcome);
