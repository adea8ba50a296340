#include "app/run/run_sound.h"

#include "app/experiment/settings_file.h"
#include "app/run/run_folder.h"
#include "app/run/run_words.h"

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
    problem = error.empty() ? Said(RunWords::tr("%1: not a WAVE sound file").arg(QString::fromStdString(name))) : error;
    return false;
  }
  if (wav.Channels != 2) {
    const QString channels = wav.Channels == 1 ? RunWords::tr("mono") : RunWords::tr("%1 channels").arg(wav.Channels);
    problem = Said(RunWords::tr("%1: %2; a pair is recorded in stereo (left sensor A, right the other sensor)")
                       .arg(QString::fromStdString(name), channels));
    return false;
  }
  if (const QString bound = AcquisitionBoundsWords(kMinAcquisitionTime, static_cast<int32_t>(
                                                       std::min<uint32_t>(wav.SampleRate, INT32_MAX)));
      !bound.isEmpty()) {
    problem = Said(RunWords::tr("%1: recorded at %2 samples / s. %3").arg(QString::fromStdString(name)).arg(wav.SampleRate).arg(bound));
    return false;
  }
  for (float v : wav.Samples)
    if (!std::isfinite(v)) {
      problem = Said(RunWords::tr("%1: holds samples that are not numbers").arg(QString::fromStdString(name)));
      return false;
    }
  if (wav.Frames() == 0) {
    problem = Said(RunWords::tr("%1: holds no sound").arg(QString::fromStdString(name)));
    return false;
  }
  return true;
}
