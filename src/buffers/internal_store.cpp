#include "buffers/internal_store.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <new>

#include "buffers/sl_exception.h"

// Free blocks in the pool are poisoned under AddressSanitizer, so a handle
// that keeps using a block after giving it back is caught like a use after
// free.
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define POOL_POISON(p, n) ASAN_POISON_MEMORY_REGION((p), (n))
#define POOL_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION((p), (n))
#else
#define POOL_POISON(p, n) ((void)(p), (void)(n))
#define POOL_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace {
// Set once the pool has been finalised at process exit: blocks that come
// back afterwards go straight to the heap.
std::atomic<bool> g_poolFinalised{false};

std::atomic<TBlockAllocator> g_allocator{nullptr};

void* HeapBlock(size_t size) {
  TBlockAllocator allocator = g_allocator.load(std::memory_order_acquire);
  return allocator ? allocator(size) : AlignedAlloc(size);
}

constexpr uint32_t kMaxCapacity = 1u << 30;
constexpr int32_t kIdleTicks = 8;
constexpr auto kTrimInterval = std::chrono::milliseconds(200);
}  // namespace

uint32_t RoundCapacity(uint32_t n) noexcept {
  if (n > kMaxCapacity) return kMaxCapacity;
  uint32_t c = 4;
  while (c < n) c <<= 1;
  return c;
}

// The heap address is kept just before the aligned block, so the block can
// be freed without any table.
void* AlignedAlloc(size_t size) noexcept {
  constexpr size_t kAlign = 32;
  constexpr size_t kSlot = sizeof(void*);
  void* raw = std::malloc(size + kAlign + kSlot);
  if (!raw) return nullptr;
  uintptr_t aligned = (reinterpret_cast<uintptr_t>(raw) + kSlot + kAlign - 1) & ~uintptr_t(kAlign - 1);
  std::memcpy(reinterpret_cast<void*>(aligned - kSlot), &raw, kSlot);
  return reinterpret_cast<void*>(aligned);
}

void AlignedFree(void* block) noexcept {
  if (!block) return;
  void* raw;
  std::memcpy(&raw, static_cast<char*>(block) - sizeof(void*), sizeof(void*));
  std::free(raw);
}

void SetBlockAllocator(TBlockAllocator allocator) noexcept {
  g_allocator.store(allocator, std::memory_order_release);
}

void* StoreGetBlock(uint32_t size) {
  if (size == 0) return nullptr;
  if (g_poolFinalised.load(std::memory_order_acquire)) {
    void* block = HeapBlock(size);
    if (!block) throw ESLOutOfMemory();
    return block;
  }
  return TSLSmartBufferManager::Instance().GetBlock(size);
}

void StorePutBlock(void* block, uint32_t size) noexcept {
  if (!block) return;
  if (g_poolFinalised.load(std::memory_order_acquire)) {
    AlignedFree(block);
    return;
  }
  TSLSmartBufferManager::Instance().PutBlock(block, size);
}

// ---- TSLSmartBufferList ----

TSLSmartBufferList::~TSLSmartBufferList() {
  for (void* block : free_) {
    POOL_UNPOISON(block, size_);
    AlignedFree(block);
  }
}

void* TSLSmartBufferList::GetBlock() {
  countdown_ = static_cast<int32_t>(free_.size()) + kIdleTicks;
  if (free_.empty()) return nullptr;
  void* block = free_.back();
  free_.pop_back();
  POOL_UNPOISON(block, size_);
  return block;
}

void TSLSmartBufferList::PutBlock(void* block) {
  free_.push_back(block);
  POOL_POISON(block, size_);
  countdown_ = static_cast<int32_t>(free_.size()) + kIdleTicks;
}

bool TSLSmartBufferList::Tick() {
  if (countdown_ > 0) {
    --countdown_;
    while (free_.size() > static_cast<size_t>(countdown_)) {
      POOL_UNPOISON(free_.back(), size_);
      AlignedFree(free_.back());
      free_.pop_back();
    }
  }
  return countdown_ != 0;
}

// ---- TSLSmartBufferManager ----

TSLSmartBufferManager& TSLSmartBufferManager::Instance() {
  static TSLSmartBufferManager manager;
  return manager;
}

TSLSmartBufferManager::~TSLSmartBufferManager() {
  {
    std::lock_guard<std::mutex> guard(timerLock_);
    timerStop_ = true;
  }
  timerWake_.notify_all();
  if (timer_.joinable()) timer_.join();
  std::lock_guard<std::mutex> guard(lock_);
  g_poolFinalised.store(true, std::memory_order_release);
  for (TSLSmartBufferList* list : lists_) delete list;
  lists_.clear();
}

TSLSmartBufferList* TSLSmartBufferManager::FindList(uint32_t size, bool create) {
  for (TSLSmartBufferList* list : lists_)
    if (list->Size() == size) return list;
  if (!create) return nullptr;
  auto* list = new TSLSmartBufferList(size);
  try {
    lists_.push_back(list);
  } catch (...) {
    delete list;
    throw;
  }
  return list;
}

void* TSLSmartBufferManager::GetBlock(uint32_t size) {
  EnsureTimer();
  void* block = nullptr;
  {
    std::lock_guard<std::mutex> guard(lock_);
    block = FindList(size, true)->GetBlock();
  }
  if (block) return block;
  block = HeapBlock(size);
  if (!block) throw ESLOutOfMemory();
  heapAllocations_.fetch_add(1, std::memory_order_relaxed);
  return block;
}

void TSLSmartBufferManager::PutBlock(void* block, uint32_t size) noexcept {
  std::lock_guard<std::mutex> guard(lock_);
  try {
    FindList(size, true)->PutBlock(block);
  } catch (...) {
    AlignedFree(block);  // no room to keep it: give it back to the heap
  }
}

void TSLSmartBufferManager::TrimPools() {
  std::lock_guard<std::mutex> guard(lock_);
  for (size_t i = lists_.size(); i-- > 0;) {
    if (!lists_[i]->Tick()) {
      delete lists_[i];
      lists_.erase(lists_.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
}

void TSLSmartBufferManager::SetTimerEnabled(bool enabled) {
  EnsureTimer();
  std::lock_guard<std::mutex> guard(timerLock_);
  timerEnabled_ = enabled;
}

bool TSLSmartBufferManager::HasList(uint32_t size) {
  std::lock_guard<std::mutex> guard(lock_);
  return FindList(size, false) != nullptr;
}

size_t TSLSmartBufferManager::FreeCount(uint32_t size) {
  std::lock_guard<std::mutex> guard(lock_);
  TSLSmartBufferList* list = FindList(size, false);
  return list ? list->FreeCount() : 0;
}

int32_t TSLSmartBufferManager::Countdown(uint32_t size) {
  std::lock_guard<std::mutex> guard(lock_);
  TSLSmartBufferList* list = FindList(size, false);
  return list ? list->Countdown() : -1;
}

void TSLSmartBufferManager::EnsureTimer() {
  if (timerStarted_.load(std::memory_order_acquire)) return;
  std::lock_guard<std::mutex> guard(timerLock_);
  if (timer_.joinable() || timerStop_) return;
  timer_ = std::thread([this] { TimerLoop(); });
  timerStarted_.store(true, std::memory_order_release);
}

void TSLSmartBufferManager::TimerLoop() {
  std::unique_lock<std::mutex> guard(timerLock_);
  auto next = std::chrono::steady_clock::now() + kTrimInterval;
  while (!timerStop_) {
    if (timerWake_.wait_until(guard, next, [this] { return timerStop_; })) break;
    next += kTrimInterval;
    // The pass runs under the timer lock, so switching the timer off waits
    // for a pass in progress.
    if (timerEnabled_) TrimPools();
  }
}

// ---- pooled objects and containers ----

void* TSLPooledObject::operator new(size_t size) {
  void* p = StoreGetBlock(static_cast<uint32_t>(size));
  std::memset(p, 0, size);
  return p;
}

void TSLPooledObject::operator delete(void* p, size_t size) noexcept {
  StorePutBlock(p, static_cast<uint32_t>(size));
}

void TSLSmartBuffer::Attach(bool asOwner) {
  std::lock_guard<std::mutex> guard(cs_);
  if (asOwner) ++ownerCount_;
  ++holderCount_;
}

void TSLSmartBuffer::Detach(bool asOwner) {
  bool last = false;
  {
    std::lock_guard<std::mutex> guard(cs_);
    if (asOwner && ownerCount_ > 0) --ownerCount_;
    if (holderCount_ > 0) {
      --holderCount_;
      last = holderCount_ == 0;
    }
  }
  if (last) delete this;
}

void TSLSmartBuffer::ReleaseOwner() {
  std::lock_guard<std::mutex> guard(cs_);
  if (ownerCount_ > 0) --ownerCount_;
}

bool TSLSmartBuffer::IsExclusive() {
  std::lock_guard<std::mutex> guard(cs_);
  return ownerCount_ < 2;
}

int32_t TSLSmartBuffer::OwnerCount() {
  std::lock_guard<std::mutex> guard(cs_);
  return ownerCount_;
}

int32_t TSLSmartBuffer::HolderCount() {
  std::lock_guard<std::mutex> guard(cs_);
  return holderCount_;
}

TSLSmartMemoryBuffer::TSLSmartMemoryBuffer(uint32_t bytes) : allocated_(RoundCapacity(bytes)) {
  block_ = static_cast<uint8_t*>(StoreGetBlock(allocated_));
}

TSLSmartMemoryBuffer::~TSLSmartMemoryBuffer() { StorePutBlock(block_, allocated_); }

TSLSmartBuffer* TSLSmartMemoryBuffer::CloneContainer(bool copyData) {
  auto* clone = new TSLSmartMemoryBuffer(allocated_);
  if (copyData) std::memcpy(clone->block_, block_, allocated_);
  return clone;
}
