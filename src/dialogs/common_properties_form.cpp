#include "dialogs/common_properties_form.h"

#include "dialogs/property_page.h"
#include "forms/controls/standard_controls.h"
#include "forms/description_reader.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
constexpr int kBottomBarHeight = 41;
}

TPLCommonPropertiesForm::TPLCommonPropertiesForm(QWidget* parent) : TForm(parent) {
  ReadDescriptionFromResource(this, QStringLiteral(":/dialogs/TPLCommonPropertiesForm.dfm"));
  PageControl = DialogPart<TPageControl>(this, "PageControl");
  Panel1 = DialogPart<TPanel>(this, "Panel1");
  Panel2 = DialogPart<TPanel>(this, "Panel2");
  AddButton = DialogPart<TButton>(this, "AddButton");
  RemoveButton = DialogPart<TButton>(this, "RemoveButton");
  OkButton = DialogPart<TButton>(this, "OkButton");
  Resized();
  // Keys reach the dialog before the focused control, as its shortcuts.
  qApp->installEventFilter(this);
}

TPLCommonPropertiesForm::~TPLCommonPropertiesForm() { qApp->removeEventFilter(this); }

void TPLCommonPropertiesForm::Resized() {
  // The page control fills the window above the bottom bar; OK sits on a
  // right-aligned panel of the bar.
  if (!PageControl) return;
  const int w = width(), h = height();
  Panel1->setGeometry(0, qMax(0, h - kBottomBarHeight), w, kBottomBarHeight);
  // Inside the bar's bevel, which thus runs round the whole bar.
  const int bevel = Panel1->BevelWidth();
  Panel2->setGeometry(qMax(0, w - bevel - Panel2->width()), bevel, Panel2->width(), kBottomBarHeight - 2 * bevel);
  PageControl->setGeometry(0, 0, w, qMax(0, h - kBottomBarHeight));
}

void TPLCommonPropertiesForm::AddPage(TSLPropertyPageForm* page) {
  auto* sheet = new TTabSheet(PageControl);
  PageControl->InsertControl(sheet);
  // A hidden window gets its resize events only when shown: lay out now.
  Resized();
  const QSize sheetSize = PageControl->PageRect().size();
  const int w = qMax(ClientWidth(), page->ClientWidth() + ClientWidth() - sheetSize.width());
  const int h = qMax(ClientHeight(), page->ClientHeight() + ClientHeight() - sheetSize.height());
  SetClientWidth(w);
  SetClientHeight(h);
  Resized();
  page->setParent(sheet);
  page->setGeometry(sheet->rect());
  page->setMinimumSize(0, 0);
  page->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  // The page follows its sheet's size.
  sheet->installEventFilter(this);
  page->show();
  sheet->SetCaption(page->Caption());
  pages_.append(page);
  if (!PageControl->ActivePage()) PageControl->SetActivePage(sheet);
}

TSLPropertyPageForm* TPLCommonPropertiesForm::ActivePage() const {
  const int i = PageControl->ActivePageIndex();
  return i >= 0 ? pages_.value(i) : nullptr;
}

void TPLCommonPropertiesForm::SetActivePageIndex(int i) {
  PageControl->SetTabIndex(i);
  if (auto* page = ActivePage()) page->Activate();
}

void TPLCommonPropertiesForm::PageControlChange(QObject*) {
  if (auto* page = ActivePage()) page->Activate();
}

void TPLCommonPropertiesForm::AddButtonClick(QObject*) {
  if (auto* page = ActivePage()) page->AddItem();
}

void TPLCommonPropertiesForm::RemoveButtonClick(QObject*) {
  if (auto* page = ActivePage()) page->RemoveItem();
}

void TPLCommonPropertiesForm::OkButtonClick(QObject*) { Close(); }

bool TPLCommonPropertiesForm::FormShortCut(int key) {
  TEdit* edit = nullptr;
  for (QWidget* w = QApplication::focusWidget(); w && !edit; w = w->parentWidget()) edit = qobject_cast<TEdit*>(w);
  if (edit && !isAncestorOf(edit)) edit = nullptr;
  TSLPropertyPageForm* page = nullptr;
  for (QWidget* w = edit; w && !page; w = w->parentWidget()) page = qobject_cast<TSLPropertyPageForm*>(w);
  if (key == Qt::Key_Escape) {
    if (!OkButton->Default()) {
      // An edit in progress is abandoned; the dialog stays open.
      if (page) page->EditKey(edit, key);
      return true;
    }
    Close();
    return true;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (!OkButton->Default()) return page ? page->EditKey(edit, key) : false;
    // A push button with the focus takes Enter itself.
    if (qobject_cast<QAbstractButton*>(QApplication::focusWidget())) return false;
    Close();
    return true;
  }
  return false;
}

bool TPLCommonPropertiesForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) {
    if (auto* sheet = qobject_cast<TTabSheet*>(watched))
      for (QWidget* page : sheet->findChildren<TSLPropertyPageForm*>(Qt::FindDirectChildrenOnly))
        page->setGeometry(sheet->rect());
  } else if (event->type() == QEvent::KeyPress && isVisible()) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (w && (w == this || isAncestorOf(w))) {
      if (FormShortCut(static_cast<QKeyEvent*>(event)->key())) return true;
    }
  }
  return TForm::eventFilter(watched, event);
}

void TPLCommonPropertiesForm::hideEvent(QHideEvent* e) {
  TForm::hideEvent(e);
  emit Finished();
}

void TPLCommonPropertiesForm::ShowModal() {
  setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  connect(this, &TPLCommonPropertiesForm::Finished, &loop, &QEventLoop::quit);
  Show();
  if (isVisible()) loop.exec();
}
