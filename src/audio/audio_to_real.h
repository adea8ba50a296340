#pragma once
// Splitting interleaved audio into one signal per channel.
//
// TALCommonSplitter holds the audio input, the output pins (one per channel),
// the format it was last told and the per-width channel loops;
// TALAudioToReal sends each connected channel as a real buffer, scaled to
// -1..+1 by the full scale of the sample width when Normalize is set.

#include <QObject>

#include "buffers/audio_buffer.h"
#include "pins/component.h"
#include "pins/pin_list.h"
#include "pins/typed_pins.h"
#include "platform/wave_format.h"

class TALCommonSplitter : public TLPComponent {
  Q_OBJECT
  Q_PROPERTY(int CountChannels READ CountChannels WRITE SetCountChannels)
  Q_PROPERTY(TALOWAudioSinkPin* InputPin READ InputPin)
  Q_PROPERTY(TOWPinList* OutputPins READ OutputPins)
public:
  static constexpr int kMinChannels = 1, kMaxChannels = 32;

  // A descendant makes its first output pins (SetChannelCount(2)) in its own
  // constructor, where its CreateOutputPin can be called.
  explicit TALCommonSplitter(QObject* owner = nullptr);
  ~TALCommonSplitter() override;

  int CountChannels() const;
  void SetCountChannels(int n) { SetChannelCount(n); }
  TALOWAudioSinkPin* InputPin() const { return inputPin_; }
  TOWPinList* OutputPins() const { return outputPins_; }

  // The format record last announced (all zero before the first one).
  TWaveFormatExtensible CurrentFormat() const;

protected:
  virtual void SetChannelCount(int n);
  virtual TOWBasicPin* CreateOutputPin() = 0;
  // Takes the record (when given) and announces the sample rate on every output.
  virtual void StartWave(const TWaveFormatExtensible* format) = 0;
  virtual void SendStop();
  virtual void SendResume();
  virtual void ProcessBuffer(TALAudioBuffer* buffer);
  virtual void NotifyAll(IOWNotifyOperation* op);
  virtual bool AlwaysConvert(int channel) {
    (void)channel;
    return false;
  }
  virtual bool GetNormalize() { return false; }
  virtual void ConvertChannel8(int channel, TALAudioBuffer* buffer);
  virtual void ConvertChannel16(int channel, TALAudioBuffer* buffer);
  virtual void ConvertChannel24(int channel, TALAudioBuffer* buffer);
  virtual void ConvertChannel32(int channel, TALAudioBuffer* buffer);
  virtual void SendChannel(int channel, ISLRealBuffer* buffer) {
    (void)channel;
    (void)buffer;
  }

  // The input pin's receive callback; always answers false.
  bool ReceiveInput(TSLOWSinkPin* pin, IOWNotifyOperation* op);

  TALOWAudioSinkPin* inputPin_ = nullptr;
  TOWPinList* outputPins_ = nullptr;
  TWaveFormatExtensible format_{};

private:
  template <int Width>
  void ConvertChannel(int channel, TALAudioBuffer* buffer);
};

class TALAudioToReal : public TALCommonSplitter {
  Q_OBJECT
  Q_PROPERTY(bool Normalize READ Normalize WRITE SetNormalize)
public:
  explicit TALAudioToReal(QObject* owner = nullptr);
  ~TALAudioToReal() override;

  bool Normalize() const;
  void SetNormalize(bool value);
  TSLOWRealSourcePin* OutputPin(int i) const;

protected:
  TOWBasicPin* CreateOutputPin() override;
  void StartWave(const TWaveFormatExtensible* format) override;
  bool GetNormalize() override { return Normalize(); }
  void SendChannel(int channel, ISLRealBuffer* buffer) override;

private:
  bool HandleOutputUpstream(TSLOWSourcePin* pin, IOWNotifyOperation* op);
  bool normalize_ = false;
};
