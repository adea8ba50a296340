// Type negotiation, format converters, typed pins and queued pins.

#include <gtest/gtest.h>

#include <memory>

#include "buffers/audio_buffer.h"
#include "buffers/simple_data_buffer.h"
#include "pins/component.h"
#include "pins/format_converter.h"
#include "pins/queued_pins.h"
#include "pins/stream_types.h"
#include "pin_test_util.h"

namespace st = stream_type;

namespace {

TRef<ISLData> MakeAudio(uint32_t frames) {
  auto* audio = new TALAudioBuffer(8000, 3, frames, 2, 16);
  TRef<ISLData> hold(audio);
  for (uint32_t f = 0; f < frames; ++f) {
    audio->SetSample(f, 0, static_cast<int32_t>(f * 100));
    audio->SetSample(f, 1, -static_cast<int32_t>(f));
  }
  return hold;
}

struct Types : ::testing::Test {
  TLPComponent owner;
};

TEST_F(Types, ApplicationChainMeetsWithoutConverters) {
  TALOWAudioSourcePin capture(&owner, nullptr, 0, nullptr, owner.Lock());
  TALOWAudioSinkPin converterIn(&owner, nullptr, nullptr, nullptr, owner.Lock());
  ASSERT_TRUE(converterIn.Connect(&capture));
  EXPECT_EQ(capture.Entries()[0].type, st::AudioBuffer);
  EXPECT_EQ(converterIn.GetStreamType(), st::AudioBuffer);
  EXPECT_EQ(capture.ConverterCount(), 0);

  TSLOWRealSourcePin out(&owner, nullptr, 0, nullptr, true, owner.Lock());
  TSLOWComboRealIntComplexPairedQueuedSinkPin scope(&owner, nullptr, nullptr, nullptr, owner.Lock());
  ASSERT_TRUE(scope.Connect(&out));
  EXPECT_EQ(out.Entries()[0].type, st::RealBuffer);
  EXPECT_EQ(scope.GetStreamType(), st::RealBuffer);
  EXPECT_EQ(scope.StreamTypeText(), "SL real buffer");
  EXPECT_EQ(out.ConverterCount(), 0);
  EXPECT_EQ(scope.DeliveringPin(), &out);
}

TEST_F(Types, AudioToRealConverterIsInsertedSharedAndFreed) {
  TALOWAudioSourcePin capture(&owner, nullptr, 0, nullptr, owner.Lock());
  std::vector<TRef<ISLData>> seenA, seenB;
  auto record = [](std::vector<TRef<ISLData>>& seen) {
    return [&seen](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation* op) {
      if (auto* s = OperationAs<TOWSuppliedBufferOperation>(op)) seen.push_back(TRef<ISLData>(s->Buffer()));
      return false;
    };
  };
  auto a = std::make_unique<TSLOWRealSinkPin>(&owner, nullptr, nullptr, record(seenA), owner.Lock());
  auto b = std::make_unique<TSLOWRealSinkPin>(&owner, nullptr, nullptr, record(seenB), owner.Lock());
  const int before = TOWFormatConverter::LiveCount();

  ASSERT_TRUE(a->Connect(&capture));
  EXPECT_EQ(capture.ConverterCount(), 1);
  EXPECT_EQ(TOWFormatConverter::LiveCount(), before + 1);
  auto* converter = dynamic_cast<TOWAudioToRealFormatConverter*>(a->DeliveringPin()->GetOwner());
  ASSERT_NE(converter, nullptr);
  EXPECT_EQ(a->GetSource(), &capture);
  EXPECT_EQ(capture.Entries()[0].target, converter->InputPin());
  EXPECT_EQ(capture.Entries()[0].type, st::AudioBuffer);

  // A second sink goes through the same converter.
  ASSERT_TRUE(b->Connect(&capture));
  EXPECT_EQ(capture.ConverterCount(), 1);
  EXPECT_EQ(b->DeliveringPin(), converter->OutputPin());

  TRef<ISLData> audio = MakeAudio(16);
  ASSERT_TRUE(capture.SendBuffer(audio.get()));
  ASSERT_EQ(seenA.size(), 1u);
  ASSERT_EQ(seenB.size(), 1u);
  // One conversion per broadcast: both sinks got the very same buffer.
  EXPECT_EQ(seenA[0].get(), seenB[0].get());
  TRef<ISLRealBuffer> reals = QueryInterface<ISLRealBuffer>(seenA[0]);
  ASSERT_TRUE(reals);
  EXPECT_EQ(reals->GetCount(), 16);
  TRef<ISLRealBuffer> expected;
  QueryInterface<IALAudioBuffer>(audio)->ExtractChannelReals(0, expected);
  EXPECT_DOUBLE_EQ(reals->GetValue(5), expected->GetValue(5));
  EXPECT_NE(reals->GetValue(5), 0.0);

  a->Disconnect();
  EXPECT_EQ(capture.ConverterCount(), 1);
  EXPECT_EQ(capture.SinkCount(), 1);
  b->Disconnect();
  EXPECT_EQ(capture.ConverterCount(), 0);
  EXPECT_EQ(capture.SinkCount(), 0);
  EXPECT_EQ(TOWFormatConverter::LiveCount(), before);
}

TEST_F(Types, UpstreamFromBehindAConverterReachesTheSource) {
  int upstreamCalls = 0;
  TALOWAudioSourcePin capture(&owner, nullptr, 0,
                              [&](TSLOWSourcePin*, IOWNotifyOperation* op) {
                                ++upstreamCalls;
                                return OperationAs<TOWQueryStreamOperation>(op) != nullptr;
                              },
                              owner.Lock());
  TSLOWRealSinkPin sink(&owner, nullptr, nullptr, nullptr, owner.Lock());
  ASSERT_TRUE(sink.Connect(&capture));
  EXPECT_TRUE(sink.Notify(MakeOperation<TOWQueryStreamOperation>().get()));
  EXPECT_EQ(upstreamCalls, 1);
}

TEST_F(Types, StartPassesThroughTheConverterUnchanged) {
  TALOWAudioSourcePin capture(&owner, nullptr, 0, nullptr, owner.Lock());
  TRecorder rec;
  TSLOWRealSinkPin sink(&owner, nullptr, nullptr, rec.Callback(), owner.Lock());
  ASSERT_TRUE(sink.Connect(&capture));
  auto start = MakeOperation<TOWStartOperation>();
  capture.Notify(start.get());
  ASSERT_EQ(rec.Classes(), (std::vector<std::string>{"start"}));
  EXPECT_EQ(rec.Items()[0].id, start->GetOperation()->Id());
}

TEST_F(Types, JoiningAndLeavingASharedConverterConcernsThatSinkOnly) {
  TALOWAudioSourcePin capture(&owner, nullptr, 0, nullptr, owner.Lock());
  TRecorder ra, rb, rc;
  TSLOWRealSinkPin a(&owner, nullptr, nullptr, ra.Callback(), owner.Lock());
  TSLOWRealSinkPin b(&owner, nullptr, nullptr, rb.Callback(), owner.Lock());
  ASSERT_TRUE(a.Connect(&capture));
  capture.Notify(MakeOperation<TOWStartOperation>().get());
  ASSERT_TRUE(b.Connect(&capture));
  EXPECT_EQ(ra.Classes(), (std::vector<std::string>{"start"}));
  EXPECT_EQ(rb.Classes(), (std::vector<std::string>{"start"}));
  {
    TSLOWRealSinkPin c(&owner, nullptr, nullptr, rc.Callback(), owner.Lock());
    ASSERT_TRUE(c.Connect(&capture));
    EXPECT_EQ(rc.Classes(), (std::vector<std::string>{"start"}));
    c.Disconnect();
    EXPECT_EQ(rc.Classes(), (std::vector<std::string>{"start", "stop"}));
  }
  b.Disconnect();
  EXPECT_EQ(rb.Classes(), (std::vector<std::string>{"start", "stop"}));
  // The first sink heard nothing of the others coming and going.
  EXPECT_EQ(ra.Classes(), (std::vector<std::string>{"start"}));
  EXPECT_EQ(capture.ConverterCount(), 1);
}

TEST_F(Types, ConverterPairRegisteredTwiceKeepsOneEntryWithTheSecondClass) {
  auto count = [] {
    int n = 0;
    for (auto& p : OWFormatConverters())
      if (p.from == st::IntegerBuffer && p.to == st::RealBuffer) ++n;
    return n;
  };
  OWEnsureStreamRegistrations();
  auto original = OWFormatConverters();
  TOWConverterFactory before = nullptr;
  for (auto& p : original)
    if (p.from == st::IntegerBuffer && p.to == st::RealBuffer) before = p.create;
  ASSERT_NE(before, nullptr);
  ASSERT_EQ(count(), 1);
  auto other = +[]() -> TOWFormatConverter* { return nullptr; };
  OWRegisterFormatConverter(st::IntegerBuffer, st::RealBuffer, other, "Other");
  EXPECT_EQ(count(), 1);
  auto now = OWFormatConverters();
  ASSERT_EQ(now.size(), original.size());
  for (size_t i = 0; i < now.size(); ++i)
    if (now[i].from == st::IntegerBuffer && now[i].to == st::RealBuffer) {
      EXPECT_EQ(now[i].create, other);
      EXPECT_STREQ(now[i].className, "Other");
      // Replaced in place: same position.
      EXPECT_EQ(original[i].to, st::RealBuffer);
    }
  OWRegisterFormatConverter(st::IntegerBuffer, st::RealBuffer, before, "TSLOWIntToRealFormatConverter");
}

TEST_F(Types, IntegerBuffersAreConvertedToReals) {
  TSLOWIntegerSourcePin ints(&owner, nullptr, 0, nullptr, owner.Lock());
  std::vector<double> got;
  TSLOWRealSinkPin sink(&owner, nullptr, nullptr,
                        [&](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation* op) {
                          if (auto* s = OperationAs<TOWSuppliedBufferOperation>(op)) {
                            auto r = QueryInterface<ISLRealBuffer>(s->Buffer());
                            if (r)
                              for (int i = 0; i < r->GetCount(); ++i) got.push_back(r->GetValue(i));
                          }
                          return false;
                        },
                        owner.Lock());
  ASSERT_TRUE(sink.Connect(&ints));
  EXPECT_EQ(ints.ConverterCount(), 1);
  int32_t values[] = {3, -7, 12};
  TRef<ISLData> buffer(new TSLIntegerBuffer(values, 3));
  ints.SendBuffer(buffer.get());
  EXPECT_EQ(got, (std::vector<double>{3, -7, 12}));
}

// A source that registers its type without a handler: delivery goes through
// the default handler and the type's dispatch function.
class TBareRealSource : public TOWSourcePin {
public:
  explicit TBareRealSource(TLPComponent* owner) : TOWSourcePin(owner, 0, owner->Lock()) {
    types_.Add(st::RealBuffer);
  }
  bool SupportsType(const TGUID& t) const override { return t == st::RealBuffer || TOWSourcePin::SupportsType(t); }
};

TEST_F(Types, DefaultHandlerDividesStartRatesForBufferReceivers) {
  TBareRealSource src(&owner);
  std::vector<double> rates;
  auto cb = [&](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation* op) {
    if (auto* s = OperationAs<TOWStartSampleRateOperation>(op)) rates.push_back(s->SampleRate());
    return false;
  };
  TSLOWRealSinkPin reals(&owner, nullptr, nullptr, cb, owner.Lock());
  ASSERT_TRUE(reals.Connect(&src));
  src.Notify(MakeOperation<TOWStartSampleRateOperation>(800.0).get());
  EXPECT_EQ(rates, (std::vector<double>{100.0}));
  // A buffer still arrives unchanged.
  TRecorder rec;
  TSLOWRealSinkPin second(&owner, nullptr, nullptr, rec.Callback(), owner.Lock());
  ASSERT_TRUE(second.Connect(&src));
  TRef<ISLData> b(new TSLRealBuffer(3));
  src.Notify(MakeOperation<TOWSuppliedBufferOperation>(b.get()).get());
  EXPECT_EQ(rec.Classes(), (std::vector<std::string>{"buffer"}));
}

TEST_F(Types, SupportedTypesFollowTheClassTable) {
  TSLOWComboRealIntComplexPairedQueuedSinkPin scope(&owner, nullptr, nullptr, nullptr, owner.Lock());
  for (const TGUID& t : {st::RealBuffer, st::Real, st::Float, st::Integer32, st::IntegerBuffer, st::RealComplex,
                         st::PairedBuffers, st::ComplexBuffer, IID_ISLOWStream, IID_IOWSLQueuedPin})
    EXPECT_TRUE(scope.SupportsType(t)) << t.ToString();
  EXPECT_FALSE(scope.SupportsType(st::AudioBuffer));
  TSLOWRealSinkPin plain(&owner, nullptr, nullptr, nullptr, owner.Lock());
  EXPECT_FALSE(plain.SupportsType(st::Float));
  EXPECT_TRUE(plain.IgnoreUpstream());
  TSLOWRealSourcePin noValues(&owner, nullptr, 0, nullptr, false, owner.Lock());
  TSLOWRealSourcePin withValues(&owner, nullptr, 0, nullptr, true, owner.Lock());
  EXPECT_FALSE(noValues.StreamTypes().Contains(st::Float));
  ASSERT_TRUE(withValues.StreamTypes().Contains(st::Float));
  // Base class registrations first.
  auto entries = withValues.StreamTypes().Entries();
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].type, st::Clock);
  EXPECT_EQ(entries[1].type, st::UniversalBuffer);
  EXPECT_EQ(entries[2].type, st::Float);
  EXPECT_EQ(entries[3].type, st::RealBuffer);
}

TEST(PinStreamType, AddReplacesInPlaceAndRemoveDeletes) {
  TOWPinStreamType list;
  TOWHandler h1{&OWStreamHandler, reinterpret_cast<void*>(1)};
  TOWHandler h2{&OWStreamHandler, reinterpret_cast<void*>(2)};
  list.Add(st::Clock, h1);
  list.Add(st::Real);
  list.Add(st::Clock, h2);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Entries()[0].type, st::Clock);
  EXPECT_EQ(list.Entries()[0].handler.data, reinterpret_cast<void*>(2));
  EXPECT_FALSE(list.HandlerFor(st::Real)->Assigned());
  list.Remove(st::Clock);
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list.HandlerFor(st::Clock), nullptr);
  // Low code addresses count as absent.
  TOWHandler low{reinterpret_cast<TOWHandlerCode>(uintptr_t{4096}), nullptr};
  EXPECT_FALSE(low.Assigned());
}

TEST(QueuedPin, RatesRequestsAndResampling) {
  TLPComponent owner;
  int queries = 0;
  TSLOWRealSourcePin src(&owner, nullptr, 0,
                         [&](TSLOWSourcePin*, IOWNotifyOperation* op) {
                           if (OperationAs<TOWQueryStreamOperation>(op)) ++queries;
                           return true;
                         },
                         true, owner.Lock());
  TSLOWQueuedIntegerRealSinkPin pin(&owner, nullptr, nullptr, nullptr, owner.Lock());
  auto& q = pin.Queued();
  EXPECT_FALSE(q.Ask());  // not connected: no query
  EXPECT_EQ(queries, 0);
  ASSERT_TRUE(pin.Connect(&src));
  EXPECT_TRUE(q.Ask());
  EXPECT_TRUE(q.Ask());  // already asked
  EXPECT_EQ(queries, 1);
  q.SetRate(22050);
  EXPECT_TRUE(q.RateKnown());
  EXPECT_EQ(q.RequestedCountFor(100, 44100), 50);
  EXPECT_EQ(q.RequestedCountFor(3, 44100), 2);  // 1.5 rounds up

  double a[] = {0, 1, 2};
  double b[] = {3, 4, 5, 6, 7};
  q.QueueBuffer(QueryInterface<ISLDataBuffer>(TRef<ISLData>(new TSLRealBuffer(a, 3))));
  q.QueueBuffer(QueryInterface<ISLDataBuffer>(TRef<ISLData>(new TSLRealBuffer(b, 5))));
  EXPECT_EQ(q.CollectedSamples(), 8);
  q.SetRequestedCount(9);
  EXPECT_FALSE(q.EnoughSamples());
  EXPECT_FALSE(pin.TakeSamples(4));
  q.SetRequestedCount(8);
  EXPECT_TRUE(q.EnoughSamples());
  auto out = pin.TakeSamples(4);
  ASSERT_TRUE(out);
  ASSERT_EQ(out->GetCount(), 4);
  // Indexes round(i * 7 / 4): 0, 2, 4 (3.5), 5.
  EXPECT_EQ(out->GetValue(0), 0);
  EXPECT_EQ(out->GetValue(1), 2);
  EXPECT_EQ(out->GetValue(2), 4);
  EXPECT_EQ(out->GetValue(3), 5);
  EXPECT_EQ(q.CollectedSamples(), 0);

  q.Reset();
  EXPECT_FALSE(q.RateKnown());
  EXPECT_TRUE(q.Ask());
  EXPECT_EQ(queries, 2);
}

TEST(QueuedPin, EqualCountIsTakenAsIs) {
  TLPComponent owner;
  TSLOWQueuedIntegerRealSinkPin pin(&owner, nullptr, nullptr, nullptr, owner.Lock());
  double a[] = {9, 8, 7};
  pin.Queued().QueueBuffer(QueryInterface<ISLDataBuffer>(TRef<ISLData>(new TSLRealBuffer(a, 3))));
  auto out = pin.TakeSamples(3);
  ASSERT_TRUE(out);
  EXPECT_EQ(out->GetValue(0), 9);
  EXPECT_EQ(out->GetValue(2), 7);
}

}  // namespace
