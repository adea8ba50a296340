// The audio format: the 40-byte record it keeps, clamping, change
// notification and the published properties.

#include "audio/audio_format.h"

#include <gtest/gtest.h>

#include <QMetaEnum>
#include <QMetaProperty>

#include "pins/component.h"

namespace {

struct Format : ::testing::Test {
  TLPComponent owner;
  int changes = 0;
  TALAudioFormat* f = new TALAudioFormat(&owner, [this](TLPPersistentNotify*) { ++changes; }, owner.Lock());
  TWaveFormatExtensible R() const { return *f->GetFormatRecord(); }
};

TEST_F(Format, ConstructionLeavesTheDefaultRecord) {
  const TWaveFormatExtensible r = R();
  EXPECT_EQ(r.wFormatTag, 0xFFFE);
  EXPECT_EQ(r.nChannels, 2);
  EXPECT_EQ(r.nSamplesPerSec, 11025u);
  EXPECT_EQ(r.nAvgBytesPerSec, 44100u);
  EXPECT_EQ(r.nBlockAlign, 4);
  EXPECT_EQ(r.wBitsPerSample, 16);
  EXPECT_EQ(r.cbSize, 22);
  EXPECT_EQ(r.wValidBitsPerSample, 16);
  EXPECT_EQ(r.dwChannelMask, 3u);
  EXPECT_EQ(r.SubFormat(), KSDATAFORMAT_SUBTYPE_PCM);
  EXPECT_EQ(f->BufferSize(), 1024u);
  EXPECT_EQ(f->ChannelMask().toInt(), 3);
  // The record is laid out as the device expects it.
  const auto* bytes = reinterpret_cast<const uint8_t*>(f->GetFormatRecord());
  EXPECT_EQ(bytes[0], 0xFE);
  EXPECT_EQ(bytes[1], 0xFF);
  EXPECT_EQ(bytes[16], 22);
  EXPECT_EQ(bytes[24], 1);  // first byte of the PCM sub-format
}

TEST_F(Format, ChannelsAndBitsAreClamped) {
  f->SetChannels(0);
  EXPECT_EQ(f->Channels(), 1u);
  EXPECT_EQ(R().nBlockAlign, 2);
  f->SetChannels(40);
  EXPECT_EQ(f->Channels(), 32u);
  EXPECT_EQ(R().nBlockAlign, 64);
  f->SetChannels(70000);  // would wrap in 16 bits without the clamp
  EXPECT_EQ(f->Channels(), 32u);
  f->SetBits(0);
  EXPECT_EQ(f->Bits(), 1u);
  EXPECT_EQ(R().wBitsPerSample, 8);
  f->SetBits(33);
  EXPECT_EQ(f->Bits(), 32u);
}

TEST_F(Format, ContainerBlockAlignAndByteRateFollowTheFields) {
  f->SetBits(12);
  EXPECT_EQ(R().wBitsPerSample, 16);
  EXPECT_EQ(R().wValidBitsPerSample, 12);
  EXPECT_EQ(R().nBlockAlign, 4);
  f->SetBits(24);
  EXPECT_EQ(R().nBlockAlign, 6);
  EXPECT_EQ(R().nAvgBytesPerSec, 6u * 11025);
  f->SetBits(20);
  EXPECT_EQ(R().wBitsPerSample, 24);
  f->SetBits(1);
  EXPECT_EQ(R().wBitsPerSample, 8);
  f->SetBits(16);
  f->SetSampleRate(44100);
  EXPECT_EQ(R().nAvgBytesPerSec, 176400u);
  f->SetChannelMaskBits(0x3F);
  EXPECT_EQ(R().dwChannelMask, 0x3Fu);
  EXPECT_TRUE(f->ChannelMask().testFlag(TALAudioFormatBasic::spBackRight));
  EXPECT_FALSE(f->ChannelMask().testFlag(TALAudioFormatBasic::spBackCenter));
}

TEST_F(Format, BufferSizeHasAMinimumOfOne) {
  f->SetBufferSize(0);
  EXPECT_EQ(f->BufferSize(), 1u);
  f->SetBufferSize(44100 * 20);
  EXPECT_EQ(f->BufferSize(), 882000u);
  const TWaveFormatExtensible before = R();
  f->SetBufferSize(5);
  EXPECT_EQ(0, memcmp(&before, f->GetFormatRecord(), sizeof before)) << "not part of the record";
}

TEST_F(Format, OnlyRealChangesNotify) {
  changes = 0;
  f->SetChannels(2);
  f->SetBits(16);
  f->SetSampleRate(11025);
  f->SetChannelMaskBits(3);
  f->SetBufferSize(1024);
  f->SetChannels(0);
  f->SetChannels(1);  // clamped 0 is already 1
  EXPECT_EQ(changes, 1);
  f->SetSampleRate(8000);
  f->SetBufferSize(8000);
  f->SetChannelMaskBits(1);
  f->SetBits(8);
  EXPECT_EQ(changes, 5);
}

TEST_F(Format, PublishedPropertiesAndSpeakerNames) {
  const QMetaObject* mo = f->metaObject();
  for (const char* name : {"Channels", "Bits", "SampleRate", "ChannelMask", "BufferSize"})
    EXPECT_GE(mo->indexOfProperty(name), 0) << name;
  EXPECT_TRUE(f->setProperty("SampleRate", 22050u));
  EXPECT_EQ(f->SampleRate(), 22050u);
  EXPECT_TRUE(f->setProperty("Channels", 1u));
  EXPECT_EQ(R().nBlockAlign, 2);
  QMetaProperty mask = mo->property(mo->indexOfProperty("ChannelMask"));
  EXPECT_TRUE(mask.isFlagType());
  QMetaEnum speakers = mask.enumerator();
  EXPECT_EQ(speakers.keyCount(), 18);
  EXPECT_EQ(speakers.keyToValue("spTopBackRight"), 1 << 17);
  EXPECT_EQ(speakers.keyToValue("spSideLeft"), 1 << 9);
  EXPECT_EQ(TALAudioFormatBasic::SpeakerPosition(TALAudioFormatBasic::spSideLeft), 9);
  // A stored set [spFrontLeft, spFrontCenter] is the OR of its elements.
  EXPECT_TRUE(f->setProperty("ChannelMask", QVariant::fromValue(TALSpeakers(speakers.keysToValue("spFrontLeft|spFrontCenter")))));
  EXPECT_EQ(R().dwChannelMask, 5u);
}

TEST_F(Format, AssignCopiesTheFiveProperties) {
  TLPComponent other;
  TALAudioFormat src(&other, nullptr, other.Lock());
  src.SetChannels(1);
  src.SetBits(24);
  src.SetSampleRate(8000);
  src.SetChannelMaskBits(4);
  src.SetBufferSize(40000);
  ASSERT_TRUE(f->Assign(&src));
  EXPECT_EQ(f->Channels(), 1u);
  EXPECT_EQ(f->Bits(), 24u);
  EXPECT_EQ(f->SampleRate(), 8000u);
  EXPECT_EQ(f->ChannelMaskBits(), 4u);
  EXPECT_EQ(f->BufferSize(), 40000u);
  EXPECT_EQ(0, memcmp(f->GetFormatRecord(), src.GetFormatRecord(), 40));
}

}  // namespace
