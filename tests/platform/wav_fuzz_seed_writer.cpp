// Writes the WAV fuzzer's seeds into the folder given: every sample format
// the reader takes, and the damaged headers it must refuse or cut short.

#include "support/metafile_samples.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using testsupport::TLeBytes;

struct TFormat {
  uint16_t tag = 1;  // 1 PCM, 3 float
  uint16_t channels = 2;
  uint16_t bits = 16;
  bool extensible = false;
};

std::string FormatChunk(const TFormat& f) {
  TLeBytes c;
  const uint16_t align = uint16_t(f.channels * f.bits / 8);
  c.Raw("fmt ").U32(f.extensible ? 40 : 16);
  c.U16(f.extensible ? 0xFFFE : f.tag).U16(f.channels).U32(8000).U32(8000u * align).U16(align).U16(f.bits);
  if (f.extensible) {
    // cbSize, valid bits, channel mask, sub-format GUID (tag in front)
    c.U16(22).U16(f.bits).U32(3).U16(f.tag).U16(0).U32(0x00100000).U32(0xAA000080).U32(0x719B3800);
  }
  return c.bytes;
}

std::string Samples(const TFormat& f, int frames) {
  TLeBytes d;
  for (int i = 0; i < frames * f.channels; ++i) {
    const double v = std::sin(i * 0.3) * 0.8;
    if (f.tag == 3) {
      float x = float(v);
      uint32_t bits;
      std::memcpy(&bits, &x, 4);
      d.U32(bits);
    } else if (f.bits == 8) {
      d.Raw(std::string(1, char(uint8_t(128 + v * 127))));
    } else if (f.bits == 16) {
      d.I16(int(v * 32767));
    } else if (f.bits == 24) {
      const int s = int(v * 8388607);
      d.Raw(std::string{char(s & 0xFF), char((s >> 8) & 0xFF), char((s >> 16) & 0xFF)});
    } else {
      d.I32(int(v * 2147483647.0));
    }
  }
  return d.bytes;
}

std::string Wave(const std::string& chunks) {
  TLeBytes w;
  w.Raw("RIFF").U32(uint32_t(4 + chunks.size())).Raw("WAVE").Raw(chunks);
  return w.bytes;
}

std::string DataChunk(const std::string& samples, uint32_t declared) {
  TLeBytes d;
  d.Raw("data").U32(declared).Raw(samples);
  return d.bytes;
}

void Write(const std::filesystem::path& dir, const std::string& name, const std::string& bytes) {
  std::ofstream(dir / name, std::ios::binary) << bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CORPUS_DIR\n", argv[0]);
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::filesystem::create_directories(dir);
  const TFormat formats[] = {{1, 1, 8}, {1, 2, 16}, {1, 2, 24}, {1, 1, 32}, {3, 2, 32},
                             {1, 2, 16, true}, {3, 1, 32, true}, {1, 2, 24, true}};
  int n = 0;
  for (const TFormat& f : formats) {
    const std::string samples = Samples(f, 40);
    const std::string name = "f" + std::to_string(n++);
    Write(dir, name + ".wav", Wave(FormatChunk(f) + DataChunk(samples, uint32_t(samples.size()))));
    // Declared far past the end, one frame past it, and cut in the middle of a frame.
    Write(dir, name + "_huge.wav", Wave(FormatChunk(f) + DataChunk(samples, 0x7FFFFFF0)));
    Write(dir, name + "_short.wav",
          Wave(FormatChunk(f) + DataChunk(samples, uint32_t(samples.size() + f.channels * f.bits / 8))));
    Write(dir, name + "_cut.wav", Wave(FormatChunk(f) + DataChunk(samples, uint32_t(samples.size()))).substr(0, 70));
  }
  const TFormat plain;
  const std::string samples = Samples(plain, 20);
  TLeBytes odd;
  odd.Raw("LIST").U32(5).Raw("abcde").Raw(std::string(1, '\0'));  // odd size, padded
  Write(dir, "odd_chunk.wav", Wave(odd.bytes + FormatChunk(plain) + DataChunk(samples, uint32_t(samples.size()))));
  TLeBytes past;
  past.Raw("junk").U32(0xFFFFFFF0);
  Write(dir, "chunk_past_end.wav", Wave(FormatChunk(plain) + past.bytes + DataChunk(samples, 80)));
  Write(dir, "zero_channels.wav", Wave(FormatChunk({1, 0, 16}) + DataChunk(samples, 80)));
  Write(dir, "data_first.wav", Wave(DataChunk(samples, 80) + FormatChunk(plain)));
  Write(dir, "float64.wav", Wave(FormatChunk({3, 1, 64}) + DataChunk(samples, 80)));
  return 0;
}
