#pragma once
// The built-in sources behind the wave-input devices.

#include <memory>
#include <string>
#include <vector>

#include "platform/wave_in.h"

namespace wavein_detail {

// Stable names of the ALSA PCMs that can capture, in the order ALSA lists
// them, without "default" (reached through WAVE_MAPPER).
std::vector<std::string> AlsaCaptureDeviceNames();
std::unique_ptr<TWaveInSource> MakeAlsaSource(const std::string& pcmName, const TWaveFormatExtensible& format,
                                              uint32_t* error);
std::unique_ptr<TWaveInSource> MakeSimulatedSource(const TWaveFormatExtensible& format, uint32_t* error);
std::unique_ptr<TWaveInSource> MakeRecordingSource(const TWaveFormatExtensible& format, uint32_t* error);

// Writes `value` (-1..1, clamped) as one sample of the record's width.
void StoreSample(uint8_t* at, double value, const TWaveFormatExtensible& format);

double VirtualPace();

}  // namespace wavein_detail
