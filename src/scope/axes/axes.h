#pragma once
// The scope's axes: their published settings (end values, ticks, labels,
// zoom limits, toolbar and button) and the zoom state the display's zoom
// operations use. Range computation, ticks and painting build on this.

#include <QFont>
#include <QPair>
#include <QSize>
#include <QVector>
#include <functional>

#include "scope/axes/zoom_pin.h"
#include "scope/model/display_settings.h"
#include "scope/toolbars/toolbars.h"

class TSLDotLine;

class TSLEnabledValue : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(double, Value, 0.0, LayoutChanged)
  TLP_PROPERTY(bool, Enabled, false, LayoutChanged)
public:
  TSLEnabledValue(QObject* owner, TSLDataDisplay* display, double value, bool enabled);
};

// Low and high limits (each a value with an enabled flag).
class TSLAxisRange : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_SUBOBJECT(TSLEnabledValue, Low)
  TLP_SUBOBJECT(TSLEnabledValue, High)
public:
  TSLAxisRange(QObject* owner, TSLDataDisplay* display, double low, bool lowEnabled, double high,
               bool highEnabled);
};

class TSLAxisTick : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(bool, AutoScale, true, LayoutChanged)
  TLP_PROPERTY(double, Value, 0.0, LayoutChanged)
public:
  using TSLDisplayPersistent::TSLDisplayPersistent;
};

class TSLAxisValue : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(bool, AutoScale, true, LayoutChanged)
  TLP_PROPERTY(double, Value, 0.0, LayoutChanged)
  TLP_PROPERTY(double, DataValue, 0.0, LayoutChanged)
  TLP_SUBOBJECT(TSLAxisRange, Range)
  TLP_SUBOBJECT(TSLAxisTick, Tick)
public:
  TSLAxisValue(QObject* owner, TSLDataDisplay* display, double value);
};

class TSLMaxAxisValue : public TSLAxisValue {
  Q_OBJECT
  TLP_PROPERTY(SL::TSLMaxAxisMode, Mode, SL::mamValue, LayoutChanged)
public:
  using TSLAxisValue::TSLAxisValue;
};

class TSLAxisFormat : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(SL::TSLPrecisionMode, PrecisionMode, SL::dpmGeneral, LayoutChanged)
  TLP_PROPERTY(int, Precision, 0, LayoutChanged)
  TLP_PROPERTY(bool, FixedPrecision, false, LayoutChanged)
public:
  using TSLDisplayPersistent::TSLDisplayPersistent;
};

class TSLDisplayTitleLabel : public TSLDisplayLabel {
  Q_OBJECT
public:
  using TSLDisplayLabel::TSLDisplayLabel;
};

class TSLTicksStart : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(SL::TSLMajorTicksMode, Mode, SL::mtmAuto, LayoutChanged)
  TLP_PROPERTY(double, StartFrom, 0.0, LayoutChanged)
public:
  using TSLDisplayPersistent::TSLDisplayPersistent;
};

class TSLMajorTicks : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(SL::TSLMajorTicksMode, Mode, SL::mtmAuto, LayoutChanged)
  TLP_PROPERTY(double, Step, 1.0, LayoutChanged)
  TLP_SUBOBJECT(TSLTicksStart, StartFrom)
public:
  TSLMajorTicks(QObject* owner, TSLDataDisplay* display);
};

class TSLMinorTicks : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(int, Count, 4, Changed)
public:
  using TSLDisplayPersistent::TSLDisplayPersistent;
};

class TSLDisplayAxisZoom : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(bool, MouseWheelEnabled, true, NoNotify)
  TLP_PROPERTY(bool, MousePan, true, NoNotify)
  TLP_SUBOBJECT(TSLAxisRange, Range)
public:
  TSLDisplayAxisZoom(QObject* owner, TSLDataDisplay* display);
};

class TSLAxisCursorSettings : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(bool, SnapToSample, false, NoNotify)
public:
  using TSLDisplayPersistent::TSLDisplayPersistent;
};

class TSLDisplayGridDirectionalLinesSettings : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_SUBOBJECT(TSLDisplayGridLineSettings, Lines)
  TLP_SUBOBJECT(TSLDisplayGridLineSettings, ZeroLine)
public:
  TSLDisplayGridDirectionalLinesSettings(QObject* owner, TSLDataDisplay* display);
};

class TSLDisplayChannel;
class TLPCanvas;

// A lower and an upper end.
struct TSLRange {
  double lo = 0, hi = 0;
  double Span() const { return hi - lo; }
  bool operator==(const TSLRange&) const = default;
};

// What the channels drawn against an axis hold (filled by the scope).
struct TSLAxisData {
  int channels = 0;       // visible channels with data
  int maxCount = 0;       // largest Y display count
  double xMin = 0, xMax = 0;  // X extent of the data
  double yMin = 0, yMax = 0;  // Y extent within the shown X range
  bool hasY = false;
  double maxRate = 0;     // highest sample rate
  bool paired = false;    // a channel takes X values from its X input
  bool multiSample = false;  // a channel holds more than one sample
};

// A linear map from one limit pair onto another; equal source limits pass
// the value unchanged.
double SLMapRange(double v, const TSLRange& from, const TSLRange& to);

// The axis chain's common part.
class TSLOptionalAxis : public TSLOptionalView {
  Q_OBJECT
public:
  using TSLOptionalView::TSLOptionalView;
};

class TSLTrackingOptionalAxis : public TSLOptionalAxis {
  Q_OBJECT
  TLP_PROPERTY(bool, TrackCursor, true, Changed)
  TLP_PROPERTY(QColor, TrackColor, QColor(Qt::red), Changed)
public:
  using TSLOptionalAxis::TSLOptionalAxis;
};

class TSLDisplayAxis : public TSLTrackingOptionalAxis {
  Q_OBJECT
  TLP_SUBOBJECT(TSLAxisValue, Min)
  TLP_SUBOBJECT(TSLMaxAxisValue, Max)
  TLP_SUBOBJECT(TSLAxisFormat, Format)
  TLP_PROPERTY(QColor, Color, QColor(Qt::white), Changed)
  TLP_SUBOBJECT(TSLDisplayFont, Font)
  TLP_SUBOBJECT(TSLDisplayTitleLabel, AxisLabel)
  TLP_SUBOBJECT(TSLMajorTicks, MajorTicks)
  TLP_SUBOBJECT(TSLMinorTicks, MinorTicks)
  TLP_SUBOBJECT(TSLDisplayAxisZoom, Zooming)
  TLP_SUBOBJECT(TSLAxisToolBar, ToolBar)
  TLP_SUBOBJECT(TSLViewButtonSettings, Button)
  Q_PROPERTY(TSLZoomPin* ZoomPin READ ZoomPin)
  TLP_PROPERTY(SL::TSLScaleMode, ScaleMode, SL::smLinear, LayoutChanged)
  TLP_SUBOBJECT(TSLAxisCursorSettings, CursorSettings)
  TLP_SUBOBJECT(TSLDisplayGridDirectionalLinesSettings, DataView)
public:
  TSLDisplayAxis(QObject* owner, TSLDataDisplay* display, SL::TSLViewAlign align, double minValue,
                 double maxValue, const QString& label);
  ~TSLDisplayAxis() override;

  virtual bool IsXAxis() const = 0;
  TSLZoomPin* ZoomPin() const { return zoomPin_; }

  // Zoom state, in shown values.
  bool IsZoomed() const;
  double ZoomedLow() const;
  double ZoomedHigh() const;
  void SetZoomed(double low, double high);
  // Leaves the zoomed state; true when the axis was zoomed.
  bool ZoomOff();
  // The shown range in values: the zoomed one, else the axis ends.
  double ShownMin() const;
  double ShownMax() const;
  // Zooms by `factor` about the centre of the shown value range.
  void ZoomByFactor(double factor);
  // Zooms about the value under `p` (control coordinates), which stays put.
  void ZoomAtPoint(const QPoint& p, double factor);
  // Sets the zoomed ends (in either order) within the axis limits: not below
  // the lowest allowed start, a span of at least 0.0001, the range limits;
  // the zoom pin tells linked axes `op`.
  void SetZoomRange(double a, double b, SL::TSLZoomOperation op = SL::zoZoom);
  // Moves the zoomed ends inside the enabled range limits.
  void ApplyRangeLimits(double& lo, double& hi);
  // Panning: the press stores the point and the shown range; each move
  // shifts the range so the content follows the pointer. Nothing moves
  // while the axis is not zoomed.
  void StartPan(const QPoint& p);
  const QPoint& PanPoint() const { return panPoint_; }
  virtual void PanBy(const QPoint& start, const QPoint& current);
  bool CanZoomIn();
  bool CanZoomOut();
  virtual bool IsReversed() const { return false; }
  // The lowest start a zoom may have: the value lower limit.
  virtual double LowestZoomStart() { return ValueLimits().lo; }

  // Pointer input on the band: the axis button (opens the axis page of the
  // property dialog), panning by dragging the band, zooming by the wheel.
  QRect ButtonRect();
  bool ButtonHovered() const { return buttonHover_; }
  bool ButtonPressed() const { return buttonPressed_; }
  bool BandDragging() const { return bandDrag_; }
  void MouseMove(Qt::KeyboardModifiers shift, const QPoint& p, bool& handled) override;
  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, bool& handled, bool inside,
                 const QPoint& p) override;
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, bool inside, const QPoint& p) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void WheelDown(Qt::KeyboardModifiers shift, const QPoint& p) override;
  void WheelUp(Qt::KeyboardModifiers shift, const QPoint& p) override;
  // Draws the button's hover or pressed frame over the band.
  void PaintButton(TLPCanvas& canvas);

  // Channels drawn against this axis (kept by the chart).
  QList<TSLDisplayChannel*> Channels() const { return channels_; }
  void AttachChannel(TSLDisplayChannel* channel);
  void DetachChannel(TSLDisplayChannel* channel);

  // Data-path notices from publishing (window thread).
  virtual void DataChanged() { ForgetRanges(); }
  void ForgetRanges() { cacheValid_ = false; }

  // --- ranges (cached until the data, the settings or the zoom change) ---
  TSLRange DataLimits();
  TSLRange ValueLimits();
  TSLRange TickLimits();
  TSLRange ShownData();
  TSLRange ShownValue();
  TSLRange ShownTick();
  double ToValue(double data);
  double ToData(double value);
  // The data value that keeps `value`'s linear relation to the data values
  // (sample numbers behind seconds): taken from the ends while they form a
  // finite relation, else the last one they formed (identity at first), so
  // a broken state (a NaN or overflowing end) is repaired by a sane range.
  double DataValueFor(double value);
  double DataToTick(double data);
  double TickToData(double tick);
  // Whether the axis runs horizontally on the screen.
  bool RunsHorizontally() const;
  // Pixel extent P along the axis (data view width or height - 1).
  int PixelExtent() const;
  // Mapping of the shown tick range onto P pixels: pixel = offset + v * scale
  // (from the data view's left edge, or upwards from its bottom edge).
  void PixelMapping(double& scale, double& offset);
  // A tick value to a screen coordinate of the data view.
  int TickToScreen(double tick);
  // A screen coordinate to a tick value.
  double ScreenToTick(int pixel);
  bool IsLogarithmic() const { return ScaleMode() != SL::smLinear; }

  // --- ticks and labels ---
  QString LabelText(double tick);
  // Title of the axis band ("Sec", "Samples", the label text, ...).
  virtual QString TitleText();
  double MajorStep(TLPCanvas& canvas);
  // Walks the drawn major ticks: (value, screen coordinate, counts as zero).
  void WalkMajorTicks(TLPCanvas& canvas, const std::function<void(double, int, bool)>& onMajor,
                      const std::function<void(int)>& onMinor = {});
  QSize BandSize(TLPCanvas& canvas);
  // Margins asked of the neighbouring sides (first: left or top).
  QPair<int, int> Margins(TLPCanvas& canvas);
  void PaintBand(TLPCanvas& canvas);
  // The mouse position mark (TrackCursor): a tick in TrackColor on the band
  // where `mouse` (inside the data view) lies along the axis, from `from` up
  // to `to` (left out); false when there is none.
  bool TrackMarkLine(const QPoint& mouse, QPoint& from, QPoint& to);
  void PaintTrackMark(TLPCanvas& canvas, const QPoint& mouse, TSLDotLine& lines);
  // The pixels PaintTrackMark covers (empty when it draws nothing).
  QRect TrackMarkRect(const QPoint& mouse);
  // Band alignment after the scope's orientation is applied.
  SL::TSLViewAlign ScreenAlign() const;

protected:
  virtual void ComputeLimits(const TSLAxisData& data) = 0;
  virtual TSLRange ComputeShown(const TSLAxisData& data) = 0;
  // Label extents for tick spacing.
  int LabelExtent(TLPCanvas& canvas);
  void EnsureRanges();
  TSLRange data_, value_, tick_, shown_;
  struct TRelation {
    double value = 0, data = 0, scale = 1;
  } relation_;
  bool cacheValid_ = false;
  int cacheGeneration_ = -1;

signals:
  void OnCustomStep(QObject* Sender, double SampleValue, double& Step, bool& Draw);
  void OnCustomLabel(QObject* Sender, double SampleValue, QString& AxisLabel);


protected:
  // Pan start: the press point and the shown value range then.
  QPoint panPoint_;
  TSLRange panRange_;

  // Tells the axes linked through the zoom pin this axis' zoom state.
  void TellZoomPin(SL::TSLZoomOperation op);

private:
  // Takes the zoom state of a linked axis, without passing it on.
  void FollowZoom(const TSLAxisZoomOperation& zoom);
  void SetButtonHover(bool on);
  void WheelStep(const QPoint& p, double factor);
  QList<TSLDisplayChannel*> channels_;
  bool buttonHover_ = false, buttonPressed_ = false, justClicked_ = false, bandDrag_ = false;
  // The axis label's measured size, and for which text and font: the
  // toolbar beside it asks for it again after every new block.
  QString buttonTitle_;
  QFont buttonFont_;
  QSize buttonTitleSize_;
  bool zoomed_ = false;
  double zoomLow_ = 0, zoomHigh_ = 0;
  TSLZoomPin* zoomPin_ = nullptr;
  bool followingZoom_ = false;
};

class TSLBasicDisplayXAxis : public TSLDisplayAxis {
  Q_OBJECT
public:
  TSLBasicDisplayXAxis(QObject* owner, TSLDataDisplay* display);
  bool IsXAxis() const override { return true; }

protected:
  void ComputeLimits(const TSLAxisData& data) override;
  TSLRange ComputeShown(const TSLAxisData& data) override;
};

class TSLUnitScale : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(bool, AutoScale, true, LayoutChanged)
  TLP_PROPERTY(int, Exponent, 0, LayoutChanged)
public:
  using TSLDisplayPersistent::TSLDisplayPersistent;
};

class TSLMaxSample : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(bool, Autosize, true, LayoutChanged)
  TLP_PROPERTY(int, Value, 1024, LayoutChanged)
public:
  using TSLDisplayPersistent::TSLDisplayPersistent;
};

class TSLDisplayXAxis : public TSLBasicDisplayXAxis {
  Q_OBJECT
  TLP_PROPERTY(SL::TSLDisplayAxisTicksMode, TicksMode, SL::atmAuto, LayoutChanged)
  TLP_SUBOBJECT(TSLUnitScale, UnitScale)
public:
  TSLDisplayXAxis(QObject* owner, TSLDataDisplay* display);
};

class TSLBasicScopeXAxis : public TSLDisplayXAxis {
  Q_OBJECT
  TLP_SUBOBJECT(TSLMaxSample, MaxSample)
public:
  TSLBasicScopeXAxis(QObject* owner, TSLDataDisplay* display);
  // A stream started: the rate-dependent spans are stale.
  void ResetRateScale() { ForgetRanges(); }
  // Sample count N, time-mode unit exponent and the mode in effect.
  int SampleCount();
  int UnitExponent();
  enum TMode { kSamples, kTime, kFrequency, kIntensity, kAxis, kManual };
  TMode EffectiveMode();
  QString TitleText() override;

protected:
  void ComputeLimits(const TSLAxisData& data) override;

private:
  TSLAxisData last_;
};

class TSLAdditionalAxes;

// The main X axis: the only one with additional axes.
class TSLScopeXAxis : public TSLBasicScopeXAxis {
  Q_OBJECT
  Q_PROPERTY(TSLAdditionalAxes* AdditionalAxes READ AdditionalAxes WRITE SetAdditionalAxes)
  Q_MOC_INCLUDE("scope/axes/additional_axes.h")
public:
  TSLScopeXAxis(QObject* owner, TSLDataDisplay* display);
  TSLAdditionalAxes* AdditionalAxes() const { return additional_; }
  void SetAdditionalAxes(TSLAdditionalAxes* other);

private:
  TSLAdditionalAxes* additional_ = nullptr;
};

class TSLBasicDisplayYAxis : public TSLDisplayAxis {
  Q_OBJECT
  TLP_PROPERTY(bool, Reversed, false, LayoutChanged)
public:
  TSLBasicDisplayYAxis(QObject* owner, TSLDataDisplay* display);
  bool IsXAxis() const override { return false; }
  // Read as a property, not looked up by name: the traces and the pointer
  // ask on every paint and move.
  bool IsReversed() const override { return !IsXAxis() && Reversed(); }

protected:
  void ComputeLimits(const TSLAxisData& data) override;
  TSLRange ComputeShown(const TSLAxisData& data) override;
};

class TSLAutoScaleSpace : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(double, Space, 20.0, LayoutChanged)
  TLP_PROPERTY(double, Threshold, 10.0, LayoutChanged)
public:
  using TSLDisplayPersistent::TSLDisplayPersistent;
};

class TSLScopeAutoScaling : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(bool, Enabled, true, LayoutChanged)
  TLP_SUBOBJECT(TSLAutoScaleSpace, SpaceAbove)
  TLP_SUBOBJECT(TSLAutoScaleSpace, SpaceBelow)
  TLP_PROPERTY(int, MaxHistory, 20, LayoutChanged)
public:
  TSLScopeAutoScaling(QObject* owner, TSLDataDisplay* display);
};

class TSLDisplayYAxis : public TSLBasicDisplayYAxis {
  Q_OBJECT
public:
  using TSLBasicDisplayYAxis::TSLBasicDisplayYAxis;
};

class TSLBasicScopeYAxis : public TSLDisplayYAxis {
  Q_OBJECT
  TLP_SUBOBJECT(TSLScopeAutoScaling, AutoScaling)
public:
  TSLBasicScopeYAxis(QObject* owner, TSLDataDisplay* display);
  void PanBy(const QPoint& start, const QPoint& current) override;
  // While auto-scaling, the data extent is no floor: the range shown (with
  // its margins) must stay as it is when zoomed by a factor of 1.
  double LowestZoomStart() override;
  // Forgets the auto-scaling history (a stream started or stopped).
  void ResetHistory();
  int HistoryCount() const { return historyCount_; }
  // After a publication with data: the current data ends join the history.
  void RecordHistory();

protected:
  void ComputeLimits(const TSLAxisData& data) override;
  TSLRange ComputeShown(const TSLAxisData& data) override;

private:
  QVector<double> lows_, highs_;
  int historyIndex_ = 0;
  int historyCount_ = 0;
  bool hasPrevious_ = false;
  bool limitsFromData_ = false;  // the data limits come from channel data
  TSLRange previous_;
};

// The main Y axis: the only one with additional axes.
class TSLScopeYAxis : public TSLBasicScopeYAxis {
  Q_OBJECT
  Q_PROPERTY(TSLAdditionalAxes* AdditionalAxes READ AdditionalAxes WRITE SetAdditionalAxes)
  Q_MOC_INCLUDE("scope/axes/additional_axes.h")
public:
  TSLScopeYAxis(QObject* owner, TSLDataDisplay* display);
  TSLAdditionalAxes* AdditionalAxes() const { return additional_; }
  void SetAdditionalAxes(TSLAdditionalAxes* other);

private:
  TSLAdditionalAxes* additional_ = nullptr;
};
