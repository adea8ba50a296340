#pragma once
// The fitting region: every map point whose predicted delays agree with the
// measured ones within their uncertainties, so the class sees how far the
// epicenter can be trusted and whether the times allow a second place.
//
// A point P fits when, for each known delay d (seconds) with uncertainty e,
// the distance difference |PB| - |PA| (or |PC| - |PA|) lies in
// {v'·t : v' in [v - σv, v + σv], t in [d - e, d + e]}. Each delay is
// bounded on its own: with σv > 0 one P may fit delay B at one velocity and
// delay C at another, so the region is then a superset of the points that
// fit both at one common velocity.
//
// The map is cut into square cells and a cell is kept when the difference at
// its centre, widened by the cell's diagonal (each distance changes by at
// most half the diagonal across the cell), meets the allowed interval; a cell
// let in by that widening alone is checked again by quarters, down to a
// sixteenth of a cell, which drops most cells that hold no fitting point. So the region holds every
// fitting point and is at most one cell wider than the exact one; a
// continuous band of fitting points gives 8-adjacent cells.

#include <cstdint>
#include <optional>
#include <vector>

// One measured delay: the later time of a pair minus station A's time in the
// same block.
struct TRegionDelay {
  bool known = false;       // false when that pair was not recorded
  double seconds = 0.0;
  double uncertainty = 0.0;  // seconds; zero or negative means exact
};

struct TFittingRegionInput {
  double stationX[3] = {};  // A, B, C in mm, origin top-left, y down
  double stationY[3] = {};
  double velocity = 0.0;             // mm/s
  double velocityUncertainty = 0.0;  // mm/s; zero while the velocity is a set value
  TRegionDelay delayB;               // tB - tA of the pair A+B
  TRegionDelay delayC;               // tC - tA of the pair A+C
  double mapWidth = 1400.0;          // mm
  double mapHeight = 1000.0;
  double cellSize = 2.0;  // mm; one map pixel
};

enum class TRegionVerdict {
  Fits,          // at least one part
  CannotTell,    // no delay known: every point fits, one part covering the map
  NothingFits,   // empty; see TNoFitDiagnosis
  InvalidInput,  // see TInputFault; empty
};

enum class TInputFault {
  None,
  StationNotFinite,
  VelocityNotPositive,         // zero, negative, NaN or infinite
  VelocityUncertaintyNotFinite,
  DelayNotFinite,              // a known delay's seconds or uncertainty
  BadGrid,                     // map size or cell size not positive, or too many cells
};

enum class TNoFitReason {
  None,
  // |d|·v (at the most favourable ends of both intervals) is larger than the
  // distance between A and the delay's station: the pulse cannot take longer
  // between two stations than going straight from one to the other.
  DelayLongerThanStations,
  // The delay alone fits only at points off the map.
  DelayOffMap,
  // Each delay fits somewhere on the map, but never at the same point.
  NoCommonPoint,
};

struct TNoFitDiagnosis {
  TNoFitReason reason = TNoFitReason::None;
  int delay = -1;  // 0 = delay B, 1 = delay C; -1 for NoCommonPoint
  double seconds = 0.0;             // that delay as measured
  double uncertainty = 0.0;
  double shortestTravel = 0.0;      // mm, the least |distance difference| the delay allows
  double stationDistance = 0.0;     // mm, |AB| or |AC|
  // NoCommonPoint: the map point of least misfit and its misfit.
  double bestX = 0.0, bestY = 0.0, bestChi2 = 0.0;
};

// A connected part of the region (8-connected cells).
struct TRegionPart {
  int cells = 0;
  int firstColumn = 0, lastColumn = 0;  // bounding box in cells, inclusive
  int firstRow = 0, lastRow = 0;
  double minX = 0, minY = 0, maxX = 0, maxY = 0;  // the same box in mm, clipped to the map
  // The point of least misfit χ² = Σ ((predicted - measured) / uncertainty)²
  // over the known delays (nominal velocity), refined below cell size and
  // kept on the map and in the part's cells.
  double bestX = 0, bestY = 0, chi2 = 0;
  bool bestFits = false;  // the best point really fits (not only the cell bound)
};

struct TRegionPoint {
  double x = 0, y = 0, distance = 0;
};

struct TFittingRegion {
  TRegionVerdict verdict = TRegionVerdict::InvalidInput;
  TInputFault fault = TInputFault::None;
  TNoFitDiagnosis noFit;

  int columns = 0, rows = 0;
  double cellSize = 0, mapWidth = 0, mapHeight = 0;
  // Per cell, row-major (index row * columns + column): 1 when in the region.
  std::vector<uint8_t> mask;
  // Per cell: 0 outside, k for parts[k - 1].
  std::vector<int32_t> label;
  // Best fit first (least χ², then most cells).
  std::vector<TRegionPart> parts;

  bool Empty() const { return parts.empty(); }
  // The part (index into parts) whose cells hold (x, y); -1 for none.
  int PartAt(double x, double y) const;
  // Distance from (x, y) to the nearest cell of a part, 0 inside; empty for
  // a bad part index or a point that is not finite.
  std::optional<double> DistanceToPart(int part, double x, double y) const;
  // The farthest point of a part's cells from (x, y), taken at cell corners
  // (clipped to the map) so the distance is never below the true one.
  std::optional<TRegionPoint> FarthestInPart(int part, double x, double y) const;
  // The same over the whole region.
  std::optional<TRegionPoint> Farthest(double x, double y) const;
};

TFittingRegion ComputeFittingRegion(const TFittingRegionInput& input);

// How a time was read: detected on the block, or set by dragging a cursor
// (released at a zoom where one screen pixel spans `secondsPerPixel`).
struct TTimeReading {
  bool dragged = false;
  double secondsPerPixel = 0.0;
};

// One sample for a detected time; for a dragged one the larger of one sample
// and one screen pixel. NaN when the rate is not positive and finite.
double TimeUncertainty(double sampleRate, const TTimeReading& reading);

// A delay's uncertainty is the larger of its two times' uncertainties, not
// their sum: both arrivals of a pair are sampled by one clock, so a detected
// pair's delay (floor(tB·rate) - floor(tA·rate)) / rate is good to one sample
// whatever the clock's phase.
double DelayUncertainty(double sampleRate, const TTimeReading& first, const TTimeReading& second);
