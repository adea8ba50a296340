#pragma once
// The printable report of one run: a single A4 page that a student can hand
// in, with the map and its marks, both scopes' pictures and a table of the
// settings, times and result. Written with Qt's own PDF writer.

#include <QImage>
#include <QString>

#include "app/experiment/epicenter_solver.h"
#include "app/experiment/experiment_state.h"

struct TRunReportInput {
  TExperimentState state;   // settings, times, increments, circles, epicenter of the run
  QImage map;               // the map picture as loaded (may be null)
  QImage scopeAB, scopeAC;  // each scope's picture with its cursors (null when that pair was not recorded)
  bool solved = false;      // epicenter known
  bool hasOther = false; double otherX = 0, otherY = 0;   // the other fitting point, mm
  TUncertainty uncertainty; // from EpicenterUncertainty; radius infinite when unknown
  bool hasStrike = false; double strikeX = 0, strikeY = 0; // struck point with the simulated sensors
  QString timesHow[4];      // "detected" / "dragged" for A_AB, B, A_AC, C
  QString version, date;
};

// False with `error` set (when given) if the file cannot be written.
bool WriteRunReport(const QString& pdfPath, const TRunReportInput& in, QString* error);
