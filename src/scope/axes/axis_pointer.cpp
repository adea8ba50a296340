// Pointer input on an axis band: the axis button over the axis label,
// panning the axis by dragging its band, and zooming it with the wheel.

#include <QFontMetrics>
#include <QPainter>

#include "draw/canvas.h"
#include "draw/message_service.h"
#include "scope/axes/axes.h"
#include "scope/data_chart.h"

QRect TSLDisplayAxis::ButtonRect() {
  if (!Button()->Enabled() || !AxisLabel()->Visible() || !IsShown()) return {};
  const QString title = TitleText();
  if (title.isEmpty()) return {};
  const QFont font = AxisLabel()->Font()->ToQFont();
  if (title != buttonTitle_ || font != buttonFont_ || buttonTitleSize_.isEmpty()) {
    const QFontMetrics metrics(font);
    buttonTitleSize_ = QSize(metrics.horizontalAdvance(title), metrics.height());
    buttonTitle_ = title;
    buttonFont_ = font;
  }
  const QSize size = buttonTitleSize_;
  const QRect band = ViewRect();
  const QRect view = Display()->DataViewRect();
  if (RunsHorizontally()) {
    const int top = ScreenAlign() == SL::vaBottom ? band.bottom() - size.height() - 1 : band.top() + 2;
    return QRect(view.left() + (view.width() - size.width()) / 2, top, size.width(), size.height());
  }
  const int x = ScreenAlign() == SL::vaLeft ? band.left() + 2 : band.right() - size.height() - 1;
  return QRect(x, view.top() + (view.height() - size.width()) / 2, size.height(), size.width());
}

void TSLDisplayAxis::SetButtonHover(bool on) {
  if (buttonHover_ == on) return;
  buttonHover_ = on;
  if (on) Display()->ShowButtonPointerShape(this, Button()->Cursor());
  else Display()->EndButtonPointerShape(this);
  Display()->Changed();
}

void TSLDisplayAxis::MouseMove(Qt::KeyboardModifiers shift, const QPoint& p, bool& handled) {
  const bool mine = !handled;
  TSLTrackingOptionalAxis::MouseMove(shift, p, handled);
  SetButtonHover(mine && ButtonRect().contains(p));
  if (bandDrag_ && Zooming()->MousePan() && IsZoomed()) {
    TSLRealPoint lo, hi;
    Display()->ShownRange(lo, hi);
    PanBy(panPoint_, p);
    Display()->NotifyZoom(SL::zoMousePan, lo, hi);
  }
}

void TSLDisplayAxis::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, bool& handled, bool inside,
                               const QPoint& p) {
  if (handled || button != Qt::LeftButton) return;
  justClicked_ = false;
  if (ButtonRect().contains(p)) {
    bool buttonHandled = false;
    RunEventHandler([&] { emit Button()->OnClick(this, buttonHandled); });
    if (!buttonHandled) {
      handled = true;
      justClicked_ = true;
      buttonPressed_ = true;
      Display()->Changed();
      if (auto* chart = qobject_cast<TSLDataChart*>(Display())) chart->ShowAxisProperties(chart->AxisIndexOf(this));
      return;
    }
  }
  if (inside && !justClicked_) {
    handled = true;
    bandDrag_ = true;
    StartPan(p);
  }
}

void TSLDisplayAxis::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, bool, const QPoint&) {
  if (button != Qt::LeftButton) return;
  if (buttonPressed_) Display()->Changed();
  buttonPressed_ = false;
  bandDrag_ = false;
}

void TSLDisplayAxis::MouseEnter() {
  if (ToolBar()->Visible() && ToolBar()->AutoHide()) Display()->Changed();
}

void TSLDisplayAxis::MouseLeave() {
  if (ToolBar()->Visible() && ToolBar()->AutoHide()) Display()->Changed();
  SetButtonHover(false);
}

void TSLDisplayAxis::WheelStep(const QPoint& p, double factor) {
  if (!Zooming()->MouseWheelEnabled()) return;
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  Display()->PushZoomState(true);
  TSLRealPoint lo, hi;
  Display()->ShownRange(lo, hi);
  ZoomAtPoint(p, factor);
  Display()->Changed();
  Display()->NotifyZoom(SL::zoMouseWheel, lo, hi);
}

void TSLDisplayAxis::WheelDown(Qt::KeyboardModifiers, const QPoint& p) { WheelStep(p, 1.1); }

void TSLDisplayAxis::WheelUp(Qt::KeyboardModifiers, const QPoint& p) { WheelStep(p, 0.9); }

void TSLDisplayAxis::PaintButton(TLPCanvas& canvas) {
  if (!buttonHover_ && !buttonPressed_) return;
  const QRect r = ButtonRect();
  if (r.isEmpty()) return;
  const QRect frame = r.adjusted(-1, -1, 1, 1);
  const bool down = buttonPressed_;
  canvas.Painter()->save();
  QColor fill = down ? Button()->MouseDownColor() : Button()->MouseOverColor();
  fill.setAlpha(96);
  canvas.Painter()->fillRect(frame, fill);
  canvas.Painter()->setPen(down ? Button()->MouseDownBorderColor() : Button()->MouseOverBorderColor());
  canvas.Painter()->setBrush(Qt::NoBrush);
  canvas.Painter()->drawRect(frame);
  canvas.Painter()->restore();
}
