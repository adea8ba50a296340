#include "forms/controls/form.h"

#include "draw/message_service.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QScreen>

namespace {
QPointer<TForm>& MainFormPointer() {
  static QPointer<TForm> form;
  return form;
}
}  // namespace

TForm::TForm(QWidget* parent) : TControl(parent) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  SetColor(QColor(0xF0, 0xF0, 0xF0));
  setAutoFillBackground(false);
  UpdateWindowFlags();
}

TForm::~TForm() {
  emit OnDestroy(this);
}

TForm* TForm::MainForm() { return MainFormPointer(); }
void TForm::SetMainForm(TForm* form) { MainFormPointer() = form; }

void TForm::SetVisible(bool v) {
  if (v) Show(); else hide();
}

void TForm::SetClientWidth(int v) { SetClientSize(qMax(0, v), height()); }

void TForm::SetClientHeight(int v) { SetClientSize(width(), qMax(0, v)); }

void TForm::SetClientSize(int w, int h) {
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  resize(w, h);
  UpdateSizeConstraints();
}

void TForm::UpdateSizeConstraints() {
  if (borderStyle_ != Vcl::bsSizeable && borderStyle_ != Vcl::bsSizeToolWin) {
    setFixedSize(size());
  } else {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
}

void TForm::SetBorderStyle(Vcl::TFormBorderStyle v) {
  borderStyle_ = v;
  UpdateWindowFlags();
}

void TForm::SetBorderIcons(Vcl::TBorderIcons v) {
  borderIcons_ = v;
  UpdateWindowFlags();
}

void TForm::UpdateWindowFlags() {
  if (parentWidget()) return;  // an embedded form is a plain child widget
  const bool visible = isVisible();
  Qt::WindowFlags flags;
  switch (borderStyle_) {
    case Vcl::bsDialog:
      flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
      break;
    case Vcl::bsToolWindow:
    case Vcl::bsSizeToolWin:
      flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
      break;
    case Vcl::bsNone:
      flags = Qt::Window | Qt::FramelessWindowHint;
      break;
    case Vcl::bsSingle:
    case Vcl::bsSizeable:
      flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
      if (borderIcons_ & Vcl::biSystemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
      if (borderIcons_ & Vcl::biMinimize) flags |= Qt::WindowMinimizeButtonHint;
      if ((borderIcons_ & Vcl::biMaximize) && borderStyle_ == Vcl::bsSizeable) flags |= Qt::WindowMaximizeButtonHint;
      break;
  }
  setWindowFlags(flags);
  UpdateSizeConstraints();
  if (visible) show();
}

void TForm::DoCreate() {
  RunEventHandler([this] { emit OnCreate(this); });
}

void TForm::Show() {
  show();
  raise();
  activateWindow();
}

void TForm::PlaceOnShow() {
  if (parentWidget()) return;
  // A centred window opens centred at every showing (the main window may
  // have moved while it was hidden); the others are placed once and then
  // stay where the user put them.
  const bool centred = position_ == Vcl::poMainFormCenter || position_ == Vcl::poOwnerFormCenter ||
                       position_ == Vcl::poScreenCenter || position_ == Vcl::poDesktopCenter;
  if (placed_ && !centred) return;
  placed_ = true;
  QRect frame = frameGeometry();
  QRect target;
  if (position_ == Vcl::poMainFormCenter || position_ == Vcl::poOwnerFormCenter) {
    TForm* main = MainForm();
    if (main && main != this && main->isVisible()) target = main->frameGeometry();
  }
  if (target.isNull() && position_ != Vcl::poDesigned && position_ != Vcl::poDefault &&
      position_ != Vcl::poDefaultPosOnly && position_ != Vcl::poDefaultSizeOnly) {
    if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
      target = screen->availableGeometry();
  }
  if (target.isNull()) return;
  frame.moveCenter(target.center());
  move(frame.topLeft());
}

void TForm::showEvent(QShowEvent* e) {
  // The window system's own show events (a window restored from an icon)
  // are no new showing.
  if (!e->spontaneous()) PlaceOnShow();
  TControl::showEvent(e);
  if (!e->spontaneous()) RunEventHandler([this] { emit OnShow(this); });
}

void TForm::closeEvent(QCloseEvent* e) {
  Vcl::TCloseAction action = this == MainForm() ? Vcl::caFree : Vcl::caHide;
  RunEventHandler([&] { emit OnClose(this, action); });
  if (action == Vcl::caNone) {
    e->ignore();
    return;
  }
  e->accept();
  if (this == MainForm()) {
    // Closing the main form ends the program.
    QCoreApplication::quit();
  } else if (action == Vcl::caMinimize) {
    e->ignore();
    showMinimized();
  }
}
