// Zooming and panning a real scope through its wheel, pointer and the zoom
// operations: the history, the range limits of the acquisition window's Y
// axis, zoom modes, the minimum span, the frame size rule and the wheel
// keeping the value under the pointer.

#include <QTest>

#include <cmath>
#include <iostream>
#include <random>

#include "scope_feed.h"

#include <gtest/gtest.h>

namespace {

struct Zoom : ::testing::Test {
  TSLScope scope;
  TScopeFeed feed{scope, 1};
  QList<SL::TSLZoomOperation> ops;

  void SetUp() override {
    QObject::connect(&scope, &TSLDataDisplay::OnZoomChanged,
                     [this](QObject*, SL::TSLZoomOperation op, TSLRealRanges&) { ops.append(op); });
    scope.show();
    std::vector<double> wave(40000);
    for (int i = 0; i < 40000; ++i) wave[i] = std::sin(i * 0.001) * 0.5;
    feed.Send(0, wave);
    feed.Publish();
  }
  TSLRange X() { return scope.XAxis()->ShownValue(); }
  TSLRange Y() { return scope.YAxis()->ShownValue(); }
  QPoint Centre() { return scope.DataViewRect().center(); }
  void Wheel(const QPoint& p, bool towardsUser) {
    QWheelEvent e(p, scope.mapToGlobal(p), QPoint(), QPoint(0, towardsUser ? -120 : 120), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&scope, &e);
  }
  void DragView(const QPoint& from, const QPoint& to) {
    QTest::mousePress(&scope, Qt::LeftButton, Qt::NoModifier, from);
    SendMove(&scope, (from + to) / 2, Qt::LeftButton);
    SendMove(&scope, to, Qt::LeftButton);
    QTest::mouseRelease(&scope, Qt::LeftButton, Qt::NoModifier, to);
  }
};

TEST_F(Zoom, WheelStepsRecordOneStateAndUndoReturnsBeforeTheFirst) {
  const TSLRange before = X();
  for (int i = 0; i < 3; ++i) Wheel(Centre(), false);
  EXPECT_LT(X().hi - X().lo, before.hi - before.lo);
  EXPECT_EQ(scope.UndoCount(), 1);
  EXPECT_EQ(ops, (QList<SL::TSLZoomOperation>{SL::zoMouseWheel, SL::zoMouseWheel, SL::zoMouseWheel}));
  scope.ZoomPrevious();
  EXPECT_EQ(X(), before);
  EXPECT_FALSE(scope.XAxis()->IsZoomed());
  EXPECT_EQ(ops.last(), SL::zoUndo);
  // A step after undoing records anew.
  Wheel(Centre(), true);
  EXPECT_EQ(scope.UndoCount(), 1);
  EXPECT_EQ(scope.RedoCount(), 0);
}

TEST_F(Zoom, HistoryEdges) {
  // Undo with nothing to undo changes nothing but makes redo possible.
  const TSLRange before = X();
  scope.ZoomPrevious();
  EXPECT_EQ(X(), before);
  EXPECT_EQ(scope.RedoCount(), 1);
  EXPECT_TRUE(ops.isEmpty());
  scope.ZoomNext();
  EXPECT_EQ(ops, QList<SL::TSLZoomOperation>{SL::zoRedo});
  scope.ClearZoomHistory();
  // 101 distinct states keep the newest 100; an equal state adds nothing.
  for (int i = 0; i < 101; ++i) {
    scope.XAxis()->SetZoomRange(0.001 * i, 1 + 0.001 * i);
    scope.PushZoomState(false);
  }
  EXPECT_EQ(scope.UndoCount(), 100);
  scope.PushZoomState(false);
  EXPECT_EQ(scope.UndoCount(), 100);
  scope.ZoomByFactor(0.5);
  scope.ZoomPrevious();
  EXPECT_NEAR(X().lo, 0.1, 1e-12);
  EXPECT_NEAR(X().hi, 1.1, 1e-12);
}

TEST_F(Zoom, PanningNeedsAZoomAndStopsAtTheValueLimits) {
  scope.SetNavigateMode(SL::nmPan);
  const QRect view = scope.DataViewRect();
  const TSLRange before = X();
  DragView(Centre(), Centre() + QPoint(100, 0));
  EXPECT_EQ(X(), before);
  scope.ZoomByFactor(0.5);  // 1.25 .. 3.75 s
  const TSLRange zoomed = X();
  ops.clear();
  QTest::mousePress(&scope, Qt::LeftButton, Qt::NoModifier, Centre());
  SendMove(&scope, Centre() + QPoint(-100, 0), Qt::LeftButton);
  // The content follows the pointer: dragging left shows later times.
  const double perPixel = (zoomed.hi - zoomed.lo) / (view.width() - 1);
  EXPECT_NEAR(X().lo, zoomed.lo + 100 * perPixel, perPixel);
  EXPECT_TRUE(ops.contains(SL::zoMousePan));
  SendMove(&scope, Centre() + QPoint(-390, 0), Qt::LeftButton);
  QTest::mouseRelease(&scope, Qt::LeftButton, Qt::NoModifier, Centre() + QPoint(-390, 0));
  EXPECT_NEAR(X().hi, 5.0, 1e-9);  // stopped at the end of the data
  EXPECT_NEAR(X().hi - X().lo, zoomed.hi - zoomed.lo, 1e-9);
  EXPECT_EQ(scope.UndoCount(), 1);  // pans are not recorded
}

TEST_F(Zoom, AcquisitionYAxisNeverShowsBeyondItsLimits) {
  TSLScopeYAxis* y = scope.YAxis();
  y->Min()->Range()->Low()->SetValue(-1);
  y->Min()->Range()->Low()->SetEnabled(true);
  y->Max()->Range()->High()->SetValue(1);
  y->Max()->Range()->High()->SetEnabled(true);
  scope.SetNavigateMode(SL::nmPan);
  scope.ZoomByFactor(false, 1, 2);
  EXPECT_DOUBLE_EQ(Y().lo, -1);
  EXPECT_DOUBLE_EQ(Y().hi, 1);
  std::mt19937 random(7);
  const QRect view = scope.DataViewRect();
  for (int i = 0; i < 200; ++i) {
    const QPoint p(view.left() + int(random() % view.width()), view.top() + int(random() % view.height()));
    switch (random() % 4) {
      case 0: Wheel(p, random() % 2); break;
      case 1: scope.ZoomByFactor(random() % 2 ? 0.5 : 2.0); break;
      case 2: DragView(p, QPoint(view.left() + int(random() % view.width()), view.top() + int(random() % view.height()))); break;
      default: scope.YAxis()->ZoomAtPoint(p, random() % 2 ? 0.7 : 1.6); break;
    }
    ASSERT_GE(Y().lo, -1 - 1e-12) << "step " << i;
    ASSERT_LE(Y().hi, 1 + 1e-12) << "step " << i;
  }
}

TEST_F(Zoom, XOnlyWheelFreezesTheYRangeUntilZoomOff) {
  scope.YAxis()->AutoScaling()->SetEnabled(true);
  feed.Publish();
  scope.Zooming()->SetMode(SL::zmXAxis);
  const TSLRange y = Y(), x = X();
  Wheel(Centre(), false);
  EXPECT_LT(X().hi - X().lo, x.hi - x.lo);
  EXPECT_EQ(Y(), y);
  EXPECT_TRUE(scope.YAxis()->IsZoomed());
  // New data of another size leave the frozen Y range alone.
  feed.Send(0, std::vector<double>(40000, 0.9));
  feed.Publish();
  EXPECT_EQ(Y(), y);
  scope.ZoomOff();
  EXPECT_FALSE(scope.YAxis()->IsZoomed());
  EXPECT_NE(Y(), y);
}

TEST_F(Zoom, EqualEndsGiveTheMinimumSpan) {
  scope.XAxis()->SetZoomRange(2.0, 2.0);
  EXPECT_DOUBLE_EQ(X().lo, 2.0);
  EXPECT_NEAR(X().hi - X().lo, 0.0001, 1e-15);
  scope.XAxis()->Zooming()->Range()->Low()->SetValue(0.01);
  scope.XAxis()->SetZoomRange(2.0, 2.0);
  EXPECT_NEAR(X().hi - X().lo, 0.01, 1e-12);
}

TEST_F(Zoom, FrameOfFourByHundredZoomsFourByFourDoesNot) {
  const QPoint c = Centre();
  DragView(c, c + QPoint(4, 4));
  EXPECT_FALSE(scope.IsZoomed());
  EXPECT_TRUE(ops.isEmpty());
  DragView(c + QPoint(0, -50), c + QPoint(4, 50));
  EXPECT_TRUE(scope.IsZoomed());
  EXPECT_EQ(ops, QList<SL::TSLZoomOperation>{SL::zoZoom});
  const QRect view = scope.DataViewRect();
  const double perPixel = 5.0 / view.width();
  EXPECT_NEAR(X().lo, (c.x() - view.left()) * perPixel, 1e-9);
  EXPECT_NEAR(X().hi - X().lo, 5 * perPixel, 1e-9);
  EXPECT_TRUE(scope.Hold());  // hold on zoom
}

TEST_F(Zoom, TheFrameRunsThroughThePressAndPointerPixelsAndNoFurther) {
  const QColor frame(10, 200, 30);
  scope.Zooming()->SetSelectionColor(frame);
  const QPoint a = Centre() + QPoint(-30, -20), b = Centre() + QPoint(30, 20);
  QTest::mousePress(&scope, Qt::LeftButton, Qt::NoModifier, b);
  SendMove(&scope, (a + b) / 2, Qt::LeftButton);
  SendMove(&scope, a, Qt::LeftButton);  // dragged up and to the left
  scope.RedrawBackBuffer();
  const QImage image = scope.BackBuffer().copy();
  QTest::mouseRelease(&scope, Qt::LeftButton, Qt::NoModifier, a);
  const auto framed = [&](int x, int y) { return image.pixelColor(x, y) == frame; };
  int top = 0, bottom = 0, left = 0, right = 0;
  for (int x = a.x() - 3; x <= b.x() + 3; ++x) top += framed(x, a.y()), bottom += framed(x, b.y());
  for (int y = a.y() - 3; y <= b.y() + 3; ++y) left += framed(a.x(), y), right += framed(b.x(), y);
  EXPECT_EQ(top, b.x() - a.x() + 1);
  EXPECT_EQ(bottom, b.x() - a.x() + 1);
  EXPECT_EQ(left, b.y() - a.y() + 1);
  EXPECT_EQ(right, b.y() - a.y() + 1);
  EXPECT_FALSE(framed(b.x() + 1, a.y() + 5));
  EXPECT_FALSE(framed(a.x() + 5, b.y() + 1));
  EXPECT_TRUE(framed(b.x(), b.y()));
}

TEST_F(Zoom, WheelAtTheRightEdgeKeepsTheEdgeValue) {
  scope.ZoomByFactor(0.5);
  const QRect view = scope.DataViewRect();
  const double edge = X().hi;
  Wheel(QPoint(view.right(), view.center().y()), false);
  EXPECT_DOUBLE_EQ(X().hi, edge);
  EXPECT_LT(X().hi - X().lo, 2.5);
  // At the centre the centre value stays.
  const TSLRange r = X();
  const double v = r.hi - (view.right() - Centre().x()) * (r.hi - r.lo) / (view.width() - 1);
  Wheel(Centre(), true);
  const TSLRange after = X();
  EXPECT_NEAR(after.hi - (view.right() - Centre().x()) * (after.hi - after.lo) / (view.width() - 1), v, 1e-9);
}

// Two displays whose X axes are linked through their zoom pins show one time
// range: wheel, pan, undo and zoom off on either reach the other once, and
// the follower's own limits still hold.
TEST_F(Zoom, LinkedZoomPinsShareTheRangeBothWays) {
  TSLScope other;
  other.setObjectName(QStringLiteral("Other"));
  TScopeFeed otherFeed{other, 1};
  other.YAxis()->Max()->Range()->High()->SetValue(0.5);
  other.YAxis()->Max()->Range()->High()->SetEnabled(true);
  other.show();
  otherFeed.Publish();
  QList<SL::TSLZoomOperation> otherOps;
  QObject::connect(&other, &TSLDataDisplay::OnZoomChanged,
                   [&](QObject*, SL::TSLZoomOperation op, TSLRealRanges&) { otherOps.append(op); });
  ASSERT_TRUE(other.XAxis()->ZoomPin()->Connect(scope.XAxis()->ZoomPin()));
  ASSERT_TRUE(other.YAxis()->ZoomPin()->Connect(scope.YAxis()->ZoomPin()));
  EXPECT_TRUE(other.XAxis()->ZoomPin()->GetName(false).endsWith(QStringLiteral("XAxis.ZoomPin")));

  Wheel(Centre(), false);
  EXPECT_TRUE(other.XAxis()->IsZoomed());
  EXPECT_EQ(other.XAxis()->ShownValue(), X());
  EXPECT_EQ(otherOps, (QList<SL::TSLZoomOperation>{SL::zoMouseWheel, SL::zoMouseWheel}));
  EXPECT_EQ(ops.size(), 1);  // the follower does not echo back

  // Panning the follower moves the leader.
  other.SetNavigateMode(SL::nmPan);
  const TSLRange before = X();
  const QPoint c = other.DataViewRect().center();
  QTest::mousePress(&other, Qt::LeftButton, Qt::NoModifier, c);
  SendMove(&other, c + QPoint(40, 0), Qt::LeftButton);
  QTest::mouseRelease(&other, Qt::LeftButton, Qt::NoModifier, c + QPoint(40, 0));
  EXPECT_LT(X().lo, before.lo);
  EXPECT_EQ(X(), other.XAxis()->ShownValue());

  // A Y range above the follower's own upper limit is moved inside it.
  scope.YAxis()->SetZoomRange(-0.5, 0.9);
  EXPECT_DOUBLE_EQ(Y().hi, 0.9);
  EXPECT_DOUBLE_EQ(other.YAxis()->ShownValue().hi, 0.5);
  EXPECT_DOUBLE_EQ(other.YAxis()->ShownValue().lo, -0.9);

  scope.ZoomPrevious();  // back before the wheel: unzoomed, both
  EXPECT_FALSE(other.XAxis()->IsZoomed());
  scope.ZoomByFactor(0.5);
  EXPECT_EQ(other.XAxis()->ShownValue(), X());
  other.ZoomOff();
  EXPECT_FALSE(scope.XAxis()->IsZoomed());
  EXPECT_FALSE(scope.YAxis()->IsZoomed());
  EXPECT_EQ(ops.last(), SL::zoZoomOff);
  // Unzooming what is not zoomed changes nothing over there: no event.
  const int otherEvents = otherOps.size();
  scope.ZoomOff();
  EXPECT_EQ(otherOps.size(), otherEvents);

  // Once unlinked, zooming one leaves the other alone.
  other.XAxis()->ZoomPin()->Disconnect();
  scope.ZoomByFactor(0.5);
  EXPECT_FALSE(other.XAxis()->IsZoomed());
}

}  // namespace

namespace {
// Zooming a scope with an additional Y axis (0..10 on the right) through the
// wheel, the zoom frame, panning, zoom off and the history: both Y axes
// move, the additional one in proportion to the main one.
TEST_F(Zoom, AdditionalAxesZoomPanAndReturnWithTheMainAxes) {
  auto* extra = qobject_cast<TSLBasicScopeYAxis*>(scope.YAxis()->AdditionalAxes()->Add());
  ASSERT_NE(extra, nullptr);
  extra->SetAlign(SL::vaRight);
  extra->AutoScaling()->SetEnabled(false);
  extra->Min()->SetValue(0);
  extra->Max()->SetValue(10);
  EXPECT_TRUE(extra->ZoomPin()->GetName(false).endsWith(QStringLiteral("YAxis.AdditionalAxes._Item0.ZoomPin")))
      << extra->ZoomPin()->GetName(false).toStdString();
  feed.Publish();
  const TSLRange y0 = Y(), e0 = extra->ShownValue();
  ASSERT_EQ(e0, (TSLRange{0, 10}));
  const auto E = [&] { return extra->ShownValue(); };
  // The fraction of the main range a value stands at, on the additional axis.
  const auto inProportion = [&] {
    EXPECT_NEAR((E().lo - e0.lo) / e0.Span(), (Y().lo - y0.lo) / y0.Span(), 1e-9);
    EXPECT_NEAR((E().hi - e0.lo) / e0.Span(), (Y().hi - y0.lo) / y0.Span(), 1e-9);
  };

  // The wheel over the data view zooms both about the pointer.
  const QPoint at = Centre() + QPoint(0, -30);
  const double underPointer = extra->ScreenToTick(at.y());
  Wheel(at, false);
  EXPECT_TRUE(scope.YAxis()->IsZoomed());
  EXPECT_TRUE(extra->IsZoomed());
  EXPECT_LT(E().Span(), e0.Span());
  EXPECT_NEAR(extra->ScreenToTick(at.y()), underPointer, e0.Span() / 100);
  inProportion();
  scope.ZoomOff();
  EXPECT_FALSE(extra->IsZoomed());
  EXPECT_EQ(E(), e0);
  EXPECT_EQ(Y(), y0);

  // The zoom frame: the main axis takes the frame's values, the additional
  // axis the same share of its own range.
  const QPoint c = Centre();
  const double frameTop = scope.YAxis()->ScreenToTick(c.y() - 40);
  DragView(c + QPoint(-60, -40), c + QPoint(60, 20));
  ASSERT_TRUE(extra->IsZoomed());
  EXPECT_LT(Y().Span(), y0.Span() * 0.7);
  EXPECT_NEAR(Y().hi, frameTop, y0.Span() / 50);
  inProportion();

  // Panning moves both by the same share of their spans.
  scope.SetNavigateMode(SL::nmPan);
  const TSLRange yz = Y(), ez = E();
  QTest::mousePress(&scope, Qt::LeftButton, Qt::NoModifier, c);
  SendMove(&scope, c + QPoint(0, 30), Qt::LeftButton);
  QTest::mouseRelease(&scope, Qt::LeftButton, Qt::NoModifier, c + QPoint(0, 30));
  ASSERT_NE(Y().lo, yz.lo);
  EXPECT_NEAR((E().lo - ez.lo) / ez.Span(), (Y().lo - yz.lo) / yz.Span(), 1e-6);

  // Undo takes both back to before the frame (panning is not recorded),
  // redo to where the pan left them.
  const TSLRange panned = E();
  scope.ZoomPrevious();
  EXPECT_FALSE(extra->IsZoomed());
  EXPECT_EQ(E(), e0);
  EXPECT_EQ(Y(), y0);
  scope.ZoomNext();
  EXPECT_TRUE(extra->IsZoomed());
  EXPECT_EQ(E(), panned);

  // A removed axis leaves the history: an axis made after it (often at the
  // same address) does not take over its zoom.
  const void* old = extra;
  scope.YAxis()->AdditionalAxes()->Delete(0);
  TSLDisplayAxis* fresh = scope.YAxis()->AdditionalAxes()->Add();
  if (fresh != old) std::cout << "note: the new axis is at another address\n";
  scope.ZoomPrevious();  // unzoomed, before the frame
  scope.ZoomPrevious();  // the wheel's zoom, which the removed axis shared
  EXPECT_FALSE(fresh->IsZoomed());
  EXPECT_TRUE(scope.YAxis()->IsZoomed());
}
}  // namespace
