#include "app/settings_file.h"

#include "platform/profile_file.h"

ESettingsWriteError::ESettingsWriteError(const std::filesystem::path& path)
    : std::runtime_error("Unable to write to " + path.string()) {}

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

std::filesystem::path SettingsPath() { return WorkingDirectory() / "config.ini"; }

void LoadSettings(TExperimentState& state) {
  const auto path = SettingsPath();
  const auto workingDir = WorkingDirectory();
  auto readInt = [&](const char* section, const char* key, int32_t fallback) {
    return profile::ReadInt(path, section, key, fallback);
  };
  state.stationX[stA] = readInt("POSICAO", "xA", 0);
  state.stationX[stB] = readInt("POSICAO", "xB", 20);
  state.stationX[stC] = readInt("POSICAO", "xC", 40);
  state.stationY[stA] = readInt("POSICAO", "yA", 0);
  state.stationY[stB] = readInt("POSICAO", "yB", 0);
  state.stationY[stC] = readInt("POSICAO", "yC", 0);
  state.mapWidth = readInt("MAPA", "mapax", 1400);
  state.mapHeight = readInt("MAPA", "mapay", 1000);
  state.imageFileName =
      profile::ReadString(path, "IMGFILE", "imgfilename", (workingDir / "default.jpg").string());
  const int32_t velocity = readInt("VELOCIDADE", "vel", 120000);
  state.pulseVelocity = PulseVelocityError(velocity).empty() ? velocity : 120000;
  // A hand-edited file cannot ask for blocks the capture cannot make.
  const int32_t time = readInt("TAQUISICAO", "taq", 5);
  const int32_t rate = readInt("TXAQUISICAO", "tx", 8000);
  state.acquisitionRate = AcquisitionBoundsError(1, rate).empty() ? rate : 8000;
  state.acquisitionTime = AcquisitionBoundsError(time, state.acquisitionRate).empty() ? time : 5;
  state.detectionLevel = readInt("LEVELDETECTION", "level_detec", 10);
}

void SaveSettings(const TExperimentState& state) {
  const auto path = SettingsPath();
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
}
