// Measures what capture costs the whole program: the windows as at start-up,
// all four shown, the simulated sensors at real-time pace recorded at
// 44,100 frames/s stereo into the acquisition window's upper scope (no
// detection, so capture never stops), for 30 s. Prints the process's CPU
// time as a percentage of one core. Not a test: run it by hand, e.g.
//   QT_QPA_PLATFORM=offscreen build/tests/app/app_capture_load [seconds]
#include "app/windows/acquisition_form.h"
#include "app/experiment/experiment_state.h"
#include "app/windows/listen_form.h"
#include "app/windows/main_form.h"
#include "app/windows/settings_form.h"
#include "app/commands/startup.h"
#include "app/windows/windows.h"
#include "audio/audio_in.h"
#include "draw/message_service.h"
#include "forms/controls/standard_controls.h"
#include "platform/wave_in.h"
#include "support/test_support.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
}

// Runs the event loop for `ms` milliseconds, as the program's loop would.
void RunFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  testsupport::TempDir dir;
  testsupport::ScopedWorkingDir cwd(dir.path());
  testsupport::WriteFile(dir / "config.ini",
                         "[POSICAO]\r\nxA=200\r\nxB=900\r\nxC=600\r\nyA=300\r\nyB=200\r\nyC=800\r\n"
                         "[TAQUISICAO]\r\ntaq=1\r\n[TXAQUISICAO]\r\ntx=44100\r\n");
  WaveInSetVirtualPace(1);
  // Nothing may wait for a click (the map picture is missing here).
  SetMessageSink([](const QString& text) { std::fprintf(stderr, "message: %s\n", qPrintable(text)); });
  CreateWindows();
  Form3->AI->Device()->SetDeviceName(QString::fromLatin1(kWaveInSimulatedName));
  for (TForm* form : {static_cast<TForm*>(Form1), static_cast<TForm*>(Form2), static_cast<TForm*>(Form3),
                      static_cast<TForm*>(Form4)})
    form->Show();
  Form3->seletor->SetPosition(TForm3::kPairAB);
  // Settle, then measure.
  RunFor(2000);
  const double cpu0 = CpuSeconds();
  QElapsedTimer wall;
  wall.start();
  RunFor(seconds * 1000);
  const double cpu = CpuSeconds() - cpu0;
  const double elapsed = wall.elapsed() / 1000.0;
  std::printf("capture 44100 frames/s stereo into ScpAB, all windows shown: %.2f %% of one core over %.1f s\n",
              100.0 * cpu / elapsed, elapsed);
  Form3->seletor->SetPosition(TForm3::kStopped);
  DestroyWindows();
  return 0;
}
