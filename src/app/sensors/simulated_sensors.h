#pragma once
// The simulated sensors as part of the experiment: the stations and the
// velocity are the experiment's own, the right input carries the station of
// the pair being recorded, and the ground is struck once shortly after each
// start of the input, at a point the class chooses on the map.

#include <string>

class TALAudioIn;

// The struck point, in map millimetres; the map centre until chosen.
struct TStrikePoint {
  double x = 700.0;
  double y = 500.0;
};
TStrikePoint StrikePoint();
void SetStrikePoint(TStrikePoint point);

// With real sensors the program cannot know where the ground was struck:
// the user marks it (on the map, or typed in the velocity window), and the
// runs recorded keep it. Reset forgets it, so that a later strike is not
// saved with an old point.
bool StrikePointMarked();
void MarkStrikePoint(TStrikePoint point);
void ForgetStrikePointMark();

// Seconds from the start of the input to the strike.
inline constexpr double kStrikeDelay = 0.1;

// The velocity the simulated pulse travels at, hidden from the settings so
// that a class can measure it; 0 (the start) uses the settings' velocity.
void SetSimulatedVelocity(double mmPerSecond);

// How the simulated sensors sound. Clean: a sharp decaying pulse over
// faint noise. Realistic: each strike is the sensor model's recording
// (sensors unequal from station to station, the floor's ringing, hum, offset,
// AC coupling, noise at `snrDb`, 16-bit samples), and the input stays noisy
// before and after it.
enum class TRealism;
void SetSimulatedRealism(TRealism realism, double snrDb);

// The option values as the command line gives them; false when out of range.
inline constexpr double kMinSimulatedSnr = 0, kMaxSimulatedSnr = 80;  // dB
bool ParseSimulatedRealism(const std::string& text, TRealism& realism);
bool ParseSimulatedSnr(const std::string& text, double& snrDb);

// True when `capture` reads from a simulated-sensors device.
bool UsesSimulatedSensors(const TALAudioIn* capture);

// Gives the simulated devices the current stations and velocity, the
// struck point and the station on the right input (stB or stC); a device
// takes them when it next starts.
void ArmSimulatedSensors(int rightStation);
