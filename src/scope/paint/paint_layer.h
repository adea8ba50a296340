#pragma once
// A cached part of the display's picture: an image at the target's device
// pixel ratio, painted again only when its key (everything it shows that
// can change) differs from the one it was painted for.

#include <QImage>
#include <QSize>
#include <QtMath>

template <class Key>
class TSLPaintLayer {
public:
  bool Stale(const Key& key, const QSize& size, qreal dpr) const {
    return image_.isNull() || size_ != size || image_.devicePixelRatio() != dpr || !(key_ == key);
  }
  // The image to paint again for `key`: the previous one when the size
  // stays (its pixels are all painted over), so a repaint allocates nothing.
  QImage& Renew(const Key& key, const QSize& size, qreal dpr) {
    const QSize device(qCeil(size.width() * dpr), qCeil(size.height() * dpr));
    if (image_.size() != device) image_ = QImage(device, QImage::Format_RGB32);
    image_.setDevicePixelRatio(dpr);
    size_ = size;
    key_ = key;
    ++builds_;
    return image_;
  }
  const QImage& Image() const { return image_; }
  // Paintings so far: a layer drawn over this one keys on it.
  int Builds() const { return builds_; }

private:
  QImage image_;
  QSize size_;
  Key key_{};
  int builds_ = 0;
};
