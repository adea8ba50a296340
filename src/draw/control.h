#pragma once
// Base of the standard-control adapters: a widget whose published
// properties and events carry the names window descriptions use. Geometry
// is left, top, width and height relative to the parent; colours are
// QColor; the font is a QFont with its colour as FontColor.
//
// Events raised by the user's input run through RunEventHandler (an error
// ends the handler and is shown); events raised by code that sets a
// property run directly, so an error goes back to that code.

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

// A popup menu that a control shows on a context-menu request; the menus of
// the standard controls implement it, so the base needs no menu class.
class IControlPopupMenu {
public:
  virtual void PopupFor(QWidget* component, const QPoint& globalPos) = 0;

protected:
  ~IControlPopupMenu() = default;
};

// Maps the fonts the window descriptions name (Tahoma, Arial, MS Sans
// Serif) to installed metric-compatible fonts. Called by every form; safe
// to call again.
void InstallFontSubstitutions();

class TControl : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int Left READ Left WRITE SetLeft)
  Q_PROPERTY(int Top READ Top WRITE SetTop)
  Q_PROPERTY(int Width READ Width WRITE SetWidth)
  Q_PROPERTY(int Height READ Height WRITE SetHeight)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
  Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
  Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
  Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
  Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)
  Q_PROPERTY(QColor Color READ Color WRITE SetColor)
  Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
  Q_PROPERTY(QFont Font READ Font WRITE SetFont)
  Q_PROPERTY(QColor FontColor READ FontColor WRITE SetFontColor)
  Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
  Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)
  Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
  Q_PROPERTY(int Tag READ Tag WRITE SetTag)
  Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)
  Q_PROPERTY(QObject* PopupMenu READ PopupMenu WRITE SetPopupMenu)

public:
  explicit TControl(QWidget* parent = nullptr);

  int Left() const { return x(); }
  int Top() const { return y(); }
  int Width() const { return width(); }
  int Height() const { return height(); }
  virtual void SetLeft(int v) { move(v, y()); }
  virtual void SetTop(int v) { move(x(), v); }
  virtual void SetWidth(int v) {
    resize(qMax(0, v), height());
    Resized();
  }
  virtual void SetHeight(int v) {
    resize(width(), qMax(0, v));
    Resized();
  }
  void SetBounds(int left, int top, int width, int height);

  // Visible is the control's own flag, independent of its parents.
  bool Visible() const { return !isHidden(); }
  virtual void SetVisible(bool v) { setVisible(v); }
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool v) { setEnabled(v); }

  QString Hint() const { return hint_; }
  void SetHint(const QString& v);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool v);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool v) { parentShowHint_ = v; }
  // Whether the hint is shown: the own flag, or the parent's when
  // ParentShowHint is set.
  bool EffectiveShowHint() const;

  QColor Color() const { return color_; }
  void SetColor(const QColor& c);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool v);

  QFont Font() const { return font(); }
  void SetFont(const QFont& f);
  QColor FontColor() const { return fontColor_; }
  void SetFontColor(const QColor& c);
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool v);

  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int v) { tabOrder_ = v; }
  bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
  virtual void SetTabStop(bool v);
  int Tag() const { return tag_; }
  void SetTag(int v) { tag_ = v; }
  // The control's own pointer shape (crDefault 0, crArrow -2, crHandPoint
  // -21, ...): stored and applied. ShowPointerShape changes what is shown
  // without changing the own shape, RestorePointerShape returns to it.
  int Cursor() const { return cursor_; }
  void SetCursor(int shape);
  void ShowPointerShape(int shape);
  void RestorePointerShape() { ShowPointerShape(cursor_); }
  static Qt::CursorShape QtCursorShape(int shape);
  QObject* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(QObject* menu);

  // The control's text colour in effect (own or inherited).
  QColor TextColor() const;

  // Raises the events as user input would (for code and tests).
  void Click();

signals:
  void OnClick(QObject* Sender);
  void OnDblClick(QObject* Sender);
  void OnMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void OnMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void OnMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);

protected:
  bool event(QEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void connectNotify(const QMetaMethod& signal) override;
  void disconnectNotify(const QMetaMethod& signal) override;
  // Called after a size change, also while the control is hidden (when Qt
  // holds the resize event back): inner widgets follow the size here.
  virtual void Resized() {}
  void resizeEvent(QResizeEvent* e) override;
  // Called when font or text colour changed (own or inherited).
  virtual void FontChanged() {}
  // Called when Color or ParentColor changed.
  virtual void ColorChanged() { update(); }
  // Pure decorations (pictures and shapes without handlers, hint or menu)
  // let the mouse through to what lies below them.
  virtual bool PassesMouseWhenIdle() const { return false; }
  void UpdateMouseTransparency();
  // Fills the background with Color unless the control is transparent.
  virtual bool PaintsBackground() const { return true; }

private:
  QString hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  QColor color_;
  bool parentColor_ = false;
  QColor fontColor_;
  bool parentFont_ = true;
  int tabOrder_ = -1;
  int tag_ = 0;
  int cursor_ = 0;
  QObject* popupMenu_ = nullptr;
  bool pressed_ = false;
};
