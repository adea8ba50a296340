#pragma once
// The cursors page: visibility, colour, name, kind and axes of each cursor;
// cursors added here can be removed again.

#include "dialogs/collection_page.h"

class TButton;
class TSLDisplayCursor;
class TSLScopeCursorChannelLinkForm;

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
  // The crossing mark of the selected cursor and channel, while they are
  // linked; null otherwise.
  TSLScopeCursorChannelLinkForm* ChannelLinkPage() const { return channelLinkPage_; }

protected:
  void ShowElement(TSLDisplayCollectionItem* e) override;

private:
  void EvaluateChannelLinkPage();
  TSLScopeCursorChannelLinkForm* channelLinkPage_ = nullptr;
};
