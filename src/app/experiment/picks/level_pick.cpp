#include "app/experiment/picks/level_pick.h"

#include <algorithm>
#include <cmath>

#include "app/experiment/pulse_detection.h"

namespace {
constexpr double kIdleMargin = 1.2;
}

TChannelPick LevelPick(const double* x, int n, int rate, double level, const TBlockSurvey& survey) {
  TChannelPick pick;
  const int index = FirstPulseSample(x, n, level);
  if (index >= n) {
    pick.refusal = TPickRefusal::NotReached;
    return pick;
  }
  pick.time = static_cast<double>(index) / rate;
  pick.ok = true;
  if (!survey.hasQuiet) {
    // Nothing to judge the noise by: the rule's answer, one sample's worth sure.
    pick.uncertainty = 1.0 / rate;
    return pick;
  }
  if (index < survey.quietEnd) {
    pick.ok = false;
    pick.refusal = TPickRefusal::NoiseTriggered;
    return pick;
  }
  double mean = 0, idle = 0;
  for (int i = 0; i < survey.quietEnd; ++i) mean += x[i];
  mean /= survey.quietEnd;
  for (int i = 0; i < survey.quietEnd; ++i) idle = std::max(idle, std::fabs(x[i] - mean));
  // The quiet part is short; over the rest of the block the noise reaches
  // somewhat higher than it did there.
  if (level < kIdleMargin * (idle + std::fabs(mean))) {
    pick.ok = false;
    pick.refusal = TPickRefusal::LevelBelowNoise;
    return pick;
  }
  // The rise began after the last stretch of 2 ms that stayed within the
  // idle noise: an oscillating pulse passes zero on its way up, so a single
  // quiet sample would not tell.
  const int quietRun = std::max(2, rate / 500);
  int run = 0, start = index;
  for (int k = index - 1; k >= 0; --k) {
    if (std::fabs(x[k] - mean) <= idle) {
      if (++run >= quietRun) {
        start = k + run;
        break;
      }
    } else {
      run = 0;
    }
    start = k;
  }
  // A blow's force grows as t^2 and the floor's ringing adds a power: a
  // sensor's signal starts as t^3 from the arrival. Climbing from the idle
  // noise to the level in (index - start) samples puts the arrival
  // (index - start) / (1 - cbrt(idle / level)) before the crossing.
  const double hidden = std::cbrt((idle + std::fabs(mean)) / level);
  pick.uncertainty = static_cast<double>(index - start + 1) / rate / (1.0 - hidden);
  return pick;
}

TPairPick LevelPickPair(const double* left, const double* right, int n, int rate, double level) {
  TPairPick pair;
  const TChannelPick l = LevelPick(left, n, rate, level, SurveyBlock(left, n, rate));
  const TChannelPick r = LevelPick(right, n, rate, level, SurveyBlock(right, n, rate));
  pair.leftTime = l.time;
  pair.rightTime = r.time;
  pair.refusal = l.ok ? r.refusal : l.refusal;
  pair.ok = l.ok && r.ok;
  if (!pair.ok) return pair;
  pair.delay = r.time - l.time;
  pair.leftUncertainty = l.uncertainty;
  pair.rightUncertainty = r.uncertainty;
  pair.delayUncertainty = std::max(l.uncertainty, r.uncertainty);
  return pair;
}
