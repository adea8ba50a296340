// Cursors under a real pointer (QTest events on the widget): a drag reports
// the time of the release column once, code writes report nothing, the
// topmost cursor wins, and the cursor link's measurement line and label.

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <cmath>

#include "scope/scope.h"
#include "scope_feed.h"

#include <gtest/gtest.h>

namespace {

struct Cursors : ::testing::Test {
  TSLScope scope;
  TSLDisplayCursor* a = nullptr;
  TSLDisplayCursor* b = nullptr;
  int changes = 0;
  TSLRealPoint lastOld, lastNew;
  int lastIndex = -1;

  void SetUp() override {
    scope.resize(800, 230);
    scope.XAxis()->Min()->SetAutoScale(false);
    scope.XAxis()->Max()->SetAutoScale(false);
    scope.XAxis()->Max()->SetValue(5.0);
    scope.XAxis()->Max()->SetDataValue(40000);
    scope.XAxis()->Format()->SetPrecision(3);
    a = static_cast<TSLDisplayCursor*>(scope.Cursors()->Add());
    b = static_cast<TSLDisplayCursor*>(scope.Cursors()->Add());
    scope.CursorLinks()->Add();
    QObject::connect(scope.Cursors(), &TSLDisplayCursors::OnPositionChange,
                     [this](QObject* sender, int index, TSLRealPoint& oldPos, TSLRealPoint& newPos) {
                       EXPECT_EQ(sender, &scope);
                       ++changes;
                       lastIndex = index;
                       lastOld = oldPos;
                       lastNew = newPos;
                     });
    scope.show();
    scope.RedrawBackBuffer();
  }
  int Row() { return scope.DataViewRect().center().y(); }
  void Drag(int fromX, int toX) {
    QTest::mousePress(&scope, Qt::LeftButton, Qt::NoModifier, QPoint(fromX, Row()));
    QTest::mouseMove(&scope, QPoint((fromX + toX) / 2, Row()));
    QTest::mouseMove(&scope, QPoint(toX, Row()));
    QTest::mouseRelease(&scope, Qt::LeftButton, Qt::NoModifier, QPoint(toX, Row()));
  }
  double PixelTime() { return 5.0 / (scope.DataViewRect().width() - 1); }
};

TEST_F(Cursors, DragReportsTheReleaseColumnOnce) {
  b->Position()->SetX(4.0);
  EXPECT_EQ(changes, 0);  // writes from code raise nothing
  const QRect view = scope.DataViewRect();
  const int target = view.left() + view.width() / 3;
  Drag(scope.CursorColumn(a, 0.0), target);
  ASSERT_EQ(changes, 1);
  EXPECT_EQ(lastIndex, 0);
  EXPECT_DOUBLE_EQ(lastOld.X, 0.0);
  const double expected = (target - view.left()) * PixelTime();
  EXPECT_NEAR(a->Position()->X(), expected, PixelTime());
  EXPECT_DOUBLE_EQ(lastNew.X, a->Position()->X());
  // The line stands where it was released.
  EXPECT_EQ(scope.CursorColumn(a, a->Position()->X()), target);

  // Released on its own column: nothing.
  Drag(target, target);
  EXPECT_EQ(changes, 1);
}

TEST_F(Cursors, ReleaseBeyondTheViewClampsToTheAxis) {
  b->Position()->SetX(4.0);
  Drag(scope.CursorColumn(a, 0.0), scope.width() - 2);
  ASSERT_EQ(changes, 1);
  EXPECT_DOUBLE_EQ(a->Position()->X(), 5.0);
}

TEST_F(Cursors, OverlappingCursorsDragTheHigherIndex) {
  a->Position()->SetX(2.0);
  b->Position()->SetX(2.0 + PixelTime());  // one pixel apart
  scope.RedrawBackBuffer();
  const int column = scope.CursorColumn(a, 2.0);
  EXPECT_EQ(scope.HitCursor(QPoint(column, Row())), 1);
  Drag(column, column + 100);
  ASSERT_EQ(changes, 1);
  EXPECT_EQ(lastIndex, 1);
  EXPECT_DOUBLE_EQ(a->Position()->X(), 2.0);
  // A press 3 pixels off misses.
  EXPECT_EQ(scope.HitCursor(QPoint(scope.CursorColumn(a, 2.0) - 3, Row())), -1);
}

TEST_F(Cursors, MeasurementLineAndLabel) {
  a->Position()->SetX(1.0);
  b->Position()->SetX(2.0);
  TSLScopeMeasurementLine* line = scope.CursorLinks()->Link(0)->MeasurementLine();
  line->SetColor(QColor(0, 0, 255));
  line->SetStyle(Vcl::psSolid);
  scope.RedrawBackBuffer();
  QImage image = scope.BackBuffer().copy();
  const QRect view = scope.DataViewRect();
  // Y runs from 100 on the view's first row to -100 on its last.
  const int row = view.top() + int(std::lround((100 - line->Y()) / 200 * (view.height() - 1)));
  EXPECT_EQ(image.pixelColor(scope.CursorColumn(a, 1.0) + 3, row), QColor(0, 0, 255));
  // The label is the axis formatting of the delay and nothing else: two
  // decimals over a 5 s axis with 3 digits.
  a->Position()->SetX(1.0125);
  b->Position()->SetX(1.0);
  EXPECT_EQ(scope.LinkLabelText(0), QStringLiteral("0.01"));
  line->MeasurementLabel()->SetText(QStringLiteral("dt = %v s, 100%% %x"));
  EXPECT_EQ(scope.LinkLabelText(0), QStringLiteral("dt = 0.01 s, 100% "));
  line->MeasurementLabel()->SetText(QString());
  a->Position()->SetX(1.0);
  // Two cursors at the same X: no line.
  b->Position()->SetX(1.0);
  scope.RedrawBackBuffer();
  image = scope.BackBuffer().copy();
  int blue = 0;
  for (int x = view.left(); x <= view.right(); ++x) blue += image.pixelColor(x, row) == QColor(0, 0, 255);
  EXPECT_EQ(blue, 0);
}

TEST_F(Cursors, SelectionBandLiesUnderTheGrid) {
  a->Position()->SetX(1.0);
  b->Position()->SetX(4.0);
  scope.CursorLinks()->Link(0)->Selection()->SetVisible(true);
  scope.RedrawBackBuffer();
  const QImage image = scope.BackBuffer().copy();
  const int row = scope.DataViewRect().top() + 5;
  int grid = 0, band = 0;
  for (int x = scope.CursorColumn(a, 1.2); x < scope.CursorColumn(a, 3.8); ++x) {
    grid += image.pixelColor(x, row) == QColor(0, 128, 0);
    band += image.pixelColor(x, row) == QColor(128, 128, 128);
  }
  EXPECT_GT(band, 0);
  EXPECT_GT(grid, 0);
}

TEST_F(Cursors, CursorOutsideTheViewIsPinnedToTheEdgeAndADragStopsThere) {
  a->Position()->SetX(3.0);
  scope.XAxis()->SetZoomed(0.0, 1.0);
  scope.RedrawBackBuffer();
  const QImage image = scope.BackBuffer().copy();
  const QRect view = scope.DataViewRect();
  int red = 0;
  for (int y = view.top(); y <= view.bottom(); ++y) red += image.pixelColor(view.right(), y) == QColor(Qt::red);
  EXPECT_GT(red, 0);
  EXPECT_LT(red, view.height() - 1);  // dotted

  // Dragged beyond the zoomed view, the preview stands pinned at the edge;
  // the release stores that edge's time, so the line stays in sight, solid.
  a->Position()->SetX(0.2);
  b->Position()->SetX(0.5);
  scope.RedrawBackBuffer();
  Drag(scope.CursorColumn(b, 0.5), scope.width() - 2);
  ASSERT_EQ(changes, 1);
  EXPECT_NEAR(b->Position()->X(), 1.0, 1e-9);
  scope.RedrawBackBuffer();
  const QImage after = scope.BackBuffer().copy();
  red = 0;
  for (int y = view.top(); y <= view.bottom(); ++y) red += after.pixelColor(view.right(), y) == b->Color();
  EXPECT_EQ(red, view.height() - 1);
}

// Horizontal lines stand at the row of Y; a press moves only the lines it
// holds, and the pointer shape says which.
TEST_F(Cursors, HorizontalAndCrossCursorsMoveOnlyTheLinesHeld) {
  scope.YAxis()->AutoScaling()->SetEnabled(false);
  scope.YAxis()->Min()->SetValue(-1);
  scope.YAxis()->Max()->SetValue(1);
  a->SetKind(SL::ckHorizontal);
  a->Position()->SetX(2.0);
  a->Position()->SetY(0.5);
  a->MouseCursors()->SetHorizontal(-7);
  b->SetKind(SL::ckBoth);
  b->Position()->SetX(4.0);
  b->Position()->SetY(-0.5);
  b->MouseCursors()->SetBoth(-22);
  b->MouseCursors()->SetVertical(-9);
  scope.RedrawBackBuffer();
  const QRect view = scope.DataViewRect();
  const int rowA = scope.CursorPixel(a, true, 0.5);
  EXPECT_EQ(scope.BackBuffer().pixelColor(view.left() + 10, rowA), a->Color());
  const int columnB = scope.CursorColumn(b, 4.0), rowB = scope.CursorPixel(b, true, -0.5);
  auto hover = [&](QPoint p) {
    QMouseEvent e(QEvent::MouseMove, QPointF(p), scope.mapToGlobal(QPointF(p)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(&scope, &e);
    return scope.cursor().shape();
  };
  EXPECT_EQ(hover(QPoint(view.left() + 10, rowA + 1)), Qt::SizeVerCursor);
  EXPECT_EQ(hover(QPoint(columnB, rowB)), Qt::SizeAllCursor);
  EXPECT_EQ(hover(QPoint(columnB + 1, view.top() + 5)), Qt::SizeHorCursor);

  // Cursor 0 by its horizontal line: Y follows the release row, X stays.
  const int target = view.top() + view.height() / 3;
  QTest::mousePress(&scope, Qt::LeftButton, Qt::NoModifier, QPoint(view.left() + 10, rowA));
  QTest::mouseMove(&scope, QPoint(view.left() + 12, target));
  QTest::mouseRelease(&scope, Qt::LeftButton, Qt::NoModifier, QPoint(view.left() + 12, target));
  ASSERT_EQ(changes, 1);
  EXPECT_EQ(lastIndex, 0);
  EXPECT_DOUBLE_EQ(lastNew.X, 2.0);
  EXPECT_NEAR(lastNew.Y, scope.CursorValueAt(a, target, true), 1e-12);
  EXPECT_EQ(scope.CursorPixel(a, true, a->Position()->Y()), target);
  EXPECT_NEAR(a->Position()->Y(), 1.0 / 3, 0.03);  // a third down from 1

  // Cursor 1 held where its lines cross: both move, one event.
  const QPoint to(view.left() + view.width() / 2, view.top() + view.height() * 3 / 4);
  QTest::mousePress(&scope, Qt::LeftButton, Qt::NoModifier, QPoint(columnB, rowB));
  QTest::mouseMove(&scope, to);
  QTest::mouseRelease(&scope, Qt::LeftButton, Qt::NoModifier, to);
  ASSERT_EQ(changes, 2);
  EXPECT_EQ(scope.CursorColumn(b, b->Position()->X()), to.x());
  EXPECT_EQ(scope.CursorPixel(b, true, b->Position()->Y()), to.y());

  // A reversed Y axis puts the line where the traces put that value.
  const int before = scope.CursorPixel(a, true, 0.5);
  scope.YAxis()->setProperty("Reversed", true);
  scope.RedrawBackBuffer();
  EXPECT_EQ(scope.CursorPixel(a, true, 0.5), scope.YAxis()->TickToScreen(scope.YAxis()->DataToTick(scope.YAxis()->ToData(0.5))));
  EXPECT_GT(scope.CursorPixel(a, true, 0.5), scope.DataViewRect().center().y());
  EXPECT_LT(before, scope.DataViewRect().center().y());
}

// A link of two horizontal cursors measures their Y difference on an
// upright line placed by X; a link dragged to the middle stores 0.
TEST_F(Cursors, LinksOfHorizontalCursorsAndLineDrags) {
  scope.YAxis()->AutoScaling()->SetEnabled(false);
  scope.YAxis()->Min()->SetValue(-1);
  scope.YAxis()->Max()->SetValue(1);
  TSLScopeMeasurementLine* line = scope.CursorLinks()->Link(0)->MeasurementLine();
  line->SetColor(QColor(0, 0, 255));
  line->SetStyle(Vcl::psSolid);
  scope.RedrawBackBuffer();  // the new Y labels change the layout
  const QRect view = scope.DataViewRect();
  int changed = 0;
  TSLRealPoint moved;
  QObject::connect(scope.CursorLinks(), &TSLDisplayCursorLinks::OnPositionChange,
                   [&](QObject*, int, TSLRealPoint&, TSLRealPoint& to) { ++changed, moved = to; });
  // Vertical cursors: the line dragged to the middle row reads 0.
  a->Position()->SetX(1.0);
  b->Position()->SetX(3.0);
  line->SetY(50);
  scope.RedrawBackBuffer();
  const int row = view.top() + int(std::lround(0.25 * (view.height() - 1)));
  const int middle = view.top() + (view.height() - 1) / 2;
  const int column = scope.CursorColumn(a, 2.0);
  QTest::mousePress(&scope, Qt::LeftButton, Qt::NoModifier, QPoint(column, row));
  QTest::mouseMove(&scope, QPoint(column, middle));
  QTest::mouseRelease(&scope, Qt::LeftButton, Qt::NoModifier, QPoint(column, middle));
  ASSERT_EQ(changed, 1);
  EXPECT_NEAR(moved.Y, 0.0, 200.0 / (view.height() - 1));  // within a row
  EXPECT_DOUBLE_EQ(line->Y(), moved.Y);
  // Clicks on the line as drawn move nothing, wherever it stands (the
  // experiment's line at -1).
  for (double y : {-1.0, 37.3, -100.0, 100.0}) {
    line->SetY(y);
    scope.RedrawBackBuffer();
    int drawn = -1;
    for (int r = view.top(); r <= view.bottom(); ++r)
      if (scope.BackBuffer().pixelColor(column, r) == QColor(0, 0, 255)) drawn = r;
    ASSERT_GE(drawn, 0) << y;
    for (int click = 0; click < 3; ++click) {
      QTest::mousePress(&scope, Qt::LeftButton, Qt::NoModifier, QPoint(column, drawn));
      QTest::mouseRelease(&scope, Qt::LeftButton, Qt::NoModifier, QPoint(column, drawn));
    }
    EXPECT_EQ(changed, 1) << y;
    EXPECT_DOUBLE_EQ(line->Y(), y);
  }

  a->SetKind(SL::ckHorizontal);
  b->SetKind(SL::ckHorizontal);
  a->Position()->SetY(0.5);
  b->Position()->SetY(-0.25);
  line->SetX(-50);  // a quarter from the left
  EXPECT_EQ(scope.LinkLabelText(0), scope.FormatAxisValue(scope.YAxis(), 0.75));
  scope.RedrawBackBuffer();
  const int upright = view.left() + int(std::lround(0.25 * (view.width() - 1)));
  EXPECT_EQ(scope.BackBuffer().pixelColor(upright, scope.CursorPixel(a, true, 0.0)), QColor(0, 0, 255));
  EXPECT_EQ(scope.HitCursorLink(QPoint(upright + 1, scope.CursorPixel(a, true, 0.0))), 0);
}

// New links take the least-joined pair; removing a cursor moves the ends
// that were on it and keeps the others on their cursors.
TEST_F(Cursors, LinkEndsFollowAddedLinksAndRemovedCursors) {
  auto* c = static_cast<TSLDisplayCursor*>(scope.Cursors()->Add());
  c->Position()->SetX(4.0);
  auto* second = static_cast<TSLDisplayCursorLink*>(scope.CursorLinks()->Add());
  auto* third = static_cast<TSLDisplayCursorLink*>(scope.CursorLinks()->Add());
  TSLDisplayCursorLink* first = scope.CursorLinks()->Link(0);
  EXPECT_EQ(std::pair(first->BeginCursorIndex(), first->EndCursorIndex()), std::pair(0, 1));
  EXPECT_EQ(std::pair(second->BeginCursorIndex(), second->EndCursorIndex()), std::pair(0, 2));
  EXPECT_EQ(std::pair(third->BeginCursorIndex(), third->EndCursorIndex()), std::pair(1, 2));
  // Remove cursor 1 (b) while it is being dragged.
  QTest::mousePress(&scope, Qt::LeftButton, Qt::NoModifier, QPoint(scope.CursorColumn(b, 0.0), Row()));
  scope.Cursors()->Delete(1);
  QTest::mouseRelease(&scope, Qt::LeftButton, Qt::NoModifier, QPoint(scope.DataViewRect().center().x(), Row()));
  EXPECT_EQ(changes, 0);
  // (0,1) → its end on b moves to the next cursor, c (now index 1).
  EXPECT_EQ(std::pair(first->BeginCursorIndex(), first->EndCursorIndex()), std::pair(0, 1));
  // (0,2) keeps c, now index 1.
  EXPECT_EQ(std::pair(second->BeginCursorIndex(), second->EndCursorIndex()), std::pair(0, 1));
  // (1,2): b's end has no next cursor but c, its other end; it takes a.
  EXPECT_EQ(std::pair(third->BeginCursorIndex(), third->EndCursorIndex()), std::pair(0, 1));
  EXPECT_EQ(scope.Cursors()->Cursor(1), c);
  // Removing a: the end on it has nowhere to go but the other end; unset.
  scope.Cursors()->Delete(0);
  EXPECT_EQ(first->BeginCursorIndex(), -1);
  EXPECT_EQ(first->EndCursorIndex(), 0);
}

// A cursor stands where the trace draws its X, on a logarithmic X axis and
// on an upright scope (time running down, the X line a row), and a drag
// there lands where it was released.
TEST(CursorAxes, CursorsUseTheAxisMappingOnLogarithmicAndUprightAxes) {
  TSLScope scope;
  TScopeFeed feed(scope);
  scope.XAxis()->DataView()->Lines()->SetVisible(false);
  scope.YAxis()->DataView()->Lines()->SetVisible(false);
  scope.XAxis()->DataView()->ZeroLine()->SetVisible(false);
  scope.YAxis()->DataView()->ZeroLine()->SetVisible(false);
  scope.DataView()->Border()->SetVisible(false);
  auto* c = static_cast<TSLDisplayCursor*>(scope.Cursors()->Add());
  c->SetColor(QColor(0, 0, 255));
  int changes = 0;
  QObject::connect(scope.Cursors(), &TSLDisplayCursors::OnPositionChange,
                   [&](QObject*, int, TSLRealPoint&, TSLRealPoint&) { ++changes; });
  scope.show();
  std::vector<double> pulse(40000, 0.0);
  pulse[8000] = 1.0;  // 1 s of 5
  feed.Send(0, pulse);
  c->Position()->SetX(1.0);
  // Where the trace's pulse and the cursor's line are in the picture.
  const auto find = [&](bool upright, int& pulseAt, int& lineAt) {
    const QRect view = scope.DataViewRect();
    pulseAt = lineAt = -1;
    // The pulse (cursor hidden) reaches furthest from the zero line.
    c->SetVisible(false);
    scope.RedrawBackBuffer();
    QImage image = scope.BackBuffer().copy();
    int far = 0;
    for (int x = view.left(); x <= view.right(); ++x)
      for (int y = view.top(); y <= view.bottom(); ++y) {
        const int distance = upright ? x - view.left() : view.bottom() - y;
        if (image.pixelColor(x, y) == QColor(Qt::red) && distance > far) {
          far = distance;
          pulseAt = upright ? y : x;
        }
      }
    // The cursor's line crosses the view near its edge, away from the trace.
    c->SetVisible(true);
    scope.RedrawBackBuffer();
    image = scope.BackBuffer().copy();
    for (int along = upright ? view.top() : view.left(); along <= (upright ? view.bottom() : view.right()); ++along)
      if (image.pixelColor(upright ? QPoint(view.left() + 5, along) : QPoint(along, view.top() + 5)) == QColor(0, 0, 255))
        lineAt = along;
  };
  for (bool upright : {false, true}) {
    scope.SetVertical(upright);
    scope.XAxis()->SetScaleMode(upright ? SL::smLinear : SL::smLogarithmic);
    c->Position()->SetX(1.0);
    feed.Publish();
    int pulseAt, lineAt;
    find(upright, pulseAt, lineAt);
    ASSERT_GE(pulseAt, 0) << upright;
    EXPECT_NEAR(lineAt, pulseAt, 1) << upright;
    // A click on the line moves nothing; a drag lands on the release.
    const QRect view = scope.DataViewRect();
    const auto point = [&](int along) { return upright ? QPoint(view.center().x(), along) : QPoint(along, view.center().y()); };
    QTest::mousePress(&scope, Qt::LeftButton, Qt::NoModifier, point(lineAt));
    QTest::mouseRelease(&scope, Qt::LeftButton, Qt::NoModifier, point(lineAt));
    EXPECT_EQ(changes, 0) << upright;
    const int target = lineAt + 40;
    QTest::mousePress(&scope, Qt::LeftButton, Qt::NoModifier, point(lineAt));
    SendMove(&scope, point(lineAt + 20), Qt::LeftButton);
    SendMove(&scope, point(target), Qt::LeftButton);
    QTest::mouseRelease(&scope, Qt::LeftButton, Qt::NoModifier, point(target));
    EXPECT_EQ(changes, 1) << upright;
    EXPECT_GT(c->Position()->X(), 1.0) << upright;
    find(upright, pulseAt, lineAt);
    EXPECT_EQ(lineAt, target) << upright;
    changes = 0;
  }
}

}  // namespace
