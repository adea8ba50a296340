#include "app/startup.h"

#include "app/acquisition_form.h"
#include "app/capture_device_option.h"
#include "app/dialog_screenshots.h"
#include "app/listen_form.h"
#include "app/main_form.h"
#include "app/scripted_sensors.h"
#include "app/settings_form.h"
#include "app/windows.h"
#include "dialogs/scope_properties_form.h"
#include "draw/message_service.h"
#include "forms/controls/register_controls.h"
#include "forms/class_registry.h"
#include "forms/register_scope.h"
#include "audio/audio_in.h"
#include "audio/audio_to_real.h"
#include "platform/wave_in.h"
#include "scope/scope.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QThread>
#include <cstdio>
#include <stdexcept>

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;

// Outside any namespace, as the resource initialiser requires.
static void InitResources() { Q_INIT_RESOURCE(tremora); }

void InitializeWindowing() {
  static bool done = false;
  if (done) return;
  done = true;
  InitResources();
  RegisterStandardControls();
  RegisterScopeClasses();
  // The capture and conversion components of the working windows.
  TClassRegistry::Instance().Register<TALAudioIn>();
  TClassRegistry::Instance().Register<TALAudioToReal>();
  RegisterScopePropertiesDialog();
}

namespace {

// The window is reachable through its pointer before its creation handler
// runs, as handlers of one window use the others.
template <class T>
void CreateForm(T*& ref) {
  ref = new T;
  ref->DoCreate();
}

}  // namespace

void CreateWindows() {
  InitializeWindowing();
  CreateForm(Form1);
  TForm::SetMainForm(Form1);
  CreateForm(Form2);
  CreateForm(Form3);
  CreateForm(Form4);
}

void DestroyWindows() {
  delete Form4;
  Form4 = nullptr;
  delete Form3;
  Form3 = nullptr;
  delete Form2;
  Form2 = nullptr;
  delete Form1;
  Form1 = nullptr;
  TForm::SetMainForm(nullptr);
}

namespace {

void Settle() {
  // Let the window system map and paint the window first.
  for (int i = 0; i < 5; ++i) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
}

QString Grab(TForm* form, const QString& dir) {
  const QString file = QDir(dir).filePath(QString::fromLatin1(form->metaObject()->className()) + ".png");
  if (!form->grab().save(file, "PNG")) throw std::runtime_error("Unable to write to " + file.toStdString());
  return file;
}

}  // namespace

QStringList WriteScreenshots(const QString& dir) {
  if (!QDir().mkpath(dir)) throw std::runtime_error("Unable to create " + dir.toStdString());
  QStringList written;
  for (TForm* form : {static_cast<TForm*>(Form1), static_cast<TForm*>(Form2)}) {
    form->Show();
    Settle();
    written.append(Grab(form, dir));
  }
  {
    // The working windows show a simulated strike: both pairs recorded
    // with their detected cursors, and the monitor's first block.
    TScriptedSensors sensors;
    Form3->Show();
    Settle();
    sensors.RecordPair(TForm3::kPairAB);
    sensors.RecordPair(TForm3::kPairAC);
    Settle();
    written.append(Grab(Form3, dir));
    Form4->Show();
    Settle();
    sensors.Listen();
    Settle();
    written.append(Grab(Form4, dir));
    Form4->Close();
  }
  written += WriteDialogScreenshots(dir);
  return written;
}

namespace {

const char* const kUsage =
    "usage: tremora [--device NAME [--recording FILE.wav]] [--screenshot DIR]\n"
    "       tremora --list-devices\n"
    "       tremora --locate TA_AB TB TA_AC TC\n"
    "       tremora --simulate X Y\n"
    "(--locate and --simulate come first and take no other option)\n";

struct TOptions {
  QString screenshotDir;
  std::string device;
  std::string recording;
  bool listDevices = false;
};

// False on a malformed command line. Other arguments are the toolkit's.
bool ParseOptions(int argc, char** argv, TOptions& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--locate" || arg == "--simulate") {
      // Commands of their own: only as the first argument.
      return false;
    } else if (arg == "--list-devices") {
      options.listDevices = true;
    } else if (arg == "--screenshot" || arg == "--device" || arg == "--recording") {
      if (!hasValue) return false;
      const std::string value = argv[++i];
      if (arg == "--screenshot") options.screenshotDir = QString::fromLocal8Bit(value.c_str());
      if (arg == "--device") options.device = value;
      if (arg == "--recording") options.recording = value;
    }
  }
  return true;
}

}  // namespace

int RunProgram(int argc, char** argv) {
  TOptions options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "%s", kUsage);
    return 2;
  }
  if (options.listDevices) {
    for (const std::string& name : OpenableDeviceNames()) std::printf("%s\n", name.c_str());
    return 0;
  }
  if (!options.device.empty() || !options.recording.empty()) {
    const std::string device = options.device.empty() ? "Default" : options.device;
    const std::string error = CaptureDeviceError(device, options.recording);
    if (!error.empty()) {
      std::fprintf(stderr, "tremora: %s\n", error.c_str());
      return 2;
    }
    if (!options.recording.empty()) WaveInSetRecordingFile(options.recording);
  }
  const QString screenshotDir = options.screenshotDir;

  QApplication app(argc, argv);
  // No display name: Qt would append it to every window title, and the
  // windows' captions are their own. Message boxes take this name instead.
  QApplication::setApplicationName(QStringLiteral("Tremora"));
  // Closing the main window ends the run even while other windows are shown.
  QApplication::setQuitOnLastWindowClosed(false);

  if (!screenshotDir.isEmpty()) {
    // Nothing may wait for a click: messages are printed instead.
    SetMessageSink([](const QString& text) { std::fprintf(stderr, "tremora: %s\n", qPrintable(text)); });
    int status = 0;
    try {
      CreateWindows();
      if (!options.device.empty()) UseCaptureDevice(QString::fromStdString(options.device));
      for (const QString& file : WriteScreenshots(screenshotDir)) std::printf("%s\n", qPrintable(file));
    } catch (const std::exception& e) {
      std::fprintf(stderr, "tremora: %s\n", e.what());
      status = 1;
    }
    DestroyWindows();
    return status;
  }

  try {
    CreateWindows();
    if (!options.device.empty()) UseCaptureDevice(QString::fromStdString(options.device));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tremora: %s\n", e.what());
    DestroyWindows();
    return 1;
  }
  Form1->Show();
  const int status = QApplication::exec();
  DestroyWindows();
  return status;
}
