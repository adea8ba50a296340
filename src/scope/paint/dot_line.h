#pragma once
// Dotted lines along a row or a column (a cursor drag's preview line and
// connector), written straight into the pixels a raster painter paints on.
// Qt's cosmetic stroker dots such a line pixel by pixel through the paint's
// clip, a larger part of a drag step than all else the step paints; the
// dots here are the ones the stroker puts, found once for a pen by letting
// it dot a long line.

#include <QPen>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QVector>

class QPainter;

class TSLDotLine {
public:
  // Draws a-b as QPainter::drawLine does with the painter's pen, the
  // painter clipped at the rectangle `clip`; through drawLine itself when
  // the pixels cannot be written as it writes them (a scaled or rotated
  // painter, antialiasing, a translucent or wide pen, a slanted line, one
  // reaching beyond the clip, another clip).
  void Draw(QPainter* painter, const QPoint& a, const QPoint& b, const QRect& clip);

private:
  // Per direction (right, left, down, up): which pixels from the start on
  // the stroker sets, and the value it writes.
  struct TProbe {
    QVector<bool> on;
    bool usable = false;
  };
  void Probe(const QPen& pen, int length);
  QPen pen_;
  int length_ = -1;
  QRgb value_ = 0;
  TProbe probes_[4];
};
