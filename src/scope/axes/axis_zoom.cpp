// Zooming and panning of one axis: the zoomed ends live in the value space
// and every result passes through the axis' range limits.

#include <algorithm>
#include <cmath>
#include <limits>

#include "scope/axes/axes.h"
#include "scope/data_display.h"

namespace {
constexpr double kMinimumSpan = 0.0001;
}

void TSLDisplayAxis::ApplyRangeLimits(double& lo, double& hi) {
  const TSLAxisRange* minRange = Min()->Range();
  const TSLAxisRange* maxRange = Max()->Range();
  if (minRange->High()->Enabled() && lo > minRange->High()->Value()) {
    hi -= lo - minRange->High()->Value();
    lo = minRange->High()->Value();
  }
  if (minRange->Low()->Enabled() && lo < minRange->Low()->Value()) {
    hi += minRange->Low()->Value() - lo;
    lo = minRange->Low()->Value();
    if (maxRange->High()->Enabled() && hi > maxRange->High()->Value()) hi = maxRange->High()->Value();
  }
  if (maxRange->High()->Enabled() && hi > maxRange->High()->Value()) {
    lo -= hi - maxRange->High()->Value();
    hi = maxRange->High()->Value();
  }
  if (maxRange->Low()->Enabled() && hi < maxRange->Low()->Value()) {
    lo += maxRange->Low()->Value() - hi;
    hi = maxRange->Low()->Value();
    if (minRange->High()->Enabled() && lo > minRange->High()->Value()) lo = minRange->High()->Value();
  }
  const TSLAxisRange* span = Zooming()->Range();
  const double centre = (lo + hi) / 2;
  if (span->Low()->Enabled() && hi - lo < span->Low()->Value()) {
    lo = centre - span->Low()->Value() / 2;
    hi = centre + span->Low()->Value() / 2;
  }
  if (span->High()->Enabled() && hi - lo > span->High()->Value()) {
    lo = centre - span->High()->Value() / 2;
    hi = centre + span->High()->Value() / 2;
  }
}

void TSLDisplayAxis::ZoomByFactor(double factor) {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  const TSLRange r = ShownValue();
  const double h = ((r.hi - r.lo) * factor - (r.hi - r.lo)) / 2;
  double lo = r.lo - h, hi = r.hi + h;
  ApplyRangeLimits(lo, hi);
  SetZoomed(lo, hi);
  TellZoomPin(SL::zoZoom);
}

void TSLDisplayAxis::SetZoomRange(double a, double b, SL::TSLZoomOperation op) {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  double lower = std::min(a, b), upper = std::max(a, b);
  const double lowest = LowestZoomStart();
  if (lowest > lower) {
    upper += lowest - lower;
    lower = lowest;
  }
  if (lower + kMinimumSpan > upper) upper = lower + kMinimumSpan;
  ApplyRangeLimits(lower, upper);
  SetZoomed(lower, upper);
  TellZoomPin(op);
}

void TSLDisplayAxis::TellZoomPin(SL::TSLZoomOperation op) {
  if (followingZoom_ || !zoomPin_ || !zoomPin_->IsConnected()) return;
  bool zoomed;
  double low, high;
  {
    TRef<IOWLockSection> guard = Lock()->EnterRead();
    zoomed = zoomed_;
    low = zoomLow_;
    high = zoomHigh_;
  }
  // Linked axes take their own displays' locks; data threads only ever take
  // one display's lock, so holding this one meanwhile cannot deadlock.
  zoomPin_->Tell(op, zoomed, low, high, Display());
}

void TSLDisplayAxis::FollowZoom(const TSLAxisZoomOperation& zoom) {
  TSLDataDisplay* display = Display();
  // An operation on all the display's axes moves this one itself; coming
  // back through a link between two of its axes it would move it twice.
  if (followingZoom_ || !display || (zoom.Display() == display && display->ZoomingAllAxes())) return;
  followingZoom_ = true;
  TSLRealPoint beforeMin, beforeMax;
  display->ShownRange(beforeMin, beforeMax);
  const bool wasZoomed = IsZoomed();
  const TSLRange before = ShownValue();
  if (zoom.Zoomed()) SetZoomRange(zoom.Low(), zoom.High(), zoom.Operation());
  else ZoomOff();
  followingZoom_ = false;
  // Nothing to tell when the move changed nothing here.
  if (IsZoomed() == wasZoomed && ShownValue() == before) return;
  display->Changed();
  display->NotifyZoom(zoom.Operation(), beforeMin, beforeMax);
}

void TSLDisplayAxis::ZoomAtPoint(const QPoint& p, double factor) {
  const QRect view = Display() ? Display()->DataViewRect() : QRect();
  const int extent = PixelExtent();
  if (extent <= 0) return;
  const bool vertical = Display()->IsVertical();
  int u;
  if (IsXAxis()) u = vertical ? view.bottom() - p.y() : view.right() - p.x();
  else u = vertical ? p.x() - view.left() : p.y() - view.top();
  if (IsReversed()) u = extent - u;
  const TSLRange r = ShownValue();
  const double v = r.hi - u * (r.hi - r.lo) / extent;
  SetZoomRange(v - (v - r.lo) * factor, v + (r.hi - v) * factor, SL::zoMouseWheel);
}

void TSLDisplayAxis::StartPan(const QPoint& p) {
  panPoint_ = p;
  panRange_ = ShownValue();
}

void TSLDisplayAxis::PanBy(const QPoint& start, const QPoint& current) {
  if (!IsZoomed()) return;
  const int extent = PixelExtent();
  if (extent <= 0) return;
  const int delta = RunsHorizontally() ? current.x() - start.x() : current.y() - start.y();
  const TSLRange r = ShownValue();
  double x = (r.hi - r.lo) * delta / extent;
  if (IsReversed()) x = -x;
  const TSLRange limits = ValueLimits();
  const double valueLow = std::min(limits.lo, limits.hi), valueHigh = std::max(limits.lo, limits.hi);
  if (panRange_.lo - x < valueLow) x = panRange_.lo - valueLow;
  if (panRange_.hi - x > valueHigh) x = panRange_.hi - valueHigh;
  double lo = panRange_.lo - x, hi = panRange_.hi - x;
  ApplyRangeLimits(lo, hi);
  SetZoomed(lo, hi);
  TellZoomPin(SL::zoMousePan);
}

void TSLBasicScopeYAxis::PanBy(const QPoint& start, const QPoint& current) {
  if (!IsZoomed()) return;
  const int extent = PixelExtent();
  if (extent <= 0) return;
  const bool horizontal = RunsHorizontally();
  int delta = horizontal ? current.x() - start.x() : start.y() - current.y();
  if (IsReversed()) delta = -delta;
  const TSLRange r = ShownValue();
  const double x = (r.hi - r.lo) * delta / extent;
  double lo = panRange_.lo - x, hi = panRange_.hi - x;
  ApplyRangeLimits(lo, hi);
  SetZoomed(lo, hi);
  TellZoomPin(SL::zoMousePan);
}

bool TSLDisplayAxis::CanZoomIn() {
  const TSLRange r = ShownValue();
  const TSLAxisRange* span = Zooming()->Range();
  if (span->Low()->Enabled() && !(r.hi - r.lo > span->Low()->Value())) return false;
  if (!Max()->Range()->Low()->Enabled() || !Min()->Range()->High()->Enabled()) return true;
  return r.hi > Max()->Range()->Low()->Value() || r.lo < Min()->Range()->High()->Value();
}

bool TSLDisplayAxis::CanZoomOut() {
  const TSLRange r = ShownValue();
  const TSLAxisRange* span = Zooming()->Range();
  if (span->High()->Enabled() && !(r.hi - r.lo < span->High()->Value())) return false;
  if (!Max()->Range()->High()->Enabled() || !Min()->Range()->Low()->Enabled()) return true;
  return r.hi < Max()->Range()->High()->Value() || r.lo > Min()->Range()->Low()->Value();
}

double TSLBasicScopeYAxis::LowestZoomStart() {
  return AutoScaling()->Enabled() ? -std::numeric_limits<double>::infinity() : ValueLimits().lo;
}
