#include "scope/data_chart.h"

#include <cmath>

#include "scope/axes/additional_axes.h"

namespace {
TSLPropertiesDialogOpener& Opener() {
  static TSLPropertiesDialogOpener opener;
  return opener;
}
}  // namespace

void TSLDataChart::SetPropertiesDialogOpener(TSLPropertiesDialogOpener opener) { Opener() = std::move(opener); }

void TSLDataChart::ShowPropertiesDialog(int page, int item) {
  if (!Opener()) return;
  // The toolbar is hidden while the dialog is open, and comes back after.
  const bool toolBarVisible = ToolBar()->Visible();
  ToolBar()->SetVisible(false);
  Opener()(this, page, item);
  ToolBar()->SetVisible(toolBarVisible);
}

void TSLDataChart::ShowAxisProperties(int axisIndex) {
  const int xCount = XAxisCount();
  if (axisIndex < xCount) ShowPropertiesDialog(kXAxesPage, axisIndex);
  else ShowPropertiesDialog(kYAxesPage, axisIndex - xCount);
}

TSLDataChart::TSLDataChart(QWidget* parent) : TSLDataDisplay(parent) {
  trails_ = new TSLDisplayTrails(this, this);
  title_ = new TSLDisplayTitle(this, this);
  highlighting_ = new TSLDisplayHighlighting(this, this);
}

TSLDataChart::~TSLDataChart() = default;

bool TSLDataChart::CursorsStayInView() const { return Lock()->ReadGuarded(cursorsStayInView_); }

void TSLDataChart::SetCursorsStayInView(bool v) { Lock()->SetIfChanged(cursorsStayInView_, v, [this] { Changed(); }); }

// Called per block: no list is built.
TSLDisplayAxis* TSLDataChart::XAxisAt(int index) const {
  if (index < 0 || !xAxis_) return nullptr;
  return index == 0 ? xAxis_ : xAxis_->AdditionalAxes()->Axis(index - 1);
}

TSLDisplayAxis* TSLDataChart::YAxisAt(int index) const {
  if (index < 0 || !yAxis_) return nullptr;
  return index == 0 ? yAxis_ : yAxis_->AdditionalAxes()->Axis(index - 1);
}

int TSLDataChart::XAxisIndexOf(const TSLDisplayAxis* axis) const {
  if (!axis || !xAxis_) return -1;
  if (axis == xAxis_) return 0;
  const int i = xAxis_->AdditionalAxes()->IndexOf(axis);
  return i < 0 ? -1 : i + 1;
}

int TSLDataChart::YAxisIndexOf(const TSLDisplayAxis* axis) const {
  if (!axis || !yAxis_) return -1;
  if (axis == yAxis_) return 0;
  const int i = yAxis_->AdditionalAxes()->IndexOf(axis);
  return i < 0 ? -1 : i + 1;
}

int TSLDataChart::XAxisCount() const { return xAxis_ ? 1 + xAxis_->AdditionalAxes()->Count() : 0; }

int TSLDataChart::YAxisCount() const { return yAxis_ ? 1 + yAxis_->AdditionalAxes()->Count() : 0; }

void TSLDataChart::WatchAdditionalAxes() {
  for (TSLAdditionalAxes* axes : {xAxis_->AdditionalAxes(), yAxis_->AdditionalAxes()})
    connect(axes, &TSLAdditionalAxes::AxesChanged, this, [this, axes](int removed) {
      layoutViewsStale_ = true;
      if (removed >= 0) AdditionalAxisRemoved(axes->IsXKind(), removed);
      InvalidateStatic();
      LayoutChanged();
    });
}

const QList<TSLDisplayView*>& TSLDataChart::LayoutViews() {
  const int extra = xAxis_ && yAxis_ ? xAxis_->AdditionalAxes()->Count() + yAxis_->AdditionalAxes()->Count() : 0;
  if (extra == 0) return Views();
  if (layoutViewsStale_ || layoutViews_.size() != Views().size()) {
    layoutViews_.clear();
    const auto additional = [this](const TSLAdditionalAxes* axes) {
      for (int i = axes->Count() - 1; i >= 0; --i) layoutViews_.append(axes->Axis(i));
    };
    for (TSLDisplayView* view : Views()) {
      auto* axis = qobject_cast<TSLDisplayAxis*>(view);
      if (axis == xAxis_) additional(xAxis_->AdditionalAxes());
      else if (axis == yAxis_) additional(yAxis_->AdditionalAxes());
      else if (axis && (XAxisIndexOf(axis) > 0 || YAxisIndexOf(axis) > 0)) continue;  // placed with its main axis
      layoutViews_.append(view);
    }
    layoutViewsStale_ = false;
  }
  return layoutViews_;
}

int TSLDataChart::AxisIndexOf(const TSLDisplayAxis* axis) const {
  const int x = XAxisIndexOf(axis);
  if (x >= 0) return x;
  const int y = YAxisIndexOf(axis);
  return y < 0 ? -1 : XAxisCount() + y;
}

void TSLDataChart::ZoomOff() {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  PushZoomState(false);
  TSLRealPoint lo, hi;
  ShownRange(lo, hi);
  ResetZoom();
  NotifyZoom(SL::zoZoomOff, lo, hi);
}

void TSLDataChart::ReapplyCursorPositions() {
  if (!cursors_) return;
  for (int i = 0; i < cursors_->Count(); ++i) {
    TSLDisplayCursor* c = cursors_->Cursor(i);
    c->Position()->SetX(c->Position()->X());
    c->Position()->SetY(c->Position()->Y());
  }
}

QString TSLDataChart::FormatAxisValue(const TSLDisplayAxis* axis, double value) const {
  return axis ? const_cast<TSLDisplayAxis*>(axis)->LabelText(value) : QString::number(value);
}

QString TSLDataChart::FormatPointText(const QString& format, const QString& defaultFormat, double x,
                                      double y) const {
  QString pending = format.isEmpty() ? defaultFormat : format;
  QString out;
  // "%D" inserts the default format in place; its placeholders are expanded
  // next. Each default is inserted at most once, so it cannot loop.
  bool defaultUsed = false;
  int i = 0;
  while (i < pending.size()) {
    const QChar c = pending[i++];
    if (c != QLatin1Char('%')) {
      out += c;
      continue;
    }
    if (i >= pending.size()) break;  // a "%" at the very end ends the text
    const QChar key = pending[i++].toUpper();
    if (key == QLatin1Char('%')) out += QLatin1Char('%');
    else if (key == QLatin1Char('X')) out += FormatAxisValue(xAxis_, x);
    else if (key == QLatin1Char('Y')) out += FormatAxisValue(yAxis_, y);
    else if (key == QLatin1Char('D') && !defaultUsed) {
      defaultUsed = true;
      pending.insert(i, defaultFormat);
    }
  }
  return out;
}
