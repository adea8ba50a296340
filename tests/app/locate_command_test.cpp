#include "app/commands/locate_command.h"

#include <cmath>
#include <cstdio>
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
  // One point fits: no "other:" line after the marker, then the uncertainty.
  const std::string text = out.str();
  EXPECT_EQ(text.substr(0, text.rfind("uncertainty: ")),
            "increments: A=0 B=136 C=29\n"
            "epicenter: 500.70 449.81 mm\n"
            "marker: left=250 top=225\n");
  EXPECT_EQ(err.str(), "");
}

// The report's value on the line that starts with `key`, or NaN without one.
double Value(const std::string& text, const std::string& key, int field = 0) {
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(key, 0) != 0) continue;
    std::istringstream values(line.substr(key.size()));
    double v = NAN;
    for (int k = 0; k <= field; ++k) values >> v;
    return v;
  }
  return NAN;
}

TEST_F(LocateCommand, OtherFittingPointAndUncertainty) {
  WriteLabSettings();
  const double ax = 200, ay = 300, bx = 900, by = 200, cx = 600, cy = 800, v = 120000;
  // The exact times of a strike at (x, y), each pair recorded from 0.5 s.
  auto locate = [&](double x, double y) {
    const double a = std::hypot(x - ax, y - ay) / v;
    char b[40], c[40];
    std::snprintf(b, sizeof b, "%.9f", 0.5 + std::hypot(x - bx, y - by) / v - a);
    std::snprintf(c, sizeof c, "%.9f", 0.5 + std::hypot(x - cx, y - cy) / v - a);
    out.str("");
    EXPECT_EQ(Run({"0.5", b, "0.5", c}), 0) << x << ", " << y;
    return out.str();
  };
  // Struck at (1300, 50): the search meets the far point first; the struck
  // one follows as the other point that fits the same times.
  std::string text = locate(1300, 50);
  EXPECT_GT(std::hypot(Value(text, "epicenter: ") - 1300, Value(text, "epicenter: ", 1) - 50), 100) << text;
  EXPECT_LT(std::hypot(Value(text, "other: ") - 1300, Value(text, "other: ", 1) - 50), 10) << text;
  EXPECT_EQ(text.find("\nother: "), text.find('\n', text.find("marker: "))) << "right after the marker line";
  // Inside the stations' triangle one point fits.
  text = locate(550, 450);
  EXPECT_EQ(text.find("other:"), std::string::npos) << text;
  EXPECT_LT(std::hypot(Value(text, "epicenter: ") - 550, Value(text, "epicenter: ", 1) - 450), 4) << text;
  // The farther the strike lies outside the triangle, the less sure the
  // point: 8000 samples/s, a time to one sample.
  double previous = 0;
  for (double x : {550.0, 1050.0, 1350.0}) {
    text = locate(x, 450);
    const double uncertainty = Value(text, "uncertainty: ");
    EXPECT_GT(uncertainty, previous) << text;
    previous = uncertainty;
    if (x == 550.0) {
      EXPECT_GT(uncertainty, 120000 * 2.0 / 8000 / 2) << "a delay known to two samples is 30 mm of path";
    }
  }
  EXPECT_GT(previous, 100.0);
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
