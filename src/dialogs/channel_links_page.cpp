#include "dialogs/channel_links_page.h"

#include "dialogs/dialog_controls.h"
#include "forms/controls/standard_controls.h"
#include "scope/scope.h"

namespace {
TSLDisplayChannelLink* AsLink(TSLDisplayCollectionItem* e) { return static_cast<TSLDisplayChannelLink*>(e); }
}  // namespace

TSLScopeChannelLinkFormUnit::TSLScopeChannelLinkFormUnit(TPLCommonPropertiesForm* dialog, TSLScope* scope, int item)
    : TSLCollectionPageForm(dialog, scope, scope->ChannelLinks(), true) {
  Load(QStringLiteral(":/dialogs/TSLScopeChannelLinkFormUnit.dfm"), "ChannelLinksCheckBox");
  ChannelLinksCheckBox = Part<TCheckListBox>("ChannelLinksCheckBox");
  FirstChannelComboBox = Part<TComboBox>("FirstChannelComboBox");
  SecondChannelComboBox = Part<TComboBox>("SecondChannelComboBox");
  ModeComboBox = Part<TComboBox>("ModeComboBox");
  WidthEdit = Part<TEdit>("WidthEdit");
  PointBrushButton = Part<TButton>("PointBrushButton");
  {
    TCodeChange guard(showing_);
    FirstChannelComboBox->SetItems(ChannelNames());
    SecondChannelComboBox->SetItems(ChannelNames());
    ModeComboBox->SetItems(EnumDisplayNames(QMetaEnum::fromType<SL::TSLScopeChannelLinkMode>()));
  }
  BindCombo(FirstChannelComboBox, [](auto* e, int i) { AsLink(e)->SetFirstChannelIndex(i); });
  BindCombo(SecondChannelComboBox, [](auto* e, int i) { AsLink(e)->SetSecondChannelIndex(i); });
  BindCombo(ModeComboBox, [](auto* e, int i) { AsLink(e)->SetChannelLinkMode(SL::TSLScopeChannelLinkMode(i)); });
  BindField(
      WidthEdit, [](auto* e) { return QString::number(AsLink(e)->Width()); },
      [](auto* e, const QString& text) {
        const auto width = ParseIntegerField(text, tr("the width"), 1, 2000);
        if (width) AsLink(e)->SetWidth(*width);
        return width.has_value();
      });
  BindBrush(PointBrushButton, [](auto* e) { return AsLink(e)->Brush(); });
  Fill(item);
}

void TSLScopeChannelLinkFormUnit::ShowElement(TSLDisplayCollectionItem* e) {
  FirstChannelComboBox->SetItemIndex(AsLink(e)->FirstChannelIndex());
  SecondChannelComboBox->SetItemIndex(AsLink(e)->SecondChannelIndex());
  ModeComboBox->SetItemIndex(int(AsLink(e)->ChannelLinkMode()));
}
