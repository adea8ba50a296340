#pragma once
// A classroom sensor pair as the sound card hears it: the strike's pulse
// travelling to two stations, shaped by the floor, the distance and each
// sensor, then the card's coupling, hum, offset, noise and 16-bit samples.
// Plain C++ so the pickers and their benchmark can use it without Qt.
// Parameters and their ranges: docs/sensor-model.md.

#include <cstdint>
#include <vector>

enum class TRealism { Clean, Realistic };

// One sensor as mounted: what differs from station to station.
struct TSensorTraits {
  double gain = 1.0;              // 0.3..1.0, coupling to the floor and preamp
  bool reversed = false;          // mounted upside down (one in five)
  double resonanceHz = 1500.0;    // 800..3000, the disc's own resonance
  double resonanceQ = 3.0;        // 2..6
};

// One strike and the medium it travels in: what differs from strike to strike.
struct TStrikeTraits {
  double riseTime = 0.002;        // s, 0.001..0.003, the force pulse's duration
  double mode1Hz = 200.0;         // 120..300, the floor's slow ring mode
  double mode1Decay = 0.02;       // s, 0.01..0.03
  double mode2Hz = 700.0;         // 400..1200, the faster ring mode
  double mode2Decay = 0.006;      // s, 0.003..0.010
  double mode2Share = 0.6;        // 0.3..1.0, its amplitude beside mode 1
  double attenuationQ = 25.0;     // 15..40; 0 turns the loss with distance off
  double strength = 0.8;          // of full scale at kReferenceDistance with gain 1
};

// The sound card's share: the same for both channels of a pair.
struct TCardTraits {
  double mainsHz = 50.0;          // 50 or 60
  double humLevel[2] = {0.02, 0.02};   // of full scale, 0.01..0.03 per channel
  double humThirdShare = 0.4;     // 0.2..0.6, the third harmonic beside the fundamental
  double humPhase = 0.0;          // rad, the mains' phase at the block start
  double couplingHz = 20.0;       // the input's AC coupling (first-order high-pass); 0 = off
  double offset[2] = {0.0, 0.0};  // of full scale, -0.03..0.03 per channel
  bool quantize = true;           // 16-bit samples
};

// Everything needed to record one pair.
struct TPairSetup {
  double stationX[3] = {200, 900, 600};  // mm
  double stationY[3] = {300, 200, 800};
  double strikeX = 500, strikeY = 450;   // mm
  double velocity = 120000;              // mm/s
  int rate = 44100;                      // samples/s
  double blockSeconds = 1.0;
  double strikeTime = 0.1;               // s from the block start to the strike
  double snrDb = 26.0;                   // stronger channel's pulse peak to noise rms
  int rightStation = 1;                  // 1 = B, 2 = C; the left is always A
  TRealism realism = TRealism::Realistic;
};

inline constexpr double kReferenceDistance = 150.0;  // mm, where `strength` holds
inline constexpr double kNearField = 30.0;           // mm, closer counts as this far

// The model's random draws: sensors per station, strike and card per pair.
struct TSceneTraits {
  TSensorTraits sensor[3];
  TStrikeTraits strike;
  TCardTraits card;
};

// Draws every trait within its documented range from `seed`. The sensors
// depend only on the seed and the station, so both pairs of one experiment
// hear station A through the same sensor; the strike and the card on the
// pair too. `equalSensors` gives every station the same sensor, upright.
TSceneTraits DrawSceneTraits(uint64_t seed, int rightStation, bool equalSensors);

struct TPairRecording {
  std::vector<double> left, right;    // full scale 1.0
  double arrivalLeft = 0.0;           // s from the block start, the true arrivals
  double arrivalRight = 0.0;
  double noiseRms = 0.0;              // white noise added, full scale 1.0
};

// Records one pair. Clean: today's simulated pulse (0.8 exp(-t/10 ms)
// cos(2 pi 150 Hz t) from the arrival on, nothing else), traits unused.
// Realistic: every effect, with `traits` and the noise drawn from `seed`.
TPairRecording RecordPair(const TPairSetup& setup, const TSceneTraits& traits, uint64_t seed);

// True time from the strike to station `station` (s).
double TravelTime(const TPairSetup& setup, int station);
