#include "app/windows/questions.h"

#include "draw/message_service.h"

#include <QApplication>
#include <QMessageBox>

namespace {
TQuestionSink& Questions() {
  static TQuestionSink sink;
  return sink;
}
}  // namespace

bool AskYesNo(const QString& text) {
  if (Questions()) return Questions()(text);
  // Messages taken by a sink mean that no box may wait for a click.
  TMessageSink messages = SetMessageSink({});
  SetMessageSink(messages);
  if (messages) {
    ShowMessage(text);
    return true;
  }
  QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                  QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

TQuestionSink SetQuestionSink(TQuestionSink sink) {
  TQuestionSink previous = std::move(Questions());
  Questions() = std::move(sink);
  return previous;
}
