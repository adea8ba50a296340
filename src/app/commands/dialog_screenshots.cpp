#include "app/commands/dialog_screenshots.h"

#include "app/windows/acquisition_form.h"
#include "app/windows/windows.h"
#include "dialogs/scope_properties_form.h"
#include "forms/controls/form.h"
#include "scope/scope.h"

#include <QApplication>
#include <QDir>
#include <QThread>
#include <stdexcept>

namespace {

void Settle() {
  for (int i = 0; i < 5; ++i) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
}

}  // namespace

QStringList WriteDialogScreenshots(const QString& dir) {
  TSLScope* scope = Form3->ScpAB;
  QStringList written;
  const struct {
    int page;
    const char* suffix;
  } shots[] = {{TSLDataChart::kCursorsPage, "cursors"}, {TSLDataChart::kYAxesPage, "yaxes"}};
  for (const auto& shot : shots) {
    QString error;
    const TScopeDialogHook previous = SetScopeDialogHook([&](TSLScopePropertiesForm* dialog) {
      dialog->Show();
      Settle();
      const QString file = QDir(dir).filePath(QStringLiteral("TSLScopePropertiesForm-%1.png").arg(shot.suffix));
      if (dialog->grab().save(file, "PNG")) written.append(file);
      else error = file;
      dialog->Hide();
    });
    scope->ShowPropertiesDialog(shot.page, 0);
    SetScopeDialogHook(previous);
    if (!error.isEmpty()) throw std::runtime_error("Unable to write to " + error.toStdString());
  }
  return written;
}
