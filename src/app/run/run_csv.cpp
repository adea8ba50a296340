#include "app/run/run_csv.h"

#include "app/experiment/numbers.h"
#include "app/experiment/pulse_detection.h"
#include "app/run/file_set.h"
#include "app/run/run_folder.h"
#include "app/run/run_words.h"

#include <algorithm>
#include <fstream>

namespace fs = std::filesystem;

namespace {

const char* const kRightSensor[2] = {"B", "C"};

bool WriteText(const fs::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  return !out.fail();
}

std::string PairCsv(const TRun& run, int p) {
  const TRunPair& pair = run.pairs[p];
  std::string text = std::string("time_s,A,") + kRightSensor[p] + "\n";
  const int size = static_cast<int>(std::min(pair.left.size(), pair.right.size()));
  text.reserve(static_cast<size_t>(size) * 32);
  for (int i = 0; i < size; ++i)
    text += ShortestNumber(PulseSampleTime(i, size, run.state.acquisitionTime)) + "," + ShortestNumber(pair.left[i]) +
            "," + ShortestNumber(pair.right[i]) + "\n";
  return text;
}

std::string ResultsCsv(const TRun& run) {
  std::string results = "quantity,value,unit\n";
  auto row = [&](const std::string& name, const std::string& value, const char* unit) {
    results += name + "," + value + "," + unit + "\n";
  };
  for (int k = 0; k < kRunTimeCount; ++k) {
    if (!run.TimeSet(k)) continue;
    row(std::string("time_") + RunTimeName(k), ShortestNumber(RunTimeOf(run.state, k)), "s");
    row(std::string("time_") + RunTimeName(k) + "_how", TimeHowName(run.how[k]), "");
  }
  const TEpicenterAnswer& a = run.answer;
  if (a.ran) {
    row("increment_A", std::to_string(a.increments[stA]), "mm");
    row("increment_B", std::to_string(a.increments[stB]), "mm");
    row("increment_C", std::to_string(a.increments[stC]), "mm");
  }
  if (a.Solved()) {
    row("epicenter_x", ShortestNumber(a.point.x), "mm");
    row("epicenter_y", ShortestNumber(a.point.y), "mm");
    if (a.hasOther) {
      row("other_x", ShortestNumber(a.otherX), "mm");
      row("other_y", ShortestNumber(a.otherY), "mm");
    }
    if (a.Fits()) {
      row("uncertainty", ShortestNumber(a.uncertainty), "mm");
      row("spread", ShortestNumber(a.spread), "mm");
    }
  }
  // The velocity was measured in the lab: its figures with the run's.
  if (run.state.velocityUncertainty > 0) {
    row("velocity", std::to_string(run.state.pulseVelocity), "mm/s");
    row("velocity_uncertainty", ShortestNumber(run.state.velocityUncertainty), "mm/s");
    row("correction_B", ShortestNumber(run.state.sensorCorrection[0]), "s");
    row("correction_B_uncertainty", ShortestNumber(run.state.sensorCorrectionUncertainty[0]), "s");
    row("correction_C", ShortestNumber(run.state.sensorCorrection[1]), "s");
    row("correction_C_uncertainty", ShortestNumber(run.state.sensorCorrectionUncertainty[1]), "s");
  }
  if (run.hasStrike) {
    row("strike_x", ShortestNumber(run.strikeX), "mm");
    row("strike_y", ShortestNumber(run.strikeY), "mm");
  }
  return results;
}

}  // namespace

std::string ExportRunCsv(const fs::path& folder, const TRun& run, std::vector<std::string>* written) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec || !fs::is_directory(folder)) return Said(RunWords::tr("Unable to create the folder %1").arg(PathWords(folder)));
  TFileSet files(folder);
  std::vector<std::string> names;
  auto stage = [&](const char* name, const std::string& text) {
    if (WriteText(files.Stage(name), text)) {
      names.push_back((folder / name).string());
      return std::string();
    }
    return Said(RunWords::tr("Unable to write to %1").arg(PathWords(folder / name)));
  };
  for (int p = 0; p < 2; ++p) {
    if (!run.pairs[p].present) {
      // An older run's file must not stand in for a pair not recorded.
      files.Remove(kRunPairCsvFiles[p]);
      continue;
    }
    if (std::string error = stage(kRunPairCsvFiles[p], PairCsv(run, p)); !error.empty()) return error;
  }
  if (std::string error = stage(kRunResultsCsvName, ResultsCsv(run)); !error.empty()) return error;
  if (std::string error = files.Commit(); !error.empty()) return error;
  if (written) written->insert(written->end(), names.begin(), names.end());
  return {};
}
