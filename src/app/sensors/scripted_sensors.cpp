#include "app/sensors/scripted_sensors.h"

#include "app/windows/acquisition_form.h"
#include "app/experiment/experiment_state.h"
#include "app/windows/listen_form.h"
#include "app/windows/windows.h"
#include "audio/audio_in.h"
#include "forms/controls/standard_controls.h"
#include "platform/wave_in.h"
#include "platform/wave_in_sources.h"
#include "scope/scope.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <atomic>
#include <chrono>

namespace {

// Shared between the window thread (blocks shown) and the capture thread
// (blocks made).
std::atomic<quint64> gShown{0};
std::atomic<quint64> gBlockFrames{1};

// The simulated source, held back before each block until the previous
// one was shown.
class TGatedSource final : public TWaveInSource {
public:
  explicit TGatedSource(std::unique_ptr<TWaveInSource> inner) : inner_(std::move(inner)) {}
  int Start() override {
    made_ = 0;
    blockFrames_ = std::max<quint64>(1, gBlockFrames.load());
    gShown.store(0);
    return inner_->Start();
  }
  void Stop() override { inner_->Stop(); }
  long Read(uint8_t* data, uint32_t frames, TWaveInCancel& cancel) override {
    const quint64 block = made_ / blockFrames_;
    while (gShown.load() < block) {
      const auto due = std::chrono::steady_clock::now() + std::chrono::milliseconds(2);
      if (!cancel.SleepUntil(std::chrono::duration_cast<std::chrono::nanoseconds>(due.time_since_epoch()).count()))
        return 0;
    }
    const quint64 left = blockFrames_ - made_ % blockFrames_;
    const long n = inner_->Read(data, static_cast<uint32_t>(std::min<quint64>(frames, left)), cancel);
    if (n > 0) made_ += static_cast<quint64>(n);
    return n;
  }

private:
  std::unique_ptr<TWaveInSource> inner_;
  quint64 made_ = 0;
  quint64 blockFrames_ = 1;
};

void RegisterDevice() {
  static const bool once = [] {
    WaveInRegisterDevice(kScriptedSensorsName, [](const TWaveFormatExtensible& format, uint32_t* error) {
      std::unique_ptr<TWaveInSource> inner = wavein_detail::MakeSimulatedSource(format, error);
      if (!inner) return std::unique_ptr<TWaveInSource>();
      return std::unique_ptr<TWaveInSource>(new TGatedSource(std::move(inner)));
    });
    return true;
  }();
  (void)once;
}

void CountShown(QObject*, int, const double*, int, bool wasChanged) {
  if (wasChanged) gShown.fetch_add(1);
}

}  // namespace

TScriptedSensors::TScriptedSensors() {
  RegisterDevice();
  WaveInSetVirtualPace(0);
  previousDevices_ = {Form3->AI->Device()->DeviceName(), Form4->AIOsc->Device()->DeviceName()};
  Form3->AI->Device()->SetDeviceName(QString::fromLatin1(kScriptedSensorsName));
  Form4->AIOsc->Device()->SetDeviceName(QString::fromLatin1(kScriptedSensorsName));
  // The last channel of each scope is prepared last: its block was seen
  // by every handler of that paint.
  connect(Form3->ScpAB->Channels()->Channel(1), &TSLScopeChannel::OnChannelDraw, this, &CountShown);
  connect(Form3->ScpAC->Channels()->Channel(1), &TSLScopeChannel::OnChannelDraw, this, &CountShown);
  connect(Form4->ScpRight->Channels()->Channel(0), &TSLScopeChannel::OnChannelDraw, this, &CountShown);
}

TScriptedSensors::~TScriptedSensors() {
  if (!Form3 || !Form4) return;
  Form3->AI->Device()->SetDeviceName(previousDevices_[0]);
  Form4->AIOsc->Device()->SetDeviceName(previousDevices_[1]);
  WaveInSetVirtualPace(1);
}

quint64 TScriptedSensors::BlocksShown() const { return gShown.load(); }

bool TScriptedSensors::WaitForBlocksOr(const std::function<bool()>& done, double simulatedLimit) {
  // The wall-clock bound only guards against a stalled capture.
  QElapsedTimer wall;
  wall.start();
  while (!done()) {
    if (gShown.load() * static_cast<double>(Experiment.acquisitionTime) >= simulatedLimit) return false;
    if (wall.elapsed() > 120000) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(1);
  }
  return true;
}

bool TScriptedSensors::RecordPair(int position, double simulatedLimit) {
  gBlockFrames.store(static_cast<quint64>(Experiment.acquisitionRate) * static_cast<quint64>(Experiment.acquisitionTime));
  Form3->chkAutomaticTime->SetChecked(true);
  Form3->chkHold->SetChecked(true);
  Form3->seletor->SetPosition(position);
  const bool held = WaitForBlocksOr([] { return Form3->seletor->Position() == TForm3::kStopped; }, simulatedLimit);
  if (!held) Form3->seletor->SetPosition(TForm3::kStopped);
  return held;
}

bool TScriptedSensors::Listen() {
  gBlockFrames.store(static_cast<quint64>(Experiment.acquisitionRate) * static_cast<quint64>(Experiment.acquisitionTime));
  Form4->Button1Click(Form4->Button1);
  if (!Form4->AIOsc->Enabled()) return false;
  return WaitForBlocksOr([] { return gShown.load() >= 1; }, 1e9);
}
