#pragma once
// The text form of window descriptions: a parser into a tree of objects and
// (path, value) pairs, and the printer that writes such a tree back. The
// grammar is in docs/window-descriptions.md.

#include "pins/defined_properties.h"

#include <QList>
#include <QString>

struct TDescriptionProperty {
  QString path;        // dotted: "XAxis.Max.Value"
  TStoredValue value;
  int line = 0;
};

struct TDescriptionObject {
  enum class Kind { Object, Inherited, Inline };
  Kind kind = Kind::Object;
  QString name;
  QString className;
  // The position among its parent's children that designers write after
  // the class name of inherited and inline objects ("TPanel [2]"); -1 for
  // none. Kept so that the text is written back as it was read.
  int childOrder = -1;
  int line = 0;
  QList<TDescriptionProperty> properties;
  QList<TDescriptionObject> children;
};

// Throws EDescriptionError (description_reader.h) with the line on bad text.
TDescriptionObject ParseDescription(const QString& text);
// A single value in its text form (for messages and tests).
TStoredValue ParseDescriptionValue(const QString& text);

QString FormatDescription(const TDescriptionObject& root);
QString FormatDescriptionValue(const TStoredValue& value, int indent = 0);
// Shortest text that reads back as the same double, always with a '.' or an
// exponent so that it stays a float.
QString FormatDescriptionFloat(double value);
