#include "app/experiment/settings_file.h"

#include "app/experiment/numbers.h"
#include "app/experiment/picks/pair_pick.h"
#include "platform/profile_file.h"

ESettingsWriteError::ESettingsWriteError(const std::filesystem::path& path)
    : std::runtime_error("Unable to write to " + path.string()), path_(path) {}

namespace {
// The working directory, or "." relative when it cannot be told (it was
// removed): reading then finds nothing and writing fails with a message.
std::filesystem::path WorkingDirectory() {
  std::error_code ec;
  auto dir = std::filesystem::current_path(ec);
  return ec ? std::filesystem::path(".") : dir;
}
}  // namespace

std::string AcquisitionBoundsError(int32_t time, int32_t rate) {
  using std::to_string;
  if (time < kMinAcquisitionTime || time > kMaxAcquisitionTime)
    return "Acquisition time must be between " + to_string(kMinAcquisitionTime) + " and " +
           to_string(kMaxAcquisitionTime) + " seconds";
  if (rate < kMinAcquisitionRate || rate > kMaxAcquisitionRate)
    return "Acquisition rate must be between " + to_string(kMinAcquisitionRate) + " and " +
           to_string(kMaxAcquisitionRate) + " samples / s";
  if (int64_t(time) * rate > kMaxAcquisitionSamples)
    return "Acquisition time x rate must not exceed " + to_string(kMaxAcquisitionSamples) +
           " samples (30 seconds at 44100 samples / s)";
  return {};
}

std::string PulseVelocityError(int32_t velocity) {
  if (velocity >= kMinPulseVelocity && velocity <= kMaxPulseVelocity) return {};
  return "Pulse velocity must be between " + std::to_string(kMinPulseVelocity) + " and " +
         std::to_string(kMaxPulseVelocity) + " mm / s";
}

std::string DetectionLevelError(int32_t level) {
  if (level >= kMinDetectionLevel && level <= kMaxDetectionLevel) return {};
  return "Detection level must be between " + std::to_string(kMinDetectionLevel) + " and " +
         std::to_string(kMaxDetectionLevel) + " (0 to 100 % of full scale)";
}

std::filesystem::path SettingsPath() { return WorkingDirectory() / "config.ini"; }

namespace {

// One integer key and where its value lives in the state.
struct TIntKey {
  const char* section;
  const char* key;
  int32_t& (*field)(TExperimentState&);
};

const TIntKey kIntKeys[] = {
    {"POSICAO", "xA", [](TExperimentState& s) -> int32_t& { return s.stationX[stA]; }},
    {"POSICAO", "xB", [](TExperimentState& s) -> int32_t& { return s.stationX[stB]; }},
    {"POSICAO", "xC", [](TExperimentState& s) -> int32_t& { return s.stationX[stC]; }},
    {"POSICAO", "yA", [](TExperimentState& s) -> int32_t& { return s.stationY[stA]; }},
    {"POSICAO", "yB", [](TExperimentState& s) -> int32_t& { return s.stationY[stB]; }},
    {"POSICAO", "yC", [](TExperimentState& s) -> int32_t& { return s.stationY[stC]; }},
    {"MAPA", "mapax", [](TExperimentState& s) -> int32_t& { return s.mapWidth; }},
    {"MAPA", "mapay", [](TExperimentState& s) -> int32_t& { return s.mapHeight; }},
    {"VELOCIDADE", "vel", [](TExperimentState& s) -> int32_t& { return s.pulseVelocity; }},
    {"TAQUISICAO", "taq", [](TExperimentState& s) -> int32_t& { return s.acquisitionTime; }},
    {"TXAQUISICAO", "tx", [](TExperimentState& s) -> int32_t& { return s.acquisitionRate; }},
    {"LEVELDETECTION", "level_detec", [](TExperimentState& s) -> int32_t& { return s.detectionLevel; }},
};

// The keys of a velocity measurement, [VELOCITYMEASURE], written only when
// one was made.
struct TMeasureKey {
  const char* key;
  bool uncertainty;
  double& (*field)(TExperimentState&);
};

const TMeasureKey kMeasureKeys[] = {
    {"uncertainty", true, [](TExperimentState& s) -> double& { return s.velocityUncertainty; }},
    {"correction_B", false, [](TExperimentState& s) -> double& { return s.sensorCorrection[0]; }},
    {"correction_B_uncertainty", true, [](TExperimentState& s) -> double& { return s.sensorCorrectionUncertainty[0]; }},
    {"correction_C", false, [](TExperimentState& s) -> double& { return s.sensorCorrection[1]; }},
    {"correction_C_uncertainty", true, [](TExperimentState& s) -> double& { return s.sensorCorrectionUncertainty[1]; }},
};

// No value of a settings file holds this character.
const std::string kAbsent(1, '\x01');

std::string KeyName(const char* section, const char* key) {
  return std::string("[") + section + "] " + key;
}

}  // namespace

void ReadSettingsOver(const std::filesystem::path& file, TExperimentState& state, TSettingsNotes* notes) {
  auto missing = [&](const char* section, const char* key) {
    if (notes) notes->missing.push_back(KeyName(section, key) + " is missing");
  };
  using TWhy = TUnreadValue::TWhy;
  auto damaged = [&](const char* section, const char* key, const std::string& text, TWhy why, int32_t rate = 0) {
    if (notes) notes->unread.push_back({section, key, text, why, rate});
  };
  auto beyond = [&](const char* section, const char* key, int32_t value, int32_t rate = 0) {
    damaged(section, key, std::to_string(value), TWhy::BeyondBounds, rate);
  };
  TExperimentState read = state;
  for (const TIntKey& k : kIntKeys) {
    const std::string text = profile::ReadString(file, k.section, k.key, kAbsent);
    int32_t value = 0;
    if (text == kAbsent)
      missing(k.section, k.key);
    else if (!profile::ParseInt(text, value))
      damaged(k.section, k.key, text, TWhy::NotWholeNumber);
    else
      k.field(read) = value;
  }
  const std::string image = profile::ReadString(file, "IMGFILE", "imgfilename", kAbsent);
  if (image == kAbsent)
    missing("IMGFILE", "imgfilename");
  else
    state.imageFileName = image;
  for (int k = stA; k <= stC; ++k) {
    state.stationX[k] = read.stationX[k];
    state.stationY[k] = read.stationY[k];
  }
  state.mapWidth = read.mapWidth;
  state.mapHeight = read.mapHeight;
  // A hand-edited file cannot ask for a speed or blocks the program cannot
  // work with.
  if (PulseVelocityError(read.pulseVelocity).empty())
    state.pulseVelocity = read.pulseVelocity;
  else
    beyond("VELOCIDADE", "vel", read.pulseVelocity);
  if (AcquisitionBoundsError(kMinAcquisitionTime, read.acquisitionRate).empty())
    state.acquisitionRate = read.acquisitionRate;
  else
    beyond("TXAQUISICAO", "tx", read.acquisitionRate);
  if (AcquisitionBoundsError(read.acquisitionTime, state.acquisitionRate).empty())
    state.acquisitionTime = read.acquisitionTime;
  else if (read.acquisitionTime != state.acquisitionTime)
    beyond("TAQUISICAO", "taq", read.acquisitionTime, state.acquisitionRate);
  // The time kept must fit the rate read.
  if (!AcquisitionBoundsError(state.acquisitionTime, state.acquisitionRate).empty()) state.acquisitionTime = 5;
  // Without the section the lab keeps the first sample at the level.
  if (const std::string method = profile::ReadString(file, "PICKS", "method", kAbsent); method != kAbsent) {
    TPickMethod parsed = TPickMethod::Level;
    if (ParsePickMethod(method, parsed))
      state.pickMethod = parsed;
    else
      damaged("PICKS", "method", method, TWhy::NotPickMethod);
  }
  // A velocity measurement's keys: a lab without one has none, and that is
  // not worth a note.
  for (const TMeasureKey& k : kMeasureKeys) {
    const std::string text = profile::ReadString(file, "VELOCITYMEASURE", k.key, kAbsent);
    double value = 0;
    if (text == kAbsent) continue;
    if (!ParseNumber(text, value) || (k.uncertainty && value < 0))
      damaged("VELOCITYMEASURE", k.key, text, k.uncertainty ? TWhy::NotAtLeastZero : TWhy::NotNumber);
    else
      k.field(state) = value;
  }
  if (DetectionLevelError(read.detectionLevel).empty())
    state.detectionLevel = read.detectionLevel;
  else
    beyond("LEVELDETECTION", "level_detec", read.detectionLevel);
}

void SetDefaultSettings(TExperimentState& state, const std::filesystem::path& folder) {
  state.stationX[stA] = 0;
  state.stationX[stB] = 20;
  state.stationX[stC] = 40;
  state.stationY[stA] = state.stationY[stB] = state.stationY[stC] = 0;
  state.mapWidth = 1400;
  state.mapHeight = 1000;
  state.imageFileName = (folder / "default.jpg").string();
  state.pulseVelocity = 120000;
  state.acquisitionTime = 5;
  state.acquisitionRate = 8000;
  state.detectionLevel = 10;
  state.pickMethod = TPickMethod::Level;
  state.velocityUncertainty = 0;
  state.sensorCorrection[0] = state.sensorCorrection[1] = 0;
  state.sensorCorrectionUncertainty[0] = state.sensorCorrectionUncertainty[1] = 0;
}

void LoadSettings(TExperimentState& state, TSettingsNotes* notes) {
  SetDefaultSettings(state, WorkingDirectory());
  ReadSettingsOver(SettingsPath(), state, notes);
}

void SaveSettings(const TExperimentState& state) { SaveSettingsTo(SettingsPath(), state); }

void SavePictureName(const std::string& name) {
  const std::filesystem::path path = SettingsPath();
  if (profile::WriteString(path, "IMGFILE", "imgfilename", name)) throw ESettingsWriteError(path);
}

void SaveSettingsTo(const std::filesystem::path& path, const TExperimentState& state) {
  auto write = [&](const char* section, const char* key, const std::string& value) {
    if (profile::WriteString(path, section, key, value)) throw ESettingsWriteError(path);
  };
  auto writeInt = [&](const char* section, const char* key, int32_t value) {
    write(section, key, std::to_string(value));
  };
  writeInt("POSICAO", "xA", state.stationX[stA]);
  writeInt("POSICAO", "xB", state.stationX[stB]);
  writeInt("POSICAO", "xC", state.stationX[stC]);
  writeInt("POSICAO", "yA", state.stationY[stA]);
  writeInt("POSICAO", "yB", state.stationY[stB]);
  writeInt("POSICAO", "yC", state.stationY[stC]);
  write("IMGFILE", "imgfilename", state.imageFileName);
  writeInt("VELOCIDADE", "vel", state.pulseVelocity);
  writeInt("TAQUISICAO", "taq", state.acquisitionTime);
  writeInt("TXAQUISICAO", "tx", state.acquisitionRate);
  writeInt("LEVELDETECTION", "level_detec", state.detectionLevel);
  writeInt("DATASHOWMODE", "mode", state.dataShowMode);
  // A lab that never chose another method keeps a file without the section.
  if (state.pickMethod != TPickMethod::Level || profile::ReadString(path, "PICKS", "method", kAbsent) != kAbsent)
    write("PICKS", "method", PickMethodName(state.pickMethod));
  // A measurement set aside is written as none (zeros), so that the file
  // does not keep the old one.
  if (state.velocityUncertainty > 0 ||
      profile::ReadString(path, "VELOCITYMEASURE", kMeasureKeys[0].key, kAbsent) != kAbsent) {
    TExperimentState measured = state;
    for (const TMeasureKey& k : kMeasureKeys) write("VELOCITYMEASURE", k.key, ShortestNumber(k.field(measured)));
  }
}

bool ParsePickMethod(const std::string& text, TPickMethod& method) {
  for (TPickMethod m : {TPickMethod::Level, TPickMethod::Onset, TPickMethod::Correlation})
    if (text == PickMethodName(m)) {
      method = m;
      return true;
    }
  return false;
}
