// A display's image leaves the screen: on the clipboard, on paper and in
// JPEG or Windows bitmap files. Everything renders through PaintTo, so no
// toolbar or hover mark ever appears in it.

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>

#include <vector>

#include "draw/basic_bitmap.h"
#include "draw/message_service.h"
#include "platform/jpeg_codec.h"
#include "scope/data_display.h"
#include "scope/paint/export_services.h"

void TSLDataDisplay::PaintTo(QImage& image) { image.fill(Color()); }

void TSLDataDisplay::CopyToClipboard() {
  if (width() <= 0 || height() <= 0) return;
  QImage image(size(), QImage::Format_RGB32);
  PaintTo(image);
  SLSetClipboardImage(image);
}

bool TSLDataDisplay::PrintDisplay(QPrinter& printer) {
  const bool held = Hold();
  SetHold(true);
  printer.setDocName(PrintTitle());
  QPainter painter;
  bool printed = painter.begin(&printer);
  if (printed) {
    // Rendered at the page's size in screen pixels, so that fonts and lines
    // keep their screen proportions, then stretched onto the page.
    const QRect page(0, 0, printer.width(), printer.height());
    const QSize size(page.width() * logicalDpiX() / std::max(1, printer.logicalDpiX()),
                     page.height() * logicalDpiY() / std::max(1, printer.logicalDpiY()));
    if (!size.isEmpty()) {
      QImage image(size, QImage::Format_RGB32);
      PaintTo(image);
      painter.drawImage(page, image);
    }
    printed = painter.end() && !size.isEmpty();
  }
  SetHold(held);
  if (!printed) ShowMessage(tr("The display could not be printed."));
  return printed;
}

namespace {

std::vector<uint8_t> JpegOf(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  std::vector<uint8_t> rows(size_t(rgb.width()) * rgb.height() * 3);
  for (int y = 0; y < rgb.height(); ++y)
    std::copy_n(rgb.constScanLine(y), size_t(rgb.width()) * 3, rows.data() + size_t(y) * rgb.width() * 3);
  return jpeg::EncodeJpeg(rows.data(), rgb.width(), rgb.height());
}

}  // namespace

bool TSLDataDisplay::SaveToFile(const QString& fileName) {
  QString error;
  if (width() <= 0 || height() <= 0) {
    error = tr("the display has no size");
  } else {
    QImage image(size(), QImage::Format_RGB32);
    PaintTo(image);
    const QString ext = QFileInfo(fileName).suffix().toUpper();
    // Written beside the target and moved over it when complete: a failed
    // save leaves an existing file as it was.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
      error = file.errorString();
    } else {
      try {
        if (ext == QLatin1String("JPG") || ext == QLatin1String("JPEG")) {
          const std::vector<uint8_t> bytes = JpegOf(image);
          if (file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) != qint64(bytes.size()))
            error = file.errorString();
        } else {
          TVLBasicBitmap bitmap(image.width(), image.height(), 24);
          bitmap.Canvas().Painter()->drawImage(0, 0, image);
          bitmap.SaveToStream(file);
        }
      } catch (const std::exception& e) {
        error = QString::fromLocal8Bit(e.what());
      }
      if (error.isEmpty() && !file.commit()) error = file.errorString();
      if (!error.isEmpty()) file.cancelWriting();
    }
  }
  if (error.isEmpty()) return true;
  ShowMessage(tr("The image could not be saved to \"%1\": %2.")
                  .arg(QDir::toNativeSeparators(fileName), error));
  return false;
}
