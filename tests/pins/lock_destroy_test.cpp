// The destroy lock: users drained before a destruction, refused during it.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "pins/lock.h"
#include "support/test_support.h"

using testsupport::WaitUntil;

namespace {

struct Fixture {
  TRef<TOWLock> pinLock{new TOWLock};
  TRef<TOWDestroyLock> destroy{new TOWDestroyLock(pinLock.get())};
};

TEST(DestroyLock, UseIsRefusedToOtherThreadsDuringADestructionButNotToTheDestroyer) {
  Fixture f;
  auto destroying = f.destroy->EnterDestroy();
  ASSERT_TRUE(destroying);
  EXPECT_TRUE(f.destroy->IsDestroying());
  bool otherGot = true;
  std::thread t([&] { otherGot = static_cast<bool>(f.destroy->EnterUse()); });
  t.join();
  EXPECT_FALSE(otherGot);
  EXPECT_EQ(f.destroy->UserCount(), 0);
  {
    auto own = f.destroy->EnterUse();
    EXPECT_TRUE(own);
    EXPECT_EQ(f.destroy->UserCount(), 1);
  }
  destroying.reset();
  EXPECT_FALSE(f.destroy->IsDestroying());
  std::thread u([&] { otherGot = static_cast<bool>(f.destroy->EnterUse()); });
  u.join();
  EXPECT_TRUE(otherGot);
  EXPECT_EQ(f.destroy->UserCount(), 0);
}

TEST(DestroyLock, DestructionWaitsUntilTheLastUserLeaves) {
  Fixture f;
  std::atomic<bool> release{false};
  std::atomic<bool> using_{false};
  std::thread user([&] {
    auto use = f.destroy->EnterUse();
    ASSERT_TRUE(use);
    using_.store(true);
    while (!release.load()) std::this_thread::yield();
  });
  ASSERT_TRUE(WaitUntil([&] { return using_.load(); }));
  std::atomic<bool> granted{false};
  std::thread destroyer([&] {
    auto d = f.destroy->EnterDestroy();
    granted.store(true);
  });
  ASSERT_TRUE(WaitUntil([&] { return f.destroy->IsDestroying(); }));
  EXPECT_FALSE(granted.load());  // the user is still inside
  release.store(true);
  user.join();
  destroyer.join();
  EXPECT_TRUE(granted.load());
  EXPECT_FALSE(f.destroy->IsDestroying());
}

TEST(DestroyLock, TheDestroyerMayHoldTheUseItIsDestroyingFrom) {
  // A handler running inside a use of its own pin disconnects that pin.
  Fixture f;
  auto use = f.destroy->EnterUse();
  ASSERT_TRUE(use);
  auto d = f.destroy->EnterDestroy();
  EXPECT_TRUE(d);
  d.reset();
  use.reset();
  EXPECT_EQ(f.destroy->UserCount(), 0);
}

TEST(DestroyLock, DestructionReleasesThePinLockWhileUsersDrainAndRetakesIt) {
  Fixture f;
  auto pinHeld = f.pinLock->EnterWrite();
  std::atomic<bool> userDone{false};
  // The user needs the pin lock to finish its call.
  std::thread user([&] {
    auto u = f.destroy->EnterUse();
    ASSERT_TRUE(u);
    auto p = f.pinLock->EnterWrite();
    EXPECT_TRUE(p);
    userDone.store(true);
  });
  ASSERT_TRUE(WaitUntil([&] { return f.destroy->UserCount() == 1; }));
  auto d = f.destroy->EnterDestroy();
  user.join();
  EXPECT_TRUE(userDone.load());
  EXPECT_TRUE(f.pinLock->HeldByCurrentThread());
  EXPECT_EQ(f.pinLock->Counts().holdCount, 1);
}

TEST(DestroyLock, PauseReopensForOtherThreadsUntilReleased) {
  Fixture f;
  auto d = f.destroy->EnterDestroy();
  {
    auto pause = f.destroy->PauseDestroy();
    EXPECT_FALSE(f.destroy->IsDestroying());
    bool got = false;
    std::thread t([&] { got = static_cast<bool>(f.destroy->EnterUse()); });
    t.join();
    EXPECT_TRUE(got);
  }
  EXPECT_EQ(f.destroy->DestroyingCount(), 1);
  bool got = true;
  std::thread t([&] { got = static_cast<bool>(f.destroy->EnterUse()); });
  t.join();
  EXPECT_FALSE(got);
}

TEST(DestroyLock, ManyUsersAgainstOneDestroyerNeverOverlap) {
  Fixture f;
  std::atomic<bool> destroyed{false};
  std::atomic<bool> useAfterDestroy{false};
  std::atomic<bool> running{true};
  std::vector<std::thread> users;
  for (int i = 0; i < 3; ++i) {
    users.emplace_back([&] {
      while (running.load()) {
        auto u = f.destroy->EnterUse();
        if (u && destroyed.load()) useAfterDestroy.store(true);
      }
    });
  }
  {
    auto d = f.destroy->EnterDestroy();
    destroyed.store(true);
    // Users are drained and refused while the destroy guard is held.
    for (int i = 0; i < 1000; ++i) std::this_thread::yield();
    destroyed.store(false);
  }
  running.store(false);
  for (auto& t : users) t.join();
  EXPECT_FALSE(useAfterDestroy.load());
  EXPECT_EQ(f.destroy->UserCount(), 0);
}

}  // namespace
