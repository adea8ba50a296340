#include "app/experiment/picks/pair_pick.h"

#include "app/experiment/picks/correlation_pick.h"
#include "app/experiment/picks/level_pick.h"
#include "app/experiment/picks/onset_pick.h"
#include "app/experiment/picks/signal_cleanup.h"

TPairPick PickPair(TPickMethod method, const double* left, const double* right, int n, int rate,
                   double levelFraction) {
  if (method == TPickMethod::Level) return LevelPickPair(left, right, n, rate, levelFraction);
  const TCleanPair clean = CleanPair(left, right, n, rate);
  if (method == TPickMethod::Onset) return OnsetPickPair(clean, rate);
  return CorrelationPickPair(clean, rate);
}

const char* PickMethodName(TPickMethod method) {
  switch (method) {
    case TPickMethod::Level: return "level";
    case TPickMethod::Onset: return "onset";
    case TPickMethod::Correlation: return "correlation";
  }
  return "?";
}

const char* RefusalText(TPickRefusal refusal) {
  switch (refusal) {
    case TPickRefusal::None: return "";
    case TPickRefusal::NotReached: return "no pulse above the noise";
    case TPickRefusal::LevelBelowNoise: return "the idle noise reaches the level";
    case TPickRefusal::NoiseTriggered: return "the level was reached by noise before the pulse";
    case TPickRefusal::NoQuietPart: return "no quiet part before the pulse to measure the noise";
    case TPickRefusal::WeakCorrelation: return "the two channels correlate too weakly";
  }
  return "?";
}
