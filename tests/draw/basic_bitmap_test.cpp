// The off-screen bitmap: formats and row layout, bitmap files written and
// read back, and damaged or hostile files.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <cstring>
#include <functional>
#include <random>

#include "draw/basic_bitmap.h"

namespace {

QByteArray Saved(TVLBasicBitmap& bmp) {
  QByteArray bytes;
  QBuffer out(&bytes);
  out.open(QIODevice::WriteOnly);
  bmp.SaveToStream(out);
  return bytes;
}

void Load(TVLBasicBitmap& bmp, const QByteArray& bytes) {
  QByteArray copy = bytes;
  QBuffer in(&copy);
  in.open(QIODevice::ReadOnly);
  bmp.LoadFromStream(in);
}

void Put32(QByteArray& b, int at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = char((v >> (8 * i)) & 0xff);
}

// Random pixels written through the pixel memory.
void Scribble(TVLBasicBitmap& bmp, unsigned seed) {
  std::mt19937 gen(seed);
  const int bytes = bmp.Width() * bmp.PixelFormat() / 8;
  for (int y = 0; y < bmp.Height(); ++y) {
    uint8_t* row = bmp.ScanLine(y);
    for (int x = 0; x < bytes; ++x) row[x] = uint8_t(gen());
    if (bmp.PixelFormat() == 32)
      for (int x = 3; x < bytes; x += 4) row[x] = 0xff;
  }
}

void ExpectSamePixels(TVLBasicBitmap& a, TVLBasicBitmap& b) {
  ASSERT_EQ(a.Width(), b.Width());
  ASSERT_EQ(a.Height(), b.Height());
  ASSERT_EQ(a.PixelFormat(), b.PixelFormat());
  const int bytes = a.Width() * a.PixelFormat() / 8;
  for (int y = 0; y < a.Height(); ++y)
    ASSERT_EQ(std::memcmp(a.ScanLine(y), b.ScanLine(y), bytes), 0) << "row " << y;
}

}  // namespace

TEST(BasicBitmap, FormatsRowsAndRebuilding) {
  TVLBasicBitmap bmp;
  EXPECT_TRUE(bmp.IsEmpty());
  bmp.SetPixelFormat(16);
  EXPECT_EQ(bmp.PixelFormat(), 24);
  bmp.SetWidth(3);
  EXPECT_TRUE(bmp.IsEmpty());  // no height yet
  bmp.SetHeight(2);
  ASSERT_FALSE(bmp.IsEmpty());
  EXPECT_EQ(bmp.Stride(), 12);  // 9 bytes padded to a multiple of 4
  EXPECT_EQ(bmp.ScanLine(1) - bmp.ScanLine(0), 12);
  bmp.SetPixelFormat(32);
  EXPECT_EQ(bmp.PixelFormat(), 32);
  EXPECT_EQ(bmp.Stride(), 12);
  bmp.SetPixelFormat(8);
  EXPECT_EQ(bmp.PixelFormat(), 24);
  bmp.SetWidth(5);
  EXPECT_EQ(bmp.Stride(), 16);
  EXPECT_EQ(bmp.Image().width(), 5);

  // A request that cannot be met leaves the previous image in place.
  bmp.ScanLine(0)[0] = 77;
  EXPECT_THROW(bmp.SetSize(-1, 4), EVLBitmapError);
  try {
    // More bytes than any address space holds, so no allocator can agree.
    bmp.SetSize(1 << 30, 1 << 30);
    ADD_FAILURE() << "an image of 2^60 pixels was made";
  } catch (const EVLBitmapError& e) {
    EXPECT_STREQ(e.what(), "Cannot create device-independant bitmap");
  }
  EXPECT_EQ(bmp.Width(), 5);
  EXPECT_EQ(bmp.Height(), 2);
  EXPECT_EQ(bmp.ScanLine(0)[0], 77);

  bmp.SetWidth(0);
  EXPECT_TRUE(bmp.IsEmpty());
  EXPECT_EQ(bmp.Bits(), nullptr);
  QBuffer sink;
  sink.open(QIODevice::WriteOnly);
  EXPECT_THROW(bmp.SaveToStream(sink), EVLBitmapError);  // would not load back
}

TEST(BasicBitmap, FilesRoundTripIn24And32BitsBottomUpAndTopDown) {
  for (int bits : {24, 32}) {
    SCOPED_TRACE(bits);
    TVLBasicBitmap bmp(7, 5, bits);  // odd width: 24-bit rows carry padding
    Scribble(bmp, unsigned(bits));
    // Drawing through the canvas ends up in the file as well.
    bmp.Canvas().Pen().SetColor(QColor(10, 20, 30));
    bmp.Canvas().MoveTo(0, 4);
    bmp.Canvas().LineTo(7, 4);
    QImage copy;
    bmp.CopyTo(copy);
    ASSERT_EQ(copy.size(), QSize(7, 5));
    EXPECT_EQ(copy.pixelColor(6, 4), QColor(10, 20, 30));
    const QByteArray file = Saved(bmp);

    const int stride = (7 * bits / 8 + 3) / 4 * 4;
    ASSERT_EQ(file.size(), 54 + stride * 5);
    EXPECT_EQ(file.left(2), QByteArray("BM"));
    EXPECT_EQ(uint8_t(file[10]), 54);  // pixel offset
    EXPECT_EQ(uint8_t(file[28]), bits);
    // Bottom-up: the file's first row is the image's last, colour bytes B, G, R.
    EXPECT_EQ(uint8_t(file[54]), 30);
    EXPECT_EQ(uint8_t(file[55]), 20);
    EXPECT_EQ(uint8_t(file[56]), 10);

    TVLBasicBitmap back;
    Load(back, file);
    ExpectSamePixels(bmp, back);

    // The same picture stored top-down (negative height).
    QByteArray topDown = file.left(54);
    Put32(topDown, 22, uint32_t(-5));
    for (int r = 4; r >= 0; --r) topDown += file.mid(54 + r * stride, stride);
    TVLBasicBitmap flipped(2, 2, 24);
    Load(flipped, topDown);
    ExpectSamePixels(bmp, flipped);
  }
}

TEST(BasicBitmap, DamagedFilesAreRefusedAndLeaveTheBitmapAsItWas) {
  TVLBasicBitmap source(6, 4, 24);
  Scribble(source, 5);
  const QByteArray good = Saved(source);

  std::vector<std::pair<const char*, QByteArray>> bad;
  for (int cut = 0; cut < good.size(); cut += 7) bad.push_back({"truncated", good.left(cut)});
  bad.push_back({"one byte short", good.left(good.size() - 1)});
  auto with = [&](const char* what, std::function<void(QByteArray&)> change) {
    QByteArray b = good;
    change(b);
    bad.push_back({what, b});
  };
  with("magic", [](QByteArray& b) { b[0] = 'P'; });
  with("declared 60000 x 60000", [](QByteArray& b) { Put32(b, 18, 60000); Put32(b, 22, 60000); });
  // Under the size limit but far beyond the data: must fail on the data, not
  // allocate 190 MB first.
  with("declared 8000 x 8000", [](QByteArray& b) { Put32(b, 18, 8000); Put32(b, 22, 8000); });
  with("negative width", [](QByteArray& b) { Put32(b, 18, uint32_t(-6)); });
  with("most negative height", [](QByteArray& b) { Put32(b, 22, 0x80000000u); });
  with("offset past the end", [](QByteArray& b) { Put32(b, 10, 0x7fffffff); });
  with("offset inside the headers", [](QByteArray& b) { Put32(b, 10, 20); });
  with("info header size", [](QByteArray& b) { Put32(b, 14, 12); });
  with("huge info header", [](QByteArray& b) { Put32(b, 14, 0xffffffffu); });
  with("16 bits", [](QByteArray& b) { b[28] = 16; });
  with("compressed", [](QByteArray& b) { b[30] = 1; });

  TVLBasicBitmap target(3, 2, 32);
  target.ScanLine(1)[2] = 99;
  for (const auto& [what, bytes] : bad) {
    SCOPED_TRACE(what);
    SCOPED_TRACE(bytes.size());
    EXPECT_THROW(Load(target, bytes), EVLBitmapError);
    EXPECT_EQ(target.Width(), 3);
    EXPECT_EQ(target.Height(), 2);
    EXPECT_EQ(target.PixelFormat(), 32);
    EXPECT_EQ(target.ScanLine(1)[2], 99);
  }
  // The untouched file still loads.
  Load(target, good);
  ExpectSamePixels(source, target);
}
