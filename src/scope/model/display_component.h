#pragma once
// Bases of the scope's property objects and views. Every object shares the
// display's lock; a change of a value that only alters appearance calls the
// display's Changed, one that alters sizes or positions LayoutChanged.

#include <QRect>

#include "draw/display_properties.h"
#include "pins/persistent.h"
#include "scope/model/scope_types.h"

class TSLDataDisplay;

// A property object of a display.
class TSLDisplayPersistent : public TLPPersistent {
  Q_OBJECT
public:
  TSLDisplayPersistent(QObject* owner, TSLDataDisplay* display);
  TSLDataDisplay* Display() const { return display_; }

protected:
  void Changed();
  void LayoutChanged();
  void NoNotify() {}
  // Pen, brush, font and label children whose changes reach the display.
  TSLDisplayPen* MakePen(const QColor& color, Vcl::TPenStyle style = Vcl::psSolid);
  TSLDisplayBrush* MakeBrush(const QColor& color, Vcl::TBrushStyle style = Vcl::bsSolid);
  TSLDisplayFont* MakeFont(int size = 8, const QColor& color = QColor(Qt::white), Vcl::TFontStyles style = {},
                           const QString& name = QStringLiteral("Arial"));
  template <class T>
  T* Watched(T* child, bool layout) {
    child->SetOnChange([this, layout](TLPPersistentNotify*) { layout ? LayoutChanged() : Changed(); });
    return child;
  }

private:
  TSLDataDisplay* display_;
};

// A sub-object registered in the display's component list (pointer routing).
// The display hands pointer input to its components from the last
// registered to the first; positions are in control coordinates.
class TSLDisplayComponent : public TSLDisplayPersistent {
  Q_OBJECT
public:
  TSLDisplayComponent(QObject* owner, TSLDataDisplay* display);
  ~TSLDisplayComponent() override;

  virtual QRect GetBounds() const { return {}; }
  virtual bool IsVisible() const { return true; }
  virtual bool IsToolBar() const { return false; }
  // Takes the move when not yet handled and inside GetBounds (hover on),
  // else drops the hover.
  virtual void MouseMove(Qt::KeyboardModifiers shift, const QPoint& p, bool& handled);
  virtual void MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, bool& /*handled*/, bool /*inside*/,
                         const QPoint&) {}
  virtual void MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, bool /*inside*/, const QPoint&) {}
  virtual void MouseLeaveControl();
  virtual void MouseEnterControl() {}
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void WheelDown(Qt::KeyboardModifiers, const QPoint&) {}
  virtual void WheelUp(Qt::KeyboardModifiers, const QPoint&) {}
  bool Hovered() const { return hover_; }

private:
  bool hover_ = false;
};

// A rectangle placed by the layout; registered in the display's view list.
class TSLDisplayView : public TSLDisplayComponent {
  Q_OBJECT
public:
  TSLDisplayView(QObject* owner, TSLDataDisplay* display);
  ~TSLDisplayView() override;
  QRect ViewRect() const { return rect_; }
  void SetViewRect(const QRect& r) { rect_ = r; }
  QRect GetBounds() const override { return IsShown() ? rect_ : QRect(); }
  virtual bool IsShown() const { return true; }

private:
  QRect rect_;
};

class TSLDisplayViewBackground : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(QColor, Color, QColor(Qt::black), Changed)
  TLP_PROPERTY(bool, UseControlColor, true, Changed)
public:
  using TSLDisplayPersistent::TSLDisplayPersistent;
};

class TSLCustomColorDisplayView : public TSLDisplayView {
  Q_OBJECT
  TLP_SUBOBJECT(TSLDisplayViewBackground, Background)
public:
  TSLCustomColorDisplayView(QObject* owner, TSLDataDisplay* display);
};

class TSLViewSize : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(bool, AutoSize, true, LayoutChanged)
  TLP_PROPERTY(int, Size, 100, LayoutChanged)
public:
  using TSLDisplayPersistent::TSLDisplayPersistent;
};

class TSLCustomSizeDisplayView : public TSLCustomColorDisplayView {
  Q_OBJECT
  TLP_SUBOBJECT(TSLViewSize, ViewSize)
  TLP_PROPERTY(SL::TSLViewAlign, Align, SL::vaTop, LayoutChanged)
public:
  TSLCustomSizeDisplayView(QObject* owner, TSLDataDisplay* display, SL::TSLViewAlign align);
};

class TSLOptionalView : public TSLCustomSizeDisplayView {
  Q_OBJECT
  TLP_PROPERTY(bool, Visible, true, LayoutChanged)
public:
  using TSLCustomSizeDisplayView::TSLCustomSizeDisplayView;
  bool IsShown() const override { return Visible(); }
  bool IsVisible() const override { return Visible(); }
};

// Grid-line settings: a visible flag and a pen.
class TSLDisplayGridLineSettings : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(bool, Visible, true, Changed)
  TLP_SUBOBJECT(TSLDisplayPen, Pen)
public:
  TSLDisplayGridLineSettings(QObject* owner, TSLDataDisplay* display, const QColor& color);
};

// A label with text, font and visibility whose changes alter the layout.
class TSLDisplayLabel : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(QString, Text, QString(), LayoutChanged)
  TLP_SUBOBJECT(TSLDisplayFont, Font)
  TLP_PROPERTY(bool, Visible, true, LayoutChanged)
public:
  TSLDisplayLabel(QObject* owner, TSLDataDisplay* display, const QString& text = {}, int fontSize = 8,
                  Vcl::TFontStyles style = {});
};
