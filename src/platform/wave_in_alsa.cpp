// The ALSA side of wave input: capture PCMs listed by their stable names and
// read with snd_pcm_readi in non-blocking mode, so that a reset is never
// stuck behind a read that waits for a device that went away.

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>
#include <utility>

#include "platform/wave_in_sources.h"

namespace wavein_detail {
namespace {

// Capture that delivers nothing for this long while running counts as a
// device that is gone (a stream whose server vanished may just go quiet).
constexpr std::chrono::seconds kStallLimit{10};
constexpr int kWaitSliceMs = 50;

snd_pcm_format_t AlsaFormat(const TWaveFormatExtensible& f) {
  switch (f.wBitsPerSample) {
    case 8: return SND_PCM_FORMAT_U8;
    case 16: return SND_PCM_FORMAT_S16_LE;
    case 24: return SND_PCM_FORMAT_S24_3LE;
    case 32: return SND_PCM_FORMAT_S32_LE;
    default: return SND_PCM_FORMAT_UNKNOWN;
  }
}

class TAlsaSource final : public TWaveInSource {
public:
  explicit TAlsaSource(snd_pcm_t* pcm) : pcm_(pcm) {}
  ~TAlsaSource() override { snd_pcm_close(pcm_); }

  int Start() override {
    snd_pcm_drop(pcm_);
    int rc = snd_pcm_prepare(pcm_);
    if (rc < 0) return rc;
    rc = snd_pcm_start(pcm_);
    lastData_ = std::chrono::steady_clock::now();
    return rc < 0 ? rc : 0;
  }

  void Stop() override { snd_pcm_drop(pcm_); }

  long Read(uint8_t* data, uint32_t frames, TWaveInCancel& cancel) override {
    while (!cancel.Cancelled()) {
      snd_pcm_sframes_t got = snd_pcm_readi(pcm_, data, frames);
      if (got > 0) {
        lastData_ = std::chrono::steady_clock::now();
        return static_cast<long>(got);
      }
      int rc = static_cast<int>(got);
      if (got == 0 || got == -EAGAIN) {
        rc = snd_pcm_wait(pcm_, kWaitSliceMs);
        if (rc >= 0) {
          if (std::chrono::steady_clock::now() - lastData_ > kStallLimit) return -ETIMEDOUT;
          continue;
        }
      }
      rc = Recover(rc, cancel);
      if (rc < 0) return rc;
    }
    return 0;
  }

  uint64_t TakeOverrun() override { return std::exchange(overruns_, 0); }

private:
  // Overrun: input was lost; prepare and start again and tell the owner.
  // Suspend: resume (or restart). Anything else: the device is gone.
  int Recover(int rc, TWaveInCancel& cancel) {
    if (rc == -EPIPE) {
      ++overruns_;
      int e = snd_pcm_prepare(pcm_);
      if (e < 0) return e;
      e = snd_pcm_start(pcm_);
      lastData_ = std::chrono::steady_clock::now();
      return e < 0 && e != -EBADFD ? e : 0;
    }
    if (rc == -ESTRPIPE) {
      int e;
      while ((e = snd_pcm_resume(pcm_)) == -EAGAIN) {
        if (cancel.Cancelled()) return 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(kWaitSliceMs));
      }
      if (e < 0) {
        e = snd_pcm_prepare(pcm_);
        if (e < 0) return e;
        e = snd_pcm_start(pcm_);
        if (e < 0) return e;
      }
      ++overruns_;
      lastData_ = std::chrono::steady_clock::now();
      return 0;
    }
    return rc < 0 ? rc : -EIO;
  }

  snd_pcm_t* pcm_;
  uint64_t overruns_ = 0;
  std::chrono::steady_clock::time_point lastData_ = std::chrono::steady_clock::now();
};

}  // namespace

namespace {
// Hints name every PCM that might capture, plugins that need a slave or a
// server among them; only one that opens for capture is offered. A device
// busy with another program can capture all the same.
bool CanCapture(const char* name) {
  snd_pcm_t* pcm = nullptr;
  const int rc = snd_pcm_open(&pcm, name, SND_PCM_STREAM_CAPTURE, SND_PCM_NONBLOCK);
  if (rc < 0) return rc == -EBUSY;
  snd_pcm_close(pcm);
  return true;
}
}  // namespace

std::vector<std::string> AlsaCaptureDeviceNames() {
  std::vector<std::string> names;
  void** hints = nullptr;
  if (snd_device_name_hint(-1, "pcm", &hints) < 0 || !hints) return names;
  for (void** h = hints; *h; ++h) {
    char* name = snd_device_name_get_hint(*h, "NAME");
    char* ioid = snd_device_name_get_hint(*h, "IOID");
    const bool capture = !ioid || std::strcmp(ioid, "Input") == 0;
    if (name && capture && std::strcmp(name, "default") != 0 &&
        std::find(names.begin(), names.end(), name) == names.end() && CanCapture(name)) {
      names.emplace_back(name);
    }
    free(name);
    free(ioid);
  }
  snd_device_name_free_hint(hints);
  return names;
}

std::unique_ptr<TWaveInSource> MakeAlsaSource(const std::string& pcmName, const TWaveFormatExtensible& f,
                                              uint32_t* error) {
  snd_pcm_t* pcm = nullptr;
  int rc = snd_pcm_open(&pcm, pcmName.c_str(), SND_PCM_STREAM_CAPTURE, SND_PCM_NONBLOCK);
  if (rc < 0) {
    *error = rc == -EBUSY ? MMSYSERR_ALLOCATED : MMSYSERR_NODRIVER;
    return nullptr;
  }
  snd_pcm_hw_params_t* hw;
  snd_pcm_hw_params_alloca(&hw);
  unsigned rate = f.nSamplesPerSec;
  unsigned bufferUs = 500000, periodUs = 50000;
  int dir = 0;
  const bool ok = snd_pcm_hw_params_any(pcm, hw) >= 0 &&
                  snd_pcm_hw_params_set_access(pcm, hw, SND_PCM_ACCESS_RW_INTERLEAVED) >= 0 &&
                  snd_pcm_hw_params_set_format(pcm, hw, AlsaFormat(f)) >= 0 &&
                  snd_pcm_hw_params_set_channels(pcm, hw, f.nChannels) >= 0 &&
                  snd_pcm_hw_params_set_rate(pcm, hw, rate, 0) >= 0 &&
                  // A large ring gives the reader slack; devices that cannot
                  // do it keep their own sizes.
                  (snd_pcm_hw_params_set_buffer_time_near(pcm, hw, &bufferUs, &dir), true) &&
                  (snd_pcm_hw_params_set_period_time_near(pcm, hw, &periodUs, &dir), true) &&
                  snd_pcm_hw_params(pcm, hw) >= 0;
  if (!ok) {
    snd_pcm_close(pcm);
    *error = WAVERR_BADFORMAT;
    return nullptr;
  }
  *error = MMSYSERR_NOERROR;
  return std::make_unique<TAlsaSource>(pcm);
}

}  // namespace wavein_detail
