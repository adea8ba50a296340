#pragma once
// The class's results as the teacher keeps and projects them: the map of
// every group's epicenter, class.csv and class-report.pdf. The window, the
// --class command and the benchmark all draw the map here.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "app/run/class_results.h"

// The colour of group `index`: neighbours in the list differ most, and 30
// stay apart.
QColor ClassGroupColour(int index);

// The map in `box` (map millimetres stretched over it, as the window shows
// the map): the picture (grey when null), each group's region outline and
// its epicenter numbered as in the table (number = index + 1), the struck
// point and the class's mean with its one-standard-deviation ellipse.
void DrawClassMap(QPainter& p, const QRectF& box, const TClassResults& results, const QImage& map);

// A text of a group's row, the same in the table, the CSV and the page.
QString ClassEpicenterText(const TClassGroup& group, int coordinate);  // 0: x, 1: y; "" when none
QString ClassDistanceText(const TClassGroup& group);
QString ClassUncertaintyText(const TClassGroup& group);
QString ClassInsideText(const TClassGroup& group);  // "yes", "no", "" when not known
QString ClassNoteText(const TClassGroup& group);    // the problem, or the reasons of a mark

// The map picture the groups' runs name (beside a run.ini, or as named);
// null when none can be read.
QImage ClassMapPicture(const TClassResults& results);

// class.csv: a header, then one line a group. Whole or nothing; false with
// `error` set when it cannot be written.
bool WriteClassCsv(const QString& path, const TClassResults& results, QString* error);

// class-report.pdf: one A4 page with the map, the table and the figures.
// Whole or nothing.
bool WriteClassReport(const QString& path, const TClassResults& results, const QImage& map, QString* error);
