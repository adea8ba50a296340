#pragma once
// A pair's sound file: stereo 16-bit PCM at the capture rate, left sensor A,
// right the pair's other sensor.

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/wav_file.h"

struct TRunPair;

// Writes the pair's block into `file`; false when it cannot be written.
bool WritePairSound(const std::filesystem::path& file, const TRunPair& pair, int32_t rate);

// Reads a pair's file: false (with the message, naming the file) when it
// cannot be used as a pair's block.
bool ReadPairSound(const std::filesystem::path& file, TWavData& wav, std::string& problem);
