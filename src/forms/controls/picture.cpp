#include "forms/controls/picture.h"

#include "platform/jpeg_codec.h"
#include "platform/metafile_codec.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

namespace {

QString KindClassName(TPicture::Kind kind) {
  switch (kind) {
    case TPicture::Kind::Jpeg: return QStringLiteral("TJPEGImage");
    case TPicture::Kind::Bitmap: return QStringLiteral("TBitmap");
    case TPicture::Kind::Png: return QStringLiteral("TPngImage");
    case TPicture::Kind::Svg:
    case TPicture::Kind::Wmf:
    case TPicture::Kind::Emf: return QStringLiteral("TMetafile");
    case TPicture::Kind::Empty: break;
  }
  return QString();
}

TPicture::Kind KindOfClassName(const QByteArray& name) {
  if (name == "TJPEGImage") return TPicture::Kind::Jpeg;
  if (name == "TBitmap") return TPicture::Kind::Bitmap;
  if (name == "TPngImage" || name == "TPNGObject") return TPicture::Kind::Png;
  if (name == "TMetafile") return TPicture::Kind::Svg;
  return TPicture::Kind::Empty;
}

TPicture::Kind SniffMetafile(const QByteArray& bytes) {
  switch (metafile::Sniff(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()))) {
    case metafile::Kind::Wmf: return TPicture::Kind::Wmf;
    case metafile::Kind::Emf: return TPicture::Kind::Emf;
    case metafile::Kind::None: break;
  }
  return TPicture::Kind::Empty;
}

// Recognises file bytes by their first bytes.
TPicture::Kind SniffKind(const QByteArray& bytes) {
  if (const TPicture::Kind kind = SniffMetafile(bytes); kind != TPicture::Kind::Empty) return kind;
  if (bytes.startsWith("\xFF\xD8")) return TPicture::Kind::Jpeg;
  if (bytes.startsWith("BM")) return TPicture::Kind::Bitmap;
  if (bytes.startsWith("\x89PNG")) return TPicture::Kind::Png;
  const QByteArray head = bytes.left(512).trimmed();
  if (head.startsWith("<") && (head.contains("<svg") || head.startsWith("<?xml"))) return TPicture::Kind::Svg;
  return TPicture::Kind::Empty;
}

// Drops a leading 32-bit length when it matches the bytes that follow.
QByteArray StripLength(const QByteArray& payload) {
  if (payload.size() >= 4) {
    const quint32 n = qFromLittleEndian<quint32>(payload.constData());
    if (qint64(n) == payload.size() - 4) return payload.mid(4);
  }
  return payload;
}

}  // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;
TPicture::TPicture(const TPicture& other) = default;
TPicture& TPicture::operator=(const TPicture& other) = default;

QStringList TPicture::Extensions() {
  return {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("bmp"), QStringLiteral("png"),
          QStringLiteral("svg"), QStringLiteral("wmf"), QStringLiteral("emf")};
}

QString TPicture::GraphicFilter() {
  return QStringLiteral(
      "All pictures (*.jpg;*.jpeg;*.bmp;*.png;*.svg;*.emf;*.wmf)|*.jpg;*.jpeg;*.bmp;*.png;*.svg;*.emf;*.wmf|"
      "JPEG Image File (*.jpg;*.jpeg)|*.jpg;*.jpeg|"
      "Bitmaps (*.bmp)|*.bmp|"
      "PNG Image (*.png)|*.png|"
      "Scalable Vector Graphics (*.svg)|*.svg|"
      "Enhanced Metafiles (*.emf)|*.emf|"
      "Metafiles (*.wmf)|*.wmf");
}

void TPicture::LoadFromFile(const QString& path) {
  const QString ext = QFileInfo(path).suffix().toLower();
  Kind kind = Kind::Empty;
  if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg")) kind = Kind::Jpeg;
  else if (ext == QLatin1String("bmp")) kind = Kind::Bitmap;
  else if (ext == QLatin1String("png")) kind = Kind::Png;
  else if (ext == QLatin1String("svg")) kind = Kind::Svg;
  else if (ext == QLatin1String("wmf")) kind = Kind::Wmf;
  else if (ext == QLatin1String("emf")) kind = Kind::Emf;
  else throw EInvalidGraphic(QCoreApplication::translate("TPicture", "Unknown picture file extension (.%1)").arg(ext));

  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw EInvalidGraphic(QCoreApplication::translate("TPicture", "Cannot open file \"%1\". %2").arg(path, file.errorString()));
  // Map pictures are small; a huge file is refused rather than read.
  if (file.size() > 256ll * 1024 * 1024)
    throw EInvalidGraphic(QCoreApplication::translate("TPicture", "Picture file \"%1\" is too large").arg(path));
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError)
    throw EInvalidGraphic(QCoreApplication::translate("TPicture", "Cannot read file \"%1\". %2").arg(path, file.errorString()));
  // A file named as a picture it does not hold (a text saved as .jpg): said
  // in words rather than by the decoder's complaint about its first bytes.
  if ((kind == Kind::Jpeg || kind == Kind::Bitmap || kind == Kind::Png) && SniffKind(bytes) != kind)
    throw EInvalidGraphic(QCoreApplication::translate("TPicture", "\"%1\" is not a picture the program can read: it does not hold a %2 image.")
                              .arg(path, QLatin1String(kind == Kind::Jpeg ? "JPEG" : kind == Kind::Png ? "PNG" : "Bitmap")));
  LoadFromBytes(bytes, kind);
}

QImage TPicture::DecodeJpegBytes(const QByteArray& bytes) {
  jpeg::TRgbImage rgb;
  try {
    rgb = jpeg::DecodeJpeg(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
  } catch (const jpeg::EJpegError& e) {
    throw EInvalidGraphic(QString::fromUtf8(e.what()));
  }
  QImage image(rgb.width, rgb.height, QImage::Format_RGB888);
  for (int y = 0; y < rgb.height; ++y)
    memcpy(image.scanLine(y), rgb.rgb.data() + size_t(y) * rgb.width * 3, size_t(rgb.width) * 3);
  return image;
}

void TPicture::LoadFromBytes(const QByteArray& bytes, Kind kind) {
  // Decode into locals first: a failure leaves the picture as it was.
  QImage image;
  std::shared_ptr<QSvgRenderer> svg;
  QSize vectorSize;
  switch (kind) {
    case Kind::Jpeg:
      image = DecodeJpegBytes(bytes);
      break;
    case Kind::Bitmap:
    case Kind::Png: {
      const char* format = kind == Kind::Bitmap ? "BMP" : "PNG";
      QBuffer buffer;
      buffer.setData(bytes);
      buffer.open(QIODevice::ReadOnly);
      QImageReader reader(&buffer, format);
      reader.setDecideFormatFromContent(false);
      // The same limit as for JPEG, checked before any pixel memory is taken.
      const QSize declared = reader.size();
      if (declared.isValid() && quint64(declared.width()) * quint64(declared.height()) > jpeg::kMaxPixels)
        throw EInvalidGraphic(QCoreApplication::translate("TPicture", "%1 picture is too large (%2 x %3 pixels)")
                                  .arg(QLatin1String(kind == Kind::Bitmap ? "Bitmap" : "PNG"))
                                  .arg(declared.width())
                                  .arg(declared.height()));
      image = reader.read();
      if (image.isNull())
        throw EInvalidGraphic(QCoreApplication::translate("TPicture", "%1 picture is not valid: %2")
                                  .arg(QLatin1String(kind == Kind::Bitmap ? "Bitmap" : "PNG"), reader.errorString()));
      break;
    }
    case Kind::Svg: {
      svg = std::make_shared<QSvgRenderer>();
      if (!svg->load(bytes) || !svg->isValid() || svg->defaultSize().isEmpty())
        throw EInvalidGraphic(QCoreApplication::translate("TPicture", "Vector picture is not valid"));
      vectorSize = svg->defaultSize();
      break;
    }
    case Kind::Wmf:
    case Kind::Emf: {
      metafile::TSvg converted;
      try {
        converted = metafile::ToSvg(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()),
                                    kind == Kind::Wmf ? metafile::Kind::Wmf : metafile::Kind::Emf, jpeg::kMaxPixels);
      } catch (const metafile::EMetafileError& e) {
        throw EInvalidGraphic(QString::fromUtf8(e.what()));
      }
      svg = std::make_shared<QSvgRenderer>();
      if (!svg->load(QByteArray::fromStdString(converted.text)) || !svg->isValid())
        throw EInvalidGraphic(QCoreApplication::translate("TPicture", "Metafile error: the picture could not be drawn"));
      vectorSize = QSize(converted.width, converted.height);
      break;
    }
    case Kind::Empty:
      throw EInvalidGraphic(QCoreApplication::translate("TPicture", "Unknown picture format"));
  }
  kind_ = kind;
  bytes_ = bytes;
  image_ = image;
  svg_ = svg;
  vectorSize_ = vectorSize;
}

void TPicture::LoadFromData(const QByteArray& data) {
  if (data.isEmpty()) {
    Clear();
    return;
  }
  const auto nameLength = static_cast<unsigned char>(data[0]);
  if (nameLength > 0 && nameLength < 64 && data.size() > nameLength && data[1] == 'T') {
    const QByteArray name = data.mid(1, nameLength);
    Kind kind = KindOfClassName(name);
    if (kind == Kind::Svg) {
      const Kind metafile = SniffMetafile(StripLength(data.mid(1 + nameLength)));
      if (metafile != Kind::Empty) kind = metafile;
    }
    if (kind == Kind::Empty) throw EInvalidGraphic(QCoreApplication::translate("TPicture", "Unknown picture class %1").arg(QString::fromLatin1(name)));
    LoadFromBytes(StripLength(data.mid(1 + nameLength)), kind);
    return;
  }
  const QByteArray bytes = StripLength(data);
  const Kind kind = SniffKind(bytes);
  if (kind == Kind::Empty) throw EInvalidGraphic(QCoreApplication::translate("TPicture", "Unknown picture format"));
  LoadFromBytes(bytes, kind);
}

QByteArray TPicture::Data() const {
  if (kind_ == Kind::Empty) return QByteArray();
  const QByteArray name = KindClassName(kind_).toLatin1();
  QByteArray out;
  out.append(char(name.size()));
  out.append(name);
  if (!svg_) {
    char length[4];
    qToLittleEndian<quint32>(quint32(bytes_.size()), length);
    out.append(length, 4);
  }
  out.append(bytes_);
  return out;
}

void TPicture::Clear() {
  kind_ = Kind::Empty;
  bytes_.clear();
  image_ = QImage();
  svg_.reset();
  vectorSize_ = QSize();
}

int TPicture::Width() const {
  if (svg_) return vectorSize_.width();
  return image_.width();
}

int TPicture::Height() const {
  if (svg_) return vectorSize_.height();
  return image_.height();
}

QImage TPicture::ToImage() const { return ToImage(Size()); }

QImage TPicture::ToImage(const QSize& size) const {
  if (kind_ == Kind::Empty || size.isEmpty()) return QImage();
  if (!svg_) return size == image_.size() ? image_ : image_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  svg_->render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return image;
}

void TPicture::Draw(QPainter& painter, const QRectF& target) const {
  if (kind_ == Kind::Empty || target.isEmpty()) return;
  if (svg_) {
    svg_->render(&painter, target);
  } else {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image_);
    painter.restore();
  }
}
