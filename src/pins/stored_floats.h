#pragma once
// The "_Floats" stored extra property of components and property objects.
//
// Window descriptions leave out a float property that holds 0, so a float
// whose default is not 0 could never be loaded as 0. "_Floats" lists the
// published float properties that hold exactly 0, as ((Name 0.0) ...).
//
// A published property here is a Q_PROPERTY whose name starts with an
// upper-case letter (the system's own property names; Qt's own properties
// start in lower case).

#include "pins/defined_properties.h"

#include <QMetaProperty>

class QObject;

inline const QString kFloatsPropertyName = QStringLiteral("_Floats");

bool IsPublishedProperty(const QMetaProperty& property);
// double or float published property; types named TDateTime, TDate or TTime
// are dates, not floats, and never take part.
bool IsStoredFloatProperty(const QMetaProperty& property);

// Process-wide switch: while set, no "_Floats" is written.
bool FloatsSuppressed();
void SetFloatsSuppressed(bool suppressed);
class TFloatsSuppression {
public:
  TFloatsSuppression() : previous_(FloatsSuppressed()) { SetFloatsSuppressed(true); }
  ~TFloatsSuppression() { SetFloatsSuppressed(previous_); }
  TFloatsSuppression(const TFloatsSuppression&) = delete;
  TFloatsSuppression& operator=(const TFloatsSuppression&) = delete;

private:
  bool previous_;
};

// The value to store for `object`; false when nothing is stored (no float
// property is 0, or writing is suppressed). With a `reference` (a fresh
// instance of the class), zeros that are also its defaults are left out.
bool FloatsValue(const QObject* object, TStoredValue& value, const QObject* reference = nullptr);
// Applies a stored value: every (Name value) pair whose property exists and
// accepts the value is set; other pairs and malformed entries are skipped.
// Returns the number of properties set.
int ApplyFloats(QObject* object, const TStoredValue& value);

// Ready-made hook for classes whose only stored extra property is
// "_Floats"; classes with more stored properties extend it. The object must
// also be a QObject (found by cross-casting). Components and persistent
// objects without any hook get "_Floats" from the description reader and
// writer directly.
class TFloatsDefinedProperties : public IDefinedProperties {
public:
  bool ReadDefinedProperty(const QString& name, const TStoredValue& value) override;
  void WriteDefinedProperties(QList<QPair<QString, TStoredValue>>& out) const override;
};
