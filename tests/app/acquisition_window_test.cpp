// The acquisition window and the listen monitor, driven through their
// controls. Blocks of known samples reach the scopes through real pins from
// a data thread, as the converter sends them; the simulated sensors and a
// device that vanishes stand in for the sound card.
#include "app/windows/acquisition_form.h"
#include "app/windows/capture_device_option.h"
#include "app/experiment/experiment_state.h"
#include "app/windows/listen_form.h"
#include "app/windows/main_form.h"
#include "app/windows/questions.h"
#include "app/experiment/numbers.h"
#include "app/run/run_folder.h"
#include "app/windows/settings_form.h"
#include "app/windows/window_parts.h"
#include "app/sensors/scripted_sensors.h"
#include "app/sensors/sensor_model.h"
#include "app/sensors/simulated_sensors.h"
#include "app/commands/startup.h"
#include "app/windows/windows.h"
#include "dialogs/scope_properties_form.h"
#include "audio/audio_in.h"
#include "audio/audio_to_real.h"
#include "buffers/simple_data_buffer.h"
#include "draw/message_service.h"
#include "forms/controls/components.h"
#include "forms/controls/standard_controls.h"
#include "pins/component.h"
#include "pins/operations.h"
#include "pins/typed_pins.h"
#include "platform/profile_file.h"
#include "platform/wav_file.h"
#include "platform/wave_in.h"
#include "scope/scope.h"
#include "scope/toolbars/toolbars.h"
#include "support/test_support.h"
#include "vanishing_device.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest/QTest>
#include <algorithm>
#include <charconv>
#include <cstring>
#include <cmath>
#include <numeric>
#include <functional>
#include <locale>
#include <map>
#include <sstream>
#include <thread>
#include <tuple>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

QT_BEGIN_NAMESPACE
// Readable values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

constexpr int kBlock = 40000;  // 5 s at 8000 samples/s

bool WaitUntil(const std::function<bool()>& done, int limitMs = 20000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > limitMs) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(2);
  }
  return true;
}

class AcquisitionWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    Experiment = TExperimentState{};
    cwd_ = std::make_unique<testsupport::ScopedWorkingDir>(dir_.path());
    testsupport::WriteFile(dir_ / "config.ini",
                           "[POSICAO]\r\nxA=200\r\nxB=900\r\nxC=600\r\nyA=300\r\nyB=200\r\nyC=800\r\n"
                           "[VELOCIDADE]\r\nvel=120000\r\n[TAQUISICAO]\r\ntaq=5\r\n[TXAQUISICAO]\r\ntx=8000\r\n"
                           "[LEVELDETECTION]\r\nlevel_detec=50\r\n");
    CreateWindows();
    messages_.Clear();  // the example map picture is not there
    for (TALAudioIn* capture : {Form3->AI, Form4->AIOsc})
      capture->Device()->SetDeviceName(QString::fromLatin1(kWaveInSimulatedName));
    Form3->SetEnabled(true);
    Form3->Show();
    for (int i = 0; i < 2; ++i)
      sources_.push_back(std::make_unique<TSLOWRealSourcePin>(&owner_, nullptr, 0, nullptr, false, owner_.Lock()));
  }
  void TearDown() override {
    for (TSLScope* scope : {Form3->ScpAB, Form3->ScpAC, Form4->ScpLeft, Form4->ScpRight})
      for (int i = 0; i < scope->InputPins()->Count(); ++i) scope->InputPins()->GetPin(i)->Disconnect();
    DestroyWindows();
    cwd_.reset();
  }

  // The scope's inputs now come from the test's pins instead of the
  // converter (the capture keeps running into nothing).
  void FeedFromTest(TSLScope* scope, int channels = 2) {
    for (int i = 0; i < channels; ++i) {
      ASSERT_TRUE(scope->InputPins()->GetPin(i)->Connect(sources_[i].get()));
      sources_[i]->Notify(MakeOperation<TOWStartSampleRateOperation>(8000.0).get());
    }
  }
  // One block per channel, sent from a data thread, then the refresh tick
  // and the paint that raise the channel-draw events.
  void Show(TSLScope* scope, const std::vector<std::vector<double>>& blocks) {
    std::thread([&] {
      for (size_t i = 0; i < blocks.size(); ++i) {
        TRef<ISLRealBuffer> b(new TSLRealBuffer(static_cast<int>(blocks[i].size())));
        std::copy(blocks[i].begin(), blocks[i].end(), b->WriteReals());
        sources_[i]->SendBuffer(b.get());
      }
    }).join();
    scope->RefreshTimerTick();
    scope->RedrawBackBuffer();
  }
  static std::vector<double> Pulse(int at, double value = 0.5, int size = kBlock) {
    std::vector<double> block(size, 0.01);  // noise below the 5 % level
    if (at >= 0) block[at] = -value;
    return block;
  }
  // Pixels of `colour` inside the painted data view, a few columns in from
  // its edges (where the cursors rest at 0).
  static int TracePixels(TSLScope* scope, QColor colour) {
    scope->RedrawBackBuffer();
    const QImage image = scope->BackBuffer();
    const QRect view = scope->DataViewRect().adjusted(6, 1, -6, -1);
    int n = 0;
    for (int y = view.top(); y <= view.bottom(); ++y)
      for (int x = view.left(); x <= view.right(); ++x) n += QColor(image.pixel(x, y)) == colour;
    return n;
  }
  static double CursorXOf(int i) { return Form3->ScpAB->Cursors()->Cursor(i)->Position()->X(); }
  double CursorX(TSLScope* scope, int i) { return scope->Cursors()->Cursor(i)->Position()->X(); }
  void Drag(TSLScope* scope, int cursor, int toX) {
    scope->RedrawBackBuffer();
    DragFrom(scope, scope->CursorColumn(scope->Cursors()->Cursor(cursor), CursorX(scope, cursor)), toX);
  }
  void DragFrom(TSLScope* scope, int fromX, int toX) {
    scope->RedrawBackBuffer();
    const int row = scope->DataViewRect().center().y();
    QTest::mousePress(scope, Qt::LeftButton, Qt::NoModifier, QPoint(fromX, row));
    QTest::mouseMove(scope, QPoint((fromX + toX) / 2, row));
    QTest::mouseMove(scope, QPoint(toX, row));
    QTest::mouseRelease(scope, Qt::LeftButton, Qt::NoModifier, QPoint(toX, row));
  }

  testsupport::TempDir dir_;
  std::unique_ptr<testsupport::ScopedWorkingDir> cwd_;
  TMessageRecorder messages_;
  TLPComponent owner_;
  std::vector<std::unique_ptr<TSLOWRealSourcePin>> sources_;
};

TEST_F(AcquisitionWindowTest, CreatedStoppedWithTheTimeAxisOfOneBlock) {
  EXPECT_EQ(Form3->seletor->Position(), TForm3::kStopped);
  EXPECT_FALSE(Form3->AI->Enabled());
  EXPECT_EQ(Form3->AI->AudioFormat()->BufferSize(), uint32_t(kBlock));
  EXPECT_EQ(Form3->ScpAB->XAxis()->Max()->Value(), 5.0);
  EXPECT_EQ(Form3->ScpAC->XAxis()->Max()->DataValue(), double(kBlock));
  EXPECT_EQ(Form3->ScpAB->CursorLinks()->Link(0)->Name(), "| tA - tB |");
  EXPECT_EQ(Form3->ScpAC->CursorLinks()->Link(0)->Name(), "| tA - tC |");
  EXPECT_EQ(Form3->ScpAC->Cursors()->Cursor(1)->Name(), "tC");
  for (TSLScope* scope : {Form3->ScpAB, Form3->ScpAC})
    for (int i = 0; i < 2; ++i) EXPECT_FALSE(scope->InputPins()->GetPin(i)->IsConnected());
  // The monitor's scopes are wired to its converter by the description.
  EXPECT_TRUE(Form4->ScpLeft->InputPins()->GetPin(0)->IsConnected());
  EXPECT_TRUE(Form4->ScpRight->InputPins()->GetPin(0)->IsConnected());
}

TEST_F(AcquisitionWindowTest, WithoutAutoDetectionOnlyDraggingSetsTheTimes) {
  Form3->seletor->SetPosition(TForm3::kPairAB);
  EXPECT_TRUE(Form3->AI->Enabled());
  EXPECT_TRUE(Form3->ScpAB->InputPins()->GetPin(0)->IsConnected());
  FeedFromTest(Form3->ScpAB);
  Show(Form3->ScpAB, {Pulse(10000), Pulse(12000)});
  EXPECT_EQ(CursorX(Form3->ScpAB, 0), 0.0);
  EXPECT_EQ(Experiment.timeA_AB, 0.0);

  // A drag released beyond the data view is clamped to the axis ends.
  const QRect view = Form3->ScpAB->DataViewRect();
  Drag(Form3->ScpAB, 1, view.right() + 40);
  EXPECT_DOUBLE_EQ(Experiment.timeB, 5.0);
  EXPECT_EQ(Experiment.timeA_AB, 0.0);
  Drag(Form3->ScpAB, 1, view.left() + view.width() / 2);
  EXPECT_NEAR(Experiment.timeB, 2.5, 5.0 / view.width() + 1e-9);
  Drag(Form3->ScpAB, 0, view.left() - 30);
  EXPECT_DOUBLE_EQ(Experiment.timeA_AB, 0.0);
  EXPECT_NEAR(Experiment.timeB, 2.5, 5.0 / view.width() + 1e-9);

  // Both cursors in one pixel column: a press just left of it takes tA,
  // just right of it tB, whichever is drawn on top.
  const int middle = view.left() + view.width() / 2;
  Drag(Form3->ScpAB, 0, middle);
  const auto column = [](int i) {
    return Form3->ScpAB->CursorColumn(Form3->ScpAB->Cursors()->Cursor(i), CursorXOf(i));
  };
  ASSERT_EQ(column(0), column(1));
  const double together = Experiment.timeB;
  DragFrom(Form3->ScpAB, column(0) - 1, column(0) - 60);
  EXPECT_LT(Experiment.timeA_AB, together - 0.3);
  EXPECT_DOUBLE_EQ(Experiment.timeB, together);
  Drag(Form3->ScpAB, 0, middle);
  ASSERT_EQ(column(0), column(1));
  DragFrom(Form3->ScpAB, column(1) + 1, column(1) + 60);
  EXPECT_GT(Experiment.timeB, together + 0.3);
  EXPECT_NEAR(Experiment.timeA_AB, together, 5.0 / view.width() + 1e-9);

  // Starting the pair again clears the cursors and the times.
  Form3->seletor->SetPosition(TForm3::kStopped);
  Form3->seletor->SetPosition(TForm3::kPairAB);
  EXPECT_EQ(CursorX(Form3->ScpAB, 1), 0.0);
  EXPECT_EQ(Experiment.timeB, 0.0);
}

TEST_F(AcquisitionWindowTest, AutoDetectionFindsTheFirstSampleAtTheLevel) {
  QTest::mouseClick(Form3->chkAutomaticTime->Box(), Qt::LeftButton);
  ASSERT_TRUE(Form3->chkAutomaticTime->Checked());
  Form3->seletor->SetPosition(TForm3::kPairAC);
  FeedFromTest(Form3->ScpAC);
  // 10,000 of 40,000 samples at 5 s: 1.25 s; a sample just below the
  // level before it is passed over.
  std::vector<double> a = Pulse(10000);
  a[9000] = 0.0499;
  Show(Form3->ScpAC, {a, Pulse(12000, 0.05)});
  EXPECT_DOUBLE_EQ(Experiment.timeA_AC, 1.25);
  EXPECT_DOUBLE_EQ(Experiment.timeC, 1.5);
  EXPECT_DOUBLE_EQ(CursorX(Form3->ScpAC, 0), 1.25);
  EXPECT_TRUE(Experiment.detectedA_AC && Experiment.detectedC);
  EXPECT_EQ(Form3->seletor->Position(), TForm3::kPairAC);  // no hold

  // The same block painted again changes nothing and clears the flags.
  Form3->ScpAC->RedrawBackBuffer();
  EXPECT_DOUBLE_EQ(CursorX(Form3->ScpAC, 1), 1.5);
  EXPECT_FALSE(Experiment.detectedA_AC || Experiment.detectedC);

  // A block without a pulse: cursors back at 0, the times stay.
  Show(Form3->ScpAC, {Pulse(-1), Pulse(-1)});
  EXPECT_EQ(CursorX(Form3->ScpAC, 0), 0.0);
  EXPECT_EQ(CursorX(Form3->ScpAC, 1), 0.0);
  EXPECT_DOUBLE_EQ(Experiment.timeA_AC, 1.25);
  EXPECT_DOUBLE_EQ(Experiment.timeC, 1.5);

  // A pulse at the very first sample is time 0.
  Show(Form3->ScpAC, {Pulse(0), Pulse(39999)});
  EXPECT_EQ(Experiment.timeA_AC, 0.0);
  EXPECT_TRUE(Experiment.detectedA_AC);
  EXPECT_DOUBLE_EQ(Experiment.timeC, 39999.0 / kBlock * 5);
  // The other pair's times were never touched.
  EXPECT_EQ(Experiment.timeA_AB, 0.0);

  // A delay of 12 samples, 1.5 ms, reads with its digits, not as the
  // 0.00 of the time axis's tick decimals.
  Show(Form3->ScpAC, {Pulse(10000), Pulse(10012)});
  EXPECT_EQ(Form3->ScpAC->LinkLabelText(0), "0.0015");
  Show(Form3->ScpAC, {Pulse(10000), Pulse(10100)});
  EXPECT_EQ(Form3->ScpAC->LinkLabelText(0), "0.0125");

  // The wheel over the traces zooms time only, about the pointer.
  const QRect view = Form3->ScpAC->DataViewRect();
  const QPoint at(view.left() + view.width() / 4, view.center().y());
  const double before = Form3->ScpAC->XAxis()->ShownMax();
  QWheelEvent wheel(at, Form3->ScpAC->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(Form3->ScpAC, &wheel);
  EXPECT_TRUE(Form3->ScpAC->XAxis()->IsZoomed());
  EXPECT_LT(Form3->ScpAC->XAxis()->ShownMax() - Form3->ScpAC->XAxis()->ShownMin(), before);
  EXPECT_NEAR(Form3->ScpAC->XAxis()->ShownMin(), 1.25 - 0.9 * 1.25, 5.0 / view.width());
  EXPECT_FALSE(Form3->ScpAC->YAxis()->IsZoomed());
  EXPECT_EQ(Form3->ScpAC->YAxis()->ShownMin(), -1.0);
  EXPECT_EQ(Form3->ScpAC->YAxis()->ShownMax(), 1.0);
}

TEST_F(AcquisitionWindowTest, HoldStopsWhenBothChannelsFoundThePulse) {
  Form3->chkAutomaticTime->SetChecked(true);
  Form3->chkHold->SetChecked(true);
  Form3->seletor->SetPosition(TForm3::kPairAB);
  FeedFromTest(Form3->ScpAB);
  // Only sensor A: capture goes on.
  Show(Form3->ScpAB, {Pulse(800), Pulse(-1)});
  EXPECT_EQ(Form3->seletor->Position(), TForm3::kPairAB);
  EXPECT_TRUE(Form3->AI->Enabled());
  // The card's offset and 50 Hz hum reach the 5 % level long before the
  // ringing pulse: the rule's first sample is the noise's. No time is taken,
  // the capture goes on and the read-out says why and what to do.
  auto humAndPulse = [](int at) {
    std::vector<double> block(kBlock);
    for (int i = 0; i < kBlock; ++i) {
      const double t = i / 8000.0, since = (i - at) / 8000.0;
      block[i] = 0.012 + 0.04 * std::sin(2 * M_PI * 50 * t);
      if (i >= at) block[i] += 0.6 * std::exp(-since / 0.02) * std::sin(2 * M_PI * 150 * since);
    }
    return block;
  };
  Show(Form3->ScpAB, {humAndPulse(8000), humAndPulse(8800)});
  EXPECT_EQ(Form3->seletor->Position(), TForm3::kPairAB);
  EXPECT_TRUE(Form3->AI->Enabled());
  EXPECT_EQ(CursorX(Form3->ScpAB, 0), 0.0);
  EXPECT_EQ(Form3->ReadOut(0)[2],
            "tB \u2212 tA not picked: the level was reached by noise before the pulse: raise the level");
  // Both in one block: stopped, selector at 1, the times kept.
  Show(Form3->ScpAB, {Pulse(8000), Pulse(8800)});
  EXPECT_EQ(Form3->seletor->Position(), TForm3::kStopped);
  EXPECT_FALSE(Form3->AI->Enabled());
  EXPECT_FALSE(Form3->ScpAB->InputPins()->GetPin(0)->IsConnected());
  EXPECT_DOUBLE_EQ(Experiment.timeA_AB, 1.0);
  EXPECT_DOUBLE_EQ(Experiment.timeB, 1.1);
  EXPECT_FALSE(Experiment.detectedB);
}

TEST_F(AcquisitionWindowTest, LevelZeroResetAndClosingLeaveNoHalfRecordedPair) {
  Form3->seletor->SetPosition(TForm3::kPairAB);
  FeedFromTest(Form3->ScpAB);
  Show(Form3->ScpAB, {Pulse(8000), Pulse(8800)});
  const QRect view = Form3->ScpAB->DataViewRect();
  Drag(Form3->ScpAB, 1, view.left() + view.width() / 2);
  const double dragged = Experiment.timeB;
  ASSERT_GT(dragged, 2.0);

  // Auto detection refused at level 0 while the pair records: the scopes go
  // on painting new blocks under the message, and must not detect at level
  // 0 on the first sample (both times 0, then hold stopping the pair).
  Form2->barLevel->SetPosition(0);
  QTest::mouseClick(Form3->chkHold->Box(), Qt::LeftButton);
  ASSERT_TRUE(Form3->chkHold->Checked());
  QStringList shown;
  const TMessageSink previous = SetMessageSink([&](const QString& text) {
    Show(Form3->ScpAB, {Pulse(8000), Pulse(8800)});
    shown << text;
  });
  QTest::mouseClick(Form3->chkAutomaticTime->Box(), Qt::LeftButton);
  SetMessageSink(previous);
  EXPECT_EQ(shown, QStringList{"Minimum Amplitude for Auto Detection = 0"});
  EXPECT_FALSE(Form3->chkAutomaticTime->Checked());
  EXPECT_DOUBLE_EQ(Experiment.timeB, dragged);
  EXPECT_EQ(Form3->seletor->Position(), TForm3::kPairAB);
  EXPECT_TRUE(Form3->AI->Enabled());

  // Reset stops the capture (the selector follows) and clears the traces
  // along with the times.
  ASSERT_GT(TracePixels(Form3->ScpAB, Qt::yellow), 100);
  QTest::mouseClick(Form1->btnReset->Button(), Qt::LeftButton);
  EXPECT_FALSE(Form3->AI->Enabled());
  EXPECT_EQ(Form3->seletor->Position(), TForm3::kStopped);
  EXPECT_EQ(TracePixels(Form3->ScpAB, Qt::yellow), 0);
  EXPECT_EQ(TracePixels(Form3->ScpAB, Qt::red), 0);
  EXPECT_EQ(Experiment.timeB, 0.0);
  // "Listen Now" is no longer refused.
  messages_.Clear();
  QTest::mouseClick(Form4->Button1->Button(), Qt::LeftButton);
  EXPECT_TRUE(messages_.Messages().isEmpty()) << messages_.Messages().join("|").toStdString();
  EXPECT_TRUE(Form4->AIOsc->Enabled());

  // Closing the window while a pair records ends the recording: nothing
  // detects while it is hidden, so nothing may seem to go on.
  Form2->barLevel->SetPosition(50);
  Form3->seletor->SetPosition(TForm3::kPairAC);
  ASSERT_TRUE(Form3->AI->Enabled());
  Form3->close();
  EXPECT_FALSE(Form3->isVisible());
  EXPECT_FALSE(Form3->AI->Enabled());
  EXPECT_EQ(Form3->seletor->Position(), TForm3::kStopped);
  EXPECT_FALSE(Form3->ScpAC->InputPins()->GetPin(0)->IsConnected());
  QTest::mouseClick(Form1->BitBtn3->Button(), Qt::LeftButton);
  EXPECT_TRUE(Form3->isVisible());
  EXPECT_EQ(Form3->seletor->Position(), TForm3::kStopped);
  EXPECT_FALSE(Form3->AI->Enabled());
}

TEST_F(AcquisitionWindowTest, ApplyAndSaveDuringAPairRecordsItAgainWithTheNewBlock) {
  // Real-time simulated sensors, struck 0.1 s after each start of the input.
  SetStrikePoint({500, 450});
  QTest::mouseClick(Form3->chkAutomaticTime->Box(), Qt::LeftButton);
  QTest::mouseClick(Form3->chkHold->Box(), Qt::LeftButton);
  Form3->seletor->SetPosition(TForm3::kPairAB);
  ASSERT_TRUE(Form3->AI->Enabled());
  // 5 s blocks are queued; the time becomes 1 s before the first arrives.
  Form2->cmbTempo->Combo()->setEditText("1");
  QTest::mouseClick(Form2->btnAplicar->Button(), Qt::LeftButton);
  EXPECT_EQ(Form3->AI->AudioFormat()->BufferSize(), 8000u);
  EXPECT_EQ(Form3->seletor->Position(), TForm3::kPairAB);
  EXPECT_TRUE(Form3->AI->Enabled());
  ASSERT_TRUE(WaitUntil([] { return Form3->seletor->Position() == TForm3::kStopped; }));
  // The times are those of the struck point, not scaled by 1/5.
  const double sample = 1.0 / 8000;
  EXPECT_NEAR(Experiment.timeA_AB, kStrikeDelay + std::hypot(300.0, 150.0) / 120000, sample);
  EXPECT_NEAR(Experiment.timeB - Experiment.timeA_AB, 0.0011357, sample);
  SetStrikePoint({});
}

TEST_F(AcquisitionWindowTest, AutoDetectionIsRefusedAtLevelZero) {
  Form2->barLevel->SetPosition(0);
  QTest::mouseClick(Form3->chkAutomaticTime->Box(), Qt::LeftButton);
  EXPECT_FALSE(Form3->chkAutomaticTime->Checked());
  // Shown once: the window's own unchecking is not refused again.
  EXPECT_EQ(messages_.Messages(), QStringList{"Minimum Amplitude for Auto Detection = 0"});
  // Hold alone stays as the user set it.
  QTest::mouseClick(Form3->chkHold->Box(), Qt::LeftButton);
  EXPECT_TRUE(Form3->chkHold->Checked());
}

TEST_F(AcquisitionWindowTest, PairsAndTheMonitorNeverCaptureTogether) {
  Form4->Show();
  QTest::mouseClick(Form4->Button1->Button(), Qt::LeftButton);
  EXPECT_TRUE(Form4->AIOsc->Enabled());
  // Pair A+C while listening stops the monitor first.
  Form3->seletor->SetPosition(TForm3::kPairAC);
  EXPECT_FALSE(Form4->AIOsc->Enabled());
  EXPECT_TRUE(Form3->AI->Enabled());
  EXPECT_TRUE(Form3->ScpAC->InputPins()->GetPin(1)->IsConnected());
  EXPECT_FALSE(Form3->ScpAB->InputPins()->GetPin(0)->IsConnected());
  // Listening while a pair is recorded is refused.
  messages_.Clear();
  QTest::mouseClick(Form4->Button1->Button(), Qt::LeftButton);
  EXPECT_EQ(messages_.Messages(), QStringList{"Busy! Acquisition in progress."});
  EXPECT_FALSE(Form4->AIOsc->Enabled());
  // Re-routed from one pair to the other, then stopped: now it listens.
  Form3->seletor->SetPosition(TForm3::kPairAB);
  EXPECT_TRUE(Form3->ScpAB->InputPins()->GetPin(1)->IsConnected());
  EXPECT_FALSE(Form3->ScpAC->InputPins()->GetPin(1)->IsConnected());
  Form3->seletor->SetPosition(TForm3::kStopped);
  EXPECT_FALSE(Form3->AI->Enabled());
  QTest::mouseClick(Form4->Button1->Button(), Qt::LeftButton);
  EXPECT_TRUE(Form4->AIOsc->Enabled());
  // Closing the monitor stops it.
  Form4->Close();
  EXPECT_FALSE(Form4->AIOsc->Enabled());
  EXPECT_FALSE(Form4->isVisible());
}

// Clicks all over each channel's axis label open the Y axes page; none of
// them lands on the axis toolbar, whose buttons still zoom.
TEST_F(AcquisitionWindowTest, TheMonitorsChannelLabelsOpenTheAxisPageWhereverClicked) {
  Form4->Show();
  QStringList pages;
  SetScopeDialogHook([&](TSLScopePropertiesForm* dialog) {
    pages << (dialog->ActivePage() ? dialog->PageControl->ActivePage()->Caption() : QStringLiteral("none"));
  });
  for (TSLScope* scope : {Form4->ScpLeft, Form4->ScpRight}) {
    scope->RedrawBackBuffer();
    const QRect label = scope->YAxis()->ButtonRect();
    ASSERT_GT(label.width(), 5);
    ASSERT_GT(label.height(), 40);
    pages.clear();
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 8; ++j) {
        const QPoint p(label.left() + 1 + i * (label.width() - 3) / 2, label.top() + 1 + j * (label.height() - 3) / 7);
        QTest::mouseClick(scope, Qt::LeftButton, Qt::NoModifier, p);
        ASSERT_EQ(pages.size(), 8 * i + j + 1) << "click at " << p.x() << "," << p.y();
        EXPECT_EQ(pages.last(), QStringLiteral("Y Axes"));
        EXPECT_FALSE(scope->YAxis()->IsZoomed()) << "click at " << p.x() << "," << p.y();
      }
    TSLAxisToolBar* bar = scope->YAxis()->ToolBar();
    const QRect zoomIn = bar->ButtonSquare(TSLAxisToolBar::kZoomIn);
    EXPECT_FALSE(zoomIn.intersects(label));
    EXPECT_TRUE(scope->YAxis()->ViewRect().contains(zoomIn));
    QTest::mouseClick(scope, Qt::LeftButton, Qt::NoModifier, zoomIn.center());
    EXPECT_TRUE(scope->YAxis()->IsZoomed());
    EXPECT_EQ(pages.size(), 24);
    scope->ZoomOff();
  }
  SetScopeDialogHook({});
}

TEST_F(AcquisitionWindowTest, LevelReadOuts) {
  Form4->Show();
  FeedFromTest(Form4->ScpLeft, 1);
  ASSERT_TRUE(Form4->ScpRight->InputPins()->GetPin(0)->Connect(sources_[1].get()));
  sources_[1]->Notify(MakeOperation<TOWStartSampleRateOperation>(8000.0).get());
  std::vector<double> ones(1024);
  for (size_t i = 0; i < ones.size(); ++i) ones[i] = i % 2 ? 1.0 : -1.0;
  Show(Form4->ScpLeft, {ones, std::vector<double>(1024, 0.0)});
  Form4->ScpRight->RefreshTimerTick();
  Form4->ScpRight->RedrawBackBuffer();
  EXPECT_EQ(Form4->txtMaxChL->Caption(), "100%");
  EXPECT_EQ(Form4->txtMeanChL->Caption(), "100%");
  EXPECT_EQ(Form4->txtMaxChR->Caption(), "0%");
  EXPECT_EQ(Form4->txtMeanChR->Caption(), "0%");

  // Rounded to three decimals of a percent, halves to even, with the
  // locale's separator.
  const QLocale previous;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  Show(Form4->ScpLeft, {std::vector<double>{0.1234567, -0.0000050, 0.0}});
  EXPECT_EQ(Form4->txtMaxChL->Caption(), "12,346%");
  EXPECT_EQ(Form4->txtMeanChL->Caption(), "4,115%");
  // 1.5625 % lies exactly half-way: to the even 1.562.
  Show(Form4->ScpLeft, {std::vector<double>{0.015625}});
  EXPECT_EQ(Form4->txtMaxChL->Caption(), "1,562%");
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(TForm4::LevelText(2), "0.002%");
  EXPECT_EQ(TForm4::LevelText(50000), "50%");
  QLocale::setDefault(previous);

  // Stopped, the old numbers go; started again, they start from nothing.
  Form4->Close();
  for (TLabel* label : {Form4->txtMaxChL, Form4->txtMeanChL, Form4->txtMaxChR, Form4->txtMeanChR})
    EXPECT_EQ(label->Caption(), "0 %");
  Form4->Show();
  FeedFromTest(Form4->ScpLeft, 1);
  Show(Form4->ScpLeft, {std::vector<double>{0.25}});
  EXPECT_EQ(Form4->txtMaxChL->Caption(), "25%");
  QTest::mouseClick(Form4->Button1->Button(), Qt::LeftButton);
  ASSERT_TRUE(Form4->AIOsc->Enabled());
  EXPECT_EQ(Form4->txtMaxChL->Caption(), "0 %");

  // The trace shows the whole block the numbers are computed from: a spike
  // three quarters into a 5 s block is drawn three quarters across.
  FeedFromTest(Form4->ScpLeft, 1);
  std::vector<double> spike(kBlock, 0.0);
  for (int i = 30000; i < 30040; ++i) spike[i] = 0.9;
  Show(Form4->ScpLeft, {spike});
  EXPECT_EQ(Form4->txtMaxChL->Caption(), "90%");
  const QImage image = Form4->ScpLeft->BackBuffer();
  const QRect plot = Form4->ScpLeft->DataViewRect();
  int tallest = -1, tallestColumn = -1;
  for (int x = plot.left(); x <= plot.right(); ++x) {
    int top = plot.bottom();
    for (int y = plot.top(); y <= plot.bottom(); ++y)
      if (QColor(image.pixel(x, y)) == Qt::red) {
        top = y;
        break;
      }
    if (plot.bottom() - top > tallest) {
      tallest = plot.bottom() - top;
      tallestColumn = x;
    }
  }
  EXPECT_GT(tallest, plot.height() / 2);
  EXPECT_NEAR(tallestColumn, plot.left() + 0.75 * plot.width(), 3);
}

// The level set from the idle inputs, as a careful teacher would: just
// above the largest excursion the monitor saw since "Listen Now"; then the
// first sample at the level is the pulse's, not the hum's.
TEST_F(AcquisitionWindowTest, TheLevelIsSetFromTheIdleNoiseTheMonitorSaw) {
  Form2->Show();
  Form2->PageControl1->SetActivePage(RequirePart<TTabSheet>(Form2, "TabSheet3"));
  QTest::mouseClick(Form2->btnLevelFromNoise->Button(), Qt::LeftButton);
  ASSERT_EQ(messages_.Messages().size(), 1);
  EXPECT_TRUE(messages_.Messages()[0].startsWith("Open Listen Sensors, press Listen Now")) << messages_.Messages()[0].toStdString();
  EXPECT_EQ(Form2->barLevel->Position(), 50);
  messages_.Clear();

  Form4->Show();
  QTest::mouseClick(Form4->Button1->Button(), Qt::LeftButton);
  ASSERT_TRUE(Form4->AIOsc->Enabled());
  FeedFromTest(Form4->ScpLeft, 1);
  ASSERT_TRUE(Form4->ScpRight->InputPins()->GetPin(0)->Connect(sources_[1].get()));
  sources_[1]->Notify(MakeOperation<TOWStartSampleRateOperation>(8000.0).get());
  // Offset and 50 Hz hum, with one noise burst on the right: 3.1 % peak.
  std::vector<double> left(kBlock), right(kBlock);
  for (int i = 0; i < kBlock; ++i) {
    left[i] = 0.01 + 0.012 * std::sin(2 * M_PI * 50 * i / 8000.0);
    right[i] = -0.005 + 0.02 * std::sin(2 * M_PI * 50 * i / 8000.0 + 1);
  }
  right[30000] = -0.031;
  Show(Form4->ScpLeft, {left, right});
  Form4->ScpRight->RefreshTimerTick();
  Form4->ScpRight->RedrawBackBuffer();
  QTest::mouseClick(Form2->btnLevelFromNoise->Button(), Qt::LeftButton);
  EXPECT_EQ(Form2->barLevel->Position(), 47);  // 1.5 x 3.1 %, rounded up to the bar's 0.1 %
  EXPECT_EQ(Experiment.detectionLevel, 47);
  EXPECT_EQ(messages_.Messages(),
            QStringList{"The idle inputs reached 2.2 % (left) and 3.1 % (right) of full scale in 5 s; the level "
                        "is set half as high again, to 4.7 %. Press Apply and Save to keep it."});
  QTest::mouseClick(Form2->btnAplicar->Button(), Qt::LeftButton);
  EXPECT_EQ(profile::ReadString(dir_ / "config.ini", "LEVELDETECTION", "level_detec", ""), "47");

  // Inputs that swing over two thirds of full scale leave no room.
  messages_.Clear();
  Form4->Close();
  QTest::mouseClick(Form4->Button1->Button(), Qt::LeftButton);
  FeedFromTest(Form4->ScpLeft, 1);
  Show(Form4->ScpLeft, {std::vector<double>(kBlock, 0.7)});
  QTest::mouseClick(Form2->btnLevelFromNoise->Button(), Qt::LeftButton);
  ASSERT_EQ(messages_.Messages().size(), 1);
  EXPECT_TRUE(messages_.Messages()[0].contains("no level above them is left for a pulse"));
  EXPECT_EQ(Form2->barLevel->Position(), 47);
}

TEST_F(AcquisitionWindowTest, MonitorAxisLabelOpensTheYAxesPage) {
  Form4->Show();
  Form4->ScpRight->RedrawBackBuffer();
  QString page;
  SetScopeDialogHook([&](TSLScopePropertiesForm* dialog) {
    page = dialog->ActivePage() ? dialog->PageControl->ActivePage()->Caption() : QStringLiteral("none");
  });
  const QRect label = Form4->ScpRight->YAxis()->ButtonRect();
  ASSERT_FALSE(label.isEmpty());
  // Clear of the axis toolbar, which stands beside the label.
  const QRect toolBar = Form4->ScpRight->YAxis()->ToolBar()->GetBounds();
  const QPoint at(label.center().x(), label.bottom() - 3);
  ASSERT_FALSE(toolBar.contains(at));
  QTest::mouseClick(Form4->ScpRight, Qt::LeftButton, Qt::NoModifier, at);
  SetScopeDialogHook({});
  EXPECT_EQ(page, QStringLiteral("Y Axes"));
  // The acquisition scopes' axis buttons are off: neither label opens the
  // dialog, where a channel could be hidden or the time scale changed.
  for (TSLScope* scope : {Form3->ScpAB, Form3->ScpAC}) {
    scope->RedrawBackBuffer();
    EXPECT_TRUE(scope->YAxis()->ButtonRect().isEmpty());
    EXPECT_TRUE(scope->XAxis()->ButtonRect().isEmpty());
  }
  bool opened = false;
  SetScopeDialogHook([&](TSLScopePropertiesForm*) { opened = true; });
  const QRect view = Form3->ScpAB->DataViewRect();
  // "Time (s)" is written centred below the numbers of the time axis.
  for (int y = view.bottom() + 4; y < Form3->ScpAB->height(); y += 3)
    QTest::mouseClick(Form3->ScpAB, Qt::LeftButton, Qt::NoModifier, QPoint(view.center().x(), y));
  SetScopeDialogHook({});
  EXPECT_FALSE(opened);
}

TEST_F(AcquisitionWindowTest, VanishedDeviceIsReportedAndTheWindowGoesOn) {
  apptest::RegisterVanishingDevice();
  WaveInRefreshDevices();
  Form3->AI->Device()->SetDeviceName(QStringLiteral("Vanishing"));
  Form3->seletor->SetPosition(TForm3::kPairAB);
  ASSERT_TRUE(WaitUntil([&] { return !messages_.Messages().isEmpty(); }));
  EXPECT_EQ(messages_.Messages(), QStringList{"Audio device stopped delivering."});
  EXPECT_FALSE(Form3->AI->Enabled());
  EXPECT_EQ(Form3->seletor->Position(), TForm3::kPairAB);
  // The selector moves again, and a working device records.
  Form3->seletor->SetPosition(TForm3::kStopped);
  Form3->AI->Device()->SetDeviceName(QString::fromLatin1(kWaveInSimulatedName));
  Form3->seletor->SetPosition(TForm3::kPairAC);
  EXPECT_TRUE(Form3->AI->Enabled());
  Form3->seletor->SetPosition(TForm3::kStopped);
  // A device that cannot be opened shows the open failure's text.
  messages_.Clear();
  WaveInSetRecordingFile((dir_ / "missing.wav").string());
  Form3->AI->Device()->SetDeviceName(QString::fromLatin1(kWaveInRecordingName));
  Form3->seletor->SetPosition(TForm3::kPairAB);
  ASSERT_TRUE(WaitUntil([&] { return !messages_.Messages().isEmpty(); }));
  EXPECT_EQ(messages_.Messages(), QStringList{"Can't open audio device."});
  EXPECT_FALSE(Form3->AI->Enabled());
}

TEST_F(AcquisitionWindowTest, SimulatedSensorsFollowThePairTheSettingsAndTheMap) {
  UseCaptureDevice(QString::fromLatin1(kWaveInSimulatedName));
  // The struck point starts at the map centre, marked by a cross centred on it.
  ASSERT_TRUE(Form1->imgStrike->Visible());
  EXPECT_EQ(Form1->imgStrike->Left(), 350 + 20 - 5);
  EXPECT_EQ(Form1->imgStrike->Top(), 250 + 20 - 5);
  // "Strike here" from the map's menu, opened by a right click at (100, 50).
  const QPointF at(100, 50);
  QMouseEvent press(QEvent::MouseButtonPress, at, Form1->imgMapa->mapToGlobal(at), Qt::RightButton,
                    Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(Form1->imgMapa, &press);
  Form1->mnImgMapa->Popup(0, 0);
  QMenu* menu = Form1->mnImgMapa->ShownMenu();
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->actions().size(), 4);
  EXPECT_EQ(menu->actions()[1]->text(), "Strike here");
  menu->actions()[1]->trigger();
  menu->close();
  QApplication::processEvents();
  EXPECT_EQ(StrikePoint().x, 200.0);
  EXPECT_EQ(StrikePoint().y, 100.0);
  EXPECT_EQ(Form1->imgStrike->Left(), 100 + 20 - 5);

  // A new velocity applied reaches the sensors with the next pair, and
  // the right input carries the pair's second station.
  Form2->txt_vel->SetText("90000");
  QTest::mouseClick(Form2->btnAplicar->Button(), Qt::LeftButton);
  Form3->seletor->SetPosition(TForm3::kPairAC);
  TSimulatedSensors sensors = WaveInGetSimulatedSensors();
  EXPECT_EQ(sensors.Velocity, 90000);
  EXPECT_EQ(sensors.EpicenterX, 200);
  EXPECT_EQ(sensors.RightSensor, 2);
  EXPECT_EQ(sensors.StationY[stC], 800);
  EXPECT_EQ(sensors.StrikePeriod, 0);  // struck once per start
  Form3->seletor->SetPosition(TForm3::kPairAB);
  EXPECT_EQ(WaveInGetSimulatedSensors().RightSensor, 1);
  EXPECT_TRUE(Form3->AI->Enabled());
  Form3->seletor->SetPosition(TForm3::kStopped);
}

// "Pick arrivals by" chosen in the settings dialog: the lab keeps it, and
// Auto Detect Pulse picks each pair as a whole, saying so in the read-out.
TEST_F(AcquisitionWindowTest, APairPickedByCorrelationIsFoundOnTheMap) {
  TScriptedSensors sensors;
  Form1->Show();
  Form2->Show();
  QTest::keyClick(Form2->cmbPick->Combo(), Qt::Key_End);
  QTest::mouseClick(Form2->btnAplicar->Button(), Qt::LeftButton);
  EXPECT_EQ(profile::ReadString(dir_ / "config.ini", "PICKS", "method", ""), "correlation");
  Form3->Show();
  SetStrikePoint({600, 500});
  ASSERT_TRUE(sensors.RecordPair(TForm3::kPairAB));
  ASSERT_TRUE(sensors.RecordPair(TForm3::kPairAC));
  QApplication::processEvents();
  EXPECT_THAT(Form3->ReadOut(0)[1].toStdString(), ::testing::HasSubstr("detected by correlation"));
  EXPECT_THAT(Form3->ReadOut(1)[2].toStdString(), ::testing::StartsWith("tC \u2212 tA = "));
  QTest::mouseClick(Form3->btnEpicenter->Button(), Qt::LeftButton);
  ASSERT_TRUE(Form1->imgEpicenter->Visible()) << messages_.Messages().join("|").toStdString();
  const double error = std::hypot(Experiment.epicenterX - 600, Experiment.epicenterY - 500);
  const QRegularExpressionMatch upTo =
      QRegularExpression(QStringLiteral("may be up to ([0-9.]+) mm")).match(Form1->lblEpicenter->Caption());
  ASSERT_TRUE(upTo.hasMatch()) << Form1->lblEpicenter->Caption().toStdString();
  EXPECT_LE(error, upTo.captured(1).toDouble() + 2.0);
  SetStrikePoint({});
}

// The realistic simulated sensors reach the scopes through the capture as
// a classroom's card would deliver them: before the strike the input hums
// at the mains frequency over an offset, where the clean ones are silent
// but for faint noise; the pair is still picked by correlation.
TEST_F(AcquisitionWindowTest, RealisticSimulatedSensorsHumBeforeTheStrike) {
  TScriptedSensors sensors;
  Experiment.pickMethod = TPickMethod::Correlation;
  SetStrikePoint({500, 450});
  struct TQuiet {
    double hum = 0;        // amplitude at 50 or 60 Hz, whichever is larger
    double offset = 0;     // the larger mean of the two channels
  };
  auto quietPart = [&](TRealism realism) {
    SetSimulatedRealism(realism, 26);
    TQuiet q;
    if (!sensors.RecordPair(TForm3::kPairAB)) return q;
    QApplication::processEvents();
    // 0.1 s before the strike: whole cycles of either mains.
    const int n = static_cast<int>(kStrikeDelay * 8000);
    for (int c = 0; c < 2; ++c) {
      const TRef<ISLRealBuffer> block = Form3->ScpAB->Channels()->Channel(c)->DisplayY();
      if (!block || block->GetCount() != kBlock) return TQuiet{};
      const double* x = block->ReadReals();
      const double mean = std::accumulate(x, x + n, 0.0) / n;
      q.offset = std::max(q.offset, std::fabs(mean));
      if (c != 0) continue;
      for (double mains : {50.0, 60.0}) {
        double re = 0, im = 0;
        for (int i = 0; i < n; ++i) {
          re += (x[i] - mean) * std::cos(2 * M_PI * mains * i / 8000);
          im += (x[i] - mean) * std::sin(2 * M_PI * mains * i / 8000);
        }
        q.hum = std::max(q.hum, 2 * std::hypot(re, im) / n);
      }
    }
    return q;
  };
  const TQuiet clean = quietPart(TRealism::Clean);
  EXPECT_LT(clean.hum, 0.002);
  EXPECT_LT(clean.offset, 0.002);
  const TQuiet real = quietPart(TRealism::Realistic);
  SetSimulatedRealism(TRealism::Clean, 26);
  // The model's hum is 1 to 3 % of full scale, its offsets up to 3 %.
  EXPECT_GT(real.hum, 0.008);
  EXPECT_LT(real.hum, 0.05);
  EXPECT_GT(real.offset, 0.001);
  EXPECT_LT(real.offset, 0.031);
  // Picked by correlation despite the hum: B is 1.136 ms behind A.
  EXPECT_THAT(Form3->ReadOut(0)[1].toStdString(), ::testing::HasSubstr("detected by correlation"));
  EXPECT_NEAR(Experiment.timeB - Experiment.timeA_AB, 0.0011357, 2.0 / 8000);
  SetStrikePoint({});
}

TEST_F(AcquisitionWindowTest, SimulatedStrikeIsFoundOnTheMap) {
  TScriptedSensors sensors;
  Form1->Show();
  QStringList asked;
  bool answer = false;
  const TQuestionSink previousQuestions = SetQuestionSink([&](const QString& text) {
    asked << text;
    return answer;
  });
  // Nothing recorded yet: asked first, and No changes nothing.
  Form1->imgEpicenter->SetVisible(false);
  QTest::mouseClick(Form3->btnEpicenter->Button(), Qt::LeftButton);
  EXPECT_EQ(asked, QStringList{"Pairs A+B and A+C have not been recorded. Find the epicenter anyway?"});
  EXPECT_FALSE(Form1->imgEpicenter->Visible());
  EXPECT_TRUE(Form3->isVisible());
  EXPECT_EQ(Experiment.epicenterX, 0.0);
  SetStrikePoint({500, 450});
  ASSERT_TRUE(sensors.RecordPair(TForm3::kPairAB));
  asked.clear();
  QTest::mouseClick(Form3->btnEpicenter->Button(), Qt::LeftButton);
  EXPECT_EQ(asked, QStringList{"Pair A+C has not been recorded. Find the epicenter anyway?"});
  EXPECT_EQ(Experiment.epicenterX, 0.0);
  asked.clear();
  ASSERT_TRUE(sensors.RecordPair(TForm3::kPairAC));
  // The right input followed the pair: sensor B, then sensor C, behind A
  // by 1.136 ms and 0.238 ms.
  const double sample = 1.0 / 8000;
  EXPECT_NEAR(Experiment.timeB - Experiment.timeA_AB, 0.0011357, sample);
  EXPECT_NEAR(Experiment.timeC - Experiment.timeA_AC, 0.0002383, sample);
  EXPECT_NEAR(Experiment.timeA_AB, kStrikeDelay + std::hypot(300.0, 150.0) / 120000, sample);
  QTest::mouseClick(Form3->btnEpicenter->Button(), Qt::LeftButton);
  EXPECT_TRUE(messages_.Messages().isEmpty()) << messages_.Messages().join("|").toStdString();
  ASSERT_TRUE(Form1->imgEpicenter->Visible());
  EXPECT_FALSE(Form3->isVisible());
  EXPECT_LT(std::hypot(Experiment.epicenterX - 500, Experiment.epicenterY - 450), 120000 * sample + 2);
  EXPECT_TRUE(asked.isEmpty());  // both pairs recorded: nothing to ask
  // One place fits: no second mark. The shaded area of the points that fit
  // surrounds the mark, and the text gives it with the distance to the strike.
  EXPECT_FALSE(Form1->imgOther->Visible());
  ASSERT_TRUE(Form1->imgUncertainty->Visible());
  const QPoint marked(Form1->imgEpicenter->Left() + 20, Form1->imgEpicenter->Top() + 20);
  EXPECT_TRUE(Form1->imgUncertainty->geometry().contains(marked));
  const std::string caption = Form1->lblEpicenter->Caption().toStdString();
  EXPECT_THAT(caption, ::testing::HasSubstr(QStringLiteral("Epicenter: x %1 mm, y %2 mm")
                                                .arg(Experiment.epicenterX, 0, 'f', 1)
                                                .arg(Experiment.epicenterY, 0, 'f', 1)
                                                .toStdString()));
  EXPECT_THAT(caption, ::testing::HasSubstr("The shaded area fits your times: the epicenter may be up to "));
  EXPECT_THAT(caption, ::testing::HasSubstr("Struck at x 500.0 mm, y 450.0 mm"));

  // Struck at (1300, 50), outside the triangle: the search meets a far
  // point of the long band that fits the times. The shading reaches the
  // struck point, and the text says how far the epicenter may be.
  QTest::mouseClick(Form1->btnReset->Button(), Qt::LeftButton);
  EXPECT_EQ(Form1->lblEpicenter->Caption(), "");
  EXPECT_FALSE(Form1->imgUncertainty->Visible());
  Form3->Show();
  SetStrikePoint({1300, 50});
  ASSERT_TRUE(sensors.RecordPair(TForm3::kPairAB));
  ASSERT_TRUE(sensors.RecordPair(TForm3::kPairAC));
  QTest::mouseClick(Form3->btnEpicenter->Button(), Qt::LeftButton);
  ASSERT_TRUE(Form1->imgEpicenter->Visible());
  ASSERT_TRUE(Form1->imgUncertainty->Visible());
  const double away = std::hypot(Experiment.epicenterX - 1300, Experiment.epicenterY - 50);
  EXPECT_GT(away, 100.0);
  const QPoint struck(650 + 20, 25 + 20);
  const QRect shaded = Form1->imgUncertainty->geometry();
  ASSERT_TRUE(shaded.contains(struck));
  const QImage window = Form1->grab().toImage();
  const QImage shade = Form1->imgUncertainty->Picture().ToImage();
  EXPECT_GT(shade.pixelColor(struck - shaded.topLeft()).alpha(), 0) << "the struck point is shaded";
  const QString said = Form1->lblEpicenter->Caption();
  const QRegularExpressionMatch upTo = QRegularExpression(QStringLiteral("may be up to ([0-9.]+) mm")).match(said);
  ASSERT_TRUE(upTo.hasMatch()) << said.toStdString();
  if (!said.contains(QStringLiteral("also fit"))) {
    EXPECT_GE(upTo.captured(1).toDouble(), away - 2) << said.toStdString();
  }
  if (Form1->imgOther->Visible()) {
    // Another separate place: its orange mark, shown over the shading.
    const QPoint other = Form1->imgOther->geometry().center();
    EXPECT_EQ(QColor(window.pixel(Form1->panel->mapTo(Form1, other))), QColor(0xff, 0x99, 0x00));
  }
  SetQuestionSink(previousQuestions);

  // Delays no point fits: the window stays, the marker and its companions
  // are hidden, and the text beside the map says which delay is wrong.
  Form3->Show();
  messages_.Clear();
  Experiment.timeB = Experiment.timeA_AB + 1.0;
  QTest::mouseClick(Form3->btnEpicenter->Button(), Qt::LeftButton);
  EXPECT_EQ(messages_.Messages(), QStringList{"Bad Acquisition"});
  EXPECT_FALSE(Form1->imgEpicenter->Visible());
  EXPECT_FALSE(Form1->imgOther->Visible());
  EXPECT_FALSE(Form1->imgUncertainty->Visible());
  EXPECT_THAT(Form1->lblEpicenter->Caption().toStdString(),
              ::testing::StartsWith("The delay of pair A+B (1000.000 ms) cannot be right: the pulse needs at most "));
  EXPECT_TRUE(Form3->isVisible());
  SetStrikePoint({});
}

// The blocks a scope shows, channel by channel.
std::vector<std::vector<double>> ShownBlocks(TSLScope* scope) {
  std::vector<std::vector<double>> blocks;
  for (int c = 0; c < 2; ++c) {
    const TRef<ISLRealBuffer> b = scope->Channels()->Channel(c)->DisplayY();
    blocks.emplace_back();
    if (b) blocks.back().assign(b->ReadReals(), b->ReadReals() + b->GetCount());
  }
  return blocks;
}

std::string Fixed(double v, int decimals) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
  return std::string(buf, r.ptr);
}

// The program itself on a run folder: exit status and standard output
// (standard error into `errors` when given).
std::pair<int, QString> Analyze(const std::filesystem::path& folder, QString* errors = nullptr,
                                const std::filesystem::path& report = {}) {
  QProcess program;
  QStringList arguments{QStringLiteral("--analyze"), QString::fromStdString(folder.string())};
  if (!report.empty()) arguments << QStringLiteral("--report") << QString::fromStdString(report.string());
  program.start(QStringLiteral(TREMORA_PROGRAM), arguments);
  if (!program.waitForFinished(60000)) return {-1, QString()};
  if (errors) *errors = QString::fromUtf8(program.readAllStandardError());
  return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput())};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

double Number(const std::string& text) {
  double v = NAN;
  std::from_chars(text.data(), text.data() + text.size(), v);
  return v;
}

// A report page as its reader renders it, on white.
QImage PdfPage(const std::filesystem::path& file) {
  QPdfDocument doc;
  if (doc.load(QString::fromStdString(file.string())) != QPdfDocument::Error::None || doc.pageCount() != 1)
    return QImage();
  const QImage rendered = doc.render(0, (doc.pagePointSize(0) * 2).toSize());
  QImage page(rendered.size(), QImage::Format_RGB32);
  page.fill(Qt::white);
  QPainter(&page).drawImage(0, 0, rendered);
  return page;
}

std::string PdfText(const std::filesystem::path& file) {
  QPdfDocument doc;
  if (doc.load(QString::fromStdString(file.string())) != QPdfDocument::Error::None) return {};
  return doc.getAllText(0).text().toStdString();
}

// The share of the pictures' pixels (the page below its heading) that
// differ clearly between two reports.
double PageDifference(const std::filesystem::path& a, const std::filesystem::path& b) {
  const QImage pa = PdfPage(a), pb = PdfPage(b);
  if (pa.isNull() || pa.size() != pb.size()) return 1.0;
  long differing = 0, all = 0;
  for (int y = pa.height() / 10; y < pa.height() * 3 / 4; ++y)
    for (int x = 0; x < pa.width(); ++x, ++all) {
      const QRgb p = pa.pixel(x, y), q = pb.pixel(x, y);
      differing += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) > 96;
    }
  return double(differing) / double(all);
}

TEST_F(AcquisitionWindowTest, ASavedRunReopensAsRecordedAndAnalysesToTheSameResult) {
  const std::filesystem::path run = dir_ / "class 3" / "run 1";
  TFolderDialog::SetChooser([&](const TFolderDialog&) { return QString::fromStdString(run.string()); });
  std::vector<std::vector<double>> blocks[2];
  double times[4] = {};
  double epicenterX = 0, epicenterY = 0;
  QImage pictures[2];
  {
    TScriptedSensors sensors;
    Form1->Show();
    Form3->SetEnabled(true);
    Form3->Show();
    // An earlier strike, found and its circles grown, then Reset: nothing
    // of it may reach the next run's report.
    SetStrikePoint({1000, 700});
    ASSERT_TRUE(sensors.RecordPair(TForm3::kPairAB));
    ASSERT_TRUE(sensors.RecordPair(TForm3::kPairAC));
    QTest::mouseClick(Form3->btnEpicenter->Button(), Qt::LeftButton);
    ASSERT_TRUE(Form1->imgEpicenter->Visible());
    QTest::mouseClick(Form1->barAjusteRaio->Bar(), Qt::LeftButton, {},
                      QPoint(Form1->barAjusteRaio->Bar()->width() - 25, 10));
    ASSERT_GT(Form1->barAjusteRaio->Position(), 0);
    QTest::mouseClick(Form1->btnReset->Button(), Qt::LeftButton);
    Form3->Show();
    SetStrikePoint({500, 450});
    ASSERT_TRUE(sensors.RecordPair(TForm3::kPairAB));
    ASSERT_TRUE(sensors.RecordPair(TForm3::kPairAC));
    blocks[0] = ShownBlocks(Form3->ScpAB);
    blocks[1] = ShownBlocks(Form3->ScpAC);
    ASSERT_EQ(blocks[0][0].size(), size_t(kBlock));
    times[0] = Experiment.timeA_AB, times[1] = Experiment.timeB;
    times[2] = Experiment.timeA_AC, times[3] = Experiment.timeC;
    ASSERT_GT(times[0], 0.1);
    QApplication::processEvents();  // the read-outs
    Form3->ScpAB->RedrawBackBuffer();
    Form3->ScpAC->RedrawBackBuffer();
    pictures[0] = Form3->ScpAB->BackBuffer().copy();
    pictures[1] = Form3->ScpAC->BackBuffer().copy();

    // Saved by a click: the folder is made, config.ini stays as it was.
    // The capture goes on under the folder dialog: a block of another
    // signal arrives before the dialog closes.
    TFolderDialog::SetChooser([&](const TFolderDialog&) {
      std::vector<std::vector<double>> loud(2, std::vector<double>(kBlock));
      for (int i = 0; i < kBlock; ++i) loud[0][i] = loud[1][i] = i % 2 ? 0.9 : -0.9;
      FeedFromTest(Form3->ScpAB);
      Show(Form3->ScpAB, loud);
      return QString::fromStdString(run.string());
    });
    const std::string settings = testsupport::ReadFile(dir_ / "config.ini");
    messages_.Clear();
    QTest::mouseClick(Form3->btnSaveRun->Button(), Qt::LeftButton);
    TFolderDialog::SetChooser([&](const TFolderDialog&) { return QString::fromStdString(run.string()); });
    // The recorded block again, and with it its times (hold detection
    // stopped the input after the loud block).
    FeedFromTest(Form3->ScpAB);
    Show(Form3->ScpAB, blocks[0]);
    ASSERT_EQ(Experiment.timeB, times[1]);
    EXPECT_EQ(messages_.Messages(),
              QStringList{QStringLiteral("Run saved in %1").arg(QString::fromStdString(run.string()))});
    EXPECT_EQ(testsupport::ReadFile(dir_ / "config.ini"), settings);
    EXPECT_TRUE(std::filesystem::is_regular_file(run / "report.pdf"));
    // The settings in config.ini's sections, the results in their own.
    EXPECT_EQ(profile::ReadInt(run / "run.ini", "POSICAO", "xB", 0), 900);
    EXPECT_EQ(profile::ReadInt(run / "run.ini", "LEVELDETECTION", "level_detec", 0), 50);
    EXPECT_EQ(Number(profile::ReadString(run / "run.ini", "TIMES", "B", "")), times[1]);
    EXPECT_EQ(profile::ReadString(run / "run.ini", "TIMES", "C_how", ""), "detected");
    EXPECT_EQ(Number(profile::ReadString(run / "run.ini", "STRIKE", "x", "")), 500.0);
    EXPECT_FALSE(profile::ReadString(run / "run.ini", "PROGRAM", "version", "").empty());
    TWavData wav;
    ASSERT_TRUE(ReadWavFile((run / "pair-AC.wav").string(), wav));
    EXPECT_EQ(wav.Channels, 2);
    EXPECT_EQ(wav.SampleRate, 8000u);
    EXPECT_EQ(wav.Frames(), size_t(kBlock));
    // The report's circles are this run's increments, the adjuster back at 0.
    const std::string increments = "A " + profile::ReadString(run / "run.ini", "INCREMENTS", "A", "") + ", B " +
                                   profile::ReadString(run / "run.ini", "INCREMENTS", "B", "") + ", C " +
                                   profile::ReadString(run / "run.ini", "INCREMENTS", "C", "") + " mm";
    EXPECT_THAT(PdfText(run / "report.pdf"), ::testing::HasSubstr("Circle radii " + increments));

    QTest::mouseClick(Form3->btnEpicenter->Button(), Qt::LeftButton);
    ASSERT_TRUE(Form1->imgEpicenter->Visible());
    epicenterX = Experiment.epicenterX;
    epicenterY = Experiment.epicenterY;
    EXPECT_LT(std::hypot(epicenterX - 500, epicenterY - 450), 20.0);
    EXPECT_EQ(Number(profile::ReadString(run / "run.ini", "EPICENTER", "x", "")), epicenterX);
  }

  // A fresh program in a lab with other stations and another rate.
  DestroyWindows();
  testsupport::WriteFile(dir_ / "config.ini",
                         "[POSICAO]\r\nxA=10\r\nxB=20\r\nxC=30\r\nyA=40\r\nyB=50\r\nyC=60\r\n"
                         "[TAQUISICAO]\r\ntaq=2\r\n[TXAQUISICAO]\r\ntx=44100\r\n");
  const std::string lab = testsupport::ReadFile(dir_ / "config.ini");
  Experiment = TExperimentState{};
  CreateWindows();
  Form1->Show();
  Form3->SetEnabled(true);
  Form3->Show();
  messages_.Clear();
  QTest::mouseClick(Form3->btnOpenRun->Button(), Qt::LeftButton);
  EXPECT_TRUE(messages_.Messages().isEmpty()) << messages_.Messages().join("|").toStdString();
  // Sample for sample the blocks that were recorded, the cursors at the
  // times that were found, on the run's time base.
  EXPECT_EQ(ShownBlocks(Form3->ScpAB), blocks[0]);
  EXPECT_EQ(ShownBlocks(Form3->ScpAC), blocks[1]);
  EXPECT_EQ(Form3->ScpAB->XAxis()->Max()->DataValue(), double(kBlock));
  EXPECT_EQ(CursorX(Form3->ScpAB, 1), times[1]);
  EXPECT_EQ(CursorX(Form3->ScpAC, 0), times[2]);
  EXPECT_EQ(Experiment.timeC, times[3]);
  EXPECT_EQ(Experiment.stationX[stB], 900);
  QApplication::processEvents();
  Form3->ScpAB->RedrawBackBuffer();
  Form3->ScpAC->RedrawBackBuffer();
  EXPECT_EQ(Form3->ScpAB->BackBuffer(), pictures[0]);
  EXPECT_EQ(Form3->ScpAC->BackBuffer(), pictures[1]);
  EXPECT_EQ(testsupport::ReadFile(dir_ / "config.ini"), lab);

  // Detected again on the shown blocks: the same times.
  Experiment.timeA_AB = 0;
  QTest::mouseClick(Form3->chkAutomaticTime->Box(), Qt::LeftButton);
  EXPECT_EQ(Experiment.timeA_AB, times[0]);
  // The run's settings solve: the same epicenter, compared with the run's
  // own struck point although the input selected now is the sound card.
  QTest::mouseClick(Form3->btnEpicenter->Button(), Qt::LeftButton);
  ASSERT_TRUE(Form1->imgEpicenter->Visible());
  EXPECT_EQ(Experiment.epicenterX, epicenterX);
  EXPECT_EQ(Experiment.epicenterY, epicenterY);
  EXPECT_THAT(Form1->lblEpicenter->Caption().toStdString(), ::testing::HasSubstr("Struck at x 500.0 mm, y 450.0 mm"));
  EXPECT_EQ(testsupport::ReadFile(dir_ / "config.ini"), lab);
  // A map picture chosen now is the only change config.ini gets: the lab's
  // stations stay there, the run's stay in force.
  const char* data = std::getenv("TREMORA_TEST_DATA");
  const std::filesystem::path site = dir_ / "site.png";
  std::filesystem::copy_file(std::filesystem::path(data ? data : "tests/data") / "pictures" / "map.png", site);
  TOpenPictureDialog::SetChooser([&](const TOpenPictureDialog&) { return QString::fromStdString(site.string()); });
  Form1->mnImgMapa->Popup(0, 0);
  ASSERT_NE(Form1->mnImgMapa->ShownMenu(), nullptr);
  Form1->mnImgMapa->ShownMenu()->actions().at(0)->trigger();
  Form1->mnImgMapa->ShownMenu()->close();
  QApplication::processEvents();
  TOpenPictureDialog::SetChooser(nullptr);
  EXPECT_EQ(profile::ReadString(dir_ / "config.ini", "IMGFILE", "imgfilename", ""), "site.png");
  EXPECT_EQ(profile::ReadString(dir_ / "config.ini", "POSICAO", "xB", ""), "20");
  EXPECT_EQ(profile::ReadString(dir_ / "config.ini", "TXAQUISICAO", "tx", ""), "44100");
  EXPECT_EQ(Experiment.stationX[stB], 900);

  // And so does the program without windows.
  const auto [status, printed] = Analyze(run);
  EXPECT_EQ(status, 0);
  const std::vector<std::string> lines = Lines(printed.toStdString());
  ASSERT_GE(lines.size(), 4u) << printed.toStdString();
  EXPECT_EQ(lines[0], "times: A_AB=" + Fixed(times[0], 6) + " B=" + Fixed(times[1], 6) + " A_AC=" +
                          Fixed(times[2], 6) + " C=" + Fixed(times[3], 6) + " s");
  EXPECT_EQ(lines[2], "epicenter: " + Fixed(epicenterX, 2) + " " + Fixed(epicenterY, 2) + " mm");
  // Saved times are kept as "Open Run" keeps them, whatever level run.ini
  // gives now; the report drawn from the folder shows the same scopes as
  // the one saved with the run.
  profile::WriteString(run / "run.ini", "LEVELDETECTION", "level_detec", "1000");
  const std::filesystem::path analysed = dir_ / "analysed.pdf";
  const auto [again, printedAgain] = Analyze(run, nullptr, analysed);
  EXPECT_EQ(again, 0);
  EXPECT_EQ(printedAgain, printed);
  EXPECT_LT(PageDifference(run / "report.pdf", analysed), 0.02);

  // Exported for a spreadsheet in a comma-decimal language: dots.
  const std::filesystem::path csv = dir_ / "sheets";
  TFolderDialog::SetChooser([&](const TFolderDialog&) { return QString::fromStdString(csv.string()); });
  struct TCommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
  };
  const QLocale previous;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const std::locale previousStd = std::locale::global(std::locale(std::locale::classic(), new TCommaDecimal));
  Form3->Show();
  messages_.Clear();
  QTest::mouseClick(Form3->btnExportCsv->Button(), Qt::LeftButton);
  std::locale::global(previousStd);
  QLocale::setDefault(previous);
  TFolderDialog::SetChooser(nullptr);
  EXPECT_EQ(messages_.Messages(), QStringList{QStringLiteral("Written in %1: pair-AB.csv, pair-AC.csv, results.csv")
                                                  .arg(QString::fromStdString(csv.string()))});
  const std::vector<std::string> rows = Lines(testsupport::ReadFile(csv / "pair-AC.csv"));
  ASSERT_EQ(rows.size(), size_t(kBlock) + 1);
  EXPECT_EQ(rows[0], "time_s,A,C");
  const int at = static_cast<int>(std::lround(times[3] * 8000));
  const std::string& row = rows[at + 1];
  const auto first = row.find(','), second = row.rfind(',');
  EXPECT_EQ(Number(row.substr(0, first)), times[3]) << row;
  EXPECT_EQ(Number(row.substr(first + 1, second - first - 1)), blocks[1][0][at]) << row;
  EXPECT_EQ(Number(row.substr(second + 1)), blocks[1][1][at]) << row;
  const std::string results = testsupport::ReadFile(csv / "results.csv");
  EXPECT_THAT(results, ::testing::StartsWith("quantity,value,unit\n"));
  EXPECT_THAT(results, ::testing::HasSubstr("\ntime_B," + ShortestNumber(times[1]) + ",s\n"));
  EXPECT_THAT(results, ::testing::HasSubstr("\nepicenter_x," + ShortestNumber(epicenterX) + ",mm\n"));
  EXPECT_EQ(ShortestNumber(0.5), "0.5");
}

TEST_F(AcquisitionWindowTest, ARunFolderMadeByHandOpensWhatItCanAndSaysWhatIsWrong) {
  // Pair A+B recorded elsewhere (2.5 s at 16000 samples/s, pulse on A at
  // 1.0 s and on B at 1.25 s), pair A+C's file cut short, its times dragged
  // by hand in run.ini.
  const std::filesystem::path run = dir_ / "by hand";
  std::filesystem::create_directories(run);
  TWavData wav;
  wav.Channels = 2;
  wav.SampleRate = 16000;
  wav.Samples.assign(2 * 40000, 0.0f);
  wav.Samples[2 * 16000] = 0.5f;
  wav.Samples[2 * 20000 + 1] = -0.25f;
  ASSERT_TRUE(WriteWavFile16((run / "pair-AB.wav").string(), wav));
  const std::string good = testsupport::ReadFile(run / "pair-AB.wav");
  testsupport::WriteFile(run / "pair-AC.wav", good.substr(0, 30));
  testsupport::WriteFile(run / "run.ini",
                         "[POSICAO]\nxA=200\nxB=900\nxC=600\nyA=300\nyB=200\nyC=800\n[VELOCIDADE]\nvel=120000\n"
                         "[LEVELDETECTION]\nlevel_detec=100\n[TIMES]\nA_AC=1.2\nC=1.2002383\nB=nine\n");
  const std::string lab = testsupport::ReadFile(dir_ / "config.ini");
  const auto listing = [&] {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir_.path())) names.push_back(e.path().string());
    std::sort(names.begin(), names.end());
    return names;
  };
  const std::vector<std::string> before = listing();

  TFolderDialog::SetChooser([&](const TFolderDialog&) { return QString::fromStdString(run.string()); });
  QTest::mouseClick(Form3->btnOpenRun->Button(), Qt::LeftButton);
  TFolderDialog::SetChooser(nullptr);
  ASSERT_EQ(messages_.Messages().size(), 1);
  const QString said = messages_.Messages()[0];
  EXPECT_THAT(said.toStdString(), ::testing::HasSubstr("run.ini: [TIMES] B = 'nine' is not a number"));
  EXPECT_THAT(said.toStdString(), ::testing::HasSubstr("pair-AC.wav': "));
  EXPECT_THAT(said.toStdString(), ::testing::HasSubstr("pair-AB.wav: 2.50 s of sound, followed by silence"));
  // Shown on the file's time base, rounded up to whole seconds; the times
  // not given are detected at the run's level.
  EXPECT_EQ(Form3->ScpAB->XAxis()->Max()->DataValue(), 48000.0);
  EXPECT_EQ(Experiment.acquisitionRate, 16000);
  EXPECT_EQ(Experiment.timeA_AB, 1.0);
  EXPECT_EQ(Experiment.timeB, 1.25);
  EXPECT_EQ(ShownBlocks(Form3->ScpAB)[1][20000], -0.25);
  EXPECT_TRUE(ShownBlocks(Form3->ScpAC)[0].empty());
  EXPECT_EQ(Experiment.timeC, 1.2002383);
  EXPECT_EQ(CursorX(Form3->ScpAC, 1), 1.2002383);
  EXPECT_EQ(Form3->ReadOut(1)[1].left(2), "tC");
  EXPECT_THAT(Form3->ReadOut(1)[1].toStdString(), ::testing::HasSubstr("dragged"));
  EXPECT_EQ(listing(), before);  // nothing written
  EXPECT_EQ(testsupport::ReadFile(dir_ / "config.ini"), lab);

  // Without windows: A+B detected, A+C as dragged.
  const auto [status, printed] = Analyze(run);
  EXPECT_EQ(status, 1) << printed.toStdString();
  EXPECT_THAT(printed.toStdString(), ::testing::StartsWith("times: A_AB=1.000000 B=1.250000 A_AC=1.200000 C=1.200238 s\n"));
  EXPECT_EQ(listing(), before);

  // Saved again over an older run: what it shows and nothing more. No
  // simulated strike (the window's input is simulated, the run was not),
  // no file for the pair without sound, the dragged times kept as such.
  const std::filesystem::path again = dir_ / "again";
  std::filesystem::create_directories(again);
  testsupport::WriteFile(again / "pair-AC.wav", good);
  testsupport::WriteFile(again / "run.ini", "[STRIKE]\nx=1\ny=2\n");
  TFolderDialog::SetChooser([&](const TFolderDialog&) { return QString::fromStdString(again.string()); });
  QTest::mouseClick(Form3->btnSaveRun->Button(), Qt::LeftButton);
  TFolderDialog::SetChooser(nullptr);
  EXPECT_TRUE(std::filesystem::exists(again / "pair-AB.wav"));
  EXPECT_FALSE(std::filesystem::exists(again / "pair-AC.wav"));
  EXPECT_EQ(profile::ReadString(again / "run.ini", "STRIKE", "x", "none"), "none");
  EXPECT_EQ(profile::ReadString(again / "run.ini", "TIMES", "C_how", ""), "dragged");
  EXPECT_EQ(profile::ReadInt(again / "run.ini", "TXAQUISICAO", "tx", 0), 16000);
  // Exported there too: the older run's sheet of pair A+C goes with it.
  testsupport::WriteFile(again / "pair-AC.csv", "time_s,A,C\n0,0.5,0.5\n");
  TFolderDialog::SetChooser([&](const TFolderDialog&) { return QString::fromStdString(again.string()); });
  QTest::mouseClick(Form3->btnExportCsv->Button(), Qt::LeftButton);
  TFolderDialog::SetChooser(nullptr);
  EXPECT_TRUE(std::filesystem::exists(again / "pair-AB.csv"));
  EXPECT_FALSE(std::filesystem::exists(again / "pair-AC.csv"));
}

// A class's USB stick runs out of room while a run is saved over another:
// the folder keeps the run saved before, whole, and says so.
TEST_F(AcquisitionWindowTest, ASaveOnAFullDiskKeepsTheRunSavedBefore) {
  testsupport::SmallDisk disk(dir_ / "stick", 4 << 20);
  if (!disk.Mounted()) GTEST_SKIP() << disk.Why();
  const std::filesystem::path run = dir_ / "stick" / "run";
  auto files = [&] {
    std::map<std::string, std::string> content;
    for (const auto& e : std::filesystem::directory_iterator(run))
      content[e.path().filename().string()] = testsupport::ReadFile(e.path());
    return content;
  };
  TFolderDialog::SetChooser([&](const TFolderDialog&) { return QString::fromStdString(run.string()); });
  TScriptedSensors sensors;
  Form1->Show();
  auto recordAndSave = [&](TStrikePoint strike) {
    Form3->Show();
    SetStrikePoint(strike);
    EXPECT_TRUE(sensors.RecordPair(TForm3::kPairAB));
    EXPECT_TRUE(sensors.RecordPair(TForm3::kPairAC));
    messages_.Clear();
    QTest::mouseClick(Form3->btnSaveRun->Button(), Qt::LeftButton);
    return messages_.Messages().join(QLatin1Char('|')).toStdString();
  };
  ASSERT_THAT(recordAndSave({500, 450}), ::testing::StartsWith("Run saved in"));
  const std::map<std::string, std::string> first = files();
  ASSERT_EQ(first.size(), 4u);

  // Room for one more sound file only.
  disk.Fill(static_cast<long long>(first.at("pair-AB.wav").size()) + 64 * 1024);
  const std::string said = recordAndSave({900, 700});
  EXPECT_THAT(said, ::testing::HasSubstr("Unable to write to " + run.string()));
  EXPECT_THAT(said, ::testing::HasSubstr("The run saved there before is kept as it was."));
  EXPECT_TRUE(files() == first) << "the folder must hold the first run, whole, and nothing else";

  // With room again, the whole second run.
  disk.Fill(-1);
  QTest::mouseClick(Form3->btnSaveRun->Button(), Qt::LeftButton);
  const std::map<std::string, std::string> second = files();
  EXPECT_EQ(second.size(), 4u);
  EXPECT_NE(second.at("pair-AB.wav"), first.at("pair-AB.wav"));
  EXPECT_NE(second.at("run.ini"), first.at("run.ini"));

  // A report the program cannot finish is a failure, and no file is left.
  disk.Fill(0);
  QString errors;
  const std::filesystem::path pdf = dir_ / "stick" / "analysed.pdf";
  const auto [status, printed] = Analyze(run, &errors, pdf);
  EXPECT_EQ(status, 1) << printed.toStdString();
  EXPECT_THAT(errors.toStdString(), ::testing::HasSubstr(pdf.string()));
  EXPECT_FALSE(std::filesystem::exists(pdf));
  disk.Fill(-1);
  TFolderDialog::SetChooser(nullptr);
}

// A stereo WAV file as common recording programs write it: `bits` per
// sample, integer or float, with the plain or the extensible header, and a
// chunk of its own before the sound.
std::string WavBytes(int bits, bool isFloat, bool extensible, const std::vector<float>& interleaved) {
  std::string b;
  auto u16 = [&](uint32_t v) { b += char(v & 0xff), b += char(v >> 8 & 0xff); };
  auto u32 = [&](uint32_t v) { u16(v & 0xffff), u16(v >> 16); };
  const uint32_t rate = 8000, align = 2 * bits / 8;
  std::string sound;
  for (float v : interleaved) {
    if (isFloat) {
      uint32_t raw;
      std::memcpy(&raw, &v, 4);
      for (int k = 0; k < 4; ++k) sound += char(raw >> 8 * k & 0xff);
    } else {
      const int64_t full = int64_t(1) << (bits - 1);
      const int64_t q = std::clamp<int64_t>(std::llround(double(v) * full), -full, full - 1);
      for (int k = 0; k < bits / 8; ++k) sound += char(uint64_t(q) >> 8 * k & 0xff);
    }
  }
  const uint16_t tag = isFloat ? 3 : 1;
  b += "RIFF";
  u32(4 + 8 + (extensible ? 40 : 16) + 8 + 4 + 8 + uint32_t(sound.size()));
  b += "WAVEfmt ";
  u32(extensible ? 40 : 16);
  u16(extensible ? 0xFFFE : tag), u16(2), u32(rate), u32(rate * align), u16(align), u16(bits);
  if (extensible) {
    u16(22), u16(bits), u32(3), u16(tag);
    b += std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
  }
  b += "LIST";
  u32(4);
  b += "INFO";
  b += "data";
  u32(uint32_t(sound.size()));
  return b + sound;
}

TEST(RunFolderRecordings, WavVariantsAnalyseToTheSameTimes) {
  testsupport::TempDir dir;
  // A on the left at 1000 samples, the other sensor at 1009, in a block of
  // 1 s at 8000 samples/s.
  std::vector<float> sound(2 * 8000, 0.0f);
  sound[2 * 1000] = 0.5f;
  sound[2 * 1009 + 1] = -0.25f;
  const struct {
    int bits;
    bool isFloat, extensible;
  } variants[] = {{16, false, false}, {24, false, false}, {32, false, false}, {32, true, false}, {24, false, true}};
  std::string first;
  for (const auto& v : variants) {
    const std::filesystem::path run = dir / ("run-" + std::to_string(v.bits) + (v.isFloat ? "f" : "") +
                                             (v.extensible ? "x" : ""));
    std::filesystem::create_directories(run);
    const std::string bytes = WavBytes(v.bits, v.isFloat, v.extensible, sound);
    testsupport::WriteFile(run / "pair-AB.wav", bytes);
    testsupport::WriteFile(run / "pair-AC.wav", bytes);
    testsupport::WriteFile(run / "run.ini",
                           "[POSICAO]\nxA=200\nxB=900\nxC=600\nyA=300\nyB=200\nyC=800\n[VELOCIDADE]\nvel=120000\n"
                           "[TAQUISICAO]\ntaq=1\n[LEVELDETECTION]\nlevel_detec=200\n");
    const auto [status, printed] = Analyze(run);
    const std::string times = Lines(printed.toStdString()).empty() ? "" : Lines(printed.toStdString())[0];
    EXPECT_EQ(times, "times: A_AB=0.125000 B=0.126125 A_AC=0.125000 C=0.126125 s")
        << v.bits << (v.isFloat ? " float" : "") << (v.extensible ? " extensible" : "") << ": " << printed.toStdString();
    EXPECT_NE(status, 2);
  }
  // Cut short of run.ini's block: filled with silence, the times the same.
  {
    const std::filesystem::path run = dir / "short";
    std::filesystem::create_directories(run);
    const std::string bytes = WavBytes(16, false, false, sound);
    testsupport::WriteFile(run / "pair-AB.wav", bytes);
    testsupport::WriteFile(run / "pair-AC.wav", bytes);
    testsupport::WriteFile(run / "run.ini",
                           "[POSICAO]\nxA=200\nxB=900\nxC=600\nyA=300\nyB=200\nyC=800\n[VELOCIDADE]\nvel=120000\n"
                           "[TAQUISICAO]\ntaq=3\n[LEVELDETECTION]\nlevel_detec=200\n");
    QString errors;
    const auto [status, printed] = Analyze(run, &errors);
    EXPECT_THAT(printed.toStdString(), ::testing::StartsWith("times: A_AB=0.125000 B=0.126125 A_AC=0.125000 C=0.126125 s\n"));
    EXPECT_THAT(errors.toStdString(),
                ::testing::HasSubstr("pair-AC.wav: 1.00 s of sound, followed by silence to fill the block of 3 s"));
  }
  // A mono file and an A-law one are refused, each named with its reason.
  std::string mono = WavBytes(16, false, false, std::vector<float>(sound.begin(), sound.begin() + 8000));
  mono[22] = 1;                                     // channels
  mono[32] = 2;                                     // block align
  mono[28] = char(16000 & 0xff), mono[29] = char(16000 >> 8);  // bytes per second
  std::string alaw = WavBytes(16, false, false, sound);
  alaw[20] = 6;
  alaw[34] = 8, alaw[32] = 2;
  for (const auto& [name, bytes, reason] : {std::tuple{"mono", mono, "pair-AB.wav: mono"},
                                            std::tuple{"alaw", alaw, "pair-AB.wav': A-law compressed sound is not supported"}}) {
    const std::filesystem::path run = dir / name;
    std::filesystem::create_directories(run);
    testsupport::WriteFile(run / "pair-AB.wav", bytes);
    testsupport::WriteFile(run / "run.ini", "[POSICAO]\nxA=200\nxB=900\nxC=600\nyA=300\nyB=200\nyC=800\n"
                                            "[VELOCIDADE]\nvel=120000\n");
    QString errors;
    const auto [status, printed] = Analyze(run, &errors);
    EXPECT_EQ(status, 1) << name;
    EXPECT_EQ(printed.toStdString(), "No recording of pair A+B\n") << name;
    EXPECT_THAT(errors.toStdString(), ::testing::HasSubstr(reason)) << name;
  }
}

}  // namespace
