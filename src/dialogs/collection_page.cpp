#include "dialogs/collection_page.h"

#include "dialogs/axes_pages.h"
#include "dialogs/common_properties_form.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/pen_brush_forms.h"
#include "dialogs/standard_dialogs.h"
#include "forms/controls/components.h"
#include "forms/controls/standard_controls.h"
#include "draw/display_properties.h"
#include "draw/message_service.h"
#include <QLineEdit>
#include "scope/scope.h"

TSLCollectionPageForm::TSLCollectionPageForm(TPLCommonPropertiesForm* dialog, TSLScope* scope,
                                             TLPCollection* collection, bool canAdd)
    : TSLPropertyPageForm(dialog), scope_(scope), collection_(collection), canAdd_(canAdd) {}

void TSLCollectionPageForm::Load(const QString& description, const char* listName) {
  LoadDescription(description);
  list_ = Part<TListBox>(listName);
  checks_ = qobject_cast<TCheckListBox*>(list_);
  visible_ = findChild<TCheckBox*>(QStringLiteral("VisibleCheckBox"));
  name_ = findChild<TEdit*>(QStringLiteral("NameEdit"));
  connect(list_, &TControl::OnClick, this, [this] { ListClick(); });
  if (checks_) connect(checks_, &TCheckListBox::OnClickCheck, this, [this] { ListCheckClick(); });
  if (visible_) connect(visible_, &TControl::OnClick, this, [this] { VisibleClick(); });
  if (name_) WatchEdit(name_, {{}, [this] { StoreName(); }, [this] { RestoreName(); }});
}

TSLDisplayCollectionItem* TSLCollectionPageForm::Element(int i) const {
  return qobject_cast<TSLDisplayCollectionItem*>(collection_->Item(i));
}

TSLDisplayCollectionItem* TSLCollectionPageForm::Selected() const {
  const int i = list_->ItemIndex();
  return i >= 0 ? Element(i) : nullptr;
}

bool TSLCollectionPageForm::HasVisible() const { return checks_ != nullptr; }

void TSLCollectionPageForm::Fill(int item) {
  for (int i = 0; i < collection_->Count(); ++i) {
    TSLDisplayCollectionItem* e = Element(i);
    if (checks_) checks_->AddItem(e->Name(), e->property("Visible").toBool());
    else list_->AddItem(e->Name());
  }
  EvaluateEnabling();
  list_->SetItemIndex(collection_->Count() > 0 ? item : -1);
  ShowSelection();
}

void TSLCollectionPageForm::EvaluateEnabling() {
  const bool any = collection_->Count() > 0;
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (any) EnableAll(child);
    else DisableAll(child);
  }
}

void TSLCollectionPageForm::ShowSelection() {
  TSLDisplayCollectionItem* e = Selected();
  if (!e) {
    if (IsActive()) Dialog()->RemoveButton->SetEnabled(false);
    return;
  }
  {
    TCodeChange guard(showing_);
    if (name_) name_->SetText(e->Name());
    if (visible_) visible_->SetChecked(e->property("Visible").toBool());
    for (const auto& refresh : refreshers_) refresh(e);
    ShowElement(e);
  }
  if (IsActive()) Dialog()->RemoveButton->SetEnabled(canAdd_ && IsAddedInDialog(e));
}

void TSLCollectionPageForm::Activate() {
  TSLPropertyPageForm::Activate();
  Dialog()->AddButton->SetEnabled(AddAllowed());
  ShowSelection();
}

void TSLCollectionPageForm::AddItem() {
  if (!AddAllowed()) return;
  auto* e = qobject_cast<TSLDisplayCollectionItem*>(collection_->Add());
  if (!e) return;
  MarkAddedInDialog(e);
  if (checks_) checks_->AddItem(e->Name(), e->property("Visible").toBool());
  else list_->AddItem(e->Name());
  list_->SetItemIndex(list_->Count() - 1);
  EvaluateEnabling();
  ShowSelection();
}

void TSLCollectionPageForm::RemoveItem() {
  const int i = list_->ItemIndex();
  if (i < 0 || !IsAddedInDialog(Element(i))) return;
  collection_->Delete(i);
  list_->DeleteItem(i);
  list_->SetItemIndex(i < list_->Count() ? i : list_->Count() - 1);
  EvaluateEnabling();
  ShowSelection();
}

void TSLCollectionPageForm::ListClick() { ShowSelection(); }

void TSLCollectionPageForm::ListCheckClick() {
  const int i = list_->ItemIndex();
  TSLDisplayCollectionItem* e = Selected();
  if (!e) return;
  e->setProperty("Visible", checks_->Checked(i));
  TCodeChange guard(showing_);
  if (visible_) visible_->SetChecked(e->property("Visible").toBool());
}

void TSLCollectionPageForm::VisibleClick() {
  if (showing_) return;
  TSLDisplayCollectionItem* e = Selected();
  if (!e) return;
  e->setProperty("Visible", visible_->Checked());
  if (checks_) checks_->SetChecked(list_->ItemIndex(), e->property("Visible").toBool());
}

void TSLCollectionPageForm::StoreName() {
  TSLDisplayCollectionItem* e = Selected();
  if (!e) return;
  // A blank list entry and legend line would name nothing: the old name
  // stays.
  if (name_->Text().trimmed().isEmpty()) {
    ShowMessage(tr("'%1' is not a valid name: give a name that is not empty.").arg(name_->Text()));
    RestoreName();
    return;
  }
  e->SetName(name_->Text());
  list_->SetItem(list_->ItemIndex(), name_->Text());
}

void TSLCollectionPageForm::RestoreName() {
  TSLDisplayCollectionItem* e = Selected();
  if (!e) return;
  TCodeChange guard(showing_);
  name_->SetText(e->Name());
}

void TSLCollectionPageForm::BindCombo(TComboBox* combo, std::function<void(TSLDisplayCollectionItem*, int)> set) {
  connect(combo, &TComboBox::OnChange, this, [this, combo, set] {
    if (showing_) return;
    TSLDisplayCollectionItem* e = Selected();
    if (!e || combo->ItemIndex() < 0) return;
    set(e, combo->ItemIndex());
    Touched();
  });
}

void TSLCollectionPageForm::BindChannelChecks(TCheckListBox* list,
                                              std::function<TLPCollection*(TSLDisplayCollectionItem*)> links) {
  list->SetItems(ChannelNames());
  refreshers_.append([list, links](TSLDisplayCollectionItem* e) {
    for (int i = 0; i < list->Items().size(); ++i) list->SetChecked(i, SLChannelLinkIndex(links(e), i) >= 0);
  });
  connect(list, &TCheckListBox::OnClickCheck, this, [this, list, links] {
    TSLDisplayCollectionItem* e = Selected();
    const int channel = list->ItemIndex();
    if (showing_ || !e || channel < 0) return;
    TLPCollection* collection = links(e);
    const int link = SLChannelLinkIndex(collection, channel);
    if (list->Checked(channel) && link < 0) {
      static_cast<TSLDisplayElementChannelLink*>(collection->Add())->SetChannel(channel);
    } else if (!list->Checked(channel) && link >= 0) {
      collection->Delete(link);
    }
    Touched();
  });
}

void TSLCollectionPageForm::BindCheck(TCheckBox* box, std::function<void(TSLDisplayCollectionItem*, bool)> set) {
  connect(box, &TControl::OnClick, this, [this, box, set] {
    if (showing_) return;
    if (TSLDisplayCollectionItem* e = Selected()) {
      set(e, box->Checked());
      Touched();
    }
  });
}

void TSLCollectionPageForm::BindColor(QObject* button, TPaintBox* swatch,
                                      std::function<QColor(TSLDisplayCollectionItem*)> get,
                                      std::function<void(TSLDisplayCollectionItem*, const QColor&)> set) {
  if (swatch) refreshers_.append([swatch, get](TSLDisplayCollectionItem* e) { swatch->SetColor(get(e)); });
  connect(static_cast<TControl*>(button), &TControl::OnClick, this, [this, swatch, get, set] {
    TSLDisplayCollectionItem* e = Selected();
    if (!e) return;
    QColor color = get(e);
    if (!ChooseColor(color)) return;
    set(e, color);
    Touched();
    if (swatch) swatch->SetColor(get(e));
  });
}

void TSLCollectionPageForm::BindField(TEdit* edit, std::function<QString(TSLDisplayCollectionItem*)> get,
                                       std::function<bool(TSLDisplayCollectionItem*, const QString&)> set) {
  auto show = [this, edit, get] {
    if (TSLDisplayCollectionItem* e = Selected()) {
      TCodeChange guard(showing_);
      edit->SetText(get(e));
    }
  };
  refreshers_.append([edit, get](TSLDisplayCollectionItem* e) { edit->SetText(get(e)); });
  WatchEdit(edit, {{},
                   [this, edit, set, show] {
                     TSLDisplayCollectionItem* e = Selected();
                     if (!e) return;
                     if (set(e, edit->Text())) Touched();
                     // Refused text goes back to the stored value.
                     show();
                   },
                   show});
}

void TSLCollectionPageForm::FillAxisCombos(TComboBox* x, TComboBox* y) {
  QStringList xs, ys;
  for (int j = 0; j < scope_->XAxisCount(); ++j) xs.append(TSLScopeAxesForm::AxisTitle(scope_->XAxisAt(j)));
  for (int j = 0; j < scope_->YAxisCount(); ++j) ys.append(TSLScopeAxesForm::AxisTitle(scope_->YAxisAt(j)));
  TCodeChange guard(showing_);
  x->SetItems(xs);
  y->SetItems(ys);
}

QStringList TSLCollectionPageForm::ChannelNames() const {
  QStringList names;
  for (int i = 0; i < scope_->Channels()->Count(); ++i) names.append(scope_->Channels()->Channel(i)->Name());
  return names;
}

void TSLCollectionPageForm::Touched() { scope_->Changed(); }

void TSLCollectionPageForm::BindFont(QObject* button, std::function<TSLDisplayFont*(TSLDisplayCollectionItem*)> font) {
  connect(static_cast<TControl*>(button), &TControl::OnClick, this, [this, font] {
    TSLDisplayCollectionItem* e = Selected();
    if (!e) return;
    TSLDisplayFont* f = font(e);
    QFont chosen = f->ToQFont();
    QColor color = f->Color();
    if (!ChooseFont(chosen, color)) return;
    f->AssignFont(chosen, color);
    Touched();
  });
}

void TSLCollectionPageForm::BindPen(QObject* button, std::function<TSLDisplayPen*(TSLDisplayCollectionItem*)> pen) {
  connect(static_cast<TControl*>(button), &TControl::OnClick, this, [this, pen] {
    TSLDisplayCollectionItem* e = Selected();
    if (!e) return;
    TSLPenForm editor(pen(e));
    if (editor.Execute()) Touched();
  });
}

void TSLCollectionPageForm::BindBrush(QObject* button,
                                      std::function<TSLDisplayBrush*(TSLDisplayCollectionItem*)> brush) {
  connect(static_cast<TControl*>(button), &TControl::OnClick, this, [this, brush] {
    TSLDisplayCollectionItem* e = Selected();
    if (!e) return;
    TSLBrushForm editor(brush(e));
    if (editor.Execute()) Touched();
  });
}

void TSLCollectionPageForm::BindInsertMenu(QObject* button, TPopupMenu* menu, TEdit* edit,
                                           const QList<QPair<TMenuItem*, QString>>& items) {
  auto* control = static_cast<TControl*>(button);
  connect(control, &TControl::OnClick, this, [control, menu] {
    const QPoint below = control->mapToGlobal(QPoint(0, control->height()));
    menu->Popup(below.x(), below.y());
  });
  for (const auto& [item, token] : items) {
    connect(item, &TMenuItem::OnClick, this, [this, edit, token = token] {
      if (!Selected()) return;
      edit->Editor()->insert(token);
      EditKey(edit, Qt::Key_Return);
    });
  }
}
