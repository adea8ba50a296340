// One broadcast of a supplied-buffer operation to two sinks through the
// whole dispatch path: lock release, snapshot, handler, typed receive,
// owner callback and reordering.

#include <benchmark/benchmark.h>

#include <atomic>

#include "buffers/simple_data_buffer.h"
#include "pins/component.h"
#include "pins/typed_pins.h"

namespace {

void BM_BroadcastBufferToTwoSinks(benchmark::State& state) {
  TLPComponent sourceOwner, sinkOwner;
  TSLOWRealSourcePin source(&sourceOwner, nullptr, 0, nullptr, true, sourceOwner.Lock());
  std::atomic<int64_t> received{0};
  auto receive = [&](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation* op) {
    if (OperationAs<TOWSuppliedBufferOperation>(op)) received.fetch_add(1, std::memory_order_relaxed);
    return false;
  };
  TSLOWRealSinkPin left(&sinkOwner, nullptr, nullptr, receive, sinkOwner.Lock());
  TSLOWRealSinkPin right(&sinkOwner, nullptr, nullptr, receive, sinkOwner.Lock());
  left.Connect(&source);
  right.Connect(&source);
  TRef<ISLData> buffer(new TSLRealBuffer(static_cast<int32_t>(state.range(0))));
  for (auto _ : state) {
    benchmark::DoNotOptimize(source.SendBuffer(buffer.get()));
  }
  if (received.load() != 2 * static_cast<int64_t>(state.iterations())) state.SkipWithError("lost deliveries");
  state.SetItemsProcessed(state.iterations());
}
// The buffer size must not matter: buffers travel by reference.
BENCHMARK(BM_BroadcastBufferToTwoSinks)->Arg(16)->Arg(44100);

void BM_BroadcastWhileOwnerLockHeld(benchmark::State& state) {
  // The capture thread sends while holding its component's lock; the
  // broadcast gives it up around the receivers and takes it back.
  TLPComponent sourceOwner, sinkOwner;
  TSLOWRealSourcePin source(&sourceOwner, nullptr, 0, nullptr, true, sourceOwner.Lock());
  auto receive = [](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation*) { return false; };
  TSLOWRealSinkPin left(&sinkOwner, nullptr, nullptr, receive, sinkOwner.Lock());
  TSLOWRealSinkPin right(&sinkOwner, nullptr, nullptr, receive, sinkOwner.Lock());
  left.Connect(&source);
  right.Connect(&source);
  TRef<ISLData> buffer(new TSLRealBuffer(1024));
  TRef<IOWLockSection> held = sourceOwner.Lock()->EnterWrite();
  for (auto _ : state) {
    benchmark::DoNotOptimize(source.SendBuffer(buffer.get()));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BroadcastWhileOwnerLockHeld);

}  // namespace
