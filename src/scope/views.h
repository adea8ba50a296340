#pragma once
// The plot area, the title and the legend views.

#include "scope/display_component.h"

class TSLScopeDataView : public TSLCustomColorDisplayView {
  Q_OBJECT
  TLP_SUBOBJECT(TSLDisplayGridLineSettings, Border)
public:
  TSLScopeDataView(QObject* owner, TSLDataDisplay* display);
  // Hands the pointer to the display's data-view routing.
  void MouseMove(Qt::KeyboardModifiers shift, const QPoint& p, bool& handled) override;
  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, bool& handled, bool inside,
                 const QPoint& p) override;
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, bool inside, const QPoint& p) override;
  void MouseEnterControl() override;
  void MouseLeaveControl() override;
};

class TSLDisplayTitle : public TSLOptionalView {
  Q_OBJECT
  TLP_PROPERTY(QString, Text, QStringLiteral("Scope"), LayoutChanged)
  TLP_SUBOBJECT(TSLDisplayFont, Font)
public:
  TSLDisplayTitle(QObject* owner, TSLDataDisplay* display);
};

class TSLLegendViewButtonSettings : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(bool, Enabled, true, Changed)
  TLP_PROPERTY(int, Cursor, crHandPoint, NoNotify)
  TLP_PROPERTY(QColor, MouseOverBorderColor, QColor(0, 255, 0), Changed)
  TLP_PROPERTY(QColor, MouseOverColor, QColor(0, 128, 0), Changed)
  TLP_PROPERTY(QColor, MouseDownBorderColor, QColor(255, 255, 0), Changed)
  TLP_PROPERTY(QColor, MouseDownColor, QColor(128, 128, 0), Changed)
  TLP_PROPERTY(QColor, GlyphColor, QColor(255, 255, 0), Changed)
  TLP_PROPERTY(QColor, BorderColor, QColor(0, 128, 0), Changed)
  TLP_PROPERTY(QColor, ButtonColor, QColor(Qt::black), Changed)
  TLP_PROPERTY(QColor, DisabledColor, QColor(0, 128, 0), Changed)
public:
  using TSLDisplayPersistent::TSLDisplayPersistent;
};

class TSLBasicLegendGroup : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_SUBOBJECT(TSLDisplayLabel, Caption)
  TLP_PROPERTY(bool, Visible, true, LayoutChanged)
  TLP_PROPERTY(int, Cursor, crHandPoint, NoNotify)
public:
  TSLBasicLegendGroup(QObject* owner, TSLDataDisplay* display, const QString& defaultCaption);
  QString DefaultCaption() const { return defaultCaption_; }
  // The caption shown: the stored text, else the default.
  QString CaptionText() const;

private:
  QString defaultCaption_;
};

class TSLLegendGroup : public TSLBasicLegendGroup {
  Q_OBJECT
public:
  using TSLBasicLegendGroup::TSLBasicLegendGroup;
signals:
  void OnItemClick(QObject* Sender, int ChannelIndex, bool& Handled);
};

class TSLLegendView : public TSLOptionalView {
  Q_OBJECT
  TLP_SUBOBJECT(TSLDisplayFont, Font)
  TLP_SUBOBJECT(TSLLegendViewButtonSettings, Buttons)
public:
  TSLLegendView(QObject* owner, TSLDataDisplay* display);
};

class TSLScopeLegendView : public TSLLegendView {
  Q_OBJECT
  TLP_SUBOBJECT(TSLLegendGroup, Channels)
  TLP_SUBOBJECT(TSLLegendGroup, ChannelLinks)
  TLP_SUBOBJECT(TSLLegendGroup, MarkerGroups)
  TLP_SUBOBJECT(TSLLegendGroup, Zones)
  TLP_SUBOBJECT(TSLLegendGroup, Ellipses)
  TLP_SUBOBJECT(TSLLegendGroup, Cursors)
  TLP_SUBOBJECT(TSLLegendGroup, CursorLinks)
  TLP_SUBOBJECT(TSLLegendGroup, Labels)
public:
  TSLScopeLegendView(QObject* owner, TSLDataDisplay* display);
};
