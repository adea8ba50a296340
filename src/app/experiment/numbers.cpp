#include "app/experiment/numbers.h"

#include <charconv>
#include <cmath>

bool ParseNumber(const std::string& text, double& value) {
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  return first != last && ec == std::errc() && ptr == last && std::isfinite(value);
}

std::string FixedPoint(double value, int decimals) {
  char buf[384];  // the widest double in fixed notation, with its decimals
  const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  return result.ec == std::errc() ? std::string(buf, result.ptr) : ShortestNumber(value);
}

std::string ShortestNumber(double value) {
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, result.ptr);
}
