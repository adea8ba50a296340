#pragma once
// The frame of the property dialogs: a page control over a bottom bar with
// "Add", "Remove" and "OK". Each page is a borderless form embedded in a
// tab sheet; the frame passes page changes and the Add / Remove clicks to
// the active page, and decides what Escape and Enter do.

#include "forms/controls/form.h"

#include <QList>

class TButton;
class TPageControl;
class TPanel;
class TSLPropertyPageForm;

class TPLCommonPropertiesForm : public TForm {
  Q_OBJECT

public:
  explicit TPLCommonPropertiesForm(QWidget* parent = nullptr);
  ~TPLCommonPropertiesForm() override;

  TPageControl* PageControl = nullptr;
  TPanel* Panel1 = nullptr;
  TPanel* Panel2 = nullptr;
  TButton* AddButton = nullptr;
  TButton* RemoveButton = nullptr;
  TButton* OkButton = nullptr;

  // Embeds `page` in a new tab sheet and grows the dialog to fit it.
  void AddPage(TSLPropertyPageForm* page);
  int PageCount() const { return int(pages_.size()); }
  TSLPropertyPageForm* Page(int i) const { return pages_.value(i); }
  TSLPropertyPageForm* ActivePage() const;
  // Makes page i the active one and runs its Activate.
  void SetActivePageIndex(int i);

  // The dialog's key handling ahead of the focused control; true when the
  // key was consumed.
  bool FormShortCut(int key);

  // Shows the dialog and waits until it is closed.
  void ShowModal();

public slots:
  void PageControlChange(QObject* Sender);
  void AddButtonClick(QObject* Sender);
  void RemoveButtonClick(QObject* Sender);
  void OkButtonClick(QObject* Sender);

signals:
  void Finished();

protected:
  void Resized() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void hideEvent(QHideEvent* e) override;

private:
  QList<TSLPropertyPageForm*> pages_;
};
