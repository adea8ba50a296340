#pragma once
// Message boxes of the program. Every message to the user goes through
// ShowMessage, so that tests can take the messages instead of a modal box
// that would wait for a click.

#include <QString>
#include <QStringList>
#include <functional>

using TMessageSink = std::function<void(const QString& text)>;

// Shows `text` in a modal message box (or hands it to the installed sink).
void ShowMessage(const QString& text);

// Replaces where messages go; an empty sink restores the modal box.
// Returns the previous sink.
TMessageSink SetMessageSink(TMessageSink sink);

// Runs an event handler on behalf of the user's input: an exception ends
// the handler and its message is shown; the program goes on.
void RunEventHandler(const std::function<void()>& handler);

// Collects the messages shown during its lifetime (for tests and the
// screenshot mode, where nothing may block).
class TMessageRecorder {
public:
  TMessageRecorder();
  ~TMessageRecorder();
  TMessageRecorder(const TMessageRecorder&) = delete;
  TMessageRecorder& operator=(const TMessageRecorder&) = delete;

  const QStringList& Messages() const { return messages_; }
  void Clear() { messages_.clear(); }

private:
  QStringList messages_;
  TMessageSink previous_;
};
