#pragma once
// A wave-input device of the tests' own: "Vanishing" delivers a little
// silence and is then gone for good, as an unplugged sound card.

#include <algorithm>
#include <cerrno>
#include <chrono>

#include "platform/wave_in.h"

namespace apptest {

class TVanishingSource : public TWaveInSource {
public:
  int Start() override { return reads_ = 0; }
  void Stop() override {}
  long Read(uint8_t* data, uint32_t frames, TWaveInCancel& cancel) override {
    const auto due = std::chrono::steady_clock::now() + std::chrono::milliseconds(5);
    if (!cancel.SleepUntil(std::chrono::duration_cast<std::chrono::nanoseconds>(due.time_since_epoch()).count()))
      return 0;
    if (++reads_ > 3) return -ENODEV;
    const uint32_t n = std::min<uint32_t>(frames, 400);
    std::fill(data, data + n * 4, 0);
    return long(n);
  }

private:
  int reads_ = 0;
};

inline void RegisterVanishingDevice() {
  static const bool once = [] {
    WaveInRegisterDevice("Vanishing", [](const TWaveFormatExtensible&, uint32_t* error) {
      *error = MMSYSERR_NOERROR;
      return std::unique_ptr<TWaveInSource>(new TVanishingSource);
    });
    return true;
  }();
  (void)once;
}

}  // namespace apptest
