// `tremora --class` on a class of run folders written by the program's own
// saving: the printed lines, class.csv and class-report.pdf read back.
#include "app/commands/class_command.h"

#include <QFileInfo>
#include <QPainter>
#include <QPdfDocument>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>
#include <regex>
#include <sstream>

#include <gmock/gmock.h>

#include "class_folders.h"
#include "support/test_support.h"

using ::testing::HasSubstr;
using namespace classfolders;
namespace fs = std::filesystem;

namespace {

struct TLine {
  std::string group;
  bool located = false;
  double x = 0, y = 0, uncertainty = 0;
  std::string problem;
};

// The groups' lines as a script would read them.
std::map<std::string, TLine> GroupLines(const std::string& text) {
  std::map<std::string, TLine> lines;
  const std::regex located(R"(^group: (\S+) epicenter: (-?[0-9]+\.[0-9]{2}) (-?[0-9]+\.[0-9]{2}) mm uncertainty: ([0-9]+\.[0-9]{2}) mm$)");
  const std::regex problem(R"(^group: (\S+) problem: (.+)$)");
  std::istringstream in(text);
  std::string line;
  std::smatch m;
  while (std::getline(in, line)) {
    if (std::regex_match(line, m, located))
      lines[m[1]] = TLine{m[1], true, std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), {}};
    else if (std::regex_match(line, m, problem))
      lines[m[1]] = TLine{m[1], false, 0, 0, 0, m[2]};
  }
  return lines;
}

// Every file of the tree with its size and time: nothing may change.
std::map<std::string, std::pair<uintmax_t, fs::file_time_type>> Snapshot(const fs::path& root) {
  std::map<std::string, std::pair<uintmax_t, fs::file_time_type>> files;
  for (const auto& e : fs::recursive_directory_iterator(root))
    files[e.path().string()] = {e.is_regular_file() ? e.file_size() : 0, e.last_write_time()};
  return files;
}

class ClassCommand : public ::testing::Test {
protected:
  testsupport::TempDir dir;
  fs::path share = dir / "share";
  std::ostringstream out, err;

  // Eight careful groups, one that dragged time B 3 ms late, one whose
  // pair-AB.wav was damaged on the way, one that kept another velocity, and
  // a folder of notes.
  void WriteClass() {
    const int jitters[8] = {0, 1, -1, 1, 0, -1, 1, -1};
    for (int g = 0; g < 8; ++g) SaveGroup(share / ("group0" + std::to_string(g + 1)), {jitters[g]});
    SaveGroup(share / "group09", {0, 120000, 0.003});
    SaveGroup(share / "group10", {});
    testsupport::WriteFile(share / "group10" / "pair-AB.wav", "RIFF\x10\0\0\0WAVEjunk");
    SaveGroup(share / "group11", {0, 100000});
    fs::create_directories(share / "notes");
    testsupport::WriteFile(share / "notes" / "todo.txt", "bring the hammer\n");
  }
  int Run(std::vector<std::string> args) {
    std::vector<char*> argv{const_cast<char*>("tremora")};
    return RunClassCommand(1, argv.data(), args, out, err);
  }
};

TEST_F(ClassCommand, PoolsTheGroupsAndListsTheBadFolders) {
  WriteClass();
  const auto before = Snapshot(share);
  const fs::path csv = dir / "class.csv", pdf = dir / "class-report.pdf";
  ASSERT_EQ(Run({share.string(), "--csv", csv.string(), "--report", pdf.string()}), 0) << err.str();
  EXPECT_EQ(Snapshot(share), before) << "the groups' folders are only read";

  const auto lines = GroupLines(out.str());
  ASSERT_EQ(lines.size(), 12u) << out.str();
  // The careful groups found the struck point within the sample
  // their clocks differ by; the region of each holds it.
  for (int g = 1; g <= 8; ++g) {
    const TLine& l = lines.at("group0" + std::to_string(g));
    ASSERT_TRUE(l.located) << l.problem;
    EXPECT_LT(std::hypot(l.x - kStrikeX, l.y - kStrikeY), 15.0) << l.group;
    EXPECT_GT(l.uncertainty, 0.0);
  }
  // A time dragged 3 ms late moves the point far (0.003 s × 120 m/s).
  ASSERT_TRUE(lines.at("group09").located);
  EXPECT_GT(std::hypot(lines.at("group09").x - kStrikeX, lines.at("group09").y - kStrikeY), 60.0);
  EXPECT_FALSE(lines.at("group10").located);
  EXPECT_THAT(lines.at("group10").problem, ::testing::StartsWith("'pair-AB.wav'"));
  EXPECT_FALSE(lines.at("notes").located);
  EXPECT_EQ(lines.at("notes").problem, "run.ini is missing");
  ASSERT_TRUE(lines.at("group11").located);

  // The class line is the pooled located groups, recomputed from the lines.
  std::vector<TLine> located;
  for (const auto& [name, l] : lines)
    if (l.located) located.push_back(l);
  ASSERT_EQ(located.size(), 10u);
  double mx = 0, my = 0, vx = 0, vy = 0;
  for (const TLine& l : located) mx += l.x / 10, my += l.y / 10;
  for (const TLine& l : located) vx += (l.x - mx) * (l.x - mx) / 9, vy += (l.y - my) * (l.y - my) / 9;
  std::smatch m;
  const std::string text = out.str();
  ASSERT_TRUE(std::regex_search(text, m, std::regex(R"(\nclass: n=10 mean: (\S+) (\S+) mm sd: (\S+) (\S+) mm\nstruck: 500\.00 450\.00 mm inside: ([0-9]+) of 10\n$)")))
      << text;
  EXPECT_NEAR(std::stod(m[1]), mx, 0.01);
  EXPECT_NEAR(std::stod(m[2]), my, 0.01);
  EXPECT_NEAR(std::stod(m[3]), std::sqrt(vx), 0.02);
  EXPECT_NEAR(std::stod(m[4]), std::sqrt(vy), 0.02);
  // The careful groups' regions hold the strike; the dragged one's cannot.
  const int inside = std::stoi(m[5]);
  EXPECT_GE(inside, 8);
  EXPECT_LE(inside, 9);

  // class.csv: a header and a line a group, the same numbers, the marks
  // with their likely reasons.
  const QStringList rows = QString::fromStdString(testsupport::ReadFile(csv)).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(rows.size(), 13);
  const QStringList header = rows[0].split(',');
  EXPECT_EQ(header.first(), "group");
  const int x = header.indexOf("x_mm"), marked = header.indexOf("marked"), note = header.indexOf("note"),
            how = header.indexOf("tB_how"), in = header.indexOf("inside");
  ASSERT_GE(std::min({x, marked, note, how, in}), 0) << rows[0].toStdString();
  std::map<QString, QStringList> byGroup;
  for (int r = 1; r < rows.size(); ++r) {
    const QStringList cells = rows[r].split(',');
    ASSERT_GE(cells.size(), header.size()) << rows[r].toStdString();
    byGroup[cells[0]] = cells;
  }
  EXPECT_EQ(byGroup["group03"][x].toStdString(), QString::number(lines.at("group03").x, 'f', 2).toStdString());
  EXPECT_EQ(byGroup["group03"][marked], "no");
  EXPECT_EQ(byGroup["group03"][in], "yes");
  EXPECT_EQ(byGroup["group09"][marked], "yes");
  EXPECT_EQ(byGroup["group09"][how], "dragged");
  EXPECT_EQ(byGroup["group09"][in], "no");
  EXPECT_THAT(byGroup["group09"][note].toStdString(), HasSubstr("dragged time B"));
  EXPECT_EQ(byGroup["group11"][marked], "yes");
  EXPECT_THAT(byGroup["group11"][note].toStdString(), HasSubstr("velocity 100000 mm/s (the class's 120000)"));
  EXPECT_EQ(byGroup["group10"][x], "");

  // class-report.pdf: one A4 page with the table's names and numbers, and
  // the map drawn in the groups' colours above the table.
  QPdfDocument doc;
  ASSERT_EQ(doc.load(QString::fromStdString(pdf.string())), QPdfDocument::Error::None);
  ASSERT_EQ(doc.pageCount(), 1);
  EXPECT_NEAR(doc.pagePointSize(0).width(), 595, 2);
  EXPECT_NEAR(doc.pagePointSize(0).height(), 842, 2);
  const QString words = doc.getAllText(0).text().simplified();  // wrapped notes read as one line
  for (const char* expected : {"Class results", "group01", "group11", "notes", "dragged time B", "10 located"})
    EXPECT_TRUE(words.contains(QLatin1String(expected))) << expected << " not in " << words.toStdString();
  EXPECT_TRUE(words.contains(QString::number(lines.at("group09").x, 'f', 2)));
  const QImage rendered = doc.render(0, QSize(595 * 2, 842 * 2));
  QImage page(rendered.size(), QImage::Format_RGB32);
  page.fill(Qt::white);
  QPainter(&page).drawImage(0, 0, rendered);
  if (qEnvironmentVariableIsSet("KEEP_PNG")) page.save(qEnvironmentVariable("KEEP_PNG") + "class-report.png");
  // The map's grey ground fills the upper part of the page.
  const QRgb ground = page.pixel(page.width() / 4, page.height() / 7);
  EXPECT_NEAR(qRed(ground), 0xf4, 6);
  EXPECT_NEAR(qBlue(ground), 0xe8, 6);
}

TEST_F(ClassCommand, ExitStatusForNothingLocatedAndWrongArguments) {
  WriteClass();
  // A run folder given directly, not expanded; the damaged one alone
  // gives no epicenter: status 1, its problem printed.
  EXPECT_EQ(Run({(share / "group10").string()}), 1);
  EXPECT_THAT(out.str(), HasSubstr("group: group10 problem: "));
  EXPECT_THAT(out.str(), HasSubstr("\nclass: n=0\n"));
  out.str("");
  EXPECT_EQ(Run({(share / "group01").string(), (share / "group02").string()}), 0);
  EXPECT_EQ(GroupLines(out.str()).size(), 2u);
  EXPECT_THAT(out.str(), HasSubstr("struck: 500.00 450.00 mm inside: 2 of 2\n"));
  const fs::path report = dir / "r.pdf";
  for (const std::vector<std::string>& wrong :
       {std::vector<std::string>{}, {"--report"}, {share.string(), "--csv"}, {share.string(), "--bogus"}}) {
    err.str("");
    EXPECT_EQ(Run(wrong), 2);
    EXPECT_THAT(err.str(), HasSubstr("usage: tremora --class DIR..."));
  }
  // A report that cannot be written leaves nothing and says why.
  fs::create_directories(report);
  EXPECT_EQ(Run({share.string(), "--report", report.string()}), 1);
  EXPECT_THAT(err.str(), HasSubstr("it is a folder"));
}

}  // namespace
