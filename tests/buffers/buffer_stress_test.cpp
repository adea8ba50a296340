// Buffers shared between threads, as between the capture thread and the
// display: creation, sharing, copy on write and release from several threads
// at once, with the pool's trimming running alongside.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "buffers/audio_buffer.h"
#include "buffers/buffer_queue.h"
#include "buffers/internal_store.h"
#include "buffers/simple_data_buffer.h"

namespace {

bool AllEqual(ISLRealBuffer* b, double v) {
  const double* p = b->ReadReals();
  for (int32_t i = 0; i < b->GetCount(); ++i)
    if (p[i] != v) return false;
  return true;
}

}  // namespace

TEST(BufferThreads, ProducersAndConsumersShareAndCopyOnWrite) {
  constexpr int kProducers = 2, kConsumers = 3, kRounds = 300;
  TSLBufferQueue queue;
  std::atomic<int> produced{0}, consumed{0}, bad{0};
  std::atomic<bool> done{false};

  auto producer = [&](int id) {
    for (int r = 0; r < kRounds; ++r) {
      // Audio block filled while held by nobody else, split into a real buffer.
      TRef<TALAudioBuffer> audio(new TALAudioBuffer(8000, 3, 64 + r % 7, 2, 16));
      auto* s = reinterpret_cast<int16_t*>(audio->WriteSamples());
      for (int32_t f = 0; f < audio->GetCount(); ++f) {
        s[2 * f] = int16_t(id * 1000 + r % 100);
        s[2 * f + 1] = -1;
      }
      TRef<ISLRealBuffer> left;
      audio->ExtractChannelReals(0, left);
      queue.Push(TRef<ISLDataBuffer>(left));
      // A second handle stays here and is written: the queued one must not see it.
      TRef<TSLRealBuffer> mine(new TSLRealBuffer(static_cast<ISLData*>(left.get())));
      mine->MultiplyConst(-1);
      if (!AllEqual(mine.get(), -(id * 1000 + r % 100))) bad++;
      produced++;
    }
  };

  auto consumer = [&] {
    while (!done.load() || queue.HeadCount() > 0) {
      TRef<ISLDataBuffer> item;
      if (!queue.Pop(item)) {
        std::this_thread::yield();
        continue;
      }
      auto real = QueryInterface<ISLRealBuffer>(item);
      if (!real) {
        bad++;
        continue;
      }
      double first = real->GetValue(0);
      if (first < 0 || !AllEqual(real.get(), first)) bad++;
      // Share it further, then write through one of the handles.
      TRef<ISLData> copy = real->Clone();
      auto other = QueryInterface<ISLRealBuffer>(copy);
      other->AddConst(1);
      if (!AllEqual(real.get(), first) || !AllEqual(other.get(), first + 1)) bad++;
      if (real->Max() != first || other->Min() != first + 1) bad++;
      consumed++;
    }
  };

  std::atomic<bool> trimming{true};
  std::thread trimmer([&] {
    while (trimming.load()) {
      TSLSmartBufferManager::Instance().TrimPools();
      std::this_thread::yield();
    }
  });

  std::vector<std::thread> threads;
  for (int c = 0; c < kConsumers; ++c) threads.emplace_back(consumer);
  std::vector<std::thread> producers;
  for (int p = 0; p < kProducers; ++p) producers.emplace_back(producer, p + 1);
  for (auto& t : producers) t.join();
  done = true;
  for (auto& t : threads) t.join();
  trimming = false;
  trimmer.join();

  EXPECT_EQ(produced.load(), kProducers * kRounds);
  // The queue keeps at most 100 buffers; anything dropped was never consumed.
  EXPECT_LE(consumed.load(), produced.load());
  EXPECT_GT(consumed.load(), 0);
  EXPECT_EQ(bad.load(), 0);
}

TEST(BufferThreads, ManyHandlesOnOneContainerReleasedConcurrently) {
  TRef<TSLRealBuffer> origin(new TSLRealBuffer(1000));
  origin->Fill(7);
  TSLSmartBuffer* container = origin->Container();
  std::atomic<int> bad{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 500; ++i) {
        TRef<TSLRealBuffer> h(new TSLRealBuffer(*origin));
        TRef<ISLData> again = h->Clone();
        if (h->GetValue(999) != 7) bad++;
        if (i % 5 == t) {
          h->SetValue(0, -1);  // clones: the others keep their data
          if (h->Container() == container) bad++;
        }
      }
    });
  }
  for (auto& th : threads) th.join();
  EXPECT_EQ(bad.load(), 0);
  EXPECT_EQ(container->HolderCount(), 1);
  EXPECT_EQ(container->OwnerCount(), 1);
  EXPECT_EQ(origin->GetValue(0), 7);
}
