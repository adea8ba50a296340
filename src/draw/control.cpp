#include "draw/control.h"

#include <QCursor>

#include "draw/message_service.h"

#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QHelpEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

void InstallFontSubstitutions() {
  static bool done = false;
  if (done) return;
  done = true;
  // Liberation Sans has Arial's metrics and is close to Tahoma's; DejaVu
  // Sans is the fallback when it is missing.
  const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
  for (const char* family : {"Tahoma", "Arial", "MS Sans Serif", "Microsoft Sans Serif", "Segoe UI"})
    QFont::insertSubstitutions(QString::fromLatin1(family), sans);
}

TControl::TControl(QWidget* parent) : QWidget(parent) {
  InstallFontSubstitutions();
  setFocusPolicy(Qt::NoFocus);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  setGeometry(left, top, qMax(0, width), qMax(0, height));
  Resized();
}

void TControl::resizeEvent(QResizeEvent*) { Resized(); }

void TControl::SetHint(const QString& v) {
  hint_ = v;
  UpdateMouseTransparency();
}

void TControl::SetShowHint(bool v) {
  showHint_ = v;
  parentShowHint_ = false;
}

bool TControl::EffectiveShowHint() const {
  if (!parentShowHint_) return showHint_;
  if (auto* p = qobject_cast<const TControl*>(parentWidget())) return p->EffectiveShowHint();
  return showHint_;
}

void TControl::SetColor(const QColor& c) {
  color_ = c;
  parentColor_ = false;
  ColorChanged();
}

void TControl::SetParentColor(bool v) {
  parentColor_ = v;
  if (v) color_ = QColor();
  ColorChanged();
}

void TControl::SetFont(const QFont& f) {
  setFont(f);
  parentFont_ = false;
  FontChanged();
  update();
}

void TControl::SetFontColor(const QColor& c) {
  fontColor_ = c;
  parentFont_ = false;
  // Only the enabled groups take the font colour; disabled controls show
  // the system's grey text, so that they look disabled. The style's own
  // disabled grey is nearly the windows' silver, where it would vanish.
  QPalette pal = palette();
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    for (auto group : {QPalette::Active, QPalette::Inactive}) pal.setColor(group, role, c);
    pal.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
  }
  setPalette(pal);
  FontChanged();
  update();
}

void TControl::SetParentFont(bool v) {
  parentFont_ = v;
  if (v) {
    setFont(QFont());
    setAttribute(Qt::WA_SetFont, false);
    fontColor_ = QColor();
    setPalette(QPalette());
    setAttribute(Qt::WA_SetPalette, false);
    FontChanged();
  }
}

QColor TControl::TextColor() const {
  if (fontColor_.isValid()) return fontColor_;
  if (auto* p = qobject_cast<const TControl*>(parentWidget())) return p->TextColor();
  return QColor(Qt::black);
}

void TControl::SetCursor(int shape) {
  cursor_ = shape;
  ShowPointerShape(shape);
}

void TControl::ShowPointerShape(int shape) {
  if (shape == 0) {
    unsetCursor();
    return;
  }
  // Asked again at every pointer move over the same part: Qt's setCursor
  // allocates, so only a change is passed on.
  const Qt::CursorShape wanted = QtCursorShape(shape);
  if (testAttribute(Qt::WA_SetCursor) && cursor().shape() == wanted) return;
  setCursor(QCursor(wanted));
}

Qt::CursorShape TControl::QtCursorShape(int shape) {
  switch (shape) {
    case -1: return Qt::BlankCursor;
    case -3: return Qt::CrossCursor;
    case -4: return Qt::IBeamCursor;
    case -6: return Qt::SizeBDiagCursor;
    case -7: return Qt::SizeVerCursor;
    case -8: return Qt::SizeFDiagCursor;
    case -9: return Qt::SizeHorCursor;
    case -10: return Qt::UpArrowCursor;
    case -11: return Qt::WaitCursor;
    case -12: return Qt::DragMoveCursor;
    case -13: case -18: return Qt::ForbiddenCursor;
    case -14: return Qt::SplitHCursor;
    case -15: return Qt::SplitVCursor;
    case -16: return Qt::DragCopyCursor;
    case -17: case -19: return Qt::BusyCursor;
    case -20: return Qt::WhatsThisCursor;
    case -21: return Qt::PointingHandCursor;
    case -22: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
  }
}

void TControl::SetTabStop(bool v) { setFocusPolicy(v ? Qt::StrongFocus : Qt::NoFocus); }

void TControl::SetPopupMenu(QObject* menu) {
  popupMenu_ = menu;
  UpdateMouseTransparency();
}

void TControl::Click() { emit OnClick(this); }

void TControl::UpdateMouseTransparency() {
  if (!PassesMouseWhenIdle()) return;
  const bool busy = !hint_.isEmpty() || popupMenu_ != nullptr ||
                    isSignalConnected(QMetaMethod::fromSignal(&TControl::OnClick)) ||
                    isSignalConnected(QMetaMethod::fromSignal(&TControl::OnDblClick)) ||
                    isSignalConnected(QMetaMethod::fromSignal(&TControl::OnMouseDown)) ||
                    isSignalConnected(QMetaMethod::fromSignal(&TControl::OnMouseUp)) ||
                    isSignalConnected(QMetaMethod::fromSignal(&TControl::OnMouseMove));
  setAttribute(Qt::WA_TransparentForMouseEvents, !busy);
}

void TControl::connectNotify(const QMetaMethod&) { UpdateMouseTransparency(); }
void TControl::disconnectNotify(const QMetaMethod&) { UpdateMouseTransparency(); }

bool TControl::event(QEvent* e) {
  if (e->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(e);
    if (EffectiveShowHint() && !hint_.isEmpty())
      QToolTip::showText(help->globalPos(), hint_, this);
    else
      QToolTip::hideText();
    return true;
  }
  if (e->type() == QEvent::FontChange || e->type() == QEvent::PaletteChange) FontChanged();
  return QWidget::event(e);
}

void TControl::mousePressEvent(QMouseEvent* e) {
  pressed_ = e->button() == Qt::LeftButton;
  const QPoint p = e->position().toPoint();
  RunEventHandler([&] { emit OnMouseDown(this, e->button(), e->modifiers(), p.x(), p.y()); });
}

void TControl::mouseReleaseEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(p);
  pressed_ = false;
  RunEventHandler([&] { emit OnMouseUp(this, e->button(), e->modifiers(), p.x(), p.y()); });
  if (click) RunEventHandler([&] { emit OnClick(this); });
}

void TControl::mouseDoubleClickEvent(QMouseEvent* e) {
  RunEventHandler([&] { emit OnDblClick(this); });
  mousePressEvent(e);
}

void TControl::mouseMoveEvent(QMouseEvent* e) {
  // One captured reference: the handler fits in the function object itself,
  // so a pointer move allocates nothing.
  const struct {
    TControl* self;
    Qt::KeyboardModifiers shift;
    QPoint p;
  } move{this, e->modifiers(), e->position().toPoint()};
  RunEventHandler([&move] { emit move.self->OnMouseMove(move.self, move.shift, move.p.x(), move.p.y()); });
}

void TControl::contextMenuEvent(QContextMenuEvent* e) {
  if (auto* menu = dynamic_cast<IControlPopupMenu*>(popupMenu_)) {
    menu->PopupFor(this, e->globalPos());
    e->accept();
    return;
  }
  QWidget::contextMenuEvent(e);
}

void TControl::paintEvent(QPaintEvent*) {
  if (!PaintsBackground() || parentColor_ || !color_.isValid()) return;
  QPainter painter(this);
  painter.fillRect(rect(), color_);
}
