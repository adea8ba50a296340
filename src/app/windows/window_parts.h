#pragma once
// Looking up the components a window description created.

#include <QObject>
#include <QString>
#include <stdexcept>

// The child of `form` named `name` of class T; a missing one means the
// embedded description and the window's code disagree, which no user can
// repair, so it raises.
template <class T>
T* RequirePart(const QObject* form, const char* name) {
  T* part = form->findChild<T*>(QString::fromLatin1(name));
  if (!part)
    throw std::logic_error(std::string("window ") + form->objectName().toStdString() + " has no part " + name);
  return part;
}
