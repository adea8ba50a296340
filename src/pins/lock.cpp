#include "pins/lock.h"

#include <thread>
#include <vector>

namespace {
// Uses of destroy locks held by this thread, so that a thread destroying a
// pin it is itself still using (a handler disconnecting its own sender) does
// not wait for itself.
struct TThreadUse {
  const TOWDestroyLock* lock;
  int32_t count;
};
thread_local std::vector<TThreadUse> threadUses;

void AddThreadUse(const TOWDestroyLock* lock, int32_t delta) {
  for (auto it = threadUses.begin(); it != threadUses.end(); ++it) {
    if (it->lock == lock) {
      it->count += delta;
      if (it->count == 0) threadUses.erase(it);
      return;
    }
  }
  if (delta > 0) threadUses.push_back({lock, delta});
}

int32_t ThreadUses(const TOWDestroyLock* lock) {
  for (const auto& use : threadUses)
    if (use.lock == lock) return use.count;
  return 0;
}

inline void Trace(const void* lock, const void* guard, TOWLockEvent event) {
  OWReportLockEvent(lock, guard, OWCurrentThreadId(), event);
}
constexpr uint32_t kStopSliceMs = 1000;
constexpr uint32_t kLongestRetryMs = 20;
}  // namespace

TOWLock::TOWLock() { Trace(this, nullptr, TOWLockEvent::Create); }

TOWLock::~TOWLock() { Trace(this, nullptr, TOWLockEvent::Destroy); }

TOWLockCounts TOWLock::Counts() {
  TOWCriticalSectionLock hold(guard_);
  return {otherDeferred_, ownerDeferred_, holdCount_, stopDepth_, ownerThread_};
}

bool TOWLock::HeldByCurrentThread() {
  TOWCriticalSectionLock hold(guard_);
  return ownerThread_ != 0 && ownerThread_ == OWCurrentThreadId();
}

bool TOWLock::TryAcquire(uint32_t timeoutMs) {
  const uint32_t me = OWCurrentThreadId();
  guard_.Enter();
  // The owner thread owns the mutex (also when only credited holds keep it),
  // so it never waits for it again.
  if (ownerThread_ == me) {
    ++holdCount_;
    guard_.Leave();
    return true;
  }
  if (stopDepth_ > 0) {
    guard_.Leave();
    return false;
  }
  guard_.Leave();
  if (!mutex_.Wait(timeoutMs)) return false;
  TOWCriticalSectionLock hold(guard_);
  ownerThread_ = me;
  ++holdCount_;
  return true;
}

void TOWLock::ReleaseMutexIfFree() {
  if (holdCount_ == 0 && ownerDeferred_ == 0 && ownerThread_ != 0) {
    ownerThread_ = 0;
    mutex_.Release();
  }
}

namespace {

// Per-thread free lists of guard blocks by size (16-byte classes up to 256
// bytes, at most 32 blocks each); a block freed on another thread joins
// that thread's lists.
class TGuardRecycler {
public:
  static constexpr size_t kClasses = 16, kMaxKept = 32;
  ~TGuardRecycler() {
    for (auto& list : lists_)
      for (size_t i = 0; i < list.count; ++i) ::operator delete(list.blocks[i]);
  }
  static size_t ClassOf(size_t size) { return (size + 15) / 16 - 1; }
  void* Take(size_t size) {
    const size_t c = ClassOf(size);
    if (c < kClasses && lists_[c].count > 0) return lists_[c].blocks[--lists_[c].count];
    return ::operator new(c < kClasses ? (c + 1) * 16 : size);
  }
  void Give(void* block, size_t size) {
    const size_t c = ClassOf(size);
    if (c < kClasses && lists_[c].count < kMaxKept) {
      lists_[c].blocks[lists_[c].count++] = block;
      return;
    }
    ::operator delete(block);
  }

private:
  struct TList {
    void* blocks[kMaxKept];
    size_t count = 0;
  };
  TList lists_[kClasses];
};

TGuardRecycler& Recycler() {
  thread_local TGuardRecycler recycler;
  return recycler;
}

}  // namespace

void* TOWSimpleLockSection::operator new(size_t size) { return Recycler().Take(size); }

void TOWSimpleLockSection::operator delete(void* block, size_t size) noexcept { Recycler().Give(block, size); }

TRef<IOWLockSection> TOWLock::EnterRead(IOWLock* secondLock) { return EnterShared(false, secondLock); }

TRef<IOWLockSection> TOWLock::EnterWrite(IOWLock* secondLock) { return EnterShared(true, secondLock); }

TRef<IOWLockSection> TOWLock::EnterShared(bool write, IOWLock* secondLock) {
  TOWSimpleReadLockSection* raw =
      write ? new TOWSimpleWriteLockSection(this) : new TOWSimpleReadLockSection(this, false);
  TRef<IOWLockSection> guard(raw);
  Trace(this, raw, write ? TOWLockEvent::BeginWriteCreate : TOWLockEvent::BeginReadCreate);
  const TOWLockEvent created = write ? TOWLockEvent::WriteCreate : TOWLockEvent::ReadCreate;
  uint32_t wait = 1;
  for (;;) {
    if (TryAcquire(wait)) {
      raw->grant_ = TGrant::Held;
      Trace(this, raw, created);
      return guard;
    }
    {
      TOWCriticalSectionLock hold(guard_);
      if (stopDepth_ > 0) {
        // Granted on credit: the caller gets no guard and skips its work;
        // dropping `guard` here undoes the credit at once.
        if (ownerThread_ == OWCurrentThreadId()) {
          ++ownerDeferred_;
          raw->grant_ = TGrant::CreditOwner;
        } else {
          ++otherDeferred_;
          raw->grant_ = TGrant::CreditOther;
        }
        Trace(this, raw, created);
        return {};
      }
    }
    if (wait < kLongestRetryMs) {
      ++wait;
    } else if (secondLock && !raw->secondRelease_) {
      // About 210 ms without the lock: give the owner component's lock back
      // until this guard ends, in case its holder is waiting for us.
      raw->secondRelease_ = secondLock->ReleaseAll();
    }
  }
}

void TOWLock::ReleaseHold(TGrant grant) {
  const uint32_t me = OWCurrentThreadId();
  TOWCriticalSectionLock hold(guard_);
  switch (grant) {
    case TGrant::None:
      return;
    case TGrant::CreditOther:
      if (otherDeferred_ > 0) --otherDeferred_;
      return;
    case TGrant::CreditOwner:
      if (ownerThread_ == me && ownerDeferred_ > 0) {
        --ownerDeferred_;
        ReleaseMutexIfFree();
      } else if (otherDeferred_ > 0) {
        --otherDeferred_;
      }
      return;
    case TGrant::Held:
      if (ownerThread_ == me) {
        // A real hold comes off the hold count; holds that a re-lock had to
        // book as credit come off the deferred counts.
        if (holdCount_ > 0)
          --holdCount_;
        else if (ownerDeferred_ > 0)
          --ownerDeferred_;
        else if (otherDeferred_ > 0)
          --otherDeferred_;
        ReleaseMutexIfFree();
      } else if (otherDeferred_ > 0) {
        --otherDeferred_;
      }
      return;
  }
}

TOWSimpleReadLockSection::~TOWSimpleReadLockSection() {
  Trace(lock_.get(), this, write_ ? TOWLockEvent::BeginWriteDestroy : TOWLockEvent::BeginReadDestroy);
  lock_->ReleaseHold(grant_);
  secondRelease_.reset();  // takes the owner component's lock back
  Trace(lock_.get(), this, write_ ? TOWLockEvent::WriteDestroy : TOWLockEvent::ReadDestroy);
}

TRef<IOWLockSection> TOWLock::EnterStop() {
  auto* raw = new TOWSimpleStopLockSection(this);
  TRef<IOWLockSection> guard(raw);
  Trace(this, raw, TOWLockEvent::BeginStopCreate);
  const uint32_t me = OWCurrentThreadId();
  guard_.Enter();
  ++stopDepth_;  // announced: requests of other threads stop queueing
  if (ownerThread_ != me) {
    guard_.Leave();
    while (!mutex_.Wait(kStopSliceMs)) {
    }
    guard_.Enter();
    ownerThread_ = me;
  }
  ++holdCount_;
  ++stopHeld_;
  guard_.Leave();
  Trace(this, raw, TOWLockEvent::StopCreate);
  return guard;
}

void TOWLock::ReleaseStop() {
  const uint32_t me = OWCurrentThreadId();
  TOWCriticalSectionLock hold(guard_);
  if (ownerThread_ == me) {
    // Still our stop: withdraw its announcement. After a release-all the
    // announcement was already withdrawn and re-lock restored it.
    if (stopHeld_ > 0) {
      --stopHeld_;
      --stopDepth_;
    }
    if (holdCount_ > 0)
      --holdCount_;
    else if (ownerDeferred_ > 0)
      --ownerDeferred_;
    else if (otherDeferred_ > 0)
      --otherDeferred_;
    ReleaseMutexIfFree();
  } else if (otherDeferred_ > 0) {
    --otherDeferred_;
  }
}

TOWSimpleStopLockSection::~TOWSimpleStopLockSection() {
  Trace(lock_.get(), this, TOWLockEvent::BeginStopDestroy);
  lock_->ReleaseStop();
  Trace(lock_.get(), this, TOWLockEvent::StopDestroy);
}

TRef<IOWLockSection> TOWLock::ReleaseAll() { return ReleaseAllOrdered(nullptr); }

TRef<IOWLockSection> TOWLock::ReleaseAllOrdered(IOWLock* firstLock) {
  auto* raw = new TOWSimpleUnlockSection(this, firstLock);
  TRef<IOWLockSection> guard(raw);
  Trace(this, raw, TOWLockEvent::BeginUnlockCreate);
  {
    TOWCriticalSectionLock hold(guard_);
    // Only the owner has holds to give up; for anybody else (or a free lock)
    // the guard does nothing, now and on release.
    if (ownerThread_ == OWCurrentThreadId()) {
      raw->savedHolds_ = holdCount_ + ownerDeferred_;
      raw->savedStops_ = stopHeld_;
      stopDepth_ -= stopHeld_;
      stopHeld_ = 0;
      holdCount_ = 0;
      ownerDeferred_ = 0;
      ownerThread_ = 0;
      mutex_.Release();
    }
  }
  Trace(this, raw, TOWLockEvent::UnlockCreate);
  return guard;
}

void TOWLock::Relock(int32_t holds, int32_t stops) {
  if (holds <= 0) return;
  const uint32_t me = OWCurrentThreadId();
  if (stops > 0) {
    // The caller held a stop: take the lock back as a stop does.
    guard_.Enter();
    stopDepth_ += stops;
    if (ownerThread_ != me) {
      guard_.Leave();
      while (!mutex_.Wait(kStopSliceMs)) {
      }
      guard_.Enter();
      ownerThread_ = me;
    }
    holdCount_ += holds;
    stopHeld_ += stops;
    guard_.Leave();
    return;
  }
  for (;;) {
    if (TryAcquire(1)) {
      TOWCriticalSectionLock hold(guard_);
      holdCount_ += holds - 1;
      return;
    }
    TOWCriticalSectionLock hold(guard_);
    if (stopDepth_ > 0) {
      // Another thread is stopping: book our holds as credit instead of
      // queueing behind it; our guards release them from there.
      if (ownerThread_ == me)
        ownerDeferred_ += holds;
      else
        otherDeferred_ += holds;
      return;
    }
  }
}

TOWSimpleUnlockSection::~TOWSimpleUnlockSection() {
  Trace(lock_.get(), this, TOWLockEvent::BeginUnlockDestroy);
  if (savedHolds_ > 0) {
    TRef<IOWLockSection> first;
    if (firstLock_) first = firstLock_->EnterWrite();
    lock_->Relock(savedHolds_, savedStops_);
    first.reset();
  }
  Trace(lock_.get(), this, TOWLockEvent::UnlockDestroy);
}

// ---------------------------------------------------------------------------

TOWDestroyLock::TOWDestroyLock(IOWLock* protectedLock) : protectedLock_(protectedLock) {}

TOWDestroyLock::~TOWDestroyLock() = default;

TRef<IOWLockSection> TOWDestroyLock::EnterUse() {
  TOWCriticalSectionLock hold(guard_);
  users_.fetch_add(1);
  if (destroying_.load() > 0 && destroyingThread_ != OWCurrentThreadId()) {
    users_.fetch_sub(1);
    return {};
  }
  AddThreadUse(this, 1);
  return TRef<IOWLockSection>(new TOWDestroyLockSection(this));
}

TOWDestroyLockSection::~TOWDestroyLockSection() {
  // A use guard is released on the thread that took it (it lives in a
  // handler call's scope).
  AddThreadUse(lock_.get(), -1);
  lock_->users_.fetch_sub(1);
}

TRef<IOWLockSection> TOWDestroyLock::EnterDestroy() {
  destroying_.fetch_add(1);
  {
    // Let threads blocked on the pin's lock inside a use finish that use.
    TRef<IOWLockSection> released;
    if (protectedLock_) released = protectedLock_->ReleaseAll();
    const int32_t own = ThreadUses(this);
    while (users_.load() > own) std::this_thread::yield();
  }
  TOWCriticalSectionLock hold(guard_);
  destroyingThread_ = OWCurrentThreadId();
  return TRef<IOWLockSection>(new TOWDestroyLockLockSection(this));
}

TOWDestroyLockLockSection::~TOWDestroyLockLockSection() {
  TOWCriticalSectionLock hold(lock_->guard_);
  if (lock_->destroying_.fetch_sub(1) - 1 <= 0) lock_->destroyingThread_ = 0;
}

TRef<IOWLockSection> TOWDestroyLock::PauseDestroy() {
  int32_t taken = destroying_.exchange(0);
  return TRef<IOWLockSection>(new TOWDestroyLockUnlockSection(this, taken));
}

TOWDestroyLockUnlockSection::~TOWDestroyLockUnlockSection() { lock_->destroying_.fetch_add(taken_); }
