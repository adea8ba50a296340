#include "app/commands/locate_command.h"

#include <cmath>
#include <cstdio>
#include <algorithm>
#include <random>
#include <sstream>
#include <vector>

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

// Every line of the report that starts with `key`: its first two values.
std::vector<std::pair<double, double>> Places(const std::string& text, const std::string& key) {
  std::vector<std::pair<double, double>> places;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(key, 0) != 0) continue;
    std::istringstream values(line.substr(key.size()));
    double x = NAN, y = NAN;
    values >> x >> y;
    places.emplace_back(x, y);
  }
  return places;
}

// A grid of struck points over the whole map, each pair's two times
// quantized to whole samples as a sound card records them (each pair in a
// block of its own, with its own clock phase): the printed figures must hold
// the struck point.
TEST_F(LocateCommand, TheStatedRegionHoldsTheStruckPoint) {
  const double ax = 200, ay = 300, bx = 900, by = 200, cx = 600, cy = 800, v = 120000;
  std::mt19937 random(20261210);
  std::uniform_real_distribution<double> phase(0.0, 1.0);
  for (const int rate : {44100, 8000}) {
    WriteFile(dir / "config.ini",
              "[POSICAO]\r\nxA=200\r\nxB=900\r\nxC=600\r\nyA=300\r\nyB=200\r\nyC=800\r\n"
              "[VELOCIDADE]\r\nvel=120000\r\n[TXAQUISICAO]\r\ntx=" + std::to_string(rate) + "\r\n");
    int accepted = 0, withOther = 0, inside = 0;
    double widestInside = 0, widest = 0;
    for (double x = 20; x < 1400; x += 40)
      for (double y = 20; y < 1000; y += 40) {
        const double a = std::hypot(x - ax, y - ay) / v;
        auto sampled = [&](double t, double p) { return std::floor(t * rate + p) / rate; };
        const double p1 = phase(random), p2 = phase(random);
        std::vector<std::string> args;
        for (double t : {sampled(0.5 + a, p1), sampled(0.5 + std::hypot(x - bx, y - by) / v, p1),
                         sampled(0.7 + a, p2), sampled(0.7 + std::hypot(x - cx, y - cy) / v, p2)}) {
          char buf[40];
          std::snprintf(buf, sizeof buf, "%.9f", t);
          args.push_back(buf);
        }
        out.str("");
        if (Run(args) != 0) continue;
        ++accepted;
        const std::string text = out.str();
        const double ex = Value(text, "epicenter: "), ey = Value(text, "epicenter: ", 1);
        const double error = std::hypot(ex - x, ey - y);
        const double uncertainty = Value(text, "uncertainty: "), spread = Value(text, "spread: ");
        ASSERT_TRUE(std::isfinite(spread)) << text;
        widest = std::max(widest, spread);
        EXPECT_LE(error, spread + 1e-6) << "struck at " << x << ", " << y << "\n" << text;
        const auto others = Places(text, "other: ");
        EXPECT_LE(others.size(), 3u);
        if (others.empty()) {
          EXPECT_LE(error, uncertainty + 1e-6) << "struck at " << x << ", " << y << "\n" << text;
        }
        withOther += !others.empty();
        // Inside the stations' triangle the region is small and whole.
        const auto side = [&](double px, double py, double qx, double qy) { return (qx - px) * (y - py) - (qy - py) * (x - px); };
        const double s1 = side(ax, ay, bx, by), s2 = side(bx, by, cx, cy), s3 = side(cx, cy, ax, ay);
        if ((s1 > 0 && s2 > 0 && s3 > 0) || (s1 < 0 && s2 < 0 && s3 < 0)) {
          ++inside;
          EXPECT_TRUE(others.empty()) << text;
          widestInside = std::max(widestInside, uncertainty);
        }
      }
    EXPECT_GT(accepted, 700) << rate;
    EXPECT_GT(inside, 50);
    EXPECT_LT(widestInside, rate == 44100 ? 20.0 : 80.0) << "not idle: a few samples of path inside the triangle";
    std::printf("%d samples/s: %d strikes accepted, %d with other places, widest inside the triangle %.1f mm, "
                "largest spread %.1f mm\n",
                rate, accepted, withOther, widestInside, widest);
  }
}

TEST_F(LocateCommand, FiguresStaySaneOnDegenerateLabs) {
  struct TCase {
    const char* settings;
    std::vector<std::string> times;
  };
  const TCase cases[] = {
      // Nothing measured on a first run's lab (three stations on a line).
      {"", {"0", "0", "0", "0"}},
      // All four times 0 on the example lab: the centre of the stations'
      // circle, with a region of its own size, not thousands of millimetres.
      {"[POSICAO]\r\nxA=200\r\nxB=900\r\nxC=600\r\nyA=300\r\nyB=200\r\nyC=800\r\n", {"0", "0", "0", "0"}},
      // Stations on one line.
      {"[POSICAO]\r\nxA=200\r\nxB=700\r\nxC=1200\r\nyA=500\r\nyB=500\r\nyC=500\r\n",
       {"0.5", "0.5001", "0.5", "0.5003"}},
      // The slowest and the fastest velocity the settings allow.
      {"[POSICAO]\r\nxA=200\r\nxB=900\r\nxC=600\r\nyA=300\r\nyB=200\r\nyC=800\r\n[VELOCIDADE]\r\nvel=100\r\n",
       {"0.5", "1.63", "0.5", "0.7"}},
      {"[POSICAO]\r\nxA=200\r\nxB=900\r\nxC=600\r\nyA=300\r\nyB=200\r\nyC=800\r\n[VELOCIDADE]\r\nvel=10000000\r\n",
       {"0.5", "0.50001", "0.5", "0.500002"}},
  };
  for (const TCase& c : cases) {
    WriteFile(dir / "config.ini", c.settings);
    out.str("");
    const int status = Run(c.times);
    const std::string text = out.str();
    EXPECT_TRUE(status == 0 || status == 1) << text;
    if (status != 0) continue;
    const double uncertainty = Value(text, "uncertainty: "), spread = Value(text, "spread: ");
    if (text.find("uncertainty: none") != std::string::npos) {
      EXPECT_EQ(text.find("spread:"), std::string::npos) << text;
      continue;
    }
    // Nothing farther than the map's diagonal: a figure, not a wild guess.
    EXPECT_TRUE(std::isfinite(uncertainty) && uncertainty <= 1721) << text;
    EXPECT_TRUE(std::isfinite(spread) && spread >= uncertainty && spread <= 1721) << text;
  }
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

namespace {

// A velocity measured to ±5 % (kept in config.ini by "Use this velocity")
// widens the region the epicenter may lie in; a lab's file without the
// section reads as before, and a damaged value is not taken.
TEST_F(LocateCommand, AMeasuredVelocitysUncertaintyWidensTheRegion) {
  const std::string lab =
      "[POSICAO]\r\nxA=200\r\nxB=900\r\nxC=600\r\nyA=300\r\nyB=200\r\nyC=800\r\n[VELOCIDADE]\r\nvel=120000\r\n";
  const std::vector<std::string> times = {"0.5", "0.5011357", "1.2", "1.2002383"};
  WriteFile(dir / "config.ini", lab);
  ASSERT_EQ(Run(times), 0);
  const double typed = Value(out.str(), "uncertainty: ");
  for (const auto& [section, widened] : {std::pair{"[VELOCITYMEASURE]\r\nuncertainty=6000\r\n", true},
                                         std::pair{"[VELOCITYMEASURE]\r\nuncertainty=6000 mm/s\r\n", false}}) {
    WriteFile(dir / "config.ini", lab + section);
    out.str("");
    ASSERT_EQ(Run(times), 0);
    const double measured = Value(out.str(), "uncertainty: ");
    if (widened)
      EXPECT_GT(measured, typed + 5) << out.str();
    else
      EXPECT_EQ(measured, typed) << out.str();
  }
}

}  // namespace

namespace {

// Sensor B answering 2 ms late puts the epicenter elsewhere; with its
// measured correction kept in config.ini the struck point comes back, and
// the lines say what was subtracted.
TEST_F(LocateCommand, AMeasuredSensorCorrectionIsTakenOffThePick) {
  const std::string lab =
      "[POSICAO]\r\nxA=200\r\nxB=900\r\nxC=600\r\nyA=300\r\nyB=200\r\nyC=800\r\n[VELOCIDADE]\r\nvel=120000\r\n";
  const std::vector<std::string> lateB = {"0.5", "0.5031357", "1.2", "1.2002383"};
  WriteFile(dir / "config.ini", lab);
  ASSERT_EQ(Run(lateB), 0);
  EXPECT_GT(std::hypot(Value(out.str(), "epicenter: ") - 500, Value(out.str(), "epicenter: ", 1) - 450), 100)
      << out.str();
  WriteFile(dir / "config.ini", lab + "[VELOCITYMEASURE]\r\nuncertainty=100\r\ncorrection_B=0.002\r\n"
                                      "correction_B_uncertainty=0.00001\r\n");
  out.str("");
  ASSERT_EQ(Run(lateB), 0);
  const std::string text = out.str();
  EXPECT_EQ(text.substr(0, text.find("marker: ")),
            "corrections: B=0.002000 C=0.000000 s subtracted from the picks\n"
            "increments: A=0 B=136 C=29\n"
            "epicenter: 500.70 449.81 mm\n");
}

}  // namespace
