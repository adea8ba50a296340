#pragma once
// The experiment state: one process-wide record that every experiment window
// reads and writes directly, on the user-interface thread only. Coordinates
// are millimetres on the map (origin top-left, y downward), times seconds.

#include <cstdint>
#include <string>

#include "app/experiment/picks/pick_result.h"

enum TStation { stA = 0, stB = 1, stC = 2 };
inline constexpr int kStationCount = 3;

struct TExperimentState {
  int32_t stationX[kStationCount] = {};  // mm
  int32_t stationY[kStationCount] = {};  // mm
  int32_t pulseVelocity = 0;             // mm/s
  // A measured velocity's uncertainty (0 while the velocity is a typed
  // value), and how late sensors B and C answer beside A with theirs.
  double velocityUncertainty = 0.0;        // mm/s
  double sensorCorrection[2] = {};         // s, B and C
  double sensorCorrectionUncertainty[2] = {};
  int32_t acquisitionTime = 0;           // s, length of one acquisition block
  int32_t acquisitionRate = 0;           // samples/s
  int32_t detectionLevel = 0;            // per mille of full scale, 0..1000
  int32_t dataShowMode = 0;              // stored only; nothing sets it
  std::string imageFileName;             // map picture
  int32_t mapWidth = 0;                  // mm, as stored; unused
  int32_t mapHeight = 0;                 // mm, as stored; unused
  double mapScale = 0.0;                 // mm per map pixel

  double timeA_AB = 0.0;  // s, arrival at A in the A+B acquisition
  double timeB = 0.0;     // s, arrival at B
  double timeA_AC = 0.0;  // s, arrival at A in the A+C acquisition
  double timeC = 0.0;     // s, arrival at C

  int32_t radiusIncrement[kStationCount] = {};  // mm, solver output
  int32_t circleRadius[kStationCount] = {};     // mm, increment + radius adjuster
  double epicenterX = 0.0;                      // mm
  double epicenterY = 0.0;                      // mm

  // How "Auto Detect Pulse" reads the arrivals; a lab whose settings do not
  // say keeps the first sample at the level.
  TPickMethod pickMethod = TPickMethod::Level;

  bool autoDetect = false;
  bool holdDetection = false;
  bool detectedA_AB = false;
  bool detectedB = false;
  bool detectedA_AC = false;
  bool detectedC = false;
  double detectionThreshold = 0.0;  // detectionLevel / 1000, full scale 1.0

  // An opened run's settings are in force in memory, not the lab's: a save
  // the user did not ask of the settings must not put them in config.ini.
  bool runSettingsInForce = false;
};

// The instance of the running program, zero-filled at start.
extern TExperimentState Experiment;
