// The capture component: starting and stopping, device selection, error
// reporting, the operations it sends and those it takes from upstream.

#include "audio/audio_in.h"

#include <gtest/gtest.h>

#include <QVariant>

#include "audio_test_util.h"
#include "buffers/sl_exception.h"
#include "capture_devices.h"
#include "support/test_support.h"

namespace {

using audiotest::TRecordingSink;
using testsupport::WaitUntil;

struct TErrors {
  std::mutex mutex;
  std::vector<std::pair<QString, int>> errors, warnings;
  bool handle = true;
  void Attach(TALAudioIn* ai) {
    ai->SetOnError([this](QObject*, const QString& text, int code, bool& handled) {
      std::lock_guard lk(mutex);
      errors.emplace_back(text, code);
      handled = handle;
    });
    ai->SetOnWarning([this](QObject*, const QString& text, int code) {
      std::lock_guard lk(mutex);
      warnings.emplace_back(text, code);
    });
  }
  std::vector<std::pair<QString, int>> Errors() {
    std::lock_guard lk(mutex);
    return errors;
  }
  std::vector<std::pair<QString, int>> Warnings() {
    std::lock_guard lk(mutex);
    return warnings;
  }
};

struct Capture : ::testing::Test {
  static void SetUpTestSuite() { audiotest::RegisterTestDevices(); }
  void SetUp() override {
    ai = new TALAudioIn();
    // As a window description stores it: closed until asked.
    ai->SetEnabled(false);
    ai->AudioFormat()->SetSampleRate(8000);
    ai->AudioFormat()->SetBufferSize(1024);
    ai->Device()->SetDeviceName("Counter");
    ASSERT_TRUE(sink.pin->Connect(ai->OutputPin()));
    sink.Clear();
  }
  void TearDown() override { delete ai; }
  TALAudioIn* ai = nullptr;
  TRecordingSink sink{true};
  TErrors log;
};

TEST_F(Capture, ConstructionDefaultsAndPublishedProperties) {
  TALAudioIn fresh;
  EXPECT_TRUE(fresh.Enabled());
  EXPECT_FALSE(fresh.IsDeviceOpen()) << "nothing is opened before the component is initialised";
  EXPECT_EQ(fresh.Device()->DeviceName(), "Default");
  EXPECT_EQ(fresh.PumpPriority(), 0);
  EXPECT_EQ(fresh.AudioFormat()->SampleRate(), 11025u);
  EXPECT_EQ(fresh.AudioFormat()->BufferSize(), 1024u);
  ASSERT_NE(fresh.WaveThread(), nullptr);
  for (const char* name : {"Enabled", "PumpPriority", "Device", "AudioFormat", "OutputPin", "EnablePin"})
    EXPECT_GE(fresh.metaObject()->indexOfProperty(name), 0) << name;
  EXPECT_EQ(TALAudioIn::ErrorMessage("Can't open audio device.", 26), "Can't open audio device. - 26 - 1a");
}

TEST_F(Capture, StartOnARunningComponentAndStopOnAStoppedOneDoNothing) {
  ai->Stop();
  EXPECT_EQ(sink.Count("end"), 0u) << "a stopped component sends nothing";
  ai->Start();
  EXPECT_TRUE(ai->Enabled());
  EXPECT_TRUE(ai->IsDeviceOpen());
  EXPECT_TRUE(ai->EnablePin()->State());
  ASSERT_TRUE(WaitUntil([&] { return sink.Count("buffer") >= 3; }));
  EXPECT_LE(ai->QueuedBufferCount(), TALAudioIn::kQueuedBuffers);
  ai->Start();
  EXPECT_EQ(sink.Count("startwave"), 1u);
  ai->Stop();
  EXPECT_FALSE(ai->Enabled());
  EXPECT_FALSE(ai->IsDeviceOpen());
  EXPECT_FALSE(ai->EnablePin()->State());
  EXPECT_EQ(ai->QueuedBufferCount(), 0);
  ai->Stop();
  EXPECT_EQ(sink.Count("end"), 1u);
  // One run, in order: the announcement, the buffers, the end of the stream.
  auto classes = sink.Classes();
  classes.erase(std::remove(classes.begin(), classes.end(), "pump"), classes.end());
  ASSERT_GE(classes.size(), 5u);
  EXPECT_EQ(classes.front(), "startwave");
  EXPECT_EQ(classes.back(), "end");
  for (size_t i = 1; i + 1 < classes.size(); ++i) EXPECT_EQ(classes[i], "buffer") << i;
}

TEST_F(Capture, BuffersAreContinuousAndHoldBufferSizeFrames) {
  ai->AudioFormat()->SetSampleRate(44100);
  ai->AudioFormat()->SetBufferSize(88200);
  ai->Start();
  ASSERT_TRUE(WaitUntil([&] { return sink.Count("buffer") >= 2; }));
  ai->Stop();
  auto audio = sink.Audio();
  ASSERT_GE(audio.size(), 2u);
  EXPECT_EQ(audio[0]->GetByteSize(), 352800u) << "2 s of stereo 16-bit sound";
  EXPECT_EQ(audio[0]->GetChannels(), 2u);
  EXPECT_EQ(audio[0]->GetSampleRate(), 44100u);
  const TWaveFormatExtensible announced = sink.LastFormat();
  EXPECT_EQ(announced.nSamplesPerSec, 44100u);
  EXPECT_EQ(announced.nBlockAlign, 4);
  // The counter runs on from one buffer into the next (16-bit view of it).
  EXPECT_EQ(uint16_t(audio[0]->GetSample(0, 1)), 0);
  EXPECT_EQ(uint16_t(audio[1]->GetSample(0, 0)), uint16_t(88200));
  EXPECT_EQ(uint16_t(audio[1]->GetSample(100, 1)), uint16_t(88300));
}

TEST_F(Capture, DefaultInAnyCaseAndUnknownNamesUseTheDefaultDevice) {
  for (const char* name : {"default", "DEFAULT", "dEfAuLt", "No such device"}) {
    ai->Device()->SetDeviceName(name);
    EXPECT_EQ(ai->Device()->ResolveDeviceId(), WAVE_MAPPER) << name;
  }
  log.Attach(ai);
  ai->Device()->SetDeviceName("dEfAuLt");
  ai->Start();  // the test configuration's default PCM is the null device
  EXPECT_TRUE(log.Errors().empty());
  ASSERT_TRUE(WaitUntil([&] { return sink.Count("buffer") >= 1; }));
  ai->Stop();
}

TEST_F(Capture, DeviceNamesAreMatchedExactlyWithAlternativesInOrder) {
  TALAudioCaptureDevice* dev = ai->Device();
  const QStringList listed = dev->ListDevices();
  const int counter = listed.indexOf("Counter");
  ASSERT_GE(counter, 0);
  dev->SetDeviceName("Counter");
  EXPECT_EQ(dev->ResolveDeviceId(), uint32_t(counter));
  dev->SetDeviceName("counter");
  EXPECT_EQ(dev->ResolveDeviceId(), WAVE_MAPPER) << "names are compared case-sensitively";

  dev->SetDeviceName("Missing");
  auto* a = dev->AlternativeDevices()->AddItem();
  auto* b = dev->AlternativeDevices()->AddItem();
  EXPECT_NE(a->DeviceName(), b->DeviceName()) << "a new item takes the least used listed device";
  EXPECT_TRUE(listed.contains(a->DeviceName()));
  a->SetDeviceName("Also missing");
  b->SetDeviceName("Vanishing");
  EXPECT_EQ(dev->ResolveDeviceId(), uint32_t(listed.indexOf("Vanishing")));
  a->SetDeviceName("Default");
  EXPECT_EQ(dev->ResolveDeviceId(), WAVE_MAPPER) << "an earlier alternative wins";
}

TEST_F(Capture, FailingOpenWithAHandlerThatHandlesItGoesOnToStart) {
  log.Attach(ai);
  ai->Device()->SetDeviceName("Refusing");
  ai->Start();
  auto errors = log.Errors();
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0].first, "Can't open audio device.");
  EXPECT_EQ(errors[0].second, int(WAVERR_BADFORMAT));
  EXPECT_EQ(errors[1].first, "Can't start audio device.");
  EXPECT_TRUE(ai->Enabled());
  EXPECT_TRUE(ai->IsActive()) << "the shared state stays active";
  EXPECT_FALSE(ai->IsDeviceOpen());
  EXPECT_EQ(ai->QueuedBufferCount(), 0) << "no buffers for a device that is not open";
  // Stop still brings the component back to closed, so it can start again.
  ai->Stop();
  EXPECT_FALSE(ai->Enabled());
  ai->Device()->SetDeviceName("Counter");
  ai->Start();
  ASSERT_TRUE(WaitUntil([&] { return sink.Count("buffer") >= 1; }));
  EXPECT_EQ(log.Errors().size(), 2u);
}

TEST_F(Capture, FailuresRaiseUnlessHandled) {
  ai->Device()->SetDeviceName("Refusing");
  try {
    ai->Start();
    FAIL() << "no exception";
  } catch (const ESLException& e) {
    EXPECT_STREQ(e.what(), "Can't open audio device. - 32 - 20");
  }
  EXPECT_FALSE(ai->Enabled());

  log.Attach(ai);
  ai->Device()->SetDeviceName("NoStart");
  ai->Start();
  auto errors = log.Errors();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].first, "Can't start audio device.");
  EXPECT_NE(errors[0].second, 0);
}

TEST_F(Capture, ASinkConnectedDuringCaptureGetsTheKeptStartFirst) {
  ai->AudioFormat()->SetChannels(1);
  ai->AudioFormat()->SetBits(24);
  ai->Start();
  ASSERT_TRUE(WaitUntil([&] { return sink.Count("buffer") >= 1; }));
  TRecordingSink late(true);
  ASSERT_TRUE(late.pin->Connect(ai->OutputPin()));
  ASSERT_TRUE(WaitUntil([&] { return late.Count("buffer") >= 1; }));
  ai->Stop();
  auto classes = late.Classes();
  EXPECT_EQ(classes.front(), "startwave");
  const TWaveFormatExtensible f = late.LastFormat();
  EXPECT_EQ(f.nChannels, 1);
  EXPECT_EQ(f.wBitsPerSample, 24);
  EXPECT_EQ(f.nBlockAlign, 3);
  EXPECT_EQ(0, memcmp(&f, ai->AudioFormat()->GetFormatRecord(), sizeof f));
}

TEST_F(Capture, UpstreamStopStopsTheCaptureAndIsPassedOn) {
  ai->Start();
  ASSERT_TRUE(WaitUntil([&] { return sink.Count("buffer") >= 1; }));
  TRecordingSink second(true);
  ASSERT_TRUE(second.pin->Connect(ai->OutputPin()));
  second.Clear();
  sink.pin->Notify(MakeOperation<TOWStopOperation>().get());
  EXPECT_FALSE(ai->Enabled());
  EXPECT_FALSE(ai->IsDeviceOpen());
  EXPECT_EQ(second.Count("end"), 1u);
  EXPECT_EQ(second.Count("stop"), 1u) << "the stop itself goes on to the sinks";
}

TEST_F(Capture, EnabledAndTheEnablePinFollowEachOther) {
  ai->SetEnabled(true);
  EXPECT_TRUE(ai->IsDeviceOpen());
  EXPECT_TRUE(ai->EnablePin()->State());
  ai->SetEnabled(false);
  EXPECT_FALSE(ai->IsDeviceOpen());
  EXPECT_FALSE(ai->EnablePin()->State());
  EXPECT_TRUE(ai->setProperty("Enabled", true));
  EXPECT_TRUE(ai->IsDeviceOpen());
  ai->setProperty("Enabled", false);
}

TEST_F(Capture, AVanishedDeviceEndsTheCaptureWithAnError) {
  log.Attach(ai);
  ai->Device()->SetDeviceName("Vanishing");
  ai->Start();
  ASSERT_TRUE(WaitUntil([&] { return !log.Errors().empty(); }));
  ASSERT_TRUE(WaitUntil([&] { return !ai->Enabled(); }));
  EXPECT_EQ(log.Errors()[0].first, "Audio device stopped delivering.");
  EXPECT_EQ(log.Errors()[0].second, ENODEV);
  EXPECT_FALSE(ai->IsDeviceOpen());
  EXPECT_EQ(sink.Count("buffer"), 3u);
  EXPECT_EQ(sink.Count("end"), 1u);
  // And it can be started again.
  ai->Device()->SetDeviceName("Counter");
  ai->Start();
  ASSERT_TRUE(WaitUntil([&] { return sink.Count("buffer") >= 4; }));
}

TEST_F(Capture, OverrunIsAWarningAndCaptureGoesOn) {
  log.Attach(ai);
  ai->Device()->SetDeviceName("Overrunning");
  ai->Start();
  ASSERT_TRUE(WaitUntil([&] { return sink.Count("buffer") >= 5; }));
  // Buffers finished before the capture thread reads the overrun notice are
  // sent first, so the warning may come after them.
  ASSERT_TRUE(WaitUntil([&] { return !log.Warnings().empty(); }));
  ASSERT_EQ(log.Warnings().size(), 1u);
  EXPECT_EQ(log.Warnings()[0].second, 1);
  EXPECT_TRUE(log.Errors().empty());
  EXPECT_TRUE(ai->Enabled());
}

TEST_F(Capture, StopWaitsForTheBufferInFlight) {
  // A receiver that holds the first buffer until told to let go.
  std::atomic<bool> inside{false}, release{false}, stopReturned{false}, stopSeenInside{false};
  TLPComponent owner;
  TALOWAudioSinkPin slow(&owner, nullptr, nullptr,
                         [&](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation* op) {
                           if (OperationAs<TOWSuppliedBufferOperation>(op) && !inside.exchange(true)) {
                             WaitUntil([&] { return release.load(); });
                             stopSeenInside = stopReturned.load();
                           }
                           return false;
                         },
                         owner.Lock());
  ASSERT_TRUE(slow.Connect(ai->OutputPin()));
  ai->Start();
  ASSERT_TRUE(WaitUntil([&] { return inside.load(); }));
  std::thread stopper([&] {
    ai->Stop();
    stopReturned = true;
  });
  // The stop has begun (it holds the component's stop guard) ...
  ASSERT_TRUE(WaitUntil([&] { return ai->Lock()->LockObject()->Counts().stopDepth > 0; }));
  EXPECT_FALSE(stopReturned.load()) << "... but cannot end while the buffer is downstream";
  release = true;
  stopper.join();
  EXPECT_FALSE(stopSeenInside.load());
  EXPECT_FALSE(ai->Enabled());
  EXPECT_EQ(sink.Classes().back(), "end");
}

TEST_F(Capture, DestroyingARunningComponentStopsItFirst) {
  const int before = audiotest::gLiveSources.load();
  ai->Start();
  ASSERT_TRUE(WaitUntil([&] { return sink.Count("buffer") >= 2; }));
  EXPECT_EQ(audiotest::gLiveSources.load(), before + 1);
  delete ai;
  ai = nullptr;
  EXPECT_EQ(sink.Count("end"), 1u);
  EXPECT_EQ(audiotest::gLiveSources.load(), before) << "the device was closed";
  EXPECT_FALSE(sink.pin->IsConnected());
}

}  // namespace
