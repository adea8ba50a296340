#pragma once
// Start-up of the program: the windows in their fixed order, the event
// loop, and the screenshot mode.

#include <QString>
#include <string>

#include "app/sensors/sensor_model.h"
#include <vector>

// The folder the program works in: config.ini and the map picture are read
// from and saved to the working directory.
struct TLabChoice {
  QString folder;      // absolute; empty when the start must stop
  bool chosen = false;  // false when the working directory had its own config.ini
  std::string error;    // why the start must stop
};

// Where the program starts when the working directory holds no config.ini
// (a menu starts it in the home folder): `labOption` (--lab DIR) when given,
// else the last lab folder used, else a copy of the example lab under the
// user's data folder. A chosen folder without config.ini gets the example
// lab's files; files already there are never overwritten. A chosen folder is
// made the working directory and remembered as the last one used.
TLabChoice OpenLabFolder(const QString& labOption);

// The example lab shipped with the program: its installed data folder, or
// the source tree's for a program run from its build tree.
QString ExampleLabFolder();

// The usage, printed in English after a wrong argument.
extern const char* const kUsage;
// --help: the usage with its words in the language installed (kUsage
// without a translation).
QString HelpText();
// What a bad value of --sim-realism or --sim-snr is told.
extern const char* const kSimRealismError;
extern const char* const kSimSnrError;
extern const char* const kVersion;

// Makes the embedded window descriptions and artwork available and
// registers the window classes. Needs a QApplication.
void InitializeWindowing();

// Creates the windows in start-up order (main window, settings dialog,
// then the acquisition window and the listen monitor), each running its
// creation handler as it is created. The main window becomes the main form.
void CreateWindows();
// Destroys them in reverse order and clears the pointers.
void DestroyWindows();

// Shows every window in turn and writes a PNG of each into `dir`
// (<class name>.png), then the scope property dialog's pages. The
// acquisition window and the monitor are pictured after a simulated strike
// was recorded (both pairs with their detected cursors, the monitor's first
// block). Returns the files written; throws std::runtime_error when a file
// cannot be written.
QStringList WriteScreenshots(const QString& dir);

// The options of the program's windows: every mode but the commands of
// their own (--locate, --analyze, --simulate), which come first.
struct TProgramOptions {
  QString lab;            // --lab DIR
  QString screenshotDir;  // --screenshot DIR
  QString language;       // --lang CODE; null: the desktop's language
  std::string device;     // --device NAME
  std::string recording;  // --recording FILE.wav
  double simVelocity = 0;  // --sim-velocity MM_PER_S; 0: the settings' velocity
  TRealism simRealism = TRealism::Clean;  // --sim-realism clean|realistic
  double simSnr = 26;      // --sim-snr DB
  bool listDevices = false;
  bool help = false;
  bool version = false;
};

// Parses the whole command line (`arguments`, the program's name first).
// The toolkit's own options (-platform NAME, -style NAME, ...) are accepted
// and left to the application object. False, with `error` saying why, for
// an unknown option, a missing value, an argument no option takes, a
// command that does not come first, or --help or --version with anything
// else.
bool ParseProgramOptions(const QStringList& arguments, TProgramOptions& options, QString& error);

// The language of the windows for --lang CODE (null: the desktop's): a code
// of ProgramLanguages(), or empty for English. A code without a translation
// is said on standard error and means English. Needs a QCoreApplication
// (the translations are its resources).
QString ChosenLanguage(const QString& code);

// The whole program once the command line was parsed: `tremora` runs the
// windows until the main window closes; `--screenshot DIR` creates them as
// at start-up, writes their pictures and exits (messages go to standard
// error); `--device NAME` (with `--recording FILE.wav` for "Recording")
// chooses the input device, a name that matches none ending the start with
// status 2; `--list-devices` prints the names. Then the lab folder is opened
// (OpenLabFolder with --lab DIR); when it was chosen rather than given by the
// working directory, the main window's title names it. `argc` and `argv`
// go to the application object.
int RunProgram(int argc, char** argv, const TProgramOptions& options);
