#include "app/experiment/arrival_times.h"

#include <algorithm>

double& RunTimeOf(TExperimentState& state, int which) {
  switch (which) {
    case rtA_AB: return state.timeA_AB;
    case rtB: return state.timeB;
    case rtA_AC: return state.timeA_AC;
    default: return state.timeC;
  }
}

double RunTimeOf(const TExperimentState& state, int which) {
  return RunTimeOf(const_cast<TExperimentState&>(state), which);
}

const char* RunTimeName(int which) {
  static const char* const names[] = {"A_AB", "B", "A_AC", "C"};
  return names[std::clamp(which, 0, kRunTimeCount - 1)];
}

const char* TimeHowName(TTimeHow how) {
  switch (how) {
    case TTimeHow::Detected: return "detected";
    case TTimeHow::Dragged: return "dragged";
    default: return "";
  }
}
