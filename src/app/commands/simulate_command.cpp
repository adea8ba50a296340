#include "app/commands/simulate_command.h"

#include "app/windows/acquisition_form.h"
#include "app/experiment/epicenter_solver.h"
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
#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {

bool ParseMillimetres(const std::string& text, double& value) {
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  return ec == std::errc() && ptr == last && first != last && std::isfinite(value);
}

// Always with a point: the windows' toolkit switches the C library to the
// machine's locale, and the report is read by scripts.
std::string Fixed(double v, int decimals) {
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
  return std::string(buf, result.ptr);
}

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

TRunReport RunExperiment(TStrikePoint strike, QStringList& messages, const QString& shotDir) {
  TRunReport report;
  auto line = [&](const std::string& text) { report.lines += text + "\n"; };
  line("struck: " + Fixed(strike.x, 2) + " " + Fixed(strike.y, 2) + " mm");

  TScriptedSensors sensors;
  SetStrikePoint(strike);
  Form1->Show();
  Form1->BitBtn3Click(Form1->BitBtn3);  // "Acquisition"
  QApplication::processEvents();
  const struct {
    int position;
    const char* name;
  } pairs[] = {{TForm3::kPairAB, "A+B"}, {TForm3::kPairAC, "A+C"}};
  for (const auto& pair : pairs) {
    if (!sensors.RecordPair(pair.position)) {
      line(std::string("No pulse detected on pair ") + pair.name);
      report.status = 1;
      return report;
    }
  }
  line("times: A_AB=" + Fixed(Experiment.timeA_AB, 6) + " B=" + Fixed(Experiment.timeB, 6) +
       " A_AC=" + Fixed(Experiment.timeA_AC, 6) + " C=" + Fixed(Experiment.timeC, 6) + " s");

  if (!shotDir.isEmpty() && !Snapshot(Form3, shotDir, QStringLiteral("TForm3-recorded"), report))
    throw std::runtime_error("Unable to write to " + shotDir.toStdString());
  const int shownBefore = messages.size();
  Form3->btnEpicenterClick(Form3->btnEpicenter);  // "Find Epicenter"
  QApplication::processEvents();
  line("increments: A=" + std::to_string(Experiment.radiusIncrement[stA]) +
       " B=" + std::to_string(Experiment.radiusIncrement[stB]) +
       " C=" + std::to_string(Experiment.radiusIncrement[stC]));
  if (!Form1->imgEpicenter->Visible()) {
    line(messages.size() > shownBefore ? messages.last().toStdString() : std::string("Bad Acquisition"));
    report.status = 1;
    return report;
  }
  line("epicenter: " + Fixed(Experiment.epicenterX, 2) + " " + Fixed(Experiment.epicenterY, 2) + " mm");
  line("marker: left=" + std::to_string(Form1->imgEpicenter->Left()) +
       " top=" + std::to_string(Form1->imgEpicenter->Top()));
  const double error = std::hypot(Experiment.epicenterX - strike.x, Experiment.epicenterY - strike.y);
  line("error: " + Fixed(error, 2) + " mm");
  double otherX = 0, otherY = 0;
  if (FindOtherEpicenter(Experiment, Experiment.epicenterX, Experiment.epicenterY, otherX, otherY))
    line("other: " + Fixed(otherX, 2) + " " + Fixed(otherY, 2) + " mm");
  const TUncertainty region = EpicenterUncertainty(Experiment, Experiment.epicenterX, Experiment.epicenterY,
                                                   1.0 / Experiment.acquisitionRate);
  line("uncertainty: " + Fixed(region.radius, 2) + " mm");
  if (!shotDir.isEmpty() && !Snapshot(Form1, shotDir, QStringLiteral("TForm1-epicenter"), report))
    throw std::runtime_error("Unable to write to " + shotDir.toStdString());
  return report;
}

}  // namespace

int RunSimulateCommand(int argc, char** argv, const std::vector<std::string>& args, std::ostream& out,
                       std::ostream& err) {
  TStrikePoint strike;
  const bool shots = args.size() == 4 && args[2] == "--screenshot" && !args[3].empty();
  if ((args.size() != 2 && !shots) || !ParseMillimetres(args[0], strike.x) || !ParseMillimetres(args[1], strike.y)) {
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
  // Messages are kept (the solver's is printed) and echoed to standard
  // error: nothing may wait for a click.
  QStringList messages;
  const TMessageSink previous = SetMessageSink([&](const QString& text) {
    messages.append(text);
    err << "tremora: " << text.toStdString() << "\n";
  });
  TRunReport report;
  try {
    if (!shotDir.isEmpty() && !QDir().mkpath(shotDir))
      throw std::runtime_error("Unable to create " + shotDir.toStdString());
    CreateWindows();
    report = RunExperiment(strike, messages, shotDir);
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
