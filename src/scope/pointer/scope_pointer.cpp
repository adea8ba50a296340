// The scope's data view under the pointer: presses and releases routed to
// cursors, cursor links, channels and the zoom frame or pan drag, the
// element under the pointer with its highlighting and channel events, and
// the channel hit test. Everything here runs on the window thread.

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "draw/canvas.h"
#include "draw/message_service.h"
#include "scope/scope.h"

namespace {

constexpr int kHitDistance = 3;
constexpr int kMinimumFrame = 5;

bool Highlights(const TSLDisplayItemHighlighting* h) { return h->HiglightLegendButton() || h->HiglightFromMouse(); }

// Distance from p to the segment a-b, and the foot point's share t (0..1).
double SegmentDistance(const QPoint& p, const QPoint& a, const QPoint& b, double& t) {
  const double dx = b.x() - a.x(), dy = b.y() - a.y();
  const double len2 = dx * dx + dy * dy;
  t = len2 > 0 ? std::clamp(((p.x() - a.x()) * dx + (p.y() - a.y()) * dy) / len2, 0.0, 1.0) : 0.0;
  const double fx = a.x() + t * dx - p.x(), fy = a.y() + t * dy - p.y();
  const double d = std::sqrt(fx * fx + fy * fy);
  return std::isfinite(d) ? d : 10000.0;
}

// Both ends more than 3 pixels beyond the pointer on the same side.
bool SegmentBeyond(const QPoint& p, const QPoint& a, const QPoint& b) {
  return (a.x() < p.x() - kHitDistance && b.x() < p.x() - kHitDistance) ||
         (a.x() > p.x() + kHitDistance && b.x() > p.x() + kHitDistance) ||
         (a.y() < p.y() - kHitDistance && b.y() < p.y() - kHitDistance) ||
         (a.y() > p.y() + kHitDistance && b.y() > p.y() + kHitDistance);
}

}  // namespace

TSLScope::TChannelHit TSLScope::ChannelHitTest(const QPoint& p) {
  TChannelHit best;
  for (int c = channels_->Count() - 1; c >= 0 && best.distance > 0; --c) {
    TSLScopeChannel* ch = channels_->Channel(c);
    if (!ch->Visible()) continue;
    const TSLTraceCache& trace = ch->Trace();
    const QVector<QPoint>& pts = trace.Points();
    if (pts.isEmpty()) continue;
    // Read once: each property read takes the lock, and the loops below
    // run over every vertex.
    const SL::TSLScopeChannelMode mode = ch->ChannelMode();
    const int width = ch->Width();
    const bool points = mode == SL::cmPoint || mode == SL::cmStep || ch->Points()->Visible();
    const int halfWidth = (width + 1) / 2;
    TChannelHit mine;
    int segA = -1, segB = -1;
    double segT = 0;
    if (points) {
      const int a = ch->Points()->Visible() ? std::max(2, ch->Points()->Size()) : 2;
      for (int i = 0; i < pts.size(); ++i)
        if (std::abs(pts[i].x() - p.x()) <= a && std::abs(pts[i].y() - p.y()) <= a) {
          mine.distance = 0;
          segA = segB = i;
          break;
        }
    }
    if (mine.distance > 0 && mode == SL::cmBar) {
      const int base = ch->BarBase();
      for (int i = 0; i < pts.size() && mine.distance > 0; ++i) {
        const QRect bar(QPoint(pts[i].x() - width / 2, std::min(pts[i].y(), base)),
                        QPoint(pts[i].x() + (width - 1) / 2, std::max(pts[i].y(), base)));
        if (bar.contains(p)) {
          mine.distance = 0;
          segA = segB = i;
        }
      }
    }
    if (mine.distance > 0 && (mode == SL::cmLine || mode == SL::cmStep) &&
        trace.BoundingBox().adjusted(-kHitDistance, -kHitDistance, kHitDistance, kHitDistance).contains(p)) {
      const QVector<int>& breaks = trace.Breaks();
      int nextBreak = 0;
      double bestG = 10000;
      // Along a trace sorted by X, the segments wholly left or right of
      // the pointer's reach (which the test below passes over) are skipped
      // by searching: the test costs the same for any number of samples.
      int from = 0, to = int(pts.size());
      if (trace.SortedAlongX()) {
        const auto byX = [](const QPoint& q, int x) { return q.x() < x; };
        from = int(std::lower_bound(pts.begin(), pts.end(), p.x() - kHitDistance, byX) - pts.begin());
        from = std::max(0, from - 1);
        to = int(std::lower_bound(pts.begin() + from, pts.end(), p.x() + kHitDistance + 1, byX) - pts.begin());
        to = std::min(int(pts.size()), to + 1);
        nextBreak = int(std::lower_bound(breaks.begin(), breaks.end(), from) - breaks.begin());
      }
      for (int i = from; i + 1 < to; ++i) {
        while (nextBreak < breaks.size() && breaks[nextBreak] <= i) ++nextBreak;
        if (nextBreak < breaks.size() && breaks[nextBreak] == i + 1) continue;  // the line is broken here
        QPoint a = pts[i], b = pts[i + 1];
        if (mode == SL::cmStep) b = QPoint(b.x(), a.y());
        if (SegmentBeyond(p, a, b)) continue;
        double t;
        const double g = SegmentDistance(p, a, b, t);
        if (g < kHitDistance - halfWidth && g < bestG) {
          bestG = g;
          segA = i;
          segB = i + 1;
          segT = t;
          if (g == 0) break;
        }
      }
      if (segA >= 0) mine.distance = std::max(0.0, bestG - halfWidth);
    }
    TSLDisplayAxis* xAxis = XAxisAt(ch->XAxisIndex());
    TSLDisplayAxis* yAxis = YAxisAt(ch->YAxisIndex());
    if (segA < 0 || !(mine.distance < best.distance) || !xAxis || !yAxis) continue;
    mine.channel = c;
    mine.beginSample = trace.VertexFirstSample()[segA];
    mine.endSample = segB == segA ? mine.beginSample : trace.VertexLastSample()[segB];
    const QPoint a = pts[segA], b = pts[segB];
    mine.foot = QPoint(int(std::lround(a.x() + segT * (b.x() - a.x()))), int(std::lround(a.y() + segT * (b.y() - a.y()))));
    // The value under the pointer: interpolated between the segment's
    // samples, or read through the axes where columns were reduced.
    const TRef<ISLRealBuffer> ys = ch->DisplayY();
    const int count = ch->DisplayCount();
    double xData, yData;
    if (!trace.Reduced() && ys && mine.endSample < count && !xAxis->IsLogarithmic() && !yAxis->IsLogarithmic()) {
      const double* yv = ys->ReadReals();
      const TRef<ISLRealBuffer> xs = ch->DisplayX();
      const auto xOf = [&](int i) { return ch->UniformX() || !xs ? double(i) : xs->ReadReals()[i]; };
      xData = xOf(mine.beginSample) + segT * (xOf(mine.endSample) - xOf(mine.beginSample));
      yData = yv[mine.beginSample] + segT * (yv[mine.endSample] - yv[mine.beginSample]);
    } else {
      const bool vertical = IsVertical();
      xData = xAxis->TickToData(xAxis->ScreenToTick(vertical ? mine.foot.y() : mine.foot.x()));
      yData = yAxis->TickToData(yAxis->ScreenToTick(vertical ? mine.foot.x() : mine.foot.y()));
      // A reduced column stands for many samples, drawn as the span from
      // their minimum to their maximum: the value is read along the drawn
      // segment at the foot point, between the values its ends stand at,
      // rather than the pixel's coarse value; the samples themselves are
      // not visited, which on a pointer move would cost as much as their
      // number.
      const QVector<double>& values = trace.VertexValues();
      if (trace.Reduced() && segB < values.size() && !yAxis->IsLogarithmic()) {
        const double along = values[segA] + segT * (values[segB] - values[segA]);
        if (std::isfinite(along)) yData = along;
      }
    }
    mine.value.X = SLMapRange(xAxis->DataToTick(xData), xAxis->TickLimits(), xAxis->ValueLimits());
    mine.value.Y = yData;
    best = mine;
  }
  if (best.distance >= kHitDistance) return TChannelHit();
  return best;
}

int TSLScope::HitCursorLink(const QPoint& p) {
  for (int i = cursorLinks_->Count() - 1; i >= 0; --i) {
    TLinkGeometry g;
    if (!LinkGeometryOf(i, g) || !cursorLinks_->Link(i)->MeasurementLine()->Visible()) continue;
    // The line as drawn, so what is seen is what is hit.
    const int along = g.rows ? p.y() : p.x(), across = g.rows ? p.x() : p.y();
    if (along > g.p0 && along < g.p1 && std::abs(across - g.line) < kHitDistance) return i;
  }
  return -1;
}

void TSLScope::DataViewMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, bool& handled, bool inside,
                                 const QPoint& p) {
  if (handled) return;
  for (TSLDisplayAxis* axis : Axes()) axis->StartPan(p);
  if (!inside) return;
  pressPoint_ = p;
  const TCursorHit cursorHit = HitCursorLines(p);
  const int cursor = cursorHit.index;
  if (cursor >= 0) {
    TSLDisplayCursor* c = cursors_->Cursor(cursor);
    handled = true;
    if (button == Qt::LeftButton) {
      draggedCursor_ = cursor;
      dragHit_ = cursorHit;
      dragPoint_ = p;
      SetElement(nullptr);
    } else {
      pressedItem_ = c;
    }
    RunEventHandler([&] { emit c->OnMouseDown(c, button, shift, p.x(), p.y()); });
    if (button == Qt::LeftButton) RunEventHandler([&] { emit c->OnClick(c); });
    Changed();
    return;
  }
  if (button == Qt::LeftButton) {
    const int link = HitCursorLink(p);
    if (link >= 0) {
      TSLDisplayCursorLink* l = cursorLinks_->Link(link);
      handled = true;
      draggedLink_ = link;
      dragPoint_ = p;
      SetElement(nullptr);
      RunEventHandler([&] { emit l->OnMouseDown(l, button, shift, p.x(), p.y()); });
      RunEventHandler([&] { emit l->OnClick(l); });
      Changed();
      return;
    }
  }
  int markerChannel = -1, markerIndex = -1;
  if (HitMarker(p, markerChannel, markerIndex)) {
    TSLScopeChannel* ch = channels_->Channel(markerChannel);
    TSLScopeChannelMarker* marker = ch->Marker(markerIndex);
    TSLScopeMarkerGroup* group = MarkerGroupOf(marker);
    TSLDisplayAxis* xAxis = XAxisAt(ch->XAxisIndex());
    const TRef<ISLRealBuffer> ys = ch->DisplayY();
    TSLRealPoint value{xAxis ? xAxis->ToValue(marker->Position()) : double(marker->Position()),
                       ys && marker->Position() < ys->GetCount() ? ys->ReadReals()[marker->Position()] : 0.0};
    RunEventHandler([&] { emit markerGroups_->OnClick(this, markerChannel, markerIndex, value, handled); });
    if (!handled) {
      pressedMarker_ = marker;
      RunEventHandler([&] { emit marker->OnMouseDown(marker, button, shift, p.x(), p.y()); });
      if (button == Qt::LeftButton) RunEventHandler([&] { emit marker->OnClick(marker); });
      if (group) RunEventHandler([&] { emit group->OnMouseDown(group, button, shift, p.x(), p.y()); });
      if (group && group->CanDrag() && button == Qt::LeftButton && marker && !draggedMarker_) {
        draggedMarker_ = marker;
        draggedMarkerChannel_ = markerChannel;
        markerTarget_ = marker->Position();
        handled = true;
        return;
      }
    }
  }
  const TChannelHit hit = ChannelHitTest(p);
  if (hit.channel >= 0)
    RunEventHandler([&] {
      emit channels_->OnClick(this, hit.channel, hit.beginSample, hit.endSample, hit.value, handled);
    });
  if (button == Qt::LeftButton && !handled) {
    viewDrag_ = true;
    dragPoint_ = p;
    SetElement(nullptr);
  }
}

void TSLScope::DataViewMouseMove(Qt::KeyboardModifiers, const QPoint& p) {
  lastPoint_ = p;
  if (draggedCursor_ >= 0 || draggedLink_ >= 0) {
    dragPoint_ = p;
    return;
  }
  if (draggedMarker_) {
    // The target is the sample under the pointer on the marker's channel.
    TSLScopeChannel* ch = draggedMarkerChannel_ < channels_->Count() ? channels_->Channel(draggedMarkerChannel_) : nullptr;
    TSLDisplayAxis* xAxis = ch ? XAxisAt(ch->XAxisIndex()) : nullptr;
    if (ch && xAxis && ch->DisplayCount() > 0) {
      const double data = xAxis->TickToData(xAxis->ScreenToTick(IsVertical() ? p.y() : p.x()));
      markerTarget_ = std::clamp(int(std::lround(data)), 0, ch->DisplayCount() - 1);
      SetElement(markerTarget_ != draggedMarker_->Position() ? MarkerGroupOf(draggedMarker_) : nullptr);
    }
    Changed();
    return;
  }
  if (viewDrag_) {
    dragPoint_ = p;
    if (NavigateMode() == SL::nmPan) {
      // One zoom event for each axis the move really shifted.
      TAllAxesZoom all(this);
      for (TSLDisplayAxis* axis : Axes()) {
        if (!axis->IsZoomed()) continue;
        TSLRealPoint lo, hi;
        ShownRange(lo, hi);
        const TSLRange before = axis->ShownValue();
        axis->PanBy(axis->PanPoint(), p);
        if (axis->ShownValue() != before) NotifyZoom(SL::zoMousePan, lo, hi);
      }
    }
    return;
  }
  UpdateElement(p);
  elementFoundFor_ = ElementKey();
}

void TSLScope::UpdateElement(const QPoint& p) {
  QObject* found = nullptr;
  const bool inside = DataViewRect().contains(p);
  if (inside) {
    if (Highlights(Highlighting()->Cursors())) {
      const TCursorHit hit = HitCursorLines(p);
      if (hit.index >= 0) {
        TSLDisplayCursor* c = cursors_->Cursor(hit.index);
        found = c;
        // A change of the line under the pointer repaints its highlight.
        if (hoverHit_.index != hit.index || hoverHit_.vertical != hit.vertical ||
            hoverHit_.horizontal != hit.horizontal)
          OverlayChanged();
        hoverHit_ = hit;
        const TSLDisplayCursorMouseCursor* shapes = c->MouseCursors();
        ShowElementPointerShape(hit.vertical && hit.horizontal ? shapes->Both()
                                : hit.vertical                 ? shapes->Vertical()
                                                               : shapes->Horizontal());
      }
    }
    if (!found) {
      const int l = HitCursorLink(p);
      if (l >= 0) {
        ShowElementPointerShape(cursorLinks_->Link(l)->MouseCursor());
        if (Highlights(Highlighting()->CursorLinks())) found = cursorLinks_->Link(l);
      }
    }
  }
  if (inside && !found) found = HitOtherItem(p);
  TChannelHit hit;
  if (inside && !found) {
    hit = ChannelHitTest(p);
    if (hit.channel >= 0) {
      TSLScopeChannel* ch = channels_->Channel(hit.channel);
      ShowElementPointerShape(ch->MouseCursor());
      if (Highlights(Highlighting()->Channels())) {
        if (element_ && element_ != ch) RunEventHandler([&] { emit OnLeaveChannel(this); });
        hit_ = hit;
        SetElement(ch);
        RunEventHandler([&] { emit OnOverChannel(this, hit.channel, hit.beginSample, hit.endSample, hit.value); });
        if (Highlighting()->MouseHitPoint()->Enabled() && !refreshingElement_) PointerOverlayChanged();
        return;
      }
    }
  }
  if (found) {
    SetElement(found);
    return;
  }
  if (qobject_cast<TSLScopeChannel*>(element_)) RunEventHandler([&] { emit OnLeaveChannel(this); });
  SetElement(nullptr);
  // Also a shape set above by an item that was passed over.
  EndElementPointerShape();
}

void TSLScope::SetElement(QObject* element) {
  if (element_ == element) return;
  QObject* previous = element_;
  element_ = element;
  if (!element) hit_ = TChannelHit();
  if (auto* item = qobject_cast<TSLDisplayCollectionItem*>(previous))
    RunEventHandler([&] { emit item->OnMouseLeave(item); });
  if (auto* item = qobject_cast<TSLDisplayCollectionItem*>(element))
    RunEventHandler([&] { emit item->OnMouseEnter(item); });
  // The trace layer keys on the element (its highlights).
  if (!refreshingElement_) OverlayChanged(ElementChangeRegion(previous, element));
}

TSLScope::TElementKey TSLScope::ElementKey() const {
  const TTraceKey traces = TraceKey();
  return {lastPoint_, traces.content, traces.layouts, traces.traceRebuilds};
}

void TSLScope::RefreshElement() {
  // New data or new ranges move the traces under a resting pointer.
  if (!MouseInside() || lastPoint_.x() == -1000 || draggedCursor_ >= 0 || draggedLink_ >= 0 || viewDrag_ ||
      draggedMarker_)
    return;
  if (ElementKey() == elementFoundFor_) return;
  refreshingElement_ = true;
  UpdateElement(lastPoint_);
  refreshingElement_ = false;
  elementFoundFor_ = ElementKey();
}

void TSLScope::DataViewMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, bool, const QPoint& p) {
  // The marker pressed, and its group, hear of the release.
  if (TSLScopeChannelMarker* marker = pressedMarker_) {
    pressedMarker_ = nullptr;
    RunEventHandler([&] { emit marker->OnMouseUp(marker, button, shift, p.x(), p.y()); });
    if (TSLScopeMarkerGroup* group = MarkerGroupOf(marker))
      RunEventHandler([&] { emit group->OnMouseUp(group, button, shift, p.x(), p.y()); });
  }
  if (button != Qt::LeftButton) {
    if (auto* item = qobject_cast<TSLDisplayCollectionItem*>(pressedItem_))
      RunEventHandler([&] { emit item->OnMouseUp(item, button, shift, p.x(), p.y()); });
    pressedItem_ = nullptr;
    return;
  }
  if (draggedCursor_ >= 0) {
    const int dragged = draggedCursor_;
    draggedCursor_ = -1;
    const TCursorHit lines = dragHit_;
    dragHit_ = {};
    TSLDisplayCursor* c = cursors_->Cursor(dragged);
    if (!c) return;
    // The value under each held line at the release: stored as released
    // (reading X clamps it into the axis range), snapped as the preview
    // showed when the axis snaps to samples. A release on the line's own
    // pixel is no move, so rounding cannot report one the user did not make.
    const TSLRealPoint oldPos{c->Position()->X(), c->Position()->Y()};
    TSLRealPoint newPos = oldPos;
    const int atX = DragPixel(c, CursorLineCoordinate(c, false, p), false);
    const int atY = DragPixel(c, CursorLineCoordinate(c, true, p), true);
    if (lines.vertical && atX != CursorColumn(c, oldPos.X)) newPos.X = DragValue(c, atX, false);
    if (lines.horizontal && atY != CursorPixel(c, true, oldPos.Y)) newPos.Y = DragValue(c, atY, true);
    if (newPos.X != oldPos.X || newPos.Y != oldPos.Y) {
      // Only the lines held move: a vertical drag leaves Y as it was.
      if (lines.vertical) c->Position()->SetX(newPos.X);
      if (lines.horizontal) c->Position()->SetY(newPos.Y);
      TSLRealPoint stored{c->Position()->X(), c->Position()->Y()};
      TSLRealPoint before = oldPos;
      RunEventHandler([&] { emit cursors_->OnPositionChange(this, dragged, before, stored); });
    }
    RunEventHandler([&] { emit c->OnMouseUp(c, button, shift, p.x(), p.y()); });
    Changed();
    return;
  }
  if (draggedLink_ >= 0) {
    const int dragged = draggedLink_;
    draggedLink_ = -1;
    TLinkGeometry g;
    TSLDisplayCursorLink* link = cursorLinks_->Link(dragged);
    if (!link) return;
    TSLScopeMeasurementLine* line = link->MeasurementLine();
    // The line's percent at the release, by the mapping that draws it; a
    // release on the line's own row (column) is no move.
    TSLRealPoint oldPos{line->X(), line->Y()};
    TSLRealPoint newPos = oldPos;
    if (LinkGeometryOf(dragged, g)) {
      const int at = g.rows ? p.x() : p.y();
      if (at != g.line) (g.horizontal ? newPos.X : newPos.Y) = MeasurementPercentAt(g, at);
    }
    if (newPos.X != oldPos.X || newPos.Y != oldPos.Y) {
      line->SetX(newPos.X);
      line->SetY(newPos.Y);
      newPos = {line->X(), line->Y()};
      RunEventHandler([&] { emit cursorLinks_->OnPositionChange(this, dragged, oldPos, newPos); });
    }
    RunEventHandler([&] { emit link->OnMouseUp(link, button, shift, p.x(), p.y()); });
    Changed();
    return;
  }
  if (TSLScopeChannelMarker* marker = draggedMarker_) {
    draggedMarker_ = nullptr;
    const int from = marker->Position(), to = markerTarget_;
    marker->SetPosition(to);
    if (to != from) {
      RunEventHandler([&] { emit marker->OnDragged(marker, from, to); });
      if (TSLScopeMarkerGroup* group = MarkerGroupOf(marker))
        RunEventHandler([&] { emit group->OnDragged(group, from, to); });
    }
    SetElement(nullptr);
    Changed();
    return;
  }
  if (viewDrag_) EndViewDrag(p);
}

void TSLScope::EndViewDrag(const QPoint& p) {
  viewDrag_ = false;
  if (NavigateMode() != SL::nmZoom || !Zooming()->MouseZoom()) {
    Changed();
    return;
  }
  if (std::abs(p.x() - pressPoint_.x()) < kMinimumFrame && std::abs(p.y() - pressPoint_.y()) < kMinimumFrame) {
    LayoutChanged();
    return;
  }
  const QRect view = DataViewRect();
  TSLDisplayAxis* x = XAxisAt(0);
  TSLDisplayAxis* y = YAxisAt(0);
  if (!x || !y || view.width() <= 1 || view.height() <= 1) return;
  const int x1 = std::min(p.x(), pressPoint_.x()), x2 = std::max(p.x(), pressPoint_.x());
  const int y1 = std::min(p.y(), pressPoint_.y()), y2 = std::max(p.y(), pressPoint_.y());
  const int L = view.left(), T = view.top(), R = view.right() + 1, B = view.bottom() + 1;
  const TSLRange xr = x->ShownValue(), yr = y->ShownValue();
  double xFrom = xr.lo, xTo = xr.hi, yFrom = yr.lo, yTo = yr.hi;
  // Logarithmic axes interpolate their transformed ends.
  const auto fwd = [](TSLDisplayAxis* a, double v) {
    if (!a->IsLogarithmic()) return v;
    return v >= 0 ? std::log10(1 + v) : -std::log10(1 - v);
  };
  const auto back = [](TSLDisplayAxis* a, double v) {
    if (!a->IsLogarithmic()) return v;
    return v >= 0 ? std::pow(10.0, v) - 1 : 1 - std::pow(10.0, -v);
  };
  if (Zooming()->Mode() != SL::zmYAxis) {
    const double a = fwd(x, xr.lo), b = fwd(x, xr.hi);
    const double f = (b - a) / (R - L);
    xFrom = back(x, a + (x1 - L) * f);
    xTo = back(x, b + (x2 - R + 1) * f);
  }
  if (Zooming()->Mode() != SL::zmXAxis) {
    const double c = fwd(y, yr.lo), d = fwd(y, yr.hi);
    const double g = (d - c) / (B - T);
    if (!y->IsReversed()) {
      yTo = back(y, d - (y1 - T) * g);
      yFrom = back(y, c - (y2 - B + 2) * g);
    } else {
      yTo = back(y, d - (B - y1) * g);
      yFrom = back(y, c - (T - y2) * g);
    }
  }
  ZoomToRect(true, xFrom, xTo, yFrom, yTo);
}

void TSLScope::DataViewEnterControl(const QPoint& p) { lastPoint_ = p; }

void TSLScope::DataViewLeaveControl() {
  if (qobject_cast<TSLScopeChannel*>(element_)) RunEventHandler([&] { emit OnLeaveChannel(this); });
  SetElement(nullptr);
  hit_ = TChannelHit();
  lastPoint_ = QPoint(-1000, lastPoint_.y());
}

void TSLScope::PaintZoomFrame(TLPCanvas& canvas) {
  if (!viewDrag_ || NavigateMode() != SL::nmZoom || !Zooming()->MouseZoom()) return;
  const QRect view = DataViewRect();
  QPainter* painter = canvas.Painter();
  painter->save();
  painter->setPen(QPen(Zooming()->SelectionColor(), 1));
  painter->setBrush(Qt::NoBrush);
  const QPoint a = pressPoint_, b = dragPoint_;
  switch (Zooming()->Mode()) {
    case SL::zmXAxis:
      painter->drawLine(a.x(), view.top(), a.x(), view.bottom());
      painter->drawLine(b.x(), view.top(), b.x(), view.bottom());
      break;
    case SL::zmYAxis:
      painter->drawLine(view.left(), a.y(), view.right(), a.y());
      painter->drawLine(view.left(), b.y(), view.right(), b.y());
      break;
    default:
      // The outline runs through both corner pixels and no further (a
      // 1-pixel pen outlines x .. x + w).
      painter->drawRect(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::abs(a.x() - b.x()),
                        std::abs(a.y() - b.y()));
      break;
  }
  painter->restore();
}

const TSLScope::THitPiece& TSLScope::HitPiece(const QPaintDevice* device) {
  auto* ch = qobject_cast<TSLScopeChannel*>(element_);
  if (!ch || hit_.channel < 0 || !Highlighting()->MouseHitPoint()->Enabled()) {
    hitPiece_ = THitPiece();
    return hitPiece_;
  }
  THitPiece piece;
  piece.shown = true;
  piece.channel = ch;
  piece.device = device;
  piece.foot = hit_.foot;
  piece.x = hit_.value.X;
  piece.y = hit_.value.Y;
  // Every setting the label shows counts a content generation.
  piece.content = ContentGeneration();
  piece.layouts = LayoutGeneration();
  piece.label = hitPiece_.label;
  piece.text = hitPiece_.text;
  piece.box = hitPiece_.box;
  if (piece == hitPiece_) return hitPiece_;
  TSLChannelMouseHitPoint* settings = Highlighting()->MouseHitPoint();
  piece.label = settings->PointLabel()->Visible();
  piece.text.clear();
  piece.box = QRect();
  if (piece.label) {
    const QRect view = DataViewRect();
    QString text = HitPointText(hit_.value.X, hit_.value.Y);
    QPoint mouse = hit_.foot;
    TSLRealPoint data = hit_.value;
    RunEventHandler([&] { emit OnDataToolTip(this, mouse, data, text); });
    const QFont font = settings->PointLabel()->Font()->ToQFont();
    QSize size;
    if (device == this) {
      // Laid out once for the move's region and the paint.
      hitRun_.Set(text, font, this, layoutDirection());
      size = QSize(hitRun_.Advance(), ControlMetrics(font).height());
    } else {
      const QFontMetrics metrics = device ? QFontMetrics(font, const_cast<QPaintDevice*>(device)) : QFontMetrics(font);
      size = QSize(metrics.horizontalAdvance(text), metrics.height());
    }
    size += QSize(4, 2);
    const QPoint at = hit_.foot;
    QRect box(at.x() + 4, at.y() - size.height(), size.width(), size.height());
    if (box.top() < view.top() && at.x() - size.width() - 4 > view.left()) box.moveTo(at.x() - size.width() - 4, at.y());
    if (box.right() > view.right() && at.x() - size.width() - 11 > view.left()) box.moveLeft(at.x() - size.width() - 11);
    piece.text = text;
    piece.box = box;
  }
  hitPiece_ = piece;
  return hitPiece_;
}

void TSLScope::PaintHitPoint(TLPCanvas& canvas) {
  QPainter* painter = canvas.Painter();
  const THitPiece& piece = HitPiece(painter->device());
  if (!piece.shown) return;
  auto* ch = qobject_cast<TSLScopeChannel*>(element_);
  TSLChannelMouseHitPoint* settings = Highlighting()->MouseHitPoint();
  const QRect view = DataViewRect();
  const QPoint at = piece.foot;
  // The marker and the label, each cut at its part of the footprint, which
  // changes no pixel (they lie within) but keeps the painter on one
  // rectangle of the update region, where it blits instead of going span by
  // span through all of it; cut at the view too when they reach beyond it.
  const QRect marker(at.x() - 3, at.y() - 3, 7, 7), label = piece.box.adjusted(-2, -2, 3, 3);
  const bool inside = view.contains(marker) && (!piece.label || view.contains(label));
  const QColor edge = settings->UseChannelColor() ? ch->Color() : settings->Color(), fill = Color();
  // Opaque, unscaled: the outline and the inside as two fills, the pixels
  // the stroked rectangle has, without the stroker.
  const bool fills = edge.alpha() == 255 && fill.alpha() == 255 &&
                     painter->deviceTransform().type() <= QTransform::TxTranslate;
  const auto box = [&](const QRect& r) {
    if (!fills) {
      painter->drawRect(r);
      return;
    }
    painter->fillRect(QRect(r.topLeft(), r.size() + QSize(1, 1)), edge);
    if (r.width() > 1 && r.height() > 1) painter->fillRect(QRect(r.left() + 1, r.top() + 1, r.width() - 1, r.height() - 1), fill);
  };
  painter->save();
  if (inside) painter->setClipRect(marker);
  else painter->setClipRect(view);
  painter->setBrush(fill);
  painter->setPen(edge);
  box(QRect(at.x() - 2, at.y() - 2, 4, 4));
  if (piece.label) {
    const QFont font = settings->PointLabel()->Font()->ToQFont();
    canvas.AssignFont(font);
    if (inside) painter->setClipRect(label);
    box(piece.box);
    painter->setFont(font);
    painter->setPen(settings->PointLabel()->Font()->Color());
    if (piece.device == this && hitRun_.Text() == piece.text)
      hitRun_.Draw(painter, piece.box.adjusted(2, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop);
    else painter->drawText(piece.box.adjusted(2, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, piece.text);
  }
  painter->restore();
}

QRegion TSLScope::PointerDamage() {
  // Drawn in one pass, the picture is redrawn whole anyway.
  if (!layered_) return QRegion(rect());
  return paintedFootprint_ + PointerFootprint();
}

QRegion TSLScope::PointerFootprint() {
  QRegion region;
  const QRect view = DataViewRect();
  if (view.width() <= 1 || view.height() <= 1) return region;
  // A frame or pan drag and a link's preview: the whole control.
  if (viewDrag_ || draggedLink_ >= 0) return QRegion(rect());
  const THitPiece& piece = HitPiece(this);
  const QPoint mouse = StoredMousePosition();
  const bool mouseInside = MouseInside() && view.contains(mouse);
  const TFootprintKey key{true,           piece.shown, piece.label,         mouseInside, piece.foot,
                          mouseInside ? mouse : QPoint(), piece.box, view, ContentGeneration(), LayoutGeneration()};
  if (!(key == footprintKey_)) {
    if (piece.shown) {
      // A rectangle's outline covers its right and bottom edge too; a
      // margin more takes any pixel of the text beyond its box.
      region += QRect(piece.foot.x() - 3, piece.foot.y() - 3, 7, 7) & view;
      if (piece.label) region += piece.box.adjusted(-2, -2, 3, 3) & view;
    }
    if (mouseInside)
      for (TSLDisplayAxis* axis : Axes()) region += axis->TrackMarkRect(mouse);
    footprint_ = region;
    footprintKey_ = key;
  }
  region = footprint_;
  if (draggedCursor_ >= 0) region += DragPreviewFootprint();
  return region;
}

QRegion TSLScope::ElementChangeRegion(const QObject* before, const QObject* after) {
  if (!layered_) return QRegion(rect());
  const QRect view = DataViewRect();
  QRegion region;
  for (const QObject* item : {before, after}) {
    if (!item) continue;
    // Highlights of other items, and the cursors' lines, may lie anywhere.
    auto* ch = qobject_cast<TSLScopeChannel*>(const_cast<QObject*>(item));
    if (!ch) return QRegion(rect());
    if (!Highlighting()->Channels()->HiglightFromMouse()) continue;
    if (ch->ChannelMode() != SL::cmLine || ch->Points()->Visible()) {
      region += view.adjusted(-1, -1, 1, 1);
      continue;
    }
    // The highlight is drawn under the trace, two pixels wider.
    const int margin = ch->Width() + 4;
    region += ch->Trace().BoundingBox().adjusted(-margin, -margin, margin, margin) & view;
  }
  return region;
}
