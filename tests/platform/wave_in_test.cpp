// The wave-input layer on its own: ALSA capture through the file and null
// plugins of a configuration written by the test (no sound card needed), the
// virtual devices, and the buffer/notice discipline every device keeps.

#include "platform/wave_in.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

#include "platform/wav_file.h"
#include "support/metafile_samples.h"
#include "support/test_support.h"

namespace {

using testsupport::TempDir;
using testsupport::WaitUntil;

// The ALSA configuration must be in place before the first ALSA call of the
// process, so it is written at static initialisation.
struct TAlsaFixture {
  TempDir dir;
  std::string rawPath;
  std::vector<uint8_t> raw;
  TAlsaFixture() {
    raw.resize(48000);
    uint32_t x = 2463534242u;
    for (uint8_t& b : raw) {
      x ^= x << 13, x ^= x >> 17, x ^= x << 5;
      b = uint8_t(x);
    }
    rawPath = (dir / "input.raw").string();
    testsupport::WriteFile(rawPath, std::string(raw.begin(), raw.end()));
    std::string conf =
        "pcm.tremora_null { type null; hint { show on; description \"null\" } }\n"
        "pcm.tremora_file { type file; slave.pcm \"tremora_null\"; file \"/dev/null\"; infile \"" +
        rawPath +
        "\"; format \"raw\"; hint { show on; description \"file\" } }\n"
        "pcm.tremora_two { type multi; slaves.a { pcm \"tremora_null\"; channels 2 }\n"
        "  bindings.0 { slave a; channel 0 } bindings.1 { slave a; channel 1 }\n"
        "  hint { show on; description \"two channels only\" } }\n"
        "pcm.tremora_missing { type hw; card 97; hint { show on; description \"no card\" } }\n";
    testsupport::WriteFile(dir / "asound.conf", conf);
    setenv("ALSA_CONFIG_PATH", (dir / "asound.conf").c_str(), 1);
  }
};
TAlsaFixture& Alsa() {
  static TAlsaFixture f;
  return f;
}
const bool kAlsaReady = (Alsa(), true);

TWaveFormatExtensible Format(uint16_t channels, uint32_t rate, uint16_t bits, uint16_t validBits = 0) {
  TWaveFormatExtensible f;
  f.wFormatTag = WAVE_FORMAT_EXTENSIBLE_TAG;
  f.nChannels = channels;
  f.nSamplesPerSec = rate;
  f.wBitsPerSample = bits;
  f.nBlockAlign = uint16_t(bits / 8 * channels);
  f.nAvgBytesPerSec = f.nBlockAlign * rate;
  f.cbSize = 22;
  f.wValidBitsPerSample = validBits ? validBits : bits;
  f.dwChannelMask = 3;
  f.SetSubFormat(KSDATAFORMAT_SUBTYPE_PCM);
  return f;
}

uint32_t DeviceId(const std::string& name) {
  for (uint32_t i = 0; i < WaveInGetNumDevs(); ++i) {
    TWaveInCaps caps;
    if (WaveInGetDevCaps(i, &caps) == MMSYSERR_NOERROR && caps.ProductName == name) return i;
  }
  return WAVE_MAPPER - 1;
}

struct TNoticeLog {
  struct TEntry {
    uint32_t message;
    uintptr_t param;
  };
  std::mutex mutex;
  std::vector<TEntry> entries;

  static void Callback(HWAVEIN, uint32_t message, uintptr_t instance, uintptr_t p1, uintptr_t) {
    auto* self = reinterpret_cast<TNoticeLog*>(instance);
    std::lock_guard lk(self->mutex);
    self->entries.push_back({message, p1});
  }
  std::vector<TEntry> Snapshot() {
    std::lock_guard lk(mutex);
    return entries;
  }
  size_t Count(uint32_t message) {
    std::lock_guard lk(mutex);
    size_t n = 0;
    for (auto& e : entries) n += e.message == message;
    return n;
  }
  std::vector<TWaveHeader*> Data() {
    std::vector<TWaveHeader*> out;
    for (auto& e : Snapshot())
      if (e.message == WIM_DATA) out.push_back(reinterpret_cast<TWaveHeader*>(e.param));
    return out;
  }
};

// Buffers of `bytes` each, owned by the test.
struct TBuffers {
  std::vector<std::vector<uint8_t>> memory;
  std::vector<TWaveHeader> headers;
  TBuffers(size_t count, size_t bytes) : memory(count, std::vector<uint8_t>(bytes, 0xEE)), headers(count) {
    for (size_t i = 0; i < count; ++i) {
      headers[i].lpData = memory[i].data();
      headers[i].dwBufferLength = uint32_t(bytes);
    }
  }
  void QueueAll(HWAVEIN h) {
    for (auto& hdr : headers) {
      ASSERT_EQ(WaveInPrepareHeader(h, &hdr, sizeof hdr), MMSYSERR_NOERROR);
      ASSERT_EQ(WaveInAddBuffer(h, &hdr, sizeof hdr), MMSYSERR_NOERROR);
    }
  }
};

class WaveIn : public ::testing::Test {
protected:
  void SetUp() override { WaveInSetVirtualPace(1.0); }
  void TearDown() override { WaveInSetVirtualPace(1.0); }
  TNoticeLog log;
  HWAVEIN h = nullptr;
  uint32_t Open(uint32_t id, const TWaveFormatExtensible& f) {
    return WaveInOpen(&h, id, &f, &TNoticeLog::Callback, reinterpret_cast<uintptr_t>(&log), CALLBACK_FUNCTION);
  }
};

TEST(WaveInFormat, AcceptsPcmRecordsAndRefusesMalformedOnes) {
  EXPECT_TRUE(WaveInFormatSupported(Format(2, 44100, 16)));
  EXPECT_TRUE(WaveInFormatSupported(Format(1, 8000, 8)));
  EXPECT_TRUE(WaveInFormatSupported(Format(32, 8000, 24)));
  EXPECT_TRUE(WaveInFormatSupported(Format(2, 8000, 32, 24)));
  EXPECT_FALSE(WaveInFormatSupported(Format(0, 8000, 16)));
  EXPECT_FALSE(WaveInFormatSupported(Format(33, 8000, 16)));
  EXPECT_FALSE(WaveInFormatSupported(Format(2, 0, 16)));
  EXPECT_FALSE(WaveInFormatSupported(Format(2, 8000, 12)));
  EXPECT_FALSE(WaveInFormatSupported(Format(2, 8000, 16, 20)));
  TWaveFormatExtensible f = Format(2, 8000, 16);
  f.nBlockAlign = 3;
  EXPECT_FALSE(WaveInFormatSupported(f));
  f = Format(2, 8000, 16);
  f.SubFormatD1 = 3;  // float
  EXPECT_FALSE(WaveInFormatSupported(f));
  f = Format(2, 8000, 16);
  f.wFormatTag = 0x55;
  EXPECT_FALSE(WaveInFormatSupported(f));

  HWAVEIN h = nullptr;
  f = Format(2, 8000, 16);
  f.nBlockAlign = 8;
  EXPECT_EQ(WaveInOpen(&h, DeviceId(kWaveInSimulatedName), &f, nullptr, 0, CALLBACK_FUNCTION), WAVERR_BADFORMAT);
  EXPECT_EQ(h, nullptr);
}

TEST(WaveInDevices, ListsAlsaCapturePcmsThenTheVirtualDevices) {
  WaveInRefreshDevices();
  const uint32_t file = DeviceId("tremora_file");
  const uint32_t null = DeviceId("tremora_null");
  const uint32_t sim = DeviceId(kWaveInSimulatedName);
  const uint32_t rec = DeviceId(kWaveInRecordingName);
  ASSERT_LT(file, WaveInGetNumDevs());
  ASSERT_LT(null, WaveInGetNumDevs());
  EXPECT_EQ(sim, WaveInGetNumDevs() - 2);
  EXPECT_EQ(rec, WaveInGetNumDevs() - 1);
  EXPECT_LT(file, sim);
  EXPECT_EQ(DeviceId("default"), WAVE_MAPPER - 1) << "the default PCM is reached through the mapper only";

  TWaveInCaps caps;
  EXPECT_EQ(WaveInGetDevCaps(WaveInGetNumDevs(), &caps), MMSYSERR_BADDEVICEID);
  EXPECT_EQ(WaveInGetDevCaps(WAVE_MAPPER, &caps), MMSYSERR_NOERROR);
  EXPECT_EQ(caps.ProductName, "Default");
  HWAVEIN h = nullptr;
  TWaveFormatExtensible f = Format(2, 8000, 16);
  EXPECT_EQ(WaveInOpen(&h, WaveInGetNumDevs() + 3, &f, nullptr, 0, CALLBACK_FUNCTION), MMSYSERR_BADDEVICEID);
}

TEST_F(WaveIn, AlsaFilePluginDeliversTheFileInOrderAcrossBuffers) {
  WaveInRefreshDevices();
  ASSERT_EQ(Open(DeviceId("tremora_file"), Format(2, 8000, 16)), MMSYSERR_NOERROR);
  TBuffers bufs(4, 4000);  // 1000 frames each
  bufs.QueueAll(h);
  ASSERT_EQ(WaveInStart(h), MMSYSERR_NOERROR);
  ASSERT_TRUE(WaitUntil([&] { return log.Count(WIM_DATA) == 4; }));
  auto data = log.Data();
  const auto& raw = Alsa().raw;
  for (size_t i = 0; i < 4; ++i) {
    ASSERT_EQ(data[i], &bufs.headers[i]) << "buffers come back in queue order";
    EXPECT_EQ(bufs.headers[i].dwBytesRecorded, 4000u);
    EXPECT_EQ(WaveInHeaderFlags(&bufs.headers[i]) & (WHDR_DONE | WHDR_INQUEUE), WHDR_DONE);
    EXPECT_EQ(0, std::memcmp(bufs.memory[i].data(), raw.data() + i * 4000, 4000)) << "buffer " << i;
  }
  EXPECT_EQ(WaveInReset(h), MMSYSERR_NOERROR);
  EXPECT_EQ(log.Count(WIM_DATA), 4u) << "nothing was queued any more";
  for (auto& hdr : bufs.headers) EXPECT_EQ(WaveInUnprepareHeader(h, &hdr, sizeof hdr), MMSYSERR_NOERROR);
  EXPECT_EQ(WaveInClose(h), MMSYSERR_NOERROR);
  auto all = log.Snapshot();
  ASSERT_EQ(all.size(), 6u);
  EXPECT_EQ(all.front().message, WIM_OPEN);
  EXPECT_EQ(all.back().message, WIM_CLOSE);
}

TEST_F(WaveIn, AlsaNullDeviceFillsBuffersInOtherWidthsAndChannelCounts) {
  WaveInRefreshDevices();
  struct TCase {
    uint16_t channels, bits;
  } cases[] = {{1, 8}, {3, 24}, {2, 32}, {32, 16}};
  for (const TCase& c : cases) {
    TNoticeLog local;
    HWAVEIN dev = nullptr;
    TWaveFormatExtensible f = Format(c.channels, 11025, c.bits);
    ASSERT_EQ(WaveInOpen(&dev, DeviceId("tremora_null"), &f, &TNoticeLog::Callback,
                         reinterpret_cast<uintptr_t>(&local), CALLBACK_FUNCTION),
              MMSYSERR_NOERROR)
        << c.bits;
    TBuffers bufs(2, f.nBlockAlign * 500);
    bufs.QueueAll(dev);
    ASSERT_EQ(WaveInStart(dev), MMSYSERR_NOERROR);
    ASSERT_TRUE(WaitUntil([&] { return local.Count(WIM_DATA) == 2; }));
    for (auto& hdr : bufs.headers) EXPECT_EQ(hdr.dwBytesRecorded, hdr.dwBufferLength) << c.bits << " bits";
    EXPECT_EQ(WaveInReset(dev), MMSYSERR_NOERROR);
    EXPECT_EQ(WaveInClose(dev), MMSYSERR_NOERROR);
  }
}

TEST_F(WaveIn, AlsaDeviceRefusingTheFormatOrMissingFailsToOpen) {
  WaveInRefreshDevices();
  EXPECT_EQ(Open(DeviceId("tremora_two"), Format(3, 8000, 16)), WAVERR_BADFORMAT);
  EXPECT_EQ(h, nullptr);
  // A PCM that cannot open for capture is not offered; one that is gone
  // when it is opened (here the default PCM, which this configuration
  // lacks) fails without a driver.
  EXPECT_EQ(DeviceId("tremora_missing"), WAVE_MAPPER - 1);
  EXPECT_EQ(Open(WAVE_MAPPER, Format(2, 8000, 16)), MMSYSERR_NODRIVER);
  EXPECT_EQ(log.Count(WIM_OPEN), 0u) << "a failed open reports nothing";
  ASSERT_EQ(Open(DeviceId("tremora_two"), Format(2, 8000, 16)), MMSYSERR_NOERROR);
  EXPECT_EQ(WaveInClose(h), MMSYSERR_NOERROR);
  HWAVEIN q = nullptr;
  TWaveFormatExtensible f = Format(3, 8000, 16);
  EXPECT_EQ(WaveInOpen(&q, DeviceId("tremora_two"), &f, nullptr, 0, WAVE_FORMAT_QUERY), WAVERR_BADFORMAT);
  f = Format(2, 8000, 16);
  EXPECT_EQ(WaveInOpen(&q, DeviceId("tremora_two"), &f, nullptr, 0, WAVE_FORMAT_QUERY), MMSYSERR_NOERROR);
}

TEST_F(WaveIn, ResetReturnsEveryQueuedBufferOnceInQueueOrder) {
  ASSERT_EQ(Open(DeviceId(kWaveInSimulatedName), Format(2, 8000, 16)), MMSYSERR_NOERROR);
  TBuffers bufs(5, 8000 * 4 * 10);  // 10 s each at real-time pace: none completes before the reset
  bufs.QueueAll(h);
  ASSERT_EQ(WaveInStart(h), MMSYSERR_NOERROR);
  EXPECT_EQ(WaveInReset(h), MMSYSERR_NOERROR);
  auto data = log.Data();
  ASSERT_EQ(data.size(), 5u) << "the reset hands every buffer back before it returns";
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(data[i], &bufs.headers[i]);
    EXPECT_EQ(WaveInHeaderFlags(&bufs.headers[i]) & (WHDR_DONE | WHDR_INQUEUE), WHDR_DONE);
    EXPECT_LT(bufs.headers[i].dwBytesRecorded, bufs.headers[i].dwBufferLength);
  }
  EXPECT_EQ(WaveInReset(h), MMSYSERR_NOERROR);
  EXPECT_EQ(log.Count(WIM_DATA), 5u);
  // Started again after a reset, the device fills newly queued buffers.
  WaveInSetVirtualPace(0);
  TBuffers more(2, 400);
  more.QueueAll(h);
  ASSERT_EQ(WaveInStart(h), MMSYSERR_NOERROR);
  ASSERT_TRUE(WaitUntil([&] { return log.Count(WIM_DATA) == 7; }));
  EXPECT_EQ(log.Data()[5], &more.headers[0]);
  EXPECT_EQ(more.headers[1].dwBytesRecorded, 400u);
  EXPECT_EQ(WaveInReset(h), MMSYSERR_NOERROR);
  EXPECT_EQ(WaveInClose(h), MMSYSERR_NOERROR);
}

TEST_F(WaveIn, HeaderAndHandleMisuseIsRefused) {
  ASSERT_EQ(Open(DeviceId(kWaveInSimulatedName), Format(2, 8000, 16)), MMSYSERR_NOERROR);
  TBuffers bufs(1, 4000);
  TWaveHeader& hdr = bufs.headers[0];
  EXPECT_EQ(WaveInAddBuffer(h, &hdr, sizeof hdr), WAVERR_UNPREPARED);
  EXPECT_EQ(WaveInPrepareHeader(h, &hdr, 4), MMSYSERR_INVALPARAM);
  ASSERT_EQ(WaveInPrepareHeader(h, &hdr, sizeof hdr), MMSYSERR_NOERROR);
  ASSERT_EQ(WaveInAddBuffer(h, &hdr, sizeof hdr), MMSYSERR_NOERROR);
  EXPECT_EQ(WaveInAddBuffer(h, &hdr, sizeof hdr), WAVERR_STILLPLAYING) << "queued twice";
  EXPECT_EQ(WaveInUnprepareHeader(h, &hdr, sizeof hdr), WAVERR_STILLPLAYING);
  EXPECT_EQ(WaveInClose(h), WAVERR_STILLPLAYING) << "buffers still queued";
  EXPECT_EQ(WaveInReset(h), MMSYSERR_NOERROR);
  EXPECT_EQ(WaveInUnprepareHeader(h, &hdr, sizeof hdr), MMSYSERR_NOERROR);
  EXPECT_EQ(WaveInClose(h), MMSYSERR_NOERROR);
  EXPECT_EQ(WaveInStart(h), MMSYSERR_INVALHANDLE);
  EXPECT_EQ(WaveInReset(h), MMSYSERR_INVALHANDLE);
  EXPECT_EQ(WaveInClose(h), MMSYSERR_INVALHANDLE);
  EXPECT_EQ(WaveInAddBuffer(h, &hdr, sizeof hdr), MMSYSERR_INVALHANDLE);
}

// A scripted source for the failure paths a sound card cannot be made to
// show on demand.
struct TScript {
  std::mutex mutex;
  int readsBeforeOverrun = -1;  // report one overrun at this read
  int readsBeforeLoss = -1;     // answer -ENODEV from this read on
  int reads = 0;
};
TScript gScript;

class TScriptedSource : public TWaveInSource {
public:
  int Start() override { return 0; }
  void Stop() override {}
  long Read(uint8_t* data, uint32_t frames, TWaveInCancel& cancel) override {
    if (cancel.Cancelled()) return 0;
    std::lock_guard lk(gScript.mutex);
    int n = gScript.reads++;
    if (n == gScript.readsBeforeOverrun) overrun_ = 1;
    if (gScript.readsBeforeLoss >= 0 && n >= gScript.readsBeforeLoss) return -ENODEV;
    uint32_t take = std::min<uint32_t>(frames, 100);
    std::memset(data, uint8_t(n), take * 2);
    return take;
  }
  uint64_t TakeOverrun() override { return std::exchange(overrun_, 0); }

private:
  uint64_t overrun_ = 0;
};

uint32_t ScriptedDevice() {
  static const bool once = (WaveInRegisterDevice("Scripted", [](const TWaveFormatExtensible&, uint32_t* e) {
                              *e = 0;
                              return std::unique_ptr<TWaveInSource>(new TScriptedSource);
                            }),
                            true);
  (void)once;
  return DeviceId("Scripted");
}

TEST_F(WaveIn, OverrunIsReportedAndCaptureGoesOn) {
  {
    std::lock_guard lk(gScript.mutex);
    gScript.reads = 0;
    gScript.readsBeforeLoss = -1;
    gScript.readsBeforeOverrun = 3;
  }
  ASSERT_EQ(Open(ScriptedDevice(), Format(1, 8000, 16)), MMSYSERR_NOERROR);
  TBuffers bufs(6, 400);  // two reads per buffer
  bufs.QueueAll(h);
  ASSERT_EQ(WaveInStart(h), MMSYSERR_NOERROR);
  ASSERT_TRUE(WaitUntil([&] { return log.Count(WIM_DATA) == 6; }));
  EXPECT_EQ(log.Count(WIM_OVERRUN), 1u);
  EXPECT_EQ(log.Count(WIM_ERROR), 0u);
  auto all = log.Snapshot();
  // The overrun comes before the buffer whose fill met it (the second).
  size_t overrunAt = 0, dataSeen = 0;
  for (size_t i = 0; i < all.size(); ++i) {
    if (all[i].message == WIM_OVERRUN) overrunAt = dataSeen;
    if (all[i].message == WIM_DATA) ++dataSeen;
  }
  EXPECT_EQ(overrunAt, 1u);
  EXPECT_EQ(WaveInReset(h), MMSYSERR_NOERROR);
  EXPECT_EQ(WaveInClose(h), MMSYSERR_NOERROR);
}

TEST_F(WaveIn, VanishedDeviceEndsCaptureWithAnErrorAndStillResetsAndCloses) {
  {
    std::lock_guard lk(gScript.mutex);
    gScript.reads = 0;
    gScript.readsBeforeOverrun = -1;
    gScript.readsBeforeLoss = 5;
  }
  ASSERT_EQ(Open(ScriptedDevice(), Format(1, 8000, 16)), MMSYSERR_NOERROR);
  TBuffers bufs(4, 400);
  bufs.QueueAll(h);
  ASSERT_EQ(WaveInStart(h), MMSYSERR_NOERROR);
  ASSERT_TRUE(WaitUntil([&] { return log.Count(WIM_ERROR) == 1; }));
  EXPECT_EQ(log.Count(WIM_DATA), 2u) << "two whole buffers before the loss";
  auto all = log.Snapshot();
  EXPECT_EQ(all.back().message, WIM_ERROR);
  EXPECT_EQ(all.back().param, uintptr_t(ENODEV));
  EXPECT_EQ(WaveInStart(h), MMSYSERR_NODRIVER) << "a lost device does not start again";
  EXPECT_EQ(WaveInReset(h), MMSYSERR_NOERROR);
  EXPECT_EQ(log.Count(WIM_DATA), 4u) << "the reset returns the buffers left";
  EXPECT_EQ(bufs.headers[2].dwBytesRecorded, 200u) << "the partly filled one keeps what it got";
  EXPECT_EQ(WaveInClose(h), MMSYSERR_NOERROR);
  EXPECT_EQ(log.Snapshot().back().message, WIM_CLOSE);
}

int FirstAbove(const std::vector<int16_t>& samples, size_t channels, size_t channel, double level) {
  for (size_t i = channel; i < samples.size(); i += channels)
    if (std::abs(samples[i] / 32768.0) >= level) return int(i / channels);
  return -1;
}

TEST_F(WaveIn, SimulatedSensorsPutEachOnsetWhereTheGeometrySays) {
  WaveInSetVirtualPace(0);
  for (int right : {1, 2}) {
    TSimulatedSensors s;
    s.RightSensor = right;
    s.FirstStrike = 0.1;
    s.StrikePeriod = 0.5;
    WaveInSetSimulatedSensors(s);
    TNoticeLog local;
    HWAVEIN dev = nullptr;
    TWaveFormatExtensible f = Format(2, 8000, 16);
    ASSERT_EQ(WaveInOpen(&dev, DeviceId(kWaveInSimulatedName), &f, &TNoticeLog::Callback,
                         reinterpret_cast<uintptr_t>(&local), CALLBACK_FUNCTION),
              MMSYSERR_NOERROR);
    TBuffers bufs(1, 8000 * 4);
    bufs.QueueAll(dev);
    ASSERT_EQ(WaveInStart(dev), MMSYSERR_NOERROR);
    ASSERT_TRUE(WaitUntil([&] { return local.Count(WIM_DATA) == 1; }));
    std::vector<int16_t> pcm(8000 * 2);
    std::memcpy(pcm.data(), bufs.memory[0].data(), pcm.size() * 2);
    for (int ch = 0; ch < 2; ++ch) {
      const int sensor = ch == 0 ? 0 : right;
      const double d = std::hypot(s.StationX[sensor] - s.EpicenterX, s.StationY[sensor] - s.EpicenterY);
      const double expected = (s.FirstStrike + d / s.Velocity) * 8000;
      const int found = FirstAbove(pcm, 2, ch, 0.3);
      EXPECT_LE(std::abs(found - expected), 1.0) << "sensor " << sensor;
      // The next strike, one period later.
      std::vector<int16_t> later(pcm.begin() + 2 * (found + 800), pcm.end());
      EXPECT_LE(std::abs(FirstAbove(later, 2, ch, 0.3) + found + 800 - (expected + 4000)), 1.0);
    }
    WaveInReset(dev);
    WaveInClose(dev);
  }
  WaveInSetSimulatedSensors(TSimulatedSensors());
}

// A recording handed to the simulated sensors replaces their pulses: played
// from the start, then its idle stretch over and over, while the next
// recording may already be handed over for the next start.
TEST_F(WaveIn, SimulatedSensorsPlayAHandedRecordingThenLoopItsIdleStretch) {
  auto playback = std::make_shared<TSimulatedPlayback>();
  playback->Rate = 8000;
  for (int i = 0; i < 300; ++i) {
    playback->Left.push_back(i / 512.0);
    playback->Right.push_back(-i / 1024.0);
  }
  playback->LoopBegin = 40;
  playback->LoopEnd = 140;
  TSimulatedSensors sensors;
  sensors.Playback = playback;
  WaveInSetSimulatedSensors(sensors);
  WaveInSetVirtualPace(0);
  ASSERT_EQ(Open(DeviceId(kWaveInSimulatedName), Format(2, 8000, 16)), MMSYSERR_NOERROR);
  TBuffers bufs(1, 520 * 4);
  bufs.QueueAll(h);
  ASSERT_EQ(WaveInStart(h), MMSYSERR_NOERROR);
  WaveInSetSimulatedSensors(TSimulatedSensors());  // taken at the next start only
  ASSERT_TRUE(WaitUntil([&] { return log.Count(WIM_DATA) == 1; }));
  const int16_t* s = reinterpret_cast<const int16_t*>(bufs.memory[0].data());
  for (int i = 0; i < 520; ++i) {
    const int at = i < 300 ? i : 40 + (i - 300) % 100;
    ASSERT_EQ(s[2 * i], at * 64) << i;
    ASSERT_EQ(s[2 * i + 1], -at * 32) << i;
  }
  WaveInReset(h);
  WaveInClose(h);
}

TEST(WaveInSimulatedSignal, IsQuietBeforeArrivalAndDecaysAfter) {
  TSimulatedSensors s;
  s.FirstStrike = 0.2;
  const double arrivalB = 0.2 + std::hypot(900 - 500.0, 200 - 450.0) / 120000;
  EXPECT_EQ(WaveInSimulatedSignal(s, 1, arrivalB - 1e-4), 0.0);
  EXPECT_NEAR(WaveInSimulatedSignal(s, 1, arrivalB + 1e-9), s.Amplitude, 1e-3);
  EXPECT_LT(std::abs(WaveInSimulatedSignal(s, 1, arrivalB + 0.2)), 1e-6);
  EXPECT_EQ(WaveInSimulatedSignal(s, 3, arrivalB), 0.0);
  s.Velocity = 0;
  EXPECT_EQ(WaveInSimulatedSignal(s, 1, arrivalB), 0.0);
}

TEST_F(WaveIn, RecordingPlaysTheWavFileBackInALoop) {
  TempDir dir;
  TWavData wav;
  wav.Channels = 2;
  wav.SampleRate = 8000;
  for (int i = 0; i < 300; ++i) {
    wav.Samples.push_back(float(i) / 512.0f);
    wav.Samples.push_back(-float(i) / 1024.0f);
  }
  const std::string path = (dir / "take.wav").string();
  ASSERT_TRUE(WriteWavFile16(path, wav));
  WaveInSetRecordingFile(path);
  WaveInSetVirtualPace(0);
  ASSERT_EQ(Open(DeviceId(kWaveInRecordingName), Format(2, 8000, 16)), MMSYSERR_NOERROR);
  TBuffers bufs(1, 500 * 4);
  bufs.QueueAll(h);
  ASSERT_EQ(WaveInStart(h), MMSYSERR_NOERROR);
  ASSERT_TRUE(WaitUntil([&] { return log.Count(WIM_DATA) == 1; }));
  const int16_t* s = reinterpret_cast<const int16_t*>(bufs.memory[0].data());
  for (int i = 0; i < 500; ++i) {
    ASSERT_EQ(s[2 * i], (i % 300) * 64) << i;
    ASSERT_EQ(s[2 * i + 1], -(i % 300) * 32) << i;
  }
  WaveInReset(h);
  WaveInClose(h);

  WaveInSetRecordingFile((dir / "missing.wav").string());
  EXPECT_EQ(Open(DeviceId(kWaveInRecordingName), Format(2, 8000, 16)), MMSYSERR_NODRIVER);
}

// A WAV file as recording programs write them: `tag` 1 PCM, 3 float, 6
// A-law, 7 mu-law; optionally behind an extensible header, with a LIST
// chunk of odd length before the format and a fact chunk after it.
struct TWavLayout {
  uint16_t tag = 1;
  uint16_t bits = 16;
  uint16_t channels = 2;
  bool extensible = false;
  bool extraChunks = false;
};

std::string WavFileOf(const TWavLayout& l, const std::vector<double>& samples) {
  testsupport::TLeBytes data;
  for (double v : samples) {
    if (l.tag == 3) {
      const float f = float(v);
      uint32_t u;
      std::memcpy(&u, &f, 4);
      data.U32(u);
    } else if (l.bits == 8) {
      data.Raw(std::string(1, char(0xD5)));
    } else {
      const double full = std::ldexp(1.0, l.bits - 1);
      const int64_t q = std::min<int64_t>(int64_t(full) - 1, std::llround(v * full));
      for (int b = 0; b < l.bits / 8; ++b) data.Raw(std::string(1, char(uint8_t(uint64_t(q) >> (8 * b)))));
    }
  }
  testsupport::TLeBytes body;
  if (l.extraChunks) body.Raw("LIST").U32(7).Raw("INFOabc").Raw(std::string(1, '\0'));
  const uint16_t align = uint16_t(l.channels * l.bits / 8);
  body.Raw("fmt ").U32(l.extensible ? 40 : 16);
  body.U16(l.extensible ? 0xFFFE : l.tag).U16(l.channels).U32(44100).U32(44100u * align).U16(align).U16(l.bits);
  if (l.extensible)
    body.U16(22).U16(l.bits).U32(l.channels == 2 ? 3 : 4).U16(l.tag).U16(0).U32(0x00100000).U32(0xAA000080).U32(0x719B3800);
  if (l.extraChunks) body.Raw("fact").U32(4).U32(uint32_t(samples.size() / l.channels));
  body.Raw("data").U32(uint32_t(data.size())).Raw(data.bytes);
  testsupport::TLeBytes file;
  file.Raw("RIFF").U32(uint32_t(4 + body.size())).Raw("WAVE").Raw(body.bytes);
  return file.bytes;
}

TEST(WavFile, ReadsOnePulseAlikeInEveryCommonLayoutAndNamesTheFileItRefuses) {
  TempDir dir;
  // A stereo pulse: sensor A on the left, the other sensor later and
  // weaker on the right.
  std::vector<double> pulse;
  for (int i = 0; i < 400; ++i) {
    auto at = [&](int onset, double amplitude) {
      return i < onset ? 0.0 : amplitude * std::exp(-(i - onset) / 40.0) * std::sin((i - onset) * 0.7);
    };
    pulse.push_back(at(100, 0.9));
    pulse.push_back(at(160, -0.6));
  }
  const TWavLayout layouts[] = {{1, 16}, {1, 24}, {1, 32}, {3, 32}, {1, 16, 2, true}, {1, 24, 2, true, true},
                                {3, 32, 2, true, true}, {1, 16, 2, false, true}};
  for (const TWavLayout& l : layouts) {
    SCOPED_TRACE("tag " + std::to_string(l.tag) + ", " + std::to_string(l.bits) + " bits" +
                 (l.extensible ? ", extensible" : "") + (l.extraChunks ? ", extra chunks" : ""));
    const std::string path = (dir / "take.wav").string();
    testsupport::WriteFile(path, WavFileOf(l, pulse));
    TWavData wav;
    std::string error;
    ASSERT_TRUE(ReadWavFile(path, wav, &error)) << error;
    EXPECT_EQ(wav.Channels, 2);
    EXPECT_EQ(wav.SampleRate, 44100u);
    ASSERT_EQ(wav.Samples.size(), pulse.size());
    // Within quantisation, and the float the samples are held in.
    const double step = std::max(l.tag == 3 ? 0.0 : std::ldexp(1.0, 1 - l.bits), 1e-7);
    for (size_t i = 0; i < pulse.size(); ++i) ASSERT_NEAR(wav.Samples[i], pulse[i], step) << "sample " << i;
  }
  // One channel reads too (the Recording device plays mono files back).
  const std::vector<double> left(pulse.begin(), pulse.begin() + 200);
  TWavData mono;
  const std::string monoFile = WavFileOf({1, 16, 1}, left);
  ASSERT_TRUE(ParseWav(reinterpret_cast<const uint8_t*>(monoFile.data()), monoFile.size(), mono));
  EXPECT_EQ(mono.Channels, 1);
  EXPECT_EQ(mono.Frames(), 200u);

  // Refused with a message that names the file and says why.
  const std::string good = WavFileOf({}, pulse);
  std::string huge = good;
  huge[40] = char(0xF0), huge[41] = char(0xFF), huge[42] = char(0xFF), huge[43] = char(0x7F);  // data length
  const std::pair<std::string, std::string> refused[] = {
      {WavFileOf({6, 8}, pulse), "A-law"},
      {WavFileOf({7, 8}, pulse), "\u00b5-law"},
      {good.substr(0, good.size() - 101), "truncated file"},
      {huge, "truncated file"},
      {good.substr(0, 30), "truncated file"},
  };
  int n = 0;
  for (const auto& [bytes, why] : refused) {
    const std::string path = (dir / ("refused" + std::to_string(n++) + ".wav")).string();
    testsupport::WriteFile(path, bytes);
    TWavData wav;
    std::string error;
    EXPECT_FALSE(ReadWavFile(path, wav, &error)) << why;
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_NE(error.find(why), std::string::npos) << error;
    EXPECT_TRUE(wav.Samples.empty()) << why;
  }
  std::string error;
  TWavData wav;
  EXPECT_FALSE(ReadWavFile((dir / "missing.wav").string(), wav, &error));
  EXPECT_NE(error.find("missing.wav': No such file"), std::string::npos) << error;
}

// A data chunk followed by gigabytes the header does not count (a sparse
// file): only the declared sound is read. The reading runs in a child with
// its address space limited below the file's length.
TEST(WavFileDeathTest, ReadsOnlyTheDeclaredChunksOfAFileFarLongerThanThem) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "the sanitizers reserve more address space than the limit";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
  GTEST_SKIP() << "the sanitizers reserve more address space than the limit";
#endif
#endif
  TempDir dir;
  const std::string path = (dir / "long.wav").string();
  testsupport::WriteFile(path, WavFileOf({}, {0.5, -0.5}));
  ASSERT_EQ(truncate(path.c_str(), off_t(8) << 30), 0) << std::strerror(errno);
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const auto readWithinOneGigabyte = [&] {
    rlimit limit{};
    limit.rlim_cur = limit.rlim_max = rlim_t(1) << 30;
    setrlimit(RLIMIT_AS, &limit);
    TWavData wav;
    const bool ok = ReadWavFile(path, wav);
    std::_Exit(ok && wav.Samples.size() == 2 ? 0 : 1);
  };
  EXPECT_EXIT(readWithinOneGigabyte(), ::testing::ExitedWithCode(0), "");
}

// Sound written onto a full disk is reported, not taken for saved.
TEST(WavFile, WritingOntoAFullDiskFails) {
  TWavData wav;
  wav.Channels = 2;
  wav.SampleRate = 8000;
  wav.Samples.assign(2 * 100, 0.25f);  // far less than one stream buffer
  EXPECT_FALSE(WriteWavFile16("/dev/full", wav));
}

TEST(WavFile, ParsesWidthsAndRefusesMalformedFiles) {
  auto file = [](uint16_t tag, uint16_t channels, uint16_t bits, std::vector<uint8_t> data) {
    std::vector<uint8_t> f = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0};
    auto u16 = [&](uint16_t v) { f.push_back(uint8_t(v)), f.push_back(uint8_t(v >> 8)); };
    auto u32 = [&](uint32_t v) { u16(uint16_t(v)), u16(uint16_t(v >> 16)); };
    u16(tag), u16(channels), u32(8000), u32(8000 * channels * bits / 8), u16(uint16_t(channels * bits / 8)), u16(bits);
    f.insert(f.end(), {'d', 'a', 't', 'a'});
    u32(uint32_t(data.size()));
    f.insert(f.end(), data.begin(), data.end());
    return f;
  };
  TWavData w;
  auto f24 = file(1, 1, 24, {0x00, 0x00, 0x80, 0xFF, 0xFF, 0x7F});
  ASSERT_TRUE(ParseWav(f24.data(), f24.size(), w));
  ASSERT_EQ(w.Samples.size(), 2u);
  EXPECT_FLOAT_EQ(w.Samples[0], -1.0f);
  EXPECT_NEAR(w.Samples[1], 1.0f, 1e-6);
  auto f8 = file(1, 2, 8, {0, 128, 255});  // the odd byte is not a whole frame
  ASSERT_TRUE(ParseWav(f8.data(), f8.size(), w));
  ASSERT_EQ(w.Frames(), 1u);
  EXPECT_FLOAT_EQ(w.Samples[0], -1.0f);
  EXPECT_FLOAT_EQ(w.Samples[1], 0.0f);

  std::string error;
  auto adpcm = file(2, 1, 16, {0, 0});
  EXPECT_FALSE(ParseWav(adpcm.data(), adpcm.size(), w, &error));
  auto odd = file(1, 1, 12, {0, 0});
  EXPECT_FALSE(ParseWav(odd.data(), odd.size(), w, &error));
  auto noChannels = file(1, 0, 16, {0, 0});
  EXPECT_FALSE(ParseWav(noChannels.data(), noChannels.size(), w, &error));
  auto good = file(1, 1, 16, {0, 0});
  EXPECT_FALSE(ParseWav(good.data(), 11, w, &error));
  std::vector<uint8_t> noFmt = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'd', 'a', 't', 'a', 2, 0, 0, 0, 0, 0};
  EXPECT_FALSE(ParseWav(noFmt.data(), noFmt.size(), w, &error));
  std::vector<uint8_t> huge = good;
  huge[16] = 0xFF, huge[17] = 0xFF, huge[18] = 0xFF, huge[19] = 0xFF;  // format chunk larger than the file
  EXPECT_FALSE(ParseWav(huge.data(), huge.size(), w, &error));
}

}  // namespace
