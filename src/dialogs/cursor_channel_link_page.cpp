#include "dialogs/cursor_channel_link_page.h"

#include "dialogs/pen_brush_forms.h"
#include "dialogs/standard_dialogs.h"
#include "forms/controls/standard_controls.h"
#include "scope/scope.h"

TSLScopeCursorChannelLinkForm::TSLScopeCursorChannelLinkForm(TPLCommonPropertiesForm* dialog)
    : TSLPropertyPageForm(dialog) {
  LoadDescription(QStringLiteral(":/dialogs/TSLScopeCursorChannelLinkForm.dfm"));
  ShapeComboBox = DialogPart<TComboBox>(this, "ShapeComboBox");
  SizeEdit = DialogPart<TEdit>(this, "SizeEdit");
  PenButton = DialogPart<TButton>(this, "PenButton");
  BrushButton = DialogPart<TButton>(this, "BrushButton");
  FontButton = DialogPart<TButton>(this, "FontButton");
  UseChannelColorCheckBox = DialogPart<TCheckBox>(this, "UseChannelColorCheckBox");
  LabelVisibleCheckBox = DialogPart<TCheckBox>(this, "LabelVisibleCheckBox");
  LabelEdit = DialogPart<TEdit>(this, "LabelEdit");
  {
    TCodeChange guard(showing_);
    ShapeComboBox->SetItems(EnumDisplayNames(QMetaEnum::fromType<SL::TSLDisplayMarkerShape>(), true));
  }
  connect(ShapeComboBox, &TComboBox::OnChange, this, [this] {
    if (showing_ || !link_ || ShapeComboBox->ItemIndex() < 0) return;
    link_->SetShape(SL::TSLDisplayMarkerShape(ShapeComboBox->ItemIndex()));
    Touched();
  });
  connect(UseChannelColorCheckBox, &TControl::OnClick, this, [this] {
    if (showing_ || !link_) return;
    link_->SetUseChannelColor(UseChannelColorCheckBox->Checked());
    Touched();
  });
  connect(LabelVisibleCheckBox, &TControl::OnClick, this, [this] {
    if (showing_ || !link_) return;
    link_->ChannelLabel()->SetVisible(LabelVisibleCheckBox->Checked());
    Touched();
  });
  connect(PenButton, &TControl::OnClick, this, [this] {
    if (!link_) return;
    TSLPenForm editor(link_->Pen());
    if (editor.Execute()) Touched();
  });
  connect(BrushButton, &TControl::OnClick, this, [this] {
    if (!link_) return;
    TSLBrushForm editor(link_->Brush());
    if (editor.Execute()) Touched();
  });
  connect(FontButton, &TControl::OnClick, this, [this] {
    if (!link_) return;
    TSLDisplayFont* font = link_->ChannelLabel()->Font();
    QFont chosen = font->ToQFont();
    QColor color = font->Color();
    if (!ChooseFont(chosen, color)) return;
    font->AssignFont(chosen, color);
    Touched();
  });
  const auto restore = [this] { Show(); };
  WatchEdit(SizeEdit, {{},
                       [this] {
                         if (!link_) return;
                         if (const auto size = ParseIntegerField(SizeEdit->Text(), tr("the size"), 1, 100)) {
                           link_->SetSize(*size);
                           Touched();
                         }
                         Show();
                       },
                       restore});
  WatchEdit(LabelEdit, {{},
                        [this] {
                          if (!link_) return;
                          link_->ChannelLabel()->SetText(LabelEdit->Text());
                          Touched();
                        },
                        restore});
}

void TSLScopeCursorChannelLinkForm::SetLink(TSLDisplayCursorChannelLink* link) {
  link_ = link;
  Show();
}

void TSLScopeCursorChannelLinkForm::Show() {
  if (!link_) return;
  TCodeChange guard(showing_);
  ShapeComboBox->SetItemIndex(int(link_->Shape()));
  SizeEdit->SetText(QString::number(link_->Size()));
  UseChannelColorCheckBox->SetChecked(link_->UseChannelColor());
  LabelVisibleCheckBox->SetChecked(link_->ChannelLabel()->Visible());
  LabelEdit->SetText(link_->ChannelLabel()->Text());
}

void TSLScopeCursorChannelLinkForm::Touched() {
  if (link_ && link_->Display()) link_->Display()->Changed();
}
