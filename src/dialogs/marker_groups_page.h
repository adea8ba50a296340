#pragma once
// The marker groups page: shape, size, pen and brush of the markers, their
// labels and crosshair lines. Groups come from the scope's setup only.

#include "dialogs/collection_page.h"

class TBitBtn;
class TButton;
class TMenuItem;
class TPopupMenu;

class TSLScopeMerkerGroupsForm : public TSLCollectionPageForm {
  Q_OBJECT

public:
  TSLScopeMerkerGroupsForm(TPLCommonPropertiesForm* dialog, TSLScope* scope, int item);

  TCheckListBox* GroupListBox = nullptr;
  TComboBox* ShapeComboBox = nullptr;
  TEdit* SizeEdit = nullptr;
  TButton* PointPenButton = nullptr;
  TButton* PointBrushButton = nullptr;
  TCheckBox* LabelVisibleCheckBox = nullptr;
  TEdit* LabelEdit = nullptr;
  TButton* LabelMenuButton = nullptr;
  TButton* BitBtn3 = nullptr;
  TCheckBox* CrosshairCheckBoxes[4] = {};  // left, top, right, bottom

protected:
  void ShowElement(TSLDisplayCollectionItem* e) override;
};
