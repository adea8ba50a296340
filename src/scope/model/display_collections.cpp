#include "scope/model/display_collections.h"

#include <cmath>

#include "scope/data_chart.h"

// --- item and collection bases ------------------------------------------------

TSLDisplayCollectionItem::TSLDisplayCollectionItem(TOWExtCollection* collection) : TLPCollectionItem(collection) {}

TSLDisplayCollection* TSLDisplayCollectionItem::DisplayCollection() const {
  return qobject_cast<TSLDisplayCollection*>(Collection());
}

TSLDataDisplay* TSLDisplayCollectionItem::Display() const {
  if (TSLDisplayCollection* c = DisplayCollection()) return c->Display();
  // An item of an item's own list (a cursor's channels): the owner's display.
  auto* owner = Collection() ? qobject_cast<TSLDisplayCollectionItem*>(Collection()->parent()) : nullptr;
  return owner ? owner->Display() : nullptr;
}

void TSLDisplayCollectionItem::ItemChanged() {
  if (TSLDataDisplay* d = Display()) {
    d->InvalidateStatic();
    d->Changed();
  }
}

void TSLDisplayCollectionItem::ItemLayoutChanged() {
  if (TSLDataDisplay* d = Display()) {
    d->InvalidateStatic();
    d->LayoutChanged();
  }
}

TSLDisplayPen* TSLDisplayCollectionItem::MakePen(const QColor& color, Vcl::TPenStyle style) {
  return Watched(new TSLDisplayPen(this, color, style));
}

TSLDisplayBrush* TSLDisplayCollectionItem::MakeBrush(const QColor& color, Vcl::TBrushStyle style) {
  return Watched(new TSLDisplayBrush(this, color, style));
}

TSLDisplayFont* TSLDisplayCollectionItem::MakeFont(int size, const QColor& color) {
  return Watched(new TSLDisplayFont(this, QStringLiteral("Arial"), size, color));
}

bool TSLAxesItemIndices::ReadDefinedProperty(const QString& name, const TStoredValue& value) {
  if (name != QLatin1String("AxisIndex_")) return false;
  if (value.kind != TStoredValue::Kind::List || value.items.isEmpty() || value.items.size() > 2)
    throw std::invalid_argument("expected a list of one or two axis indices");
  for (const TStoredValue& v : value.items)
    if (v.kind != TStoredValue::Kind::Integer || v.integer < 0 || v.integer > 1000)
      throw std::invalid_argument("axis indices are integers from 0");
  y_ = int(value.items[0].integer);
  if (value.items.size() > 1) x_ = int(value.items[1].integer);
  return true;
}

void TSLAxesItemIndices::WriteDefinedProperties(QList<QPair<QString, TStoredValue>>& out) const {
  out.append({QStringLiteral("AxisIndex_"), TStoredValue::ListOf({TStoredValue::Int(y_), TStoredValue::Int(x_)})});
}

void TSLOptionalAxesDisplayCollectionItem::SetAxisIndex(int& field, int i, bool x) {
  auto* chart = qobject_cast<TSLDataChart*>(Display());
  if (i < 0 || (chart && !(x ? chart->XAxisAt(i) : chart->YAxisAt(i)))) return;
  Lock()->SetIfChanged(field, i, [this] { ItemLayoutChanged(); });
}

void TSLOptionalAxesDisplayCollectionItem::AxisRemoved(bool x, int index) {
  int& field = x ? x_ : y_;
  if (index <= 0 || field < index) return;
  const int moved = field == index ? 0 : field - 1;
  Lock()->SetIfChanged(field, moved, [this] { ItemLayoutChanged(); });
}

void TSLOptionalAxesDisplayCollectionItem::ResolveAxisIndices() {
  auto* chart = qobject_cast<TSLDataChart*>(Display());
  if (!chart) return;
  if (!chart->XAxisAt(x_)) Lock()->SetIfChanged(x_, 0, [this] { ItemLayoutChanged(); });
  if (!chart->YAxisAt(y_)) Lock()->SetIfChanged(y_, 0, [this] { ItemLayoutChanged(); });
}

TSLDisplayCollection::TSLDisplayCollection(QObject* owner, TSLDataDisplay* display, TItemFactory factory)
    : TLPCollection(owner, std::move(factory)), display_(display) {}

// --- cursors ----------------------------------------------------------------

TSLDisplayCursorPosition::TSLDisplayCursorPosition(TSLDisplayCursor* cursor, TSLDataDisplay* display)
    : TSLDisplayPersistent(cursor, display), cursor_(cursor) {}

double TSLDisplayCursorPosition::X() const {
  const double x = Lock()->ReadGuarded(x_);
  auto* chart = qobject_cast<TSLDataChart*>(Display());
  if (!chart || chart->IsDesigning()) return x;
  TSLDisplayAxis* axis = chart->XAxisAt(cursor_->XAxisIndex());
  if (!axis) return x;
  // The full range of the axis, whatever the zoom.
  double lo = axis->Min()->Value(), hi = axis->Max()->Value();
  if (axis->Max()->Mode() == SL::mamOffset) hi = lo + hi;
  if (lo > hi) std::swap(lo, hi);
  return std::clamp(x, lo, hi);
}

void TSLDisplayCursorPosition::SetX(double x) { Lock()->SetIfChanged(x_, x, [this] { Changed(); }); }

void TSLDisplayCursorPosition::SetY(double y) {
  if (auto* chart = qobject_cast<TSLDataChart*>(Display())) y = chart->SnapCursorY(cursor_, y);
  Lock()->SetIfChanged(y_, y, [this] { Changed(); });
}

int SLChannelLinkIndex(const TLPCollection* links, int channel) {
  for (int i = 0; i < links->Count(); ++i)
    if (static_cast<TSLDisplayElementChannelLink*>(links->Item(i))->Channel() == channel) return i;
  return -1;
}

TSLDisplayCursorChannelLink::TSLDisplayCursorChannelLink(TOWExtCollection* collection)
    : TSLDisplayElementChannelLink(collection),
      Pen_(MakePen(QColor(Qt::red))),
      Brush_(MakeBrush(QColor(Qt::red))),
      ChannelLabel_(new TSLDisplayLabel(this, Display())) {}

TSLDisplayCursor::TSLDisplayCursor(TOWExtCollection* collection)
    : TSLOptionalAxesDisplayCollectionItem(collection),
      Position_(new TSLDisplayCursorPosition(this, Display())),
      MouseCursors_(new TSLDisplayCursorMouseCursor(this, Display())) {
  channels_ = new TLPCollection(this, [](TOWExtCollection* c) { return new TSLDisplayCursorChannelLink(c); });
  connect(channels_, &TOWExtCollection::Changed, this, [this] { ItemChanged(); });
  QList<QColor> used;
  for (int i = 0; i < collection->Count(); ++i)
    if (auto* c = qobject_cast<TSLDisplayCursor*>(collection->Item(i)); c && c != this) used.append(c->Color());
  SetColor(SLLeastUsedColor(used));
  SetName(QStringLiteral("Cursor%1").arg(collection->Count()));
}

TSLDisplayCursors::TSLDisplayCursors(QObject* owner, TSLDataDisplay* display)
    : TSLOptionalDisplayCollection(owner, display, [](TOWExtCollection* c) { return new TSLDisplayCursor(c); }) {}

TSLScopeMeasurementLine::TSLScopeMeasurementLine(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayPersistent(owner, display), MeasurementLabel_(Watched(new TSLOptionalLabel(this), true)) {}

void TSLScopeMeasurementLine::SetX(double v) {
  Lock()->SetIfChanged(x_, std::clamp(v, -100.0, 100.0), [this] { Changed(); });
}

void TSLScopeMeasurementLine::SetY(double v) {
  Lock()->SetIfChanged(y_, std::clamp(v, -100.0, 100.0), [this] { Changed(); });
}

TSLScopeSelection::TSLScopeSelection(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayPersistent(owner, display), Brush_(MakeBrush(QColor(128, 128, 128))) {}

TSLDisplayCursorLink::TSLDisplayCursorLink(TOWExtCollection* collection)
    : TSLDisplaySelectableCollectionItem(collection),
      MeasurementLine_(new TSLScopeMeasurementLine(this, Display())),
      Selection_(new TSLScopeSelection(this, Display())) {
  SetName(QStringLiteral("Link%1").arg(collection->Count()));
  // A new link joins the pair of cursors the fewest links join yet, the
  // first such pair in index order on a tie.
  const int cursors = CursorCount();
  int fewest = -1;
  for (int a = 0; a < cursors; ++a)
    for (int b = a + 1; b < cursors; ++b) {
      int joining = 0;
      for (int k = 0; k < collection->Count(); ++k) {
        auto* other = static_cast<TSLDisplayCursorLink*>(collection->Item(k));
        const int ob = other->BeginCursorIndex(), oe = other->EndCursorIndex();
        if ((ob == a && oe == b) || (ob == b && oe == a)) ++joining;
      }
      if (fewest < 0 || joining < fewest) {
        fewest = joining;
        begin_ = a;
        end_ = b;
      }
    }
  if (cursors == 1) begin_ = 0;
}

void TSLDisplayCursorLink::CursorRemoved(int index, int countBefore) {
  // An end on the removed cursor moves to the next cursor after it that is
  // not the other end, else to the nearest before it, else it is unset;
  // ends beyond it follow their cursors' new indices.
  const auto moved = [&](int end, int other) {
    if (end < 0) return end;
    if (end != index) return end > index ? end - 1 : end;
    for (int j = index + 1; j < countBefore; ++j)
      if (j != other) return j - 1;
    for (int j = index - 1; j >= 0; --j)
      if (j != other) return j;
    return -1;
  };
  int b, e;
  {
    TRef<IOWLockSection> guard = Lock()->EnterWrite();
    b = moved(begin_, end_);
    e = moved(end_, begin_);
    begin_ = b;
    end_ = e;
  }
  ItemChanged();
}

int TSLDisplayCursorLink::CursorCount() const {
  auto* chart = qobject_cast<TSLDataChart*>(Display());
  if (!chart) return 0;
  auto* cursors = chart->findChild<TSLDisplayCursors*>(QString(), Qt::FindDirectChildrenOnly);
  return cursors ? cursors->Count() : 0;
}

int TSLDisplayCursorLink::BeginCursorIndex() const {
  const int i = Lock()->ReadGuarded(begin_);
  return i < CursorCount() ? i : -1;
}

int TSLDisplayCursorLink::EndCursorIndex() const {
  const int i = Lock()->ReadGuarded(end_);
  return i < CursorCount() ? i : -1;
}

void TSLDisplayCursorLink::SetBeginCursorIndex(int i) {
  if (i < 0 || i >= CursorCount()) return;
  Lock()->SetIfChanged(begin_, i, [this] { ItemChanged(); });
}

void TSLDisplayCursorLink::SetEndCursorIndex(int i) {
  if (i < 0 || i >= CursorCount()) return;
  Lock()->SetIfChanged(end_, i, [this] { ItemChanged(); });
}

void TSLDisplayCursorLink::ResolveStoredIndices() {
  if (storedBegin_ >= 0 && storedBegin_ < CursorCount()) {
    SetBeginCursorIndex(storedBegin_);
    storedBegin_ = -1;
  }
  if (storedEnd_ >= 0 && storedEnd_ < CursorCount()) {
    SetEndCursorIndex(storedEnd_);
    storedEnd_ = -1;
  }
}

bool TSLDisplayCursorLink::ReadDefinedProperty(const QString& name, const TStoredValue& value) {
  if (name != QLatin1String("CursorIndex_")) return false;
  if (value.kind != TStoredValue::Kind::List || value.items.size() != 2)
    throw std::invalid_argument("expected a list of two cursor indices");
  for (const TStoredValue& v : value.items)
    if (v.kind != TStoredValue::Kind::Integer || v.integer < 0 || v.integer > 1000000)
      throw std::invalid_argument("cursor indices are integers from 0");
  storedBegin_ = int(value.items[0].integer);
  storedEnd_ = int(value.items[1].integer);
  ResolveStoredIndices();
  return true;
}

void TSLDisplayCursorLink::WriteDefinedProperties(QList<QPair<QString, TStoredValue>>& out) const {
  int b = BeginCursorIndex(), e = EndCursorIndex();
  // Indices still waiting for their cursors are kept as read.
  if (b < 0) b = storedBegin_;
  if (e < 0) e = storedEnd_;
  if (b >= 0 && e >= 0)
    out.append({QStringLiteral("CursorIndex_"), TStoredValue::ListOf({TStoredValue::Int(b), TStoredValue::Int(e)})});
}

TSLDisplayCursorLinks::TSLDisplayCursorLinks(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayCollection(owner, display, [](TOWExtCollection* c) { return new TSLDisplayCursorLink(c); }) {}

// --- the other collections ----------------------------------------------------

TSLDisplayChannelLink::TSLDisplayChannelLink(TOWExtCollection* collection)
    : TSLOptionalDisplayCollectionItem(collection), Brush_(MakeBrush(QColor(Qt::red))) {
  SetName(QStringLiteral("ChannelLink%1").arg(collection->Count()));
}

TSLDisplayChannelLinks::TSLDisplayChannelLinks(QObject* owner, TSLDataDisplay* display)
    : TSLOptionalDisplayCollection(owner, display,
                                   [](TOWExtCollection* c) { return new TSLDisplayChannelLink(c); }) {}

TSLMarkerLabels::TSLMarkerLabels(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayPersistent(owner, display), Font_(MakeFont()), Position_(new TSLMarkerLabelPosition(this, display)) {}

TSLCrosshairLines::TSLCrosshairLines(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayPersistent(owner, display),
      Left_(Watched(new TLPOptionalPenProperty(this, QColor(Qt::red), Vcl::psSolid, false), false)),
      Top_(Watched(new TLPOptionalPenProperty(this, QColor(Qt::red), Vcl::psSolid, false), false)),
      Right_(Watched(new TLPOptionalPenProperty(this, QColor(Qt::red), Vcl::psSolid, false), false)),
      Bottom_(Watched(new TLPOptionalPenProperty(this, QColor(Qt::red), Vcl::psSolid, false), false)) {}

TSLScopeMarkerGroup::TSLScopeMarkerGroup(TOWExtCollection* collection)
    : TSLOptionalDisplayCollectionItem(collection),
      Brush_(MakeBrush(QColor(Qt::red))),
      Pen_(MakePen(QColor(Qt::red))),
      CrosshairLines_(new TSLCrosshairLines(this, Display())),
      Labels_(new TSLMarkerLabels(this, Display())) {
  SetName(QStringLiteral("MarkerGroup%1").arg(collection->Count()));
}

TSLScopeMarkerGroups::TSLScopeMarkerGroups(QObject* owner, TSLDataDisplay* display)
    : TSLOptionalDisplayCollection(owner, display,
                                   [](TOWExtCollection* c) { return new TSLScopeMarkerGroup(c); }) {}

TSLDisplayBasicZone::TSLDisplayBasicZone(TOWExtCollection* collection)
    : TSLOptionalAxesDisplayCollectionItem(collection), Brush_(MakeBrush(QColor(Qt::red))), Pen_(MakePen(QColor(Qt::red))) {
  channels_ = new TLPCollection(this, [](TOWExtCollection* c) { return new TSLDisplayZoneChannelLink(c); });
  connect(channels_, &TOWExtCollection::Changed, this, [this] { ItemChanged(); });
}

TSLDisplayZone::TSLDisplayZone(TOWExtCollection* collection)
    : TSLDisplayBasicZone(collection),
      points_(new TLPCollection(this, [](TOWExtCollection* c) { return new TSLRealPointItem(c); })) {
  SetName(QStringLiteral("Zone%1").arg(collection->Count()));
}

TSLDisplayZones::TSLDisplayZones(QObject* owner, TSLDataDisplay* display)
    : TSLOptionalDisplayCollection(owner, display, [](TOWExtCollection* c) { return new TSLDisplayZone(c); }) {}

TSLDisplayEllipticZone::TSLDisplayEllipticZone(TOWExtCollection* collection)
    : TSLDisplayBasicZone(collection),
      Point1_(new TSLRealPointSettings(this, Display())),
      Point2_(new TSLRealPointSettings(this, Display())) {
  SetName(QStringLiteral("Ellipse%1").arg(collection->Count()));
}

TSLDisplayEllipticZones::TSLDisplayEllipticZones(QObject* owner, TSLDataDisplay* display)
    : TSLOptionalDisplayCollection(owner, display,
                                   [](TOWExtCollection* c) { return new TSLDisplayEllipticZone(c); }) {}

TSLDisplayTextLabel::TSLDisplayTextLabel(TOWExtCollection* collection)
    : TSLOptionalAxesDisplayCollectionItem(collection),
      Position_(new TSLRealPointSettings(this, Display())),
      Font_(MakeFont()) {
  SetName(QStringLiteral("Label%1").arg(collection->Count()));
}

TSLDisplayTextLabels::TSLDisplayTextLabels(QObject* owner, TSLDataDisplay* display)
    : TSLOptionalDisplayCollection(owner, display, [](TOWExtCollection* c) { return new TSLDisplayTextLabel(c); }) {}
