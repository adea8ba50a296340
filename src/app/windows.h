#pragma once
// The experiment's windows, as the handlers of one window reach the others.
// They are created at start-up in this order and live for the whole run;
// each pointer is null until its window exists.

#include <functional>

class TForm;
class TForm1;
class TForm2;

extern TForm1* Form1;  // main window: map, stations, epicenter
extern TForm2* Form2;  // settings dialog
// The acquisition window and the listen monitor. Until their windows are
// built these stay null, and the buttons that would show them do nothing.
extern TForm* Form3;
extern TForm* Form4;

// What the main window and the settings dialog do to the acquisition
// window, its scopes and capture components and to the listen monitor's
// capture. The acquisition window fills these in when it is created;
// unset links are skipped.
struct TAcquisitionLinks {
  // Reset: disconnect input pins 0 and 1 of ScpAB then ScpAC, ZoomOff on
  // both, cursors 0 and 1 of both to X = 0.
  std::function<void()> resetScopes;
  // Apply and Save, after the settings were written: rate and buffer size
  // to AI, time axes of ScpAB and ScpAC, rate and buffer size to AIOsc.
  std::function<void()> applyCaptureSettings;
  // The detection level became 0: uncheck chkAutomaticTime, then chkHold.
  std::function<void()> detectionLevelZero;
};
extern TAcquisitionLinks AcquisitionLinks;
