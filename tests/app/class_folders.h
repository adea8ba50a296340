#pragma once
// A class of groups' run folders written with the program's own saving:
// every group struck the same point, the times are those the geometry gives
// (each group's sensor B a sample or two apart, as real clocks are), so the
// right answers are known.
#include <cmath>
#include <filesystem>
#include <string>

#include "app/run/run_folder.h"

namespace classfolders {

inline constexpr double kStrikeX = 500, kStrikeY = 450;  // mm
inline constexpr int kStationXs[3] = {200, 900, 600}, kStationYs[3] = {300, 200, 800};

struct TGroupPlan {
  int jitter = 0;                // samples added to sensor B's and C's arrival
  int32_t velocity = 120000;     // mm/s the run says; the ground's is 120000
  double dragB = 0;              // s: time B dragged this far off the pulse (0: detected)
};

// The run of one group, its pulses in the blocks, the times left to be
// detected (but a dragged one, saved as dragged).
inline TRun GroupRun(const TGroupPlan& plan) {
  TRun run;
  TExperimentState& s = run.state;
  for (int k = 0; k < 3; ++k) s.stationX[k] = kStationXs[k], s.stationY[k] = kStationYs[k];
  s.pulseVelocity = plan.velocity;
  s.acquisitionTime = 1;
  s.acquisitionRate = 44100;
  s.detectionLevel = 300;
  run.hasStations = true;
  run.hasStrike = true;
  run.strikeX = kStrikeX, run.strikeY = kStrikeY;
  auto arrival = [&](int station) {
    return 0.1 + std::hypot(kStrikeX - kStationXs[station], kStrikeY - kStationYs[station]) / 120000.0;
  };
  const int stationOf[4] = {0, 1, 0, 2};
  for (int pair = 0; pair < 2; ++pair) {
    TRunPair& p = run.pairs[pair];
    p.present = true;
    p.left.assign(44100, 0.0);
    p.right.assign(44100, 0.0);
    for (int side = 0; side < 2; ++side) {
      const int which = 2 * pair + side;
      const int start = static_cast<int>(arrival(stationOf[which]) * 44100) + (side == 1 ? plan.jitter : 0);
      std::vector<double>& data = side == 0 ? p.left : p.right;
      for (int i = 0; i < 400; ++i) data[start + i] = 0.8 * std::exp(-i / 120.0) * (i % 2 ? -1 : 1);
    }
  }
  if (plan.dragB != 0) {
    run.how[rtB] = TTimeHow::Dragged;
    run.state.timeB = arrival(1) + plan.dragB;
  }
  return run;
}

inline void SaveGroup(const std::filesystem::path& folder, const TGroupPlan& plan) {
  const std::string error = SaveRunFolder(folder, GroupRun(plan));
  if (!error.empty()) throw std::runtime_error(error);
}

}  // namespace classfolders
