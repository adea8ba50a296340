#pragma once
// Item and collection bases of the scope, and the collections other than
// channels: cursors, cursor links, channel links, marker groups, zones,
// ellipses and text labels.

#include <functional>

#include "pins/collection.h"
#include "scope/model/display_component.h"

class TSLDisplayCollection;

class TSLDisplayCollectionItem : public TLPCollectionItem {
  Q_OBJECT
  TLP_PROPERTY(QString, Name, QString(), NameChanged)
  TLP_PROPERTY(int, Tag, 0, NoNotify)
public:
  explicit TSLDisplayCollectionItem(TOWExtCollection* collection);
  TSLDataDisplay* Display() const;
  TSLDisplayCollection* DisplayCollection() const;

protected:
  void ItemChanged();
  void ItemLayoutChanged();
  virtual void NameChanged() { ItemLayoutChanged(); }
  void NoNotify() {}
  TSLDisplayPen* MakePen(const QColor& color, Vcl::TPenStyle style = Vcl::psSolid);
  TSLDisplayBrush* MakeBrush(const QColor& color, Vcl::TBrushStyle style = Vcl::bsSolid);
  TSLDisplayFont* MakeFont(int size = 8, const QColor& color = QColor(Qt::white));
  template <class T>
  T* Watched(T* child) {
    child->SetOnChange([this](TLPPersistentNotify*) { ItemChanged(); });
    return child;
  }

signals:
  void OnClick(QObject* Sender);
  void OnMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void OnMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void OnMouseEnter(QObject* Sender);
  void OnMouseLeave(QObject* Sender);
};

class TSLDisplaySelectableCollectionItem : public TSLDisplayCollectionItem {
  Q_OBJECT
public:
  using TSLDisplayCollectionItem::TSLDisplayCollectionItem;
};

class TSLOptionalDisplayCollectionItem : public TSLDisplaySelectableCollectionItem {
  Q_OBJECT
  TLP_PROPERTY(bool, Visible, true, ItemLayoutChanged)
public:
  using TSLDisplaySelectableCollectionItem::TSLDisplaySelectableCollectionItem;
};

// Items stored with the pseudo-property AxisIndex_ = (Y X); an index with no
// axis yet is remembered and resolved once the axes exist.
class TSLAxesItemIndices : public IDefinedProperties {
public:
  bool ReadDefinedProperty(const QString& name, const TStoredValue& value) override;
  void WriteDefinedProperties(QList<QPair<QString, TStoredValue>>& out) const override;

protected:
  int y_ = 0, x_ = 0;
};

// An optional item drawn against an axis pair; a setter ignores a negative
// index or one with no axis.
class TSLOptionalAxesDisplayCollectionItem : public TSLOptionalDisplayCollectionItem, public TSLAxesItemIndices {
  Q_OBJECT
  Q_PROPERTY(int XAxisIndex READ XAxisIndex WRITE SetXAxisIndex STORED false)
  Q_PROPERTY(int YAxisIndex READ YAxisIndex WRITE SetYAxisIndex STORED false)
public:
  using TSLOptionalDisplayCollectionItem::TSLOptionalDisplayCollectionItem;
  int XAxisIndex() const { return x_; }
  int YAxisIndex() const { return y_; }
  void SetXAxisIndex(int i) { SetAxisIndex(x_, i, true); }
  void SetYAxisIndex(int i) { SetAxisIndex(y_, i, false); }
  // An axis of one kind left at axis index `index` (never the main one):
  // an item on it goes back to the main axis, one after it follows it down.
  void AxisRemoved(bool x, int index);
  // After loading: an index read before its axis existed and still without
  // one falls back to the main axis.
  void ResolveAxisIndices();

private:
  void SetAxisIndex(int& field, int i, bool x);
};

class TSLDisplayCollection : public TLPCollection {
  Q_OBJECT
public:
  TSLDisplayCollection(QObject* owner, TSLDataDisplay* display, TItemFactory factory);
  TSLDataDisplay* Display() const { return display_; }

private:
  TSLDataDisplay* display_;
};

class TSLOptionalDisplayCollection : public TSLDisplayCollection {
  Q_OBJECT
public:
  using TSLDisplayCollection::TSLDisplayCollection;
};

// --- cursors --------------------------------------------------------------

class TSLDisplayCursor;

class TSLDisplayCursorPosition : public TSLDisplayPersistent {
  Q_OBJECT
  Q_PROPERTY(double X READ X WRITE SetX)
  Q_PROPERTY(double Y READ Y WRITE SetY)
public:
  TSLDisplayCursorPosition(TSLDisplayCursor* cursor, TSLDataDisplay* display);
  // X clamped into the full range of the cursor's X axis (not while designing).
  double X() const;
  // Stores without clamping; no event.
  void SetX(double x);
  double Y() const { return Lock()->ReadGuarded(y_); }
  void SetY(double y);
  double StoredX() const { return Lock()->ReadGuarded(x_); }

private:
  TSLDisplayCursor* cursor_;
  double x_ = 0, y_ = 0;
};

class TSLDisplayCursorMouseCursor : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(int, Horizontal, crDefault, NoNotify)
  TLP_PROPERTY(int, Vertical, crDefault, NoNotify)
  TLP_PROPERTY(int, Both, crDefault, NoNotify)
public:
  using TSLDisplayPersistent::TSLDisplayPersistent;
};

// A link from an element (cursor, zone, ellipse) to one of the scope's
// channels, by index.
class TSLDisplayElementChannelLink : public TSLDisplayCollectionItem {
  Q_OBJECT
  TLP_PROPERTY(int, Channel, 0, ItemChanged)
public:
  using TSLDisplayCollectionItem::TSLDisplayCollectionItem;
};

// The index of the first link of `links` to `channel`, or -1.
int SLChannelLinkIndex(const TLPCollection* links, int channel);

// A channel whose crossing with the cursor is marked, with a label of the
// value there ("%Y" on a vertical line by default).
class TSLDisplayCursorChannelLink : public TSLDisplayElementChannelLink {
  Q_OBJECT
  TLP_PROPERTY(bool, UseChannelColor, true, ItemChanged)
  TLP_PROPERTY(int, Size, 3, ItemChanged)
  TLP_PROPERTY(SL::TSLDisplayMarkerShape, Shape, SL::msCircle, ItemChanged)
  TLP_SUBOBJECT(TSLDisplayPen, Pen)
  TLP_SUBOBJECT(TSLDisplayBrush, Brush)
  TLP_SUBOBJECT(TSLDisplayLabel, ChannelLabel)
public:
  explicit TSLDisplayCursorChannelLink(TOWExtCollection* collection);
};

class TSLDisplayCursor : public TSLOptionalAxesDisplayCollectionItem {
  Q_OBJECT
  TLP_SUBOBJECT(TSLDisplayCursorPosition, Position)
  TLP_PROPERTY(QColor, Color, QColor(Qt::red), ItemChanged)
  TLP_PROPERTY(bool, CanDrag, true, NoNotify)
  TLP_PROPERTY(SL::TSLDisplayCursorKind, Kind, SL::ckVertical, ItemChanged)
  Q_PROPERTY(TLPCollection* Channels READ Channels)
  TLP_SUBOBJECT(TSLDisplayCursorMouseCursor, MouseCursors)
public:
  explicit TSLDisplayCursor(TOWExtCollection* collection);
  TLPCollection* Channels() const { return channels_; }
  TSLDisplayCursorChannelLink* ChannelLink(int i) const {
    return static_cast<TSLDisplayCursorChannelLink*>(channels_->Item(i));
  }

private:
  TLPCollection* channels_ = nullptr;
};

class TSLDisplayCursors : public TSLOptionalDisplayCollection {
  Q_OBJECT
public:
  TSLDisplayCursors(QObject* owner, TSLDataDisplay* display);
  TSLDisplayCursor* operator[](int i) const { return static_cast<TSLDisplayCursor*>(Item(i)); }
  TSLDisplayCursor* Cursor(int i) const { return (*this)[i]; }
signals:
  void OnPositionChange(QObject* Sender, int Index, TSLRealPoint& OldPosition, TSLRealPoint& NewPosition);
};

class TSLScopeMeasurementLine : public TSLDisplayPersistent {
  Q_OBJECT
  Q_PROPERTY(double X READ X WRITE SetX)
  Q_PROPERTY(double Y READ Y WRITE SetY)
  TLP_PROPERTY(bool, Visible, true, Changed)
  TLP_PROPERTY(QColor, Color, QColor(255, 255, 0), Changed)
  TLP_PROPERTY(Vcl::TPenStyle, Style, Vcl::psDot, Changed)
  TLP_PROPERTY(Vcl::TPenMode, Mode, Vcl::pmCopy, Changed)
  TLP_SUBOBJECT(TSLOptionalLabel, MeasurementLabel)
public:
  TSLScopeMeasurementLine(QObject* owner, TSLDataDisplay* display);
  double X() const { return Lock()->ReadGuarded(x_); }
  double Y() const { return Lock()->ReadGuarded(y_); }
  // Percent, clamped to -100 .. 100.
  void SetX(double v);
  void SetY(double v);

private:
  double x_ = 0, y_ = 0;
};

class TSLScopeSelection : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(bool, Visible, false, Changed)
  TLP_SUBOBJECT(TSLDisplayBrush, Brush)
public:
  TSLScopeSelection(QObject* owner, TSLDataDisplay* display);
};

class TSLDisplayCursorLink : public TSLDisplaySelectableCollectionItem, public IDefinedProperties {
  Q_OBJECT
  Q_PROPERTY(int BeginCursorIndex READ BeginCursorIndex WRITE SetBeginCursorIndex STORED false)
  Q_PROPERTY(int EndCursorIndex READ EndCursorIndex WRITE SetEndCursorIndex STORED false)
  TLP_SUBOBJECT(TSLScopeMeasurementLine, MeasurementLine)
  TLP_SUBOBJECT(TSLScopeSelection, Selection)
  TLP_PROPERTY(int, MouseCursor, crHandPoint, NoNotify)
public:
  explicit TSLDisplayCursorLink(TOWExtCollection* collection);
  // -1 while that end is unset; a setter ignores an index with no cursor.
  int BeginCursorIndex() const;
  int EndCursorIndex() const;
  void SetBeginCursorIndex(int i);
  void SetEndCursorIndex(int i);
  // Remembered indices of a description read before the cursors existed.
  void ResolveStoredIndices();
  // Cursor `index` of `countBefore` cursors was removed.
  void CursorRemoved(int index, int countBefore);
  bool ReadDefinedProperty(const QString& name, const TStoredValue& value) override;
  void WriteDefinedProperties(QList<QPair<QString, TStoredValue>>& out) const override;

private:
  int CursorCount() const;
  int begin_ = -1, end_ = -1;
  int storedBegin_ = -1, storedEnd_ = -1;
};

class TSLDisplayCursorLinks : public TSLDisplayCollection {
  Q_OBJECT
public:
  TSLDisplayCursorLinks(QObject* owner, TSLDataDisplay* display);
  TSLDisplayCursorLink* Link(int i) const { return static_cast<TSLDisplayCursorLink*>(Item(i)); }
signals:
  void OnPositionChange(QObject* Sender, int Index, TSLRealPoint& OldPosition, TSLRealPoint& NewPosition);
};

// --- channel links, marker groups, zones, ellipses, labels ----------------

class TSLDisplayChannelLink : public TSLOptionalDisplayCollectionItem {
  Q_OBJECT
  TLP_PROPERTY(int, FirstChannelIndex, 0, ItemChanged)
  TLP_PROPERTY(int, SecondChannelIndex, 1, ItemChanged)
  TLP_SUBOBJECT(TSLDisplayBrush, Brush)
  TLP_PROPERTY(int, Width, 5, ItemChanged)
  TLP_PROPERTY(SL::TSLScopeChannelLinkMode, ChannelLinkMode, SL::clmZone, ItemChanged)
public:
  explicit TSLDisplayChannelLink(TOWExtCollection* collection);
};

class TSLDisplayChannelLinks : public TSLOptionalDisplayCollection {
  Q_OBJECT
public:
  TSLDisplayChannelLinks(QObject* owner, TSLDataDisplay* display);
  TSLDisplayChannelLink* Link(int i) const { return static_cast<TSLDisplayChannelLink*>(Item(i)); }
};

class TSLMarkerLabelPosition : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(int, CX, 4, Changed)
  TLP_PROPERTY(int, CY, 0, Changed)
  TLP_PROPERTY(SL::TSLCoordinateMode, CoordinateMode, SL::cmRightTop, Changed)
public:
  using TSLDisplayPersistent::TSLDisplayPersistent;
};

class TSLMarkerLabels : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(QString, Text, QString(), Changed)
  TLP_SUBOBJECT(TSLDisplayFont, Font)
  TLP_PROPERTY(bool, Visible, true, Changed)
  TLP_SUBOBJECT(TSLMarkerLabelPosition, Position)
public:
  TSLMarkerLabels(QObject* owner, TSLDataDisplay* display);
};

class TSLCrosshairLines : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_SUBOBJECT(TLPOptionalPenProperty, Left)
  TLP_SUBOBJECT(TLPOptionalPenProperty, Top)
  TLP_SUBOBJECT(TLPOptionalPenProperty, Right)
  TLP_SUBOBJECT(TLPOptionalPenProperty, Bottom)
public:
  TSLCrosshairLines(QObject* owner, TSLDataDisplay* display);
};

class TSLScopeMarkerGroup : public TSLOptionalDisplayCollectionItem {
  Q_OBJECT
  TLP_SUBOBJECT(TSLDisplayBrush, Brush)
  TLP_SUBOBJECT(TSLDisplayPen, Pen)
  TLP_PROPERTY(SL::TSLDisplayMarkerShape, Shape, SL::msPlus, ItemChanged)
  TLP_SUBOBJECT(TSLCrosshairLines, CrosshairLines)
  TLP_PROPERTY(int, Size, 3, ItemChanged)
  TLP_SUBOBJECT(TSLMarkerLabels, Labels)
  TLP_PROPERTY(bool, CanDrag, false, NoNotify)
  TLP_PROPERTY(int, MouseCursor, crHandPoint, NoNotify)
public:
  explicit TSLScopeMarkerGroup(TOWExtCollection* collection);
signals:
  void OnDragged(QObject* Sender, int AOldPosition, int ANewPosition);
};

class TSLScopeMarkerGroups : public TSLOptionalDisplayCollection {
  Q_OBJECT
public:
  TSLScopeMarkerGroups(QObject* owner, TSLDataDisplay* display);
signals:
  void OnClick(QObject* Sender, int ChannelIndex, int MarkerIndex, TSLRealPoint ClickedValue, bool& Handled);
};

class TSLRealPointItem : public TLPCollectionItem {
  Q_OBJECT
  TLP_PROPERTY(double, X, 0.0, NoNotify)
  TLP_PROPERTY(double, Y, 0.0, NoNotify)
public:
  using TLPCollectionItem::TLPCollectionItem;

private:
  void NoNotify() {}
};

class TSLRealPointSettings : public TSLDisplayPersistent {
  Q_OBJECT
  TLP_PROPERTY(double, X, 0.0, Changed)
  TLP_PROPERTY(double, Y, 0.0, Changed)
public:
  using TSLDisplayPersistent::TSLDisplayPersistent;
};

// Common part of polygon and elliptic zones.
// A channel seen through a zone: the part of its trace inside the zone is
// drawn over in the zone's pen colour (Highlighting), its samples there are
// marked with dots (Points).
class TSLDisplayZoneChannelLink : public TSLDisplayElementChannelLink {
  Q_OBJECT
  TLP_PROPERTY(bool, Highlighting, true, ItemChanged)
  TLP_PROPERTY(bool, Points, false, ItemChanged)
public:
  using TSLDisplayElementChannelLink::TSLDisplayElementChannelLink;
};

class TSLDisplayBasicZone : public TSLOptionalAxesDisplayCollectionItem {
  Q_OBJECT
  Q_PROPERTY(TLPCollection* Channels READ Channels)
  TLP_SUBOBJECT(TSLDisplayBrush, Brush)
  TLP_SUBOBJECT(TSLDisplayPen, Pen)
  TLP_PROPERTY(int, MouseCursor, crHandPoint, NoNotify)
public:
  explicit TSLDisplayBasicZone(TOWExtCollection* collection);
  TLPCollection* Channels() const { return channels_; }
  TSLDisplayZoneChannelLink* ChannelLink(int i) const {
    return static_cast<TSLDisplayZoneChannelLink*>(channels_->Item(i));
  }

private:
  TLPCollection* channels_ = nullptr;
};

class TSLDisplayZone : public TSLDisplayBasicZone {
  Q_OBJECT
  Q_PROPERTY(TLPCollection* Points READ Points)
public:
  explicit TSLDisplayZone(TOWExtCollection* collection);
  TLPCollection* Points() const { return points_; }

private:
  TLPCollection* points_;
};

class TSLDisplayZones : public TSLOptionalDisplayCollection {
  Q_OBJECT
public:
  TSLDisplayZones(QObject* owner, TSLDataDisplay* display);
};

class TSLDisplayEllipticZone : public TSLDisplayBasicZone {
  Q_OBJECT
  TLP_SUBOBJECT(TSLRealPointSettings, Point1)
  TLP_SUBOBJECT(TSLRealPointSettings, Point2)
public:
  explicit TSLDisplayEllipticZone(TOWExtCollection* collection);
};

class TSLDisplayEllipticZones : public TSLOptionalDisplayCollection {
  Q_OBJECT
public:
  TSLDisplayEllipticZones(QObject* owner, TSLDataDisplay* display);
};

class TSLDisplayTextLabel : public TSLOptionalAxesDisplayCollectionItem {
  Q_OBJECT
  TLP_SUBOBJECT(TSLRealPointSettings, Position)
  TLP_SUBOBJECT(TSLDisplayFont, Font)
  TLP_PROPERTY(int, MouseCursor, crHandPoint, NoNotify)
public:
  explicit TSLDisplayTextLabel(TOWExtCollection* collection);
};

class TSLDisplayTextLabels : public TSLOptionalDisplayCollection {
  Q_OBJECT
public:
  TSLDisplayTextLabels(QObject* owner, TSLDataDisplay* display);
};
