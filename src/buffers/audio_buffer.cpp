#include "buffers/audio_buffer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "buffers/kernels.h"
#include "buffers/sl_exception.h"

namespace {

// Samples as stored: 8 bits unsigned (0..255), 16 and 32 bits signed, 24 bits
// sign-extended.
int32_t RawRead(const uint8_t* p, uint32_t bits) {
  switch (bits) {
    case 8:
      return p[0];
    case 16: {
      int16_t v;
      std::memcpy(&v, p, 2);
      return v;
    }
    case 24: {
      uint32_t u = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
      return static_cast<int32_t>(u << 8) >> 8;
    }
    case 32: {
      int32_t v;
      std::memcpy(&v, p, 4);
      return v;
    }
    default:
      return 0;
  }
}

// Stores an arithmetic result: saturated for 8, 16 and 32 bits; the low 24
// bits for 24 bits, with the top bit set for a negative result.
void RawWriteResult(uint8_t* p, uint32_t bits, int64_t r) {
  switch (bits) {
    case 8:
      p[0] = static_cast<uint8_t>(std::clamp<int64_t>(r, 0, 255));
      break;
    case 16: {
      int16_t v = static_cast<int16_t>(std::clamp<int64_t>(r, INT16_MIN, INT16_MAX));
      std::memcpy(p, &v, 2);
      break;
    }
    case 24: {
      uint32_t u = static_cast<uint32_t>(static_cast<uint64_t>(r) & 0xFFFFFF);
      if (r < 0) u |= 0x800000;
      p[0] = uint8_t(u);
      p[1] = uint8_t(u >> 8);
      p[2] = uint8_t(u >> 16);
      break;
    }
    case 32: {
      int32_t v = static_cast<int32_t>(std::clamp<int64_t>(r, INT32_MIN, INT32_MAX));
      std::memcpy(p, &v, 4);
      break;
    }
    default:
      break;
  }
}

// Stores the low bytes of the sample's width (no saturation).
void RawWriteLow(uint8_t* p, uint32_t bits, int64_t v) {
  uint64_t u = static_cast<uint64_t>(v);
  for (uint32_t i = 0; i < bits / 8; ++i) p[i] = uint8_t(u >> (8 * i));
}

// A sample's signed value (8 bits centred on 127).
int32_t SignedValue(const uint8_t* p, uint32_t bits) {
  int32_t raw = RawRead(p, bits);
  return bits == 8 ? raw - 127 : raw;
}

// A sample of `fromBits` as the stored value of a `toBits` sample, rescaled
// by the width difference.
int64_t ConvertWidth(const uint8_t* p, uint32_t fromBits, uint32_t toBits) {
  int64_t v = SignedValue(p, fromBits);
  if (toBits > fromBits) v *= int64_t(1) << (toBits - fromBits);
  else if (fromBits > toBits) v >>= (fromBits - toBits);
  return toBits == 8 ? v + 127 : v;
}

// Integer quotient rounded to nearest, ties to even; the dividend's extreme
// for a zero divisor (saturated by the store).
int64_t DivideRounded(int64_t a, int64_t b) {
  if (b == 0) return a > 0 ? INT64_MAX / 2 : a < 0 ? INT64_MIN / 2 : 0;
  int64_t q = a / b, r = a % b;
  int64_t twice = 2 * (r < 0 ? -r : r), mag = b < 0 ? -b : b;
  if (twice > mag || (twice == mag && (q & 1))) q += ((a < 0) != (b < 0)) ? -1 : 1;
  return q;
}

template <class T>
T SaturateTo(int32_t v) {
  return static_cast<T>(std::clamp<int64_t>(v, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

}  // namespace

// ---- TALSmartAudioBuffer ----

TALSmartAudioBuffer::TALSmartAudioBuffer(uint32_t bytes) : allocated_(RoundCapacity(bytes)) {
  block_ = static_cast<uint8_t*>(StoreGetBlock(allocated_));
}

TALSmartAudioBuffer::~TALSmartAudioBuffer() { StorePutBlock(block_, allocated_); }

TSLSmartBuffer* TALSmartAudioBuffer::CloneContainer(bool copyData) {
  auto* clone = new TALSmartAudioBuffer(allocated_);
  std::memcpy(clone->block_, block_, copyData ? allocated_ : std::min(allocated_, kAudioHeaderSize));
  clone->CopyMediaInfo(*this);
  return clone;
}

// ---- TALAudioBuffer ----

uint32_t TALAudioBuffer::StoredChannelMask(uint32_t channelMask, uint32_t channels) {
  if (channelMask == 0) return channels >= 32 ? 0xFFFFFFFFu : (1u << channels) - 1;
  uint32_t count = 0;
  for (uint32_t b = 0; b <= 16; ++b) {
    if (!(channelMask & (1u << b))) continue;
    if (++count == channels) return b <= 15 ? channelMask & ((2u << b) - 1) : channelMask;
  }
  return channelMask;
}

TALAudioBuffer::TALAudioBuffer(uint32_t sampleRate, uint32_t channelMask, uint32_t frames,
                               uint32_t channels, uint32_t validBits) {
  Init(sampleRate, channelMask, frames, channels, validBits);
}

TALAudioBuffer::TALAudioBuffer(const TALAudioBuffer& other) : TMLMediaBuffer(other) { ContainerChanged(); }

TALAudioBuffer::TALAudioBuffer(ISLData* source) {
  auto* src = source ? dynamic_cast<TALAudioBuffer*>(source->GetInstance()) : nullptr;
  if (src && src->container_) {
    SwitchContainer(src->container_);
    byteSize_ = src->byteSize_;
    ContainerChanged();
  } else {
    Init(0, 0, 0, 1, 16);
  }
}

void TALAudioBuffer::Init(uint32_t sampleRate, uint32_t channelMask, uint32_t frames, uint32_t channels,
                          uint32_t validBits) {
  uint32_t containerBits = (validBits + 7) / 8 * 8;
  uint64_t blockAlign = uint64_t(channels) * containerBits / 8;
  uint64_t total = uint64_t(frames) * blockAlign + kAudioHeaderSize;
  // Larger blocks do not exist; a smaller one would be overrun.
  if (total > kAudioMaxBlockSize || blockAlign > 0xFFFF) throw ESLOutOfMemory();
  auto* container = new TALSmartAudioBuffer(static_cast<uint32_t>(total));
  SwitchContainer(container);
  byteSize_ = static_cast<uint32_t>(total);

  TWaveFormatExtensible f;
  f.wFormatTag = WAVE_FORMAT_EXTENSIBLE_TAG;
  f.nChannels = static_cast<uint16_t>(channels);
  f.nSamplesPerSec = sampleRate;
  f.nAvgBytesPerSec = static_cast<uint32_t>(sampleRate * blockAlign);
  f.nBlockAlign = static_cast<uint16_t>(blockAlign);
  f.wBitsPerSample = static_cast<uint16_t>(containerBits);
  f.cbSize = 22;
  f.wValidBitsPerSample = static_cast<uint16_t>(validBits);
  f.dwChannelMask = StoredChannelMask(channelMask, channels);
  f.SetSubFormat(KSDATAFORMAT_SUBTYPE_PCM);
  std::memcpy(container->Block(), &f, sizeof f);
  ContainerChanged();
}

void TALAudioBuffer::ContainerChanged() {
  if (!container_) return;
  uint8_t* block = container_->Block();
  format_ = reinterpret_cast<TWaveFormatExtensible*>(block);
  TWaveFormatExtensible f;
  std::memcpy(&f, block, sizeof f);
  channels_ = f.nChannels;
  validBits_ = f.wValidBitsPerSample;
  channelMask_ = f.dwChannelMask;
  containerBits_ = f.wBitsPerSample;
  blockAlign_ = f.nBlockAlign;
  // The samples follow the 40-byte record whatever its extension size says.
  headerSize_ = std::min<uint32_t>(f.cbSize + 18u, kAudioHeaderSize);
  dataOffset_ = headerSize_;
  data_ = block + headerSize_;
}

void TALAudioBuffer::Assign(ISLData* source) {
  auto* src = source ? dynamic_cast<TALAudioBuffer*>(source->GetInstance()) : nullptr;
  if (!src) return;
  if (src != this && src->container_ != container_) SwitchContainer(src->container_);
  byteSize_ = src->byteSize_;
  ContainerChanged();
}

uint32_t TALAudioBuffer::GetByteSize() { return byteSize_ > headerSize_ ? byteSize_ - headerSize_ : 0; }

uint32_t TALAudioBuffer::GetDataSize() {
  uint32_t header = format_ ? format_->cbSize + 18u : kAudioHeaderSize;
  return byteSize_ > header ? byteSize_ - header : 0;
}

int32_t TALAudioBuffer::GetCount() {
  uint32_t bytes = GetByteSize();
  if (bytes == 0 || blockAlign_ == 0) return 0;
  return static_cast<int32_t>(bytes / blockAlign_);
}

uint32_t TALAudioBuffer::GetSampleRate() {
  TWaveFormatExtensible f;
  GetFormat(f);
  return f.nSamplesPerSec;
}

void TALAudioBuffer::GetFormat(TWaveFormatExtensible& destination) {
  if (container_) std::memcpy(&destination, container_->Block(), sizeof destination);
}

void TALAudioBuffer::CheckChannel(uint32_t channel) const {
  if (channel >= channels_) throw ESLRangeError::Channel(channel);
}

int32_t TALAudioBuffer::GetSample(uint32_t frame, uint32_t channel) {
  CheckChannel(channel);
  if (frame >= static_cast<uint32_t>(GetCount())) throw ESLRangeError::Index(frame);
  const uint8_t* frameStart = Read() + size_t(frame) * blockAlign_;
  if (validBits_ <= 8) return frameStart[channel];
  if (validBits_ <= 16) return RawRead(frameStart + channel * 2, 16);
  const uint8_t* p = frameStart + channel * (containerBits_ / 8);
  if (containerBits_ == 24) return static_cast<int32_t>(uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16));
  if (containerBits_ == 32) return RawRead(p, 32);
  return 0;
}

void TALAudioBuffer::SetSample(uint32_t frame, uint32_t channel, int32_t value) {
  uint8_t* data = Modify();
  CheckChannel(channel);
  if (frame >= static_cast<uint32_t>(GetCount())) throw ESLRangeError::Index(frame);
  uint8_t* frameStart = data + size_t(frame) * blockAlign_;
  if (validBits_ <= 8) frameStart[channel] = static_cast<uint8_t>(value);
  else if (validBits_ <= 16) RawWriteLow(frameStart + channel * 2, 16, value);
  else if (containerBits_ == 24 || containerBits_ == 32)
    RawWriteLow(frameStart + channel * (containerBits_ / 8), containerBits_, value);
}

void TALAudioBuffer::ExtractChannelReals(uint32_t channel, TRef<ISLRealBuffer>& destination) {
  const uint32_t bits = containerBits_;
  if (bits != 8 && bits != 16 && bits != 24 && bits != 32) return;
  // An unchecked channel would read past the last frame.
  CheckChannel(channel);
  const int32_t n = GetCount();
  TRef<TSLRealBuffer> result(new TSLRealBuffer(n));
  double* dst = result->WriteReals();
  const uint8_t* src = Read() + channel * (bits / 8);
  const uint32_t stride = blockAlign_;
  switch (bits) {
    case 8:
      for (int32_t i = 0; i < n; ++i, src += stride) dst[i] = int32_t(src[0]) - 127;
      break;
    case 16:
      for (int32_t i = 0; i < n; ++i, src += stride) {
        int16_t v;
        std::memcpy(&v, src, 2);
        dst[i] = v;
      }
      break;
    case 24:
      for (int32_t i = 0; i < n; ++i, src += stride) dst[i] = RawRead(src, 24);
      break;
    case 32:
      for (int32_t i = 0; i < n; ++i, src += stride) dst[i] = RawRead(src, 32);
      break;
  }
  destination = result;
}

void TALAudioBuffer::ExtractChannelIntegers(uint32_t channel, TRef<ISLIntegerBuffer>& destination) {
  const uint32_t bits = containerBits_;
  if (bits != 8 && bits != 16 && bits != 24 && bits != 32) return;
  CheckChannel(channel);
  const int32_t n = GetCount();
  TRef<TSLIntegerBuffer> result(new TSLIntegerBuffer(n));
  int32_t* dst = result->WriteIntegers();
  const uint8_t* src = Read() + channel * (bits / 8);
  for (int32_t i = 0; i < n; ++i, src += blockAlign_) dst[i] = SignedValue(src, bits);
  destination = result;
}

void TALAudioBuffer::SetFrameCount(uint32_t frames, bool keepData) {
  if (frames == 0) return;
  uint64_t total = uint64_t(frames) * blockAlign_ + kAudioHeaderSize;
  if (total > (uint64_t(1) << 30)) throw ESLOutOfMemory();
  if (frames <= static_cast<uint32_t>(GetCount()) ||
      (container_->IsExclusive() && container_->AllocatedSize() >= total)) {
    byteSize_ = static_cast<uint32_t>(total);
    ContainerChanged();
    return;
  }
  auto* fresh = new TALSmartAudioBuffer(static_cast<uint32_t>(total));
  const uint8_t* old = container_->Block();
  std::memcpy(fresh->Block(), old, kAudioHeaderSize);
  if (keepData) std::memcpy(fresh->Block(), old, std::min(container_->AllocatedSize(), fresh->AllocatedSize()));
  SwitchContainer(fresh);
  ContainerChanged();
  byteSize_ = static_cast<uint32_t>(total);
}

void TALAudioBuffer::CopyTo(uint32_t sourceFrame, ISLDataBuffer* destination, uint32_t frameCount,
                            uint32_t destinationFrame) {
  auto* dst = destination ? dynamic_cast<TALAudioBuffer*>(destination->GetInstance()) : nullptr;
  if (!dst) {
    TSLGenericBuffer::CopyTo(sourceFrame, destination, frameCount, destinationFrame);
    return;
  }
  if (frameCount == 0) return;
  // Frames outside either buffer would be read or written past its block.
  CheckRange(sourceFrame, frameCount, static_cast<uint32_t>(GetCount()));
  CheckRange(destinationFrame, frameCount, static_cast<uint32_t>(dst->GetCount()));
  uint8_t* dstBase = dst->Modify() + size_t(destinationFrame) * dst->blockAlign_;
  const uint8_t* srcBase = Read() + size_t(sourceFrame) * blockAlign_;
  const uint32_t sBytes = containerBits_ / 8, dBytes = dst->containerBits_ / 8;

  uint32_t pairS[18], pairD[18], silence[18];
  uint32_t pairs = 0, silent = 0, si = 0, di = 0;
  for (uint32_t bit = 0; bit < 18; ++bit) {
    bool inS = channelMask_ & (1u << bit), inD = dst->channelMask_ & (1u << bit);
    if (inS && inD) {
      if (si < channels_ && di < dst->channels_) {
        pairS[pairs] = si;
        pairD[pairs] = di;
        ++pairs;
      }
    } else if (inD && di < dst->channels_) {
      silence[silent++] = di;
    }
    if (inS) ++si;
    if (inD) ++di;
    if (pairs >= channels_ && pairs >= dst->channels_) break;
  }
  for (uint32_t k = 0; k < silent; ++k) {
    uint8_t* d = dstBase + silence[k] * dBytes;
    for (uint32_t f = 0; f < frameCount; ++f, d += dst->blockAlign_) std::memset(d, 0, dBytes);
  }
  for (uint32_t k = 0; k < pairs; ++k) {
    const uint8_t* s = srcBase + pairS[k] * sBytes;
    uint8_t* d = dstBase + pairD[k] * dBytes;
    if (sBytes == dBytes) {
      for (uint32_t f = 0; f < frameCount; ++f, s += blockAlign_, d += dst->blockAlign_) std::memcpy(d, s, sBytes);
    } else {
      for (uint32_t f = 0; f < frameCount; ++f, s += blockAlign_, d += dst->blockAlign_)
        RawWriteResult(d, dst->containerBits_, ConvertWidth(s, containerBits_, dst->containerBits_));
    }
  }
}

// ---- arithmetic ----

namespace {
int64_t Apply(int op, int64_t a, int64_t b) {
  switch (op) {
    case 0: return a + b;
    case 1: return a - b;
    case 2: return a * b;
    default: return DivideRounded(a, b);
  }
}
}  // namespace

void TALAudioBuffer::ValueOp(TOp op, int32_t value) {
  const int32_t frames = GetCount();
  const int len = static_cast<int>(uint32_t(frames) * channels_);
  if (len <= 0) return;
  if (op == TOp::Divide && value == 0) return;
  uint8_t* data = ModifySamples();
  const auto& k = Kernels();
  switch (containerBits_) {
    case 8: {
      auto v = SaturateTo<Ipp8u>(value);
      if (op == TOp::Add) k.ippsAddC_8u_ISfs(v, data, len, 0);
      else if (op == TOp::Subtract) k.ippsSubC_8u_ISfs(v, data, len, 0);
      else if (op == TOp::Multiply) k.ippsMulC_8u_ISfs(v, data, len, 0);
      else k.ippsDivC_8u_ISfs(v, data, len, 0);
      break;
    }
    case 16: {
      auto v = SaturateTo<Ipp16s>(value);
      auto* p = reinterpret_cast<Ipp16s*>(data);
      if (op == TOp::Add) k.ippsAddC_16s_ISfs(v, p, len, 0);
      else if (op == TOp::Subtract) k.ippsSubC_16s_ISfs(v, p, len, 0);
      else if (op == TOp::Multiply) k.ippsMulC_16s_ISfs(v, p, len, 0);
      else k.ippsDivC_16s_ISfs(v, p, len, 0);
      break;
    }
    case 32: {
      auto* p = reinterpret_cast<Ipp32s*>(data);
      if (op == TOp::Add) k.ippsAddC_32s_ISfs(value, p, len, 0);
      else if (op == TOp::Subtract) k.ippsSubC_32s_ISfs(value, p, len, 0);
      else if (op == TOp::Multiply) k.ippsMulC_32s_ISfs(value, p, len, 0);
      else k.ippsDivC_32s_ISfs(value, p, len, 0);
      break;
    }
    case 24:
      for (int i = 0; i < len; ++i, data += 3) RawWriteResult(data, 24, Apply(int(op), RawRead(data, 24), value));
      break;
    default:
      break;
  }
}

void TALAudioBuffer::AddValue(int32_t value) { ValueOp(TOp::Add, value); }
void TALAudioBuffer::SubtractValue(int32_t value) { ValueOp(TOp::Subtract, value); }
void TALAudioBuffer::MultiplyValue(int32_t value) { ValueOp(TOp::Multiply, value); }
void TALAudioBuffer::DivideValue(int32_t value) { ValueOp(TOp::Divide, value); }

void TALAudioBuffer::FillValue(int32_t value) {
  const int len = static_cast<int>(uint32_t(GetCount()) * channels_);
  if (len <= 0) return;
  uint8_t* data = WriteSamples();
  const auto& k = Kernels();
  switch (containerBits_) {
    case 8: k.ippsSet_8u(static_cast<Ipp8u>((value + 127) & 0xFF), data, len); break;
    case 16: k.ippsSet_16s(static_cast<Ipp16s>(value), reinterpret_cast<Ipp16s*>(data), len); break;
    case 32: k.ippsSet_32s(value, reinterpret_cast<Ipp32s*>(data), len); break;
    case 24:
      for (int i = 0; i < len; ++i, data += 3) RawWriteLow(data, 24, value);
      break;
    default: break;
  }
}

void TALAudioBuffer::FillChannel(uint32_t channel, int32_t value) {
  CheckChannel(channel);
  const int32_t frames = GetCount();
  if (frames <= 0) return;
  const uint32_t bits = containerBits_;
  uint8_t* p = ModifySamples() + channel * (bits / 8);
  int64_t stored = bits == 8 ? ((value + 127) & 0xFF) : value;
  for (int32_t f = 0; f < frames; ++f, p += blockAlign_) RawWriteLow(p, bits, stored);
}

void TALAudioBuffer::ChannelValueOp(uint32_t channel, TOp op, int32_t value) {
  CheckChannel(channel);
  const int32_t frames = GetCount();
  if (frames <= 0 || (op == TOp::Divide && value == 0)) return;
  const uint32_t bits = containerBits_;
  uint8_t* p = ModifySamples() + channel * (bits / 8);
  for (int32_t f = 0; f < frames; ++f, p += blockAlign_) RawWriteResult(p, bits, Apply(int(op), RawRead(p, bits), value));
}

void TALAudioBuffer::AddChannelValue(uint32_t c, int32_t v) { ChannelValueOp(c, TOp::Add, v); }
void TALAudioBuffer::SubtractChannelValue(uint32_t c, int32_t v) { ChannelValueOp(c, TOp::Subtract, v); }
void TALAudioBuffer::MultiplyChannelValue(uint32_t c, int32_t v) { ChannelValueOp(c, TOp::Multiply, v); }
void TALAudioBuffer::DivideChannelValue(uint32_t c, int32_t v) { ChannelValueOp(c, TOp::Divide, v); }

void TALAudioBuffer::Scale(double factor) {
  if (factor == 1.0) return;
  const int len = static_cast<int>(uint32_t(GetCount()) * channels_);
  const uint32_t bits = containerBits_;
  if (len <= 0 || (bits != 8 && bits != 16 && bits != 24 && bits != 32)) return;
  uint8_t* p = ModifySamples();
  for (int i = 0; i < len; ++i, p += bits / 8) {
    double r = std::nearbyint(factor * RawRead(p, bits));
    int64_t v = !(r == r) ? 0 : r >= 9.2e18 ? INT64_MAX : r <= -9.2e18 ? INT64_MIN : static_cast<int64_t>(r);
    RawWriteLow(p, bits, v);
  }
}

void TALAudioBuffer::BufferOp(TOp op, IALAudioBuffer* other) {
  auto* src = other ? dynamic_cast<TALAudioBuffer*>(other->GetInstance()) : nullptr;
  if (!src) return;
  const int32_t frames = std::min(GetCount(), src->GetCount());
  if (frames <= 0) return;
  const uint32_t bits = containerBits_, oBits = src->containerBits_;
  if (bits % 8 || bits == 0 || bits > 32 || oBits % 8 || oBits == 0 || oBits > 32) return;
  // Hold the other's samples in case it shares this buffer's storage.
  TRef<ISLData> keep = src->Clone();
  const uint8_t* sBase = src->Read();
  uint8_t* dBase = ModifySamples();

  uint32_t pairS[32], pairD[32], pairs = 0;
  if (src->channels_ == 1) {
    for (uint32_t c = 0; c < channels_ && c < 32; ++c) {
      pairS[pairs] = 0;
      pairD[pairs++] = c;
    }
  } else {
    uint32_t si = 0, di = 0;
    for (uint32_t bit = 0; bit < 18 && pairs < 18; ++bit) {
      bool inS = src->channelMask_ & (1u << bit), inD = channelMask_ & (1u << bit);
      if (inS && inD && si < src->channels_ && di < channels_) {
        pairS[pairs] = si;
        pairD[pairs++] = di;
      }
      if (inS) ++si;
      if (inD) ++di;
    }
  }
  for (uint32_t k = 0; k < pairs; ++k) {
    const uint8_t* s = sBase + pairS[k] * (oBits / 8);
    uint8_t* d = dBase + pairD[k] * (bits / 8);
    for (int32_t f = 0; f < frames; ++f, s += src->blockAlign_, d += blockAlign_) {
      int64_t b = oBits == bits ? RawRead(s, bits) : ConvertWidth(s, oBits, bits);
      RawWriteResult(d, bits, Apply(int(op), RawRead(d, bits), b));
    }
  }
}

void TALAudioBuffer::AddBuffer(IALAudioBuffer* other) { BufferOp(TOp::Add, other); }
void TALAudioBuffer::SubtractBuffer(IALAudioBuffer* other) { BufferOp(TOp::Subtract, other); }
void TALAudioBuffer::MultiplyBuffer(IALAudioBuffer* other) { BufferOp(TOp::Multiply, other); }
void TALAudioBuffer::DivideBuffer(IALAudioBuffer* other) { BufferOp(TOp::Divide, other); }
