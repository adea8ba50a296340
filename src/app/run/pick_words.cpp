#include "app/run/pick_words.h"

#include <QCoreApplication>

namespace {

// The words a student reads, in the windows' language; the commands install
// no translation, so they stay English there.
struct PickWords {
  Q_DECLARE_TR_FUNCTIONS(PickWords)
};
}  // namespace

QString TimeHowWords(TTimeHow how) {
  switch (how) {
    case TTimeHow::Detected: return PickWords::tr("detected");
    case TTimeHow::Dragged: return PickWords::tr("dragged");
    default: return PickWords::tr("not set");
  }
}

QString DetectedByWords(TPickMethod method) {
  switch (method) {
    case TPickMethod::Onset: return PickWords::tr("detected by onset");
    case TPickMethod::Correlation: return PickWords::tr("detected by correlation");
    default: return TimeHowWords(TTimeHow::Detected);
  }
}

QString RefusalWords(TPickRefusal refusal) {
  switch (refusal) {
    case TPickRefusal::None: return {};
    case TPickRefusal::NotReached: return PickWords::tr("no pulse above the noise");
    case TPickRefusal::LevelBelowNoise: return PickWords::tr("the idle noise reaches the level");
    case TPickRefusal::NoiseTriggered:
      return PickWords::tr("the level was reached by noise before the pulse");
    case TPickRefusal::NoQuietPart:
      return PickWords::tr("no quiet part before the pulse to measure the noise");
    case TPickRefusal::WeakCorrelation:
      return PickWords::tr("the two channels correlate too weakly");
  }
  return {};
}
