#pragma once
// Events through which components report device failures and warnings to
// their owners (the sender first). An error handler that sets `handled`
// keeps the component from raising.

#include <QObject>
#include <QString>

#include <functional>

using TSLErrorEvent = std::function<void(QObject* sender, const QString& errorText, int errorCode, bool& handled)>;
using TSLWarningEvent = std::function<void(QObject* sender, const QString& errorText, int errorCode)>;
