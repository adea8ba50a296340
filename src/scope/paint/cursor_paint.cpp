// Cursors and their links: drawing, hit test and dragging. A cursor's
// "vertical" line stands where its X maps on the X axis, its "horizontal"
// line where its Y maps on the Y axis, through the axis's own value to pixel
// mapping (logarithmic, reversed, and rotated on a Vertical scope, where the
// X line is a row). The code below works on one line at a time in "along"
// (where the line stands) and "across" (where it runs) coordinates. A drag changes
// nothing until the left button is released; then the new position is
// stored and Cursors.OnPositionChange raised, once.

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

#include "draw/canvas.h"
#include "scope/scope.h"

namespace {

struct TExtent {
  int lo, hi;
};
// The view's extent where a line stands, and where it runs; `row` tells a
// line that runs across the screen (standing at a row) from an upright one.
TExtent Along(const QRect& v, bool row) { return row ? TExtent{v.top(), v.bottom()} : TExtent{v.left(), v.right()}; }
TExtent Across(const QRect& v, bool row) { return Along(v, !row); }
QPoint At(bool row, int along, int across) { return row ? QPoint(across, along) : QPoint(along, across); }
int ClampInto(int pixel, TExtent e) { return std::clamp(pixel, e.lo, std::max(e.lo, e.hi)); }
QPen CosmeticPen(const QColor& color, Qt::PenStyle style = Qt::SolidLine) {
  QPen pen(color);
  pen.setCosmetic(true);
  pen.setStyle(style);
  return pen;
}

// Where a drag's difference label stands: centred on the span from `from` to
// `to`, beside the pointer, kept inside the view. The paint and the update
// region of a drag both place it here, so they cannot disagree.
QRect TrailLabelBox(bool row, int from, int to, int pointerAcross, const QSize& size, const QRect& view) {
  QRect box;
  if (!row) {
    const int left = std::min(from, to) + (std::abs(to - from) - size.width()) / 2;
    box = QRect(QPoint(left, pointerAcross - size.height()), size);
  } else {
    const int top = std::min(from, to) + (std::abs(to - from) - size.height()) / 2;
    box = QRect(QPoint(pointerAcross + 3, top), size);
  }
  box.moveLeft(std::clamp(box.left(), view.left(), std::max(view.left(), view.right() - size.width())));
  box.moveTop(std::clamp(box.top(), view.top(), std::max(view.top(), view.bottom() - size.height())));
  return box;
}

// The part of `r` (pixels) a paint exposes, widened to whole pixels: `r`
// when the painter paints all of its device.
QRect ExposedPart(QPainter* painter, const QRect& r) {
  QPaintEngine* engine = painter->paintEngine();
  const QRegion exposed = engine ? engine->systemClip() : QRegion();
  if (exposed.isEmpty()) return r;
  const QTransform toDevice = painter->deviceTransform();
  const QRect part = (exposed & toDevice.mapRect(QRectF(r)).toAlignedRect()).boundingRect();
  return toDevice.inverted().mapRect(QRectF(part)).toAlignedRect() & r;
}

}  // namespace

bool TSLScope::CursorHasLine(const TSLDisplayCursor* cursor, bool horizontal) {
  return horizontal ? cursor->Kind() != SL::ckVertical : cursor->Kind() != SL::ckHorizontal;
}

TSLDisplayAxis* TSLScope::CursorAxis(const TSLDisplayCursor* cursor, bool horizontal) {
  return horizontal ? YAxisAt(cursor->YAxisIndex()) : XAxisAt(cursor->XAxisIndex());
}

bool TSLScope::CursorLineIsRow(const TSLDisplayCursor* cursor, bool horizontal) {
  const TSLDisplayAxis* axis = CursorAxis(cursor, horizontal);
  return axis ? !axis->RunsHorizontally() : horizontal;
}

int TSLScope::CursorLineCoordinate(const TSLDisplayCursor* cursor, bool horizontal, const QPoint& p) {
  return CursorLineIsRow(cursor, horizontal) ? p.y() : p.x();
}

double TSLScope::CursorValue(const TSLDisplayCursor* cursor, bool horizontal) {
  return horizontal ? cursor->Position()->Y() : cursor->Position()->X();
}

int TSLScope::CursorPixel(const TSLDisplayCursor* cursor, bool horizontal, double value) {
  const TExtent along = Along(DataViewRect(), CursorLineIsRow(cursor, horizontal));
  TSLDisplayAxis* axis = CursorAxis(cursor, horizontal);
  if (!axis) return along.lo;
  // Where the traces put this value; far values are brought near the view
  // first, so the mapping stays finite.
  const TSLRange shown = axis->ShownTick();
  const double margin = 1e4 * std::max(std::abs(shown.hi - shown.lo), 1e-9);
  const double tick = axis->DataToTick(axis->ToData(value));
  if (!std::isfinite(tick)) return along.lo;
  return axis->TickToScreen(std::clamp(tick, std::min(shown.lo, shown.hi) - margin, std::max(shown.lo, shown.hi) + margin));
}

double TSLScope::CursorValueAt(const TSLDisplayCursor* cursor, int pixel, bool horizontal) {
  const TExtent along = Along(DataViewRect(), CursorLineIsRow(cursor, horizontal));
  TSLDisplayAxis* axis = CursorAxis(cursor, horizontal);
  if (!axis || along.hi <= along.lo) return 0;
  return axis->ToValue(axis->TickToData(axis->ScreenToTick(pixel)));
}

int TSLScope::DragPixel(const TSLDisplayCursor* cursor, int pixel, bool horizontal) {
  return ClampInto(pixel, Along(DataViewRect(), CursorLineIsRow(cursor, horizontal)));
}

double TSLScope::DragValue(const TSLDisplayCursor* cursor, int pixel, bool horizontal) {
  // The preview stands pinned at the edge of the view when the pointer is
  // beyond it; the value is the one of that edge, so the release stores
  // what the preview showed.
  const double value = CursorValueAt(cursor, DragPixel(cursor, pixel, horizontal), horizontal);
  TSLDisplayAxis* axis = CursorAxis(cursor, horizontal);
  if (!axis || !axis->CursorSettings()->SnapToSample()) return value;
  if (horizontal) return SnapCursorY(cursor, value);
  // The nearest sample of the channels drawn against the cursor's axis.
  const TSLRange data = axis->DataLimits();
  const double sample = std::clamp(std::round(axis->ToData(value)), std::min(data.lo, data.hi), std::max(data.lo, data.hi));
  return axis->ToValue(sample);
}

double TSLScope::SnapCursorY(const TSLDisplayCursor* cursor, double y) {
  TSLDisplayAxis* axis = YAxisAt(cursor->YAxisIndex());
  if (!axis || !axis->CursorSettings()->SnapToSample()) return y;
  // The nearest sample value of the visible channels on that axis.
  const double target = axis->ToData(y);
  double best = target, bestDistance = std::numeric_limits<double>::infinity();
  for (int i = 0; i < channels_->Count(); ++i) {
    TSLScopeChannel* ch = channels_->Channel(i);
    if (!ch->Visible() || ch->YAxisIndex() != cursor->YAxisIndex()) continue;
    const TRef<ISLRealBuffer> ys = ch->DisplayY();
    if (!ys) continue;
    const double* v = ys->ReadReals();
    for (int k = 0, n = ys->GetCount(); k < n; ++k)
      if (std::isfinite(v[k]) && std::abs(v[k] - target) < bestDistance) {
        bestDistance = std::abs(v[k] - target);
        best = v[k];
      }
  }
  return std::isfinite(bestDistance) ? axis->ToValue(best) : y;
}

int TSLScope::CursorLinePixel(const TSLDisplayCursor* cursor, bool horizontal, bool* pinned) {
  const int pixel = CursorPixel(cursor, horizontal, CursorValue(cursor, horizontal));
  const TExtent along = Along(DataViewRect(), CursorLineIsRow(cursor, horizontal));
  const bool outside = pixel < along.lo || pixel > along.hi;
  if (pinned) *pinned = outside && CursorsStayInView();
  return CursorsStayInView() ? ClampInto(pixel, along) : pixel;
}

TSLScope::TCursorHit TSLScope::HitCursorLines(const QPoint& p) {
  TCursorHit first;
  int firstColumn = 0;
  for (int i = cursors_->Count() - 1; i >= 0; --i) {
    TSLDisplayCursor* c = cursors_->Cursor(i);
    if (!c->Visible() || !c->CanDrag()) continue;
    TCursorHit hit;
    hit.index = i;
    const int at = CursorLineCoordinate(c, false, p);
    const int column = CursorHasLine(c, false) ? CursorLinePixel(c, false) : 0;
    hit.vertical = CursorHasLine(c, false) && std::abs(at - column) < 3;
    hit.horizontal = CursorHasLine(c, true) && std::abs(CursorLineCoordinate(c, true, p) - CursorLinePixel(c, true)) < 3;
    if (!hit.vertical && !hit.horizontal) continue;
    if (first.index < 0) {
      first = hit;
      firstColumn = column;
      continue;
    }
    // Two vertical lines in one pixel column: the one drawn under the other
    // is still reachable. Beside the column the pointer takes the line of
    // that side (the smaller value, or the earlier cursor, on the left);
    // on the column itself the last cursor wins as everywhere.
    if (!(hit.vertical && first.vertical && !first.horizontal && !hit.horizontal) || column != firstColumn ||
        at == column)
      break;
    const double mine = CursorValue(c, false), theirs = CursorValue(cursors_->Cursor(first.index), false);
    const TSLDisplayAxis* axis = CursorAxis(c, false);
    const bool reversed = axis && axis->IsReversed();
    const bool mineIsLeft = mine == theirs || (reversed ? mine > theirs : mine < theirs);
    if (mineIsLeft == (at < column)) first = hit;
    break;
  }
  return first;
}

void TSLScope::PaintCursors(TLPCanvas& canvas, bool printing) {
  const QRect view = DataViewRect();
  if (view.width() <= 1 || view.height() <= 1) return;
  QPainter* painter = canvas.Painter();
  // A paint that reaches no cursor and shows no drag (a hover's elsewhere)
  // draws nothing here: the clip through its update region is not made.
  if (!printing && draggedCursor_ < 0) {
    bool any = false;
    for (int i = 0; i < cursors_->Count() && !any; ++i)
      any = cursors_->Cursor(i)->Visible() && PaintReaches(painter, CursorFootprint(i));
    if (!any) return;
  }
  painter->save();
  painter->setClipRect(view);
  const auto lineBetween = [&](bool row, int along, TExtent across) {
    painter->drawLine(At(row, along, across.lo), At(row, along, across.hi));
  };
  for (int i = 0; i < cursors_->Count(); ++i) {
    TSLDisplayCursor* c = cursors_->Cursor(i);
    if (!c->Visible()) continue;
    const bool dragged = i == draggedCursor_;
    // Only the preview of a dragged cursor moves: the rest of a cursor is
    // passed over by a paint that does not reach it.
    const bool reached = printing || PaintReaches(painter, CursorFootprint(i));
    if (!reached && !dragged) continue;
    const bool fromLegend = legend_->HoveredItem() == c && Highlighting()->Cursors()->HiglightFromLegend();
    const bool underPointer = element_ == c && Highlighting()->Cursors()->HiglightLegendButton();
    // Which lines the pointer holds or rests on.
    const TCursorHit held = dragged ? dragHit_ : underPointer ? hoverHit_ : TCursorHit{};
    // The cursor's own lines run through the whole view; a drag's region
    // exposes a few rows of them. Cut at the part of the cursor's footprint
    // exposed (no pixel changes: all of the cursor lies in its footprint),
    // they are stroked over those rows only. A dotted (pinned) line keeps
    // the view's clip, so its dots start where they always do.
    // Where each line stands, found once for the passes below.
    int lineAt[2] = {0, 0};
    bool linePinned[2] = {false, false};
    for (bool horizontal : {false, true})
      if (CursorHasLine(c, horizontal)) lineAt[horizontal] = CursorLinePixel(c, horizontal, &linePinned[horizontal]);
    const bool anyPinned = linePinned[0] || linePinned[1];
    painter->save();
    QRect lineClip = view;
    if (!printing && reached && !anyPinned) {
      const QRect part = ExposedPart(painter, CursorFootprint(i));
      painter->setClipRect(part, Qt::IntersectClip);
      lineClip &= part;
    }
    if ((dragged || fromLegend || underPointer) && !printing && reached) {
      // The line hit last, over the other one.
      for (bool hitPass : {false, true})
        for (bool horizontal : {false, true}) {
          if (!CursorHasLine(c, horizontal)) continue;
          const bool hit = fromLegend || (horizontal ? held.horizontal : held.vertical);
          if (hit != hitPass) continue;
          QPen pen(hit ? Highlighting()->Cursors()->Color() : dragged ? QColor(128, 128, 0) : QColor(0, 128, 0));
          pen.setWidth(3);
          painter->setPen(pen);
          const bool row = CursorLineIsRow(c, horizontal);
          const TExtent across = Across(view, row);
          lineBetween(row, lineAt[horizontal], {across.lo + 1, across.hi});
        }
    }
    for (bool horizontal : {false, true}) {
      if (!CursorHasLine(c, horizontal) || !reached) continue;
      const bool pinned = linePinned[horizontal];
      const int at = lineAt[horizontal];
      painter->setPen(CosmeticPen(c->Color(), pinned ? Qt::DotLine : Qt::SolidLine));
      const bool row = CursorLineIsRow(c, horizontal);
      const TExtent across = Across(view, row);
      dotLine_.Draw(painter, At(row, at, across.lo + 1), At(row, at, across.hi), lineClip);
      if (!pinned && !horizontal) PaintCrossings(&canvas, c, c->Position()->X(), at);
    }
    painter->restore();
    if (!dragged || printing) continue;
    // Drag preview: the line under the pointer and the change it makes.
    const bool both = dragHit_.vertical && dragHit_.horizontal;
    for (bool horizontal : {false, true}) {
      if (!(horizontal ? dragHit_.horizontal : dragHit_.vertical)) continue;
      const bool row = CursorLineIsRow(c, horizontal);
      const TExtent along = Along(view, row), across = Across(view, row);
      const int pointerAlong = row ? dragPoint_.y() : dragPoint_.x();
      const int pointerAcross = ClampInto(row ? dragPoint_.x() : dragPoint_.y(), across);
      const double value = DragValue(c, pointerAlong, horizontal);
      const int from = lineAt[horizontal];
      const int to = ClampInto(CursorPixel(c, horizontal, value), along);
      painter->setPen(CosmeticPen(Trails()->Color(), Qt::DotLine));
      dotLine_.Draw(painter, At(row, to, across.lo + 1), At(row, to, across.hi), view);
      if (!horizontal) PaintCrossings(&canvas, c, value, to);
      if (to == from || both) continue;
      painter->setPen(CosmeticPen(Trails()->Color(), Qt::DotLine));
      dotLine_.Draw(painter, At(row, from, pointerAcross), At(row, to, pointerAcross), view);
      const QFont font = Trails()->Font()->ToQFont();
      canvas.AssignFont(font);
      painter->setPen(Trails()->Font()->Color());
      painter->setFont(font);
      if (painter->device() == this) {
        // On the control: as the move's footprint laid it out and placed it.
        DragPreviewFootprint();
        const TDragLabel& label = dragLabels_[horizontal];
        // Cut at the part of the footprint the label's ink lies in, which
        // changes no pixel: within one rectangle of the update region the
        // glyphs are blitted, through all of it they go span by span.
        const QFontMetrics& metrics = ControlMetrics(font);
        const int spill = std::max({0, -metrics.minLeftBearing(), -metrics.minRightBearing()}) + 3;
        painter->save();
        painter->setClipRect(label.box.adjusted(-spill, -3, spill, 3) & view, Qt::IntersectClip);
        label.text.Draw(painter, label.box, Qt::AlignCenter);
        painter->restore();
        continue;
      }
      const QString text = FormatAxisValue(CursorAxis(c, horizontal), value - CursorValue(c, horizontal));
      painter->drawText(TrailLabelBox(row, from, to, pointerAcross, canvas.TextExtent(text), view), Qt::AlignCenter, text);
    }
  }
  painter->restore();
}

bool TSLScope::LinkGeometryOf(int index, TLinkGeometry& g) {
  TSLDisplayCursorLink* link = cursorLinks_->Link(index);
  if (!link) return false;
  const int b = link->BeginCursorIndex(), e = link->EndCursorIndex();
  if (b < 0 || e < 0) return false;
  g.first = cursors_->Cursor(b);
  g.second = cursors_->Cursor(e);
  if (!g.first || !g.second || !g.first->Visible() || !g.second->Visible()) return false;
  // Two horizontal cursors measure along Y; otherwise both need their
  // vertical lines and measure along X.
  g.horizontal = g.first->Kind() == SL::ckHorizontal && g.second->Kind() == SL::ckHorizontal;
  if (!g.horizontal && (!CursorHasLine(g.first, false) || !CursorHasLine(g.second, false))) return false;
  const QRect view = DataViewRect();
  g.rows = CursorLineIsRow(g.first, g.horizontal);
  const TExtent along = Along(view, g.rows), across = Across(view, g.rows);
  g.v0 = CursorValue(g.first, g.horizontal);
  g.v1 = CursorValue(g.second, g.horizontal);
  const int raw0 = CursorPixel(g.first, g.horizontal, g.v0), raw1 = CursorPixel(g.second, g.horizontal, g.v1);
  // Both beyond the same edge: the line does not reach into the view.
  g.inView = !((raw0 < along.lo && raw1 < along.lo) || (raw0 > along.hi && raw1 > along.hi));
  g.p0 = ClampInto(raw0, along);
  g.p1 = ClampInto(raw1, along);
  if (g.p0 > g.p1) std::swap(g.p0, g.p1);
  // Where the measurement line runs: Y across vertical cursors, X across
  // horizontal ones; percent of the view from its first to its last row or
  // column (100 the top row, -100 the left column), the mapping the release
  // inverts.
  const TSLScopeMeasurementLine* line = link->MeasurementLine();
  const double percent = g.horizontal ? line->X() : line->Y();
  const double position = g.rows ? (percent + 100) / 200 : (100 - percent) / 200;
  g.line = ClampInto(across.lo + int(std::lround(position * (across.hi - across.lo))), across);
  return true;
}

double TSLScope::MeasurementPercentAt(const TLinkGeometry& g, int pixel) {
  const TExtent across = Across(DataViewRect(), g.rows);
  if (across.hi <= across.lo) return 0;
  const double f = double(pixel - across.lo) / (across.hi - across.lo);
  return std::clamp(g.rows ? f * 200 - 100 : 100 - f * 200, -100.0, 100.0);
}

QRegion TSLScope::PaintCursorLinks(TLPCanvas& canvas, bool selectionPass) {
  const QRect view = DataViewRect();
  QRegion filled;
  if (view.width() <= 1 || view.height() <= 1 || cursorLinks_->Count() == 0) return filled;
  QPainter* painter = canvas.Painter();
  painter->save();
  painter->setClipRect(view);
  for (int i = 0; i < cursorLinks_->Count(); ++i) {
    TSLDisplayCursorLink* link = cursorLinks_->Link(i);
    TLinkGeometry g;
    if (!LinkGeometryOf(i, g)) continue;
    const TExtent across = Across(view, g.rows);
    if (selectionPass) {
      if (!link->Selection()->Visible()) continue;
      QRect band(At(g.rows, g.p0, across.lo), At(g.rows, g.p1, across.hi));
      if (g.first->Kind() == SL::ckBoth && g.second->Kind() == SL::ckBoth) {
        // Two crosses: the rectangle between them.
        const int r0 = CursorLinePixel(g.first, true), r1 = CursorLinePixel(g.second, true);
        band = QRect(At(g.rows, g.p0, std::min(r0, r1)), At(g.rows, g.p1, std::max(r0, r1)));
      }
      painter->fillRect(band.normalized(), link->Selection()->Brush()->ToQBrush());
      filled += band.normalized() & view;
      continue;
    }
    PaintLinkPreview(canvas, i, g);
    TSLScopeMeasurementLine* line = link->MeasurementLine();
    if (!line->Visible() || g.v0 == g.v1 || !g.inView) continue;
    const QPoint a = At(g.rows, g.p0, g.line), b = At(g.rows, g.p1, g.line);
    if (i == draggedLink_ || (element_ == link && Highlighting()->CursorLinks()->HiglightLegendButton()) ||
        (legend_->HoveredItem() == link && Highlighting()->CursorLinks()->HiglightFromLegend())) {
      QPen highlight(i == draggedLink_ ? QColor(128, 128, 0) : Highlighting()->CursorLinks()->Color());
      highlight.setWidth(3);
      painter->setPen(highlight);
      painter->drawLine(a, b);
    }
    painter->save();
    painter->setCompositionMode(ToQtCompositionMode(line->Mode()));
    painter->setPen(CosmeticPen(line->Color(), ToQtPenStyle(line->Style())));
    painter->drawLine(a, b);
    painter->restore();
    const QString text = LinkLabelText(i);
    if (!line->MeasurementLabel()->Visible() || text.isEmpty()) continue;
    canvas.AssignFont(line->MeasurementLabel()->Font()->ToQFont());
    const QSize size = canvas.TextExtent(text);
    // Centred between the cursors, its bottom on the line (beside it when
    // the line runs upright).
    const QRect box = g.rows
                          ? QRect(QPoint(g.line + 2, g.p0 + (g.p1 - g.p0 - size.height()) / 2), size)
                          : QRect(QPoint(g.p0 + (g.p1 - g.p0 - size.width()) / 2, g.line - size.height()), size);
    painter->fillRect(box, Color());
    painter->setPen(line->MeasurementLabel()->Font()->Color());
    painter->setFont(line->MeasurementLabel()->Font()->ToQFont());
    painter->drawText(box, Qt::AlignCenter, text);
  }
  painter->restore();
  return filled;
}

void TSLScope::PaintLinkPreview(TLPCanvas& canvas, int index, const TLinkGeometry& g) {
  const QRect view = DataViewRect();
  QPainter* painter = canvas.Painter();
  TSLDisplayCursorLink* link = cursorLinks_->Link(index);
  const TExtent along = Along(view, g.rows), across = Across(view, g.rows);
  const QPen trail = CosmeticPen(Trails()->Color(), Qt::DotLine);
  if (index == draggedLink_) {
    // Where the measurement line would go.
    const int at = ClampInto(g.rows ? dragPoint_.x() : dragPoint_.y(), across);
    painter->setPen(trail);
    painter->drawLine(At(g.rows, g.p0, at), At(g.rows, g.p1, at));
    return;
  }
  const int b = link->BeginCursorIndex(), e = link->EndCursorIndex();
  const bool draggedAlong = g.horizontal ? dragHit_.horizontal : dragHit_.vertical;
  if (draggedCursor_ < 0 || (draggedCursor_ != b && draggedCursor_ != e) || !draggedAlong) return;
  // One end is being dragged: the difference it would give, beside the line.
  const int pointer = g.rows ? dragPoint_.y() : dragPoint_.x();
  const double v0 = b == draggedCursor_ ? DragValue(g.first, pointer, g.horizontal) : g.v0;
  const double v1 = e == draggedCursor_ ? DragValue(g.second, pointer, g.horizontal) : g.v1;
  int p0 = ClampInto(CursorPixel(g.first, g.horizontal, v0), along);
  int p1 = ClampInto(CursorPixel(g.second, g.horizontal, v1), along);
  if (p0 > p1) std::swap(p0, p1);
  const QFont font = Trails()->Font()->ToQFont();
  canvas.AssignFont(font);
  const QString text = FormatAxisValue(CursorAxis(g.first, g.horizontal), std::abs(v1 - v0));
  const QSize size = canvas.TextExtent(text);
  const int gap = (g.rows ? size.width() : size.height()) + 1;
  int at = g.line + gap;
  if (at >= across.hi) at = g.line - gap;
  painter->setPen(trail);
  painter->drawLine(At(g.rows, p0, at), At(g.rows, p1, at));
  const QRect box = g.rows ? QRect(QPoint(at + 2, p0 + (p1 - p0 - size.height()) / 2), size)
                                 : QRect(QPoint(p0 + (p1 - p0 - size.width()) / 2, at - size.height()), size);
  painter->fillRect(box, Color());
  painter->setPen(Trails()->Color());
  painter->setFont(font);
  painter->drawText(box, Qt::AlignCenter, text);
}

QRect TSLScope::PaintCrossings(TLPCanvas* canvas, const TSLDisplayCursor* cursor, double x, int along) {
  QPainter* painter = canvas ? canvas->Painter() : nullptr;
  QRect covered;
  for (int k = 0; k < cursor->Channels()->Count(); ++k) {
    const TSLDisplayCursorChannelLink* link = cursor->ChannelLink(k);
    if (link->Channel() < 0 || link->Channel() >= channels_->Count()) continue;
    TSLScopeChannel* ch = channels_->Channel(link->Channel());
    if (!ch->Visible() || ch->XAxisIndex() != cursor->XAxisIndex() || !ch->UniformX()) continue;
    TSLDisplayAxis* xAxis = XAxisAt(ch->XAxisIndex());
    TSLDisplayAxis* yAxis = YAxisAt(ch->YAxisIndex());
    const TRef<ISLRealBuffer> ys = ch->DisplayY();
    if (!xAxis || !yAxis || !ys || ys->GetCount() == 0) continue;
    // The sample under the line.
    const long sample = std::lround(xAxis->ToData(x));
    if (sample < 0 || sample >= ys->GetCount()) continue;
    const double y = ys->ReadReals()[sample];
    if (!std::isfinite(y)) continue;
    // The line stands at `along` on the X axis; the crossing lies where the
    // trace puts the sample's value on the Y axis (a Vertical scope turns both).
    const QPoint at = At(CursorLineIsRow(cursor, false), along, yAxis->TickToScreen(yAxis->DataToTick(y)));
    const int column = at.x(), row = at.y();
    const QColor color = link->UseChannelColor() ? ch->Color() : link->Pen()->Color();
    const int r = std::max(1, link->Size());
    const TSLDisplayLabel* label = link->ChannelLabel();
    if (!painter) {
      // The mark with its pen, and the label's text as laid out.
      const int pen = 1;
      covered |= QRect(column - r - pen - 1, row - r - pen - 1, 2 * (r + pen + 1) + 1, 2 * (r + pen + 1) + 1);
      if (label->Visible()) {
        const QString text = FormatPointText(label->Text(), QStringLiteral("%Y"), x, y);
        const QFontMetrics metrics(label->Font()->ToQFont(), this);
        covered |= metrics.boundingRect(text).translated(column + r + 3, row - r - 1).adjusted(-2, -2, 2, 2);
      }
      continue;
    }
    painter->setPen(color);
    painter->setBrush(link->UseChannelColor() ? QBrush(color) : link->Brush()->ToQBrush());
    switch (link->Shape()) {
      case SL::msSquare: painter->drawRect(column - r, row - r, 2 * r, 2 * r); break;
      case SL::msPlus:
        painter->drawLine(column - r, row, column + r, row);
        painter->drawLine(column, row - r, column, row + r);
        break;
      case SL::msCross:
        painter->drawLine(column - r, row - r, column + r, row + r);
        painter->drawLine(column - r, row + r, column + r, row - r);
        break;
      default: painter->drawEllipse(QPoint(column, row), r, r); break;
    }
    if (!label->Visible()) continue;
    const QString text = FormatPointText(label->Text(), QStringLiteral("%Y"), x, y);
    painter->setFont(label->Font()->ToQFont());
    painter->setPen(label->Font()->Color());
    painter->drawText(QPoint(column + r + 3, row - r - 1), text);
  }
  return covered;
}

QRect TSLScope::CursorFootprint(int index) {
  TSLDisplayCursor* c = cursors_->Cursor(index);
  if (cursorFootprints_.size() != cursors_->Count()) cursorFootprints_.resize(cursors_->Count());
  TCursorFootprint& f = cursorFootprints_[index];
  if (f.cursor == c && f.content == ContentGeneration() && f.layouts == LayoutGeneration()) return f.rect;
  f.cursor = c;
  f.content = ContentGeneration();
  f.layouts = LayoutGeneration();
  const QRect view = DataViewRect();
  QRect r;
  for (bool horizontal : {false, true}) {
    if (!CursorHasLine(c, horizontal)) continue;
    bool pinned = false;
    const int at = CursorLinePixel(c, horizontal, &pinned);
    // The line and its highlight three pixels wide, with a margin.
    r |= CursorLineIsRow(c, horizontal) ? QRect(view.left(), at - 3, view.width(), 7)
                                         : QRect(at - 3, view.top(), 7, view.height());
    if (!pinned && !horizontal) r |= PaintCrossings(nullptr, c, c->Position()->X(), at);
  }
  // All of a cursor is drawn clipped at the view: beyond it the footprint
  // would only make paints in the axes' bands (a track mark) reach it.
  f.rect = r.adjusted(-1, -1, 1, 1) & view;
  return f.rect;
}

QRegion TSLScope::DragPreviewFootprint() {
  // Mirrors PaintCursors' drag preview; all of it lies in the data view.
  const QRect view = DataViewRect();
  TSLDisplayCursor* c = draggedCursor_ >= 0 ? cursors_->Cursor(draggedCursor_) : nullptr;
  if (!c || !c->Visible()) return {};
  const bool both = dragHit_.vertical && dragHit_.horizontal;
  // Found once per pointer position (the move and its paint ask).
  const TDragKey key{dragPoint_, draggedCursor_, ContentGeneration(), LayoutGeneration(), dragHit_.vertical,
                     dragHit_.horizontal};
  if (key == dragFootprintKey_) return dragFootprint_;
  QRegion& region = dragFootprint_;
  region = QRegion();
  dragFootprintKey_ = key;
  dragLabels_[0].shown = dragLabels_[1].shown = false;
  for (bool horizontal : {false, true}) {
    if (!(horizontal ? dragHit_.horizontal : dragHit_.vertical)) continue;
    const bool row = CursorLineIsRow(c, horizontal);
    const TExtent along = Along(view, row), across = Across(view, row);
    const int pointerAlong = row ? dragPoint_.y() : dragPoint_.x();
    const int pointerAcross = ClampInto(row ? dragPoint_.x() : dragPoint_.y(), across);
    const double value = DragValue(c, pointerAlong, horizontal);
    const int from = CursorLinePixel(c, horizontal);
    const int to = ClampInto(CursorPixel(c, horizontal, value), along);
    const auto span = [&](int a, int b, int lo, int hi) {
      // Pixels a..b along the line's axis, lo..hi across, a margin around.
      const QRect r = row ? QRect(QPoint(lo, std::min(a, b)), QPoint(hi, std::max(a, b)))
                          : QRect(QPoint(std::min(a, b), lo), QPoint(std::max(a, b), hi));
      region += r.adjusted(-2, -2, 2, 2) & view;
    };
    span(to, to, across.lo, across.hi);
    if (!horizontal) region += PaintCrossings(nullptr, c, value, to) & view;
    if (to == from || both) continue;
    span(from, to, pointerAcross, pointerAcross);
    const QFont font = Trails()->Font()->ToQFont();
    const QFontMetrics& metrics = ControlMetrics(font);
    TDragLabel& label = dragLabels_[horizontal];
    label.text.Set(FormatAxisValue(CursorAxis(c, horizontal), value - CursorValue(c, horizontal)), font, this,
                   layoutDirection());
    const QSize size(label.text.Advance(), metrics.height());
    const QRect box = TrailLabelBox(row, from, to, pointerAcross, size, view);
    label.shown = true;
    label.box = box;
    // The text centred in its box may reach beyond it: by no more than the
    // font's widest overhang on either side (the text's own ink would need
    // the text shaped once more), half a pixel of centring and a margin.
    // The paint cuts the label at this rectangle.
    const int spill = std::max({0, -metrics.minLeftBearing(), -metrics.minRightBearing()}) + 3;
    region += box.adjusted(-spill, -3, spill, 3) & view;
  }
  // A link with the dragged cursor at one end shows the difference the
  // drag would give beside its measurement line (PaintLinkPreview): the
  // rows from the label above the line to the preview line below it.
  for (int i = 0; i < cursorLinks_->Count(); ++i) {
    TSLDisplayCursorLink* link = cursorLinks_->Link(i);
    if (link->BeginCursorIndex() != draggedCursor_ && link->EndCursorIndex() != draggedCursor_) continue;
    TLinkGeometry g;
    if (!LinkGeometryOf(i, g)) continue;
    if (g.rows) {
      region += view;
      continue;
    }
    const int h = ControlMetrics(Trails()->Font()->ToQFont()).height();
    region += QRect(view.left(), g.line - 2 * h - 5, view.width(), 3 * h + 10) & view;
  }
  return region;
}

const QFontMetrics& TSLScope::ControlMetrics(const QFont& font) {
  const int dpi = logicalDpiY();  // another screen measures anew
  for (const TKeptMetrics& kept : controlMetrics_)
    if (kept.dpi == dpi && kept.font == font) return kept.metrics;
  // A few fonts at most (the trail's and the hit label's); a changed one
  // replaces the oldest.
  if (controlMetrics_.size() >= 4) controlMetrics_.removeFirst();
  controlMetrics_.append({font, dpi, QFontMetrics(font, this)});
  return controlMetrics_.last().metrics;
}

QString TSLScope::LinkLabelText(int index) {
  TLinkGeometry g;
  if (!LinkGeometryOf(index, g)) return {};
  const double difference = std::abs(g.v1 - g.v0);
  // The template with "%V" the axis formatting of the difference, "%%" a "%".
  QString pattern = cursorLinks_->Link(index)->MeasurementLine()->MeasurementLabel()->Text();
  if (pattern.isEmpty()) pattern = QStringLiteral("%V");
  QString text;
  for (int k = 0; k < pattern.size(); ++k) {
    if (pattern[k] != QLatin1Char('%')) {
      text += pattern[k];
      continue;
    }
    if (++k >= pattern.size()) break;
    if (pattern[k].toUpper() == QLatin1Char('V')) text += FormatAxisValue(CursorAxis(g.first, g.horizontal), difference);
    else if (pattern[k] == QLatin1Char('%')) text += QLatin1Char('%');
  }
  return text;
}
