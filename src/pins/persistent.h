#pragma once
// TLPPersistent: the base of property sub-objects (axes, pens, labels, ...).
// A QObject owned (QObject parent) by its component or owning property object,
// publishing Q_PROPERTYs, whose TLPLock shares the owner's TOWLock: a
// component and all its property objects have one lock.

#include <QObject>
#include <functional>

#include "pins/lock_guarded.h"
#include "pins/persistent_assign.h"

class TLPPersistent : public QObject, public ILPLockOwner, public IPersistentAssign {
  Q_OBJECT
public:
  // Shares the lock of `owner` (a component, property object, collection or
  // collection item); an owner without lock gets the object a lock of its own.
  explicit TLPPersistent(QObject* owner);
  // Shares `lock` (a component's lock or any lock given explicitly).
  TLPPersistent(QObject* owner, IOWLock* lock);
  ~TLPPersistent() override;

  QObject* GetOwner() const { return parent(); }
  ILPLock* GetLPLock() const override { return lock_.get(); }
  ILPLock* Lock() const { return lock_.get(); }

  // Copies the published properties of another TLPPersistent under a write
  // guard; false when the source is not one.
  bool Assign(const QObject* source) override;

protected:
  // A guarded setter of this object changed a value.
  virtual void LockChanged() {}

private:
  TRef<TLPLock> lock_;
};

// Calls OnChange(this) whenever a guarded setter changes a value.
class TLPPersistentNotify : public TLPPersistent {
  Q_OBJECT
public:
  using TChangeEvent = std::function<void(TLPPersistentNotify*)>;
  using TLPPersistent::TLPPersistent;

  void SetOnChange(TChangeEvent onChange) { onChange_ = std::move(onChange); }
  const TChangeEvent& OnChange() const { return onChange_; }

protected:
  void LockChanged() override;

private:
  TChangeEvent onChange_;
};

class TLPOptionalVisibilityProperty : public TLPPersistentNotify {
  Q_OBJECT
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
  using TLPPersistentNotify::TLPPersistentNotify;

  bool Visible() const { return Lock()->ReadGuarded(visible_); }
  void SetVisible(bool visible) { Lock()->SetIfChanged(visible_, visible); }

private:
  bool visible_ = true;
};
