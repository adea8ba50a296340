// --velocity on run folders recorded here: a pulse at a velocity the
// folders do not hold (run.ini keeps the lab's 120000 mm/s), sensors that
// answer late by amounts nobody tells the program, struck at known points.
#include "app/commands/velocity_command.h"

#include <cmath>
#include <random>
#include <regex>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "app/run/run_folder.h"
#include "support/test_support.h"

using testsupport::TempDir;

namespace {

constexpr double kPi = 3.14159265358979323846;
// The lab's stations: |AB| = 707 mm, |AC| = 640 mm.
constexpr double kX[3] = {200, 900, 600}, kY[3] = {300, 200, 800};

struct TLab {
  double velocity = 120000;   // mm/s, the true one
  int rate = 44100;
  double late[3] = {};        // s, how late each sensor answers
};

// One pair's block: the pulse reaches each sensor at strike + travel time +
// that sensor's lateness, and rings from there as a struck floor does.
TRunPair Record(const TLab& lab, double x, double y, int right, double strikeTime) {
  TRunPair pair;
  pair.present = true;
  const int size = 5 * lab.rate;
  for (auto [data, station] : {std::pair{&pair.left, 0}, std::pair{&pair.right, right}}) {
    const double arrival =
        strikeTime + std::hypot(x - kX[station], y - kY[station]) / lab.velocity + lab.late[station];
    data->assign(size, 0.0);
    for (int i = static_cast<int>(std::ceil(arrival * lab.rate)); i < size; ++i) {
      const double t = static_cast<double>(i) / lab.rate - arrival;
      (*data)[i] = 0.8 * std::exp(-t / 0.01) * std::cos(2 * kPi * 150 * t);
    }
  }
  return pair;
}

class VelocityCommand : public ::testing::Test {
protected:
  TempDir dir;
  std::ostringstream out, err;
  std::mt19937 random{35};

  // A run folder of both pairs struck at (x, y), each pair at its own
  // moment within a sample (the card's clock does not start with the strike).
  std::string Strike(const TLab& lab, double x, double y, bool saveStrike = true) {
    const std::string name = (dir / ("strike-" + std::to_string(folders++))).string();
    TRun run;
    run.state.acquisitionTime = 5;
    run.state.acquisitionRate = lab.rate;
    run.state.detectionLevel = 10;
    run.state.pulseVelocity = 120000;
    for (int k = 0; k < 3; ++k) {
      run.state.stationX[k] = static_cast<int32_t>(kX[k]);
      run.state.stationY[k] = static_cast<int32_t>(kY[k]);
    }
    std::uniform_real_distribution<double> phase(0.1, 0.1 + 1.0 / lab.rate);
    run.pairs[0] = Record(lab, x, y, 1, phase(random));
    run.pairs[1] = Record(lab, x, y, 2, phase(random));
    run.hasStrike = saveStrike;
    run.strikeX = x;
    run.strikeY = y;
    EXPECT_EQ(SaveRunFolder(name, run), "");
    return name;
  }
  int Run(const std::vector<std::string>& args) { return RunVelocityCommand(args, out, err); }
  int folders = 0;
};

// The numbers of the line that starts with `key`: "v ± u" pairs in order.
std::vector<double> Numbers(const std::string& text, const std::string& key) {
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(key, 0) != 0) continue;
    std::vector<double> values;
    const std::regex number("-?[0-9]+(\\.[0-9]+)?");
    for (std::sregex_iterator m(line.begin() + key.size(), line.end(), number), end; m != end; ++m)
      values.push_back(std::stod(m->str()));
    return values;
  }
  return {};
}

// Struck beyond each station in line with A, and once near the middle:
// the velocity and both sensors' lateness come back within what is printed,
// at velocities from a sand box's to a steel table's.
TEST_F(VelocityCommand, RecoversTheVelocityAndTheSensorsLateness) {
  const struct {
    double velocity;
    int rate;
  } cases[] = {{500, 8000}, {500, 44100}, {120000, 8000}, {120000, 44100}, {5000000, 44100}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.velocity) + " mm/s at " + std::to_string(c.rate));
    TLab lab;
    lab.velocity = c.velocity;
    lab.rate = c.rate;
    lab.late[0] = 0.0004;
    lab.late[1] = 0.0021;   // a disc ringing at 800 Hz
    lab.late[2] = -0.0002;  // one that answers before A's
    out.str("");
    const std::vector<std::string> folders = {Strike(lab, 25, 325), Strike(lab, 1250, 150), Strike(lab, 720, 950),
                                              Strike(lab, 40, 100), Strike(lab, 500, 450)};
    ASSERT_EQ(Run(folders), 0) << out.str() << err.str();
    const std::string text = out.str();
    const std::vector<double> v = Numbers(text, "velocity: ");
    ASSERT_EQ(v.size(), 2u) << text;
    EXPECT_NEAR(v[0], c.velocity, v[1]) << text;
    // One sample of delay over the longest difference.
    EXPECT_LE(v[1], 3 * c.velocity * c.velocity / c.rate / 707) << text;
    const std::vector<double> k = Numbers(text, "corrections: ");
    ASSERT_EQ(k.size(), 4u) << text;
    EXPECT_NEAR(k[0], lab.late[1] - lab.late[0], k[1]) << text;
    EXPECT_NEAR(k[2], lab.late[2] - lab.late[0], k[3]) << text;
    EXPECT_LE(k[1], 3.0 / c.rate);
    EXPECT_LE(k[3], 3.0 / c.rate);
    EXPECT_EQ(err.str(), "");
  }
}

// One strike with sensors alike, its point given on the command line: each
// pair's line, the velocity, and why the corrections are not fitted.
TEST_F(VelocityCommand, OneStrikeGivesTheVelocityAndSaysTheSensorsCannotBeToldApart) {
  TLab lab;
  lab.velocity = 300000;
  const std::string folder = Strike(lab, 1250, 150, false);
  ASSERT_EQ(Run({"--strike", "1250", "150", folder}), 0) << err.str();
  const std::string text = out.str();
  EXPECT_TRUE(std::regex_search(text, std::regex("^" + folder + " pair AB: delay=-0\\.0023[0-9]{2} s difference=-70[0-9]\\.[0-9]{2} mm velocity=[0-9]+ ± [0-9]+ mm/s\n" +
                                                  folder + " pair AC: delay=[^\n]+\nvelocity: ")))
      << text;
  const std::vector<double> v = Numbers(text, "velocity: ");
  ASSERT_EQ(v.size(), 2u);
  EXPECT_NEAR(v[0], lab.velocity, v[1]);
  EXPECT_NE(text.find("corrections: not fitted: the strikes give sensor B one distance difference only"),
            std::string::npos)
      << text;
  // Without the point the folder cannot be used, and nothing can be told.
  out.str("");
  err.str("");
  EXPECT_EQ(Run({folder}), 1);
  EXPECT_NE(err.str().find(folder + ": run.ini has no [STRIKE] point"), std::string::npos) << err.str();
  EXPECT_EQ(out.str(), "velocity: not measured: no pair can tell the velocity\n");
}

// On the bisector of A and B the pair A+B is refused with where to strike;
// its pair A+C still counts. Folders that cannot be read are named and the
// others go on; bad arguments are refused with the usage.
TEST_F(VelocityCommand, RefusesTheBisectorAndGoesOnPastUnreadableFolders) {
  TLab lab;
  const std::string bisector = Strike(lab, 600, 600);  // 500 mm from A and from B
  const std::string beyondB = Strike(lab, 1250, 150);
  std::filesystem::create_directory(dir / "empty");
  ASSERT_EQ(Run({bisector, (dir / "missing").string(), (dir / "empty").string(), beyondB}), 0);
  const std::string text = out.str();
  EXPECT_NE(text.find(bisector + " pair AB: refused: the strike is nearly as far from B as from A (difference 0.0 mm), "
                                 "so its delay cannot tell the velocity; strike in line with A and B, outside the "
                                 "segment between them, where the difference is largest\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find(bisector + " pair AC: delay="), std::string::npos) << text;
  EXPECT_NE(text.find(beyondB + " pair AB: delay="), std::string::npos) << text;
  EXPECT_NE(err.str().find("tremora: " + (dir / "missing").string() + ": no such folder\n"), std::string::npos);
  EXPECT_NE(err.str().find((dir / "empty").string() + ": run.ini is missing"), std::string::npos) << err.str();
  const std::vector<double> v = Numbers(text, "velocity: ");
  ASSERT_EQ(v.size(), 2u);
  EXPECT_NEAR(v[0], lab.velocity, v[1]);

  // At 5 km/s and 8000 samples/s one sample is 625 mm of difference: no
  // strike on this map tells the velocity to better than half.
  lab.velocity = 5000000;
  lab.rate = 8000;
  out.str("");
  EXPECT_EQ(Run({Strike(lab, 1250, 150), Strike(lab, 25, 325)}), 1);
  EXPECT_NE(out.str().find("pair AB: refused: its difference (-707.1 mm) is too small for "), std::string::npos)
      << out.str();
  EXPECT_NE(out.str().find("no strike gives more than the 707.1 mm between A and B"), std::string::npos)
      << out.str();
  EXPECT_NE(out.str().find("velocity: not measured: no pair can tell the velocity\n"), std::string::npos);

  for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
           {}, {"--strike", "1", beyondB}, {"--strike", "1", "north", beyondB}, {"--bogus", beyondB}}) {
    err.str("");
    EXPECT_EQ(Run(bad), 2);
    EXPECT_EQ(err.str().rfind("usage: tremora --velocity [--strike X Y] RUNDIR...", 0), 0u) << err.str();
  }
}

}  // namespace
