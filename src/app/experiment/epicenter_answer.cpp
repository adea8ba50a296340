#include "app/experiment/epicenter_answer.h"

#include <algorithm>
#include <cmath>

namespace {

TTimeReading Reading(const TTimeReadings& readings, int which) {
  TTimeReading r;
  r.dragged = readings.how[which] == TTimeHow::Dragged;
  r.secondsPerPixel = readings.pixelSeconds[which];
  return r;
}

void FindRegion(const TExperimentState& state, const TTimeReadings& readings, double velocityUncertainty,
                TEpicenterAnswer& answer) {
  TFittingRegionInput in;
  for (int k = stA; k <= stC; ++k) {
    in.stationX[k] = state.stationX[k];
    in.stationY[k] = state.stationY[k];
  }
  in.velocity = state.pulseVelocity;
  in.velocityUncertainty = velocityUncertainty;
  in.mapWidth = kMapWidthMm;
  in.mapHeight = kMapHeightMm;
  in.cellSize = kMapScale;
  TRegionDelay* delays[2] = {&in.delayB, &in.delayC};
  for (int pair = 0; pair < 2; ++pair) {
    const int a = 2 * pair, other = 2 * pair + 1;
    answer.delayKnown[pair] = readings.how[a] != TTimeHow::NotSet && readings.how[other] != TTimeHow::NotSet;
    answer.delay[pair] = RunTimeOf(state, other) - RunTimeOf(state, a);
    // Never below what the samples themselves allow; a measured correction
    // is known only so well, and the delay with it.
    answer.delayUncertainty[pair] =
        std::max(DelayUncertainty(state.acquisitionRate, Reading(readings, a), Reading(readings, other)),
                 readings.pickedDelayUncertainty[pair]) +
        state.sensorCorrectionUncertainty[pair];
    delays[pair]->known = answer.delayKnown[pair];
    delays[pair]->seconds = answer.delay[pair];
    delays[pair]->uncertainty = answer.delayUncertainty[pair];
  }
  answer.region = ComputeFittingRegion(in);
}

}  // namespace

TEpicenterAnswer AnswerEpicenter(const TExperimentState& state, const TTimeReadings& readings,
                                 double velocityUncertainty) {
  TEpicenterAnswer answer;
  // Sensors B and C answer late by their measured corrections: the pulse's
  // own delays are the picks' less them (the cursors stay on the pulse).
  TExperimentState corrected = state;
  corrected.timeB -= state.sensorCorrection[0];
  corrected.timeC -= state.sensorCorrection[1];
  answer.correction[0] = state.sensorCorrection[0];
  answer.correction[1] = state.sensorCorrection[1];
  TExperimentState solved = corrected;
  answer.point = SolveEpicenter(solved);
  answer.ran = true;
  for (int k = stA; k <= stC; ++k) answer.increments[k] = solved.radiusIncrement[k];
  FindRegion(corrected, readings, velocityUncertainty, answer);
  const TFittingRegion& region = answer.region;
  if (answer.point.outcome != TSolveOutcome::Accepted || region.Empty()) return answer;

  // The epicenter's own part holds it; a point the search accepted just
  // beside the region takes the nearest part.
  const double x = answer.point.x, y = answer.point.y;
  answer.part = region.PartAt(x, y);
  if (answer.part < 0) {
    double nearest = INFINITY;
    for (int p = 0; p < static_cast<int>(region.parts.size()); ++p)
      if (const auto d = region.DistanceToPart(p, x, y); d && *d < nearest) {
        nearest = *d;
        answer.part = p;
      }
    answer.outside = std::isfinite(nearest) ? nearest : 0;
  }
  if (answer.part < 0) return answer;
  if (const auto far = region.FarthestInPart(answer.part, x, y)) answer.uncertainty = far->distance;
  if (const auto far = region.Farthest(x, y)) answer.spread = far->distance;
  for (int p = 0; p < static_cast<int>(region.parts.size()); ++p)
    if (p != answer.part) answer.others.push_back(region.parts[p]);
  if (!answer.others.empty()) {
    answer.hasOther = true;
    answer.otherX = answer.others.front().bestX;
    answer.otherY = answer.others.front().bestY;
  }
  return answer;
}

void ApplyAnswer(const TEpicenterAnswer& answer, TExperimentState& state) {
  if (!answer.ran) return;
  for (int k = stA; k <= stC; ++k) state.radiusIncrement[k] = answer.increments[k];
  if (answer.point.outcome == TSolveOutcome::NoPoint) return;
  state.epicenterX = answer.point.x;
  state.epicenterY = answer.point.y;
}

void SetCircleRadii(TExperimentState& state, int32_t adjuster) {
  for (int k = stA; k <= stC; ++k) state.circleRadius[k] = state.radiusIncrement[k] + adjuster;
}
