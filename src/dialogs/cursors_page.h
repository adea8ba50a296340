#pragma once
// The cursors page: visibility, colour, name, kind and axes of each cursor;
// cursors added here can be removed again.

#include "dialogs/collection_page.h"

class TButton;
class TSLDisplayCursor;

class TSLScopeCursorsForm : public TSLCollectionPageForm {
  Q_OBJECT

public:
  TSLScopeCursorsForm(TPLCommonPropertiesForm* dialog, TSLScope* scope, int item);

  TCheckListBox* CursorListBox = nullptr;
  TCheckBox* VisibleCheckBox = nullptr;
  TPaintBox* ColorPaintBox = nullptr;
  TButton* PointColorButton = nullptr;
  TEdit* NameEdit = nullptr;
  TComboBox* KindComboBox = nullptr;
  TComboBox* XAxisComboBox = nullptr;
  TComboBox* YAxisComboBox = nullptr;
  TCheckListBox* ChannelsListBox = nullptr;

protected:
  void ShowElement(TSLDisplayCollectionItem* e) override;
};
