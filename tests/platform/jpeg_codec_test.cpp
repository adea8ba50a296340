#include "platform/jpeg_codec.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// A picture with clear structure: left half red, right half blue, a white
// bar across the middle. Large flat areas survive lossy coding closely.
jpeg::TRgbImage TestPicture(int width = 64, int height = 48) {
  jpeg::TRgbImage img;
  img.width = width;
  img.height = height;
  img.rgb.resize(size_t(width) * height * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      uint8_t* p = &img.rgb[(size_t(y) * width + x) * 3];
      if (y >= height / 2 - 4 && y < height / 2 + 4) {
        p[0] = p[1] = p[2] = 255;
      } else if (x < width / 2) {
        p[0] = 220; p[1] = 20; p[2] = 20;
      } else {
        p[0] = 20; p[1] = 20; p[2] = 220;
      }
    }
  return img;
}

const uint8_t* Pixel(const jpeg::TRgbImage& img, int x, int y) {
  return &img.rgb[(size_t(y) * img.width + x) * 3];
}

void ExpectNear(const uint8_t* p, int r, int g, int b, int tolerance = 12) {
  EXPECT_NEAR(p[0], r, tolerance);
  EXPECT_NEAR(p[1], g, tolerance);
  EXPECT_NEAR(p[2], b, tolerance);
}

TEST(JpegCodec, RoundTripKeepsSizeAndColours) {
  const auto source = TestPicture();
  const auto file = jpeg::EncodeJpeg(source);
  ASSERT_GT(file.size(), 4u);
  EXPECT_EQ(file[0], 0xFF);  // SOI marker
  EXPECT_EQ(file[1], 0xD8);
  EXPECT_EQ(file[file.size() - 2], 0xFF);  // EOI marker
  EXPECT_EQ(file[file.size() - 1], 0xD9);

  const auto decoded = jpeg::DecodeJpeg(file);
  ASSERT_EQ(decoded.width, 64);
  ASSERT_EQ(decoded.height, 48);
  ASSERT_EQ(decoded.rgb.size(), 64u * 48 * 3);
  ExpectNear(Pixel(decoded, 4, 4), 220, 20, 20);
  ExpectNear(Pixel(decoded, 60, 4), 20, 20, 220);
  ExpectNear(Pixel(decoded, 4, 24), 255, 255, 255);
  ExpectNear(Pixel(decoded, 60, 44), 20, 20, 220);
}

TEST(JpegCodec, OddSizesAndQualityChangeTheFile) {
  const auto source = TestPicture(17, 5);
  const auto decoded = jpeg::DecodeJpeg(jpeg::EncodeJpeg(source));
  EXPECT_EQ(decoded.width, 17);
  EXPECT_EQ(decoded.height, 5);

  // A noisy picture: higher quality must give a larger file, and the
  // default must lie between the extremes.
  jpeg::TRgbImage noisy;
  noisy.width = noisy.height = 64;
  noisy.rgb.resize(64 * 64 * 3);
  std::srand(7);
  for (auto& b : noisy.rgb) b = uint8_t(std::rand());
  const size_t low = jpeg::EncodeJpeg(noisy, 10).size();
  const size_t standard = jpeg::EncodeJpeg(noisy).size();
  const size_t high = jpeg::EncodeJpeg(noisy, 100).size();
  EXPECT_LT(low, standard);
  EXPECT_LT(standard, high);
  EXPECT_EQ(standard, jpeg::EncodeJpeg(noisy, jpeg::kDefaultQuality).size());
}

TEST(JpegCodec, DamagedFilesRaiseInsteadOfEndingTheProcess) {
  const auto good = jpeg::EncodeJpeg(TestPicture());

  // Truncated in the middle of the entropy-coded data.
  std::vector<uint8_t> truncated(good.begin(), good.begin() + good.size() / 2);
  EXPECT_THROW(jpeg::DecodeJpeg(truncated), jpeg::EJpegError);

  // Only the first bytes of the header.
  std::vector<uint8_t> headerOnly(good.begin(), good.begin() + 20);
  EXPECT_THROW(jpeg::DecodeJpeg(headerOnly), jpeg::EJpegError);

  // Not a JPEG file at all.
  const std::string text = "BM this is not a picture";
  EXPECT_THROW(jpeg::DecodeJpeg(reinterpret_cast<const uint8_t*>(text.data()), text.size()),
               jpeg::EJpegError);

  EXPECT_THROW(jpeg::DecodeJpeg(nullptr, 0), jpeg::EJpegError);

  try {
    jpeg::DecodeJpeg(truncated);
    FAIL() << "no error";
  } catch (const jpeg::EJpegError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("JPEG error: ", 0), 0u) << e.what();
    EXPECT_GT(std::string(e.what()).size(), 12u);
  }
}

TEST(JpegCodec, CorruptedBytesNeverCrash) {
  const auto good = jpeg::EncodeJpeg(TestPicture());
  std::srand(11);
  int failures = 0;
  for (int round = 0; round < 200; ++round) {
    auto damaged = good;
    for (int k = 0; k < 8; ++k) damaged[std::rand() % damaged.size()] = uint8_t(std::rand());
    try {
      const auto img = jpeg::DecodeJpeg(damaged);
      EXPECT_EQ(img.rgb.size(), size_t(img.width) * img.height * 3);
    } catch (const jpeg::EJpegError&) {
      ++failures;
    }
  }
  EXPECT_GT(failures, 0);
}

TEST(JpegCodec, HugeDeclaredSizeIsRefused) {
  auto file = jpeg::EncodeJpeg(TestPicture());
  // Patch the frame header (SOF0: FF C0, length, precision, height, width).
  size_t sof = 0;
  for (size_t i = 2; i + 1 < file.size(); ++i)
    if (file[i] == 0xFF && file[i + 1] == 0xC0) { sof = i; break; }
  ASSERT_NE(sof, 0u);
  file[sof + 5] = 0xFF; file[sof + 6] = 0xF0;  // height 65520
  file[sof + 7] = 0xFF; file[sof + 8] = 0xF0;  // width 65520
  EXPECT_THROW(jpeg::DecodeJpeg(file), jpeg::EJpegError);
}

TEST(JpegCodec, EncoderRejectsBadArguments) {
  std::vector<uint8_t> rgb(12, 0);
  EXPECT_THROW(jpeg::EncodeJpeg(rgb.data(), 0, 4), jpeg::EJpegError);
  EXPECT_THROW(jpeg::EncodeJpeg(rgb.data(), 2, -1), jpeg::EJpegError);
  EXPECT_THROW(jpeg::EncodeJpeg(nullptr, 2, 2), jpeg::EJpegError);
}

}  // namespace
