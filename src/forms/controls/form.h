#pragma once
// Base of the windows built from window descriptions. A form is a
// top-level widget; its client area is ClientWidth x ClientHeight, and a
// fixed border (single or dialog) keeps it at that size. The first form
// shown through TForm::SetMainForm is the main form: closing it ends the
// event loop, closing any other form only hides it.

#include "draw/control.h"
#include "draw/vcl_types.h"

class TForm : public TControl {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth)
  Q_PROPERTY(int ClientHeight READ ClientHeight WRITE SetClientHeight)
  Q_PROPERTY(Vcl::TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
  Q_PROPERTY(Vcl::TBorderIcons BorderIcons READ BorderIcons WRITE SetBorderIcons)
  Q_PROPERTY(Vcl::TPosition Position READ Position WRITE SetPosition)
  Q_PROPERTY(bool KeyPreview READ KeyPreview WRITE SetKeyPreview)
  Q_PROPERTY(bool OldCreateOrder READ OldCreateOrder WRITE SetOldCreateOrder)
  Q_PROPERTY(int PixelsPerInch READ PixelsPerInch WRITE SetPixelsPerInch)
  Q_PROPERTY(int TextHeight READ TextHeight WRITE SetTextHeight)

public:
  explicit TForm(QWidget* parent = nullptr);
  ~TForm() override;

  QString Caption() const { return windowTitle(); }
  void SetCaption(const QString& v) { setWindowTitle(v); }
  int ClientWidth() const { return width(); }
  void SetClientWidth(int v);
  int ClientHeight() const { return height(); }
  void SetClientHeight(int v);
  // The form's Width/Height are its client size here (the frame belongs to
  // the window system).
  void SetWidth(int v) override { SetClientWidth(v); }
  void SetHeight(int v) override { SetClientHeight(v); }
  Vcl::TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(Vcl::TFormBorderStyle v);
  Vcl::TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(Vcl::TBorderIcons v);
  Vcl::TPosition Position() const { return position_; }
  void SetPosition(Vcl::TPosition v) { position_ = v; }
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool v) { keyPreview_ = v; }
  bool OldCreateOrder() const { return oldCreateOrder_; }
  void SetOldCreateOrder(bool v) { oldCreateOrder_ = v; }
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int v) { pixelsPerInch_ = v; }
  int TextHeight() const { return textHeight_; }
  void SetTextHeight(int v) { textHeight_ = v; }
  // A form is shown by Show, not by its Visible property being read in.
  void SetVisible(bool v) override;

  // Raises OnCreate once the description is read; an error in the handler
  // is shown and creation goes on.
  void DoCreate();
  void Show();
  void Hide() { hide(); }
  // Runs OnClose: the main form ends the event loop, others hide.
  bool Close() { return close(); }

  static TForm* MainForm();
  static void SetMainForm(TForm* form);

  // Finds a component of this form by name (nullptr when missing or of
  // another class).
  template <class T>
  T* Component(const char* name) const {
    return findChild<T*>(QString::fromLatin1(name));
  }

signals:
  void OnCreate(QObject* Sender);
  void OnShow(QObject* Sender);
  void OnClose(QObject* Sender, Vcl::TCloseAction& Action);
  void OnDestroy(QObject* Sender);

protected:
  void closeEvent(QCloseEvent* e) override;
  void showEvent(QShowEvent* e) override;

private:
  void UpdateWindowFlags();
  void UpdateSizeConstraints();
  void SetClientSize(int w, int h);
  void PlaceOnShow();
  Vcl::TFormBorderStyle borderStyle_ = Vcl::bsSizeable;
  Vcl::TBorderIcons borderIcons_ = Vcl::TBorderIcons(Vcl::biSystemMenu | Vcl::biMinimize | Vcl::biMaximize);
  Vcl::TPosition position_ = Vcl::poDesigned;
  bool keyPreview_ = false;
  bool oldCreateOrder_ = false;
  int pixelsPerInch_ = 96;
  int textHeight_ = 13;
  bool placed_ = false;
};
