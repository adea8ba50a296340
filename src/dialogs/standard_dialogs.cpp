#include "dialogs/standard_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

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

namespace {
void ShowSwatch(QPushButton* button, const QColor& color) {
  QPixmap swatch(32, 12);
  swatch.fill(color.isValid() ? color : QColor(Qt::black));
  button->setIcon(QIcon(swatch));
  button->setIconSize(swatch.size());
}
}  // namespace

bool ChooseFont(QFont& value, QColor& color) {
  if (FontChooser()) return FontChooser()(value, color);
  // Qt's font dialog knows no colour, but labels have one: the dialog gets
  // a colour row under the font choice, as the labels' own dialog shows it.
  QDialog dialog(QApplication::activeWindow());
  dialog.setWindowTitle(QCoreApplication::translate("ChooseFont", "Font"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* fonts = new QFontDialog(value, &dialog);
  fonts->setWindowFlags(Qt::Widget);
  // Only scalable fonts: the scope draws its labels at any size.
  fonts->setOptions(QFontDialog::ScalableFonts | QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
  layout->addWidget(fonts);
  auto* row = new QHBoxLayout;
  auto* caption = new QLabel(QCoreApplication::translate("ChooseFont", "Colo&r:"), &dialog);
  auto* colorButton = new QPushButton(QCoreApplication::translate("ChooseFont", "Choose..."), &dialog);
  colorButton->setObjectName(QStringLiteral("FontColorButton"));
  caption->setBuddy(colorButton);
  QColor chosenColor = color;
  ShowSwatch(colorButton, chosenColor);
  QObject::connect(colorButton, &QPushButton::clicked, &dialog, [&] {
    QColor c = chosenColor;
    if (!ChooseColor(c)) return;
    chosenColor = c;
    ShowSwatch(colorButton, chosenColor);
  });
  row->addWidget(caption);
  row->addWidget(colorButton);
  row->addStretch();
  layout->addLayout(row);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->setObjectName(QStringLiteral("FontDialogButtons"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return false;
  value = fonts->currentFont();
  color = chosenColor;
  return true;
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
