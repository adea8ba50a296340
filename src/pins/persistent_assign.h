#pragma once
// The generic copy behind Assign: for every published property of the
// destination that has a getter and a setter and that the source also
// publishes, values (numbers, enumerations, sets, strings, variants, ...) are
// copied as they are; an object-valued property is copied by calling the
// destination object's own Assign with the source's object, but only when the
// destination object is an assignable persistent object (never a component,
// a pin or a pin list, which are not assignable).

#include <QObject>
#include <QString>

// Implemented by persistent objects that can copy another object.
class IPersistentAssign {
public:
  // False, copying nothing, when `source` is of a kind this object cannot copy.
  virtual bool Assign(const QObject* source) = 0;

protected:
  ~IPersistentAssign() = default;
};

// Copies the published properties declared below QObject (objectName is never
// copied); `skipName` also skips a property called "Name".
void AssignPublishedProperties(QObject* destination, const QObject* source, bool skipName);
