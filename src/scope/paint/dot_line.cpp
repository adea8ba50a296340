#include "scope/paint/dot_line.h"
#include "scope/paint/raster_pixels.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>

#include <QVarLengthArray>

#include <algorithm>
#include <climits>
#include <cmath>

const TSLDotLine::TPenPixels& TSLDotLine::Probe(const QPen& pen, int length) {
  TPenPixels* kept = nullptr;
  for (TPenPixels& p : pens_)
    if (p.pen == pen) kept = &p;
  if (kept && length <= kept->length) return *kept;
  if (!kept) {
    if (pens_.size() >= 6) pens_.removeFirst();
    pens_.append(TPenPixels());
    kept = &pens_.last();
  }
  // A long line in each direction, stroked on a clear image with room
  // around it, so that nothing of it is cut.
  const int margin = 4, n = std::max({length, kept->length, 1024});
  kept->pen = pen;
  kept->length = n;
  QRgb& value = kept->value;
  value = 0;
  bool found = false;
  for (int d = 0; d < 4; ++d) {
    const bool vertical = d >= 2, backward = d % 2 == 1;
    QImage probe(vertical ? QSize(2 * margin + 1, n + 2 * margin + 1) : QSize(n + 2 * margin + 1, 2 * margin + 1),
                 QImage::Format_ARGB32_Premultiplied);
    probe.fill(0);
    const QPoint from = vertical ? QPoint(margin, margin + (backward ? n : 0)) : QPoint(margin + (backward ? n : 0), margin);
    const QPoint to = vertical ? QPoint(margin, margin + (backward ? 0 : n)) : QPoint(margin + (backward ? 0 : n), margin);
    {
      QPainter p(&probe);
      p.setPen(pen);
      p.drawLine(from, to);
    }
    TProbe& dots = kept->probes[d];
    dots.on.fill(false, n + 1);
    dots.usable = true;
    const QPoint step = vertical ? QPoint(0, backward ? -1 : 1) : QPoint(backward ? -1 : 1, 0);
    int drawn = 0;
    for (int y = 0; y < probe.height(); ++y)
      for (int x = 0; x < probe.width(); ++x)
        if (probe.pixel(x, y) != 0) ++drawn;
    for (int k = 0; k <= n; ++k) {
      const QPoint at = from + step * k;
      const QRgb pixel = probe.pixel(at);
      if (pixel == 0) continue;
      // One value, opaque, so that writing it is what blending it gives.
      if ((found && pixel != value) || qAlpha(pixel) != 255) dots.usable = false;
      value = pixel;
      found = true;
      dots.on[k] = true;
      --drawn;
    }
    // Anything beside the line: not a line of single pixels.
    if (drawn != 0) dots.usable = false;
  }
  return *kept;
}

void TSLDotLine::Draw(QPainter* painter, const QPoint& a, const QPoint& b, const QRect& clip) {
  const QPen pen = painter->pen();
  QPoint offset;
  int ratio = 0;
  QImage* image = a != b && (a.x() == b.x() || a.y() == b.y()) && pen.isCosmetic() && pen.widthF() <= 1 &&
                          pen.style() != Qt::NoPen &&
                          pen.brush().style() == Qt::SolidPattern && pen.color().alpha() == 255 &&
                          !painter->testRenderHint(QPainter::Antialiasing) &&
                          painter->compositionMode() == QPainter::CompositionMode_SourceOver &&
                          painter->opacity() == 1.0 && painter->worldTransform().isIdentity() &&
                          (clip.isNull() ? !painter->hasClipping()
                                         : painter->hasClipping() && painter->clipBoundingRect() == QRectF(clip))
                      ? SLRasterPixels(painter, ratio)
                      : nullptr;
  // Whole pixels at a whole translation only: a scaled painter widens the line.
  if (image && ratio != 1) image = nullptr;
  if (image) offset = painter->deviceTransform().map(QPoint(0, 0));
  const bool vertical = a.x() == b.x();
  const int length = vertical ? std::abs(b.y() - a.y()) : std::abs(b.x() - a.x());
  const int d = (vertical ? 2 : 0) + ((vertical ? b.y() < a.y() : b.x() < a.x()) ? 1 : 0);
  const TPenPixels* pixels = image ? &Probe(pen, length) : nullptr;
  // Flat ends leave one end pixel out wherever the line ends: the last one,
  // or for a line drawn leftwards or upwards (which the stroker draws the
  // other way) the first; the probe, drawn the same way, shows which. A
  // dotted line with flat ends is left to the stroker.
  const bool flat = pen.capStyle() == Qt::FlatCap, backward = d % 2 == 1;
  const int skip = !flat ? -1 : backward ? 0 : length;
  if (!pixels || !pixels->probes[d].usable ||
      (flat && (pen.style() != Qt::SolidLine || pixels->probes[d].on[backward ? 0 : pixels->length]))) {
    painter->drawLine(a, b);
    return;
  }
  // Where the painter may write: the paint's exposed part within the clip.
  const QRect bounds = clip.isNull() ? image->rect() : clip.translated(offset) & image->rect();
  const QRegion exposed = painter->paintEngine()->systemClip();
  const QRegion whole(bounds);
  const QRegion& area = exposed.isEmpty() ? whole : exposed;
  // The exposed rectangles within the clip, as left, top, right, bottom.
  struct TSpan {
    int l, t, r, b;
  };
  QVarLengthArray<TSpan, 64> parts;
  int reachL = INT_MAX, reachT = INT_MAX, reachR = INT_MIN, reachB = INT_MIN;
  for (const QRect& r : area) {
    const TSpan p{std::max(r.left(), bounds.left()), std::max(r.top(), bounds.top()), std::min(r.right(), bounds.right()),
                  std::min(r.bottom(), bounds.bottom())};
    if (p.l > p.r || p.t > p.b) continue;
    parts.append(p);
    reachL = std::min(reachL, p.l), reachT = std::min(reachT, p.t);
    reachR = std::max(reachR, p.r), reachB = std::max(reachB, p.b);
  }
  // A dotted line reaching beyond the clip's bounds is cut there by the
  // stroker, which may move its dots: left to it. A solid one keeps its
  // pixels within them.
  const int lineL = std::min(a.x(), b.x()) + offset.x(), lineR = std::max(a.x(), b.x()) + offset.x();
  const int lineT = std::min(a.y(), b.y()) + offset.y(), lineB = std::max(a.y(), b.y()) + offset.y();
  const bool beyond = lineL < reachL || lineR > reachR || lineT < reachT || lineB > reachB;
  if (parts.isEmpty() || (beyond && pen.style() != Qt::SolidLine)) {
    painter->drawLine(a, b);
    return;
  }
  const TProbe& probe = pixels->probes[d];
  const QRgb value = pixels->value;
  const QPoint start = a + offset;
  const int sign = backward ? -1 : 1;
  const qsizetype stride = image->bytesPerLine();
  uchar* bits = image->bits();
  for (const TSpan& p : parts) {
    const int left = std::max(p.l, lineL), right = std::min(p.r, lineR);
    const int top = std::max(p.t, lineT), bottom = std::min(p.b, lineB);
    if (left > right || top > bottom) continue;
    // The steps from the start that lie in this rectangle.
    const int lo = vertical ? top : left, hi = vertical ? bottom : right;
    const int origin = vertical ? start.y() : start.x();
    const int k0 = sign > 0 ? lo - origin : origin - hi, k1 = sign > 0 ? hi - origin : origin - lo;
    for (int k = std::max(0, k0); k <= std::min(length, k1); ++k) {
      if (!probe.on[k] || k == skip) continue;
      const QPoint at = vertical ? QPoint(start.x(), start.y() + sign * k) : QPoint(start.x() + sign * k, start.y());
      reinterpret_cast<QRgb*>(bits + at.y() * stride)[at.x()] = value;
    }
  }
}
