#pragma once
// The toolbar glyph strip (eighteen 16 x 16 glyphs drawn in five key
// colours, kept as a 16-colour bitmap resource) and the glyph sets the
// toolbars and the legend build from it by recolouring every pixel. Sets
// are built when their colours change; painting only copies glyphs.

#include <QColor>
#include <QImage>
#include <optional>

class QPainter;

namespace SLGlyph {
// Glyph indices in the strip.
enum : int {
  ArrowDown, ArrowUp, Play, Pause, ZoomIn, ZoomOut, ZoomOff, Printer, Disk, Copy, Wrench, ZoomPrevious,
  ZoomNext, FourArrows, Magnifier, Hand, HorizontalArrows, VerticalArrows, Count
};
constexpr int kSize = 16;
}  // namespace SLGlyph

// The strip as stored: 288 x 16 pixels. A null image when the resource is
// missing (then nothing is drawn).
const QImage& SLGlyphStrip();

// The colours of the four sets.
struct TSLGlyphColors {
  QColor glyph, border, face;                 // normal
  QColor overBorder, overFace;                // under the pointer
  QColor downBorder, downFace;                // pressed
  QColor disabled;                            // glyph and frame of disabled buttons
};

// Per red, green and blue: the average of the two colours, rounded down.
QColor SLHalfTone(const QColor& a, const QColor& b);

class TSLGlyphSets {
public:
  enum TSet { Normal, Over, Pressed, Disabled, SetCount };
  void Build(const TSLGlyphColors& colors);
  // Draws glyph `index` of `set` with its top-left corner at (x, y); the
  // background pixels of the strip stay transparent.
  void Draw(QPainter& painter, int x, int y, TSet set, int index) const;
  const QImage& Image(TSet set) const { return sets_[set]; }
  bool IsEmpty() const { return sets_[Normal].isNull(); }

private:
  QImage sets_[SetCount];
};
