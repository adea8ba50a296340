#include "app/commands/simulate_command.h"

#include "app/windows/acquisition_form.h"
#include "app/commands/answer_lines.h"
#include "app/experiment/epicenter_answer.h"
#include "app/experiment/numbers.h"
#include "app/experiment/experiment_state.h"
#include "app/experiment/settings_file.h"
#include "app/run/run_folder.h"
#include "platform/wave_in.h"
#include "app/windows/main_form.h"
#include "app/sensors/scripted_sensors.h"
#include "app/sensors/simulated_sensors.h"
#include "app/commands/startup.h"
#include "app/language/program_language.h"
#include "app/windows/windows.h"
#include "draw/message_service.h"
#include "forms/controls/standard_controls.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <stdexcept>
#include <sstream>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {

// What one run found, printed after the windows are gone.
struct TRunReport {
  int status = 0;
  std::string lines;
  QStringList shots;  // screenshots written
};

// The window as the class sees it, written as DIR/<name>.png; false when it
// cannot be written.
bool Snapshot(QWidget* window, const QString& dir, const QString& name, TRunReport& report) {
  QApplication::processEvents();
  const QString file = QDir(dir).filePath(name + QStringLiteral(".png"));
  if (!window->grab().save(file)) return false;
  report.shots << file;
  return true;
}

// What the command line asks of the experiment besides the struck point.
struct TSimulateOptions {
  TRealism realism = TRealism::Clean;
  double snrDb = 26;
  bool pick = false;  // --pick given: `method` instead of the lab's
  TPickMethod method = TPickMethod::Level;
};

// The recorded pair as "Save Run" would keep it, its times found again as
// --analyze finds them: why a pair gives no trustworthy times, one line
// each (none when both are fine).
std::vector<std::string> JudgePicks() {
  TRun run = Form3->CurrentRun();
  for (TTimeHow& how : run.how) how = TTimeHow::NotSet;
  return CompleteRunTimes(run);
}

TRunReport RunExperiment(TStrikePoint strike, const TSimulateOptions& options, const QString& shotDir) {
  TRunReport report;
  auto line = [&](const std::string& text) { report.lines += text + "\n"; };
  line("struck: " + FixedPoint(strike.x, 2) + " " + FixedPoint(strike.y, 2) + " mm");

  TScriptedSensors sensors;
  SetStrikePoint(strike);
  if (options.pick) Experiment.pickMethod = options.method;
  Form1->Show();
  Form1->BitBtn3Click(Form1->BitBtn3);  // "Acquisition"
  QApplication::processEvents();
  const struct {
    int position;
    const char* name;
  } pairs[] = {{TForm3::kPairAB, kPairLabel[0]}, {TForm3::kPairAC, kPairLabel[1]}};
  for (const auto& pair : pairs) {
    if (!sensors.RecordPair(pair.position)) {
      // The picker's own reason when it refused the strike's block.
      const TPickRefusal refusal = Form3->PairRefusal(&pair - pairs);
      if (refusal == TPickRefusal::None)
        line(std::string("No pulse detected on pair ") + pair.name);
      else if (Experiment.pickMethod == TPickMethod::Level)
        line(std::string("Pair ") + pair.name + ": " + RefusalText(refusal) + kRaiseTheLevel);
      else
        line(std::string("No pulse picked on pair ") + pair.name + ": " + RefusalText(refusal));
      report.status = 1;
      return report;
    }
  }
  // The window refuses a level crossed by noise before the pulse, and only
  // notes idle noise close under the level: that is refused here too, as
  // --analyze refuses it, rather than answered with confidence.
  if (Experiment.pickMethod == TPickMethod::Level) {
    const std::vector<std::string> refused = JudgePicks();
    if (!refused.empty()) {
      for (const std::string& why : refused) line(why);
      report.status = 1;
      return report;
    }
  }
  line("times: A_AB=" + FixedPoint(Experiment.timeA_AB, 6) + " B=" + FixedPoint(Experiment.timeB, 6) +
       " A_AC=" + FixedPoint(Experiment.timeA_AC, 6) + " C=" + FixedPoint(Experiment.timeC, 6) + " s");

  if (!shotDir.isEmpty() && !Snapshot(Form3, shotDir, QStringLiteral("TForm3-recorded"), report))
    throw std::runtime_error("Unable to write to " + shotDir.toStdString());
  Form3->btnEpicenterClick(Form3->btnEpicenter);  // "Find Epicenter"
  QApplication::processEvents();
  std::ostringstream answer;
  report.status = PrintAnswer(Form3->Answer(), answer, &strike.x, &strike.y);
  report.lines += answer.str();
  if (report.status != 0) return report;
  if (!shotDir.isEmpty() && !Snapshot(Form1, shotDir, QStringLiteral("TForm1-epicenter"), report))
    throw std::runtime_error("Unable to write to " + shotDir.toStdString());
  return report;
}

}  // namespace

int RunSimulateCommand(int argc, char** argv, const std::vector<std::string>& args, std::ostream& out,
                       std::ostream& err) {
  TStrikePoint strike;
  TSimulateOptions options;
  bool ok = args.size() >= 2 && ParseNumber(args[0], strike.x) && ParseNumber(args[1], strike.y);
  std::string pick, screenshot, realism, snr, device, lang;
  for (size_t i = 2; ok && i < args.size(); i += 2) {
    ok = i + 1 < args.size() && !args[i + 1].empty();
    std::string* value = args[i] == "--screenshot"    ? &screenshot
                         : args[i] == "--pick"        ? &pick
                         : args[i] == "--sim-realism" ? &realism
                         : args[i] == "--sim-snr"     ? &snr
                         : args[i] == "--device"      ? &device
                         : args[i] == "--lang"        ? &lang
                                                      : nullptr;
    ok = ok && value && value->empty();
    if (ok) *value = args[i + 1];
  }
  if (ok && !pick.empty()) ok = ParsePickMethod(pick, options.method);
  if (!ok) {
    err << "usage: tremora --simulate X Y [--sim-realism clean|realistic] [--sim-snr DB]\n"
           "       [--pick level|onset|correlation] [--screenshot DIR [--lang CODE]]   (the struck point in millimetres\n"
           "       on the map; DIR receives the recorded acquisition window and the main window after Find Epicenter,\n"
           "       in the language CODE)\n";
    return 2;
  }
  options.pick = !pick.empty();
  if (!realism.empty() && !ParseSimulatedRealism(realism, options.realism)) {
    err << "tremora: " << kSimRealismError << "\n";
    return 2;
  }
  if (!snr.empty() && !ParseSimulatedSnr(snr, options.snrDb)) {
    err << "tremora: " << kSimSnrError << "\n";
    return 2;
  }
  // The experiment is always recorded through the simulated sensors.
  if (!device.empty() && !device.starts_with(kWaveInSimulatedName)) {
    err << "tremora: --simulate records from \"" << kWaveInSimulatedName << "\" only\n";
    return 2;
  }
  const QString shotDir = QString::fromLocal8Bit(screenshot.c_str());
  // The windows run as on a screen, but none is shown.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tremora"));
  QApplication::setQuitOnLastWindowClosed(false);
  // The pictures in the language asked for; without --lang the windows stay
  // English whatever the desktop's language. The printed lines are English
  // always: they do not go through a translation.
  if (!lang.empty()) InstallLanguage(ChosenLanguage(QString::fromLocal8Bit(lang.c_str())));
  // Messages are echoed to standard error: nothing may wait for a click.
  const TMessageSink previous =
      SetMessageSink([&](const QString& text) { err << "tremora: " << text.toStdString() << "\n"; });
  TRunReport report;
  SetSimulatedRealism(options.realism, options.snrDb);
  try {
    if (!shotDir.isEmpty() && !QDir().mkpath(shotDir))
      throw std::runtime_error("Unable to create " + shotDir.toStdString());
    CreateWindows();
    report = RunExperiment(strike, options, shotDir);
  } catch (const std::exception& e) {
    err << "tremora: " << e.what() << "\n";
    report.status = 1;
  }
  DestroyWindows();
  SetMessageSink(previous);
  SetSimulatedRealism(TRealism::Clean, options.snrDb);
  out << report.lines;
  for (const QString& file : report.shots) out << "screenshot: " << file.toStdString() << "\n";
  return report.status;
}
