#pragma once
// The re-entrant component lock and its guards, and the destroy lock of pins.
//
// A guard is a counted interface (TRef<IOWLockSection>); the hold lasts as
// long as the guard is referenced. An empty guard means "no hold": during a
// stop announced by another thread, read and write requests do not wait but
// come back empty, and the caller must skip the guarded work:
//
//   TRef<IOWLockSection> guard = lock->EnterWrite();
//   if (!guard) return;   // a stop is in progress; skip
//
// Read and write holds are both exclusive; they differ only in the trace
// events they report. Holds are per thread and nest.
//
// Pins pass their owner component's lock as `secondLock` to EnterRead /
// EnterWrite: when the pin's own lock cannot be had within about 210 ms
// (waits of 1, 2, ... 20 ms), the caller gives up its holds on the component
// lock until the guard is released, which breaks the deadlock between a
// thread holding the component and one holding the pin.

#include <atomic>
#include <cstdint>

#include "pins/lock_primitives.h"
#include "pins/lock_trace.h"
#include "platform/interfaces.h"

class TOWLock;

// A hold on a lock; released with its last reference.
class IOWLockSection : public virtual IInterface {};

class IOWLock : public virtual IInterface {
public:
  virtual TRef<IOWLockSection> EnterRead(IOWLock* secondLock = nullptr) = 0;
  virtual TRef<IOWLockSection> EnterWrite(IOWLock* secondLock = nullptr) = 0;
  // Waits as long as it takes; never empty.
  virtual TRef<IOWLockSection> EnterStop() = 0;
  // Gives up every hold of the calling thread until the guard is released,
  // then takes them back. No effect when another thread owns the lock.
  virtual TRef<IOWLockSection> ReleaseAll() = 0;
  // As ReleaseAll, but on release `firstLock` is write-held while this lock
  // is taken back, so the two come back in the order first lock, this lock.
  virtual TRef<IOWLockSection> ReleaseAllOrdered(IOWLock* firstLock) = 0;
  virtual TOWLock* LockObject() = 0;
};

// Counters of a lock, for diagnostics and tests.
struct TOWLockCounts {
  int32_t otherDeferred = 0;
  int32_t ownerDeferred = 0;
  int32_t holdCount = 0;
  int32_t stopDepth = 0;
  uint32_t ownerThread = 0;
  friend bool operator==(const TOWLockCounts&, const TOWLockCounts&) = default;
};

class TOWLock : public TInterfacedObject, public virtual IOWLock {
public:
  TOWLock();
  TRef<IOWLockSection> EnterRead(IOWLock* secondLock = nullptr) override;
  TRef<IOWLockSection> EnterWrite(IOWLock* secondLock = nullptr) override;
  TRef<IOWLockSection> EnterStop() override;
  TRef<IOWLockSection> ReleaseAll() override;
  TRef<IOWLockSection> ReleaseAllOrdered(IOWLock* firstLock) override;
  TOWLock* LockObject() override { return this; }

  TOWLockCounts Counts();
  // True when the calling thread owns the lock.
  bool HeldByCurrentThread();
  // The same without taking the inner guard (the hot path of guarded reads).
  bool OwnedByCallingThread() const noexcept {
    return ownerThread_.load(std::memory_order_relaxed) == OWCurrentThreadId();
  }

protected:
  ~TOWLock() override;

private:
  friend class TOWSimpleReadLockSection;
  friend class TOWSimpleWriteLockSection;
  friend class TOWSimpleStopLockSection;
  friend class TOWSimpleUnlockSection;
  enum class TGrant { None, Held, CreditOwner, CreditOther };

  TRef<IOWLockSection> EnterShared(bool write, IOWLock* secondLock);
  bool TryAcquire(uint32_t timeoutMs);
  void ReleaseHold(TGrant grant);
  void ReleaseStop();
  // Takes back `holds` holds (of which `stops` were stop holds) for the
  // calling thread after a release-all.
  void Relock(int32_t holds, int32_t stops);
  // Under guard_: releases the mutex when the owner has nothing left.
  void ReleaseMutexIfFree();

  TOWCriticalSection guard_;
  TOWMutex mutex_;
  int32_t otherDeferred_ = 0;
  int32_t ownerDeferred_ = 0;
  int32_t holdCount_ = 0;
  int32_t stopDepth_ = 0;
  // Stop holds granted to the owner (all granted stop guards belong to the
  // owner): a release-all withdraws their announcement and re-lock restores it.
  int32_t stopHeld_ = 0;
  // Written under guard_, and only ever set to the writing thread's own id
  // or cleared by the owner: a thread that reads its own id owns the lock.
  std::atomic<uint32_t> ownerThread_{0};
};

// Guard base classes. The concrete guards are created only by TOWLock.
class TOWLockSection : public TInterfacedObject, public virtual IOWLockSection {
public:
  TOWLock* Lock() const { return lock_.get(); }

protected:
  explicit TOWLockSection(TOWLock* lock) : lock_(lock) {}
  TRef<TOWLock> lock_;
};

class TOWSimpleLockSection : public TOWLockSection {
public:
  // Guards are made for every guarded property read; their memory is kept
  // in small per-thread free lists, so a steady data path allocates none.
  static void* operator new(size_t size);
  static void operator delete(void* block, size_t size) noexcept;

protected:
  using TOWLockSection::TOWLockSection;
};

class TOWSimpleReadLockSection : public TOWSimpleLockSection {
public:
  bool Held() const { return grant_ == TOWLock::TGrant::Held; }

protected:
  friend class TOWLock;
  TOWSimpleReadLockSection(TOWLock* lock, bool write) : TOWSimpleLockSection(lock), write_(write) {}
  ~TOWSimpleReadLockSection() override;
  bool write_;
  TOWLock::TGrant grant_ = TOWLock::TGrant::None;
  TRef<IOWLockSection> secondRelease_;  // release-all on the owner component's lock
};

class TOWSimpleWriteLockSection : public TOWSimpleReadLockSection {
protected:
  friend class TOWLock;
  explicit TOWSimpleWriteLockSection(TOWLock* lock) : TOWSimpleReadLockSection(lock, true) {}
};

class TOWSimpleStopLockSection : public TOWSimpleLockSection {
protected:
  friend class TOWLock;
  using TOWSimpleLockSection::TOWSimpleLockSection;
  ~TOWSimpleStopLockSection() override;
};

class TOWSimpleUnlockSection : public TOWSimpleLockSection {
protected:
  friend class TOWLock;
  TOWSimpleUnlockSection(TOWLock* lock, IOWLock* firstLock) : TOWSimpleLockSection(lock), firstLock_(firstLock) {}
  ~TOWSimpleUnlockSection() override;
  int32_t savedHolds_ = 0;
  int32_t savedStops_ = 0;
  TRef<IOWLock> firstLock_;
};

// ---------------------------------------------------------------------------
// Destroy lock: lets a pin be destroyed while other threads may call into it.
// Other pins call a pin's handlers only inside EnterUse; a pin takes
// EnterDestroy on itself before it disconnects or dies, which drains the
// users and refuses new ones from other threads.

class TOWDestroyLock;

class IOWDestroyLock : public virtual IInterface {
public:
  // Empty while another thread is destroying.
  virtual TRef<IOWLockSection> EnterUse() = 0;
  virtual TRef<IOWLockSection> EnterDestroy() = 0;
  // Reopens the lock for other users until the guard is released.
  virtual TRef<IOWLockSection> PauseDestroy() = 0;
  virtual TOWDestroyLock* DestroyLockObject() = 0;
};

class TOWDestroyLock : public TInterfacedObject, public virtual IOWDestroyLock {
public:
  // `protectedLock` is the own lock of the protected pin; EnterDestroy gives
  // up the caller's holds on it while users drain.
  explicit TOWDestroyLock(IOWLock* protectedLock);
  TRef<IOWLockSection> EnterUse() override;
  TRef<IOWLockSection> EnterDestroy() override;
  TRef<IOWLockSection> PauseDestroy() override;
  TOWDestroyLock* DestroyLockObject() override { return this; }

  int32_t UserCount() const { return users_.load(); }
  int32_t DestroyingCount() const { return destroying_.load(); }
  bool IsDestroying() const { return destroying_.load() > 0; }

protected:
  ~TOWDestroyLock() override;

private:
  friend class TOWDestroyLockSection;
  friend class TOWDestroyLockLockSection;
  friend class TOWDestroyLockUnlockSection;

  TOWCriticalSection guard_;
  TRef<IOWLock> protectedLock_;
  std::atomic<int32_t> users_{0};
  std::atomic<int32_t> destroying_{0};
  uint32_t destroyingThread_ = 0;  // under guard_
};

class TOWDestroyLockSection : public TInterfacedObject, public virtual IOWLockSection {
public:
  explicit TOWDestroyLockSection(TOWDestroyLock* lock) : lock_(lock) {}

protected:
  ~TOWDestroyLockSection() override;
  TRef<TOWDestroyLock> lock_;
};

class TOWDestroyLockLockSection : public TInterfacedObject, public virtual IOWLockSection {
public:
  explicit TOWDestroyLockLockSection(TOWDestroyLock* lock) : lock_(lock) {}

protected:
  ~TOWDestroyLockLockSection() override;
  TRef<TOWDestroyLock> lock_;
};

class TOWDestroyLockUnlockSection : public TInterfacedObject, public virtual IOWLockSection {
public:
  TOWDestroyLockUnlockSection(TOWDestroyLock* lock, int32_t taken) : lock_(lock), taken_(taken) {}

protected:
  ~TOWDestroyLockUnlockSection() override;
  TRef<TOWDestroyLock> lock_;
  int32_t taken_;
};
