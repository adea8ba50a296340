#include "app/experiment/settings_file.h"

#include <gtest/gtest.h>

#include "platform/profile_file.h"
#include "support/test_support.h"

using testsupport::ReadFile;
using testsupport::ScopedWorkingDir;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

class SettingsFile : public ::testing::Test {
protected:
  TempDir dir;
  ScopedWorkingDir cwd{dir.path()};
  std::filesystem::path ini = std::filesystem::current_path() / "config.ini";

  static TExperimentState Sample() {
    TExperimentState s;
    s.stationX[stA] = 200; s.stationX[stB] = 900; s.stationX[stC] = 600;
    s.stationY[stA] = 300; s.stationY[stB] = 200; s.stationY[stC] = 800;
    s.imageFileName = "/maps/campus.jpg";
    s.pulseVelocity = 150000;
    s.acquisitionTime = 20;
    s.acquisitionRate = 44100;
    s.detectionLevel = 15;
    return s;
  }

  static std::vector<std::string> Sections(const std::string& text) {
    std::vector<std::string> out;
    std::size_t pos = 0;
    while ((pos = text.find('[', pos)) != std::string::npos) {
      auto end = text.find(']', pos);
      out.push_back(text.substr(pos + 1, end - pos - 1));
      pos = end;
    }
    return out;
  }
};

TEST_F(SettingsFile, FirstRunWithoutFileGivesTheDefaults) {
  TExperimentState s;
  s.stationX[stB] = 555;  // must be overwritten by the default
  LoadSettings(s);
  EXPECT_EQ(s.stationX[stA], 0);
  EXPECT_EQ(s.stationX[stB], 20);
  EXPECT_EQ(s.stationX[stC], 40);
  EXPECT_EQ(s.stationY[stA], 0);
  EXPECT_EQ(s.stationY[stB], 0);
  EXPECT_EQ(s.stationY[stC], 0);
  EXPECT_EQ(s.mapWidth, 1400);
  EXPECT_EQ(s.mapHeight, 1000);
  EXPECT_EQ(s.pulseVelocity, 120000);
  EXPECT_EQ(s.acquisitionTime, 5);
  EXPECT_EQ(s.acquisitionRate, 8000);
  EXPECT_EQ(s.detectionLevel, 10);
  EXPECT_EQ(s.imageFileName, (std::filesystem::current_path() / "default.jpg").string());
  EXPECT_FALSE(std::filesystem::exists(ini)) << "loading must not create the file";
}

TEST_F(SettingsFile, HexadecimalAndGarbageValues) {
  WriteFile(ini, "[POSICAO]\nxA=0x10\nxB=12abc\nyC=-7\n[VELOCIDADE]\nvel=fast\n[TXAQUISICAO]\ntx=0X2B11\n");
  TExperimentState s;
  LoadSettings(s);
  EXPECT_EQ(s.stationX[stA], 16);
  EXPECT_EQ(s.stationX[stB], 20);  // default
  EXPECT_EQ(s.stationY[stC], -7);
  EXPECT_EQ(s.pulseVelocity, 120000);
  EXPECT_EQ(s.acquisitionRate, 11025);
}

TEST_F(SettingsFile, ValuesBeyondTheirBoundsGiveTheDefaults) {
  const struct {
    const char* file;
    int32_t time, rate;
  } cases[] = {
      {"[TAQUISICAO]\ntaq=7000\n[TXAQUISICAO]\ntx=44100\n", 5, 44100},
      {"[TAQUISICAO]\ntaq=-3\n[TXAQUISICAO]\ntx=999\n", 5, 8000},
      {"[TAQUISICAO]\ntaq=60\n[TXAQUISICAO]\ntx=96000\n", 5, 96000},  // only the product too large
      {"[TAQUISICAO]\ntaq=30\n[TXAQUISICAO]\ntx=44100\n", 30, 44100},
  };
  for (const auto& c : cases) {
    WriteFile(ini, c.file);
    TExperimentState s;
    LoadSettings(s);
    EXPECT_EQ(s.acquisitionTime, c.time) << c.file;
    EXPECT_EQ(s.acquisitionRate, c.rate) << c.file;
  }
  // A velocity no pulse travels at is the default too; the bounds themselves are taken.
  const struct {
    const char* file;
    int32_t velocity;
  } velocities[] = {{"[VELOCIDADE]\nvel=0\n", 120000},   {"[VELOCIDADE]\nvel=-120000\n", 120000},
                    {"[VELOCIDADE]\nvel=99\n", 120000},  {"[VELOCIDADE]\nvel=10000001\n", 120000},
                    {"[VELOCIDADE]\nvel=100\n", 100},    {"[VELOCIDADE]\nvel=10000000\n", 10000000}};
  for (const auto& c : velocities) {
    WriteFile(ini, c.file);
    TExperimentState s;
    LoadSettings(s);
    EXPECT_EQ(s.pulseVelocity, c.velocity) << c.file;
  }
}

TEST_F(SettingsFile, SaveWritesTheSevenSectionsAndNoMapSection) {
  SaveSettings(Sample());
  const std::string text = ReadFile(ini);
  EXPECT_EQ(Sections(text), (std::vector<std::string>{"POSICAO", "IMGFILE", "VELOCIDADE", "TAQUISICAO",
                                                     "TXAQUISICAO", "LEVELDETECTION", "DATASHOWMODE"}));
  EXPECT_EQ(profile::ReadString(ini, "DATASHOWMODE", "mode", "?"), "0");
  EXPECT_NE(text.find("[POSICAO]\r\nxA=200\r\nxB=900\r\nxC=600\r\nyA=300\r\nyB=200\r\nyC=800\r\n"),
            std::string::npos);

  TExperimentState back;
  LoadSettings(back);
  TExperimentState expected = Sample();
  for (int k = 0; k < kStationCount; ++k) {
    EXPECT_EQ(back.stationX[k], expected.stationX[k]);
    EXPECT_EQ(back.stationY[k], expected.stationY[k]);
  }
  EXPECT_EQ(back.imageFileName, expected.imageFileName);
  EXPECT_EQ(back.pulseVelocity, expected.pulseVelocity);
  EXPECT_EQ(back.acquisitionTime, expected.acquisitionTime);
  EXPECT_EQ(back.acquisitionRate, expected.acquisitionRate);
  EXPECT_EQ(back.detectionLevel, expected.detectionLevel);
}

TEST_F(SettingsFile, SaveKeepsUnknownKeysCommentsAndTheMapSection) {
  WriteFile(ini, "; lab 3\r\n[MAPA]\r\nmapax=2800\r\n[POSICAO]\r\nxA=1\r\nlabel=north\r\n");
  SaveSettings(Sample());
  const std::string text = ReadFile(ini);
  EXPECT_EQ(text.rfind("; lab 3\r\n[MAPA]\r\nmapax=2800\r\n[POSICAO]\r\nxA=200\r\nlabel=north\r\nxB=900", 0), 0u)
      << text;
  TExperimentState s;
  LoadSettings(s);
  EXPECT_EQ(s.mapWidth, 2800);
}

TEST_F(SettingsFile, UnwritableFileRaisesWithThePath) {
  std::filesystem::create_directory(ini);  // cannot be replaced, even by root
  try {
    SaveSettings(Sample());
    FAIL() << "save must fail";
  } catch (const ESettingsWriteError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + ini.string());
  }
}

TEST_F(SettingsFile, FailureStopsTheSaveAndKeepsEarlierKeys) {
  WriteFile(ini, "[TAQUISICAO]\r\ntaq=9\r\n");
  TExperimentState s = Sample();
  s.imageFileName = "two\nlines.jpg";  // cannot be stored in the file
  EXPECT_THROW(SaveSettings(s), ESettingsWriteError);
  EXPECT_EQ(profile::ReadInt(ini, "POSICAO", "yC", -1), 800);        // written before
  EXPECT_EQ(profile::ReadInt(ini, "TAQUISICAO", "taq", -1), 9);      // not reached
  EXPECT_EQ(profile::ReadInt(ini, "VELOCIDADE", "vel", -1), -1);
}

TEST_F(SettingsFile, PathFollowsTheWorkingDirectory) {
  SaveSettings(Sample());
  TempDir other;
  {
    ScopedWorkingDir moved(other.path());
    TExperimentState s = Sample();
    s.pulseVelocity = 99;
    SaveSettings(s);
    EXPECT_EQ(SettingsPath(), std::filesystem::current_path() / "config.ini");
  }
  EXPECT_EQ(profile::ReadInt(ini, "VELOCIDADE", "vel", -1), 150000);
  EXPECT_EQ(profile::ReadInt(other / "config.ini", "VELOCIDADE", "vel", -1), 99);
}

TEST_F(SettingsFile, RemovedWorkingDirectoryGivesDefaultsAndAFailedSave) {
  TempDir doomed;
  ScopedWorkingDir inside(doomed.path());
  std::filesystem::remove(doomed.path());
  TExperimentState s;
  LoadSettings(s);
  EXPECT_EQ(s.acquisitionRate, 8000);
  EXPECT_THROW(SaveSettings(Sample()), ESettingsWriteError);
}

}  // namespace
