#pragma once
// Wave-input devices of the tests' own, registered once per process:
//   "Counter"     every sample of frame n holds n (a continuous count across
//                 buffers), a few hundred microseconds per read
//   "Refusing"    refuses every format
//   "NoStart"     opens but cannot start
//   "Vanishing"   delivers 3 reads, then the device is gone
//   "Overrunning" reports one overrun at its second read
//   "Scripted"    a counter that is gone at read gScriptedFailRead (taken
//                 when the device opens; -1 never)
//   "Hollow"      reports every read as done without writing the samples
// and an ALSA configuration whose default PCM is the null device, so that
// the default device opens without a sound card.

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/wave_in.h"
#include "support/test_support.h"

namespace audiotest {

inline std::atomic<int> gLiveSources{0};
inline std::atomic<int> gScriptedFailRead{-1};

class TCounterSource : public TWaveInSource {
public:
  TCounterSource(const TWaveFormatExtensible& f, int loseAfter, int overrunAt, bool writes = true)
      : format_(f), loseAfter_(loseAfter), overrunAt_(overrunAt), writes_(writes) {
    ++gLiveSources;
  }
  ~TCounterSource() override { --gLiveSources; }
  int Start() override {
    frame_ = 0;
    return 0;
  }
  void Stop() override {}
  long Read(uint8_t* data, uint32_t frames, TWaveInCancel& cancel) override {
    const auto due = std::chrono::steady_clock::now() + std::chrono::microseconds(300);
    if (!cancel.SleepUntil(std::chrono::duration_cast<std::chrono::nanoseconds>(due.time_since_epoch()).count()))
      return 0;
    const int read = reads_++;
    if (read == overrunAt_) overrun_ = 1;
    if (loseAfter_ >= 0 && read >= loseAfter_) return -ENODEV;
    const uint32_t n = std::min<uint32_t>(frames, 4096);
    const uint32_t bytes = format_.wBitsPerSample / 8;
    if (!writes_) return long(n);
    for (uint32_t i = 0; i < n; ++i, ++frame_) {
      for (uint32_t c = 0; c < format_.nChannels; ++c) {
        const uint32_t v = static_cast<uint32_t>(frame_);
        std::memcpy(data + size_t(i) * format_.nBlockAlign + c * bytes, &v, bytes);
      }
    }
    return long(n);
  }
  uint64_t TakeOverrun() override { return std::exchange(overrun_, 0); }

private:
  TWaveFormatExtensible format_;
  int loseAfter_, overrunAt_;
  bool writes_;
  int reads_ = 0;
  uint64_t frame_ = 0;
  uint64_t overrun_ = 0;
};

class TNoStartSource : public TCounterSource {
public:
  using TCounterSource::TCounterSource;
  int Start() override { return -EIO; }
};

inline void RegisterTestDevices() {
  static const bool once = [] {
    static testsupport::TempDir dir;
    testsupport::WriteFile(dir / "asound.conf", "pcm.default { type null }\npcm.null { type null }\n");
    setenv("ALSA_CONFIG_PATH", (dir / "asound.conf").c_str(), 1);
    auto counter = [](int lose, int overrun) {
      return [lose, overrun](const TWaveFormatExtensible& f, uint32_t* e) -> std::unique_ptr<TWaveInSource> {
        *e = 0;
        return std::make_unique<TCounterSource>(f, lose, overrun);
      };
    };
    WaveInRegisterDevice("Counter", counter(-1, -1));
    WaveInRegisterDevice("Refusing", [](const TWaveFormatExtensible&, uint32_t* e) -> std::unique_ptr<TWaveInSource> {
      *e = WAVERR_BADFORMAT;
      return nullptr;
    });
    WaveInRegisterDevice("NoStart", [](const TWaveFormatExtensible& f, uint32_t* e) -> std::unique_ptr<TWaveInSource> {
      *e = 0;
      return std::make_unique<TNoStartSource>(f, -1, -1);
    });
    WaveInRegisterDevice("Vanishing", counter(3, -1));
    WaveInRegisterDevice("Overrunning", counter(-1, 1));
    WaveInRegisterDevice("Scripted", [](const TWaveFormatExtensible& f, uint32_t* e) -> std::unique_ptr<TWaveInSource> {
      *e = 0;
      return std::make_unique<TCounterSource>(f, gScriptedFailRead.load(), -1);
    });
    WaveInRegisterDevice("Hollow", [](const TWaveFormatExtensible& f, uint32_t* e) -> std::unique_ptr<TWaveInSource> {
      *e = 0;
      return std::make_unique<TCounterSource>(f, -1, -1, false);
    });
    return true;
  }();
  (void)once;
}

}  // namespace audiotest
