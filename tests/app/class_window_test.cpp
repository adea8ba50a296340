// The Class Results window driven as the teacher drives it: "Class
// Results…" in the map's menu, the folder chosen in the folder dialog, the
// table sorted by clicks on its header, the strike marked by a click on the
// map, and "Export…".
#include "app/windows/class_form.h"

#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QPdfDocument>
#include <QRegularExpression>
#include <QAbstractButton>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <memory>

#include <gmock/gmock.h>

#include "app/experiment/experiment_state.h"
#include "app/language/program_language.h"
#include "app/run/class_report.h"
#include "app/windows/main_form.h"
#include "app/windows/windows.h"
#include "app/commands/startup.h"
#include "class_folders.h"
#include "draw/message_service.h"
#include "forms/controls/components.h"
#include "forms/controls/standard_controls.h"
#include "support/test_support.h"

using namespace classfolders;
namespace fs = std::filesystem;

namespace {

class ClassWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    Experiment = TExperimentState{};
    cwd_ = std::make_unique<testsupport::ScopedWorkingDir>(dir_.path());
    sink_ = SetMessageSink([this](const QString& text) { messages_ << text; });
    CreateWindows();
    messages_.clear();  // the main window's, about its missing map picture
  }
  void TearDown() override {
    DestroyWindows();
    TFolderDialog::SetChooser(nullptr);
    SetMessageSink(sink_);
    cwd_.reset();
  }
  // A class of `count` groups, every fifth one dragging time B 3 ms late.
  fs::path WriteClass(const std::string& name, int count) {
    const fs::path share = dir_ / name;
    for (int g = 0; g < count; ++g) {
      const std::string folder = (g < 9 ? "team0" : "team") + std::to_string(g + 1);
      SaveGroup(share / folder, {g % 3 - 1, 120000, g % 5 == 4 ? 0.003 : 0.0});
    }
    return share;
  }
  void Click(TButton* button) { QTest::mouseClick(button->Button(), Qt::LeftButton); }
  void ClickHeader(int column) {
    QHeaderView* header = Form6->tblGroups->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2));
  }
  // Sent directly: QTest takes the point (0, 0) for "the centre".
  void ClickMap(QPoint at) {
    QWidget* map = Form6->imgClassMap;
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), map->mapToGlobal(QPointF(at)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(map, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), map->mapToGlobal(QPointF(at)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(map, &release);
  }
  QString Cell(int row, const QString& title) {
    QTableWidget* t = Form6->tblGroups;
    for (int c = 0; c < t->columnCount(); ++c)
      if (t->horizontalHeaderItem(c)->text() == title) return t->item(row, c)->text();
    ADD_FAILURE() << "no column " << title.toStdString();
    return {};
  }
  void Choose(const fs::path& folder) {
    const QString path = QString::fromStdString(folder.string());
    TFolderDialog::SetChooser([path](const TFolderDialog&) { return path; });
  }
  void Keep(const QString& name) {
    if (qEnvironmentVariableIsSet("KEEP_PNG")) Form6->grab().save(qEnvironmentVariable("KEEP_PNG") + name);
  }

  testsupport::TempDir dir_;
  std::unique_ptr<testsupport::ScopedWorkingDir> cwd_;
  TMessageSink sink_;
  QStringList messages_;
};

TEST_F(ClassWindowTest, ChooseSortMarkTheStrikeAndExport) {
  const fs::path share = WriteClass("share", 5);
  // The map's menu, as a right click on the map opens it.
  Form1->mnImgMapa->Popup(0, 0);
  QMenu* menu = Form1->mnImgMapa->ShownMenu();
  ASSERT_NE(menu, nullptr);
  QAction* item = nullptr;
  for (QAction* action : menu->actions())
    if (action->text() == QStringLiteral("Class Results\u2026")) item = action;
  ASSERT_NE(item, nullptr);
  item->trigger();
  menu->close();
  QApplication::processEvents();
  ASSERT_TRUE(Form6->isVisible());

  Choose(share);
  Click(Form6->btnAddFolder);
  QTableWidget* table = Form6->tblGroups;
  ASSERT_EQ(table->rowCount(), 5);
  EXPECT_THAT(Form6->lblFigures->Caption().toStdString(), ::testing::HasSubstr("Groups: 5, located: 5"));
  EXPECT_THAT(Form6->lblFigures->Caption().toStdString(), ::testing::HasSubstr("region of 4 of 5 groups"));
  Keep(QStringLiteral("class-window-5.png"));

  // Off (mm) ascending, then descending: the late-dragging team05 last,
  // then first, marked with its reason.
  ClickHeader(8);
  ASSERT_EQ(table->horizontalHeaderItem(8)->text(), QStringLiteral("Off (mm)"));
  if (Cell(0, "Group") == "team05") ClickHeader(8);  // the header's first click may sort either way
  EXPECT_EQ(Cell(4, "Group"), QStringLiteral("team05"));
  EXPECT_LT(Cell(0, "Off (mm)").toDouble(), 5.0);
  ClickHeader(8);
  EXPECT_EQ(Cell(0, "Group"), QStringLiteral("team05"));
  EXPECT_GT(Cell(0, "Off (mm)").toDouble(), 60.0);
  EXPECT_THAT(Cell(0, "Note").toStdString(), ::testing::HasSubstr("dragged time B"));
  EXPECT_EQ(Cell(0, "In region"), QStringLiteral("no"));
  // By group name: the order of the folders.
  ClickHeader(1);
  const QString first = Cell(0, "Group");
  EXPECT_TRUE(first == "team01" || first == "team05") << first.toStdString();

  // The teacher marks (300, 200) mm: the distances are to that point now.
  Click(Form6->btnStrikeHere);
  const QSize size = Form6->imgClassMap->size();
  ClickMap(QPoint(std::lround(300.0 / 1400 * size.width()), std::lround(200.0 / 1000 * size.height())));
  const TClassFigures& f = Form6->Results().figures;
  ASSERT_TRUE(f.hasStrike);
  EXPECT_NEAR(f.strikeX, 300, 3);
  EXPECT_NEAR(f.strikeY, 200, 3);
  EXPECT_EQ(f.inside, 0);
  for (int row = 0; row < table->rowCount(); ++row) {
    const double x = Cell(row, "x (mm)").toDouble(), y = Cell(row, "y (mm)").toDouble();
    EXPECT_NEAR(Cell(row, "Off (mm)").toDouble(), std::hypot(x - f.strikeX, y - f.strikeY), 0.02);
  }
  // The cross is drawn there, white over dark, on the map's pale ground.
  const QImage& map = Form6->MapPicture();
  const QPoint cross(std::lround(f.strikeX / 1400 * (map.width() - 1)), std::lround(f.strikeY / 1000 * (map.height() - 1)));
  EXPECT_GT(qGray(map.pixel(cross)), 200);
  int darkest = 255;
  for (int dy = -4; dy <= 4; ++dy)
    for (int dx = -4; dx <= 4; ++dx) darkest = std::min(darkest, qGray(map.pixel(cross + QPoint(dx, dy))));
  EXPECT_LT(darkest, 90);
  // Another click on the map without the button marks nothing; the mark
  // stays over the runs' own when another folder is added.
  ClickMap(QPoint(10, 10));
  EXPECT_NEAR(Form6->Results().figures.strikeX, 300, 3);
  Choose(share / "team01");
  Click(Form6->btnAddFolder);
  ASSERT_EQ(table->rowCount(), 6);
  EXPECT_NEAR(Form6->Results().figures.strikeX, 300, 3);
  EXPECT_NEAR(Form6->Results().figures.strikeY, 200, 3);

  const fs::path out = dir_ / "export";
  fs::create_directories(out);
  Choose(out);
  Click(Form6->btnExport);
  EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
  const std::string csv = testsupport::ReadFile(out / "class.csv");
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 7);
  EXPECT_THAT(csv, ::testing::HasSubstr("\nteam05,"));
  QPdfDocument doc;
  ASSERT_EQ(doc.load(QString::fromStdString((out / "class-report.pdf").string())), QPdfDocument::Error::None);
  EXPECT_EQ(doc.pageCount(), 1);
  EXPECT_TRUE(doc.getAllText(0).text().contains(QStringLiteral("300.0, 200.0 mm")));
  // Nothing went into the groups' folders.
  EXPECT_FALSE(fs::exists(share / "class.csv"));
  EXPECT_FALSE(fs::exists(share / "team01" / "class.csv"));
}

TEST_F(ClassWindowTest, ThirtyGroupsEachInAColourOfItsOwn) {
  const fs::path share = WriteClass("class30", 30);
  Form6->Show();
  Choose(share);
  Click(Form6->btnAddFolder);
  ASSERT_EQ(Form6->tblGroups->rowCount(), 30);
  EXPECT_EQ(Form6->Results().figures.located, 30);
  Keep(QStringLiteral("class-window-30.png"));
  // Every pair of the thirty colours stays apart (RGB distance).
  for (int a = 0; a < 30; ++a)
    for (int b = a + 1; b < 30; ++b) {
      const QColor ca = ClassGroupColour(a), cb = ClassGroupColour(b);
      const double d = std::hypot(ca.red() - cb.red(), ca.green() - cb.green(), ca.blue() - cb.blue());
      EXPECT_GT(d, 55) << a + 1 << " and " << b + 1;
    }
  // Clear empties the window; "Export…" then says there is nothing.
  Click(Form6->btnClear);
  EXPECT_EQ(Form6->tblGroups->rowCount(), 0);
  Click(Form6->btnExport);
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_THAT(messages_[0].toStdString(), ::testing::HasSubstr("No group to export"));
}

// In every language the class report keeps its numbers in the language's
// way, says why a group is marked in that language, and cuts nothing short.
TEST_F(ClassWindowTest, EveryLanguagesReportSaysItAllInItsOwnWords) {
  const fs::path share = WriteClass("share", 5);
  const QStringList reason{QStringLiteral("tempo B arrastado"), QStringLiteral("tiempo B arrastrado"),
                           QStringLiteral("temps B déplacé"), QStringLiteral("Zeit B gezogen")};
  const QStringList languages{QStringLiteral("pt_BR"), QStringLiteral("es"), QStringLiteral("fr"), QStringLiteral("de")};
  for (int l = 0; l < languages.size(); ++l) {
    SCOPED_TRACE(languages[l].toStdString());
    DestroyWindows();
    InstallLanguage(languages[l]);
    CreateWindows();
    Form6->Show();
    Choose(share);
    Click(Form6->btnAddFolder);
    const fs::path out = dir_ / ("export-" + languages[l].toStdString());
    fs::create_directories(out);
    Choose(out);
    messages_.clear();
    Click(Form6->btnExport);
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
    QPdfDocument doc;
    ASSERT_EQ(doc.load(QString::fromStdString((out / "class-report.pdf").string())), QPdfDocument::Error::None);
    const QString page = doc.getAllText(0).text();
    EXPECT_TRUE(page.contains(reason[l])) << page.toStdString();
    EXPECT_FALSE(page.contains(QRegularExpression(QStringLiteral("\\d\\.\\d")))) << page.toStdString();
    EXPECT_FALSE(page.contains(QChar(0x2026))) << page.toStdString();
    EXPECT_THAT(testsupport::ReadFile(out / "class.csv"), ::testing::ContainsRegex(",[0-9]+\\.[0-9][0-9],"));
  }
  DestroyWindows();
  InstallLanguage(QString());
  CreateWindows();
}

}  // namespace
