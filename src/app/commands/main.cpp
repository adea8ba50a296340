#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/commands/analyze_command.h"
#include "app/commands/class_command.h"
#include "app/commands/locate_command.h"
#include "app/commands/simulate_command.h"
#include "app/commands/startup.h"
#include "app/commands/velocity_command.h"
#include "app/language/program_language.h"

namespace {

int Usage() {
  std::fprintf(stderr, "%s", kUsage);
  return 2;
}

// `tremora [--lab DIR] --simulate X Y ...`: the lab folder is opened first,
// and the command sees the arguments without the leading --lab DIR.
int Simulate(int argc, char** argv, const QString& lab, int at) {
  std::vector<char*> rest(argv, argv + argc);
  rest.erase(rest.begin() + 1, rest.begin() + at);
  const TLabChoice choice = OpenLabFolder(lab);
  if (!choice.error.empty()) {
    std::fprintf(stderr, "tremora: %s\n", choice.error.c_str());
    return 2;
  }
  if (choice.chosen) std::fprintf(stderr, "tremora: working in the lab folder %s\n", qPrintable(choice.folder));
  const std::vector<std::string> args(rest.begin() + 2, rest.end());
  return RunSimulateCommand(static_cast<int>(rest.size()), rest.data(), args, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  // The commands of their own come first and check their own arguments.
  const QString first = arguments.value(1);
  if (first == QLatin1String("--locate")) {
    // Reads the working directory's settings as they are, defaults included.
    return RunLocateCommand(std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr);
  }
  if (first == QLatin1String("--analyze")) {
    // Everything it needs is in the run folder.
    return RunAnalyzeCommand(argc, argv, std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr);
  }
  if (first == QLatin1String("--class")) {
    // The groups' run folders hold everything; none is written to.
    return RunClassCommand(argc, argv, std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr);
  }
  if (first == QLatin1String("--velocity")) {
    // Everything it needs is in the run folders and the arguments.
    return RunVelocityCommand(std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr);
  }
  if (first == QLatin1String("--simulate")) return Simulate(argc, argv, QString(), 1);
  if (first == QLatin1String("--lab") && arguments.value(3) == QLatin1String("--simulate")) {
    if (arguments[2].isEmpty()) return Usage();
    return Simulate(argc, argv, arguments[2], 3);
  }

  // The windows, or what their options ask for instead.
  TProgramOptions options;
  QString error;
  if (!ParseProgramOptions(arguments, options, error)) {
    std::fprintf(stderr, "tremora: %s\n", qPrintable(error));
    return Usage();
  }
  if (options.help) {
    // In the desktop's language, as the windows would be.
    QCoreApplication app(argc, argv);
    InstallLanguage(ChosenLanguage(QString()));
    std::printf("%s", HelpText().toUtf8().constData());
    return 0;
  }
  if (options.version) {
    std::printf("tremora %s\n", kVersion);
    return 0;
  }
  return RunProgram(argc, argv, options);
}
