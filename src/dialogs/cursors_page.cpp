#include "dialogs/cursors_page.h"

#include "dialogs/cursor_channel_link_page.h"
#include "dialogs/dialog_controls.h"
#include "forms/controls/standard_controls.h"
#include "scope/scope.h"

namespace {
TSLDisplayCursor* AsCursor(TSLDisplayCollectionItem* e) { return static_cast<TSLDisplayCursor*>(e); }
}  // namespace

TSLScopeCursorsForm::TSLScopeCursorsForm(TPLCommonPropertiesForm* dialog, TSLScope* scope, int item)
    : TSLCollectionPageForm(dialog, scope, scope->Cursors(), true) {
  Load(QStringLiteral(":/dialogs/TSLScopeCursorsForm.dfm"), "CursorListBox");
  CursorListBox = Part<TCheckListBox>("CursorListBox");
  VisibleCheckBox = Part<TCheckBox>("VisibleCheckBox");
  ColorPaintBox = Part<TPaintBox>("ColorPaintBox");
  PointColorButton = Part<TButton>("PointColorButton");
  NameEdit = Part<TEdit>("NameEdit");
  KindComboBox = Part<TComboBox>("KindComboBox");
  XAxisComboBox = Part<TComboBox>("XAxisComboBox");
  YAxisComboBox = Part<TComboBox>("YAxisComboBox");
  ChannelsListBox = Part<TCheckListBox>("ChannelsListBox");
  {
    TCodeChange guard(showing_);
    KindComboBox->SetItems(EnumDisplayNames(QMetaEnum::fromType<SL::TSLDisplayCursorKind>()));
  }
  FillAxisCombos(XAxisComboBox, YAxisComboBox);
  // A checked channel gets a crossing mark on the selected cursor.
  BindChannelChecks(ChannelsListBox, [](auto* e) { return AsCursor(e)->Channels(); });
  // A click, a double click or a release over the list shows the crossing
  // mark of the selected channel (a click on the selected entry changes
  // no selection, and must not leave the page closed).
  connect(ChannelsListBox, &TControl::OnClick, this, [this] { EvaluateChannelLinkPage(); });
  connect(ChannelsListBox, &TControl::OnDblClick, this, [this] { EvaluateChannelLinkPage(); });
  connect(ChannelsListBox, &TControl::OnMouseUp, this, [this] { EvaluateChannelLinkPage(); });
  // A removed cursor may take the link the crossing-mark page edits.
  connect(scope->Cursors(), &TOWExtCollection::Changed, this, [this] { EvaluateChannelLinkPage(); });
  connect(ChannelsListBox, &TCheckListBox::OnClickCheck, this, [this] { EvaluateChannelLinkPage(); });

  BindCombo(KindComboBox, [](auto* e, int i) { AsCursor(e)->SetKind(SL::TSLDisplayCursorKind(i)); });
  BindCombo(XAxisComboBox, [](auto* e, int i) { AsCursor(e)->SetXAxisIndex(i); });
  BindCombo(YAxisComboBox, [](auto* e, int i) { AsCursor(e)->SetYAxisIndex(i); });
  BindColor(
      PointColorButton, ColorPaintBox, [](auto* e) { return AsCursor(e)->Color(); },
      [](auto* e, const QColor& c) { AsCursor(e)->SetColor(c); });
  Fill(item);
}

void TSLScopeCursorsForm::ShowElement(TSLDisplayCollectionItem* e) {
  TSLDisplayCursor* cursor = AsCursor(e);
  KindComboBox->SetItemIndex(int(cursor->Kind()));
  XAxisComboBox->SetItemIndex(cursor->XAxisIndex());
  YAxisComboBox->SetItemIndex(cursor->YAxisIndex());
  EvaluateChannelLinkPage();
}

void TSLScopeCursorsForm::EvaluateChannelLinkPage() {
  auto* cursor = qobject_cast<TSLDisplayCursor*>(Selected());
  const int channel = ChannelsListBox->ItemIndex();
  const int link = cursor && channel >= 0 && ChannelsListBox->Checked(channel)
                       ? SLChannelLinkIndex(cursor->Channels(), channel)
                       : -1;
  if (link < 0) {
    delete channelLinkPage_;
    channelLinkPage_ = nullptr;
    return;
  }
  if (!channelLinkPage_) {
    // Under the cursor's own fields, in the same panel.
    auto* host = Part<QWidget>("Panel1");
    channelLinkPage_ = new TSLScopeCursorChannelLinkForm(Dialog());
    channelLinkPage_->setParent(host);
    channelLinkPage_->move(6, host->height() - channelLinkPage_->ClientHeight() - 4);
    channelLinkPage_->show();
  }
  channelLinkPage_->SetLink(cursor->ChannelLink(link));
}
