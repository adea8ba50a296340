#include "dialogs/axes_pages.h"

#include "dialogs/common_properties_form.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/standard_dialogs.h"
#include "draw/message_service.h"
#include "forms/controls/standard_controls.h"
#include "scope/data_chart.h"

#include <cmath>

TSLScopeAxesForm::TSLScopeAxesForm(TPLCommonPropertiesForm* dialog, TSLDataChart* chart)
    : TSLPropertyPageForm(dialog), chart_(chart) {}

void TSLScopeAxesForm::Setup(const QString& caption, int count, int item) {
  LoadDescription(QStringLiteral(":/dialogs/TSLScopeAxesForm.dfm"));
  SetCaption(caption);
  AxisListBox = Part<TCheckListBox>("AxisListBox");
  VisibleCheckBox = Part<TCheckBox>("VisibleCheckBox");
  ScaleModeComboBox = Part<TComboBox>("ScaleModeComboBox");
  LabelVisibleCheckBox = Part<TCheckBox>("LabelVisibleCheckBox");
  BitBtn3 = Part<TBitBtn>("BitBtn3");
  LabelEdit = Part<TEdit>("LabelEdit");
  MinEdit = Part<TEdit>("MinEdit");
  MaxEdit = Part<TEdit>("MaxEdit");

  connect(AxisListBox, &TControl::OnClick, this, [this] { ShowAxis(); });
  connect(AxisListBox, &TCheckListBox::OnClickCheck, this, [this] { ListCheckClick(); });
  connect(VisibleCheckBox, &TControl::OnClick, this, [this] { VisibleClick(); });
  connect(ScaleModeComboBox, &TComboBox::OnChange, this, [this] { ScaleModeChange(); });
  connect(LabelVisibleCheckBox, &TControl::OnClick, this, [this] { LabelVisibleClick(); });
  connect(BitBtn3, &TControl::OnClick, this, [this] { FontClick(); });
  // The label follows every keystroke; leaving or Escape only end the edit.
  WatchEdit(LabelEdit, {[this] { LabelChange(); }, {}, {}});
  // A range takes effect when the field is left or Enter is pressed; Escape
  // brings back the axis's own values.
  auto restoreRange = [this] {
    if (auto* axis = SelectedAxis()) ShowRange(axis);
  };
  WatchEdit(MinEdit, {{}, [this] { StoreRange(); }, restoreRange});
  WatchEdit(MaxEdit, {{}, [this] { StoreRange(); }, restoreRange});
  for (int j = 0; j < count; ++j) {
    TSLDisplayAxis* axis = AxisAt(j);
    AxisListBox->AddItem(AxisTitle(axis), axis->Visible());
  }
  AxisListBox->SetItemIndex(item);
  ShowAxis();
}

QString TSLScopeAxesForm::AxisTitle(TSLDisplayAxis* axis) {
  // The title the axis shows ("Sec", "Samples", its label...).
  const QString text = axis->TitleText();
  if (!text.isEmpty()) return text;
  return axis->IsXAxis() ? tr("X Axis") : tr("Y Axis");
}

TSLDisplayAxis* TSLScopeAxesForm::SelectedAxis() const {
  const int i = AxisListBox->ItemIndex();
  return i >= 0 ? AxisAt(i) : nullptr;
}

void TSLScopeAxesForm::ShowAxis() {
  TSLDisplayAxis* axis = SelectedAxis();
  if (!axis) return;
  TCodeChange guard(showing_);
  LabelEdit->SetText(axis->AxisLabel()->Text());
  VisibleCheckBox->SetChecked(axis->Visible());
  ScaleModeComboBox->SetItemIndex(int(axis->ScaleMode()));
  LabelVisibleCheckBox->SetChecked(axis->AxisLabel()->Visible());
  ShowRange(axis);
}

void TSLScopeAxesForm::ShowRange(TSLDisplayAxis* axis) {
  TCodeChange guard(showing_);
  MinEdit->SetText(QString::number(axis->Min()->Value(), 'g', 12));
  MaxEdit->SetText(QString::number(axis->Max()->Value(), 'g', 12));
}

void TSLScopeAxesForm::StoreRange() {
  TSLDisplayAxis* axis = SelectedAxis();
  if (!axis) return;
  const auto low = ParseNumberField(MinEdit->Text(), tr("the minimum"));
  const auto high = low ? ParseNumberField(MaxEdit->Text(), tr("the maximum")) : std::nullopt;
  if (low && high && !(*low < *high))
    ShowMessage(tr("The minimum (%1) must be below the maximum (%2).").arg(*low).arg(*high));
  if (!low || !high || !(*low < *high)) {
    ShowRange(axis);
    return;
  }
  // The data values keep their linear relation to the shown values (the
  // time axis shows seconds over sample numbers).
  const double dLow = axis->DataValueFor(*low), dHigh = axis->DataValueFor(*high);
  // Both spans must be finite and so must the scale between them, both
  // ways, or the axis could not place a single tick.
  const double span = *high - *low, dataSpan = std::abs(dHigh - dLow), ratio = dataSpan / span;
  if (!std::isfinite(span) || !std::isfinite(dataSpan) || !std::isfinite(ratio) || ratio == 0 ||
      !std::isfinite(1 / ratio)) {
    ShowMessage(tr("The range %1 to %2 is too wide or too narrow to be shown.").arg(*low).arg(*high));
    ShowRange(axis);
    return;
  }
  // A typed range holds: the ends stop following the data.
  axis->Min()->SetAutoScale(false);
  axis->Max()->SetAutoScale(false);
  if (auto* y = qobject_cast<TSLBasicScopeYAxis*>(axis)) y->AutoScaling()->SetEnabled(false);
  axis->Max()->SetMode(SL::mamValue);
  axis->Min()->SetValue(*low);
  axis->Min()->SetDataValue(dLow);
  axis->Max()->SetValue(*high);
  axis->Max()->SetDataValue(dHigh);
  ShowRange(axis);
}

void TSLScopeAxesForm::ListCheckClick() {
  const int i = AxisListBox->ItemIndex();
  TSLDisplayAxis* axis = SelectedAxis();
  if (!axis) return;
  axis->SetVisible(AxisListBox->Checked(i));
  TCodeChange guard(showing_);
  VisibleCheckBox->SetChecked(axis->Visible());
}

void TSLScopeAxesForm::VisibleClick() {
  if (showing_) return;
  TSLDisplayAxis* axis = SelectedAxis();
  if (!axis) return;
  axis->SetVisible(VisibleCheckBox->Checked());
  AxisListBox->SetChecked(AxisListBox->ItemIndex(), axis->Visible());
}

void TSLScopeAxesForm::ScaleModeChange() {
  if (showing_) return;
  TSLDisplayAxis* axis = SelectedAxis();
  const int mode = ScaleModeComboBox->ItemIndex();
  if (!axis || mode < 0) return;
  axis->SetScaleMode(SL::TSLScaleMode(mode));
}

void TSLScopeAxesForm::LabelVisibleClick() {
  if (showing_) return;
  if (TSLDisplayAxis* axis = SelectedAxis()) axis->AxisLabel()->SetVisible(LabelVisibleCheckBox->Checked());
}

void TSLScopeAxesForm::LabelChange() {
  TSLDisplayAxis* axis = SelectedAxis();
  if (!axis) return;
  axis->AxisLabel()->SetText(LabelEdit->Text());
  AxisListBox->SetItem(AxisListBox->ItemIndex(), AxisTitle(axis));
}

void TSLScopeAxesForm::FontClick() {
  TSLDisplayAxis* axis = SelectedAxis();
  if (!axis) return;
  TSLDisplayFont* font = axis->AxisLabel()->Font();
  QFont f = font->ToQFont();
  QColor color = font->Color();
  if (ChooseFont(f, color)) font->AssignFont(f, color);
}

TSLScopeXAxesForm::TSLScopeXAxesForm(TPLCommonPropertiesForm* dialog, TSLDataChart* chart, int item)
    : TSLScopeAxesForm(dialog, chart) {
  Setup(tr("X Axes"), chart->XAxisCount(), item);
}

TSLDisplayAxis* TSLScopeXAxesForm::AxisAt(int index) const { return Chart()->XAxisAt(index); }

TSLScopeYAxesForm::TSLScopeYAxesForm(TPLCommonPropertiesForm* dialog, TSLDataChart* chart, int item)
    : TSLScopeAxesForm(dialog, chart) {
  Setup(tr("Y Axes"), chart->YAxisCount(), item);
}

TSLDisplayAxis* TSLScopeYAxesForm::AxisAt(int index) const { return Chart()->YAxisAt(index); }
