// Opens arbitrary run folders as "Open Run" and --analyze do: the input is
// run.ini, optionally followed by a separator line and the bytes of
// pair-AB.wav. Whatever the files hold, loading must not fault, must write
// nothing, and what it keeps must fit the program's bounds: a block of the
// run's rate times its time, times inside the block.

#include "app/run/run_folder.h"
#include "app/experiment/settings_file.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

std::filesystem::path Folder() {
  static const std::filesystem::path folder = [] {
    // In memory where the machine has it.
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    auto dir = base / ("tremora-run-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    static const std::filesystem::path made = dir;
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(made, ec);
    });
    return dir;
  }();
  return folder;
}

void Write(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
}

size_t Entries(const std::filesystem::path& folder) {
  size_t n = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++n;
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path folder = Folder();
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t cut = input.find("\n=====\n");
  Write(folder / kRunIniName, input.substr(0, cut));
  std::error_code ec;
  if (cut == std::string_view::npos)
    std::filesystem::remove(folder / kRunPairFiles[0], ec);
  else
    Write(folder / kRunPairFiles[0], input.substr(cut + 7));
  const size_t before = Entries(folder);

  TExperimentState base;
  SetDefaultSettings(base, folder);
  TRun run;
  (void)LoadRunFolder(folder, base, run);
  if (Entries(folder) != before) std::abort();

  const TExperimentState& s = run.state;
  if (!AcquisitionBoundsError(s.acquisitionTime, s.acquisitionRate).empty()) std::abort();
  if (!PulseVelocityError(s.pulseVelocity).empty()) std::abort();
  for (const TRunPair& pair : run.pairs) {
    if (!pair.present) continue;
    const size_t block = size_t(s.acquisitionRate) * size_t(s.acquisitionTime);
    if (pair.left.size() != block || pair.right.size() != block) std::abort();
    for (size_t i = 0; i < block; ++i)
      if (!std::isfinite(pair.left[i]) || !std::isfinite(pair.right[i])) std::abort();
  }
  for (int k = 0; k < kRunTimeCount; ++k) {
    const double t = RunTimeOf(s, k);
    if (run.how[k] == TTimeHow::NotSet ? t != 0 : !(t >= 0 && t <= s.acquisitionTime)) std::abort();
    double detected = 0;
    if (DetectRunTime(run, k, detected) && !(detected >= 0 && detected <= s.acquisitionTime)) std::abort();
  }
  return 0;
}
