#pragma once
// The editing page of one cursor channel link (the mark where a channel
// crosses a cursor): shape, size, pen, brush, use of the channel's colour
// and the label beside the mark. The cursors page shows it under the
// cursor's own fields while a linked channel is selected.

#include <QPointer>

#include "dialogs/property_page.h"
#include "scope/model/display_collections.h"

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;

class TSLScopeCursorChannelLinkForm : public TSLPropertyPageForm {
  Q_OBJECT

public:
  explicit TSLScopeCursorChannelLinkForm(TPLCommonPropertiesForm* dialog);

  TComboBox* ShapeComboBox = nullptr;
  TEdit* SizeEdit = nullptr;
  TButton* PenButton = nullptr;
  TButton* BrushButton = nullptr;
  TButton* FontButton = nullptr;
  TCheckBox* UseChannelColorCheckBox = nullptr;
  TCheckBox* LabelVisibleCheckBox = nullptr;
  TEdit* LabelEdit = nullptr;

  TSLDisplayCursorChannelLink* Link() const { return link_; }
  // Edits `link` from now on and shows its values.
  void SetLink(TSLDisplayCursorChannelLink* link);

private:
  void Show();
  // The scope repaints after an edit of a part that does not tell it.
  void Touched();
  // Cleared when the link goes (its cursor removed, its channel unchecked).
  QPointer<TSLDisplayCursorChannelLink> link_;
};
