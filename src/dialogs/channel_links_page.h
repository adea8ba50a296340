#pragma once
// The channel links page: the band or bars drawn between two channels.

#include "dialogs/collection_page.h"

class TButton;

class TSLScopeChannelLinkFormUnit : public TSLCollectionPageForm {
  Q_OBJECT

public:
  TSLScopeChannelLinkFormUnit(TPLCommonPropertiesForm* dialog, TSLScope* scope, int item);

  TCheckListBox* ChannelLinksCheckBox = nullptr;
  TComboBox* FirstChannelComboBox = nullptr;
  TComboBox* SecondChannelComboBox = nullptr;
  TComboBox* ModeComboBox = nullptr;
  TEdit* WidthEdit = nullptr;
  TButton* PointBrushButton = nullptr;

protected:
  void ShowElement(TSLDisplayCollectionItem* e) override;
};
