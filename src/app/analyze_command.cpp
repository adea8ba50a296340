#include "app/analyze_command.h"

#include "app/locate_command.h"
#include "app/run_folder.h"
#include "app/settings_file.h"

#include <charconv>
#include <filesystem>

namespace {

const char* const kUsageLine =
    "usage: tremora --analyze RUNDIR [--report FILE.pdf]   (a folder saved by \"Save Run\", or made by hand:\n"
    "       pair-AB.wav, pair-AC.wav and a run.ini with at least the stations and the velocity)\n";

std::string Fixed6(double v) {
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 6);
  return std::string(buf, result.ptr);
}

}  // namespace

int RunAnalyzeCommand(int, char**, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
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
  static const char* const pairNames[2] = {"A+B", "A+C"};
  for (int k = 0; k < kRunTimeCount; ++k) {
    if (run.how[k] == TTimeHow::Dragged) continue;
    double time = 0;
    if (DetectRunTime(run, k, time)) {
      RunTimeOf(run.state, k) = time;
    } else if (run.how[k] == TTimeHow::Detected && !run.pairs[k / 2].present) {
      err << "tremora: " << kRunPairFiles[k / 2] << " cannot be read: the saved time of " << RunTimeName(k)
          << " is used\n";
    } else {
      out << "No pulse detected on pair " << pairNames[k / 2] << "\n";
      return 1;
    }
  }
  out << "times: A_AB=" << Fixed6(run.state.timeA_AB) << " B=" << Fixed6(run.state.timeB)
      << " A_AC=" << Fixed6(run.state.timeA_AC) << " C=" << Fixed6(run.state.timeC) << " s\n";
  run.state.mapScale = 2.0;
  return PrintLocateReport(run.state, out);
}
