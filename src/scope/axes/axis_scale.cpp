// Axis ranges, the value/data/tick mappings, tick steps and positions,
// label texts, band sizes and the painting of an axis band.

#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "draw/canvas.h"
#include "scope/axes/axes.h"
#include "scope/data_display.h"
#include "scope/paint/dot_line.h"

double SLMapRange(double v, const TSLRange& from, const TSLRange& to) {
  // Equal or unusable limits pass the value unchanged.
  const double fromSpan = from.hi - from.lo, toSpan = to.hi - to.lo;
  if (fromSpan == 0 || !std::isfinite(fromSpan) || !std::isfinite(toSpan)) return v;
  // The fraction first: a product of two huge spans would overflow.
  return (v - from.lo) / fromSpan * toSpan + to.lo;
}

namespace {

// log10(1 + x) for x >= 0, mirrored for negatives.
double LogTransform(double x) { return x >= 0 ? std::log10(1 + x) : -std::log10(1 - x); }

int TextHeight(TLPCanvas& canvas) { return canvas.TextExtent(QStringLiteral("Xg")).height(); }

}  // namespace

// --- ranges -------------------------------------------------------------------

void TSLDisplayAxis::EnsureRanges() {
  TSLDataDisplay* display = Display();
  const int generation = display ? display->LayoutGeneration() : 0;
  if (cacheValid_ && generation == cacheGeneration_) return;
  cacheValid_ = true;
  cacheGeneration_ = generation;
  const TSLAxisData data = display ? display->AxisData(this) : TSLAxisData();
  ComputeLimits(data);
  // Whatever the settings hold (a NaN or overflowing end), ticks, traces
  // and cursors keep working: an end that is not a number takes the other
  // range's (data values fall back on values), and every end is limited far
  // inside the double range, so each span stays finite.
  const auto usable = [](const TSLRange& r) { return !std::isnan(r.lo) && !std::isnan(r.hi); };
  if (!usable(data_)) data_ = usable(value_) ? value_ : TSLRange{0, 1};
  if (!usable(value_)) value_ = data_;
  if (!usable(tick_)) tick_ = value_;
  for (TSLRange* r : {&data_, &value_, &tick_}) {
    constexpr double kLimit = 1e300;
    r->lo = std::clamp(r->lo, -kLimit, kLimit);
    r->hi = std::clamp(r->hi, -kLimit, kLimit);
  }
  const double v0 = Min()->Value(), v1 = Max()->Value(), d0 = Min()->DataValue(), d1 = Max()->DataValue();
  const double k = (d1 - d0) / (v1 - v0);
  if (std::isfinite(v0) && std::isfinite(d0) && std::isfinite(k) && k != 0) relation_ = {v0, d0, k};
  if (IsZoomed()) {
    // The zoomed ends are kept in values.
    TSLRange zoomed{SLMapRange(ZoomedLow(), value_, data_), SLMapRange(ZoomedHigh(), value_, data_)};
    shown_ = ComputeShown(data);
    if (IsXAxis()) {
      const TSLRange limits{std::min(data_.lo, data_.hi), std::max(data_.lo, data_.hi)};
      shown_ = {std::clamp(zoomed.lo, limits.lo, limits.hi), std::clamp(zoomed.hi, limits.lo, limits.hi)};
    } else {
      shown_ = zoomed;
      const auto limit = [](double v, TSLAxisRange* r) {
        if (r->Low()->Enabled()) v = std::max(v, r->Low()->Value());
        if (r->High()->Enabled()) v = std::min(v, r->High()->Value());
        return v;
      };
      shown_.lo = limit(shown_.lo, Min()->Range());
      shown_.hi = limit(shown_.hi, Max()->Range());
    }
  } else {
    shown_ = ComputeShown(data);
  }
}

TSLRange TSLDisplayAxis::DataLimits() {
  EnsureRanges();
  return data_;
}

TSLRange TSLDisplayAxis::ValueLimits() {
  EnsureRanges();
  return value_;
}

TSLRange TSLDisplayAxis::TickLimits() {
  EnsureRanges();
  return tick_;
}

TSLRange TSLDisplayAxis::ShownData() {
  EnsureRanges();
  return shown_;
}

TSLRange TSLDisplayAxis::ShownValue() {
  EnsureRanges();
  return {SLMapRange(shown_.lo, data_, value_), SLMapRange(shown_.hi, data_, value_)};
}

TSLRange TSLDisplayAxis::ShownTick() {
  EnsureRanges();
  return {SLMapRange(shown_.lo, data_, tick_), SLMapRange(shown_.hi, data_, tick_)};
}

double TSLDisplayAxis::ToValue(double d) {
  EnsureRanges();
  return SLMapRange(d, data_, value_);
}

double TSLDisplayAxis::ToData(double v) {
  EnsureRanges();
  return SLMapRange(v, value_, data_);
}

double TSLDisplayAxis::DataToTick(double d) {
  EnsureRanges();
  return SLMapRange(d, data_, tick_);
}

double TSLDisplayAxis::TickToData(double t) {
  EnsureRanges();
  return SLMapRange(t, tick_, data_);
}

bool TSLDisplayAxis::RunsHorizontally() const {
  const bool vertical = Display() && Display()->IsVertical();
  return IsXAxis() != vertical;
}

SL::TSLViewAlign TSLDisplayAxis::ScreenAlign() const {
  const SL::TSLViewAlign a = Align();
  if (!Display() || !Display()->IsVertical()) return a;
  switch (a) {
    case SL::vaBottom: return SL::vaLeft;
    case SL::vaLeft: return SL::vaBottom;
    case SL::vaTop: return SL::vaRight;
    default: return SL::vaTop;
  }
}

int TSLDisplayAxis::PixelExtent() const {
  const QRect r = Display() ? Display()->DataViewRect() : QRect();
  // Width = right - left - 1 with exclusive right edges: Qt's width() - 1.
  return std::max(0, (RunsHorizontally() ? r.width() : r.height()) - 1);
}

void TSLDisplayAxis::PixelMapping(double& scale, double& offset) {
  TSLRange r = ShownTick();
  if (IsLogarithmic()) r = {LogTransform(r.lo), LogTransform(r.hi)};
  const int p = PixelExtent();
  if (r.hi != r.lo) {
    scale = p / (r.hi - r.lo);
    offset = -r.lo * scale;
  } else {
    // Equal ends: every value at the centre.
    scale = 0;
    offset = p / 2.0;
  }
}

int TSLDisplayAxis::TickToScreen(double tick) {
  double scale, offset;
  PixelMapping(scale, offset);
  const double v = IsLogarithmic() ? LogTransform(tick) : tick;
  const double along = offset + v * scale;
  const QRect r = Display() ? Display()->DataViewRect() : QRect();
  // An upright X axis runs downwards, as the traces draw time.
  const double screen = RunsHorizontally() ? r.left() + along
                        : IsReversed() || IsXAxis() ? r.top() + along
                                                    : r.bottom() - along;
  // Rounded as the traces round their pixels (to nearest, ties to even), so
  // a tick, a grid line or a cursor at a value stands on the trace's pixel.
  return int(std::nearbyint(std::clamp(screen, -1e7, 1e7)));
}

double TSLDisplayAxis::ScreenToTick(int pixel) {
  double scale, offset;
  PixelMapping(scale, offset);
  const QRect r = Display() ? Display()->DataViewRect() : QRect();
  int along;
  if (RunsHorizontally()) along = pixel - r.left();
  else along = IsReversed() || IsXAxis() ? pixel - r.top() : r.bottom() - pixel;
  if (scale == 0) return ShownTick().lo;
  double v = (along - offset) / scale;
  if (IsLogarithmic()) v = v >= 0 ? std::pow(10.0, v) - 1 : 1 - std::pow(10.0, -v);
  return v;
}

double TSLDisplayAxis::DataValueFor(double value) {
  const double v0 = Min()->Value(), v1 = Max()->Value(), d0 = Min()->DataValue(), d1 = Max()->DataValue();
  const double k = (d1 - d0) / (v1 - v0);
  if (std::isfinite(v0) && std::isfinite(d0) && std::isfinite(k) && k != 0) relation_ = {v0, d0, k};
  return relation_.data + (value - relation_.value) * relation_.scale;
}

// --- X axes -----------------------------------------------------------------

void TSLBasicDisplayXAxis::ComputeLimits(const TSLAxisData& data) {
  const double lo = Min()->AutoScale() ? (data.channels ? data.xMin : Min()->Value()) : Min()->DataValue();
  double hi;
  if (!Max()->AutoScale())
    hi = Max()->Mode() == SL::mamValue ? Max()->DataValue() : lo + Max()->Value();
  else
    hi = data.channels ? data.xMax : Max()->Value();
  data_ = {lo, hi};
  value_ = {Min()->AutoScale() ? lo : Min()->Value(),
            Max()->AutoScale() ? hi : (Max()->Mode() == SL::mamValue ? Max()->Value() : lo + Max()->Value())};
  tick_ = value_;
}

TSLRange TSLBasicDisplayXAxis::ComputeShown(const TSLAxisData&) { return data_; }

int TSLBasicScopeXAxis::SampleCount() {
  if (!MaxSample()->Autosize()) return MaxSample()->Value();
  return last_.maxCount > 0 ? last_.maxCount : 1024;
}

TSLBasicScopeXAxis::TMode TSLBasicScopeXAxis::EffectiveMode() {
  switch (TicksMode()) {
    case SL::atmTime: return kTime;
    case SL::atmFrequency: return kFrequency;
    case SL::atmIntensity: return kIntensity;
    case SL::atmAxis: return kAxis;
    case SL::atmManual: return kManual;
    case SL::atmAuto: return last_.paired ? kAxis : kSamples;
    default: return kSamples;
  }
}

int TSLBasicScopeXAxis::UnitExponent() {
  if (!UnitScale()->AutoScale()) return UnitScale()->Exponent();
  const double rate = last_.maxRate > 0 ? last_.maxRate : 10000.0;
  const double n = SampleCount();
  const TMode mode = EffectiveMode();
  if (mode == kTime) return 3 * int(std::trunc(std::log10(1000.0 * rate / n) / 3));
  if (mode == kFrequency) return 3 * int(std::trunc(std::log10(rate) / 3));
  return 0;
}

void TSLBasicScopeXAxis::ComputeLimits(const TSLAxisData& data) {
  last_ = data;
  const int n = SampleCount();
  const TMode mode = EffectiveMode();
  const double rate = data.maxRate > 0 ? data.maxRate : 10000.0;
  const double scale = std::pow(10.0, UnitExponent());
  const double timeSpan = (n - 1) / rate * scale;
  const double freqSpan = rate / 2 / scale;
  const double extentLo = data.channels ? data.xMin : 0;
  const double extentHi = data.channels ? data.xMax : n - 1;

  double autoLo;
  if (mode == kTime || mode == kFrequency) autoLo = 0;
  else if (n < 2) autoLo = Min()->Value();
  else autoLo = extentLo;
  const double dataLo = Min()->AutoScale() ? autoLo : Min()->DataValue();
  double dataHi;
  if (Max()->AutoScale()) {
    if (n > 1) dataHi = extentHi;
    else dataHi = Max()->Value() > Min()->Value() ? Max()->DataValue() - 1 : Min()->Value() + n - 1;
  } else {
    dataHi = Max()->Mode() == SL::mamValue ? Max()->DataValue() : dataLo + Max()->Value();
  }
  data_ = {dataLo, dataHi};

  const double autoHi = mode == kTime ? timeSpan : mode == kFrequency ? freqSpan : dataHi;
  const bool manual = mode == kManual;
  // Value ends (shown units); tick ends are the same but never from Tick.
  const auto lower = [&](bool useTick) {
    if (useTick && (manual || !Min()->Tick()->AutoScale())) return Min()->Tick()->Value();
    if (manual) return Min()->Value();
    return Min()->AutoScale() ? autoLo : Min()->Value();
  };
  const auto upper = [&](bool useTick, double lo) {
    if (useTick && (manual || !Max()->Tick()->AutoScale())) return Max()->Tick()->Value();
    if (manual) return Max()->Value();
    if (!Max()->AutoScale()) return Max()->Mode() == SL::mamValue ? Max()->Value() : lo + Max()->Value();
    return autoHi;
  };
  const double valueLo = lower(true);
  value_ = {valueLo, upper(true, valueLo)};
  const double tickLo = lower(false);
  tick_ = {tickLo, upper(false, tickLo)};
}

QString TSLBasicScopeXAxis::TitleText() {
  if (!AxisLabel()->Text().isEmpty()) return AxisLabel()->Text();
  EnsureRanges();
  const int e = UnitExponent();
  switch (EffectiveMode()) {
    case kManual: return QStringLiteral("X Axis");
    case kTime:
      switch (e) {
        case 0: return QStringLiteral("Sec");
        case 3: return QStringLiteral("mSec");
        case 6: return QStringLiteral("uSec");
        case 9: return QStringLiteral("nSec");
        default: return QStringLiteral("Sec (E%1)").arg(-e);
      }
    case kFrequency:
      switch (e) {
        case 0: return QStringLiteral("Hz");
        case 3: return QStringLiteral("kHz");
        case 6: return QStringLiteral("MHz");
        case 9: return QStringLiteral("GHz");
        case -9: return QStringLiteral("nHz");
        case -6: return QStringLiteral("uHz");
        case -3: return QStringLiteral("mHz");
        default: return QStringLiteral("Hz (E%1)").arg(-e);
      }
    case kIntensity: return QStringLiteral("Intensity");
    case kAxis: return QStringLiteral("X Axis");
    default: return QStringLiteral("Samples");
  }
}

QString TSLDisplayAxis::TitleText() { return AxisLabel()->Text(); }

// --- Y axes -----------------------------------------------------------------

void TSLBasicDisplayYAxis::ComputeLimits(const TSLAxisData&) {
  data_ = value_ = tick_ = {Min()->Value(), Max()->Value()};
}

TSLRange TSLBasicDisplayYAxis::ComputeShown(const TSLAxisData&) { return data_; }

void TSLBasicScopeYAxis::ComputeLimits(const TSLAxisData& data) {
  limitsFromData_ = AutoScaling()->Enabled() && data.hasY;
  if (!limitsFromData_) {
    TSLBasicDisplayYAxis::ComputeLimits(data);
    return;
  }
  double lo = data.yMin, hi = data.yMax;
  if (lo == hi) lo -= 0.5;
  data_ = value_ = tick_ = {lo, hi};
}

TSLRange TSLBasicScopeYAxis::ComputeShown(const TSLAxisData& data) {
  if (!AutoScaling()->Enabled() || !data.multiSample) return data_;
  double lo = data_.lo, hi = data_.hi;
  if (AutoScaling()->MaxHistory() > 0 && historyCount_ > 0) {
    lo = *std::min_element(lows_.begin(), lows_.begin() + historyCount_);
    hi = *std::max_element(highs_.begin(), highs_.begin() + historyCount_);
  }
  const double span = hi - lo;
  double newLo = lo - span * AutoScaling()->SpaceBelow()->Space() / 2 / 100;
  double newHi = hi + span * AutoScaling()->SpaceAbove()->Space() / 2 / 100;
  if (hasPrevious_) {
    // Small changes inside the threshold band keep the previous ends.
    if (previous_.lo < newLo && newLo - previous_.lo < (newHi - newLo) * AutoScaling()->SpaceBelow()->Threshold() / 2 / 100)
      newLo = previous_.lo;
    if (previous_.hi > newHi && previous_.hi - newHi < (newHi - newLo) * AutoScaling()->SpaceAbove()->Threshold() / 2 / 100)
      newHi = previous_.hi;
  }
  if (!std::isfinite(newLo) || !std::isfinite(newHi)) return data_;
  previous_ = {newLo, newHi};
  hasPrevious_ = true;
  return previous_;
}

void TSLBasicScopeYAxis::ResetHistory() {
  historyCount_ = 0;
  historyIndex_ = 0;
  hasPrevious_ = false;
  ForgetRanges();
}

void TSLBasicScopeYAxis::RecordHistory() {
  const int max = AutoScaling()->MaxHistory();
  if (max <= 0 || !AutoScaling()->Enabled()) return;
  ForgetRanges();
  EnsureRanges();
  // A publication without data (the empty block of a stream start) would
  // bring the fixed ends into the history.
  if (!limitsFromData_) return;
  if (lows_.size() != max) {
    lows_.fill(0, max);
    highs_.fill(0, max);
    historyIndex_ = historyCount_ = 0;
  }
  lows_[historyIndex_] = data_.lo;
  highs_[historyIndex_] = data_.hi;
  historyIndex_ = (historyIndex_ + 1) % max;
  historyCount_ = std::min(historyCount_ + 1, max);
  ForgetRanges();
}

// --- ticks and labels ---------------------------------------------------------

namespace {

// Whether a written number shows a digit other than zero before its
// exponent (or before the letters of "inf" and "nan"), in any script.
bool ShowsNonZeroDigit(const QString& text) {
  for (const QChar c : text) {
    if (c.isLetter()) return false;
    if (c.digitValue() > 0) return true;
  }
  return false;
}

}  // namespace

QString TSLDisplayAxis::LabelText(double x) {
  const TSLRange r = ShownTick();
  const double span = std::abs(r.hi - r.lo);
  QString text;
  // The system's decimal separator, no digit grouping.
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  const int precision = Format()->Precision();
  if (Format()->PrecisionMode() == SL::dpmGeneral) {
    int decimals;
    if (Format()->FixedPrecision()) decimals = precision;
    else if (precision <= 0 || span == 0) decimals = 0;
    else decimals = precision - (int(std::trunc(std::log10(span))) + 1) + (span < 1 ? 1 : 0);
    decimals = std::clamp(decimals, 0, 30);
    // Beyond the digits a double holds, fixed notation would write hundreds
    // of made-up digits and the band would take the whole control.
    text = std::abs(x) < 1e15 ? locale.toString(x, 'f', decimals) : locale.toString(x, 'g', 15);
  } else {
    const int digits = Format()->FixedPrecision() ? std::max(1, precision) : 15;
    text = locale.toString(x, 'e', digits - 1);
  }
  text = text.trimmed();
  // A small negative value rounded to zero reads as zero, not "-0". Only a
  // value with its sign bit set is written with a sign, and one with a
  // non-zero digit before any exponent reads as no zero: neither is looked
  // at again (the system locale answers each question anew).
  if (std::signbit(x) && !ShowsNonZeroDigit(text) && text.startsWith(locale.negativeSign()) &&
      locale.toDouble(text) == 0.0)
    text.remove(0, locale.negativeSign().size());
  emit OnCustomLabel(this, x, text);
  return text;
}

int TSLDisplayAxis::LabelExtent(TLPCanvas& canvas) {
  if (!RunsHorizontally()) return TextHeight(canvas);
  const TSLRange r = ShownTick();
  return std::max(canvas.TextExtent(LabelText(r.lo)).width(), canvas.TextExtent(LabelText(r.hi)).width());
}

double TSLDisplayAxis::MajorStep(TLPCanvas& canvas) {
  const TSLRange r = ShownTick();
  const double span = r.hi - r.lo;
  const int p = PixelExtent();
  if (span == 0 || p <= 0) return 0;
  const int l = LabelExtent(canvas);
  const SL::TSLMajorTicksMode mode = MajorTicks()->Mode();
  if (mode != SL::mtmAuto) {
    const double need = mode == SL::mtmOverride ? 1 : l + 2;
    double step = std::abs(MajorTicks()->Step());
    if (step <= 0 || !std::isfinite(step)) return 0;
    for (int i = 0; i < 2000 && std::lround(p * step / std::abs(span)) <= need; ++i) step *= 2;
    return span < 0 ? -step : step;
  }
  const int s = std::max(20, RunsHorizontally() ? l + 8 : TextHeight(canvas) + 4);
  const double d = s * span / p;
  const double lg = std::log10(std::abs(d));
  int k = int(std::floor(lg));
  const double rest = lg - k;
  int g;
  if (rest == 0) g = 0;
  else if (rest <= std::log10(2.0)) g = 1;
  else if (rest <= std::log10(2.5)) g = 2;
  else if (rest <= std::log10(5.0)) g = 3;
  else {
    g = 0;
    ++k;
  }
  static const double mantissa[] = {1, 2, 2.5, 5};
  double step = mantissa[g] * std::pow(10.0, k);
  for (int i = 0; i < 400 && p * step / std::abs(span) < l + 2; ++i) {
    if (++g == 4) {
      g = 0;
      ++k;
    }
    step = mantissa[g] * std::pow(10.0, k);
  }
  return d < 0 ? -step : step;
}

void TSLDisplayAxis::WalkMajorTicks(TLPCanvas& canvas, const std::function<void(double, int, bool)>& onMajor,
                                    const std::function<void(int)>& onMinor) {
  const double step0 = MajorStep(canvas);
  if (step0 == 0 || !std::isfinite(step0)) return;
  const TSLRange r = ShownTick();
  const double lower = std::min(r.lo, r.hi), upper = std::max(r.lo, r.hi);
  const double step = std::abs(step0);
  double first;
  if (MajorTicks()->StartFrom()->Mode() != SL::mtmAuto) {
    first = MajorTicks()->StartFrom()->StartFrom();
  } else {
    const double v = lower >= 0 ? lower : (upper >= 0 ? 0 : upper);
    first = std::trunc(v / step) * step;
  }
  const QRect view = Display() ? Display()->DataViewRect() : QRect();
  const bool horizontal = RunsHorizontally();
  const int spanLo = horizontal ? view.left() : view.top();
  const int spanHi = horizontal ? view.right() : view.bottom();
  const int minDistance = MajorTicks()->Mode() == SL::mtmOverride ? 1 : LabelExtent(canvas);
  const int minorCount = MinorTicks()->Count();

  // The upward walk continues from the first tick, so the interval above
  // it gets its minor ticks and its spacing check too.
  bool firstDrawn = false;
  int firstPixel = 0;
  for (int direction : {-1, 1}) {
    bool haveLast = direction > 0 && firstDrawn;
    int lastPixel = firstPixel;
    double value = direction < 0 ? first : first + step;
    for (int i = 0; i < 100000; ++i) {
      if (direction < 0 ? !(value > lower - step) : !(value < upper + step)) break;
      double thisStep = step;
      bool draw = true;
      emit OnCustomStep(this, value, thisStep, draw);
      if (thisStep <= 0 || !std::isfinite(thisStep)) thisStep = step;
      const int pixel = TickToScreen(value);
      if (draw && pixel >= spanLo && pixel <= spanHi && (!haveLast || std::abs(pixel - lastPixel) > minDistance)) {
        if (haveLast && onMinor && minorCount > 0) {
          // Minor ticks split the remaining distance evenly.
          double at = lastPixel;
          for (int m = 0; m < minorCount; ++m) {
            at += (pixel - at) / double(minorCount - m + 1);
            onMinor(int(std::lround(at)));
          }
        }
        const bool zero = std::abs(value) < std::min(1.5e-45, thisStep / 2) || std::abs(value) < thisStep * 1e-9;
        onMajor(zero ? 0.0 : value, pixel, zero);
        if (direction < 0 && i == 0) {
          firstDrawn = true;
          firstPixel = pixel;
        }
        haveLast = true;
        lastPixel = pixel;
      }
      value += direction * thisStep;
    }
  }
}

QSize TSLDisplayAxis::BandSize(TLPCanvas& canvas) {
  if (!ViewSize()->AutoSize()) return {ViewSize()->Size(), ViewSize()->Size()};
  canvas.AssignFont(Font()->ToQFont());
  const TSLRange r = ShownTick();
  const int h = TextHeight(canvas);
  int width = std::max(canvas.TextExtent(LabelText(r.lo)).width(), canvas.TextExtent(LabelText(r.hi)).width()) + 16;
  int height = h + 16;
  if (AxisLabel()->Visible()) {
    if (RunsHorizontally()) height += h + 4;
    else width += h + 4;
  }
  return {width, height};
}

QPair<int, int> TSLDisplayAxis::Margins(TLPCanvas& canvas) {
  canvas.AssignFont(Font()->ToQFont());
  if (RunsHorizontally()) {
    const TSLRange r = ShownTick();
    return {canvas.TextExtent(LabelText(r.lo)).width() / 2 + 4, canvas.TextExtent(LabelText(r.hi)).width() / 2 + 4};
  }
  const int half = TextHeight(canvas) / 2 + 4;
  return {half, half};
}

namespace {

// The band's edge next to the data view, and the direction away from it.
struct TBandEdge {
  int inner;
  int sign;
};

TBandEdge InnerEdge(const QRect& band, SL::TSLViewAlign side) {
  switch (side) {
    case SL::vaBottom: return {band.top(), 1};
    case SL::vaTop: return {band.bottom() + 1, -1};
    case SL::vaLeft: return {band.right() + 1, -1};
    default: return {band.left(), 1};
  }
}

}  // namespace

bool TSLDisplayAxis::TrackMarkLine(const QPoint& mouse, QPoint& from, QPoint& to) {
  const QRect band = ViewRect();
  if (!TrackCursor() || !IsShown() || band.width() <= 1 || band.height() <= 1) return false;
  const TBandEdge edge = InnerEdge(band, ScreenAlign());
  const int inner = edge.inner, sign = edge.sign;
  // From the axis line out to the end of a major tick.
  const bool horizontal = RunsHorizontally();
  const int a = inner + sign * (horizontal ? 5 : 4), b = inner + sign * (horizontal ? 12 : 11);
  from = horizontal ? QPoint(mouse.x(), a) : QPoint(a, mouse.y());
  to = horizontal ? QPoint(mouse.x(), b) : QPoint(b, mouse.y());
  return true;
}

void TSLDisplayAxis::PaintTrackMark(TLPCanvas& canvas, const QPoint& mouse, TSLDotLine& lines) {
  QPoint from, to;
  if (!TrackMarkLine(mouse, from, to)) return;
  canvas.Pen().SetColor(TrackColor());
  canvas.Pen().SetStyle(Qt::SolidLine);
  canvas.SetPenWidth(1);
  QPainter* painter = canvas.Painter();
  if (!painter) return;
  // The canvas's own 1-pixel pen (cosmetic, the end pixel left out), its
  // pixels written straight: on a pointer move the line would otherwise be
  // stroked span by span through the whole update region.
  QPen pen(TrackColor());
  pen.setCosmetic(true);
  pen.setCapStyle(Qt::FlatCap);
  painter->setPen(pen);
  lines.Draw(painter, from, to, QRect());
  canvas.MoveTo(to.x(), to.y());
}

QRect TSLDisplayAxis::TrackMarkRect(const QPoint& mouse) {
  QPoint from, to;
  if (!TrackMarkLine(mouse, from, to)) return {};
  // With a pixel's margin around the line.
  return QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
               QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())))
      .adjusted(-1, -1, 1, 1);
}

void TSLDisplayAxis::PaintBand(TLPCanvas& canvas) {
  const QRect band = ViewRect();
  const QRect view = Display() ? Display()->DataViewRect() : QRect();
  if (band.width() <= 1 || band.height() <= 1 || view.isEmpty()) return;
  if (!Background()->UseControlColor()) {
    canvas.Brush().SetColor(Background()->Color());
    canvas.Brush().SetStyle(Qt::SolidPattern);
    canvas.FillRect(band);
  }
  canvas.AssignFont(Font()->ToQFont());
  canvas.SetFontColor(Font()->Color());
  canvas.Brush().SetStyle(Qt::NoBrush);
  canvas.Pen().SetColor(Color());
  canvas.Pen().SetStyle(Qt::SolidLine);
  canvas.SetPenWidth(1);
  const SL::TSLViewAlign side = ScreenAlign();
  constexpr int d = 3;
  const int h = TextHeight(canvas);
  // The axis line runs along the data view, 5 pixels off the band's inner edge.
  const TBandEdge edge = InnerEdge(band, side);
  const int inner = edge.inner, sign = edge.sign;
  const int line = inner + sign * (d + 2);
  if (RunsHorizontally()) {
    canvas.MoveTo(view.left(), line);
    canvas.LineTo(view.right() + 1, line);
  } else {
    canvas.MoveTo(line, view.top());
    canvas.LineTo(line, view.bottom() + 1);
  }
  const int majorLength = RunsHorizontally() ? 7 : 6;
  const int minorLength = majorLength - 2;
  WalkMajorTicks(
      canvas,
      [&](double value, int pixel, bool) {
        const QString text = LabelText(value);
        const QSize size = canvas.TextExtent(text);
        if (RunsHorizontally()) {
          canvas.MoveTo(pixel, line);
          canvas.LineTo(pixel, line + sign * majorLength);
          const int top = side == SL::vaBottom ? inner + d + 11 : inner - d - 10 - size.height();
          canvas.TextOut(pixel - size.width() / 2, top, text);
        } else {
          canvas.MoveTo(line, pixel);
          canvas.LineTo(line + sign * majorLength, pixel);
          const int left = side == SL::vaLeft ? inner - d - 10 - size.width() : inner + d + 10;
          canvas.TextOut(left, pixel - size.height() / 2, text);
        }
      },
      [&](int pixel) {
        if (RunsHorizontally()) {
          canvas.MoveTo(pixel, line);
          canvas.LineTo(pixel, line + sign * minorLength);
        } else {
          canvas.MoveTo(line, pixel);
          canvas.LineTo(line + sign * minorLength, pixel);
        }
      });
  if (!AxisLabel()->Visible()) return;
  const QString title = TitleText();
  if (title.isEmpty()) return;
  canvas.AssignFont(AxisLabel()->Font()->ToQFont());
  canvas.SetFontColor(AxisLabel()->Font()->Color());
  const QSize size = canvas.TextExtent(title);
  if (RunsHorizontally()) {
    const int top = side == SL::vaBottom ? band.bottom() - size.height() - 1 : band.top() + 2;
    canvas.TextOut(view.left() + (view.width() - size.width()) / 2, top, title);
  } else {
    // Reads upwards along the band's outer edge.
    const int x = side == SL::vaLeft ? band.left() + 2 : band.right() - size.height() - 1;
    canvas.SetFontAngle(90);
    canvas.TextOut(x, view.top() + (view.height() + size.width()) / 2, title);
    canvas.SetFontAngle(0);
  }
  (void)h;
}
