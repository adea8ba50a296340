// The printable report of a run, read back as a reader sees it: one A4
// page, rendered by Qt's PDF reader, with the map, both scopes' pictures
// and the table's numbers in it.
#include "app/language/program_language.h"
#include "app/run/run_report.h"

#include <QPdfDocument>
#include <QPdfSelection>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <cmath>
#include <functional>

#include <gmock/gmock.h>

#include "support/test_support.h"

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

const QColor kMapColour(0x30, 0xa0, 0x50);
const QColor kScopeABColour(0xc0, 0x20, 0xc0);
const QColor kScopeACColour(0x20, 0x40, 0xd0);

QImage Filled(int w, int h, const QColor& c) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(c);
  return image;
}

// The worked example: stations, velocity and the times of a pulse struck
// near (500, 450) mm, solved as the acquisition window solves them.
TRunReportInput WorkedExampleRun() {
  TRunReportInput in;
  TExperimentState& s = in.state;
  const int xs[3] = {200, 900, 600}, ys[3] = {300, 200, 800};
  for (int k = 0; k < 3; ++k) s.stationX[k] = xs[k], s.stationY[k] = ys[k];
  s.pulseVelocity = 120000;
  s.acquisitionTime = 2;
  s.acquisitionRate = 44100;
  s.detectionLevel = 300;
  s.mapScale = 2.0;
  s.imageFileName = "maps/floor.jpg";
  s.timeA_AB = 0.5, s.timeB = 0.5011357, s.timeA_AC = 1.2, s.timeC = 1.2002383;
  in.answer = AnswerEpicenter(s);
  ApplyAnswer(in.answer, s);
  SetCircleRadii(s, 300);
  in.hasStrike = true, in.strikeX = 500, in.strikeY = 450;
  in.how[0] = TTimeHow::Detected, in.how[1] = TTimeHow::Dragged;
  in.how[2] = in.how[3] = TTimeHow::Detected;
  in.version = "0.1";
  in.date = "2026-12-09";
  in.map = Filled(700, 500, kMapColour);
  in.scopeAB = Filled(800, 230, kScopeABColour);
  in.scopeAC = Filled(800, 230, kScopeACColour);
  return in;
}

bool Near(QRgb p, const QColor& c, int tolerance = 12) {
  return std::abs(qRed(p) - c.red()) <= tolerance && std::abs(qGreen(p) - c.green()) <= tolerance &&
         std::abs(qBlue(p) - c.blue()) <= tolerance;
}

// The bounding box of the page's pixels of one colour (the pictures are
// solid stand-ins, so the box is where the picture landed).
QRect Where(const QImage& page, const QColor& c) {
  QRect box;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (Near(page.pixel(x, y), c)) box |= QRect(x, y, 1, 1);
  return box;
}

struct TReadBack {
  int pages = 0;
  QSizeF pointSize;
  QImage page;
  QString text;
};

TReadBack Read(const QString& path) {
  TReadBack r;
  QPdfDocument doc;
  if (doc.load(path) != QPdfDocument::Error::None) return r;
  r.pages = doc.pageCount();
  r.pointSize = doc.pagePointSize(0);
  // On white paper: the renderer leaves what is not painted transparent.
  const QImage rendered = doc.render(0, (r.pointSize * 2).toSize());
  r.page = QImage(rendered.size(), QImage::Format_RGB32);
  r.page.fill(Qt::white);
  QPainter(&r.page).drawImage(0, 0, rendered);
  r.text = doc.getAllText(0).text();
  // KEEP_PNG=/some/prefix- keeps the rendered pages, to look at them.
  if (qEnvironmentVariableIsSet("KEEP_PNG"))
    r.page.save(qEnvironmentVariable("KEEP_PNG") + QFileInfo(path).baseName() + QStringLiteral(".png"));
  return r;
}

TEST(RunReport, OnePageWithTheMapBothScopesAndTheNumbers) {
  testsupport::TempDir dir;
  const QString path = QString::fromStdString((dir / "report.pdf").string());
  const TRunReportInput in = WorkedExampleRun();
  ASSERT_TRUE(in.answer.Solved());
  QString error;
  ASSERT_TRUE(WriteRunReport(path, in, &error)) << error.toStdString();
  const TReadBack r = Read(path);
  ASSERT_EQ(r.pages, 1);
  EXPECT_NEAR(r.pointSize.width(), 595.3, 1.0);  // A4 in points
  EXPECT_NEAR(r.pointSize.height(), 841.9, 1.0);
  ASSERT_FALSE(r.page.isNull());

  // The map in the upper part with its own proportions, the scopes below
  // it in order, each the whole picture (a scope's picture is 800 x 230).
  const QRect map = Where(r.page, kMapColour), ab = Where(r.page, kScopeABColour), ac = Where(r.page, kScopeACColour);
  ASSERT_FALSE(map.isEmpty());
  ASSERT_FALSE(ab.isEmpty());
  ASSERT_FALSE(ac.isEmpty());
  EXPECT_NEAR(double(map.width()) / map.height(), 1.4, 0.03);
  EXPECT_GT(map.width(), r.page.width() / 2) << "the map is the page's main picture";
  EXPECT_LT(map.bottom(), ab.top());
  EXPECT_LT(ab.bottom(), ac.top());
  EXPECT_LT(ac.bottom(), r.page.height() * 0.85) << "room for the table below";
  for (const QRect& scope : {ab, ac}) {
    EXPECT_NEAR(double(scope.width()) / scope.height(), 800.0 / 230, 0.08);
    EXPECT_GT(scope.width(), r.page.width() * 0.8);
  }
  // Marks where the millimetres put them on the map: the epicenter's red
  // centre, station A's pin beside its needle tip.
  auto at = [&](double x, double y) {
    return QPoint(int(map.left() + x / 1400 * map.width()), int(map.top() + y / 1000 * map.height()));
  };
  const QPoint epicenter = at(in.state.epicenterX, in.state.epicenterY);
  EXPECT_GT(qRed(r.page.pixel(epicenter)), 150);
  EXPECT_LT(qGreen(r.page.pixel(epicenter)), 80);
  bool pinA = false;
  const QPoint tipA = at(200, 300);
  for (int dy = -25; dy <= 0; ++dy)
    for (int dx = 0; dx <= 25; ++dx) pinA |= Near(r.page.pixel(tipA + QPoint(dx, dy)), QColor(0xe0, 0x10, 0x10), 50);
  EXPECT_TRUE(pinA);
  EXPECT_FALSE(Near(r.page.pixel(at(1300, 900)), QColor(0xe0, 0x10, 0x10), 50)) << "nothing red far from the marks";

  // The table, as printed.
  for (const char* line : {"Station A", "x 200, y 300 mm", "120000 mm/s", "44100 samples/s", "2 s per pair",
                           "300 \u2030 of full scale", "floor.jpg", "500.000 ms, detected", "501.136 ms, dragged",
                           "1.136 \u00b1 0.023 ms", "0.238 \u00b1 0.023 ms", "A 0, B 136, C 29 mm",
                           "A 300, B 436, C 329 mm", "x 500.7 mm, y 449.8 mm", "x 500.0 mm, y 450.0 mm",
                           "Tremora 0.1", "2026-12-09"})
    EXPECT_THAT(r.text.toStdString(), HasSubstr(line));
  EXPECT_THAT(r.text.toStdString(), HasSubstr("up to "));
  EXPECT_THAT(r.text.toStdString(), Not(HasSubstr("not recorded")));
}

TEST(RunReport, SaysWhatIsMissingAndRefusesAPlaceItCannotWrite) {
  testsupport::TempDir dir;
  TRunReportInput in = WorkedExampleRun();
  // Pair A+B opened without its sound, its times kept; pair A+C neither
  // recorded nor timed: no answer.
  in.scopeAB = QImage();
  in.scopeAC = QImage();
  in.how[2] = in.how[3] = TTimeHow::NotSet;
  in.state.timeA_AC = in.state.timeC = 0;
  in.answer = TEpicenterAnswer{};
  in.map = QImage();
  in.hasStrike = false;
  const QString path = QString::fromStdString((dir / "partial.pdf").string());
  QString error;
  ASSERT_TRUE(WriteRunReport(path, in, &error)) << error.toStdString();
  const TReadBack r = Read(path);
  ASSERT_EQ(r.pages, 1);
  EXPECT_TRUE(Where(r.page, kScopeABColour).isEmpty());
  EXPECT_TRUE(Where(r.page, kScopeACColour).isEmpty());
  EXPECT_TRUE(Where(r.page, kMapColour).isEmpty());
  for (const char* line : {"map picture not available", "500.000 ms, detected", "501.136 ms, dragged",
                           "1.136 \u00b1 0.023 ms", "not recorded", "not located: pair A+C has no times"})
    EXPECT_THAT(r.text.toStdString(), HasSubstr(line));
  // A time never set is not a time of 0.
  EXPECT_THAT(r.text.toStdString(), Not(HasSubstr("(pair A+C) 0.000 ms")));
  EXPECT_THAT(r.text.toStdString(), Not(HasSubstr("x 500.7 mm")));

  for (const QString& bad : {QString::fromStdString((dir / "no-such-folder" / "report.pdf").string()),
                             QString::fromStdString(dir.path().string())}) {
    error.clear();
    EXPECT_FALSE(WriteRunReport(bad, in, &error));
    EXPECT_THAT(error.toStdString(), HasSubstr(bad.toStdString()));
  }
}

// In each language the page is that language's, numbers with its decimal
// sign, and no line is shortened to fit.
TEST(RunReport, EachLanguageFitsItsWordsOnThePage) {
  testsupport::TempDir dir;
  const TRunReportInput in = WorkedExampleRun();
  const QStringList languages{QStringLiteral("pt_BR"), QStringLiteral("es"), QStringLiteral("fr"), QStringLiteral("de")};
  const QStringList title{QStringLiteral("epicentro"), QStringLiteral("epicentro"), QStringLiteral("épicentre"),
                          QStringLiteral("Epizentrum")};
  for (int l = 0; l < languages.size(); ++l) {
    SCOPED_TRACE(languages[l].toStdString());
    InstallLanguage(languages[l]);
    const QString path = QString::fromStdString((dir / (languages[l].toStdString() + ".pdf")).string());
    QString error;
    ASSERT_TRUE(WriteRunReport(path, in, &error)) << error.toStdString();
    const TReadBack r = Read(path);
    EXPECT_EQ(r.pages, 1);
    EXPECT_TRUE(r.text.contains(title[l])) << r.text.toStdString();
    EXPECT_TRUE(r.text.contains(QStringLiteral("1,136 \u00b1 0,023 ms"))) << r.text.toStdString();
    EXPECT_FALSE(r.text.contains(QChar(0x2026))) << r.text.toStdString();
  }
  InstallLanguage(QString());
}

}  // namespace
