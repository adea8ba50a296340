#include "scope/paint/text_run.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QTextLine>
#include <QTextOption>

#include <cmath>
#include <iterator>

namespace {

// What drawText lays out as one plain line: no breaks, tabs or length
// variants, which it treats apart, and no trailing spaces.
bool OneLine(const QString& text) {
  for (const QChar c : text)
    if (c == u'\n' || c == u'\r' || c == u'\t' || c == QChar(0x9c) || c == QChar::LineSeparator ||
        c == QChar::ParagraphSeparator)
      return false;
  return !text.isEmpty() && !text.back().isSpace();
}

// The characters an axis writes numbers with; a text of others is laid out.
constexpr char16_t kNumberChars[] = u"0123456789.,-+eE:";
static_assert(std::size(kNumberChars) - 1 <= 32);

int NumberChar(QChar c) {
  for (int i = 0; kNumberChars[i]; ++i)
    if (kNumberChars[i] == c.unicode()) return i;
  return c == u' ' ? int(std::size(kNumberChars)) - 1 : -1;
}

}  // namespace

void TSLTextRun::BuildTable() {
  table_ = TGlyphTable();
  // Every ordered pair of the characters once, ending on a digit: a kerning
  // pair or a contextual form shows as a character whose glyph or advance
  // differs between its places.
  QString probe;
  const int count = int(std::size(kNumberChars));  // with the space
  const auto at = [](int i) { return i < int(std::size(kNumberChars)) - 1 ? QChar(kNumberChars[i]) : QChar(u' '); };
  for (int a = 0; a < count; ++a)
    for (int b = 0; b < count; ++b) {
      probe += at(a);
      probe += at(b);
    }
  probe += QLatin1Char('0');
  layout_.setText(probe);
  QTextOption option;
  option.setTextDirection(Qt::LeftToRight);
  option.setAlignment(Qt::AlignLeft);
  layout_.setTextOption(option);
  layout_.setCacheEnabled(true);
  layout_.beginLayout();
  QTextLine line = layout_.createLine();
  line.setLineWidth(0x01000000);
  line.setPosition(QPointF(0, 0));
  layout_.endLayout();
  const QList<QGlyphRun> runs = layout_.glyphRuns();
  if (runs.size() != 1 || line.naturalTextWidth() != line.horizontalAdvance()) return;
  const QList<quint32> glyphs = runs[0].glyphIndexes();
  const QList<QPointF> positions = runs[0].positions();
  if (glyphs.size() != probe.size() || positions.size() != probe.size() || positions[0].x() != 0) return;
  bool seen[32] = {};
  for (int i = 0; i < probe.size(); ++i) {
    const int c = NumberChar(probe[i]);
    const qreal advance = (i + 1 < probe.size() ? positions[i + 1].x() : line.horizontalAdvance()) - positions[i].x();
    if (positions[i].y() != positions[0].y()) return;
    if (seen[c] && (table_.glyph[c] != glyphs[i] || table_.advance[c] != advance)) return;
    seen[c] = true;
    table_.glyph[c] = glyphs[i];
    table_.advance[c] = advance;
  }
  table_.font = runs[0].rawFont();
  table_.baseline = positions[0].y();
  table_.height = line.ascent() + line.descent();
  table_.usable = true;
}

bool TSLTextRun::Compose(const QString& text) {
  QList<quint32> glyphs(text.size());
  QList<QPointF> positions(text.size());
  qreal x = 0;
  for (int i = 0; i < text.size(); ++i) {
    const int c = NumberChar(text[i]);
    if (c < 0) return false;
    glyphs[i] = table_.glyph[c];
    positions[i] = QPointF(x, table_.baseline);
    x += table_.advance[c];
  }
  run_.setRawFont(table_.font);
  run_.setGlyphIndexes(glyphs);
  run_.setPositions(positions);
  composedAdvance_ = x;
  return true;
}

void TSLTextRun::Set(const QString& text, const QFont& font, const QPaintDevice* device, Qt::LayoutDirection direction) {
  const int dpi = device ? device->logicalDpiY() : 0;
  const bool sameFont = fontSet_ && device == device_ && dpi == dpi_ && font == font_;
  if (text == text_ && sameFont && direction == direction_) return;
  text_ = text;
  font_ = font;
  device_ = device;
  dpi_ = dpi;
  direction_ = direction;
  laidOut_ = OneLine(text);
  composed_ = false;
  if (!laidOut_) return;
  // As drawText lays a line out: its font resolved for the device, left
  // aligned in the layout (the rectangle aligns it), in the painter's
  // direction, on a line too wide to break. The font stays set while it
  // stays the same: set anew, its engine is looked up again in the font
  // cache, as costly as the shaping.
  if (!sameFont) {
    layout_.setFont(device ? QFont(font, device) : font);
    BuildTable();
  }
  fontSet_ = true;
  composed_ = table_.usable && direction == Qt::LeftToRight && Compose(text);
  if (composed_) return;
  layout_.setText(text);
  QTextOption option;
  option.setTextDirection(direction);
  option.setAlignment(Qt::AlignLeft);
  layout_.setTextOption(option);
  layout_.setCacheEnabled(true);
  layout_.beginLayout();
  QTextLine line = layout_.createLine();
  line.setLineWidth(0x01000000);
  line.setPosition(QPointF(0, 0));
  layout_.endLayout();
}

int TSLTextRun::Advance() const {
  if (!laidOut_) return device_ ? QFontMetrics(font_, const_cast<QPaintDevice*>(device_)).horizontalAdvance(text_)
                                : QFontMetrics(font_).horizontalAdvance(text_);
  return qRound(composed_ ? composedAdvance_ : layout_.lineAt(0).horizontalAdvance());
}

void TSLTextRun::Draw(QPainter* painter, const QRect& rect, int flags) const {
  constexpr int kAligned = Qt::AlignLeft | Qt::AlignHCenter | Qt::AlignTop | Qt::AlignVCenter;
  // A composed text is drawn from its glyphs on a painter that only
  // translates; scaled, the glyphs' places round apart from drawText's.
  const bool scaled = composed_ && painter->deviceTransform().type() > QTransform::TxTranslate;
  if (!laidOut_ || scaled || (flags & ~kAligned) || painter->device() != device_ ||
      painter->layoutDirection() != direction_ || !(painter->font() == layout_.font())) {
    painter->drawText(rect, flags, text_);
    return;
  }
  if (painter->pen().style() == Qt::NoPen) return;
  const QTextLine line = composed_ ? QTextLine() : layout_.lineAt(0);
  const QRectF r(rect);
  const qreal advance = composed_ ? composedAdvance_ : line.horizontalAdvance();
  const qreal width = composed_ ? composedAdvance_ : line.naturalTextWidth();
  const qreal height = composed_ ? table_.height : line.ascent() + line.descent();
  qreal x = 0, y = 0, left = 0;
  if (flags & Qt::AlignVCenter) y = (r.height() - height) / 2;
  if (flags & Qt::AlignHCenter) {
    left = (r.width() - width) / 2;
    x = (r.width() - advance) / 2;
  }
  // Text reaching beyond the rectangle is cut at it.
  const bool clip = !r.contains(QRectF(r.x() + left, r.y() + y, width, height));
  if (clip) {
    painter->save();
    painter->setClipRect(r, Qt::IntersectClip);
  }
  if (composed_) painter->drawGlyphRun(QPointF(r.x() + x, r.y() + y), run_);
  else line.draw(painter, QPointF(r.x() + x, r.y() + y));
  if (clip) painter->restore();
}
