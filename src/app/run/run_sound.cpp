#include "app/run/run_sound.h"

#include "app/experiment/settings_file.h"
#include "app/run/run_folder.h"

#include <algorithm>
#include <cmath>

bool WritePairSound(const std::filesystem::path& file, const TRunPair& pair, int32_t rate) {
  TWavData wav;
  wav.Channels = 2;
  wav.SampleRate = static_cast<uint32_t>(rate);
  const size_t n = std::min(pair.left.size(), pair.right.size());
  wav.Samples.resize(2 * n);
  for (size_t i = 0; i < n; ++i) {
    // Captured as 16 bits, scaled by 1/32768: exact as float and back.
    wav.Samples[2 * i] = static_cast<float>(pair.left[i]);
    wav.Samples[2 * i + 1] = static_cast<float>(pair.right[i]);
  }
  return WriteWavFile16(file.string(), wav);
}

bool ReadPairSound(const std::filesystem::path& file, TWavData& wav, std::string& problem) {
  const std::string name = file.filename().string();
  std::string error;
  if (!ReadWavFile(file.string(), wav, &error)) {
    // The reader's messages name the file already.
    problem = error.empty() ? name + ": not a WAVE sound file" : error;
    return false;
  }
  if (wav.Channels != 2) {
    problem = name + ": " + (wav.Channels == 1 ? std::string("mono") : std::to_string(wav.Channels) + " channels") +
              "; a pair is recorded in stereo (left sensor A, right the other sensor)";
    return false;
  }
  if (const std::string bound = AcquisitionBoundsError(kMinAcquisitionTime, static_cast<int32_t>(
                                                           std::min<uint32_t>(wav.SampleRate, INT32_MAX)));
      !bound.empty()) {
    problem = name + ": recorded at " + std::to_string(wav.SampleRate) + " samples / s. " + bound;
    return false;
  }
  for (float v : wav.Samples)
    if (!std::isfinite(v)) {
      problem = name + ": holds samples that are not numbers";
      return false;
    }
  if (wav.Frames() == 0) {
    problem = name + ": holds no sound";
    return false;
  }
  return true;
}
