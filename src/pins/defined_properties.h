#pragma once
// Stored extra properties: values a window description holds for an object
// that are not published properties of its class (pin links, "_Floats",
// axis and cursor indices). The description reader hands each such value to
// the object's hook; the writer asks the hook what to store.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// One value as written in a window description.
struct TStoredValue {
  enum class Kind { Integer, Float, String, Identifier, Set, List, Collection, Binary };
  Kind kind = Kind::Integer;
  qint64 integer = 0;
  double real = 0.0;
  QString text;                       // String, Identifier
  QStringList set;                    // Set: element identifiers
  QList<TStoredValue> items;          // List: values in order
  // Collection: one entry per item, each the item's (property path, value) pairs.
  QList<QList<QPair<QString, TStoredValue>>> collection;
  QByteArray binary;                  // Binary

  static TStoredValue Int(qint64 v) { TStoredValue s; s.kind = Kind::Integer; s.integer = v; return s; }
  static TStoredValue Real(double v) { TStoredValue s; s.kind = Kind::Float; s.real = v; return s; }
  static TStoredValue Str(const QString& v) { TStoredValue s; s.kind = Kind::String; s.text = v; return s; }
  static TStoredValue Ident(const QString& v) { TStoredValue s; s.kind = Kind::Identifier; s.text = v; return s; }
  static TStoredValue ListOf(const QList<TStoredValue>& v) { TStoredValue s; s.kind = Kind::List; s.items = v; return s; }
};

// Implemented by objects (components, pins, pin lists, property objects)
// that keep stored extra properties.
class IDefinedProperties {
public:
  virtual ~IDefinedProperties() = default;
  // One stored extra property; false when `name` is not one of this object's.
  virtual bool ReadDefinedProperty(const QString& name, const TStoredValue& value) = 0;
  // Appends this object's stored extra properties, in writing order.
  virtual void WriteDefinedProperties(QList<QPair<QString, TStoredValue>>& out) const = 0;
};
