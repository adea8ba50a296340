#include "pins/collection.h"

#include "pins/component.h"

TOWExtCollectionItem::TOWExtCollectionItem(TOWExtCollection* collection)
    : TOWExtCollectionItem(collection, TRef<TLPLock>()) {}

TOWExtCollectionItem::TOWExtCollectionItem(TOWExtCollection* collection, TRef<TLPLock> lock)
    : QObject(collection), itemLock_(std::move(lock)) {
  if (collection) collection->Attach(this);
}

TOWExtCollectionItem::~TOWExtCollectionItem() {
  if (watcher_) *watcher_ = false;
  if (collection_) collection_->Detach(this);
}

int TOWExtCollectionItem::Index() const { return collection_ ? collection_->IndexOf(this) : -1; }

bool TOWExtCollectionItem::Assign(const QObject* source) {
  if (!qobject_cast<const TOWExtCollectionItem*>(source)) return false;
  TRef<IOWLockSection> guard;
  if (itemLock_) guard = itemLock_->EnterWrite();
  AssignPublishedProperties(this, source, false);
  return true;
}

TOWExtCollection::TOWExtCollection(QObject* owner, TItemFactory factory)
    : QObject(owner), owner_(owner), factory_(std::move(factory)) {}

TOWExtCollection::~TOWExtCollection() {
  Clear();
  notifications_.clear();
}

int TOWExtCollection::IndexOf(const TOWExtCollectionItem* item) const {
  for (int i = 0; i < items_.size(); ++i)
    if (items_[i] == item) return i;
  return -1;
}

void TOWExtCollection::Attach(TOWExtCollectionItem* item) {
  item->collection_ = this;
  items_.append(item);
  emit Changed();
}

void TOWExtCollection::Detach(TOWExtCollectionItem* item) {
  items_.removeOne(item);
  item->collection_ = nullptr;
  emit Changed();
}

TOWExtCollectionItem* TOWExtCollection::Add() {
  if (!factory_) return nullptr;
  TOWExtCollectionItem* item = factory_(this);
  if (item && item->collection_ != this) Attach(item);
  return item;
}

void TOWExtCollection::Delete(int index) {
  if (index < 0 || index >= items_.size()) return;
  delete items_[index];  // detaches itself
}

void TOWExtCollection::Clear() {
  while (!items_.isEmpty()) delete items_.last();
}

bool TOWExtCollection::Assign(const QObject* source) {
  auto* other = qobject_cast<const TOWExtCollection*>(source);
  if (!other) return false;
  if (other == this) return true;
  Clear();
  for (TOWExtCollectionItem* from : other->items_) {
    TOWExtCollectionItem* item = Add();
    if (item) item->Assign(from);
  }
  return true;
}

TLPCollection::TLPCollection(QObject* owner, TItemFactory factory, IOWLock* lock)
    : TOWExtCollection(owner, std::move(factory)), lock_(new TLPLock(lock ? lock : LockOfObject(owner))) {}

TLPCollection::~TLPCollection() = default;

TRef<TLPLock> TLPCollectionItem::MakeLock(TOWExtCollection* collection, TLPCollectionItem* item) {
  return TRef<TLPLock>(new TLPLock(LockOfObject(collection), [item] { item->LockChanged(); }));
}

TLPCollectionItem::TLPCollectionItem(TOWExtCollection* collection)
    : TOWExtCollectionItem(collection, MakeLock(collection, this)) {}

TLPCollectionItem::~TLPCollectionItem() = default;
