// Channel data intake: blocks arrive through real pins on a data thread,
// channels fed together change together, SizeLimit, Hold, and the
// channel-draw event with WasChanged.

#include <QImage>

#include <thread>
#include <vector>

#include "audio/audio_to_real.h"
#include "buffers/audio_buffer.h"
#include "buffers/simple_data_buffer.h"
#include "pins/operations.h"
#include "scope/scope.h"

#include <gtest/gtest.h>

namespace {

struct TDrawCall {
  int channel;
  int size;
  bool wasChanged;
  double first, last;
};

struct Intake : ::testing::Test {
  TLPComponent owner;
  std::vector<std::unique_ptr<TSLOWRealSourcePin>> sources;
  TSLScope scope;
  std::vector<TDrawCall> calls;

  void SetUp() override {
    scope.Channels()->Add();  // two channels
    for (int i = 0; i < 2; ++i) {
      sources.push_back(std::make_unique<TSLOWRealSourcePin>(&owner, nullptr, 0, nullptr, false, owner.Lock()));
      QObject::connect(scope.Channels()->Channel(i), &TSLScopeChannel::OnChannelDraw,
                       [this](QObject* sender, int index, const double* data, int size, bool changed) {
                         EXPECT_EQ(sender, &scope);
                         calls.push_back({index, size, changed, data[0], data[size - 1]});
                       });
    }
  }
  void TearDown() override {
    for (int i = 0; i < scope.Channels()->Count(); ++i) scope.Channels()->Channel(i)->InputPin()->Disconnect();
  }
  void ConnectAll() {
    for (int i = 0; i < 2; ++i) ASSERT_TRUE(scope.InputPins()->GetPin(i)->Connect(sources[i].get()));
  }
  void Start(int i, double rate = 8000) {
    sources[i]->Notify(MakeOperation<TOWStartSampleRateOperation>(rate).get());
  }
  // A block whose samples count up from `base`.
  static TRef<ISLRealBuffer> Block(int n, double base) {
    TRef<ISLRealBuffer> b(new TSLRealBuffer(n));
    double* d = b->WriteReals();
    for (int i = 0; i < n; ++i) d[i] = base + i;
    return b;
  }
  // Sends on another thread, as capture does.
  void SendFromDataThread(int i, const TRef<ISLRealBuffer>& b) {
    std::thread([&] { sources[i]->SendBuffer(b.get()); }).join();
  }
  // One refresh tick, then one repaint of the back buffer.
  void TickAndPaint() {
    scope.RefreshTimerTick();
    calls.clear();
    scope.RedrawBackBuffer();
  }
};

TEST_F(Intake, ChannelsFedTogetherChangeAfterTheSameTickOnceEach) {
  // Two outputs of one converter, as the acquisition window wires them.
  TALAudioToReal* conv = new TALAudioToReal();
  conv->SetNormalize(true);
  TALOWAudioSourcePin audio(&owner, nullptr, 0, nullptr, owner.Lock());
  ASSERT_TRUE(conv->InputPin()->Connect(&audio));
  ASSERT_TRUE(scope.InputPins()->GetPin(0)->Connect(conv->OutputPins()->GetPin(0)));
  ASSERT_TRUE(scope.InputPins()->GetPin(1)->Connect(conv->OutputPins()->GetPin(1)));
  TWaveFormatExtensible f{};
  f.wFormatTag = 1;
  f.nChannels = 2;
  f.nSamplesPerSec = 8000;
  f.wBitsPerSample = 16;
  f.nBlockAlign = 4;
  f.nAvgBytesPerSec = 32000;
  audio.Notify(MakeOperation<TOWStartWaveOperation>(f, uint8_t(0)).get());
  for (int block = 1; block <= 3; ++block) {
    TRef<TALAudioBuffer> b(new TALAudioBuffer(8000, 0, 4096, 2, 16));
    for (uint32_t i = 0; i < 4096; ++i) {
      b->SetSample(i, 0, block * 1000);
      b->SetSample(i, 1, -block * 1000);
    }
    std::thread([&] { audio.SendBuffer(b.get()); }).join();
    TickAndPaint();
    ASSERT_EQ(calls.size(), 2u) << "block " << block;
    for (const TDrawCall& c : calls) {
      EXPECT_TRUE(c.wasChanged);
      EXPECT_EQ(c.size, 4096);
      EXPECT_NEAR(c.first, (c.channel == 0 ? 1 : -1) * block * 1000 / 32768.0, 1e-9);
    }
    // The same data painted again report no change.
    calls.clear();
    scope.RedrawBackBuffer();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_FALSE(calls[0].wasChanged || calls[1].wasChanged);
  }
  for (int i = 0; i < 2; ++i) scope.InputPins()->GetPin(i)->Disconnect();
  delete conv;
}

TEST_F(Intake, HiddenOrDisconnectedChannelIsNeverWaitedFor) {
  ConnectAll();
  Start(0);
  Start(1);
  scope.Channels()->Channel(1)->SetVisible(false);
  SendFromDataThread(0, Block(100, 1));
  TickAndPaint();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].channel, 0);
  EXPECT_TRUE(calls[0].wasChanged);

  scope.Channels()->Channel(1)->SetVisible(true);
  scope.InputPins()->GetPin(1)->Disconnect();
  SendFromDataThread(0, Block(100, 500));
  TickAndPaint();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls[0].channel, 0);
  EXPECT_DOUBLE_EQ(calls[0].first, 500);
  EXPECT_TRUE(calls[0].wasChanged);
}

TEST_F(Intake, NewerBlockIsDiscardedWhileAnOlderOneWaitsForThePartner) {
  ConnectAll();
  Start(0);
  Start(1);
  SendFromDataThread(0, Block(50, 100));  // waits for channel 1
  TickAndPaint();
  EXPECT_TRUE(calls.empty());
  SendFromDataThread(0, Block(50, 200));  // discarded
  SendFromDataThread(1, Block(50, 300));  // both take their blocks now
  TickAndPaint();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_DOUBLE_EQ(calls[0].first, 100);
  EXPECT_DOUBLE_EQ(calls[1].first, 300);
}

TEST_F(Intake, WithoutSizeLimitBlocksAreSharedNotCopied) {
  ConnectAll();
  scope.Channels()->Channel(1)->SetVisible(false);
  Start(0);
  for (int k = 0; k < 3; ++k) {
    TRef<ISLRealBuffer> b = Block(4096, k);
    const double* upstream = b->ReadReals();
    SendFromDataThread(0, b);
    TickAndPaint();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].size, 4096);
    EXPECT_EQ(scope.Channels()->Channel(0)->DisplayY()->ReadReals(), upstream);
  }
}

TEST_F(Intake, SizeLimitKeepsTheNewestSamples) {
  ConnectAll();
  scope.Channels()->Channel(1)->SetVisible(false);
  scope.SetSizeLimit(1000);
  Start(0);
  SendFromDataThread(0, Block(4096, 0));
  TickAndPaint();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].size, 1000);
  EXPECT_DOUBLE_EQ(calls[0].first, 3096);
  EXPECT_DOUBLE_EQ(calls[0].last, 4095);

  Start(0);  // a new stream empties the channel
  const int expected[] = {300, 600, 900, 1000, 1000};
  for (int k = 0; k < 5; ++k) {
    SendFromDataThread(0, Block(300, k * 300));
    TickAndPaint();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].size, expected[k]);
    EXPECT_DOUBLE_EQ(calls[0].last, k * 300 + 299);  // the newest sample is at the end
    EXPECT_DOUBLE_EQ(calls[0].first, k * 300 + 300 - expected[k]);
  }
  // The X values follow the sample numbers.
  EXPECT_EQ(scope.Channels()->Channel(0)->DisplayX()->GetCount(), 1000);
  EXPECT_DOUBLE_EQ(scope.Channels()->Channel(0)->DisplayX()->GetValue(999), 999);
}

TEST_F(Intake, StartWithoutRateAndSingleValues) {
  ConnectAll();
  sources[0]->Notify(MakeOperation<TOWStartOperation>().get());
  EXPECT_DOUBLE_EQ(scope.Channels()->Channel(0)->SampleRate(), 10000.0);
  scope.Channels()->Channel(1)->SetVisible(false);
  scope.SetSizeLimit(2);
  for (double v : {1.5, 2.5, 3.5}) sources[0]->Notify(MakeOperation<TOWSuppliedRealOperation>(v).get());
  TickAndPaint();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].size, 2);
  EXPECT_DOUBLE_EQ(calls[0].first, 2.5);
  EXPECT_DOUBLE_EQ(scope.Channels()->Channel(0)->DisplayX()->GetValue(1), 2.0);
}

TEST_F(Intake, HoldKeepsDataUnpublishedUntilReleased) {
  ConnectAll();
  scope.Channels()->Channel(1)->SetVisible(false);
  Start(0);
  scope.SetHold(true);
  for (int k = 0; k < 3; ++k) {
    SendFromDataThread(0, Block(10, k * 10));
    TickAndPaint();
    for (const TDrawCall& c : calls) EXPECT_FALSE(c.wasChanged);
  }
  scope.SetHold(false);
  TickAndPaint();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_TRUE(calls[0].wasChanged);
  EXPECT_DOUBLE_EQ(calls[0].first, 20);  // the newest block
}

TEST_F(Intake, HandlerChangesDoNotStartAnotherRepaint) {
  ConnectAll();
  scope.Channels()->Channel(1)->SetVisible(false);
  auto* cursor = static_cast<TSLDisplayCursor*>(scope.Cursors()->Add());
  QObject::connect(scope.Channels()->Channel(0), &TSLScopeChannel::OnChannelDraw,
                   [&](QObject*, int, const double*, int, bool) { cursor->Position()->SetX(12.0); });
  Start(0);
  SendFromDataThread(0, Block(100, 0));
  scope.RefreshTimerTick();
  scope.RedrawBackBuffer();
  EXPECT_DOUBLE_EQ(cursor->Position()->X(), 12.0);
  EXPECT_FALSE(scope.IsDirty());
}

}  // namespace
