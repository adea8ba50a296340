#pragma once
// The channels page: how each channel's trace and its sample points are
// drawn. Channels come from the scope's inputs and are neither added nor
// removed here.

#include "dialogs/collection_page.h"

class TButton;

class TSLScopeChannelForm : public TSLCollectionPageForm {
  Q_OBJECT

public:
  TSLScopeChannelForm(TPLCommonPropertiesForm* dialog, TSLScope* scope, int item);

  TCheckListBox* ChannelsListBox = nullptr;
  TCheckBox* VisibleCheckBox = nullptr;
  TEdit* NameEdit = nullptr;
  TComboBox* ModeComboBox = nullptr;
  TPaintBox* ColorPaintBox = nullptr;
  TButton* ColorButton = nullptr;
  TEdit* WidthEdit = nullptr;
  TComboBox* ShadeComboBox = nullptr;
  TComboBox* XAxisComboBox = nullptr;
  TComboBox* YAxisComboBox = nullptr;
  TCheckBox* PointsVisibleCheckBox = nullptr;
  TComboBox* PointsShapeComboBox = nullptr;
  TEdit* PointsSizeEdit = nullptr;
  TButton* PointPenButton = nullptr;
  TButton* PointBrushButton = nullptr;
  TCheckBox* PointsUseChannelColorCheckBox = nullptr;

protected:
  void ShowElement(TSLDisplayCollectionItem* e) override;
};
