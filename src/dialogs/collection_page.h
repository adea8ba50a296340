#pragma once
// Base of the pages that edit one collection of the scope (channels,
// cursors, links, zones...): the list of elements on the left, the visible
// check and the name field, Add and Remove, and the enabling of the page.

#include "dialogs/property_page.h"

#include <functional>

class TCheckBox;
class TCheckListBox;
class TComboBox;
class TEdit;
class TListBox;
class TPaintBox;
class TPopupMenu;
class TMenuItem;
class TSLDisplayFont;
class TSLDisplayPen;
class TSLDisplayBrush;
class TLPCollection;
class TSLDisplayCollectionItem;
class TSLScope;

class TSLCollectionPageForm : public TSLPropertyPageForm {
  Q_OBJECT

public:
  TSLScope* Scope() const { return scope_; }
  TLPCollection* Collection() const { return collection_; }
  TListBox* ListBox() const { return list_; }
  TCheckBox* VisibleBox() const { return visible_; }
  TEdit* NameEditField() const { return name_; }
  TSLDisplayCollectionItem* Element(int i) const;
  TSLDisplayCollectionItem* Selected() const;

  void Activate() override;
  void AddItem() override;
  void RemoveItem() override;

protected:
  // `listName` names the page's list (a check list when the elements have a
  // Visible property); `canAdd` allows Add and Remove.
  TSLCollectionPageForm(TPLCommonPropertiesForm* dialog, TSLScope* scope, TLPCollection* collection, bool canAdd);
  // Reads the description and takes up the list, the visible check and
  // the name field.
  void Load(const QString& description, const char* listName);
  // Fills the list and shows entry i (none when the collection is empty).
  void Fill(int item);
  // Copies the selected element's own values into the page's controls;
  // called under the guard with a selection.
  virtual void ShowElement(TSLDisplayCollectionItem*) {}
  virtual bool AddAllowed() const { return canAdd_; }
  void ShowSelection();
  void EvaluateEnabling();

  // Helpers for the pages' controls.
  // A drop-down list whose selection goes to `set` (not while showing, and
  // only with a selected element).
  void BindCombo(TComboBox* combo, std::function<void(TSLDisplayCollectionItem*, int)> set);
  void BindCheck(TCheckBox* box, std::function<void(TSLDisplayCollectionItem*, bool)> set);
  // A colour button with its swatch: the colour dialog starts from `get`.
  void BindColor(QObject* button, TPaintBox* swatch, std::function<QColor(TSLDisplayCollectionItem*)> get,
                 std::function<void(TSLDisplayCollectionItem*, const QColor&)> set);
  // A field stored on leaving it or Enter, restored by Escape; `get` shows
  // it and `set` returns false (after telling the user) to refuse the text.
  void BindField(TEdit* edit, std::function<QString(TSLDisplayCollectionItem*)> get,
                 std::function<bool(TSLDisplayCollectionItem*, const QString&)> set);
  // "&Font...": the font dialog starts from the element's font.
  void BindFont(QObject* button, std::function<TSLDisplayFont*(TSLDisplayCollectionItem*)> font);
  // "&Pen..." and "&Brush...": the pen and brush editors.
  void BindPen(QObject* button, std::function<TSLDisplayPen*(TSLDisplayCollectionItem*)> pen);
  void BindBrush(QObject* button, std::function<TSLDisplayBrush*(TSLDisplayCollectionItem*)> brush);
  // A "..." button whose menu items insert their tokens into a field at
  // the caret and store it.
  void BindInsertMenu(QObject* button, TPopupMenu* menu, TEdit* edit, const QList<QPair<TMenuItem*, QString>>& items);
  // A check list of the scope's channels kept in step with the selected
  // element's channel links (`links`): checking a channel adds a link to
  // it, unchecking removes it.
  void BindChannelChecks(TCheckListBox* list, std::function<TLPCollection*(TSLDisplayCollectionItem*)> links);
  // The scope repaints after an edit of a part that does not tell it.
  void Touched();
  void FillAxisCombos(TComboBox* x, TComboBox* y);
  QStringList ChannelNames() const;

private:
  void ListClick();
  void ListCheckClick();
  void VisibleClick();
  void StoreName();
  void RestoreName();
  bool HasVisible() const;
  TSLScope* scope_;
  TLPCollection* collection_;
  TListBox* list_ = nullptr;
  TCheckListBox* checks_ = nullptr;
  TCheckBox* visible_ = nullptr;
  TEdit* name_ = nullptr;
  bool canAdd_;
  QList<std::function<void(TSLDisplayCollectionItem*)>> refreshers_;
};
