// Painting a real scope offscreen and reading its pixels: trace rows and
// columns, reduction keeping the extremes, grid lines at the ticks, tick
// labels and axis titles, the trace cache across hovers and resizes, and
// bad data that must not crash.

#include <QBackingStore>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <tuple>

#include "buffers/simple_data_buffer.h"
#include "draw/canvas.h"
#include "draw/custom_control.h"
#include "pins/component.h"
#include "pins/operations.h"
#include "scope/axes/additional_axes.h"
#include "scope/scope.h"
#include "scope_feed.h"

#include <gtest/gtest.h>

namespace {

struct Paint : ::testing::Test {
  TLPComponent owner;
  TSLOWRealSourcePin source{&owner, nullptr, 0, nullptr, false, owner.Lock()};
  TSLScope scope;

  void SetUp() override {
    scope.resize(800, 230);
    scope.Title()->SetVisible(false);
    scope.Legend()->SetVisible(false);
    scope.XAxis()->DataView()->Lines()->SetVisible(false);
    scope.XAxis()->DataView()->ZeroLine()->SetVisible(false);
    scope.YAxis()->DataView()->Lines()->SetVisible(false);
    scope.YAxis()->DataView()->ZeroLine()->SetVisible(false);
    scope.YAxis()->AutoScaling()->SetEnabled(false);
    scope.YAxis()->Min()->SetValue(-1);
    scope.YAxis()->Max()->SetValue(1);
    scope.DataView()->Border()->SetVisible(false);
    ASSERT_TRUE(scope.InputPins()->GetPin(0)->Connect(&source));
    source.Notify(MakeOperation<TOWStartSampleRateOperation>(44100.0).get());
  }
  void TearDown() override { scope.InputPins()->GetPin(0)->Disconnect(); }

  void Send(const std::vector<double>& samples) {
    TRef<ISLRealBuffer> b(new TSLRealBuffer(samples.data(), int(samples.size())));
    source.SendBuffer(b.get());
    scope.RefreshTimerTick();
  }
  QImage Render() {
    scope.RedrawBackBuffer();
    return scope.BackBuffer().copy();
  }
  // Rows of column x holding the channel colour (red).
  static std::vector<int> RedRows(const QImage& image, int x) {
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y)
      if (image.pixelColor(x, y) == QColor(Qt::red)) rows.push_back(y);
    return rows;
  }
  static int RedCount(const QImage& image, const QRect& area) {
    int n = 0;
    for (int x = area.left(); x <= area.right(); ++x)
      for (int y = area.top(); y <= area.bottom(); ++y)
        if (image.pixelColor(x, y) == QColor(Qt::red)) ++n;
    return n;
  }
};

TEST_F(Paint, ConstantTraceLandsOnThePredictedRow) {
  Send(std::vector<double>(1000, 0.5));
  const QImage image = Render();
  const QRect view = scope.DataViewRect();
  ASSERT_GT(view.width(), 100);
  const int expected = scope.YAxis()->TickToScreen(0.5);
  // Value 0.5 of -1..1 lies a quarter of the height below the top.
  EXPECT_NEAR(expected, view.bottom() - 0.75 * (view.height() - 1), 1.0);
  for (int x : {view.left() + 10, view.center().x(), view.right() - 10})
    EXPECT_EQ(RedRows(image, x), std::vector<int>{expected}) << "column " << x;
  if (qEnvironmentVariableIsSet("TREMORA_SCOPE_PNG")) image.save(qEnvironmentVariable("TREMORA_SCOPE_PNG"));
}

// Both ends of both axes are drawn: the lowest and highest value of the Y
// range and the first and last sample land on rows and columns inside the
// picture, and the grid, zero line, cursors and ticks stand where the traces
// put the same values, also with a reversed Y axis.
TEST_F(Paint, BothEndsOfTheRangesAreDrawnWhereGridCursorsAndTicksStand) {
  scope.XAxis()->Min()->SetAutoScale(false);
  scope.XAxis()->Max()->SetAutoScale(false);
  scope.XAxis()->Max()->SetDataValue(999);
  scope.XAxis()->Max()->SetValue(999);
  std::vector<double> square(1000);
  for (int i = 0; i < 1000; ++i) square[i] = (i / 100) % 2 ? -1.0 : 1.0;
  Send(square);
  for (bool reversed : {false, true}) {
    scope.YAxis()->SetReversed(reversed);
    QImage image = Render();
    const QRect view = scope.DataViewRect();
    const int top = scope.YAxis()->TickToScreen(1), bottom = scope.YAxis()->TickToScreen(-1);
    EXPECT_EQ(reversed ? bottom : top, view.top());
    EXPECT_EQ(reversed ? top : bottom, view.bottom());
    const QRect topRow(view.left(), top, view.width(), 1), bottomRow(view.left(), bottom, view.width(), 1);
    // Five flat tops and five flat bottoms, each about a tenth of the width.
    EXPECT_GT(RedCount(image, topRow), view.width() / 3) << reversed;
    EXPECT_GT(RedCount(image, bottomRow), view.width() / 3) << reversed;
    // The first and the last sample's columns.
    EXPECT_EQ(scope.XAxis()->TickToScreen(0), view.left());
    EXPECT_EQ(scope.XAxis()->TickToScreen(999), view.right());
    EXPECT_FALSE(RedRows(image, view.left()).empty());
    EXPECT_FALSE(RedRows(image, view.right()).empty());
  }
  scope.YAxis()->SetReversed(false);
  // Grid lines at the ticks of -1 and 1, a zero line at 0, on both axes.
  for (TSLDisplayAxis* axis : {static_cast<TSLDisplayAxis*>(scope.XAxis()), static_cast<TSLDisplayAxis*>(scope.YAxis())}) {
    axis->DataView()->Lines()->SetVisible(true);
    axis->DataView()->Lines()->Pen()->SetColor(QColor(0, 0, 255));
    axis->DataView()->ZeroLine()->SetVisible(true);
    axis->DataView()->ZeroLine()->Pen()->SetColor(QColor(0, 255, 0));
  }
  scope.Channels()->Channel(0)->SetVisible(false);
  QImage image = Render();
  const QRect view = scope.DataViewRect();
  const int mid = view.center().x(), bottom = scope.YAxis()->TickToScreen(-1);
  std::vector<int> rows, columns;
  scope.YAxis()->WalkMajorTicks(scope.BackCanvas(), [&](double, int pixel, bool) { rows.push_back(pixel); });
  scope.XAxis()->WalkMajorTicks(scope.BackCanvas(), [&](double, int pixel, bool) { columns.push_back(pixel); });
  EXPECT_NE(std::find(rows.begin(), rows.end(), bottom), rows.end());
  EXPECT_NE(std::find(columns.begin(), columns.end(), view.left()), columns.end());
  EXPECT_EQ(image.pixelColor(mid + 1, bottom), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(mid + 1, scope.YAxis()->TickToScreen(1)), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(mid + 1, scope.YAxis()->TickToScreen(0)), QColor(0, 255, 0));
  EXPECT_EQ(image.pixelColor(view.left(), view.center().y() + 1), QColor(0, 255, 0));
  // The grid's vertical lines reach the bottom row (the Y grid off, that
  // would cross there).
  scope.YAxis()->DataView()->Lines()->SetVisible(false);
  EXPECT_EQ(Render().pixelColor(view.left(), bottom), QColor(0, 255, 0));
  scope.YAxis()->DataView()->Lines()->SetVisible(true);
  // The Y band's tick of -1 on that row, in the axis colour.
  const QRect band = scope.YAxis()->ViewRect();
  int tick = 0;
  for (int x = band.left(); x <= band.right(); ++x) tick += image.pixelColor(x, bottom) == QColor(Qt::white);
  EXPECT_GE(tick, 5);
  // Cursors at the lowest value and at the last sample.
  auto* low = static_cast<TSLDisplayCursor*>(scope.Cursors()->Add());
  low->SetKind(SL::ckHorizontal);
  low->Position()->SetY(-1);
  low->SetColor(QColor(255, 0, 255));
  auto* last = static_cast<TSLDisplayCursor*>(scope.Cursors()->Add());
  last->Position()->SetX(999);
  last->SetColor(QColor(255, 255, 0));
  image = Render();
  EXPECT_EQ(scope.CursorPixel(low, true, -1), bottom);
  EXPECT_EQ(image.pixelColor(mid + 3, bottom), QColor(255, 0, 255));
  EXPECT_EQ(image.pixelColor(view.right(), view.center().y() + 3), QColor(255, 255, 0));
}

TEST_F(Paint, ReductionKeepsASpikeAtAnyIndex) {
  for (int index : {0, 1, 12345, 22050, 44098, 44099}) {
    std::vector<double> samples(44100, 0.0);
    samples[index] = 1.0;
    Send(samples);
    const QImage image = Render();
    EXPECT_TRUE(scope.Channels()->Channel(0)->Trace().Reduced());
    const QRect view = scope.DataViewRect();
    const int top = scope.YAxis()->TickToScreen(1.0);
    int hits = 0;
    for (int x = view.left(); x <= view.right(); ++x)
      if (image.pixelColor(x, top) == QColor(Qt::red)) ++hits;
    EXPECT_GE(hits, 1) << "spike at " << index << " lost";
    EXPECT_EQ(scope.Channels()->Channel(0)->Trace().Points().size(), 2 * view.width()) << index;
  }
}

TEST_F(Paint, RangeStartingBeforeTheDataLeavesLeftColumnsEmpty) {
  scope.XAxis()->Min()->SetAutoScale(false);
  scope.XAxis()->Min()->SetDataValue(-44100);
  scope.XAxis()->Min()->SetValue(-44100);
  scope.XAxis()->Max()->SetAutoScale(false);
  scope.XAxis()->Max()->SetDataValue(44100);
  scope.XAxis()->Max()->SetValue(44100);
  Send(std::vector<double>(44100, 0.5));
  const QImage image = Render();
  const QRect view = scope.DataViewRect();
  const int zeroColumn = scope.XAxis()->TickToScreen(0);
  EXPECT_NEAR(zeroColumn, view.left() + (view.width() - 1) / 2.0, 1.0);
  EXPECT_EQ(RedCount(image, QRect(QPoint(view.left(), view.top()), QPoint(zeroColumn - 2, view.bottom()))), 0);
  EXPECT_FALSE(RedRows(image, zeroColumn + 2).empty());
}

TEST_F(Paint, GridLinesStandAtTheTicksAndLabelsFollowTheFormat) {
  scope.YAxis()->DataView()->Lines()->SetVisible(true);
  scope.YAxis()->DataView()->Lines()->Pen()->SetColor(QColor(0, 0, 255));
  scope.YAxis()->Format()->SetPrecision(3);
  scope.XAxis()->Format()->SetPrecision(3);
  scope.XAxis()->Min()->SetAutoScale(false);
  scope.XAxis()->Max()->SetAutoScale(false);
  scope.XAxis()->Max()->SetDataValue(44100);
  scope.XAxis()->Max()->SetValue(1.0);
  const QImage image = Render();
  if (qEnvironmentVariableIsSet("TREMORA_SCOPE_PNG")) image.save(qEnvironmentVariable("TREMORA_SCOPE_PNG"));
  std::vector<double> ticks;
  QStringList labels;
  scope.YAxis()->WalkMajorTicks(scope.BackCanvas(), [&](double value, int pixel, bool zero) {
    ticks.push_back(value);
    labels << scope.YAxis()->LabelText(value);
    // A horizontal grid line at each tick but zero, whose line is hidden.
    const QColor expected = zero ? QColor(Qt::black) : QColor(0, 0, 255);
    EXPECT_EQ(image.pixelColor(scope.DataViewRect().center().x(), pixel), expected) << value;
  });
  ASSERT_GE(ticks.size(), 3u);
  EXPECT_TRUE(labels.contains(QStringLiteral("0.00"))) << labels.join(' ').toStdString();
  EXPECT_TRUE(labels.contains(QStringLiteral("-1.00"))) << labels.join(' ').toStdString();
  EXPECT_TRUE(labels.contains(QStringLiteral("0.50"))) << labels.join(' ').toStdString();
  // Sample 22050 of 44100 sits at the centre and reads 0.50.
  const QRect view = scope.DataViewRect();
  EXPECT_NEAR(scope.XAxis()->TickToScreen(scope.XAxis()->DataToTick(22050)), view.left() + (view.width() - 1) / 2.0, 1);
  EXPECT_EQ(scope.XAxis()->LabelText(scope.XAxis()->DataToTick(22050)), QStringLiteral("0.50"));
  // A time range 0 .. 0.5 gets three decimals; tiny values read as zero.
  scope.XAxis()->Max()->SetValue(0.5);
  EXPECT_EQ(scope.XAxis()->LabelText(0.25), QStringLiteral("0.250"));
  // No digit grouping, and no "-0" for a small negative value.
  scope.XAxis()->Max()->SetValue(44100);
  scope.XAxis()->Format()->SetPrecision(0);
  EXPECT_EQ(scope.XAxis()->LabelText(12000), QStringLiteral("12000"));
  EXPECT_EQ(scope.XAxis()->LabelText(-0.2), QStringLiteral("0"));
  // Tick values within 1.5e-45 of zero read as zero.
  scope.YAxis()->Min()->SetValue(-1e-44);
  scope.YAxis()->Max()->SetValue(1e-44);
  Render();
  QStringList tiny;
  scope.YAxis()->WalkMajorTicks(scope.BackCanvas(), [&](double v, int, bool zero) {
    if (zero) tiny << scope.YAxis()->LabelText(v);
  });
  EXPECT_FALSE(tiny.isEmpty());
  for (const QString& t : tiny) EXPECT_FALSE(t.startsWith('-')) << t.toStdString();
}

TEST_F(Paint, AxisTitlesAndEqualEnds) {
  scope.XAxis()->SetTicksMode(SL::atmTime);
  Send(std::vector<double>(44100, 0.0));
  EXPECT_EQ(scope.XAxis()->TitleText(), QStringLiteral("mSec"));
  scope.XAxis()->SetTicksMode(SL::atmBufferSamples);
  EXPECT_EQ(scope.XAxis()->TitleText(), QStringLiteral("Samples"));
  scope.XAxis()->AxisLabel()->SetText(QStringLiteral("Time (s)"));
  EXPECT_EQ(scope.XAxis()->TitleText(), QStringLiteral("Time (s)"));
  EXPECT_EQ(scope.YAxis()->TitleText(), QStringLiteral("Y Axis"));
  // Equal shown ends put every value at the centre.
  scope.YAxis()->Min()->SetValue(0.25);
  scope.YAxis()->Max()->SetValue(0.25);
  Render();
  const QRect view = scope.DataViewRect();
  EXPECT_NEAR(scope.YAxis()->TickToScreen(123.0), view.bottom() - (view.height() - 1) / 2.0, 1.0);
}

TEST_F(Paint, HoverReusesTheCachedTraceAndResizeRebuildsIt) {
  Send(std::vector<double>(44100, 0.25));
  Render();
  const TSLTraceCache& trace = scope.Channels()->Channel(0)->Trace();
  const int rebuilds = trace.Rebuilds();
  for (int i = 0; i < 100; ++i) {
    scope.Changed();  // what every pointer move over the control does
    Render();
  }
  EXPECT_EQ(trace.Rebuilds(), rebuilds);
  scope.resize(600, 200);
  Render();
  EXPECT_EQ(trace.Rebuilds(), rebuilds + 1);
  EXPECT_EQ(trace.Points().size(), 2 * scope.DataViewRect().width());
  // A new block rebuilds too.
  Send(std::vector<double>(44100, -0.25));
  Render();
  EXPECT_EQ(trace.Rebuilds(), rebuilds + 2);
}

// The cached trace follows every input of its pixel positions on a stopped
// scope: the pulse at sample 2000 moves when the data range behind the same
// shown seconds changes, when the Y axis turns round, its range or scale
// mode change, the scope turns upright or is resized, or the data change.
TEST_F(Paint, CachedTraceFollowsEveryInputOfThePixelMapping) {
  scope.XAxis()->Min()->SetAutoScale(false);
  scope.XAxis()->Max()->SetAutoScale(false);
  scope.XAxis()->Max()->SetDataValue(8000);
  scope.XAxis()->Max()->SetValue(1.0);
  std::vector<double> pulse(8000, 0.0);
  pulse[2000] = 1.0;
  Send(pulse);
  // Where the painted trace reaches furthest from the zero row.
  const auto peak = [&](const QImage& image) {
    const QRect view = scope.DataViewRect();
    const int zero = scope.YAxis()->TickToScreen(0);
    QPoint best(-1, -1);
    int far = 0;
    for (int x = view.left(); x <= view.right(); ++x)
      for (int y = view.top(); y <= view.bottom(); ++y)
        if (image.pixelColor(x, y) == QColor(Qt::red) && std::abs(y - zero) > far) {
          far = std::abs(y - zero);
          best = QPoint(x, y);
        }
    return best;
  };
  const auto expected = [&](int sample, double value) {
    return QPoint(scope.XAxis()->TickToScreen(scope.XAxis()->DataToTick(sample)), scope.YAxis()->TickToScreen(value));
  };
  const auto check = [&](const char* what) {
    const QPoint at = peak(Render()), want = expected(2000, 1.0);
    EXPECT_NEAR(at.x(), want.x(), 1) << what;
    EXPECT_NEAR(at.y(), want.y(), 1) << what;
  };
  check("start");
  const int rebuilds = scope.Channels()->Channel(0)->Trace().Rebuilds();
  scope.XAxis()->Max()->SetDataValue(44100);  // the rate changed, not the seconds
  check("X data value");
  scope.XAxis()->Min()->SetDataValue(-4000);
  check("X lower data value");
  scope.XAxis()->Min()->SetDataValue(0);
  scope.YAxis()->SetReversed(true);
  check("reversed");
  scope.YAxis()->SetReversed(false);
  check("not reversed");
  scope.YAxis()->Max()->SetValue(2.0);
  check("Y range");
  scope.XAxis()->Max()->SetValue(0.5);
  check("X range");
  scope.resize(700, 260);
  check("size");
  scope.Legend()->SetVisible(true);
  check("geometry");
  scope.XAxis()->Max()->SetValue(1.0);
  pulse[2000] = 0.0;
  pulse[3000] = 1.0;
  Send(pulse);
  const QPoint moved = peak(Render());
  EXPECT_NEAR(moved.x(), expected(3000, 1.0).x(), 1) << "new data";
  EXPECT_GE(scope.Channels()->Channel(0)->Trace().Rebuilds(), rebuilds + 9);
  // Turned upright: time runs down the view.
  scope.SetVertical(true);
  const QImage upright = Render();
  // A reduced trace's column may stand one pixel off the exact mapping.
  int red = 0;
  const int row = scope.XAxis()->TickToScreen(scope.XAxis()->DataToTick(3000));
  for (int y = row - 1; y <= row + 1; ++y) {
    int inRow = 0;
    for (int x = 0; x < upright.width(); ++x) inRow += upright.pixelColor(x, y) == QColor(Qt::red);
    red = std::max(red, inRow);
  }
  EXPECT_GE(red, scope.DataViewRect().width() / 3) << "vertical";
}

// An axis whose ends were made unusable (NaN or overflowing data values)
// still paints ticks, and a sane range set afterwards through the axis's
// value to data value relation shows the trace as before.
TEST_F(Paint, BrokenAxisEndsPaintAndASaneRangeRepairsThem) {
  scope.XAxis()->Min()->SetAutoScale(false);
  scope.XAxis()->Max()->SetAutoScale(false);
  scope.XAxis()->Max()->SetDataValue(8000);
  scope.XAxis()->Max()->SetValue(1.0);
  std::vector<double> pulse(8000, 0.0);
  pulse[2000] = 1.0;
  Send(pulse);
  Render();
  const QRect view = scope.DataViewRect();
  const int top = scope.YAxis()->TickToScreen(1.0);
  const auto pulseColumn = [&](const QImage& image) {
    for (int x = view.left(); x <= view.right(); ++x)
      if (image.pixelColor(x, top) == QColor(Qt::red)) return x;
    return -1;
  };
  const int before = pulseColumn(Render());
  EXPECT_NEAR(before, view.left() + 0.25 * (view.width() - 1), 1);
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  for (const auto& [lo, hi, dataLo, dataHi] : {std::tuple{-1e308, 1e308, -inf, inf}, std::tuple{0.0, 1.0, 0.0, nan},
                                              std::tuple{nan, 1.0, nan, nan}}) {
    scope.XAxis()->Min()->SetValue(lo);
    scope.XAxis()->Max()->SetValue(hi);
    scope.XAxis()->Min()->SetDataValue(dataLo);
    scope.XAxis()->Max()->SetDataValue(dataHi);
    Render();
    int ticks = 0;
    scope.XAxis()->WalkMajorTicks(scope.BackCanvas(), [&](double, int, bool) { ++ticks; });
    EXPECT_GE(ticks, 1) << lo << " " << hi;
    EXPECT_GT(scope.DataViewRect().width(), 600);
    // The range typed back: its data values follow the last sane relation.
    const double d0 = scope.XAxis()->DataValueFor(0.0), d1 = scope.XAxis()->DataValueFor(1.0);
    EXPECT_DOUBLE_EQ(d0, 0.0);
    EXPECT_DOUBLE_EQ(d1, 8000.0);
    scope.XAxis()->Min()->SetValue(0.0);
    scope.XAxis()->Min()->SetDataValue(d0);
    scope.XAxis()->Max()->SetValue(1.0);
    scope.XAxis()->Max()->SetDataValue(d1);
    EXPECT_EQ(pulseColumn(Render()), before) << lo << " " << hi;
  }
}

// Minor ticks fill every interval between two drawn major ticks, the first
// one above the start of the walk included, on both axes.
TEST_F(Paint, MinorTicksFillEveryIntervalOfBothAxes) {
  scope.XAxis()->Min()->SetAutoScale(false);
  scope.XAxis()->Max()->SetAutoScale(false);
  scope.XAxis()->Max()->SetDataValue(50);
  scope.XAxis()->Max()->SetValue(50);
  scope.YAxis()->Min()->SetValue(0);
  scope.YAxis()->Max()->SetValue(1);
  const QImage image = Render();
  for (TSLDisplayAxis* axis : {static_cast<TSLDisplayAxis*>(scope.XAxis()), static_cast<TSLDisplayAxis*>(scope.YAxis())}) {
    axis->MinorTicks()->SetCount(4);
    std::vector<int> majors;
    axis->WalkMajorTicks(scope.BackCanvas(), [&](double, int pixel, bool) { majors.push_back(pixel); });
    std::sort(majors.begin(), majors.end());
    ASSERT_GE(majors.size(), 3u);
    // Minor ticks reach 5 pixels out from the axis line, 5 pixels off the
    // band's inner edge; count the axis colour 4 pixels out, between ticks.
    const QRect band = axis->ViewRect();
    const bool horizontal = axis->RunsHorizontally();
    const int across = horizontal ? band.top() + 5 + 4 : band.right() + 1 - 5 - 4;
    for (size_t i = 0; i + 1 < majors.size(); ++i) {
      int minors = 0;
      for (int along = majors[i] + 1; along < majors[i + 1]; ++along)
        minors += image.pixelColor(horizontal ? QPoint(along, across) : QPoint(across, along)) == QColor(Qt::white);
      EXPECT_EQ(minors, 4) << (horizontal ? "X" : "Y") << " interval " << i << " from " << majors[i];
    }
  }
}

// The track mark: while the pointer is over the data view each axis band
// shows a mark in TrackColor at the pointer's place along it.
TEST_F(Paint, TrackMarkFollowsThePointerOnBothAxes) {
  scope.show();
  Render();
  const QRect view = scope.DataViewRect();
  const QPoint p(view.left() + view.width() / 3, view.top() + view.height() / 3);
  scope.YAxis()->SetTrackColor(QColor(255, 0, 255));
  SendMove(&scope, p);
  const auto marks = [&](const QImage& image) {
    int x = 0, y = 0;
    const QRect xBand = scope.XAxis()->ViewRect(), yBand = scope.YAxis()->ViewRect();
    for (int r = xBand.top(); r <= xBand.bottom(); ++r) x += image.pixelColor(p.x(), r) == QColor(Qt::red);
    for (int c = yBand.left(); c <= yBand.right(); ++c) y += image.pixelColor(c, p.y()) == QColor(255, 0, 255);
    return std::pair<int, int>(x, y);
  };
  std::pair<int, int> seen = marks(Render());
  EXPECT_GE(seen.first, 5);
  EXPECT_GE(seen.second, 5);
  // Off: no mark on that axis; over the axis band instead of the data: none.
  scope.XAxis()->SetTrackCursor(false);
  seen = marks(Render());
  EXPECT_EQ(seen.first, 0);
  EXPECT_GE(seen.second, 5);
  SendMove(&scope, QPoint(scope.YAxis()->ViewRect().center().x(), p.y()));
  seen = marks(Render());
  EXPECT_EQ(seen.second, 0);
}

TEST_F(Paint, PaintToRendersAtTheImageSizeAndLeavesTheScreenLayout) {
  Send(std::vector<double>(2000, 0.5));
  Render();
  const QRect screenView = scope.DataViewRect();
  QImage printed(400, 300, QImage::Format_RGB32);
  scope.PaintTo(printed);
  // Laid out for the image: the trace is there, at the row of 0.5.
  int red = 0;
  for (int y = 0; y < printed.height(); ++y) red += printed.pixelColor(200, y) == QColor(Qt::red);
  EXPECT_EQ(red, 1);
  Render();
  EXPECT_EQ(scope.DataViewRect(), screenView);
}

TEST_F(Paint, FarValuesAreClippedAndBadDataPaintsWithoutCrashing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  Send({0.0, 1e300, -1e300, 0.0});
  QImage image = Render();
  for (const QPoint& p : scope.Channels()->Channel(0)->Trace().Points()) EXPECT_LE(std::abs(p.y()), 10000000);
  // NaN leaves a gap in the line.
  Send({0.5, 0.5, nan, nan, 0.5, 0.5});
  Render();
  EXPECT_EQ(scope.Channels()->Channel(0)->Trace().Breaks().size(), 1u);
  Send({inf, -inf, nan});
  Render();
  Send({0.5});
  image = Render();
  EXPECT_GE(RedCount(image, scope.DataViewRect()), 1);
  std::vector<double> manyNan(44100, nan);
  manyNan[100] = 0.5;
  Send(manyNan);
  Render();
  for (QSize size : {QSize(0, 0), QSize(1, 1), QSize(3, 200), QSize(800, 3)}) {
    scope.resize(size);
    Render();
  }
}

// A control embedded in the display: a green block.
class TGreenElement : public TSLCustomControlItem {
protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(0, 255, 0)); }
};

TEST_F(Paint, HiddenAxesKeepTheirGridAndEmbeddedElementsAreDrawnCentred) {
  scope.XAxis()->SetVisible(false);
  scope.XAxis()->DataView()->Lines()->SetVisible(true);
  scope.XAxis()->DataView()->Lines()->Pen()->SetColor(QColor(0, 0, 255));
  QImage image = Render();
  const QRect view = scope.DataViewRect();
  int columns = 0;
  for (int x = view.left(); x <= view.right(); ++x) columns += image.pixelColor(x, view.center().y()) == QColor(0, 0, 255);
  EXPECT_GE(columns, 3);  // one vertical line per X tick
  scope.XAxis()->DataView()->Lines()->SetVisible(false);

  TGreenElement element;
  element.resize(30, 20);
  scope.Elements()->Add(&element);
  const auto greenIn = [](const QImage& picture) {
    int n = 0;
    for (int x = 0; x < picture.width(); ++x)
      for (int y = 0; y < picture.height(); ++y) n += picture.pixelColor(x, y) == QColor(0, 255, 0);
    return n;
  };
  image = Render();
  EXPECT_EQ(greenIn(image), 600);
  EXPECT_EQ(image.pixelColor((800 - 30) / 2, (230 - 20) / 2), QColor(0, 255, 0));
  EXPECT_EQ(image.pixelColor((800 - 30) / 2 + 29, (230 - 20) / 2 + 19), QColor(0, 255, 0));
  QImage printed(400, 300, QImage::Format_RGB32);
  scope.PaintTo(printed);
  EXPECT_EQ(greenIn(printed), 600);
  EXPECT_EQ(printed.pixelColor(185, 140), QColor(0, 255, 0));
  element.SetVisible(false);
  EXPECT_EQ(greenIn(Render()), 0);
  scope.Elements()->Remove(&element);
}

TEST_F(Paint, BarsStandOnTheirBaseAndTellTheirHandlerTheSamplesValues) {
  TSLScopeChannel* channel = scope.Channels()->Channel(0);
  channel->SetChannelMode(SL::cmBar);
  channel->SetShadeMode(SL::csmBottom);
  channel->SetWidth(3);
  const std::vector<double> samples{0.5, -0.25, 0.75, 0.1, -0.6, 0.3};
  Send(samples);
  Render();
  const QPoint dot(scope.DataViewRect().center().x(), scope.DataViewRect().top() + 1);
  struct TCall {
    double x, y;
    bool canvas;
  };
  std::vector<TCall> calls;
  QObject::connect(channel, &TSLScopeChannel::OnSampleDraw,
                   [&](QObject*, double x, double y, TLPCanvas* canvas, bool, bool& defaultDraw) {
                     calls.push_back({x, y, canvas != nullptr});
                     // The fourth bar is drawn by the handler: a blue dot.
                     if (calls.size() == 4 && canvas) {
                       defaultDraw = false;
                       canvas->SetPixel(dot.x(), dot.y(), QColor(0, 0, 255));
                     }
                   });
  QImage image = Render();
  const QRect view = scope.DataViewRect();
  const QVector<QPoint> vertices = channel->Trace().Points();
  ASSERT_EQ(vertices.size(), 6);
  ASSERT_EQ(calls.size(), 6u);
  for (int i = 0; i < 6; ++i) {
    EXPECT_DOUBLE_EQ(calls[i].y, samples[i]) << i;
    EXPECT_TRUE(calls[i].canvas);
    // The time of the sample, as the pointer reads it there.
    EXPECT_DOUBLE_EQ(calls[i].x, scope.ChannelHitTest(vertices[i]).value.X) << i;
  }
  EXPECT_LT(calls[0].x, calls[1].x);
  EXPECT_EQ(image.pixelColor(dot), QColor(0, 0, 255));
  // Bars rise from the bottom; the handler's one is not drawn.
  const auto red = [&](const QImage& picture, int x, int y) { return picture.pixelColor(x, y) == QColor(Qt::red); };
  EXPECT_TRUE(red(image, vertices[0].x(), view.bottom() - 1));
  EXPECT_TRUE(red(image, vertices[0].x(), vertices[0].y()));
  EXPECT_FALSE(red(image, vertices[0].x(), vertices[0].y() - 1));
  EXPECT_FALSE(red(image, vertices[3].x(), view.bottom() - 1));
  // On a reversed axis the bottom of the range is at the top.
  static_cast<TSLBasicDisplayYAxis*>(scope.YAxis())->SetReversed(true);
  calls.clear();
  image = Render();
  const QVector<QPoint> reversed = channel->Trace().Points();
  EXPECT_TRUE(red(image, reversed[0].x(), view.top() + 1));
  EXPECT_TRUE(red(image, reversed[0].x(), reversed[0].y()));
  EXPECT_FALSE(red(image, reversed[0].x(), reversed[0].y() + 1));
  EXPECT_FALSE(red(image, reversed[0].x(), view.bottom() - 1));
  // And csmTop stands on the bottom row then.
  channel->SetShadeMode(SL::csmTop);
  image = Render();
  EXPECT_TRUE(red(image, reversed[0].x(), view.bottom() - 1));
  EXPECT_FALSE(red(image, reversed[0].x(), view.top() + 1));
}

TEST_F(Paint, PointMarksAreDrawnOnTheTrace) {
  TSLScopeChannel* channel = scope.Channels()->Channel(0);
  TSLScopePoints* marks = channel->Points();
  marks->SetVisible(true);
  marks->SetShape(SL::psSquare);
  marks->SetSize(3);
  marks->SetUseChannelColor(false);
  marks->Pen()->SetColor(QColor(255, 0, 255));
  marks->Brush()->SetColor(QColor(0, 255, 255));
  Send(std::vector<double>(5, 0.5));
  QImage image = Render();
  const QVector<QPoint> vertices = channel->Trace().Points();
  ASSERT_EQ(vertices.size(), 5);
  const QColor pen(255, 0, 255), brush(0, 255, 255);
  for (const QPoint& c : vertices) {
    if (!scope.DataViewRect().adjusted(4, 4, -4, -4).contains(c)) continue;
    // The outline runs from c - 3 to c + 3, filled inside.
    EXPECT_EQ(image.pixelColor(c.x() - 3, c.y() - 3), pen);
    EXPECT_EQ(image.pixelColor(c.x() + 3, c.y() + 3), pen);
    EXPECT_EQ(image.pixelColor(c.x() + 3, c.y() - 1), pen);
    EXPECT_EQ(image.pixelColor(c.x() - 2, c.y() + 2), brush);
    EXPECT_NE(image.pixelColor(c.x() + 4, c.y() + 2), pen);
    EXPECT_NE(image.pixelColor(c.x() - 2, c.y() + 4), pen);
  }
  // In point mode the marks stand in for the single pixels.
  channel->SetChannelMode(SL::cmPoint);
  marks->SetShape(SL::psPlus);
  image = Render();
  for (const QPoint& c : vertices) {
    if (!scope.DataViewRect().adjusted(4, 4, -4, -4).contains(c)) continue;
    EXPECT_EQ(image.pixelColor(c), pen);
    EXPECT_EQ(image.pixelColor(c.x(), c.y() - 3), pen);
    EXPECT_EQ(image.pixelColor(c.x() - 3, c.y()), pen);
    EXPECT_NE(image.pixelColor(c.x() - 1, c.y() - 1), pen);
  }
}

}  // namespace

namespace {

TEST(PaintLayout, TitleLegendAndAutoScalingTakeTheirPlaces) {
  TLPComponent owner;
  TSLOWRealSourcePin source(&owner, nullptr, 0, nullptr, false, owner.Lock());
  TSLScope scope;
  scope.resize(800, 230);
  scope.Title()->SetText(QStringLiteral("Acquired Signals in the Sensors A and B"));
  scope.Channels()->Channel(0)->SetName(QStringLiteral("A"));
  scope.Legend()->Channels()->Caption()->SetText(QStringLiteral("Sensors"));
  ASSERT_TRUE(scope.InputPins()->GetPin(0)->Connect(&source));
  source.Notify(MakeOperation<TOWStartSampleRateOperation>(8000.0).get());
  std::vector<double> v(8000);
  for (int i = 0; i < 8000; ++i) v[i] = 0.3 * std::sin(i * 0.01);
  TRef<ISLRealBuffer> b(new TSLRealBuffer(v.data(), 8000));
  source.SendBuffer(b.get());
  scope.RefreshTimerTick();
  scope.RedrawBackBuffer();
  const QImage image = scope.BackBuffer().copy();
  if (qEnvironmentVariableIsSet("TREMORA_SCOPE_PNG")) image.save(qEnvironmentVariable("TREMORA_SCOPE_PNG"));
  // Title on top, legend on the right, the data view in between.
  EXPECT_GT(scope.Title()->ViewRect().height(), 16);
  EXPECT_GT(scope.Legend()->ViewRect().width(), 30);
  EXPECT_LT(scope.DataViewRect().right(), scope.Legend()->ViewRect().left());
  EXPECT_GT(scope.DataViewRect().top(), scope.Title()->ViewRect().bottom());
  // Auto-scaling: the range holds the signal with room above and below.
  const TSLRange y = scope.YAxis()->ShownTick();
  EXPECT_LT(y.lo, -0.3);
  EXPECT_GT(y.hi, 0.3);
  EXPECT_LT(y.hi, 0.5);
  // The legend shows the channel's sample bar in its colour.
  int red = 0;
  const QRect legend = scope.Legend()->ViewRect();
  for (int x = legend.left(); x <= legend.right(); ++x)
    for (int yy = legend.top(); yy <= legend.bottom(); ++yy) red += image.pixelColor(x, yy) == QColor(Qt::red);
  EXPECT_GE(red, 13 * 3);
  scope.InputPins()->GetPin(0)->Disconnect();
}

// Auto-scaling takes the finite samples only and keeps every range finite;
// the empty block a stream start leaves publishes nothing into the history.
TEST(PaintAutoScaling, BadSamplesAndEmptyPublicationsDoNotDecideTheRange) {
  TLPComponent owner;
  TSLOWRealSourcePin source(&owner, nullptr, 0, nullptr, false, owner.Lock());
  TSLScope scope;
  scope.resize(800, 230);
  scope.Title()->SetVisible(false);
  scope.Legend()->SetVisible(false);
  ASSERT_TRUE(scope.InputPins()->GetPin(0)->Connect(&source));
  source.Notify(MakeOperation<TOWStartSampleRateOperation>(8000.0).get());
  // The refresh tick comes before the first block.
  scope.RefreshTimerTick();
  scope.RedrawBackBuffer();
  std::vector<double> sine(8000);
  for (int i = 0; i < 8000; ++i) sine[i] = 0.3 * std::sin(i * 0.01);
  // Rows the trace covers: a sine shown in its own range spans most of them.
  const auto traceHeight = [&] {
    scope.RedrawBackBuffer();
    const QImage image = scope.BackBuffer().copy();
    const QRect view = scope.DataViewRect();
    int lo = view.bottom() + 1, hi = view.top() - 1;
    for (int x = view.left(); x <= view.right(); x += 3)
      for (int y = view.top(); y <= view.bottom(); ++y)
        if (image.pixelColor(x, y) == QColor(Qt::red)) lo = std::min(lo, y), hi = std::max(hi, y);
    return double(hi - lo) / view.height();
  };
  const auto send = [&](const std::vector<double>& v) {
    TRef<ISLRealBuffer> b(new TSLRealBuffer(v.data(), int(v.size())));
    source.SendBuffer(b.get());
    scope.RefreshTimerTick();
  };
  for (int i = 0; i < 25; ++i) {
    send(sine);
    EXPECT_GT(traceHeight(), 0.6) << "publication " << i;
  }
  const double inf = std::numeric_limits<double>::infinity();
  for (double bad : {inf, -inf, 1.7e308, std::numeric_limits<double>::quiet_NaN()}) {
    std::vector<double> v = sine;
    v[4000] = bad;
    send(v);
    EXPECT_GT(traceHeight(), 0.6) << bad;
    const TSLRange y = scope.YAxis()->ShownTick();
    EXPECT_LT(y.hi, 0.5) << bad;
    EXPECT_GT(y.lo, -0.5) << bad;
  }
  // A huge finite sample: a wide range, but finite, with ticks.
  std::vector<double> v = sine;
  v[4000] = 1.6e308;
  v[4001] = -1.6e308;
  send(v);
  scope.RedrawBackBuffer();
  const TSLRange y = scope.YAxis()->ShownTick();
  EXPECT_TRUE(std::isfinite(y.lo) && std::isfinite(y.hi) && std::isfinite(y.hi - y.lo)) << y.lo << " " << y.hi;
  int ticks = 0;
  scope.YAxis()->WalkMajorTicks(scope.BackCanvas(), [&](double, int, bool) { ++ticks; });
  EXPECT_GE(ticks, 2);
  EXPECT_FALSE(scope.Channels()->Channel(0)->Trace().Points().isEmpty());
  EXPECT_GT(scope.DataViewRect().width(), 600);  // labels of huge ends stay short
  scope.InputPins()->GetPin(0)->Disconnect();
}

}  // namespace

// An additional Y axis on the right with its own fixed range and a second
// channel drawn against it: the trace follows that axis, the band shows its
// own ticks and labels, the main axis and its band stay as they were; its
// auto-scaling follows its own channel only; removing it while the channel
// points at it moves the channel back to the main axis.
TEST_F(Paint, AnAdditionalYAxisOnTheRightMapsItsOwnChannel) {
  Send(std::vector<double>(1000, 0.5));
  const QImage alone = Render();
  const QRect mainBand = scope.YAxis()->ViewRect();
  const QRect viewAlone = scope.DataViewRect();
  const int mainRow = scope.YAxis()->TickToScreen(0.5);

  TSLOWRealSourcePin second(&owner, nullptr, 0, nullptr, false, owner.Lock());
  scope.Channels()->Add();
  ASSERT_TRUE(scope.InputPins()->GetPin(1)->Connect(&second));
  second.Notify(MakeOperation<TOWStartSampleRateOperation>(44100.0).get());
  ASSERT_EQ(scope.YAxis()->AdditionalAxes()->Count(), 0);
  auto* extra = qobject_cast<TSLBasicScopeYAxis*>(scope.YAxis()->AdditionalAxes()->Add());
  ASSERT_NE(extra, nullptr);
  EXPECT_EQ(scope.YAxisAt(1), extra);
  EXPECT_EQ(scope.Views().last(), extra);  // registered after the scope's own views
  extra->SetAlign(SL::vaRight);
  extra->AutoScaling()->SetEnabled(false);
  extra->Min()->SetValue(0);
  extra->Max()->SetValue(10);
  extra->SetColor(QColor(255, 255, 0));
  extra->Font()->SetColor(QColor(255, 255, 0));
  extra->DataView()->Lines()->SetVisible(false);
  extra->DataView()->ZeroLine()->SetVisible(false);
  TSLScopeChannel* channel = scope.Channels()->Channel(1);
  channel->SetYAxisIndex(1);
  EXPECT_EQ(channel->YAxisIndex(), 1);
  channel->SetYAxisIndex(2);  // no such axis: ignored
  EXPECT_EQ(channel->YAxisIndex(), 1);

  const auto sendBoth = [&](const std::vector<double>& a, const std::vector<double>& b) {
    TRef<ISLRealBuffer> ba(new TSLRealBuffer(a.data(), int(a.size())));
    TRef<ISLRealBuffer> bb(new TSLRealBuffer(b.data(), int(b.size())));
    source.SendBuffer(ba.get());
    second.SendBuffer(bb.get());
    scope.RefreshTimerTick();
  };
  sendBoth(std::vector<double>(1000, 0.5), std::vector<double>(1000, 2.5));
  QImage image = Render();
  const QRect view = scope.DataViewRect();
  const QRect band = extra->ViewRect();
  if (qEnvironmentVariableIsSet("TREMORA_SCOPE_PNG")) image.save(qEnvironmentVariable("TREMORA_SCOPE_PNG"));
  // The band stands right of the data view; the data view gave it room.
  EXPECT_GT(band.left(), view.right());
  EXPECT_LT(view.right(), viewAlone.right());
  EXPECT_GT(band.width(), 20);
  // The second trace: 2.5 of 0..10 is a quarter of the height above the bottom.
  const int lime = extra->TickToScreen(2.5);
  EXPECT_NEAR(lime, view.bottom() - 0.25 * (view.height() - 1), 0.5);
  const auto rowsOf = [&](const QColor& c, int x) {
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y)
      if (image.pixelColor(x, y) == c) rows.push_back(y);
    return rows;
  };
  for (int x : {view.left() + 10, view.center().x(), view.right() - 10}) {
    EXPECT_EQ(rowsOf(QColor(0, 255, 0), x), std::vector<int>{lime}) << "column " << x;
    EXPECT_EQ(rowsOf(QColor(Qt::red), x), std::vector<int>{mainRow}) << "column " << x;
  }
  // Its ticks (next to the data view) and labels (farther out) in its colour.
  int ticks = 0, labels = 0;
  for (int x = band.left(); x <= band.right(); ++x)
    for (int y = band.top(); y <= band.bottom(); ++y)
      if (const QColor c = image.pixelColor(x, y); c.red() > 128 && c.green() > 128 && c.blue() < 64)
        (x < band.left() + 12 ? ticks : labels)++;  // label text is smoothed
  EXPECT_GE(ticks, 3 * 6);
  EXPECT_GE(labels, 20);
  for (const double tick : {0.0, 10.0}) {
    const int row = extra->TickToScreen(tick);
    EXPECT_EQ(image.pixelColor(band.left() + 8, row), QColor(255, 255, 0)) << tick;
  }
  // The main axis: same mapping and the same band, pixel for pixel.
  EXPECT_EQ(scope.YAxis()->TickToScreen(0.5), mainRow);
  EXPECT_EQ(scope.YAxis()->ViewRect(), mainBand);
  EXPECT_EQ(image.copy(mainBand), alone.copy(mainBand));

  // A horizontal cursor on the axis pair (0, 1) stands at that axis's row.
  auto* cursor = static_cast<TSLDisplayCursor*>(scope.Cursors()->Add());
  cursor->SetKind(SL::ckHorizontal);
  cursor->SetColor(QColor(0, 200, 200));
  cursor->SetYAxisIndex(1);
  cursor->Position()->SetY(5.0);
  image = Render();
  EXPECT_EQ(rowsOf(QColor(0, 200, 200), view.center().x()), std::vector<int>{extra->TickToScreen(5.0)});
  EXPECT_NE(extra->TickToScreen(5.0), scope.YAxis()->TickToScreen(5.0));

  // More axes stack outwards from the main one in collection order, on
  // either side; the data view keeps its height.
  TSLAdditionalAxes* more = scope.YAxis()->AdditionalAxes();
  more->Add()->SetAlign(SL::vaRight);
  more->Add();  // left, as a Y axis is by default
  image = Render();
  EXPECT_GT(more->Axis(1)->ViewRect().left(), extra->ViewRect().right());
  EXPECT_LT(more->Axis(2)->ViewRect().right(), scope.YAxis()->ViewRect().left());
  EXPECT_GT(extra->ViewRect().left(), scope.DataViewRect().right());
  EXPECT_EQ(scope.DataViewRect().height(), view.height());
  EXPECT_EQ(extra->TickToScreen(2.5), lime);
  int outerTicks = 0;
  for (int y = more->Axis(1)->ViewRect().top(); y <= more->Axis(1)->ViewRect().bottom(); ++y)
    outerTicks += image.pixelColor(more->Axis(1)->ViewRect().left() + 8, y) == QColor(Qt::white);
  EXPECT_GE(outerTicks, 3);
  more->Delete(2);
  more->Delete(1);
  image = Render();
  EXPECT_EQ(extra->ViewRect(), band);

  // Auto-scaling on the additional axis: its own channel's extent only.
  extra->AutoScaling()->SetEnabled(true);
  std::vector<double> ramp(1000);
  for (int i = 0; i < 1000; ++i) ramp[i] = 100 + i * 0.1;
  sendBoth(std::vector<double>(1000, 0.5), ramp);
  image = Render();
  const TSLRange shown = extra->ShownValue();
  EXPECT_LT(shown.lo, 100);
  EXPECT_GT(shown.lo, 60);
  EXPECT_GT(shown.hi, 199.9);
  EXPECT_LT(shown.hi, 240);
  EXPECT_GT(extra->HistoryCount(), 0);
  EXPECT_EQ(scope.YAxis()->ShownValue(), (TSLRange{-1, 1}));
  EXPECT_FALSE(rowsOf(QColor(0, 255, 0), view.center().x()).empty());

  // Removed while the channel points at it: back on the main axis.
  scope.YAxis()->AdditionalAxes()->Delete(0);
  EXPECT_EQ(scope.YAxisAt(1), nullptr);
  EXPECT_EQ(channel->YAxisIndex(), 0);
  EXPECT_EQ(cursor->YAxisIndex(), 0);
  sendBoth(std::vector<double>(1000, 0.5), std::vector<double>(1000, -0.5));
  image = Render();
  EXPECT_EQ(scope.DataViewRect(), viewAlone);
  EXPECT_EQ(rowsOf(QColor(0, 255, 0), view.center().x()), std::vector<int>{scope.YAxis()->TickToScreen(-0.5)});
  scope.InputPins()->GetPin(1)->Disconnect();
}

namespace {

// The cached layers against the whole picture drawn in one pass, on a
// shown scope driven by the pointer: after every step the screen's picture
// must equal the one-pass picture of the same state, pixel for pixel.
struct Layers : ::testing::Test {
  QWidget window;
  TSLScope scope{&window};
  TScopeFeed feed{scope, 2};
  TSLDisplayCursor* cursor = nullptr;

  void SetUp() override {
    scope.Channels()->Channel(1)->SetColor(QColor(Qt::yellow));
    scope.Highlighting()->Channels()->SetHiglightFromMouse(true);
    cursor = static_cast<TSLDisplayCursor*>(scope.Cursors()->Add());
    auto* second = static_cast<TSLDisplayCursor*>(scope.Cursors()->Add());
    cursor->Position()->SetX(1.5);
    second->Position()->SetX(3.5);
    auto* link = static_cast<TSLDisplayCursorLink*>(scope.CursorLinks()->Add());
    link->SetBeginCursorIndex(0);
    link->SetEndCursorIndex(1);
    link->Selection()->SetVisible(true);  // under the grid: the grid is drawn on it again
    window.resize(800, 230);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    NewBlocks(0.5);
  }
  void NewBlocks(double level) {
    feed.Send(0, std::vector<double>(40000, level));
    feed.Send(1, std::vector<double>(40000, -level));
    scope.RefreshTimerTick();
  }
  // What the screen shows now: the scope's part of the window's backing
  // store after the widget's own paint.
  QImage Screen() {
    scope.repaint();
    return ScreenAsIs();
  }
  QImage ScreenAsIs() {
    auto* store = dynamic_cast<QImage*>(window.backingStore()->paintDevice());
    if (!store) {
      ADD_FAILURE() << "the offscreen backing store is an image";
      return QImage();
    }
    const qreal dpr = store->devicePixelRatio();
    const QRect part = scope.geometry();
    QImage image = store->copy(QRect(part.topLeft() * dpr, part.size() * dpr));
    image.setDevicePixelRatio(dpr);
    return image;
  }
  QImage OnePass() {
    scope.SetLayered(false);
    QImage image = Screen();
    scope.SetLayered(true);
    return image;
  }
  void ExpectSame(const char* step) {
    const QImage layered = Screen(), reference = OnePass();
    ASSERT_EQ(layered.size(), reference.size()) << step;
    for (int y = 0; y < layered.height(); ++y)
      for (int x = 0; x < layered.width(); ++x)
        if (layered.pixel(x, y) != reference.pixel(x, y)) {
          ADD_FAILURE() << step << ": first difference at " << x << "," << y;
          return;
        }
  }
  // The row (in pixels, not device pixels) of the red trace at column x,
  // as painted.
  int RedRow(int x) {
    const QImage image = Screen();
    const qreal dpr = image.devicePixelRatio();
    for (int y = 0; y < image.height(); ++y)
      if (image.pixelColor(int(x * dpr), y) == QColor(Qt::red)) return int(y / dpr);
    return -1;
  }
};

TEST_F(Layers, PointerStepsAndNewBlocksPaintWhatTheOnePassRedrawPaints) {
  ExpectSame("first paint");
  const QRect view = scope.DataViewRect();
  const QImage before = Screen();
  // Hovers: over empty data view, onto the red trace (its highlight is in
  // the trace layer), along it, off it again.
  SendMove(&scope, QPoint(view.left() + 50, view.center().y() + 20));
  ExpectSame("hover over the empty view");
  const int row0 = RedRow(view.left() + 60);
  ASSERT_GT(row0, view.top());
  SendMove(&scope, QPoint(view.left() + 60, row0));
  const QImage onTrace = Screen();
  EXPECT_EQ(scope.ElementUnderPointer(), scope.Channels()->Channel(0));
  const qreal dpr = onTrace.devicePixelRatio();
  EXPECT_EQ(onTrace.pixelColor(int((view.left() + 200) * dpr), int((row0 - 1) * dpr)),
            scope.Highlighting()->Channels()->Color());
  ExpectSame("hover onto the trace");
  SendMove(&scope, QPoint(view.left() + 64, row0));
  ExpectSame("hover along the trace");
  NewBlocks(0.25);  // the trace leaves the resting pointer
  ExpectSame("new blocks under the pointer");
  SendMove(&scope, QPoint(view.left() + 70, view.center().y() + 20));
  EXPECT_EQ(scope.ElementUnderPointer(), nullptr);
  ExpectSame("hover off the trace");
  // Over a toolbar button and off it: the buttons' kept picture changes.
  const QRect button = scope.ToolBar()->ButtonSquare(1);
  ASSERT_FALSE(button.isEmpty());
  const QImage plainButtons = Screen();
  SendMove(&scope, button.center());
  EXPECT_NE(Screen(), plainButtons);
  ASSERT_TRUE(scope.ToolBar()->PointerOverButton());
  ExpectSame("hover over a toolbar button");
  SendMove(&scope, QPoint(view.left() + 70, view.center().y() + 20));
  EXPECT_EQ(Screen(), plainButtons);
  ExpectSame("hover off the toolbar");
  // A cursor drag: the preview follows the pointer, the release moves it.
  const int column = scope.CursorColumn(cursor, 1.5);
  const int row = view.top() + 15;
  SendMove(&scope, QPoint(column, row));
  ExpectSame("hover over the cursor");
  QTest::mousePress(&scope, Qt::LeftButton, Qt::NoModifier, QPoint(column, row));
  ExpectSame("cursor pressed");
  SendMove(&scope, QPoint(column + 40, row), Qt::LeftButton);
  ExpectSame("cursor dragged");
  SendMove(&scope, QPoint(column + 80, row), Qt::LeftButton);
  ExpectSame("cursor dragged further");
  QTest::mouseRelease(&scope, Qt::LeftButton, Qt::NoModifier, QPoint(column + 80, row));
  EXPECT_GT(cursor->Position()->X(), 1.6);
  ExpectSame("cursor released (the selection band moved)");
  // A zoom frame drawn over empty space, then the zoom it makes.
  const QPoint from(view.left() + 20, view.top() + 30), to(view.left() + 300, view.bottom() - 30);
  QTest::mousePress(&scope, Qt::LeftButton, Qt::NoModifier, from);
  SendMove(&scope, (from + to) / 2, Qt::LeftButton);
  ExpectSame("zoom frame");
  SendMove(&scope, to, Qt::LeftButton);
  ExpectSame("zoom frame grown");
  QTest::mouseRelease(&scope, Qt::LeftButton, Qt::NoModifier, to);
  EXPECT_TRUE(scope.IsZoomed());
  ExpectSame("zoomed");
  NewBlocks(0.75);
  ExpectSame("new blocks while zoomed");
  // With the keyboard focus the frame around the control is drawn too.
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  scope.setFocus();
  ASSERT_TRUE(scope.hasFocus());
  ExpectSame("focused");
  // A part exposed again (a window moved off it) inverts the frame's dots
  // in that part only: the rest of the screen keeps its dots as they are.
  scope.repaint(QRect(5, 0, 120, 40));
  scope.repaint(QRect(QPoint(0, 100), scope.size()));
  const QImage exposed = ScreenAsIs(), reference = OnePass();
  EXPECT_TRUE(exposed == reference) << "partly exposed while focused";
}

// A setting changed after the layers were cached shows at the next paint.
TEST_F(Layers, SettersAfterCachingShowTheirEffect) {
  struct TCase {
    const char* what;
    std::function<void()> change;
  };
  const std::vector<TCase> cases{
      {"channel colour", [&] { scope.Channels()->Channel(0)->SetColor(QColor(Qt::cyan)); }},
      {"title", [&] { scope.Title()->SetVisible(true); scope.Title()->SetText(QStringLiteral("Sensors A and B")); }},
      {"title text", [&] { scope.Title()->SetText(QStringLiteral("Sensors A and C")); }},
      {"axis range", [&] { scope.YAxis()->Max()->SetValue(2); }},
      {"legend", [&] { scope.Legend()->SetVisible(true); }},
      {"channel name in the legend", [&] { scope.Channels()->Channel(1)->SetName(QStringLiteral("Station B")); }},
      {"cursor moved by code", [&] { cursor->Position()->SetX(2.5); }},
      {"cursor colour", [&] { cursor->SetColor(QColor(Qt::magenta)); }},
      {"selection hidden", [&] { scope.CursorLinks()->Link(0)->Selection()->SetVisible(false); }},
      {"grid hidden", [&] { scope.YAxis()->DataView()->Lines()->SetVisible(false); }},
      {"control colour", [&] { scope.SetColor(QColor(0, 0, 64)); }},
  };
  for (const TCase& c : cases) {
    const QImage before = Screen();
    Screen();  // cached now
    c.change();
    const QImage after = Screen();
    EXPECT_NE(after, before) << c.what;
    ExpectSame(c.what);
  }
}

// On a screen of two device pixels per pixel the picture is drawn at the
// device's resolution (run with QT_SCALE_FACTOR=2): lines one device pixel
// wide, text drawn with device-pixel detail. At ratio 1 it checks the
// ordinary picture the same way.
TEST_F(Layers, PictureAtTheDevicePixelRatio) {
  const qreal dpr = scope.devicePixelRatioF();
  const QImage image = Screen();
  EXPECT_EQ(image.size(), scope.size() * dpr);
  EXPECT_EQ(image.devicePixelRatio(), dpr);
  // The red trace at 0.5 is one device row high, on the row the value
  // maps to, from one end of the data view to the other.
  const QRect view = scope.DataViewRect();
  const int row = scope.YAxis()->TickToScreen(0.5);
  for (const int at : {view.left() + 100, view.center().x(), view.right() - 100}) {
    const int x = int(at * dpr);
    int red = 0, where = -1;
    for (int y = 0; y < image.height(); ++y)
      if (image.pixelColor(x, y) == QColor(Qt::red)) ++red, where = y;
    EXPECT_EQ(red, 1) << "column " << at;
    EXPECT_NEAR(where, row * dpr, dpr) << "column " << at;
  }
  ExpectSame("scaled");
}


// A pointer move asks Qt to repaint only what it changed. After every step
// of a long random walk (moves on and off the traces, over the axes and the
// toolbar, cursor drags, leaving and entering again), with the updates it
// posted processed, the screen must equal a full repaint of the same state,
// pixel for pixel; the paints must cover only a small part of the control.
TEST_F(Layers, UpdateRegionsOfARandomPointerWalkLeaveWhatAFullRepaintPaints) {
  // Traces that wander, so the walk finds them all over the view.
  std::vector<double> red(40000), yellow(40000);
  for (int i = 0; i < 40000; ++i) {
    red[i] = 0.6 * std::sin(i * 0.0004) + 0.05 * std::sin(i * 0.37);
    yellow[i] = -0.5 * std::cos(i * 0.0007);
  }
  feed.Send(0, red);
  feed.Send(1, yellow);
  scope.RefreshTimerTick();
  // The first cursor marks where it crosses the red trace, with a label.
  auto* crossing = static_cast<TSLDisplayCursorChannelLink*>(cursor->Channels()->Add());
  crossing->SetChannel(0);
  crossing->ChannelLabel()->SetVisible(true);
  // A horizontal cursor too: its drags move a row, with the difference
  // label beside the pointer.
  auto* level = static_cast<TSLDisplayCursor*>(scope.Cursors()->Add());
  level->SetKind(SL::ckHorizontal);
  level->Position()->SetY(0.3);
  // With the keyboard focus: the frame's dots are inverted in the exposed
  // rectangles of each update region too.
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  scope.setFocus();
  ASSERT_TRUE(scope.hasFocus());
  ExpectSame("first paint");
  const QRect view = scope.DataViewRect();
  const auto settle = [] { QCoreApplication::sendPostedEvents(); };
  settle();
  int paints = 0;
  double painted = 0, moves = 0;
  struct TCounter : QObject {
    int* paints;
    double* painted;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) {
        ++*paints;
        for (const QRect& r : static_cast<QPaintEvent*>(e)->region()) *painted += double(r.width()) * r.height();
      }
      return false;
    }
  } counter;
  counter.paints = &paints;
  counter.painted = &painted;
  std::mt19937 random(20261210);
  const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  const auto redRowAt = [&](int x) {
    const int i = std::clamp(int(std::lround(double(x - view.left()) * 39999 / (view.width() - 1))), 0, 39999);
    return scope.YAxis()->TickToScreen(red[i]);
  };
  const auto somewhere = [&]() {
    switch (pick(0, 9)) {
      case 0: case 1: case 2: case 3: {  // on the red trace
        const int x = pick(view.left() + 1, view.right() - 1);
        return QPoint(x, redRowAt(x) + pick(-2, 2));
      }
      case 4: return QPoint(pick(0, scope.width() - 1), pick(view.bottom() + 1, scope.height() - 1));  // X axis
      case 5: return QPoint(pick(0, view.left() - 1), pick(0, scope.height() - 1));  // Y axis
      case 6: return scope.ToolBar()->ButtonSquare(pick(0, 3)).center();
      default: return QPoint(pick(view.left(), view.right()), pick(view.top(), view.bottom()));
    }
  };
  scope.installEventFilter(&counter);
  QPoint at = somewhere();
  bool inside = true;
  for (int step = 0; step < 400; ++step) {
    const std::string what = "step " + std::to_string(step);
    const int kind = pick(0, 19);
    if (kind == 0 && inside) {
      scope.MouseLeaveMessage();  // what the leave watch sends
      inside = false;
    } else if (kind == 1) {
      // A drag of the first cursor's line or of the horizontal cursor's, a
      // few moves and the release.
      const bool row = pick(0, 2) == 0;
      const QPoint press = row ? QPoint(pick(view.left() + 5, view.right() - 5),
                                        scope.CursorPixel(level, true, level->Position()->Y()))
                               : QPoint(scope.CursorColumn(cursor, cursor->Position()->X()),
                                        pick(view.top() + 5, view.bottom() - 5));
      SendMove(&scope, press);
      settle();
      QTest::mousePress(&scope, Qt::LeftButton, Qt::NoModifier, press);
      settle();
      if (row) {
        EXPECT_EQ(scope.DraggedCursor(), 2) << what << ": the horizontal cursor is held";
      }
      QPoint p = press;
      for (int k = pick(2, 8); k > 0; --k) {
        p = QPoint(std::clamp(p.x() + pick(-30, 30), view.left() + 2, view.right() - 2),
                   std::clamp(p.y() + pick(-10, 10), view.top() + 2, view.bottom() - 2));
        paints = 0;
        SendMove(&scope, p, Qt::LeftButton);
        settle();
        const QImage dragged = ScreenAsIs();
        const QImage full = Screen();
        QPoint stale(-1, -1);
        for (int y = 0; y < dragged.height() && stale.x() < 0; ++y)
          for (int x = 0; x < dragged.width(); ++x)
            if (dragged.pixel(x, y) != full.pixel(x, y)) {
              stale = QPoint(x, y);
              break;
            }
        EXPECT_EQ(stale, QPoint(-1, -1)) << what << ": cursor dragged to " << p.x() << "," << p.y()
                                         << ", stale pixel at device " << stale.x() << "," << stale.y();
      }
      QTest::mouseRelease(&scope, Qt::LeftButton, Qt::NoModifier, p);
      settle();
      at = p;
      inside = true;
    } else {
      // Most moves are short, as a hand moves; some jump.
      at = kind < 16 ? QPoint(std::clamp(at.x() + pick(-12, 12), 0, scope.width() - 1),
                              std::clamp(at.y() + pick(-6, 6), 0, scope.height() - 1))
                     : somewhere();
      if (kind < 10 && pick(0, 1)) {
        const int x = std::clamp(at.x(), view.left() + 1, view.right() - 1);
        at = QPoint(x, redRowAt(x) + pick(-1, 1));
      }
      const int before = paints;
      const double area = painted;
      SendMove(&scope, at);
      inside = true;
      settle();
      if (paints > before) {
        moves += 1;
        EXPECT_LE(painted - area, double(scope.width()) * scope.height()) << what;
      }
    }
    settle();
    const QImage asIs = ScreenAsIs();
    const QImage full = Screen();
    if (!(asIs == full)) {
      for (int y = 0; y < asIs.height(); ++y)
        for (int x = 0; x < asIs.width(); ++x)
          if (asIs.pixel(x, y) != full.pixel(x, y)) {
            ADD_FAILURE() << what << " (kind " << kind << ", pointer " << at.x() << "," << at.y()
                          << "): stale pixel at device " << x << "," << y;
            x = asIs.width();
            y = asIs.height();
          }
      return;
    }
    if (step % 50 == 0) ExpectSame(what.c_str());
  }
  EXPECT_GT(moves, 50);
  // Over the empty view a move repaints the track marks in the axes' bands
  // only; along the trace the hit point and its label too.
  const auto move = [&](const QPoint& p) {
    SendMove(&scope, p);
    settle();
  };
  move(QPoint(view.left() + 100, view.top() + 3));
  paints = 0;
  painted = 0;
  move(QPoint(view.left() + 104, view.top() + 3));
  EXPECT_EQ(paints, 1);
  EXPECT_LE(painted, 200);
  const int x = view.left() + 300;
  move(QPoint(x, redRowAt(x)));
  ASSERT_EQ(scope.ElementUnderPointer(), scope.Channels()->Channel(0));
  paints = 0;
  painted = 0;
  move(QPoint(x + 3, redRowAt(x + 3)));
  ASSERT_EQ(scope.ElementUnderPointer(), scope.Channels()->Channel(0));
  EXPECT_EQ(paints, 1);
  EXPECT_LE(painted, 4000);
  const QImage along = ScreenAsIs();
  EXPECT_TRUE(along == Screen()) << "along the trace";
  scope.removeEventFilter(&counter);
}


// The hit label's font is kept while it stays; a change of it between two
// hovers must show at the second. A scope whose label font changed after
// its first hover shows, in the update its move posted and in a full
// repaint, what a scope given that font before any hover shows.
TEST(HitLabelFont, ChangedBetweenTwoHoversShowsAsAScopeGivenItFirst) {
  struct TShown {
    QWidget window;
    TSLScope scope{&window};
    TScopeFeed feed{scope, 1};
    TShown() {
      scope.Highlighting()->Channels()->SetHiglightFromMouse(true);
      window.resize(800, 230);
      window.show();
      EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
      feed.Send(0, std::vector<double>(40000, 0.5));
      scope.RefreshTimerTick();
    }
    void Hover(const QPoint& p) {
      SendMove(&scope, p);
      QCoreApplication::sendPostedEvents();
    }
    // The data view as the screen has it (the focus frame around the
    // control depends on which window is active).
    QImage View(bool repaint) {
      if (repaint) scope.repaint();
      auto* store = dynamic_cast<QImage*>(window.backingStore()->paintDevice());
      if (!store) return QImage();
      const qreal dpr = store->devicePixelRatio();
      const QRect part = scope.DataViewRect().translated(scope.pos());
      return store->copy(QRect(part.topLeft() * dpr, part.size() * dpr));
    }
  };
  // Each step changes the font once more; the scope made at a step gets
  // all the changes up to it before its first hover.
  const std::vector<std::function<void(TSLDisplayFont*)>> changes{
      [](TSLDisplayFont* f) { f->SetSize(12); },
      [](TSLDisplayFont* f) { f->SetName(QStringLiteral("DejaVu Serif")); },
      [](TSLDisplayFont* f) { f->SetStyle(Vcl::TFontStyles(Vcl::fsBold)); },
      [](TSLDisplayFont* f) { f->SetColor(QColor(Qt::cyan)); },
      [](TSLDisplayFont* f) { f->SetHeight(-9); },
  };
  const auto labelFont = [](TSLScope& s) { return s.Highlighting()->MouseHitPoint()->PointLabel()->Font(); };
  TShown changed;
  const QRect view = changed.scope.DataViewRect();
  const int row = changed.scope.YAxis()->TickToScreen(0.5);
  const QPoint first(view.left() + 200, row), second(view.left() + 204, row);
  QImage previous;
  for (size_t step = 0; step < changes.size(); ++step) {
    changed.Hover(first);
    ASSERT_EQ(changed.scope.ElementUnderPointer(), changed.scope.Channels()->Channel(0));
    changes[step](labelFont(changed.scope));
    changed.Hover(second);
    const QImage posted = changed.View(false);
    TShown fresh;
    for (size_t k = 0; k <= step; ++k) changes[k](labelFont(fresh.scope));
    fresh.Hover(first);
    fresh.Hover(second);
    const QImage expected = fresh.View(false);
    EXPECT_TRUE(posted == expected) << "step " << step << ": the update posted";
    EXPECT_TRUE(changed.View(true) == expected) << "step " << step << ": a full repaint";
    // Each change shows: the picture is not the one before it.
    EXPECT_FALSE(expected == previous) << "step " << step;
    previous = expected;
  }
}

}  // namespace
