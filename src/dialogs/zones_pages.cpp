#include "dialogs/zones_pages.h"

#include "dialogs/dialog_controls.h"
#include "forms/controls/standard_controls.h"
#include "scope/scope.h"

namespace {
TSLDisplayBasicZone* AsZone(TSLDisplayCollectionItem* e) { return static_cast<TSLDisplayBasicZone*>(e); }
TSLDisplayEllipticZone* AsEllipse(TSLDisplayCollectionItem* e) { return static_cast<TSLDisplayEllipticZone*>(e); }
QString Number(double v) { return QString::number(v, 'g', 12); }

}  // namespace

// ------------------------------------------------------------ both pages

TSLBasicZonesForm::TSLBasicZonesForm(TPLCommonPropertiesForm* dialog, TSLScope* scope, TLPCollection* collection)
    : TSLCollectionPageForm(dialog, scope, collection, true) {}

void TSLBasicZonesForm::LoadZonePage(const QString& description) {
  Load(description, "ZonesListBox");
  ZonesListBox = Part<TCheckListBox>("ZonesListBox");
  XAxisComboBox = Part<TComboBox>("XAxisComboBox");
  YAxisComboBox = Part<TComboBox>("YAxisComboBox");
  ChannelsListBox = Part<TCheckListBox>("ChannelsListBox");
  FillAxisCombos(XAxisComboBox, YAxisComboBox);
  BindChannelChecks(ChannelsListBox, [](auto* e) { return AsZone(e)->Channels(); });
  BindPen(Part<TButton>("PointPenButton"), [](auto* e) { return AsZone(e)->Pen(); });
  BindBrush(Part<TButton>("PointBrushButton"), [](auto* e) { return AsZone(e)->Brush(); });
  BindCombo(XAxisComboBox, [](auto* e, int i) { AsZone(e)->SetXAxisIndex(i); });
  BindCombo(YAxisComboBox, [](auto* e, int i) { AsZone(e)->SetYAxisIndex(i); });
}

void TSLBasicZonesForm::ShowElement(TSLDisplayCollectionItem* e) {
  XAxisComboBox->SetItemIndex(AsZone(e)->XAxisIndex());
  YAxisComboBox->SetItemIndex(AsZone(e)->YAxisIndex());
}

// ------------------------------------------------------------------ zones

TSLDisplayZonesForm::TSLDisplayZonesForm(TPLCommonPropertiesForm* dialog, TSLScope* scope, int item)
    : TSLBasicZonesForm(dialog, scope, scope->Zones()) {
  LoadZonePage(QStringLiteral(":/dialogs/TSLDisplayZonesForm.dfm"));
  PointsListBox = Part<TListBox>("PointsListBox");
  PointAddButton = Part<TButton>("PointAddButton");
  PointRemoveButton = Part<TButton>("PointRemoveButton");
  PointXEdit = Part<TEdit>("PointXEdit");
  PointYEdit = Part<TEdit>("PointYEdit");

  connect(PointsListBox, &TControl::OnClick, this, [this] { ShowPoint(); });
  connect(PointAddButton, &TControl::OnClick, this, [this] {
    if (!Points()) return;
    Points()->Add();
    Touched();
    ShowPoints(Points()->Count() - 1);
  });
  connect(PointRemoveButton, &TControl::OnClick, this, [this] {
    const int i = PointsListBox->ItemIndex();
    if (!Points() || i < 0) return;
    Points()->Delete(i);
    Touched();
    ShowPoints(i < Points()->Count() ? i : Points()->Count() - 1);
  });
  auto restore = [this] { ShowPoint(); };
  WatchEdit(PointXEdit, {{}, [this] { StorePoint(PointXEdit, true); }, restore});
  WatchEdit(PointYEdit, {{}, [this] { StorePoint(PointYEdit, false); }, restore});
  Fill(item);
}

TLPCollection* TSLDisplayZonesForm::Points() const {
  auto* zone = qobject_cast<TSLDisplayZone*>(Selected());
  return zone ? zone->Points() : nullptr;
}

void TSLDisplayZonesForm::ShowElement(TSLDisplayCollectionItem* e) {
  TSLBasicZonesForm::ShowElement(e);
  ShowPoints(0);
}

void TSLDisplayZonesForm::ShowPoints(int select) {
  TCodeChange guard(showing_);
  PointsListBox->Clear();
  TLPCollection* points = Points();
  const int count = points ? points->Count() : 0;
  for (int i = 0; i < count; ++i) {
    auto* p = static_cast<TSLRealPointItem*>(points->Item(i));
    PointsListBox->AddItem(QStringLiteral("(%1; %2)").arg(Number(p->X()), Number(p->Y())));
  }
  PointsListBox->SetItemIndex(count > 0 ? qBound(0, select, count - 1) : -1);
  ShowPoint();
}

void TSLDisplayZonesForm::ShowPoint() {
  const int i = PointsListBox->ItemIndex();
  const bool any = Points() && i >= 0;
  TCodeChange guard(showing_);
  PointRemoveButton->SetEnabled(any);
  PointXEdit->SetEnabled(any);
  PointYEdit->SetEnabled(any);
  if (!any) {
    PointXEdit->SetText(QString());
    PointYEdit->SetText(QString());
    return;
  }
  auto* p = static_cast<TSLRealPointItem*>(Points()->Item(i));
  PointXEdit->SetText(Number(p->X()));
  PointYEdit->SetText(Number(p->Y()));
}

void TSLDisplayZonesForm::StorePoint(TEdit* edit, bool x) {
  const int i = PointsListBox->ItemIndex();
  if (!Points() || i < 0) return;
  auto* p = static_cast<TSLRealPointItem*>(Points()->Item(i));
  if (const auto v = ParseNumberField(edit->Text(), x ? QStringLiteral("X") : QStringLiteral("Y"))) {
    if (x) p->SetX(*v);
    else p->SetY(*v);
    Touched();
  }
  ShowPoints(i);
}

// ---------------------------------------------------------------- ellipses

TSLDisplayEllipsesForm::TSLDisplayEllipsesForm(TPLCommonPropertiesForm* dialog, TSLScope* scope, int item)
    : TSLBasicZonesForm(dialog, scope, scope->Ellipses()) {
  LoadZonePage(QStringLiteral(":/dialogs/TSLDisplayEllipsesForm.dfm"));
  X1Edit = Part<TEdit>("X1Edit");
  Y1Edit = Part<TEdit>("Y1Edit");
  X2Edit = Part<TEdit>("X2Edit");
  Y2Edit = Part<TEdit>("Y2Edit");
  struct TCorner {
    TEdit* edit;
    bool second, x;
  };
  for (const TCorner& c : {TCorner{X1Edit, false, true}, TCorner{Y1Edit, false, false}, TCorner{X2Edit, true, true},
                           TCorner{Y2Edit, true, false}}) {
    auto point = [second = c.second](TSLDisplayCollectionItem* e) {
      return second ? AsEllipse(e)->Point2() : AsEllipse(e)->Point1();
    };
    const bool x = c.x;
    BindField(
        c.edit, [point, x](auto* e) { return Number(x ? point(e)->X() : point(e)->Y()); },
        [point, x](auto* e, const QString& text) {
          const auto v = ParseNumberField(text, x ? QStringLiteral("X") : QStringLiteral("Y"));
          if (v && x) point(e)->SetX(*v);
          if (v && !x) point(e)->SetY(*v);
          return v.has_value();
        });
  }
  HighlightingCheckBox = Part<TCheckBox>("HighlightingCheckBox");
  PointsCheckBox = Part<TCheckBox>("PointsCheckBox");
  // The two tabs edit the link of the channel selected in the list.
  connect(ChannelsListBox, &TControl::OnClick, this, [this] { ShowLink(); });
  connect(ChannelsListBox, &TCheckListBox::OnClickCheck, this, [this] { ShowLink(); });
  for (TCheckBox* box : {HighlightingCheckBox, PointsCheckBox}) {
    connect(box, &TControl::OnClick, this, [this, box] {
      TSLDisplayZoneChannelLink* link = SelectedLink();
      if (showing_ || !link) return;
      if (box == HighlightingCheckBox) link->SetHighlighting(box->Checked());
      else link->SetPoints(box->Checked());
      Touched();
    });
  }
  Fill(item);
}

void TSLDisplayEllipsesForm::ShowElement(TSLDisplayCollectionItem* e) {
  TSLBasicZonesForm::ShowElement(e);
  ShowLink();
}

TSLDisplayZoneChannelLink* TSLDisplayEllipsesForm::SelectedLink() const {
  auto* zone = qobject_cast<TSLDisplayBasicZone*>(Selected());
  if (!zone) return nullptr;
  const int link = SLChannelLinkIndex(zone->Channels(), ChannelsListBox->ItemIndex());
  return link >= 0 ? zone->ChannelLink(link) : nullptr;
}

void TSLDisplayEllipsesForm::ShowLink() {
  TCodeChange guard(showing_);
  const TSLDisplayZoneChannelLink* link = SelectedLink();
  HighlightingCheckBox->SetEnabled(link != nullptr);
  PointsCheckBox->SetEnabled(link != nullptr);
  HighlightingCheckBox->SetChecked(link && link->Highlighting());
  PointsCheckBox->SetChecked(link && link->Points());
}
