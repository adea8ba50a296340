#include "app/windows/capture_device_option.h"

#include "app/windows/acquisition_form.h"
#include "app/windows/listen_form.h"
#include "app/windows/main_form.h"
#include "app/sensors/simulated_sensors.h"
#include "app/windows/windows.h"
#include "audio/audio_in.h"
#include "platform/wav_file.h"
#include "platform/wave_in.h"

#include <algorithm>

std::vector<std::string> OpenableDeviceNames() {
  std::vector<std::string> names{"Default"};
  const uint32_t count = WaveInGetNumDevs();
  for (uint32_t id = 0; id < count; ++id) {
    TWaveInCaps caps;
    if (WaveInGetDevCaps(id, &caps) == MMSYSERR_NOERROR) names.push_back(caps.ProductName);
  }
  return names;
}

std::string CaptureDeviceError(const std::string& name, const std::string& recording) {
  const std::vector<std::string> names = OpenableDeviceNames();
  // The capture component opens the default input for any name it does
  // not know: a typing error would record from the wrong device unnoticed.
  if (std::find(names.begin(), names.end(), name) == names.end())
    return "no input device is named '" + name + "' (tremora --list-devices shows the names)";
  if (name == kWaveInRecordingName) {
    if (recording.empty()) return "the device 'Recording' needs --recording FILE.wav";
    TWavData wav;
    std::string why;
    if (!ReadWavFile(recording, wav, &why) || wav.Frames() == 0)
      return why.empty() ? "cannot play back '" + recording + "': it holds no sound" : "cannot play back " + why;
  } else if (!recording.empty()) {
    return "--recording is for the device 'Recording'";
  }
  return {};
}

void UseCaptureDevice(const QString& name) {
  Form3->AI->Device()->SetDeviceName(name);
  Form4->AIOsc->Device()->SetDeviceName(name);
  Form1->OfferStrikePoint(UsesSimulatedSensors(Form3->AI));
}
