#include "app/run/run_folder.h"

#include "app/experiment/epicenter_solver.h"
#include "app/experiment/pulse_detection.h"
#include "app/experiment/settings_file.h"
#include "platform/profile_file.h"
#include "platform/wav_file.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

const char* const kPairNames[2] = {"A+B", "A+C"};
const char* const kRightSensor[2] = {"B", "C"};

// No value of a profile file holds this character.
const std::string kAbsent(1, '\x01');

bool ParseNumber(const std::string& text, double& value) {
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  return first != last && ec == std::errc() && ptr == last && std::isfinite(value);
}

std::string Seconds(double s) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", s);
  // The C library may use the machine's decimal comma.
  for (char& c : buf)
    if (c == ',') c = '.';
  return buf;
}

// Written under a temporary name and renamed at the end, so that a folder
// never holds half a file under its real name.
fs::path PartName(const fs::path& file) { return fs::path(file.string() + ".part"); }

std::string Commit(const fs::path& part, const fs::path& file) {
  std::error_code ec;
  fs::rename(part, file, ec);
  if (!ec) return {};
  fs::remove(part, ec);
  return "Unable to write to " + file.string();
}

std::string SaveRunIni(const fs::path& file, const TRun& run) {
  const fs::path part = PartName(file);
  std::error_code ec;
  fs::remove(part, ec);
  try {
    SaveSettingsTo(part, run.state);
  } catch (const ESettingsWriteError&) {
    fs::remove(part, ec);
    return "Unable to write to " + file.string();
  }
  bool ok = true;
  auto write = [&](const char* section, const std::string& key, const std::string& value) {
    if (ok && profile::WriteString(part, section, key, value)) ok = false;
  };
  for (int k = 0; k < kRunTimeCount; ++k) {
    if (run.how[k] == TTimeHow::NotSet) continue;
    write("TIMES", RunTimeName(k), RunNumber(RunTimeOf(run.state, k)));
    write("TIMES", std::string(RunTimeName(k)) + "_how", TimeHowName(run.how[k]));
  }
  if (run.hasIncrements) {
    write("INCREMENTS", "A", std::to_string(run.state.radiusIncrement[stA]));
    write("INCREMENTS", "B", std::to_string(run.state.radiusIncrement[stB]));
    write("INCREMENTS", "C", std::to_string(run.state.radiusIncrement[stC]));
  }
  if (run.solved) {
    write("EPICENTER", "x", RunNumber(run.state.epicenterX));
    write("EPICENTER", "y", RunNumber(run.state.epicenterY));
    if (run.hasOther) {
      write("EPICENTER", "other_x", RunNumber(run.otherX));
      write("EPICENTER", "other_y", RunNumber(run.otherY));
    }
    if (std::isfinite(run.uncertainty)) write("EPICENTER", "uncertainty", RunNumber(run.uncertainty));
  }
  if (run.hasStrike) {
    write("STRIKE", "x", RunNumber(run.strikeX));
    write("STRIKE", "y", RunNumber(run.strikeY));
  }
  write("PROGRAM", "version", run.version);
  write("PROGRAM", "date", run.date);
  if (!ok) {
    fs::remove(part, ec);
    return "Unable to write to " + file.string();
  }
  return Commit(part, file);
}

std::string SavePair(const fs::path& file, const TRunPair& pair, int32_t rate) {
  std::error_code ec;
  if (!pair.present) {
    // A pair not recorded in this run: an older run's file must not stand
    // in for it.
    fs::remove(file, ec);
    return ec ? "Unable to remove " + file.string() : std::string();
  }
  TWavData wav;
  wav.Channels = 2;
  wav.SampleRate = static_cast<uint32_t>(rate);
  const size_t n = std::min(pair.left.size(), pair.right.size());
  wav.Samples.resize(2 * n);
  for (size_t i = 0; i < n; ++i) {
    // Captured as 16 bits, scaled by 1/32768: exact as float and back.
    wav.Samples[2 * i] = static_cast<float>(pair.left[i]);
    wav.Samples[2 * i + 1] = static_cast<float>(pair.right[i]);
  }
  const fs::path part = PartName(file);
  if (!WriteWavFile16(part.string(), wav)) {
    fs::remove(part, ec);
    return "Unable to write to " + file.string();
  }
  return Commit(part, file);
}

// The results sections of run.ini.
void ReadResults(const fs::path& file, TRun& run, std::vector<std::string>& problems) {
  auto text = [&](const char* section, const std::string& key) {
    return profile::ReadString(file, section, key, kAbsent);
  };
  auto number = [&](const char* section, const std::string& key, double& value) {
    const std::string t = text(section, key);
    if (t == kAbsent) return false;
    if (ParseNumber(t, value)) return true;
    problems.push_back(std::string(kRunIniName) + ": [" + section + "] " + key + " = '" + t + "' is not a number");
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
      problems.push_back(std::string(kRunIniName) + ": [TIMES] " + RunTimeName(k) + "_how = '" + how +
                         "' is neither detected nor dragged; the time is taken as dragged");
      run.how[k] = TTimeHow::Dragged;
    }
    RunTimeOf(run.state, k) = t;
  }
  double v = 0;
  int found = 0;
  for (int k = stA; k <= stC; ++k) {
    static const char* const names[] = {"A", "B", "C"};
    const std::string t = text("INCREMENTS", names[k]);
    int32_t value = 0;
    if (t != kAbsent && profile::ParseInt(t, value)) {
      run.state.radiusIncrement[k] = value;
      ++found;
    }
  }
  run.hasIncrements = found == 3;
  double x = 0, y = 0;
  if (number("EPICENTER", "x", x) && number("EPICENTER", "y", y)) {
    run.solved = true;
    run.state.epicenterX = x;
    run.state.epicenterY = y;
    if (number("EPICENTER", "other_x", x) && number("EPICENTER", "other_y", y)) {
      run.hasOther = true;
      run.otherX = x;
      run.otherY = y;
    }
    if (number("EPICENTER", "uncertainty", v) && v >= 0) run.uncertainty = v;
  }
  if (number("STRIKE", "x", x) && number("STRIKE", "y", y)) {
    run.hasStrike = true;
    run.strikeX = x;
    run.strikeY = y;
  }
  if (const std::string t = text("PROGRAM", "version"); t != kAbsent) run.version = t;
  if (const std::string t = text("PROGRAM", "date"); t != kAbsent) run.date = t;
}

// One pair's file: false (with the message) when it cannot be used.
bool ReadPair(const fs::path& file, TWavData& wav, std::string& problem) {
  const std::string name = file.filename().string();
  std::string error;
  if (!ReadWavFile(file.string(), wav, &error)) {
    // The reader's messages name the file already.
    problem = error.empty() ? name + ": not a WAVE sound file" : error;
    return false;
  }
  if (wav.Channels != 2) {
    problem = name + ": " + (wav.Channels == 1 ? std::string("mono") : std::to_string(wav.Channels) + " channels") +
              "; a pair is recorded in stereo (left sensor A, right the other sensor)";
    return false;
  }
  if (const std::string bound = AcquisitionBoundsError(kMinAcquisitionTime, static_cast<int32_t>(
                                                           std::min<uint32_t>(wav.SampleRate, INT32_MAX)));
      !bound.empty()) {
    problem = name + ": recorded at " + std::to_string(wav.SampleRate) + " samples / s. " + bound;
    return false;
  }
  for (float v : wav.Samples)
    if (!std::isfinite(v)) {
      problem = name + ": holds samples that are not numbers";
      return false;
    }
  if (wav.Frames() == 0) {
    problem = name + ": holds no sound";
    return false;
  }
  return true;
}

}  // namespace

double& RunTimeOf(TExperimentState& state, int which) {
  switch (which) {
    case rtA_AB: return state.timeA_AB;
    case rtB: return state.timeB;
    case rtA_AC: return state.timeA_AC;
    default: return state.timeC;
  }
}

double RunTimeOf(const TExperimentState& state, int which) {
  return RunTimeOf(const_cast<TExperimentState&>(state), which);
}

const char* RunTimeName(int which) {
  static const char* const names[] = {"A_AB", "B", "A_AC", "C"};
  return names[std::clamp(which, 0, kRunTimeCount - 1)];
}

const char* TimeHowName(TTimeHow how) {
  switch (how) {
    case TTimeHow::Detected: return "detected";
    case TTimeHow::Dragged: return "dragged";
    default: return "";
  }
}

std::string RunNumber(double value) {
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, result.ptr);
}

std::string SaveRunFolder(const fs::path& folder, const TRun& run) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec || !fs::is_directory(folder)) return "Unable to create the folder " + folder.string();
  for (int p = 0; p < 2; ++p)
    if (std::string error = SavePair(folder / kRunPairFiles[p], run.pairs[p], run.state.acquisitionRate);
        !error.empty())
      return error;
  return SaveRunIni(folder / kRunIniName, run);
}

std::vector<std::string> LoadRunFolder(const fs::path& folder, const TExperimentState& base, TRun& run) {
  std::vector<std::string> problems;
  run = TRun{};
  run.state = base;
  for (int k = 0; k < kRunTimeCount; ++k) RunTimeOf(run.state, k) = 0;
  for (int32_t& r : run.state.radiusIncrement) r = 0;
  run.state.epicenterX = run.state.epicenterY = 0;
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) {
    problems.push_back(folder.string() + ": no such folder");
    return problems;
  }

  const fs::path ini = folder / kRunIniName;
  const bool hasIni = fs::is_regular_file(ini, ec);
  if (!hasIni) {
    problems.push_back(std::string(kRunIniName) + " is missing");
  } else {
    TSettingsNotes notes;
    ReadSettingsOver(ini, run.state, &notes);
    // The stations and the velocity are what the run cannot do without; the
    // rest has the settings in force or the sound files to go by.
    run.hasStations = true;
    for (const char* section : {"[POSICAO]", "[VELOCIDADE]"}) {
      std::string keys;
      int count = 0;
      for (const std::string& m : notes.missing)
        if (m.rfind(section, 0) == 0) {
          // "[POSICAO] xB is missing": the key's name.
          const size_t from = std::char_traits<char>::length(section) + 1;
          keys += (count++ ? ", " : "") + m.substr(from, m.find(' ', from) - from);
        }
      if (count == 0) continue;
      problems.push_back(std::string(kRunIniName) + ": " + section + " " + keys + (count == 1 ? " is" : " are") +
                         " missing");
      run.hasStations = false;
    }
    for (const std::string& d : notes.damaged) {
      if (d.rfind("[POSICAO]", 0) == 0 || d.rfind("[VELOCIDADE]", 0) == 0) run.hasStations = false;
      problems.push_back(std::string(kRunIniName) + ": " + d);
    }
    ReadResults(ini, run, problems);
  }
  const int32_t iniTime = run.state.acquisitionTime;
  const int32_t iniRate = run.state.acquisitionRate;
  auto given = [&](const char* section, const char* key) {
    return hasIni && profile::ReadString(ini, section, key, kAbsent) != kAbsent;
  };

  // The sound files; the first one read gives the rate.
  TWavData wav[2];
  bool loaded[2] = {};
  uint32_t rate = 0;
  for (int p = 0; p < 2; ++p) {
    const fs::path file = folder / kRunPairFiles[p];
    const bool timed = run.how[2 * p] != TTimeHow::NotSet || run.how[2 * p + 1] != TTimeHow::NotSet;
    if (!fs::exists(file, ec)) {
      // A saved run without this pair has no times for it either.
      if (timed || !hasIni)
        problems.push_back(std::string(kRunPairFiles[p]) + " is missing: pair " + kPairNames[p] + " is not shown");
      continue;
    }
    std::string problem;
    if (!ReadPair(file, wav[p], problem)) {
      problems.push_back(problem);
      continue;
    }
    if (rate != 0 && wav[p].SampleRate != rate) {
      problems.push_back(std::string(kRunPairFiles[p]) + ": recorded at " + std::to_string(wav[p].SampleRate) +
                         " samples / s, " + kRunPairFiles[0] + " at " + std::to_string(rate) +
                         "; a run has one rate");
      continue;
    }
    const int64_t seconds = (static_cast<int64_t>(wav[p].Frames()) + wav[p].SampleRate - 1) / wav[p].SampleRate;
    const std::string bound = AcquisitionBoundsError(
        static_cast<int32_t>(std::min<int64_t>(seconds, kMaxAcquisitionTime + 1)), static_cast<int32_t>(wav[p].SampleRate));
    if (!bound.empty()) {
      problems.push_back(std::string(kRunPairFiles[p]) + ": " + Seconds(double(wav[p].Frames()) / wav[p].SampleRate) +
                         " s of sound. " + bound);
      continue;
    }
    rate = wav[p].SampleRate;
    loaded[p] = true;
  }

  if (rate != 0) {
    run.state.acquisitionRate = static_cast<int32_t>(rate);
    if (given("TXAQUISICAO", "tx") && iniRate != run.state.acquisitionRate)
      problems.push_back(std::string(kRunIniName) + ": [TXAQUISICAO] tx = " + std::to_string(iniRate) +
                         " differs from the sound files' rate; " + std::to_string(rate) + " samples / s is used");
    // The block spans whole seconds, as the capture makes it.
    size_t frames = 0;
    for (int p = 0; p < 2; ++p)
      if (loaded[p]) frames = std::max(frames, wav[p].Frames());
    // A file cut short is filled up to run.ini's block; a longer one, or
    // one without the block in run.ini, takes the whole seconds it spans.
    const size_t block = static_cast<size_t>(iniTime) * rate;
    const bool timeGiven = given("TAQUISICAO", "taq");
    int32_t time = iniTime;
    if (frames > block || (!timeGiven && frames != block)) {
      time = static_cast<int32_t>((frames + rate - 1) / rate);
      if (timeGiven)
        problems.push_back(std::string(kRunIniName) + ": [TAQUISICAO] taq = " + std::to_string(iniTime) +
                           " s is shorter than the sound files; blocks of " + std::to_string(time) + " s are used");
    }
    run.state.acquisitionTime = time;
    const size_t size = static_cast<size_t>(time) * rate;
    for (int p = 0; p < 2; ++p) {
      if (!loaded[p]) continue;
      const size_t n = wav[p].Frames();
      if (n < size)
        problems.push_back(std::string(kRunPairFiles[p]) + ": " + Seconds(double(n) / rate) +
                           " s of sound, followed by silence to fill the block of " + std::to_string(time) + " s");
      TRunPair& pair = run.pairs[p];
      pair.present = true;
      pair.left.assign(size, 0.0);
      pair.right.assign(size, 0.0);
      for (size_t i = 0; i < n; ++i) {
        pair.left[i] = wav[p].Samples[2 * i];
        pair.right[i] = wav[p].Samples[2 * i + 1];
      }
    }
  }

  // Times that lie outside the block are not kept.
  for (int k = 0; k < kRunTimeCount; ++k) {
    const double t = RunTimeOf(run.state, k);
    if (run.how[k] == TTimeHow::NotSet || (t >= 0 && t <= run.state.acquisitionTime)) continue;
    problems.push_back(std::string(kRunIniName) + ": [TIMES] " + RunTimeName(k) + " = " + RunNumber(t) +
                       " s lies outside the block (0 to " + std::to_string(run.state.acquisitionTime) + " s)");
    run.how[k] = TTimeHow::NotSet;
    RunTimeOf(run.state, k) = 0;
  }
  return problems;
}

void SolveRun(TRun& run) {
  run.hasIncrements = run.solved = run.hasOther = false;
  run.uncertainty = INFINITY;
  for (TTimeHow how : run.how)
    if (how == TTimeHow::NotSet) return;
  TExperimentState solved = run.state;
  const TSolveResult result = SolveEpicenter(solved);
  run.hasIncrements = true;
  for (int k = stA; k <= stC; ++k) run.state.radiusIncrement[k] = solved.radiusIncrement[k];
  if (result.outcome != TSolveOutcome::Accepted) return;
  run.solved = true;
  run.state.epicenterX = result.x;
  run.state.epicenterY = result.y;
  run.hasOther = FindOtherEpicenter(solved, result.x, result.y, run.otherX, run.otherY);
  if (solved.acquisitionRate > 0)
    run.uncertainty = EpicenterUncertainty(solved, result.x, result.y, 1.0 / solved.acquisitionRate).radius;
}

bool DetectRunTime(const TRun& run, int which, double& time) {
  const TRunPair& pair = run.pairs[which / 2];
  if (!pair.present || pair.left.empty()) return false;
  const std::vector<double>& data = which % 2 == 0 ? pair.left : pair.right;
  const int size = static_cast<int>(data.size());
  const int index = FirstPulseSample(data.data(), size, run.state.detectionLevel / 1000.0);
  if (index >= size) return false;
  time = PulseSampleTime(index, size, run.state.acquisitionTime);
  return true;
}

std::string ExportRunCsv(const fs::path& folder, const TRun& run, std::vector<std::string>* written) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec || !fs::is_directory(folder)) return "Unable to create the folder " + folder.string();
  auto save = [&](const char* name, const std::string& text) -> std::string {
    const fs::path file = folder / name;
    const fs::path part = PartName(file);
    {
      std::ofstream out(part, std::ios::binary | std::ios::trunc);
      out << text;
      out.flush();
      if (!out) {
        out.close();
        fs::remove(part, ec);
        return "Unable to write to " + file.string();
      }
    }
    if (std::string error = Commit(part, file); !error.empty()) return error;
    if (written) written->push_back(file.string());
    return {};
  };
  for (int p = 0; p < 2; ++p) {
    const TRunPair& pair = run.pairs[p];
    if (!pair.present) continue;
    std::string text = std::string("time_s,A,") + kRightSensor[p] + "\n";
    const int size = static_cast<int>(std::min(pair.left.size(), pair.right.size()));
    text.reserve(static_cast<size_t>(size) * 32);
    for (int i = 0; i < size; ++i)
      text += RunNumber(PulseSampleTime(i, size, run.state.acquisitionTime)) + "," + RunNumber(pair.left[i]) + "," +
              RunNumber(pair.right[i]) + "\n";
    if (std::string error = save(kRunPairCsvFiles[p], text); !error.empty()) return error;
  }
  std::string results = "quantity,value,unit\n";
  auto row = [&](const std::string& name, const std::string& value, const char* unit) {
    results += name + "," + value + "," + unit + "\n";
  };
  for (int k = 0; k < kRunTimeCount; ++k) {
    if (run.how[k] == TTimeHow::NotSet) continue;
    row(std::string("time_") + RunTimeName(k), RunNumber(RunTimeOf(run.state, k)), "s");
    row(std::string("time_") + RunTimeName(k) + "_how", TimeHowName(run.how[k]), "");
  }
  if (run.hasIncrements) {
    row("increment_A", std::to_string(run.state.radiusIncrement[stA]), "mm");
    row("increment_B", std::to_string(run.state.radiusIncrement[stB]), "mm");
    row("increment_C", std::to_string(run.state.radiusIncrement[stC]), "mm");
  }
  if (run.solved) {
    row("epicenter_x", RunNumber(run.state.epicenterX), "mm");
    row("epicenter_y", RunNumber(run.state.epicenterY), "mm");
    if (run.hasOther) {
      row("other_x", RunNumber(run.otherX), "mm");
      row("other_y", RunNumber(run.otherY), "mm");
    }
    if (std::isfinite(run.uncertainty)) row("uncertainty", RunNumber(run.uncertainty), "mm");
  }
  if (run.hasStrike) {
    row("strike_x", RunNumber(run.strikeX), "mm");
    row("strike_y", RunNumber(run.strikeY), "mm");
  }
  return save(kRunResultsCsvName, results);
}
