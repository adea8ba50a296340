// The whole capture path: the simulated sensors through the capture
// component and the converter into two real sinks, and starting and
// stopping from this thread while buffers flow.

#include <gtest/gtest.h>

#include <cmath>

#include "audio/audio_in.h"
#include "audio/audio_to_real.h"
#include "audio_test_util.h"
#include "capture_devices.h"
#include "support/test_support.h"

namespace {

using audiotest::TRecordingSink;
using testsupport::WaitUntil;

int FirstAtLevel(const std::vector<double>& v, double level) {
  for (size_t i = 0; i < v.size(); ++i)
    if (std::abs(v[i]) >= level) return int(i);
  return -1;
}

struct Path : ::testing::Test {
  static void SetUpTestSuite() { audiotest::RegisterTestDevices(); }
  void SetUp() override {
    ai = new TALAudioIn();
    ai->SetEnabled(false);
    a2r = new TALAudioToReal();
    a2r->SetNormalize(true);
    ASSERT_TRUE(a2r->InputPin()->Connect(ai->OutputPin()));
    ASSERT_TRUE(left.pin->Connect(a2r->OutputPin(0)));
    ASSERT_TRUE(right.pin->Connect(a2r->OutputPin(1)));
  }
  void TearDown() override {
    delete ai;
    delete a2r;
    WaveInSetVirtualPace(1.0);
    WaveInSetSimulatedSensors(TSimulatedSensors());
  }
  TALAudioIn* ai = nullptr;
  TALAudioToReal* a2r = nullptr;
  TRecordingSink left{false}, right{false};
};

TEST_F(Path, SimulatedSensorsArriveWhereTheGeometrySays) {
  WaveInSetVirtualPace(4.0);  // still paced, four times as fast
  ai->Device()->SetDeviceName(kWaveInSimulatedName);
  ai->AudioFormat()->SetSampleRate(8000);
  ai->AudioFormat()->SetBufferSize(8000);  // 1 s buffers
  for (int sensor : {1, 2}) {
    TSimulatedSensors s;
    s.RightSensor = sensor;
    s.EpicenterX = 300, s.EpicenterY = 700;
    WaveInSetSimulatedSensors(s);
    left.Clear(), right.Clear();
    ai->Start();
    ASSERT_TRUE(WaitUntil([&] { return left.Reals().size() >= 2 && right.Reals().size() >= 2; }));
    ai->Stop();
    const auto l = left.Reals(), r = right.Reals();
    ASSERT_EQ(l.size(), r.size()) << "left and right blocks come in pairs";
    for (size_t block = 0; block < 2; ++block) {
      ASSERT_EQ(l[block].size(), 8000u);
      ASSERT_EQ(r[block].size(), 8000u);
      // One strike per second, 0.25 s into each block.
      auto onset = [&](int station) {
        return (s.FirstStrike + std::hypot(s.StationX[station] - s.EpicenterX, s.StationY[station] - s.EpicenterY) /
                                    s.Velocity) * 8000;
      };
      EXPECT_LE(std::abs(FirstAtLevel(l[block], 0.3) - onset(0)), 1.0) << "block " << block;
      EXPECT_LE(std::abs(FirstAtLevel(r[block], 0.3) - onset(sensor)), 1.0) << "block " << block;
      EXPECT_LE(*std::max_element(l[block].begin(), l[block].end()), 1.0);
    }
  }
}

// Buffers are numbered by the counter device; within one run every block
// continues the previous one exactly, so a lost or doubled buffer shows.
TEST_F(Path, StartAndStopWhileBuffersFlowLoseAndDoubleNothing) {
  ai->Device()->SetDeviceName("Counter");
  ai->AudioFormat()->SetChannels(2);
  ai->AudioFormat()->SetBits(32);
  ai->AudioFormat()->SetBufferSize(256);
  a2r->SetNormalize(false);
  for (int run = 0; run < 25; ++run) {
    left.Clear(), right.Clear();
    ai->Start();
    ASSERT_TRUE(ai->Enabled());
    ASSERT_TRUE(WaitUntil([&] { return left.Reals().size() >= size_t(2 + run % 5); })) << "run " << run;
    ai->Stop();
    ASSERT_FALSE(ai->Enabled());
    const auto l = left.Reals(), r = right.Reals();
    ASSERT_EQ(l.size(), r.size()) << "run " << run;
    for (size_t b = 0; b < l.size(); ++b) {
      ASSERT_EQ(l[b].size(), 256u);
      ASSERT_EQ(l[b].front(), double(b * 256)) << "run " << run << " block " << b;
      ASSERT_EQ(l[b].back(), double(b * 256 + 255));
      ASSERT_EQ(r[b], l[b]);
    }
    // Nothing arrives after the stop.
    const size_t after = left.Reals().size();
    ai->Stop();
    ASSERT_EQ(left.Reals().size(), after);
  }
}

// Another thread toggles the capture through Enabled while this one keeps
// connecting and disconnecting a sink of the converter, and the capture
// thread keeps sending.
TEST_F(Path, EnabledToggledFromAnotherThreadDoesNotDeadlock) {
  ai->Device()->SetDeviceName("Counter");
  ai->AudioFormat()->SetBufferSize(128);
  std::atomic<int> toggles{0};
  std::thread ui([&] {
    for (int i = 0; i < 40; ++i) {
      ai->SetEnabled(true);
      WaitUntil([&] { return !left.Reals().empty(); }, std::chrono::seconds(10));
      ai->SetEnabled(false);
      left.Clear();
      ++toggles;
    }
  });
  int relinks = 0;
  while (toggles.load() < 40) {
    right.pin->Disconnect();
    ASSERT_TRUE(right.pin->Connect(a2r->OutputPin(1)));
    ++relinks;
  }
  ui.join();
  EXPECT_EQ(toggles.load(), 40);
  EXPECT_GT(relinks, 0);
  EXPECT_FALSE(ai->IsDeviceOpen());
}

}  // namespace
