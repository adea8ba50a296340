#pragma once
// Media and audio buffers. An audio buffer's block starts with the 40-byte
// wave format record followed by the interleaved sample frames, so a receiver
// needs nothing but the buffer to read the samples. Sample encodings: 8 bits
// unsigned centred on 127, 16 and 32 bits signed, 24 bits signed in three
// little-endian bytes.

#include <cstdint>

#include "buffers/buffer_interfaces.h"
#include "buffers/internal_store.h"
#include "buffers/simple_data_buffer.h"

inline constexpr uint32_t kAudioHeaderSize = 40;
// The largest audio block, header included: larger ones are never allocated.
inline constexpr uint64_t kAudioMaxBlockSize = uint64_t(1) << 30;

class TMLTimeStamp {
public:
  explicit TMLTimeStamp(TSLBasicBuffer* buffer) : buffer_(buffer) {}
  TSLBasicBuffer* Buffer() const { return buffer_; }

private:
  TSLBasicBuffer* buffer_;
};

// Media information travelling with a media container (copied with it).
struct TMLMediaInfo {
  bool flag = false;
  uint32_t values[4] = {};
};

class TMLSmartMediaBuffer : public TSLSmartBuffer {
public:
  virtual void CopyMediaInfo(const TMLSmartMediaBuffer& source) { info_ = source.info_; }
  TMLMediaInfo& MediaInfo() { return info_; }

private:
  TMLMediaInfo info_;
};

class TALSmartAudioBuffer final : public TMLSmartMediaBuffer {
public:
  // A block of RoundCapacity(bytes) bytes from the pool.
  explicit TALSmartAudioBuffer(uint32_t bytes);
  // Without copyData the format record (first 40 bytes) is still copied.
  TSLSmartBuffer* CloneContainer(bool copyData) override;
  uint8_t* Block() const override { return block_; }
  uint32_t AllocatedSize() const override { return allocated_; }

protected:
  ~TALSmartAudioBuffer() override;

private:
  uint8_t* block_ = nullptr;
  uint32_t allocated_ = 0;
};

class TMLMediaBuffer : public TSLGenericBuffer, public virtual IMLMediaBuffer {
public:
  TMLTimeStamp* GetTimeStamp() override { return &timeStamp_; }

protected:
  TMLMediaBuffer() : timeStamp_(this) {}
  TMLMediaBuffer(const TMLMediaBuffer& other) : TSLGenericBuffer(other), timeStamp_(this) {}

  TMLTimeStamp timeStamp_;
};

class TALAudioBuffer final : public TMLMediaBuffer, public virtual IALAudioBuffer {
public:
  // validBits is rounded up to whole bytes for the container; a channel mask
  // of 0 means the first `channels` speaker positions.
  TALAudioBuffer(uint32_t sampleRate, uint32_t channelMask, uint32_t frames, uint32_t channels,
                 uint32_t validBits);
  TALAudioBuffer(const TALAudioBuffer& other);
  // A handle on the container of an audio buffer; an empty mono 16-bit
  // buffer when `source` is not one.
  explicit TALAudioBuffer(ISLData* source);

  // The mask actually stored for a requested mask and channel count.
  static uint32_t StoredChannelMask(uint32_t channelMask, uint32_t channels);

  TRef<ISLData> Clone() override { return TRef<ISLData>(new TALAudioBuffer(*this)); }
  uint32_t GetByteSize() override;
  int32_t GetCount() override;
  uint32_t GetDataSize();
  // Shares another audio buffer's container; other sources are ignored.
  void Assign(ISLData* source) override;
  void CopyTo(uint32_t sourceFrame, ISLDataBuffer* destination, uint32_t frameCount,
              uint32_t destinationFrame) override;

  uint32_t GetChannels() override { return channels_; }
  uint32_t GetValidBits() override { return validBits_; }
  uint32_t GetSampleRate() override;
  uint32_t GetBlockAlign() override { return blockAlign_; }
  uint32_t GetChannelMask() override { return channelMask_; }
  uint32_t GetBitsPerSample() override { return containerBits_; }
  void GetFormat(TWaveFormatExtensible& destination) override;
  uint32_t GetHeaderSize() override { return headerSize_; }
  const uint8_t* ReadSamples() override { return Read(); }
  uint8_t* WriteSamples() override { return Write(); }
  uint8_t* ModifySamples() override { return Modify(); }
  int32_t GetSample(uint32_t frame, uint32_t channel) override;
  void SetSample(uint32_t frame, uint32_t channel, int32_t value) override;
  void AddBuffer(IALAudioBuffer* other) override;
  void SubtractBuffer(IALAudioBuffer* other) override;
  void MultiplyBuffer(IALAudioBuffer* other) override;
  void DivideBuffer(IALAudioBuffer* other) override;
  void FillValue(int32_t value) override;
  void AddValue(int32_t value) override;
  void SubtractValue(int32_t value) override;
  void MultiplyValue(int32_t value) override;
  void DivideValue(int32_t value) override;
  void FillChannel(uint32_t channel, int32_t value) override;
  void AddChannelValue(uint32_t channel, int32_t value) override;
  void SubtractChannelValue(uint32_t channel, int32_t value) override;
  void MultiplyChannelValue(uint32_t channel, int32_t value) override;
  void DivideChannelValue(uint32_t channel, int32_t value) override;
  void ZeroSamples() override { FillValue(0); }
  void Scale(double factor) override;
  void SetFrameCount(uint32_t frames, bool keepData) override;
  void ExtractChannelIntegers(uint32_t channel, TRef<ISLIntegerBuffer>& destination) override;
  void ExtractChannelReals(uint32_t channel, TRef<ISLRealBuffer>& destination) override;

protected:
  void ContainerChanged() override;

private:
  enum class TOp { Add, Subtract, Multiply, Divide };
  void ValueOp(TOp op, int32_t value);
  void ChannelValueOp(uint32_t channel, TOp op, int32_t value);
  void BufferOp(TOp op, IALAudioBuffer* other);
  void Init(uint32_t sampleRate, uint32_t channelMask, uint32_t frames, uint32_t channels,
            uint32_t validBits);
  void CheckChannel(uint32_t channel) const;

  uint32_t channels_ = 0;
  uint32_t validBits_ = 0;
  uint32_t channelMask_ = 0;
  uint32_t containerBits_ = 0;
  uint32_t blockAlign_ = 0;
  uint32_t headerSize_ = kAudioHeaderSize;
  TWaveFormatExtensible* format_ = nullptr;
};
