#include "app/commands/startup.h"

#include "app/windows/acquisition_form.h"
#include "app/windows/capture_device_option.h"
#include "app/windows/class_form.h"
#include "app/commands/dialog_screenshots.h"
#include "app/windows/listen_form.h"
#include "app/windows/main_form.h"
#include "app/sensors/scripted_sensors.h"
#include "app/windows/settings_form.h"
#include "app/windows/velocity_form.h"
#include "app/experiment/numbers.h"
#include "app/language/program_language.h"
#include "app/experiment/settings_file.h"
#include "app/sensors/simulated_sensors.h"
#include "app/windows/windows.h"
#include "dialogs/scope_properties_form.h"
#include "draw/message_service.h"
#include "forms/controls/register_controls.h"
#include "forms/controls/standard_controls.h"
#include "forms/class_registry.h"
#include "forms/register_scope.h"
#include "audio/audio_in.h"
#include "audio/audio_to_real.h"
#include "platform/wave_in.h"
#include "scope/scope.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCoreApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <cstdio>
#include <stdexcept>
#include <unistd.h>

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;
TForm6* Form6 = nullptr;
TForm5* Form5 = nullptr;

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
  CreateForm(Form5);
  CreateForm(Form6);
  AttachClassResults(*Form1, *Form6);
}

void DestroyWindows() {
  delete Form6;
  Form6 = nullptr;
  delete Form5;
  Form5 = nullptr;
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
  {
    // The velocity measurement with the strike the working windows recorded.
    Form5->SetStruckPoint(StrikePoint().x, StrikePoint().y);
    try {
      Form5->btnAddStrikeClick(nullptr);
    } catch (const std::runtime_error&) {
      // No pair was recorded: the window shows how to begin.
    }
    Form5->Show();
    Settle();
    written.append(Grab(Form5, dir));
    Form5->Close();
  }
  Form6->Show();
  Settle();
  written.append(Grab(Form6, dir));
  Form6->Close();
  written += WriteDialogScreenshots(dir);
  {
    // The settings' other pages, each in turn, then the first again.
    TPageControl* pages = Form2->PageControl1;
    const int first = pages->ActivePageIndex();
    Form2->Show();
    for (int i = 0; i < pages->PageCount(); ++i) {
      if (i == first) continue;
      pages->SetTabIndex(i);
      Settle();
      const QString file = QDir(dir).filePath(QStringLiteral("TForm2-page%1.png").arg(i + 1));
      if (!Form2->grab().save(file, "PNG")) throw std::runtime_error("Unable to write to " + file.toStdString());
      written.append(file);
    }
    pages->SetTabIndex(first);
    Form2->Close();
  }
  return written;
}

// The same options are described in the manual page (data/tremora.1).
const char* const kUsage =
    "usage: tremora [--lab DIR] [--lang CODE] [--device NAME [--recording FILE.wav] [--sim-velocity MM_PER_S]\n"
    "               [--sim-realism clean|realistic] [--sim-snr DB]] [--screenshot DIR]\n"
    "       tremora [--lab DIR] --simulate X Y [--sim-realism clean|realistic] [--sim-snr DB]\n"
    "               [--pick level|onset|correlation] [--screenshot DIR [--lang CODE]]\n"
    "       tremora --list-devices\n"
    "       tremora --locate TA_AB TB TA_AC TC\n"
    "       tremora --analyze RUNDIR [--pick level|onset|correlation] [--report FILE.pdf]\n"
    "       tremora --class DIR... [--report FILE.pdf] [--csv FILE]\n"
    "       tremora --velocity [--strike X Y] RUNDIR...\n"
    "       tremora --help | --version\n"
    "options:\n"
    "  --lab DIR             work in the lab folder DIR (given the example lab's files when it has no config.ini)\n"
    "  --lang CODE           the windows' language: de, es, fr, pt_BR or en (default: the desktop's;\n"
    "                        after --simulate: English)\n"
    "  --device NAME         record from the input device NAME\n"
    "  --recording FILE.wav  the file the \"Recording\" device plays in a loop\n"
    "  --sim-velocity MM_PER_S  with --device \"Simulated sensors\": the pulse travels at this velocity,\n"
    "                        which the settings do not show (for measuring it)\n"
    "  --sim-realism MODE    with --device \"Simulated sensors\" or --simulate: clean (the default, a sharp\n"
    "                        pulse) or realistic (unequal sensors, the floor's ringing, hum, offset,\n"
    "                        noise and 16-bit samples, as a classroom's sound card hears them)\n"
    "  --sim-snr DB          the realistic sensors' signal-to-noise ratio, 0 to 80 dB (default 26)\n"
    "  --screenshot DIR      write a picture of each window into DIR and exit (after --simulate:\n"
    "                        the acquisition window recorded and the map with the epicenter)\n"
    "  --list-devices        print the names of the input devices and exit\n"
    "  --simulate X Y        run the whole experiment on simulated sensors struck at (X, Y) mm (--pick\n"
    "                        METHOD: find the times by level, onset or correlation instead of the lab's\n"
    "                        method)\n"
    "  --locate TA_AB TB TA_AC TC  find the epicenter of four arrival times in seconds\n"
    "  --analyze RUNDIR      find the times and the epicenter of a saved run folder (--pick METHOD: find\n"
    "                        the times not saved by level, onset or correlation; --report FILE.pdf: also\n"
    "                        write its one-page report)\n"
    "  --velocity RUNDIR...  measure the pulse velocity and the sensors' delays from run folders struck\n"
    "                        at known points (their [STRIKE] point, or --strike X Y mm)\n"
    "  --class DIR...        pool the groups' run folders (or folders of them): each group's epicenter,\n"
    "                        the class's mean and spread (--report FILE.pdf, --csv FILE: also write them)\n"
    "  --help                print this help and exit\n"
    "  --version             print the version and exit\n"
    "--locate, --analyze, --velocity, --class and --simulate come first; only --simulate takes a leading --lab.\n";

namespace {

// The options and what each does, as --help lists them: the descriptions in
// the desktop's language, a "\n" in one starting a line under the previous.
struct TOptionHelp {
  const char* option;
  const char* text;
};
const TOptionHelp kOptionHelp[] = {
    {"--lab DIR", QT_TRANSLATE_NOOP("Usage", "work in the lab folder DIR (given the example lab's files when it has no config.ini)")},
    {"--lang CODE", QT_TRANSLATE_NOOP("Usage", "the windows' language: de, es, fr, pt_BR or en (default: the desktop's;\nafter --simulate: English)")},
    {"--device NAME", QT_TRANSLATE_NOOP("Usage", "record from the input device NAME")},
    {"--recording FILE.wav", QT_TRANSLATE_NOOP("Usage", "the file the \"Recording\" device plays in a loop")},
    {"--sim-velocity MM_PER_S", QT_TRANSLATE_NOOP("Usage", "with --device \"Simulated sensors\": the pulse travels at this velocity,\nwhich the settings do not show (for measuring it)")},
    {"--sim-realism MODE", QT_TRANSLATE_NOOP("Usage", "with --device \"Simulated sensors\" or --simulate: clean (the default, a sharp\npulse) or realistic (unequal sensors, the floor's ringing, hum, offset,\nnoise and 16-bit samples, as a classroom's sound card hears them)")},
    {"--sim-snr DB", QT_TRANSLATE_NOOP("Usage", "the realistic sensors' signal-to-noise ratio, 0 to 80 dB (default 26)")},
    {"--screenshot DIR", QT_TRANSLATE_NOOP("Usage", "write a picture of each window into DIR and exit (after --simulate:\nthe acquisition window recorded and the map with the epicenter)")},
    {"--list-devices", QT_TRANSLATE_NOOP("Usage", "print the names of the input devices and exit")},
    {"--simulate X Y", QT_TRANSLATE_NOOP("Usage", "run the whole experiment on simulated sensors struck at (X, Y) mm (--pick\nMETHOD: find the times by level, onset or correlation instead of the lab's\nmethod)")},
    {"--locate TA_AB TB TA_AC TC", QT_TRANSLATE_NOOP("Usage", "find the epicenter of four arrival times in seconds")},
    {"--analyze RUNDIR", QT_TRANSLATE_NOOP("Usage", "find the times and the epicenter of a saved run folder (--pick METHOD: find\nthe times not saved by level, onset or correlation; --report FILE.pdf: also\nwrite its one-page report)")},
    {"--velocity RUNDIR...", QT_TRANSLATE_NOOP("Usage", "measure the pulse velocity and the sensors' delays from run folders struck\nat known points (their [STRIKE] point, or --strike X Y mm)")},
    {"--class DIR...", QT_TRANSLATE_NOOP("Usage", "pool the groups' run folders (or folders of them): each group's epicenter,\nthe class's mean and spread (--report FILE.pdf, --csv FILE: also write them)")},
    {"--help", QT_TRANSLATE_NOOP("Usage", "print this help and exit")},
    {"--version", QT_TRANSLATE_NOOP("Usage", "print the version and exit")},
};

}  // namespace

QString HelpText() {
  // The command lines stay as they are typed; the words around them are the
  // language's. Without a translation this is kUsage itself.
  const QString usage = QString::fromUtf8(kUsage);
  QString help = usage.left(usage.indexOf(QLatin1String("options:\n")));
  help += QCoreApplication::translate("Usage", "options:") + QLatin1Char('\n');
  for (const TOptionHelp& entry : kOptionHelp) {
    QString line = QStringLiteral("  ") + QString::fromLatin1(entry.option);
    line = line.leftJustified(std::max<qsizetype>(24, line.size() + 2));
    const QStringList parts = QCoreApplication::translate("Usage", entry.text).split(QLatin1Char('\n'));
    help += line + parts.join(QLatin1Char('\n') + QString(24, QLatin1Char(' '))) + QLatin1Char('\n');
  }
  help += QCoreApplication::translate(
              "Usage", "--locate, --analyze, --velocity, --class and --simulate come first; only --simulate takes a leading --lab.") +
          QLatin1Char('\n');
  return help;
}

const char* const kVersion = TREMORA_VERSION;
const char* const kSimRealismError = "--sim-realism takes clean or realistic";
const char* const kSimSnrError = "--sim-snr takes a signal-to-noise ratio from 0 to 80 dB";

namespace {

// The toolkit's own options, taken out of the arguments by the application
// object made after the parsing; those with a value, then the flags.
const char* const kToolkitValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                             "qmljsdebugger", "qwindowgeometry", "qwindowicon", "qwindowtitle",
                                             "session", "display", "geometry", "title", "name", "style", "stylesheet"};
const char* const kToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

}  // namespace

bool ParseProgramOptions(const QStringList& arguments, TProgramOptions& options, QString& error) {
  QCommandLineParser parser;
  // -platform offscreen as the toolkit writes its options.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption lab(QStringLiteral("lab"), QString(), QStringLiteral("DIR"));
  const QCommandLineOption device(QStringLiteral("device"), QString(), QStringLiteral("NAME"));
  const QCommandLineOption recording(QStringLiteral("recording"), QString(), QStringLiteral("FILE.wav"));
  const QCommandLineOption screenshot(QStringLiteral("screenshot"), QString(), QStringLiteral("DIR"));
  const QCommandLineOption lang(QStringLiteral("lang"), QString(), QStringLiteral("CODE"));
  const QCommandLineOption simVelocity(QStringLiteral("sim-velocity"), QString(), QStringLiteral("MM_PER_S"));
  const QCommandLineOption simRealism(QStringLiteral("sim-realism"), QString(), QStringLiteral("MODE"));
  const QCommandLineOption simSnr(QStringLiteral("sim-snr"), QString(), QStringLiteral("DB"));
  const QCommandLineOption listDevices(QStringLiteral("list-devices"));
  const QCommandLineOption help(QStringLiteral("help"));
  const QCommandLineOption version(QStringLiteral("version"));
  // Known here only to say that they come first.
  const QStringList commands{QStringLiteral("locate"), QStringLiteral("analyze"), QStringLiteral("velocity"),
                             QStringLiteral("class"), QStringLiteral("simulate")};
  parser.addOptions({lab, lang, device, recording, simVelocity, simRealism, simSnr, screenshot, listDevices, help, version});
  for (const QString& command : commands) parser.addOption(QCommandLineOption(command));
  for (const char* name : kToolkitValueOptions)
    parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
  for (const char* name : kToolkitFlags) parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

  if (!parser.parse(arguments)) {
    error = parser.errorText();
    return false;
  }
  if (!parser.positionalArguments().isEmpty()) {
    error = QStringLiteral("no option takes '%1'").arg(parser.positionalArguments().first());
    return false;
  }
  for (const QString& command : commands) {
    if (parser.isSet(command)) {
      error = QStringLiteral("--%1 must be the first argument").arg(command);
      return false;
    }
  }
  options.help = parser.isSet(help);
  options.version = parser.isSet(version);
  if ((options.help || options.version) && arguments.size() != 2) {
    error = QStringLiteral("--help and --version take nothing else");
    return false;
  }
  if (parser.isSet(lab) && parser.value(lab).isEmpty()) {
    error = QStringLiteral("--lab needs a folder");
    return false;
  }
  if (parser.isSet(lang) && parser.value(lang).trimmed().isEmpty()) {
    error = QStringLiteral("--lang needs a language code (de, es, fr, pt_BR or en)");
    return false;
  }
  options.lab = parser.value(lab);
  if (parser.isSet(lang)) options.language = parser.value(lang).trimmed();
  options.screenshotDir = parser.value(screenshot);
  options.device = parser.value(device).toLocal8Bit().toStdString();
  options.recording = parser.value(recording).toLocal8Bit().toStdString();
  options.listDevices = parser.isSet(listDevices);
  if (parser.isSet(simVelocity)) {
    double v = 0;
    // The simulated pulse only: the settings keep theirs, for the class to measure.
    if (!ParseNumber(parser.value(simVelocity).toStdString(), v) || v < kMinPulseVelocity || v > kMaxPulseVelocity) {
      error = QStringLiteral("--sim-velocity takes a velocity from %1 to %2 mm/s").arg(kMinPulseVelocity).arg(kMaxPulseVelocity);
      return false;
    }
    if (!options.device.starts_with("Simulated sensors")) {
      error = QStringLiteral("--sim-velocity goes with --device \"Simulated sensors\"");
      return false;
    }
    options.simVelocity = v;
  }
  if (parser.isSet(simRealism) && !ParseSimulatedRealism(parser.value(simRealism).toStdString(), options.simRealism)) {
    error = QString::fromLatin1(kSimRealismError);
    return false;
  }
  if (parser.isSet(simSnr) && !ParseSimulatedSnr(parser.value(simSnr).toStdString(), options.simSnr)) {
    error = QString::fromLatin1(kSimSnrError);
    return false;
  }
  for (const QCommandLineOption* simulated : {&simRealism, &simSnr})
    if (parser.isSet(*simulated) && !options.device.starts_with("Simulated sensors")) {
      error = QStringLiteral("--%1 goes with --device \"Simulated sensors\"").arg(simulated->names().first());
      return false;
    }
  return true;
}

namespace {

const char* const kLabFiles[] = {"config.ini", "default.jpg"};

bool HasSettings(const QString& folder) { return QFileInfo(QDir(folder).filePath("config.ini")).isFile(); }

QSettings& Remembered() {
  // ~/.config/tremora/tremora.conf (under $XDG_CONFIG_HOME when set).
  static QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "tremora", "tremora");
  return settings;
}

// Copies the example lab's files into a folder without config.ini; the
// copies are the user's to change.
std::string FillFromExample(const QString& folder) {
  const QString example = ExampleLabFolder();
  if (example.isEmpty()) return "the example lab is not installed";
  for (const char* name : kLabFiles) {
    const QString target = QDir(folder).filePath(name);
    if (QFileInfo::exists(target)) continue;
    if (!QFile::copy(QDir(example).filePath(name), target))
      return "unable to copy the example lab's " + std::string(name) + " to " + folder.toStdString();
    QFile::setPermissions(target, QFile::permissions(target) | QFile::ReadOwner | QFile::WriteOwner);
  }
  return {};
}

}  // namespace

QString ExampleLabFolder() {
  // Installed: <prefix>/bin/tremora and <prefix>/share/tremora/example-lab.
  char self[4096];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  if (n > 0) {
    self[n] = 0;
    const QString installed =
        QFileInfo(QString::fromLocal8Bit(self)).dir().filePath(QStringLiteral("../" TREMORA_DATA_DIR "/example-lab"));
    if (HasSettings(installed)) return QDir(installed).absolutePath();
  }
  const QString source = QStringLiteral(TREMORA_SOURCE_LAB);
  return HasSettings(source) ? source : QString();
}

TLabChoice OpenLabFolder(const QString& labOption) {
  TLabChoice choice;
  if (labOption.isEmpty() && HasSettings(QDir::currentPath())) {
    choice.folder = QDir::currentPath();
    return choice;
  }
  QString folder;
  if (!labOption.isEmpty()) {
    if (!QFileInfo(labOption).isDir()) {
      choice.error = "the lab folder " + labOption.toStdString() + " does not exist";
      return choice;
    }
    folder = labOption;
  } else if (const QString last = Remembered().value("lastLab").toString(); !last.isEmpty() && HasSettings(last)) {
    folder = last;
  } else {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    folder = QDir(data).filePath("tremora/example-lab");
    if (data.isEmpty() || !QDir().mkpath(folder)) {
      choice.error = "unable to create the lab folder " + folder.toStdString();
      return choice;
    }
  }
  folder = QDir(folder).absolutePath();
  // A folder with its own settings is a lab already, perhaps on a share
  // the user cannot write: only a new one starts from the example.
  if (std::string error = HasSettings(folder) ? std::string() : FillFromExample(folder); !error.empty()) {
    choice.error = error;
    return choice;
  }
  if (!QDir::setCurrent(folder)) {
    choice.error = "unable to enter the lab folder " + folder.toStdString();
    return choice;
  }
  Remembered().setValue("lastLab", folder);
  Remembered().sync();
  choice.folder = folder;
  choice.chosen = true;
  return choice;
}

QString ChosenLanguage(const QString& code) {
  if (code.isNull()) return SystemLanguage();
  const QString language = MatchLanguage(code);
  // A language without a translation leaves the windows in English, said
  // once; English is the texts themselves.
  if (language.isEmpty() && code.section(u'_', 0, 0).section(u'-', 0, 0).compare(QLatin1String("en"), Qt::CaseInsensitive) != 0)
    std::fprintf(stderr, "tremora: no translation into '%s': the windows are in English (translated into: %s)\n",
                 qPrintable(code), qPrintable(ProgramLanguages().join(QStringLiteral(", "))));
  return language;
}

int RunProgram(int argc, char** argv, const TProgramOptions& options) {
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
    SetSimulatedVelocity(options.simVelocity);
    SetSimulatedRealism(options.simRealism, options.simSnr);
  }
  const QString screenshotDir = options.screenshotDir;
  const TLabChoice lab = OpenLabFolder(options.lab);
  if (!lab.error.empty()) {
    std::fprintf(stderr, "tremora: %s\n", lab.error.c_str());
    return 2;
  }
  if (lab.chosen) std::fprintf(stderr, "tremora: working in the lab folder %s\n", qPrintable(lab.folder));

  QApplication app(argc, argv);
  // No display name: Qt would append it to every window title, and the
  // windows' captions are their own. Message boxes take this name instead.
  QApplication::setApplicationName(QStringLiteral("Tremora"));
  // Closing the main window ends the run even while other windows are shown.
  QApplication::setQuitOnLastWindowClosed(false);
  InstallLanguage(ChosenLanguage(options.language));

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
  // The window's own caption stays when the working directory is the lab.
  if (lab.chosen) Form1->SetCaption(Form1->Caption() + QStringLiteral(" \u2014 ") + lab.folder);
  Form1->Show();
  const int status = QApplication::exec();
  DestroyWindows();
  return status;
}
