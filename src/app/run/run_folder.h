#pragma once
// A run folder: what one experiment measured, kept for the lab report and
// to be analysed again. pair-AB.wav and pair-AC.wav hold the block of each
// recorded pair (stereo 16-bit PCM at the capture rate, left sensor A,
// right B or C); run.ini holds the settings under config.ini's own sections
// and keys (a copy of a lab's config.ini is a valid run.ini) and the
// results in sections of their own (README.md lists them).

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "app/experiment/experiment_state.h"

inline constexpr const char* kRunIniName = "run.ini";
inline constexpr const char* kRunPairFiles[2] = {"pair-AB.wav", "pair-AC.wav"};
inline constexpr const char* kRunPairCsvFiles[2] = {"pair-AB.csv", "pair-AC.csv"};
inline constexpr const char* kRunResultsCsvName = "results.csv";

// One recorded pair: the block each sensor gave, full scale 1.0.
struct TRunPair {
  bool present = false;
  std::vector<double> left;   // sensor A
  std::vector<double> right;  // sensor B or C
};

enum class TTimeHow { NotSet, Detected, Dragged };

// The four times in order: A in pair A+B, B, A in pair A+C, C.
enum TRunTime { rtA_AB = 0, rtB = 1, rtA_AC = 2, rtC = 3 };
inline constexpr int kRunTimeCount = 4;

struct TRun {
  // The settings of the run, its times and, after a solve, the increments
  // and the epicenter.
  TExperimentState state;
  bool hasStations = false;  // run.ini gave all stations and the velocity
  TRunPair pairs[2];  // A+B, A+C
  TTimeHow how[kRunTimeCount] = {};
  bool hasIncrements = false;  // the solver ran
  bool solved = false;         // the epicenter is state.epicenterX/Y
  bool hasOther = false;
  double otherX = 0, otherY = 0;  // mm, another point fitting the same delays
  double uncertainty = INFINITY;  // mm; infinite when unknown
  bool hasStrike = false;
  double strikeX = 0, strikeY = 0;  // mm, struck point of the simulated sensors
  std::string version, date;
};

// The time `which` (TRunTime) in the state.
double& RunTimeOf(TExperimentState& state, int which);
double RunTimeOf(const TExperimentState& state, int which);
const char* RunTimeName(int which);  // "A_AB", "B", "A_AC", "C"
const char* TimeHowName(TTimeHow how);  // "detected", "dragged", "" for not set

// Writes the folder, made when missing: run.ini and a WAV file per recorded
// pair (the file of a pair not recorded is removed, so that a folder saved
// again holds one run). Empty on success, else the message.
std::string SaveRunFolder(const std::filesystem::path& folder, const TRun& run);

// Reads what can be read of a folder into `run`, the settings over those of
// `base`. Returns the problems, one message each, naming its file; nothing
// is written anywhere.
std::vector<std::string> LoadRunFolder(const std::filesystem::path& folder, const TExperimentState& base, TRun& run);

// The solver's answer for the run's times, as "Find Epicenter" gives it:
// the increments, and the epicenter, the other point and the uncertainty
// when a point is accepted. Nothing when a time is not set.
void SolveRun(TRun& run);

// The time `which` found in its pair's block as the acquisition window
// finds it, at the run's detection level; false when the pair is missing or
// no sample reaches the level.
bool DetectRunTime(const TRun& run, int which, double& time);

// Writes pair-AB.csv and pair-AC.csv (the recorded ones: a header line,
// then the time in seconds and both sensors' values) and results.csv into
// `folder`, with a dot for the decimal point whatever the locale. Empty on
// success, else the message; `written` gets the files written.
std::string ExportRunCsv(const std::filesystem::path& folder, const TRun& run, std::vector<std::string>* written);

// A number as run.ini and the CSV files hold it: the shortest text that
// reads back as the same double, with a dot.
std::string RunNumber(double value);
