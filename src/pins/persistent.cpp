#include "pins/persistent.h"

#include "pins/component.h"

TLPPersistent::TLPPersistent(QObject* owner) : TLPPersistent(owner, LockOfObject(owner)) {}

TLPPersistent::TLPPersistent(QObject* owner, IOWLock* lock)
    : QObject(owner), lock_(new TLPLock(lock, [this] { LockChanged(); })) {}

TLPPersistent::~TLPPersistent() = default;

bool TLPPersistent::Assign(const QObject* source) {
  if (!qobject_cast<const TLPPersistent*>(source)) return false;
  TRef<IOWLockSection> guard = lock_->EnterWrite();
  AssignPublishedProperties(this, source, false);
  return true;
}

void TLPPersistentNotify::LockChanged() {
  if (onChange_) onChange_(this);
}
