#pragma once
// The zones page (polygons through a list of points) and the ellipses page
// (the ellipse inside two corner points).

#include "dialogs/collection_page.h"

class TButton;
class TSLDisplayZoneChannelLink;

// What both pages share: the list, pen and brush, the two axes and the
// channels seen through the zone.
class TSLBasicZonesForm : public TSLCollectionPageForm {
  Q_OBJECT

public:
  TCheckListBox* ZonesListBox = nullptr;
  TComboBox* XAxisComboBox = nullptr;
  TComboBox* YAxisComboBox = nullptr;
  TCheckListBox* ChannelsListBox = nullptr;

protected:
  TSLBasicZonesForm(TPLCommonPropertiesForm* dialog, TSLScope* scope, TLPCollection* collection);
  // Reads the page's description (from the final class's constructor, as
  // the description names that class) and binds the shared controls.
  void LoadZonePage(const QString& description);
  void ShowElement(TSLDisplayCollectionItem* e) override;
};

class TSLDisplayZonesForm : public TSLBasicZonesForm {
  Q_OBJECT

public:
  TSLDisplayZonesForm(TPLCommonPropertiesForm* dialog, TSLScope* scope, int item);

  TListBox* PointsListBox = nullptr;
  TButton* PointAddButton = nullptr;
  TButton* PointRemoveButton = nullptr;
  TEdit* PointXEdit = nullptr;
  TEdit* PointYEdit = nullptr;

protected:
  void ShowElement(TSLDisplayCollectionItem* e) override;

private:
  void ShowPoints(int select);
  void ShowPoint();
  void StorePoint(TEdit* edit, bool x);
  TLPCollection* Points() const;
};

class TSLDisplayEllipsesForm : public TSLBasicZonesForm {
  Q_OBJECT

public:
  TSLDisplayEllipsesForm(TPLCommonPropertiesForm* dialog, TSLScope* scope, int item);

  TEdit* X1Edit = nullptr;
  TEdit* Y1Edit = nullptr;
  TEdit* X2Edit = nullptr;
  TEdit* Y2Edit = nullptr;
  TCheckBox* HighlightingCheckBox = nullptr;
  TCheckBox* PointsCheckBox = nullptr;

protected:
  void ShowElement(TSLDisplayCollectionItem* e) override;

private:
  // The link of the channel selected in the channel list, or null when that
  // channel is not seen through the ellipse.
  TSLDisplayZoneChannelLink* SelectedLink() const;
  void ShowLink();
};
