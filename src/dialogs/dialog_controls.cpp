#include "dialogs/dialog_controls.h"

#include "draw/message_service.h"
#include "forms/class_registry.h"
#include "forms/controls/standard_controls.h"

#include <QEvent>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

TListBox::TListBox(QWidget* parent) : TListBox(false, parent) {}

TListBox::TListBox(bool checks, QWidget* parent) : TControl(parent), list_(new QListWidget(this)), checks_(checks) {
  resize(121, 97);
  Resized();
  TControl::SetTabStop(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  // A mouse press makes the entry current before it selects it, so the
  // current row alone is not yet the user's choice: the event follows the
  // selection, which a click and the arrow keys both set.
  QObject::connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
    if (!byCode_) RunEventHandler([this] { emit OnClick(this); });
  });
  QObject::connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
    if (!byCode_) RunEventHandler([this] { emit OnDblClick(this); });
  });
  list_->viewport()->installEventFilter(this);
}

bool TListBox::eventFilter(QObject* watched, QEvent* e) {
  if (watched == list_->viewport() && e->type() == QEvent::MouseButtonRelease && !byCode_) {
    auto* m = static_cast<QMouseEvent*>(e);
    const QPoint p = list_->viewport()->mapTo(this, m->position().toPoint());
    RunEventHandler([&] { emit OnMouseUp(this, m->button(), m->modifiers(), p.x(), p.y()); });
  }
  return TControl::eventFilter(watched, e);
}

QStringList TListBox::Items() const {
  QStringList items;
  for (int i = 0; i < list_->count(); ++i) items.append(list_->item(i)->text());
  return items;
}

void TListBox::SetItems(const QStringList& items) {
  Clear();
  for (const QString& s : items) AddItem(s);
}

int TListBox::Count() const { return list_->count(); }

QString TListBox::Item(int i) const {
  auto* item = list_->item(i);
  return item ? item->text() : QString();
}

void TListBox::SetItem(int i, const QString& text) {
  TCodeChange change(byCode_);
  if (auto* item = list_->item(i)) item->setText(text);
}

void TListBox::AddItem(const QString& text) {
  TCodeChange change(byCode_);
  auto* item = new QListWidgetItem(text, list_);
  if (checks_) {
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
}

void TListBox::DeleteItem(int i) {
  TCodeChange change(byCode_);
  delete list_->takeItem(i);
}

void TListBox::Clear() {
  TCodeChange change(byCode_);
  list_->clear();
}

int TListBox::ItemIndex() const {
  // The selected entry, not the current one: they differ while a click is
  // under way, and the arrow keys select before they move the current row.
  const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.first().row();
}

void TListBox::SetItemIndex(int i) {
  TCodeChange change(byCode_);
  if (i < 0 || i >= list_->count()) {
    list_->setCurrentRow(-1);
    list_->clearSelection();
  } else {
    list_->setCurrentRow(i);
  }
}

void TListBox::Resized() { list_->setGeometry(rect()); }

TCheckListBox::TCheckListBox(QWidget* parent) : TListBox(true, parent) {
  QObject::connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    if (byCode_) return;
    RunEventHandler([this, item] {
      // The toggled entry becomes the selection, as a click on it would.
      const int row = list_->row(item);
      const bool moved = row != ItemIndex();
      SetItemIndex(row);
      if (moved) emit OnClick(this);
      emit OnClickCheck(this);
    });
  });
}

bool TCheckListBox::Checked(int i) const {
  auto* item = list_->item(i);
  return item && item->checkState() == Qt::Checked;
}

void TCheckListBox::SetChecked(int i, bool v) {
  TCodeChange change(byCode_);
  if (auto* item = list_->item(i)) item->setCheckState(v ? Qt::Checked : Qt::Unchecked);
}

void TCheckListBox::AddItem(const QString& text, bool checked) {
  TListBox::AddItem(text);
  SetChecked(Count() - 1, checked);
}

TGroupBox::TGroupBox(QWidget* parent) : TControl(parent) { resize(185, 105); }

void TGroupBox::paintEvent(QPaintEvent* e) {
  TControl::paintEvent(e);
  QPainter p(this);
  const QFontMetrics fm(font());
  const int top = fm.height() / 2;
  // "&Points" shows its accelerator underlined, without the ampersand.
  const QRect text = fm.boundingRect(QRect(8, 0, width(), fm.height()), Qt::TextShowMnemonic, caption_);
  // An etched frame whose top line leaves room for the caption.
  const int l = 0, t = top, r = width() - 2, b = height() - 2;
  for (int pass = 0; pass < 2; ++pass) {
    p.setPen(pass == 0 ? QColor(160, 160, 160) : QColor(Qt::white));
    const int d = pass;
    p.drawLine(l + d, t + d, l + d, b + d);
    p.drawLine(l + d, b + d, r + d, b + d);
    p.drawLine(r + d, t + d, r + d, b + d);
    p.drawLine(l + d, t + d, qMax(l + d, text.left() - 2), t + d);
    p.drawLine(qMin(r + d, text.right() + 3), t + d, r + d, t + d);
  }
  if (caption_.isEmpty()) return;
  p.setPen(isEnabled() ? TextColor() : palette().color(QPalette::Disabled, QPalette::WindowText));
  p.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, caption_);
}

TPaintBox::TPaintBox(QWidget* parent) : TControl(parent) { resize(105, 105); }

void TPaintBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Color());
}

TUpDown::TUpDown(QWidget* parent) : TControl(parent) {
  auto* up = new QToolButton(this);
  auto* down = new QToolButton(this);
  up->setArrowType(Qt::UpArrow);
  down->setArrowType(Qt::DownArrow);
  up_ = up;
  down_ = down;
  resize(16, 21);
  Resized();
  connect(up, &QToolButton::clicked, this, [this] { RunEventHandler([this] { Step(1); }); });
  connect(down, &QToolButton::clicked, this, [this] { RunEventHandler([this] { Step(-1); }); });
}

void TUpDown::Step(int direction) {
  auto* edit = qobject_cast<TEdit*>(associate_);
  // The field may have been typed into since the last step.
  bool ok = false;
  const int typed = edit ? edit->Text().trimmed().toInt(&ok) : 0;
  if (ok) position_ = typed;
  SetPosition(position_ + direction * increment_);
  if (edit) edit->SetText(QString::number(position_));
  emit OnClick(this);
}

void TUpDown::Resized() {
  const int half = height() / 2;
  up_->setGeometry(0, 0, width(), half);
  down_->setGeometry(0, half, width(), height() - half);
}

void RegisterDialogControls() {
  auto& registry = TClassRegistry::Instance();
  registry.Register<TListBox>();
  registry.Register<TCheckListBox>();
  registry.Register<TGroupBox>();
  registry.Register<TPaintBox>();
  registry.Register<TUpDown>();
}
