#pragma once
// Finding the pulse in a block: the first sample whose magnitude reaches
// the detection threshold, and the time it stands for. The acquisition
// window and `--analyze` share it, so both find the same times.

#include <cmath>
#include <cstdint>

// Index of the first sample with |value| >= threshold; `size` when none.
inline int FirstPulseSample(const double* data, int size, double threshold) {
  int index = 0;
  while (index < size && std::fabs(data[index]) < threshold) ++index;
  return index;
}

// Seconds from the start of a block of `size` samples that spans
// `acquisitionTime` seconds.
inline double PulseSampleTime(int index, int size, int32_t acquisitionTime) {
  return static_cast<double>(index) / size * acquisitionTime;
}
