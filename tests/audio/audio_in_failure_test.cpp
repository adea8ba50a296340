// The capture component under failure: allocations that fail on either
// thread, devices that die at once or at any moment, receivers that call
// upstream while handling a buffer, and starts, stops and Enabled changes
// racing with all of them. A watchdog ends the program when a step hangs.

#include <gtest/gtest.h>

#include <condition_variable>
#include <cstdio>
#include <random>

#include "audio/audio_in.h"
#include "audio_test_util.h"
#include "buffers/sl_exception.h"
#include "capture_devices.h"
#include "support/test_support.h"

namespace {

using audiotest::gLiveSources;
using audiotest::gScriptedFailRead;
using audiotest::TRecordingSink;
using testsupport::WaitUntil;

// Ends the program when its scope is not left in time: a hang fails the
// test instead of holding up CI.
class TWatchdog {
public:
  explicit TWatchdog(const char* what, std::chrono::seconds limit = std::chrono::seconds(180))
      : thread_([this, what, limit] {
          std::unique_lock lk(mutex_);
          if (!done_cv_.wait_for(lk, limit, [this] { return done_; })) {
            std::fprintf(stderr, "watchdog: '%s' hangs\n", what);
            std::fflush(stderr);
            std::_Exit(3);
          }
        }) {}
  ~TWatchdog() {
    {
      std::lock_guard lk(mutex_);
      done_ = true;
    }
    done_cv_.notify_all();
    thread_.join();
  }

private:
  std::mutex mutex_;
  std::condition_variable done_cv_;
  bool done_ = false;
  std::thread thread_;
};

// Block allocator of the buffer pool that watches blocks of at least
// `watchSize` bytes: it fails one after `failIn` more (counting the main
// thread's alone with `failOnMain`), and makes the main thread's allocation
// number `gateAt` wait until `gate` opens.
struct THook {
  std::atomic<size_t> watchSize{SIZE_MAX};
  std::atomic<int> failIn{-1};
  std::atomic<bool> failOnMain{false};
  std::atomic<int> gateAt{-1};
  std::atomic<int> mainCount{0};
  std::atomic<bool> gate{false};
  std::atomic<int> watched{0};
  std::thread::id mainThread = std::this_thread::get_id();
} gHook;

void* HookedAllocator(size_t size) {
  if (size >= gHook.watchSize.load()) {
    ++gHook.watched;
    const bool counts = !gHook.failOnMain.load() || std::this_thread::get_id() == gHook.mainThread;
    if (counts && gHook.failIn.load() >= 0 && gHook.failIn.fetch_sub(1) == 0) return nullptr;
    if (std::this_thread::get_id() == gHook.mainThread && gHook.mainCount++ == gHook.gateAt.load())
      WaitUntil([] { return gHook.gate.load(); }, std::chrono::seconds(20));
  }
  return AlignedAlloc(size);
}

struct CaptureFailure : ::testing::Test {
  static void SetUpTestSuite() {
    audiotest::RegisterTestDevices();
    SetBlockAllocator(&HookedAllocator);
  }
  static void TearDownTestSuite() { SetBlockAllocator(nullptr); }
  // Each test uses a buffer size of its own pool block class (blocks are
  // powers of two), so that the pool holds no free block of it and every
  // buffer comes from the allocator.
  void Open(uint32_t frames, const char* device = "Counter", bool record = true) {
    ai = new TALAudioIn();
    ai->SetEnabled(false);
    ai->AudioFormat()->SetSampleRate(8000);
    ai->AudioFormat()->SetBufferSize(frames);
    ai->Device()->SetDeviceName(device);
    ai->SetOnError([this](QObject*, const QString& text, int code, bool& handled) {
      std::lock_guard lk(mutex);
      errors.emplace_back(text, code);
      handled = true;
    });
    if (record) {
      ASSERT_TRUE(sink.pin->Connect(ai->OutputPin()));
    }
    gHook.watchSize = frames * 4;
    gHook.mainCount = 0;
  }
  void TearDown() override {
    {
      TWatchdog dog("deleting the component");
      delete ai;
    }
    gHook.watchSize = SIZE_MAX;
    gHook.failIn = -1;
    gHook.failOnMain = false;
    gHook.gateAt = -1;
    gHook.gate = false;
    gScriptedFailRead = -1;
  }
  size_t ErrorCount() {
    std::lock_guard lk(mutex);
    return errors.size();
  }
  // The component is closed, and a start delivers buffers again.
  void ExpectClosedAndStartable(const char* context) {
    EXPECT_FALSE(ai->Enabled()) << context;
    EXPECT_FALSE(ai->IsDeviceOpen()) << context;
    EXPECT_FALSE(ai->EnablePin()->State()) << context;
    EXPECT_EQ(ai->QueuedBufferCount(), 0) << context;
    ai->Device()->SetDeviceName("Counter");
    const size_t before = sink.Count("buffer");
    ai->Start();
    EXPECT_TRUE(WaitUntil([&] { return sink.Count("buffer") >= before + 2; })) << context;
  }

  TALAudioIn* ai = nullptr;
  TRecordingSink sink{true};
  std::mutex mutex;
  std::vector<std::pair<QString, int>> errors;
};

TEST_F(CaptureFailure, BufferSizesThatCannotBeCapturedAreRefusedBeforeAnyDeviceOpens) {
  Open(1100);
  // 7000 s at 44100 samples/s: 1.2 GB of stereo 16-bit sound in one block.
  try {
    ai->AudioFormat()->SetBufferSize(7000 * 44100);
    FAIL() << "accepted";
  } catch (const ESLException& e) {
    EXPECT_NE(std::string(e.what()).find("Buffer size too large"), std::string::npos) << e.what();
  }
  EXPECT_EQ(ai->AudioFormat()->BufferSize(), 1100u);
  const uint32_t most = ai->AudioFormat()->MaxBufferSize();
  EXPECT_EQ(most, ((1u << 30) - 40) / 4);
  ai->AudioFormat()->SetBufferSize(most);  // the largest block still fits

  // A size that fitted grows out of bounds with the channels: refused at the
  // start, with nothing opened.
  ai->AudioFormat()->SetChannels(8);
  const int live = gLiveSources.load();
  ai->Start();
  ASSERT_EQ(ErrorCount(), 1u);
  EXPECT_EQ(errors[0].first, "Buffer size too large to capture.");
  EXPECT_EQ(gLiveSources.load(), live);
  EXPECT_EQ(sink.Count("startwave"), 0u);
  ai->AudioFormat()->SetChannels(2);
  ai->AudioFormat()->SetBufferSize(1100);
  ExpectClosedAndStartable("after the refused size");
}

TEST_F(CaptureFailure, AnAllocationFailingWhileStartingLeavesNothingOpen) {
  Open(2500);
  ai->SetOnError(nullptr);
  const int live = gLiveSources.load();
  // The capture thread may already replace delivered buffers while the
  // start still queues its own: only the start's allocations count.
  gHook.failOnMain = true;
  gHook.failIn = 3;
  TWatchdog dog("start with a failing allocation");
  try {
    ai->Start();
    FAIL() << "no exception";
  } catch (const ESLOutOfMemory& e) {
    EXPECT_STREQ(e.what(), "Out of memory");
  }
  EXPECT_EQ(gLiveSources.load(), live) << "the device was closed again";
  EXPECT_EQ(sink.Classes().back(), "end");
  ExpectClosedAndStartable("after the failed start");
}

TEST_F(CaptureFailure, AnAllocationFailingOnTheCaptureThreadEndsCaptureWithAnError) {
  Open(5000);
  TWatchdog dog("capture-thread allocation failure");
  ai->Start();
  ASSERT_TRUE(WaitUntil([&] { return sink.Count("buffer") >= 3; }));
  gHook.failIn = 0;  // the next buffer queued in place of a sent one
  ASSERT_TRUE(WaitUntil([&] { return ErrorCount() >= 1; }));
  EXPECT_EQ(errors[0].first, "Audio device stopped delivering.");
  EXPECT_EQ(errors[0].second, ENOMEM);
  ASSERT_TRUE(WaitUntil([&] { return sink.Count("end") == 1; }));
  ai->Stop();
  ExpectClosedAndStartable("after the failed allocation");
}

TEST_F(CaptureFailure, ADeviceFailingWhileTheStartQueuesBuffersLeavesItStartable) {
  gScriptedFailRead = 0;
  Open(9000, "Scripted");
  // The start waits in its second buffer until the failure has been
  // handled on the capture thread: the failure lands inside the start.
  gHook.gateAt = 1;
  ai->SetOnError([this](QObject*, const QString& text, int code, bool& handled) {
    {
      std::lock_guard lk(mutex);
      errors.emplace_back(text, code);
    }
    handled = true;
    gHook.gate = true;
  });
  TWatchdog dog("device failing during start");
  ai->Start();
  ASSERT_TRUE(WaitUntil([&] { return ErrorCount() == 1; }));
  EXPECT_EQ(errors[0].second, ENODEV);
  ExpectClosedAndStartable("after the device failed at once");
}

TEST_F(CaptureFailure, ReceiversCallingUpstreamDuringABufferNeitherDeadlockNorTouchFreedBuffers) {
  Open(17000);
  std::atomic<int> seen{0};
  std::atomic<bool> reopened{false}, stopped{false};
  // Outlives the test should a probe be stuck behind a held capture state.
  auto stateFree = std::make_shared<std::atomic<bool>>(false);
  TLPComponent owner;
  TALOWAudioSinkPin* receiver = nullptr;
  receiver = new TALOWAudioSinkPin(
      &owner, nullptr, nullptr,
      [&, ai = ai](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation* op) {
        if (!OperationAs<TOWSuppliedBufferOperation>(op)) return false;
        const int n = ++seen;
        if (n == 1) {
          gHook.gate = true;
          // The capture state is free while the buffer is downstream.
          std::thread([ai, stateFree] {
            ai->QueuedBufferCount();
            *stateFree = true;
          }).detach();
          WaitUntil([&] { return stateFree->load(); }, std::chrono::seconds(20));
          receiver->Notify(MakeOperation<TOWQueryStreamOperation>().get());
        } else if (n == 3) {
          // Reopens the device under the buffer being sent.
          const TWaveFormatExtensible format = ai->AudioFormat()->FormatRecord();
          receiver->Notify(MakeOperation<TOWStartWaveOperation>(format, uint8_t(0)).get());
          reopened = true;
        } else if (n == 4) {
          // Stops on the capture thread, which must not wait for itself.
          receiver->Notify(MakeOperation<TOWStopOperation>().get());
          stopped = true;
        }
        return false;
      },
      owner.Lock());
  ASSERT_TRUE(receiver->Connect(ai->OutputPin()));
  {
    TWatchdog dog("receivers calling upstream");
    // The first block arrives while the start still queues buffers under
    // the component's guard.
    gHook.gateAt = 1;
    ai->SetEnabled(true);
    ASSERT_TRUE(WaitUntil([&] { return seen.load() >= 3; }));
    EXPECT_TRUE(stateFree->load()) << "the capture state was held across the send";
    ASSERT_TRUE(WaitUntil([&] { return reopened.load(); }));
    EXPECT_TRUE(ai->IsDeviceOpen());
    EXPECT_EQ(ai->QueuedBufferCount(), 0) << "an upstream start reopens the device without queueing";
    EXPECT_EQ(sink.Count("end"), 1u);
    ai->Stop();
    ai->Start();
    ASSERT_TRUE(WaitUntil([&] { return stopped.load(); }));
    EXPECT_FALSE(ai->IsDeviceOpen());
    EXPECT_FALSE(ai->Enabled());
    EXPECT_EQ(sink.Count("end"), 3u);
  }
  delete receiver;
  ExpectClosedAndStartable("after the upstream calls");
}

TEST_F(CaptureFailure, StartsAndStopsRacingWithFailingDevicesAndEnabledAlwaysEndStartable) {
  // Counts buffers without keeping them, so that the pool recycles.
  std::atomic<size_t> buffers{0};
  TLPComponent owner;
  TALOWAudioSinkPin counter(
      &owner, nullptr, nullptr,
      [&](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation* op) {
        if (OperationAs<TOWSuppliedBufferOperation>(op)) ++buffers;
        return false;
      },
      owner.Lock());
  Open(256, "Scripted", false);
  ASSERT_TRUE(counter.Connect(ai->OutputPin()));
  std::mt19937 rng(20261209);
  const int failAt[] = {-1, 0, 0, 1, 2, 4};
  TWatchdog dog("1000 racing rounds", std::chrono::seconds(540));
  for (int round = 0; round < 1000; ++round) {
    gScriptedFailRead = failAt[rng() % 6];
    ai->Device()->SetDeviceName("Scripted");
    const unsigned seed = rng();
    std::thread toggler([&, seed] {
      std::mt19937 r(seed);
      for (int k = int(r() % 4); k > 0; --k) ai->SetEnabled(r() % 2 == 0);
    });
    ai->Start();
    if (rng() % 2) WaitUntil([&] { return !ai->IsDeviceOpen(); }, std::chrono::milliseconds(int(rng() % 3)));
    toggler.join();
    ai->Stop();
    ASSERT_FALSE(ai->Enabled()) << "round " << round;
    ASSERT_FALSE(ai->IsDeviceOpen()) << "round " << round;
    ASSERT_EQ(ai->QueuedBufferCount(), 0) << "round " << round;
    gScriptedFailRead = -1;
    const size_t before = buffers.load();
    ai->Start();
    ASSERT_TRUE(WaitUntil([&] { return buffers.load() > before; })) << "round " << round << " en " << ai->Enabled() << " open " << ai->IsDeviceOpen() << " q " << ai->QueuedBufferCount() << " act " << ai->IsActive();
    ai->Stop();
  }
}

TEST_F(CaptureFailure, BuffersAreClearedBeforeTheyAreQueued) {
  Open(33000);
  ai->Start();
  ASSERT_TRUE(WaitUntil([&] { return sink.Count("buffer") >= 45; }));
  ai->Stop();
  sink.Clear();  // the counted blocks go back to the pool
  const int heapBlocks = gHook.watched.load();
  ai->Device()->SetDeviceName("Hollow");
  ai->Start();
  ASSERT_TRUE(WaitUntil([&] { return sink.Count("buffer") >= 45; }));
  ai->Stop();
  ASSERT_LT(gHook.watched.load() - heapBlocks, 40) << "the blocks were recycled";
  for (const auto& audio : sink.Audio())
    for (uint32_t frame = 0; frame < 33000; frame += 97) ASSERT_EQ(audio->GetSample(frame, 1), 0) << frame;
}

}  // namespace
