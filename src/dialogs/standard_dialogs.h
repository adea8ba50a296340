#pragma once
// Colour and font choice. The platform's modal dialogs by default; tests
// install a chooser that answers at once, so nothing waits for a click.

#include <QColor>
#include <QFont>
#include <functional>

// Each returns true when the user confirmed; `value` starts as the current
// choice and receives the confirmed one.
using TColorChooser = std::function<bool(QColor& value)>;
using TFontChooser = std::function<bool(QFont& value, QColor& color)>;

bool ChooseColor(QColor& value);
bool ChooseFont(QFont& value, QColor& color);

// An empty chooser restores the platform dialog; returns the previous one.
TColorChooser SetColorChooser(TColorChooser chooser);
TFontChooser SetFontChooser(TFontChooser chooser);
