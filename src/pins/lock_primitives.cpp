#include "pins/lock_primitives.h"

#include <atomic>
#include <chrono>

uint32_t OWCurrentThreadId() noexcept {
  static std::atomic<uint32_t> next{1};
  thread_local uint32_t id = next.fetch_add(1, std::memory_order_relaxed);
  return id;
}

bool TOWMutex::Wait(uint32_t timeoutMs) {
  std::unique_lock<std::mutex> lock(mutex_);
  if (timeoutMs == Infinite) {
    freed_.wait(lock, [this] { return !owned_; });
  } else if (!freed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return !owned_; })) {
    return false;
  }
  owned_ = true;
  return true;
}

void TOWMutex::Release() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    owned_ = false;
  }
  freed_.notify_one();
}
