#pragma once
// The platform services behind a display's copy, print and save: the
// system clipboard, the print dialog and the save dialog. Each goes through
// a replaceable function so that tests (and the screenshot mode) never open
// a modal dialog or touch the user's clipboard.

#include <QImage>
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

// Puts an image on the clipboard.
using TSLClipboardSink = std::function<void(const QImage& image)>;
// Shows the print dialog for `printer`; true when the user confirmed.
using TSLPrintChooser = std::function<bool(QPrinter& printer, QWidget* parent)>;
// Shows the save dialog; true when confirmed, with the chosen name in
// `fileName`. `filters` are Qt name filters, `defaultSuffix` has no dot.
using TSLSaveChooser = std::function<bool(QString& fileName, const QStringList& filters,
                                          const QString& defaultSuffix, QWidget* parent)>;

void SLSetClipboardImage(const QImage& image);
bool SLChoosePrinter(QPrinter& printer, QWidget* parent);
bool SLChooseSaveFile(QString& fileName, const QStringList& filters, const QString& defaultSuffix, QWidget* parent);

// An empty function restores the platform service; each returns the
// previous one.
TSLClipboardSink SetClipboardSink(TSLClipboardSink sink);
TSLPrintChooser SetPrintChooser(TSLPrintChooser chooser);
TSLSaveChooser SetSaveChooser(TSLSaveChooser chooser);
