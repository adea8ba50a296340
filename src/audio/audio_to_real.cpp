#include "audio/audio_to_real.h"

#include <algorithm>
#include <cstring>

#include "buffers/simple_data_buffer.h"

// ------------------------------------------------------------ splitter

TALCommonSplitter::TALCommonSplitter(QObject* owner) : TLPComponent(owner) {
  inputPin_ = new TALOWAudioSinkPin(
      this, nullptr, nullptr,
      [this](TSLOWSinkPin* pin, const TGUID&, uint8_t, IOWNotifyOperation* op) { return ReceiveInput(pin, op); },
      Lock());
  outputPins_ = new TOWPinList(this, true, Lock());
}

TALCommonSplitter::~TALCommonSplitter() {
  {
    TRef<IOWLockSection> stop = Lock()->EnterStop();
    inputPin_->Disconnect();
    SendStop();
  }
  delete outputPins_;
  outputPins_ = nullptr;
  delete inputPin_;
  inputPin_ = nullptr;
}

int TALCommonSplitter::CountChannels() const { return outputPins_->Count(); }

TWaveFormatExtensible TALCommonSplitter::CurrentFormat() const {
  TRef<IOWLockSection> guard = Lock()->EnterRead();
  return format_;
}

void TALCommonSplitter::SetChannelCount(int n) {
  n = std::clamp(n, kMinChannels, kMaxChannels);
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  while (outputPins_->Count() > n) outputPins_->Delete(outputPins_->Count() - 1);
  while (outputPins_->Count() < n) {
    TOWBasicPin* pin = CreateOutputPin();
    outputPins_->Add(pin);
    if (auto* source = dynamic_cast<TOWSourcePin*>(pin)) source->AddDataTypeDependency(inputPin_);
  }
}

void TALCommonSplitter::SendStop() { NotifyAll(MakeOperation<TOWStopOperation>().get()); }

void TALCommonSplitter::SendResume() { NotifyAll(MakeOperation<TOWSLResumeOperation>().get()); }

void TALCommonSplitter::NotifyAll(IOWNotifyOperation* op) {
  for (int i = 0; i < outputPins_->Count(); ++i) {
    if (TOWBasicPin* pin = outputPins_->GetPin(i)) pin->Notify(op);
  }
}

bool TALCommonSplitter::ReceiveInput(TSLOWSinkPin* pin, IOWNotifyOperation* op) {
  (void)pin;
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  if (!guard) return false;
  if (auto* start = OperationAs<TOWStartWaveOperation>(op)) {
    StartWave(&start->Format());
  } else if (OperationAs<TOWStopOperation>(op)) {
    SendStop();
  } else if (OperationAs<TOWSLResumeOperation>(op)) {
    SendResume();
  } else if (auto* supplied = OperationAs<TOWSuppliedBufferOperation>(op)) {
    if (supplied->Buffer()) {
      TRef<TALAudioBuffer> audio(new TALAudioBuffer(supplied->Buffer()));
      ProcessBuffer(audio.get());
    }
  }
  return false;
}

void TALCommonSplitter::ProcessBuffer(TALAudioBuffer* buffer) {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  if (!guard) return;
  void (TALCommonSplitter::*convert)(int, TALAudioBuffer*) = nullptr;
  switch (format_.wBitsPerSample) {
    case 8: convert = &TALCommonSplitter::ConvertChannel8; break;
    case 16: convert = &TALCommonSplitter::ConvertChannel16; break;
    case 24: convert = &TALCommonSplitter::ConvertChannel24; break;
    case 32: convert = &TALCommonSplitter::ConvertChannel32; break;
    default: return;
  }
  const int channels = std::min<int>(format_.nChannels, outputPins_->Count());
  for (int i = 0; i < channels; ++i) {
    TOWBasicPin* pin = outputPins_->GetPin(i);
    if (AlwaysConvert(i) || (pin && pin->IsConnected())) (this->*convert)(i, buffer);
  }
}

void TALCommonSplitter::ConvertChannel8(int channel, TALAudioBuffer* buffer) { ConvertChannel<8>(channel, buffer); }
void TALCommonSplitter::ConvertChannel16(int channel, TALAudioBuffer* buffer) { ConvertChannel<16>(channel, buffer); }
void TALCommonSplitter::ConvertChannel24(int channel, TALAudioBuffer* buffer) { ConvertChannel<24>(channel, buffer); }
void TALCommonSplitter::ConvertChannel32(int channel, TALAudioBuffer* buffer) { ConvertChannel<32>(channel, buffer); }

template <int Width>
void TALCommonSplitter::ConvertChannel(int channel, TALAudioBuffer* buffer) {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  if (!guard) return;
  constexpr uint32_t bytes = Width / 8;
  const uint32_t blockAlign = format_.nBlockAlign;
  // A record whose frames are too short for this channel would make the
  // loop read past the samples.
  if (blockAlign == 0 || (uint32_t(channel) + 1) * bytes > blockAlign) return;
  const uint32_t n = buffer->GetByteSize() / blockAlign;
  TRef<TSLRealBuffer> real(new TSLRealBuffer(static_cast<int32_t>(n)));
  double* out = real->WriteReals();
  const uint8_t* src = buffer->Read() + size_t(channel) * bytes;
  const bool normalize = GetNormalize();
  for (uint32_t f = 0; f < n; ++f, src += blockAlign) {
    double v;
    if constexpr (Width == 8) {
      v = double(int(src[0]) - 127);
      if (normalize) v /= 128.0;
    } else if constexpr (Width == 16) {
      int16_t s;
      std::memcpy(&s, src, 2);
      v = s;
      if (normalize) v /= 32768.0;
    } else if constexpr (Width == 24) {
      const int32_t s = int32_t((uint32_t(src[0]) << 8) | (uint32_t(src[1]) << 16) | (uint32_t(src[2]) << 24)) >> 8;
      v = s;
      if (normalize) v /= 8388608.0;
    } else {
      int32_t s;
      std::memcpy(&s, src, 4);
      v = s;
      if (normalize) v /= 2147483648.0;
    }
    out[f] = v;
  }
  SendChannel(channel, real.get());
}

// ------------------------------------------------------------ converter

TALAudioToReal::TALAudioToReal(QObject* owner) : TALCommonSplitter(owner) { SetChannelCount(2); }

TALAudioToReal::~TALAudioToReal() {
  // The outputs go while this class's pin factory and upstream handler
  // still exist.
  {
    TRef<IOWLockSection> stop = Lock()->EnterStop();
    inputPin_->Disconnect();
    SendStop();
    outputPins_->Clear();
  }
}

bool TALAudioToReal::Normalize() const { return Lock()->ReadGuarded(normalize_); }
void TALAudioToReal::SetNormalize(bool value) { Lock()->SetIfChanged(normalize_, value); }

TSLOWRealSourcePin* TALAudioToReal::OutputPin(int i) const {
  return dynamic_cast<TSLOWRealSourcePin*>(outputPins_->GetPin(i));
}

TOWBasicPin* TALAudioToReal::CreateOutputPin() {
  return new TSLOWRealSourcePin(
      this, nullptr, 0,
      [this](TSLOWSourcePin* pin, IOWNotifyOperation* op) { return HandleOutputUpstream(pin, op); }, false, Lock());
}

void TALAudioToReal::StartWave(const TWaveFormatExtensible* format) {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  if (format) format_ = *format;
  const double rate = format_.nSamplesPerSec;
  for (int i = 0; i < outputPins_->Count(); ++i) {
    if (TOWBasicPin* pin = outputPins_->GetPin(i)) pin->Notify(MakeOperation<TOWStartSampleRateOperation>(rate).get());
  }
}

void TALAudioToReal::SendChannel(int channel, ISLRealBuffer* buffer) {
  if (TSLOWRealSourcePin* pin = OutputPin(channel)) pin->SendBuffer(buffer);
}

bool TALAudioToReal::HandleOutputUpstream(TSLOWSourcePin* pin, IOWNotifyOperation* op) {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  if (!guard) return false;
  if (OperationAs<TOWQueryStreamOperation>(op)) {
    const int k = outputPins_->IndexOf(pin);
    if (k >= int(format_.nChannels)) {
      pin->Notify(MakeOperation<TOWIgnoreStreamOperation>().get());
      return false;
    }
  }
  if (inputPin_->IsConnected()) return inputPin_->Notify(op);
  return ReceiveInput(inputPin_, op);
}
