#include "app/commands/analyze_command.h"

#include "app/language/program_language.h"
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
    "usage: tremora --analyze RUNDIR [--pick level|onset|correlation] [--report FILE.pdf]   (a folder saved by\n"
    "       \"Save Run\", or made by hand: pair-AB.wav, pair-AC.wav and a run.ini with at least the stations and the\n"
    "       velocity; --pick: how the times not saved are found, instead of run.ini's method)\n";

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
  // English, as every line the command prints; numbers with the dot unless
  // the desktop itself is English.
  InstallLanguage(QString());
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
  TPickMethod method = TPickMethod::Level;
  std::string report, pick;
  bool ok = !args.empty() && !args[0].empty();
  for (size_t i = 1; ok && i < args.size(); i += 2) {
    ok = i + 1 < args.size() && !args[i + 1].empty();
    if (ok && args[i] == "--report" && report.empty())
      report = args[i + 1];
    else if (ok && args[i] == "--pick" && pick.empty())
      ok = ParsePickMethod(args[i + 1], method);
    else
      ok = false;
    if (ok && args[i] == "--pick") pick = args[i + 1];
  }
  if (!ok) {
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
  if (!pick.empty()) run.state.pickMethod = method;
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
    // Picked as a pair when neither of its times is saved.
    const bool pairPicked = run.state.pickMethod != TPickMethod::Level && run.pairs[k / 2].present &&
                            !run.TimeSet(k / 2 * 2) && !run.TimeSet(k / 2 * 2 + 1);
    if (!pairPicked && !DetectRunTime(run, k, time)) {
      out << (run.pairs[k / 2].present ? "No pulse detected on pair " : "No recording of pair ") << kPairLabel[k / 2]
          << "\n";
      return 1;
    }
  }
  const std::vector<std::string> unpicked = CompleteRunTimes(run);
  if (!unpicked.empty()) {
    for (const std::string& why : unpicked) out << why << "\n";
    return 1;
  }
  out << "times: A_AB=" << FixedPoint(run.state.timeA_AB, 6) << " B=" << FixedPoint(run.state.timeB, 6)
      << " A_AC=" << FixedPoint(run.state.timeA_AC, 6) << " C=" << FixedPoint(run.state.timeC, 6) << " s\n";
  run.state.mapScale = kMapScale;
  const int status = PrintAnswer(run.answer, out);
  if (report.empty()) return status;
  out.flush();
  const int reportStatus = WriteReport(argc, argv, folder, run, report, err);
  return reportStatus != 0 ? reportStatus : status;
}
