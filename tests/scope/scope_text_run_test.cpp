// The pointer's labels laid out once: measured as QFontMetrics measures and
// drawn as QPainter::drawText draws, pixel for pixel, for the texts the
// labels show, in boxes they fit, overflow (cut at the box) and centre in,
// at one and two device pixels per pixel, left to right and in the
// direction the text gives.

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "scope/paint/text_run.h"

#include <gtest/gtest.h>

namespace {

QImage Blank(qreal dpr) {
  QImage image(QSize(220, 40) * dpr, QImage::Format_RGB32);
  image.setDevicePixelRatio(dpr);
  image.fill(QColor(20, 30, 40));
  return image;
}

TEST(TextRun, MeasuresAndDrawsAsDrawText) {
  const QStringList texts{QStringLiteral("0.0123 : -0.4567"), QStringLiteral("-1.25 ms"), QStringLiteral("7"),
                          QStringLiteral("12 345.5 : 1e-07"), QStringLiteral("Wj AV fi 0.5")};
  QFont bold(QStringLiteral("DejaVu Sans"), 9);
  bold.setBold(true);
  const QList<QFont> fonts{QFont(QStringLiteral("DejaVu Sans"), 8), bold, QFont(QStringLiteral("DejaVu Serif"), 11)};
  int drawn = 0;
  // A number in a font without kerning among digits and signs (DejaVu Sans)
  // is placed from its characters' glyphs, in the control's left-to-right
  // direction; other texts and fonts are laid out whole.
  for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::LayoutDirectionAuto})
    for (const qreal dpr : {1.0, 2.0})
      for (const QFont& font : fonts)
        for (const QString& text : texts) {
          QImage mine = Blank(dpr), theirs = Blank(dpr);
          TSLTextRun run;
          run.Set(text, font, &mine, direction);
          const QFontMetrics metrics(font, &mine);
          ASSERT_EQ(run.Advance(), metrics.horizontalAdvance(text)) << text.toStdString();
          const QSize size(run.Advance(), metrics.height());
          // Exactly fitting, centred in a wider and taller box, cut by a
          // narrower one, left-top in a box with a margin.
          const std::vector<std::pair<QRect, int>> boxes{
              {QRect(QPoint(5, 3), size), Qt::AlignCenter},
              {QRect(QPoint(5, 2), size + QSize(13, 5)), Qt::AlignCenter},
              {QRect(QPoint(9, 4), size - QSize(std::min(6, size.width() - 1), 3)), Qt::AlignCenter},
              {QRect(QPoint(3, 5), size + QSize(2, 1)), Qt::AlignLeft | Qt::AlignTop}};
          for (const auto& [box, flags] : boxes) {
            mine = Blank(dpr);
            theirs = Blank(dpr);
            for (QImage* image : {&mine, &theirs}) {
              QPainter painter(image);
              painter.setLayoutDirection(direction);
              painter.setFont(font);
              painter.setPen(QColor(250, 240, 120));
              if (image == &mine) {
                run.Set(text, font, image, painter.layoutDirection());
                run.Draw(&painter, box, flags);
              } else {
                painter.drawText(box, flags, text);
              }
            }
            EXPECT_TRUE(mine == theirs) << text.toStdString() << " in " << font.family().toStdString() << " at ratio "
                                        << dpr << ", box " << box.width() << " x " << box.height();
            drawn += mine != Blank(dpr);
          }
        }
  // The comparison saw text, not two blank pictures.
  EXPECT_EQ(drawn, 2 * 2 * 3 * 5 * 4);
  // One run on one picture through changing fonts (the label's font set
  // anew between two moves): each number is placed with its own font's
  // glyphs.
  TSLTextRun run;
  QImage picture = Blank(1);
  const QList<QFont> turns{fonts[0], fonts[1], fonts[0], fonts[2], fonts[1]};
  for (int i = 0; i < turns.size(); ++i) {
    const QString text = QStringLiteral("-%1.25").arg(i * 37 + 10);
    QImage drawnByRun;
    for (const bool byRun : {true, false}) {
      picture.fill(QColor(20, 30, 40));
      QPainter painter(&picture);
      painter.setLayoutDirection(Qt::LeftToRight);
      painter.setFont(turns[i]);
      painter.setPen(Qt::white);
      if (byRun) {
        run.Set(text, turns[i], &picture, Qt::LeftToRight);
        run.Draw(&painter, picture.rect(), Qt::AlignCenter);
      } else {
        painter.drawText(picture.rect(), Qt::AlignCenter, text);
      }
      painter.end();
      if (byRun) drawnByRun = picture.copy();
    }
    EXPECT_TRUE(drawnByRun == picture) << text.toStdString() << " after a change of font";
  }
  // A text with a line break is drawn by drawText itself, on two lines.
  QImage mine = Blank(1), theirs = Blank(1);
  const QString twoLines = QStringLiteral("1.5\n2.5");
  for (QImage* image : {&mine, &theirs}) {
    QPainter painter(image);
    painter.setPen(Qt::white);
    TSLTextRun run;
    run.Set(twoLines, painter.font(), image, Qt::LeftToRight);
    if (image == &mine) run.Draw(&painter, image->rect(), Qt::AlignLeft | Qt::AlignTop);
    else painter.drawText(image->rect(), Qt::AlignLeft | Qt::AlignTop, twoLines);
  }
  EXPECT_TRUE(mine == theirs);
}

}  // namespace
