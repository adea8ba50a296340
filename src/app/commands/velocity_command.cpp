#include "app/commands/velocity_command.h"

#include "app/experiment/fitting_region.h"
#include "app/experiment/numbers.h"
#include "app/experiment/settings_file.h"
#include "app/experiment/velocity_fit.h"
#include "app/run/run_folder.h"

#include <cmath>
#include <filesystem>

namespace {

const char* const kUsageLine =
    "usage: tremora --velocity [--strike X Y] RUNDIR...   (run folders struck at their own [STRIKE] point,\n"
    "       or at (X, Y) mm)\n";

constexpr const char* kPairName[2] = {"AB", "AC"};

struct TPairLine {
  std::string folder;
  int pair = 0;
};

}  // namespace

int RunVelocityCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  bool hasStrike = false;
  double strikeX = 0, strikeY = 0;
  std::vector<std::string> folders;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--strike") {
      if (hasStrike || i + 2 >= args.size() || !ParseNumber(args[i + 1], strikeX) || !ParseNumber(args[i + 2], strikeY)) {
        err << kUsageLine;
        return 2;
      }
      hasStrike = true;
      i += 2;
    } else if (args[i].empty() || args[i].rfind("--", 0) == 0) {
      err << kUsageLine;
      return 2;
    } else {
      folders.push_back(args[i]);
    }
  }
  if (folders.empty()) {
    err << kUsageLine;
    return 2;
  }

  std::vector<TVelocityPair> pairs;
  std::vector<TPairLine> lines;
  for (const std::string& name : folders) {
    const std::filesystem::path folder = name;
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
      err << "tremora: " << name << ": no such folder\n";
      continue;
    }
    TExperimentState defaults;
    SetDefaultSettings(defaults, folder);
    TRun run;
    for (const std::string& problem : LoadRunFolder(folder, defaults, run)) err << "tremora: " << name << ": " << problem << "\n";
    if (!run.hasStations) {
      err << "tremora: " << name << ": " << kRunIniName << " must give the stations; the folder is left out\n";
      continue;
    }
    double x = strikeX, y = strikeY;
    if (run.hasStrike) {
      x = run.strikeX;
      y = run.strikeY;
    } else if (!hasStrike) {
      err << "tremora: " << name << ": " << kRunIniName << " has no [STRIKE] point and no --strike X Y was given; "
          << "the folder is left out\n";
      continue;
    }
    const TExperimentState& s = run.state;
    const double toA = std::hypot(x - s.stationX[stA], y - s.stationY[stA]);
    for (int p = 0; p < 2; ++p) {
      // A pair neither saved with its times nor recorded was not struck.
      if (!run.pairs[p].present && !run.PairTimed(p)) continue;
      double times[2] = {};
      bool found = true;
      for (int k = 0; k < 2; ++k) {
        const int which = 2 * p + k;
        times[k] = RunTimeOf(s, which);
        if (!run.TimeSet(which) && !DetectRunTime(run, which, times[k])) found = false;
      }
      if (!found) {
        out << name << " pair " << kPairName[p] << ": no pulse detected\n";
        continue;
      }
      const int right = p == 0 ? stB : stC;
      TVelocityPair pair;
      pair.pair = p;
      pair.difference = std::hypot(x - s.stationX[right], y - s.stationY[right]) - toA;
      pair.delay = times[1] - times[0];
      pair.separation = std::hypot(s.stationX[right] - s.stationX[stA], s.stationY[right] - s.stationY[stA]);
      const TTimeReading first{run.how[2 * p] == TTimeHow::Dragged, run.pixelSeconds[2 * p]};
      const TTimeReading second{run.how[2 * p + 1] == TTimeHow::Dragged, run.pixelSeconds[2 * p + 1]};
      pair.uncertainty = DelayUncertainty(s.acquisitionRate, first, second);
      pairs.push_back(pair);
      lines.push_back({name, p});
    }
  }

  const TVelocityFit fit = FitVelocity(pairs);
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    const TPairFigures& f = fit.pairs[i];
    out << lines[i].folder << " pair " << kPairName[lines[i].pair] << ": ";
    if (f.refused) {
      out << "refused: " << f.reason << "\n";
      continue;
    }
    out << "delay=" << FixedPoint(pairs[i].delay, 6) << " s difference=" << FixedPoint(pairs[i].difference, 2)
        << " mm velocity=" << ValueWithUncertainty(f.velocity, f.uncertainty) << " mm/s\n";
  }
  if (!fit.told) {
    out << "velocity: not measured: " << fit.reason << "\n";
    return 1;
  }
  out << "velocity: " << ValueWithUncertainty(fit.velocity, fit.uncertainty) << " mm/s\n";
  if (fit.hasCorrections) {
    out << "corrections:";
    for (int s = 0; s < 2; ++s)
      if (fit.recorded[s])
        out << " " << (s == 0 ? "B" : "C") << "=" << ValueWithUncertainty(fit.correction[s], fit.correctionUncertainty[s]);
    out << " s\n";
  } else {
    out << "corrections: not fitted: " << fit.correctionsNote << "\n";
  }
  return 0;
}
