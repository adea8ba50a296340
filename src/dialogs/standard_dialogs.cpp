#include "dialogs/standard_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>

namespace {
TColorChooser& ColorChooser() {
  static TColorChooser chooser;
  return chooser;
}
TFontChooser& FontChooser() {
  static TFontChooser chooser;
  return chooser;
}
}  // namespace

bool ChooseColor(QColor& value) {
  if (ColorChooser()) return ColorChooser()(value);
  const QColor chosen = QColorDialog::getColor(value, QApplication::activeWindow());
  if (!chosen.isValid()) return false;
  value = chosen;
  return true;
}

bool ChooseFont(QFont& value, QColor& color) {
  if (FontChooser()) return FontChooser()(value, color);
  bool ok = false;
  // Only scalable fonts: the scope draws its labels at any size.
  const QFont chosen = QFontDialog::getFont(&ok, value, QApplication::activeWindow(), QString(),
                                            QFontDialog::ScalableFonts);
  if (ok) value = chosen;
  return ok;
}

TColorChooser SetColorChooser(TColorChooser chooser) {
  TColorChooser previous = std::move(ColorChooser());
  ColorChooser() = std::move(chooser);
  return previous;
}

TFontChooser SetFontChooser(TFontChooser chooser) {
  TFontChooser previous = std::move(FontChooser());
  FontChooser() = std::move(chooser);
  return previous;
}
