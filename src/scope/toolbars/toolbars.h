#pragma once
// The button bars a display draws on itself: the main toolbar (hold,
// navigation mode, copy, print, save, setup and zoom buttons) and one
// toolbar per axis (zoom buttons for that axis). They are display
// components: the display routes the pointer to them before its views, and
// its painting pass draws them by copying prebuilt glyph sets.

#include <QImage>
#include <QList>
#include <QRect>
#include <QVector>
#include <functional>

#include "scope/model/display_component.h"
#include "scope/toolbars/toolbar_glyphs.h"

class TLPCanvas;
class TSLDisplayAxis;

// A button's published settings: shown or not, and its click event. Two
// buttons of a toolbar may share one (hold and resume, for instance).
class TSLDisplayToolBarButton : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(bool, Visible, true, Changed)
public:
  using TSLDisplayPersistent::TSLDisplayPersistent;
signals:
  void OnClick(QObject* Sender, bool& Handled);
};

// One button of a toolbar: its glyph, its action, its published settings
// and its own state. It is drawn and hit only while both its own and the
// published Visible are set; pressed lasts from the press on it to the
// next left release.
class TSLDisplayIntToolBarButton {
public:
  TSLDisplayIntToolBarButton(int glyph, TSLDisplayToolBarButton* settings, std::function<void()> action)
      : glyph(glyph), settings(settings), action(std::move(action)) {}
  bool Drawn() const { return visible && settings->Visible(); }

  int glyph;
  TSLDisplayToolBarButton* settings;
  std::function<void()> action;
  bool visible = true;
  bool enabled = true;
  bool pressed = false;
};

class TSLBasicDisplayToolBar : public TSLDisplayComponent {
  Q_OBJECT
  TLP_PROPERTY(bool, Visible, true, Changed)
  TLP_PROPERTY(bool, AutoHide, true, Changed)
  TLP_PROPERTY(QColor, GlyphColor, QColor(255, 255, 0), ColorsChanged)
  TLP_PROPERTY(QColor, BorderColor, QColor(0, 128, 0), ColorsChanged)
  TLP_PROPERTY(QColor, ButtonColor, QColor(Qt::black), ColorsChanged)
  TLP_PROPERTY(QColor, MouseOverBorderColor, QColor(0, 255, 0), ColorsChanged)
  TLP_PROPERTY(QColor, MouseOverButtonColor, QColor(0, 128, 0), ColorsChanged)
  TLP_PROPERTY(QColor, MouseDownBorderColor, QColor(255, 255, 0), ColorsChanged)
  TLP_PROPERTY(QColor, MouseDownButtonColor, QColor(128, 128, 0), ColorsChanged)
  TLP_PROPERTY(QColor, DisabledColor, QColor(0, 128, 0), ColorsChanged)
  TLP_PROPERTY(int, Cursor, crHandPoint, NoNotify)
public:
  // Cells are a 16-pixel glyph and one pixel of spacing.
  static constexpr int kCell = 17;

  TSLBasicDisplayToolBar(QObject* owner, TSLDataDisplay* display);

  bool IsToolBar() const override { return true; }
  bool IsVisible() const override { return Visible(); }
  // The frozen rectangle while the pointer is over the toolbar, else the
  // rectangle at ToolBarLeft, ToolBarTop.
  QRect GetBounds() const override;
  virtual int ToolBarLeft() const = 0;
  virtual int ToolBarTop() const = 0;
  virtual int ButtonRows() const = 0;
  // Refreshes the buttons' states and draws the drawn ones.
  virtual void PaintToolBar(TLPCanvas& canvas);
  // Whether the painting pass draws it now (Visible, and AutoHide allows).
  virtual bool ShouldDraw() const = 0;

  void MouseMove(Qt::KeyboardModifiers shift, const QPoint& p, bool& handled) override;
  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, bool& handled, bool inside,
                 const QPoint& p) override;
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, bool inside, const QPoint& p) override;
  void MouseEnter() override;
  void MouseLeave() override;

  int ButtonCount() const { return int(buttons_.size()); }
  const TSLDisplayIntToolBarButton& IntButton(int i) const { return buttons_[i]; }
  // The square of button i, or an empty rectangle when it is not drawn.
  QRect ButtonSquare(int i) const;
  bool Frozen() const { return frozen_; }
  bool PointerOverButton() const { return overButton_; }
  const TSLGlyphSets& GlyphSets() const { return glyphs_; }

  // Draws the display's toolbars that are due: the axis toolbars, then the
  // main toolbar on top.
  static void PaintDisplayToolBars(TSLDataDisplay& display, TLPCanvas& canvas);

protected:
  void AddButton(int glyph, TSLDisplayToolBarButton* settings, std::function<void()> action);
  TSLDisplayIntToolBarButton& Button(int i) { return buttons_[i]; }
  // Internal visibility and enabled states from the display's state.
  virtual void RefreshButtons() = 0;
  // Internally visible buttons (the geometry counts them, drawn or not).
  int VisibleCount() const;
  int Width() const;
  void ColorsChanged();

private:
  // Calls f(button index, square) for every drawn button, packed row by row.
  void Walk(const std::function<void(int, const QRect&)>& f) const;
  void Click(int index);

  QList<TSLDisplayIntToolBarButton> buttons_;
  TSLGlyphSets glyphs_;
  int glyphBuilds_ = 0;
  // The buttons as last painted and what they showed then.
  QImage picture_;
  QVector<int> pictureKey_, keyScratch_;
  QRect frozenRect_;
  bool frozen_ = false;
  bool overButton_ = false;
};

class TSLToolBarPosition : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(int, CX, 3, Changed)
  TLP_PROPERTY(int, CY, 3, Changed)
  TLP_PROPERTY(SL::TSLCoordinateMode, CoordinateMode, SL::cmRightTop, Changed)
  TLP_PROPERTY(SL::TSLToolBarHostView, HostView, SL::thvDisplay, Changed)
public:
  using TSLDisplayPersistent::TSLDisplayPersistent;
};

class TSLDisplayToolBarButtons : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_SUBOBJECT(TSLDisplayToolBarButton, Setup)
  TLP_SUBOBJECT(TSLDisplayToolBarButton, Hold)
  TLP_SUBOBJECT(TSLDisplayToolBarButton, ZoomOff)
  TLP_SUBOBJECT(TSLDisplayToolBarButton, ZoomPrevious)
  TLP_SUBOBJECT(TSLDisplayToolBarButton, ZoomNext)
  TLP_SUBOBJECT(TSLDisplayToolBarButton, ZoomIn)
  TLP_SUBOBJECT(TSLDisplayToolBarButton, ZoomOut)
  TLP_SUBOBJECT(TSLDisplayToolBarButton, ZoomMode)
  TLP_SUBOBJECT(TSLDisplayToolBarButton, XYZoomOn)
  TLP_SUBOBJECT(TSLDisplayToolBarButton, Copy)
  TLP_SUBOBJECT(TSLDisplayToolBarButton, Print)
  TLP_SUBOBJECT(TSLDisplayToolBarButton, Save)
public:
  TSLDisplayToolBarButtons(QObject* owner, TSLDataDisplay* display);
};

// The display's main toolbar: two rows of six, placed in the control or
// the data view by Position.
class TSLDisplayToolBar : public TSLBasicDisplayToolBar {
  Q_OBJECT
  TLP_SUBOBJECT(TSLToolBarPosition, Position)
  TLP_SUBOBJECT(TSLDisplayToolBarButtons, Buttons)
public:
  // Internal buttons in list order (drawing and hit order).
  enum { kPlay, kPause, kZoomMode, kPanMode, kCopy, kPrint, kSave, kSetup, kZoomIn, kZoomOut, kZoomOff,
         kZoomPrevious, kZoomNext, kXYZoomOn };
  TSLDisplayToolBar(QObject* owner, TSLDataDisplay* display);
  int ToolBarLeft() const override;
  int ToolBarTop() const override;
  int ButtonRows() const override { return 2; }
  bool ShouldDraw() const override;

protected:
  void RefreshButtons() override;

private:
  QRect HostArea() const;
  void Print();
  void Save();
};

class TSLAxisToolBarButtons : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_SUBOBJECT(TSLDisplayToolBarButton, ZoomIn)
  TLP_SUBOBJECT(TSLDisplayToolBarButton, ZoomOut)
  TLP_SUBOBJECT(TSLDisplayToolBarButton, ZoomOff)
  TLP_SUBOBJECT(TSLDisplayToolBarButton, ZoomOneDir)
public:
  TSLAxisToolBarButtons(QObject* owner, TSLDataDisplay* display);
};

// An axis's toolbar (its owner is the axis): zoom in, out and off on that
// axis, and restricting the display's zooming to that axis's direction.
class TSLAxisToolBar : public TSLBasicDisplayToolBar {
  Q_OBJECT
  TLP_SUBOBJECT(TSLAxisToolBarButtons, Buttons)
public:
  enum { kZoomIn, kZoomOut, kZoomOff, kZoomOneDir };
  TSLAxisToolBar(TSLDisplayAxis* axis, TSLDataDisplay* display);
  TSLDisplayAxis* Axis() const { return axis_; }
  bool IsVisible() const override;
  int ToolBarLeft() const override;
  int ToolBarTop() const override;
  int ButtonRows() const override;
  bool ShouldDraw() const override;

protected:
  void RefreshButtons() override;

private:
  void ZoomBy(double factor);
  void ZoomOff();
  SL::TSLDisplayZoomMode OwnMode() const;
  // Top left corner: at the band's outer edge, or beside the axis label.
  // Asked at every pointer move: kept while the display's content and the
  // band and view rectangles stay (the label's extent takes text shaping).
  QPoint Place() const;
  QPoint PlaceNow() const;
  struct TPlaceKey {
    int content = -1;
    QRect band, view;
    bool operator==(const TPlaceKey&) const = default;
  };
  mutable TPlaceKey placeKey_;
  mutable QPoint place_;
  TSLDisplayAxis* axis_;
};
