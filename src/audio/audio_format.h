#pragma once
// The shape of captured sound: channels, resolution, rate, speaker positions
// and, for capture, the frames of one buffer. The object keeps the 40-byte
// extensible format record ready, because that record is what a device is
// opened with and what travels downstream in front of the data.

#include <QFlags>
#include <QObject>

#include "pins/persistent.h"
#include "platform/wave_format.h"

class TALAudioFormatBasic : public TLPPersistentNotify {
  Q_OBJECT
public:
  // Speaker positions. Position n is bit n of the channel mask; each
  // enumerator holds its bit (1 << n), so that a stored set such as
  // [spFrontLeft, spFrontRight] reads back as the mask itself.
  enum TALSpeaker : uint32_t {
    spFrontLeft = 1u << 0,
    spFrontRight = 1u << 1,
    spFrontCenter = 1u << 2,
    spSubwoofer = 1u << 3,
    spBackLeft = 1u << 4,
    spBackRight = 1u << 5,
    spFrontLeftOfCenter = 1u << 6,
    spFrontRightOfCenter = 1u << 7,
    spBackCenter = 1u << 8,
    spSideLeft = 1u << 9,
    spSideRight = 1u << 10,
    spTopCenter = 1u << 11,
    spTopFrontLeft = 1u << 12,
    spTopFrontCenter = 1u << 13,
    spTopFrontRight = 1u << 14,
    spTopBackLeft = 1u << 15,
    spTopBackCenter = 1u << 16,
    spTopBackRight = 1u << 17,
  };
  // A set of speakers, held as the mask bits (1 << position).
  Q_DECLARE_FLAGS(TALSpeakers, TALSpeaker)
  Q_FLAG(TALSpeakers)

  Q_PROPERTY(uint Channels READ Channels WRITE SetChannels)
  Q_PROPERTY(uint Bits READ Bits WRITE SetBits)
  Q_PROPERTY(uint SampleRate READ SampleRate WRITE SetSampleRate)
  Q_PROPERTY(TALSpeakers ChannelMask READ ChannelMask WRITE SetChannelMask)

  static constexpr uint32_t kMinChannels = 1, kMaxChannels = 32;
  static constexpr uint32_t kMinBits = 1, kMaxBits = 32;

  // `lock` is the owning component's lock (or none: the owner's lock is used).
  TALAudioFormatBasic(QObject* owner, TChangeEvent onChange, IOWLock* lock);

  uint32_t Channels() const;
  void SetChannels(uint32_t value);
  uint32_t Bits() const;
  void SetBits(uint32_t value);
  uint32_t SampleRate() const;
  void SetSampleRate(uint32_t value);
  TALSpeakers ChannelMask() const;
  void SetChannelMask(TALSpeakers value);
  uint32_t ChannelMaskBits() const;
  void SetChannelMaskBits(uint32_t value);

  // The record's address, read under the read guard; copy it at once.
  const TWaveFormatExtensible* GetFormatRecord() const;
  // A copy of the record taken under the read guard.
  TWaveFormatExtensible FormatRecord() const;

  // Bit of one speaker in the mask, and its position number.
  static constexpr uint32_t SpeakerBit(TALSpeaker s) { return static_cast<uint32_t>(s); }
  static int SpeakerPosition(TALSpeaker s);

protected:
  // Derives the dependent fields of the record from the stored ones.
  void RecomputeFormat();

  TWaveFormatExtensible format_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TALAudioFormatBasic::TALSpeakers)

using TALSpeaker = TALAudioFormatBasic::TALSpeaker;
using TALSpeakers = TALAudioFormatBasic::TALSpeakers;

class TALAudioFormat : public TALAudioFormatBasic {
  Q_OBJECT
  Q_PROPERTY(uint BufferSize READ BufferSize WRITE SetBufferSize)
public:
  TALAudioFormat(QObject* owner, TChangeEvent onChange, IOWLock* lock);

  // Frames per capture buffer; values below 1 become 1. A value whose
  // buffer would exceed the largest audio block with the current channels
  // and bits is refused with ESLException, and the size stays as it was.
  uint32_t BufferSize() const;
  void SetBufferSize(uint32_t value);
  // The most frames one capture buffer can hold with the current format.
  uint32_t MaxBufferSize() const;

private:
  uint32_t bufferSize_ = 0;
};
