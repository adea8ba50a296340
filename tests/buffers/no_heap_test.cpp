// After warm-up, making, filling, sharing and dropping a 40000-sample real
// buffer and a 44100-frame audio buffer must not reach the general heap.
// Every global operator new and every malloc from our code (wrapped at link
// time) is counted while the loop runs.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "buffers/audio_buffer.h"
#include "buffers/internal_store.h"
#include "buffers/simple_data_buffer.h"

// The global operators below are replaced by malloc/free pairs on purpose.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {
std::atomic<bool> g_counting{false};
std::atomic<long> g_news{0};
std::atomic<long> g_mallocs{0};
}  // namespace

extern "C" void* __real_malloc(size_t size);
extern "C" void* __wrap_malloc(size_t size) {
  if (g_counting.load(std::memory_order_relaxed)) g_mallocs++;
  return __real_malloc(size);
}

void* operator new(size_t size) {
  if (g_counting.load(std::memory_order_relaxed)) g_news++;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

namespace {

double RoundTrip() {
  // Real buffer: create, fill, share, copy on write, search, release.
  TRef<TSLRealBuffer> real(new TSLRealBuffer(40000));
  double* p = real->WriteReals();
  for (int i = 0; i < 40000; ++i) p[i] = i % 100;
  TRef<ISLData> shared = real->Clone();
  auto view = QueryInterface<ISLRealBuffer>(shared);
  view->ModifyReals()[0] = -1;
  double result = real->Max() + view->Min() + real->MinInRange(10, 20000);
  TRef<TSLRealBuffer> assigned(new TSLRealBuffer());
  assigned->Assign(view.get());

  // Audio buffer: create, fill, wrap, extract both channels.
  TRef<TALAudioBuffer> audio(new TALAudioBuffer(44100, 3, 44100, 2, 16));
  auto* s = reinterpret_cast<int16_t*>(audio->WriteSamples());
  for (int i = 0; i < 2 * 44100; ++i) s[i] = int16_t(i);
  TRef<TALAudioBuffer> wrapped(new TALAudioBuffer(static_cast<ISLData*>(audio.get())));
  TRef<ISLRealBuffer> left, right;
  wrapped->ExtractChannelReals(0, left);
  wrapped->ExtractChannelReals(1, right);
  return result + left->Max() + right->GetValue(1);
}

}  // namespace

TEST(SteadyPath, MakesNoHeapAllocationAfterWarmUp) {
  TSLSmartBufferManager::Instance().SetTimerEnabled(false);
  double check = 0;
  for (int i = 0; i < 3; ++i) check += RoundTrip();
  uint64_t poolHeap = TSLSmartBufferManager::Instance().HeapAllocations();

  g_counting = true;
  for (int i = 0; i < 50; ++i) check += RoundTrip();
  g_counting = false;

  EXPECT_EQ(g_news.load(), 0);
  EXPECT_EQ(g_mallocs.load(), 0);
  EXPECT_EQ(TSLSmartBufferManager::Instance().HeapAllocations(), poolHeap);
  EXPECT_GT(check, 0);
  TSLSmartBufferManager::Instance().SetTimerEnabled(true);
}

TEST(SteadyPath, CountersSeeAllocationsWhenThereAreSome) {
  // The same counters do notice a fresh block size and a plain new.
  g_counting = true;
  TRef<TSLRealBuffer> odd(new TSLRealBuffer(12345677));
  auto* plain = new int(3);
  g_counting = false;
  delete plain;
  EXPECT_GE(g_news.load(), 1);
  EXPECT_GE(g_mallocs.load(), 1);
}
