#pragma once
// Start-up of the program: the windows in their fixed order, the event
// loop, and the screenshot mode.

#include <QString>

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
int RunProgram(int argc, char** argv);
