#pragma once
// Settings objects of the display: zooming, highlighting, trails and the
// axis button's settings; the toolbars are in toolbars/toolbars.h.

#include "scope/model/display_component.h"

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
