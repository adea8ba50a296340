#include "app/run/run_folder_report.h"

#include "app/run/run_report.h"
#include "app/run/run_words.h"

std::string WriteRunFolderReport(const QString& pdfPath, const TRun& run, const QImage& map, const QImage& scopeAB,
                                 const QImage& scopeAC) {
  TRunReportInput in;
  in.state = run.state;
  in.answer = run.answer;
  for (int k = 0; k < kRunTimeCount; ++k) in.how[k] = run.how[k];
  in.map = map;
  in.scopeAB = scopeAB;
  in.scopeAC = scopeAC;
  in.hasStrike = run.hasStrike;
  in.strikeX = run.strikeX;
  in.strikeY = run.strikeY;
  in.version = QString::fromStdString(run.version);
  in.date = QString::fromStdString(run.date);
  QString error;
  if (WriteRunReport(pdfPath, in, &error)) return {};
  return Said(error.isEmpty() ? RunWords::tr("Unable to write to %1").arg(pdfPath) : error);
}
