#pragma once
// An off-screen bitmap: a top-down image of 24 or 32 bits per pixel with a
// canvas drawing on it, saved to and loaded from Windows bitmap files.

#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>

#include "buffers/sl_exception.h"
#include "draw/canvas.h"

class QIODevice;
class QPainter;
class QPixmap;

// Failures of the bitmap: an image or its painter that cannot be made, and
// bitmap files that cannot be read or written.
class EVLBitmapError : public ESLException {
public:
  using ESLException::ESLException;
};

class TVLBasicBitmap {
public:
  TVLBasicBitmap();
  TVLBasicBitmap(int width, int height, int bitsPerPixel = 24);
  ~TVLBasicBitmap();
  TVLBasicBitmap(const TVLBasicBitmap&) = delete;
  TVLBasicBitmap& operator=(const TVLBasicBitmap&) = delete;

  // Setting a different size or format rebuilds the image (its pixels are
  // not kept: callers repaint). A width or height of 0 leaves no image. When
  // the new image cannot be made the previous one stays and EVLBitmapError
  // says "Cannot create device-independant bitmap"; negative sizes are
  // refused the same way.
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }
  void SetSize(int width, int height);
  // 24 or 32; any other request gives 24.
  int PixelFormat() const { return bits_; }
  void SetPixelFormat(int bitsPerPixel);

  // Rows top-down, Stride() bytes apart (a multiple of 4). 24-bit pixels are
  // bytes B, G, R; 32-bit pixels B, G, R and an unused byte. Null without an
  // image.
  bool IsEmpty() const { return image_.isNull(); }
  int Stride() const { return image_.isNull() ? 0 : int(image_.bytesPerLine()); }
  uint8_t* Bits();
  uint8_t* ScanLine(int row);
  const QImage& Image();  // closes the painter first

  // The canvas drawing on the image; its painter opens on first use and is
  // closed before the image is rebuilt, copied, saved or loaded (pen, brush,
  // font and clip region stay with the canvas and apply when it reopens).
  TLPCanvas& Canvas();

  // The target gets this bitmap's size and pixels.
  void CopyTo(QImage& target);
  void CopyTo(QPixmap& target);

  // Windows bitmap file: 14-byte file header "BM", 40-byte info header,
  // pixel rows bottom-up padded to 4 bytes, 24 or 32 bits.
  void SaveToFile(const QString& fileName);
  void SaveToStream(QIODevice& device);
  // Reads the same layout (rows bottom-up or top-down, info headers of 40
  // bytes or longer, no compression, 24 or 32 bits). A file that is not such
  // a bitmap or is damaged raises EVLBitmapError and leaves this bitmap as
  // it was; nothing larger than the data actually read is allocated.
  void LoadFromStream(QIODevice& device);
  void LoadFromFile(const QString& fileName);

private:
  class TBitmapCanvas;
  friend class TBitmapCanvas;

  // The open painter, or null without an image; `opened` tells whether it
  // was opened by this call.
  QPainter* OpenPainter(bool* opened = nullptr);
  void ClosePainter();
  void Rebuild(int width, int height, int bits);

  int width_ = 0;
  int height_ = 0;
  int bits_ = 24;
  QImage image_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<TBitmapCanvas> canvas_;
};
