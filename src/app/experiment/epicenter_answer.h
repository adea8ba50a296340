#pragma once
// The program's whole answer for four arrival times: the solver's point,
// another point that fits the same times, and how far the point may be off.
// The window, --locate, --simulate, --analyze, run.ini, the CSV files and
// the report all take it from here, so they cannot disagree.

#include <cmath>
#include <cstdint>

#include "app/experiment/epicenter_solver.h"
#include "app/experiment/experiment_state.h"

struct TEpicenterAnswer {
  bool ran = false;                 // the solver ran: the increments are known
  int32_t increments[kStationCount] = {};
  TSolveResult point;               // outcome, point and marker
  bool hasOther = false;
  double otherX = 0, otherY = 0;    // mm
  TUncertainty uncertainty;         // radius infinite when the times cannot tell

  bool Solved() const { return ran && point.outcome == TSolveOutcome::Accepted; }
};

// Solves the state's times with its stations, velocity and rate (one sample
// at that rate is the times' resolution; a rate of 0 leaves the uncertainty
// unknown). Nothing in `state` changes.
TEpicenterAnswer AnswerEpicenter(const TExperimentState& state);

// What the solver writes into the state: the increments always, the point
// when one was found (also off the map).
void ApplyAnswer(const TEpicenterAnswer& answer, TExperimentState& state);

// Each circle's radius: the increment plus the radius adjuster's position.
void SetCircleRadii(TExperimentState& state, int32_t adjuster);
