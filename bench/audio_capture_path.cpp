// Cost of the capture path per buffer of 44100 stereo 16-bit frames:
//   ConverterPath   a fresh pooled audio buffer sent from an audio source
//                   pin through the converter into two real sinks (the work
//                   of the capture thread per buffer, without a device)
//   DevicePath      the same through the capture component with a device
//                   that fills buffers as fast as it can: device reader,
//                   notice, capture thread, converter, sinks

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "audio/audio_in.h"
#include "audio/audio_to_real.h"

namespace {

constexpr uint32_t kFrames = 44100;

struct TCountingSinks {
  TLPComponent owner;
  std::atomic<int64_t> blocks{0};
  TSLOWRealSinkPin* pins[2];
  TCountingSinks() {
    for (auto*& p : pins)
      p = new TSLOWRealSinkPin(
          &owner, nullptr, nullptr,
          [this](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation* op) {
            if (OperationAs<TOWSuppliedBufferOperation>(op)) blocks.fetch_add(1, std::memory_order_relaxed);
            return false;
          },
          owner.Lock());
  }
  ~TCountingSinks() {
    for (auto* p : pins) delete p;
  }
};

TWaveFormatExtensible Stereo16() {
  TWaveFormatExtensible f;
  f.wFormatTag = WAVE_FORMAT_EXTENSIBLE_TAG;
  f.nChannels = 2;
  f.nSamplesPerSec = 44100;
  f.wBitsPerSample = 16;
  f.nBlockAlign = 4;
  f.nAvgBytesPerSec = 176400;
  f.cbSize = 22;
  f.wValidBitsPerSample = 16;
  f.dwChannelMask = 3;
  f.SetSubFormat(KSDATAFORMAT_SUBTYPE_PCM);
  return f;
}

void ConverterPath(benchmark::State& state) {
  TLPComponent owner;
  TALOWAudioSourcePin source(&owner, nullptr, 0, nullptr, owner.Lock());
  TALAudioToReal a2r;
  a2r.SetNormalize(true);
  TCountingSinks sinks;
  a2r.InputPin()->Connect(&source);
  sinks.pins[0]->Connect(a2r.OutputPin(0));
  sinks.pins[1]->Connect(a2r.OutputPin(1));
  source.Notify(MakeOperation<TOWStartWaveOperation>(Stereo16(), uint8_t(0)).get());
  for (auto _ : state) {
    TRef<TALAudioBuffer> buffer(new TALAudioBuffer(44100, 3, kFrames, 2, 16));
    std::memset(buffer->WriteSamples(), 0x11, buffer->GetByteSize());
    source.SendBuffer(buffer.get());
  }
  if (sinks.blocks.load() != 2 * int64_t(state.iterations())) state.SkipWithError("blocks missing");
  state.SetBytesProcessed(int64_t(state.iterations()) * kFrames * 4);
}
BENCHMARK(ConverterPath)->Unit(benchmark::kMicrosecond);

void DevicePath(benchmark::State& state) {
  static const bool registered = [] {
    class TFast : public TWaveInSource {
    public:
      int Start() override { return 0; }
      void Stop() override {}
      long Read(uint8_t* data, uint32_t frames, TWaveInCancel& cancel) override {
        if (cancel.Cancelled()) return 0;
        std::memset(data, 0x22, size_t(frames) * 4);
        return long(frames);
      }
    };
    WaveInRegisterDevice("Bench fast", [](const TWaveFormatExtensible&, uint32_t* e) -> std::unique_ptr<TWaveInSource> {
      *e = 0;
      return std::make_unique<TFast>();
    });
    return true;
  }();
  (void)registered;
  TALAudioIn ai;
  ai.SetEnabled(false);
  ai.Device()->SetDeviceName("Bench fast");
  ai.AudioFormat()->SetSampleRate(44100);
  ai.AudioFormat()->SetBufferSize(kFrames);
  TALAudioToReal a2r;
  a2r.SetNormalize(true);
  TCountingSinks sinks;
  a2r.InputPin()->Connect(ai.OutputPin());
  sinks.pins[0]->Connect(a2r.OutputPin(0));
  sinks.pins[1]->Connect(a2r.OutputPin(1));
  ai.Start();
  int64_t target = sinks.blocks.load();
  for (auto _ : state) {
    target += 2;
    while (sinks.blocks.load(std::memory_order_relaxed) < target) std::this_thread::yield();
  }
  ai.Stop();
  state.SetBytesProcessed(int64_t(state.iterations()) * kFrames * 4);
}
BENCHMARK(DevicePath)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
