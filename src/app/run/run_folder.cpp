#include "app/run/run_folder.h"

#include "app/experiment/numbers.h"
#include "app/experiment/picks/level_pick.h"
#include "app/experiment/picks/pair_pick.h"
#include "app/experiment/pulse_detection.h"
#include "app/experiment/settings_file.h"
#include "app/run/file_set.h"
#include "app/run/pick_words.h"
#include "app/run/run_ini.h"
#include "app/run/run_sound.h"
#include "app/run/run_words.h"
#include "platform/profile_file.h"
#include "platform/wav_file.h"

#include <algorithm>
#include <cstdint>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// No value of a profile file holds this character.
const std::string kAbsent(1, '\x01');

std::string Seconds(double s) { return FixedPoint(s, 2); }

}  // namespace

std::string SaveRunFolder(const fs::path& folder, const TRun& run, const TRunReportWriter& report) {
  std::error_code ec;
  const bool existed = fs::exists(folder / kRunIniName, ec);
  fs::create_directories(folder, ec);
  if (ec || !fs::is_directory(folder)) return Said(RunWords::tr("Unable to create the folder %1").arg(PathWords(folder)));
  const std::string untouched = Said(existed ? RunWords::tr(". The run saved there before is kept as it was.")
                                             : RunWords::tr(". Nothing was saved in the folder."));
  TFileSet files(folder);
  // run.ini last: it is what says that the folder holds a run.
  for (int p = 0; p < 2; ++p) {
    if (!run.pairs[p].present) {
      files.Remove(kRunPairFiles[p]);
    } else if (!WritePairSound(files.Stage(kRunPairFiles[p]), run.pairs[p], run.state.acquisitionRate)) {
      return Said(RunWords::tr("Unable to write to %1").arg(PathWords(folder / kRunPairFiles[p]))) + untouched;
    }
  }
  if (!report) {
    files.Remove(kRunReportName);
  } else if (std::string error = report(files.Stage(kRunReportName)); !error.empty()) {
    return error + untouched;
  }
  if (!WriteRunIni(files.Stage(kRunIniName), run))
    return Said(RunWords::tr("Unable to write to %1").arg(PathWords(folder / kRunIniName))) + untouched;
  if (std::string error = files.Commit(); !error.empty()) return error + untouched;
  return {};
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
    problems.push_back(Said(RunWords::tr("%1: no such folder").arg(PathWords(folder))));
    return problems;
  }

  const fs::path ini = folder / kRunIniName;
  const bool hasIni = fs::is_regular_file(ini, ec);
  if (!hasIni) {
    problems.push_back(Said(RunWords::tr("%1 is missing").arg(QLatin1String(kRunIniName))));
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
      problems.push_back(Said((count == 1 ? RunWords::tr("%1: %2 %3 is missing") : RunWords::tr("%1: %2 %3 are missing"))
                                  .arg(QLatin1String(kRunIniName), QLatin1String(section), QString::fromStdString(keys))));
      run.hasStations = false;
    }
    for (const TUnreadValue& value : notes.unread) {
      if (value.section == "POSICAO" || value.section == "VELOCIDADE") run.hasStations = false;
      problems.push_back(std::string(kRunIniName) + ": " + Said(UnreadValueWords(value)));
    }
    ReadRunResults(ini, run, problems);
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
    const bool timed = run.TimeSet(2 * p) || run.TimeSet(2 * p + 1);
    if (!fs::exists(file, ec)) {
      // A saved run without this pair has no times for it either.
      if (timed || !hasIni)
        problems.push_back(Said(RunWords::tr("%1 is missing: pair %2 is not shown")
                                    .arg(QLatin1String(kRunPairFiles[p]), QLatin1String(kPairLabel[p]))));
      continue;
    }
    std::string problem;
    if (!ReadPairSound(file, wav[p], problem)) {
      problems.push_back(problem);
      continue;
    }
    if (rate != 0 && wav[p].SampleRate != rate) {
      problems.push_back(Said(RunWords::tr("%1: recorded at %2 samples / s, %3 at %4; a run has one rate")
                                  .arg(QLatin1String(kRunPairFiles[p]))
                                  .arg(wav[p].SampleRate)
                                  .arg(QLatin1String(kRunPairFiles[0]))
                                  .arg(rate)));
      continue;
    }
    const int64_t seconds = (static_cast<int64_t>(wav[p].Frames()) + wav[p].SampleRate - 1) / wav[p].SampleRate;
    const QString bound = AcquisitionBoundsWords(
        static_cast<int32_t>(std::min<int64_t>(seconds, kMaxAcquisitionTime + 1)), static_cast<int32_t>(wav[p].SampleRate));
    if (!bound.isEmpty()) {
      problems.push_back(Said(RunWords::tr("%1: %2 s of sound. %3")
                                  .arg(QLatin1String(kRunPairFiles[p]),
                                       QString::fromStdString(Seconds(double(wav[p].Frames()) / wav[p].SampleRate)), bound)));
      continue;
    }
    rate = wav[p].SampleRate;
    loaded[p] = true;
  }

  if (rate != 0) {
    run.state.acquisitionRate = static_cast<int32_t>(rate);
    if (given("TXAQUISICAO", "tx") && iniRate != run.state.acquisitionRate)
      problems.push_back(Said(RunWords::tr("%1: [TXAQUISICAO] tx = %2 differs from the sound files' rate; %3 samples / s is used")
                                  .arg(QLatin1String(kRunIniName))
                                  .arg(iniRate)
                                  .arg(rate)));
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
        problems.push_back(Said(RunWords::tr("%1: [TAQUISICAO] taq = %2 s is shorter than the sound files; blocks of %3 s are used")
                                    .arg(QLatin1String(kRunIniName))
                                    .arg(iniTime)
                                    .arg(time)));
    }
    run.state.acquisitionTime = time;
    const size_t size = static_cast<size_t>(time) * rate;
    for (int p = 0; p < 2; ++p) {
      if (!loaded[p]) continue;
      const size_t n = wav[p].Frames();
      if (n < size)
        problems.push_back(Said(RunWords::tr("%1: %2 s of sound, followed by silence to fill the block of %3 s")
                                    .arg(QLatin1String(kRunPairFiles[p]), QString::fromStdString(Seconds(double(n) / rate)))
                                    .arg(time)));
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
    problems.push_back(Said(RunWords::tr("%1: [TIMES] %2 = %3 s lies outside the block (0 to %4 s)")
                                .arg(QLatin1String(kRunIniName), QLatin1String(RunTimeName(k)),
                                     QString::fromStdString(ShortestNumber(t)))
                                .arg(run.state.acquisitionTime)));
    run.how[k] = TTimeHow::NotSet;
    RunTimeOf(run.state, k) = 0;
  }
  return problems;
}

TTimeReadings TRun::Readings() const {
  TTimeReadings readings;
  for (int k = 0; k < kRunTimeCount; ++k) {
    readings.how[k] = how[k];
    readings.pixelSeconds[k] = pixelSeconds[k];
  }
  for (int p = 0; p < 2; ++p) readings.pickedDelayUncertainty[p] = pickedDelayUncertainty[p];
  return readings;
}

std::vector<std::string> CompleteRunTimes(TRun& run) {
  std::vector<std::string> problems;
  for (int p = 0; p < 2; ++p) {
    const TRunPair& pair = run.pairs[p];
    const bool bothOpen = !run.TimeSet(2 * p) && !run.TimeSet(2 * p + 1);
    if (run.state.pickMethod != TPickMethod::Level && bothOpen && pair.present && !pair.left.empty()) {
      const TPairPick pick = PickPair(run.state.pickMethod, pair.left.data(), pair.right.data(),
                                      static_cast<int>(std::min(pair.left.size(), pair.right.size())),
                                      run.state.acquisitionRate, run.state.detectionLevel / 1000.0);
      if (!pick.ok) {
        problems.push_back(Said(RunWords::tr("No pulse picked on pair %1: %2")
                                    .arg(QLatin1String(kPairLabel[p]), RefusalWords(pick.refusal))));
        continue;
      }
      RunTimeOf(run.state, 2 * p) = pick.leftTime;
      RunTimeOf(run.state, 2 * p + 1) = pick.leftTime + pick.delay;
      run.how[2 * p] = run.how[2 * p + 1] = TTimeHow::Detected;
      run.pickedDelayUncertainty[p] = pick.delayUncertainty;
      continue;
    }
    for (int k = 2 * p; k <= 2 * p + 1; ++k) {
      double time = 0;
      if (run.TimeSet(k) || !DetectRunTime(run, k, time)) continue;
      RunTimeOf(run.state, k) = time;
      run.how[k] = TTimeHow::Detected;
    }
    if (!bothOpen || !run.PairTimed(p)) continue;
    // The first sample at the level, judged: a level the idle noise reaches
    // gives no answer; otherwise the delay is known to the crossings' rise.
    const TPairPick judged = LevelPickPair(pair.left.data(), pair.right.data(),
                                           static_cast<int>(std::min(pair.left.size(), pair.right.size())),
                                           run.state.acquisitionRate, run.state.detectionLevel / 1000.0);
    if (judged.refusal == TPickRefusal::NoiseTriggered || judged.refusal == TPickRefusal::LevelBelowNoise) {
      problems.push_back(Said(RunWords::tr("Pair %1: %2; raise the detection level above the idle noise, or pick by onset or correlation")
                                  .arg(QLatin1String(kPairLabel[p]), RefusalWords(judged.refusal))));
      run.how[2 * p] = run.how[2 * p + 1] = TTimeHow::NotSet;
      continue;
    }
    if (judged.ok) run.pickedDelayUncertainty[p] = judged.delayUncertainty;
  }
  SolveRun(run);
  return problems;
}

void SolveRun(TRun& run, int32_t adjuster) {
  run.answer = TEpicenterAnswer{};
  for (TTimeHow how : run.how)
    if (how == TTimeHow::NotSet) {
      for (int32_t& r : run.state.circleRadius) r = 0;
      return;
    }
  run.answer = AnswerEpicenter(run.state, run.Readings(), run.state.velocityUncertainty);
  ApplyAnswer(run.answer, run.state);
  SetCircleRadii(run.state, adjuster);
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
