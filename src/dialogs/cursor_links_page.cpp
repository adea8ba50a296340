#include "dialogs/cursor_links_page.h"

#include "dialogs/dialog_controls.h"
#include "forms/controls/components.h"
#include "forms/controls/standard_controls.h"
#include "scope/scope.h"

namespace {
TSLDisplayCursorLink* AsLink(TSLDisplayCollectionItem* e) { return static_cast<TSLDisplayCursorLink*>(e); }
TSLScopeMeasurementLine* Line(TSLDisplayCollectionItem* e) { return AsLink(e)->MeasurementLine(); }
}  // namespace

TSLScopeCursorLinksForm::TSLScopeCursorLinksForm(TPLCommonPropertiesForm* dialog, TSLScope* scope, int item)
    : TSLCollectionPageForm(dialog, scope, scope->CursorLinks(), true) {
  Load(QStringLiteral(":/dialogs/TSLScopeCursorLinksForm.dfm"), "CursorLinksListBox");
  CursorLinksListBox = Part<TListBox>("CursorLinksListBox");
  NameEdit = Part<TEdit>("NameEdit");
  BeginCursorComboBox = Part<TComboBox>("BeginCursorComboBox");
  EndCursorComboBox = Part<TComboBox>("EndCursorComboBox");
  MeasurementVisibleCheckBox = Part<TCheckBox>("MeasurementVisibleCheckBox");
  MeasurementColorPaintBox = Part<TPaintBox>("MeasurementColorPaintBox");
  MeasurementColorButton = Part<TButton>("MeasurementColorButton");
  MeasurementStyleComboBox = Part<TComboBox>("MeasurementStyleComboBox");
  MeasurementModeComboBox = Part<TComboBox>("MeasurementModeComboBox");
  LabelVisibleCheckBox = Part<TCheckBox>("LabelVisibleCheckBox");
  LabelEdit = Part<TEdit>("LabelEdit");
  LabelMenuButton = Part<TButton>("LabelMenuButton");
  LabelPopupMenu = Part<TPopupMenu>("LabelPopupMenu");
  ValueMenuItem = Part<TMenuItem>("ValueMenuItem");
  PercentMenuItem = Part<TMenuItem>("PercentMenuItem");
  BitBtn3 = Part<TBitBtn>("BitBtn3");
  SelectionVisibleCheckBox = Part<TCheckBox>("SelectionVisibleCheckBox");
  PointBrushButton = Part<TButton>("PointBrushButton");
  {
    TCodeChange guard(showing_);
    MeasurementStyleComboBox->SetItems(EnumDisplayNames(QMetaEnum::fromType<Vcl::TPenStyle>(), true));
    MeasurementModeComboBox->SetItems(EnumDisplayNames(QMetaEnum::fromType<Vcl::TPenMode>(), true));
  }

  FillCursorNames();
  BindCombo(BeginCursorComboBox, [](auto* e, int i) { AsLink(e)->SetBeginCursorIndex(i); });
  BindCombo(EndCursorComboBox, [](auto* e, int i) { AsLink(e)->SetEndCursorIndex(i); });
  BindCheck(MeasurementVisibleCheckBox, [](auto* e, bool v) { Line(e)->SetVisible(v); });
  BindColor(
      MeasurementColorButton, MeasurementColorPaintBox, [](auto* e) { return Line(e)->Color(); },
      [](auto* e, const QColor& c) { Line(e)->SetColor(c); });
  BindCombo(MeasurementStyleComboBox, [](auto* e, int i) { Line(e)->SetStyle(Vcl::TPenStyle(i)); });
  BindCombo(MeasurementModeComboBox, [](auto* e, int i) { Line(e)->SetMode(Vcl::TPenMode(i)); });
  BindCheck(LabelVisibleCheckBox, [](auto* e, bool v) { Line(e)->MeasurementLabel()->SetVisible(v); });
  BindField(
      LabelEdit, [](auto* e) { return Line(e)->MeasurementLabel()->Text(); },
      [](auto* e, const QString& text) {
        Line(e)->MeasurementLabel()->SetText(text);
        return true;
      });
  BindInsertMenu(LabelMenuButton, LabelPopupMenu, LabelEdit,
                 {{ValueMenuItem, QStringLiteral("%V")}, {PercentMenuItem, QStringLiteral("%%")}});
  BindFont(BitBtn3, [](auto* e) { return Line(e)->MeasurementLabel()->Font(); });
  BindCheck(SelectionVisibleCheckBox, [](auto* e, bool v) { AsLink(e)->Selection()->SetVisible(v); });
  BindBrush(PointBrushButton, [](auto* e) { return AsLink(e)->Selection()->Brush(); });
  Fill(item);
}

bool TSLScopeCursorLinksForm::AddAllowed() const { return Scope()->Cursors()->Count() >= 2; }

void TSLScopeCursorLinksForm::FillCursorNames() {
  QStringList names;
  for (int i = 0; i < Scope()->Cursors()->Count(); ++i) names.append(Scope()->Cursors()->Cursor(i)->Name());
  TCodeChange guard(showing_);
  BeginCursorComboBox->SetItems(names);
  EndCursorComboBox->SetItems(names);
}

void TSLScopeCursorLinksForm::Activate() {
  // The cursors may have changed on the cursors page.
  FillCursorNames();
  TSLCollectionPageForm::Activate();
}

void TSLScopeCursorLinksForm::ShowElement(TSLDisplayCollectionItem* e) {
  TSLDisplayCursorLink* link = AsLink(e);
  BeginCursorComboBox->SetItemIndex(link->BeginCursorIndex());
  EndCursorComboBox->SetItemIndex(link->EndCursorIndex());
  MeasurementVisibleCheckBox->SetChecked(Line(e)->Visible());
  MeasurementStyleComboBox->SetItemIndex(int(Line(e)->Style()));
  MeasurementModeComboBox->SetItemIndex(int(Line(e)->Mode()));
  LabelVisibleCheckBox->SetChecked(Line(e)->MeasurementLabel()->Visible());
  SelectionVisibleCheckBox->SetChecked(link->Selection()->Visible());
}
