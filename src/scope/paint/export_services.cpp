#include "scope/paint/export_services.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace {
TSLClipboardSink& Clipboard() {
  static TSLClipboardSink sink;
  return sink;
}
TSLPrintChooser& Printers() {
  static TSLPrintChooser chooser;
  return chooser;
}
TSLSaveChooser& SaveFiles() {
  static TSLSaveChooser chooser;
  return chooser;
}
}  // namespace

void SLSetClipboardImage(const QImage& image) {
  if (Clipboard()) return Clipboard()(image);
  QGuiApplication::clipboard()->setImage(image);
}

bool SLChoosePrinter(QPrinter& printer, QWidget* parent) {
  if (Printers()) return Printers()(printer, parent);
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

bool SLChooseSaveFile(QString& fileName, const QStringList& filters, const QString& defaultSuffix,
                      QWidget* parent) {
  if (SaveFiles()) return SaveFiles()(fileName, filters, defaultSuffix, parent);
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  fileName = dialog.selectedFiles().first();
  return true;
}

TSLClipboardSink SetClipboardSink(TSLClipboardSink sink) { return std::exchange(Clipboard(), std::move(sink)); }
TSLPrintChooser SetPrintChooser(TSLPrintChooser chooser) { return std::exchange(Printers(), std::move(chooser)); }
TSLSaveChooser SetSaveChooser(TSLSaveChooser chooser) { return std::exchange(SaveFiles(), std::move(chooser)); }
