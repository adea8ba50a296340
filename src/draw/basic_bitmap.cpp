#include "draw/basic_bitmap.h"

#include <QFile>
#include <QIODevice>
#include <QPainter>
#include <QPixmap>
#include <QSaveFile>
#include <algorithm>
#include <cstring>

namespace {

constexpr char kNoBitmap[] = "Cannot create device-independant bitmap";
constexpr char kNoPainter[] = "Cannot create device context.";
constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
// Larger pictures than this are refused before anything is allocated.
constexpr int64_t kMaxPixelBytes = int64_t(512) << 20;
constexpr int kMaxSide = 1 << 20;

QImage::Format FormatFor(int bits) { return bits == 32 ? QImage::Format_RGB32 : QImage::Format_BGR888; }

// File rows are padded to 4 bytes, as our image rows are.
int64_t FileStride(int64_t width, int bits) { return (width * bits + 31) / 32 * 4; }

void Put16(char* p, uint16_t v) {
  p[0] = char(v & 0xff);
  p[1] = char(v >> 8);
}
void Put32(char* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = char((v >> (8 * i)) & 0xff);
}
uint16_t Get16(const char* p) { return uint16_t(uint8_t(p[0]) | (uint8_t(p[1]) << 8)); }
uint32_t Get32(const char* p) {
  return uint32_t(uint8_t(p[0])) | (uint32_t(uint8_t(p[1])) << 8) | (uint32_t(uint8_t(p[2])) << 16) |
         (uint32_t(uint8_t(p[3])) << 24);
}

[[noreturn]] void Damaged(const char* what) {
  throw EVLBitmapError(std::string("Damaged bitmap file: ") + what);
}

void ReadExactly(QIODevice& device, char* to, int64_t count, const char* what) {
  while (count > 0) {
    qint64 got = device.read(to, count);
    if (got <= 0) Damaged(what);
    to += got;
    count -= got;
  }
}

// Reads `count` bytes in pieces, so that memory grows only with the data that
// is really there, whatever size the header declares.
QByteArray ReadUpTo(QIODevice& device, int64_t count, const char* what) {
  constexpr int64_t kPiece = 1 << 16;
  QByteArray data;
  while (data.size() < count) {
    int64_t want = std::min<int64_t>(kPiece, count - data.size());
    QByteArray piece = device.read(want);
    if (piece.isEmpty()) Damaged(what);
    data.append(piece);
  }
  return data;
}

void Skip(QIODevice& device, int64_t count, const char* what) {
  char sink[4096];
  while (count > 0) {
    int64_t n = std::min<int64_t>(count, sizeof sink);
    ReadExactly(device, sink, n, what);
    count -= n;
  }
}

}  // namespace

class TVLBasicBitmap::TBitmapCanvas final : public TLPCanvasImpl {
public:
  explicit TBitmapCanvas(TVLBasicBitmap& owner) : owner_(owner) {}

protected:
  QPainter* ActivePainter() override {
    bool opened = false;
    QPainter* p = owner_.OpenPainter(&opened);
    if (opened) ApplyClip(p);
    return p;
  }

private:
  TVLBasicBitmap& owner_;
};

TVLBasicBitmap::TVLBasicBitmap() : canvas_(std::make_unique<TBitmapCanvas>(*this)) {}

TVLBasicBitmap::TVLBasicBitmap(int width, int height, int bitsPerPixel) : TVLBasicBitmap() {
  bits_ = bitsPerPixel == 32 ? 32 : 24;
  SetSize(width, height);
}

TVLBasicBitmap::~TVLBasicBitmap() { ClosePainter(); }

void TVLBasicBitmap::SetSize(int width, int height) {
  if (width < 0 || height < 0) throw EVLBitmapError(kNoBitmap);
  if (width == width_ && height == height_) return;
  Rebuild(width, height, bits_);
}

void TVLBasicBitmap::SetPixelFormat(int bitsPerPixel) {
  int bits = bitsPerPixel == 32 ? 32 : 24;
  if (bits != bits_) Rebuild(width_, height_, bits);
}

void TVLBasicBitmap::Rebuild(int width, int height, int bits) {
  QImage next;
  if (width > 0 && height > 0) {
    next = QImage(width, height, FormatFor(bits));
    if (next.isNull()) throw EVLBitmapError(kNoBitmap);
    next.fill(Qt::black);
  }
  ClosePainter();
  image_ = std::move(next);
  width_ = width;
  height_ = height;
  bits_ = bits;
}

QPainter* TVLBasicBitmap::OpenPainter(bool* opened) {
  if (image_.isNull()) return nullptr;
  if (!painter_) painter_ = std::make_unique<QPainter>();
  if (!painter_->isActive()) {
    if (!painter_->begin(&image_)) throw EVLBitmapError(kNoPainter);
    if (opened) *opened = true;
  }
  return painter_.get();
}

void TVLBasicBitmap::ClosePainter() {
  if (painter_ && painter_->isActive()) painter_->end();
}

uint8_t* TVLBasicBitmap::Bits() { return image_.isNull() ? nullptr : image_.bits(); }

uint8_t* TVLBasicBitmap::ScanLine(int row) {
  if (image_.isNull() || row < 0 || row >= height_) return nullptr;
  return image_.scanLine(row);
}

const QImage& TVLBasicBitmap::Image() {
  ClosePainter();
  return image_;
}

TLPCanvas& TVLBasicBitmap::Canvas() { return *canvas_; }

void TVLBasicBitmap::CopyTo(QImage& target) {
  ClosePainter();
  target = image_.copy();
}

void TVLBasicBitmap::CopyTo(QPixmap& target) {
  ClosePainter();
  target = QPixmap::fromImage(image_);
}

void TVLBasicBitmap::SaveToFile(const QString& fileName) {
  QSaveFile file(fileName);
  const std::string failed = "Cannot write bitmap file " + fileName.toStdString();
  if (!file.open(QIODevice::WriteOnly)) throw EVLBitmapError(failed);
  SaveToStream(file);
  if (!file.commit()) throw EVLBitmapError(failed);
}

void TVLBasicBitmap::SaveToStream(QIODevice& device) {
  ClosePainter();
  const int64_t stride = FileStride(width_, bits_);
  const int64_t pixelBytes = stride * height_;
  // A file without pixels, or past the 32-bit sizes of the headers, could
  // not be read back.
  if (image_.isNull() || pixelBytes > int64_t(UINT32_MAX) - 54)
    throw EVLBitmapError("Cannot write bitmap file: no picture or too large");
  char header[kFileHeaderSize + kInfoHeaderSize] = {};
  header[0] = 'B';
  header[1] = 'M';
  Put32(header + 2, uint32_t(sizeof header + pixelBytes));
  Put32(header + 10, sizeof header);
  char* info = header + kFileHeaderSize;
  Put32(info, kInfoHeaderSize);
  Put32(info + 4, uint32_t(width_));
  Put32(info + 8, uint32_t(height_));  // positive: rows bottom-up
  Put16(info + 12, 1);
  Put16(info + 14, uint16_t(bits_));
  Put32(info + 20, uint32_t(pixelBytes));
  bool ok = device.write(header, sizeof header) == qint64(sizeof header);
  QByteArray row(stride, '\0');
  const int rowBytes = width_ * (bits_ / 8);
  for (int y = height_ - 1; ok && y >= 0; --y) {
    std::memcpy(row.data(), image_.constScanLine(y), rowBytes);
    if (bits_ == 32)  // the fourth byte is unused in the file
      for (int x = 3; x < rowBytes; x += 4) row[x] = 0;
    ok = device.write(row) == stride;
  }
  if (!ok) throw EVLBitmapError("Cannot write bitmap file");
}

void TVLBasicBitmap::LoadFromFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw EVLBitmapError("Cannot open bitmap file " + fileName.toStdString());
  LoadFromStream(file);
}

void TVLBasicBitmap::LoadFromStream(QIODevice& device) {
  char fileHeader[kFileHeaderSize];
  ReadExactly(device, fileHeader, sizeof fileHeader, "file header cut short");
  if (fileHeader[0] != 'B' || fileHeader[1] != 'M') throw EVLBitmapError("Not a bitmap file");
  const uint32_t pixelOffset = Get32(fileHeader + 10);

  char info[kInfoHeaderSize];
  ReadExactly(device, info, sizeof info, "info header cut short");
  const uint32_t infoSize = Get32(info);
  const int32_t width = int32_t(Get32(info + 4));
  const int32_t rawHeight = int32_t(Get32(info + 8));
  const uint16_t planes = Get16(info + 12);
  const uint16_t bits = Get16(info + 14);
  const uint32_t compression = Get32(info + 16);
  if (infoSize < kInfoHeaderSize || infoSize > (1u << 16)) Damaged("bad info header size");
  if (planes != 1) Damaged("bad plane count");
  if (bits != 24 && bits != 32)
    throw EVLBitmapError("Unsupported bitmap file: only 24 and 32 bits per pixel");
  if (compression != 0) throw EVLBitmapError("Unsupported bitmap file: compressed");
  const bool bottomUp = rawHeight > 0;
  const int64_t height = bottomUp ? int64_t(rawHeight) : -int64_t(rawHeight);
  if (width <= 0 || height == 0 || width > kMaxSide || height > kMaxSide) Damaged("bad size");
  const int64_t stride = FileStride(width, bits);
  const int64_t pixelBytes = stride * height;
  if (pixelBytes > kMaxPixelBytes) throw EVLBitmapError("Unsupported bitmap file: too large");
  const int64_t headersEnd = int64_t(kFileHeaderSize) + infoSize;
  if (pixelOffset < headersEnd) Damaged("pixel offset inside the headers");

  Skip(device, pixelOffset - kFileHeaderSize - kInfoHeaderSize, "pixel offset past the end");
  const QByteArray data = ReadUpTo(device, pixelBytes, "pixel rows cut short");

  QImage next(width, int(height), FormatFor(bits));
  if (next.isNull()) throw EVLBitmapError(kNoBitmap);
  const int rowBytes = width * (bits / 8);
  for (int64_t r = 0; r < height; ++r) {
    uchar* to = next.scanLine(int(bottomUp ? height - 1 - r : r));
    std::memcpy(to, data.constData() + r * stride, rowBytes);
    if (bits == 32)  // our 32-bit pixels carry an opaque fourth byte
      for (int x = 3; x < rowBytes; x += 4) to[x] = 0xff;
  }
  ClosePainter();
  image_ = std::move(next);
  width_ = width;
  height_ = int(height);
  bits_ = bits;
}
