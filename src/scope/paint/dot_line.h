#pragma once
// Dotted and solid 1-pixel lines along a row or a column (a cursor's line,
// a drag's preview line and connector), written straight into the pixels a
// raster painter paints on. Qt's cosmetic stroker sets such a line pixel by
// pixel through the paint's clip, a larger part of a drag step than all
// else the step paints; the pixels here are the ones the stroker sets,
// found once for a pen by letting it stroke a long line.

#include <QPen>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QVector>

class QPainter;

class TSLDotLine {
public:
  // Draws a-b as QPainter::drawLine does with the painter's pen, the
  // painter clipped at the rectangle `clip` (a null one: not clipped but
  // for the paint's region); through drawLine itself when
  // the pixels cannot be written as it writes them (a scaled or rotated
  // painter, antialiasing, a translucent or wide pen, a slanted line, one
  // reaching beyond the clip, another clip).
  void Draw(QPainter* painter, const QPoint& a, const QPoint& b, const QRect& clip);

private:
  // For a pen, per direction (right, left, down, up), which pixels from
  // the start on the stroker sets, and the value it writes.
  struct TProbe {
    QVector<bool> on;
    bool usable = false;
  };
  struct TPenPixels {
    QPen pen;
    int length = -1;
    QRgb value = 0;
    TProbe probes[4];
  };
  // The pens' pixels, found for a line of at least `length` pixels. A few
  // pens are kept (a cursor's own and the drag's alternate, the axes' track
  // marks in every paint); another one replaces the oldest.
  const TPenPixels& Probe(const QPen& pen, int length);
  QVector<TPenPixels> pens_;
};
