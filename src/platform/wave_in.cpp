#include "platform/wave_in.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>

#include "platform/wave_in_sources.h"

namespace {

struct TDeviceEntry {
  std::string name;
  TWaveInSourceFactory factory;
};

struct TDeviceList {
  std::mutex mutex;
  bool built = false;
  std::vector<TDeviceEntry> devices;
  std::vector<TDeviceEntry> registered;
};

TDeviceList& Devices() {
  static TDeviceList list;
  return list;
}

void BuildLocked(TDeviceList& list) {
  list.devices.clear();
  for (const std::string& pcm : wavein_detail::AlsaCaptureDeviceNames()) {
    list.devices.push_back({pcm, [pcm](const TWaveFormatExtensible& f, uint32_t* error) {
                              return wavein_detail::MakeAlsaSource(pcm, f, error);
                            }});
  }
  list.devices.push_back({kWaveInSimulatedName, wavein_detail::MakeSimulatedSource});
  list.devices.push_back({kWaveInRecordingName, wavein_detail::MakeRecordingSource});
  for (const TDeviceEntry& e : list.registered) list.devices.push_back(e);
  list.built = true;
}

std::atomic_ref<uint32_t> FlagsOf(TWaveHeader* h) { return std::atomic_ref<uint32_t>(h->dwFlags); }

struct TNotice {
  uint32_t message;
  uintptr_t param1;
};

}  // namespace

// One open device: a reader thread fills the queued headers in order from the
// source; callbacks are made under `callbackMutex`, taken before `mutex` is
// left, so that notices from the reader and from Reset/Close keep their order.
struct TWaveInDevice : public TWaveInCancel {
  std::mutex mutex;
  std::condition_variable changed;
  std::recursive_mutex callbackMutex;
  std::deque<TWaveHeader*> queue;
  bool started = false;
  bool closing = false;
  bool busy = false;    // the reader is filling queue.front() outside the mutex
  bool failed = false;  // the source is gone; no more input
  std::atomic<bool> cancel{false};
  std::unique_ptr<TWaveInSource> source;
  TWaveInCallback callback = nullptr;
  uintptr_t instance = 0;
  uint32_t blockAlign = 1;
  std::thread reader;

  // A device still open at exit (its owner never closed it) stops its reader.
  ~TWaveInDevice() override {
    {
      std::lock_guard lk(mutex);
      closing = true;
      cancel.store(true);
      changed.notify_all();
    }
    if (reader.joinable()) reader.join();
  }

  bool Cancelled() const override { return cancel.load(std::memory_order_acquire); }
  bool SleepUntil(int64_t deadlineNs) override {
    std::unique_lock lk(mutex);
    const auto deadline = std::chrono::steady_clock::time_point(std::chrono::nanoseconds(deadlineNs));
    return !changed.wait_until(lk, deadline, [this] { return cancel.load(std::memory_order_acquire); });
  }

  // Called with `lk` holding `mutex`; gives it back before returning.
  void Deliver(std::unique_lock<std::mutex>& lk, const std::vector<TNotice>& notices) {
    std::unique_lock cb(callbackMutex);
    lk.unlock();
    if (callback) {
      for (const TNotice& n : notices) callback(this, n.message, instance, n.param1, 0);
    }
  }

  // Returns, under the mutex, every queued header as done.
  std::vector<TNotice> TakeAllLocked() {
    std::vector<TNotice> out;
    for (TWaveHeader* h : queue) {
      FlagsOf(h).store((h->dwFlags & ~WHDR_INQUEUE) | WHDR_DONE, std::memory_order_release);
      out.push_back({WIM_DATA, reinterpret_cast<uintptr_t>(h)});
    }
    queue.clear();
    return out;
  }

  // Stops the reader's current fill and waits until it is idle.
  void HaltLocked(std::unique_lock<std::mutex>& lk) {
    cancel.store(true, std::memory_order_release);
    changed.notify_all();
    changed.wait(lk, [this] { return !busy; });
    if (started) {
      source->Stop();
      started = false;
    }
    cancel.store(false, std::memory_order_release);
  }

  void Run() {
    std::unique_lock lk(mutex);
    for (;;) {
      // While a halt is pending the reader stays out of the way, so that the
      // halting thread gets the mutex.
      changed.wait(lk, [this] { return closing || (started && !failed && !queue.empty() && !Cancelled()); });
      if (closing) break;
      TWaveHeader* h = queue.front();
      busy = true;
      lk.unlock();

      bool full = false;
      int error = 0;
      while (!Cancelled()) {
        const uint32_t framesLeft = (h->dwBufferLength - h->dwBytesRecorded) / blockAlign;
        if (framesLeft == 0) {
          full = true;
          break;
        }
        long got = source->Read(h->lpData + h->dwBytesRecorded, framesLeft, *this);
        if (got < 0) {
          error = static_cast<int>(-got);
          break;
        }
        h->dwBytesRecorded += static_cast<uint32_t>(got) * blockAlign;
      }
      const uint64_t lost = source->TakeOverrun();

      lk.lock();
      busy = false;
      std::vector<TNotice> out;
      if (lost) out.push_back({WIM_OVERRUN, static_cast<uintptr_t>(lost)});
      if (full && !queue.empty() && queue.front() == h) {
        queue.pop_front();
        FlagsOf(h).store((h->dwFlags & ~WHDR_INQUEUE) | WHDR_DONE, std::memory_order_release);
        out.push_back({WIM_DATA, reinterpret_cast<uintptr_t>(h)});
      }
      if (error) {
        failed = true;
        out.push_back({WIM_ERROR, static_cast<uintptr_t>(error)});
      }
      changed.notify_all();
      if (!out.empty()) {
        Deliver(lk, out);
        lk.lock();
      }
    }
  }
};

namespace {

struct TOpenDevices {
  std::mutex mutex;
  std::map<TWaveInDevice*, std::shared_ptr<TWaveInDevice>> open;
};

TOpenDevices& OpenDevices() {
  static TOpenDevices d;
  return d;
}

std::shared_ptr<TWaveInDevice> Lookup(HWAVEIN h) {
  TOpenDevices& d = OpenDevices();
  std::lock_guard lk(d.mutex);
  auto it = d.open.find(h);
  return it == d.open.end() ? nullptr : it->second;
}

}  // namespace

uint32_t WaveInGetNumDevs() {
  TDeviceList& list = Devices();
  std::lock_guard lk(list.mutex);
  if (!list.built) BuildLocked(list);
  return static_cast<uint32_t>(list.devices.size());
}

uint32_t WaveInGetDevCaps(uint32_t deviceId, TWaveInCaps* caps) {
  if (!caps) return MMSYSERR_INVALPARAM;
  TDeviceList& list = Devices();
  std::lock_guard lk(list.mutex);
  if (!list.built) BuildLocked(list);
  if (deviceId == WAVE_MAPPER) {
    caps->ProductName = "Default";
    return MMSYSERR_NOERROR;
  }
  if (deviceId >= list.devices.size()) return MMSYSERR_BADDEVICEID;
  caps->ProductName = list.devices[deviceId].name;
  return MMSYSERR_NOERROR;
}

void WaveInRefreshDevices() {
  TDeviceList& list = Devices();
  std::lock_guard lk(list.mutex);
  BuildLocked(list);
}

void WaveInRegisterDevice(const std::string& productName, TWaveInSourceFactory factory) {
  TDeviceList& list = Devices();
  std::lock_guard lk(list.mutex);
  list.registered.push_back({productName, std::move(factory)});
  if (list.built) list.devices.push_back(list.registered.back());
}

bool WaveInFormatSupported(const TWaveFormatExtensible& f) {
  const uint16_t container = f.wBitsPerSample;
  if (f.wFormatTag != WAVE_FORMAT_EXTENSIBLE_TAG && f.wFormatTag != WAVE_FORMAT_PCM_TAG) return false;
  if (f.nChannels < 1 || f.nChannels > 32 || f.nSamplesPerSec == 0) return false;
  if (container != 8 && container != 16 && container != 24 && container != 32) return false;
  if (f.nBlockAlign != container / 8 * f.nChannels) return false;
  if (f.wFormatTag == WAVE_FORMAT_EXTENSIBLE_TAG) {
    if (f.cbSize < 22 || f.SubFormat() != KSDATAFORMAT_SUBTYPE_PCM) return false;
    if (f.wValidBitsPerSample > container) return false;
  }
  return true;
}

uint32_t WaveInOpen(HWAVEIN* device, uint32_t deviceId, const TWaveFormatExtensible* format,
                    TWaveInCallback callback, uintptr_t instance, uint32_t flags) {
  if (!format) return MMSYSERR_INVALPARAM;
  const bool query = (flags & WAVE_FORMAT_QUERY) != 0;
  if (!query && !device) return MMSYSERR_INVALPARAM;
  if (callback && (flags & CALLBACK_FUNCTION) != CALLBACK_FUNCTION) return MMSYSERR_INVALFLAG;
  if (!WaveInFormatSupported(*format)) return WAVERR_BADFORMAT;

  TWaveInSourceFactory factory;
  {
    TDeviceList& list = Devices();
    std::lock_guard lk(list.mutex);
    if (!list.built) BuildLocked(list);
    if (deviceId == WAVE_MAPPER) {
      factory = [](const TWaveFormatExtensible& f, uint32_t* error) {
        return wavein_detail::MakeAlsaSource("default", f, error);
      };
    } else if (deviceId < list.devices.size()) {
      factory = list.devices[deviceId].factory;
    } else {
      return MMSYSERR_BADDEVICEID;
    }
  }
  uint32_t error = MMSYSERR_NOERROR;
  std::unique_ptr<TWaveInSource> source = factory(*format, &error);
  if (!source) return error ? error : MMSYSERR_ERROR;
  if (query) return MMSYSERR_NOERROR;

  auto dev = std::make_shared<TWaveInDevice>();
  dev->source = std::move(source);
  dev->callback = callback;
  dev->instance = instance;
  dev->blockAlign = format->nBlockAlign;
  {
    TOpenDevices& d = OpenDevices();
    std::lock_guard lk(d.mutex);
    d.open[dev.get()] = dev;
  }
  *device = dev.get();
  {
    std::unique_lock lk(dev->mutex);
    dev->Deliver(lk, {{WIM_OPEN, 0}});
  }
  dev->reader = std::thread([raw = dev.get()] { raw->Run(); });
  return MMSYSERR_NOERROR;
}

uint32_t WaveInPrepareHeader(HWAVEIN device, TWaveHeader* header, uint32_t headerSize) {
  if (!Lookup(device)) return MMSYSERR_INVALHANDLE;
  if (!header || headerSize < sizeof(TWaveHeader) || !header->lpData) return MMSYSERR_INVALPARAM;
  FlagsOf(header).fetch_or(WHDR_PREPARED, std::memory_order_acq_rel);
  return MMSYSERR_NOERROR;
}

uint32_t WaveInUnprepareHeader(HWAVEIN device, TWaveHeader* header, uint32_t headerSize) {
  auto dev = Lookup(device);
  if (!dev) return MMSYSERR_INVALHANDLE;
  if (!header || headerSize < sizeof(TWaveHeader)) return MMSYSERR_INVALPARAM;
  std::lock_guard lk(dev->mutex);
  if (FlagsOf(header).load(std::memory_order_acquire) & WHDR_INQUEUE) return WAVERR_STILLPLAYING;
  FlagsOf(header).fetch_and(~WHDR_PREPARED, std::memory_order_acq_rel);
  return MMSYSERR_NOERROR;
}

uint32_t WaveInAddBuffer(HWAVEIN device, TWaveHeader* header, uint32_t headerSize) {
  auto dev = Lookup(device);
  if (!dev) return MMSYSERR_INVALHANDLE;
  if (!header || headerSize < sizeof(TWaveHeader)) return MMSYSERR_INVALPARAM;
  std::lock_guard lk(dev->mutex);
  const uint32_t flags = FlagsOf(header).load(std::memory_order_acquire);
  if (!(flags & WHDR_PREPARED)) return WAVERR_UNPREPARED;
  if (flags & WHDR_INQUEUE) return WAVERR_STILLPLAYING;
  if (dev->closing) return MMSYSERR_INVALHANDLE;
  header->dwBytesRecorded = 0;
  FlagsOf(header).store((flags | WHDR_INQUEUE) & ~WHDR_DONE, std::memory_order_release);
  dev->queue.push_back(header);
  dev->changed.notify_all();
  return MMSYSERR_NOERROR;
}

uint32_t WaveInStart(HWAVEIN device) {
  auto dev = Lookup(device);
  if (!dev) return MMSYSERR_INVALHANDLE;
  std::lock_guard lk(dev->mutex);
  if (dev->failed) return MMSYSERR_NODRIVER;
  if (dev->started) return MMSYSERR_NOERROR;
  if (dev->source->Start() < 0) return MMSYSERR_ERROR;
  dev->started = true;
  dev->changed.notify_all();
  return MMSYSERR_NOERROR;
}

uint32_t WaveInStop(HWAVEIN device) {
  auto dev = Lookup(device);
  if (!dev) return MMSYSERR_INVALHANDLE;
  std::unique_lock lk(dev->mutex);
  dev->HaltLocked(lk);
  std::vector<TNotice> out;
  if (!dev->queue.empty() && dev->queue.front()->dwBytesRecorded > 0) {
    TWaveHeader* h = dev->queue.front();
    dev->queue.pop_front();
    FlagsOf(h).store((h->dwFlags & ~WHDR_INQUEUE) | WHDR_DONE, std::memory_order_release);
    out.push_back({WIM_DATA, reinterpret_cast<uintptr_t>(h)});
  }
  dev->Deliver(lk, out);
  return MMSYSERR_NOERROR;
}

uint32_t WaveInReset(HWAVEIN device) {
  auto dev = Lookup(device);
  if (!dev) return MMSYSERR_INVALHANDLE;
  std::unique_lock lk(dev->mutex);
  dev->HaltLocked(lk);
  dev->Deliver(lk, dev->TakeAllLocked());
  return MMSYSERR_NOERROR;
}

uint32_t WaveInClose(HWAVEIN device) {
  auto dev = Lookup(device);
  if (!dev) return MMSYSERR_INVALHANDLE;
  {
    std::unique_lock lk(dev->mutex);
    if (!dev->queue.empty()) return WAVERR_STILLPLAYING;
    if (dev->closing) return MMSYSERR_INVALHANDLE;
    dev->HaltLocked(lk);
    dev->closing = true;
    dev->changed.notify_all();
  }
  if (dev->reader.joinable()) dev->reader.join();
  {
    TOpenDevices& d = OpenDevices();
    std::lock_guard lk(d.mutex);
    d.open.erase(dev.get());
  }
  dev->source.reset();
  std::unique_lock lk(dev->mutex);
  dev->Deliver(lk, {{WIM_CLOSE, 0}});
  return MMSYSERR_NOERROR;
}

uint32_t WaveInHeaderFlags(const TWaveHeader* header) {
  return std::atomic_ref<uint32_t>(const_cast<TWaveHeader*>(header)->dwFlags).load(std::memory_order_acquire);
}
