#include "app/sensors/simulated_sensors.h"

#include "app/experiment/experiment_state.h"
#include "app/experiment/numbers.h"
#include "app/sensors/sensor_model.h"
#include "audio/audio_in.h"
#include "platform/wave_in.h"

#include <cmath>
#include <memory>

namespace {
TStrikePoint gStrike;
bool gMarked = false;
double gVelocity = 0;  // mm/s; 0: the settings'
TRealism gRealism = TRealism::Clean;
double gSnrDb = 26;
uint64_t gStrikes = 0;  // realistic strikes made so far, each with its own draws

// The simulated lab's own sensors: the same for every run, so that a
// class sees the same unequal stations each time.
constexpr uint64_t kLabSeed = 20261210;

// The longest stretch before the strike that holds whole mains cycles in a
// whole number of samples: looped, it hums on without a seam.
size_t IdleLoopLength(int rate, double mainsHz, double quietSeconds) {
  const long perSecond = std::lround(mainsHz);
  size_t best = 0;
  for (long cycles = 1; cycles <= std::lround(quietSeconds * mainsHz); ++cycles)
    if (cycles * rate % perSecond == 0) best = static_cast<size_t>(cycles * rate / perSecond);
  return best;
}

std::shared_ptr<const TSimulatedPlayback> RealisticStrike(const TSimulatedSensors& s) {
  TPairSetup setup;
  for (int k = 0; k < 3; ++k) {
    setup.stationX[k] = s.StationX[k];
    setup.stationY[k] = s.StationY[k];
  }
  setup.strikeX = s.EpicenterX;
  setup.strikeY = s.EpicenterY;
  setup.velocity = s.Velocity;
  setup.rate = Experiment.acquisitionRate;
  setup.blockSeconds = Experiment.acquisitionTime;
  setup.strikeTime = kStrikeDelay;
  setup.snrDb = gSnrDb;
  setup.rightStation = s.RightSensor;
  setup.realism = TRealism::Realistic;
  // The lab's sensors and mains stay; the blow, the floor's ringing and the
  // card's hum and offsets change from strike to strike.
  const uint64_t strike = kLabSeed + 7919 * ++gStrikes;
  TSceneTraits traits = DrawSceneTraits(kLabSeed, setup.rightStation, false);
  const TSceneTraits varied = DrawSceneTraits(strike, setup.rightStation, false);
  traits.strike = varied.strike;
  const double mains = traits.card.mainsHz;
  traits.card = varied.card;
  traits.card.mainsHz = mains;
  TPairRecording rec = RecordPair(setup, traits, strike);
  auto playback = std::make_shared<TSimulatedPlayback>();
  playback->Rate = setup.rate;
  playback->Left = std::move(rec.left);
  playback->Right = std::move(rec.right);
  playback->LoopBegin = 0;
  playback->LoopEnd = IdleLoopLength(setup.rate, mains, kStrikeDelay);
  return playback;
}

}  // namespace

void SetSimulatedVelocity(double mmPerSecond) { gVelocity = mmPerSecond; }

void SetSimulatedRealism(TRealism realism, double snrDb) {
  gRealism = realism;
  gSnrDb = snrDb;
}

bool ParseSimulatedRealism(const std::string& text, TRealism& realism) {
  if (text == "clean") realism = TRealism::Clean;
  else if (text == "realistic") realism = TRealism::Realistic;
  else return false;
  return true;
}

bool ParseSimulatedSnr(const std::string& text, double& snrDb) {
  double value = 0;
  if (!ParseNumber(text, value) || !(value >= kMinSimulatedSnr && value <= kMaxSimulatedSnr)) return false;
  snrDb = value;
  return true;
}

TStrikePoint StrikePoint() { return gStrike; }

void SetStrikePoint(TStrikePoint point) { gStrike = point; }

bool StrikePointMarked() { return gMarked; }

void MarkStrikePoint(TStrikePoint point) {
  gStrike = point;
  gMarked = true;
}

void ForgetStrikePointMark() { gMarked = false; }

bool UsesSimulatedSensors(const TALAudioIn* capture) {
  return capture->Device()->DeviceName().startsWith(QLatin1String(kWaveInSimulatedName));
}

void ArmSimulatedSensors(int rightStation) {
  TSimulatedSensors s = WaveInGetSimulatedSensors();
  for (int k = stA; k <= stC; ++k) {
    s.StationX[k] = Experiment.stationX[k];
    s.StationY[k] = Experiment.stationY[k];
  }
  s.Velocity = gVelocity > 0 ? gVelocity : Experiment.pulseVelocity;
  s.EpicenterX = gStrike.x;
  s.EpicenterY = gStrike.y;
  s.RightSensor = rightStation == stC ? 2 : 1;
  s.FirstStrike = kStrikeDelay;
  s.StrikePeriod = 0;  // one strike per start
  s.Playback = gRealism == TRealism::Realistic && s.Velocity > 0 ? RealisticStrike(s) : nullptr;
  WaveInSetSimulatedSensors(s);
}
