// The display's zoom operations and zoom history. Each operation records the
// shown range of the main axes when it starts and reports it with the range
// after it through OnZoomChanged.

#include <algorithm>

#include "scope/axes/axes.h"
#include "scope/data_display.h"

namespace {
constexpr int kMaxHistory = 100;

void PushBounded(QList<TSLDataDisplay::TZoomState>& list, const TSLDataDisplay::TZoomState& state) {
  if (!list.isEmpty() && list.last() == state) return;
  list.append(state);
  while (list.size() > kMaxHistory) list.removeFirst();
}
}  // namespace

void TSLDataDisplay::ShownRange(TSLRealPoint& min, TSLRealPoint& max) const {
  const QList<TSLDisplayAxis*> xs = XAxes(), ys = YAxes();
  min = max = {};
  if (!xs.isEmpty()) {
    const TSLRange r = xs.first()->ShownValue();
    min.X = r.lo;
    max.X = r.hi;
  }
  if (!ys.isEmpty()) {
    const TSLRange r = ys.first()->ShownValue();
    min.Y = r.lo;
    max.Y = r.hi;
  }
}

void TSLDataDisplay::NotifyZoom(SL::TSLZoomOperation op, const TSLRealPoint& beforeMin,
                                const TSLRealPoint& beforeMax) {
  LayoutChanged();
  TSLRealRanges ranges;
  ranges.BeforeMin = beforeMin;
  ranges.BeforeMax = beforeMax;
  ShownRange(ranges.AfterMin, ranges.AfterMax);
  emit OnZoomChanged(this, op, ranges);
}

void TSLDataDisplay::ZoomByFactor(bool record, double fx, double fy) {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  TAllAxesZoom all(this);
  if (record) PushZoomState(false);
  TSLRealPoint lo, hi;
  ShownRange(lo, hi);
  for (TSLDisplayAxis* axis : YAxes()) axis->ZoomByFactor(fy);
  for (TSLDisplayAxis* axis : XAxes()) axis->ZoomByFactor(fx);
  Changed();
  NotifyZoom(SL::zoZoom, lo, hi);
}

void TSLDataDisplay::ZoomToRect(bool record, double xFrom, double xTo, double yFrom, double yTo) {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  TAllAxesZoom all(this);
  if (record) PushZoomState(false);
  TSLRealPoint lo, hi;
  ShownRange(lo, hi);
  if (Zooming()->HoldOnZoom()) SetHold(true);
  // The additional axes keep their share of the main axis' change.
  const auto apply = [](const QList<TSLDisplayAxis*>& axes, double from, double to) {
    if (axes.isEmpty()) return;
    const TSLRange main = axes.first()->ShownValue();
    const double d = main.hi - main.lo;
    const double p = d == 0 ? 1 : (main.lo - from) / d;
    const double q = d == 0 ? 1 : (main.hi - to) / d;
    for (int i = 1; i < axes.size(); ++i) {
      const TSLRange r = axes[i]->ShownValue();
      const double d2 = r.hi - r.lo;
      axes[i]->SetZoomRange(r.lo - d2 * p, r.hi - d2 * q);
    }
    axes.first()->SetZoomRange(from, to);
  };
  apply(XAxes(), xFrom, xTo);
  apply(YAxes(), yFrom, yTo);
  Changed();
  NotifyZoom(SL::zoZoom, lo, hi);
}

void TSLDataDisplay::WheelZoom(const QPoint& p, double fx, double fy) {
  if (!Zooming()->MouseWheelEnabled()) return;
  if (Zooming()->Mode() == SL::zmXAxis) fy = 1;
  else if (Zooming()->Mode() == SL::zmYAxis) fx = 1;
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  TAllAxesZoom all(this);
  TSLRealPoint lo, hi;
  ShownRange(lo, hi);
  PushZoomState(true);
  for (TSLDisplayAxis* axis : XAxes()) axis->ZoomAtPoint(p, fx);
  for (TSLDisplayAxis* axis : YAxes()) axis->ZoomAtPoint(p, fy);
  NotifyZoom(SL::zoMouseWheel, lo, hi);
}

void TSLDataDisplay::ZoomPrevious() {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  stateRecorded_ = false;
  TSLRealPoint lo, hi;
  ShownRange(lo, hi);
  PushBounded(redo_, CaptureZoomState());
  if (undo_.isEmpty()) return;
  RestoreZoomState(undo_.takeLast(), SL::zoUndo);
  NotifyZoom(SL::zoUndo, lo, hi);
}

void TSLDataDisplay::ZoomNext() {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  TSLRealPoint lo, hi;
  ShownRange(lo, hi);
  PushBounded(undo_, CaptureZoomState());
  if (redo_.isEmpty()) return;
  RestoreZoomState(redo_.takeLast(), SL::zoRedo);
  NotifyZoom(SL::zoRedo, lo, hi);
}

bool TSLDataDisplay::CanZoomIn() const {
  for (TSLDisplayAxis* axis : axes_)
    if (axis->CanZoomIn()) return true;
  return false;
}

bool TSLDataDisplay::CanZoomOut() const {
  for (TSLDisplayAxis* axis : axes_)
    if (axis->CanZoomOut()) return true;
  return false;
}

void TSLDataDisplay::KeyboardZoom(QChar key) {
  if (!Zooming()->KeyboardZoom()) return;
  if (key == QLatin1Char('+')) ZoomByFactor(0.5);
  else if (key == QLatin1Char('-')) ZoomByFactor(2.0);
}
