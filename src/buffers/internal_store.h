#pragma once
// Storage containers of the buffer family and the process-wide pool of
// recycled memory blocks behind them.
//
// A container (TSLSmartBuffer and descendants) owns one memory block and is
// shared by any number of buffer handles. It counts holders (every attached
// handle) and owners (handles that may write); it destroys itself with its
// last holder, and a handle may write in place only while it is the sole
// owner. Blocks and the container objects themselves come from the pool,
// which keeps free blocks per exact size and gives them back to the heap
// after a size has been idle for a while (every 200 ms tick, see TrimPools).

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

// The smallest power of two 2^k, 2 <= k <= 30, with 2^k >= n; 2^30 for
// anything larger.
uint32_t RoundCapacity(uint32_t n) noexcept;

// 32-byte aligned heap block of `size` bytes; nullptr when the heap has none.
void* AlignedAlloc(size_t size) noexcept;
void AlignedFree(void* block) noexcept;

// Replaces the heap allocator behind the pool (nullptr restores AlignedAlloc);
// it must return blocks that AlignedFree can free, or nullptr.
// Lets tests provoke an exhausted heap.
using TBlockAllocator = void* (*)(size_t size);
void SetBlockAllocator(TBlockAllocator allocator) noexcept;

// A block of exactly `size` bytes from the pool (recycled when one is free);
// nullptr for size 0. Throws ESLOutOfMemory when the heap is exhausted.
void* StoreGetBlock(uint32_t size);
// Gives a block obtained with StoreGetBlock(size) back to the pool.
void StorePutBlock(void* block, uint32_t size) noexcept;

// Free blocks of one exact size.
class TSLSmartBufferList {
public:
  explicit TSLSmartBufferList(uint32_t size) : size_(size) {}
  ~TSLSmartBufferList();
  TSLSmartBufferList(const TSLSmartBufferList&) = delete;
  TSLSmartBufferList& operator=(const TSLSmartBufferList&) = delete;

  uint32_t Size() const { return size_; }
  int32_t Countdown() const { return countdown_; }
  size_t FreeCount() const { return free_.size(); }
  void* GetBlock();
  void PutBlock(void* block);
  // One trimming tick; false when the list has run out of time and should go.
  bool Tick();

private:
  uint32_t size_;
  std::vector<void*> free_;
  int32_t countdown_ = 0;
};

// The pool: one instance per process.
class TSLSmartBufferManager {
public:
  static TSLSmartBufferManager& Instance();

  void* GetBlock(uint32_t size);
  void PutBlock(void* block, uint32_t size) noexcept;
  // One trimming pass over the size lists, last to first. The pool's own
  // timer calls it every 200 ms; tests may switch the timer off (which waits
  // for a pass in progress) and call it themselves.
  void TrimPools();
  void SetTimerEnabled(bool enabled);

  // Observation for tests and benchmarks.
  bool HasList(uint32_t size);
  size_t FreeCount(uint32_t size);    // 0 when there is no list
  int32_t Countdown(uint32_t size);   // -1 when there is no list
  // Number of blocks taken from the heap so far (not recycled ones).
  uint64_t HeapAllocations() const { return heapAllocations_.load(std::memory_order_relaxed); }

  ~TSLSmartBufferManager();

private:
  TSLSmartBufferManager() = default;
  TSLSmartBufferList* FindList(uint32_t size, bool create);
  void EnsureTimer();
  void TimerLoop();

  std::mutex lock_;
  std::vector<TSLSmartBufferList*> lists_;
  std::atomic<uint64_t> heapAllocations_{0};

  std::mutex timerLock_;
  std::condition_variable timerWake_;
  std::thread timer_;
  std::atomic<bool> timerStarted_{false};
  bool timerEnabled_ = true;
  bool timerStop_ = false;
};

// Container objects live in pool blocks of exactly their instance size.
class TSLPooledObject {
public:
  static void* operator new(size_t size);
  static void operator delete(void* p, size_t size) noexcept;
};

class TSLSmartBuffer : public TSLPooledObject {
public:
  TSLSmartBuffer() = default;
  TSLSmartBuffer(const TSLSmartBuffer&) = delete;
  TSLSmartBuffer& operator=(const TSLSmartBuffer&) = delete;

  virtual void Attach(bool asOwner);
  // Destroys the container when the last holder goes.
  virtual void Detach(bool asOwner);
  virtual void ReleaseOwner();
  virtual bool IsExclusive();
  // A new container of the same allocated size; with copyData the whole
  // block is copied, otherwise its contents are undefined.
  virtual TSLSmartBuffer* CloneContainer(bool copyData) = 0;

  virtual uint8_t* Block() const = 0;
  virtual uint32_t AllocatedSize() const = 0;

  int32_t OwnerCount();
  int32_t HolderCount();

protected:
  virtual ~TSLSmartBuffer() = default;

private:
  int32_t ownerCount_ = 0;
  int32_t holderCount_ = 0;
  std::mutex cs_;
};

class TSLSmartMemoryBuffer : public TSLSmartBuffer {
public:
  // A block of RoundCapacity(bytes) bytes from the pool.
  explicit TSLSmartMemoryBuffer(uint32_t bytes);
  TSLSmartBuffer* CloneContainer(bool copyData) override;
  uint8_t* Block() const override { return block_; }
  uint32_t AllocatedSize() const override { return allocated_; }

protected:
  ~TSLSmartMemoryBuffer() override;

private:
  uint8_t* block_ = nullptr;
  uint32_t allocated_ = 0;
};
