#pragma once
// The four arrival times of an experiment and how each was found. Both
// times of a pair are sampled by one clock, so its delay needs no common
// origin with the other pair's.

#include "app/experiment/experiment_state.h"

enum class TTimeHow { NotSet, Detected, Dragged };

// The four times in order: A in pair A+B, B, A in pair A+C, C.
enum TRunTime { rtA_AB = 0, rtB = 1, rtA_AC = 2, rtC = 3 };
inline constexpr int kRunTimeCount = 4;

// The pairs' labels as every text shows them: "A+B", "A+C".
inline constexpr const char* kPairLabel[2] = {"A+B", "A+C"};

// The time `which` (TRunTime) in the state.
double& RunTimeOf(TExperimentState& state, int which);
double RunTimeOf(const TExperimentState& state, int which);
const char* RunTimeName(int which);     // "A_AB", "B", "A_AC", "C"
const char* TimeHowName(TTimeHow how);  // "detected", "dragged", "" for not set
