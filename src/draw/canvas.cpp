#include "draw/canvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

TLPCanvasAntialias::TLPCanvasAntialias(TLPCanvas& canvas) : painter_(canvas.Painter()) {
  if (!painter_) return;
  previous_ = painter_->testRenderHint(QPainter::Antialiasing);
  painter_->setRenderHint(QPainter::Antialiasing, true);
}

TLPCanvasAntialias::~TLPCanvasAntialias() {
  if (painter_ && painter_->isActive()) painter_->setRenderHint(QPainter::Antialiasing, previous_);
}

unsigned TLPCanvasFontImpl::Style() const {
  return (font_.bold() ? fsBold : 0u) | (font_.italic() ? fsItalic : 0u) |
         (font_.underline() ? fsUnderline : 0u) | (font_.strikeOut() ? fsStrikeOut : 0u);
}

void TLPCanvasFontImpl::SetStyle(unsigned style) {
  font_.setBold(style & fsBold);
  font_.setItalic(style & fsItalic);
  font_.setUnderline(style & fsUnderline);
  font_.setStrikeOut(style & fsStrikeOut);
}

TLPCanvasImpl::TLPCanvasImpl(QPainter* painter)
    : painter_(painter), pen_(Qt::black, 1), brush_(Qt::white), fontColor_(Qt::black) {}

QPainter* TLPCanvasImpl::ActivePainter() {
  return painter_ && painter_->isActive() ? painter_ : nullptr;
}

int TLPCanvasImpl::PenStyle() const {
  switch (pen_.style()) {
    case Qt::DashLine: return psDashCode;
    case Qt::DotLine: return psDotCode;
    case Qt::DashDotLine: return psDashDotCode;
    case Qt::DashDotDotLine: return psDashDotDotCode;
    case Qt::NoPen: return 5;  // the clear pen, only reachable through the pen object
    default: return psSolidCode;
  }
}

void TLPCanvasImpl::SetPenStyle(int code) {
  static constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                             Qt::DashDotLine, Qt::DashDotDotLine};
  pen_.setStyle(code >= 0 && code <= 4 ? kStyles[code] : Qt::SolidLine);
}

// Thin pens are one device pixel whatever the transform, with flat ends so
// that a line stops before its end point; wide pens get round ends and joins.
QPen TLPCanvasImpl::DrawnPen() const {
  QPen p = pen_;
  if (p.width() <= 1) {
    p.setWidth(1);
    p.setCosmetic(true);
    p.setCapStyle(Qt::FlatCap);
  } else {
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
  }
  return p;
}

QPainter* TLPCanvasImpl::Prepare(bool withBrush) {
  QPainter* p = ActivePainter();
  if (!p) return nullptr;
  p->setPen(DrawnPen());
  p->setBrush(withBrush ? brush_ : QBrush(Qt::NoBrush));
  return p;
}

void TLPCanvasImpl::SetPixel(int x, int y, const QColor& color) {
  if (QPainter* p = ActivePainter()) p->fillRect(QRect(x, y, 1, 1), color);
}

// A stroked shape covers its rectangle plus the pen, so the outline is laid
// one pixel inside to keep the shape within rect.
void TLPCanvasImpl::Ellipse(const QRect& rect) {
  if (rect.isEmpty()) return;
  if (QPainter* p = Prepare(true))
    p->drawEllipse(pen_.style() == Qt::NoPen ? rect : rect.adjusted(0, 0, -1, -1));
}

void TLPCanvasImpl::Rectangle(const QRect& rect) {
  if (rect.isEmpty()) return;
  QPainter* p = Prepare(true);
  if (!p) return;
  if (pen_.style() == Qt::NoPen)
    p->fillRect(rect, brush_);
  else
    p->drawRect(rect.adjusted(0, 0, -1, -1));
}

void TLPCanvasImpl::FillRect(const QRect& rect) {
  if (QPainter* p = ActivePainter()) p->fillRect(rect, brush_);
}

// Inverting, so that drawing it twice removes it.
void TLPCanvasImpl::DrawFocusRect(const QRect& rect) {
  QPainter* p = ActivePainter();
  if (!p || rect.isEmpty()) return;
  p->save();
  QPen dotted(Qt::white, 1);
  dotted.setCosmetic(true);
  dotted.setDashPattern({1, 1});
  dotted.setCapStyle(Qt::FlatCap);
  p->setPen(dotted);
  p->setBrush(Qt::NoBrush);
  p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p->drawRect(rect.adjusted(0, 0, -1, -1));
  p->restore();
}

void TLPCanvasImpl::Polygon(const QPoint* points, int count) {
  if (!points || count < 2) return;
  if (QPainter* p = Prepare(true)) p->drawPolygon(points, count);
}

void TLPCanvasImpl::LineTo(int x, int y) {
  QPoint to(x, y);
  if (QPainter* p = Prepare(false); p && to != pos_) p->drawLine(pos_, to);
  pos_ = to;
}

const QFontMetrics& TLPCanvasImpl::Metrics() {
  QPainter* p = ActivePainter();
  QPaintDevice* device = p ? p->device() : nullptr;
  if (!metrics_ || device != metricsDevice_ || !(font_ == metricsFont_)) {
    metrics_.emplace(device ? QFontMetrics(font_, device) : QFontMetrics(font_));
    metricsFont_ = font_;
    metricsDevice_ = device;
  }
  return *metrics_;
}

QSize TLPCanvasImpl::TextExtent(const QString& text) {
  const QFontMetrics& fm = Metrics();
  return QSize(fm.horizontalAdvance(text), fm.height());
}

void TLPCanvasImpl::TextOut(int x, int y, const QString& text) {
  QPainter* p = ActivePainter();
  if (!p || text.isEmpty()) return;
  const QFontMetrics& fm = Metrics();
  p->save();
  p->setFont(font_);
  p->translate(x, y);
  if (escapement_ % 3600 != 0) p->rotate(-escapement_ / 10.0);
  // Opaque text over the brush colour, as a clear brush gives transparent text.
  if (brush_.style() != Qt::NoBrush)
    p->fillRect(QRect(0, 0, fm.horizontalAdvance(text), fm.height()), brush_.color());
  p->setPen(fontColor_);
  p->drawText(QPoint(0, fm.ascent()), text);
  p->restore();
}

void TLPCanvasImpl::ExcludeClipRect(const QRect& rect) {
  QPainter* p = ActivePainter();
  if (!p) return;
  QRegion base = clip_ ? *clip_ : QRegion(0, 0, p->device()->width(), p->device()->height());
  clip_ = base.subtracted(QRegion(rect));
  p->setClipRegion(*clip_);
}

void TLPCanvasImpl::RemoveClip() {
  clip_.reset();
  if (QPainter* p = ActivePainter()) p->setClipping(false);
}

void TLPCanvasImpl::SelectClipRegion(const QRegion& region) {
  if (region.isEmpty()) return RemoveClip();
  clip_ = region;
  if (QPainter* p = ActivePainter()) p->setClipRegion(region);
}

void TLPCanvasImpl::ApplyClip(QPainter* painter) const {
  if (clip_) painter->setClipRegion(*clip_);
}
