#pragma once
// Yes/No questions of the experiment windows. Like the messages, they can
// be answered by code: tests, and the modes where nothing may wait for a
// click.

#include <QString>
#include <functional>

using TQuestionSink = std::function<bool(const QString& text)>;

// Asks `text` with Yes and No in a modal box (No the default) and returns
// true for Yes. An installed question sink answers instead; without one,
// while messages go to a sink, the question goes there as a message and is
// answered Yes.
bool AskYesNo(const QString& text);

// Replaces who answers; an empty sink restores the modal box. Returns the
// previous sink.
TQuestionSink SetQuestionSink(TQuestionSink sink);
