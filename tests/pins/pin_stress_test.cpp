// Several threads on the same pins: broadcasting while sinks connect,
// disconnect and die, and connect/disconnect races. Run under the thread
// and address sanitizers.

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "buffers/audio_buffer.h"
#include "buffers/simple_data_buffer.h"
#include "pins/component.h"
#include "pins/format_converter.h"
#include "support/test_support.h"
#include "pin_test_util.h"

namespace {

// Shared state of one sink's callback; outlives the sink so that a call
// after the sink's death is detected instead of touching freed memory.
struct SinkLife {
  std::atomic<bool> dead{false};
  std::atomic<int> received{0};
  std::atomic<int> afterDeath{0};
};

TSLOWSinkPin::ReceiveCallback Watch(const std::shared_ptr<SinkLife>& life) {
  return [life](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation* op) {
    if (life->dead.load()) life->afterDeath.fetch_add(1);
    if (OperationAs<TOWSuppliedBufferOperation>(op)) life->received.fetch_add(1);
    return false;
  };
}

class Broadcaster {
public:
  explicit Broadcaster(std::function<void()> send) : send_(std::move(send)) {
    thread_ = std::thread([this] {
      while (!stop_.load()) {
        send_();
        count_.fetch_add(1);
      }
    });
  }
  ~Broadcaster() { Stop(); }
  void Stop() {
    stop_.store(true);
    if (thread_.joinable()) thread_.join();
  }
  int Count() const { return count_.load(); }
  // Waits for n more broadcasts.
  bool Advance(int n) {
    int target = Count() + n;
    return testsupport::WaitUntil([&] { return Count() >= target; });
  }

private:
  std::function<void()> send_;
  std::atomic<bool> stop_{false};
  std::atomic<int> count_{0};
  std::thread thread_;
};

TEST(PinStress, BroadcastWhileSinksConnectDisconnectAndDie) {
  TLPComponent sourceOwner, sinkOwner;
  TSLOWRealSourcePin src(&sourceOwner, nullptr, 0, nullptr, true, sourceOwner.Lock());
  auto stableLife = std::make_shared<SinkLife>();
  TSLOWRealSinkPin stable(&sinkOwner, nullptr, nullptr, Watch(stableLife), sinkOwner.Lock());
  ASSERT_TRUE(stable.Connect(&src));
  TRef<ISLData> buffer(new TSLRealBuffer(16));
  Broadcaster b([&] { src.SendBuffer(buffer.get()); });

  std::vector<std::shared_ptr<SinkLife>> lives;
  for (int i = 0; i < 150; ++i) {
    auto life = std::make_shared<SinkLife>();
    lives.push_back(life);
    auto sink = std::make_unique<TSLOWRealSinkPin>(&sinkOwner, nullptr, nullptr, Watch(life), sinkOwner.Lock());
    ASSERT_TRUE(sink->Connect(&src));
    if (i % 10 == 0) {
      ASSERT_TRUE(b.Advance(1));
    }
    if (i % 2 == 0) sink->Disconnect();  // the other half die connected
    sink.reset();
    life->dead.store(true);
  }
  // While another sink detaches, a broadcast in progress skips its
  // remaining receivers; once the churn ends every broadcast arrives.
  const int received = stableLife->received.load();
  const int sent = b.Count();
  ASSERT_TRUE(b.Advance(20));
  b.Stop();
  for (auto& life : lives) EXPECT_EQ(life->afterDeath.load(), 0);
  EXPECT_EQ(src.SinkCount(), 1);
  EXPECT_GE(stableLife->received.load() - received, b.Count() - sent - 1);
  EXPECT_EQ(src.SendingDepth(), 0);
}

TEST(PinStress, ConnectDisconnectRacesLeaveConsistentLinks) {
  TLPComponent owner;
  TSLOWRealSourcePin s1(&owner, nullptr, 0, nullptr, true, owner.Lock());
  TSLOWRealSourcePin s2(&owner, nullptr, 0, nullptr, true, owner.Lock());
  auto life = std::make_shared<SinkLife>();
  TSLOWRealSinkPin sink(&owner, nullptr, nullptr, Watch(life), owner.Lock());
  TRef<ISLData> buffer(new TSLRealBuffer(4));
  Broadcaster b1([&] { s1.SendBuffer(buffer.get()); });
  Broadcaster b2([&] { s2.SendBuffer(buffer.get()); });

  std::atomic<bool> go{false};
  auto worker = [&](TSLOWRealSourcePin* mine) {
    while (!go.load()) std::this_thread::yield();
    for (int i = 0; i < 300; ++i) {
      if (i % 3 == 2)
        sink.Disconnect();
      else
        sink.Connect(mine);
    }
  };
  std::thread t1(worker, &s1), t2(worker, &s2);
  go.store(true);
  t1.join();
  t2.join();
  ASSERT_TRUE(b1.Advance(2));
  b1.Stop();
  b2.Stop();
  // At most one source holds the sink, and it is the one the sink names.
  int total = s1.SinkCount() + s2.SinkCount();
  EXPECT_LE(total, 1);
  TOWBasicPin* source = sink.GetSource();
  if (total == 1) {
    EXPECT_EQ(source, s1.SinkCount() ? static_cast<TOWBasicPin*>(&s1) : &s2);
  } else {
    EXPECT_EQ(source, nullptr);
  }
}

TEST(PinStress, ConvertersComeAndGoDuringBroadcasts) {
  TLPComponent owner;
  TALOWAudioSourcePin capture(&owner, nullptr, 0, nullptr, owner.Lock());
  auto* audio = new TALAudioBuffer(8000, 3, 64, 2, 16);
  TRef<ISLData> hold(audio);
  audio->FillValue(5);
  const int convertersBefore = TOWFormatConverter::LiveCount();
  Broadcaster b([&] { capture.SendBuffer(hold.get()); });
  for (int i = 0; i < 80; ++i) {
    auto life = std::make_shared<SinkLife>();
    auto a = std::make_unique<TSLOWRealSinkPin>(&owner, nullptr, nullptr, Watch(life), owner.Lock());
    auto c = std::make_unique<TSLOWRealSinkPin>(&owner, nullptr, nullptr, Watch(life), owner.Lock());
    ASSERT_TRUE(a->Connect(&capture));
    ASSERT_TRUE(c->Connect(&capture));
    if (i % 8 == 0) {
      ASSERT_TRUE(b.Advance(1));
    }
    a.reset();
    c->Disconnect();
    c.reset();
    life->dead.store(true);
    EXPECT_EQ(life->afterDeath.load(), 0);
  }
  b.Stop();
  EXPECT_EQ(capture.ConverterCount(), 0);
  // Converters held by a finished broadcast are gone too.
  EXPECT_EQ(TOWFormatConverter::LiveCount(), convertersBefore);
}

TEST(PinStress, SourceDestroyedAfterItsBroadcasterStops) {
  TLPComponent owner;
  auto src = std::make_unique<TSLOWRealSourcePin>(&owner, nullptr, 0, nullptr, true, owner.Lock());
  auto life = std::make_shared<SinkLife>();
  TSLOWRealSinkPin sink(&owner, nullptr, nullptr, Watch(life), owner.Lock());
  ASSERT_TRUE(sink.Connect(src.get()));
  TRef<ISLData> buffer(new TSLRealBuffer(4));
  {
    Broadcaster b([&] { src->SendBuffer(buffer.get()); });
    ASSERT_TRUE(b.Advance(20));
  }
  src.reset();
  // The sink forgot its dead source.
  EXPECT_EQ(sink.GetSource(), nullptr);
  EXPECT_FALSE(sink.IsConnected());
  EXPECT_GE(life->received.load(), 20);
}

TEST(PinStress, SourceDestroyedBetweenTwoSinksOfItsBroadcastWaitsForIt) {
  TLPComponent owner;
  TRef<ISLData> buffer(new TSLRealBuffer(4));
  for (int round = 0; round < 200; ++round) {
    auto* src = new TSLOWRealSourcePin(&owner, nullptr, 0, nullptr, true, owner.Lock());
    std::atomic<bool> destroy{false};
    // The first sink lets a destroyer in and returns once it is waiting: the
    // broadcast is then between its two sinks.
    TSLOWRealSinkPin first(&owner, nullptr, nullptr,
                           [&](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation* op) {
                             if (OperationAs<TOWSuppliedBufferOperation>(op)) {
                               destroy = true;
                               testsupport::WaitUntil([&] { return src->DestroyLock()->DestroyLockObject()->IsDestroying(); });
                             }
                             return false;
                           },
                           owner.Lock());
    auto life = std::make_shared<SinkLife>();
    TSLOWRealSinkPin second(&owner, nullptr, nullptr, Watch(life), owner.Lock());
    ASSERT_TRUE(first.Connect(src));
    ASSERT_TRUE(second.Connect(src));
    std::thread destroyer([&] {
      testsupport::WaitUntil([&] { return destroy.load(); });
      delete src;
    });
    // Under the sanitizers a pin used after its destruction is reported.
    src->SendBuffer(buffer.get());
    destroyer.join();
    EXPECT_EQ(life->received.load(), 0) << "the destruction cuts the broadcast short, round " << round;
    EXPECT_FALSE(first.IsConnected());
    EXPECT_FALSE(second.IsConnected());
  }
}

}  // namespace
