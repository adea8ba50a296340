#include "dialogs/marker_groups_page.h"

#include "dialogs/dialog_controls.h"
#include "forms/controls/components.h"
#include "forms/controls/standard_controls.h"
#include "scope/scope.h"

namespace {
TSLScopeMarkerGroup* AsGroup(TSLDisplayCollectionItem* e) { return static_cast<TSLScopeMarkerGroup*>(e); }
TLPOptionalPenProperty* Crosshair(TSLDisplayCollectionItem* e, int side) {
  TSLCrosshairLines* lines = AsGroup(e)->CrosshairLines();
  switch (side) {
    case 0: return lines->Left();
    case 1: return lines->Top();
    case 2: return lines->Right();
    default: return lines->Bottom();
  }
}
}  // namespace

TSLScopeMerkerGroupsForm::TSLScopeMerkerGroupsForm(TPLCommonPropertiesForm* dialog, TSLScope* scope, int item)
    : TSLCollectionPageForm(dialog, scope, scope->MarkerGroups(), false) {
  Load(QStringLiteral(":/dialogs/TSLScopeMerkerGroupsForm.dfm"), "GroupListBox");
  GroupListBox = Part<TCheckListBox>("GroupListBox");
  ShapeComboBox = Part<TComboBox>("ShapeComboBox");
  SizeEdit = Part<TEdit>("SizeEdit");
  PointPenButton = Part<TButton>("PointPenButton");
  PointBrushButton = Part<TButton>("PointBrushButton");
  LabelVisibleCheckBox = Part<TCheckBox>("LabelVisibleCheckBox");
  LabelEdit = Part<TEdit>("LabelEdit");
  LabelMenuButton = Part<TButton>("LabelMenuButton");
  BitBtn3 = Part<TButton>("BitBtn3");
  {
    TCodeChange guard(showing_);
    ShapeComboBox->SetItems(EnumDisplayNames(QMetaEnum::fromType<SL::TSLDisplayMarkerShape>(), true));
  }
  BindCombo(ShapeComboBox, [](auto* e, int i) { AsGroup(e)->SetShape(SL::TSLDisplayMarkerShape(i)); });
  BindField(
      SizeEdit, [](auto* e) { return QString::number(AsGroup(e)->Size()); },
      [](auto* e, const QString& text) {
        const auto size = ParseIntegerField(text, tr("the marker size"), 1, 100);
        if (size) AsGroup(e)->SetSize(*size);
        return size.has_value();
      });
  BindPen(PointPenButton, [](auto* e) { return AsGroup(e)->Pen(); });
  BindBrush(PointBrushButton, [](auto* e) { return AsGroup(e)->Brush(); });
  BindCheck(LabelVisibleCheckBox, [](auto* e, bool v) { AsGroup(e)->Labels()->SetVisible(v); });
  BindField(
      LabelEdit, [](auto* e) { return AsGroup(e)->Labels()->Text(); },
      [](auto* e, const QString& text) {
        AsGroup(e)->Labels()->SetText(text);
        return true;
      });
  BindInsertMenu(LabelMenuButton, Part<TPopupMenu>("LabelPopupMenu"), LabelEdit,
                 {{Part<TMenuItem>("XAxisMenuItem"), QStringLiteral("%X")},
                  {Part<TMenuItem>("YAxisMenuItem"), QStringLiteral("%Y")},
                  {Part<TMenuItem>("PercentMenuItem"), QStringLiteral("%%")}});
  BindFont(BitBtn3, [](auto* e) { return AsGroup(e)->Labels()->Font(); });
  const char* boxes[] = {"LeftCheckBox", "TopCheckBox", "RightCheckBox", "BottomCheckBox"};
  const char* pens[] = {"LeftPenButton", "TopPenButton", "RightPenButton", "BottomPenButton"};
  for (int side = 0; side < 4; ++side) {
    CrosshairCheckBoxes[side] = Part<TCheckBox>(boxes[side]);
    BindCheck(CrosshairCheckBoxes[side], [side](auto* e, bool v) { Crosshair(e, side)->SetVisible(v); });
    BindPen(Part<TButton>(pens[side]), [side](auto* e) { return Crosshair(e, side)->Pen(); });
  }
  Fill(item);
}

void TSLScopeMerkerGroupsForm::ShowElement(TSLDisplayCollectionItem* e) {
  ShapeComboBox->SetItemIndex(int(AsGroup(e)->Shape()));
  LabelVisibleCheckBox->SetChecked(AsGroup(e)->Labels()->Visible());
  for (int side = 0; side < 4; ++side) CrosshairCheckBoxes[side]->SetChecked(Crosshair(e, side)->Visible());
}
