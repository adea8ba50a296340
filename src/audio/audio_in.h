#pragma once
// The capture component. It opens a wave input device, keeps 40 capture
// buffers queued there and sends every filled buffer, as an audio buffer, out
// of its output pin. The device's callback only queues a notice; the
// component's own capture thread (TALWaveThread) does all buffer handling and
// runs the whole downstream processing of each buffer.

#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "audio/audio_events.h"
#include "audio/audio_format.h"
#include "buffers/audio_buffer.h"
#include "pins/collection.h"
#include "pins/component.h"
#include "pins/persistent.h"
#include "pins/typed_pins.h"
#include "pins/value_pins.h"
#include "platform/wave_in.h"

class TALAudioCaptureDevice;

// ------------------------------------------------------------ devices

class TALAudioCaptureDeviceItem : public TLPCollectionItem {
  Q_OBJECT
  Q_PROPERTY(QString DeviceName READ DeviceName WRITE SetDeviceName)
public:
  explicit TALAudioCaptureDeviceItem(TOWExtCollection* collection);
  QString DeviceName() const;
  void SetDeviceName(const QString& name);
  QString DisplayName() const { return DeviceName(); }

private:
  QString name_;
};

class TALAudioCaptureDeviceItems : public TLPCollection {
  Q_OBJECT
public:
  explicit TALAudioCaptureDeviceItems(TALAudioCaptureDevice* owner);
  TALAudioCaptureDeviceItem* AddItem() { return static_cast<TALAudioCaptureDeviceItem*>(Add()); }
  TALAudioCaptureDeviceItem* ItemAt(int i) const { return static_cast<TALAudioCaptureDeviceItem*>(Item(i)); }

private:
  // The listed device least used among the items so far, or "Default".
  static QString NameForNewItem(TALAudioCaptureDeviceItems* items, TALAudioCaptureDeviceItem* added);
};

class TALAudioCaptureDevice : public TLPPersistent {
  Q_OBJECT
  Q_PROPERTY(QString DeviceName READ DeviceName WRITE SetDeviceName)
  Q_PROPERTY(TALAudioCaptureDeviceItems* AlternativeDevices READ AlternativeDevices WRITE SetAlternativeDevices)
public:
  using TWarning = std::function<void(const QString& text, int code)>;
  TALAudioCaptureDevice(QObject* owner, IOWLock* lock, TWarning warning = {});

  QString DeviceName() const;
  void SetDeviceName(const QString& name);
  TALAudioCaptureDeviceItems* AlternativeDevices() const { return alternatives_; }
  void SetAlternativeDevices(TALAudioCaptureDeviceItems* items);

  // The device id to open: WAVE_MAPPER for "Default" (any case) and for
  // names that match nothing.
  uint32_t ResolveDeviceId() const;
  // Id of the device whose product name equals `name` (case-sensitive), or
  // WAVE_MAPPER; 0 when a device's capabilities cannot be read.
  uint32_t FindDevice(const QString& name) const;
  // Product names of the devices in id order.
  QStringList ListDevices() const;

  bool Assign(const QObject* source) override;

private:
  QString name_;
  TALAudioCaptureDeviceItems* alternatives_;
  TWarning warning_;
};

// ------------------------------------------------------- capture state

struct TALWaveBuffer;

// Shared between the component and its queued wave buffers.
class IALAudioParams : public virtual IInterface {
public:
  virtual bool GetActive() = 0;
  virtual void SetActive(bool active) = 0;
  virtual bool GetPump() = 0;
  virtual void SetPump(bool pump) = 0;
  virtual std::vector<std::unique_ptr<TALWaveBuffer>>& GetBuffers() = 0;
  // Re-entrant on one thread. Take it through TALCaptureStateGuard, so that
  // an exception cannot leave it held.
  virtual void Lock() = 0;
  virtual void Unlock() = 0;
};

// Holds the capture state's lock for its scope.
class TALCaptureStateGuard {
public:
  explicit TALCaptureStateGuard(IALAudioParams* params) : params_(params) { params_->Lock(); }
  ~TALCaptureStateGuard() { params_->Unlock(); }
  TALCaptureStateGuard(const TALCaptureStateGuard&) = delete;
  TALCaptureStateGuard& operator=(const TALCaptureStateGuard&) = delete;

private:
  IALAudioParams* params_;
};

class TALAudioParams : public TInterfacedObject, public virtual IALAudioParams {
public:
  bool GetActive() override { return active_.load(); }
  void SetActive(bool active) override { active_.store(active); }
  bool GetPump() override { return pump_.load(); }
  void SetPump(bool pump) override { pump_.store(pump); }
  std::vector<std::unique_ptr<TALWaveBuffer>>& GetBuffers() override { return buffers_; }
  void Lock() override { mutex_.lock(); }
  void Unlock() override { mutex_.unlock(); }

protected:
  ~TALAudioParams() override;

private:
  std::atomic<bool> active_{false};
  std::atomic<bool> pump_{false};
  std::vector<std::unique_ptr<TALWaveBuffer>> buffers_;
  std::recursive_mutex mutex_;
};

// One buffer queued at the device.
struct TALWaveBuffer {
  HWAVEIN device = nullptr;
  TWaveHeader header;
  TRef<IALAudioParams> params;
  TRef<TALAudioBuffer> buffer;
};

// ------------------------------------------------------- capture thread

class TALWaveThread {
public:
  using TCallback = std::function<void(uint32_t message, HWAVEIN device, uintptr_t param1)>;
  // Starts at once, at a raised priority where the process may raise it.
  TALWaveThread(const QString& name, TCallback callback);
  ~TALWaveThread();

  // The device callback: queues a notice for the thread (instance is the
  // TALWaveThread), nothing else.
  static void WaveInCallback(HWAVEIN device, uint32_t message, uintptr_t instance, uintptr_t param1,
                             uintptr_t param2);

  void Terminate();
  void WaitFor();
  bool Terminated() const { return terminated_.load(); }
  bool OnThread() const { return std::this_thread::get_id() == thread_.get_id(); }
  // Whether the priority could be raised (informational).
  bool PriorityRaised() const { return priorityRaised_.load(); }

private:
  struct TNotice {
    HWAVEIN device;
    uint32_t message;
    uintptr_t param1;
  };
  void Post(const TNotice& notice);
  void Execute();

  TCallback callback_;
  QString name_;
  std::mutex queueMutex_;
  std::condition_variable signal_;
  std::deque<TNotice> queue_;
  std::atomic<bool> terminated_{false};
  std::atomic<bool> priorityRaised_{false};
  std::thread thread_;
};

// ------------------------------------------------------------ component

class TALAudioIn : public TLPComponent {
  Q_OBJECT
  Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
  Q_PROPERTY(int PumpPriority READ PumpPriority WRITE SetPumpPriority)
  Q_PROPERTY(TALAudioCaptureDevice* Device READ Device WRITE SetDevice)
  Q_PROPERTY(TALAudioFormat* AudioFormat READ AudioFormat WRITE SetAudioFormat)
  Q_PROPERTY(TALOWAudioSourcePin* OutputPin READ OutputPin)
  Q_PROPERTY(TOWBoolStatePin* EnablePin READ EnablePin)
public:
  static constexpr int kQueuedBuffers = 40;

  explicit TALAudioIn(QObject* owner = nullptr);
  ~TALAudioIn() override;

  // Starts capture unless it runs.
  void Start();
  // Stops capture (resets and closes the device, ends the stream); waits for
  // a buffer in flight downstream first.
  void Stop();

  bool Enabled() const;
  void SetEnabled(bool value);
  int PumpPriority() const;
  void SetPumpPriority(int value);
  TALAudioCaptureDevice* Device() const { return device_; }
  void SetDevice(TALAudioCaptureDevice* device);
  TALAudioFormat* AudioFormat() const { return format_; }
  void SetAudioFormat(TALAudioFormat* format);
  TALOWAudioSourcePin* OutputPin() const { return outputPin_; }
  TOWBoolStatePin* EnablePin() const { return enablePin_; }

  void SetOnError(TSLErrorEvent handler);
  void SetOnWarning(TSLWarningEvent handler);

  // Inspection.
  bool IsActive() const { return params_->GetActive(); }
  bool IsDeviceOpen() const { return handle_.load() != nullptr; }
  int QueuedBufferCount() const;
  const TALWaveThread* WaveThread() const { return thread_.get(); }

  // "%s - %u - %x" of text and code, as raised by ReportError.
  static QString ErrorMessage(const QString& text, uint32_t code);

protected:
  void Initialized() override;

  // Each opening of the device starts a new run, numbered; 0 is no run.
  // Work begun for one run (a start, a buffer downstream) touches the device
  // and `Enabled` only while that run is still the current one.
  void StartCapture();
  // Set `*run` to the run begun, or 0 when a stop refused it.
  void StartDevice(uint64_t* run);
  void OpenDevice(const TWaveFormatExtensible& format, uint64_t* run = nullptr);
  // Allocates and clears a buffer, then queues it if `run` is still current.
  // Raises ESLOutOfMemory when the buffer cannot be had.
  void QueueBuffer(uint64_t run);
  void DataArrived(HWAVEIN device, TWaveHeader* header);
  void ReportError(const QString& text, uint32_t code);
  void ReportWarning(const QString& text, uint32_t code);

private:
  bool HandleUpstream(TSLOWSourcePin* pin, IOWNotifyOperation* op);
  void WaveMessage(uint32_t message, HWAVEIN device, uintptr_t param1);
  // Ends the run of `device` (if it is still the current one) on the capture
  // thread: the device is shut, `Enabled` cleared, the stream ended and the
  // error reported with `code`.
  void DeviceFailed(HWAVEIN device, uint32_t code);
  // Ends `run` if it is still current after a start failed half-way.
  void AbandonRun(uint64_t run);
  // With the capture state locked: resets and closes an open device and
  // frees the buffers. Answers the failing reset's code (the device stays
  // open) or MMSYSERR_NOERROR; `force` closes the device even then.
  uint32_t ShutDeviceLocked(bool force);
  bool ShutDevice(bool report);
  // Waits until no buffer is downstream (not on the capture thread, which is
  // the one sending it).
  void WaitForBufferInFlight();
  // Gives the enable pin the current `Enabled`; calls are serialised so the
  // last one sends the latest value.
  void SyncEnablePin();
  // Frames x block align of the current format fit one capture buffer.
  bool BufferSizeFits(uint32_t* frames) const;

  // Under the capture state's lock: the device, `Enabled` and the run change
  // together.
  std::atomic<HWAVEIN> handle_{nullptr};
  std::atomic<bool> enabled_{false};
  uint64_t run_ = 0;
  uint64_t lastRun_ = 0;
  // Devices closed whose close notice the capture thread has yet to see,
  // with how many times: their earlier notices are stale.
  std::map<HWAVEIN, int> closing_;
  // Buffers taken out of the list and being sent downstream.
  std::mutex flightMutex_;
  std::condition_variable flightDone_;
  int inFlight_ = 0;
  std::recursive_mutex pinMutex_;
  int pumpPriority_ = 0;
  TALAudioFormat* format_;
  TALAudioCaptureDevice* device_;
  std::unique_ptr<TALWaveThread> thread_;
  TRef<IALAudioParams> params_;
  TSLErrorEvent onError_;
  TSLWarningEvent onWarning_;
  TALOWAudioSourcePin* outputPin_ = nullptr;
  TOWBoolStatePin* enablePin_ = nullptr;
};
