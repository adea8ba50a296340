#include "draw/custom_control.h"

#include <QCursor>
#include <QMouseEvent>

#include "pins/timer.h"

TLPCustomControl::TLPCustomControl(QWidget* parent)
    : TControl(parent), lock_(new TLPLock([this] { LockChanged(); })) {
  watch_ = new TLPTimer(this);
  watch_->SetEnabled(false);
  watch_->SetInterval(100);
  connect(watch_, &TLPTimer::OnTimer, this, [this](QObject*) { WatchTick(); });
  setMouseTracking(true);
}

TLPCustomControl::~TLPCustomControl() = default;

bool TLPCustomControl::IsWatchingMouse() const { return watch_->IsRunning(); }

void TLPCustomControl::Loaded() {
  loading_ = false;
  AfterLoaded();
}

QPoint TLPCustomControl::CurrentCursorPosition() const { return mapFromGlobal(QCursor::pos()); }

QPoint TLPCustomControl::HoverMousePosition() const {
  if (TracksMousePosition()) return mousePos_;
  return CurrentCursorPosition();
}

void TLPCustomControl::mouseMoveEvent(QMouseEvent* e) {
  if (!designing_) {
    mousePos_ = e->position().toPoint();
    // While a button is held the control keeps getting moves from outside;
    // only a pointer really over it enters (else the watch timer would
    // report leaving right after, again and again).
    if (!mouseInside_ && rect().contains(mousePos_)) {
      watch_->SetEnabled(true);
      MouseEnterMessage();
    }
  }
  TControl::mouseMoveEvent(e);
}

void TLPCustomControl::resizeEvent(QResizeEvent* e) {
  TControl::resizeEvent(e);
  RunEventHandler([&] { emit OnResize(this); });
}

void TLPCustomControl::MouseEnterMessage() {
  mouseInside_ = true;
  MouseEntered();
  RunEventHandler([&] { emit OnMouseEnter(this); });
}

void TLPCustomControl::MouseLeaveMessage() {
  mouseInside_ = false;
  watch_->SetEnabled(false);
  mousePos_ = kNoMousePosition;
  MouseLeft();
  RunEventHandler([&] { emit OnMouseLeave(this); });
}

void TLPCustomControl::WatchTick() {
  if (!mouseInside_) {
    watch_->SetEnabled(false);
    return;
  }
  if (!rect().contains(CurrentCursorPosition())) MouseLeaveMessage();
}

// ---------------------------------------------------------------------------

TSLComponentItems::TSLComponentItems(QObject* owner) : TLPPersistent(owner) {}

TSLComponentItems::~TSLComponentItems() { Clear(); }

void TSLComponentItems::Add(TSLCustomControlItem* item) {
  if (!item || items_.contains(item)) return;
  if (item->collection_ && item->collection_ != this) item->collection_->Remove(item);
  items_.append(item);
  item->collection_ = this;
}

void TSLComponentItems::Remove(TSLCustomControlItem* item) {
  items_.removeAll(item);
  if (item && item->collection_ == this) item->collection_ = nullptr;
}

void TSLComponentItems::Clear() {
  const auto items = items_;
  items_.clear();
  for (const auto& item : items) {
    if (!item) continue;
    item->collection_ = nullptr;
    item->setParent(nullptr);
    delete item.data();
  }
}

TSLCustomControlItem::TSLCustomControlItem(QWidget* parent)
    : TLPCustomControl(parent ? parent : HiddenParent()) {}

TSLCustomControlItem::~TSLCustomControlItem() {
  if (collection_) collection_->Remove(this);
}

void TSLCustomControlItem::SetOwnerCollection(TSLComponentItems* collection) {
  if (collection == collection_) return;
  if (collection_) collection_->Remove(this);
  if (collection) collection->Add(this);
}

QWidget* TSLCustomControlItem::HiddenParent() {
  // Lives for the whole process (items may outlive any window).
  static QWidget* hidden = [] {
    auto* w = new QWidget;
    w->setAttribute(Qt::WA_DontShowOnScreen);
    return w;
  }();
  return hidden;
}

// ---------------------------------------------------------------------------

TLPControlDrawLayer::TLPControlDrawLayer(QWidget* parent) : TSLCustomControlItem(parent) {}

TLPControlDrawLayer::~TLPControlDrawLayer() {
  // No drawing thread may be inside the layer while it goes.
  TRef<IOWLockSection> stop = Lock()->EnterStop();
  ClearObjectMap();
  while (!owned_.isEmpty()) delete owned_.takeLast();
}

QObject* TLPControlDrawLayer::ObjectForKey(const QString& key) const {
  const int i = keys_.indexOf(key);
  return i < 0 ? nullptr : keyed_[i];
}

void TLPControlDrawLayer::SetObjectForKey(const QString& key, QObject* object) {
  const int i = keys_.indexOf(key);
  if (i >= 0) {
    QObject* old = keyed_[i];
    if (object) {
      keyed_[i] = object;
    } else {
      keys_.removeAt(i);
      keyed_.removeAt(i);
    }
    if (old != object) delete old;
    return;
  }
  if (!object) return;
  keys_.append(key);
  keyed_.append(object);
}

void TLPControlDrawLayer::ClearObjectMap() {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  keys_.clear();
  const auto objects = keyed_;
  keyed_.clear();
  qDeleteAll(objects);
}

void TLPControlDrawLayer::ForwardMouseMove(Qt::KeyboardModifiers shift, const QPoint& p) {
  if (Accepts()) LayerMouseMove(shift, p);
}

void TLPControlDrawLayer::ForwardMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint& p) {
  if (Accepts()) LayerMouseDown(button, shift, p);
}

void TLPControlDrawLayer::ForwardMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint& p) {
  if (Accepts()) LayerMouseUp(button, shift, p);
}

bool TLPControlDrawLayer::ForwardMouseWheel(bool down, Qt::KeyboardModifiers shift, const QPoint& p) {
  // Strictly inside: a point on the border belongs to the neighbour too.
  const bool inside = p.x() > 0 && p.y() > 0 && p.x() < width() - 1 && p.y() < height() - 1;
  if (!Accepts() || !inside) return false;
  LayerMouseWheel(down, shift, p);
  return true;
}

void TLPControlDrawLayer::ForwardMouseEnter() {
  if (Accepts()) MouseEnterMessage();
}

void TLPControlDrawLayer::ForwardMouseLeave() {
  if (Accepts()) MouseLeaveMessage();
}
