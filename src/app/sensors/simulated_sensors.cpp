#include "app/sensors/simulated_sensors.h"

#include "app/experiment/experiment_state.h"
#include "audio/audio_in.h"
#include "platform/wave_in.h"

namespace {
TStrikePoint gStrike;
bool gMarked = false;
double gVelocity = 0;  // mm/s; 0: the settings'
}

void SetSimulatedVelocity(double mmPerSecond) { gVelocity = mmPerSecond; }

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
  WaveInSetSimulatedSensors(s);
}
