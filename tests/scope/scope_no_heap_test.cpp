// After warm-up, a new block on its way from the pin through publishing to
// the cached pixel arrays (reduction included) reaches no general heap:
// every global operator new and every malloc, realloc and calloc is counted
// while the loop runs, also those made inside the Qt libraries (the
// program's own definitions take their place process-wide). Painting
// itself is not part of the loop.

#include <QApplication>
#include <QVector>

#include <atomic>
#include <cstdlib>
#include <new>

#include "buffers/simple_data_buffer.h"
#include "pins/component.h"
#include "pins/operations.h"
#include "scope/scope.h"

#include <gtest/gtest.h>

#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {
std::atomic<bool> g_counting{false};
std::atomic<long> g_allocations{0};
}  // namespace

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_realloc(void* p, size_t size);
void* __libc_calloc(size_t count, size_t size);
void* malloc(size_t size) {
  if (g_counting.load(std::memory_order_relaxed)) g_allocations++;
  return __libc_malloc(size);
}
void* realloc(void* p, size_t size) {
  if (g_counting.load(std::memory_order_relaxed)) g_allocations++;
  return __libc_realloc(p, size);
}
void* calloc(size_t count, size_t size) {
  if (g_counting.load(std::memory_order_relaxed)) g_allocations++;
  return __libc_calloc(count, size);
}
}

void* operator new(size_t size) {
  if (g_counting.load(std::memory_order_relaxed)) g_allocations++;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

namespace {

TEST(ScopeSteadyPath, TheCountersSeeAllocationsInsideQt) {
  g_allocations = 0;
  g_counting = true;
  {
    QVector<int> inQt(1000);
    inQt.resize(5000);
    EXPECT_EQ(inQt.size(), 5000);
  }
  g_counting = false;
  EXPECT_GE(g_allocations.load(), 2);
  g_allocations = 0;
}

TEST(ScopeSteadyPath, NewBlockToPixelArraysAllocatesNothing) {
  TLPComponent owner;
  TSLOWRealSourcePin source(&owner, nullptr, 0, nullptr, false, owner.Lock());
  TSLScope scope;
  scope.resize(800, 230);
  ASSERT_TRUE(scope.InputPins()->GetPin(0)->Connect(&source));
  source.Notify(MakeOperation<TOWStartSampleRateOperation>(44100.0).get());
  TSLScopeChannel* channel = scope.Channels()->Channel(0);
  // The blocks and the operations carrying them are the sender's; they are
  // made before counting.
  std::vector<TRef<ISLRealBuffer>> blocks;
  std::vector<TRef<IOWNotifyOperation>> ops;
  for (int k = 0; k < 30; ++k) {
    blocks.emplace_back(new TSLRealBuffer(44100));
    blocks.back()->Fill(k % 7 * 0.1);
    ops.push_back(TRef<IOWNotifyOperation>(new TOWSuppliedBufferOperation(blocks.back().get())));
  }
  // The pin receives the block as the source's broadcast hands it over (the
  // broadcast itself belongs to the sender and is measured apart below).
  ISLOWStream* pin = channel->InputPin();
  const auto step = [&](int k) {
    pin->Receive(TGUID{}, ops[k].get(), 0);
    scope.RefreshTimerTick();
    channel->PrepareTrace();
  };
  scope.RedrawBackBuffer();  // layout and fonts
  for (int k = 0; k < 10; ++k) step(k);
  const int rebuilds = channel->Trace().Rebuilds();
  g_counting = true;
  for (int k = 10; k < 30; ++k) step(k);
  g_counting = false;
  EXPECT_EQ(channel->Trace().Rebuilds(), rebuilds + 20);
  EXPECT_TRUE(channel->Trace().Reduced());
  EXPECT_EQ(g_allocations.load(), 0);
  // For the record: what the source pin's broadcast allocates per block.
  g_counting = true;
  for (int k = 0; k < 10; ++k) source.Notify(ops[k].get());
  g_counting = false;
  ::testing::Test::RecordProperty("broadcast_allocations_per_block", int(g_allocations.load() / 10));
  scope.InputPins()->GetPin(0)->Disconnect();
}

}  // namespace
