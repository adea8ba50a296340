#pragma once
// The simulated sensors driven by a script instead of the clock: blocks are
// made as fast as the scopes show them, and never faster, so that no block
// (the strike's least of all) is replaced in a scope's queue before its
// channel-draw event saw it. Used by `--simulate` and the screenshots.

#include <QObject>
#include <QString>
#include <QStringList>

// The device's name; it counts as simulated sensors.
inline constexpr const char* kScriptedSensorsName = "Simulated sensors (scripted)";

class TScriptedSensors : public QObject {
  Q_OBJECT

public:
  // Registers the device (once per process) and watches the experiment
  // windows' scopes; needs the windows. The virtual pace is unlimited while
  // this object lives.
  TScriptedSensors();
  ~TScriptedSensors() override;

  // Moves the acquisition selector to `position` (pair A+B or A+C) with
  // automatic detection and hold on, and waits until hold detection moves
  // it back to "stopped". False when `simulatedLimit` seconds of blocks
  // were shown first (the selector is then moved to "stopped").
  bool RecordPair(int position, double simulatedLimit = 10.0);
  // "Listen Now", then waits until a block was shown; the monitor keeps
  // listening.
  bool Listen();
  // Blocks shown since the device last started.
  quint64 BlocksShown() const;

private:
  bool WaitForBlocksOr(const std::function<bool()>& done, double simulatedLimit);
  QStringList previousDevices_;
};
