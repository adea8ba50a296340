#include "audio/audio_format.h"

#include <algorithm>
#include <bit>

#include "buffers/audio_buffer.h"
#include "buffers/sl_exception.h"
#include "pins/component.h"

TALAudioFormatBasic::TALAudioFormatBasic(QObject* owner, TChangeEvent onChange, IOWLock* lock)
    : TLPPersistentNotify(owner, lock ? lock : static_cast<IOWLock*>(LockOfObject(owner))) {
  SetOnChange(std::move(onChange));
  format_.wFormatTag = WAVE_FORMAT_EXTENSIBLE_TAG;
  format_.cbSize = 22;
  format_.SetSubFormat(KSDATAFORMAT_SUBTYPE_PCM);
  SetChannels(2);
  SetBits(16);
  SetSampleRate(11025);
  SetChannelMask(TALSpeakers(SpeakerBit(spFrontLeft) | SpeakerBit(spFrontRight)));
}

uint32_t TALAudioFormatBasic::Channels() const { return Lock()->ReadGuarded(format_.nChannels); }

void TALAudioFormatBasic::SetChannels(uint32_t value) {
  const auto v = static_cast<uint16_t>(std::clamp(value, kMinChannels, kMaxChannels));
  Lock()->SetIfChanged(format_.nChannels, v, [this] { RecomputeFormat(); });
}

uint32_t TALAudioFormatBasic::Bits() const { return Lock()->ReadGuarded(format_.wValidBitsPerSample); }

void TALAudioFormatBasic::SetBits(uint32_t value) {
  const auto v = static_cast<uint16_t>(std::clamp(value, kMinBits, kMaxBits));
  Lock()->SetIfChanged(format_.wValidBitsPerSample, v, [this] { RecomputeFormat(); });
}

uint32_t TALAudioFormatBasic::SampleRate() const { return Lock()->ReadGuarded(format_.nSamplesPerSec); }

void TALAudioFormatBasic::SetSampleRate(uint32_t value) {
  Lock()->SetIfChanged(format_.nSamplesPerSec, value, [this] { RecomputeFormat(); });
}

TALSpeakers TALAudioFormatBasic::ChannelMask() const {
  return TALSpeakers::fromInt(static_cast<int>(ChannelMaskBits()));
}

void TALAudioFormatBasic::SetChannelMask(TALSpeakers value) {
  SetChannelMaskBits(static_cast<uint32_t>(value.toInt()));
}

uint32_t TALAudioFormatBasic::ChannelMaskBits() const { return Lock()->ReadGuarded(format_.dwChannelMask); }

void TALAudioFormatBasic::SetChannelMaskBits(uint32_t value) {
  Lock()->SetIfChanged(format_.dwChannelMask, value, [this] { RecomputeFormat(); });
}

const TWaveFormatExtensible* TALAudioFormatBasic::GetFormatRecord() const {
  TRef<IOWLockSection> guard = Lock()->EnterRead();
  return &format_;
}

TWaveFormatExtensible TALAudioFormatBasic::FormatRecord() const {
  TRef<IOWLockSection> guard = Lock()->EnterRead();
  return format_;
}

void TALAudioFormatBasic::RecomputeFormat() {
  format_.wFormatTag = WAVE_FORMAT_EXTENSIBLE_TAG;
  const uint16_t bits = format_.wValidBitsPerSample;
  format_.wBitsPerSample = bits % 8 == 0 ? bits : static_cast<uint16_t>((bits / 8 + 1) * 8);
  format_.nBlockAlign = static_cast<uint16_t>(format_.wBitsPerSample / 8 * format_.nChannels);
  format_.nAvgBytesPerSec = format_.nBlockAlign * format_.nSamplesPerSec;
  format_.cbSize = 22;
  format_.SetSubFormat(KSDATAFORMAT_SUBTYPE_PCM);
}

TALAudioFormat::TALAudioFormat(QObject* owner, TChangeEvent onChange, IOWLock* lock)
    : TALAudioFormatBasic(owner, std::move(onChange), lock) {
  bufferSize_ = 1024;
}

uint32_t TALAudioFormat::BufferSize() const { return Lock()->ReadGuarded(bufferSize_); }

void TALAudioFormat::SetBufferSize(uint32_t value) {
  // Refused here, where the value is set, rather than when a device is
  // already open and the first buffer cannot be made.
  const uint32_t most = MaxBufferSize();
  if (value > most)
    throw ESLException(QString::asprintf("Buffer size too large: %u frames, a capture buffer holds at most %u frames",
                                         value, most)
                           .toStdString());
  Lock()->SetIfChanged(bufferSize_, std::max<uint32_t>(value, 1));
}

uint32_t TALAudioFormat::MaxBufferSize() const {
  const TWaveFormatExtensible f = FormatRecord();
  const uint64_t frames = (kAudioMaxBlockSize - kAudioHeaderSize) / std::max<uint16_t>(f.nBlockAlign, 1);
  return static_cast<uint32_t>(std::min<uint64_t>(frames, UINT32_MAX));
}

int TALAudioFormatBasic::SpeakerPosition(TALSpeaker s) { return std::countr_zero(static_cast<uint32_t>(s)); }
