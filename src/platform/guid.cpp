#include "platform/guid.h"

#include <cstdio>

std::string TGUID::ToString() const {
  char buf[40];
  std::snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", D1, D2, D3,
                D4[0], D4[1], D4[2], D4[3], D4[4], D4[5], D4[6], D4[7]);
  return buf;
}

std::optional<TGUID> TGUID::Parse(std::string_view text) {
  bool ok = false;
  TGUID g = guid_detail::ParseCore(text, ok);
  if (!ok) return std::nullopt;
  return g;
}
