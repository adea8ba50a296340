#include "app/run/run_ini.h"

#include "app/experiment/numbers.h"
#include "app/experiment/settings_file.h"
#include "app/run/run_folder.h"
#include "app/run/run_words.h"
#include "platform/profile_file.h"

namespace fs = std::filesystem;

namespace {
// No value of a profile file holds this character.
const std::string kAbsent(1, '\x01');
}  // namespace

bool WriteRunIni(const fs::path& file, const TRun& run) {
  try {
    SaveSettingsTo(file, run.state);
  } catch (const ESettingsWriteError&) {
    return false;
  }
  bool ok = true;
  auto write = [&](const char* section, const std::string& key, const std::string& value) {
    if (ok && profile::WriteString(file, section, key, value)) ok = false;
  };
  for (int k = 0; k < kRunTimeCount; ++k) {
    if (!run.TimeSet(k)) continue;
    write("TIMES", RunTimeName(k), ShortestNumber(RunTimeOf(run.state, k)));
    write("TIMES", std::string(RunTimeName(k)) + "_how", TimeHowName(run.how[k]));
    if (run.how[k] == TTimeHow::Dragged && run.pixelSeconds[k] > 0)
      write("TIMES", std::string(RunTimeName(k)) + "_pixel", ShortestNumber(run.pixelSeconds[k]));
  }
  for (int p = 0; p < 2; ++p)
    if (run.pickedDelayUncertainty[p] > 0)
      write("TIMES", std::string("delay_") + (p == 0 ? "AB" : "AC") + "_uncertainty",
            ShortestNumber(run.pickedDelayUncertainty[p]));
  const TEpicenterAnswer& a = run.answer;
  if (a.ran) {
    write("INCREMENTS", "A", std::to_string(a.increments[stA]));
    write("INCREMENTS", "B", std::to_string(a.increments[stB]));
    write("INCREMENTS", "C", std::to_string(a.increments[stC]));
  }
  if (a.Solved()) {
    write("EPICENTER", "x", ShortestNumber(a.point.x));
    write("EPICENTER", "y", ShortestNumber(a.point.y));
    if (a.hasOther) {
      write("EPICENTER", "other_x", ShortestNumber(a.otherX));
      write("EPICENTER", "other_y", ShortestNumber(a.otherY));
    }
    if (a.Fits()) {
      write("EPICENTER", "uncertainty", ShortestNumber(a.uncertainty));
      write("EPICENTER", "spread", ShortestNumber(a.spread));
    }
  }
  if (run.hasStrike) {
    write("STRIKE", "x", ShortestNumber(run.strikeX));
    write("STRIKE", "y", ShortestNumber(run.strikeY));
  }
  write("PROGRAM", "version", run.version);
  write("PROGRAM", "date", run.date);
  return ok;
}

void ReadRunResults(const fs::path& file, TRun& run, std::vector<std::string>& problems) {
  auto text = [&](const char* section, const std::string& key) {
    return profile::ReadString(file, section, key, kAbsent);
  };
  auto number = [&](const char* section, const std::string& key, double& value) {
    const std::string t = text(section, key);
    if (t == kAbsent) return false;
    if (ParseNumber(t, value)) return true;
    problems.push_back(Said(RunWords::tr("%1: [%2] %3 = '%4' is not a number")
                                .arg(QLatin1String(kRunIniName), QLatin1String(section), QString::fromStdString(key),
                                     QString::fromStdString(t))));
    return false;
  };
  for (int k = 0; k < kRunTimeCount; ++k) {
    double t = 0;
    if (!number("TIMES", RunTimeName(k), t)) continue;
    const std::string how = text("TIMES", std::string(RunTimeName(k)) + "_how");
    if (how == kAbsent || how == "dragged") {
      // A time given by hand is taken as it stands.
      run.how[k] = TTimeHow::Dragged;
    } else if (how == "detected") {
      run.how[k] = TTimeHow::Detected;
    } else {
      problems.push_back(Said(RunWords::tr("%1: [TIMES] %2_how = '%3' is neither detected nor dragged; the time is taken as dragged")
                                  .arg(QLatin1String(kRunIniName), QLatin1String(RunTimeName(k)), QString::fromStdString(how))));
      run.how[k] = TTimeHow::Dragged;
    }
    RunTimeOf(run.state, k) = t;
    double pixel = 0;
    if (run.how[k] == TTimeHow::Dragged && number("TIMES", std::string(RunTimeName(k)) + "_pixel", pixel) && pixel > 0)
      run.pixelSeconds[k] = pixel;
  }
  for (int p = 0; p < 2; ++p) {
    double u = 0;
    if (number("TIMES", std::string("delay_") + (p == 0 ? "AB" : "AC") + "_uncertainty", u) && u > 0)
      run.pickedDelayUncertainty[p] = u;
  }
  TEpicenterAnswer& a = run.answer;
  int found = 0;
  for (int k = stA; k <= stC; ++k) {
    static const char* const names[] = {"A", "B", "C"};
    const std::string t = text("INCREMENTS", names[k]);
    int32_t value = 0;
    if (t != kAbsent && profile::ParseInt(t, value)) {
      a.increments[k] = value;
      ++found;
    }
  }
  a.ran = found == 3;
  if (a.ran)
    for (int k = stA; k <= stC; ++k) run.state.radiusIncrement[k] = a.increments[k];
  double x = 0, y = 0, v = 0;
  if (number("EPICENTER", "x", x) && number("EPICENTER", "y", y)) {
    a.ran = true;
    a.point.outcome = TSolveOutcome::Accepted;
    a.point.x = run.state.epicenterX = x;
    a.point.y = run.state.epicenterY = y;
    if (number("EPICENTER", "other_x", x) && number("EPICENTER", "other_y", y)) {
      a.hasOther = true;
      a.otherX = x;
      a.otherY = y;
    }
    if (number("EPICENTER", "uncertainty", v) && v >= 0) a.uncertainty = v;
    if (number("EPICENTER", "spread", v) && v >= 0) a.spread = v;
  }
  if (number("STRIKE", "x", x) && number("STRIKE", "y", y)) {
    run.hasStrike = true;
    run.strikeX = x;
    run.strikeY = y;
  }
  if (const std::string t = text("PROGRAM", "version"); t != kAbsent) run.version = t;
  if (const std::string t = text("PROGRAM", "date"); t != kAbsent) run.date = t;
}
