#pragma once
// Rounding of map and solver values: to the nearest integer, halves to the
// even neighbour (Round(50.5) = 50, Round(100.5) = 100, Round(1.5) = 2),
// independent of the floating-point environment's rounding mode.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

// Decimals for times in milliseconds, as the read-out and the report show
// them: two digits of a sample's length after the point (0.13 ms at 8000
// samples/s, 0.023 ms at 44100).
inline int SampleTimeDecimals(double sampleMs) {
  return sampleMs > 0 ? std::clamp(1 - int(std::floor(std::log10(sampleMs))), 0, 6) : 2;
}

// NaN gives 0; values beyond the 64-bit range saturate.
inline int64_t RoundHalfEven(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 9.2233720368547758e18) return std::numeric_limits<int64_t>::max();
  if (v <= -9.2233720368547758e18) return std::numeric_limits<int64_t>::min();
  double f = std::floor(v);
  double diff = v - f;
  if (diff > 0.5 || (diff == 0.5 && std::fmod(f, 2.0) != 0.0)) f += 1.0;
  return static_cast<int64_t>(f);
}

// The same, saturated to a 32-bit field.
inline int32_t RoundHalfEven32(double v) {
  int64_t r = RoundHalfEven(v);
  if (r > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (r < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(r);
}
