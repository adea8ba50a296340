#pragma once
// A channel's trace: which samples are in view, their pixel coordinates
// (one minimum and one maximum per pixel column when many more samples than
// columns are in view), cached between repaints while neither the data nor
// the geometry change.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QVector>

#include "buffers/buffer_interfaces.h"
#include "scope/axes/axes.h"

class TLPCanvas;

// Everything the pixel positions of a trace depend on. A cached trace is
// reused only while all of these are unchanged, so no setter can leave a
// stale picture: add any new input of the pixel mapping here.
struct TSLTraceKeys {
  const void* yData = nullptr;  // channel data identity and size
  const void* xData = nullptr;
  int count = -1, xCount = -1;
  bool uniformX = false;
  QRect view;  // geometry
  bool vertical = false;
  // Both axes: shown range and the data and tick limits that convert
  // sample numbers into tick units, scale mode and direction.
  TSLRange shownX, shownY, dataX, dataY, tickX, tickY;
  bool logX = false, logY = false, reversedY = false;
  bool operator==(const TSLTraceKeys&) const = default;

  static TSLTraceKeys Of(const TRef<ISLRealBuffer>& y, const TRef<ISLRealBuffer>& x, bool uniformX,
                         TSLDisplayAxis* xAxis, TSLDisplayAxis* yAxis, const QRect& view, bool vertical);
};

class TSLTraceCache {
public:
  // Prepares the pixel arrays for the channel's display buffers (Y values,
  // X values, uniform X) against its axes; `newData` forces a rebuild.
  void Prepare(const TRef<ISLRealBuffer>& y, const TRef<ISLRealBuffer>& x, bool uniformX, bool newData,
               TSLDisplayAxis* xAxis, TSLDisplayAxis* yAxis, const QRect& view, bool vertical);
  void Clear();

  // The drawn vertices (two per column when reduced) and the positions
  // where the line is interrupted (a vertex that starts a new piece).
  const QVector<QPoint>& Points() const { return points_; }
  const QVector<int>& Breaks() const { return breaks_; }
  // Calls `draw` with each unbroken run of vertices.
  template <typename F>
  void ForEachPiece(F&& draw) const {
    int from = 0;
    for (int b : breaks_) {
      if (b > from) draw(points_.constData() + from, b - from);
      from = b;
    }
    if (points_.size() > from) draw(points_.constData() + from, int(points_.size()) - from);
  }
  bool Reduced() const { return reduced_; }
  // Per vertex, the first and last sample index it stands for (equal unless
  // reduced), and the box around all vertices (pointer hit pre-test).
  const QVector<int>& VertexFirstSample() const { return vertexFirst_; }
  const QVector<int>& VertexLastSample() const { return vertexLast_; }
  // Reduced: per vertex the value it stands at (its column's minimum or
  // maximum, as the Y axis scales it), so that a hit reads the value along
  // a drawn segment without visiting the samples; empty otherwise.
  const QVector<double>& VertexValues() const { return vertexValues_; }
  QRect BoundingBox() const { return box_; }
  // Whether the vertices' X never decreases (a horizontal trace of evenly
  // spaced or sorted samples): a hit test may look only near its column.
  bool SortedAlongX() const { return sortedX_; }
  int FirstSample() const { return first_; }
  int UsedCount() const { return used_; }
  // Draws a reduced horizontal trace one pixel wide straight into a 32-bit
  // image: per column the span from its minimum to its maximum, joined to
  // the previous column's last vertex, clipped to `clip`. The pixels are the
  // ones a polyline through the vertices covers, give or take the joining
  // step's half-way split. False when the trace is not of that kind.
  bool DrawSpans(QImage& image, const QRect& clip, QRgb color) const;
  // How often the pixel arrays were rebuilt (a hover must not rebuild).
  int Rebuilds() const { return rebuilds_; }

private:
  void BuildPixels(const double* values, int count, double scale, double offset, QVector<int>& out);

  TSLTraceKeys keys_;
  double dataMinX_ = 0, dataMaxX_ = 0;
  QVector<QPoint> points_;
  QVector<int> breaks_;
  // Scratch arrays kept between rebuilds, so a new block allocates nothing.
  QVector<double> scratch_, mins_, maxs_, xData_, yLog_;
  QVector<int> bounds_, xs_, ys_, lows_, highs_;
  QVector<int> vertexFirst_, vertexLast_;
  QVector<double> vertexValues_;
  QRect box_;
  bool sortedX_ = false;
  void ComputeBox();
  bool reduced_ = false;
  bool vertical_ = false;
  int first_ = 0, used_ = 0, rebuilds_ = 0;
};
