#include "scope/paint/trace.h"

#include <algorithm>
#include <cmath>

#include <QVariant>

#include "buffers/kernels.h"

namespace {
constexpr double kPixelLimit = 10000000.0;
// The logarithmic axes' transform: log10(1 + x), mirrored for negatives.
double LogTransform(double x) { return x >= 0 ? std::log10(1 + x) : -std::log10(1 - x); }
void LogTransform(double* v, int n) {
  for (int i = 0; i < n; ++i) v[i] = LogTransform(v[i]);
}
}  // namespace

TSLTraceKeys TSLTraceKeys::Of(const TRef<ISLRealBuffer>& y, const TRef<ISLRealBuffer>& x, bool uniformX,
                              TSLDisplayAxis* xAxis, TSLDisplayAxis* yAxis, const QRect& view, bool vertical) {
  TSLTraceKeys k;
  k.yData = y.get();
  k.xData = x.get();
  k.count = y ? y->GetCount() : 0;
  k.xCount = x ? x->GetCount() : 0;
  k.uniformX = uniformX;
  k.view = view;
  k.vertical = vertical;
  k.shownX = xAxis->ShownTick();
  k.shownY = yAxis->ShownTick();
  k.dataX = xAxis->DataLimits();
  k.dataY = yAxis->DataLimits();
  k.tickX = xAxis->TickLimits();
  k.tickY = yAxis->TickLimits();
  k.logX = xAxis->IsLogarithmic();
  k.logY = yAxis->IsLogarithmic();
  k.reversedY = yAxis->IsReversed();
  return k;
}

void TSLTraceCache::Clear() {
  keys_ = TSLTraceKeys();
  sortedX_ = false;
  points_.clear();
  breaks_.clear();
  vertexFirst_.clear();
  vertexLast_.clear();
  vertexValues_.clear();
  box_ = QRect();
  used_ = 0;
}

void TSLTraceCache::ComputeBox() {
  sortedX_ = false;
  if (points_.isEmpty()) {
    box_ = QRect();
    return;
  }
  int l = points_[0].x(), r = l, t = points_[0].y(), b = t;
  bool sorted = true;
  int lastX = l;
  for (const QPoint& q : points_) {
    sorted = sorted && q.x() >= lastX;
    lastX = q.x();
    l = std::min(l, q.x());
    r = std::max(r, q.x());
    t = std::min(t, q.y());
    b = std::max(b, q.y());
  }
  box_ = QRect(QPoint(l, t), QPoint(r, b));
  sortedX_ = sorted;
}

// values → pixel = value * scale + offset, limited, rounded; NaN → break.
void TSLTraceCache::BuildPixels(const double* values, int count, double scale, double offset, QVector<int>& out) {
  const TKernelTable& k = Kernels();
  scratch_.resize(count);
  out.resize(count);
  if (count == 0) return;
  double* s = scratch_.data();
  k.ippsMulC_64f(values, scale, s, count);
  k.ippsAddC_64f_I(offset, s, count);
  k.ippsThreshold_GT_64f_I(s, count, kPixelLimit);
  k.ippsThreshold_LT_64f_I(s, count, -kPixelLimit);
  k.ippsConvert_64f32s_Sfs(s, out.data(), count, ippRndNear, 0);
}

void TSLTraceCache::Prepare(const TRef<ISLRealBuffer>& yBuffer, const TRef<ISLRealBuffer>& xBuffer, bool uniformX,
                            bool newData, TSLDisplayAxis* xAxis, TSLDisplayAxis* yAxis, const QRect& view,
                            bool vertical) {
  const int z = yBuffer ? yBuffer->GetCount() : 0;
  if (z == 0 || !xAxis || !yAxis || view.width() <= 0 || view.height() <= 0) {
    Clear();
    return;
  }
  const TSLTraceKeys keys = TSLTraceKeys::Of(yBuffer, xBuffer, uniformX, xAxis, yAxis, view, vertical);
  if (!newData && keys == keys_) return;  // the cached arrays still hold
  keys_ = keys;
  vertical_ = vertical;
  ++rebuilds_;

  const double* yv = yBuffer->ReadReals();
  const bool haveX = xBuffer && xBuffer->GetCount() >= z;
  const double* xv = haveX ? xBuffer->ReadReals() : nullptr;
  if (newData || !haveX) {
    dataMinX_ = uniformX || !haveX ? 0 : xBuffer->Min();
    dataMaxX_ = uniformX || !haveX ? z - 1 : xBuffer->Max();
  }
  const double xMin = dataMinX_, xMax = dataMaxX_;

  double c = keys.shownX.lo, d = keys.shownX.hi;
  if (c == d) {
    c -= 1;
    d += 1;
  }
  const double e = xAxis->TickToData(c), f = xAxis->TickToData(d);
  // Along the time direction: P pixels from `start`; across: the value span.
  const int p = vertical ? view.height() : view.width();
  const int across = vertical ? view.width() : view.height();
  const int start = vertical ? view.top() : view.left();
  const double sx = p - 1;
  const double t = across - 1;

  int h = p;
  if ((f > xMax || e < xMin) && f != e)
    h = std::max(0, int(std::lround((std::min(f, xMax) - std::max(e, xMin)) * p / (f - e))));
  int s = 0, n = z;
  const bool uniform = uniformX || !haveX;
  const double xSpan = xMax - xMin;
  if (uniform && xSpan > 0) {
    if (e > xMin) {
      s = std::min(z, int(std::trunc((e - xMin) * z / xSpan)));
      n = f >= xMax ? z - s : int(std::lround((f - e) * z / xSpan));
    } else if (f < xMax) {
      n = int(std::lround((f - xMin) * z / xSpan));
    }
    n = std::clamp(n, 0, z - s);
  }
  reduced_ = uniform && !keys.logX && h > 0 && n > 2 * h + 8;
  if (!reduced_ && uniform) {
    s = std::max(0, s - 4);
    n = std::max(0, std::min(n + 8, z - s));
  }
  first_ = s;
  used_ = n;

  // Y mapping: pixel = (bottom) - (v - ylo) * T / (yhi - ylo); X likewise.
  double ylo = keys.shownY.lo, yhi = keys.shownY.hi;
  // A logarithmic axis maps the transformed values linearly, as its ticks.
  if (keys.logY) {
    ylo = LogTransform(ylo);
    yhi = LogTransform(yhi);
  }
  double yScale, yOffset;
  const bool reversedY = keys.reversedY;
  if (yhi != ylo) {
    yScale = -t / (yhi - ylo);
    yOffset = view.bottom() + ylo * t / (yhi - ylo);
  } else {
    yScale = 0;
    yOffset = view.bottom() - t / 2;
  }
  if (reversedY) {
    // Values grow downwards: mirror about the data view's middle.
    yOffset = view.top() + view.bottom() - yOffset;
    yScale = -yScale;
  }
  if (vertical) {
    // Values run left to right, time top to bottom.
    if (yhi != ylo) {
      yScale = t / (yhi - ylo);
      yOffset = view.left() - ylo * t / (yhi - ylo);
    } else {
      yScale = 0;
      yOffset = view.left() + t / 2;
    }
  }

  breaks_.clear();
  if (reduced_) {
    // Column j covers [bounds[j], bounds[j + 1]); every sample belongs to one
    // column, the last included, so no extreme is lost.
    bounds_.resize(h + 1);
    for (int j = 0; j < h; ++j) bounds_[j] = j == 0 ? 0 : int(int64_t(j) * n / h - 1);
    bounds_[h] = n;
    mins_.resize(h);
    maxs_.resize(h);
    Kernels().tremoraColumnMinMax_64f(yv + s, n, bounds_.data(), h, mins_.data(), maxs_.data());
    // Columns begin where the data begin when the shown range starts before.
    const double dataStartTick = xAxis->DataToTick(xMin);
    const int shift = std::max(0, int(std::lround((dataStartTick - c) * sx / (d - c))));
    if (keys.logY) {
      LogTransform(mins_.data(), h);
      LogTransform(maxs_.data(), h);
    }
    BuildPixels(mins_.data(), h, yScale, yOffset, lows_);
    BuildPixels(maxs_.data(), h, yScale, yOffset, highs_);
    points_.resize(2 * h);
    vertexFirst_.resize(2 * h);
    vertexLast_.resize(2 * h);
    vertexValues_.resize(2 * h);
    int kept = 0;
    bool gap = false;
    for (int j = 0; j < h; ++j) {
      // Columns holding only NaN are not drawn: the line breaks there.
      if (std::isnan(mins_[j])) {
        gap = true;
        continue;
      }
      if (gap && kept > 0) breaks_.append(kept);
      gap = false;
      const int along = start + j + shift;
      vertexFirst_[kept] = vertexFirst_[kept + 1] = s + bounds_[j];
      vertexLast_[kept] = vertexLast_[kept + 1] = s + std::max(bounds_[j], bounds_[j + 1] - 1);
      vertexValues_[kept] = mins_[j];
      vertexValues_[kept + 1] = maxs_[j];
      points_[kept++] = vertical ? QPoint(lows_[j], along) : QPoint(along, lows_[j]);
      points_[kept++] = vertical ? QPoint(highs_[j], along) : QPoint(along, highs_[j]);
    }
    points_.resize(kept);
    vertexFirst_.resize(kept);
    vertexLast_.resize(kept);
    vertexValues_.resize(kept);
    ComputeBox();
    return;
  }

  // Every used sample is a vertex.
  xData_.resize(n);
  if (uniform) {
    for (int i = 0; i < n; ++i) xData_[i] = s + i;
  } else if (n > 0) {
    Kernels().ippsCopy_64f(xv + s, xData_.data(), n);
  }
  // X in tick units: tick = DataToTick(x), linear.
  const double t0 = xAxis->DataToTick(0), t1 = xAxis->DataToTick(1);
  double xScale = (t1 - t0) * sx / (d - c);
  double xOffset = start + (t0 - c) * sx / (d - c);
  if (keys.logX) {
    // Transformed tick values over the transformed shown range.
    for (int i = 0; i < n; ++i) xData_[i] = LogTransform(t0 + xData_[i] * (t1 - t0));
    const double lc = LogTransform(c), ld = LogTransform(d);
    xScale = ld != lc ? sx / (ld - lc) : 0;
    xOffset = ld != lc ? start - lc * sx / (ld - lc) : start + sx / 2;
  }
  BuildPixels(xData_.data(), n, xScale, xOffset, xs_);
  const double* ySource = yv + s;
  if (keys.logY && n > 0) {
    yLog_.resize(n);
    Kernels().ippsCopy_64f(yv + s, yLog_.data(), n);
    LogTransform(yLog_.data(), n);
    ySource = yLog_.data();
  }
  BuildPixels(ySource, n, yScale, yOffset, ys_);
  points_.resize(n);
  vertexFirst_.resize(n);
  int kept = 0;
  bool gap = false;
  for (int i = 0; i < n; ++i) {
    if (std::isnan(yv[s + i])) {
      gap = true;
      continue;
    }
    if (gap && kept > 0) breaks_.append(kept);
    gap = false;
    vertexFirst_[kept] = s + i;
    points_[kept++] = vertical ? QPoint(ys_[i], xs_[i]) : QPoint(xs_[i], ys_[i]);
  }
  points_.resize(kept);
  vertexFirst_.resize(kept);
  vertexLast_ = vertexFirst_;
  vertexValues_.clear();
  ComputeBox();
}

bool TSLTraceCache::DrawSpans(QImage& image, const QRect& clip, QRgb color) const {
  if (!reduced_ || vertical_ || points_.isEmpty() || points_.size() % 2 != 0) return false;
  if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32 &&
      image.format() != QImage::Format_ARGB32_Premultiplied)
    return false;
  // Writing through a shared image would detach it from under the painter.
  if (!image.isDetached()) return false;
  const QRect area = clip.intersected(image.rect());
  if (area.isEmpty()) return true;
  uchar* bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  int nextBreak = 0;
  bool joined = false;
  int lastY = 0;
  for (int i = 0; i < points_.size(); i += 2) {
    if (nextBreak < breaks_.size() && breaks_[nextBreak] == i) {
      joined = false;
      ++nextBreak;
    }
    const int x = points_[i].x();
    int lo = std::min(points_[i].y(), points_[i + 1].y());
    int hi = std::max(points_[i].y(), points_[i + 1].y());
    if (joined) {
      lo = std::min(lo, lastY);
      hi = std::max(hi, lastY);
    }
    lastY = points_[i + 1].y();
    joined = true;
    if (x < area.left() || x > area.right()) continue;
    lo = std::max(lo, area.top());
    hi = std::min(hi, area.bottom());
    for (int y = lo; y <= hi; ++y) reinterpret_cast<QRgb*>(bits + y * stride)[x] = color;
  }
  return true;
}
