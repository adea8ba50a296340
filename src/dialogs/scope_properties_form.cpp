#include "dialogs/scope_properties_form.h"

#include "dialogs/axes_pages.h"
#include "dialogs/channel_links_page.h"
#include "dialogs/channels_page.h"
#include "dialogs/cursor_links_page.h"
#include "dialogs/cursors_page.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/marker_groups_page.h"
#include "dialogs/zones_pages.h"
#include "scope/scope.h"

#include <algorithm>
#include <memory>

TSLScopePropertiesForm::TSLScopePropertiesForm(TSLScope* scope, int kind, int item) : scope_(scope) {
  for (int k = TSLDataChart::kChannelsPage; k <= TSLDataChart::kYAxesPage; ++k) {
    if (k == TSLDataChart::kMarkerGroupsPage && scope->MarkerGroups()->Count() == 0) continue;
    TSLPropertyPageForm* page = MakePage(k, k == kind ? item : 0);
    if (!page) continue;
    AddPage(page);
    kinds_.append(k);
  }
  // Without a marker groups page the later kinds sit one place earlier (the
  // marker groups kind itself lands on the page in its place).
  const bool markerPage = kinds_.contains(TSLDataChart::kMarkerGroupsPage);
  const int index = kind - (kind > TSLDataChart::kMarkerGroupsPage && !markerPage ? 1 : 0);
  SetActivePageIndex(std::clamp(index, 0, int(kinds_.size()) - 1));
}

TSLPropertyPageForm* TSLScopePropertiesForm::PageOfKind(int kind) const {
  const int i = int(kinds_.indexOf(kind));
  return i >= 0 ? Page(i) : nullptr;
}

TSLPropertyPageForm* TSLScopePropertiesForm::MakePage(int kind, int item) {
  switch (kind) {
    case TSLDataChart::kChannelsPage:
      return new TSLScopeChannelForm(this, scope_, item);
    case TSLDataChart::kChannelLinksPage:
      return new TSLScopeChannelLinkFormUnit(this, scope_, item);
    case TSLDataChart::kMarkerGroupsPage:
      return new TSLScopeMerkerGroupsForm(this, scope_, item);
    case TSLDataChart::kZonesPage:
      return new TSLDisplayZonesForm(this, scope_, item);
    case TSLDataChart::kEllipsesPage:
      return new TSLDisplayEllipsesForm(this, scope_, item);
    case TSLDataChart::kCursorLinksPage:
      return new TSLScopeCursorLinksForm(this, scope_, item);
    case TSLDataChart::kCursorsPage:
      return new TSLScopeCursorsForm(this, scope_, item);
    case TSLDataChart::kXAxesPage:
      return new TSLScopeXAxesForm(this, scope_, item);
    case TSLDataChart::kYAxesPage:
      return new TSLScopeYAxesForm(this, scope_, item);
    default:
      return nullptr;
  }
}

namespace {
TScopeDialogHook& Hook() {
  static TScopeDialogHook hook;
  return hook;
}

void OpenScopeDialog(TSLDataChart* chart, int page, int item) {
  auto* scope = qobject_cast<TSLScope*>(chart);
  if (!scope) return;
  auto dialog = std::make_unique<TSLScopePropertiesForm>(scope, page, item);
  // Owned by the scope's window, so the window system keeps it above it.
  dialog->setParent(scope->window(), dialog->windowFlags() | Qt::Window);
  // 20 pixels in from the scope's top right corner.
  const QPoint corner = scope->mapToGlobal(QPoint(scope->width(), 0));
  dialog->move(corner.x() - dialog->width() - 20, corner.y() + 20);
  if (Hook()) Hook()(dialog.get());
  else dialog->ShowModal();
}
}  // namespace

// Outside any namespace, as the resource initialiser requires.
static void InitDialogResources() { Q_INIT_RESOURCE(dialogs); }

void RegisterScopePropertiesDialog() {
  InitDialogResources();
  RegisterDialogControls();
  TSLDataChart::SetPropertiesDialogOpener(OpenScopeDialog);
}

TScopeDialogHook SetScopeDialogHook(TScopeDialogHook hook) {
  TScopeDialogHook previous = std::move(Hook());
  Hook() = std::move(hook);
  return previous;
}
