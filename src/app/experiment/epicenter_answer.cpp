#include "app/experiment/epicenter_answer.h"

TEpicenterAnswer AnswerEpicenter(const TExperimentState& state) {
  TEpicenterAnswer answer;
  TExperimentState solved = state;
  answer.point = SolveEpicenter(solved);
  answer.ran = true;
  for (int k = stA; k <= stC; ++k) answer.increments[k] = solved.radiusIncrement[k];
  if (answer.point.outcome != TSolveOutcome::Accepted) return answer;
  answer.hasOther = FindOtherEpicenter(solved, answer.point.x, answer.point.y, answer.otherX, answer.otherY);
  if (state.acquisitionRate > 0)
    answer.uncertainty = EpicenterUncertainty(solved, answer.point.x, answer.point.y, 1.0 / state.acquisitionRate);
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
