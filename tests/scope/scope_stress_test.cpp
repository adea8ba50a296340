// The scope under concurrent use: a data thread sends blocks at full pace
// while the window thread publishes, repaints, reconnects pins and toggles
// Hold, and finally destroys the scope while data still arrive. Run under
// ThreadSanitizer in the sanitizer tree.

#include <QCoreApplication>
#include <QPixmap>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "buffers/simple_data_buffer.h"
#include "pins/component.h"
#include "pins/operations.h"
#include "scope/scope.h"

#include <gtest/gtest.h>

namespace {

// Fails the run instead of hanging CI when something deadlocks.
class TWatchdog {
public:
  explicit TWatchdog(int seconds) {
    thread_ = std::thread([this, seconds] {
      const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
      while (!done_.load()) {
        if (std::chrono::steady_clock::now() > deadline) {
          std::fprintf(stderr, "watchdog: no progress, probably a deadlock\n");
          std::abort();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
      }
    });
  }
  ~TWatchdog() {
    done_ = true;
    thread_.join();
  }

private:
  std::atomic<bool> done_{false};
  std::thread thread_;
};

TEST(ScopeStress, DataThreadAgainstWindowThreadAndDestruction) {
  TWatchdog watchdog(300);
  TLPComponent owner;
  TSLOWRealSourcePin left(&owner, nullptr, 0, nullptr, false, owner.Lock());
  TSLOWRealSourcePin right(&owner, nullptr, 0, nullptr, false, owner.Lock());
  auto* scope = new TSLScope;
  scope->Channels()->Add();
  std::atomic<int> draws{0};
  for (int i = 0; i < 2; ++i)
    QObject::connect(scope->Channels()->Channel(i), &TSLScopeChannel::OnChannelDraw,
                     [&](QObject*, int, const double* data, int size, bool) {
                       volatile double sum = 0;
                       for (int k = 0; k < size; ++k) sum = sum + data[k];
                       ++draws;
                     });
  ASSERT_TRUE(scope->InputPins()->GetPin(0)->Connect(&left));
  ASSERT_TRUE(scope->InputPins()->GetPin(1)->Connect(&right));

  std::atomic<bool> stop{false};
  std::atomic<int> sent{0};
  std::thread data([&] {
    left.Notify(MakeOperation<TOWStartSampleRateOperation>(8000.0).get());
    right.Notify(MakeOperation<TOWStartSampleRateOperation>(8000.0).get());
    int k = 0;
    while (!stop.load()) {
      TRef<ISLRealBuffer> a(new TSLRealBuffer(512)), b(new TSLRealBuffer(512));
      a->Fill(k);
      b->Fill(-k);
      left.SendBuffer(a.get());
      right.SendBuffer(b.get());
      ++k;
      ++sent;
    }
  });

  for (int round = 0; round < 400; ++round) {
    scope->RefreshTimerTick();
    scope->grab();
    if (round % 10 == 5) scope->InputPins()->GetPin(1)->Disconnect();
    if (round % 10 == 9) {
      ASSERT_TRUE(scope->InputPins()->GetPin(1)->Connect(&right));
    }
    if (round % 7 == 0) scope->SetHold(!scope->Hold());
    if (round % 50 == 25) scope->SetSizeLimit(scope->SizeLimit() ? 0 : 300);
    QCoreApplication::processEvents();
  }
  // Data keep arriving while the scope goes.
  const int before = sent.load();
  while (sent.load() < before + 10) std::this_thread::yield();
  delete scope;
  QCoreApplication::processEvents();
  const int after = sent.load();
  while (sent.load() < after + 10) std::this_thread::yield();
  stop = true;
  data.join();
  EXPECT_GT(draws.load(), 0);
  // The scope's death unlinked both sources (a call after it would crash
  // under the sanitizers rather than be counted).
  EXPECT_EQ(left.SinkCount(), 0);
  EXPECT_EQ(right.SinkCount(), 0);
}

}  // namespace
