#include "app/run/run_report.h"
#include "app/run/answer_words.h"
#include "app/run/pick_words.h"
#include "app/run/region_picture.h"
#include "app/experiment/rounding.h"

#include <QColor>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QStringList>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

// Outside any namespace, as the resource initialiser requires; the marks'
// pictures are the main window's own.
static void InitReportResources() { Q_INIT_RESOURCE(tremora); }

namespace {

// The report's words in the windows' language (Save Run); --analyze
// --report installs no translation and writes them in English.
struct RunReport {
  Q_DECLARE_TR_FUNCTIONS(RunReport)
};

constexpr int kDpi = 300;
constexpr double kPageWidth = 210.0;  // mm, A4 portrait
constexpr double kPageHeight = 297.0;
constexpr double kMargin = 14.0;
constexpr double kRow = 5.0;          // mm per table row
// The window's marks, drawn larger on paper than their share of the map so
// that they stay legible when the map is printed a few centimetres wide.
constexpr double kMarkScale = 1.5;

const QColor kStationColour[kStationCount] = {QColor(0xe0, 0x10, 0x10), QColor(0xe0, 0xc0, 0x00),
                                              QColor(0x00, 0xb0, 0xc0)};
const char* const kStationName[kStationCount] = {"A", "B", "C"};

double Px(double mm) { return mm * kDpi / 25.4; }
QRectF Box(double x, double y, double w, double h) { return {Px(x), Px(y), Px(w), Px(h)}; }

QFont Font(double points, bool bold = false) { return ReportFont(points, bold); }

QLocale NumberLocale() {
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale;
}

QString Number(double v, int decimals) { return NumberLocale().toString(v, 'f', decimals); }

QString Point(double x, double y) {
  return RunReport::tr("x %1 mm, y %2 mm").arg(Number(x, 1), Number(y, 1));
}

QString PerStation(const int32_t (&v)[kStationCount]) {
  return RunReport::tr("A %1, B %2, C %3 mm").arg(v[stA]).arg(v[stB]).arg(v[stC]);
}

// The map's box on the page and where map millimetres land in it.
struct TMapBox {
  QRectF box;  // device units
  double Scale() const { return box.width() / kMapWidthMm; }  // device units per map mm
  QPointF At(double x, double y) const { return {box.left() + x * Scale(), box.top() + y * Scale()}; }
  // The size of `pixels` of the window's map on the page, enlarged for print.
  double Mark(double pixels) const { return pixels * kMapScale * Scale() * kMarkScale; }
};

void DrawSvg(QPainter& p, const QString& resource, const QRectF& where) {
  QSvgRenderer svg(resource);
  if (svg.isValid()) svg.render(&p, where);
}

// A line drawn twice, dark and wide under bright and narrow, as the
// window's marks are: it shows on light and dark parts of a map alike.
void RimmedPath(QPainter& p, const QPainterPath& path, const QColor& colour, double width, Qt::PenStyle style) {
  p.setBrush(Qt::NoBrush);
  QPen rim(QColor(0x20, 0x20, 0x20), width * 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(rim);
  p.drawPath(path);
  QPen pen(colour, width, style, Qt::FlatCap, Qt::RoundJoin);
  p.setPen(pen);
  p.drawPath(path);
}

void DrawStationPin(QPainter& p, const TMapBox& m, int k, QPointF tip) {
  static const QString pins[kStationCount] = {QStringLiteral(":/art/pin_red.svg"), QStringLiteral(":/art/pin_yellow.svg"),
                                              QStringLiteral(":/art/pin_aqua.svg")};
  // The needle tip, the picture's bottom-left corner, is on the station.
  const double w = m.Mark(16), h = m.Mark(20);
  DrawSvg(p, pins[k], QRectF(tip.x(), tip.y() - h, w, h));
  // The letter beside the pin: a grey print loses the colours.
  p.setFont(Font(8, true));
  const QRectF label(tip.x() + w * 1.05, tip.y() - h * 1.15, Px(5), Px(4));
  QPainterPath text;
  text.addText(label.left(), label.top() + QFontMetricsF(p.font()).ascent(), p.font(), QString::fromLatin1(kStationName[k]));
  p.setPen(QPen(Qt::white, Px(0.5), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(text);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x20, 0x20, 0x20));
  p.drawPath(text);
}

void DrawStrike(QPainter& p, QPointF at, double size) {
  QPainterPath cross;
  const double h = size / 2;
  cross.moveTo(at.x() - h, at.y() - h);
  cross.lineTo(at.x() + h, at.y() + h);
  cross.moveTo(at.x() + h, at.y() - h);
  cross.lineTo(at.x() - h, at.y() + h);
  p.setPen(QPen(QColor(0x20, 0x20, 0x20), size * 0.3, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(cross);
  p.setPen(QPen(Qt::white, size * 0.13, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(cross);
}

void DrawMap(QPainter& p, const TMapBox& m, const TRunReportInput& in) {
  const TExperimentState& s = in.state;
  p.save();
  if (in.map.isNull()) {
    p.fillRect(m.box, QColor(0xee, 0xee, 0xee));
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.setFont(Font(10));
    p.drawText(m.box.adjusted(0, Px(3), 0, 0), Qt::AlignTop | Qt::AlignHCenter, RunReport::tr("map picture not available"));
  } else {
    // Stretched over the whole map, as the window shows it.
    p.drawImage(m.box, in.map);
  }
  p.setClipRect(m.box);
  p.setRenderHint(QPainter::Antialiasing);
  for (int k = stA; k <= stC; ++k) {
    if (s.circleRadius[k] <= 0) continue;
    QPainterPath circle;
    const double r = s.circleRadius[k] * m.Scale();
    circle.addEllipse(m.At(s.stationX[k], s.stationY[k]), r, r);
    RimmedPath(p, circle, kStationColour[k], Px(0.35), Qt::DotLine);
  }
  if (in.answer.ran) {
    // The fitting region as the window shades it, one cell per map pixel.
    QRect cells;
    const QImage shade = RegionPicture(in.answer.region, &cells);
    if (!shade.isNull()) {
      const double cell = in.answer.region.cellSize;
      p.drawImage(QRectF(m.At(cells.left() * cell, cells.top() * cell),
                         QSizeF(cells.width() * cell * m.Scale(), cells.height() * cell * m.Scale())),
                  shade);
    }
  }
  for (int k = stA; k <= stC; ++k) DrawStationPin(p, m, k, m.At(s.stationX[k], s.stationY[k]));
  if (in.hasStrike) DrawStrike(p, m.At(in.strikeX, in.strikeY), m.Mark(11));
  if (in.answer.Solved()) {
    // The target's centre, (20, 20) of its 60 x 60 picture, on the point.
    const QPointF at = m.At(in.answer.point.x, in.answer.point.y);
    DrawSvg(p, QStringLiteral(":/art/epicenter.svg"),
            QRectF(at.x() - m.Mark(20), at.y() - m.Mark(20), m.Mark(60), m.Mark(60)));
  }
  if (in.answer.Solved() && in.answer.hasOther) {
    const QPointF at = m.At(in.answer.otherX, in.answer.otherY);
    DrawSvg(p, QStringLiteral(":/art/other_epicenter.svg"),
            QRectF(at.x() - m.Mark(12.5), at.y() - m.Mark(12.5), m.Mark(25), m.Mark(25)));
  }
  p.restore();
  p.setPen(QPen(QColor(0x40, 0x40, 0x40), Px(0.25)));
  p.setBrush(Qt::NoBrush);
  p.drawRect(m.box);
}

// Rows of a two-column table under a title; returns the bottom (mm).
double DrawTable(QPainter& p, double x, double y, double keyWidth, double width, const QString& title,
                 const std::vector<std::pair<QString, QString>>& rows) {
  p.setPen(Qt::black);
  p.setFont(Font(11, true));
  p.drawText(Box(x, y, width, 6), Qt::AlignLeft | Qt::AlignVCenter, title);
  y += 6.5;
  // A language's longer names widen their column rather than run into the values.
  p.setFont(Font(9));
  for (const auto& row : rows)
    keyWidth = std::max(keyWidth, QFontMetricsF(p.font()).horizontalAdvance(row.first) / Px(1) + 2);
  for (size_t i = 0; i < rows.size(); ++i) {
    // A value of words too long for its line takes a second one; a single
    // long name (a file's) loses its middle instead.
    const QFontMetricsF metrics(p.font());
    const double room = Px(width - keyWidth - 1);
    const bool wraps = metrics.horizontalAdvance(rows[i].second) > room && rows[i].second.contains(QLatin1Char(' ')) &&
                       metrics.boundingRect(QRectF(0, 0, room, 1e6), Qt::TextWordWrap, rows[i].second).height() <=
                           2.5 * metrics.lineSpacing();
    const double height = wraps ? 2 * kRow : kRow;
    if (i % 2 == 0) p.fillRect(Box(x, y, width, height), QColor(0xf0, 0xf0, 0xf0));
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawText(Box(x + 1, y, keyWidth - 1, kRow), Qt::AlignLeft | Qt::AlignVCenter, rows[i].first);
    p.setPen(Qt::black);
    if (wraps) {
      p.drawText(Box(x + keyWidth, y, width - keyWidth - 1, height), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                 rows[i].second);
    } else {
      const QRectF value = Box(x + keyWidth, y, width - keyWidth - 1, kRow);
      p.drawText(value, Qt::AlignLeft | Qt::AlignVCenter, metrics.elidedText(rows[i].second, Qt::ElideMiddle, value.width()));
    }
    y += height;
  }
  return y;
}

// The map's marks explained, in the column beside the map; returns the
// bottom (mm).
double DrawLegend(QPainter& p, const TMapBox& m, double x, double y, const TRunReportInput& in) {
  p.setPen(Qt::black);
  p.setFont(Font(11, true));
  p.drawText(Box(x, y, 60, 6), Qt::AlignLeft | Qt::AlignVCenter, RunReport::tr("On the map"));
  y += 6.5;
  p.setRenderHint(QPainter::Antialiasing);
  auto line = [&](const QString& text) {
    p.setPen(Qt::black);
    p.setFont(Font(9));
    // A longer language's line wraps under itself.
    const double rows = QFontMetricsF(p.font()).horizontalAdvance(text) > Px(51) ? 2 : 1;
    p.drawText(Box(x + 9, y, 51, rows * kRow), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
    y += rows * kRow;
  };
  const double mid = kRow / 2;
  for (int k = stA; k <= stC; ++k) {
    const QPointF tip(Px(x + 0.5 + 1.6 * k), Px(y + mid + 1.5));
    DrawSvg(p, k == 0 ? QStringLiteral(":/art/pin_red.svg") : k == 1 ? QStringLiteral(":/art/pin_yellow.svg")
                                                                   : QStringLiteral(":/art/pin_aqua.svg"),
            QRectF(tip.x(), tip.y() - m.Mark(20), m.Mark(16), m.Mark(20)));
  }
  line(RunReport::tr("stations A, B, C"));
  const int32_t* radius = in.state.circleRadius;
  if (radius[stA] > 0 || radius[stB] > 0 || radius[stC] > 0) {
    QPainterPath arc;
    arc.addEllipse(QPointF(Px(x + 4), Px(y + mid)), Px(2.6), Px(1.8));
    RimmedPath(p, arc, kStationColour[stA], Px(0.35), Qt::DotLine);
    line(RunReport::tr("circles: increment + adjuster"));
  }
  if (in.answer.Solved()) {
    DrawSvg(p, QStringLiteral(":/art/epicenter.svg"),
            QRectF(Px(x + 4) - Px(2.2), Px(y + mid) - Px(2.2), Px(6.6), Px(6.6)));
    line(RunReport::tr("epicenter found"));
  }
  if (in.answer.Solved() && in.answer.hasOther) {
    DrawSvg(p, QStringLiteral(":/art/other_epicenter.svg"), QRectF(Px(x + 2.4), Px(y + mid - 1.6), Px(3.2), Px(3.2)));
    line(RunReport::tr("other point fitting the times"));
  }
  if (in.answer.ran && !in.answer.region.Empty()) {
    const QRectF swatch(Px(x + 1.5), Px(y + mid - 1.4), Px(5), Px(2.8));
    p.fillRect(swatch, kRegionFill);
    p.setPen(QPen(kRegionEdge, Px(0.3)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(swatch);
    line(RunReport::tr("points that fit the times"));
  }
  if (in.hasStrike) {
    DrawStrike(p, QPointF(Px(x + 4), Px(y + mid)), Px(2.4));
    line(RunReport::tr("struck point (simulated)"));
  }
  return y;
}

void DrawScope(QPainter& p, double y, double height, const QString& title, const QImage& picture) {
  const double width = kPageWidth - 2 * kMargin;
  p.setPen(Qt::black);
  p.setFont(Font(11, true));
  p.drawText(Box(kMargin, y, width, 6), Qt::AlignLeft | Qt::AlignVCenter, title);
  const QRectF area = Box(kMargin, y + 6.5, width, height);
  if (picture.isNull()) {
    p.fillRect(area, QColor(0xee, 0xee, 0xee));
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.setFont(Font(10));
    p.drawText(area, Qt::AlignCenter, RunReport::tr("not recorded"));
    return;
  }
  // The whole picture, as large as the area allows, centred.
  const QSizeF fit = QSizeF(picture.size()).scaled(area.size(), Qt::KeepAspectRatio);
  const QRectF at(area.center().x() - fit.width() / 2, area.top(), fit.width(), fit.height());
  p.drawImage(at, picture);
}

QString SolveFailure(const TRunReportInput& in) {
  for (int pair = 0; pair < 2; ++pair)
    if (in.how[2 * pair] == TTimeHow::NotSet || in.how[2 * pair + 1] == TTimeHow::NotSet)
      return RunReport::tr("not located: pair %1 has no times").arg(QLatin1String(kPairLabel[pair]));
  if (!in.answer.ran) return RunReport::tr("not located yet");
  const TSolveOutcome outcome = in.answer.point.outcome;
  // The solver's own words first, as the window's message says them.
  if (outcome == TSolveOutcome::NoPoint) return RunReport::tr("Bad Acquisition: the circles do not meet");
  return RunReport::tr("Bad acquisition: the point is off the map");
}

}  // namespace

QFont ReportFont(double points, bool bold) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

bool WriteRunReport(const QString& pdfPath, const TRunReportInput& in, QString* error) {
  InitReportResources();
  auto fail = [&](const QString& why) {
    if (error) *error = RunReport::tr("Cannot write the report %1: %2").arg(pdfPath, why);
    return false;
  };
  const QFileInfo target(pdfPath);
  if (target.isDir()) return fail(RunReport::tr("it is a folder"));
  // Written beside the file and renamed over it only when every byte is
  // on disk: a full disk leaves the old file, never half a PDF.
  QSaveFile file(pdfPath);
  if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
  QPdfWriter writer(&file);
  writer.setResolution(kDpi);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  writer.setTitle(RunReport::tr("Epicenter location report"));
  writer.setCreator(QStringLiteral("Tremora %1").arg(in.version));
  QPainter p;
  if (!p.begin(&writer)) return fail(RunReport::tr("the PDF writer could not start"));

  const TExperimentState& s = in.state;
  const double contentWidth = kPageWidth - 2 * kMargin;
  double y = kMargin;

  // Heading.
  p.setPen(Qt::black);
  p.setFont(Font(16, true));
  p.drawText(Box(kMargin, y, contentWidth, 9), Qt::AlignLeft | Qt::AlignVCenter,
             RunReport::tr("Epicenter location report"));
  p.setFont(Font(9));
  p.setPen(QColor(0x40, 0x40, 0x40));
  p.drawText(Box(kMargin, y, contentWidth, 9), Qt::AlignRight | Qt::AlignVCenter,
             QStringLiteral("Tremora %1   %2").arg(in.version, in.date));
  y += 10;
  p.setPen(QPen(QColor(0x80, 0x80, 0x80), Px(0.3)));
  p.drawLine(QPointF(Px(kMargin), Px(y)), QPointF(Px(kPageWidth - kMargin), Px(y)));
  y += 3;

  // The map on the left, the settings and the marks' legend beside it.
  const double mapWidth = 116;
  TMapBox map{Box(kMargin, y, mapWidth, mapWidth * kMapHeightMm / kMapWidthMm)};
  DrawMap(p, map, in);
  const double side = kMargin + mapWidth + 5;
  const double sideWidth = kPageWidth - kMargin - side;
  std::vector<std::pair<QString, QString>> settings;
  for (int k = stA; k <= stC; ++k)
    settings.emplace_back(RunReport::tr("Station %1").arg(QLatin1String(kStationName[k])),
                          RunReport::tr("x %1, y %2 mm").arg(s.stationX[k]).arg(s.stationY[k]));
  // A measured velocity is given with its uncertainty and the sensors'
  // corrections taken off the picks.
  settings.emplace_back(RunReport::tr("Pulse velocity"), RunReport::tr("%1 mm/s").arg(s.pulseVelocity));
  if (s.velocityUncertainty > 0) {
    settings.emplace_back(RunReport::tr("Measured to"),
                          RunReport::tr("± %1 mm/s").arg(Number(s.velocityUncertainty, 0)));
    settings.emplace_back(RunReport::tr("Correction B"),
                          RunReport::tr("%1 ms").arg(Number(1000 * s.sensorCorrection[0], 3)));
    settings.emplace_back(RunReport::tr("Correction C"),
                          RunReport::tr("%1 ms").arg(Number(1000 * s.sensorCorrection[1], 3)));
  }
  settings.emplace_back(RunReport::tr("Sample rate"), RunReport::tr("%1 samples/s").arg(s.acquisitionRate));
  settings.emplace_back(RunReport::tr("Acquisition"), RunReport::tr("%1 s per pair").arg(s.acquisitionTime));
  settings.emplace_back(RunReport::tr("Detection level"),
                        RunReport::tr("%1 \u2030 of full scale").arg(s.detectionLevel));
  settings.emplace_back(RunReport::tr("Map file"),
                        s.imageFileName.empty() ? QStringLiteral("\u2014")
                                                : QFileInfo(QString::fromStdString(s.imageFileName)).fileName());
  const double settingsEnd = DrawTable(p, side, y - 1, 26, sideWidth, RunReport::tr("Settings"), settings);
  const double besideEnd = DrawLegend(p, map, side, settingsEnd + 2, in);
  const double mapEnd = y + mapWidth * kMapHeightMm / kMapWidthMm;
  // A column beside the map longer than the map (a measured velocity's
  // rows, a language's wrapped lines) pushes the scopes down, and they
  // give up the height it took, so that the page still holds the tables.
  const double overrun = std::max(0.0, besideEnd - mapEnd);
  y = mapEnd + overrun + 4;

  // Both scopes, full width.
  const double scopeHeight = 52 - overrun / 2;
  DrawScope(p, y, scopeHeight, RunReport::tr("Pair %1").arg(QLatin1String(kPairLabel[0])), in.scopeAB);
  y += 6.5 + scopeHeight + 3;
  DrawScope(p, y, scopeHeight, RunReport::tr("Pair %1").arg(QLatin1String(kPairLabel[1])), in.scopeAC);
  y += 6.5 + scopeHeight + 4;

  // Times on the left, the result on the right.
  const double sampleMs = s.acquisitionRate > 0 ? 1000.0 / s.acquisitionRate : 0.0;
  const int decimals = SampleTimeDecimals(sampleMs);
  auto ms = [&](double seconds) { return Number(seconds * 1000.0, decimals); };
  const double times[4] = {s.timeA_AB, s.timeB, s.timeA_AC, s.timeC};
  const bool recorded[2] = {!in.scopeAB.isNull(), !in.scopeAC.isNull()};
  const QString timeNames[4] = {RunReport::tr("tA (pair A+B)"), RunReport::tr("tB"), RunReport::tr("tA (pair A+C)"), RunReport::tr("tC")};
  std::vector<std::pair<QString, QString>> timeRows;
  for (int k = 0; k < 4; ++k) {
    // A time kept without its pair's sound (a run opened without it) is
    // still the time the answer was found from.
    QString value = in.how[k] != TTimeHow::NotSet
                        ? RunReport::tr("%1 ms, %2").arg(ms(times[k]), TimeHowWords(in.how[k]))
                    : recorded[k / 2] ? RunReport::tr("not set")
                                      : RunReport::tr("not recorded");
    timeRows.emplace_back(timeNames[k], value);
  }
  const QString sample = Number(sampleMs, decimals);
  for (int pair = 0; pair < 2; ++pair) {
    const QString name = pair == 0 ? QStringLiteral("tB \u2212 tA") : QStringLiteral("tC \u2212 tA");
    const bool timed = in.how[2 * pair] != TTimeHow::NotSet && in.how[2 * pair + 1] != TTimeHow::NotSet;
    timeRows.emplace_back(RunReport::tr("Delay %1").arg(name),
                          timed ? RunReport::tr("%1 \u00b1 %2 ms").arg(ms(times[2 * pair + 1] - times[2 * pair]), sample)
                                : QStringLiteral("\u2014"));
  }
  const double half = (contentWidth - 6) / 2;
  const double timesEnd = DrawTable(p, kMargin, y, 31, half, RunReport::tr("Arrival times"), timeRows);

  std::vector<std::pair<QString, QString>> result;
  result.emplace_back(RunReport::tr("Increments"), PerStation(s.radiusIncrement));
  result.emplace_back(RunReport::tr("Circle radii"), PerStation(s.circleRadius));
  const TEpicenterAnswer& answer = in.answer;
  result.emplace_back(RunReport::tr("Epicenter"),
                      answer.Solved() ? Point(answer.point.x, answer.point.y) : SolveFailure(in));
  if (answer.Solved()) {
    QString others = RunReport::tr("none: one place fits the times");
    if (!answer.others.empty()) {
      QStringList places;
      for (size_t k = 0; k < answer.others.size() && k < size_t(kMaxOtherPlaces); ++k)
        places << Point(answer.others[k].bestX, answer.others[k].bestY);
      others = places.join(QStringLiteral("; "));
    }
    result.emplace_back(RunReport::tr("Other places"), others);
    if (!answer.BothPairs())
      result.emplace_back(RunReport::tr("Uncertainty"), RunReport::tr("cannot be told: a pair has no times"));
    else if (answer.Fits())
      result.emplace_back(RunReport::tr("Uncertainty"),
                          RunReport::tr("up to %1 mm from the mark").arg(Number(answer.uncertainty, 1)));
    else
      result.emplace_back(RunReport::tr("Uncertainty"), RunReport::tr("no point of the map fits the times"));
    if (answer.Fits() && answer.BothPairs())
      result.emplace_back(RunReport::tr("Spread"), RunReport::tr("up to %1 mm, all shaded places")
                                                          .arg(Number(answer.spread, 1)));
  } else if (answer.ran && answer.region.Empty()) {
    result.emplace_back(RunReport::tr("Why"), NoFitSentence(answer, s.pulseVelocity));
  }
  if (in.hasStrike) {
    result.emplace_back(RunReport::tr("Struck at"), Point(in.strikeX, in.strikeY));
    if (answer.Solved())
      result.emplace_back(RunReport::tr("Found off by"),
                          RunReport::tr("%1 mm").arg(Number(std::hypot(answer.point.x - in.strikeX,
                                                                        answer.point.y - in.strikeY), 1)));
  }
  const double resultEnd = DrawTable(p, kMargin + half + 6, y, 25, half, RunReport::tr("Result"), result);

  // Room for the student's name at the foot of the page.
  y = std::max({timesEnd, resultEnd, kPageHeight - kMargin - 8}) + 2;
  p.setPen(Qt::black);
  p.setFont(Font(10));
  p.drawText(Box(kMargin, y, contentWidth, 6), Qt::AlignLeft | Qt::AlignVCenter,
             RunReport::tr("Name: ____________________________   Group: __________   Date: ______________"));

  if (!p.end()) return fail(RunReport::tr("the PDF could not be finished"));
  if (!file.commit()) return fail(file.errorString());
  return true;
}
