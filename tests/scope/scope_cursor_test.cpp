// Cursors under a real pointer (QTest events on the widget): a drag reports
// the time of the release column once, code writes report nothing, the
// topmost cursor wins, and the cursor link's measurement line and label.

#include <QTest>

#include <cmath>

#include "scope/scope.h"

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
  const int row = view.top() + int(std::lround((200 - (line->Y() + 100)) / 200 * view.height()));
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

TEST_F(Cursors, CursorOutsideTheViewIsPinnedToTheEdge) {
  a->Position()->SetX(3.0);
  scope.XAxis()->SetZoomed(0.0, 1.0);
  scope.RedrawBackBuffer();
  const QImage image = scope.BackBuffer().copy();
  const QRect view = scope.DataViewRect();
  int red = 0;
  for (int y = view.top(); y <= view.bottom(); ++y) red += image.pixelColor(view.right(), y) == QColor(Qt::red);
  EXPECT_GT(red, 0);
  EXPECT_LT(red, view.height() - 1);  // dotted
}

}  // namespace
