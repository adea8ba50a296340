#pragma once
// The program's whole answer for four arrival times: the solver's point,
// the region of map points that fit the measured delays (its parts, the
// farthest fitting point) and the other places the times allow. The window,
// --locate, --simulate, --analyze, run.ini, the CSV files and the report
// all take it from here, so they cannot disagree.

#include <cstdint>
#include <vector>

#include "app/experiment/arrival_times.h"
#include "app/experiment/epicenter_solver.h"
#include "app/experiment/experiment_state.h"
#include "app/experiment/fitting_region.h"

// How the four times were read, for their uncertainties.
struct TTimeReadings {
  TTimeHow how[kRunTimeCount] = {TTimeHow::Detected, TTimeHow::Detected, TTimeHow::Detected, TTimeHow::Detected};
  // A dragged time: the time one screen pixel spanned where its cursor was
  // released (0 when not known: one sample then).
  double pixelSeconds[kRunTimeCount] = {};
  // A pair picked by onset or correlation: the delay's uncertainty the pick
  // stated from the data (0: none stated, one sample then).
  double pickedDelayUncertainty[2] = {};
};

struct TEpicenterAnswer {
  bool ran = false;                 // the solver ran: the increments are known
  int32_t increments[kStationCount] = {};
  TSolveResult point;               // outcome, point and marker

  // Every map point that fits the delays within their uncertainties.
  TFittingRegion region;
  bool delayKnown[2] = {};          // pair A+B, pair A+C timed
  double delay[2] = {};             // s, tB - tA and tC - tA, less the sensors' corrections
  double delayUncertainty[2] = {};  // s
  double correction[2] = {};        // s, subtracted from the picks of B and C
  int part = -1;                    // the region's part that is the epicenter's own
  double outside = 0;               // mm the epicenter lies outside that part (0 inside)
  double uncertainty = -1;          // mm, farthest fitting point of that part; < 0: none fits
  double spread = -1;               // mm, farthest fitting point of the whole region
  std::vector<TRegionPart> others;  // the other parts, best fit first
  bool hasOther = false;            // the best other part's point, as the window marks it
  double otherX = 0, otherY = 0;    // mm

  bool Solved() const { return ran && point.outcome == TSolveOutcome::Accepted; }
  // A point fits the times somewhere (the uncertainty is known).
  bool Fits() const { return uncertainty >= 0; }
  // Both delays known: the region can tell where the point lies.
  bool BothPairs() const { return delayKnown[0] && delayKnown[1]; }
};

// At most this many other places are printed.
inline constexpr int kMaxOtherPlaces = 3;

// Solves the state's times with its stations, velocity and rate: the
// Part's search for the marker, and the fitting region of the delays whose
// two times are set (one sample at the rate for a detected time; for a
// dragged one the larger of one sample and its pixel). `velocityUncertainty`
// (mm/s) widens the region. The state's sensor corrections are subtracted
// from the delays, their uncertainties added to the delays'. Nothing in
// `state` changes.
TEpicenterAnswer AnswerEpicenter(const TExperimentState& state, const TTimeReadings& readings = {},
                                 double velocityUncertainty = 0);

// What the solver writes into the state: the increments always, the point
// when one was found (also off the map).
void ApplyAnswer(const TEpicenterAnswer& answer, TExperimentState& state);

// Each circle's radius: the increment plus the radius adjuster's position.
void SetCircleRadii(TExperimentState& state, int32_t adjuster);
