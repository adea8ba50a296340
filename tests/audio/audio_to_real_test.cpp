// The audio-to-real converter: per-width conversion and normalisation,
// channel routing, the sample-rate announcement and upstream handling.

#include "audio/audio_to_real.h"

#include <gtest/gtest.h>

#include <QVariant>

#include <cstring>

#include "audio_test_util.h"

namespace {

using audiotest::TRecordingSink;

TWaveFormatExtensible Record(uint16_t channels, uint16_t bits, uint32_t rate = 44100) {
  TWaveFormatExtensible f;
  f.wFormatTag = WAVE_FORMAT_EXTENSIBLE_TAG;
  f.nChannels = channels;
  f.nSamplesPerSec = rate;
  f.wBitsPerSample = uint16_t((bits + 7) / 8 * 8);
  f.nBlockAlign = uint16_t(f.wBitsPerSample / 8 * channels);
  f.nAvgBytesPerSec = f.nBlockAlign * rate;
  f.cbSize = 22;
  f.wValidBitsPerSample = bits;
  f.SetSubFormat(KSDATAFORMAT_SUBTYPE_PCM);
  return f;
}

// Counts the conversions actually run per channel.
class TCountingConverter : public TALAudioToReal {
public:
  using TALAudioToReal::TALAudioToReal;
  int converted[4] = {};

protected:
  void ConvertChannel16(int channel, TALAudioBuffer* buffer) override {
    if (channel < 4) ++converted[channel];
    TALAudioToReal::ConvertChannel16(channel, buffer);
  }
};

struct Converter : ::testing::Test {
  TLPComponent sourceOwner;
  TALOWAudioSourcePin source{&sourceOwner, nullptr, 0, nullptr, sourceOwner.Lock()};
  TCountingConverter* conv = new TCountingConverter();
  TRecordingSink left{false}, right{false};

  void SetUp() override {
    ASSERT_TRUE(conv->InputPin()->Connect(&source));
    ASSERT_TRUE(left.pin->Connect(conv->OutputPin(0)));
    ASSERT_TRUE(right.pin->Connect(conv->OutputPin(1)));
  }
  void TearDown() override { delete conv; }

  void Announce(const TWaveFormatExtensible& f) {
    source.Notify(MakeOperation<TOWStartWaveOperation>(f, uint8_t(0)).get());
  }
  // A buffer of `frames` frames whose samples are given channel by channel.
  void Send(const TWaveFormatExtensible& f, const std::vector<std::vector<int32_t>>& channels) {
    const uint32_t frames = uint32_t(channels[0].size());
    TRef<TALAudioBuffer> b(new TALAudioBuffer(f.nSamplesPerSec, 0, frames, f.nChannels, f.wValidBitsPerSample));
    for (uint32_t c = 0; c < channels.size(); ++c)
      for (uint32_t i = 0; i < frames; ++i) b->SetSample(i, c, channels[c][i]);
    source.SendBuffer(b.get());
  }
  void SendBytes(const TWaveFormatExtensible& f, const std::vector<uint8_t>& bytes) {
    TRef<TALAudioBuffer> b(new TALAudioBuffer(f.nSamplesPerSec, 0, uint32_t(bytes.size()) / f.nBlockAlign,
                                              f.nChannels, f.wValidBitsPerSample));
    std::memcpy(b->WriteSamples(), bytes.data(), bytes.size());
    source.SendBuffer(b.get());
  }
};

TEST_F(Converter, StereoBlockGivesOneRealBufferPerChannelInOrder) {
  const auto f = Record(2, 16);
  Announce(f);
  std::vector<int32_t> l(44100), r(44100);
  for (int i = 0; i < 44100; ++i) l[i] = i % 1000 - 500, r[i] = -(i % 700);
  left.Clear(), right.Clear();
  Send(f, {l, r});
  ASSERT_EQ(left.Reals().size(), 1u);
  ASSERT_EQ(right.Reals().size(), 1u);
  const auto lv = left.Reals()[0], rv = right.Reals()[0];
  ASSERT_EQ(lv.size(), 44100u);
  ASSERT_EQ(rv.size(), 44100u);
  for (int i : {0, 1, 999, 44099}) {
    EXPECT_EQ(lv[i], l[i]) << i;
    EXPECT_EQ(rv[i], r[i]) << i;
  }
}

TEST_F(Converter, NormalisedValuesPerWidth) {
  conv->SetNormalize(true);
  auto f = Record(2, 16);
  Announce(f);
  left.Clear(), right.Clear();
  Send(f, {{-32768, 32767, 0}, {16384, -1, 1}});
  EXPECT_EQ(left.Reals()[0], (std::vector<double>{-1.0, 0.999969482421875, 0.0}));
  EXPECT_EQ(right.Reals()[0], (std::vector<double>{0.5, -1.0 / 32768, 1.0 / 32768}));

  f = Record(2, 8);
  Announce(f);
  left.Clear(), right.Clear();
  SendBytes(f, {255, 127, 0, 128});
  EXPECT_EQ(left.Reals()[0], (std::vector<double>{1.0, -0.9921875}));
  EXPECT_EQ(right.Reals()[0], (std::vector<double>{0.0, 1.0 / 128}));

  f = Record(2, 24);
  Announce(f);
  left.Clear(), right.Clear();
  SendBytes(f, {0x00, 0x00, 0x80, 0xFF, 0xFF, 0x7F});
  EXPECT_EQ(left.Reals()[0], (std::vector<double>{-1.0}));
  EXPECT_EQ(right.Reals()[0], (std::vector<double>{8388607.0 / 8388608}));

  f = Record(2, 32);
  Announce(f);
  left.Clear(), right.Clear();
  SendBytes(f, {0, 0, 0, 0x80, 0xFF, 0xFF, 0xFF, 0xFF});
  EXPECT_EQ(left.Reals()[0], (std::vector<double>{-1.0}));
  EXPECT_EQ(right.Reals()[0], (std::vector<double>{-1.0 / 2147483648.0}));
}

TEST_F(Converter, WithoutNormalizeIntegerValuesAreKept) {
  EXPECT_FALSE(conv->Normalize());
  auto f = Record(2, 8);
  Announce(f);
  left.Clear(), right.Clear();
  SendBytes(f, {255, 0});
  EXPECT_EQ(left.Reals()[0], (std::vector<double>{128.0}));
  EXPECT_EQ(right.Reals()[0], (std::vector<double>{-127.0}));
  f = Record(2, 24);
  Announce(f);
  left.Clear(), right.Clear();
  SendBytes(f, {0x01, 0x02, 0x03, 0x00, 0x00, 0xFF});
  EXPECT_EQ(left.Reals()[0], (std::vector<double>{0x030201}));
  EXPECT_EQ(right.Reals()[0], (std::vector<double>{-65536.0}));
}

TEST_F(Converter, NothingIsConvertedBeforeAFormatOrForOddWidths) {
  const auto f = Record(2, 16);
  left.Clear(), right.Clear();
  Send(f, {{1, 2}, {3, 4}});
  EXPECT_EQ(left.Count("buffer"), 0u);
  EXPECT_EQ(conv->CurrentFormat().nChannels, 0);
  auto odd = f;
  odd.wBitsPerSample = 12;
  Announce(odd);
  Send(f, {{1, 2}, {3, 4}});
  EXPECT_EQ(left.Count("buffer"), 0u);
}

TEST_F(Converter, UnconnectedChannelIsNotConverted) {
  const auto f = Record(2, 16);
  Announce(f);
  right.pin->Disconnect();
  Send(f, {{1, 2}, {3, 4}});
  EXPECT_EQ(conv->converted[0], 1);
  EXPECT_EQ(conv->converted[1], 0);
  EXPECT_EQ(left.Count("buffer"), 1u);
  EXPECT_EQ(right.Count("buffer"), 0u);
}

TEST_F(Converter, MonoStreamFeedsOutputZeroAndIgnoresQueriesOnOutputOne) {
  const auto f = Record(1, 16);
  Announce(f);
  left.Clear(), right.Clear();
  Send(f, {{5, 6, 7}});
  EXPECT_EQ(left.Reals().size(), 1u);
  EXPECT_EQ(right.Count("buffer"), 0u);
  EXPECT_EQ(conv->converted[1], 0);
  EXPECT_FALSE(right.pin->Notify(MakeOperation<TOWQueryStreamOperation>().get()));
  EXPECT_EQ(right.Classes(), (std::vector<std::string>{"ignore"}));
  EXPECT_EQ(left.Count("ignore"), 0u);
}

TEST_F(Converter, FramesAreWholeFramesOfTheAnnouncedFormat) {
  Announce(Record(2, 16));
  left.Clear();
  // A mono buffer of 3 frames holds 6 bytes: one whole stereo frame.
  Send(Record(1, 16), {{100, 200, 300}});
  ASSERT_EQ(left.Reals().size(), 1u);
  EXPECT_EQ(left.Reals()[0], (std::vector<double>{100}));
  EXPECT_EQ(right.Reals()[0], (std::vector<double>{200}));
}

TEST_F(Converter, MalformedRecordNeverReadsPastTheFrame) {
  auto f = Record(2, 16);
  f.nBlockAlign = 2;  // claims two 16-bit channels in two bytes
  Announce(f);
  left.Clear(), right.Clear();
  Send(Record(1, 16), {{1, 2}});
  EXPECT_EQ(left.Reals()[0], (std::vector<double>{1, 2}));
  EXPECT_EQ(right.Count("buffer"), 0u);
}

TEST_F(Converter, StartAnnouncesTheRateOnEveryOutputAndIsKeptForLateSinks) {
  left.Clear(), right.Clear();
  Announce(Record(2, 16, 22050));
  EXPECT_EQ(left.Classes(), (std::vector<std::string>{"startrate"}));
  EXPECT_EQ(right.Classes(), (std::vector<std::string>{"startrate"}));
  auto kept = conv->OutputPin(1)->KeptStart();
  ASSERT_TRUE(kept);
  auto* rate = OperationAs<TOWStartSampleRateOperation>(kept.get());
  ASSERT_NE(rate, nullptr);
  EXPECT_EQ(rate->SampleRate(), 22050.0);
  EXPECT_EQ(OperationAs<TOWStartWaveOperation>(kept.get()), nullptr) << "a plain sample-rate start";

  right.pin->Disconnect();
  TRecordingSink late(false);
  ASSERT_TRUE(late.pin->Connect(conv->OutputPin(1)));
  EXPECT_EQ(late.Classes(), (std::vector<std::string>{"startrate"}));
}

TEST_F(Converter, StopReachesEveryOutputAndKeepsTheFormat) {
  Announce(Record(2, 16));
  left.Clear(), right.Clear();
  source.SendEndOfStream();
  EXPECT_EQ(left.Classes(), (std::vector<std::string>{"stop"}));
  EXPECT_EQ(right.Classes(), (std::vector<std::string>{"stop"}));
  source.Notify(MakeOperation<TOWSLResumeOperation>().get());
  EXPECT_EQ(left.Count("resume"), 1u);
  Send(Record(2, 16), {{9}, {8}});
  EXPECT_EQ(left.Reals().back(), (std::vector<double>{9}));
}

TEST_F(Converter, CountChannelsIsClampedAndResizesTheOutputs) {
  conv->SetCountChannels(0);
  EXPECT_EQ(conv->CountChannels(), 1);
  EXPECT_FALSE(left.pin->IsConnected() && right.pin->IsConnected());
  conv->SetCountChannels(40);
  EXPECT_EQ(conv->CountChannels(), 32);
  EXPECT_NE(conv->OutputPin(31), nullptr);
  conv->SetCountChannels(3);
  EXPECT_EQ(conv->CountChannels(), 3);
  EXPECT_EQ(conv->OutputPin(3), nullptr);
  EXPECT_TRUE(conv->setProperty("CountChannels", 4));
  EXPECT_EQ(conv->property("CountChannels").toInt(), 4);
}

TEST_F(Converter, UpstreamRequestsGoToTheSourceWhenConnected) {
  int upstream = 0;
  TLPComponent otherOwner;
  TALOWAudioSourcePin src2(&otherOwner, nullptr, 0,
                           [&](TSLOWSourcePin*, IOWNotifyOperation* op) {
                             upstream += OperationAs<TOWStopOperation>(op) != nullptr;
                             return true;
                           },
                           otherOwner.Lock());
  ASSERT_TRUE(conv->InputPin()->Connect(&src2));
  Announce(Record(2, 16));  // through the old source: no longer linked
  EXPECT_TRUE(left.pin->Notify(MakeOperation<TOWStopOperation>().get()));
  EXPECT_EQ(upstream, 1);

  // Without a source the request is handled as input: a stop goes out again.
  conv->InputPin()->Disconnect();
  left.Clear(), right.Clear();
  EXPECT_FALSE(left.pin->Notify(MakeOperation<TOWStopOperation>().get()));
  EXPECT_EQ(right.Classes(), (std::vector<std::string>{"stop"}));
}

}  // namespace
