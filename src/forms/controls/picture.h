#pragma once
// Pictures of the standard controls: raster pictures (JPEG through our
// libjpeg codec, bitmap and PNG through Qt) and vector pictures (SVG, and
// WMF and EMF metafiles converted to SVG). A picture is read from a file or
// from the binary data a window description stores; a picture that cannot
// be read raises EInvalidGraphic with a message for the user and leaves
// the previous picture in place.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>
#include <stdexcept>

class QPainter;
class QRectF;
class QSvgRenderer;

class EInvalidGraphic : public std::runtime_error {
public:
  explicit EInvalidGraphic(const QString& message) : std::runtime_error(message.toStdString()) {}
};

class TPicture {
public:
  enum class Kind { Empty, Jpeg, Bitmap, Png, Svg, Wmf, Emf };

  TPicture();
  ~TPicture();
  TPicture(const TPicture& other);
  TPicture& operator=(const TPicture& other);

  // By the file's extension: .jpg/.jpeg, .bmp, .png, .svg, .wmf, .emf (any
  // case). Raster pictures and metafiles larger than the JPEG decoder's
  // pixel limit are refused.
  void LoadFromFile(const QString& path);
  // The formats LoadFromFile reads, as an open-dialog filter
  // ("Description|*.a;*.b|..."), all of them first.
  static QString GraphicFilter();
  static QStringList Extensions();

  // Stored form: the graphic class name as a length-prefixed string
  // (TJPEGImage, TBitmap, TPngImage, TMetafile) followed by the file's
  // bytes, each raster one behind a 32-bit little-endian length as the
  // original components write them; TMetafile holds an SVG, WMF or EMF. Plain file bytes (a button glyph) are
  // read too, by their content.
  void LoadFromData(const QByteArray& data);
  QByteArray Data() const;
  // Reads file bytes of a known kind.
  void LoadFromBytes(const QByteArray& bytes, Kind kind);

  void Clear();
  bool Empty() const { return kind_ == Kind::Empty; }
  Kind GetKind() const { return kind_; }
  int Width() const;
  int Height() const;
  QSize Size() const { return QSize(Width(), Height()); }

  // The raster picture (for a vector picture: rendered at its own size).
  QImage ToImage() const;
  QImage ToImage(const QSize& size) const;
  // Draws into `target` (whole picture, scaled to the rectangle).
  void Draw(QPainter& painter, const QRectF& target) const;

private:
  static QImage DecodeJpegBytes(const QByteArray& bytes);

  Kind kind_ = Kind::Empty;
  QByteArray bytes_;  // the file's bytes
  QImage image_;      // raster pictures
  std::shared_ptr<QSvgRenderer> svg_;  // vector pictures
  QSize vectorSize_;  // a vector picture's own size
};
