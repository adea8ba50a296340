#pragma once
// TOWObject: the lockable base of pins and pin lists. It owns a critical
// section and its own TOWLock. Pins and pin lists override EnterRead and
// EnterWrite to pass their owner component's lock as the second lock, so a
// pin that cannot get its own lock within about 210 ms gives the component's
// lock back (see pins/lock.h).

#include <QObject>

#include "pins/lock.h"

class TOWObject : public QObject {
  Q_OBJECT
public:
  explicit TOWObject(QObject* parent = nullptr);
  ~TOWObject() override;

  virtual TRef<IOWLockSection> EnterRead();
  virtual TRef<IOWLockSection> EnterWrite();
  virtual TRef<IOWLockSection> ReleaseAll();

  IOWLock* Lock() const { return lock_.get(); }
  TOWCriticalSection& CriticalSection() { return section_; }

private:
  TOWCriticalSection section_;
  TRef<IOWLock> lock_;
};
