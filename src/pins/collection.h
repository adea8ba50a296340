#pragma once
// Collections of persistent items. TOWExtCollection owns its items (QObject
// children, kept in order) and keeps its owner; TLPCollection and
// TLPCollectionItem share the owner's component lock.

#include <QList>
#include <QObject>
#include <functional>

#include "pins/defined_properties.h"
#include "pins/lock_guarded.h"
#include "pins/persistent_assign.h"

class TOWExtCollection;

class TOWExtCollectionItem : public QObject, public IPersistentAssign {
  Q_OBJECT
public:
  // Appends itself to `collection` (when given).
  explicit TOWExtCollectionItem(TOWExtCollection* collection);
  ~TOWExtCollectionItem() override;

  TOWExtCollection* Collection() const { return collection_; }
  int Index() const;
  // The item's lock (items with a lock only); set before the item joins its
  // collection, so handlers of the collection's Changed signal see it.
  ILPLock* ItemLock() const { return itemLock_.get(); }
  // An editor may register a flag that the item clears when it dies.
  void SetWatcherFlag(bool* flag) { watcher_ = flag; }

  bool Assign(const QObject* source) override;

protected:
  // For items with a lock: the lock is stored before the item joins.
  TOWExtCollectionItem(TOWExtCollection* collection, TRef<TLPLock> lock);
  TRef<TLPLock> itemLock_;

private:
  friend class TOWExtCollection;
  TOWExtCollection* collection_ = nullptr;
  bool* watcher_ = nullptr;
};

class TOWExtCollection : public QObject, public IPersistentAssign, public IStoredCollection {
  Q_OBJECT
  Q_PROPERTY(int Count READ Count)
public:
  using TItemFactory = std::function<TOWExtCollectionItem*(TOWExtCollection*)>;

  TOWExtCollection(QObject* owner, TItemFactory factory);
  ~TOWExtCollection() override;

  QObject* GetOwner() const { return owner_; }
  int Count() const { return items_.size(); }
  TOWExtCollectionItem* Item(int index) const { return items_.value(index); }
  int IndexOf(const TOWExtCollectionItem* item) const;
  TOWExtCollectionItem* Add();
  void Delete(int index);
  void Clear();

  // Notification interfaces kept for the collection's lifetime.
  void AddNotification(const TRef<IInterface>& notification) { notifications_.append(notification); }
  int NotificationCount() const { return notifications_.size(); }

  // Replaces the items by copies of another collection's items.
  bool Assign(const QObject* source) override;

  // Window descriptions store the items through these.
  int StoredItemCount() const override { return Count(); }
  QObject* StoredItem(int index) const override { return Item(index); }
  void ClearStoredItems() override { Clear(); }
  QObject* AddStoredItem() override { return Add(); }

signals:
  void Changed();

private:
  friend class TOWExtCollectionItem;
  void Attach(TOWExtCollectionItem* item);
  void Detach(TOWExtCollectionItem* item);

  QObject* owner_;
  TItemFactory factory_;
  QList<TOWExtCollectionItem*> items_;
  QList<TRef<IInterface>> notifications_;
};

class TLPCollection : public TOWExtCollection, public ILPLockOwner {
  Q_OBJECT
public:
  // Shares the lock of `owner`, or of `lock` when given.
  TLPCollection(QObject* owner, TItemFactory factory, IOWLock* lock = nullptr);
  ~TLPCollection() override;

  ILPLock* GetLPLock() const override { return lock_.get(); }
  ILPLock* Lock() const { return lock_.get(); }

private:
  TRef<TLPLock> lock_;
};

class TLPCollectionItem : public TOWExtCollectionItem, public ILPLockOwner {
  Q_OBJECT
public:
  // Its lock (sharing the collection's) exists before the item joins the
  // collection, so code reacting to the addition can already use it.
  explicit TLPCollectionItem(TOWExtCollection* collection);
  ~TLPCollectionItem() override;

  ILPLock* GetLPLock() const override { return itemLock_.get(); }
  ILPLock* Lock() const { return itemLock_.get(); }

protected:
  virtual void LockChanged() {}

private:
  static TRef<TLPLock> MakeLock(TOWExtCollection* collection, TLPCollectionItem* item);
};
