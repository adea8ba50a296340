// Runs map picture loading on arbitrary bytes, through the loader the main
// window's map uses, for every format it offers (the first byte picks the
// format): any input either loads and draws, or is refused with
// EInvalidGraphic and leaves the picture it had.

#include "forms/controls/picture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <cstdlib>

namespace {

const TPicture::Kind kKinds[] = {TPicture::Kind::Jpeg, TPicture::Kind::Bitmap, TPicture::Kind::Png,
                                 TPicture::Kind::Svg,  TPicture::Kind::Wmf,    TPicture::Kind::Emf};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static int argc = 1;
  static char name[] = "picture_fuzz";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);  // fonts for text in vector pictures
  if (size < 1) return 0;
  const TPicture::Kind kind = kKinds[data[0] % 6];
  const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
  TPicture picture;
  try {
    picture.LoadFromBytes(bytes, kind);
  } catch (const EInvalidGraphic& e) {
    if (!picture.Empty() || e.what()[0] == '\0') std::abort();
    return 0;
  }
  if (picture.GetKind() != kind || picture.Width() <= 0 || picture.Height() <= 0) std::abort();
  // Drawn into the map control's rectangle, as the main window shows it.
  QImage target(64, 48, QImage::Format_ARGB32_Premultiplied);
  target.fill(Qt::white);
  QPainter painter(&target);
  picture.Draw(painter, QRectF(0, 0, 64, 48));
  return 0;
}
