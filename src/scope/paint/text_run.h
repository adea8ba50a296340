#pragma once
// A one-line label laid out once, measured and drawn from that layout. A
// pointer move measures the labels that follow the pointer (to find the
// region to repaint) and the paint that follows draws them; through
// QFontMetrics and QPainter::drawText each would shape and lay out the text
// again, the larger part of a label's cost.

#include <QFont>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QString>
#include <QTextLayout>

class TSLTextRun {
public:
  // Lays `text` out in `font` as drawn on `device`, unless it is laid out so
  // already. A text with line breaks or tabs is kept for drawText.
  void Set(const QString& text, const QFont& font, const QPaintDevice* device, Qt::LayoutDirection direction);
  const QString& Text() const { return text_; }
  // The advance QFontMetrics::horizontalAdvance gives.
  int Advance() const;
  // Draws the text in `rect` with `flags` (the alignment flags only) as
  // QPainter::drawText(rect, flags, text) draws it with the painter's font
  // and pen, when that font is the one laid out.
  void Draw(QPainter* painter, const QRect& rect, int flags) const;

private:
  QString text_;
  QFont font_;
  const QPaintDevice* device_ = nullptr;
  int dpi_ = 0;
  Qt::LayoutDirection direction_ = Qt::LeftToRight;
  bool laidOut_ = false, fontSet_ = false;
  QTextLayout layout_;
  // A number's characters, shaped once per font: when none of them kerns
  // with or changes next to another, a text of them is its characters'
  // glyphs side by side, the glyphs its layout would give, and is placed
  // without shaping (a dragged label's value changes on every move).
  struct TGlyphTable {
    bool usable = false;
    QRawFont font;
    quint32 glyph[32] = {};
    qreal advance[32] = {};
    qreal baseline = 0, height = 0;
  };
  TGlyphTable table_;
  bool composed_ = false;
  QGlyphRun run_;
  qreal composedAdvance_ = 0;
  void BuildTable();
  bool Compose(const QString& text);
};
