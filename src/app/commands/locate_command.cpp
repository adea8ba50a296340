#include "app/commands/locate_command.h"

#include <charconv>
#include <cmath>

#include "app/experiment/epicenter_solver.h"
#include "app/experiment/experiment_state.h"
#include "app/experiment/settings_file.h"

namespace {

// A finite number with a decimal point, whatever the locale says.
bool ParseSeconds(const std::string& text, double& value) {
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  return ec == std::errc() && ptr == last && first != last && std::isfinite(value);
}

// With a point whatever the locale.
std::string Fixed2(double v) {
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
  return std::string(buf, result.ptr);
}

}  // namespace

int RunLocateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  double times[4] = {};
  bool ok = args.size() == 4;
  for (std::size_t k = 0; ok && k < 4; ++k) ok = ParseSeconds(args[k], times[k]);
  if (!ok) {
    err << "usage: tremora --locate TA_AB TB TA_AC TC   (arrival times in seconds)\n";
    return 2;
  }

  TExperimentState state;
  LoadSettings(state);
  state.mapScale = 2.0;
  state.timeA_AB = times[0];
  state.timeB = times[1];
  state.timeA_AC = times[2];
  state.timeC = times[3];

  return PrintLocateReport(state, out);
}

int PrintLocateReport(TExperimentState& state, std::ostream& out) {
  TSolveResult result = SolveEpicenter(state);
  out << "increments: A=" << state.radiusIncrement[stA] << " B=" << state.radiusIncrement[stB]
      << " C=" << state.radiusIncrement[stC] << "\n";
  if (result.outcome != TSolveOutcome::Accepted) {
    out << SolveMessage(result.outcome) << "\n";
    return 1;
  }
  out << "epicenter: " << Fixed2(result.x) << " " << Fixed2(result.y) << " mm\n";
  out << "marker: left=" << result.markerLeft << " top=" << result.markerTop << "\n";
  double otherX = 0, otherY = 0;
  if (FindOtherEpicenter(state, result.x, result.y, otherX, otherY))
    out << "other: " << Fixed2(otherX) << " " << Fixed2(otherY) << " mm\n";
  const TUncertainty region = EpicenterUncertainty(state, result.x, result.y, 1.0 / state.acquisitionRate);
  out << "uncertainty: " << Fixed2(region.radius) << " mm\n";
  return 0;
}
