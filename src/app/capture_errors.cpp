#include "app/capture_errors.h"

#include "audio/audio_in.h"
#include "draw/message_service.h"

#include <QMetaObject>
#include <QPointer>
#include <atomic>
#include <memory>

namespace {

void ShowLater(QObject* window, const QString& text) {
  QMetaObject::invokeMethod(window, [text] { ShowMessage(text); }, Qt::QueuedConnection);
}

}  // namespace

void ReportCaptureFailuresTo(TALAudioIn* capture, QObject* window) {
  capture->SetOnError([window](QObject*, const QString& text, int, bool& handled) {
    handled = true;
    ShowLater(window, text);
  });
  auto overrunPending = std::make_shared<std::atomic<bool>>(false);
  capture->SetOnWarning([window, overrunPending](QObject*, const QString& text, int) {
    if (overrunPending->exchange(true)) return;
    QMetaObject::invokeMethod(
        window,
        [text, overrunPending] {
          overrunPending->store(false);
          ShowMessage(text);
        },
        Qt::QueuedConnection);
  });
}
