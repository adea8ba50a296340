#include "dialogs/property_page.h"

#include "dialogs/common_properties_form.h"
#include "dialogs/dialog_controls.h"
#include "draw/message_service.h"
#include "forms/controls/standard_controls.h"
#include "forms/description_reader.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSet>
#include <cmath>
#include <stdexcept>

void MissingDialogPart(const QObject* form, const char* name) {
  throw std::logic_error(std::string("window ") + form->objectName().toStdString() + " has no part " + name);
}

TSLPropertyPageForm::TSLPropertyPageForm(TPLCommonPropertiesForm* dialog) : TForm(nullptr), dialog_(dialog) {}

void TSLPropertyPageForm::LoadDescription(const QString& path) {
  ReadDescriptionFromResource(this, path);
  // A step of the arrows beside a field stores the field at once.
  for (TUpDown* arrows : findChildren<TUpDown*>()) {
    connect(arrows, &TControl::OnClick, this, [this, arrows] {
      if (auto* edit = qobject_cast<TEdit*>(arrows->Associate())) EditKey(edit, Qt::Key_Return);
    });
  }
}

bool TSLPropertyPageForm::IsActive() const { return dialog_ && dialog_->ActivePage() == this; }

void TSLPropertyPageForm::Activate() {
  dialog_->AddButton->SetEnabled(false);
  dialog_->RemoveButton->SetEnabled(false);
}

void TSLPropertyPageForm::SetOkDefault(bool flag) { dialog_->OkButton->SetDefault(flag); }

void TSLPropertyPageForm::DisableAll(QWidget* control) {
  // Emptying the controls must not be taken for the user's edit.
  TCodeChange guard(showing_);
  control->setEnabled(false);
  if (auto* edit = qobject_cast<TEdit*>(control)) edit->SetText(QString());
  if (auto* combo = qobject_cast<TComboBox*>(control)) combo->SetItemIndex(-1);
  for (QWidget* child : control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) DisableAll(child);
}

void TSLPropertyPageForm::EnableAll(QWidget* control) {
  control->setEnabled(true);
  for (QWidget* child : control->findChildren<QWidget*>()) child->setEnabled(true);
}

void TSLPropertyPageForm::WatchEdit(TEdit* edit, TEditHandlers handlers) {
  edits_.insert(edit, std::move(handlers));
  edit->Editor()->installEventFilter(this);
  connect(edit, &TEdit::OnChange, this, [this, edit] {
    if (showing_ || !edit->isEnabled()) return;
    SetOkDefault(false);
    const auto& h = edits_[edit];
    if (h.change) h.change();
  });
}

bool TSLPropertyPageForm::EditKey(TEdit* edit, int key) {
  auto it = edits_.find(edit);
  if (it == edits_.end()) return false;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (it->store) RunEventHandler(it->store);
    SetOkDefault(true);
    return true;
  }
  if (key == Qt::Key_Escape) {
    if (it->restore) RunEventHandler(it->restore);
    edit->Editor()->selectAll();
    SetOkDefault(true);
    return true;
  }
  return false;
}

bool TSLPropertyPageForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    // Leaving a field ends its edit; the dialog's OK button may close
    // the dialog right after, so the value is stored first.
    for (auto it = edits_.begin(); it != edits_.end(); ++it) {
      if (it.key()->Editor() != watched || dialog_->OkButton->Default()) continue;
      if (it->store) RunEventHandler(it->store);
      SetOkDefault(true);
    }
  }
  return TForm::eventFilter(watched, event);
}

QString EnumDisplayName(const char* key, bool spaced) {
  QString name = QString::fromLatin1(key);
  // Each removal must leave at least two characters.
  while (name.size() > 2 && name.at(0) == name.at(0).toLower()) name.remove(0, 1);
  if (!spaced) return name;
  QString out;
  for (int i = 0; i < name.size(); ++i) {
    if (i > 0 && name.at(i) == name.at(i).toUpper() && name.at(i).isLetter()) out += QLatin1Char(' ');
    out += name.at(i);
  }
  return out;
}

QStringList EnumDisplayNames(const QMetaEnum& meta, bool spaced) {
  QStringList names;
  // In the windows' language, the enumeration being the context
  // (enum_names.cpp gives lupdate the names).
  for (int i = 0; i < meta.keyCount(); ++i)
    names.append(QCoreApplication::translate(meta.enumName(), EnumDisplayName(meta.key(i), spaced).toUtf8().constData()));
  return names;
}

namespace {
QSet<const QObject*>& AddedElements() {
  static QSet<const QObject*> added;
  return added;
}
}  // namespace

void MarkAddedInDialog(QObject* element) {
  if (AddedElements().contains(element)) return;
  AddedElements().insert(element);
  // A freed element must not leave its address behind for a new one.
  QObject::connect(element, &QObject::destroyed, [element] { AddedElements().remove(element); });
}

bool IsAddedInDialog(const QObject* element) { return element && AddedElements().contains(element); }

std::optional<double> ParseNumberField(const QString& text, const QString& what) {
  bool ok = false;
  const double v = text.trimmed().toDouble(&ok);
  if (ok && std::isfinite(v)) return v;
  ShowMessage(QCoreApplication::translate("TSLPropertyPageForm", "'%1' is not a valid number for %2.").arg(text, what));
  return std::nullopt;
}

std::optional<int> ParseIntegerField(const QString& text, const QString& what, int min, int max) {
  bool ok = false;
  const int v = text.trimmed().toInt(&ok);
  if (ok && v >= min && v <= max) return v;
  ShowMessage(QCoreApplication::translate("TSLPropertyPageForm", "'%1' is not a valid value for %2: give a whole number from %3 to %4.")
                  .arg(text, what)
                  .arg(min)
                  .arg(max));
  return std::nullopt;
}
