#include "scope/paint/text_run.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QTextLine>
#include <QTextOption>

#include <cmath>

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

}  // namespace

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
  if (!laidOut_) return;
  // As drawText lays a line out: its font resolved for the device, left
  // aligned in the layout (the rectangle aligns it), in the painter's
  // direction, on a line too wide to break. The font stays set while it
  // stays the same: set anew, its engine is looked up again in the font
  // cache, as costly as the shaping.
  layout_.setText(text);
  if (!sameFont) layout_.setFont(device ? QFont(font, device) : font);
  fontSet_ = true;
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
  return qRound(layout_.lineAt(0).horizontalAdvance());
}

void TSLTextRun::Draw(QPainter* painter, const QRect& rect, int flags) const {
  constexpr int kAligned = Qt::AlignLeft | Qt::AlignHCenter | Qt::AlignTop | Qt::AlignVCenter;
  if (!laidOut_ || (flags & ~kAligned) || painter->device() != device_ || painter->layoutDirection() != direction_ ||
      !(painter->font() == layout_.font())) {
    painter->drawText(rect, flags, text_);
    return;
  }
  if (painter->pen().style() == Qt::NoPen) return;
  const QTextLine line = layout_.lineAt(0);
  const QRectF r(rect);
  const qreal width = line.naturalTextWidth(), height = line.ascent() + line.descent();
  qreal x = 0, y = 0, left = 0;
  if (flags & Qt::AlignVCenter) y = (r.height() - height) / 2;
  if (flags & Qt::AlignHCenter) {
    left = (r.width() - width) / 2;
    x = (r.width() - line.horizontalAdvance()) / 2;
  }
  // Text reaching beyond the rectangle is cut at it.
  const bool clip = !r.contains(QRectF(r.x() + left, r.y() + y, width, height));
  if (clip) {
    painter->save();
    painter->setClipRect(r, Qt::IntersectClip);
  }
  line.draw(painter, QPointF(r.x() + x, r.y() + y));
  if (clip) painter->restore();
}
