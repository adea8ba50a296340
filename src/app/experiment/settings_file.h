#pragma once
// The settings file config.ini in the current working directory. The path is
// formed anew at every call, so a working directory changed by a file dialog
// moves later saves with it.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/experiment/experiment_state.h"

// A settings write that failed; what() is "Unable to write to <path>".
class ESettingsWriteError : public std::runtime_error {
public:
  explicit ESettingsWriteError(const std::filesystem::path& path);
  const std::filesystem::path& Path() const { return path_; }

private:
  std::filesystem::path path_;
};

// Bounds of one acquisition block. The capture keeps 40 blocks queued, so
// the samples of a block (rate x time) are bounded too: at most 30 s at
// 44100 samples/s, 5.3 MB of stereo 16-bit sound a block and 212 MB queued.
inline constexpr int32_t kMinAcquisitionTime = 1, kMaxAcquisitionTime = 60;        // s
inline constexpr int32_t kMinAcquisitionRate = 1000, kMaxAcquisitionRate = 96000;  // samples/s
inline constexpr int64_t kMaxAcquisitionSamples = 30 * 44100;

// Empty when an acquisition time (s) and rate (samples/s) are within the
// bounds; otherwise the message saying which bound they break.
std::string AcquisitionBoundsError(int32_t time, int32_t rate);

// Bounds of the pulse velocity: below 0.1 m/s a pulse takes minutes to
// cross the map, above 10 km/s (faster than in steel) every delay is below
// one sample.
inline constexpr int32_t kMinPulseVelocity = 100, kMaxPulseVelocity = 10000000;  // mm/s

// Empty when a pulse velocity (mm/s) is within its bounds; otherwise the
// message saying so.
std::string PulseVelocityError(int32_t velocity);

// Bounds of the detection level, per mille of full scale: those of the
// settings dialog's level bar. Below 0 the first sample would count as the
// pulse, above 1000 no sample could reach it.
inline constexpr int32_t kMinDetectionLevel = 0, kMaxDetectionLevel = 1000;

// Empty when a detection level is within its bounds; otherwise the message
// saying so.
std::string DetectionLevelError(int32_t level);

// The names of the pick methods as config.ini and run.ini keep them under
// [PICKS] method, and as --pick takes them: "level", "onset",
// "correlation". False for any other text.
bool ParsePickMethod(const std::string& text, TPickMethod& method);

// <working directory>/config.ini at this moment.
std::filesystem::path SettingsPath();

// The values of a first run without config.ini (the map picture is
// default.jpg in `folder`).
void SetDefaultSettings(TExperimentState& state, const std::filesystem::path& folder);

struct TSettingsNotes;

// Reads config.ini into the state; missing file, keys or unreadable numbers
// give the defaults, and so does a velocity, acquisition time, rate or
// detection level beyond the bounds (the time, when only the product of time
// and rate is too large). Never fails; what was not read is listed in
// `notes` when given.
void LoadSettings(TExperimentState& state, TSettingsNotes* notes = nullptr);

// Writes the state to config.ini, key by key. Stops at the first key that
// cannot be written with ESettingsWriteError; keys written before it stay.
void SaveSettings(const TExperimentState& state);

// Writes only the map picture's name to config.ini; the other keys stay
// as they are, missing or not. Fails as SaveSettings does.
void SavePictureName(const std::string& name);

// The same keys in another file of config.ini's layout (a run folder's
// run.ini holds them too).
void SaveSettingsTo(const std::filesystem::path& file, const TExperimentState& state);

// What reading the settings of a file found wrong, one line per key:
// "[SECTION] key is missing", "[SECTION] key = 'text' is not a whole number" (or, for a measurement's value, a number), or
// the bound a value breaks.
// A value of the file that was not taken, and why; a window words it in
// its language.
struct TUnreadValue {
  enum class TWhy { NotWholeNumber, NotPickMethod, NotNumber, NotAtLeastZero, BeyondBounds };
  std::string section, key;
  std::string text;  // the value as the file writes it
  TWhy why = TWhy::NotNumber;
  int32_t rate = 0;  // BeyondBounds of an acquisition time: the rate it was checked with
};

struct TSettingsNotes {
  std::vector<std::string> missing;  // "[POSICAO] xB is missing"
  std::vector<TUnreadValue> unread;
};

// Reads the settings keys present in `file` over `state`: a key that is
// missing, unreadable or out of bounds leaves its value in `state` as it
// was, and is listed in `notes` when given.
void ReadSettingsOver(const std::filesystem::path& file, TExperimentState& state, TSettingsNotes* notes);
