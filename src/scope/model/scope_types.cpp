#include "scope/model/scope_types.h"

#include <array>

#include "draw/published_property.h"

QColor SLLeastUsedColor(const QList<QColor>& used) {
  static const std::array<unsigned, 14> palette = {255,      65280,   16711680, 65535,   16776960,
                                                   15793151, 32896,   16777215, 12632256, 8388736,
                                                   16711935, 16776960, 8421376, 8388608};
  int best = 0, bestCount = INT32_MAX;
  for (int i = 0; i < int(palette.size()); ++i) {
    const QColor c = TColorFromRef(palette[i]);
    const int n = int(used.count(c));
    if (n < bestCount) {
      best = i;
      bestCount = n;
    }
  }
  return TColorFromRef(palette[best]);
}
