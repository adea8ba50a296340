// The velocity measurement as a class makes it: simulated sensors whose
// pulse travels at a velocity the settings do not show, struck at points
// marked on the map with "Strike here", each strike added with the mouse;
// then "Use this velocity", and a strike elsewhere is found within its
// fitting region.
#include "app/windows/velocity_form.h"

#include "app/commands/startup.h"
#include "app/experiment/epicenter_answer.h"
#include "app/experiment/experiment_state.h"
#include "app/experiment/settings_file.h"
#include "app/sensors/scripted_sensors.h"
#include "app/sensors/simulated_sensors.h"
#include "app/windows/acquisition_form.h"
#include "app/windows/capture_device_option.h"
#include "app/windows/main_form.h"
#include "app/windows/questions.h"
#include "app/windows/settings_form.h"
#include "app/windows/windows.h"
#include "audio/audio_in.h"
#include "draw/message_service.h"
#include "forms/controls/components.h"
#include "forms/controls/standard_controls.h"
#include "platform/wave_in.h"
#include "support/test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPdfDocument>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace {

constexpr double kHidden = 150000;  // mm/s; the settings say 120000

class VelocityWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    Experiment = TExperimentState{};
    cwd_ = std::make_unique<testsupport::ScopedWorkingDir>(dir_.path());
    testsupport::WriteFile(dir_ / "config.ini",
                           "[POSICAO]\r\nxA=200\r\nxB=900\r\nxC=600\r\nyA=300\r\nyB=200\r\nyC=800\r\n"
                           "[VELOCIDADE]\r\nvel=120000\r\n[TAQUISICAO]\r\ntaq=1\r\n[TXAQUISICAO]\r\ntx=44100\r\n"
                           "[LEVELDETECTION]\r\nlevel_detec=50\r\n");
    CreateWindows();
    messages_.Clear();  // the example map picture is not there
    UseCaptureDevice(QString::fromLatin1(kWaveInSimulatedName));
    SetSimulatedVelocity(kHidden);
    Form1->Show();
    Form3->SetEnabled(true);
    Form3->Show();
  }
  void TearDown() override {
    SetSimulatedVelocity(0);
    SetQuestionSink(nullptr);
    DestroyWindows();
    cwd_.reset();
  }

  // A right click on the map at (x, y) mm, then the menu's item `caption`.
  void MapMenu(double x, double y, const QString& caption) {
    const QPointF at(x / 2, y / 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, Form1->imgMapa->mapToGlobal(at), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(Form1->imgMapa, &press);
    Form1->mnImgMapa->Popup(0, 0);
    QMenu* menu = Form1->mnImgMapa->ShownMenu();
    ASSERT_NE(menu, nullptr);
    QAction* item = nullptr;
    for (QAction* a : menu->actions())
      if (a->text() == caption) item = a;
    ASSERT_NE(item, nullptr) << caption.toStdString();
    item->trigger();
    menu->close();
    QApplication::processEvents();
  }
  // Struck at (x, y) mm, both pairs recorded, added to the measurement.
  void StrikeAndAdd(TScriptedSensors& sensors, double x, double y) {
    ASSERT_NO_FATAL_FAILURE(MapMenu(x, y, QStringLiteral("Strike here")));
    ASSERT_TRUE(sensors.RecordPair(TForm3::kPairAB));
    ASSERT_TRUE(sensors.RecordPair(TForm3::kPairAC));
    QTest::mouseClick(Form5->btnAddStrike->Button(), Qt::LeftButton);
  }
  // "Velocity: v ± u mm/s" of the figures shown.
  std::pair<double, double> ShownVelocity() const {
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Velocity: ([0-9.]+) ± ([0-9.]+) mm/s"))
                                          .match(Form5->lblFigures->Caption());
    if (!m.hasMatch()) return {NAN, NAN};
    return {m.captured(1).toDouble(), m.captured(2).toDouble()};
  }

  testsupport::TempDir dir_;
  std::unique_ptr<testsupport::ScopedWorkingDir> cwd_;
  TMessageRecorder messages_;
};

TEST_F(VelocityWindowTest, MeasuredUsedAndThenLocatingWithIt) {
  TScriptedSensors sensors;
  MapMenu(1250, 150, QStringLiteral("Measure Velocity…"));
  ASSERT_TRUE(Form5->isVisible());
  EXPECT_EQ(Form5->windowTitle(), "Pulse Velocity");
  EXPECT_EQ(Form5->txtStrikeX->Text(), "1250");
  EXPECT_FALSE(Form5->btnUseVelocity->Enabled());

  // Nothing recorded at this point yet: the strike is refused with why.
  QTest::mouseClick(Form5->btnAddStrike->Button(), Qt::LeftButton);
  EXPECT_EQ(messages_.Messages(),
            QStringList{"Record pair A+B or A+C of this strike first (both of its times must be set)"});
  messages_.Clear();
  EXPECT_EQ(Form5->StrikeCount(), 0);

  // In line with A and B beyond B, then beyond A; in line with A and C
  // beyond C, then beyond A.
  StrikeAndAdd(sensors, 1250, 150);
  EXPECT_EQ(Form5->txtStrikeX->Text(), "1250");
  EXPECT_EQ(Form5->StrikeCount(), 1);
  EXPECT_TRUE(Form5->lblFigures->Caption().contains("Corrections not fitted: the strikes give sensor B one distance"))
      << Form5->lblFigures->Caption().toStdString();
  StrikeAndAdd(sensors, 24, 324);
  StrikeAndAdd(sensors, 720, 950);
  StrikeAndAdd(sensors, 40, 100);
  // On the bisector of A and B: that pair is refused, saying where to strike.
  StrikeAndAdd(sensors, 600, 600);
  ASSERT_EQ(Form5->StrikeCount(), 5);
  const QString figures = Form5->lblFigures->Caption();
  EXPECT_TRUE(figures.contains("Strike 5, A+B: refused: the strike is nearly as far from B as from A")) << figures.toStdString();
  EXPECT_TRUE(figures.contains("strike in line with A and B, outside the segment between them"));
  EXPECT_TRUE(figures.contains("Corrections (late beside A): B ")) << figures.toStdString();
  auto [velocity, uncertainty] = ShownVelocity();
  EXPECT_NEAR(velocity, kHidden, uncertainty) << figures.toStdString();
  EXPECT_LE(uncertainty, 3 * kHidden * kHidden / 44100 / 707);

  // A strike taken by mistake (pairs of the last strike, point typed
  // wrong) is removed and the figures go back.
  Form5->txtStrikeX->SetText("100");
  QTest::mouseClick(Form5->btnAddStrike->Button(), Qt::LeftButton);
  ASSERT_EQ(Form5->StrikeCount(), 6);
  EXPECT_NE(ShownVelocity().first, velocity);
  Form5->cmbStrikes->SetItemIndex(5);
  QTest::mouseClick(Form5->btnRemove->Button(), Qt::LeftButton);
  ASSERT_EQ(Form5->StrikeCount(), 5);
  EXPECT_EQ(ShownVelocity().first, velocity);

  // "Use this velocity" asks; No keeps the settings.
  QStringList asked;
  bool yes = false;
  SetQuestionSink([&](const QString& text) {
    asked << text;
    return yes;
  });
  ASSERT_TRUE(Form5->btnUseVelocity->Enabled());
  QTest::mouseClick(Form5->btnUseVelocity->Button(), Qt::LeftButton);
  ASSERT_EQ(asked.size(), 1);
  EXPECT_TRUE(asked[0].startsWith("Use ")) << asked[0].toStdString();
  EXPECT_EQ(Experiment.pulseVelocity, 120000);
  yes = true;
  QTest::mouseClick(Form5->btnUseVelocity->Button(), Qt::LeftButton);
  EXPECT_EQ(Experiment.pulseVelocity, std::lround(velocity));
  EXPECT_EQ(Form2->txt_vel->Text(), QString::number(std::lround(velocity)));
  std::stringstream saved;
  saved << std::ifstream(dir_ / "config.ini").rdbuf();
  EXPECT_NE(saved.str().find("vel=" + std::to_string(std::lround(velocity))), std::string::npos) << saved.str();
  EXPECT_NE(saved.str().find("[VELOCITYMEASURE]"), std::string::npos) << saved.str();
  EXPECT_GT(Experiment.velocityUncertainty, 0.0);

  // A strike elsewhere is found, and the region that fits its times holds it.
  EXPECT_TRUE(messages_.Messages().isEmpty()) << messages_.Messages().join("|").toStdString();
  SetStrikePoint({500, 450});
  ASSERT_TRUE(sensors.RecordPair(TForm3::kPairAB));
  ASSERT_TRUE(sensors.RecordPair(TForm3::kPairAC));
  QTest::mouseClick(Form3->btnEpicenter->Button(), Qt::LeftButton);
  const TEpicenterAnswer& answer = Form3->Answer();
  ASSERT_TRUE(answer.Solved());
  EXPECT_GE(answer.region.PartAt(500, 450), 0);
  EXPECT_LT(std::hypot(answer.point.x - 500, answer.point.y - 450), answer.uncertainty + 2);

  // The run's sheet gives the measurement it was located with.
  Form3->Show();
  TFolderDialog::SetChooser([&](const TFolderDialog&) { return QString::fromStdString((dir_ / "sheets").string()); });
  QTest::mouseClick(Form3->btnExportCsv->Button(), Qt::LeftButton);
  TFolderDialog::SetChooser(nullptr);
  std::stringstream sheet;
  sheet << std::ifstream(dir_ / "sheets" / "results.csv").rdbuf();
  EXPECT_NE(sheet.str().find("velocity," + std::to_string(std::lround(velocity)) + ",mm/s\nvelocity_uncertainty,"),
            std::string::npos)
      << sheet.str();
  EXPECT_NE(sheet.str().find("correction_B_uncertainty,"), std::string::npos);
  // So does the report page of the run saved.
  TFolderDialog::SetChooser([&](const TFolderDialog&) { return QString::fromStdString((dir_ / "run").string()); });
  QTest::mouseClick(Form3->btnSaveRun->Button(), Qt::LeftButton);
  TFolderDialog::SetChooser(nullptr);
  QPdfDocument report;
  ASSERT_EQ(report.load(QString::fromStdString((dir_ / "run" / "report.pdf").string())), QPdfDocument::Error::None);
  const QString page = report.getAllText(0).text();
  EXPECT_TRUE(page.contains(QStringLiteral("Pulse velocity %1 mm/s").arg(std::lround(velocity)))) << page.toStdString();
  EXPECT_TRUE(page.contains(QStringLiteral("Measured to ± %1 mm/s").arg(std::lround(Experiment.velocityUncertainty))))
      << page.toStdString();
  EXPECT_TRUE(page.contains(QStringLiteral("Correction C ")));

  // Another velocity typed by hand is not the measurement's: its
  // uncertainty and corrections are set aside, in memory and in config.ini.
  Form2->txt_vel->SetText(QStringLiteral("130000"));
  QTest::mouseClick(Form2->btnAplicar->Button(), Qt::LeftButton);
  EXPECT_EQ(Experiment.pulseVelocity, 130000);
  EXPECT_EQ(Experiment.velocityUncertainty, 0.0);
  TExperimentState reread;
  ReadSettingsOver(dir_ / "config.ini", reread, nullptr);
  EXPECT_EQ(reread.pulseVelocity, 130000);
  EXPECT_EQ(reread.velocityUncertainty, 0.0);
  EXPECT_EQ(reread.sensorCorrection[0], 0.0);
  EXPECT_EQ(reread.sensorCorrection[1], 0.0);
}

// With real sensors the program cannot know where the ground was struck:
// the point the user marks ("I struck here", or typed in the velocity
// window) is shown, measured against, and kept with the run; Reset forgets
// it.
TEST_F(VelocityWindowTest, AStruckPointMarkedWithRealSensorsIsKeptWithTheRun) {
  TScriptedSensors sensors;
  ASSERT_TRUE(sensors.RecordPair(TForm3::kPairAB));
  ASSERT_TRUE(sensors.RecordPair(TForm3::kPairAC));
  auto saveRun = [&](const std::filesystem::path& folder) {
    TFolderDialog::SetChooser([&](const TFolderDialog&) { return QString::fromStdString(folder.string()); });
    QTest::mouseClick(Form3->btnSaveRun->Button(), Qt::LeftButton);
    TFolderDialog::SetChooser(nullptr);
    return testsupport::ReadFile(folder / "run.ini");
  };
  // The recording as the sound card would have made it: no struck point.
  std::string ini = saveRun(dir_ / "recorded");
  const std::size_t strike = ini.find("[STRIKE]");
  ASSERT_NE(strike, std::string::npos) << ini;
  ini.erase(strike, ini.find("[PROGRAM]") - strike);
  testsupport::WriteFile(dir_ / "recorded" / "run.ini", ini);
  UseCaptureDevice(QString::fromLatin1(kWaveInRecordingName));
  auto openRun = [&] {
    TFolderDialog::SetChooser(
        [&](const TFolderDialog&) { return QString::fromStdString((dir_ / "recorded").string()); });
    QTest::mouseClick(Form3->btnOpenRun->Button(), Qt::LeftButton);
    TFolderDialog::SetChooser(nullptr);
  };
  openRun();
  QTest::mouseClick(Form3->btnEpicenter->Button(), Qt::LeftButton);
  ASSERT_TRUE(Form1->imgEpicenter->Visible());
  EXPECT_FALSE(Form1->lblEpicenter->Caption().contains("Struck at"));
  EXPECT_FALSE(Form1->imgStrike->Visible());

  // Marked after finding: the cross shows it and the text measures against it.
  ASSERT_NO_FATAL_FAILURE(MapMenu(520, 430, QStringLiteral("I struck here")));
  EXPECT_TRUE(Form1->imgStrike->Visible());
  EXPECT_EQ(Form1->imgStrike->geometry().center(), QPoint(520 / 2 + 20, 430 / 2 + 20));
  EXPECT_TRUE(Form1->lblEpicenter->Caption().contains("Struck at x 520.0 mm, y 430.0 mm"))
      << Form1->lblEpicenter->Caption().toStdString();
  ini = saveRun(dir_ / "marked");
  EXPECT_NE(ini.find("[STRIKE]\r\nx=520\r\ny=430\r\n"), std::string::npos) << ini;

  // Reset forgets the mark: a later strike is not saved with it.
  QTest::mouseClick(Form1->btnReset->Button(), Qt::LeftButton);
  EXPECT_FALSE(Form1->imgStrike->Visible());
  openRun();
  EXPECT_EQ(saveRun(dir_ / "unmarked").find("[STRIKE]"), std::string::npos);

  // A point measured with a ruler, typed and added to the measurement.
  MapMenu(100, 100, QStringLiteral("Measure Velocity…"));
  Form5->txtStrikeX->SetText(QStringLiteral("1250"));
  Form5->txtStrikeY->SetText(QStringLiteral("150.5"));
  QTest::mouseClick(Form5->btnAddStrike->Button(), Qt::LeftButton);
  EXPECT_TRUE(Form1->imgStrike->Visible());
  ini = saveRun(dir_ / "typed");
  EXPECT_NE(ini.find("[STRIKE]\r\nx=1250\r\ny=150.5\r\n"), std::string::npos) << ini;
  // Reopened, the run knows its own strike.
  QTest::mouseClick(Form1->btnReset->Button(), Qt::LeftButton);
  TFolderDialog::SetChooser([&](const TFolderDialog&) { return QString::fromStdString((dir_ / "typed").string()); });
  QTest::mouseClick(Form3->btnOpenRun->Button(), Qt::LeftButton);
  TFolderDialog::SetChooser(nullptr);
  QTest::mouseClick(Form3->btnEpicenter->Button(), Qt::LeftButton);
  EXPECT_TRUE(Form1->lblEpicenter->Caption().contains("Struck at x 1250.0 mm, y 150.5 mm"))
      << Form1->lblEpicenter->Caption().toStdString();
  EXPECT_TRUE(messages_.Messages().filter("Could not").isEmpty()) << messages_.Messages().join("|").toStdString();
}

// A velocity that is not a whole number of mm/s is read as the default,
// and the main window says so, as it does for a damaged measurement.
TEST(VelocitySettings, AVelocityThatIsNotWholeIsNamedAtStart) {
  testsupport::TempDir dir;
  testsupport::ScopedWorkingDir cwd(dir.path());
  testsupport::WriteFile(dir / "config.ini",
                         "[VELOCIDADE]\r\nvel=149456.3\r\n[VELOCITYMEASURE]\r\nuncertainty=-5\r\n");
  TMessageRecorder messages;
  Experiment = TExperimentState{};
  CreateWindows();
  EXPECT_EQ(Experiment.pulseVelocity, 120000);
  EXPECT_EQ(Experiment.velocityUncertainty, 0.0);
  ASSERT_FALSE(messages.Messages().isEmpty());
  EXPECT_EQ(messages.Messages()[0], "These values of config.ini were not read; the defaults are used instead:\n"
                                    "[VELOCIDADE] vel = '149456.3' is not a whole number\n"
                                    "[VELOCITYMEASURE] uncertainty = '-5' is not a number of at least 0");
  DestroyWindows();
}

}  // namespace
