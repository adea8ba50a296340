#pragma once
// JPEG decoding and encoding over libjpeg. The library's default error
// handler ends the process; ours turns every error, and every warning about
// corrupt or missing data, into an EJpegError so that a damaged file is
// reported instead of shown half grey or taking the program down.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace jpeg {

class EJpegError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// An image as 8-bit RGB triples, rows from top to bottom without padding.
struct TRgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // width * height * 3 bytes
};

// The library's own default quality (what jpeg_set_defaults chooses).
constexpr int kDefaultQuality = 75;

// Pictures larger than this are refused before any pixel memory is taken:
// a damaged header must not make the program allocate gigabytes.
constexpr uint64_t kMaxPixels = 64ull * 1024 * 1024;

// Decodes a whole JPEG file held in memory; grey-scale and CMYK pictures
// come out as RGB too. Throws EJpegError on any damage.
TRgbImage DecodeJpeg(const uint8_t* data, size_t size);
inline TRgbImage DecodeJpeg(const std::vector<uint8_t>& data) {
  return DecodeJpeg(data.data(), data.size());
}

// Encodes RGB rows (width * 3 bytes each, top to bottom) as a baseline JPEG
// file. quality < 0 keeps the library's default.
std::vector<uint8_t> EncodeJpeg(const uint8_t* rgb, int width, int height, int quality = -1);
inline std::vector<uint8_t> EncodeJpeg(const TRgbImage& image, int quality = -1) {
  return EncodeJpeg(image.rgb.data(), image.width, image.height, quality);
}

}  // namespace jpeg
