#pragma once
// The lock of components and their property objects, with guarded setters
// and getters. A component makes a TLPLock over a new TOWLock; its property
// objects and collection items make TLPLocks over the very same TOWLock, so
// one component and all its property objects share one lock.
//
// Property setters that other threads may observe go through SetIfChanged:
//
//   void TMyAxis::SetMin(double v) { lock_->SetIfChanged(min_, v); }
//   double TMyAxis::Min() const { return lock_->ReadGuarded(min_); }
//
// SetIfChanged takes a write guard, compares, and only on a change stores the
// value, calls the per-property callback and then the lock's change
// notification (the owner's LockChanged hook).

#include <functional>
#include <utility>

#include "pins/lock.h"

class ILPLock : public virtual IOWLock {
public:
  using TNotify = std::function<void()>;

  virtual void SetNotification(TNotify notify) = 0;
  // Calls the change notification, if set.
  virtual void NotifyChanged() = 0;

  // Guarded setter for any value type with ==. Returns true when the value
  // changed. The write guard may be empty while another thread stops the
  // component; the value is still stored (the hold was granted on credit).
  template <class T, class U>
  bool SetIfChanged(T& field, U&& value, const std::function<void()>& onChange = {}) {
    TRef<IOWLockSection> guard = EnterWrite();
    if (field == value) return false;
    field = std::forward<U>(value);
    if (onChange) onChange();
    NotifyChanged();
    return true;
  }

  // Guarded getter: the value read under a read guard. A thread that owns
  // the lock already (a paint, the pointer routing) reads it at once: the
  // guard would come and go inside its own hold.
  template <class T>
  T ReadGuarded(const T& field) {
    if (TOWLock* lock = LockObject(); lock && lock->OwnedByCallingThread()) return field;
    TRef<IOWLockSection> guard = EnterRead();
    return field;
  }
};

// The six lock operations are abstract here; TLPLock delegates them.
class TLPBasicLock : public TInterfacedObject, public virtual ILPLock {
public:
  void SetNotification(TNotify notify) override { notify_ = std::move(notify); }
  void NotifyChanged() override {
    if (notify_) notify_();
  }

protected:
  TNotify notify_;
};

class TLPLock : public TLPBasicLock {
public:
  // Over a new TOWLock (a component's own lock).
  explicit TLPLock(TNotify notify = {});
  // Over the same TOWLock as `parent` (a property object or collection item).
  explicit TLPLock(IOWLock* parent, TNotify notify = {});

  TRef<IOWLockSection> EnterRead(IOWLock* secondLock = nullptr) override { return lock_->EnterRead(secondLock); }
  TRef<IOWLockSection> EnterWrite(IOWLock* secondLock = nullptr) override { return lock_->EnterWrite(secondLock); }
  TRef<IOWLockSection> EnterStop() override { return lock_->EnterStop(); }
  TRef<IOWLockSection> ReleaseAll() override { return lock_->ReleaseAll(); }
  TRef<IOWLockSection> ReleaseAllOrdered(IOWLock* firstLock) override { return lock_->ReleaseAllOrdered(firstLock); }
  TOWLock* LockObject() override { return lock_.get(); }

private:
  TRef<TOWLock> lock_;
};

// Implemented by the QObjects that carry a component lock (components,
// property objects, collections and their items), so that a sub-object can
// find the lock of its owner.
class ILPLockOwner {
public:
  virtual ILPLock* GetLPLock() const = 0;

protected:
  ~ILPLockOwner() = default;
};
