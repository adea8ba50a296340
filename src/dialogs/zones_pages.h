#pragma once
// The zones page (polygons through a list of points) and the ellipses page
// (the ellipse inside two corner points).

#include "dialogs/collection_page.h"

class TButton;

class TSLDisplayZonesForm : public TSLCollectionPageForm {
  Q_OBJECT

public:
  TSLDisplayZonesForm(TPLCommonPropertiesForm* dialog, TSLScope* scope, int item);

  TCheckListBox* ZonesListBox = nullptr;
  TComboBox* XAxisComboBox = nullptr;
  TComboBox* YAxisComboBox = nullptr;
  TListBox* PointsListBox = nullptr;
  TButton* PointAddButton = nullptr;
  TButton* PointRemoveButton = nullptr;
  TEdit* PointXEdit = nullptr;
  TEdit* PointYEdit = nullptr;
  TCheckListBox* ChannelsListBox = nullptr;

protected:
  void ShowElement(TSLDisplayCollectionItem* e) override;

private:
  void ShowPoints(int select);
  void ShowPoint();
  void StorePoint(TEdit* edit, bool x);
  TLPCollection* Points() const;
};

class TSLDisplayEllipsesForm : public TSLCollectionPageForm {
  Q_OBJECT

public:
  TSLDisplayEllipsesForm(TPLCommonPropertiesForm* dialog, TSLScope* scope, int item);

  TCheckListBox* ZonesListBox = nullptr;
  TComboBox* XAxisComboBox = nullptr;
  TComboBox* YAxisComboBox = nullptr;
  TEdit* X1Edit = nullptr;
  TEdit* Y1Edit = nullptr;
  TEdit* X2Edit = nullptr;
  TEdit* Y2Edit = nullptr;
  TCheckListBox* ChannelsListBox = nullptr;

protected:
  void ShowElement(TSLDisplayCollectionItem* e) override;
};
