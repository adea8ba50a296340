#include "app/run/class_report.h"
#include "app/run/run_report.h"

#include "app/experiment/epicenter_solver.h"
#include "app/experiment/numbers.h"
#include "forms/controls/picture.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPen>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

QFont Font(double points, bool bold = false) { return ReportFont(points, bold); }

// The region's edge: a side of a cell in it whose neighbour is not (the
// map's own border is not the region's).
QPainterPath RegionOutline(const TFittingRegion& region, const QRectF& box) {
  QPainterPath path;
  const int w = region.columns, h = region.rows;
  if (region.Empty() || w <= 0 || h <= 0) return path;
  const double sx = box.width() / region.mapWidth * region.cellSize;
  const double sy = box.height() / region.mapHeight * region.cellSize;
  auto in = [&](int c, int r) { return c < 0 || r < 0 || c >= w || r >= h || region.mask[size_t(r) * w + c]; };
  for (int r = 0; r < h; ++r)
    for (int c = 0; c < w; ++c) {
      if (!region.mask[size_t(r) * w + c]) continue;
      const double x0 = box.left() + c * sx, y0 = box.top() + r * sy, x1 = x0 + sx, y1 = y0 + sy;
      if (!in(c - 1, r)) path.moveTo(x0, y0), path.lineTo(x0, y1);
      if (!in(c + 1, r)) path.moveTo(x1, y0), path.lineTo(x1, y1);
      if (!in(c, r - 1)) path.moveTo(x0, y0), path.lineTo(x1, y0);
      if (!in(c, r + 1)) path.moveTo(x0, y1), path.lineTo(x1, y1);
    }
  return path;
}

// The report's words in the windows' language (the class window's Export);
// --class installs no translation and writes them in English.
struct ClassReport {
  Q_DECLARE_TR_FUNCTIONS(ClassReport)
};

QString Number(double v, int decimals) { return Text(FixedPoint(v, decimals)); }

// The report's numbers as the windows' language writes them; class.csv
// keeps the dot.
QString ReportNumber(double v, int decimals) {
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale.toString(v, 'f', decimals);
}

QString Csv(const QString& field) {
  if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) && !field.contains(QLatin1Char('\n')))
    return field;
  QString quoted = field;
  quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}  // namespace

QColor ClassGroupColour(int index) {
  // Ten hues 108 degrees apart for neighbours, in three bands: bright,
  // dark, pale. Any two of the thirty differ by 60 or more in RGB.
  static const int saturation[3] = {255, 255, 150}, value[3] = {235, 150, 230};
  const int band = (index / 10) % 3;
  return QColor::fromHsv((index * 108) % 360, saturation[band], value[band]);
}

void DrawClassMap(QPainter& p, const QRectF& box, const TClassResults& results, const QImage& map) {
  p.save();
  if (map.isNull())
    p.fillRect(box, QColor(0xf4, 0xf1, 0xe8));
  else
    p.drawImage(box, map);
  p.setClipRect(box);
  p.setRenderHint(QPainter::Antialiasing);
  const double scale = box.width() / kMapWidthMm;  // device units per map mm
  // Marks grow with the map, but stay visible and legible on a small one.
  const double unit = std::max(box.width() / 500.0, 1.6);
  const double textPixels = std::max(box.width() / 500.0 * 9, 11.0);
  auto at = [&](double x, double y) { return QPointF(box.left() + x * scale, box.top() + y * box.height() / kMapHeightMm); };

  // The stations of the first group that has them: a class shares one map.
  for (const TClassGroup& g : results.groups) {
    if (!g.run.hasStations) continue;
    static const char* const names[kStationCount] = {"A", "B", "C"};
    QFont stationFont = Font(8, true);
    stationFont.setPixelSize(static_cast<int>(textPixels * 1.2));
    p.setFont(stationFont);
    for (int k = stA; k <= stC; ++k) {
      const QPointF s = at(g.run.state.stationX[k], g.run.state.stationY[k]);
      const double r = unit * 4;
      QPolygonF triangle({QPointF(s.x(), s.y() - r), QPointF(s.x() + r, s.y() + r * 0.8), QPointF(s.x() - r, s.y() + r * 0.8)});
      p.setPen(QPen(Qt::black, unit * 0.6));
      p.setBrush(QColor(0x30, 0x30, 0x30));
      p.drawPolygon(triangle);
      p.drawText(QPointF(s.x() + r * 1.3, s.y() + r), QLatin1String(names[k]));
    }
    break;
  }

  const auto& groups = results.groups;
  for (size_t i = 0; i < groups.size(); ++i) {
    if (!groups[i].located) continue;
    p.setPen(QPen(ClassGroupColour(int(i)), unit * 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawPath(RegionOutline(groups[i].run.answer.region, box));
  }

  const TClassFigures& f = results.figures;
  if (f.located > 0) {
    // The class's mean and its one-deviation ellipse, under the groups' marks.
    const QPointF mean = at(f.meanX, f.meanY);
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), unit * 0.9, Qt::DashLine));
    p.setBrush(QColor(0x10, 0x10, 0x10, 30));
    p.drawEllipse(mean, std::max(f.sdX * scale, unit), std::max(f.sdY * box.height() / kMapHeightMm, unit));
    p.setPen(QPen(Qt::black, unit * 1.2));
    p.drawLine(mean - QPointF(unit * 6, 0), mean + QPointF(unit * 6, 0));
    p.drawLine(mean - QPointF(0, unit * 6), mean + QPointF(0, unit * 6));
  }
  if (f.hasStrike) {
    const QPointF s = at(f.strikeX, f.strikeY);
    const double h = unit * 5;
    for (const auto& [width, colour] : {std::pair{unit * 2.6, QColor(0x20, 0x20, 0x20)}, std::pair{unit * 1.1, QColor(Qt::white)}}) {
      p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(s + QPointF(-h, -h), s + QPointF(h, h));
      p.drawLine(s + QPointF(h, -h), s + QPointF(-h, h));
    }
  }

  // Numbers rather than names: thirty folder names near one point would
  // pile up. Each number takes the nearest free place around its point,
  // clear of the other numbers and points, with a line back to it.
  QFont labelFont = Font(8, true);
  labelFont.setPixelSize(static_cast<int>(textPixels));
  p.setFont(labelFont);
  const QFontMetricsF metrics(p.font());
  std::vector<QRectF> taken;
  for (const TClassGroup& g : groups)
    if (g.located) taken.emplace_back(at(g.x, g.y) - QPointF(unit * 2.4, unit * 2.4), QSizeF(unit * 4.8, unit * 4.8));
  for (size_t i = 0; i < groups.size(); ++i) {
    if (!groups[i].located) continue;
    const QColor colour = ClassGroupColour(int(i));
    const QPointF e = at(groups[i].x, groups[i].y);
    p.setPen(QPen(Qt::black, unit * 0.5));
    p.setBrush(colour);
    p.drawEllipse(e, unit * 2.4, unit * 2.4);
  }
  for (size_t i = 0; i < groups.size(); ++i) {
    if (!groups[i].located) continue;
    const QColor colour = ClassGroupColour(int(i));
    const QPointF e = at(groups[i].x, groups[i].y);
    const QString label = QString::number(i + 1);
    QRectF r(0, 0, metrics.horizontalAdvance(label) + unit * 2, metrics.height());
    bool placed = false;
    for (double reach = unit * 7; reach < unit * 120 && !placed; reach += unit * 3.5)
      for (int step = 0; step < 24 && !placed; ++step) {
        const double angle = -M_PI / 4 + step * 2 * M_PI / 24;
        r.moveCenter(e + QPointF(std::cos(angle) * reach, std::sin(angle) * reach));
        placed = box.contains(r) && std::none_of(taken.begin(), taken.end(),
                                                 [&](const QRectF& t) { return t.intersects(r.adjusted(-unit * 0.5, -unit * 0.5, unit * 0.5, unit * 0.5)); });
      }
    taken.push_back(r);
    p.setPen(QPen(colour.darker(130), unit * 0.4));
    p.drawLine(e, r.center());
    p.setPen(QPen(colour.darker(110), unit * 0.6));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(r, unit, unit);
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, label);
  }
  p.restore();
  p.setPen(QPen(QColor(0x40, 0x40, 0x40), unit * 0.4));
  p.setBrush(Qt::NoBrush);
  p.drawRect(box);
}

QString ClassEpicenterText(const TClassGroup& g, int coordinate) {
  return g.located ? Number(coordinate == 0 ? g.x : g.y, 2) : QString();
}

QString ClassDistanceText(const TClassGroup& g) { return g.distance >= 0 ? Number(g.distance, 2) : QString(); }

QString ClassUncertaintyText(const TClassGroup& g) {
  if (!g.located) return QString();
  return g.Uncertainty() >= 0 ? Number(g.Uncertainty(), 2) : QStringLiteral("none");
}

QString ClassInsideText(const TClassGroup& g) {
  return g.inside < 0 ? QString() : g.inside ? QStringLiteral("yes") : QStringLiteral("no");
}

QString ClassNoteText(const TClassGroup& g) {
  QStringList parts;
  if (!g.located)
    for (const std::string& problem : g.problems) parts << Text(problem);
  else
    for (const std::string& reason : g.reasons) parts << Text(reason);
  return parts.join(QStringLiteral("; "));
}

QImage ClassMapPicture(const TClassResults& results) {
  for (const TClassGroup& g : results.groups) {
    const std::string& name = g.run.state.imageFileName;
    if (name.empty()) continue;
    std::error_code ec;
    const std::filesystem::path beside = g.folder / std::filesystem::path(name).filename();
    const std::filesystem::path file = std::filesystem::is_regular_file(beside, ec) ? beside : std::filesystem::path(name);
    if (!std::filesystem::is_regular_file(file, ec)) continue;
    try {
      TPicture picture;
      picture.LoadFromFile(QString::fromStdString(file.string()));
      const QImage image = picture.ToImage();
      if (!image.isNull()) return image;
    } catch (const std::exception&) {
      // Another group's picture may do; a grey map otherwise.
    }
  }
  return QImage();
}

bool WriteClassCsv(const QString& path, const TClassResults& results, QString* error) {
  QSaveFile file(path);
  if (QFileInfo(path).isDir() || !file.open(QIODevice::WriteOnly)) {
    if (error)
      *error = ClassReport::tr("Cannot write %1: %2")
                   .arg(path, QFileInfo(path).isDir() ? ClassReport::tr("it is a folder") : file.errorString());
    return false;
  }
  QStringList lines;
  QStringList header{QStringLiteral("group")};
  for (int k = 0; k < kRunTimeCount; ++k)
    header << QStringLiteral("t%1_s").arg(QLatin1String(RunTimeName(k))) << QStringLiteral("t%1_how").arg(QLatin1String(RunTimeName(k)));
  header << QStringLiteral("x_mm") << QStringLiteral("y_mm") << QStringLiteral("distance_mm") << QStringLiteral("uncertainty_mm")
         << QStringLiteral("inside") << QStringLiteral("marked") << QStringLiteral("note");
  lines << header.join(QLatin1Char(','));
  for (const TClassGroup& g : results.groups) {
    QStringList row{Csv(Text(g.name))};
    for (int k = 0; k < kRunTimeCount; ++k) {
      const bool set = g.run.how[k] != TTimeHow::NotSet;
      row << (set ? Number(RunTimeOf(g.run.state, k), 6) : QString()) << (set ? QLatin1String(TimeHowName(g.run.how[k])) : QString());
    }
    row << ClassEpicenterText(g, 0) << ClassEpicenterText(g, 1) << ClassDistanceText(g) << ClassUncertaintyText(g)
        << ClassInsideText(g) << (g.marked ? QStringLiteral("yes") : QStringLiteral("no")) << Csv(ClassNoteText(g));
    lines << row.join(QLatin1Char(','));
  }
  const QByteArray bytes = (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
  if (file.write(bytes) != bytes.size() || !file.commit()) {
    if (error) *error = ClassReport::tr("Cannot write %1: %2").arg(path, file.errorString());
    return false;
  }
  return true;
}

namespace {

constexpr int kDpi = 300;
constexpr double kPageWidth = 210.0, kPageHeight = 297.0, kMargin = 12.0;

double Px(double mm) { return mm * kDpi / 25.4; }
QRectF Box(double x, double y, double w, double h) { return {Px(x), Px(y), Px(w), Px(h)}; }

void Cell(QPainter& p, double x, double y, double w, double h, const QString& text, Qt::Alignment align = Qt::AlignLeft,
          bool wrap = false) {
  const QRectF r = Box(x + 0.6, y, w - 1.2, h);
  if (wrap)
    p.drawText(r, align | Qt::AlignVCenter | Qt::TextWordWrap, text);
  else
    p.drawText(r, align | Qt::AlignVCenter, QFontMetricsF(p.font()).elidedText(text, Qt::ElideRight, r.width()));
}

}  // namespace

bool WriteClassReport(const QString& path, const TClassResults& results, const QImage& map, QString* error) {
  auto fail = [&](const QString& why) {
    if (error) *error = ClassReport::tr("Cannot write the report %1: %2").arg(path, why);
    return false;
  };
  if (QFileInfo(path).isDir()) return fail(ClassReport::tr("it is a folder"));
  // Renamed over the file only when every byte is written.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
  QPdfWriter writer(&file);
  writer.setResolution(kDpi);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  writer.setTitle(ClassReport::tr("Class results"));
  QPainter p;
  if (!p.begin(&writer)) return fail(ClassReport::tr("the PDF writer could not start"));

  const double width = kPageWidth - 2 * kMargin;
  double y = kMargin;
  p.setPen(Qt::black);
  p.setFont(Font(16, true));
  p.drawText(Box(kMargin, y, width, 9), Qt::AlignLeft | Qt::AlignVCenter, ClassReport::tr("Class results"));
  y += 11;

  // The map on the left, the class's figures beside it.
  const double mapWidth = 126, mapHeight = mapWidth * kMapHeightMm / kMapWidthMm;
  DrawClassMap(p, Box(kMargin, y, mapWidth, mapHeight), results, map);
  const TClassFigures& f = results.figures;
  const double side = kMargin + mapWidth + 4, sideWidth = kPageWidth - kMargin - side;
  std::vector<std::pair<QString, QString>> figures{
      {ClassReport::tr("Groups"), ClassReport::tr("%1 (%2 located)").arg(f.groups).arg(f.located)}};
  if (f.located > 0) {
    figures.emplace_back(ClassReport::tr("Mean"), ClassReport::tr("%1, %2 mm").arg(ReportNumber(f.meanX, 1), ReportNumber(f.meanY, 1)));
    figures.emplace_back(ClassReport::tr("SD x, y"), ClassReport::tr("%1, %2 mm").arg(ReportNumber(f.sdX, 1), ReportNumber(f.sdY, 1)));
  }
  if (f.hasStrike) {
    figures.emplace_back(ClassReport::tr("Struck at"), ClassReport::tr("%1, %2 mm").arg(ReportNumber(f.strikeX, 1), ReportNumber(f.strikeY, 1)));
    if (f.medianDistance >= 0)
      figures.emplace_back(ClassReport::tr("Median off"), ClassReport::tr("%1 mm").arg(ReportNumber(f.medianDistance, 1)));
    figures.emplace_back(ClassReport::tr("Region holds"), ClassReport::tr("%1 of %2 groups").arg(f.inside).arg(f.insideOf));
  }
  p.setFont(Font(11, true));
  p.drawText(Box(side, y, sideWidth, 6), Qt::AlignLeft | Qt::AlignVCenter, ClassReport::tr("The class"));
  double fy = y + 7;
  p.setFont(Font(8));
  // The names' column widens for a language whose names are longer.
  double names = 21;
  for (const auto& figure : figures)
    names = std::max(names, QFontMetricsF(p.font()).horizontalAdvance(figure.first) * 25.4 / kDpi + 1.2);
  for (const auto& [key, value] : figures) {
    Cell(p, side, fy, names + 1, 4.5, key);
    Cell(p, side + names, fy, sideWidth - names, 4.5, value);
    fy += 4.5;
  }
  fy += 2;
  p.setFont(Font(7));
  const QStringList key{ClassReport::tr("\u25cf numbered: a group's epicenter"), ClassReport::tr("outline: its fitting region"),
                        ClassReport::tr("+ and dashed ellipse: mean, 1 sd"), ClassReport::tr("\u00d7: the struck point")};
  for (const QString& line : key) {
    // A longer language's line wraps under itself.
    const bool wraps = QFontMetricsF(p.font()).horizontalAdvance(line) > Px(sideWidth - 1.2);
    Cell(p, side, fy, sideWidth, wraps ? 7 : 4, line, Qt::AlignLeft, wraps);
    fy += wraps ? 7 : 4;
  }
  y += mapHeight + 5;

  // The table: one row a group, as many as fit the page.
  struct TColumn { const char* title; double width; };
  const TColumn columns[] = {{"#", 6},  {QT_TRANSLATE_NOOP("ClassReport", "Group"), 18}, {"tA AB", 17}, {"tB", 17},      {"tA AC", 17}, {"tC", 17},
                             {"x", 12}, {"y", 12},     {QT_TRANSLATE_NOOP("ClassReport", "off"), 11},   {"\u00b1", 10}, {QT_TRANSLATE_NOOP("ClassReport", "in"), 7},     {QT_TRANSLATE_NOOP("ClassReport", "Note"), 0}};
  const int count = static_cast<int>(results.groups.size());
  const double row = std::min(4.5, (kPageHeight - kMargin - 10 - y) / std::max(count + 1, 1));
  const double points = std::clamp(row * 1.55, 4.5, 7.5);
  p.setFont(Font(points, true));
  // A title longer in another language widens its column; the note's
  // column gives the room.
  constexpr int kColumns = sizeof(columns) / sizeof(columns[0]);
  double widths[kColumns];
  double used = 0;
  for (int c = 0; c < kColumns; ++c) {
    const double title = QFontMetricsF(p.font()).horizontalAdvance(ClassReport::tr(columns[c].title)) * 25.4 / kDpi + 1.4;
    widths[c] = columns[c].width > 0 ? std::max(columns[c].width, title) : 0;
    used += widths[c];
  }
  widths[kColumns - 1] = width - used;
  double x = kMargin;
  for (int c = 0; c < kColumns; ++c) {
    Cell(p, x, y, widths[c], row, ClassReport::tr(columns[c].title));
    x += widths[c];
  }
  y += row;
  p.setFont(Font(points));
  auto noteOf = [](const TClassGroup& g) { return (g.marked ? ClassReport::tr("marked: ") : QString()) + ClassNoteText(g); };
  // A long note takes up to three lines when the page has room for them.
  const double noteWidth = Px(widths[kColumns - 1] - 1.2);
  std::vector<double> heights(count, row);
  double total = 0;
  for (int i = 0; i < count; ++i) {
    const QRectF wrapped = QFontMetricsF(p.font()).boundingRect(QRectF(0, 0, noteWidth, 1e6), Qt::TextWordWrap,
                                                                noteOf(results.groups[i]));
    const double lines = std::ceil(wrapped.height() / QFontMetricsF(p.font()).lineSpacing() - 0.1);
    heights[i] = row * std::clamp(lines, 1.0, 3.0);
    total += heights[i];
  }
  if (y + total > kPageHeight - kMargin - 6) std::fill(heights.begin(), heights.end(), row);
  for (int i = 0; i < count; ++i) {
    const TClassGroup& g = results.groups[i];
    const double h = heights[i];
    if (i % 2 == 0) p.fillRect(Box(kMargin, y, width, h), QColor(0xf0, 0xf0, 0xf0));
    if (g.marked || !g.located) p.fillRect(Box(kMargin, y, width, h), QColor(0xff, 0xd8, 0xc8));
    p.fillRect(Box(kMargin + 0.5, y + (h - row * 0.6) / 2, 1.6, row * 0.6), ClassGroupColour(i));
    QStringList cells{QString::number(i + 1), Text(g.name)};
    for (int k = 0; k < kRunTimeCount; ++k)
      cells << (g.run.how[k] == TTimeHow::NotSet
                    ? QStringLiteral("\u2014")
                    : QStringLiteral("%1 %2").arg(ReportNumber(RunTimeOf(g.run.state, k) * 1000, 3),
                                                  g.run.how[k] == TTimeHow::Dragged ? QStringLiteral("g") : QStringLiteral("d")));
    cells << (g.located ? ReportNumber(g.x, 2) : QString()) << (g.located ? ReportNumber(g.y, 2) : QString())
          << (g.distance >= 0 ? ReportNumber(g.distance, 2) : QString())
          << (!g.located ? QString() : g.Uncertainty() >= 0 ? ReportNumber(g.Uncertainty(), 2) : ClassReport::tr("none"))
          << (g.inside < 0 ? QString() : g.inside ? ClassReport::tr("yes") : ClassReport::tr("no"))
          << noteOf(g);
    p.setPen(Qt::black);
    x = kMargin;
    for (int c = 0; c < cells.size(); ++c) {
      const double w = widths[c];
      Cell(p, x + (c == 0 ? 1.6 : 0), y, w - (c == 0 ? 1.6 : 0), h, cells[c], c >= 2 && c <= 10 ? Qt::AlignRight : Qt::AlignLeft,
           c == cells.size() - 1 && h > row);
      x += w;
    }
    y += h;
  }
  p.setFont(Font(6.5));
  p.setPen(QColor(0x40, 0x40, 0x40));
  const QString legend =
      ClassReport::tr("Times in ms, d detected, g dragged; x, y, off (distance to the struck point) and \u00b1 (the group's "
                      "uncertainty) in mm; in: the struck point lies in the group's region.");
  // A longer language's legend takes a second line rather than lose its end.
  const bool twoLines = QFontMetricsF(p.font()).horizontalAdvance(legend) > Px(width - 1.2);
  Cell(p, kMargin, y + 1, width, twoLines ? 6 : 4, legend, Qt::AlignLeft, twoLines);
  if (!p.end()) return fail(ClassReport::tr("the PDF could not be finished"));
  if (!file.commit()) return fail(file.errorString());
  return true;
}
