// The main window and the settings dialog, driven through their controls
// as the user would, with the settings file in a fresh working directory.
#include "app/windows/acquisition_form.h"
#include "app/experiment/experiment_state.h"
#include "app/windows/listen_form.h"
#include "app/windows/main_form.h"
#include "app/windows/settings_form.h"
#include "app/commands/startup.h"
#include "app/windows/windows.h"
#include "forms/controls/components.h"
#include "draw/message_service.h"
#include "forms/controls/standard_controls.h"
#include "audio/audio_in.h"
#include "audio/audio_to_real.h"
#include "scope/scope.h"
#include "platform/profile_file.h"
#include "support/test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest/QTest>
#include <filesystem>
#include <gmock/gmock.h>

QT_BEGIN_NAMESPACE
// Readable values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace fs = std::filesystem;
using ::testing::HasSubstr;

namespace {

fs::path Picture(const char* name) {
  const char* dir = std::getenv("TREMORA_TEST_DATA");
  return fs::path(dir ? dir : "tests/data") / "pictures" / name;
}

class MainWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    Experiment = TExperimentState{};
    cwd_ = std::make_unique<testsupport::ScopedWorkingDir>(dir_.path());
  }
  void TearDown() override {
    DestroyWindows();
    TOpenPictureDialog::SetChooser(nullptr);
    cwd_.reset();
  }
  void Start() { CreateWindows(); }
  void WriteConfig(const std::string& text) { testsupport::WriteFile(dir_ / "config.ini", text); }
  std::string Config() { return testsupport::ReadFile(dir_ / "config.ini"); }
  std::string StoredPicture() { return profile::ReadString(dir_ / "config.ini", "IMGFILE", "imgfilename", "?"); }

  // Sent directly: QTest takes the point (0, 0) for "the centre".
  void ClickMap(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    const QPointF local(x, y);
    const QPointF global = Form1->imgMapa->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(Form1->imgMapa, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Form1->imgMapa, &release);
  }
  void Type(TEdit* edit, const QString& text) {
    edit->Editor()->clear();
    QTest::keyClicks(edit->Editor(), text);
  }
  void Apply() { QTest::mouseClick(Form2->btnAplicar->Button(), Qt::LeftButton); }
  void ChooseLoadImage() {
    Form1->mnImgMapa->Popup(0, 0);
    QMenu* menu = Form1->mnImgMapa->ShownMenu();
    ASSERT_NE(menu, nullptr);
    // Without simulated sensors the user marks the strike instead of choosing it.
    ASSERT_EQ(menu->actions().size(), 4);
    EXPECT_EQ(menu->actions()[0]->text(), "Load Image");
    EXPECT_EQ(menu->actions()[1]->text(), "I struck here");
    EXPECT_EQ(menu->actions()[2]->text(), "Measure Velocity\u2026");
    EXPECT_EQ(menu->actions()[3]->text(), "Class Results\u2026");
    menu->actions()[0]->trigger();
    menu->close();
    QApplication::processEvents();  // the item's handler runs after the menu closed
  }

  // The block both capture components would record, and the time axes.
  // The monitor takes them from Apply and Save or from "Listen Now".
  void ExpectCaptureBlock(uint32_t seconds, uint32_t rate, bool monitor = true) {
    EXPECT_EQ(Form3->AI->AudioFormat()->SampleRate(), rate);
    EXPECT_EQ(Form3->AI->AudioFormat()->BufferSize(), seconds * rate);
    if (monitor) {
      EXPECT_EQ(Form4->AIOsc->AudioFormat()->SampleRate(), rate);
      EXPECT_EQ(Form4->AIOsc->AudioFormat()->BufferSize(), seconds * rate);
    }
    for (TSLScope* scope : {Form3->ScpAB, Form3->ScpAC}) {
      EXPECT_EQ(scope->XAxis()->Max()->Value(), double(seconds));
      EXPECT_EQ(scope->XAxis()->Max()->DataValue(), double(seconds * rate));
    }
  }

  testsupport::TempDir dir_;
  std::unique_ptr<testsupport::ScopedWorkingDir> cwd_;
  TMessageRecorder messages_;
};

TEST_F(MainWindowTest, FirstRunWithoutSettingsFile) {
  Start();
  // Stations at (0, 0), (20, 0), (40, 0) mm: needle tips at map pixels 0, 10, 20.
  EXPECT_EQ(Form1->est[stA]->Left(), 20);
  EXPECT_EQ(Form1->est[stA]->Top(), 0);
  EXPECT_EQ(Form1->est[stB]->Left(), 30);
  EXPECT_EQ(Form1->est[stC]->Left(), 40);
  EXPECT_EQ(Form1->est[stC]->Top(), 0);
  EXPECT_EQ(Form1->est[stA]->Width(), 16);
  EXPECT_EQ(Form1->est[stA]->Height(), 20);
  EXPECT_EQ(Experiment.mapScale, 2.0);

  EXPECT_EQ(Form2->txt_xA->Text(), "0");
  EXPECT_EQ(Form2->txt_xB->Text(), "20");
  EXPECT_EQ(Form2->txt_xC->Text(), "40");
  EXPECT_EQ(Form2->txt_yC->Text(), "0");
  EXPECT_EQ(Form2->txt_vel->Text(), "120000");
  EXPECT_EQ(Form2->cmbTempo->Text(), "5");
  EXPECT_EQ(Form2->cmbTaxa->Text(), "8000");
  EXPECT_EQ(Form2->barLevel->Position(), 10);
  EXPECT_EQ(Form2->lblLevel->Caption(), "1 %");

  // default.jpg is missing: reported once, start-up went on with an empty map.
  ASSERT_EQ(messages_.Messages().size(), 1);
  EXPECT_THAT(messages_.Messages()[0].toStdString(), HasSubstr("default.jpg"));
  EXPECT_TRUE(Form1->imgMapa->Picture().Empty());
  EXPECT_FALSE(fs::exists(dir_ / "config.ini"));  // nothing saved at start

  // Fixed sizes and texts of both windows.
  EXPECT_EQ(Form1->Caption(), "Tremora - Geophysics - Norvale");
  EXPECT_EQ(Form1->ClientWidth(), 1000);
  EXPECT_EQ(Form1->ClientHeight(), 540);
  EXPECT_EQ(Form1->minimumSize(), Form1->maximumSize());
  EXPECT_EQ(Form2->Caption(), "Settings");
  EXPECT_EQ(Form2->ClientWidth(), 409);
  EXPECT_EQ(Form2->ClientHeight(), 244);
  EXPECT_FALSE(Form2->isVisible());
  EXPECT_FALSE(Form1->circ[stA]->Visible());
  EXPECT_FALSE(Form1->imgEpicenter->Visible());
  EXPECT_EQ(Form2->PageControl1->ActivePageIndex(), 0);
  EXPECT_EQ(Form2->PageControl1->PageCount(), 4);
}

TEST_F(MainWindowTest, StoredStationAndMapPictureAreUsed) {
  fs::copy_file(Picture("map.jpg"), dir_ / "default.jpg");
  WriteConfig("[POSICAO]\nxA=101\nyA=201\nxB=0x10\n[LEVELDETECTION]\nlevel_detec=0\n");
  Start();
  // Round(50.5) = 50 and Round(100.5) = 100.
  EXPECT_EQ(Form1->est[stA]->Left(), 70);
  EXPECT_EQ(Form1->est[stA]->Top(), 100);
  EXPECT_EQ(Form1->est[stB]->Left(), 28);
  EXPECT_TRUE(messages_.Messages().isEmpty());
  EXPECT_FALSE(Form1->imgMapa->Picture().Empty());
  EXPECT_EQ(Form1->imgMapa->Picture().Width(), 140);
  // A stored level of 0 leaves the read-out at its initial text.
  EXPECT_EQ(Form2->lblLevel->Caption(), "0");
  // Circles of radius 0 sit at the needle tip.
  EXPECT_EQ(Form1->circ[stA]->Width(), 0);
  EXPECT_EQ(Form1->circ[stA]->Left(), 70);
  EXPECT_EQ(Form1->circ[stA]->Top(), 120);
}

// What scripts/run starts in when the caller's folder has no settings.
// A level edited by hand beyond the level bar's range (a negative one would
// take the first sample for the pulse) is read as the default, and the
// window says which value was not read.
TEST_F(MainWindowTest, DetectionLevelBeyondItsRangeIsNotReadAndSaid) {
  for (const char* level : {"-5", "1001"}) {
    WriteConfig(std::string("[VELOCIDADE]\nvel=99000\n[LEVELDETECTION]\nlevel_detec=") + level + "\n");
    messages_.Clear();
    Start();
    EXPECT_EQ(Experiment.detectionLevel, 10) << level;
    EXPECT_EQ(Form2->lblLevel->Caption(), "1 %") << level;
    EXPECT_EQ(Experiment.pulseVelocity, 99000) << level;
    const QStringList said = messages_.Messages().filter("config.ini");
    ASSERT_EQ(said.size(), 1) << messages_.Messages().join("|").toStdString();
    EXPECT_THAT(said[0].toStdString(), HasSubstr(std::string("[LEVELDETECTION] level_detec = ") + level +
                                                 ": Detection level must be between 0 and 1000"));
    DestroyWindows();
  }
  // The range's ends are read, without a word.
  WriteConfig("[LEVELDETECTION]\nlevel_detec=1000\n");
  messages_.Clear();
  Start();
  EXPECT_EQ(Experiment.detectionLevel, 1000);
  EXPECT_TRUE(messages_.Messages().filter("config.ini").isEmpty());
}

TEST_F(MainWindowTest, ExampleLabOpensWithItsMapAndStations) {
  const char* data = std::getenv("TREMORA_TEST_DATA");
  const fs::path lab = fs::path(data ? data : "tests/data") / ".." / ".." / "examples" / "lab";
  for (const char* name : {"config.ini", "default.jpg"}) fs::copy_file(lab / name, dir_ / name);
  Start();
  EXPECT_TRUE(messages_.Messages().isEmpty()) << messages_.Messages().value(0).toStdString();
  ASSERT_FALSE(Form1->imgMapa->Picture().Empty());
  EXPECT_EQ(Form1->imgMapa->Picture().Width(), 700);
  EXPECT_EQ(Form1->imgMapa->Picture().Height(), 500);
  // Every station lies on the map, inside the drawn room (60..1340 x 60..940 mm).
  for (int k = 0; k < 3; ++k) {
    EXPECT_GT(Experiment.stationX[k], 60);
    EXPECT_LT(Experiment.stationX[k], 1340);
    EXPECT_GT(Experiment.stationY[k], 60);
    EXPECT_LT(Experiment.stationY[k], 940);
  }
  EXPECT_EQ(Form2->cmbTaxa->Text(), "44100");
  EXPECT_EQ(Form2->cmbTempo->Text(), "1");
  EXPECT_EQ(Form2->lblLevel->Caption(), "5 %");
  // The copy is writable: Apply and Save keeps the comments and stations.
  Apply();
  EXPECT_TRUE(messages_.Messages().isEmpty());
  EXPECT_THAT(Config(), HasSubstr("; The example lab"));
  EXPECT_THAT(Config(), HasSubstr("xB=900"));
}

TEST_F(MainWindowTest, MapClicksGiveHintAndSelectedStationFields) {
  Start();
  ClickMap(60, 32);
  EXPECT_EQ(Form1->imgMapa->Hint(), "x: 120 mm, y: 64 mm");
  EXPECT_TRUE(Form1->imgMapa->EffectiveShowHint());
  // No station selected: only the hint changed.
  EXPECT_EQ(Form2->txt_xA->Text(), "0");
  EXPECT_EQ(Form2->txt_xB->Text(), "20");
  EXPECT_EQ(Form2->txt_xC->Text(), "40");

  QTest::mouseClick(Form2->rbtnA->Radio(), Qt::LeftButton);
  ASSERT_TRUE(Form2->rbtnA->Checked());
  ClickMap(60, 32);
  EXPECT_EQ(Form2->txt_xA->Text(), "120");
  EXPECT_EQ(Form2->txt_yA->Text(), "64");

  QTest::mouseClick(Form2->rbtnC->Radio(), Qt::LeftButton);
  EXPECT_FALSE(Form2->rbtnA->Checked());
  EXPECT_TRUE(Form2->rbtnC->Checked());
  ClickMap(0, 0);
  EXPECT_EQ(Form1->imgMapa->Hint(), "x: 0 mm, y: 0 mm");
  EXPECT_EQ(Form2->txt_xC->Text(), "0");
  EXPECT_EQ(Form2->txt_yC->Text(), "0");
  ClickMap(699, 499);
  EXPECT_EQ(Form1->imgMapa->Hint(), "x: 1398 mm, y: 998 mm");
  EXPECT_EQ(Form2->txt_xC->Text(), "1398");
  EXPECT_EQ(Form2->txt_yC->Text(), "998");
  EXPECT_EQ(Form2->txt_xA->Text(), "120");  // A is no longer selected

  // The right button (which opens the map's menu) shows the hint but
  // never changes a station's fields; the stations have not moved.
  ClickMap(10, 20, Qt::RightButton);
  EXPECT_EQ(Form1->imgMapa->Hint(), "x: 20 mm, y: 40 mm");
  EXPECT_EQ(Form2->txt_xC->Text(), "1398");
  EXPECT_EQ(Form2->txt_yC->Text(), "998");
  EXPECT_EQ(Form1->est[stC]->Left(), 40);
  EXPECT_EQ(Experiment.stationX[stC], 40);
}

TEST_F(MainWindowTest, ApplyAndSaveMovesMarkersAndWritesSettings) {
  Start();
  Type(Form2->txt_xA, "101");
  Type(Form2->txt_yA, "201");
  Type(Form2->txt_xB, "900");
  Type(Form2->txt_yB, "200");
  Type(Form2->txt_xC, "600");
  Type(Form2->txt_yC, "800");
  Type(Form2->txt_vel, "99000");
  Form2->cmbTempo->Combo()->setEditText("20");
  Form2->cmbTaxa->Combo()->setEditText("44100");
  Apply();
  EXPECT_TRUE(messages_.Messages().size() == 1) << messages_.Messages().join("|").toStdString();  // default.jpg only
  EXPECT_EQ(Experiment.stationX[stA], 101);
  EXPECT_EQ(Experiment.stationY[stC], 800);
  EXPECT_EQ(Experiment.pulseVelocity, 99000);
  EXPECT_EQ(Experiment.acquisitionTime, 20);
  EXPECT_EQ(Experiment.acquisitionRate, 44100);
  EXPECT_EQ(Form1->est[stA]->Left(), 70);
  EXPECT_EQ(Form1->est[stA]->Top(), 100);
  EXPECT_EQ(Form1->est[stB]->Left(), 470);
  EXPECT_EQ(Form1->est[stB]->Top(), 100);
  EXPECT_EQ(Form1->est[stC]->Left(), 320);
  EXPECT_EQ(Form1->est[stC]->Top(), 400);
  // The capture of both windows and the time axes follow.
  ExpectCaptureBlock(20, 44100);

  const std::string ini = Config();
  EXPECT_THAT(ini, HasSubstr("xA=101"));
  EXPECT_THAT(ini, HasSubstr("yC=800"));
  EXPECT_THAT(ini, HasSubstr("vel=99000"));
  EXPECT_THAT(ini, HasSubstr("taq=20"));
  EXPECT_THAT(ini, HasSubstr("tx=44100"));
  EXPECT_THAT(ini, HasSubstr("level_detec=10"));
  EXPECT_THAT(ini, HasSubstr("[DATASHOWMODE]"));
  // The map in the lab folder is named relative to it.
  EXPECT_EQ(StoredPicture(), "default.jpg");

  // A typed rate outside the list is taken as it is.
  Form2->cmbTaxa->Combo()->setEditText("12000");
  Apply();
  EXPECT_EQ(Experiment.acquisitionRate, 12000);
  ExpectCaptureBlock(20, 12000);
}

TEST_F(MainWindowTest, NonIntegerFieldStopsTheSequence) {
  Start();
  messages_.Clear();
  Type(Form2->txt_xA, "300");
  Type(Form2->txt_yA, "10");
  Type(Form2->txt_xB, "12a");
  Type(Form2->txt_yB, "500");
  Apply();
  ASSERT_EQ(messages_.Messages().size(), 1);
  EXPECT_EQ(messages_.Messages()[0], "'12a' is not a valid integer value");
  // Fields read before the bad one are taken; nothing after it happened.
  EXPECT_EQ(Experiment.stationX[stA], 300);
  EXPECT_EQ(Experiment.stationY[stA], 10);
  EXPECT_EQ(Experiment.stationX[stB], 20);
  EXPECT_EQ(Experiment.stationY[stB], 0);
  EXPECT_EQ(Form1->est[stA]->Left(), 20);  // markers not moved
  EXPECT_FALSE(fs::exists(dir_ / "config.ini"));
  ExpectCaptureBlock(5, 8000, false);

  Type(Form2->txt_xB, "");
  Apply();
  EXPECT_EQ(messages_.Messages().last(), "'' is not a valid integer value");
}

TEST_F(MainWindowTest, AcquisitionBeyondTheCaptureBoundsIsRefusedAndNothingWritten) {
  Start();
  messages_.Clear();
  const struct {
    const char *time, *rate, *message;
  } refused[] = {
      {"7000", "44100", "Acquisition time must be between 1 and 60 seconds"},
      {"0", "8000", "Acquisition time must be between 1 and 60 seconds"},
      {"5", "192000", "Acquisition rate must be between 1000 and 96000 samples / s"},
      {"31", "44100", "Acquisition time x rate must not exceed 1323000 samples (30 seconds at 44100 samples / s)"},
  };
  for (const auto& c : refused) {
    Form2->cmbTempo->Combo()->setEditText(c.time);
    Form2->cmbTaxa->Combo()->setEditText(c.rate);
    Apply();
    ASSERT_FALSE(messages_.Messages().isEmpty()) << c.time << " s at " << c.rate;
    EXPECT_EQ(messages_.Messages().last(), c.message);
  }
  // So is a velocity at which no pulse arrives, before the acquisition values.
  Form2->cmbTempo->Combo()->setEditText("0");
  for (const char* velocity : {"0", "-120000", "99", "10000001"}) {
    Type(Form2->txt_vel, velocity);
    Apply();
    ASSERT_FALSE(messages_.Messages().isEmpty()) << velocity;
    EXPECT_EQ(messages_.Messages().last(), "Pulse velocity must be between 100 and 10000000 mm / s") << velocity;
  }
  EXPECT_EQ(Experiment.pulseVelocity, 120000);
  Type(Form2->txt_vel, "10000000");
  EXPECT_EQ(Experiment.acquisitionTime, 5);
  EXPECT_EQ(Experiment.acquisitionRate, 8000);
  EXPECT_FALSE(fs::exists(dir_ / "config.ini"));
  ExpectCaptureBlock(5, 8000, false);
  // The largest block allowed goes through.
  Form2->cmbTempo->Combo()->setEditText("30");
  Form2->cmbTaxa->Combo()->setEditText("44100");
  Apply();
  EXPECT_EQ(Experiment.acquisitionTime, 30);
  EXPECT_EQ(Experiment.pulseVelocity, 10000000);
  ExpectCaptureBlock(30, 44100);
}

TEST_F(MainWindowTest, StationOffTheMapIsRefusedAndNothingWritten) {
  Start();
  messages_.Clear();
  const struct {
    TEdit* field;
    const char *text, *message;
  } refused[] = {
      {Form2->txt_xA, "2000000000", "Coord. X of station A must be between 0 and 1400 mm, on the map"},
      {Form2->txt_yB, "-1", "Coord. Y of station B must be between 0 and 1000 mm, on the map"},
      {Form2->txt_xC, "1401", "Coord. X of station C must be between 0 and 1400 mm, on the map"},
      {Form2->txt_yC, "1001", "Coord. Y of station C must be between 0 and 1000 mm, on the map"},
  };
  for (const auto& c : refused) {
    const QString kept = c.field->Text();
    Type(c.field, c.text);
    Apply();
    ASSERT_FALSE(messages_.Messages().isEmpty()) << c.text;
    EXPECT_EQ(messages_.Messages().last(), c.message);
    Type(c.field, kept);
  }
  EXPECT_EQ(Form1->est[stA]->Left(), 20);  // no marker moved
  EXPECT_FALSE(fs::exists(dir_ / "config.ini"));
  // The map's far corner is on it.
  Type(Form2->txt_xC, "1400");
  Type(Form2->txt_yC, "1000");
  messages_.Clear();
  Apply();
  EXPECT_TRUE(messages_.Messages().isEmpty()) << messages_.Messages().join("|").toStdString();
  EXPECT_EQ(Form1->est[stC]->Left(), 720);
}

TEST_F(MainWindowTest, UnwritableSettingsFileIsReported) {
  Start();
  messages_.Clear();
  // A directory in the file's place cannot be written, not even by root.
  fs::create_directory(dir_ / "config.ini");
  Type(Form2->txt_xA, "200");
  Apply();
  ASSERT_EQ(messages_.Messages().size(), 1);
  EXPECT_THAT(messages_.Messages()[0].toStdString(), HasSubstr("Unable to write to"));
  EXPECT_THAT(messages_.Messages()[0].toStdString(), HasSubstr("config.ini"));
  EXPECT_EQ(Form1->est[stA]->Left(), 120);  // placed before the save
  ExpectCaptureBlock(5, 8000, false);              // not pushed after the failure
  // The program goes on: the window still works.
  ClickMap(1, 1);
  EXPECT_EQ(Form1->imgMapa->Hint(), "x: 2 mm, y: 2 mm");
}

TEST_F(MainWindowTest, LoadImageWithGoodAndDamagedPictures) {
  Start();
  messages_.Clear();
  const fs::path good = dir_ / "site.jpg";
  fs::copy_file(Picture("map.jpg"), good);
  QString offered;
  TOpenPictureDialog::SetChooser([&](const TOpenPictureDialog& dialog) {
    offered = dialog.Title();
    return QString::fromStdString(good.string());
  });
  ChooseLoadImage();
  EXPECT_EQ(offered, "Mapa");
  EXPECT_TRUE(messages_.Messages().isEmpty()) << messages_.Messages().join("|").toStdString();
  EXPECT_FALSE(Form1->imgMapa->Picture().Empty());
  // In the lab folder (the working directory) or below it, the name is kept
  // relative to it, so that the folder may be copied to another place.
  EXPECT_EQ(Experiment.imageFileName, "site.jpg");
  EXPECT_EQ(StoredPicture(), "site.jpg");
  fs::create_directory(dir_ / "maps");
  fs::copy_file(good, dir_ / "maps" / "copy.jpg");
  TOpenPictureDialog::SetChooser(
      [&](const TOpenPictureDialog&) { return QString::fromStdString((dir_ / "maps" / "copy.jpg").string()); });
  ChooseLoadImage();
  EXPECT_EQ(StoredPicture(), (fs::path("maps") / "copy.jpg").string());
  // A relative name is found again at the next start from the copied folder.
  testsupport::TempDir copy;
  fs::copy(dir_.path(), copy.path(), fs::copy_options::recursive);
  DestroyWindows();
  fs::rename(dir_ / "maps", dir_ / "elsewhere");  // the old place is gone
  {
    testsupport::ScopedWorkingDir moved(copy.path());
    messages_.Clear();
    Start();
    EXPECT_TRUE(messages_.Messages().isEmpty()) << messages_.Messages().join("|").toStdString();
    EXPECT_FALSE(Form1->imgMapa->Picture().Empty());
    DestroyWindows();
  }
  fs::rename(dir_ / "elsewhere", dir_ / "maps");
  Start();
  ChooseLoadImage();
  ASSERT_EQ(Experiment.imageFileName, (fs::path("maps") / "copy.jpg").string());
  // Outside the working directory the name stays absolute.
  const fs::path outside = copy / "site.jpg";
  TOpenPictureDialog::SetChooser([&](const TOpenPictureDialog&) { return QString::fromStdString(outside.string()); });
  ChooseLoadImage();
  EXPECT_EQ(Experiment.imageFileName, outside.string());
  EXPECT_EQ(StoredPicture(), outside.string());
  TOpenPictureDialog::SetChooser([&](const TOpenPictureDialog&) { return QString::fromStdString(good.string()); });
  ChooseLoadImage();
  ASSERT_EQ(Experiment.imageFileName, "site.jpg");

  // A damaged picture: message, previous picture, name and file unchanged.
  const std::string before = Config();
  const QByteArray shown = Form1->imgMapa->PictureData();
  for (const char* bad : {"truncated.jpg", "damaged.jpg", "not_a_picture.png", "map.gif"}) {
    messages_.Clear();
    TOpenPictureDialog::SetChooser([&](const TOpenPictureDialog&) {
      return QString::fromStdString(Picture(bad).string());
    });
    ChooseLoadImage();
    ASSERT_EQ(messages_.Messages().size(), 1) << bad;
    EXPECT_EQ(Experiment.imageFileName, "site.jpg") << bad;
    EXPECT_EQ(Form1->imgMapa->PictureData(), shown) << bad;
  }
  EXPECT_EQ(Config(), before);
  // A text file named as a JPEG picture is said to be no picture, by name.
  const fs::path text = dir_ / "notes.jpg";
  testsupport::WriteFile(text, "the map is on the board\n");
  messages_.Clear();
  TOpenPictureDialog::SetChooser([&](const TOpenPictureDialog&) { return QString::fromStdString(text.string()); });
  ChooseLoadImage();
  EXPECT_EQ(messages_.Messages(),
            QStringList{QString::fromStdString("\"" + text.string() +
                                               "\" is not a picture the program can read: it does not hold a JPEG image.")});
  EXPECT_EQ(Config(), before);

  // Cancelled: nothing happens.
  messages_.Clear();
  TOpenPictureDialog::SetChooser([](const TOpenPictureDialog&) { return QString(); });
  ChooseLoadImage();
  EXPECT_TRUE(messages_.Messages().isEmpty());
  EXPECT_EQ(Experiment.imageFileName, "site.jpg");
}

TEST_F(MainWindowTest, LoadImageKeepsPictureWhenSaveFails) {
  Start();
  messages_.Clear();
  fs::create_directory(dir_ / "config.ini");
  TOpenPictureDialog::SetChooser([](const TOpenPictureDialog&) {
    return QString::fromStdString(Picture("map.png").string());
  });
  ChooseLoadImage();
  ASSERT_EQ(messages_.Messages().size(), 1);
  EXPECT_THAT(messages_.Messages()[0].toStdString(), HasSubstr("Unable to write to"));
  EXPECT_FALSE(Form1->imgMapa->Picture().Empty());
  EXPECT_EQ(Experiment.imageFileName, Picture("map.png").string());
}

// With a run's settings in force, the lab's config.ini keeps every key as
// the teacher left it, missing, commented or out of range: only the
// picture's name is written.
TEST_F(MainWindowTest, MapChosenWhileARunIsOpenWritesOnlyThePictureName) {
  WriteConfig("; the lab of group 2\r\n[POSICAO]\r\nxA=10\r\nxB=20\r\nxC=30\r\nyA=40\r\nyB=50\r\nyC=60\r\n"
              "[TAQUISICAO]\r\ntaq=900\r\n[TXAQUISICAO]\r\ntx=44100\r\nnote=kept\r\n");
  const std::string lab = Config();
  const fs::path run = dir_ / "run 1";
  fs::create_directories(run);
  testsupport::WriteFile(run / "run.ini",
                         "[POSICAO]\nxA=200\nxB=900\nxC=600\nyA=300\nyB=200\nyC=800\n[VELOCIDADE]\nvel=120000\n"
                         "[TIMES]\nA_AB=1.0\nB=1.0025\nA_AC=1.2\nC=1.2002383\n");
  Start();
  Form3->SetEnabled(true);
  Form3->Show();
  TFolderDialog::SetChooser([&](const TFolderDialog&) { return QString::fromStdString(run.string()); });
  QTest::mouseClick(Form3->btnOpenRun->Button(), Qt::LeftButton);
  TFolderDialog::SetChooser(nullptr);
  ASSERT_EQ(Experiment.stationX[stB], 900);  // the run's settings are in force
  ASSERT_EQ(Config(), lab);

  fs::copy_file(Picture("map.png"), dir_ / "site.png");
  TOpenPictureDialog::SetChooser(
      [&](const TOpenPictureDialog&) { return QString::fromStdString((dir_ / "site.png").string()); });
  ChooseLoadImage();
  // What writing the one key to the lab's file as it was gives.
  const fs::path expected = dir_ / "expected.ini";
  testsupport::WriteFile(expected, lab);
  ASSERT_FALSE(profile::WriteString(expected, "IMGFILE", "imgfilename", "site.png"));
  EXPECT_EQ(Config(), testsupport::ReadFile(expected));
  EXPECT_EQ(Experiment.stationX[stB], 900);
}

TEST_F(MainWindowTest, RadiusAdjusterGrowsTheCircles) {
  Start();
  QTest::mouseClick(Form2->chkShowCircles->Box(), Qt::LeftButton);
  ASSERT_TRUE(Form2->chkShowCircles->Checked());
  for (TShape* circle : Form1->circ) EXPECT_TRUE(circle->Visible());

  Experiment.radiusIncrement[stB] = 30;
  Form1->barAjusteRaio->Bar()->setValue(100);  // as dragging the thumb does
  EXPECT_EQ(Form1->barAjusteRaio->Position(), 100);
  EXPECT_EQ(Experiment.circleRadius[stA], 100);
  EXPECT_EQ(Experiment.circleRadius[stB], 130);
  // Diameter Round(2 r / 2) pixels, centred on the needle tip.
  EXPECT_EQ(Form1->circ[stA]->Width(), 100);
  EXPECT_EQ(Form1->circ[stA]->Height(), 100);
  EXPECT_EQ(Form1->circ[stA]->Left(), 20 - 50);
  EXPECT_EQ(Form1->circ[stA]->Top(), 0 - 50 + 20);
  EXPECT_EQ(Form1->circ[stB]->Width(), 130);
  EXPECT_EQ(Form1->circ[stB]->Left(), 30 - 65);

  // One large step of the bar.
  QTest::mouseClick(Form1->barAjusteRaio->Bar(), Qt::LeftButton, {},
                    QPoint(Form1->barAjusteRaio->Bar()->width() - 25, 10));
  EXPECT_EQ(Form1->barAjusteRaio->Position(), 110);
  EXPECT_EQ(Form1->circ[stA]->Width(), 110);

  QTest::mouseClick(Form2->chkShowCircles->Box(), Qt::LeftButton);
  for (TShape* circle : Form1->circ) EXPECT_FALSE(circle->Visible());
}

TEST_F(MainWindowTest, LevelBarAtZeroAndFifteen) {
  Start();
  Form2->barLevel->Bar()->setValue(15);
  Form3->chkAutomaticTime->SetChecked(true);
  Form3->chkHold->SetChecked(true);
  EXPECT_EQ(Experiment.detectionLevel, 15);
  EXPECT_EQ(Form2->lblLevel->Caption(), QStringLiteral("1") + QLocale().decimalPoint() + "5 %");
  Form2->barLevel->Bar()->setValue(1000);
  EXPECT_TRUE(Form3->chkAutomaticTime->Checked());
  EXPECT_EQ(Form2->lblLevel->Caption(), "100 %");
  Form2->barLevel->Bar()->setValue(0);
  EXPECT_EQ(Experiment.detectionLevel, 0);
  EXPECT_EQ(Form2->lblLevel->Caption(), "0 %");
  // Level 0 turns automatic detection and hold off, and says why, once.
  EXPECT_FALSE(Form3->chkAutomaticTime->Checked());
  EXPECT_FALSE(Form3->chkHold->Checked());
  EXPECT_EQ(messages_.Messages().filter("Minimum Amplitude").size(), 1);
  // The bar keeps its range.
  Form2->barLevel->SetPosition(5000);
  EXPECT_EQ(Form2->barLevel->Position(), 1000);
  EXPECT_EQ(Experiment.detectionLevel, 1000);
}

TEST_F(MainWindowTest, LevelTextUsesTheLocaleSeparator) {
  const QLocale previous;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(TForm2::LevelText(15), "1,5 %");
  EXPECT_EQ(TForm2::LevelText(10), "1 %");
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(TForm2::LevelText(15), "1.5 %");
  EXPECT_EQ(TForm2::LevelText(1), "0.1 %");
  EXPECT_EQ(TForm2::LevelText(0), "0 %");
  QLocale::setDefault(previous);
}

TEST_F(MainWindowTest, ResetClearsTimesCirclesAndEpicenter) {
  Start();
  Form3->ScpAB->InputPins()->GetPin(0)->Connect(Form3->A2R->OutputPins()->GetPin(0));
  Form3->ScpAC->InputPins()->GetPin(1)->Connect(Form3->A2R->OutputPins()->GetPin(1));
  Form3->ScpAB->Cursors()->Cursor(1)->Position()->SetX(2.5);
  Form3->ScpAC->Cursors()->Cursor(0)->Position()->SetX(1.5);
  Form3->ScpAC->XAxis()->SetZoomed(1.0, 2.0);
  Experiment.timeA_AB = 0.5;
  Experiment.timeB = 0.7;
  Experiment.timeA_AC = 1.0;
  Experiment.timeC = 1.1;
  Experiment.radiusIncrement[stC] = 40;
  Form1->barAjusteRaio->Bar()->setValue(50);
  Form1->imgEpicenter->SetVisible(true);
  ASSERT_EQ(Form1->circ[stC]->Width(), 90);

  QTest::mouseClick(Form1->btnReset->Button(), Qt::LeftButton);
  // The scopes are disconnected, unzoomed, their cursors at 0.
  for (TSLScope* scope : {Form3->ScpAB, Form3->ScpAC}) {
    for (int i = 0; i < 2; ++i) {
      EXPECT_FALSE(scope->InputPins()->GetPin(i)->IsConnected());
      EXPECT_EQ(scope->Cursors()->Cursor(i)->Position()->X(), 0.0);
    }
  }
  EXPECT_FALSE(Form3->ScpAC->XAxis()->IsZoomed());
  EXPECT_EQ(Experiment.timeA_AB, 0.0);
  EXPECT_EQ(Experiment.timeB, 0.0);
  EXPECT_EQ(Experiment.timeA_AC, 0.0);
  EXPECT_EQ(Experiment.timeC, 0.0);
  EXPECT_EQ(Experiment.radiusIncrement[stC], 0);
  EXPECT_FALSE(Form1->imgEpicenter->Visible());
  EXPECT_EQ(Form1->barAjusteRaio->Position(), 0);
  // The bar moved, so its handler cleared the radii.
  EXPECT_EQ(Experiment.circleRadius[stC], 0);
  for (TShape* circle : Form1->circ) {
    EXPECT_EQ(circle->Width(), 0);
    EXPECT_EQ(circle->Height(), 0);
  }
}

TEST_F(MainWindowTest, ButtonsShowTheWorkingWindows) {
  Start();
  Form2->SetEnabled(false);
  QTest::mouseClick(Form1->BitBtn1->Button(), Qt::LeftButton);
  EXPECT_TRUE(Form2->isVisible());
  EXPECT_TRUE(Form2->isEnabled());
  // Closing the dialog only hides it; its fields keep what was typed.
  Form2->txt_vel->SetText("777");
  Form2->Close();
  EXPECT_FALSE(Form2->isVisible());
  QTest::mouseClick(Form1->BitBtn1->Button(), Qt::LeftButton);
  EXPECT_EQ(Form2->txt_vel->Text(), "777");
  // The acquisition window is created disabled; its button enables it.
  EXPECT_FALSE(Form3->isEnabled());
  messages_.Clear();
  QTest::mouseClick(Form1->BitBtn2->Button(), Qt::LeftButton);
  QTest::mouseClick(Form1->BitBtn3->Button(), Qt::LeftButton);
  EXPECT_TRUE(Form4->isVisible());
  EXPECT_TRUE(Form3->isVisible());
  EXPECT_TRUE(Form3->isEnabled());
  EXPECT_TRUE(messages_.Messages().isEmpty());
  EXPECT_EQ(Form1->BitBtn1->Caption(), "Settings");
  EXPECT_EQ(Form1->BitBtn2->Caption(), "Listening");
  EXPECT_EQ(Form1->BitBtn3->Caption(), "Acquisition");
  EXPECT_EQ(Form1->BitBtn1->GlyphPicture().Size(), QSize(64, 64));
  EXPECT_EQ(Form1->btnReset->GlyphPicture().Size(), QSize(32, 32));
}

TEST_F(MainWindowTest, ScreenshotsOfEveryWindow) {
  Start();
  const QStringList files = WriteScreenshots(QString::fromStdString((dir_ / "shots").string()));
  // Six windows, the dialog opened on two pages, then every page of it (the
  // cursors' twice, with a crossing mark), the pen and brush editors, and
  // the settings' other three pages.
  ASSERT_EQ(files.size(), 23);
  const QImage main(files[0]);
  const QImage settings(files[1]);
  EXPECT_EQ(main.size(), QSize(1000, 540));
  EXPECT_EQ(settings.size(), QSize(409, 244));
  // The right-hand side of the main window shows the grey background.
  EXPECT_EQ(QColor(main.pixel(995, 530)), QColor(0x80, 0x80, 0x80));
  // The working windows, at their client sizes.
  EXPECT_TRUE(files[2].endsWith(QStringLiteral("/TForm3.png")));
  EXPECT_TRUE(files[3].endsWith(QStringLiteral("/TForm4.png")));
  EXPECT_EQ(QImage(files[2]).size(), QSize(800, 540));
  EXPECT_EQ(QImage(files[3]).size(), QSize(540, 300));
  // The velocity measurement with the working windows' strike, then the
  // class results, empty until the teacher adds the groups' folders.
  EXPECT_TRUE(files[4].endsWith(QStringLiteral("/TForm5.png")));
  EXPECT_EQ(QImage(files[4]).size(), QSize(600, 400));
  EXPECT_TRUE(files[5].endsWith(QStringLiteral("/TForm6.png")));
  EXPECT_EQ(QImage(files[5]).size(), QSize(1240, 600));
  // Then the scope property dialog on two of its pages, at one size.
  EXPECT_TRUE(files[6].endsWith(QStringLiteral("/TSLScopePropertiesForm-cursors.png")));
  EXPECT_TRUE(files[7].endsWith(QStringLiteral("/TSLScopePropertiesForm-yaxes.png")));
  const QImage cursors(files[6]), yaxes(files[7]);
  EXPECT_FALSE(cursors.isNull());
  EXPECT_EQ(cursors.size(), yaxes.size());
  EXPECT_NE(cursors, yaxes);
  QStringList pages;
  for (int i = 8; i < 18; ++i) {
    pages << QFileInfo(files[i]).fileName();
    EXPECT_EQ(QImage(files[i]).size(), cursors.size()) << files[i].toStdString();
  }
  EXPECT_EQ(pages, (QStringList{"TSLScopePropertiesForm-page1-channels.png", "TSLScopePropertiesForm-page2-channel-links.png",
                                "TSLScopePropertiesForm-page3-marker-groups.png", "TSLScopePropertiesForm-page4-zones.png",
                                "TSLScopePropertiesForm-page5-ellipses.png", "TSLScopePropertiesForm-page6-cursors.png",
                                "TSLScopePropertiesForm-page6-cursors-crossing.png",
                                "TSLScopePropertiesForm-page7-cursor-links.png", "TSLScopePropertiesForm-page8-x-axes.png",
                                "TSLScopePropertiesForm-page9-y-axes.png"}));
  // The crossing mark's fields show under the cursor's own.
  EXPECT_NE(QImage(files[13]), QImage(files[14]));
  EXPECT_TRUE(files[18].endsWith(QStringLiteral("/TSLPenForm.png")));
  EXPECT_TRUE(files[19].endsWith(QStringLiteral("/TSLBrushForm.png")));
  for (int i = 20; i < 23; ++i) {
    EXPECT_TRUE(files[i].endsWith(QStringLiteral("/TForm2-page%1.png").arg(i - 18))) << files[i].toStdString();
    EXPECT_EQ(QImage(files[i]).size(), settings.size());
    EXPECT_NE(QImage(files[i]), settings);
  }
}

TEST_F(MainWindowTest, EpicenterMarkerPointsWithItsFocalPoint) {
  Start();
  // The solver puts the marker's corner at half the map coordinates; the
  // centre of the target at (20, 20) inside it is the solved point on the map.
  const QImage marker = Form1->imgEpicenter->Picture().ToImage();
  ASSERT_EQ(marker.size(), QSize(60, 60));
  EXPECT_GT(qAlpha(marker.pixel(20, 20)), 200);
  EXPECT_GT(qRed(marker.pixel(20, 20)), 150);
  EXPECT_EQ(qAlpha(marker.pixel(59, 0)), 0);  // transparent background
  EXPECT_EQ(qAlpha(marker.pixel(0, 59)), 0);
  // Its arrow comes in along the diagonal from the lower right: the head,
  // its widest part, lies at the end nearer the marked point.
  auto arrowWidth = [&](int t) {  // red pixels across the diagonal at (t, t)
    int n = 0;
    for (int d = -12; d <= 12; ++d) {
      if (!marker.rect().contains(t + d, t - d)) continue;
      const QRgb p = marker.pixel(t + d, t - d);
      n += qAlpha(p) > 200 && qRed(p) > 150 && qGreen(p) < 80;
    }
    return n;
  };
  int head = 36;
  for (int t = 37; t <= 58; ++t)
    if (arrowWidth(t) > arrowWidth(head)) head = t;
  EXPECT_GE(arrowWidth(head), 5);
  EXPECT_LT(head, 47) << "the arrow's head is at its far end";
  EXPECT_TRUE(Form1->imgEpicenter->Proportional());
  // The push-pin's needle tip is its bottom-left corner.
  const QImage pin = Form1->est[stA]->Picture().ToImage();
  ASSERT_EQ(pin.size(), QSize(16, 20));
  EXPECT_GT(qAlpha(pin.pixel(0, 19)), 0);
  EXPECT_EQ(qAlpha(pin.pixel(15, 19)), 0);
}

}  // namespace
