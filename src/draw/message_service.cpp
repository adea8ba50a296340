#include "draw/message_service.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

namespace {
TMessageSink& Sink() {
  static TMessageSink sink;
  return sink;
}
}  // namespace

void ShowMessage(const QString& text) {
  if (Sink()) {
    Sink()(text);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

TMessageSink SetMessageSink(TMessageSink sink) {
  TMessageSink previous = std::move(Sink());
  Sink() = std::move(sink);
  return previous;
}

void RunEventHandler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    ShowMessage(QString::fromUtf8(e.what()));
  } catch (...) {
    ShowMessage(QStringLiteral("Unknown error"));
  }
}

TMessageRecorder::TMessageRecorder() {
  previous_ = SetMessageSink([this](const QString& text) { messages_.append(text); });
}

TMessageRecorder::~TMessageRecorder() { SetMessageSink(std::move(previous_)); }
