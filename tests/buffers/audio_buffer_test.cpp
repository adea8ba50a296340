// The audio buffer: its record and sizes, the channel-mask rule, sample
// access, channel extraction, resizing, copying by speaker position and the
// arithmetic.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "buffers/audio_buffer.h"
#include "buffers/sl_exception.h"

namespace {

using TAudio = TRef<TALAudioBuffer>;

TAudio Audio(uint32_t frames, uint32_t channels, uint32_t bits, uint32_t mask = 0, uint32_t rate = 44100) {
  return TAudio(new TALAudioBuffer(rate, mask, frames, channels, bits));
}

std::string Message(const std::function<void()>& f) {
  try {
    f();
  } catch (const ESLRangeError& e) {
    return e.what();
  }
  return "no error";
}

std::vector<double> Channel(TALAudioBuffer* a, uint32_t c) {
  TRef<ISLRealBuffer> r;
  a->ExtractChannelReals(c, r);
  if (!r) return {};
  return std::vector<double>(r->ReadReals(), r->ReadReals() + r->GetCount());
}

}  // namespace

TEST(AudioBuffer, SizesAndRecordOfAStereo16BitBlock) {
  TAudio a(new TALAudioBuffer(44100, 3, 44100, 2, 16));
  EXPECT_EQ(a->GetBlockAlign(), 4u);
  EXPECT_EQ(a->GetByteSize(), 176400u);
  EXPECT_EQ(a->GetDataSize(), 176400u);
  EXPECT_EQ(a->GetCount(), 44100);
  EXPECT_EQ(a->GetHeaderSize(), 40u);
  EXPECT_EQ(a->Container()->AllocatedSize(), 262144u);
  EXPECT_EQ(a->Read(), a->Container()->Block() + 40);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(a->Container()->Block()) % 32, 0u);

  TWaveFormatExtensible f;
  a->GetFormat(f);
  EXPECT_EQ(f.wFormatTag, 0xFFFE);
  EXPECT_EQ(f.nChannels, 2);
  EXPECT_EQ(f.nSamplesPerSec, 44100u);
  EXPECT_EQ(f.nAvgBytesPerSec, 176400u);
  EXPECT_EQ(f.nBlockAlign, 4);
  EXPECT_EQ(f.wBitsPerSample, 16);
  EXPECT_EQ(f.cbSize, 22);
  EXPECT_EQ(f.wValidBitsPerSample, 16);
  EXPECT_EQ(f.dwChannelMask, 3u);
  EXPECT_EQ(f.SubFormat(), KSDATAFORMAT_SUBTYPE_PCM);
  EXPECT_EQ(a->GetSampleRate(), 44100u);
  EXPECT_EQ(a->GetChannels(), 2u);
  EXPECT_EQ(std::memcmp(a->Container()->Block(), &f, 40), 0);
}

TEST(AudioBuffer, ChannelMaskRule) {
  EXPECT_EQ(TALAudioBuffer::StoredChannelMask(0, 3), 7u);
  EXPECT_EQ(TALAudioBuffer::StoredChannelMask(0x33, 2), 3u);
  EXPECT_EQ(TALAudioBuffer::StoredChannelMask(3, 2), 3u);
  EXPECT_EQ(TALAudioBuffer::StoredChannelMask(3, 1), 1u);
  EXPECT_EQ(TALAudioBuffer::StoredChannelMask(0x30, 1), 0x10u);
  // Reached only at bit 16, or never within bits 0..16: unchanged.
  EXPECT_EQ(TALAudioBuffer::StoredChannelMask(0x10001, 2), 0x10001u);
  EXPECT_EQ(TALAudioBuffer::StoredChannelMask(0x20001, 2), 0x20001u);
  EXPECT_EQ(TALAudioBuffer::StoredChannelMask(1, 3), 1u);
  EXPECT_EQ(Audio(1, 3, 16, 0)->GetChannelMask(), 7u);
  EXPECT_EQ(Audio(1, 2, 16, 0x33)->GetChannelMask(), 3u);
}

TEST(AudioBuffer, ValidBitsRoundUpToWholeBytes) {
  auto a = Audio(10, 2, 20);
  EXPECT_EQ(a->GetBitsPerSample(), 24u);
  EXPECT_EQ(a->GetValidBits(), 20u);
  EXPECT_EQ(a->GetBlockAlign(), 6u);
  EXPECT_EQ(a->GetByteSize(), 60u);
  EXPECT_EQ(Audio(10, 1, 8)->GetBlockAlign(), 1u);
  EXPECT_EQ(Audio(10, 3, 32)->GetBlockAlign(), 12u);
}

TEST(AudioBuffer, SampleAccessChecksChannelThenFrame) {
  auto a = Audio(4, 2, 16);
  a->FillValue(0);
  a->SetSample(3, 1, -1234);
  EXPECT_EQ(a->GetSample(3, 1), -1234);
  EXPECT_EQ(a->GetSample(3, 0), 0);
  EXPECT_EQ(Message([&] { a->GetSample(4, 2); }), "Channel out of range = 2");
  EXPECT_EQ(Message([&] { a->GetSample(4, 1); }), "Index out of range = 4");
  EXPECT_EQ(Message([&] { a->SetSample(0, 7, 1); }), "Channel out of range = 7");
  // A failed SetSample has already made the buffer unique.
  TAudio shared(new TALAudioBuffer(*a));
  EXPECT_EQ(Message([&] { shared->SetSample(9, 0, 1); }), "Index out of range = 9");
  EXPECT_NE(shared->Read(), a->Read());
  EXPECT_EQ(shared->GetSample(3, 1), -1234);

  // 24-bit samples read back zero-extended, extracted sign-extended.
  auto b = Audio(2, 1, 24);
  uint8_t* s = b->WriteSamples();
  s[0] = 0x00;
  s[1] = 0x00;
  s[2] = 0x80;
  s[3] = 0xFF;
  s[4] = 0xFF;
  s[5] = 0x7F;
  EXPECT_EQ(b->GetSample(0, 0), 8388608);
  EXPECT_EQ(Channel(b.get(), 0), (std::vector<double>{-8388608, 8388607}));
  b->SetSample(1, 0, -2);
  EXPECT_EQ(b->GetSample(1, 0), 0xFFFFFE);

  auto c = Audio(1, 2, 8);
  c->SetSample(0, 1, 300);  // the low byte
  EXPECT_EQ(c->GetSample(0, 1), 44);
  auto d = Audio(1, 1, 32);
  d->SetSample(0, 0, INT32_MIN);
  EXPECT_EQ(d->GetSample(0, 0), INT32_MIN);
}

TEST(AudioBuffer, ExtractChannelsOfEveryWidth) {
  auto a8 = Audio(3, 1, 8);
  uint8_t* s = a8->WriteSamples();
  s[0] = 127;
  s[1] = 255;
  s[2] = 0;
  EXPECT_EQ(Channel(a8.get(), 0), (std::vector<double>{0, 128, -127}));

  auto a16 = Audio(3, 2, 16);
  int16_t v16[6] = {1, -1, 32767, -32768, 5, 6};
  std::memcpy(a16->WriteSamples(), v16, sizeof v16);
  EXPECT_EQ(Channel(a16.get(), 0), (std::vector<double>{1, 32767, 5}));
  EXPECT_EQ(Channel(a16.get(), 1), (std::vector<double>{-1, -32768, 6}));

  auto a32 = Audio(2, 1, 32);
  int32_t v32[2] = {INT32_MIN, 42};
  std::memcpy(a32->WriteSamples(), v32, sizeof v32);
  EXPECT_EQ(Channel(a32.get(), 0), (std::vector<double>{double(INT32_MIN), 42}));

  TRef<ISLIntegerBuffer> ints;
  a16->ExtractChannelIntegers(1, ints);
  ASSERT_TRUE(ints);
  EXPECT_EQ(ints->GetCount(), 3);
  EXPECT_EQ(ints->GetValue(1), -32768);
  a8->ExtractChannelIntegers(0, ints);
  EXPECT_EQ(ints->GetValue(2), -127);

  // A channel outside the frame is refused instead of reading past the block.
  TRef<ISLRealBuffer> r;
  EXPECT_THROW(a16->ExtractChannelReals(2, r), ESLRangeError);
  EXPECT_FALSE(r);
  // An unsupported width leaves the destination as it was.
  auto odd = Audio(2, 1, 40);
  TRef<ISLRealBuffer> keep(new TSLRealBuffer(5));
  odd->ExtractChannelReals(0, keep);
  EXPECT_EQ(keep->GetCount(), 5);
}

TEST(AudioBuffer, WrappingConstructorSharesTheBlock) {
  auto a = Audio(100, 2, 16);
  TRef<ISLData> asData(static_cast<IALAudioBuffer*>(a.get()));
  TAudio w(new TALAudioBuffer(asData.get()));
  EXPECT_EQ(w->Read(), a->Read());
  EXPECT_EQ(w->GetCount(), 100);
  EXPECT_EQ(w->GetChannels(), 2u);
  EXPECT_EQ(a->Container()->HolderCount(), 2);
  auto q = QueryInterface<IALAudioBuffer>(asData);
  ASSERT_TRUE(q);
  EXPECT_EQ(q->GetBlockAlign(), 4u);
  // Not an audio buffer: an empty buffer rather than garbage.
  TRef<TSLRealBuffer> real(new TSLRealBuffer(4));
  TAudio none(new TALAudioBuffer(static_cast<ISLData*>(real.get())));
  EXPECT_EQ(none->GetCount(), 0);
  // A real buffer made from an audio buffer sees the samples, not the header.
  TRef<TSLRealBuffer> view(new TSLRealBuffer(asData.get()));
  EXPECT_EQ(view->Read(), a->Read());
  EXPECT_EQ(view->GetByteSize(), 400u);
}

TEST(AudioBuffer, CopyOnWriteKeepsTheRecord) {
  auto a = Audio(8, 2, 16, 0, 8000);
  a->FillValue(5);
  TAudio b(new TALAudioBuffer(*a));
  b->WriteSamples();
  EXPECT_NE(b->Read(), a->Read());
  TWaveFormatExtensible fa, fb;
  a->GetFormat(fa);
  b->GetFormat(fb);
  EXPECT_EQ(std::memcmp(&fa, &fb, 40), 0);
  EXPECT_EQ(b->GetSampleRate(), 8000u);
  EXPECT_EQ(b->GetCount(), 8);
  TAudio c(new TALAudioBuffer(*a));
  c->ModifySamples();
  EXPECT_EQ(c->GetSample(7, 1), 5);
  c->SetSample(0, 0, 9);
  EXPECT_EQ(a->GetSample(0, 0), 5);
}

TEST(AudioBuffer, SetFrameCount) {
  auto a = Audio(100, 2, 16);
  a->FillValue(3);
  const uint8_t* block = a->Read();
  a->SetFrameCount(0, true);
  EXPECT_EQ(a->GetCount(), 100);
  a->SetFrameCount(10, true);
  EXPECT_EQ(a->GetCount(), 10);
  EXPECT_EQ(a->GetByteSize(), 40u);
  EXPECT_EQ(a->Read(), block);
  // Back up within the allocated 512 bytes: in place.
  a->SetFrameCount(118, true);
  EXPECT_EQ(a->Read(), block);
  EXPECT_EQ(a->GetSample(99, 1), 3);
  // Beyond it: a new block with the record and the old bytes.
  a->SetFrameCount(1000, true);
  EXPECT_NE(a->Read(), block);
  EXPECT_EQ(a->GetCount(), 1000);
  EXPECT_EQ(a->Container()->AllocatedSize(), 4096u);
  EXPECT_EQ(a->GetChannels(), 2u);
  EXPECT_EQ(a->GetSample(99, 1), 3);
  // A shared buffer grows into its own block.
  TAudio b(new TALAudioBuffer(*a));
  b->SetFrameCount(1001, false);
  EXPECT_NE(b->Read(), a->Read());
  EXPECT_EQ(b->GetBlockAlign(), 4u);
  EXPECT_EQ(a->GetCount(), 1000);
}

TEST(AudioBuffer, CopyToPairsChannelsBySpeakerPosition) {
  // Source: front left and front centre (mask 0b101); destination: stereo.
  auto src = Audio(4, 2, 16, 0x5);
  auto dst = Audio(6, 2, 16, 0x3);
  for (uint32_t f = 0; f < 4; ++f) {
    src->SetSample(f, 0, int32_t(100 + f));
    src->SetSample(f, 1, int32_t(200 + f));
  }
  dst->FillValue(-7);
  src->CopyTo(1, dst.get(), 3, 2);
  EXPECT_EQ(Channel(dst.get(), 0), (std::vector<double>{-7, -7, 101, 102, 103, -7}));
  // Front right is missing in the source: silenced over the copied frames.
  EXPECT_EQ(Channel(dst.get(), 1), (std::vector<double>{-7, -7, 0, 0, 0, -7}));

  // Stereo into three channels: the third is silenced; 8-bit silence is byte 0.
  auto s8 = Audio(2, 2, 8, 0x3);
  s8->FillValue(10);
  auto d8 = Audio(2, 3, 8, 0x7);
  d8->FillValue(1);
  s8->CopyTo(0, d8.get(), 2, 0);
  EXPECT_EQ(d8->GetSample(1, 0), 137);
  EXPECT_EQ(d8->GetSample(1, 1), 137);
  EXPECT_EQ(d8->GetSample(1, 2), 0);

  // Different widths are rescaled.
  auto wide = Audio(1, 1, 16, 0x1);
  auto narrow = Audio(1, 1, 8, 0x1);
  wide->SetSample(0, 0, 0x4000);
  wide->CopyTo(0, narrow.get(), 1, 0);
  EXPECT_EQ(Channel(narrow.get(), 0), (std::vector<double>{64}));

  EXPECT_THROW(src->CopyTo(2, dst.get(), 3, 0), ESLRangeError);
}

TEST(AudioBuffer, FillZeroAndValueArithmetic) {
  auto a8 = Audio(2, 2, 8);
  a8->FillValue(200);
  EXPECT_EQ(a8->GetSample(1, 1), (200 + 127) % 256);
  a8->ZeroSamples();
  EXPECT_EQ(a8->GetSample(0, 0), 127);
  a8->AddValue(200);
  EXPECT_EQ(a8->GetSample(0, 0), 255);  // saturated

  auto a16 = Audio(2, 2, 16);
  a16->FillValue(30000);
  a16->AddValue(5000);
  EXPECT_EQ(a16->GetSample(0, 0), 32767);
  a16->SubtractValue(40000);  // the value itself saturates to 32767
  EXPECT_EQ(a16->GetSample(1, 1), 0);
  a16->AddValue(-1);
  EXPECT_EQ(a16->GetSample(1, 1), -1);
  a16->MultiplyValue(-3);
  EXPECT_EQ(a16->GetSample(0, 1), 3);
  a16->DivideValue(2);
  EXPECT_EQ(a16->GetSample(0, 1), 2);  // 1.5 -> 2
  a16->DivideValue(0);
  EXPECT_EQ(a16->GetSample(0, 1), 2);

  auto a24 = Audio(1, 1, 24);
  a24->FillValue(8388607);
  a24->AddValue(1);  // wraps: low 24 bits with the top bit forced for negatives
  EXPECT_EQ(a24->GetSample(0, 0), 0x800000);
  a24->FillValue(-8388608);
  a24->SubtractValue(1);  // -8388609: low bits 0x7FFFFF, top bit forced on
  EXPECT_EQ(a24->GetSample(0, 0), 0xFFFFFF);

  auto a32 = Audio(1, 1, 32);
  a32->FillValue(INT32_MAX - 1);
  a32->AddValue(10);
  EXPECT_EQ(a32->GetSample(0, 0), INT32_MAX);

  // Arithmetic on a shared buffer computes into a fresh block.
  auto s = Audio(2, 1, 16);
  s->FillValue(4);
  TAudio t(new TALAudioBuffer(*s));
  t->AddValue(1);
  EXPECT_EQ(s->GetSample(0, 0), 4);
  EXPECT_EQ(t->GetSample(1, 0), 5);
}

TEST(AudioBuffer, ChannelArithmeticAndScale) {
  auto a = Audio(2, 2, 16);
  a->FillValue(10);
  a->FillChannel(1, -4);
  a->AddChannelValue(0, 5);
  a->MultiplyChannelValue(1, 3);
  EXPECT_EQ(a->GetSample(1, 0), 15);
  EXPECT_EQ(a->GetSample(1, 1), -12);
  a->DivideChannelValue(1, 8);  // -1.5 -> -2
  EXPECT_EQ(a->GetSample(0, 1), -2);
  a->SubtractChannelValue(0, 40000);
  EXPECT_EQ(a->GetSample(0, 0), -32768);
  EXPECT_EQ(Message([&] { a->FillChannel(2, 0); }), "Channel out of range = 2");

  auto s = Audio(4, 1, 16);
  int16_t v[4] = {5, 7, -5, 20000};
  std::memcpy(s->WriteSamples(), v, sizeof v);
  s->Scale(0.5);  // 2.5 -> 2, 3.5 -> 4, -2.5 -> -2
  EXPECT_EQ(Channel(s.get(), 0), (std::vector<double>{2, 4, -2, 10000}));
  s->Scale(4);  // 40000 keeps its low 16 bits: no saturation
  EXPECT_EQ(s->GetSample(3, 0), int16_t(40000));
  auto s8 = Audio(1, 1, 8);
  s8->WriteSamples()[0] = 100;
  s8->Scale(1.5);  // multiplied as stored
  EXPECT_EQ(s8->GetSample(0, 0), 150);
}

TEST(AudioBuffer, BufferArithmetic) {
  auto a = Audio(3, 2, 16);
  a->FillValue(100);
  auto mono = Audio(2, 1, 16);
  mono->SetSample(0, 0, 1);
  mono->SetSample(1, 0, 2);
  a->AddBuffer(mono.get());  // applied to every channel, over 2 frames
  EXPECT_EQ(Channel(a.get(), 0), (std::vector<double>{101, 102, 100}));
  EXPECT_EQ(Channel(a.get(), 1), (std::vector<double>{101, 102, 100}));

  auto b = Audio(3, 2, 16);
  b->FillValue(2);
  b->FillChannel(1, 0);
  a->DivideBuffer(b.get());
  EXPECT_EQ(Channel(a.get(), 0), (std::vector<double>{50, 51, 50}));  // 50.5 -> 50 (ties to even)
  EXPECT_EQ(Channel(a.get(), 1), (std::vector<double>{32767, 32767, 32767}));
  a->SubtractBuffer(a.get());
  EXPECT_EQ(Channel(a.get(), 0), (std::vector<double>{0, 0, 0}));
  b->MultiplyBuffer(b.get());
  EXPECT_EQ(Channel(b.get(), 0), (std::vector<double>{4, 4, 4}));
}
