#include "dialogs/channels_page.h"

#include "dialogs/dialog_controls.h"
#include "forms/controls/standard_controls.h"
#include "scope/scope.h"

namespace {
TSLScopeChannel* AsChannel(TSLDisplayCollectionItem* e) { return static_cast<TSLScopeChannel*>(e); }
}  // namespace

TSLScopeChannelForm::TSLScopeChannelForm(TPLCommonPropertiesForm* dialog, TSLScope* scope, int item)
    : TSLCollectionPageForm(dialog, scope, scope->Channels(), false) {
  Load(QStringLiteral(":/dialogs/TSLScopeChannelForm.dfm"), "ChannelsListBox");
  ChannelsListBox = Part<TCheckListBox>("ChannelsListBox");
  VisibleCheckBox = Part<TCheckBox>("VisibleCheckBox");
  NameEdit = Part<TEdit>("NameEdit");
  ModeComboBox = Part<TComboBox>("ModeComboBox");
  ColorPaintBox = Part<TPaintBox>("ColorPaintBox");
  ColorButton = Part<TButton>("ColorButton");
  WidthEdit = Part<TEdit>("WidthEdit");
  ShadeComboBox = Part<TComboBox>("ShadeComboBox");
  XAxisComboBox = Part<TComboBox>("XAxisComboBox");
  YAxisComboBox = Part<TComboBox>("YAxisComboBox");
  PointsVisibleCheckBox = Part<TCheckBox>("PointsVisibleCheckBox");
  PointsShapeComboBox = Part<TComboBox>("PointsShapeComboBox");
  PointsSizeEdit = Part<TEdit>("PointsSizeEdit");
  PointPenButton = Part<TButton>("PointPenButton");
  PointBrushButton = Part<TButton>("PointBrushButton");
  PointsUseChannelColorCheckBox = Part<TCheckBox>("PointsUseChannelColorCheckBox");
  {
    TCodeChange guard(showing_);
    ModeComboBox->SetItems(EnumDisplayNames(QMetaEnum::fromType<SL::TSLScopeChannelMode>()));
    ShadeComboBox->SetItems(EnumDisplayNames(QMetaEnum::fromType<SL::TSLChannelShadeMode>()));
    PointsShapeComboBox->SetItems(EnumDisplayNames(QMetaEnum::fromType<SL::TSLScopePointsShape>()));
  }
  FillAxisCombos(XAxisComboBox, YAxisComboBox);

  BindColor(
      ColorButton, ColorPaintBox, [](auto* e) { return AsChannel(e)->Color(); },
      [](auto* e, const QColor& c) { AsChannel(e)->SetColor(c); });
  BindCombo(ModeComboBox, [](auto* e, int i) { AsChannel(e)->SetChannelMode(SL::TSLScopeChannelMode(i)); });
  BindField(
      WidthEdit, [](auto* e) { return QString::number(AsChannel(e)->Width()); },
      [](auto* e, const QString& text) {
        const auto width = ParseIntegerField(text, tr("the width"), 1, 2000);
        if (width) AsChannel(e)->SetWidth(*width);
        return width.has_value();
      });
  BindCombo(ShadeComboBox, [](auto* e, int i) { AsChannel(e)->SetShadeMode(SL::TSLChannelShadeMode(i)); });
  BindCombo(XAxisComboBox, [](auto* e, int i) { AsChannel(e)->SetXAxisIndex(i); });
  BindCombo(YAxisComboBox, [](auto* e, int i) { AsChannel(e)->SetYAxisIndex(i); });
  BindCheck(PointsVisibleCheckBox, [](auto* e, bool v) { AsChannel(e)->Points()->SetVisible(v); });
  BindCombo(PointsShapeComboBox,
            [](auto* e, int i) { AsChannel(e)->Points()->SetShape(SL::TSLScopePointsShape(i)); });
  BindField(
      PointsSizeEdit, [](auto* e) { return QString::number(AsChannel(e)->Points()->Size()); },
      [](auto* e, const QString& text) {
        const auto size = ParseIntegerField(text, tr("the point size"), 1, 100);
        if (size) AsChannel(e)->Points()->SetSize(*size);
        return size.has_value();
      });
  BindPen(PointPenButton, [](auto* e) { return AsChannel(e)->Points()->Pen(); });
  BindBrush(PointBrushButton, [](auto* e) { return AsChannel(e)->Points()->Brush(); });
  BindCheck(PointsUseChannelColorCheckBox, [](auto* e, bool v) { AsChannel(e)->Points()->SetUseChannelColor(v); });
  Fill(item);
}

void TSLScopeChannelForm::ShowElement(TSLDisplayCollectionItem* e) {
  TSLScopeChannel* channel = AsChannel(e);
  ModeComboBox->SetItemIndex(int(channel->ChannelMode()));
  ShadeComboBox->SetItemIndex(int(channel->ShadeMode()));
  XAxisComboBox->SetItemIndex(channel->XAxisIndex());
  YAxisComboBox->SetItemIndex(channel->YAxisIndex());
  PointsVisibleCheckBox->SetChecked(channel->Points()->Visible());
  PointsShapeComboBox->SetItemIndex(int(channel->Points()->Shape()));
  PointsUseChannelColorCheckBox->SetChecked(channel->Points()->UseChannelColor());
}
