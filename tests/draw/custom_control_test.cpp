// The control base: mouse enter and leave without the toolkit's leave
// notice, and input forwarded to draw layers.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include "draw/custom_control.h"

#include <gtest/gtest.h>

namespace {

// The pointer position is whatever the test says.
class TTestControl : public TLPCustomControl {
public:
  QPoint cursor{-10000, -10000};

protected:
  QPoint CurrentCursorPosition() const override { return cursor; }
};

class TTestLayer : public TLPControlDrawLayer {
public:
  int wheels = 0, moves = 0;

protected:
  void LayerMouseWheel(bool, Qt::KeyboardModifiers, const QPoint&) override { ++wheels; }
  void LayerMouseMove(Qt::KeyboardModifiers, const QPoint&) override { ++moves; }
};

void Move(QWidget* w, QPoint p, Qt::MouseButtons held = Qt::NoButton) {
  QMouseEvent e(QEvent::MouseMove, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::NoButton, held, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

bool WaitFor(const std::function<bool()>& condition, int ms = 5000) {
  QElapsedTimer t;
  t.start();
  while (!condition() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  return condition();
}

TEST(CustomControl, EnterOnceThenLeaveSeenByTheWatchTimer) {
  TTestControl control;
  control.resize(100, 50);
  int enters = 0, leaves = 0;
  QObject::connect(&control, &TLPCustomControl::OnMouseEnter, [&](QObject* s) {
    EXPECT_EQ(s, &control);
    ++enters;
  });
  QObject::connect(&control, &TLPCustomControl::OnMouseLeave, [&](QObject*) { ++leaves; });
  EXPECT_EQ(control.StoredMousePosition(), TLPCustomControl::kNoMousePosition);

  control.cursor = {10, 10};
  Move(&control, {10, 10});
  Move(&control, {20, 15});
  Move(&control, {30, 20});
  EXPECT_EQ(enters, 1);
  EXPECT_TRUE(control.MouseInside());
  EXPECT_TRUE(control.IsWatchingMouse());
  EXPECT_EQ(control.StoredMousePosition(), QPoint(30, 20));
  // Still inside: ticks of the watch timer report nothing.
  control.cursor = {99, 49};
  EXPECT_FALSE(WaitFor([&] { return leaves > 0; }, 350));

  // The pointer went away and no leave notice came: the timer finds out.
  control.cursor = {100, 20};
  ASSERT_TRUE(WaitFor([&] { return leaves > 0; }));
  EXPECT_EQ(leaves, 1);
  EXPECT_FALSE(control.MouseInside());
  EXPECT_FALSE(control.IsWatchingMouse());
  // Coming back is a new enter.
  control.cursor = {5, 5};
  Move(&control, {5, 5});
  EXPECT_EQ(enters, 2);

  // A drag that goes on outside: the held button keeps the moves coming,
  // but the pointer is not over the control, so none of them enters again.
  control.cursor = {130, 70};
  Move(&control, {130, 70}, Qt::LeftButton);
  ASSERT_TRUE(WaitFor([&] { return leaves == 2; }));
  for (int i = 0; i < 5; ++i) {
    control.cursor = {140 + i, -20 - i};
    Move(&control, control.cursor, Qt::LeftButton);
  }
  EXPECT_EQ(enters, 2);
  EXPECT_FALSE(control.MouseInside());
  EXPECT_FALSE(control.IsWatchingMouse());
  EXPECT_EQ(control.StoredMousePosition(), QPoint(144, -24));  // still followed
  // Back over the control, still dragging: one enter.
  control.cursor = {50, 25};
  Move(&control, {50, 25}, Qt::LeftButton);
  EXPECT_EQ(enters, 3);
  EXPECT_EQ(leaves, 2);
}

TEST(CustomControl, LayerTakesWheelOnlyStrictlyInsideAndOnlyWhileVisibleAndEnabled) {
  TTestLayer layer;
  layer.resize(40, 30);
  layer.show();
  EXPECT_FALSE(layer.ForwardMouseWheel(true, Qt::NoModifier, {0, 10}));
  EXPECT_FALSE(layer.ForwardMouseWheel(true, Qt::NoModifier, {39, 10}));
  EXPECT_FALSE(layer.ForwardMouseWheel(true, Qt::NoModifier, {10, 29}));
  EXPECT_FALSE(layer.ForwardMouseWheel(true, Qt::NoModifier, {-1, 10}));
  EXPECT_EQ(layer.wheels, 0);
  EXPECT_TRUE(layer.ForwardMouseWheel(false, Qt::NoModifier, {1, 1}));
  EXPECT_EQ(layer.wheels, 1);
  // Moves are passed unchanged, also on the border.
  layer.ForwardMouseMove(Qt::NoModifier, {0, 0});
  EXPECT_EQ(layer.moves, 1);
  layer.SetEnabled(false);
  layer.ForwardMouseMove(Qt::NoModifier, {5, 5});
  EXPECT_FALSE(layer.ForwardMouseWheel(false, Qt::NoModifier, {5, 5}));
  EXPECT_EQ(layer.moves, 1);
  EXPECT_EQ(layer.wheels, 1);
}

TEST(CustomControl, KeyedMapReplacesDeletesAndOwnsItsObjects) {
  TTestLayer layer;
  QPointer<QObject> a = new QObject, b = new QObject;
  layer.SetObjectForKey(QStringLiteral("k"), a);
  EXPECT_EQ(layer.ObjectForKey(QStringLiteral("k")), a.data());
  layer.SetObjectForKey(QStringLiteral("k"), b);  // replaced: the old object goes
  EXPECT_TRUE(a.isNull());
  EXPECT_EQ(layer.ObjectForKey(QStringLiteral("k")), b.data());
  layer.SetObjectForKey(QStringLiteral("k"), nullptr);
  EXPECT_TRUE(b.isNull());
  EXPECT_EQ(layer.ObjectForKey(QStringLiteral("k")), nullptr);
}

}  // namespace
