// The scope's layout and painting passes: title, legend, axes, data view
// with grid, channel traces and the focus frame.

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "draw/canvas.h"
#include "scope/scope.h"

namespace {

int RowHeight(TLPCanvas& canvas) { return std::max(canvas.TextExtent(QStringLiteral("Xg")).height() + 1, 6); }

// A legend group's entries: the names of the items that pass their own
// visibility test.
QStringList GroupEntries(TOWExtCollection* collection) {
  QStringList names;
  for (int i = 0; i < collection->Count(); ++i) {
    QObject* item = collection->Item(i);
    const QVariant visible = item->property("Visible");
    if (visible.isValid() && !visible.toBool()) continue;
    names.append(item->property("Name").toString());
  }
  return names;
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
        const double ymin = ch->DisplayY()->MinInRange(from, to), ymax = ch->DisplayY()->MaxInRange(from, to);
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

int TSLScope::LegendWidth(TLPCanvas& canvas) {
  int width = 0;
  const QList<QPair<TSLLegendGroup*, TOWExtCollection*>> groups = {
      {legend_->Channels(), channels_},         {legend_->ChannelLinks(), channelLinks_},
      {legend_->MarkerGroups(), markerGroups_}, {legend_->Zones(), zones_},
      {legend_->Ellipses(), ellipses_},         {legend_->Cursors(), cursors_},
      {legend_->CursorLinks(), cursorLinks_},   {legend_->Labels(), labels_}};
  for (const auto& [group, collection] : groups) {
    if (!group->Visible() || collection->Count() == 0) continue;
    if (group->Caption()->Visible()) {
      canvas.AssignFont(group->Caption()->Font()->ToQFont());
      width = std::max(width, canvas.TextExtent(group->CaptionText()).width() + 23);
    }
    canvas.AssignFont(legend_->Font()->ToQFont());
    for (const QString& name : GroupEntries(collection)) width = std::max(width, canvas.TextExtent(name).width() + 30);
  }
  return width;
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
  for (TSLDisplayView* view : Views()) {
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

void TSLScope::PaintDataViewBand(TLPCanvas& canvas) {
  const QRect view = dataView_->ViewRect();
  if (view.width() <= 1 || view.height() <= 1) return;
  if (!dataView_->Background()->UseControlColor()) {
    canvas.Brush().SetColor(dataView_->Background()->Color());
    canvas.Brush().SetStyle(Qt::SolidPattern);
    canvas.FillRect(view);
  }
  canvas.Brush().SetStyle(Qt::NoBrush);
  if (dataView_->Border()->Visible()) {
    canvas.AssignPen(dataView_->Border()->Pen()->ToQPen());
    canvas.Rectangle(QRect(view.left(), view.top(), view.width() + 1, view.height() + 1));
  }
  canvas.AssignFont(yAxis_->Font()->ToQFont());
  const QList<TSLDisplayAxis*> axes = Axes();
  for (auto it = axes.rbegin(); it != axes.rend(); ++it) {
    TSLDisplayAxis* axis = *it;
    if (!axis->Visible()) continue;
    TSLDisplayGridLineSettings* lines = axis->DataView()->Lines();
    TSLDisplayGridLineSettings* zero = axis->DataView()->ZeroLine();
    if (!lines->Visible() && !zero->Visible()) continue;
    canvas.AssignFont(axis->Font()->ToQFont());
    const bool horizontal = axis->RunsHorizontally();
    axis->WalkMajorTicks(canvas, [&](double, int pixel, bool isZero) {
      TSLDisplayGridLineSettings* settings = isZero ? zero : lines;
      if (!settings->Visible()) return;
      canvas.AssignPen(settings->Pen()->ToQPen());
      if (horizontal) {
        canvas.MoveTo(pixel, view.top());
        canvas.LineTo(pixel, view.bottom());
      } else {
        canvas.MoveTo(view.left(), pixel);
        canvas.LineTo(view.right(), pixel);
      }
    });
  }
  canvas.Brush().SetStyle(Qt::SolidPattern);
}

void TSLScope::PaintTitle(TLPCanvas& canvas) {
  const QRect band = title_->ViewRect();
  if (band.width() <= 1 || band.height() <= 1) return;
  if (!title_->Background()->UseControlColor()) {
    canvas.Brush().SetColor(title_->Background()->Color());
    canvas.Brush().SetStyle(Qt::SolidPattern);
    canvas.FillRect(band);
  }
  canvas.Brush().SetStyle(Qt::NoBrush);
  canvas.AssignFont(title_->Font()->ToQFont());
  canvas.SetFontColor(title_->Font()->Color());
  const QString text = title_->Text();
  const QSize size = canvas.TextExtent(text);
  const QSize control = RenderSize();
  switch (title_->Align()) {
    case SL::vaLeft:
      canvas.SetFontAngle(90);
      canvas.TextOut(band.left() + 4, control.height() / 2 + size.width() / 2, text);
      canvas.SetFontAngle(0);
      break;
    case SL::vaRight:
      canvas.SetFontAngle(270);
      canvas.TextOut(band.right() - 4, control.height() / 2 - size.width() / 2, text);
      canvas.SetFontAngle(0);
      break;
    default:
      canvas.TextOut(control.width() / 2 - size.width() / 2, band.top() + 4, text);
      break;
  }
  canvas.Brush().SetStyle(Qt::SolidPattern);
}

void TSLScope::PaintLegend(TLPCanvas& canvas) {
  const QRect band = legend_->ViewRect();
  if (band.width() <= 1 || band.height() <= 1) return;
  if (!legend_->Background()->UseControlColor()) {
    canvas.Brush().SetColor(legend_->Background()->Color());
    canvas.Brush().SetStyle(Qt::SolidPattern);
    canvas.FillRect(band);
  }
  canvas.AssignFont(legend_->Font()->ToQFont());
  const int row = RowHeight(canvas);
  int y = row / 2 + band.top() + 2;
  const int bottom = RenderSize().height();
  const QList<QPair<TSLLegendGroup*, TOWExtCollection*>> groups = {
      {legend_->Channels(), channels_},         {legend_->ChannelLinks(), channelLinks_},
      {legend_->MarkerGroups(), markerGroups_}, {legend_->Zones(), zones_},
      {legend_->Ellipses(), ellipses_},         {legend_->Cursors(), cursors_},
      {legend_->CursorLinks(), cursorLinks_},   {legend_->Labels(), labels_}};
  canvas.Brush().SetStyle(Qt::NoBrush);
  for (const auto& [group, collection] : groups) {
    if (y > bottom) break;
    if (!group->Visible() || collection->Count() == 0) continue;
    if (group->Caption()->Visible()) {
      canvas.AssignFont(group->Caption()->Font()->ToQFont());
      canvas.SetFontColor(group->Caption()->Font()->Color());
      y -= 6;
      const QSize size = canvas.TextExtent(group->CaptionText());
      canvas.TextOut(band.left() + 4, y - size.height() / 2, group->CaptionText());
      y += RowHeight(canvas);
      canvas.AssignFont(legend_->Font()->ToQFont());
    }
    canvas.SetFontColor(legend_->Font()->Color());
    for (int i = 0; i < collection->Count(); ++i) {
      QObject* item = collection->Item(i);
      const QVariant visible = item->property("Visible");
      if (visible.isValid() && !visible.toBool()) continue;
      // The entry's sample: a short bar in the item's colour.
      QColor color = item->property("Color").value<QColor>();
      if (auto* link = qobject_cast<TSLDisplayCursorLink*>(item)) color = link->MeasurementLine()->Color();
      if (color.isValid()) canvas.Painter()->fillRect(QRect(band.left() + 6, y - 1, 13, 3), color);
      const QString name = item->property("Name").toString();
      canvas.TextOut(band.left() + 23, y - canvas.TextExtent(name).height() / 2, name);
      y += row;
    }
    y += row;
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

QVector<double> TSLScope::BandKey() {
  QVector<double> key{double(StaticGeneration()), double(RenderSize().width()), double(RenderSize().height())};
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

void TSLScope::PaintBands(TLPCanvas& canvas) {
  canvas.Brush().SetColor(Color());
  canvas.Brush().SetStyle(Qt::SolidPattern);
  canvas.Pen().SetColor(Qt::white);
  canvas.SetFontColor(Qt::white);
  canvas.FillRect(QRect(QPoint(0, 0), RenderSize()));
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
    if (!printing) layoutStale_ = false;
  }
  const QSize size = RenderSize();
  canvas.RemoveClip();
  if (printing) {
    PaintBands(canvas);
  } else {
    const QVector<double> key = BandKey();
    if (bandLayer_.size() != size || key != bandKey_) {
      bandLayer_ = QImage(size, QImage::Format_RGB32);
      QPainter painter(&bandLayer_);
      TLPCanvasImpl bands(&painter);
      PaintBands(bands);
      bandKey_ = key;
    }
    canvas.Painter()->drawImage(0, 0, bandLayer_);
  }
  PaintCursorLinks(canvas, true);
  const QRect view = dataView_->ViewRect();
  if (view.width() > 1 && view.height() > 1) {
    QPainter* painter = canvas.Painter();
    painter->save();
    painter->setClipRect(view.adjusted(0, 0, 0, -1));
    painter->setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < channels_->Count(); ++i) {
      TSLScopeChannel* channel = channels_->Channel(i);
      if (!channel->Visible()) continue;
      channel->PrepareTrace();
      if (!printing && channel == element_ && Highlighting()->Channels()->HiglightFromMouse())
        channel->DrawTrace(canvas, true);
      channel->DrawTrace(canvas, false);
    }
    painter->restore();
  } else {
    // Events still come with every redraw, whatever the size.
    for (int i = 0; i < channels_->Count(); ++i) channels_->Channel(i)->PrepareTrace();
  }
  PaintCursors(canvas, printing);
  PaintCursorLinks(canvas, false);
  if (!printing) {
    PaintZoomFrame(canvas);
    PaintHitPoint(canvas);
    for (TSLDisplayAxis* axis : Axes()) axis->PaintButton(canvas);
  }
  if (!printing && IsFocused()) canvas.DrawFocusRect(QRect(QPoint(0, 0), size));
}
