#pragma once
// Receivers for the audio tests: sink pins that record what arrives.

#include <mutex>
#include <string>
#include <vector>

#include "buffers/audio_buffer.h"
#include "buffers/simple_data_buffer.h"
#include "pins/component.h"
#include "pins/operations.h"
#include "pins/typed_pins.h"

namespace audiotest {

inline std::string ClassOf(IOWNotifyOperation* op) {
  TOWNotifyOperation* o = op->GetOperation();
  if (dynamic_cast<TOWSuppliedBufferOperation*>(o)) return "buffer";
  if (dynamic_cast<TOWStartWaveOperation*>(o)) return "startwave";
  if (dynamic_cast<TOWStartSampleRateOperation*>(o)) return "startrate";
  if (dynamic_cast<TOWEndStopOperation*>(o)) return "end";
  if (dynamic_cast<TOWStopOperation*>(o)) return "stop";
  if (dynamic_cast<TOWSLResumeOperation*>(o)) return "resume";
  if (dynamic_cast<TOWIgnoreStreamOperation*>(o)) return "ignore";
  if (dynamic_cast<TOWQueryStreamOperation*>(o)) return "query";
  if (dynamic_cast<TOWPumpRequestOperation*>(o)) return "pump";
  return "other";
}

// Records operations arriving at a sink; keeps real buffers' values and audio
// buffers' handles.
class TRecordingSink {
public:
  explicit TRecordingSink(bool audio) {
    auto cb = [this](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation* op) {
      Record(op);
      return false;
    };
    if (audio)
      pin = new TALOWAudioSinkPin(&owner, nullptr, nullptr, cb, owner.Lock());
    else
      pin = new TSLOWRealSinkPin(&owner, nullptr, nullptr, cb, owner.Lock());
  }
  ~TRecordingSink() { delete pin; }

  std::vector<std::string> Classes() {
    std::lock_guard lk(mutex);
    return classes;
  }
  size_t Count(const std::string& cls) {
    std::lock_guard lk(mutex);
    size_t n = 0;
    for (auto& c : classes) n += c == cls;
    return n;
  }
  std::vector<std::vector<double>> Reals() {
    std::lock_guard lk(mutex);
    return reals;
  }
  std::vector<TRef<TALAudioBuffer>> Audio() {
    std::lock_guard lk(mutex);
    return audio;
  }
  TWaveFormatExtensible LastFormat() {
    std::lock_guard lk(mutex);
    return format;
  }
  void Clear() {
    std::lock_guard lk(mutex);
    classes.clear();
    reals.clear();
    audio.clear();
  }

  TLPComponent owner;
  TSLOWSinkPin* pin;

protected:
  virtual void OnBuffer(TALAudioBuffer*) {}

private:
  void Record(IOWNotifyOperation* op) {
    std::lock_guard lk(mutex);
    classes.push_back(ClassOf(op));
    if (auto* w = OperationAs<TOWStartWaveOperation>(op)) format = w->Format();
    if (auto* b = OperationAs<TOWSuppliedBufferOperation>(op)) {
      if (auto real = QueryInterface<ISLRealBuffer>(b->Buffer())) {
        const double* v = real->ReadReals();
        reals.emplace_back(v, v + real->GetCount());
      } else {
        TRef<TALAudioBuffer> a(new TALAudioBuffer(b->Buffer()));
        audio.push_back(a);
      }
    }
  }
  std::mutex mutex;
  std::vector<std::string> classes;
  std::vector<std::vector<double>> reals;
  std::vector<TRef<TALAudioBuffer>> audio;
  TWaveFormatExtensible format{};
};

}  // namespace audiotest
