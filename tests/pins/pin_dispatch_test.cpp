// Broadcast, delivery and upstream behaviour of source and sink pins.

#include <gtest/gtest.h>

#include <memory>

#include "buffers/simple_data_buffer.h"
#include "pins/component.h"
#include "pins/format_converter.h"
#include "pins/stream_types.h"
#include "pin_test_util.h"

namespace {

struct Fixture : ::testing::Test {
  TLPComponent sourceOwner;
  TLPComponent sinkOwner;

  std::unique_ptr<TSLOWRealSourcePin> MakeSource(TSLOWSourcePin::UpstreamCallback up = nullptr, int maxSinks = 0) {
    return std::make_unique<TSLOWRealSourcePin>(&sourceOwner, nullptr, maxSinks, std::move(up), true,
                                                sourceOwner.Lock());
  }
  std::unique_ptr<TSLOWRealSinkPin> MakeSink(TRecorder& rec) {
    return std::make_unique<TSLOWRealSinkPin>(&sinkOwner, nullptr, nullptr, rec.Callback(), sinkOwner.Lock());
  }
  static TRef<IOWNotifyOperation> Buffer() {
    TRef<ISLData> b(new TSLRealBuffer(4));
    return MakeOperation<TOWSuppliedBufferOperation>(b.get());
  }
};

TEST_F(Fixture, FlagsMarkOnlyTheLastReceiver) {
  TRecorder r1, r2, r3;
  auto src = MakeSource();
  auto a = MakeSink(r1), b = MakeSink(r2), c = MakeSink(r3);
  ASSERT_TRUE(a->Connect(src.get()));
  ASSERT_TRUE(b->Connect(src.get()));
  ASSERT_TRUE(c->Connect(src.get()));
  r1.Clear(), r2.Clear(), r3.Clear();
  auto entries = src->Entries();
  ASSERT_EQ(entries.size(), 3u);
  src->Notify(Buffer().get());
  // Entry order decides which is last.
  std::vector<uint8_t> flags;
  for (auto& e : entries) {
    TRecorder* rec = e.sink == a.get() ? &r1 : e.sink == b.get() ? &r2 : &r3;
    ASSERT_EQ(rec->Count(), 1u);
    flags.push_back(rec->Items()[0].flags);
  }
  EXPECT_EQ(flags, (std::vector<uint8_t>{0, 0, 2}));

  // One sink alone is last.
  b->Disconnect();
  c->Disconnect();
  r1.Clear();
  src->Notify(Buffer().get());
  ASSERT_EQ(r1.Count(), 1u);
  EXPECT_EQ(r1.Items()[0].flags, 2);
  EXPECT_EQ(r1.Items()[0].type, stream_type::RealBuffer);
}

TEST_F(Fixture, NoSinksMeansNoResultAndNoError) {
  auto src = MakeSource();
  EXPECT_FALSE(src->Notify(Buffer().get()));
  EXPECT_FALSE(src->SendStop());
}

TEST_F(Fixture, ConnectionNoticeIsNotPassedToTypedReceivers) {
  TRecorder rec;
  auto src = MakeSource();
  auto sink = MakeSink(rec);
  ASSERT_TRUE(sink->Connect(src.get()));
  // The flags-3 notice arrives right after connecting but typed handlers
  // drop it.
  EXPECT_EQ(rec.Count(), 0u);

  // A raw handler sees the notice with flags 3.
  struct Seen {
    int calls = 0;
    uint8_t flags = 0;
    std::string cls;
  } seen;
  TOWHandler raw{[](void* data, IInterface*, const TGUID*, uint8_t flags, IOWNotifyOperation* op) -> uint8_t {
                   auto* s = static_cast<Seen*>(data);
                   ++s->calls;
                   s->flags = flags;
                   s->cls = TRecorder::ClassOf(op->GetOperation());
                   return 0;
                 },
                 &seen};
  src->Deliver(sink.get(), raw);
  EXPECT_EQ(seen.calls, 1);
  EXPECT_EQ(seen.flags, 3);
  EXPECT_EQ(seen.cls, "notify");
  // An absent handler delivers nothing.
  src->Deliver(sink.get(), TOWHandler{});
  EXPECT_EQ(seen.calls, 1);
}

TEST_F(Fixture, LateSinkGetsKeptStartThenNothingUntilNextBroadcast) {
  TRecorder early, late;
  auto src = MakeSource();
  auto a = MakeSink(early);
  ASSERT_TRUE(a->Connect(src.get()));
  auto start = MakeOperation<TOWStartSampleRateOperation>(44100.0);
  src->Notify(start.get());
  src->Notify(Buffer().get());

  auto b = MakeSink(late);
  ASSERT_TRUE(b->Connect(src.get()));
  ASSERT_EQ(late.Classes(), (std::vector<std::string>{"startrate"}));
  EXPECT_EQ(late.Items()[0].id, start->GetOperation()->Id());
  EXPECT_EQ(late.Items()[0].flags, 2);  // a single-receiver delivery
  // The early sink did not get the start again.
  EXPECT_EQ(early.Classes(), (std::vector<std::string>{"startrate", "buffer"}));

  src->Notify(Buffer().get());
  EXPECT_EQ(late.Classes(), (std::vector<std::string>{"startrate", "buffer"}));

  // After a stop nothing is kept.
  src->SendStop();
  TRecorder after;
  auto c = MakeSink(after);
  ASSERT_TRUE(c->Connect(src.get()));
  EXPECT_EQ(after.Count(), 0u);
  EXPECT_FALSE(src->KeptStart());
}

TEST_F(Fixture, AudioSourceKeepsResumeAfterStart) {
  TRecorder rec;
  TALOWAudioSourcePin src(&sourceOwner, nullptr, 0, nullptr, sourceOwner.Lock());
  TALOWAudioSinkPin first(&sinkOwner, nullptr, nullptr, nullptr, sinkOwner.Lock());
  ASSERT_TRUE(first.Connect(&src));
  src.Notify(MakeOperation<TOWStartOperation>().get());
  src.Notify(MakeOperation<TOWSLResumeOperation>().get());
  TALOWAudioSinkPin late(&sinkOwner, nullptr, nullptr, rec.Callback(), sinkOwner.Lock());
  ASSERT_TRUE(late.Connect(&src));
  EXPECT_EQ(rec.Classes(), (std::vector<std::string>{"start", "resume"}));
  src.SendStop();
  EXPECT_FALSE(src.KeptResume());
}

TEST_F(Fixture, SinkBeingRemovedGetsStopFirst) {
  TRecorder rec, other;
  auto src = MakeSource();
  auto a = MakeSink(rec);
  auto b = MakeSink(other);
  ASSERT_TRUE(a->Connect(src.get()));
  ASSERT_TRUE(b->Connect(src.get()));
  bool entryPresentAtStop = false;
  TSLOWRealSinkPin watcher(&sinkOwner, nullptr, nullptr,
                           [&](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation* op) {
                             if (OperationAs<TOWStopOperation>(op)) entryPresentAtStop = src->SinkCount() == 3;
                             return false;
                           },
                           sinkOwner.Lock());
  ASSERT_TRUE(watcher.Connect(src.get()));
  src->Notify(MakeOperation<TOWStartOperation>().get());
  rec.Clear();
  other.Clear();
  watcher.Disconnect();
  EXPECT_TRUE(entryPresentAtStop);
  EXPECT_EQ(src->SinkCount(), 2);
  a->Disconnect();
  EXPECT_EQ(rec.Classes(), (std::vector<std::string>{"stop"}));
  // The others got nothing, and their stream is still started.
  EXPECT_EQ(other.Count(), 0u);
  EXPECT_TRUE(src->KeptStart());
}

TEST_F(Fixture, RecursionThroughTheSamePinIsStopped) {
  auto src = MakeSource();
  int depth = 0;
  int maxDepth = 0;
  TSLOWRealSinkPin sink(&sinkOwner, nullptr, nullptr,
                        [&](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation* op) {
                          if (!OperationAs<TOWSuppliedBufferOperation>(op)) return false;
                          ++depth;
                          maxDepth = std::max(maxDepth, depth);
                          src->Notify(Buffer().get());
                          --depth;
                          return false;
                        },
                        sinkOwner.Lock());
  ASSERT_TRUE(sink.Connect(src.get()));
  try {
    src->Notify(Buffer().get());
    FAIL() << "no exception";
  } catch (const EOWException& e) {
    EXPECT_STREQ(e.what(), "The pin depends on itself. Please protect with functional dependency.");
  }
  EXPECT_EQ(maxDepth, 201);
  // The depth is restored on the way out; the pin works again.
  EXPECT_EQ(src->SendingDepth(), 0);
  sink.Disconnect();
  EXPECT_FALSE(src->Notify(Buffer().get()));
}

TEST_F(Fixture, UpstreamReachesTheSourceCallback) {
  int calls = 0;
  auto src = MakeSource([&](TSLOWSourcePin* pin, IOWNotifyOperation* op) {
    ++calls;
    EXPECT_NE(pin, nullptr);
    return OperationAs<TOWQueryStreamOperation>(op) != nullptr;
  });
  TRecorder rec;
  auto sink = MakeSink(rec);
  auto query = MakeOperation<TOWQueryStreamOperation>();
  EXPECT_FALSE(sink->Notify(query.get()));  // unconnected
  EXPECT_EQ(calls, 0);
  ASSERT_TRUE(sink->Connect(src.get()));
  EXPECT_TRUE(sink->Notify(query.get()));
  EXPECT_FALSE(sink->Notify(MakeOperation<TOWStopOperation>().get()));
  EXPECT_EQ(calls, 2);
}

TEST_F(Fixture, OrderPinEntryFollowsItsPinAfterEveryBroadcast) {
  TRecorder ra, rb, rc;
  auto src = MakeSource();
  auto a = MakeSink(ra), b = MakeSink(rb), c = MakeSink(rc);
  // a must be served after c.
  ASSERT_TRUE(a->ConnectEx(src.get(), c.get()));
  ASSERT_TRUE(b->Connect(src.get()));
  ASSERT_TRUE(c->Connect(src.get()));
  for (int round = 0; round < 5; ++round) {
    src->Notify(Buffer().get());
    auto entries = src->Entries();
    size_t ia = 0, ic = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].sink == a.get()) ia = i;
      if (entries[i].sink == c.get()) ic = i;
    }
    EXPECT_GT(ia, ic) << "round " << round;
    EXPECT_EQ(entries[ia].orderPin, c.get());
  }
  // The delivery order follows the entries: c before a.
  auto ida = ra.Items().back().id, idc = rc.Items().back().id;
  EXPECT_EQ(ida, idc);
}

TEST_F(Fixture, ActiveReceiversMoveBackAfterReordering) {
  auto src = MakeSource();
  TSLOWRealSinkPin busy(&sinkOwner, nullptr, nullptr,
                        [](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation*) { return true; },
                        sinkOwner.Lock());
  TRecorder rec;
  auto idle = MakeSink(rec);
  ASSERT_TRUE(busy.Connect(src.get()));
  ASSERT_TRUE(idle->Connect(src.get()));
  ASSERT_EQ(src->Entries().front().sink, &busy);
  src->Notify(Buffer().get());
  auto entries = src->Entries();
  // busy answered with bit 0: +4, then -1 in reordering, so it sorts last.
  EXPECT_EQ(entries.back().sink, &busy);
  EXPECT_EQ(entries.back().activity, 3);
  EXPECT_EQ(entries.front().activity, 0);
}

TEST_F(Fixture, ReceiverExceptionsReachTheSenderExceptInSendBuffer) {
  auto src = MakeSource();
  TSLOWRealSinkPin thrower(&sinkOwner, nullptr, nullptr,
                           [](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation* op) -> bool {
                             if (OperationAs<TOWSuppliedBufferOperation>(op)) throw std::runtime_error("bad");
                             return false;
                           },
                           sinkOwner.Lock());
  ASSERT_TRUE(thrower.Connect(src.get()));
  EXPECT_THROW(src->Notify(Buffer().get()), std::runtime_error);
  TRef<ISLData> b(new TSLRealBuffer(2));
  EXPECT_FALSE(src->SendBuffer(b.get()));
  EXPECT_EQ(src->SendingDepth(), 0);
}

TEST_F(Fixture, BufferTravelsByReference) {
  TRef<ISLData> buffer(new TSLRealBuffer(8));
  ISLData* seen = nullptr;
  auto src = MakeSource();
  TSLOWRealSinkPin sink(&sinkOwner, nullptr, nullptr,
                        [&](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation* op) {
                          if (auto* s = OperationAs<TOWSuppliedBufferOperation>(op)) seen = s->Buffer();
                          return false;
                        },
                        sinkOwner.Lock());
  ASSERT_TRUE(sink.Connect(src.get()));
  EXPECT_TRUE(src->SendBuffer(buffer.get()));
  EXPECT_EQ(seen, buffer.get());
}

TEST(Operations, IdentifiersIncreaseAndStartWaveTakesItsRate) {
  auto a = MakeOperation<TOWNotifyOperation>();
  auto b = MakeOperation<TOWStopOperation>();
  EXPECT_EQ(b->GetOperation()->Id(), a->GetOperation()->Id() + 1);
  TWaveFormatExtensible f;
  f.nSamplesPerSec = 48000;
  f.nChannels = 2;
  auto w = MakeOperation<TOWStartWaveOperation>(f, uint8_t{7});
  auto* wave = OperationAs<TOWStartWaveOperation>(w.get());
  ASSERT_NE(wave, nullptr);
  EXPECT_DOUBLE_EQ(wave->SampleRate(), 48000.0);
  EXPECT_FLOAT_EQ(wave->Rate(), 48000.0f);
  EXPECT_EQ(wave->Format().nChannels, 2);
  EXPECT_EQ(wave->Flag(), 7);
  EXPECT_NE(OperationAs<TOWStartOperation>(w.get()), nullptr);
  EXPECT_EQ(OperationAs<TOWStopOperation>(w.get()), nullptr);
}

}  // namespace
