#pragma once
// Start-up of the program: the windows in their fixed order, the event
// loop, and the screenshot mode.

#include <QString>
#include <string>
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

extern const char* const kUsage;
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

// The whole program after the command line was checked for other modes:
// `tremora` runs the windows until the main window closes; `tremora
// --screenshot DIR` creates them as at start-up, writes their pictures and
// exits (messages go to standard error); `--device NAME` (with `--recording
// FILE.wav` for "Recording") chooses the input device, a name that matches
// none ending the start with status 2; `--list-devices` prints the names.
// Then the lab folder is opened (OpenLabFolder with `labOption`, --lab DIR);
// when it was chosen rather than given by the working directory, the main
// window's title names it.
int RunProgram(int argc, char** argv, const QString& labOption);
