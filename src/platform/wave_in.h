#pragma once
// Waveform-audio input: our own small capture service in the shape the
// capture component expects of a sound-card input. Devices are counted and
// named, opened by id (WAVE_MAPPER opens the system's default input) with
// the 40-byte format record and a callback, fed with prepared buffers, started,
// reset (every queued buffer comes back) and closed.
//
// Devices, in id order: the ALSA capture PCMs of the machine (their stable
// names, as `arecord -L` lists them), then the virtual devices "Simulated
// sensors" and "Recording", then any devices a program registers itself.
//
// The callback reports, in order and from one thread at a time: WIM_OPEN
// (during WaveInOpen), WIM_DATA once per filled or returned buffer (parameter
// 1 is the header), WIM_OVERRUN when input was lost and capture recovered,
// WIM_ERROR when the device failed and capture ended (parameter 1 is the
// error code; the buffers stay queued until WaveInReset), and WIM_CLOSE
// (during WaveInClose). The callback must not call the WaveIn functions of
// the same device except WaveInAddBuffer/WaveInPrepareHeader; it should only
// hand the notice on.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/wave_format.h"

struct TWaveInDevice;
using HWAVEIN = TWaveInDevice*;

// Result codes (0 is success).
inline constexpr uint32_t MMSYSERR_NOERROR = 0;
inline constexpr uint32_t MMSYSERR_ERROR = 1;
inline constexpr uint32_t MMSYSERR_BADDEVICEID = 2;
inline constexpr uint32_t MMSYSERR_ALLOCATED = 4;
inline constexpr uint32_t MMSYSERR_INVALHANDLE = 5;
inline constexpr uint32_t MMSYSERR_NODRIVER = 6;
inline constexpr uint32_t MMSYSERR_NOMEM = 7;
inline constexpr uint32_t MMSYSERR_INVALFLAG = 10;
inline constexpr uint32_t MMSYSERR_INVALPARAM = 11;
inline constexpr uint32_t WAVERR_BADFORMAT = 32;
inline constexpr uint32_t WAVERR_STILLPLAYING = 33;
inline constexpr uint32_t WAVERR_UNPREPARED = 34;

// Callback messages.
inline constexpr uint32_t WIM_OPEN = 0x3BE;     // 958
inline constexpr uint32_t WIM_CLOSE = 0x3BF;    // 959
inline constexpr uint32_t WIM_DATA = 0x3C0;     // 960
inline constexpr uint32_t WIM_OVERRUN = 0x3C1;  // 961, parameter 1: overruns recovered since the last notice
inline constexpr uint32_t WIM_ERROR = 0x3C2;    // 962, parameter 1: error code (an errno value)

inline constexpr uint32_t WAVE_MAPPER = 0xFFFFFFFFu;

// Open flags. Only the callback-function kind is supported.
inline constexpr uint32_t CALLBACK_FUNCTION = 0x00030000u;
inline constexpr uint32_t WAVE_ALLOWSYNC = 0x0002u;
inline constexpr uint32_t WAVE_MAPPED = 0x0004u;
inline constexpr uint32_t WAVE_FORMAT_QUERY = 0x0001u;

// Header flags.
inline constexpr uint32_t WHDR_DONE = 0x01;
inline constexpr uint32_t WHDR_PREPARED = 0x02;
inline constexpr uint32_t WHDR_INQUEUE = 0x10;

// A buffer handed to a device. dwFlags is written by the device's thread;
// read it with WaveInHeaderFlags from other threads.
struct TWaveHeader {
  uint8_t* lpData = nullptr;
  uint32_t dwBufferLength = 0;
  uint32_t dwBytesRecorded = 0;
  uintptr_t dwUser = 0;
  uint32_t dwFlags = 0;
  uint32_t dwLoops = 0;
  TWaveHeader* lpNext = nullptr;
  uintptr_t reserved = 0;
};

struct TWaveInCaps {
  std::string ProductName;  // the full stable name; never empty
};

using TWaveInCallback = void (*)(HWAVEIN device, uint32_t message, uintptr_t instance,
                                 uintptr_t param1, uintptr_t param2);

uint32_t WaveInGetNumDevs();
uint32_t WaveInGetDevCaps(uint32_t deviceId, TWaveInCaps* caps);
// Enumerates the devices again (the list is otherwise taken once and kept,
// so that ids stay stable).
void WaveInRefreshDevices();

uint32_t WaveInOpen(HWAVEIN* device, uint32_t deviceId, const TWaveFormatExtensible* format,
                    TWaveInCallback callback, uintptr_t instance, uint32_t flags);
uint32_t WaveInPrepareHeader(HWAVEIN device, TWaveHeader* header, uint32_t headerSize);
uint32_t WaveInUnprepareHeader(HWAVEIN device, TWaveHeader* header, uint32_t headerSize);
uint32_t WaveInAddBuffer(HWAVEIN device, TWaveHeader* header, uint32_t headerSize);
uint32_t WaveInStart(HWAVEIN device);
uint32_t WaveInStop(HWAVEIN device);
// Stops input and returns every queued buffer (WIM_DATA, in queue order,
// the one being filled with what it holds) before it returns.
uint32_t WaveInReset(HWAVEIN device);
uint32_t WaveInClose(HWAVEIN device);

// The header's flags as the device last published them.
uint32_t WaveInHeaderFlags(const TWaveHeader* header);

// True when the record describes PCM sound this layer can deliver:
// 1..32 channels, container of 8, 16, 24 or 32 bits with matching block
// align, valid bits within the container, a positive rate.
bool WaveInFormatSupported(const TWaveFormatExtensible& format);

// ---------------------------------------------------------------- sources
// What a device reads from. Start/Stop/Read are called from one thread at a
// time. Read fills up to `frames` frames and answers how many (0 when told
// to cancel), or a negative errno value when the device is gone for good.
class TWaveInCancel {
public:
  virtual ~TWaveInCancel() = default;
  virtual bool Cancelled() const = 0;
  // Sleeps until the deadline (steady clock, nanoseconds since its epoch);
  // false when cancelled first.
  virtual bool SleepUntil(int64_t steadyDeadlineNs) = 0;
};

class TWaveInSource {
public:
  virtual ~TWaveInSource() = default;
  virtual int Start() = 0;  // 0 or a negative errno value
  virtual void Stop() = 0;
  virtual long Read(uint8_t* data, uint32_t frames, TWaveInCancel& cancel) = 0;
  // Overruns recovered since the last call (input was lost); 0 when none.
  virtual uint64_t TakeOverrun() { return 0; }
};

// Makes a source for an opened format, or answers an error code
// (WAVERR_BADFORMAT when the format is refused) and nothing.
using TWaveInSourceFactory =
    std::function<std::unique_ptr<TWaveInSource>(const TWaveFormatExtensible& format, uint32_t* error)>;

// Adds a device of the program's own, listed after the built-in ones.
void WaveInRegisterDevice(const std::string& productName, TWaveInSourceFactory factory);

// ------------------------------------------------------- virtual devices
inline constexpr const char* kWaveInSimulatedName = "Simulated sensors";
inline constexpr const char* kWaveInRecordingName = "Recording";

// A recording the simulated sensors play instead of their pulses: both
// inputs from the start, then the stretch [LoopBegin, LoopEnd) over and over
// (an idle stretch, so the input stays alive). Full scale 1.0; shared and
// never changed once made, so a capture thread may read it while the next
// one is being made.
struct TSimulatedPlayback {
  int Rate = 44100;               // samples/s
  std::vector<double> Left, Right;
  size_t LoopBegin = 0, LoopEnd = 0;  // LoopBegin < LoopEnd <= Left.size()
};

// The teaching experiment as the simulated sensors see it: each strike at the
// epicenter sends a short decaying pulse that reaches a station after its
// distance / velocity. The left input is sensor A, the right one sensor B or C.
struct TSimulatedSensors {
  double EpicenterX = 500, EpicenterY = 450;     // mm
  double StationX[3] = {200, 900, 600};           // A, B, C, mm
  double StationY[3] = {300, 200, 800};
  double Velocity = 120000;                       // mm/s
  double StrikePeriod = 1.0;                      // s between strikes
  double FirstStrike = 0.25;                      // s after start of input
  int RightSensor = 1;                            // 1 = B, 2 = C
  double Amplitude = 0.8;                         // of full scale
  double DecayTime = 0.01;                        // s
  double PulseFrequency = 150;                    // Hz
  double NoiseLevel = 0.005;                      // of full scale
  uint32_t Seed = 12345;
  // When set, played instead of the pulses and the noise above.
  std::shared_ptr<const TSimulatedPlayback> Playback;
};

// Taken by each simulated device when it starts.
void WaveInSetSimulatedSensors(const TSimulatedSensors& settings);
TSimulatedSensors WaveInGetSimulatedSensors();
// The sample value (-1..1) of sensor `sensor` (0..2) at time t seconds after
// the start of input, without noise: what the simulated device generates.
double WaveInSimulatedSignal(const TSimulatedSensors& settings, int sensor, double t);

// The WAV file the "Recording" device plays back (in a loop), read when the
// device is opened. Opening fails with MMSYSERR_NODRIVER without a readable
// file.
void WaveInSetRecordingFile(const std::string& path);
std::string WaveInGetRecordingFile();

// Pace of the virtual devices: 1 is real time, 4 four times as fast, 0 as
// fast as the buffers are taken. Meant for tests and demonstrations.
void WaveInSetVirtualPace(double factor);
