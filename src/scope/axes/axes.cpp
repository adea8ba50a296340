#include "scope/axes/axes.h"

#include "scope/data_display.h"

TSLEnabledValue::TSLEnabledValue(QObject* owner, TSLDataDisplay* display, double value, bool enabled)
    : TSLDisplayPersistent(owner, display), Value_(value), Enabled_(enabled) {}

TSLAxisRange::TSLAxisRange(QObject* owner, TSLDataDisplay* display, double low, bool lowEnabled, double high,
                           bool highEnabled)
    : TSLDisplayPersistent(owner, display),
      Low_(new TSLEnabledValue(this, display, low, lowEnabled)),
      High_(new TSLEnabledValue(this, display, high, highEnabled)) {}

TSLAxisValue::TSLAxisValue(QObject* owner, TSLDataDisplay* display, double value)
    : TSLDisplayPersistent(owner, display),
      Value_(value),
      DataValue_(value),
      Range_(new TSLAxisRange(this, display, -1000, false, 1000, false)),
      Tick_(new TSLAxisTick(this, display)) {}

TSLMajorTicks::TSLMajorTicks(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayPersistent(owner, display), StartFrom_(new TSLTicksStart(this, display)) {}

TSLDisplayAxisZoom::TSLDisplayAxisZoom(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayPersistent(owner, display), Range_(new TSLAxisRange(this, display, 1e-07, true, 100000000, false)) {}

TSLDisplayGridDirectionalLinesSettings::TSLDisplayGridDirectionalLinesSettings(QObject* owner,
                                                                               TSLDataDisplay* display)
    : TSLDisplayPersistent(owner, display),
      Lines_(new TSLDisplayGridLineSettings(this, display, QColor(0, 128, 0))),
      ZeroLine_(new TSLDisplayGridLineSettings(this, display, QColor(Qt::white))) {}

TSLDisplayAxis::TSLDisplayAxis(QObject* owner, TSLDataDisplay* display, SL::TSLViewAlign align, double minValue,
                               double maxValue, const QString& label)
    : TSLTrackingOptionalAxis(owner, display, align),
      Min_(new TSLAxisValue(this, display, minValue)),
      Max_(new TSLMaxAxisValue(this, display, maxValue)),
      Format_(new TSLAxisFormat(this, display)),
      Font_(MakeFont()),
      AxisLabel_(new TSLDisplayTitleLabel(this, display, label)),
      MajorTicks_(new TSLMajorTicks(this, display)),
      MinorTicks_(new TSLMinorTicks(this, display)),
      Zooming_(new TSLDisplayAxisZoom(this, display)),
      ToolBar_(new TSLAxisToolBar(this, display)),
      Button_(new TSLViewButtonSettings(this, display)),
      CursorSettings_(new TSLAxisCursorSettings(this, display)),
      DataView_(new TSLDisplayGridDirectionalLinesSettings(this, display)) {
  // The pin belongs to the display, so it is named through its properties.
  zoomPin_ = new TSLZoomPin(display ? static_cast<QObject*>(display) : this, Lock(),
                            [this](const TSLAxisZoomOperation& zoom) { FollowZoom(zoom); });
  if (display) display->RegisterAxis(this);
}

TSLDisplayAxis::~TSLDisplayAxis() {
  delete zoomPin_;
  if (Display()) Display()->UnregisterAxis(this);
}

bool TSLDisplayAxis::IsZoomed() const { return Lock()->ReadGuarded(zoomed_); }
double TSLDisplayAxis::ZoomedLow() const { return Lock()->ReadGuarded(zoomLow_); }
double TSLDisplayAxis::ZoomedHigh() const { return Lock()->ReadGuarded(zoomHigh_); }

void TSLDisplayAxis::SetZoomed(double low, double high) {
  {
    TRef<IOWLockSection> guard = Lock()->EnterWrite();
    zoomed_ = true;
    zoomLow_ = low;
    zoomHigh_ = high;
  }
  ForgetRanges();
  LayoutChanged();
}

bool TSLDisplayAxis::ZoomOff() {
  bool was;
  {
    TRef<IOWLockSection> guard = Lock()->EnterWrite();
    was = zoomed_;
    zoomed_ = false;
  }
  ForgetRanges();
  LayoutChanged();
  TellZoomPin(SL::zoZoomOff);
  return was;
}

double TSLDisplayAxis::ShownMin() const { return IsZoomed() ? ZoomedLow() : Min()->Value(); }
double TSLDisplayAxis::ShownMax() const { return IsZoomed() ? ZoomedHigh() : Max()->Value(); }

void TSLDisplayAxis::AttachChannel(TSLDisplayChannel* channel) {
  if (!channels_.contains(channel)) channels_.append(channel);
}

void TSLDisplayAxis::DetachChannel(TSLDisplayChannel* channel) { channels_.removeAll(channel); }

TSLBasicDisplayXAxis::TSLBasicDisplayXAxis(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayAxis(owner, display, SL::vaBottom, 0, 1024, QString()) {}

TSLDisplayXAxis::TSLDisplayXAxis(QObject* owner, TSLDataDisplay* display)
    : TSLBasicDisplayXAxis(owner, display), UnitScale_(new TSLUnitScale(this, display)) {}

TSLBasicScopeXAxis::TSLBasicScopeXAxis(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayXAxis(owner, display), MaxSample_(new TSLMaxSample(this, display)) {}

TSLBasicDisplayYAxis::TSLBasicDisplayYAxis(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayAxis(owner, display, SL::vaLeft, -1000, 1000, QStringLiteral("Y Axis")) {}

TSLScopeAutoScaling::TSLScopeAutoScaling(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayPersistent(owner, display),
      SpaceAbove_(new TSLAutoScaleSpace(this, display)),
      SpaceBelow_(new TSLAutoScaleSpace(this, display)) {}

TSLBasicScopeYAxis::TSLBasicScopeYAxis(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayYAxis(owner, display), AutoScaling_(new TSLScopeAutoScaling(this, display)) {}
