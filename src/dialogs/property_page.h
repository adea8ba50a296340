#pragma once
// Base of the dialog pages: a borderless form, built from its window
// description, that the dialog embeds in a tab sheet. The page reaches the
// dialog's buttons through its owner.

#include "forms/controls/form.h"

#include <QHash>
#include <QMetaEnum>
#include <QStringList>
#include <functional>
#include <optional>

class TEdit;
class TPLCommonPropertiesForm;

class TSLPropertyPageForm : public TForm {
  Q_OBJECT

public:
  explicit TSLPropertyPageForm(TPLCommonPropertiesForm* dialog);

  TPLCommonPropertiesForm* Dialog() const { return dialog_; }
  bool IsActive() const;

  // The page has become the active one: Add and Remove disabled here.
  virtual void Activate();
  virtual void AddItem() {}
  virtual void RemoveItem() {}

  // While false, Enter stays with the control being edited.
  void SetOkDefault(bool flag);
  // The control and every child: disabled, edit fields emptied and
  // drop-down lists without selection / enabled again.
  void DisableAll(QWidget* control);
  static void EnableAll(QWidget* control);

  // An edit field with the editing protocol: a change by the user keeps
  // Enter from closing the dialog; leaving the field or Enter stores it,
  // Escape restores it. Both end the edit.
  struct TEditHandlers {
    std::function<void()> change;   // may be empty
    std::function<void()> store;    // leaving the field, Enter
    std::function<void()> restore;  // Escape
  };
  void WatchEdit(TEdit* edit, TEditHandlers handlers);
  // A key for the watched edit `edit`; true when consumed.
  bool EditKey(TEdit* edit, int key);
  bool Watches(TEdit* edit) const { return edits_.contains(edit); }

  // True while the page copies an element's values into its controls.
  bool Showing() const { return showing_; }

protected:
  // Reads the page's window description; called by the most derived
  // constructor, as the description names that class.
  void LoadDescription(const QString& path);
  bool eventFilter(QObject* watched, QEvent* event) override;
  template <class T>
  T* Part(const char* name) const;
  bool showing_ = false;

private:
  TPLCommonPropertiesForm* dialog_;
  QHash<TEdit*, TEditHandlers> edits_;
};

// Display names of an enumeration's values in order: the leading lower-case
// prefix dropped while at least two characters remain ("ckVertical" gives
// "Vertical"); with `spaced`, a blank before every later capital; in the
// windows' language.
QStringList EnumDisplayNames(const QMetaEnum& meta, bool spaced = false);
QString EnumDisplayName(const char* key, bool spaced = false);

// Elements added in the dialog, the only ones it may remove again.
void MarkAddedInDialog(QObject* element);
bool IsAddedInDialog(const QObject* element);

// A number typed into a field: nullopt (after telling the user) when the
// text is not one.
std::optional<double> ParseNumberField(const QString& text, const QString& what);
std::optional<int> ParseIntegerField(const QString& text, const QString& what, int min, int max);

// The part of a page or dialog named `name`; a missing one means the
// embedded description and the code disagree, so it raises.
[[noreturn]] void MissingDialogPart(const QObject* form, const char* name);
template <class T>
T* DialogPart(const QObject* form, const char* name) {
  T* part = form->findChild<T*>(QString::fromLatin1(name));
  if (!part) MissingDialogPart(form, name);
  return part;
}
template <class T>
T* TSLPropertyPageForm::Part(const char* name) const {
  return DialogPart<T>(this, name);
}
