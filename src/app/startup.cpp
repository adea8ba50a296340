#include "app/startup.h"

#include "app/dialog_screenshots.h"
#include "app/main_form.h"
#include "app/settings_form.h"
#include "app/windows.h"
#include "dialogs/scope_properties_form.h"
#include "draw/message_service.h"
#include "forms/controls/register_controls.h"
#include "forms/register_scope.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QThread>
#include <cstdio>
#include <stdexcept>

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm* Form3 = nullptr;
TForm* Form4 = nullptr;
TAcquisitionLinks AcquisitionLinks;

// Outside any namespace, as the resource initialiser requires.
static void InitResources() { Q_INIT_RESOURCE(tremora); }

void InitializeWindowing() {
  static bool done = false;
  if (done) return;
  done = true;
  InitResources();
  RegisterStandardControls();
  RegisterScopeClasses();
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
  // The acquisition window (Form3, created disabled) and the listen
  // monitor (Form4) are created here, in that order, once they exist.
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
  AcquisitionLinks = TAcquisitionLinks();
}

QStringList WriteScreenshots(const QString& dir) {
  if (!QDir().mkpath(dir)) throw std::runtime_error("Unable to create " + dir.toStdString());
  QStringList written;
  for (TForm* form : {static_cast<TForm*>(Form1), static_cast<TForm*>(Form2), Form3, Form4}) {
    if (!form) continue;
    form->Show();
    // Let the window system map and paint the window first.
    for (int i = 0; i < 5; ++i) {
      QApplication::processEvents();
      QThread::msleep(20);
    }
    const QString file = QDir(dir).filePath(QString::fromLatin1(form->metaObject()->className()) + ".png");
    if (!form->grab().save(file, "PNG")) throw std::runtime_error("Unable to write to " + file.toStdString());
    written.append(file);
  }
  written += WriteDialogScreenshots(dir);
  return written;
}

int RunProgram(int argc, char** argv) {
  QString screenshotDir;
  for (int i = 1; i < argc; ++i) {
    if (QString::fromLocal8Bit(argv[i]) == QLatin1String("--screenshot")) {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "usage: tremora [--screenshot DIR | --locate TA_AB TB TA_AC TC]\n");
        return 2;
      }
      screenshotDir = QString::fromLocal8Bit(argv[i + 1]);
    }
  }
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
