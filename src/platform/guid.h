#pragma once
// Interface and stream identifiers: 128-bit GUIDs with their registry text form
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

struct TGUID {
  uint32_t D1 = 0;
  uint16_t D2 = 0;
  uint16_t D3 = 0;
  std::array<uint8_t, 8> D4{};

  constexpr bool IsNull() const {
    if (D1 || D2 || D3) return false;
    for (auto b : D4)
      if (b) return false;
    return true;
  }
  friend constexpr bool operator==(const TGUID&, const TGUID&) = default;

  // "{D1-D2-D3-D4[0..1]-D4[2..7]}" in upper-case hexadecimal.
  std::string ToString() const;
  // Accepts the text form with or without braces; nullopt when malformed.
  static std::optional<TGUID> Parse(std::string_view text);
  // For literals known to be well formed; a malformed literal fails to compile
  // when used in a constant expression.
  static constexpr TGUID FromLiteral(std::string_view text);
};

namespace guid_detail {
constexpr int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
// Parses the 36 characters "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX"; ok false on error.
constexpr TGUID ParseCore(std::string_view s, bool& ok) {
  TGUID g{};
  ok = false;
  if (s.size() == 38 && s.front() == '{' && s.back() == '}') s = s.substr(1, 36);
  if (s.size() != 36 || s[8] != '-' || s[13] != '-' || s[18] != '-' || s[23] != '-') return g;
  uint8_t bytes[16]{};
  size_t pos = 0;
  for (int i = 0; i < 16; ++i) {
    if (pos == 8 || pos == 13 || pos == 18 || pos == 23) ++pos;
    int hi = HexValue(s[pos]), lo = HexValue(s[pos + 1]);
    if (hi < 0 || lo < 0) return g;
    bytes[i] = static_cast<uint8_t>(hi * 16 + lo);
    pos += 2;
  }
  g.D1 = (uint32_t(bytes[0]) << 24) | (uint32_t(bytes[1]) << 16) | (uint32_t(bytes[2]) << 8) | bytes[3];
  g.D2 = static_cast<uint16_t>((bytes[4] << 8) | bytes[5]);
  g.D3 = static_cast<uint16_t>((bytes[6] << 8) | bytes[7]);
  for (int i = 0; i < 8; ++i) g.D4[i] = bytes[8 + i];
  ok = true;
  return g;
}
}  // namespace guid_detail

constexpr TGUID TGUID::FromLiteral(std::string_view text) {
  bool ok = false;
  TGUID g = guid_detail::ParseCore(text, ok);
  if (!ok) throw "malformed GUID literal";  // compile-time error in constant evaluation
  return g;
}

template <>
struct std::hash<TGUID> {
  size_t operator()(const TGUID& g) const noexcept {
    uint64_t a = (uint64_t(g.D1) << 32) | (uint64_t(g.D2) << 16) | g.D3;
    uint64_t b = 0;
    for (auto x : g.D4) b = (b << 8) | x;
    return std::hash<uint64_t>{}(a ^ (b * 0x9E3779B97F4A7C15ull));
  }
};
