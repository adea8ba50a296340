// Guard semantics of the component lock, one behaviour per group.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "pins/lock.h"
#include "support/test_support.h"

using testsupport::WaitUntil;

namespace {

TRef<TOWLock> NewLock() { return TRef<TOWLock>(new TOWLock); }

// Runs `body` on its own thread; joined on destruction.
class Worker {
public:
  template <class F>
  explicit Worker(F body) : thread_([this, body]() mutable {
      id_.store(OWCurrentThreadId());
      body();
      done_.store(true);
    }) {}
  ~Worker() {
    if (thread_.joinable()) thread_.join();
  }
  bool Done() const { return done_.load(); }
  uint32_t Id() const { return id_.load(); }
  void Join() { thread_.join(); }

private:
  std::atomic<bool> done_{false};
  std::atomic<uint32_t> id_{0};
  std::thread thread_;
};

TEST(LockNesting, OwnerTakesReadAndWriteAgainAndKeepsTheLockUntilTheLastGuard) {
  auto lock = NewLock();
  auto outer = lock->EnterWrite();
  ASSERT_TRUE(outer);
  auto read = lock->EnterRead();
  auto write = lock->EnterWrite();
  ASSERT_TRUE(read);
  ASSERT_TRUE(write);
  EXPECT_EQ(lock->Counts().holdCount, 3);
  EXPECT_EQ(lock->Counts().ownerThread, OWCurrentThreadId());

  std::atomic<bool> acquired{false};
  Worker other([&] {
    auto guard = lock->EnterWrite();
    acquired.store(static_cast<bool>(guard));
  });
  write.reset();
  read.reset();
  // Still one hold left: the other thread cannot have the lock.
  EXPECT_EQ(lock->Counts().holdCount, 1);
  EXPECT_EQ(lock->Counts().ownerThread, OWCurrentThreadId());
  EXPECT_FALSE(acquired.load());
  outer.reset();
  other.Join();
  EXPECT_TRUE(acquired.load());
  EXPECT_EQ(lock->Counts(), TOWLockCounts{});
}

TEST(LockNesting, GuardsReleasedOutOfOrderStillFreeTheLock) {
  auto lock = NewLock();
  auto a = lock->EnterRead();
  auto b = lock->EnterWrite();
  a.reset();
  EXPECT_TRUE(lock->HeldByCurrentThread());
  b.reset();
  EXPECT_FALSE(lock->HeldByCurrentThread());
  EXPECT_EQ(lock->Counts(), TOWLockCounts{});
}

TEST(LockStop, RequestsOfOtherThreadsComeBackEmptyWithoutChangingTheCounts) {
  auto lock = NewLock();
  auto stop = lock->EnterStop();
  ASSERT_TRUE(stop);
  const TOWLockCounts before = lock->Counts();
  EXPECT_EQ(before.stopDepth, 1);
  EXPECT_EQ(before.holdCount, 1);

  bool writeEmpty = false, readEmpty = false;
  TOWLockCounts after;
  Worker other([&] {
    writeEmpty = !lock->EnterWrite();
    readEmpty = !lock->EnterRead();
    after = lock->Counts();
  });
  other.Join();
  EXPECT_TRUE(writeEmpty);
  EXPECT_TRUE(readEmpty);
  EXPECT_EQ(after, before);

  // The stopping thread itself nests normally.
  auto nested = lock->EnterWrite();
  EXPECT_TRUE(nested);
  EXPECT_EQ(lock->Counts().holdCount, 2);
  nested.reset();
  stop.reset();
  EXPECT_EQ(lock->Counts(), TOWLockCounts{});
}

TEST(LockStop, StopWaitsForTheHolderAndAnnouncesItselfMeanwhile) {
  auto lock = NewLock();
  auto held = lock->EnterWrite();
  std::atomic<bool> stopped{false};
  Worker stopper([&] {
    auto stop = lock->EnterStop();
    stopped.store(true);
  });
  ASSERT_TRUE(WaitUntil([&] { return lock->Counts().stopDepth == 1; }));
  EXPECT_FALSE(stopped.load());
  // A third thread does not queue behind the announced stop.
  bool thirdEmpty = false;
  Worker third([&] { thirdEmpty = !lock->EnterWrite(); });
  third.Join();
  EXPECT_TRUE(thirdEmpty);
  held.reset();
  stopper.Join();
  EXPECT_TRUE(stopped.load());
  EXPECT_EQ(lock->Counts(), TOWLockCounts{});
}

TEST(LockReleaseAll, FromANonOwnerWhileAnotherThreadOwnsChangesNothing) {
  auto lock = NewLock();
  auto held = lock->EnterWrite();
  auto nested = lock->EnterRead();
  const TOWLockCounts before = lock->Counts();
  TOWLockCounts during, after;
  Worker other([&] {
    auto release = lock->ReleaseAll();
    during = lock->Counts();
    release.reset();
    after = lock->Counts();
  });
  other.Join();
  EXPECT_EQ(during, before);
  EXPECT_EQ(after, before);
  EXPECT_TRUE(lock->HeldByCurrentThread());
}

TEST(LockReleaseAll, OwnerGivesUpEveryHoldAndTakesThemBack) {
  auto lock = NewLock();
  auto a = lock->EnterWrite();
  auto b = lock->EnterWrite();
  auto c = lock->EnterRead();
  {
    auto release = lock->ReleaseAll();
    EXPECT_EQ(lock->Counts(), TOWLockCounts{});
    bool otherGot = false;
    Worker other([&] { otherGot = static_cast<bool>(lock->EnterWrite()); });
    other.Join();
    EXPECT_TRUE(otherGot);
  }
  EXPECT_EQ(lock->Counts().holdCount, 3);
  EXPECT_TRUE(lock->HeldByCurrentThread());
  c.reset();
  b.reset();
  a.reset();
  EXPECT_EQ(lock->Counts(), TOWLockCounts{});
}

TEST(LockReleaseAll, ReleasingAStopKeepsTheStopWhenTakenBack) {
  auto lock = NewLock();
  auto stop = lock->EnterStop();
  {
    auto release = lock->ReleaseAll();
    // The stop is withdrawn while released: other threads get real holds.
    EXPECT_EQ(lock->Counts().stopDepth, 0);
    bool otherGot = false;
    Worker other([&] { otherGot = static_cast<bool>(lock->EnterWrite()); });
    other.Join();
    EXPECT_TRUE(otherGot);
  }
  EXPECT_EQ(lock->Counts().stopDepth, 1);
  EXPECT_TRUE(lock->HeldByCurrentThread());
  bool otherEmpty = false;
  Worker other([&] { otherEmpty = !lock->EnterWrite(); });
  other.Join();
  EXPECT_TRUE(otherEmpty);
  stop.reset();
  EXPECT_EQ(lock->Counts(), TOWLockCounts{});
}

TEST(LockReleaseAll, TakingBackDuringAnotherThreadsStopBooksCreditAndBalancesOut) {
  auto lock = NewLock();
  std::atomic<int> phase{0};
  TOWLockCounts afterRelock;
  Worker x([&] {
    auto held = lock->EnterWrite();
    auto release = lock->ReleaseAll();
    phase.store(1);
    while (phase.load() != 2) std::this_thread::yield();
    release.reset();  // the stop holder owns the lock: no waiting, credit instead
    afterRelock = lock->Counts();
    phase.store(3);
  });
  ASSERT_TRUE(WaitUntil([&] { return phase.load() == 1; }));
  auto stop = lock->EnterStop();
  phase.store(2);
  x.Join();
  EXPECT_EQ(phase.load(), 3);
  EXPECT_EQ(afterRelock.otherDeferred, 1);
  EXPECT_EQ(afterRelock.holdCount, 1);  // the stop's own hold
  // x's write guard gave its credit back when it ended.
  EXPECT_EQ(lock->Counts().otherDeferred, 0);
  stop.reset();
  EXPECT_EQ(lock->Counts(), TOWLockCounts{});
}

TEST(LockReleaseAll, OnAFreeLockDoesNothingAndTakesNothingBack) {
  auto lock = NewLock();
  {
    auto release = lock->ReleaseAll();
    EXPECT_EQ(lock->Counts(), TOWLockCounts{});
  }
  EXPECT_EQ(lock->Counts(), TOWLockCounts{});
  EXPECT_FALSE(lock->HeldByCurrentThread());
}

TEST(LockReleaseAll, OrderedReleaseTakesTheFirstLockBeforeThisOne) {
  auto lock = NewLock();
  auto first = NewLock();
  std::atomic<int> phase{0};
  Worker x([&] {
    auto held = lock->EnterWrite();
    auto release = lock->ReleaseAllOrdered(first.get());
    phase.store(1);
    while (phase.load() != 2) std::this_thread::yield();
    release.reset();  // takes `first`, then waits for `lock`
    phase.store(3);
    EXPECT_TRUE(lock->HeldByCurrentThread());
    EXPECT_FALSE(first->HeldByCurrentThread());
  });
  ASSERT_TRUE(WaitUntil([&] { return phase.load() == 1; }));
  auto mine = lock->EnterWrite();
  ASSERT_TRUE(mine);
  phase.store(2);
  // x holds the first lock while it waits for ours.
  ASSERT_TRUE(WaitUntil([&] { return first->Counts().ownerThread == x.Id(); }));
  EXPECT_NE(phase.load(), 3);
  mine.reset();
  x.Join();
  EXPECT_EQ(phase.load(), 3);
  EXPECT_EQ(first->Counts(), TOWLockCounts{});
  EXPECT_EQ(lock->Counts(), TOWLockCounts{});
}

TEST(LockSecondLock, AWaiterGivesBackTheComponentLockAfterAboutTwoHundredMilliseconds) {
  // A holds the component lock and waits for the pin lock; B holds the pin
  // lock and waits for the component lock. A must let go of the component.
  auto component = NewLock();
  auto pin = NewLock();
  std::atomic<int> holding{0};
  std::atomic<bool> bDone{false}, aDone{false};
  std::atomic<int32_t> aComponentHoldsAfter{-1};
  Worker a([&] {
    auto c = component->EnterWrite();
    holding.fetch_add(1);
    while (holding.load() < 2) std::this_thread::yield();
    auto p = pin->EnterWrite(component.get());
    EXPECT_TRUE(p);
    p.reset();  // gives the component lock back to A
    aComponentHoldsAfter.store(component->Counts().holdCount);
    EXPECT_TRUE(component->HeldByCurrentThread());
    aDone.store(true);
  });
  Worker b([&] {
    auto p = pin->EnterWrite();
    holding.fetch_add(1);
    while (holding.load() < 2) std::this_thread::yield();
    auto c = component->EnterWrite();
    EXPECT_TRUE(c);
    bDone.store(true);
  });
  ASSERT_TRUE(WaitUntil([&] { return aDone.load() && bDone.load(); }));
  a.Join();
  b.Join();
  EXPECT_EQ(aComponentHoldsAfter.load(), 1);
  EXPECT_EQ(component->Counts(), TOWLockCounts{});
  EXPECT_EQ(pin->Counts(), TOWLockCounts{});
}

// ---------------------------------------------------------------------------

struct TRecordedEvent {
  const void* lock;
  const void* guard;
  TOWLockEvent event;
};

class TRecordingTracer : public TInterfacedObject, public virtual IOWLockTracer {
public:
  void LockEvent(const void* lock, const void* guard, uint32_t, TOWLockEvent event) override {
    events.push_back({lock, guard, event});
  }
  std::vector<TRecordedEvent> events;
};

TEST(LockTrace, EventsArriveOnlyWhileATracerIsRegistered) {
  TRef<TRecordingTracer> tracer(new TRecordingTracer);
  TRef<IOWLockTracer> asTracer(tracer);
  {
    auto lock = NewLock();
    auto g = lock->EnterWrite();
  }
  EXPECT_TRUE(tracer->events.empty());
  OWRegisterLockTracer(asTracer);
  EXPECT_EQ(OWLockTracerCount(), 1);
  const void* lockAddress = nullptr;
  {
    auto lock = NewLock();
    lockAddress = lock.get();
    { auto w = lock->EnterWrite(); }
    { auto r = lock->EnterRead(); }
    { auto s = lock->EnterStop(); }
    { auto u = lock->ReleaseAll(); }
  }
  OWUnregisterLockTracer(asTracer);
  EXPECT_EQ(OWLockTracerCount(), 0);
  std::vector<TOWLockEvent> seen;
  for (const auto& e : tracer->events) {
    EXPECT_EQ(e.lock, lockAddress);
    seen.push_back(e.event);
  }
  using E = TOWLockEvent;
  const std::vector<TOWLockEvent> expected = {
      E::Create,           E::BeginWriteCreate,  E::WriteCreate,       E::BeginWriteDestroy, E::WriteDestroy,
      E::BeginReadCreate,  E::ReadCreate,        E::BeginReadDestroy,  E::ReadDestroy,       E::BeginStopCreate,
      E::StopCreate,       E::BeginStopDestroy,  E::StopDestroy,       E::BeginUnlockCreate, E::UnlockCreate,
      E::BeginUnlockDestroy, E::UnlockDestroy,   E::Destroy};
  EXPECT_EQ(seen, expected);
  // Each guard reports itself on both of its events.
  ASSERT_GE(tracer->events.size(), 3u);
  EXPECT_EQ(tracer->events[0].guard, nullptr);
  EXPECT_NE(tracer->events[1].guard, nullptr);
  EXPECT_EQ(tracer->events[1].guard, tracer->events[4].guard);
}

TEST(LockTrace, EventNamesFollowTheirCodes) {
  EXPECT_STREQ(OWLockEventName(TOWLockEvent::None), "None");
  EXPECT_STREQ(OWLockEventName(TOWLockEvent::Error), "Error");
  EXPECT_STREQ(OWLockEventName(TOWLockEvent::BeginWriteDestroy), "BeginWriteDestroy");
  EXPECT_STREQ(OWLockEventName(TOWLockEvent::ReadDestroy), "ReadDestroy");
  EXPECT_STREQ(OWLockEventName(TOWLockEvent::BeginStopCreate), "BeginStopCreate");
  EXPECT_STREQ(OWLockEventName(TOWLockEvent::UnlockDestroy), "UnlockDestroy");
  EXPECT_EQ(static_cast<int>(TOWLockEvent::UnlockDestroy), 19);
  EXPECT_STREQ(OWLockEventName(static_cast<TOWLockEvent>(20)), "");
  EXPECT_STREQ(OWLockEventName(static_cast<TOWLockEvent>(-1)), "");
}

TEST(LockPrimitives, MutexWaitTimesOutWhileTakenAndSucceedsOnceReleased) {
  TOWMutex mutex;
  ASSERT_TRUE(mutex.Wait(0));
  bool second = true;
  std::thread t([&] { second = mutex.Wait(5); });
  t.join();
  EXPECT_FALSE(second);
  mutex.Release();
  std::thread u([&] {
    second = mutex.Wait(TOWMutex::Infinite);
    mutex.Release();
  });
  u.join();
  EXPECT_TRUE(second);
}

TEST(LockPrimitives, ThreadIdentifiersAreNonZeroAndDistinct) {
  uint32_t mine = OWCurrentThreadId();
  uint32_t other = 0;
  std::thread t([&] { other = OWCurrentThreadId(); });
  t.join();
  EXPECT_NE(mine, 0u);
  EXPECT_NE(other, 0u);
  EXPECT_NE(mine, other);
  EXPECT_EQ(mine, OWCurrentThreadId());
}

}  // namespace
