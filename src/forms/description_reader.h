#pragma once
// Reading a window description into an existing root object (a form).
//
//   ReadDescription(form, text);                           // text in memory
//   ReadDescriptionFromResource(form, ":/forms/TForm1.dfm");
//
// The top block `object Form1: TForm1` must name the root's class (or one of
// its base classes); it sets the root's properties and creates every nested
// `object` through TClassRegistry with the root as owner (see
// class_registry.h for the parent rules). The root keeps its objectName when
// it already has one (a second instance loaded as Form4_1), else takes the
// stored name.
//
// Property values, by the Q_PROPERTY's type (docs/window-descriptions.md):
//   bool            True / False
//   integers        numbers, also colour names (clRed) as Delphi colour numbers
//   double/float    numbers
//   QString         quoted strings
//   QStringList     a list of strings; `Items.Strings = (...)` too
//   enum (Q_ENUM)   the enumerator's name; sets (Q_FLAG) in brackets
//   QColor          colour names or numbers in $00BBGGRR order
//   QFont           sub-paths Font.Name, Font.Height (negative: pixels),
//                   Font.Size (points), Font.Style = [fsBold, fsItalic,
//                   fsUnderline, fsStrikeOut]; Font.Color goes to a QColor
//                   property `FontColor` of the same object when it has one
//                   and is ignored otherwise; Font.Charset / Font.Pitch are
//                   accepted and ignored
//   QByteArray      binary data in braces; `Picture.Data = {...}` sets a
//                   QByteArray property `Picture` (the adapter decodes it)
//   QObject*        a component name (resolved after the whole description
//                   is read) or nil; or a dotted path into the sub-object
//   collections     `< item ... end >` into an IStoredCollection sub-object
// Event properties `OnClick = btnAplicarClick` connect the object's signal
// named OnClick to the root's method named btnAplicarClick; both parameter
// lists must be identical. Other unknown names go to the object's
// IDefinedProperties hook (defined_properties.h); `_Floats` is applied
// generically when no hook takes it.
//
// Every failure throws EDescriptionError naming the line and the item; the
// components created so far are deleted again, so no half-built window
// remains (the root keeps the properties already set).

#include <QString>
#include <stdexcept>

class QObject;

class EDescriptionError : public std::runtime_error {
public:
  EDescriptionError(int line, const QString& item, const QString& message);
  int Line() const { return line_; }
  const QString& Item() const { return item_; }
  const QString& Reason() const { return reason_; }
  // "line 12: Form1.Button1.Caption: <reason>" (item part left out when empty).
  QString Message() const { return QString::fromUtf8(what()); }

private:
  int line_;
  QString item_;
  QString reason_;
};

void ReadDescription(QObject* root, const QString& text);
// Reads a file or a Qt resource (":/forms/..."), UTF-8.
void ReadDescriptionFromResource(QObject* root, const QString& path);
