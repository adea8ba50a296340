#include "app/run/region_picture.h"

#include "app/experiment/fitting_region.h"

QImage RegionPicture(const TFittingRegion& region, QRect* cells) {
  const int w = region.columns, h = region.rows;
  QRect box;
  for (int r = 0; r < h; ++r)
    for (int c = 0; c < w; ++c)
      if (region.mask[static_cast<size_t>(r) * w + c]) box |= QRect(c, r, 1, 1);
  if (cells) *cells = box;
  if (box.isEmpty()) return QImage();
  QImage picture(box.size(), QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  auto in = [&](int c, int r) { return c >= 0 && r >= 0 && c < w && r < h && region.mask[static_cast<size_t>(r) * w + c]; };
  for (int r = box.top(); r <= box.bottom(); ++r)
    for (int c = box.left(); c <= box.right(); ++c) {
      if (!in(c, r)) continue;
      // The map's own edge is not the region's.
      auto beyond = [&](int cc, int rr) { return cc < 0 || rr < 0 || cc >= w || rr >= h; };
      const bool edge = (!in(c - 1, r) && !beyond(c - 1, r)) || (!in(c + 1, r) && !beyond(c + 1, r)) ||
                        (!in(c, r - 1) && !beyond(c, r - 1)) || (!in(c, r + 1) && !beyond(c, r + 1));
      picture.setPixelColor(c - box.left(), r - box.top(), edge ? kRegionEdge : kRegionFill);
    }
  return picture;
}
