#include "audio/audio_in.h"

#include <pthread.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

#include <QtGlobal>

#include "buffers/sl_exception.h"

namespace {

// In English; an application that shows them translates them in this
// context.
const char* const kCantOpen = QT_TRANSLATE_NOOP("TALAudioIn", "Can't open audio device.");
const char* const kCantStart = QT_TRANSLATE_NOOP("TALAudioIn", "Can't start audio device.");
const char* const kCantRestart = QT_TRANSLATE_NOOP("TALAudioIn", "Can't restart audio device.");
const char* const kCantGetCaps = QT_TRANSLATE_NOOP("TALAudioIn", "Can't get device capabilities.");
const char* const kOverrun = QT_TRANSLATE_NOOP("TALAudioIn", "Audio input overrun: sound was lost.");
const char* const kDeviceLost = QT_TRANSLATE_NOOP("TALAudioIn", "Audio device stopped delivering.");
const char* const kBufferTooLarge = QT_TRANSLATE_NOOP("TALAudioIn", "Buffer size too large to capture.");

}  // namespace

// ------------------------------------------------------------ devices

TALAudioCaptureDeviceItem::TALAudioCaptureDeviceItem(TOWExtCollection* collection)
    : TLPCollectionItem(collection) {}

QString TALAudioCaptureDeviceItem::DeviceName() const { return Lock()->ReadGuarded(name_); }
void TALAudioCaptureDeviceItem::SetDeviceName(const QString& name) { Lock()->SetIfChanged(name_, name); }

TALAudioCaptureDeviceItems::TALAudioCaptureDeviceItems(TALAudioCaptureDevice* owner)
    : TLPCollection(
          owner,
          [](TOWExtCollection* c) -> TOWExtCollectionItem* {
            auto* items = static_cast<TALAudioCaptureDeviceItems*>(c);
            auto* item = new TALAudioCaptureDeviceItem(c);
            item->SetDeviceName(NameForNewItem(items, item));
            return item;
          },
          owner->Lock()) {}

QString TALAudioCaptureDeviceItems::NameForNewItem(TALAudioCaptureDeviceItems* items,
                                                   TALAudioCaptureDeviceItem* added) {
  auto* device = static_cast<TALAudioCaptureDevice*>(items->GetOwner());
  const QStringList listed = device->ListDevices();
  QString best = "Default";
  int bestCount = 22000;
  for (const QString& name : listed) {
    int count = 0;
    for (int i = 0; i < items->Count(); ++i) {
      auto* item = items->ItemAt(i);
      if (item != added && item->DeviceName() == name) ++count;
    }
    if (count < bestCount) {
      bestCount = count;
      best = name;
    }
  }
  return best;
}

TALAudioCaptureDevice::TALAudioCaptureDevice(QObject* owner, IOWLock* lock, TWarning warning)
    : TLPPersistent(owner, lock), name_("Default"), warning_(std::move(warning)) {
  alternatives_ = new TALAudioCaptureDeviceItems(this);
}

QString TALAudioCaptureDevice::DeviceName() const { return Lock()->ReadGuarded(name_); }
void TALAudioCaptureDevice::SetDeviceName(const QString& name) { Lock()->SetIfChanged(name_, name); }

void TALAudioCaptureDevice::SetAlternativeDevices(TALAudioCaptureDeviceItems* items) {
  if (items && items != alternatives_) alternatives_->Assign(items);
}

bool TALAudioCaptureDevice::Assign(const QObject* source) {
  auto* other = qobject_cast<const TALAudioCaptureDevice*>(source);
  if (!other) return TLPPersistent::Assign(source);
  SetDeviceName(other->DeviceName());
  alternatives_->Assign(other->alternatives_);
  return true;
}

uint32_t TALAudioCaptureDevice::FindDevice(const QString& name) const {
  const uint32_t count = WaveInGetNumDevs();
  for (uint32_t id = 0; id < count; ++id) {
    TWaveInCaps caps;
    const uint32_t rc = WaveInGetDevCaps(id, &caps);
    if (rc != MMSYSERR_NOERROR) {
      if (warning_) warning_(kCantGetCaps, int(rc));
      return 0;
    }
    if (QString::fromStdString(caps.ProductName) == name) return id;
  }
  return WAVE_MAPPER;
}

uint32_t TALAudioCaptureDevice::ResolveDeviceId() const {
  const QString name = DeviceName();
  if (name.toUpper() == "DEFAULT") return WAVE_MAPPER;
  uint32_t id = FindDevice(name);
  if (id != WAVE_MAPPER) return id;
  for (int i = 0; i < alternatives_->Count(); ++i) {
    const QString alt = alternatives_->ItemAt(i)->DeviceName();
    if (alt.toUpper() == "DEFAULT") return WAVE_MAPPER;
    id = FindDevice(alt);
    if (id != WAVE_MAPPER) return id;
  }
  return WAVE_MAPPER;
}

QStringList TALAudioCaptureDevice::ListDevices() const {
  QStringList names;
  const uint32_t count = WaveInGetNumDevs();
  for (uint32_t id = 0; id < count; ++id) {
    TWaveInCaps caps;
    const uint32_t rc = WaveInGetDevCaps(id, &caps);
    if (rc != MMSYSERR_NOERROR) {
      if (warning_) warning_(kCantGetCaps, int(rc));
      break;
    }
    names << QString::fromStdString(caps.ProductName);
  }
  return names;
}

// ------------------------------------------------------- capture state

TALAudioParams::~TALAudioParams() = default;

// ------------------------------------------------------- capture thread

TALWaveThread::TALWaveThread(const QString& name, TCallback callback)
    : callback_(std::move(callback)), name_(name) {
  thread_ = std::thread([this] { Execute(); });
}

TALWaveThread::~TALWaveThread() {
  Terminate();
  WaitFor();
}

void TALWaveThread::WaveInCallback(HWAVEIN device, uint32_t message, uintptr_t instance, uintptr_t param1,
                                   uintptr_t) {
  auto* self = reinterpret_cast<TALWaveThread*>(instance);
  if (!self || self->Terminated()) return;
  self->Post({device, message, param1});
}

void TALWaveThread::Post(const TNotice& notice) {
  {
    std::lock_guard lk(queueMutex_);
    queue_.push_back(notice);
  }
  signal_.notify_one();
}

void TALWaveThread::Terminate() {
  {
    std::lock_guard lk(queueMutex_);
    terminated_.store(true);
  }
  signal_.notify_all();
}

void TALWaveThread::WaitFor() {
  if (thread_.joinable() && !OnThread()) thread_.join();
}

void TALWaveThread::Execute() {
  // Thread names are limited to 15 characters on Linux.
  pthread_setname_np(pthread_self(), name_.left(15).toUtf8().constData());
  // The highest normal priority: buffers go back to the device promptly.
  // An unprivileged process may not raise it; capture works all the same.
  errno = 0;
  const int current = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
  if (errno == 0 && setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), std::max(current - 5, -20)) == 0)
    priorityRaised_.store(true);

  for (;;) {
    TNotice notice;
    {
      std::unique_lock lk(queueMutex_);
      signal_.wait(lk, [this] { return terminated_.load() || !queue_.empty(); });
      if (terminated_.load()) break;
      notice = queue_.front();
      queue_.pop_front();
    }
    if (callback_) callback_(notice.message, notice.device, notice.param1);
  }
  std::lock_guard lk(queueMutex_);
  queue_.clear();
}

// ------------------------------------------------------------ component

TALAudioIn::TALAudioIn(QObject* owner) : TLPComponent(owner), params_(new TALAudioParams) {
  if (!IsDesigning()) {
    thread_ = std::make_unique<TALWaveThread>(
        "TALWaveThread", [this](uint32_t message, HWAVEIN device, uintptr_t p1) { WaveMessage(message, device, p1); });
  }
  format_ = new TALAudioFormat(this, nullptr, Lock());
  device_ = new TALAudioCaptureDevice(this, Lock(), [this](const QString& text, int code) {
    ReportWarning(text, static_cast<uint32_t>(code));
  });
  enabled_.store(true);
  outputPin_ = new TALOWAudioSourcePin(
      this, nullptr, 0, [this](TSLOWSourcePin* pin, IOWNotifyOperation* op) { return HandleUpstream(pin, op); },
      Lock());
  enablePin_ = new TOWBoolStatePin(
      this, [this](TOWBoolStatePin*, bool state) { SetEnabled(state); }, Lock());
}

TALAudioIn::~TALAudioIn() {
  {
    TRef<IOWLockSection> stop = Lock()->EnterStop();
    try {
      Stop();
    } catch (const std::exception&) {
      // Nobody is left to tell.
    }
    // A device that could not be stopped cleanly is shut anyway: its
    // callback must not outlive the capture thread.
    ShutDevice(false);
  }
  if (thread_) {
    thread_->Terminate();
    thread_->WaitFor();
  }
  delete enablePin_;
  enablePin_ = nullptr;
  delete outputPin_;
  outputPin_ = nullptr;
  thread_.reset();
  TALCaptureStateGuard state(params_.get());
  params_->GetBuffers().clear();
}

QString TALAudioIn::ErrorMessage(const QString& text, uint32_t code) {
  return QString::asprintf("%s - %u - %x", text.toUtf8().constData(), code, code);
}

bool TALAudioIn::Enabled() const { return enabled_.load(); }

void TALAudioIn::SetEnabled(bool value) {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  if (value == enabled_.load()) return;
  if (value && !IsDesigning() && !IsLoading()) {
    // Sets `Enabled` itself, and only if its run survives the start.
    StartCapture();
  } else if (value) {
    TALCaptureStateGuard state(params_.get());
    enabled_.store(true);
  } else {
    Stop();
  }
  SyncEnablePin();
}

int TALAudioIn::PumpPriority() const { return Lock()->ReadGuarded(pumpPriority_); }
void TALAudioIn::SetPumpPriority(int value) { Lock()->SetIfChanged(pumpPriority_, value); }

void TALAudioIn::SetDevice(TALAudioCaptureDevice* device) {
  if (device && device != device_) device_->Assign(device);
}

void TALAudioIn::SetAudioFormat(TALAudioFormat* format) {
  if (format && format != format_) format_->Assign(format);
}

void TALAudioIn::SetOnError(TSLErrorEvent handler) {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  onError_ = std::move(handler);
}

void TALAudioIn::SetOnWarning(TSLWarningEvent handler) {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  onWarning_ = std::move(handler);
}

int TALAudioIn::QueuedBufferCount() const {
  TALCaptureStateGuard state(params_.get());
  return static_cast<int>(params_->GetBuffers().size());
}

void TALAudioIn::Initialized() {
  if (Enabled()) StartCapture();
}

void TALAudioIn::Start() {
  if (!Enabled()) StartCapture();
}

void TALAudioIn::SyncEnablePin() {
  std::lock_guard lk(pinMutex_);
  if (enablePin_) enablePin_->SetState(enabled_.load());
}

bool TALAudioIn::BufferSizeFits(uint32_t* frames) const {
  *frames = format_->BufferSize();
  return *frames <= format_->MaxBufferSize();
}

void TALAudioIn::StartCapture() {
  // The channels or bits may have grown since the size was set: a buffer
  // that cannot be made is refused before any device is opened.
  uint32_t frames = 0;
  if (!BufferSizeFits(&frames)) {
    ReportError(kBufferTooLarge, frames);
    return;
  }
  auto* request = new TOWPumpRequestOperation(this, 1.0, PumpPriority(), 3);
  TRef<IOWNotifyOperation> op(request);
  outputPin_->Notify(op.get());
  const bool pump = request->Pump() == this;
  params_->SetPump(pump);
  uint64_t run = 0;
  try {
    StartDevice(&run);
    if (run == 0) return;  // a stop on another thread refused the start
    if (pump)
      for (int i = 0; i < kQueuedBuffers; ++i) QueueBuffer(run);
  } catch (...) {
    // Nothing is left open behind the failure: the next start begins anew.
    AbandonRun(run);
    throw;
  }
  {
    // A device that failed meanwhile (or a stop or another start) ended
    // this run: it then stays closed, and a later start works.
    TALCaptureStateGuard state(params_.get());
    if (run_ == run && params_->GetActive()) enabled_.store(true);
  }
  SyncEnablePin();
}

void TALAudioIn::StartDevice(uint64_t* run) {
  const TWaveFormatExtensible format = format_->FormatRecord();
  outputPin_->Notify(MakeOperation<TOWStartWaveOperation>(format, uint8_t(0)).get());
  OpenDevice(format, run);
  if (*run == 0) return;
  uint32_t rc = MMSYSERR_NOERROR;
  {
    TALCaptureStateGuard state(params_.get());
    if (run_ != *run) return;
    rc = WaveInStart(handle_.load());
  }
  if (rc != MMSYSERR_NOERROR) ReportError(kCantStart, rc);
}

void TALAudioIn::OpenDevice(const TWaveFormatExtensible& format, uint64_t* started) {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  if (!guard) return;
  if (params_->GetActive()) Stop();
  // A device left open by a start that failed half-way is not leaked.
  ShutDevice(false);
  uint64_t run;
  {
    TALCaptureStateGuard state(params_.get());
    params_->SetActive(true);
    run = run_ = ++lastRun_;
  }
  if (started) *started = run;
  const uint32_t id = device_->ResolveDeviceId();
  const uint32_t flags = id == WAVE_MAPPER ? CALLBACK_FUNCTION | WAVE_ALLOWSYNC
                                           : CALLBACK_FUNCTION | WAVE_ALLOWSYNC | WAVE_MAPPED;
  HWAVEIN handle = nullptr;
  const uint32_t rc = WaveInOpen(&handle, id, &format, &TALWaveThread::WaveInCallback,
                                 reinterpret_cast<uintptr_t>(thread_.get()), flags);
  if (rc != MMSYSERR_NOERROR) {
    ReportError(kCantOpen, rc);
    return;
  }
  {
    TALCaptureStateGuard state(params_.get());
    if (run_ == run) {
      handle_.store(handle);
      return;
    }
  }
  // The run ended while the device opened: it is not kept.
  WaveInReset(handle);
  TALCaptureStateGuard state(params_.get());
  if (WaveInClose(handle) == MMSYSERR_NOERROR) ++closing_[handle];
}

void TALAudioIn::QueueBuffer(uint64_t run) {
  // The format is read, and the buffer made, before the capture state is
  // locked: the component's lock is never waited for while the state is
  // held, and a failing allocation cannot leave the state locked.
  uint32_t rate, mask, frames, channels, bits;
  {
    TRef<IOWLockSection> read = Lock()->EnterRead();
    rate = format_->SampleRate();
    mask = format_->ChannelMaskBits();
    frames = format_->BufferSize();
    channels = format_->Channels();
    bits = format_->Bits();
  }
  auto wave = std::make_unique<TALWaveBuffer>();
  wave->buffer = TRef<TALAudioBuffer>(new TALAudioBuffer(rate, mask, frames, channels, bits));
  wave->params = params_;
  // A recycled block holds an earlier capture: a device that reports frames
  // without writing them must deliver silence (127 in 8 bits), not old sound.
  wave->buffer->FillValue(0);
  wave->header.lpData = wave->buffer->WriteSamples();
  wave->header.dwBufferLength = wave->buffer->GetByteSize();
  wave->header.dwUser = reinterpret_cast<uintptr_t>(wave.get());

  TALCaptureStateGuard state(params_.get());
  // Buffers are queued only at the open device of the run they were made
  // for: a buffer queued behind a stop's back would be freed while the
  // device still holds it.
  HWAVEIN handle = handle_.load();
  if (run_ != run || !params_->GetActive() || !handle) return;
  wave->device = handle;
  TWaveHeader* header = &wave->header;
  params_->GetBuffers().push_back(std::move(wave));
  WaveInPrepareHeader(handle, header, sizeof(TWaveHeader));
  WaveInAddBuffer(handle, header, sizeof(TWaveHeader));
}

void TALAudioIn::WaveMessage(uint32_t message, HWAVEIN device, uintptr_t param1) {
  // Nothing raised here may end the capture thread.
  try {
    switch (message) {
      case WIM_DATA:
        DataArrived(device, reinterpret_cast<TWaveHeader*>(param1));
        break;
      case WIM_OVERRUN:
        ReportWarning(kOverrun, static_cast<uint32_t>(param1));
        break;
      case WIM_ERROR:
        DeviceFailed(device, static_cast<uint32_t>(param1));
        break;
      case WIM_CLOSE: {
        TALCaptureStateGuard state(params_.get());
        auto it = closing_.find(device);
        if (it != closing_.end() && --it->second <= 0) closing_.erase(it);
        break;
      }
      default:  // opened
        break;
    }
  } catch (const std::exception&) {
  }
}

void TALAudioIn::DataArrived(HWAVEIN device, TWaveHeader* header) {
  (void)device;
  (void)header;
  // The device fills buffers in the order they were queued, and the list
  // keeps that order. A notice only says that the front may be finished: a
  // notice left over from an earlier run can name the address a new buffer
  // now reuses, so sending "the buffer named" could send a later block before
  // an earlier one. Sending finished buffers from the front keeps every
  // block in order and sends each once; a notice with nothing finished at
  // the front does nothing.
  for (;;) {
    std::unique_ptr<TALWaveBuffer> wave;
    uint64_t run;
    {
      TALCaptureStateGuard state(params_.get());
      auto& list = params_->GetBuffers();
      if (!params_->GetActive() || list.empty() || !(WaveInHeaderFlags(&list.front()->header) & WHDR_DONE)) return;
      // The buffer leaves the list before it is sent: the state is not held
      // while the receivers work (they may start, stop or call upstream,
      // which needs the component's lock that a start holds while it queues
      // buffers), and nothing they do can free the buffer under the sender.
      wave = std::move(list.front());
      list.erase(list.begin());
      run = run_;
      std::lock_guard lk(flightMutex_);
      ++inFlight_;
    }
    {
      struct TLanded {
        TALAudioIn* self;
        ~TLanded() {
          std::lock_guard lk(self->flightMutex_);
          --self->inFlight_;
          self->flightDone_.notify_all();
        }
      } landed{this};
      outputPin_->SendBuffer(wave->buffer.get());
    }
    {
      TALCaptureStateGuard state(params_.get());
      if (run_ != run || !params_->GetActive()) return;
      WaveInUnprepareHeader(wave->device, &wave->header, sizeof(TWaveHeader));
    }
    const HWAVEIN waveDevice = wave->device;
    wave.reset();
    try {
      QueueBuffer(run);
    } catch (const std::exception&) {
      // Without a buffer to replace it the queue would drain and capture
      // stop unnoticed: it ends now, reported as a device that stopped.
      DeviceFailed(waveDevice, ENOMEM);
      return;
    }
  }
}

void TALAudioIn::WaitForBufferInFlight() {
  if (thread_ && thread_->OnThread()) return;
  std::unique_lock lk(flightMutex_);
  flightDone_.wait(lk, [this] { return inFlight_ == 0; });
}

uint32_t TALAudioIn::ShutDeviceLocked(bool force) {
  HWAVEIN handle = handle_.load();
  if (handle) {
    uint32_t rc = WaveInReset(handle);
    if (rc != MMSYSERR_NOERROR && !force) return rc;
    for (auto& wave : params_->GetBuffers()) WaveInUnprepareHeader(handle, &wave->header, sizeof(TWaveHeader));
    rc = WaveInReset(handle);
    if (rc != MMSYSERR_NOERROR && !force) return rc;
    if (WaveInClose(handle) == MMSYSERR_NOERROR) ++closing_[handle];
    handle_.store(nullptr);
  }
  params_->GetBuffers().clear();
  return MMSYSERR_NOERROR;
}

bool TALAudioIn::ShutDevice(bool report) {
  uint32_t rc;
  {
    TALCaptureStateGuard state(params_.get());
    rc = ShutDeviceLocked(!report);
  }
  if (rc == MMSYSERR_NOERROR) return true;
  ReportError(kCantRestart, rc);
  return false;
}

void TALAudioIn::Stop() {
  TRef<IOWLockSection> stop = Lock()->EnterStop();
  bool wasEnabled, wasActive;
  {
    TALCaptureStateGuard state(params_.get());
    wasEnabled = enabled_.load();
    wasActive = params_->GetActive();
    // Whatever is left of a run is stopped: an open device or an active
    // state is never ignored because `Enabled` says otherwise.
    if (!wasEnabled && !wasActive && !handle_.load()) return;
    params_->SetActive(false);
    run_ = 0;
  }
  // A buffer being sent is finished downstream before the device goes.
  WaitForBufferInFlight();
  uint32_t rc;
  {
    TALCaptureStateGuard state(params_.get());
    rc = ShutDeviceLocked(false);
    enabled_.store(rc == MMSYSERR_NOERROR ? false : wasEnabled);
  }
  if (rc != MMSYSERR_NOERROR) {
    SyncEnablePin();
    ReportError(kCantRestart, rc);
    return;
  }
  if (wasActive) outputPin_->SendEndOfStream();
  SyncEnablePin();
}

void TALAudioIn::AbandonRun(uint64_t run) {
  {
    TALCaptureStateGuard state(params_.get());
    if (run == 0 || run_ != run) return;
    params_->SetActive(false);
    run_ = 0;
    enabled_.store(false);
    ShutDeviceLocked(true);
  }
  outputPin_->SendEndOfStream();
  SyncEnablePin();
}

void TALAudioIn::DeviceFailed(HWAVEIN device, uint32_t code) {
  // The device is gone: capture ends here, on the capture thread, without
  // waiting for the component. The device, the run and `Enabled` end
  // together, so a start racing with the failure cannot mark a dead run
  // enabled, nor can this clear a newer run's `Enabled`.
  {
    TALCaptureStateGuard state(params_.get());
    // A closed device's notices come before its close notice; a device
    // opened since at the same address is not the one that failed.
    if (!params_->GetActive() || !device || handle_.load() != device || closing_.count(device)) return;
    params_->SetActive(false);
    run_ = 0;
    enabled_.store(false);
    ShutDeviceLocked(true);
  }
  outputPin_->SendEndOfStream();
  SyncEnablePin();
  ReportError(kDeviceLost, code);
}

void TALAudioIn::ReportError(const QString& text, uint32_t code) {
  bool handled = false;
  TSLErrorEvent handler;
  {
    TRef<IOWLockSection> guard = Lock()->EnterRead();
    handler = onError_;
  }
  if (handler) handler(this, text, static_cast<int>(code), handled);
  if (handled) return;
  throw ESLException(ErrorMessage(text, code).toStdString());
}

void TALAudioIn::ReportWarning(const QString& text, uint32_t code) {
  TSLWarningEvent handler;
  {
    TRef<IOWLockSection> guard = Lock()->EnterRead();
    handler = onWarning_;
  }
  if (handler) handler(this, text, static_cast<int>(code));
}

bool TALAudioIn::HandleUpstream(TSLOWSourcePin* pin, IOWNotifyOperation* op) {
  (void)pin;
  {
    TRef<IOWLockSection> guard = Lock()->EnterWrite();
    if (!guard) return false;
    if (auto* start = OperationAs<TOWStartWaveOperation>(op)) {
      OpenDevice(start->Format());
    } else if (OperationAs<TOWStopOperation>(op)) {
      Stop();
    }
  }
  return outputPin_->Notify(op);
}
