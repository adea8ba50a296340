// The canvas over a painter, checked by the pixels it leaves in a bitmap.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "draw/basic_bitmap.h"
#include "draw/canvas.h"

namespace {

const QColor kInk(255, 0, 0);

// A black 32-bit bitmap whose canvas draws in red, 1 pixel, clear brush.
struct TSheet {
  TVLBasicBitmap bmp{40, 40, 32};
  TLPCanvas& c = bmp.Canvas();
  TSheet() {
    c.Pen().SetColor(kInk);
    c.Brush().SetStyle(Qt::NoBrush);
  }
  bool Inked(int x, int y) { return bmp.Image().pixelColor(x, y) != QColor(Qt::black); }
  QRect InkBounds() {
    QRect r;
    const QImage& img = bmp.Image();
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if (img.pixelColor(x, y) != QColor(Qt::black)) r |= QRect(x, y, 1, 1);
    return r;
  }
};

}  // namespace

TEST(Canvas, LinesStopBeforeTheirEndAndShapesStayInsideTheirCorners) {
  TSheet s;
  s.c.MoveTo(2, 5);
  s.c.LineTo(10, 5);
  s.c.LineTo(10, 12);  // continues from the end of the first line
  EXPECT_EQ(s.c.PenPos(), QPoint(10, 12));
  for (int x = 2; x < 10; ++x) EXPECT_TRUE(s.Inked(x, 5)) << x;
  EXPECT_FALSE(s.Inked(1, 5));
  for (int y = 5; y < 12; ++y) EXPECT_TRUE(s.Inked(10, y)) << y;
  EXPECT_FALSE(s.Inked(10, 12));
  EXPECT_EQ(s.InkBounds(), QRect(QPoint(2, 5), QPoint(10, 11)));

  TSheet d;
  d.c.MoveTo(0, 0);
  d.c.LineTo(6, 6);
  for (int i = 0; i < 6; ++i) EXPECT_TRUE(d.Inked(i, i)) << i;
  EXPECT_EQ(d.InkBounds(), QRect(0, 0, 6, 6));

  TSheet r;
  r.c.Rectangle(3, 4, 9, 8);  // x 3..8, y 4..7
  EXPECT_EQ(r.InkBounds(), QRect(QPoint(3, 4), QPoint(8, 7)));
  EXPECT_FALSE(r.Inked(5, 6));  // clear brush: hollow
  r.c.Brush().SetStyle(Qt::SolidPattern);
  r.c.Brush().SetColor(Qt::blue);
  r.c.Ellipse(20, 20, 31, 27);
  EXPECT_EQ(r.InkBounds().united(QRect(3, 4, 6, 4)), QRect(QPoint(3, 4), QPoint(30, 26)));
  EXPECT_EQ(r.bmp.Image().pixelColor(25, 23), QColor(Qt::blue));
  r.c.SetPixel(39, 39, Qt::green);
  EXPECT_EQ(r.bmp.Image().pixelColor(39, 39), QColor(Qt::green));
}

TEST(Canvas, PenStylesOutsideTheKnownCodesDrawSolid) {
  for (int code : {2, 7, -1}) {
    SCOPED_TRACE(code);
    TSheet s;
    s.c.SetPenStyle(code);
    EXPECT_EQ(s.c.PenStyle(), code == 2 ? 2 : 0);
    s.c.MoveTo(0, 3);
    s.c.LineTo(30, 3);
    int inked = 0;
    for (int x = 0; x < 30; ++x) inked += s.Inked(x, 3);
    if (code == 2)
      EXPECT_LT(inked, 20);  // dotted: gaps
    else
      EXPECT_EQ(inked, 30);
  }
}

TEST(Canvas, FontAngleTurnsTextAboutItsTopLeft) {
  TSheet flat;
  flat.c.SetFontColor(Qt::white);
  flat.c.Font().SetSize(10);
  flat.c.TextOut(4, 8, "WWWW");
  const QRect a = flat.InkBounds();
  ASSERT_FALSE(a.isEmpty());
  EXPECT_GT(a.width(), a.height());
  EXPECT_GE(a.left(), 4);
  EXPECT_GE(a.top(), 8);

  TSheet up;
  up.c.SetFontColor(Qt::white);
  up.c.Font().SetSize(10);
  up.c.SetFontAngle(90);
  EXPECT_EQ(up.c.FontEscapement(), 900);
  up.c.TextOut(4, 36, "WWWW");
  const QRect b = up.InkBounds();
  ASSERT_FALSE(b.isEmpty());
  // Reading upward from (4, 36): the run of letters goes up, the glyphs'
  // height lies to the right.
  EXPECT_GT(b.height(), b.width());
  EXPECT_LE(b.bottom(), 36);
  EXPECT_GE(b.left(), 4);
  EXPECT_NEAR(b.height(), a.width(), 2);
}

TEST(Canvas, SaveRestoresPenAndBrushAndClippingCanBeNarrowedAndRemoved) {
  TSheet s;
  s.c.Pen().SetWidth(1);
  s.c.Brush().SetStyle(Qt::SolidPattern);
  s.c.Brush().SetColor(Qt::blue);
  {
    TLPCanvasSave save(s.c);
    s.c.Pen().SetColor(Qt::green);
    s.c.SetPenStyle(1);
    s.c.SetPenWidth(4);
    s.c.Brush().SetStyle(Qt::NoBrush);
    s.c.Brush().SetColor(Qt::yellow);
  }
  EXPECT_EQ(s.c.Pen().Color(), kInk);
  EXPECT_EQ(s.c.PenStyle(), 0);
  EXPECT_EQ(s.c.PenWidth(), 1);
  EXPECT_EQ(s.c.Brush().Style(), Qt::SolidPattern);
  EXPECT_EQ(s.c.Brush().Color(), QColor(Qt::blue));

  // The restored brush fills; the excluded strips stay untouched, also after
  // reading the picture closed and reopened the painter, until the clip is
  // removed.
  s.c.ExcludeClipRect(QRect(0, 0, 40, 10));
  s.c.FillRect(QRect(0, 0, 40, 20));
  EXPECT_FALSE(s.Inked(5, 9));
  EXPECT_EQ(s.bmp.Image().pixelColor(5, 10), QColor(Qt::blue));
  s.c.ExcludeClipRect(QRect(0, 30, 40, 10));
  s.c.FillRect(QRect(0, 0, 40, 40));
  EXPECT_FALSE(s.Inked(5, 9));
  EXPECT_FALSE(s.Inked(20, 35));
  EXPECT_EQ(s.bmp.Image().pixelColor(20, 25), QColor(Qt::blue));
  s.c.SelectClipRegion(QRegion(0, 0, 5, 5));
  s.c.SetPixel(20, 35, Qt::white);
  s.c.SetPixel(2, 2, Qt::white);
  EXPECT_FALSE(s.Inked(20, 35));
  EXPECT_EQ(s.bmp.Image().pixelColor(2, 2), QColor(Qt::white));
  s.c.RemoveClip();
  s.c.FillRect(QRect(0, 0, 40, 40));
  EXPECT_EQ(s.bmp.Image().pixelColor(5, 9), QColor(Qt::blue));

  // A focus rectangle inverts: drawing it twice leaves the picture as it was.
  const QImage before = s.bmp.Image().copy();
  s.c.DrawFocusRect(QRect(2, 2, 20, 20));
  EXPECT_NE(s.bmp.Image(), before);
  s.c.DrawFocusRect(QRect(2, 2, 20, 20));
  EXPECT_EQ(s.bmp.Image(), before);

  {
    TLPCanvasAntialias smooth(s.c);
    EXPECT_TRUE(s.c.Painter()->testRenderHint(QPainter::Antialiasing));
  }
  EXPECT_FALSE(s.c.Painter()->testRenderHint(QPainter::Antialiasing));
}
