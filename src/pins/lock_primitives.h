#pragma once
// Plain synchronization primitives under the component locks: a re-entrant
// critical section, its scope guard, and an unnamed mutex with timed waits
// that is not tied to the thread that took it.

#include <condition_variable>
#include <cstdint>
#include <mutex>

// A per-thread identifier that is never 0 (0 means "no thread").
uint32_t OWCurrentThreadId() noexcept;

// Re-entrant like an operating-system critical section: the thread inside
// may enter again and must leave as often as it entered.
class TOWCriticalSection {
public:
  TOWCriticalSection() = default;
  TOWCriticalSection(const TOWCriticalSection&) = delete;
  TOWCriticalSection& operator=(const TOWCriticalSection&) = delete;

  void Enter() { mutex_.lock(); }
  void Leave() { mutex_.unlock(); }
  bool TryEnter() { return mutex_.try_lock(); }

private:
  std::recursive_mutex mutex_;
};

// Enters on construction, leaves on destruction.
class TOWCriticalSectionLock {
public:
  explicit TOWCriticalSectionLock(TOWCriticalSection& section) : section_(section) { section_.Enter(); }
  ~TOWCriticalSectionLock() { section_.Leave(); }
  TOWCriticalSectionLock(const TOWCriticalSectionLock&) = delete;
  TOWCriticalSectionLock& operator=(const TOWCriticalSectionLock&) = delete;

private:
  TOWCriticalSection& section_;
};

// Created not owned. Ownership is a plain flag, so the lock layer alone
// decides who owns it (it records the owner thread itself).
class TOWMutex {
public:
  static constexpr uint32_t Infinite = 0xFFFFFFFFu;

  TOWMutex() = default;
  TOWMutex(const TOWMutex&) = delete;
  TOWMutex& operator=(const TOWMutex&) = delete;

  // Takes the mutex; false only when `timeoutMs` passed without getting it.
  bool Wait(uint32_t timeoutMs);
  void Release();

private:
  std::mutex mutex_;
  std::condition_variable freed_;
  bool owned_ = false;
};
