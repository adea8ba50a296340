// A save killed at any moment: a child saves the settings in a loop with
// changing values and is killed with SIGKILL at random moments; after every
// kill config.ini reads back whole, each key old or new, and the next save
// goes through.

#include "app/experiment/settings_file.h"
#include "platform/profile_file.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// Every saved key holds a value made from one generation number.
TExperimentState Generation(int32_t n) {
  TExperimentState state;
  for (int s = 0; s < kStationCount; ++s) {
    state.stationX[s] = n * 10 + s;
    state.stationY[s] = n * 10 + 5 + s;
  }
  state.pulseVelocity = n;
  state.acquisitionTime = n + 1;
  state.acquisitionRate = n + 2;
  state.detectionLevel = n + 3;
  state.dataShowMode = n + 4;
  state.imageFileName = "/lab/map-" + std::to_string(n) + ".jpg";
  return state;
}

// The generation each key of the file holds; fails when a key is missing
// or holds a value no save wrote.
std::vector<int32_t> GenerationsInFile(const std::filesystem::path& file) {
  std::vector<int32_t> found;
  auto read = [&](const char* section, const char* key, int32_t offset, int32_t scale = 1) {
    const std::string text = profile::ReadString(file, section, key, "<missing>");
    int32_t value = 0;
    EXPECT_TRUE(profile::ParseInt(text, value)) << section << "/" << key << " = " << text;
    EXPECT_EQ((value - offset) % scale, 0) << section << "/" << key << " = " << text;
    found.push_back((value - offset) / scale);
  };
  const char* xs[] = {"xA", "xB", "xC"};
  const char* ys[] = {"yA", "yB", "yC"};
  for (int s = 0; s < kStationCount; ++s) {
    read("POSICAO", xs[s], s, 10);
    read("POSICAO", ys[s], 5 + s, 10);
  }
  read("VELOCIDADE", "vel", 0);
  read("TAQUISICAO", "taq", 1);
  read("TXAQUISICAO", "tx", 2);
  read("LEVELDETECTION", "level_detec", 3);
  read("DATASHOWMODE", "mode", 4);
  const std::string image = profile::ReadString(file, "IMGFILE", "imgfilename", "<missing>");
  int32_t n = -1;
  EXPECT_EQ(std::sscanf(image.c_str(), "/lab/map-%d.jpg", &n), 1) << image;
  found.push_back(n);
  return found;
}

TEST(SettingsKilledDuringSave, EveryKeyIsOldOrNewAndTheNextSaveWorks) {
  testsupport::TempDir dir;
  testsupport::ScopedWorkingDir cwd(dir.path());
  const auto file = dir / "config.ini";
  int32_t generation = 1;
  SaveSettings(Generation(generation));

  std::mt19937 random(20261209);
  int landedMidSave = 0;
  const int kills = 300;
  for (int round = 0; round < kills; ++round) {
    const int32_t first = generation + 1;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int32_t n = first;; ++n) SaveSettings(Generation(n));
    }
    // Anywhere from before the first save to several saves in.
    std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(0, 20000)(random)));
    ASSERT_EQ(::kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child ended by itself";

    const std::vector<int32_t> seen = GenerationsInFile(file);
    if (::testing::Test::HasFailure()) FAIL() << "round " << round << ":\n" << testsupport::ReadFile(file);
    const auto [low, high] = std::minmax_element(seen.begin(), seen.end());
    ASSERT_LE(*high - *low, 1) << "round " << round << ": keys from saves far apart";
    ASSERT_GE(*low, generation) << "round " << round << ": a key went back to an older save";
    landedMidSave += *high != *low;

    // A save after the kill goes through, whatever the killed one left.
    generation = *high + 1;
    ASSERT_NO_THROW(SaveSettings(Generation(generation)));
    const std::vector<int32_t> after = GenerationsInFile(file);
    ASSERT_TRUE(std::all_of(after.begin(), after.end(), [&](int32_t n) { return n == generation; }));
  }
  // Temporary files of killed saves were cleared by the saves after them.
  std::size_t leftovers = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
    leftovers += entry.path().filename() != "config.ini";
  EXPECT_EQ(leftovers, 0u);
  std::printf("%d kills, %d inside a save\n", kills, landedMidSave);
}

}  // namespace
