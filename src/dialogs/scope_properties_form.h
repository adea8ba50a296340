#pragma once
// The property dialog of a scope: one page per kind of element, opened on
// a given page and item.

#include "dialogs/common_properties_form.h"

#include <functional>

class TSLScope;

class TSLScopePropertiesForm : public TPLCommonPropertiesForm {
  Q_OBJECT

public:
  // Builds every page for `scope` (the marker groups page only when the
  // scope has a marker group) and activates the page of `kind`; the page of
  // that kind starts at `item`, the others at their first element.
  TSLScopePropertiesForm(TSLScope* scope, int kind, int item);

  TSLScope* Scope() const { return scope_; }
  // The page of a kind (TSLDataChart's page-kind numbers), or nullptr.
  TSLPropertyPageForm* PageOfKind(int kind) const;

private:
  TSLPropertyPageForm* MakePage(int kind, int item);
  TSLScope* scope_;
  QList<int> kinds_;
};

// Installs the dialog as the scopes' property dialog.
void RegisterScopePropertiesDialog();

// Receives the dialog instead of the modal showing (tests, screenshots);
// an empty hook restores the modal showing. Returns the previous hook.
using TScopeDialogHook = std::function<void(TSLScopePropertiesForm* dialog)>;
TScopeDialogHook SetScopeDialogHook(TScopeDialogHook hook);
