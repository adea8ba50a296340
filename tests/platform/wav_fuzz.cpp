// Runs the WAV reader behind the "Recording" device on arbitrary bytes:
// any input either reads as whole frames of samples in -1..1 or is refused
// with a message, and never makes the reader take more samples than the
// file has bytes (the seeds declare data chunks far past the file's end).

#include "platform/wav_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TWavData wav;
  std::string error;
  if (!ParseWav(data, size, wav, &error)) {
    if (error.empty()) std::abort();
    return 0;
  }
  // Every sample takes at least one byte of the file, after the RIFF
  // header, the 16-byte format chunk and the data chunk's header.
  if (wav.Channels == 0 || wav.SampleRate == 0 || wav.Samples.size() + 44 > size) std::abort();
  if (wav.Samples.size() % wav.Channels != 0) std::abort();
  for (float v : wav.Samples)
    if (!(v >= -1.0f && v <= 1.0f)) std::abort();
  return 0;
}
