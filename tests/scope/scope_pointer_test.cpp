// The pointer over a real scope (QTest events on the widget): channel hits
// and their events, highlighting settings, focus and keys, presses with the
// other button, hovering without reducing traces again, and a cursor held
// while new blocks keep arriving.

#include <QTest>

#include <cmath>

#include "scope_feed.h"

#include <gtest/gtest.h>

namespace {

struct Pointer : ::testing::Test {
  TSLScope scope;
  TScopeFeed feed{scope, 2};
  int over = 0, leave = 0, lastOverChannel = -1;

  void SetUp() override {
    QObject::connect(&scope, &TSLScope::OnOverChannel,
                     [this](QObject*, int channel, int, int, TSLRealPoint) { ++over, lastOverChannel = channel; });
    QObject::connect(&scope, &TSLScope::OnLeaveChannel, [this](QObject*) { ++leave; });
    scope.show();
  }
  // Both channels flat at `level0` and `level1`, 40,000 samples each.
  void Flat(double level0, double level1) {
    feed.Send(0, std::vector<double>(40000, level0));
    feed.Send(1, std::vector<double>(40000, level1));
    feed.Publish();
  }
  int RowOf(double v) { return scope.YAxis()->TickToScreen(v); }
  void Move(int x, int y) { SendMove(&scope, QPoint(x, y)); }
};

TEST_F(Pointer, ThinTraceIsHitNextToItsPixelsAndRaisesEnterAndLeaveEvents) {
  Flat(0.5, -0.5);
  const int x = scope.DataViewRect().center().x();
  const int row = RowOf(0.5);
  Move(x, row + 1);
  EXPECT_EQ(lastOverChannel, 0);
  EXPECT_EQ(scope.ElementUnderPointer(), scope.Channels()->Channel(0));
  // Every move along the trace raises the event again; the hit value is the
  // sample's value and the time under the pointer.
  const TSLScope::TChannelHit hit = scope.ChannelHitTest(QPoint(x + 10, row - 1));
  EXPECT_EQ(hit.channel, 0);
  EXPECT_DOUBLE_EQ(hit.value.Y, 0.5);
  EXPECT_NEAR(hit.value.X, 5.0 * (x + 10 - scope.DataViewRect().left()) / (scope.DataViewRect().width() - 1), 0.01);
  Move(x + 10, row - 1);
  EXPECT_EQ(over, 2);
  EXPECT_EQ(leave, 0);
  // Three pixels off misses: one leave event, and the element is gone.
  Move(x + 10, row + 3);
  EXPECT_EQ(leave, 1);
  EXPECT_EQ(scope.ElementUnderPointer(), nullptr);
  Move(x + 20, row + 5);
  EXPECT_EQ(leave, 1);
  EXPECT_EQ(over, 2);
}

TEST_F(Pointer, EqualDistanceReportsTheLaterChannel) {
  Flat(0.25, 0.25);
  const QPoint p(scope.DataViewRect().center().x(), RowOf(0.25) + 1);
  EXPECT_EQ(scope.ChannelHitTest(p).channel, 1);
  // A pointer nearer the first channel's trace takes it.
  Flat(0.25, 0.2);
  EXPECT_EQ(scope.ChannelHitTest(QPoint(p.x(), RowOf(0.25))).channel, 0);
  // A line broken by a missing sample is not hit across the gap.
  std::vector<double> gap(40, 0.25);
  gap[20] = std::nan("");
  feed.Send(0, gap);
  feed.Send(1, std::vector<double>(40, -0.9));
  scope.XAxis()->Max()->SetDataValue(39);
  feed.Publish();
  const int gapColumn = scope.DataViewRect().left() + int(std::lround(20.0 * (scope.DataViewRect().width() - 1) / 39));
  EXPECT_EQ(scope.ChannelHitTest(QPoint(gapColumn, RowOf(0.25))).channel, -1);
  EXPECT_EQ(scope.ChannelHitTest(QPoint(gapColumn - 25, RowOf(0.25))).channel, 0);
}

TEST_F(Pointer, OnAReducedTraceTheValueIsTheOneUnderThePointer) {
  // 40,000 samples of a fast sawtooth: every pixel column spans -0.8 to
  // 0.8, whatever sample it starts with.
  std::vector<double> saw(40000);
  for (size_t i = 0; i < saw.size(); ++i) saw[i] = -0.8 + 1.6 * double(i % 17) / 16;
  feed.Send(0, saw);
  feed.Send(1, std::vector<double>(40000, -0.95));
  feed.Publish();
  ASSERT_TRUE(scope.Channels()->Channel(0)->Trace().Reduced());
  // The value of one pixel row.
  const double row = 1.6 / std::abs(RowOf(0.8) - RowOf(-0.8));
  const QRect view = scope.DataViewRect();
  for (const double value : {0.4, -0.3, 0.05, 0.7})
    for (const int x : {view.left() + 40, view.center().x() + 3, view.right() - 50}) {
      Move(x, RowOf(value));
      const TSLScope::TChannelHit hit = scope.ChannelHitTest(QPoint(x, RowOf(value)));
      ASSERT_EQ(hit.channel, 0);
      EXPECT_NEAR(hit.value.Y, value, row) << x;
      EXPECT_EQ(lastOverChannel, 0);
    }
}

TEST_F(Pointer, WithoutHighlightingNoChannelBecomesTheElement) {
  scope.Highlighting()->Channels()->SetHiglightLegendButton(false);
  scope.Highlighting()->Channels()->SetHiglightFromMouse(false);
  scope.SetCursor(-2);
  Flat(0.5, -0.5);
  Move(scope.DataViewRect().center().x(), RowOf(0.5));
  EXPECT_EQ(scope.ElementUnderPointer(), nullptr);
  EXPECT_EQ(over, 0);
  EXPECT_EQ(scope.cursor().shape(), Qt::ArrowCursor);  // the display's own shape
  // With highlighting the pointer takes the channel's shape, and leaving
  // the control gives the display's own shape back.
  scope.Highlighting()->Channels()->SetHiglightFromMouse(true);
  Move(scope.DataViewRect().center().x() + 5, RowOf(0.5));
  EXPECT_EQ(scope.cursor().shape(), Qt::PointingHandCursor);
  scope.MouseLeaveMessage();  // what the leave watch sends
  EXPECT_EQ(scope.cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(leave, 1);
}

TEST_F(Pointer, PressTakesTheFocusSoPlusAndMinusZoom) {
  scope.SetTabStop(true);
  Flat(0.5, -0.5);
  const QRect view = scope.DataViewRect();
  ASSERT_NE(scope.focusWidget(), &scope);
  QTest::mouseClick(&scope, Qt::LeftButton, Qt::NoModifier, view.center());
  // The focus within its window (an offscreen window is never active).
  EXPECT_EQ(scope.focusWidget(), &scope);
  const TSLRange before = scope.XAxis()->ShownValue();
  QTest::keyClick(&scope, '+');
  const TSLRange zoomed = scope.XAxis()->ShownValue();
  EXPECT_NEAR(zoomed.hi - zoomed.lo, (before.hi - before.lo) / 2, 1e-9);
  EXPECT_NEAR(zoomed.lo + zoomed.hi, before.lo + before.hi, 1e-9);  // about the centre
  QTest::keyClick(&scope, '-');
  EXPECT_NEAR(scope.XAxis()->ShownValue().hi - scope.XAxis()->ShownValue().lo, before.hi - before.lo, 1e-9);
  scope.Zooming()->SetKeyboardZoom(false);
  QTest::keyClick(&scope, '+');
  EXPECT_NEAR(scope.XAxis()->ShownValue().hi - scope.XAxis()->ShownValue().lo, before.hi - before.lo, 1e-9);
}

TEST_F(Pointer, RightPressOnACursorStartsNoDrag) {
  auto* c = static_cast<TSLDisplayCursor*>(scope.Cursors()->Add());
  c->Position()->SetX(2.0);
  Flat(0.5, -0.5);
  int downs = 0, ups = 0, clicks = 0, moves = 0;
  QObject::connect(c, &TSLDisplayCursor::OnMouseDown, [&](QObject*, Qt::MouseButton b, Qt::KeyboardModifiers, int, int) {
    EXPECT_EQ(b, Qt::RightButton);
    ++downs;
  });
  QObject::connect(c, &TSLDisplayCursor::OnMouseUp, [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ++ups; });
  QObject::connect(c, &TSLDisplayCursor::OnClick, [&](QObject*) { ++clicks; });
  QObject::connect(scope.Cursors(), &TSLDisplayCursors::OnPositionChange,
                   [&](QObject*, int, TSLRealPoint&, TSLRealPoint&) { ++moves; });
  const int column = scope.CursorColumn(c, 2.0);
  const int row = scope.DataViewRect().center().y();
  QTest::mousePress(&scope, Qt::RightButton, Qt::NoModifier, QPoint(column, row));
  EXPECT_EQ(scope.DraggedCursor(), -1);
  SendMove(&scope, QPoint(column + 100, row), Qt::RightButton);
  QTest::mouseRelease(&scope, Qt::RightButton, Qt::NoModifier, QPoint(column + 100, row));
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(ups, 1);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(moves, 0);
  EXPECT_DOUBLE_EQ(c->Position()->X(), 2.0);
  // On empty space a right press starts nothing either.
  QTest::mousePress(&scope, Qt::RightButton, Qt::NoModifier, QPoint(column - 200, row));
  EXPECT_FALSE(scope.ViewDragging());
  QTest::mouseRelease(&scope, Qt::RightButton, Qt::NoModifier, QPoint(column - 200, row));
}

TEST_F(Pointer, HoveringRepaintsFromTheCachedTraces) {
  std::vector<double> wave(44100);
  for (int i = 0; i < 44100; ++i) wave[i] = std::sin(i * 0.01) * 0.8;
  scope.XAxis()->Max()->SetDataValue(44100);
  feed.Send(0, wave);
  feed.Send(1, wave);
  feed.Publish();
  const int rebuilds = scope.Channels()->Channel(0)->Trace().Rebuilds();
  const QRect view = scope.DataViewRect();
  for (int i = 0; i < 100; ++i) {
    Move(view.left() + 5 + i * 7, view.top() + (i * 13) % view.height());
    scope.RedrawBackBuffer();
  }
  EXPECT_GT(over, 0);  // the pointer did pass over the traces
  EXPECT_EQ(scope.Channels()->Channel(0)->Trace().Rebuilds(), rebuilds);
}

TEST_F(Pointer, AHeldCursorIgnoresNewBlocksAndReportsWhereItWasReleased) {
  auto* c = static_cast<TSLDisplayCursor*>(scope.Cursors()->Add());
  double reported = -1;
  QObject::connect(scope.Cursors(), &TSLDisplayCursors::OnPositionChange,
                   [&](QObject*, int, TSLRealPoint&, TSLRealPoint& now) { reported = now.X; });
  Flat(0.1, 0.2);
  const QRect view = scope.DataViewRect();
  const int row = view.center().y();
  QTest::mousePress(&scope, Qt::LeftButton, Qt::NoModifier, QPoint(scope.CursorColumn(c, 0), row));
  const int target = view.left() + view.width() / 4;
  SendMove(&scope, QPoint(target, row), Qt::LeftButton);
  // Blocks keep arriving while the cursor is held.
  for (int i = 0; i < 5; ++i) {
    feed.Send(0, std::vector<double>(40000, 0.1 * i));
    feed.Send(1, std::vector<double>(40000, -0.1 * i));
    feed.Publish();
    EXPECT_DOUBLE_EQ(c->Position()->X(), 0.0);
    EXPECT_EQ(scope.DraggedCursor(), 0);
  }
  QTest::mouseRelease(&scope, Qt::LeftButton, Qt::NoModifier, QPoint(target, row));
  const TSLRange shown = scope.XAxis()->ShownValue();
  const double expected = shown.lo + (target - view.left()) * (shown.hi - shown.lo) / (view.width() - 1);
  EXPECT_NEAR(reported, expected, 1e-9);
  EXPECT_EQ(scope.CursorColumn(c, c->Position()->X()), target);
}

}  // namespace

namespace {

TEST_F(Pointer, CursorMarksWhereItsChannelsCrossIt) {
  auto* c = static_cast<TSLDisplayCursor*>(scope.Cursors()->Add());
  c->SetColor(QColor(0, 0, 255));
  c->Position()->SetX(2.0);
  scope.Channels()->Channel(0)->SetColor(QColor(255, 255, 0));
  auto* link = static_cast<TSLDisplayCursorChannelLink*>(c->Channels()->Add());
  link->SetChannel(0);
  link->ChannelLabel()->SetVisible(false);
  Flat(0.5, -0.5);
  const QImage image = scope.BackBuffer().copy();
  const int column = scope.CursorColumn(c, 2.0);
  const int row = RowOf(0.5);
  EXPECT_EQ(image.pixelColor(column, row - 2), QColor(255, 255, 0));  // the mark, over the line
  EXPECT_EQ(image.pixelColor(column, row - 10), QColor(0, 0, 255));
  EXPECT_NE(image.pixelColor(column, RowOf(-0.5) - 2), QColor(255, 255, 0));  // channel 1 is not listed
}

}  // namespace

namespace {

TEST_F(Pointer, TheElementFollowsNewDataUnderARestingPointer) {
  Flat(0.5, -0.9);
  const QPoint rest(scope.DataViewRect().center().x(), RowOf(0.5));
  Move(rest.x(), rest.y());
  ASSERT_EQ(scope.ElementUnderPointer(), scope.Channels()->Channel(0));
  Flat(0.0, -0.9);  // the trace moves away from the pointer
  EXPECT_EQ(scope.ElementUnderPointer(), nullptr);
  EXPECT_EQ(leave, 1);
  const int redraws = scope.RedrawCount();
  Flat(0.5, -0.9);  // and back under it
  EXPECT_EQ(scope.ElementUnderPointer(), scope.Channels()->Channel(0));
  // Finding it within the paint asks for no further repaint.
  QApplication::processEvents();
  EXPECT_EQ(scope.RedrawCount(), redraws + 1);
}

}  // namespace

namespace {

TEST_F(Pointer, ZonesAndLabelsAreDrawnAndFoundUnderThePointer) {
  auto* zone = static_cast<TSLDisplayZone*>(scope.Zones()->Add());
  zone->Brush()->SetColor(QColor(0, 0, 128));
  zone->Pen()->SetColor(QColor(0, 0, 128));
  // A triangle with a hole: a self-overlapping outline, filled even-odd.
  for (auto [x, y] : {std::pair{1.0, -0.8}, {4.0, -0.8}, {2.5, 0.8}}) {
    auto* p = static_cast<TSLRealPointItem*>(zone->Points()->Add());
    p->SetX(x);
    p->SetY(y);
  }
  auto* label = static_cast<TSLDisplayTextLabel*>(scope.Labels()->Add());
  label->SetName(QStringLiteral("strike"));
  label->Position()->SetX(0.2);
  label->Position()->SetY(0.9);
  Flat(-0.95, -0.95);
  const QImage image = scope.BackBuffer().copy();
  const QPoint inside = scope.DataViewRect().center() + QPoint(0, 10);
  EXPECT_EQ(image.pixelColor(inside), QColor(0, 0, 128));
  Move(inside.x(), inside.y());
  EXPECT_EQ(scope.ElementUnderPointer(), zone);
  EXPECT_EQ(scope.cursor().shape(), Qt::PointingHandCursor);
  const QPoint corner = scope.DataViewRect().topLeft() + QPoint(3, 3);
  EXPECT_NE(image.pixelColor(corner), QColor(0, 0, 128));
  // The label's text lies at its position; the pointer on it finds it.
  const QPoint at(scope.XAxis()->TickToScreen(0.2), scope.YAxis()->TickToScreen(0.9));
  int text = 0;
  for (int x = at.x(); x < at.x() + 30; ++x)
    for (int y = at.y(); y < at.y() + 12; ++y) text += image.pixelColor(x, y).lightness() > 128;
  EXPECT_GT(text, 10);
  Move(at.x() + 3, at.y() + 5);
  EXPECT_EQ(scope.ElementUnderPointer(), label);
  // Without highlighting for zones the pointer passes on to what lies below.
  scope.Highlighting()->Zones()->SetHiglightLegendButton(false);
  scope.Highlighting()->Zones()->SetHiglightFromMouse(false);
  Move(inside.x(), inside.y());
  EXPECT_EQ(scope.ElementUnderPointer(), nullptr);
}

}  // namespace

namespace {

TEST_F(Pointer, ChannelsSeenThroughAnEllipseAreMarkedInsideItOnly) {
  auto* ellipse = static_cast<TSLDisplayEllipticZone*>(scope.Ellipses()->Add());
  ellipse->Brush()->SetColor(QColor(0, 0, 0));
  ellipse->Pen()->SetColor(QColor(0, 255, 0));
  ellipse->Point1()->SetX(1.5);
  ellipse->Point1()->SetY(-1);
  ellipse->Point2()->SetX(3.5);
  ellipse->Point2()->SetY(1);
  scope.Channels()->Channel(0)->SetColor(QColor(255, 255, 0));
  scope.Channels()->Channel(1)->SetColor(QColor(255, 0, 255));
  static_cast<TSLDisplayZoneChannelLink*>(ellipse->Channels()->Add())->SetChannel(0);
  auto* dots = static_cast<TSLDisplayZoneChannelLink*>(ellipse->Channels()->Add());
  dots->SetChannel(1);
  dots->SetHighlighting(false);
  dots->SetPoints(true);
  Flat(0.5, -0.5);
  const QImage image = scope.BackBuffer().copy();
  const int inside = scope.XAxis()->TickToScreen(2.5), outside = scope.XAxis()->TickToScreen(0.5);
  const int row0 = RowOf(0.5), row1 = RowOf(-0.5);
  // Channel 0: a band in the pen colour beside the trace, the trace on it.
  EXPECT_EQ(image.pixelColor(inside, row0 - 2), QColor(0, 255, 0));
  EXPECT_EQ(image.pixelColor(inside, row0), QColor(255, 255, 0));
  EXPECT_NE(image.pixelColor(outside, row0 - 2), QColor(0, 255, 0));
  // Channel 1: dots one pixel beside its one-pixel line, inside only.
  EXPECT_EQ(image.pixelColor(inside, row1 + 1), QColor(255, 0, 255));
  EXPECT_NE(image.pixelColor(outside, row1 + 1), QColor(255, 0, 255));
  EXPECT_NE(image.pixelColor(inside, row1 - 3), QColor(0, 255, 0));  // no band without highlighting
}

TEST_F(Pointer, MarkersAreClickedAndDraggedAlongTheirChannel) {
  auto* group = static_cast<TSLScopeMarkerGroup*>(scope.MarkerGroups()->Add());
  group->SetCanDrag(true);
  auto* marker = static_cast<TSLScopeChannelMarker*>(scope.Channels()->Channel(0)->Markers()->Add());
  marker->SetPosition(10000);  // 1.25 s
  Flat(0.5, -0.5);
  int clicks = 0, dragged = 0, from = -1, to = -1;
  bool refuse = true;
  QObject::connect(scope.MarkerGroups(), &TSLScopeMarkerGroups::OnClick,
                   [&](QObject*, int channel, int index, TSLRealPoint value, bool& handled) {
                     ++clicks;
                     EXPECT_EQ(channel, 0);
                     EXPECT_EQ(index, 0);
                     EXPECT_DOUBLE_EQ(value.X, 1.25);
                     EXPECT_DOUBLE_EQ(value.Y, 0.5);
                     handled = refuse;
                   });
  QObject::connect(group, &TSLScopeMarkerGroup::OnDragged, [&](QObject*, int a, int b) {
    ++dragged;
    from = a;
    to = b;
  });
  const QRect view = scope.DataViewRect();
  const QPoint at(scope.XAxis()->TickToScreen(1.25), RowOf(0.5));
  const QPoint target(view.left() + (view.width() - 1) / 2, RowOf(0.5));  // 2.5 s
  const auto drag = [&] {
    QTest::mousePress(&scope, Qt::LeftButton, Qt::NoModifier, at);
    SendMove(&scope, target, Qt::LeftButton);
    QTest::mouseRelease(&scope, Qt::LeftButton, Qt::NoModifier, target);
  };
  // A handler that handles the click keeps the marker where it is.
  drag();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(marker->Position(), 10000);
  EXPECT_EQ(dragged, 0);
  refuse = false;
  drag();
  EXPECT_EQ(clicks, 2);
  ASSERT_EQ(dragged, 1);
  EXPECT_EQ(from, 10000);
  EXPECT_EQ(to, marker->Position());
  EXPECT_NEAR(marker->Position(), 20000, 40000.0 / view.width());
  EXPECT_FALSE(scope.IsZoomed());  // the press started no zoom or pan
}

}  // namespace
