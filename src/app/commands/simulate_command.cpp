#include "app/commands/simulate_command.h"

#include "app/windows/acquisition_form.h"
#include "app/commands/answer_lines.h"
#include "app/experiment/epicenter_answer.h"
#include "app/experiment/numbers.h"
#include "app/experiment/experiment_state.h"
#include "app/windows/main_form.h"
#include "app/sensors/scripted_sensors.h"
#include "app/sensors/simulated_sensors.h"
#include "app/commands/startup.h"
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

TRunReport RunExperiment(TStrikePoint strike, const QString& shotDir) {
  TRunReport report;
  auto line = [&](const std::string& text) { report.lines += text + "\n"; };
  line("struck: " + FixedPoint(strike.x, 2) + " " + FixedPoint(strike.y, 2) + " mm");

  TScriptedSensors sensors;
  SetStrikePoint(strike);
  Form1->Show();
  Form1->BitBtn3Click(Form1->BitBtn3);  // "Acquisition"
  QApplication::processEvents();
  const struct {
    int position;
    const char* name;
  } pairs[] = {{TForm3::kPairAB, kPairLabel[0]}, {TForm3::kPairAC, kPairLabel[1]}};
  for (const auto& pair : pairs) {
    if (!sensors.RecordPair(pair.position)) {
      line(std::string("No pulse detected on pair ") + pair.name);
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
  const bool shots = args.size() == 4 && args[2] == "--screenshot" && !args[3].empty();
  if ((args.size() != 2 && !shots) || !ParseNumber(args[0], strike.x) || !ParseNumber(args[1], strike.y)) {
    err << "usage: tremora --simulate X Y [--screenshot DIR]   (the struck point in millimetres on the map;\n"
           "       DIR receives the recorded acquisition window and the main window after Find Epicenter)\n";
    return 2;
  }
  const QString shotDir = shots ? QString::fromLocal8Bit(args[3].c_str()) : QString();
  // The windows run as on a screen, but none is shown.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tremora"));
  QApplication::setQuitOnLastWindowClosed(false);
  // Messages are echoed to standard error: nothing may wait for a click.
  const TMessageSink previous =
      SetMessageSink([&](const QString& text) { err << "tremora: " << text.toStdString() << "\n"; });
  TRunReport report;
  try {
    if (!shotDir.isEmpty() && !QDir().mkpath(shotDir))
      throw std::runtime_error("Unable to create " + shotDir.toStdString());
    CreateWindows();
    report = RunExperiment(strike, shotDir);
  } catch (const std::exception& e) {
    err << "tremora: " << e.what() << "\n";
    report.status = 1;
  }
  DestroyWindows();
  SetMessageSink(previous);
  out << report.lines;
  for (const QString& file : report.shots) out << "screenshot: " << file.toStdString() << "\n";
  return report.status;
}
