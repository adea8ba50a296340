// Zones, ellipses, channel links, channel markers and text labels: drawn in
// the data view from their positions in axis values, and found under the
// pointer for highlighting.

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "draw/canvas.h"
#include "scope/scope.h"

namespace {

QPen Widened(const QPen& pen, const QColor& color) {
  QPen wide(pen);
  wide.setColor(color);
  wide.setWidth(std::max(1, pen.width()) + 2);
  return wide;
}

void DrawMark(QPainter* painter, SL::TSLDisplayMarkerShape shape, const QPoint& c, int r) {
  switch (shape) {
    case SL::msPoint: painter->drawPoint(c); break;
    case SL::msCircle: painter->drawEllipse(c, r, r); break;
    case SL::msSquare: painter->drawRect(c.x() - r, c.y() - r, 2 * r, 2 * r); break;
    case SL::msDiamond: {
      const QPoint pts[4] = {{c.x(), c.y() - r}, {c.x() + r, c.y()}, {c.x(), c.y() + r}, {c.x() - r, c.y()}};
      painter->drawPolygon(pts, 4);
      break;
    }
    case SL::msCross:
      painter->drawLine(c.x() - r, c.y() - r, c.x() + r, c.y() + r);
      painter->drawLine(c.x() - r, c.y() + r, c.x() + r, c.y() - r);
      break;
    case SL::msStar:
      painter->drawLine(c.x() - r, c.y() - r, c.x() + r, c.y() + r);
      painter->drawLine(c.x() - r, c.y() + r, c.x() + r, c.y() - r);
      [[fallthrough]];
    case SL::msPlus:
      painter->drawLine(c.x() - r, c.y(), c.x() + r, c.y());
      painter->drawLine(c.x(), c.y() - r, c.x(), c.y() + r);
      break;
    default: {
      // Triangles and any other shape: a triangle pointing up.
      const QPoint pts[3] = {{c.x(), c.y() - r}, {c.x() + r, c.y() + r}, {c.x() - r, c.y() + r}};
      painter->drawPolygon(pts, 3);
      break;
    }
  }
}

}  // namespace

QPoint TSLScope::ValueToScreen(int xAxisIndex, int yAxisIndex, double x, double y) {
  TSLDisplayAxis* xAxis = XAxisAt(xAxisIndex);
  TSLDisplayAxis* yAxis = YAxisAt(yAxisIndex);
  if (!xAxis || !yAxis) return {};
  const int along = xAxis->TickToScreen(xAxis->DataToTick(xAxis->ToData(x)));
  const int across = yAxis->TickToScreen(yAxis->DataToTick(yAxis->ToData(y)));
  return IsVertical() ? QPoint(across, along) : QPoint(along, across);
}

QPolygon TSLScope::ZoneShape(const TSLDisplayBasicZone* zone) {
  if (auto* polygon = qobject_cast<const TSLDisplayZone*>(zone)) {
    QPolygon shape;
    for (int i = 0; i < polygon->Points()->Count(); ++i) {
      auto* p = static_cast<TSLRealPointItem*>(polygon->Points()->Item(i));
      shape << ValueToScreen(zone->XAxisIndex(), zone->YAxisIndex(), p->X(), p->Y());
    }
    return shape;
  }
  auto* ellipse = static_cast<const TSLDisplayEllipticZone*>(zone);
  const QPoint a = ValueToScreen(zone->XAxisIndex(), zone->YAxisIndex(), ellipse->Point1()->X(), ellipse->Point1()->Y());
  const QPoint b = ValueToScreen(zone->XAxisIndex(), zone->YAxisIndex(), ellipse->Point2()->X(), ellipse->Point2()->Y());
  QPainterPath path;
  path.addEllipse(QRectF(a, b).normalized());
  return path.toFillPolygon().toPolygon();
}

QRect TSLScope::LabelRect(const TSLDisplayTextLabel* label) {
  const QPoint at = ValueToScreen(label->XAxisIndex(), label->YAxisIndex(), label->Position()->X(), label->Position()->Y());
  const QFontMetrics metrics(label->Font()->ToQFont());
  return QRect(at, QSize(metrics.horizontalAdvance(label->Name()), metrics.height()));
}

QPoint TSLScope::MarkerPoint(TSLScopeChannel* channel, int sample) {
  const TRef<ISLRealBuffer> ys = channel->DisplayY();
  if (!ys || sample < 0 || sample >= ys->GetCount()) return QPoint(-1, -1);
  const TRef<ISLRealBuffer> xs = channel->DisplayX();
  const double x = channel->UniformX() || !xs ? double(sample) : xs->ReadReals()[sample];
  TSLDisplayAxis* xAxis = XAxisAt(channel->XAxisIndex());
  TSLDisplayAxis* yAxis = YAxisAt(channel->YAxisIndex());
  if (!xAxis || !yAxis) return QPoint(-1, -1);
  const int along = xAxis->TickToScreen(xAxis->DataToTick(x));
  const int across = yAxis->TickToScreen(yAxis->DataToTick(ys->ReadReals()[sample]));
  return IsVertical() ? QPoint(across, along) : QPoint(along, across);
}

void TSLScope::PaintZones(TLPCanvas& canvas) {
  QPainter* painter = canvas.Painter();
  painter->save();
  painter->setClipRect(DataViewRect());
  for (TOWExtCollection* collection : std::initializer_list<TOWExtCollection*>{zones_, ellipses_}) {
    const bool isZone = collection == zones_;
    TSLDisplayItemHighlighting* highlight = isZone ? Highlighting()->Zones() : Highlighting()->Ellipses();
    for (int i = 0; i < collection->Count(); ++i) {
      auto* zone = static_cast<TSLDisplayBasicZone*>(collection->Item(i));
      if (!zone->Visible()) continue;
      const QPolygon shape = ZoneShape(zone);
      if (shape.size() < 2) continue;
      painter->setBrush(zone->Brush()->ToQBrush());
      painter->setPen(element_ == zone && highlight->HiglightFromMouse() ? Widened(zone->Pen()->ToQPen(), highlight->Color())
                                                                         : zone->Pen()->ToQPen());
      painter->drawPolygon(shape, Qt::OddEvenFill);
    }
  }
  painter->restore();
}

void TSLScope::PaintZoneChannels(TLPCanvas& canvas) {
  QPainter* painter = canvas.Painter();
  for (TOWExtCollection* collection : std::initializer_list<TOWExtCollection*>{zones_, ellipses_}) {
    for (int i = 0; i < collection->Count(); ++i) {
      auto* zone = static_cast<TSLDisplayBasicZone*>(collection->Item(i));
      if (!zone->Visible() || zone->Channels()->Count() == 0) continue;
      const QPolygon shape = ZoneShape(zone);
      if (shape.size() < 3) continue;
      painter->save();
      painter->setClipRegion(QRegion(shape, Qt::OddEvenFill), Qt::IntersectClip);
      for (int l = 0; l < zone->Channels()->Count(); ++l) {
        const TSLDisplayZoneChannelLink* link = zone->ChannelLink(l);
        const int c = link->Channel();
        if (c < 0 || c >= channels_->Count() || !channels_->Channel(c)->Visible()) continue;
        TSLScopeChannel* channel = channels_->Channel(c);
        const TSLTraceCache& trace = channel->Trace();
        const auto drawTrace = [&](const QColor& color, int width) {
          QPen pen(color);
          pen.setWidth(width);
          painter->setPen(pen);
          trace.ForEachPiece([&](const QPoint* p, int n) {
            if (n > 1) painter->drawPolyline(p, n);
            else painter->drawPoint(p[0]);
          });
        };
        // A band in the zone's pen colour with the trace drawn again on it.
        painter->setBrush(Qt::NoBrush);
        if (link->Highlighting()) {
          drawTrace(zone->Pen()->Color(), channel->Width() + 4);
          drawTrace(channel->Color(), channel->Width());
        }
        if (link->Points()) {
          painter->setPen(Qt::NoPen);
          painter->setBrush(channel->Color());
          for (const QPoint& p : trace.Points()) painter->drawRect(p.x() - 1, p.y() - 1, 3, 3);
        }
      }
      painter->restore();
    }
  }
}

void TSLScope::PaintChannelLinks(TLPCanvas& canvas) {
  QPainter* painter = canvas.Painter();
  for (int i = 0; i < channelLinks_->Count(); ++i) {
    TSLDisplayChannelLink* link = channelLinks_->Link(i);
    const int a = link->FirstChannelIndex(), b = link->SecondChannelIndex();
    if (!link->Visible() || a < 0 || b < 0 || a >= channels_->Count() || b >= channels_->Count() || a == b) continue;
    TSLScopeChannel* first = channels_->Channel(a);
    TSLScopeChannel* second = channels_->Channel(b);
    if (!first->Visible() || !second->Visible()) continue;
    const QVector<QPoint>& p = first->Trace().Points();
    const QVector<QPoint>& q = second->Trace().Points();
    if (p.isEmpty() || q.isEmpty()) continue;
    if (link->ChannelLinkMode() == SL::clmZone) {
      // The band between the two traces.
      QPolygon band(p);
      for (auto it = q.rbegin(); it != q.rend(); ++it) band << *it;
      painter->setPen(Qt::NoPen);
      painter->setBrush(link->Brush()->ToQBrush());
      painter->drawPolygon(band);
      continue;
    }
    // Bars from one trace to the other at every vertex both have.
    painter->setPen(QPen(link->Brush()->Color(), std::max(1, link->Width()), Qt::SolidLine, Qt::FlatCap));
    const int n = int(std::min(p.size(), q.size()));
    const int step = std::max(1, link->Width() * 2);
    for (int k = 0; k < n; k += step) painter->drawLine(p[k], QPoint(p[k].x(), q[k].y()));
  }
}

void TSLScope::PaintMarkers(TLPCanvas& canvas) {
  QPainter* painter = canvas.Painter();
  for (int c = 0; c < channels_->Count(); ++c) {
    TSLScopeChannel* channel = channels_->Channel(c);
    if (!channel->Visible()) continue;
    const int used0 = channel->Trace().FirstSample(), used1 = used0 + channel->Trace().UsedCount();
    for (int m = 0; m < channel->Markers()->Count(); ++m) {
      auto* marker = static_cast<TSLScopeChannelMarker*>(channel->Markers()->Item(m));
      const int g = marker->MarkerGroup();
      const int at0 = marker == draggedMarker_ ? markerTarget_ : marker->Position();
      if (g < 0 || g >= markerGroups_->Count() || at0 < used0 || at0 >= used1) continue;
      auto* group = static_cast<TSLScopeMarkerGroup*>(markerGroups_->Item(g));
      if (!group->Visible()) continue;
      const QPoint at = MarkerPoint(channel, marker == draggedMarker_ ? markerTarget_ : marker->Position());
      if (at.x() < 0) continue;
      const bool lit = element_ == group && Highlighting()->Markers()->HiglightFromMouse();
      painter->setPen(lit ? Widened(group->Pen()->ToQPen(), Highlighting()->Markers()->Color()) : group->Pen()->ToQPen());
      painter->setBrush(group->Brush()->ToQBrush());
      DrawMark(painter, group->Shape(), at, std::max(1, group->Size()));
    }
  }
}

void TSLScope::PaintLabels(TLPCanvas& canvas) {
  QPainter* painter = canvas.Painter();
  painter->save();
  painter->setClipRect(DataViewRect());
  for (int i = 0; i < labels_->Count(); ++i) {
    auto* label = static_cast<TSLDisplayTextLabel*>(labels_->Item(i));
    if (!label->Visible() || label->Name().isEmpty()) continue;
    const QRect box = LabelRect(label);
    if (element_ == label && Highlighting()->Labels()->HiglightFromMouse())
      painter->fillRect(box, Highlighting()->Labels()->Color());
    painter->setFont(label->Font()->ToQFont());
    painter->setPen(label->Font()->Color());
    painter->drawText(box, Qt::AlignLeft | Qt::AlignTop, label->Name());
  }
  painter->restore();
}

QObject* TSLScope::HitOtherItem(const QPoint& p) {
  const auto wanted = [](TSLDisplayItemHighlighting* h) { return h->HiglightLegendButton() || h->HiglightFromMouse(); };
  // Marker groups: a marker of the group near the pointer.
  int channel = -1, marker = -1;
  if (HitMarker(p, channel, marker)) {
    auto* group = MarkerGroupOf(channels_->Channel(channel)->Marker(marker));
    ShowElementPointerShape(group->MouseCursor());
    if (wanted(Highlighting()->Markers())) return group;
  }
  for (TOWExtCollection* collection : std::initializer_list<TOWExtCollection*>{zones_, ellipses_}) {
    TSLDisplayItemHighlighting* h = collection == zones_ ? Highlighting()->Zones() : Highlighting()->Ellipses();
    for (int i = collection->Count() - 1; i >= 0; --i) {
      auto* zone = static_cast<TSLDisplayBasicZone*>(collection->Item(i));
      if (!zone->Visible() || !ZoneShape(zone).containsPoint(p, Qt::OddEvenFill)) continue;
      ShowElementPointerShape(zone->MouseCursor());
      if (wanted(h)) return zone;
    }
  }
  for (int i = labels_->Count() - 1; i >= 0; --i) {
    auto* label = static_cast<TSLDisplayTextLabel*>(labels_->Item(i));
    if (!label->Visible() || !LabelRect(label).contains(p)) continue;
    ShowElementPointerShape(label->MouseCursor());
    if (wanted(Highlighting()->Labels())) return label;
  }
  return nullptr;
}

TSLScopeMarkerGroup* TSLScope::MarkerGroupOf(const TSLScopeChannelMarker* marker) const {
  const int g = marker ? marker->MarkerGroup() : -1;
  return g >= 0 && g < markerGroups_->Count() ? static_cast<TSLScopeMarkerGroup*>(markerGroups_->Item(g)) : nullptr;
}

bool TSLScope::HitMarker(const QPoint& p, int& channelIndex, int& markerIndex) {
  for (int c = channels_->Count() - 1; c >= 0; --c) {
    TSLScopeChannel* channel = channels_->Channel(c);
    if (!channel->Visible()) continue;
    for (int m = channel->Markers()->Count() - 1; m >= 0; --m) {
      TSLScopeMarkerGroup* group = MarkerGroupOf(channel->Marker(m));
      if (!group || !group->Visible()) continue;
      const QPoint at = MarkerPoint(channel, channel->Marker(m)->Position());
      const int reach = std::max(3, group->Size()) + 1;
      if (at.x() < 0 || std::abs(at.x() - p.x()) > reach || std::abs(at.y() - p.y()) > reach) continue;
      channelIndex = c;
      markerIndex = m;
      return true;
    }
  }
  return false;
}
