#include "scope/data_chart.h"

#include <cmath>

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
  const int xCount = int(XAxes().size());
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

namespace {
// The index-th axis of one kind, without building a list (called per block).
TSLDisplayAxis* NthAxis(const QList<TSLDisplayAxis*>& axes, bool x, int index) {
  if (index < 0) return nullptr;
  for (TSLDisplayAxis* a : axes)
    if (a->IsXAxis() == x && index-- == 0) return a;
  return nullptr;
}
}  // namespace

TSLDisplayAxis* TSLDataChart::XAxisAt(int index) const { return NthAxis(Axes(), true, index); }

TSLDisplayAxis* TSLDataChart::YAxisAt(int index) const { return NthAxis(Axes(), false, index); }

int TSLDataChart::XAxisIndexOf(const TSLDisplayAxis* axis) const {
  return int(XAxes().indexOf(const_cast<TSLDisplayAxis*>(axis)));
}

int TSLDataChart::YAxisIndexOf(const TSLDisplayAxis* axis) const {
  return int(YAxes().indexOf(const_cast<TSLDisplayAxis*>(axis)));
}

int TSLDataChart::AxisIndexOf(const TSLDisplayAxis* axis) const {
  const int x = XAxisIndexOf(axis);
  if (x >= 0) return x;
  const int y = YAxisIndexOf(axis);
  return y < 0 ? -1 : int(XAxes().size()) + y;
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
