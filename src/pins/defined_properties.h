#pragma once
// Stored extra properties: values a window description holds for an object
// that are not published properties of its class (pin links, "_Floats",
// axis and cursor indices). The description reader hands each such value to
// the object's hook; the writer asks the hook what to store.
//
// Also the two other hooks through which the description reader and writer
// reach classes below the forms layer: collections (IStoredCollection) and
// the loading state (IStoredLoading). All are found with dynamic_cast on the
// QObject being read or written, so a class opts in by inheriting them.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class QObject;

// One value as written in a window description.
struct TStoredValue {
  enum class Kind { Integer, Float, String, Identifier, Set, List, Collection, Binary };
  Kind kind = Kind::Integer;
  qint64 integer = 0;
  double real = 0.0;
  // Float: the type letter written after the number by tools that keep
  // single ('s'), currency ('c') and date ('d') values apart; 0 for none.
  char floatSuffix = 0;
  QString text;                       // String, Identifier
  QStringList set;                    // Set: element identifiers
  QList<TStoredValue> items;          // List: values in order
  // Collection: one entry per item, each the item's (property path, value) pairs.
  QList<QList<QPair<QString, TStoredValue>>> collection;
  QByteArray binary;                  // Binary
  int line = 0;                       // line of the description it was read from (0: made by code)

  static TStoredValue Int(qint64 v) { TStoredValue s; s.kind = Kind::Integer; s.integer = v; return s; }
  static TStoredValue Real(double v) { TStoredValue s; s.kind = Kind::Float; s.real = v; return s; }
  static TStoredValue Str(const QString& v) { TStoredValue s; s.kind = Kind::String; s.text = v; return s; }
  static TStoredValue Ident(const QString& v) { TStoredValue s; s.kind = Kind::Identifier; s.text = v; return s; }
  static TStoredValue ListOf(const QList<TStoredValue>& v) { TStoredValue s; s.kind = Kind::List; s.items = v; return s; }
  static TStoredValue SetOf(const QStringList& v) { TStoredValue s; s.kind = Kind::Set; s.set = v; return s; }
  static TStoredValue Bytes(const QByteArray& v) { TStoredValue s; s.kind = Kind::Binary; s.binary = v; return s; }

  bool IsIdent(const QString& name) const {
    return kind == Kind::Identifier && text.compare(name, Qt::CaseInsensitive) == 0;
  }
  bool IsNil() const { return IsIdent(QStringLiteral("nil")); }

  // Structural equality (the line is not compared).
  friend bool operator==(const TStoredValue& a, const TStoredValue& b) {
    if (a.kind != b.kind) return false;
    switch (a.kind) {
      case Kind::Integer: return a.integer == b.integer;
      case Kind::Float: return a.real == b.real && a.floatSuffix == b.floatSuffix;
      case Kind::String: return a.text == b.text;
      case Kind::Identifier: return a.text == b.text;
      case Kind::Set: return a.set == b.set;
      case Kind::List: return a.items == b.items;
      case Kind::Collection: return a.collection == b.collection;
      case Kind::Binary: return a.binary == b.binary;
    }
    return false;
  }
  friend bool operator!=(const TStoredValue& a, const TStoredValue& b) { return !(a == b); }
};

// Implemented by objects (components, pins, pin lists, property objects)
// that keep stored extra properties.
class IDefinedProperties {
public:
  virtual ~IDefinedProperties() = default;
  // One stored extra property; false when `name` is not one of this object's.
  // A value of the wrong shape for a known name may throw std::exception;
  // the reader reports it with the line and the property.
  virtual bool ReadDefinedProperty(const QString& name, const TStoredValue& value) = 0;
  // Appends this object's stored extra properties, in writing order.
  virtual void WriteDefinedProperties(QList<QPair<QString, TStoredValue>>& out) const = 0;
};

// Implemented by collection objects published as properties (a scope's
// channels, cursors ...). The reader clears the collection and adds one item
// per stored item, then sets the item's properties; the writer walks items.
class IStoredCollection {
public:
  virtual ~IStoredCollection() = default;
  virtual int StoredItemCount() const = 0;
  virtual QObject* StoredItem(int index) const = 0;
  virtual void ClearStoredItems() = 0;
  // A new item at the end, owned by the collection.
  virtual QObject* AddStoredItem() = 0;
};

// Implemented by objects that must know they are being read from a
// description (TLPComponent has its own protocol in pins/component.h, which
// the reader follows as well). The reader calls BeginLoading (possibly more
// than once) on the root and on every component it creates before setting
// any property, and Loaded on each of them (root first, then creation
// order) once the whole description is read and every pending reference is
// resolved. Afterwards it also calls Loaded on every other object below the
// root that still reports IsLoading() (objects created by code while their
// owner was loading).
class IStoredLoading {
public:
  virtual ~IStoredLoading() = default;
  virtual void BeginLoading() = 0;
  virtual bool IsLoading() const = 0;
  // Clears the loading state, then runs the class's completion (Initialized).
  virtual void Loaded() = 0;
};
