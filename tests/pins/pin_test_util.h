#pragma once
// Helpers for the pin tests: a recorder of what sink pins receive.

#include <mutex>
#include <string>
#include <typeinfo>
#include <vector>

#include "pins/operations.h"
#include "pins/typed_pins.h"

struct TReceived {
  std::string cls;    // class of the operation
  uint8_t flags = 0;
  TGUID type;
  uint32_t id = 0;
  const void* pin = nullptr;
};

class TRecorder {
public:
  TSLOWSinkPin::ReceiveCallback Callback() {
    return [this](TSLOWSinkPin* pin, const TGUID& type, uint8_t flags, IOWNotifyOperation* op) {
      TOWNotifyOperation* o = op->GetOperation();
      std::lock_guard<std::mutex> lock(m_);
      items_.push_back({ClassOf(o), flags, type, o->Id(), pin});
      return false;
    };
  }
  std::vector<TReceived> Items() {
    std::lock_guard<std::mutex> lock(m_);
    return items_;
  }
  size_t Count() {
    std::lock_guard<std::mutex> lock(m_);
    return items_.size();
  }
  void Clear() {
    std::lock_guard<std::mutex> lock(m_);
    items_.clear();
  }
  // Names of the received operation classes, in order.
  std::vector<std::string> Classes() {
    std::vector<std::string> out;
    for (auto& i : Items()) out.push_back(i.cls);
    return out;
  }
  static std::string ClassOf(TOWNotifyOperation* o) {
    if (dynamic_cast<TOWSuppliedBufferOperation*>(o)) return "buffer";
    if (dynamic_cast<TOWStartWaveOperation*>(o)) return "startwave";
    if (dynamic_cast<TOWStartSampleRateOperation*>(o)) return "startrate";
    if (dynamic_cast<TOWStartOperation*>(o)) return "start";
    if (dynamic_cast<TOWEndStopOperation*>(o)) return "end";
    if (dynamic_cast<TOWStopOperation*>(o)) return "stop";
    if (dynamic_cast<TOWSLResumeOperation*>(o)) return "resume";
    if (dynamic_cast<TOWQueryStreamOperation*>(o)) return "query";
    if (dynamic_cast<TOWSuppliedOperation*>(o)) return "supplied";
    return "notify";
  }

private:
  std::mutex m_;
  std::vector<TReceived> items_;
};
