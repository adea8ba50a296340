#pragma once
// Reading and writing RIFF/WAVE files of PCM sound (8, 16, 24 or 32 bits,
// plain or extensible header) and of 32-bit float sound. Samples are held as
// normalised floats, interleaved.

#include <cstdint>
#include <string>
#include <vector>

struct TWavData {
  uint16_t Channels = 0;
  uint32_t SampleRate = 0;
  std::vector<float> Samples;  // interleaved, -1..1
  size_t Frames() const { return Channels ? Samples.size() / Channels : 0; }
};

// Parses a whole file image; false (with `error` set) for anything that is
// not a well-formed WAVE file of a supported format.
bool ParseWav(const uint8_t* data, size_t size, TWavData& out, std::string* error = nullptr);
bool ReadWavFile(const std::string& path, TWavData& out, std::string* error = nullptr);
// Writes 16-bit PCM.
bool WriteWavFile16(const std::string& path, const TWavData& wav);
