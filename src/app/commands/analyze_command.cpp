#include "app/commands/analyze_command.h"

#include "app/windows/acquisition_form.h"
#include "app/commands/answer_lines.h"
#include "app/experiment/numbers.h"
#include "app/windows/main_form.h"
#include "app/run/run_folder.h"
#include "app/run/run_folder_report.h"
#include "app/experiment/settings_file.h"
#include "app/commands/startup.h"
#include "app/windows/windows.h"
#include "draw/message_service.h"
#include "forms/controls/picture.h"

#include <QApplication>
#include <filesystem>

namespace {

const char* const kUsageLine =
    "usage: tremora --analyze RUNDIR [--report FILE.pdf]   (a folder saved by \"Save Run\", or made by hand:\n"
    "       pair-AB.wav, pair-AC.wav and a run.ini with at least the stations and the velocity)\n";

// The map picture the run names: beside run.ini when it is there, else as
// named (relative to the working directory); null when it cannot be read.
QImage RunMap(const std::filesystem::path& folder, const std::string& name, std::ostream& err) {
  if (name.empty()) return QImage();
  const std::filesystem::path named(name);
  std::error_code ec;
  const std::filesystem::path beside = folder / named.filename();
  const std::filesystem::path file = std::filesystem::is_regular_file(beside, ec) ? beside : named;
  try {
    TPicture picture;
    picture.LoadFromFile(QString::fromStdString(file.string()));
    return picture.ToImage();
  } catch (const std::exception& e) {
    err << "tremora: the report has no map: " << e.what() << "\n";
    return QImage();
  }
}

// report.pdf of the analysed run, with the scopes as the acquisition
// window shows the run (its windows run offscreen, as for --simulate).
int WriteReport(int argc, char** argv, const std::filesystem::path& folder, TRun run, const std::string& pdf,
                std::ostream& err) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tremora"));
  QApplication::setQuitOnLastWindowClosed(false);
  // The working directory's settings and map picture are not the run's:
  // what their loading says is no news here.
  const TMessageSink previous = SetMessageSink([](const QString&) {});
  std::string error;
  try {
    CreateWindows();
    SetMessageSink([&](const QString& text) { err << "tremora: " << text.toStdString() << "\n"; });
    Form3->ShowRun(run);
    run.version = kVersion;
    error = WriteRunFolderReport(QString::fromLocal8Bit(pdf.c_str()), run, RunMap(folder, run.state.imageFileName, err),
                                 Form3->ScopePicture(0, run), Form3->ScopePicture(1, run));
  } catch (const std::exception& e) {
    error = e.what();
  }
  DestroyWindows();
  SetMessageSink(previous);
  if (error.empty()) return 0;
  err << "tremora: " << error << "\n";
  return 1;
}

}  // namespace

int RunAnalyzeCommand(int argc, char** argv, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const bool withReport = args.size() == 3 && args[1] == "--report" && !args[2].empty();
  if ((args.size() != 1 && !withReport) || args[0].empty()) {
    err << kUsageLine;
    return 2;
  }
  const std::filesystem::path folder = args[0];
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) {
    err << "tremora: " << folder.string() << ": no such folder\n";
    return 2;
  }
  TExperimentState defaults;
  SetDefaultSettings(defaults, folder);
  TRun run;
  for (const std::string& problem : LoadRunFolder(folder, defaults, run)) err << "tremora: " << problem << "\n";
  if (!run.hasStations) {
    err << "tremora: " << (folder / kRunIniName).string() << " must give the stations and the pulse velocity\n";
    return 1;
  }
  // As "Open Run" shows it: saved times stay as they are, the others are
  // found in their pair's block.
  for (int k = 0; k < kRunTimeCount; ++k) {
    double time = 0;
    if (run.TimeSet(k)) {
      if (run.how[k] == TTimeHow::Detected && !run.pairs[k / 2].present)
        err << "tremora: " << kRunPairFiles[k / 2] << " cannot be read: the saved time of " << RunTimeName(k)
            << " is used\n";
      continue;
    }
    if (!DetectRunTime(run, k, time)) {
      out << (run.pairs[k / 2].present ? "No pulse detected on pair " : "No recording of pair ") << kPairLabel[k / 2]
          << "\n";
      return 1;
    }
  }
  CompleteRunTimes(run);
  out << "times: A_AB=" << FixedPoint(run.state.timeA_AB, 6) << " B=" << FixedPoint(run.state.timeB, 6)
      << " A_AC=" << FixedPoint(run.state.timeA_AC, 6) << " C=" << FixedPoint(run.state.timeC, 6) << " s\n";
  run.state.mapScale = kMapScale;
  const int status = PrintAnswer(run.answer, out);
  if (!withReport) return status;
  out.flush();
  const int reportStatus = WriteReport(argc, argv, folder, run, args[2], err);
  return reportStatus != 0 ? reportStatus : status;
}
