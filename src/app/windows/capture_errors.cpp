#include "app/windows/capture_errors.h"

#include "audio/audio_in.h"
#include "draw/message_service.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

namespace {

// The capture component's texts are English, marked for this context.
QString InWindowsWords(const QString& english) {
  return QCoreApplication::translate("TALAudioIn", english.toUtf8().constData());
}

}  // namespace

TCaptureFailures::TCaptureFailures(TALAudioIn* capture, QObject* window) : QObject(window), capture_(capture) {
  capture->SetOnError([this](QObject*, const QString& english, int, bool& handled) {
    handled = true;
    const QString text = InWindowsWords(english);
    if (QThread::currentThread() == thread() && starting_) {
      if (!startFailed_) Show(text);
      startFailed_ = true;
      return;
    }
    Show(text);
  });
  capture->SetOnWarning([this](QObject*, const QString& english, int) {
    if (overrunPending_.exchange(true)) return;
    const QString text = InWindowsWords(english);
    QMetaObject::invokeMethod(
        this,
        [this, text] {
          overrunPending_.store(false);
          ShowMessage(text);
        },
        Qt::QueuedConnection);
  });
}

void TCaptureFailures::Show(const QString& text) {
  // Queued even on the window thread: the box waits until the handler
  // that started the capture has finished.
  QMetaObject::invokeMethod(this, [text] { ShowMessage(text); }, Qt::QueuedConnection);
}

void TCaptureFailures::Start(const std::function<void()>& start) {
  starting_ = true;
  startFailed_ = false;
  try {
    start();
  } catch (...) {
    starting_ = false;
    throw;
  }
  starting_ = false;
  if (startFailed_) capture_->Stop();
}
