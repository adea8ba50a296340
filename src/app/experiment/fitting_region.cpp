#include "app/experiment/fitting_region.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
// Cells per side of the coarse blocks: a block whose centre, widened by the
// block's diagonal, misses a band holds no fitting cell and is skipped whole.
constexpr int kBlock = 8;
// More cells than this is a cell size nobody meant (and hundreds of MB).
constexpr double kMaxCells = 16.0 * 1024 * 1024;
// The misfit divides by the uncertainty: an exact delay weighs as one known
// to a nanosecond, far below any sample.
constexpr double kLeastSigma = 1e-9;

// One delay as an allowed interval of the distance difference |PK| - |PA|;
// an unknown delay allows everything, so the cell test needs no branch.
struct Band {
  bool known = false;
  double lo = -kInf, hi = kInf;  // mm
  double seconds = 0, sigma = 1;  // for the misfit
  double kx = 0, ky = 0;         // station B or C
};

struct Geometry {
  double ax, ay;
  Band band[2];
  double velocity;
};

Band MakeBand(const TRegionDelay& delay, double v, double sv, double kx, double ky) {
  Band b;
  b.kx = kx;
  b.ky = ky;
  if (!delay.known) return b;
  const double e = delay.uncertainty > 0 ? delay.uncertainty : 0.0;
  const double t0 = delay.seconds - e, t1 = delay.seconds + e;
  const double v0 = std::max(v - sv, 0.0), v1 = v + sv;
  const double p[4] = {v0 * t0, v0 * t1, v1 * t0, v1 * t1};
  b.known = true;
  b.lo = *std::min_element(p, p + 4);
  b.hi = *std::max_element(p, p + 4);
  b.seconds = delay.seconds;
  b.sigma = std::max(e, kLeastSigma);
  return b;
}

double Dist(double x, double y, double px, double py) {
  const double dx = x - px, dy = y - py;
  return std::sqrt(dx * dx + dy * dy);
}

// Whether the differences at (x, y), each widened by `slack`, meet both bands.
bool Meets(const Geometry& g, double x, double y, double slack) {
  const double da = Dist(x, y, g.ax, g.ay);
  for (const Band& b : g.band) {
    const double d = Dist(x, y, b.kx, b.ky) - da;
    if (d + slack < b.lo || d - slack > b.hi) return false;
  }
  return true;
}

double Chi2(const Geometry& g, double x, double y) {
  const double da = Dist(x, y, g.ax, g.ay);
  double sum = 0;
  for (const Band& b : g.band) {
    if (!b.known) continue;
    const double r = ((Dist(x, y, b.kx, b.ky) - da) / g.velocity - b.seconds) / b.sigma;
    sum += r * r;
  }
  return sum;
}

bool FitsExactly(const Geometry& g, double x, double y) { return Meets(g, x, y, 0.0); }

// The cell bound on a square of side `size` centred on (x, y); where only the
// bound lets it in, its quarters are tried with their own (half) bound, so a
// cell kept by the widening alone, with no fitting point in it, is dropped
// while one holding a fitting point always stays (one of its quarters holds
// that point).
constexpr int kSplitDepth = 4;
bool CellMeets(const Geometry& g, double x, double y, double size, double eps, int depth) {
  if (!Meets(g, x, y, size * std::sqrt(2.0) + eps)) return false;
  if (depth == 0 || FitsExactly(g, x, y)) return true;
  const double q = size / 4;
  for (int k = 0; k < 4; ++k)
    if (CellMeets(g, x + (k & 1 ? q : -q), y + (k & 2 ? q : -q), size / 2, eps, depth - 1)) return true;
  return false;
}

struct Grid {
  int columns, rows;
  double cell, width, height;
  double CentreX(int i) const { return (i + 0.5) * cell; }
  double CentreY(int j) const { return (j + 0.5) * cell; }
};

// Fills `mask` (zeroed by the caller) coarse-to-fine; returns the cell count.
int FillMask(const Geometry& g, const Grid& grid, std::vector<uint8_t>& mask) {
  // Float rounding of the differences is far below a micrometre.
  const double eps = 1e-9 * (grid.width + grid.height);
  const double blockSlack = kBlock * grid.cell * std::sqrt(2.0) + eps;
  int count = 0;
  for (int bj = 0; bj < grid.rows; bj += kBlock) {
    for (int bi = 0; bi < grid.columns; bi += kBlock) {
      // The full block's centre: cells past the grid's edge only make the
      // test more generous.
      if (!Meets(g, (bi + kBlock / 2.0) * grid.cell, (bj + kBlock / 2.0) * grid.cell, blockSlack)) continue;
      const int i1 = std::min(bi + kBlock, grid.columns), j1 = std::min(bj + kBlock, grid.rows);
      for (int j = bj; j < j1; ++j) {
        uint8_t* row = mask.data() + static_cast<size_t>(j) * grid.columns;
        const double y = grid.CentreY(j);
        for (int i = bi; i < i1; ++i) {
          const uint8_t in = CellMeets(g, grid.CentreX(i), y, grid.cell, eps, kSplitDepth) ? 1 : 0;
          row[i] = in;
          count += in;
        }
      }
    }
  }
  return count;
}

struct Box {
  double x0, y0, x1, y1;
};

// A few damped Gauss-Newton steps on the misfit from (x, y), each step halved
// until the misfit drops, the point kept inside `box`.
void Refine(const Geometry& g, const Box& box, double& x, double& y) {
  double best = Chi2(g, x, y);
  for (int iter = 0; iter < 12 && best > 0; ++iter) {
    double h00 = 0, h01 = 0, h11 = 0, b0 = 0, b1 = 0;
    const double da = std::max(Dist(x, y, g.ax, g.ay), 1e-12);
    for (const Band& bd : g.band) {
      if (!bd.known) continue;
      const double dk = std::max(Dist(x, y, bd.kx, bd.ky), 1e-12);
      const double s = 1.0 / (g.velocity * bd.sigma);
      const double gx = ((x - bd.kx) / dk - (x - g.ax) / da) * s;
      const double gy = ((y - bd.ky) / dk - (y - g.ay) / da) * s;
      const double r = ((dk - da) / g.velocity - bd.seconds) / bd.sigma;
      h00 += gx * gx;
      h01 += gx * gy;
      h11 += gy * gy;
      b0 += gx * r;
      b1 += gy * r;
    }
    // Damping keeps one delay (a rank-one system) or nearly parallel bands
    // solvable: the step then goes straight across the band.
    const double lambda = 1e-9 * (h00 + h11) + 1e-300;
    h00 += lambda;
    h11 += lambda;
    const double det = h00 * h11 - h01 * h01;
    if (!(det > 0)) break;
    const double sx = -(h11 * b0 - h01 * b1) / det, sy = -(h00 * b1 - h01 * b0) / det;
    if (!std::isfinite(sx) || !std::isfinite(sy)) break;
    bool moved = false;
    for (double t = 1.0; t > 1e-4; t *= 0.5) {
      const double nx = std::clamp(x + t * sx, box.x0, box.x1);
      const double ny = std::clamp(y + t * sy, box.y0, box.y1);
      const double c = Chi2(g, nx, ny);
      if (c < best) {
        moved = std::hypot(nx - x, ny - y) > 1e-9;
        x = nx;
        y = ny;
        best = c;
        break;
      }
    }
    if (!moved) break;
  }
}

TInputFault CheckInput(const TFittingRegionInput& in) {
  for (int k = 0; k < 3; ++k)
    if (!std::isfinite(in.stationX[k]) || !std::isfinite(in.stationY[k])) return TInputFault::StationNotFinite;
  if (!std::isfinite(in.velocity) || !(in.velocity > 0)) return TInputFault::VelocityNotPositive;
  if (!std::isfinite(in.velocityUncertainty)) return TInputFault::VelocityUncertaintyNotFinite;
  for (const TRegionDelay* d : {&in.delayB, &in.delayC})
    if (d->known && (!std::isfinite(d->seconds) || !std::isfinite(d->uncertainty))) return TInputFault::DelayNotFinite;
  if (!std::isfinite(in.mapWidth) || !std::isfinite(in.mapHeight) || !std::isfinite(in.cellSize) ||
      !(in.mapWidth > 0) || !(in.mapHeight > 0) || !(in.cellSize > 0) ||
      std::ceil(in.mapWidth / in.cellSize) * std::ceil(in.mapHeight / in.cellSize) > kMaxCells)
    return TInputFault::BadGrid;
  return TInputFault::None;
}

// Labels 8-connected parts; parts come back in labelling order.
std::vector<TRegionPart> LabelParts(const Geometry& g, const Grid& grid, TFittingRegion& r) {
  std::vector<TRegionPart> parts;
  std::vector<int> bestCell;
  std::vector<int32_t> stack;
  const int nx = grid.columns, ny = grid.rows;
  for (int start = 0; start < nx * ny; ++start) {
    if (!r.mask[start] || r.label[start]) continue;
    const int32_t id = static_cast<int32_t>(parts.size()) + 1;
    TRegionPart p;
    p.firstColumn = nx;
    p.firstRow = ny;
    p.lastColumn = p.lastRow = -1;
    p.chi2 = kInf;
    int best = start;
    r.label[start] = id;
    stack.assign(1, start);
    while (!stack.empty()) {
      const int c = stack.back();
      stack.pop_back();
      const int i = c % nx, j = c / nx;
      ++p.cells;
      p.firstColumn = std::min(p.firstColumn, i);
      p.lastColumn = std::max(p.lastColumn, i);
      p.firstRow = std::min(p.firstRow, j);
      p.lastRow = std::max(p.lastRow, j);
      const double chi = Chi2(g, grid.CentreX(i), grid.CentreY(j));
      if (chi < p.chi2) {
        p.chi2 = chi;
        best = c;
      }
      for (int j2 = std::max(j - 1, 0); j2 <= std::min(j + 1, ny - 1); ++j2)
        for (int i2 = std::max(i - 1, 0); i2 <= std::min(i + 1, nx - 1); ++i2) {
          const int n = j2 * nx + i2;
          if (r.mask[n] && !r.label[n]) {
            r.label[n] = id;
            stack.push_back(n);
          }
        }
    }
    parts.push_back(p);
    bestCell.push_back(best);
  }
  for (size_t k = 0; k < parts.size(); ++k) {
    TRegionPart& p = parts[k];
    p.minX = p.firstColumn * grid.cell;
    p.minY = p.firstRow * grid.cell;
    p.maxX = std::min((p.lastColumn + 1) * grid.cell, grid.width);
    p.maxY = std::min((p.lastRow + 1) * grid.cell, grid.height);
    const int i = bestCell[k] % nx, j = bestCell[k] / nx;
    const double cx = std::min(grid.CentreX(i), grid.width), cy = std::min(grid.CentreY(j), grid.height);
    double x = cx, y = cy;
    const Box box{std::max(cx - 1.5 * grid.cell, 0.0), std::max(cy - 1.5 * grid.cell, 0.0),
                  std::min(cx + 1.5 * grid.cell, grid.width), std::min(cy + 1.5 * grid.cell, grid.height)};
    Refine(g, box, x, y);
    // The refined point must stay in the part the map shows it in.
    if (r.PartAt(x, y) != static_cast<int>(k)) {
      x = cx;
      y = cy;
    }
    p.bestX = x;
    p.bestY = y;
    p.chi2 = Chi2(g, x, y);
    p.bestFits = FitsExactly(g, x, y);
  }
  return parts;
}

// Parts best fit first, labels renumbered to match.
void SortParts(std::vector<TRegionPart> parts, TFittingRegion& r) {
  std::vector<int> order(parts.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    if (parts[a].chi2 != parts[b].chi2) return parts[a].chi2 < parts[b].chi2;
    return parts[a].cells > parts[b].cells;
  });
  std::vector<int32_t> newLabel(parts.size() + 1, 0);
  r.parts.clear();
  for (size_t k = 0; k < order.size(); ++k) {
    newLabel[order[k] + 1] = static_cast<int32_t>(k) + 1;
    r.parts.push_back(parts[order[k]]);
  }
  for (int32_t& l : r.label) l = newLabel[l];
}

// Why nothing fits, once the grid found no cell and neither delay is longer
// than its stations allow.
TNoFitDiagnosis DiagnoseEmpty(const Geometry& g, const Grid& grid, const TFittingRegionInput& in) {
  TNoFitDiagnosis d;
  std::vector<uint8_t> scratch(static_cast<size_t>(grid.columns) * grid.rows);
  for (int k = 0; k < 2; ++k) {
    if (!g.band[k].known) continue;
    Geometry alone = g;
    alone.band[1 - k] = Band{};
    alone.band[1 - k].kx = g.band[1 - k].kx;
    alone.band[1 - k].ky = g.band[1 - k].ky;
    std::fill(scratch.begin(), scratch.end(), 0);
    if (FillMask(alone, grid, scratch) == 0) {
      const TRegionDelay& delay = k == 0 ? in.delayB : in.delayC;
      d.reason = TNoFitReason::DelayOffMap;
      d.delay = k;
      d.seconds = delay.seconds;
      d.uncertainty = delay.uncertainty;
      d.stationDistance = Dist(g.ax, g.ay, g.band[k].kx, g.band[k].ky);
      d.shortestTravel = g.band[k].lo > 0 ? g.band[k].lo : g.band[k].hi < 0 ? -g.band[k].hi : 0.0;
      return d;
    }
  }
  d.reason = TNoFitReason::NoCommonPoint;
  // The misfit is smooth away from the stations: every few cells, then
  // refined around the least.
  constexpr int kStride = 4;
  double best = kInf;
  int bi = 0, bj = 0;
  for (int j = 0; j < grid.rows; j += kStride)
    for (int i = 0; i < grid.columns; i += kStride) {
      const double c = Chi2(g, grid.CentreX(i), grid.CentreY(j));
      if (c < best) best = c, bi = i, bj = j;
    }
  double x = std::min(grid.CentreX(bi), grid.width), y = std::min(grid.CentreY(bj), grid.height);
  const double reach = kStride * grid.cell;
  Refine(g, Box{std::max(x - reach, 0.0), std::max(y - reach, 0.0), std::min(x + reach, grid.width),
                std::min(y + reach, grid.height)},
         x, y);
  d.bestX = x;
  d.bestY = y;
  d.bestChi2 = Chi2(g, x, y);
  return d;
}

}  // namespace

TFittingRegion ComputeFittingRegion(const TFittingRegionInput& in) {
  TFittingRegion r;
  r.fault = CheckInput(in);
  if (r.fault != TInputFault::None) return r;

  const Grid grid{static_cast<int>(std::ceil(in.mapWidth / in.cellSize)),
                  static_cast<int>(std::ceil(in.mapHeight / in.cellSize)), in.cellSize, in.mapWidth,
                  in.mapHeight};
  r.columns = grid.columns;
  r.rows = grid.rows;
  r.cellSize = grid.cell;
  r.mapWidth = grid.width;
  r.mapHeight = grid.height;
  const size_t cells = static_cast<size_t>(grid.columns) * grid.rows;
  r.mask.assign(cells, 0);
  r.label.assign(cells, 0);

  const double sv = std::abs(in.velocityUncertainty);
  Geometry g{in.stationX[0], in.stationY[0],
             {MakeBand(in.delayB, in.velocity, sv, in.stationX[1], in.stationY[1]),
              MakeBand(in.delayC, in.velocity, sv, in.stationX[2], in.stationY[2])},
             in.velocity};

  if (!g.band[0].known && !g.band[1].known) {
    r.verdict = TRegionVerdict::CannotTell;
    std::fill(r.mask.begin(), r.mask.end(), 1);
    std::fill(r.label.begin(), r.label.end(), 1);
    TRegionPart p;
    p.cells = static_cast<int>(cells);
    p.lastColumn = grid.columns - 1;
    p.lastRow = grid.rows - 1;
    p.maxX = grid.width;
    p.maxY = grid.height;
    p.bestX = grid.width / 2;
    p.bestY = grid.height / 2;
    p.bestFits = true;
    r.parts.push_back(p);
    return r;
  }

  // |PK| - |PA| never leaves [-|AK|, |AK|]: a band entirely beyond that is
  // empty everywhere, not only on the map (the cell bound alone would still
  // keep a rim of cells around the station).
  for (int k = 0; k < 2; ++k) {
    const Band& b = g.band[k];
    const double ak = Dist(g.ax, g.ay, b.kx, b.ky);
    if (b.known && (b.lo > ak || b.hi < -ak)) {
      const TRegionDelay& delay = k == 0 ? in.delayB : in.delayC;
      r.verdict = TRegionVerdict::NothingFits;
      r.noFit.reason = TNoFitReason::DelayLongerThanStations;
      r.noFit.delay = k;
      r.noFit.seconds = delay.seconds;
      r.noFit.uncertainty = delay.uncertainty;
      r.noFit.shortestTravel = b.lo > ak ? b.lo : -b.hi;
      r.noFit.stationDistance = ak;
      return r;
    }
  }

  if (FillMask(g, grid, r.mask) == 0) {
    r.verdict = TRegionVerdict::NothingFits;
    r.noFit = DiagnoseEmpty(g, grid, in);
    return r;
  }
  r.verdict = TRegionVerdict::Fits;
  SortParts(LabelParts(g, grid, r), r);
  return r;
}

int TFittingRegion::PartAt(double x, double y) const {
  if (!(x >= 0 && x <= mapWidth && y >= 0 && y <= mapHeight) || columns == 0) return -1;
  const int i = std::min(static_cast<int>(x / cellSize), columns - 1);
  const int j = std::min(static_cast<int>(y / cellSize), rows - 1);
  return label[static_cast<size_t>(j) * columns + i] - 1;
}

std::optional<double> TFittingRegion::DistanceToPart(int part, double x, double y) const {
  if (part < 0 || part >= static_cast<int>(parts.size()) || !std::isfinite(x) || !std::isfinite(y)) return {};
  if (PartAt(x, y) == part) return 0.0;
  const TRegionPart& p = parts[part];
  double best = kInf;
  for (int j = p.firstRow; j <= p.lastRow; ++j)
    for (int i = p.firstColumn; i <= p.lastColumn; ++i) {
      if (label[static_cast<size_t>(j) * columns + i] != part + 1) continue;
      const double x0 = i * cellSize, x1 = std::min((i + 1) * cellSize, mapWidth);
      const double y0 = j * cellSize, y1 = std::min((j + 1) * cellSize, mapHeight);
      const double dx = x < x0 ? x0 - x : x > x1 ? x - x1 : 0.0;
      const double dy = y < y0 ? y0 - y : y > y1 ? y - y1 : 0.0;
      best = std::min(best, dx * dx + dy * dy);
    }
  if (!std::isfinite(best)) return {};
  return std::sqrt(best);
}

std::optional<TRegionPoint> TFittingRegion::FarthestInPart(int part, double x, double y) const {
  if (part < 0 || part >= static_cast<int>(parts.size()) || !std::isfinite(x) || !std::isfinite(y)) return {};
  const TRegionPart& p = parts[part];
  TRegionPoint far{x, y, -1.0};
  for (int j = p.firstRow; j <= p.lastRow; ++j) {
    const double y0 = j * cellSize, y1 = std::min((j + 1) * cellSize, mapHeight);
    const double cy = std::abs(y - y0) > std::abs(y - y1) ? y0 : y1;
    for (int i = p.firstColumn; i <= p.lastColumn; ++i) {
      if (label[static_cast<size_t>(j) * columns + i] != part + 1) continue;
      const double x0 = i * cellSize, x1 = std::min((i + 1) * cellSize, mapWidth);
      const double cx = std::abs(x - x0) > std::abs(x - x1) ? x0 : x1;
      const double d2 = (cx - x) * (cx - x) + (cy - y) * (cy - y);
      if (d2 > far.distance) far = {cx, cy, d2};
    }
  }
  if (far.distance < 0) return {};
  far.distance = std::sqrt(far.distance);
  return far;
}

std::optional<TRegionPoint> TFittingRegion::Farthest(double x, double y) const {
  std::optional<TRegionPoint> far;
  for (int k = 0; k < static_cast<int>(parts.size()); ++k) {
    const auto f = FarthestInPart(k, x, y);
    if (f && (!far || f->distance > far->distance)) far = f;
  }
  return far;
}

double TimeUncertainty(double sampleRate, const TTimeReading& reading) {
  if (!std::isfinite(sampleRate) || !(sampleRate > 0)) return std::numeric_limits<double>::quiet_NaN();
  const double sample = 1.0 / sampleRate;
  // A cursor cannot be put finer than a pixel of the zoom it was let go at.
  if (reading.dragged && std::isfinite(reading.secondsPerPixel)) return std::max(sample, reading.secondsPerPixel);
  return sample;
}

double DelayUncertainty(double sampleRate, const TTimeReading& first, const TTimeReading& second) {
  return std::max(TimeUncertainty(sampleRate, first), TimeUncertainty(sampleRate, second));
}
