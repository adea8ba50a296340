#pragma once
// Event properties of window descriptions: `OnClick = btnAplicarClick`
// connects the object's signal named OnClick to the handler method of the
// root form named btnAplicarClick. The binding is remembered on the sender
// so that the writer can store it again.

#include <QList>
#include <QPair>
#include <QString>

class QObject;

// True when `object` has a signal named `event`.
bool HasEvent(const QObject* object, const QString& event);
// Connects and remembers; throws std::runtime_error with the reason when the
// signal or the handler is missing, is ambiguous, or the parameter lists
// differ. Binding an event again replaces the previous binding.
void BindEvent(QObject* object, const QString& event, QObject* handlerOwner, const QString& handler);
// Drops the binding of `event` (its connection included).
void UnbindEvent(QObject* object, const QString& event);
// The handler name bound to `event`, or an empty string.
QString BoundHandler(const QObject* object, const QString& event);
// (event, handler) pairs in the order the object's signals are declared.
QList<QPair<QString, QString>> BoundEvents(const QObject* object);
