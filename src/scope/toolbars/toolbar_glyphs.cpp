#include "scope/toolbars/toolbar_glyphs.h"

#include <QPainter>

// Resources of a static library are registered by hand (outside any
// namespace, as the macro requires).
static void InitGlyphResource() { Q_INIT_RESOURCE(glyphs); }

namespace {

// The five key colours of the strip; anything else is background.
constexpr QRgb kWhite = 0xFFFFFFFF, kGrey = 0xFF808080, kSilver = 0xFFC0C0C0, kBlack = 0xFF000000,
               kBlue = 0xFF0000FF;

// One set: the strip with every key colour replaced. `blue` empty makes the
// blue pixels background.
QImage Recolour(const QImage& strip, const QColor& white, const QColor& grey, const std::optional<QColor>& blue,
                const QColor& silver, const QColor& black) {
  QImage out(strip.size(), QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < strip.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(strip.constScanLine(y));
    QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < strip.width(); ++x) {
      switch (in[x] | 0xFF000000) {
        case kWhite: row[x] = white.rgb(); break;
        case kGrey: row[x] = grey.rgb(); break;
        case kBlue: row[x] = blue ? blue->rgb() : 0; break;
        case kSilver: row[x] = silver.rgb(); break;
        case kBlack: row[x] = black.rgb(); break;
        default: row[x] = 0; break;  // transparent background
      }
    }
  }
  return out;
}

}  // namespace

const QImage& SLGlyphStrip() {
  static const QImage strip = [] {
    InitGlyphResource();
    return QImage(QStringLiteral(":/scope/SL_SCOPE_BUTTONS1G")).convertToFormat(QImage::Format_RGB32);
  }();
  return strip;
}

QColor SLHalfTone(const QColor& a, const QColor& b) {
  return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

void TSLGlyphSets::Build(const TSLGlyphColors& c) {
  const QImage& strip = SLGlyphStrip();
  if (strip.isNull()) return;
  sets_[Normal] = Recolour(strip, c.glyph, c.border, c.border, SLHalfTone(c.glyph, c.face), c.face);
  sets_[Over] = Recolour(strip, c.glyph, c.overBorder, c.overBorder, SLHalfTone(c.glyph, c.overFace), c.overFace);
  sets_[Pressed] = Recolour(strip, c.glyph, c.downBorder, c.downBorder, SLHalfTone(c.glyph, c.downFace), c.downFace);
  sets_[Disabled] = Recolour(strip, c.disabled, c.disabled, std::nullopt, SLHalfTone(c.disabled, c.face), c.face);
}

void TSLGlyphSets::Draw(QPainter& painter, int x, int y, TSet set, int index) const {
  const QImage& image = sets_[set];
  if (image.isNull() || index < 0 || index >= SLGlyph::Count) return;
  painter.drawImage(QPoint(x, y), image, QRect(index * SLGlyph::kSize, 0, SLGlyph::kSize, SLGlyph::kSize));
}
