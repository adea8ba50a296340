#pragma once
// Settings objects of the display: zooming, highlighting, trails and the
// toolbars' published settings.

#include "scope/display_component.h"

class TSLDisplayZoom : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(bool, MouseWheelEnabled, true, NoNotify)
  TLP_PROPERTY(bool, MouseZoom, true, NoNotify)
  TLP_PROPERTY(bool, KeyboardZoom, true, NoNotify)
  TLP_PROPERTY(QColor, SelectionColor, QColor(Qt::white), Changed)
  TLP_PROPERTY(bool, HoldOnZoom, true, NoNotify)
  TLP_PROPERTY(bool, HoldOnPan, false, NoNotify)
  TLP_PROPERTY(SL::TSLDisplayZoomMode, Mode, SL::zmBoth, Changed)
public:
  using TSLDisplayPersistent::TSLDisplayPersistent;
};

class TSLDisplayItemHighlighting : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(bool, HiglightLegendButton, true, Changed)
  TLP_PROPERTY(bool, HiglightFromLegend, true, Changed)
  TLP_PROPERTY(bool, HiglightFromMouse, true, Changed)
  TLP_PROPERTY(QColor, Color, QColor(0, 255, 0), Changed)
public:
  TSLDisplayItemHighlighting(QObject* owner, TSLDataDisplay* display, bool fromMouse = true);
};

class TSLChannelItemHighlighting : public TSLDisplayItemHighlighting {
  Q_OBJECT
public:
  TSLChannelItemHighlighting(QObject* owner, TSLDataDisplay* display)
      : TSLDisplayItemHighlighting(owner, display, false) {}
};

class TSLChannelMouseHitPoint : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(bool, Enabled, true, Changed)
  TLP_PROPERTY(QColor, Color, QColor(Qt::red), Changed)
  TLP_PROPERTY(bool, UseChannelColor, true, Changed)
  TLP_SUBOBJECT(TSLOptionalLabel, PointLabel)
public:
  TSLChannelMouseHitPoint(QObject* owner, TSLDataDisplay* display);
};

class TSLDisplayHighlighting : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_SUBOBJECT(TSLChannelItemHighlighting, Channels)
  TLP_SUBOBJECT(TSLChannelItemHighlighting, ChannelLinks)
  TLP_SUBOBJECT(TSLDisplayItemHighlighting, Markers)
  TLP_SUBOBJECT(TSLDisplayItemHighlighting, Zones)
  TLP_SUBOBJECT(TSLDisplayItemHighlighting, Ellipses)
  TLP_SUBOBJECT(TSLDisplayItemHighlighting, Cursors)
  TLP_SUBOBJECT(TSLDisplayItemHighlighting, CursorLinks)
  TLP_SUBOBJECT(TSLDisplayItemHighlighting, Labels)
  TLP_SUBOBJECT(TSLChannelMouseHitPoint, MouseHitPoint)
public:
  TSLDisplayHighlighting(QObject* owner, TSLDataDisplay* display);
};

class TSLDisplayTrails : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(QColor, Color, QColor(Qt::white), Changed)
  TLP_SUBOBJECT(TSLDisplayFont, Font)
public:
  TSLDisplayTrails(QObject* owner, TSLDataDisplay* display);
};

// --- toolbars ---------------------------------------------------------------

// A button's published settings: shown or not, and its click event.
class TSLDisplayToolBarButton : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(bool, Visible, true, Changed)
public:
  using TSLDisplayPersistent::TSLDisplayPersistent;
signals:
  void OnClick(QObject* Sender, bool& Handled);
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
  using TSLDisplayComponent::TSLDisplayComponent;
  bool IsVisible() const override { return Visible(); }

protected:
  // The glyph sets follow the colours.
  virtual void ColorsChanged() { Changed(); }
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

class TSLDisplayToolBar : public TSLBasicDisplayToolBar {
  Q_OBJECT
  TLP_SUBOBJECT(TSLToolBarPosition, Position)
  TLP_SUBOBJECT(TSLDisplayToolBarButtons, Buttons)
public:
  TSLDisplayToolBar(QObject* owner, TSLDataDisplay* display);
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

class TSLAxisToolBar : public TSLBasicDisplayToolBar {
  Q_OBJECT
  TLP_SUBOBJECT(TSLAxisToolBarButtons, Buttons)
public:
  TSLAxisToolBar(QObject* owner, TSLDataDisplay* display);
};

// The button of an axis band (opens the axis page of the property dialog).
class TSLViewButtonSettings : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(bool, Enabled, true, Changed)
  TLP_PROPERTY(int, Cursor, crHandPoint, NoNotify)
  TLP_PROPERTY(QColor, MouseOverBorderColor, QColor(0, 255, 0), Changed)
  TLP_PROPERTY(QColor, MouseOverColor, QColor(0, 128, 0), Changed)
  TLP_PROPERTY(QColor, MouseDownBorderColor, QColor(255, 255, 0), Changed)
  TLP_PROPERTY(QColor, MouseDownColor, QColor(128, 128, 0), Changed)
public:
  using TSLDisplayPersistent::TSLDisplayPersistent;
signals:
  void OnClick(QObject* Sender, bool& Handled);
};
