#pragma once
// The cursor links page: the two cursors of each link, its measurement
// line, the line's label and the selection between the cursors. Links can
// be added while the scope has two cursors to join.

#include "dialogs/collection_page.h"

class TBitBtn;
class TButton;
class TMenuItem;
class TPopupMenu;

class TSLScopeCursorLinksForm : public TSLCollectionPageForm {
  Q_OBJECT

public:
  TSLScopeCursorLinksForm(TPLCommonPropertiesForm* dialog, TSLScope* scope, int item);

  TListBox* CursorLinksListBox = nullptr;
  TEdit* NameEdit = nullptr;
  TComboBox* BeginCursorComboBox = nullptr;
  TComboBox* EndCursorComboBox = nullptr;
  TCheckBox* MeasurementVisibleCheckBox = nullptr;
  TPaintBox* MeasurementColorPaintBox = nullptr;
  TButton* MeasurementColorButton = nullptr;
  TComboBox* MeasurementStyleComboBox = nullptr;
  TComboBox* MeasurementModeComboBox = nullptr;
  TCheckBox* LabelVisibleCheckBox = nullptr;
  TEdit* LabelEdit = nullptr;
  TButton* LabelMenuButton = nullptr;
  TPopupMenu* LabelPopupMenu = nullptr;
  TMenuItem* ValueMenuItem = nullptr;
  TMenuItem* PercentMenuItem = nullptr;
  TBitBtn* BitBtn3 = nullptr;
  TCheckBox* SelectionVisibleCheckBox = nullptr;
  TButton* PointBrushButton = nullptr;

  void Activate() override;

protected:
  void ShowElement(TSLDisplayCollectionItem* e) override;
  bool AddAllowed() const override;

private:
  void FillCursorNames();
};
