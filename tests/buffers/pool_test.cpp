// The block pool: alignment, recycling by exact size and the trimming rule
// (8 idle ticks, then one block per tick, then the size list goes).

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "buffers/audio_buffer.h"
#include "buffers/internal_store.h"
#include "buffers/sl_exception.h"
#include "buffers/simple_data_buffer.h"
#include "support/test_support.h"

namespace {

TSLSmartBufferManager& Pool() { return TSLSmartBufferManager::Instance(); }

// Keeps the pool's own timer off for the test's duration.
struct ManualTicks {
  ManualTicks() { Pool().SetTimerEnabled(false); }
  ~ManualTicks() { Pool().SetTimerEnabled(true); }
};

}  // namespace

TEST(BlockPool, BlocksAreAlignedAndAllocatorStoresTheHeapAddress) {
  for (size_t size : {1u, 4u, 31u, 32u, 33u, 1000u, 65536u}) {
    void* p = AlignedAlloc(size);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(p) % 32, 0u) << size;
    std::memset(p, 0xAB, size);  // the whole size is usable (ASan checks the bounds)
    AlignedFree(p);
  }
  AlignedFree(nullptr);
  EXPECT_EQ(StoreGetBlock(0), nullptr);
  StorePutBlock(nullptr, 16);
}

TEST(BlockPool, FreeBlocksAreRecycledByExactSize) {
  ManualTicks manual;
  const uint32_t size = 123456;  // a size nothing else uses
  void* a = StoreGetBlock(size);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(a) % 32, 0u);
  uint64_t heap = Pool().HeapAllocations();
  StorePutBlock(a, size);
  EXPECT_EQ(Pool().FreeCount(size), 1u);
  EXPECT_EQ(Pool().Countdown(size), 9);
  void* b = StoreGetBlock(size);
  EXPECT_EQ(b, a);
  EXPECT_EQ(Pool().HeapAllocations(), heap);
  EXPECT_EQ(Pool().FreeCount(size), 0u);
  EXPECT_EQ(Pool().Countdown(size), 9);  // set from the count before taking
  // Another size does not share the list.
  void* c = StoreGetBlock(size + 32);
  EXPECT_NE(c, a);
  StorePutBlock(b, size);
  StorePutBlock(c, size + 32);
  EXPECT_EQ(Pool().FreeCount(size), 1u);
  EXPECT_EQ(Pool().FreeCount(size + 32), 1u);
}

TEST(BlockPool, IdleSizeListReleasesOneBlockPerTickAfterEightTicks) {
  ManualTicks manual;
  const uint32_t size = 654321;
  void* blocks[3] = {StoreGetBlock(size), StoreGetBlock(size), StoreGetBlock(size)};
  for (void* b : blocks) StorePutBlock(b, size);
  ASSERT_EQ(Pool().FreeCount(size), 3u);
  ASSERT_EQ(Pool().Countdown(size), 11);
  for (int tick = 1; tick <= 8; ++tick) {
    Pool().TrimPools();
    EXPECT_EQ(Pool().FreeCount(size), 3u) << "tick " << tick;
  }
  Pool().TrimPools();
  EXPECT_EQ(Pool().FreeCount(size), 2u);
  Pool().TrimPools();
  EXPECT_EQ(Pool().FreeCount(size), 1u);
  EXPECT_TRUE(Pool().HasList(size));
  Pool().TrimPools();
  EXPECT_FALSE(Pool().HasList(size));
  // A returned block after that simply starts a new list.
  void* again = StoreGetBlock(size);
  StorePutBlock(again, size);
  EXPECT_EQ(Pool().FreeCount(size), 1u);
}

TEST(BlockPool, UseRestartsTheCountdown) {
  ManualTicks manual;
  const uint32_t size = 222222;
  StorePutBlock(StoreGetBlock(size), size);
  for (int i = 0; i < 7; ++i) Pool().TrimPools();
  EXPECT_EQ(Pool().Countdown(size), 2);
  void* b = StoreGetBlock(size);
  EXPECT_EQ(Pool().Countdown(size), 9);
  StorePutBlock(b, size);
  for (int i = 0; i < 8; ++i) Pool().TrimPools();
  EXPECT_EQ(Pool().FreeCount(size), 1u);
}

TEST(BlockPool, TimerTrimsAnIdleSizeByItself) {
  Pool().SetTimerEnabled(true);
  const uint32_t size = 333333;
  StorePutBlock(StoreGetBlock(size), size);
  EXPECT_TRUE(Pool().HasList(size));
  // Nine ticks of 200 ms: gone well within the limit.
  EXPECT_TRUE(testsupport::WaitUntil([&] { return !Pool().HasList(size); }, std::chrono::seconds(30)));
}

TEST(BlockPool, ContainersAndHandlesComeFromThePool) {
  ManualTicks manual;
  { TRef<TSLRealBuffer> warm(new TSLRealBuffer(3000)); }
  uint64_t heap = Pool().HeapAllocations();
  for (int i = 0; i < 10; ++i) {
    TRef<TSLRealBuffer> b(new TSLRealBuffer(3000));
    TRef<TSLRealBuffer> c(new TSLRealBuffer(*b));
    EXPECT_EQ(c->Container()->AllocatedSize(), 32768u);
  }
  EXPECT_LE(Pool().HeapAllocations(), heap + 1);  // at most the second handle's block
  uint64_t steady = Pool().HeapAllocations();
  for (int i = 0; i < 10; ++i) {
    TRef<TSLRealBuffer> b(new TSLRealBuffer(3000));
    TRef<TSLRealBuffer> c(new TSLRealBuffer(*b));
  }
  EXPECT_EQ(Pool().HeapAllocations(), steady);
}

TEST(BlockPool, ExhaustedHeapRaisesOutOfMemoryAndLeavesNothingHalfBuilt) {
  ManualTicks manual;
  { TRef<TSLRealBuffer> warm(new TSLRealBuffer(1)); }
  { TRef<TALAudioBuffer> warm(new TALAudioBuffer(8000, 0, 1, 1, 16)); }
  const size_t handles = Pool().FreeCount(sizeof(TSLRealBuffer));
  const size_t containers = Pool().FreeCount(sizeof(TSLSmartMemoryBuffer));
  const size_t audioHandles = Pool().FreeCount(sizeof(TALAudioBuffer));
  ASSERT_GE(handles, 1u);
  ASSERT_GE(containers, 1u);

  SetBlockAllocator(+[](size_t) -> void* { return nullptr; });
  std::string message;
  try {
    TRef<TSLRealBuffer> b(new TSLRealBuffer(777777));
  } catch (const ESLOutOfMemory& e) {
    message = e.what();
  }
  EXPECT_THROW(TRef<TALAudioBuffer>(new TALAudioBuffer(8000, 0, 99999, 2, 16)), ESLException);
  SetBlockAllocator(nullptr);

  EXPECT_EQ(message, "Out of memory");
  // The handle and container objects taken from the pool went back to it.
  EXPECT_EQ(Pool().FreeCount(sizeof(TSLRealBuffer)), handles);
  EXPECT_EQ(Pool().FreeCount(sizeof(TSLSmartMemoryBuffer)), containers);
  EXPECT_EQ(Pool().FreeCount(sizeof(TALAudioBuffer)), audioHandles);
  // And the pool works again afterwards.
  TRef<TSLRealBuffer> fine(new TSLRealBuffer(777777));
  EXPECT_EQ(fine->GetCount(), 777777);
}

#if defined(__SANITIZE_ADDRESS__)
TEST(BlockPoolDeathTest, ReadingABlockAfterReturningItIsCaught) {
  const uint32_t size = 4444;
  auto* block = static_cast<volatile uint8_t*>(StoreGetBlock(size));
  block[0] = 1;
  StorePutBlock(const_cast<uint8_t*>(block), size);
  EXPECT_DEATH((void)block[10], "use-after-poison");
}
#endif
