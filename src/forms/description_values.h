#pragma once
// Conversions between description values and Qt property values.

#include "pins/defined_properties.h"

#include <QColor>
#include <QFont>
#include <QMetaProperty>
#include <QVariant>

// Delphi-style colour numbers: $00BBGGRR for plain colours; negative numbers
// ($FF0000nn) are system colours; clNone is $1FFFFFFF, clDefault $20000000.
bool ColorNumberFromName(const QString& name, qint64& number);
// The name of a plain or system colour number, or an empty string.
QString ColorNameFromNumber(qint64 number);
QColor ColorFromNumber(qint64 number);
// The number written for a colour: plain colours only (alpha is dropped);
// an invalid colour is clNone.
qint64 ColorToNumber(const QColor& color);

// Converts `value` for a property of type `property`; on failure returns an
// invalid QVariant and sets `error`. QObject-valued properties are not
// handled here (the reader resolves names later).
QVariant ConvertForProperty(const QMetaProperty& property, const TStoredValue& value, QString& error);
// The stored form of a property value; false when the type has no stored
// form here (QObject pointers, QFont, unknown types).
bool StoredFromProperty(const QMetaProperty& property, const QVariant& v, TStoredValue& out);

// Font sub-properties (Name, Height, Size, Style, Charset, Pitch) applied to a
// QFont; false with `error` for an unknown sub-property or a wrong value.
bool ApplyFontSubProperty(QFont& font, const QString& sub, const TStoredValue& value, QString& error);
// (sub-property, value) pairs of `font` that differ from `reference`.
QList<QPair<QString, TStoredValue>> FontDifferences(const QFont& font, const QFont& reference);
