// Several threads on one component lock at once: exclusivity, stops that
// never block other threads, and the component/pin deadlock broken again and
// again. Run by the ThreadSanitizer tree as well.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "pins/lock.h"
#include "pins/lock_guarded.h"
#include "support/test_support.h"

namespace {

TEST(LockStress, ReadAndWriteHoldsFromManyThreadsAreExclusive) {
  TRef<TOWLock> lock(new TOWLock);
  std::atomic<int> inside{0};
  std::atomic<bool> overlap{false};
  long counter = 0;  // plain: only touched under the lock
  constexpr int kThreads = 4, kRounds = 2000;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < kRounds; ++i) {
        auto outer = (i + t) % 2 ? lock->EnterWrite() : lock->EnterRead();
        ASSERT_TRUE(outer);
        if (inside.fetch_add(1) != 0) overlap.store(true);
        auto nested = lock->EnterWrite();
        ++counter;
        inside.fetch_sub(1);
      }
    });
  }
  for (auto& t : threads) t.join();
  EXPECT_FALSE(overlap.load());
  EXPECT_EQ(counter, long(kThreads) * kRounds);
  EXPECT_EQ(lock->Counts(), TOWLockCounts{});
}

TEST(LockStress, StopsWhileOtherThreadsRequestWriteGuards) {
  TRef<TOWLock> lock(new TOWLock);
  std::atomic<bool> running{true};
  std::atomic<bool> stopping{false};
  std::atomic<bool> writerInsideStop{false};
  std::atomic<long> granted{0}, refused{0};
  long shared = 0;
  std::vector<std::thread> writers;
  for (int t = 0; t < 3; ++t) {
    writers.emplace_back([&] {
      while (running.load()) {
        auto guard = lock->EnterWrite();
        if (!guard) {
          refused.fetch_add(1);
          std::this_thread::yield();
          continue;
        }
        if (stopping.load()) writerInsideStop.store(true);
        ++shared;
        granted.fetch_add(1);
      }
    });
  }
  long stops = 0;
  for (int i = 0; i < 200; ++i) {
    auto stop = lock->EnterStop();
    ASSERT_TRUE(stop);
    stopping.store(true);
    ++shared;
    ++stops;
    stopping.store(false);
  }
  // Keep going until every writer has been refused and granted at least once.
  ASSERT_TRUE(testsupport::WaitUntil([&] { return granted.load() > 0; }));
  running.store(false);
  for (auto& t : writers) t.join();
  EXPECT_FALSE(writerInsideStop.load());
  EXPECT_EQ(shared, granted.load() + stops);
  EXPECT_EQ(lock->Counts(), TOWLockCounts{});
}

TEST(LockStress, AStopThatReleasesItsLockForABroadcastGetsItBackExclusively) {
  // The stopping thread gives its lock up while it sends on a pin and takes
  // it back afterwards; writers may slip in only during that window.
  TRef<TOWLock> lock(new TOWLock);
  TRef<TOWLock> input(new TOWLock);
  std::atomic<bool> running{true};
  std::atomic<int> inside{0};
  std::atomic<bool> overlap{false};
  std::atomic<long> granted{0};
  std::vector<std::thread> writers;
  for (int t = 0; t < 3; ++t) {
    writers.emplace_back([&] {
      while (running.load()) {
        auto guard = lock->EnterWrite();
        if (!guard) continue;
        if (inside.fetch_add(1) != 0) overlap.store(true);
        granted.fetch_add(1);
        inside.fetch_sub(1);
      }
    });
  }
  for (int i = 0; i < 100; ++i) {
    auto stop = lock->EnterStop();
    if (inside.fetch_add(1) != 0) overlap.store(true);
    inside.fetch_sub(1);
    {
      auto released = lock->ReleaseAllOrdered(input.get());
      std::this_thread::yield();
    }
    // Back under the stop: alone again.
    if (inside.fetch_add(1) != 0) overlap.store(true);
    EXPECT_TRUE(lock->HeldByCurrentThread());
    EXPECT_EQ(lock->Counts().stopDepth, 1);
    inside.fetch_sub(1);
  }
  ASSERT_TRUE(testsupport::WaitUntil([&] { return granted.load() > 0; }));
  running.store(false);
  for (auto& t : writers) t.join();
  EXPECT_FALSE(overlap.load());
  EXPECT_EQ(lock->Counts(), TOWLockCounts{});
  EXPECT_EQ(input->Counts(), TOWLockCounts{});
}

TEST(LockStress, ComponentAndPinDeadlocksResolveRepeatedly) {
  // Two threads take the component lock and a pin lock in opposite orders;
  // the pin side names the component lock as its second lock, so each
  // deadlock ends after about 210 ms. A few rounds keep the test short.
  TRef<TOWLock> component(new TOWLock);
  TRef<TOWLock> pin(new TOWLock);
  long work = 0;
  constexpr int kRounds = 3;
  std::atomic<int> ready{0};
  auto barrier = [&](int phase) {
    ready.fetch_add(1);
    while (ready.load() < 2 * (phase + 1)) std::this_thread::yield();
  };
  std::thread a([&] {
    for (int r = 0; r < kRounds; ++r) {
      {
        auto c = component->EnterWrite();
        barrier(2 * r);
        auto p = pin->EnterWrite(component.get());
        EXPECT_TRUE(p);
        ++work;
      }
      barrier(2 * r + 1);  // nobody starts the next round before both are done
    }
  });
  std::thread b([&] {
    for (int r = 0; r < kRounds; ++r) {
      {
        auto p = pin->EnterWrite();
        barrier(2 * r);
        auto c = component->EnterWrite();
        EXPECT_TRUE(c);
        ++work;
      }
      barrier(2 * r + 1);
    }
  });
  a.join();
  b.join();
  EXPECT_EQ(work, 2 * kRounds);
  EXPECT_EQ(component->Counts(), TOWLockCounts{});
  EXPECT_EQ(pin->Counts(), TOWLockCounts{});
}

TEST(LockStress, GuardedSettersFromSeveralThreadsNotifyOncePerChange) {
  std::atomic<int> notifications{0};
  TRef<TLPLock> lock(new TLPLock([&] { notifications.fetch_add(1); }));
  int value = 0;
  std::atomic<int> changes{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 1000; ++i)
        if (lock->SetIfChanged(value, (i + t) % 3)) changes.fetch_add(1);
    });
  }
  for (auto& t : threads) t.join();
  EXPECT_EQ(notifications.load(), changes.load());
  EXPECT_GT(changes.load(), 0);
  int last = lock->ReadGuarded(value);
  EXPECT_GE(last, 0);
  EXPECT_LE(last, 2);
}

}  // namespace
