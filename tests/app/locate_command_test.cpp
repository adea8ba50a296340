#include "app/locate_command.h"

#include <sstream>

#include <gtest/gtest.h>

#include "support/test_support.h"

using testsupport::ScopedWorkingDir;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

class LocateCommand : public ::testing::Test {
protected:
  TempDir dir;
  ScopedWorkingDir cwd{dir.path()};
  std::ostringstream out, err;

  void WriteLabSettings() {
    WriteFile(dir / "config.ini",
              "[POSICAO]\r\nxA=200\r\nxB=900\r\nxC=600\r\nyA=300\r\nyB=200\r\nyC=800\r\n"
              "[VELOCIDADE]\r\nvel=120000\r\n");
  }
  int Run(std::vector<std::string> args) { return RunLocateCommand(args, out, err); }
};

TEST_F(LocateCommand, PrintsIncrementsEpicenterAndMarker) {
  WriteLabSettings();
  EXPECT_EQ(Run({"0.5", "0.5011357", "1.2", "1.2002383"}), 0);
  EXPECT_EQ(out.str(),
            "increments: A=0 B=136 C=29\n"
            "epicenter: 500.70 449.81 mm\n"
            "marker: left=250 top=225\n");
  EXPECT_EQ(err.str(), "");
}

TEST_F(LocateCommand, BadAcquisitionsExitWithOne) {
  WriteLabSettings();
  EXPECT_EQ(Run({"0", "1", "0", "0"}), 1);
  EXPECT_EQ(out.str(), "increments: A=0 B=120000 C=0\nBad Acquisition\n");

  out.str("");
  // A strike at about (1600, 500), beyond the map's right edge.
  EXPECT_EQ(Run({"0.5", "0.49456136", "1.2", "1.19691514"}), 1);
  EXPECT_EQ(out.str().substr(out.str().find('\n') + 1), "Bad acquisition\n");
}

TEST_F(LocateCommand, UsesTheDefaultsWithoutASettingsFile) {
  // Default stations (0,0), (20,0), (40,0) on one line; nothing measured.
  int status = Run({"0", "0", "0", "0"});
  EXPECT_EQ(out.str().rfind("increments: A=0 B=0 C=0\n", 0), 0u) << out.str();
  EXPECT_TRUE(status == 0 || status == 1);
}

TEST_F(LocateCommand, BadArgumentsPrintUsageAndExitWithTwo) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"0.5", "0.5", "1.2"},
      {"0.5", "0.5", "1.2", "1.2", "9"},
      {"0.5", "abc", "1.2", "1.2"},
      {"0,5", "0.5", "1.2", "1.2"},
      {"0.5s", "0.5", "1.2", "1.2"},
      {"nan", "0.5", "1.2", "1.2"},
      {"inf", "0.5", "1.2", "1.2"},
      {"", "0.5", "1.2", "1.2"},
  };
  for (const auto& args : bad) {
    out.str("");
    err.str("");
    EXPECT_EQ(Run(args), 2) << args.size();
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str().rfind("usage: tremora --locate", 0), 0u);
  }
  EXPECT_NE(Run({"+0.5", "5e-1", "1.2", "1.2e0"}), 2);  // signs and exponents are numbers
}

}  // namespace
