#pragma once
// A run folder: what one experiment measured, kept for the lab report and
// to be analysed again. pair-AB.wav and pair-AC.wav hold the block of each
// recorded pair (stereo 16-bit PCM at the capture rate, left sensor A,
// right B or C); run.ini holds the settings under config.ini's own sections
// and keys (a copy of a lab's config.ini is a valid run.ini) and the
// results in sections of their own (README.md lists them); report.pdf is
// the page a student hands in.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/experiment/arrival_times.h"
#include "app/experiment/epicenter_answer.h"
#include "app/experiment/experiment_state.h"

inline constexpr const char* kRunIniName = "run.ini";
inline constexpr const char* kRunPairFiles[2] = {"pair-AB.wav", "pair-AC.wav"};
inline constexpr const char* kRunReportName = "report.pdf";

// One recorded pair: the block each sensor gave, full scale 1.0.
struct TRunPair {
  bool present = false;
  std::vector<double> left;   // sensor A
  std::vector<double> right;  // sensor B or C
};

struct TRun {
  // The settings of the run and its times; after a solve, the increments,
  // the circles (increment plus the radius adjuster) and the epicenter.
  TExperimentState state;
  bool hasStations = false;  // run.ini gave all stations and the velocity
  TRunPair pairs[2];  // A+B, A+C
  TTimeHow how[kRunTimeCount] = {};
  // A dragged time: the time one screen pixel spanned where its cursor was
  // released (0: not known).
  double pixelSeconds[kRunTimeCount] = {};
  // A pair picked by onset or correlation: the delay's stated uncertainty
  // (0: none stated).
  double pickedDelayUncertainty[2] = {};
  TEpicenterAnswer answer;  // answer.ran: the solver ran on the four times
  bool hasStrike = false;
  double strikeX = 0, strikeY = 0;  // mm, the simulated sensors' or the user's mark
  std::string version, date;

  bool TimeSet(int which) const { return how[which] != TTimeHow::NotSet; }
  bool PairTimed(int pair) const { return TimeSet(2 * pair) && TimeSet(2 * pair + 1); }
  TTimeReadings Readings() const;
};

// Writes the report of the run into the file given (a temporary one, put in
// place with the rest of the run). Empty on success, else the message.
using TRunReportWriter = std::function<std::string(const std::filesystem::path&)>;

// Writes the folder, made when missing: a WAV file per recorded pair, the
// report when a writer is given, and run.ini. The file of a pair not
// recorded (and an older report when none is written) is removed, so that
// the folder holds one run. Either the whole run is saved or the folder is
// left as it was: the message then says so. Empty on success.
std::string SaveRunFolder(const std::filesystem::path& folder, const TRun& run,
                          const TRunReportWriter& report = nullptr);

// Reads what can be read of a folder into `run`, the settings over those of
// `base`. Returns the problems, one message each, naming its file; nothing
// is written anywhere.
std::vector<std::string> LoadRunFolder(const std::filesystem::path& folder, const TExperimentState& base, TRun& run);

// The times not saved are found in their pair's block, as the acquisition
// window finds them with the run's pick method (the first sample at the
// run's detection level, by onset, or by correlation); saved times are kept
// as they are, whether detected or dragged. Then the run is solved. Returns
// why a pair could not be picked, one line each ("" for a pair picked).
std::vector<std::string> CompleteRunTimes(TRun& run);

// The answer for the run's times, as "Find Epicenter" gives it, with the
// circles at increment + `adjuster`. No answer while a time is not set.
void SolveRun(TRun& run, int32_t adjuster = 0);

// The time `which` found in its pair's block as the acquisition window
// finds it, at the run's detection level; false when the pair is missing or
// no sample reaches the level.
bool DetectRunTime(const TRun& run, int which, double& time);
