// Cursor lines and a drag's dotted lines written straight into the pixels:
// the same pixels QPainter::drawLine strokes with the same pen, for every
// short length and long ones, in both directions along rows and columns,
// through a clip of several rectangles, and drawn by drawLine where they
// cannot be written.

#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include "scope/paint/dot_line.h"

#include <gtest/gtest.h>

namespace {

QImage Blank() {
  QImage image(QSize(900, 700), QImage::Format_RGB32);
  image.fill(QColor(20, 30, 40));
  return image;
}

QPen Dotted(const QColor& color, Qt::PenStyle style) {
  QPen pen(color);
  pen.setCosmetic(true);
  pen.setStyle(style);
  return pen;
}

// Draws each line on a pair of images, by drawLine and by the dot line,
// the painter clipped at the image and the paint exposing `exposed` (all of
// the image when empty), as a widget's paint of an update region, and
// compares them. Unless `clipped`, the painter has no clip of its own (an
// axis's track mark).
void ExpectSamePixels(const QPen& pen, const QRegion& exposed, const QList<QPair<QPoint, QPoint>>& lines,
                      bool clipped = true) {
  TSLDotLine dots;  // one for all lines: its dots are found once per pen
  QImage theirs = Blank(), mine = Blank();
  theirs.paintEngine()->setSystemClip(exposed);
  mine.paintEngine()->setSystemClip(exposed);
  for (const auto& [a, b] : lines) {
    {
      QPainter p(&theirs);
      if (clipped) p.setClipRect(theirs.rect());
      p.setPen(pen);
      p.drawLine(a, b);
    }
    {
      QPainter p(&mine);
      if (clipped) p.setClipRect(mine.rect());
      p.setPen(pen);
      dots.Draw(&p, a, b, clipped ? mine.rect() : QRect());
    }
    ASSERT_EQ(mine, theirs) << a.x() << "," << a.y() << " - " << b.x() << "," << b.y();
  }
}

TEST(DotLine, WritesTheDotsTheStrokerPuts) {
  // Every length over a few patterns, then lengths up to a view's size,
  // from two starting points (the dots follow the start), rightwards,
  // leftwards, downwards and upwards.
  QList<QPair<QPoint, QPoint>> lines;
  for (int n = 1; n <= 640; n += n < 60 ? 1 : 13)
    for (const QPoint start : {QPoint(120, 33), QPoint(161, 60)}) {
      lines.append({start, start + QPoint(n, 0)});
      lines.append({start + QPoint(n, 1), start + QPoint(0, 1)});
      if (n <= 600) {
        lines.append({start + QPoint(2, 0), start + QPoint(2, n)});
        lines.append({start + QPoint(3, n), start + QPoint(3, 0)});
      }
    }
  for (const Qt::PenStyle style : {Qt::DotLine, Qt::DashLine, Qt::DashDotLine, Qt::SolidLine})
    ExpectSamePixels(Dotted(QColor(255, 255, 0), style), QRegion(), lines);
  // The canvas's 1-pixel pen: flat ends leave the end pixel out.
  QPen flat = Dotted(QColor(255, 255, 0), Qt::SolidLine);
  flat.setCapStyle(Qt::FlatCap);
  ExpectSamePixels(flat, QRegion(), lines);
  // Clipped in two: its dots stay where the stroker puts them.
  ExpectSamePixels(Dotted(QColor(255, 255, 0), Qt::DotLine), QRegion(0, 0, 400, 700) + QRegion(500, 0, 400, 700), lines);
}

TEST(DotLine, KeepsToTheClipAndLeavesWhatItCannotWriteToDrawLine) {
  // A drag's update region: strips and rows of several rectangles.
  QRegion clip;
  clip += QRect(300, 0, 5, 690);
  clip += QRect(50, 120, 700, 5);
  clip += QRect(400, 300, 60, 20);
  const QList<QPair<QPoint, QPoint>> inside{{QPoint(302, 3), QPoint(302, 680)},
                                            {QPoint(302, 680), QPoint(302, 3)},
                                            {QPoint(60, 122), QPoint(700, 122)},
                                            {QPoint(700, 122), QPoint(60, 122)},
                                            // from edge to edge of the clip's bounds
                                            {QPoint(302, 0), QPoint(302, 689)},
                                            {QPoint(302, 689), QPoint(302, 0)},
                                            {QPoint(50, 123), QPoint(749, 123)},
                                            {QPoint(749, 124), QPoint(50, 124)},
                                            // beyond them: cut by the stroker
                                            {QPoint(302, -40), QPoint(302, 695)},
                                            {QPoint(303, 690), QPoint(303, 5)},
                                            {QPoint(10, 122), QPoint(800, 122)},
                                            {QPoint(750, 121), QPoint(49, 121)},
                                            // slanted
                                            {QPoint(60, 100), QPoint(700, 140)}};
  ExpectSamePixels(Dotted(QColor(0, 200, 255), Qt::DotLine), clip, inside);
  ExpectSamePixels(Dotted(QColor(0, 200, 255), Qt::SolidLine), clip, inside);
  ExpectSamePixels(Dotted(QColor(0, 200, 255, 128), Qt::DotLine), clip, inside);
  // The canvas's 1-pixel pen (flat ends: the end pixel left out) on a
  // painter without a clip of its own.
  QPen flat = Dotted(QColor(0, 200, 255), Qt::SolidLine);
  flat.setCapStyle(Qt::FlatCap);
  ExpectSamePixels(flat, clip, inside, false);
  ExpectSamePixels(flat, QRegion(), inside, false);
  QPen wide = Dotted(Qt::white, Qt::DotLine);
  wide.setCosmetic(false);
  wide.setWidth(3);
  ExpectSamePixels(wide, clip, inside);
  // Pens by turns (a cursor's line and a drag's preview): each its own dots.
  TSLDotLine dots;
  QImage theirs = Blank(), mine = Blank();
  int x = 40;
  for (const QPen& pen : {Dotted(Qt::red, Qt::DotLine), Dotted(Qt::green, Qt::SolidLine), Dotted(Qt::red, Qt::DotLine),
                          Dotted(Qt::blue, Qt::DashLine), Dotted(Qt::green, Qt::SolidLine)}) {
    QPainter t(&theirs), m(&mine);
    t.setClipRect(theirs.rect());
    m.setClipRect(mine.rect());
    t.setPen(pen);
    m.setPen(pen);
    t.drawLine(x, 40, x, 400);
    dots.Draw(&m, QPoint(x, 40), QPoint(x, 400), mine.rect());
    x += 3;
  }
  EXPECT_EQ(mine, theirs);
}

}  // namespace
