#include "app/run/class_results.h"

#include "app/experiment/settings_file.h"
#include "app/run/run_words.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace fs = std::filesystem;

namespace {

// A class of identical simulated strikes has no spread at all: a group is
// not called far for being a map pixel away from the others.
constexpr double kLeastSpread = 2.0;  // mm

bool IsRunFolder(const fs::path& folder) {
  std::error_code ec;
  return fs::is_regular_file(folder / kRunIniName, ec);
}

template <typename T>
T MostCommon(const std::vector<T>& values) {
  std::map<T, int> count;
  for (const T& v : values) ++count[v];
  T best{};
  int most = 0;
  for (const auto& [v, n] : count)
    if (n > most) best = v, most = n;
  return best;
}

// Why a run gives no epicenter, after the loader's own messages.
std::string NoEpicenter(const TRun& run) {
  if (!run.hasStations)
    return Said(RunWords::tr("%1 must give the stations and the pulse velocity").arg(QLatin1String(kRunIniName)));
  for (int pair = 0; pair < 2; ++pair)
    if (!run.PairTimed(pair))
      return Said((run.pairs[pair].present ? RunWords::tr("No pulse detected on pair %1") : RunWords::tr("No recording of pair %1"))
                      .arg(QLatin1String(kPairLabel[pair])));
  // The acquisition window's own words for it.
  return Said(QCoreApplication::translate("TForm3", SolveMessage(run.answer.point.outcome)));
}

void LoadGroup(TClassGroup& group) {
  TExperimentState defaults;
  SetDefaultSettings(defaults, group.folder);
  group.problems = LoadRunFolder(group.folder, defaults, group.run);
  // The group is named on its line already: its files by their names.
  const std::string prefix = (group.folder / "").string();
  for (std::string& problem : group.problems)
    for (size_t at; (at = problem.find(prefix)) != std::string::npos;) problem.erase(at, prefix.size());
  // Without run.ini the folder is not a run: its missing sounds are no news.
  if (!IsRunFolder(group.folder) && !group.problems.empty()) {
    group.problems.resize(1);
    return;
  }
  if (group.run.hasStations) CompleteRunTimes(group.run);
  group.located = group.run.hasStations && group.run.answer.Solved();
  if (group.located) {
    group.x = group.run.answer.point.x;
    group.y = group.run.answer.point.y;
  } else {
    group.problems.push_back(NoEpicenter(group.run));
  }
}

struct TSpread {
  double meanX = 0, meanY = 0, sdX = 0, sdY = 0;
  int n = 0;
};

// Mean and sample standard deviations of the located groups but `skip`.
TSpread SpreadOf(const std::vector<TClassGroup>& groups, size_t skip) {
  TSpread s;
  for (size_t i = 0; i < groups.size(); ++i)
    if (i != skip && groups[i].located) s.meanX += groups[i].x, s.meanY += groups[i].y, ++s.n;
  if (s.n == 0) return s;
  s.meanX /= s.n, s.meanY /= s.n;
  if (s.n < 2) return s;
  for (size_t i = 0; i < groups.size(); ++i)
    if (i != skip && groups[i].located) {
      s.sdX += (groups[i].x - s.meanX) * (groups[i].x - s.meanX);
      s.sdY += (groups[i].y - s.meanY) * (groups[i].y - s.meanY);
    }
  s.sdX = std::sqrt(s.sdX / (s.n - 1));
  s.sdY = std::sqrt(s.sdY / (s.n - 1));
  return s;
}

}  // namespace

std::vector<fs::path> ExpandClassFolders(const std::vector<fs::path>& folders) {
  std::vector<fs::path> out;
  for (const fs::path& folder : folders) {
    std::error_code ec;
    std::vector<fs::path> subfolders;
    bool holdsRuns = false;
    if (!IsRunFolder(folder) && fs::is_directory(folder, ec)) {
      for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name[0] == '.' || !entry.is_directory(ec)) continue;
        subfolders.push_back(entry.path());
        holdsRuns = holdsRuns || IsRunFolder(entry.path());
      }
    }
    if (!holdsRuns) {
      out.push_back(folder);
      continue;
    }
    std::sort(subfolders.begin(), subfolders.end());
    out.insert(out.end(), subfolders.begin(), subfolders.end());
  }
  return out;
}

TClassResults LoadClassResults(const std::vector<fs::path>& folders) {
  TClassResults results;
  for (const fs::path& folder : ExpandClassFolders(folders)) {
    TClassGroup group;
    group.folder = folder;
    group.name = folder.filename().string();
    if (group.name.empty()) group.name = folder.parent_path().filename().string();  // "run/" names "run"
    results.groups.push_back(std::move(group));
  }
  for (TClassGroup& group : results.groups) LoadGroup(group);
  std::vector<std::pair<double, double>> strikes;
  for (const TClassGroup& group : results.groups)
    if (group.run.hasStrike) strikes.emplace_back(group.run.strikeX, group.run.strikeY);
  if (strikes.empty()) {
    PoolClassResults(results, false);
  } else {
    const auto strike = MostCommon(strikes);
    PoolClassResults(results, true, strike.first, strike.second);
  }
  return results;
}

void PoolClassResults(TClassResults& results, bool strike, double x, double y) {
  std::vector<TClassGroup>& groups = results.groups;
  TClassFigures& f = results.figures;
  f = TClassFigures{};
  f.groups = static_cast<int>(groups.size());
  f.hasStrike = strike;
  f.strikeX = x, f.strikeY = y;
  std::vector<int32_t> velocities, rates;
  for (const TClassGroup& g : groups) {
    if (g.run.hasStations) velocities.push_back(g.run.state.pulseVelocity);
    if (g.run.state.acquisitionRate > 0) rates.push_back(g.run.state.acquisitionRate);
  }
  f.velocity = MostCommon(velocities);
  f.rate = MostCommon(rates);

  const TSpread all = SpreadOf(groups, groups.size());
  f.located = all.n;
  f.meanX = all.meanX, f.meanY = all.meanY, f.sdX = all.sdX, f.sdY = all.sdY;

  std::vector<double> distances;
  for (size_t i = 0; i < groups.size(); ++i) {
    TClassGroup& g = groups[i];
    g.distance = -1, g.inside = -1, g.marked = false;
    g.reasons.clear();
    if (!g.located) continue;
    if (strike) {
      g.distance = std::hypot(g.x - x, g.y - y);
      distances.push_back(g.distance);
      const TFittingRegion& region = g.run.answer.region;
      g.inside = !region.Empty() && region.PartAt(x, y) >= 0 ? 1 : 0;
      f.inside += g.inside;
      ++f.insideOf;
    }
    // Against the others only: with itself in the mean and spread, a lone
    // far group among ten could never lie three deviations out.
    const TSpread others = SpreadOf(groups, i);
    bool far = false;
    if (others.n >= 3) {
      const double sx = std::max(others.sdX, kLeastSpread), sy = std::max(others.sdY, kLeastSpread);
      far = std::abs(g.x - others.meanX) > 3 * sx || std::abs(g.y - others.meanY) > 3 * sy;
    }
    const bool otherVelocity = g.run.state.pulseVelocity != f.velocity;
    const bool otherRate = g.run.state.acquisitionRate != f.rate;
    g.marked = far || g.inside == 0 || otherVelocity || otherRate;
    if (!g.marked) continue;
    if (far) g.reasons.push_back(Said(RunWords::tr("far from the others")));
    if (g.inside == 0) g.reasons.push_back(Said(RunWords::tr("region excludes the struck point")));
    if (otherVelocity)
      g.reasons.push_back(
          Said(RunWords::tr("velocity %1 mm/s (the class's %2)").arg(g.run.state.pulseVelocity).arg(f.velocity)));
    if (otherRate)
      g.reasons.push_back(
          Said(RunWords::tr("rate %1 samples/s (the class's %2)").arg(g.run.state.acquisitionRate).arg(f.rate)));
    // A pair's recording may be missing while its saved times still count.
    for (int pair = 0; pair < 2; ++pair)
      if (!g.run.answer.delayKnown[pair])
        g.reasons.push_back(Said(RunWords::tr("missing pair %1").arg(QLatin1String(kPairLabel[pair]))));
    for (int k = 0; k < kRunTimeCount; ++k)
      if (g.run.how[k] == TTimeHow::Dragged)
        g.reasons.push_back(Said(RunWords::tr("dragged time %1").arg(QLatin1String(RunTimeName(k)))));
  }
  if (!distances.empty()) {
    std::sort(distances.begin(), distances.end());
    const size_t n = distances.size();
    f.medianDistance = n % 2 ? distances[n / 2] : (distances[n / 2 - 1] + distances[n / 2]) / 2;
  }
}

std::string ClassTimeText(const TClassGroup& group, int which) {
  return group.run.how[which] == TTimeHow::NotSet ? "not set" : TimeHowName(group.run.how[which]);
}
