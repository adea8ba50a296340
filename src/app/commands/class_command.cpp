#include "app/commands/class_command.h"

#include "app/language/program_language.h"
#include "app/experiment/numbers.h"
#include "app/run/class_report.h"
#include "app/run/class_results.h"

#include <QGuiApplication>
#include <memory>

namespace fs = std::filesystem;

namespace {

const char* const kUsageLine =
    "usage: tremora --class DIR... [--report FILE.pdf] [--csv FILE]   (run folders, or folders of run folders)\n";

}  // namespace

int RunClassCommand(int argc, char** argv, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<fs::path> folders;
  std::string report, csv;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--report" || a == "--csv") {
      if (i + 1 >= args.size() || args[i + 1].empty() || args[i + 1].rfind("--", 0) == 0) {
        err << "tremora: " << a << " needs a file name\n" << kUsageLine;
        return 2;
      }
      (a == "--report" ? report : csv) = args[++i];
    } else if (a.empty() || a.rfind("--", 0) == 0) {
      err << "tremora: --class takes no option '" << a << "'\n" << kUsageLine;
      return 2;
    } else {
      folders.emplace_back(a);
    }
  }
  if (folders.empty()) {
    err << kUsageLine;
    return 2;
  }

  const TClassResults results = LoadClassResults(folders);
  for (const TClassGroup& g : results.groups) {
    if (!g.located) {
      std::string problem;
      for (const std::string& p : g.problems) problem += (problem.empty() ? "" : "; ") + p;
      out << "group: " << g.name << " problem: " << problem << "\n";
      continue;
    }
    // What the loader said of a run that still gave an epicenter.
    for (const std::string& p : g.problems) err << "tremora: " << g.name << ": " << p << "\n";
    out << "group: " << g.name << " epicenter: " << FixedPoint(g.x, 2) << " " << FixedPoint(g.y, 2)
        << " mm uncertainty: " << (g.Uncertainty() >= 0 ? FixedPoint(g.Uncertainty(), 2) + " mm" : "none") << "\n";
  }
  const TClassFigures& f = results.figures;
  out << "class: n=" << f.located;
  if (f.located > 0)
    out << " mean: " << FixedPoint(f.meanX, 2) << " " << FixedPoint(f.meanY, 2) << " mm sd: " << FixedPoint(f.sdX, 2)
        << " " << FixedPoint(f.sdY, 2) << " mm";
  out << "\n";
  if (f.hasStrike)
    out << "struck: " << FixedPoint(f.strikeX, 2) << " " << FixedPoint(f.strikeY, 2) << " mm inside: " << f.inside
        << " of " << f.insideOf << "\n";
  out.flush();

  int status = f.located > 0 ? 0 : 1;
  QString error;
  if (!csv.empty() && !WriteClassCsv(QString::fromLocal8Bit(csv.c_str()), results, &error)) {
    err << "tremora: " << error.toStdString() << "\n";
    status = 1;
  }
  if (!report.empty()) {
    // The page's fonts need the toolkit; no window opens.
    std::unique_ptr<QGuiApplication> app;
    if (!QCoreApplication::instance()) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
      app = std::make_unique<QGuiApplication>(argc, argv);
      // English, as every line the command prints.
      InstallLanguage(QString());
    }
    if (!WriteClassReport(QString::fromLocal8Bit(report.c_str()), results, ClassMapPicture(results), &error)) {
      err << "tremora: " << error.toStdString() << "\n";
      status = 1;
    }
  }
  return status;
}
