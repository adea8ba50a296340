#pragma once
// The printable report of one run: a single A4 page that a student can hand
// in, with the map and its marks, both scopes' pictures and a table of the
// settings, times and result. Written with Qt's own PDF writer.

#include <QFont>
#include <QImage>
#include <QString>

#include "app/experiment/arrival_times.h"
#include "app/experiment/epicenter_answer.h"
#include "app/experiment/experiment_state.h"

struct TRunReportInput {
  TExperimentState state;   // settings, times, increments and circles of the run
  TEpicenterAnswer answer;  // the run's answer; answer.ran false when it was not solved
  TTimeHow how[kRunTimeCount] = {};  // how each time was found; NotSet: no time
  QImage map;               // the map picture as loaded (may be null)
  QImage scopeAB, scopeAC;  // each scope's picture with its cursors (null when that pair was not recorded)
  bool hasStrike = false; double strikeX = 0, strikeY = 0; // struck point with the simulated sensors
  QString version, date;
};

// The report's type at `points`: the pages of the program use one face.
QFont ReportFont(double points, bool bold = false);

// The whole file or nothing: false with `error` set (when given) if the
// file cannot be written, and then no file of that name is left behind.
bool WriteRunReport(const QString& pdfPath, const TRunReportInput& in, QString* error);
