// The scope's layout and painting passes: the bands (title and legend
// paint in their own files), axes, data view with grid, channel traces and
// the focus frame.

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "draw/canvas.h"
#include "draw/custom_control.h"
#include "scope/paint/raster_pixels.h"
#include "scope/scope.h"

namespace {

// The pixels a painter paints on when they can be written directly and the
// painter has no clip of its own; else null.
QImage* DirectPixels(QPainter* painter, int& ratio) {
  QImage* image = SLRasterPixels(painter, ratio);
  return image && !painter->hasClipping() ? image : nullptr;
}

// Draws the opaque `layer` (at the painter's device pixel ratio) at the
// origin. Through a clip of several rectangles (a pointer move's update
// region) the raster engine blends span by span and hands a few hundred
// spans to its thread pool, waiting for it: costlier than the whole
// picture. The exposed rectangles are copied row by row instead, the
// same pixels as the blend of an opaque image.
void DrawLayer(QPainter* painter, const QImage& layer) {
  int ratio = 0;
  QImage* target = DirectPixels(painter, ratio);
  if (!target || layer.format() != QImage::Format_RGB32 || layer.devicePixelRatio() != ratio ||
      painter->compositionMode() != QPainter::CompositionMode_SourceOver || painter->opacity() != 1.0) {
    painter->drawImage(0, 0, layer);
    return;
  }
  const QPoint origin = painter->deviceTransform().map(QPoint(0, 0));
  const QRect bounds = QRect(origin, layer.size()) & target->rect();
  const QRegion systemClip = painter->paintEngine()->systemClip();
  const QRegion area = systemClip.isEmpty() ? QRegion(bounds) : systemClip.intersected(bounds);
  const qsizetype to = target->bytesPerLine(), from = layer.bytesPerLine();
  uchar* bits = target->bits();
  const uchar* source = layer.constBits();
  for (const QRect& r : area)
    for (int y = r.top(); y <= r.bottom(); ++y)
      std::memcpy(bits + y * to + r.left() * 4, source + (y - origin.y()) * from + (r.left() - origin.x()) * 4,
                  size_t(r.width()) * 4);
}

}  // namespace

TSLAxisData TSLScope::AxisData(TSLDisplayAxis* axis) {
  TSLAxisData data;
  if (!channels_) return data;
  const bool isX = axis->IsXAxis();
  // Y extents are a scan over the samples in view: only auto-scaling needs it.
  auto* scopeY = qobject_cast<TSLBasicScopeYAxis*>(axis);
  const bool wantY = scopeY && scopeY->AutoScaling()->Enabled();
  for (int i = 0; i < channels_->Count(); ++i) {
    TSLScopeChannel* ch = channels_->Channel(i);
    if (!ch->Visible()) continue;
    TSLDisplayAxis* xAxis = XAxisAt(ch->XAxisIndex());
    TSLDisplayAxis* own = isX ? xAxis : YAxisAt(ch->YAxisIndex());
    if (own != axis) continue;
    const int count = ch->DisplayCount();
    data.maxRate = std::max(data.maxRate, ch->SampleRate());
    data.paired = data.paired || ch->IsPaired();
    if (count == 0) continue;
    data.maxCount = std::max(data.maxCount, count);
    data.multiSample = data.multiSample || count > 1;
    double lo = 0, hi = count - 1;
    if (!ch->UniformX()) {
      lo = ch->DisplayX()->Min();
      hi = ch->DisplayX()->Max();
    }
    if (isX) {
      data.xMin = data.channels ? std::min(data.xMin, lo) : lo;
      data.xMax = data.channels ? std::max(data.xMax, hi) : hi;
    } else if (wantY && xAxis && xAxis != axis) {
      // Y extent over the samples inside the shown X range.
      const TSLRange shown = xAxis->ShownData();
      int from = 0, to = count;
      if (ch->UniformX()) {
        from = std::clamp(int(std::floor(std::min(shown.lo, shown.hi))), 0, count);
        to = std::clamp(int(std::ceil(std::max(shown.lo, shown.hi))) + 1, from, count);
      }
      if (to > from) {
        // Finite samples only: one bad sample must not decide the range.
        // Limited far inside the double range, so spans and margins of
        // the auto-scaled range stay finite.
        constexpr double kLimit = 1e300;
        const double ymin = std::clamp(ch->DisplayY()->MinFiniteInRange(from, to), -kLimit, kLimit);
        const double ymax = std::clamp(ch->DisplayY()->MaxFiniteInRange(from, to), -kLimit, kLimit);
        if (std::isfinite(ymin) && std::isfinite(ymax)) {
          data.yMin = data.hasY ? std::min(data.yMin, ymin) : ymin;
          data.yMax = data.hasY ? std::max(data.yMax, ymax) : ymax;
          data.hasY = true;
        }
      }
    }
    ++data.channels;
  }
  return data;
}

QSize TSLScope::BandSize(TSLDisplayView* view, TLPCanvas& canvas) {
  if (view == title_) {
    if (!title_->ViewSize()->AutoSize()) return {title_->ViewSize()->Size(), title_->ViewSize()->Size()};
    canvas.AssignFont(title_->Font()->ToQFont());
    const int h = canvas.TextExtent(QStringLiteral("Xg")).height() + 16;
    return {h, h};
  }
  if (view == legend_) {
    const int w = legend_->ViewSize()->AutoSize() ? LegendWidth(canvas) : legend_->ViewSize()->Size();
    return {w, w};
  }
  if (auto* axis = qobject_cast<TSLDisplayAxis*>(view)) return axis->BandSize(canvas);
  return {};
}

void TSLScope::Layout(TLPCanvas& canvas) {
  const QSize size = RenderSize();
  const int w = size.width(), h = size.height();
  int left = 0, top = 0, right = w, bottom = h;  // right and bottom exclusive
  int marginL = 0, marginT = 0, marginR = 0, marginB = 0;
  const auto rect = [](int l, int t, int r, int b) { return QRect(QPoint(l, t), QPoint(std::max(l, r) - 1, std::max(t, b) - 1)); };
  for (TSLDisplayView* view : LayoutViews()) {
    view->SetViewRect(rect(left, top, right, bottom));
    if (view == dataView_) {
      const int l = std::max(left, marginL), t = std::max(top, marginT);
      const int r = std::min(right, w - marginR), b = std::min(bottom, h - marginB);
      view->SetViewRect(rect(l, t, r, b));
      continue;
    }
    if (!view->IsShown()) continue;
    auto* sized = qobject_cast<TSLCustomSizeDisplayView*>(view);
    if (!sized) continue;
    auto* axis = qobject_cast<TSLDisplayAxis*>(view);
    SL::TSLViewAlign align = axis ? axis->ScreenAlign() : sized->Align();
    const QSize band = BandSize(view, canvas);
    const QPair<int, int> margins = axis ? axis->Margins(canvas) : QPair<int, int>(0, 0);
    switch (align) {
      case SL::vaTop:
        view->SetViewRect(rect(left, top, right, top + band.height()));
        top += band.height();
        marginL = std::max(marginL, margins.first);
        marginR = std::max(marginR, margins.second);
        break;
      case SL::vaBottom:
        view->SetViewRect(rect(left, bottom - band.height(), right, bottom));
        bottom -= band.height();
        marginL = std::max(marginL, margins.first);
        marginR = std::max(marginR, margins.second);
        break;
      case SL::vaLeft:
        view->SetViewRect(rect(left, top, left + band.width(), bottom));
        left += band.width();
        marginT = std::max(marginT, margins.first);
        marginB = std::max(marginB, margins.second);
        break;
      case SL::vaRight:
        view->SetViewRect(rect(right - band.width(), top, right, bottom));
        right -= band.width();
        marginT = std::max(marginT, margins.first);
        marginB = std::max(marginB, margins.second);
        break;
    }
  }
  // Axis ranges depend on the data view's size (tick spacing): recompute.
  for (TSLDisplayAxis* axis : Axes()) axis->ForgetRanges();
}

void TSLScope::PaintDataViewBand(TLPCanvas& canvas, bool gridOnly) {
  const QRect band = dataView_->ViewRect();
  // Grid lines stand where the traces map their values.
  const QRect view = DataViewRect();
  if (view.width() <= 1 || view.height() <= 1) return;
  if (!gridOnly && !dataView_->Background()->UseControlColor()) {
    canvas.Brush().SetColor(dataView_->Background()->Color());
    canvas.Brush().SetStyle(Qt::SolidPattern);
    canvas.FillRect(band);
  }
  canvas.Brush().SetStyle(Qt::NoBrush);
  if (dataView_->Border()->Visible()) {
    canvas.AssignPen(dataView_->Border()->Pen()->ToQPen());
    canvas.Rectangle(QRect(band.left(), band.top(), band.width() + 1, band.height() + 1));
  }
  canvas.AssignFont(yAxis_->Font()->ToQFont());
  const QList<TSLDisplayAxis*> axes = Axes();
  for (auto it = axes.rbegin(); it != axes.rend(); ++it) {
    TSLDisplayAxis* axis = *it;
    // A hidden axis still rules the data view: its grid settings decide.
    TSLDisplayGridLineSettings* lines = axis->DataView()->Lines();
    TSLDisplayGridLineSettings* zero = axis->DataView()->ZeroLine();
    if (!lines->Visible() && !zero->Visible()) continue;
    canvas.AssignFont(axis->Font()->ToQFont());
    const bool horizontal = axis->RunsHorizontally();
    axis->WalkMajorTicks(canvas, [&](double, int pixel, bool isZero) {
      TSLDisplayGridLineSettings* settings = isZero ? zero : lines;
      if (!settings->Visible()) return;
      canvas.AssignPen(settings->Pen()->ToQPen());
      // Over the whole view (a line leaves out its end pixel).
      if (horizontal) {
        canvas.MoveTo(pixel, view.top());
        canvas.LineTo(pixel, view.bottom() + 1);
      } else {
        canvas.MoveTo(view.left(), pixel);
        canvas.LineTo(view.right() + 1, pixel);
      }
    });
  }
  canvas.Brush().SetStyle(Qt::SolidPattern);
}

void TSLScope::PaintTo(QImage& image) {
  if (image.isNull()) return;
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  SetFixedRenderSize(image.size());
  {
    QPainter painter(&image);
    TLPCanvasImpl canvas(&painter);
    PaintAll(canvas, true);
  }
  SetFixedRenderSize(QSize());
  LayoutChanged();
}

const QVector<double>& TSLScope::BandKey() {
  // Kept between repaints, so comparing allocates nothing.
  QVector<double>& key = bandKeyScratch_;
  key.clear();
  key << double(StaticGeneration()) << double(RenderSize().width()) << double(RenderSize().height());
  for (TSLDisplayView* view : Views()) {
    const QRect r = view->ViewRect();
    key << r.left() << r.top() << r.width() << r.height();
  }
  for (TSLDisplayAxis* axis : Axes()) {
    const TSLRange shown = axis->ShownTick();
    key << shown.lo << shown.hi;
  }
  return key;
}

TSLScope::TTraceKey TSLScope::TraceKey() const {
  TTraceKey key;
  key.bandBuilds = bandLayer_.Builds();
  // Every change but those only the overlay shows.
  key.content = ContentGeneration();
  key.layouts = layouts_;
  key.traceRebuilds = 0;
  for (int i = 0; i < channels_->Count(); ++i) key.traceRebuilds += channels_->Channel(i)->Trace().Rebuilds();
  // Highlights drawn with the traces: under the pointer (a cursor or a
  // cursor link highlights in the overlay; a channel only when highlighted
  // from the mouse), from the legend.
  const QObject* element = element_.data();
  if (qobject_cast<const TSLDisplayCursor*>(element) || qobject_cast<const TSLDisplayCursorLink*>(element) ||
      (qobject_cast<const TSLScopeChannel*>(element) && !Highlighting()->Channels()->HiglightFromMouse()))
    element = nullptr;
  key.element = element;
  key.legendItem = legend_->HighlightedChannel();
  return key;
}

bool TSLScope::HasSampleDrawHandlers() const {
  for (int i = 0; i < channels_->Count(); ++i)
    if (channels_->Channel(i)->Visible() && channels_->Channel(i)->HasSampleDrawHandler()) return true;
  return false;
}

bool TSLScope::HasShownElements() const {
  for (int i = 0; i < Elements()->Count(); ++i)
    if (TSLCustomControlItem* item = Elements()->Item(i); item && item->Visible()) return true;
  return false;
}

void TSLScope::PaintElements(TLPCanvas& canvas) {
  QPainter* painter = canvas.Painter();
  if (!painter) return;
  const QSize size = RenderSize();
  for (int i = 0; i < Elements()->Count(); ++i) {
    TSLCustomControlItem* item = Elements()->Item(i);
    if (!item || !item->Visible() || item->width() <= 0 || item->height() <= 0) continue;
    const QPoint at((size.width() - item->width()) / 2, (size.height() - item->height()) / 2);
    painter->save();
    item->render(painter, at, QRegion(), QWidget::DrawChildren);
    painter->restore();
  }
}

void TSLScope::PaintBands(TLPCanvas& canvas) {
  canvas.Brush().SetColor(Color());
  canvas.Brush().SetStyle(Qt::SolidPattern);
  canvas.Pen().SetColor(Qt::white);
  canvas.SetFontColor(Qt::white);
  canvas.FillRect(QRect(QPoint(0, 0), RenderSize()));
  PaintElements(canvas);
  for (TSLDisplayView* view : Views()) {
    if (!view->IsShown() && view != dataView_) continue;
    if (view == title_) PaintTitle(canvas);
    else if (view == legend_) PaintLegend(canvas);
    else if (view == dataView_) PaintDataViewBand(canvas);
    else if (auto* axis = qobject_cast<TSLDisplayAxis*>(view)) axis->PaintBand(canvas);
  }
}

void TSLScope::PaintAll(TLPCanvas& canvas, bool printing) {
  if (layoutStale_.load() || printing) {
    Layout(canvas);
    ++layouts_;
    if (!printing) layoutStale_ = false;
  }
  const QSize size = RenderSize();
  canvas.RemoveClip();
  if (printing) {
    PaintBands(canvas);
    PaintTraces(canvas, true);
    PaintOverlay(canvas, true);
    return;
  }
  QPainter* target = canvas.Painter();
  const qreal dpr = target->device()->devicePixelRatioF();
  if (!layered_) PaintBands(canvas);
  // Element controls change without telling the display: drawn afresh.
  else if (const QVector<double>& key = BandKey(); bandLayer_.Stale(key, size, dpr) || HasShownElements()) {
    QPainter painter(&bandLayer_.Renew(key, size, dpr));
    TLPCanvasImpl bands(&painter);
    PaintBands(bands);
  }
  // Trace preparation raises the channel-draw events of every repaint; a
  // handler's changes count in the key below.
  const QRect view = DataViewRect();
  for (int i = 0; i < channels_->Count(); ++i)
    if (channels_->Channel(i)->Visible() || view.width() <= 1 || view.height() <= 1)
      channels_->Channel(i)->PrepareTrace();
  if (view.width() > 1 && view.height() > 1) RefreshElement();
  if (!layered_) {
    PaintTraces(canvas, false);
  } else {
    // The layer painted for this key, else the one used longest ago.
    const TTraceKey key = TraceKey();
    int use = -1;
    for (int i = 0; i < kTraceLayers && use < 0; ++i)
      if (!traceLayers_[i].Stale(key, size, dpr)) use = i;
    if (use < 0 || HasSampleDrawHandlers()) {
      if (use < 0) {
        use = 0;
        for (int i = 1; i < kTraceLayers; ++i)
          if (traceLayerUse_[i] < traceLayerUse_[use]) use = i;
      }
      QPainter painter(&traceLayers_[use].Renew(key, size, dpr));
      painter.drawImage(0, 0, bandLayer_.Image());
      TLPCanvasImpl traces(&painter);
      PaintTraces(traces, false);
    }
    traceLayerUse_[use] = ++traceLayerClock_;
    DrawLayer(target, traceLayers_[use].Image());
  }
  PaintOverlay(canvas, false);
}

void TSLScope::PaintTraces(TLPCanvas& canvas, bool printing) {
  // Selection bands lie under the grid: the grid is drawn again on them.
  const QRegion selections = PaintCursorLinks(canvas, true);
  if (!selections.isEmpty()) {
    QPainter* painter = canvas.Painter();
    painter->save();
    painter->setClipRegion(selections);
    PaintDataViewBand(canvas, true);
    painter->restore();
  }
  const QRect view = DataViewRect();
  if (view.width() > 1 && view.height() > 1) {
    QPainter* painter = canvas.Painter();
    painter->save();
    painter->setClipRect(view);
    painter->setRenderHint(QPainter::Antialiasing, false);
    PaintZones(canvas);
    // On screen the traces were prepared before the layer was keyed.
    if (printing)
      for (int i = 0; i < channels_->Count(); ++i)
        if (channels_->Channel(i)->Visible()) channels_->Channel(i)->PrepareTrace();
    PaintChannelLinks(canvas);
    for (int i = 0; i < channels_->Count(); ++i) {
      TSLScopeChannel* channel = channels_->Channel(i);
      if (!channel->Visible()) continue;
      const bool highlighted = (channel == element_ && Highlighting()->Channels()->HiglightFromMouse()) ||
                               channel == legend_->HighlightedChannel();
      // The highlighted trace belongs to the picture: printed and saved
      // images show it too.
      if (highlighted) channel->DrawTrace(canvas, true);
      channel->DrawTrace(canvas, false);
    }
    PaintZoneChannels(canvas);
    PaintMarkers(canvas);
    painter->restore();
    PaintLabels(canvas);
  } else if (printing) {
    // Events still come with every redraw, whatever the size.
    for (int i = 0; i < channels_->Count(); ++i) channels_->Channel(i)->PrepareTrace();
  }
}

void TSLScope::PaintOverlay(TLPCanvas& canvas, bool printing) {
  const QSize size = RenderSize();
  const QRect view = DataViewRect();
  PaintCursors(canvas, printing);
  PaintCursorLinks(canvas, false);
  if (!printing) {
    // What a pointer move repaints next: where these pieces are now.
    if (canvas.Painter() && canvas.Painter()->device() == this) paintedFootprint_ = PointerFootprint();
    PaintZoomFrame(canvas);
    PaintHitPoint(canvas);
    // The mouse position on each axis while the pointer is over the data.
    if (MouseInside() && view.contains(StoredMousePosition()))
      for (TSLDisplayAxis* axis : Axes()) axis->PaintTrackMark(canvas, StoredMousePosition(), dotLine_);
    for (TSLDisplayAxis* axis : Axes()) axis->PaintButton(canvas);
    // Drawn within its band: passed over by a paint elsewhere.
    if (PaintReaches(canvas.Painter(), legend_->ViewRect().adjusted(-1, -1, 1, 1))) legend_->PaintOverlay(canvas);
    TSLBasicDisplayToolBar::PaintDisplayToolBars(*this, canvas);
  }
  if (printing || !IsFocused()) return;
  if (layered_) PaintFocusFrame(canvas, QRect(QPoint(0, 0), size));
  else canvas.DrawFocusRect(QRect(QPoint(0, 0), size));
}

void TSLScope::PaintFocusFrame(TLPCanvas& canvas, const QRect& frame) {
  QPainter* painter = canvas.Painter();
  if (!painter || frame.isEmpty()) return;
  // The pixels the painter paints on (the window's backing store for the
  // screen), and where the frame lies in them.
  int ratio = 0;
  QImage* image = DirectPixels(painter, ratio);
  if (!image) {
    canvas.DrawFocusRect(frame);
    return;
  }
  if (focusDotsSize_ != frame.size() || focusDotsRatio_ != ratio) {
    // The dots the canvas's frame inverts, found once per size on black.
    QImage probe(frame.size() * ratio, QImage::Format_RGB32);
    probe.setDevicePixelRatio(ratio);
    probe.fill(Qt::black);
    {
      QPainter p(&probe);
      TLPCanvasImpl c(&p);
      c.DrawFocusRect(QRect(QPoint(0, 0), frame.size()));
    }
    const QRgb black = QColor(Qt::black).rgb();
    focusDots_.clear();
    for (int y = 0; y < probe.height(); ++y) {
      const QRgb* line = reinterpret_cast<const QRgb*>(probe.constScanLine(y));
      for (int x = 0; x < probe.width(); ++x)
        if (line[x] != black) focusDots_.append({QPoint(x, y), (line[x] ^ black) & 0x00ffffffu});
    }
    QRect outer;
    for (const TFocusDot& dot : focusDots_) outer |= QRect(dot.at, QSize(1, 1));
    int depth = 0;
    for (const TFocusDot& dot : focusDots_)
      depth = std::max(depth, std::min({dot.at.x() - outer.left(), outer.right() - dot.at.x(), dot.at.y() - outer.top(),
                                        outer.bottom() - dot.at.y()}));
    focusDotsInner_ = outer.adjusted(depth + 1, depth + 1, -depth - 1, -depth - 1);
    focusDotsSize_ = frame.size();
    focusDotsRatio_ = ratio;
  }
  // Only where this paint paints: the system clip is the exposed part of
  // the widget in device pixels (empty when painting on an image of its own).
  const QPoint origin = painter->deviceTransform().map(frame.topLeft());
  const QRegion systemClip = painter->paintEngine()->systemClip();
  const QRegion area = systemClip.isEmpty() ? QRegion(image->rect()) : systemClip.intersected(image->rect());
  const QRect bounds = area.boundingRect();
  if (focusDotsInner_.contains(bounds.translated(-origin))) return;
  const qsizetype stride = image->bytesPerLine();
  uchar* bits = image->bits();
  // Rectangle by rectangle (they do not overlap, so no dot is inverted
  // twice), each reaching the frame walking only the dots of its rows: the
  // dots lie in row order. Testing every dot against a drag's region of
  // many rectangles cost a twentieth of the drag step.
  const auto before = [](const TFocusDot& dot, const QPoint& p) {
    return dot.at.y() < p.y() || (dot.at.y() == p.y() && dot.at.x() < p.x());
  };
  for (const QRect& r : area) {
    const QRect part = r.translated(-origin);
    if (focusDotsInner_.contains(part)) continue;
    for (auto dot = std::lower_bound(focusDots_.cbegin(), focusDots_.cend(), part.topLeft(), before);
         dot != focusDots_.cend() && dot->at.y() <= part.bottom(); ++dot) {
      if (dot->at.x() < part.left() || dot->at.x() > part.right()) continue;
      const QPoint at = origin + dot->at;
      reinterpret_cast<QRgb*>(bits + at.y() * stride)[at.x()] ^= dot->flip;
    }
  }
}
