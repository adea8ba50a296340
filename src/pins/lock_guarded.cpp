#include "pins/lock_guarded.h"

TLPLock::TLPLock(TNotify notify) : lock_(new TOWLock) { notify_ = std::move(notify); }

TLPLock::TLPLock(IOWLock* parent, TNotify notify)
    : lock_(parent && parent->LockObject() ? parent->LockObject() : new TOWLock) {
  notify_ = std::move(notify);
}
