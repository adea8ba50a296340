// Pointer, wheel and key input of the display, handed to its components:
// toolbars first (they lie on top), then the views, each list from the last
// registered to the first.

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "draw/message_service.h"
#include "scope/axes/axes.h"
#include "scope/data_display.h"

void TSLDataDisplay::mouseMoveEvent(QMouseEvent* e) {
  // Held for the whole move: the many property reads of the routing and
  // hit tests read at once instead of taking the lock each.
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  BeginCollect();
  TLPControlDrawLayer::mouseMoveEvent(e);
  const QPoint p = e->position().toPoint();
  bool handled = false;
  const QList<TSLDisplayComponent*> list = components_;
  for (int pass = 0; pass < 2; ++pass)
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
      TSLDisplayComponent* c = *it;
      if (c->IsToolBar() == (pass == 0) && c->IsVisible() && components_.contains(c))
        c->MouseMove(e->modifiers(), p, handled);
    }
  // What the move changed beyond the overlay, the parts said themselves;
  // the pieces that follow the pointer are repainted where they were and
  // where they are now, and nothing else.
  EndCollect();
}

void TSLDataDisplay::mousePressEvent(QMouseEvent* e) {
  if (!hasFocus() && TabStop()) setFocus(Qt::MouseFocusReason);
  TLPControlDrawLayer::mousePressEvent(e);
  const QPoint p = e->position().toPoint();
  bool handled = false;
  const QList<TSLDisplayComponent*> list = components_;
  for (int pass = 0; pass < 2 && !handled; ++pass)
    for (auto it = list.rbegin(); it != list.rend() && !handled; ++it) {
      TSLDisplayComponent* c = *it;
      if (c->IsToolBar() != (pass == 0) || !c->IsVisible() || !components_.contains(c)) continue;
      c->MouseDown(e->button(), e->modifiers(), handled, c->GetBounds().contains(p), p);
    }
}

void TSLDataDisplay::mouseReleaseEvent(QMouseEvent* e) {
  TLPControlDrawLayer::mouseReleaseEvent(e);
  const QPoint p = e->position().toPoint();
  const QList<TSLDisplayComponent*> list = components_;
  for (auto it = list.rbegin(); it != list.rend(); ++it)
    if (components_.contains(*it)) (*it)->MouseUp(e->button(), e->modifiers(), (*it)->GetBounds().contains(p), p);
}

void TSLDataDisplay::wheelEvent(QWheelEvent* e) {
  // High-resolution wheels deliver parts of a step; whole steps count.
  wheelRemainder_ += e->angleDelta().y();
  const QPoint p = e->position().toPoint();
  while (std::abs(wheelRemainder_) >= 120) {
    const bool down = wheelRemainder_ < 0;
    wheelRemainder_ += down ? 120 : -120;
    WheelStep(down, e->modifiers(), p);
  }
  e->accept();
}

void TSLDataDisplay::WheelStep(bool down, Qt::KeyboardModifiers shift, const QPoint& p) {
  bool handled = false;
  RunEventHandler([&] {
    if (down) emit OnMouseWheelDown(this, shift, p, handled);
    else emit OnMouseWheelUp(this, shift, p, handled);
  });
  if (handled) return;
  const QList<TSLDisplayComponent*> list = components_;
  for (TSLDisplayComponent* c : list) {
    if (!components_.contains(c) || !c->GetBounds().contains(p)) continue;
    if (down) c->WheelDown(shift, p);
    else c->WheelUp(shift, p);
  }
  if (DataViewRect().contains(p)) WheelZoom(p, down ? 1.1 : 0.9, down ? 1.1 : 0.9);
}

void TSLDataDisplay::keyPressEvent(QKeyEvent* e) {
  TLPControlDrawLayer::keyPressEvent(e);
  const QString text = e->text();
  if (text.size() == 1) KeyboardZoom(text[0]);
}

void TSLDataDisplay::MouseEntered() {
  for (TSLDisplayComponent* c : QList<TSLDisplayComponent*>(components_)) c->MouseEnterControl();
  if (ToolBar()->Visible() && ToolBar()->AutoHide()) OverlayChanged();
}

void TSLDataDisplay::MouseLeft() {
  for (TSLDisplayComponent* c : QList<TSLDisplayComponent*>(components_)) c->MouseLeaveControl();
  // The toolbar hides, and buttons lose their hover look.
  OverlayChanged();
  if (buttonShape_ || elementShape_) {
    buttonShape_ = elementShape_ = false;
    buttonShapeOwner_ = nullptr;
    RestorePointerShape();
  }
}

void TSLDataDisplay::ShowButtonPointerShape(const QObject* owner, int shape) {
  if (buttonShape_ && buttonShapeOwner_ == owner) return;
  buttonShape_ = true;
  buttonShapeOwner_ = owner;
  ShowPointerShape(shape);
}

void TSLDataDisplay::EndButtonPointerShape(const QObject* owner) {
  if (!buttonShape_ || buttonShapeOwner_ != owner) return;
  buttonShape_ = false;
  buttonShapeOwner_ = nullptr;
  RestorePointerShape();
}

void TSLDataDisplay::ShowElementPointerShape(int shape) {
  elementShape_ = true;
  if (!buttonShape_) ShowPointerShape(shape);
}

void TSLDataDisplay::EndElementPointerShape() {
  if (!elementShape_) return;
  elementShape_ = false;
  if (!buttonShape_) RestorePointerShape();
}
