#pragma once
// The controls the property dialogs need beyond the experiment windows':
// list boxes (plain and with check boxes), a group frame and a colour swatch.

#include "draw/control.h"

#include <QStringList>

class QAbstractButton;
class QListWidget;

class TListBox : public TControl {
  Q_OBJECT
  Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
  Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
  Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)

public:
  // OnClick follows the user's selection (mouse or keys), OnDblClick a
  // double click and OnMouseUp any release of a button over the list.
  explicit TListBox(QWidget* parent = nullptr);
  QStringList Items() const;
  void SetItems(const QStringList& items);
  int Count() const;
  QString Item(int i) const;
  void SetItem(int i, const QString& text);
  void AddItem(const QString& text);
  void DeleteItem(int i);
  void Clear();
  // -1 for no selection; selecting by code raises no event.
  int ItemIndex() const;
  void SetItemIndex(int i);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int v) { itemHeight_ = v; }
  QListWidget* List() const { return list_; }

protected:
  explicit TListBox(bool checks, QWidget* parent);
  void Resized() override;
  // Raises OnMouseUp for releases inside the list.
  bool eventFilter(QObject* watched, QEvent* e) override;
  QListWidget* list_;
  bool checks_;
  bool byCode_ = false;

private:
  int itemHeight_ = 13;
};

// Each entry has a check box; the user's toggling raises OnClickCheck after
// selecting the entry (and OnClick first when that moved the selection).
class TCheckListBox : public TListBox {
  Q_OBJECT
public:
  explicit TCheckListBox(QWidget* parent = nullptr);
  bool Checked(int i) const;
  // By code: raises no event.
  void SetChecked(int i, bool v);
  void AddItem(const QString& text, bool checked);

signals:
  void OnClickCheck(QObject* Sender);
};

// A captioned frame around other controls.
class TGroupBox : public TControl {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
public:
  explicit TGroupBox(QWidget* parent = nullptr);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& v) { caption_ = v; update(); }

protected:
  void paintEvent(QPaintEvent* e) override;

private:
  QString caption_;
};

// Fills its whole area with its Color (the colour swatches of the dialogs).
class TPaintBox : public TControl {
  Q_OBJECT
public:
  explicit TPaintBox(QWidget* parent = nullptr);

protected:
  void paintEvent(QPaintEvent* e) override;
  bool PaintsBackground() const override { return false; }
};

// Up and down arrows beside an edit field (its Associate): a click steps
// the number in the field by Increment within Min..Max and raises OnClick.
class TUpDown : public TControl {
  Q_OBJECT
  Q_PROPERTY(QObject* Associate READ Associate WRITE SetAssociate)
  Q_PROPERTY(int Min READ Min WRITE SetMin)
  Q_PROPERTY(int Max READ Max WRITE SetMax)
  Q_PROPERTY(int Position READ Position WRITE SetPosition)
  Q_PROPERTY(int Increment READ Increment WRITE SetIncrement)
public:
  explicit TUpDown(QWidget* parent = nullptr);
  QObject* Associate() const { return associate_; }
  void SetAssociate(QObject* v) { associate_ = v; }
  int Min() const { return min_; }
  void SetMin(int v) { min_ = v; }
  int Max() const { return max_; }
  void SetMax(int v) { max_ = v; }
  int Position() const { return position_; }
  void SetPosition(int v) { position_ = qBound(min_, v, max_); }
  int Increment() const { return increment_; }
  void SetIncrement(int v) { increment_ = v; }
  // What a click on the upper (+1) or lower (-1) arrow does.
  void Step(int direction);
  QAbstractButton* UpButton() const { return up_; }
  QAbstractButton* DownButton() const { return down_; }

protected:
  void Resized() override;

private:
  QObject* associate_ = nullptr;
  int min_ = 0, max_ = 100, position_ = 0, increment_ = 1;
  QAbstractButton* up_;
  QAbstractButton* down_;
};

void RegisterDialogControls();
