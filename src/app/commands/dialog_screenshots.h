#pragma once
// Pictures of the scope property dialog for the screenshot mode.

#include <QString>
#include <QStringList>

// Writes the dialog on its "Cursors" and "Y Axes" pages, opened on the
// acquisition window's upper scope, into `dir`
// (TSLScopePropertiesForm-cursors.png, TSLScopePropertiesForm-yaxes.png).
// Returns the files written; throws std::runtime_error when one cannot be
// written.
QStringList WriteDialogScreenshots(const QString& dir);
