#pragma once
// The plot area, the title and the legend views.

#include "scope/model/display_component.h"

class QTimer;
class TLPCanvas;
class TSLGlyphSets;
class TSLLegendGroupCollection;

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
  Q_PROPERTY(TSLLegendGroupCollection* CustomGroups READ CustomGroups)
  Q_MOC_INCLUDE("scope/axes/legend_custom_groups.h")
public:
  TSLScopeLegendView(QObject* owner, TSLDataDisplay* display);
  ~TSLScopeLegendView() override;
  // Application-defined groups, listed after the scope's own.
  TSLLegendGroupCollection* CustomGroups() const { return customGroups_; }

  // --- layout and painting (legend_paint.cpp) ---
  // One listed entry: its group (in listing order), the item's index in the
  // group's collection and the row's centre line (scrolled).
  struct TEntry {
    int group = -1;
    int item = -1;
    int centre = 0;
  };
  // The width the band asks for: 0 when no group lists anything.
  int AutoWidth() const;
  // Entries and captions at the current scroll offset, in listing order.
  QList<TEntry> Entries() const;
  int RowHeight() const;
  // The row of an entry: from the band's left + 5 to its right - 5.
  QRect EntryRect(const TEntry& entry) const;
  // Background, captions, samples and texts (the cached band layer).
  void PaintBand(TLPCanvas& canvas);
  // Not printed: the buttons behind highlighted entries and the scroll
  // buttons while the pointer is over the legend.
  void PaintOverlay(TLPCanvas& canvas);

  // --- pointer and scrolling (legend_pointer.cpp) ---
  int ScrollOffset() const { return offset_; }
  bool CanScrollUp() const { return offset_ > 0; }
  bool CanScrollDown() const;
  // One step of 10 pixels up (negative) or down.
  void ScrollStep(int direction);
  QRect UpButtonRect() const;
  QRect DownButtonRect() const;
  bool ScrollButtonsShown() const;
  bool ScrollRepeating() const;
  // The item whose entry is under the pointer (Buttons.Enabled only).
  QObject* HoveredItem() const;
  // The channel highlighted from the legend, if any.
  QObject* HighlightedChannel() const;
  void MouseMove(Qt::KeyboardModifiers shift, const QPoint& p, bool& handled) override;
  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, bool& handled, bool inside,
                 const QPoint& p) override;
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, bool inside, const QPoint& p) override;
  void MouseLeave() override;
  void WheelDown(Qt::KeyboardModifiers shift, const QPoint& p) override;
  void WheelUp(Qt::KeyboardModifiers shift, const QPoint& p) override;

private:
  struct TGroupRef;
  QList<TGroupRef> GroupRefs() const;
  QObject* ItemOf(const TEntry& entry) const;
  void PaintEntry(TLPCanvas& canvas, const TEntry& entry, const QList<TGroupRef>& groups);
  void SetHovered(const TEntry& entry);
  void RepeatTick();
  int offset_ = 0;
  enum TScrollButton { sbNone, sbUp, sbDown };
  TScrollButton scrollHover_ = sbNone, scrollHeld_ = sbNone;
  TEntry hovered_, pressed_;
  QTimer* repeat_ = nullptr;
  TSLGlyphSets* buttonGlyphs_ = nullptr;
  QList<QColor> buttonColors_;
  TSLLegendGroupCollection* customGroups_ = nullptr;
};
