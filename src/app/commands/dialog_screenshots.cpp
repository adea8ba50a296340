#include "app/commands/dialog_screenshots.h"

#include "app/windows/acquisition_form.h"
#include "app/windows/windows.h"
#include "dialogs/cursors_page.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/pen_brush_forms.h"
#include "dialogs/scope_properties_form.h"
#include "draw/display_properties.h"
#include "forms/controls/form.h"
#include "forms/controls/standard_controls.h"
#include "scope/scope.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QThread>
#include <memory>
#include <stdexcept>

namespace {

void Settle() {
  for (int i = 0; i < 5; ++i) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
}

// The page's file name part: "TSLScopeCursorsForm" -> "cursors".
QString PageName(const QWidget* page) {
  static const struct {
    const char* className;
    const char* name;
  } names[] = {{"TSLScopeChannelForm", "channels"},         {"TSLScopeChannelLinkFormUnit", "channel-links"},
               {"TSLScopeMerkerGroupsForm", "marker-groups"}, {"TSLDisplayZonesForm", "zones"},
               {"TSLDisplayEllipsesForm", "ellipses"},       {"TSLScopeCursorsForm", "cursors"},
               {"TSLScopeCursorLinksForm", "cursor-links"},  {"TSLScopeXAxesForm", "x-axes"},
               {"TSLScopeYAxesForm", "y-axes"}};
  const char* const className = page->metaObject()->className();
  for (const auto& entry : names)
    if (qstrcmp(entry.className, className) == 0) return QString::fromLatin1(entry.name);
  return QString::fromLatin1(className).toLower();
}

void Save(QWidget* widget, const QString& file, QStringList& written) {
  if (!widget->grab().save(file, "PNG")) throw std::runtime_error("Unable to write to " + file.toStdString());
  written.append(file);
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

  // Then every page in turn, for reading each language's captions: the
  // marker groups page shows for a scope with a group, the crossing mark's
  // page for a cursor with a checked channel. Last, as both change the scope.
  std::string error;
  const TScopeDialogHook previous = SetScopeDialogHook([&](TSLScopePropertiesForm* dialog) {
    dialog->Show();
    try {
      for (int i = 0; i < dialog->PageCount(); ++i) {
        dialog->SetActivePageIndex(i);
        Settle();
        const QString name = QStringLiteral("TSLScopePropertiesForm-page%1-%2").arg(i + 1).arg(PageName(dialog->ActivePage()));
        Save(dialog, QDir(dir).filePath(name + QStringLiteral(".png")), written);
        if (auto* cursors = qobject_cast<TSLScopeCursorsForm*>(dialog->ActivePage())) {
          cursors->CursorListBox->List()->setCurrentRow(0);
          cursors->ChannelsListBox->List()->item(0)->setCheckState(Qt::Checked);
          Settle();
          Save(dialog, QDir(dir).filePath(name + QStringLiteral("-crossing.png")), written);
        }
      }
    } catch (const std::exception& e) {
      error = e.what();
    }
    dialog->Hide();
  });
  scope->MarkerGroups()->Add();
  scope->ShowPropertiesDialog(TSLDataChart::kChannelsPage, 0);
  SetScopeDialogHook(previous);
  if (!error.empty()) throw std::runtime_error(error);

  // The pen and brush editors the pages open.
  TSLDisplayPen pen(nullptr);
  TSLDisplayBrush brush(nullptr);
  const std::unique_ptr<TForm> editors[] = {std::make_unique<TSLPenForm>(&pen), std::make_unique<TSLBrushForm>(&brush)};
  for (const auto& editor : editors) {
    editor->Show();
    Settle();
    Save(editor.get(), QDir(dir).filePath(QString::fromLatin1(editor->metaObject()->className()) + QStringLiteral(".png")),
         written);
    editor->Close();
  }
  return written;
}
