// Capture under long use: a thousand start/stop cycles with the device that
// numbers its frames. Every cycle's stream is whole (announcement, buffers
// with no gap or repeat, end), and the cycles leave no thread, file
// descriptor or memory behind.
//
// Also the soak run, left out of the normal test run (scripts/soak runs it):
// simulated sensors at 44,100 frames/s, paced as a sound card would be,
// through the converter into two real sinks for TREMORA_SOAK_SECONDS
// (600 unless set), reporting what arrived, what was late and what grew.

#include "audio/audio_in.h"
#include "audio/audio_to_real.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <atomic>
#include <chrono>
#include <cmath>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

#include "audio_test_util.h"
#include "capture_devices.h"
#include "support/test_support.h"

namespace {

size_t EntriesIn(const char* dir) {
  return size_t(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()));
}

long ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * ::sysconf(_SC_PAGESIZE);
}

TEST(CaptureLongUse, ThousandStartStopCyclesLoseNothingAndLeaveNothing) {
  audiotest::RegisterTestDevices();
  constexpr int kCycles = 1000;
  constexpr uint32_t kFrames = 256;
  TALAudioIn ai;
  ai.SetEnabled(false);
  ai.AudioFormat()->SetSampleRate(8000);
  ai.AudioFormat()->SetBufferSize(kFrames);
  ai.Device()->SetDeviceName("Counter");
  audiotest::TRecordingSink sink(true);
  ASSERT_TRUE(sink.pin->Connect(ai.OutputPin()));

  size_t threads = 0, descriptors = 0;
  long resident = 0;
  for (int cycle = 0; cycle < kCycles; ++cycle) {
    sink.Clear();
    ai.Start();
    ASSERT_TRUE(testsupport::WaitUntil([&] { return sink.Count("buffer") >= 3; })) << "cycle " << cycle;
    ai.Stop();
    ASSERT_FALSE(ai.IsDeviceOpen()) << "cycle " << cycle;

    auto classes = sink.Classes();
    classes.erase(std::remove(classes.begin(), classes.end(), "pump"), classes.end());
    ASSERT_GE(classes.size(), 5u) << "cycle " << cycle;
    ASSERT_EQ(classes.front(), "startwave") << "cycle " << cycle;
    ASSERT_EQ(classes.back(), "end") << "cycle " << cycle;
    const auto audio = sink.Audio();
    ASSERT_EQ(audio.size() + 2, classes.size()) << "cycle " << cycle;
    // The device counts frames from the start of each run: buffer k starts
    // at frame k * kFrames (16-bit view of the count).
    for (size_t k = 0; k < audio.size(); ++k) {
      ASSERT_EQ(audio[k]->GetByteSize(), kFrames * 4) << "cycle " << cycle << " buffer " << k;
      ASSERT_EQ(uint16_t(audio[k]->GetSample(0, 0)), uint16_t(k * kFrames)) << "cycle " << cycle << " buffer " << k;
      ASSERT_EQ(uint16_t(audio[k]->GetSample(kFrames - 1, 1)), uint16_t(k * kFrames + kFrames - 1))
          << "cycle " << cycle << " buffer " << k;
    }
    if (cycle == 99) {
      sink.Clear();
      threads = EntriesIn("/proc/self/task");
      descriptors = EntriesIn("/proc/self/fd");
      resident = ResidentBytes();
    }
  }
  sink.Clear();
  EXPECT_EQ(audiotest::gLiveSources.load(), 0) << "a device source outlived its run";
  EXPECT_LE(EntriesIn("/proc/self/task"), threads);
  EXPECT_LE(EntriesIn("/proc/self/fd"), descriptors);
  const long grown = ResidentBytes() - resident;
  EXPECT_LE(grown, 2l * 1024 * 1024) << "resident memory grew by " << grown << " bytes after cycle 100";
  std::printf("after %d cycles: %zu threads, %zu descriptors, resident memory %+ld bytes since cycle 100\n",
              kCycles, EntriesIn("/proc/self/task"), EntriesIn("/proc/self/fd"), grown);
}

// Counts what a real sink receives without keeping it.
class TCountingSink {
public:
  TCountingSink() {
    pin = new TSLOWRealSinkPin(
        &owner, nullptr, nullptr,
        [this](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation* op) {
          if (auto* b = OperationAs<TOWSuppliedBufferOperation>(op)) {
            if (auto real = QueryInterface<ISLRealBuffer>(b->Buffer())) {
              const double* v = real->ReadReals();
              const int32_t n = real->GetCount();
              for (int32_t i = 0; i < n; ++i)
                if (!std::isfinite(v[i]) || std::abs(v[i]) > 1.0) ++badValues;
              values += uint64_t(n);
              ++buffers;
            }
          }
          return false;
        },
        owner.Lock());
  }
  ~TCountingSink() { delete pin; }
  TLPComponent owner;
  TSLOWSinkPin* pin;
  std::atomic<uint64_t> values{0}, buffers{0}, badValues{0};
};

double CpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

TEST(CaptureSoak, DISABLED_SimulatedSensorsAtFullPaceThroughTheConverter) {
  const char* setting = std::getenv("TREMORA_SOAK_SECONDS");
  const int seconds = setting ? std::atoi(setting) : 600;
  ASSERT_GT(seconds, 0);
  constexpr uint32_t kRate = 44100, kFrames = 4410;  // 0.1 s buffers
  TALAudioIn ai;
  ai.SetEnabled(false);
  ai.AudioFormat()->SetSampleRate(kRate);
  ai.AudioFormat()->SetBufferSize(kFrames);
  ai.Device()->SetDeviceName(kWaveInSimulatedName);
  std::atomic<int> errors{0}, warnings{0};
  ai.SetOnError([&](QObject*, const QString&, int, bool& handled) {
    ++errors;
    handled = true;
  });
  ai.SetOnWarning([&](QObject*, const QString&, int) { ++warnings; });
  TALAudioToReal converter;
  converter.SetNormalize(true);
  ASSERT_TRUE(converter.InputPin()->Connect(ai.OutputPin()));
  TCountingSink left, right;
  ASSERT_TRUE(left.pin->Connect(converter.OutputPin(0)));
  ASSERT_TRUE(right.pin->Connect(converter.OutputPin(1)));

  const long residentBefore = ResidentBytes();
  const double cpuBefore = CpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  ai.Start();
  // Values must keep pace with the clock: at most two buffers behind.
  uint64_t worstLagFrames = 0;
  long residentAfterFirstMinute = 0;
  for (int s = 1; s <= seconds; ++s) {
    std::this_thread::sleep_until(start + std::chrono::seconds(s));
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const uint64_t expected = uint64_t(elapsed * kRate);
    const uint64_t got = left.values.load();
    worstLagFrames = std::max(worstLagFrames, expected > got ? expected - got : 0);
    if (s == std::min(60, seconds)) residentAfterFirstMinute = ResidentBytes();
  }
  ai.Stop();
  const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double cpu = CpuSeconds() - cpuBefore;
  const long resident = ResidentBytes();

  std::printf("soak: %.1f s, %llu + %llu values in %llu + %llu buffers (%.0f frames/s), worst lag %.3f s,\n"
              "      %d errors, %d warnings, %llu values out of range, CPU %.1f %% of one core,\n"
              "      resident memory %.1f MB at start, %.1f MB after the first minute, %.1f MB at the end\n",
              elapsed, (unsigned long long)left.values, (unsigned long long)right.values,
              (unsigned long long)left.buffers, (unsigned long long)right.buffers, double(left.values) / elapsed,
              double(worstLagFrames) / kRate, errors.load(), warnings.load(),
              (unsigned long long)(left.badValues + right.badValues), 100.0 * cpu / elapsed,
              residentBefore / 1048576.0, residentAfterFirstMinute / 1048576.0, resident / 1048576.0);
  EXPECT_EQ(errors.load(), 0);
  EXPECT_EQ(warnings.load(), 0);
  EXPECT_EQ(left.values.load(), right.values.load());
  EXPECT_EQ(left.badValues + right.badValues, 0u);
  EXPECT_LE(worstLagFrames, 2u * kFrames + kRate / 10);
  EXPECT_GE(double(left.values), (elapsed - 0.5) * kRate);
  EXPECT_LE(resident - residentAfterFirstMinute, 2l * 1024 * 1024);
}

}  // namespace
