#include <QString>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/commands/analyze_command.h"
#include "app/commands/locate_command.h"
#include "app/commands/simulate_command.h"
#include "app/commands/startup.h"

int main(int argc, char** argv) {
  std::vector<char*> rest(argv, argv + argc);
  if (rest.size() == 2 && std::string(rest[1]) == "--help") {
    std::printf("%s", kUsage);
    return 0;
  }
  if (rest.size() == 2 && std::string(rest[1]) == "--version") {
    std::printf("tremora %s\n", kVersion);
    return 0;
  }
  // A leading --lab DIR names the folder to work in; it may precede every
  // mode that reads a lab's settings.
  QString labOption;
  if (rest.size() > 1 && std::string(rest[1]) == "--lab") {
    if (rest.size() < 3 || rest[2][0] == '\0') {
      std::fprintf(stderr, "%s", kUsage);
      return 2;
    }
    labOption = QString::fromLocal8Bit(rest[2]);
    rest.erase(rest.begin() + 1, rest.begin() + 3);
  }
  const int count = static_cast<int>(rest.size());
  const std::string first = count > 1 ? rest[1] : "";
  if (first == "--locate" && labOption.isEmpty()) {
    // Reads the working directory's settings as they are, defaults included.
    std::vector<std::string> args(rest.begin() + 2, rest.end());
    return RunLocateCommand(args, std::cout, std::cerr);
  }
  if (first == "--analyze" && labOption.isEmpty()) {
    // Everything it needs is in the run folder.
    std::vector<std::string> args(rest.begin() + 2, rest.end());
    return RunAnalyzeCommand(count, rest.data(), args, std::cout, std::cerr);
  }
  for (int i = 1; i < count; ++i) {
    const std::string arg = rest[i];
    if (arg == "--help" || arg == "--version" || arg == "--lab" ||
        ((arg == "--locate" || arg == "--analyze") && i == 1)) {
      std::fprintf(stderr, "%s", kUsage);
      return 2;
    }
  }
  if (first != "--simulate") return RunProgram(count, rest.data(), labOption);

  const TLabChoice lab = OpenLabFolder(labOption);
  if (!lab.error.empty()) {
    std::fprintf(stderr, "tremora: %s\n", lab.error.c_str());
    return 2;
  }
  if (lab.chosen) std::fprintf(stderr, "tremora: working in the lab folder %s\n", qPrintable(lab.folder));
  std::vector<std::string> args(rest.begin() + 2, rest.end());
  return RunSimulateCommand(count, rest.data(), args, std::cout, std::cerr);
}
