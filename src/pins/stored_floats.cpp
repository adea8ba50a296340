#include "pins/stored_floats.h"

#include <QMetaObject>
#include <QObject>
#include <QVariant>
#include <atomic>

namespace {

std::atomic<bool> g_floatsSuppressed{false};

bool IsFloatType(const QMetaProperty& property) {
  const int id = property.metaType().id();
  return id == QMetaType::Double || id == QMetaType::Float;
}

}  // namespace

bool IsPublishedProperty(const QMetaProperty& property) {
  const char* name = property.name();
  return name && name[0] >= 'A' && name[0] <= 'Z';
}

bool IsStoredFloatProperty(const QMetaProperty& property) {
  if (!IsPublishedProperty(property) || !IsFloatType(property)) return false;
  const QByteArray type = property.typeName();
  return type != "TDateTime" && type != "TDate" && type != "TTime";
}

bool FloatsSuppressed() { return g_floatsSuppressed.load(); }
void SetFloatsSuppressed(bool suppressed) { g_floatsSuppressed.store(suppressed); }

bool FloatsValue(const QObject* object, TStoredValue& value, const QObject* reference) {
  if (!object || FloatsSuppressed()) return false;
  QList<TStoredValue> pairs;
  const QMetaObject* meta = object->metaObject();
  for (int i = 0; i < meta->propertyCount(); ++i) {
    const QMetaProperty p = meta->property(i);
    if (!IsStoredFloatProperty(p) || !p.isReadable() || !p.isStored()) continue;
    bool ok = false;
    const double v = p.read(object).toDouble(&ok);
    if (!ok || v != 0.0) continue;
    if (reference) {
      // A zero that is also the class's default needs no entry.
      const int ri = reference->metaObject()->indexOfProperty(p.name());
      bool refOk = false;
      if (ri >= 0 && reference->metaObject()->property(ri).read(reference).toDouble(&refOk) == 0.0 && refOk) continue;
    }
    pairs.append(TStoredValue::ListOf({TStoredValue::Ident(QString::fromLatin1(p.name())), TStoredValue::Real(0.0)}));
  }
  if (pairs.isEmpty()) return false;
  value = TStoredValue::ListOf(pairs);
  return true;
}

int ApplyFloats(QObject* object, const TStoredValue& value) {
  if (!object || value.kind != TStoredValue::Kind::List) return 0;
  int applied = 0;
  const QMetaObject* meta = object->metaObject();
  for (const TStoredValue& pair : value.items) {
    if (pair.kind != TStoredValue::Kind::List || pair.items.size() != 2) continue;
    const TStoredValue& name = pair.items[0];
    const TStoredValue& number = pair.items[1];
    if (name.kind != TStoredValue::Kind::Identifier) continue;
    double v = 0.0;
    if (number.kind == TStoredValue::Kind::Float) v = number.real;
    else if (number.kind == TStoredValue::Kind::Integer) v = static_cast<double>(number.integer);
    else continue;
    const int index = meta->indexOfProperty(name.text.toLatin1().constData());
    if (index < 0) continue;
    const QMetaProperty p = meta->property(index);
    if (!IsFloatType(p) || !p.isWritable()) continue;
    try {
      if (p.write(object, QVariant(v))) ++applied;
    } catch (...) {
      // A setter that refuses the value leaves the property as it was.
    }
  }
  return applied;
}

bool TFloatsDefinedProperties::ReadDefinedProperty(const QString& name, const TStoredValue& value) {
  if (name != kFloatsPropertyName) return false;
  ApplyFloats(dynamic_cast<QObject*>(this), value);
  return true;
}

void TFloatsDefinedProperties::WriteDefinedProperties(QList<QPair<QString, TStoredValue>>& out) const {
  TStoredValue value;
  if (FloatsValue(dynamic_cast<const QObject*>(this), value)) out.append({kFloatsPropertyName, value});
}
