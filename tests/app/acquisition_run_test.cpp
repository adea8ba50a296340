// A minute of lab work at the pace of real time: pairs A+B and A+C
// recorded in turn from the simulated sensors with hold detection, the
// monitor started and stopped in between, and now and then a sound card
// that vanishes mid-capture. Nothing may crash, every pair must be found
// and the windows must still answer at the end.
#include "app/windows/acquisition_form.h"
#include "app/experiment/experiment_state.h"
#include "app/windows/listen_form.h"
#include "app/windows/main_form.h"
#include "app/commands/startup.h"
#include "app/windows/windows.h"
#include "audio/audio_in.h"
#include "draw/message_service.h"
#include "forms/controls/standard_controls.h"
#include "platform/wave_in.h"
#include "support/test_support.h"
#include "vanishing_device.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QtTest/QTest>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

bool WaitUntil(const std::function<bool()>& done, int limitMs) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > limitMs) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
  return true;
}

TEST(AcquisitionRun, AlternatingPairsForAMinuteWithAVanishingDevice) {
  testsupport::TempDir dir;
  testsupport::ScopedWorkingDir cwd(dir.path());
  testsupport::WriteFile(dir / "config.ini",
                         "[POSICAO]\r\nxA=200\r\nxB=900\r\nxC=600\r\nyA=300\r\nyB=200\r\nyC=800\r\n"
                         "[VELOCIDADE]\r\nvel=120000\r\n[TAQUISICAO]\r\ntaq=1\r\n[TXAQUISICAO]\r\ntx=8000\r\n"
                         "[LEVELDETECTION]\r\nlevel_detec=50\r\n");
  apptest::RegisterVanishingDevice();
  WaveInRefreshDevices();
  WaveInSetVirtualPace(1);
  TMessageRecorder messages;
  Experiment = TExperimentState{};
  CreateWindows();
  const QString simulated = QString::fromLatin1(kWaveInSimulatedName);
  Form4->AIOsc->Device()->SetDeviceName(simulated);
  Form1->Show();
  QTest::mouseClick(Form1->BitBtn3->Button(), Qt::LeftButton);
  QTest::mouseClick(Form3->chkAutomaticTime->Box(), Qt::LeftButton);
  QTest::mouseClick(Form3->chkHold->Box(), Qt::LeftButton);

  int pairs = 0;
  int vanished = 0;
  QElapsedTimer run;
  run.start();
  for (int cycle = 0; run.elapsed() < 60000; ++cycle) {
    // The monitor listens; the next pair stops it.
    Form4->Show();
    QTest::mouseClick(Form4->Button1->Button(), Qt::LeftButton);
    ASSERT_TRUE(Form4->AIOsc->Enabled());
    if (cycle % 3 == 2) {
      messages.Clear();
      Form3->AI->Device()->SetDeviceName(QStringLiteral("Vanishing"));
      Form3->seletor->SetPosition(cycle % 2 ? TForm3::kPairAC : TForm3::kPairAB);
      ASSERT_TRUE(WaitUntil([&] { return !messages.Messages().isEmpty(); }, 10000)) << "cycle " << cycle;
      EXPECT_EQ(messages.Messages(), QStringList{"Audio device stopped delivering."});
      EXPECT_FALSE(Form3->AI->Enabled());
      Form3->seletor->SetPosition(TForm3::kStopped);
      ++vanished;
      continue;
    }
    Form3->AI->Device()->SetDeviceName(simulated);
    for (int position : {TForm3::kPairAB, TForm3::kPairAC}) {
      Form3->seletor->SetPosition(position);
      EXPECT_FALSE(Form4->AIOsc->Enabled());
      ASSERT_TRUE(WaitUntil([] { return Form3->seletor->Position() == TForm3::kStopped; }, 15000))
          << "cycle " << cycle << ", position " << position;
      ++pairs;
    }
    // Struck at the map centre (700, 500) mm: B and C are nearer than A.
    const double a = std::hypot(500.0, 200.0) / 120000;
    EXPECT_NEAR(Experiment.timeB - Experiment.timeA_AB, std::hypot(200.0, 300.0) / 120000 - a, 1.0 / 8000);
    EXPECT_NEAR(Experiment.timeC - Experiment.timeA_AC, std::hypot(100.0, 300.0) / 120000 - a, 1.0 / 8000);
  }
  EXPECT_GE(pairs, 10);
  EXPECT_GE(vanished, 3);

  // Both pairs recorded last (a run may end on a vanished device, which
  // cleared its pair), then still answering: a queued call runs, and
  // "Find Epicenter" locates.
  Form3->AI->Device()->SetDeviceName(simulated);
  for (int position : {TForm3::kPairAB, TForm3::kPairAC}) {
    Form3->seletor->SetPosition(position);
    ASSERT_TRUE(WaitUntil([] { return Form3->seletor->Position() == TForm3::kStopped; }, 15000));
  }
  bool answered = false;
  QTimer::singleShot(0, [&] { answered = true; });
  EXPECT_TRUE(WaitUntil([&] { return answered; }, 2000));
  messages.Clear();
  QTest::mouseClick(Form3->btnEpicenter->Button(), Qt::LeftButton);
  EXPECT_TRUE(messages.Messages().isEmpty()) << messages.Messages().join("|").toStdString();
  EXPECT_TRUE(Form1->imgEpicenter->Visible());
  DestroyWindows();
}

}  // namespace
