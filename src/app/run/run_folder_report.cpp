#include "app/run/run_folder_report.h"

#include "app/experiment/epicenter_solver.h"
#include "app/run/run_report.h"

std::string WriteRunFolderReport(const QString& pdfPath, const TRun& run, const QImage& map, const QImage& scopeAB,
                                 const QImage& scopeAC) {
  TRunReportInput in;
  in.state = run.state;
  in.map = map;
  in.scopeAB = scopeAB;
  in.scopeAC = scopeAC;
  in.solved = run.solved;
  in.hasOther = run.hasOther;
  in.otherX = run.otherX;
  in.otherY = run.otherY;
  // The outline as well as its size: worked out again from the run.
  if (run.solved && run.state.acquisitionRate > 0)
    in.uncertainty = EpicenterUncertainty(run.state, run.state.epicenterX, run.state.epicenterY,
                                          1.0 / run.state.acquisitionRate);
  in.hasStrike = run.hasStrike;
  in.strikeX = run.strikeX;
  in.strikeY = run.strikeY;
  for (int k = 0; k < kRunTimeCount; ++k) in.timesHow[k] = QString::fromLatin1(TimeHowName(run.how[k]));
  in.version = QString::fromStdString(run.version);
  in.date = QString::fromStdString(run.date);
  QString error;
  if (WriteRunReport(pdfPath, in, &error)) return {};
  return error.isEmpty() ? "Unable to write to " + pdfPath.toStdString() : error.toStdString();
}
