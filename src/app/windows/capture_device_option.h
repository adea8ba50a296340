#pragma once
// Choosing the input device of both experiment windows from the command
// line: `--device NAME`, `--recording FILE.wav`, `--list-devices`.

#include <QString>
#include <string>
#include <vector>

// The names the program can open, in the order they are tried: "Default"
// (the system's default input), the sound card's capture devices as
// `arecord -L` names them, then "Simulated sensors" and "Recording".
std::vector<std::string> OpenableDeviceNames();

// Empty when `name` can be opened (with `recording` as the file of the
// "Recording" device), else what is wrong, for the user.
std::string CaptureDeviceError(const std::string& name, const std::string& recording);

// Gives both windows' capture components the device `name` (already
// checked) and offers the struck point on the map while the simulated
// sensors are in use. Needs the windows.
void UseCaptureDevice(const QString& name);
