#include "pins/lock_object.h"

TOWObject::TOWObject(QObject* parent) : QObject(parent), lock_(new TOWLock) {}

TOWObject::~TOWObject() = default;

TRef<IOWLockSection> TOWObject::EnterRead() { return lock_->EnterRead(); }

TRef<IOWLockSection> TOWObject::EnterWrite() { return lock_->EnterWrite(); }

TRef<IOWLockSection> TOWObject::ReleaseAll() { return lock_->ReleaseAll(); }
