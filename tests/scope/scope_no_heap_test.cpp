// After warm-up, a new block on its way from the pin through publishing to
// the cached pixel arrays (reduction included), and a pointer move over the
// traces (routing, hit test, the element under the pointer), reach no
// general heap:
// every global operator new and every malloc, realloc and calloc is counted
// while the loop runs, also those made inside the Qt libraries (the
// program's own definitions take their place process-wide). Painting
// itself is not part of the loop.

#include <QApplication>
#include <QMouseEvent>
#include <QVector>

#include <atomic>
#include <cmath>
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

TEST(ScopeSteadyPath, PointerMovesOverTheTracesAllocateNothing) {
  TLPComponent owner;
  TSLOWRealSourcePin source(&owner, nullptr, 0, nullptr, false, owner.Lock());
  TSLScope scope;
  scope.resize(800, 230);
  ASSERT_TRUE(scope.InputPins()->GetPin(0)->Connect(&source));
  source.Notify(MakeOperation<TOWStartSampleRateOperation>(44100.0).get());
  scope.YAxis()->AutoScaling()->SetEnabled(false);
  scope.YAxis()->Min()->SetValue(-1);
  scope.YAxis()->Max()->SetValue(1);
  std::vector<double> wave(44100);
  for (int i = 0; i < 44100; ++i) wave[i] = 0.4 + 0.001 * std::sin(i * 0.001);
  TRef<ISLRealBuffer> block(new TSLRealBuffer(wave.data(), int(wave.size())));
  source.SendBuffer(block.get());
  scope.RefreshTimerTick();
  scope.RedrawBackBuffer();
  const QRect view = scope.DataViewRect();
  // Along the trace at 0.4: the hit test finds it at every move.
  const auto move = [&](QWidget* target, int k) {
    const QPoint p(view.left() + view.width() / 4 + (k * 3) % (view.width() / 2), scope.YAxis()->TickToScreen(0.4));
    QMouseEvent e(QEvent::MouseMove, QPointF(p), target->mapToGlobal(QPointF(p)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(target, &e);
  };
  for (int k = 0; k < 300; ++k) move(&scope, k);
  ASSERT_EQ(scope.ElementUnderPointer(), scope.Channels()->Channel(0));
  // The event and Qt's delivery allocate for any widget: a plain one tells
  // how much, and the scope may add nothing to it.
  QWidget plain;
  plain.resize(scope.size());
  for (int k = 0; k < 300; ++k) move(&plain, k);
  g_allocations = 0;
  g_counting = true;
  for (int k = 0; k < 300; ++k) move(&plain, k);
  g_counting = false;
  const long delivery = g_allocations.load();
  g_allocations = 0;
  g_counting = true;
  for (int k = 0; k < 300; ++k) move(&scope, k);
  g_counting = false;
  EXPECT_EQ(g_allocations.load(), delivery);
  ::testing::Test::RecordProperty("delivery_allocations_per_move", int(delivery / 300));
  scope.InputPins()->GetPin(0)->Disconnect();
}

}  // namespace
