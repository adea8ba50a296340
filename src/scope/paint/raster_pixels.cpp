#include "scope/paint/raster_pixels.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>

QImage* SLRasterPixels(QPainter* painter, int& ratio) {
  QPaintEngine* engine = painter ? painter->paintEngine() : nullptr;
  auto* image = engine && engine->type() == QPaintEngine::Raster ? dynamic_cast<QImage*>(engine->paintDevice()) : nullptr;
  const QTransform toDevice = painter ? painter->deviceTransform() : QTransform();
  ratio = qRound(toDevice.m11());
  const bool direct = image && image->isDetached() &&
                      (image->format() == QImage::Format_RGB32 || image->format() == QImage::Format_ARGB32 ||
                       image->format() == QImage::Format_ARGB32_Premultiplied) &&
                      toDevice.type() <= QTransform::TxScale && ratio >= 1 && toDevice.m11() == ratio &&
                      toDevice.m22() == ratio && toDevice.dx() == std::floor(toDevice.dx()) &&
                      toDevice.dy() == std::floor(toDevice.dy());
  return direct ? image : nullptr;
}
