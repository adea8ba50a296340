#pragma once
// Capture failures reach the user on the window thread: the capture
// component reports a vanished device or lost input on its capture thread,
// where no message box may be shown and no window touched.

#include <QObject>
#include <atomic>
#include <functional>

class TALAudioIn;

class TCaptureFailures : public QObject {
public:
  // The component's errors and warnings are marked handled and shown later
  // from `window`'s thread with their own text ("Audio device stopped
  // delivering.", "Can't open audio device.", ...). An overrun warning
  // that arrives while one is still waiting to be shown is not repeated.
  TCaptureFailures(TALAudioIn* capture, QObject* window);

  // Runs `start` (which starts the capture). A start that failed shows its
  // first failure only and leaves the capture stopped: the component
  // would otherwise go on after a handled open failure and count itself
  // running without a device.
  void Start(const std::function<void()>& start);

private:
  void Show(const QString& text);
  TALAudioIn* capture_;
  bool starting_ = false;
  bool startFailed_ = false;
  std::atomic<bool> overrunPending_{false};
};
