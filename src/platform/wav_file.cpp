#include "platform/wav_file.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>

#include "platform/wave_format.h"

namespace {

uint32_t U32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint16_t U16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

bool Fail(std::string* error, const char* text) {
  if (error) *error = text;
  return false;
}

}  // namespace

bool ParseWav(const uint8_t* data, size_t size, TWavData& out, std::string* error) {
  if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
    return Fail(error, "not a RIFF/WAVE file");
  size_t pos = 12;
  bool haveFormat = false;
  uint16_t tag = 0, channels = 0, container = 0, blockAlign = 0;
  uint32_t rate = 0;
  while (pos + 8 <= size) {
    const uint8_t* chunk = data + pos;
    const uint32_t length = U32(chunk + 4);
    const size_t body = pos + 8;
    const size_t available = std::min<size_t>(length, size - body);
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (available < 16) return Fail(error, "short format chunk (truncated file?)");
      const uint8_t* f = data + body;
      tag = U16(f);
      channels = U16(f + 2);
      rate = U32(f + 4);
      blockAlign = U16(f + 12);
      container = U16(f + 14);
      if (tag == WAVE_FORMAT_EXTENSIBLE_TAG) {
        if (available < 40) return Fail(error, "short extensible format chunk (truncated file?)");
        // The sub-format GUID is a format tag in front of a fixed tail.
        static const uint8_t kTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                          0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
        if (std::memcmp(f + 26, kTail, sizeof kTail) != 0) return Fail(error, "unknown extensible sub-format");
        tag = U16(f + 24);
      }
      haveFormat = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!haveFormat) return Fail(error, "data before format");
      if (tag == 6 || tag == 7)
        return Fail(error, tag == 6 ? "A-law compressed sound is not supported (save it as PCM)"
                                    : "\u00b5-law compressed sound is not supported (save it as PCM)");
      const bool pcm = tag == 1 && (container == 8 || container == 16 || container == 24 || container == 32);
      const bool fl = tag == 3 && container == 32;
      if (!pcm && !fl) {
        if (error)
          *error = "unsupported sample format (format tag " + std::to_string(tag) + ", " + std::to_string(container) +
                   " bits; PCM of 8, 16, 24 or 32 bits and 32-bit float are read)";
        return false;
      }
      if (channels < 1 || channels > 32 || rate == 0 || blockAlign != container / 8 * channels)
        return Fail(error, "inconsistent format");
      // The declared length is checked against the bytes present before
      // anything is reserved for it: a cut file would otherwise play with
      // a part of its sound missing.
      if (available < length) {
        if (error)
          *error = "truncated file: the data chunk declares " + std::to_string(length) + " bytes, " +
                   std::to_string(available) + " are present";
        return false;
      }
      const size_t frames = available / blockAlign;
      out.Channels = channels;
      out.SampleRate = rate;
      out.Samples.resize(frames * channels);
      const uint8_t* s = data + body;
      const size_t bytes = container / 8;
      for (size_t i = 0; i < frames * channels; ++i, s += bytes) {
        float v;
        switch (container) {
          case 8: v = (float(s[0]) - 128.0f) / 128.0f; break;
          case 16: v = float(int16_t(U16(s))) / 32768.0f; break;
          case 24: v = float(int32_t((uint32_t(s[0]) << 8) | (uint32_t(s[1]) << 16) | (uint32_t(s[2]) << 24)) >> 8) / 8388608.0f; break;
          default:
            if (fl) {
              uint32_t bits = U32(s);
              std::memcpy(&v, &bits, 4);
              if (!std::isfinite(v)) v = 0;
              v = std::fmax(-1.0f, std::fmin(1.0f, v));
            } else {
              v = float(double(int32_t(U32(s))) / 2147483648.0);
            }
        }
        out.Samples[i] = v;
      }
      return true;
    }
    // Chunks of odd length are padded to an even one.
    pos = body + length + (length & 1);
    if (pos < body) break;  // past the address range of a 32-bit size_t
  }
  return Fail(error, haveFormat ? "no data chunk (truncated file?)" : "no format chunk (truncated file?)");
}

namespace {

// Recording programs put a few chunks (LIST, fact, bext) before the sound.
constexpr int kMaxChunksBeforeData = 4096;

// The bytes ParseWav needs: the chunks up to the end of the data chunk,
// found by their headers alone, so that a damaged or huge file is refused
// before its body is read.
bool WavExtent(std::ifstream& in, uint64_t fileLength, uint64_t& extent, std::string& why) {
  uint8_t head[12];
  if (fileLength < 12 || !in.seekg(0) || !in.read(reinterpret_cast<char*>(head), 12) ||
      std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0) {
    why = "not a RIFF/WAVE file";
    return false;
  }
  bool haveFormat = false;
  uint64_t pos = 12;
  for (int chunk = 0; chunk < kMaxChunksBeforeData && pos + 8 <= fileLength; ++chunk) {
    if (!in.seekg(std::streamoff(pos)) || !in.read(reinterpret_cast<char*>(head), 8)) break;
    const uint64_t length = U32(head + 4), body = pos + 8;
    if (std::memcmp(head, "data", 4) == 0) {
      if (length > fileLength - body) {
        why = "truncated file: the data chunk declares " + std::to_string(length) + " bytes, " +
              std::to_string(fileLength - body) + " are present";
        return false;
      }
      extent = body + length;
      return true;
    }
    if (std::memcmp(head, "fmt ", 4) == 0) haveFormat = true;
    pos = body + length + (length & 1);
  }
  why = haveFormat ? "no data chunk (truncated file?)" : "no format chunk (truncated file?)";
  return false;
}

}  // namespace

bool ReadWavFile(const std::string& path, TWavData& out, std::string* error) {
  std::string why;
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  bool ok = false;
  uint64_t extent = 0;
  if (!in) {
    why = std::strerror(errno);
  } else if (const std::streamoff length = in.tellg(); length < 0) {
    why = "unable to tell the file's length";
  } else if (WavExtent(in, uint64_t(length), extent, why)) {
    in.clear();
    in.seekg(0);
    std::vector<uint8_t> bytes(extent);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(extent)))
      why = "unable to read it";
    else
      ok = ParseWav(bytes.data(), bytes.size(), out, &why);
  }
  if (!ok && error) *error = "'" + path + "': " + why;
  return ok;
}

bool WriteWavFile16(const std::string& path, const TWavData& wav) {
  std::ofstream out(path, std::ios::binary);
  if (!out) return false;
  const uint32_t dataBytes = uint32_t(wav.Samples.size() * 2);
  auto u32 = [&](uint32_t v) { char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; out.write(b, 4); };
  auto u16 = [&](uint16_t v) { char b[2] = {char(v), char(v >> 8)}; out.write(b, 2); };
  out.write("RIFF", 4);
  u32(36 + dataBytes);
  out.write("WAVEfmt ", 8);
  u32(16);
  u16(1);
  u16(wav.Channels);
  u32(wav.SampleRate);
  u32(wav.SampleRate * wav.Channels * 2);
  u16(uint16_t(wav.Channels * 2));
  u16(16);
  out.write("data", 4);
  u32(dataBytes);
  for (float v : wav.Samples) {
    long s = std::lround(double(v) * 32768.0);
    s = std::max(-32768L, std::min(32767L, s));
    u16(uint16_t(int16_t(s)));
  }
  // The last buffer is written only by the close: a full disk shows there.
  out.close();
  return !out.fail();
}
