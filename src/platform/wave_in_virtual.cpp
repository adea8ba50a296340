// Virtual input devices: the simulated sensors of the experiment and the
// playback of a recording. Both deliver at the pace of the requested rate, in
// slices of about 20 ms, so that a reset interrupts them promptly.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <mutex>

#include "platform/wav_file.h"
#include "platform/wave_in_sources.h"

namespace {

struct TVirtualSettings {
  std::mutex mutex;
  TSimulatedSensors sensors;
  std::string recording;
  std::atomic<double> pace{1.0};
};

TVirtualSettings& Settings() {
  static TVirtualSettings s;
  return s;
}

int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Common pacing: frame n of the stream is due n / rate seconds after Start.
class TPacedSource : public TWaveInSource {
public:
  explicit TPacedSource(const TWaveFormatExtensible& f) : format_(f) {}

  int Start() override {
    startNs_ = NowNs();
    frame_ = 0;
    pace_ = wavein_detail::VirtualPace();
    Restart();
    return 0;
  }
  void Stop() override {}

  long Read(uint8_t* data, uint32_t frames, TWaveInCancel& cancel) override {
    if (cancel.Cancelled()) return 0;
    const uint32_t slice = std::max<uint32_t>(1, format_.nSamplesPerSec / 50);
    const uint32_t n = std::min(frames, slice);
    if (pace_ > 0) {
      const double dueS = double(frame_ + n) / format_.nSamplesPerSec / pace_;
      if (!cancel.SleepUntil(startNs_ + int64_t(dueS * 1e9))) return 0;
    }
    for (uint32_t i = 0; i < n; ++i) Generate(data + size_t(i) * format_.nBlockAlign, frame_ + i);
    frame_ += n;
    return long(n);
  }

protected:
  virtual void Restart() {}
  virtual void Generate(uint8_t* frame, uint64_t index) = 0;
  TWaveFormatExtensible format_;

private:
  int64_t startNs_ = 0;
  uint64_t frame_ = 0;
  double pace_ = 1.0;
};

class TSimulatedSource final : public TPacedSource {
public:
  using TPacedSource::TPacedSource;

protected:
  void Restart() override {
    settings_ = WaveInGetSimulatedSensors();
    noise_ = settings_.Seed ? settings_.Seed : 1;
  }
  void Generate(uint8_t* frame, uint64_t index) override {
    if (settings_.Playback) return Play(*settings_.Playback, frame, index);
    const double t = double(index) / format_.nSamplesPerSec;
    const int right = settings_.RightSensor == 2 ? 2 : 1;
    const size_t bytes = format_.wBitsPerSample / 8;
    for (uint16_t c = 0; c < format_.nChannels; ++c) {
      double v = Noise();
      if (c == 0) v += WaveInSimulatedSignal(settings_, 0, t);
      if (c == 1) v += WaveInSimulatedSignal(settings_, right, t);
      wavein_detail::StoreSample(frame + c * bytes, v, format_);
    }
  }

private:
  // The recording's nearest frame at this frame's time; past its end the
  // loop's, so the input goes on without a seam.
  void Play(const TSimulatedPlayback& p, uint8_t* frame, uint64_t index) {
    const size_t frames = std::min(p.Left.size(), p.Right.size());
    const size_t loopEnd = std::min(p.LoopEnd, frames);
    uint64_t at = format_.nSamplesPerSec == uint32_t(p.Rate) ? index : index * uint64_t(p.Rate) / format_.nSamplesPerSec;
    if (at >= frames) {
      if (p.LoopBegin >= loopEnd) at = frames;  // no loop: silence
      else at = p.LoopBegin + (at - frames) % (loopEnd - p.LoopBegin);
    }
    const size_t bytes = format_.wBitsPerSample / 8;
    for (uint16_t c = 0; c < format_.nChannels; ++c) {
      const std::vector<double>& channel = c == 0 ? p.Left : p.Right;
      wavein_detail::StoreSample(frame + c * bytes, at < frames ? channel[at] : 0.0, format_);
    }
  }
  double Noise() {
    noise_ ^= noise_ << 13;
    noise_ ^= noise_ >> 17;
    noise_ ^= noise_ << 5;
    return settings_.NoiseLevel * (double(noise_) / 2147483648.0 - 1.0);
  }
  TSimulatedSensors settings_;
  uint32_t noise_ = 1;
};

class TRecordingSource final : public TPacedSource {
public:
  TRecordingSource(const TWaveFormatExtensible& f, TWavData wav) : TPacedSource(f), wav_(std::move(wav)) {}

protected:
  void Generate(uint8_t* frame, uint64_t index) override {
    // Linear interpolation between the file's frames when the rates differ;
    // the recording repeats.
    const size_t frames = wav_.Frames();
    const double pos = double(index) * wav_.SampleRate / format_.nSamplesPerSec;
    const double whole = std::floor(pos);
    const double frac = pos - whole;
    const size_t i0 = size_t(std::fmod(whole, double(frames)));
    const size_t i1 = (i0 + 1) % frames;
    const size_t bytes = format_.wBitsPerSample / 8;
    for (uint16_t c = 0; c < format_.nChannels; ++c) {
      const size_t src = std::min<size_t>(c, wav_.Channels - 1);
      const double a = wav_.Samples[i0 * wav_.Channels + src];
      const double b = wav_.Samples[i1 * wav_.Channels + src];
      wavein_detail::StoreSample(frame + c * bytes, frac == 0 ? a : a + (b - a) * frac, format_);
    }
  }

private:
  TWavData wav_;
};

}  // namespace

namespace wavein_detail {

double VirtualPace() { return Settings().pace.load(); }

void StoreSample(uint8_t* at, double value, const TWaveFormatExtensible& f) {
  value = std::fmax(-1.0, std::fmin(1.0, value));
  const int container = f.wBitsPerSample;
  int valid = f.wFormatTag == WAVE_FORMAT_EXTENSIBLE_TAG ? f.wValidBitsPerSample : container;
  if (valid < 1 || valid > container) valid = container;
  const double full = std::ldexp(1.0, valid - 1);
  int64_t s = std::llround(value * full);
  s = std::max<int64_t>(-int64_t(full), std::min<int64_t>(int64_t(full) - 1, s));
  uint32_t bits = uint32_t(int32_t(s) * (int64_t(1) << (container - valid)));
  if (container == 8) bits = uint8_t(bits + 128);  // 8-bit samples are unsigned
  for (int b = 0; b < container / 8; ++b) at[b] = uint8_t(bits >> (8 * b));
}

std::unique_ptr<TWaveInSource> MakeSimulatedSource(const TWaveFormatExtensible& format, uint32_t* error) {
  *error = MMSYSERR_NOERROR;
  return std::make_unique<TSimulatedSource>(format);
}

std::unique_ptr<TWaveInSource> MakeRecordingSource(const TWaveFormatExtensible& format, uint32_t* error) {
  TWavData wav;
  if (!ReadWavFile(WaveInGetRecordingFile(), wav) || wav.Frames() == 0) {
    *error = MMSYSERR_NODRIVER;
    return nullptr;
  }
  *error = MMSYSERR_NOERROR;
  return std::make_unique<TRecordingSource>(format, std::move(wav));
}

}  // namespace wavein_detail

void WaveInSetSimulatedSensors(const TSimulatedSensors& settings) {
  std::lock_guard lk(Settings().mutex);
  Settings().sensors = settings;
}

TSimulatedSensors WaveInGetSimulatedSensors() {
  std::lock_guard lk(Settings().mutex);
  return Settings().sensors;
}

double WaveInSimulatedSignal(const TSimulatedSensors& s, int sensor, double t) {
  if (sensor < 0 || sensor > 2 || s.Velocity <= 0) return 0;
  const double delay = std::hypot(s.StationX[sensor] - s.EpicenterX, s.StationY[sensor] - s.EpicenterY) / s.Velocity;
  const double since = t - delay - s.FirstStrike;  // time since the first strike reached here
  if (since < 0) return 0;
  double last = since;
  if (s.StrikePeriod > 0) last = std::fmod(since, s.StrikePeriod);
  auto pulse = [&](double tau) {
    return s.Amplitude * std::exp(-tau / std::fmax(s.DecayTime, 1e-6)) * std::cos(2 * M_PI * s.PulseFrequency * tau);
  };
  double v = pulse(last);
  if (s.StrikePeriod > 0 && since >= s.StrikePeriod) v += pulse(last + s.StrikePeriod);
  return v;
}

void WaveInSetRecordingFile(const std::string& path) {
  std::lock_guard lk(Settings().mutex);
  Settings().recording = path;
}

std::string WaveInGetRecordingFile() {
  std::lock_guard lk(Settings().mutex);
  return Settings().recording;
}

void WaveInSetVirtualPace(double factor) { Settings().pace.store(factor < 0 ? 0 : factor); }
