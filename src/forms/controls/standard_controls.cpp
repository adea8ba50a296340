#include "forms/controls/standard_controls.h"

#include "draw/message_service.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QChildEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QToolButton>

namespace {

// The button of one page in a button-style page control. The active page's
// button is drawn held down, with a lowered edge and its label moved in;
// styles differ in whether (and how faintly) they mark a checked push
// button, so that look is not left to them.
class TPageButton : public QPushButton {
public:
  explicit TPageButton(QWidget* parent) : QPushButton(parent) {}

protected:
  void paintEvent(QPaintEvent* e) override {
    if (!isChecked()) {
      QPushButton::paintEvent(e);
      return;
    }
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.fillRect(rect(), palette().color(QPalette::Button).darker(112));
    p.setPen(QColor(64, 64, 64));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(255, 255, 255));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(QColor(128, 128, 128));
    p.drawLine(r.topLeft() + QPoint(1, 1), r.topRight() + QPoint(-1, 1));
    p.drawLine(r.topLeft() + QPoint(1, 1), r.bottomLeft() + QPoint(1, -1));
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.setFont(font());
    p.drawText(rect().translated(1, 1), Qt::AlignCenter | Qt::TextShowMnemonic, text());
  }
};

// Delphi's 3-D edges: highlight on the top-left, shadow on the bottom-right
// for a raised edge, the other way round for a lowered one.
void DrawBevel(QPainter& p, QRect& r, Vcl::TBevelCut cut, int width) {
  if (cut == Vcl::bvNone) return;
  if (cut != Vcl::bvSpace) {
    const QColor light(255, 255, 255);
    const QColor dark(128, 128, 128);
    const QColor topLeft = cut == Vcl::bvRaised ? light : dark;
    const QColor bottomRight = cut == Vcl::bvRaised ? dark : light;
    for (int i = 0; i < width; ++i) {
      QRect e = r.adjusted(i, i, -i, -i);
      p.setPen(topLeft);
      p.drawLine(e.topLeft(), e.topRight());
      p.drawLine(e.topLeft(), e.bottomLeft());
      p.setPen(bottomRight);
      p.drawLine(e.bottomLeft(), e.bottomRight());
      p.drawLine(e.topRight(), e.bottomRight());
    }
  }
  r.adjust(width, width, -width, -width);
}

Qt::Alignment HorizontalAlignment(Vcl::TAlignment a) {
  switch (a) {
    case Vcl::taRightJustify: return Qt::AlignRight;
    case Vcl::taCenter: return Qt::AlignHCenter;
    case Vcl::taLeftJustify: break;
  }
  return Qt::AlignLeft;
}

}  // namespace

// ---------------------------------------------------------------- TPanel

TPanel::TPanel(QWidget* parent) : TControl(parent) {
  SetColor(QColor(0xF0, 0xF0, 0xF0));
  resize(185, 41);
}

void TPanel::paintEvent(QPaintEvent* e) {
  TControl::paintEvent(e);
  QPainter p(this);
  QRect r = rect();
  DrawBevel(p, r, bevelOuter_, bevelWidth_);
  r.adjust(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
  DrawBevel(p, r, bevelInner_, bevelWidth_);
  if (!caption_.isEmpty()) {
    p.setPen(isEnabled() ? TextColor() : palette().color(QPalette::Disabled, QPalette::WindowText));
    p.setFont(font());
    p.drawText(r, int(HorizontalAlignment(alignment_) | Qt::AlignVCenter), caption_);
  }
}

// ---------------------------------------------------------------- TLabel

TLabel::TLabel(QWidget* parent) : TControl(parent) {
  SetParentColor(true);
  resize(31, 13);
}

void TLabel::SetCaption(const QString& v) {
  caption_ = v;
  AdjustSize();
  update();
}

void TLabel::SetAutoSize(bool v) {
  autoSize_ = v;
  AdjustSize();
}

void TLabel::SetWordWrap(bool v) {
  wordWrap_ = v;
  AdjustSize();
  update();
}

void TLabel::SetWidth(int v) {
  explicitWidth_ = qMax(0, v);
  TControl::SetWidth(v);
  if (wordWrap_) AdjustSize();
}

int TLabel::TextFlags() const {
  int flags = int(HorizontalAlignment(alignment_));
  flags |= layout_ == Vcl::tlCenter ? Qt::AlignVCenter : layout_ == Vcl::tlBottom ? Qt::AlignBottom : Qt::AlignTop;
  if (wordWrap_) flags |= Qt::TextWordWrap;
  return flags | Qt::TextShowMnemonic;
}

QSize TLabel::TextExtent() const {
  const QFontMetrics fm(font());
  if (caption_.isEmpty()) return QSize(0, fm.height());
  if (wordWrap_) {
    const QRect r = fm.boundingRect(QRect(0, 0, qMax(1, width()), 10000), TextFlags(), caption_);
    return QSize(width(), r.height());
  }
  const QRect r = fm.boundingRect(QRect(0, 0, 10000, 10000), TextFlags() & ~Qt::AlignHCenter & ~Qt::AlignRight,
                                  caption_);
  return QSize(r.width() + 1, qMax(r.height(), fm.height()));
}

void TLabel::AdjustSize() {
  if (!autoSize_) return;
  // A word-wrapped caption keeps the width it was given and grows down.
  if (wordWrap_ && explicitWidth_ > 0 && width() != explicitWidth_) resize(explicitWidth_, height());
  const QSize s = TextExtent();
  resize(wordWrap_ ? width() : s.width(), s.height());
}

void TLabel::paintEvent(QPaintEvent* e) {
  TControl::paintEvent(e);
  QPainter p(this);
  p.setFont(font());
  p.setPen(isEnabled() ? TextColor() : QColor(128, 128, 128));
  p.drawText(rect(), TextFlags(), caption_);
}

// ---------------------------------------------------------------- TButton

TButton::TButton(QWidget* parent) : TButton(new QPushButton, parent) {}

TButton::TButton(QAbstractButton* button, QWidget* parent) : TControl(parent), button_(button) {
  button_->setParent(this);
  Setup();
}

void TButton::Setup() {
  resize(75, 25);
  Resized();
  TControl::SetTabStop(true);
  button_->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(button_, &QAbstractButton::clicked, this, [this] { RunEventHandler([this] { Click(); }); });
}

void TButton::SetCaption(const QString& v) {
  caption_ = v;
  button_->setText(v);
}

void TButton::SetDefault(bool v) {
  default_ = v;
  if (auto* push = qobject_cast<QPushButton*>(button_)) push->setDefault(v);
}

void TButton::SetTabStop(bool v) {
  TControl::SetTabStop(v);
  button_->setFocusPolicy(v ? Qt::StrongFocus : Qt::NoFocus);
}

void TButton::Resized() { button_->setGeometry(rect()); }

// ---------------------------------------------------------------- TBitBtn

TBitBtn::TBitBtn(QWidget* parent) : TButton(new QToolButton, parent) {
  auto* tool = static_cast<QToolButton*>(button_);
  tool->setAutoRaise(false);
  tool->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

void TBitBtn::SetGlyph(const QByteArray& data) {
  glyph_.LoadFromData(data);
  UpdateIcon();
}

void TBitBtn::SetLayout(Vcl::TButtonLayout v) {
  layout_ = v;
  auto* tool = static_cast<QToolButton*>(button_);
  const bool above = v == Vcl::blGlyphTop || v == Vcl::blGlyphBottom;
  tool->setToolButtonStyle(above ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonTextBesideIcon);
  tool->setLayoutDirection(v == Vcl::blGlyphRight ? Qt::RightToLeft : Qt::LeftToRight);
}

void TBitBtn::UpdateIcon() {
  auto* tool = static_cast<QToolButton*>(button_);
  if (glyph_.Empty()) {
    tool->setIcon(QIcon());
    return;
  }
  // A glyph strip holds NumGlyphs pictures side by side; the first is the
  // normal one.
  const QImage whole = glyph_.ToImage();
  const int w = whole.width() / numGlyphs_;
  const QImage normal = whole.copy(0, 0, w, whole.height());
  tool->setIconSize(normal.size());
  tool->setIcon(QIcon(QPixmap::fromImage(normal)));
}

// ---------------------------------------------------------------- TCheckBox

TCheckBox::TCheckBox(QWidget* parent) : TControl(parent), box_(new QCheckBox(this)) {
  resize(97, 17);
  Resized();
  TControl::SetTabStop(true);
  QObject::connect(box_, &QCheckBox::toggled, this, [this] {
    if (!byCode_) RunEventHandler([this] { emit OnClick(this); });
  });
}

QString TCheckBox::Caption() const { return box_->text(); }
void TCheckBox::SetCaption(const QString& v) { box_->setText(v); }
bool TCheckBox::Checked() const { return box_->isChecked(); }

void TCheckBox::SetChecked(bool v) {
  if (box_->isChecked() == v) return;
  {
    TCodeChange change(byCode_);
    box_->setChecked(v);
  }
  emit OnClick(this);
}

void TCheckBox::SetAlignment(Vcl::TAlignment v) {
  alignment_ = v;
  box_->setLayoutDirection(v == Vcl::taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

void TCheckBox::SetTabStop(bool v) {
  TControl::SetTabStop(v);
  box_->setFocusPolicy(v ? Qt::StrongFocus : Qt::NoFocus);
}

void TCheckBox::Resized() { box_->setGeometry(rect()); }

// ---------------------------------------------------------------- TRadioButton

// A click on a checked radio button leaves it checked; a click on an
// unchecked one checks it and unchecks its siblings.
class TRadioInner : public QRadioButton {
public:
  explicit TRadioInner(TRadioButton* owner) : QRadioButton(owner), owner_(owner) { setAutoExclusive(false); }

protected:
  void nextCheckState() override { owner_->UserChecks(); }

private:
  TRadioButton* owner_;
};

TRadioButton::TRadioButton(QWidget* parent) : TControl(parent), radio_(new TRadioInner(this)) {
  resize(113, 17);
  Resized();
  TControl::SetTabStop(true);
}

QString TRadioButton::Caption() const { return radio_->text(); }
void TRadioButton::SetCaption(const QString& v) { radio_->setText(v); }
bool TRadioButton::Checked() const { return radio_->isChecked(); }

void TRadioButton::SetChecked(bool v) {
  if (radio_->isChecked() == v) return;
  {
    TCodeChange change(byCode_);
    radio_->setChecked(v);
  }
  if (v) {
    if (QWidget* p = parentWidget())
      for (auto* sibling : p->findChildren<TRadioButton*>(Qt::FindDirectChildrenOnly))
        if (sibling != this) sibling->SetChecked(false);
    emit OnClick(this);
  }
}

void TRadioButton::UserChecks() {
  if (radio_->isChecked()) return;
  RunEventHandler([this] { SetChecked(true); });
}

void TRadioButton::SetTabStop(bool v) {
  TControl::SetTabStop(v);
  radio_->setFocusPolicy(v ? Qt::StrongFocus : Qt::NoFocus);
}

void TRadioButton::Resized() { radio_->setGeometry(rect()); }

// ---------------------------------------------------------------- TEdit

TEdit::TEdit(QWidget* parent) : TControl(parent), edit_(new QLineEdit(this)) {
  resize(121, 21);
  Resized();
  TControl::SetTabStop(true);
  edit_->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(edit_, &QLineEdit::textChanged, this, [this] {
    if (!byCode_) RunEventHandler([this] { emit OnChange(this); });
  });
}

QString TEdit::Text() const { return edit_->text(); }

void TEdit::SetText(const QString& v) {
  if (edit_->text() == v) return;
  {
    TCodeChange change(byCode_);
    edit_->setText(v);
  }
  emit OnChange(this);
}

bool TEdit::ReadOnly() const { return edit_->isReadOnly(); }
void TEdit::SetReadOnly(bool v) { edit_->setReadOnly(v); }

void TEdit::SetMaxLength(int v) {
  maxLength_ = qMax(0, v);
  edit_->setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
}

void TEdit::SetTabStop(bool v) {
  TControl::SetTabStop(v);
  edit_->setFocusPolicy(v ? Qt::StrongFocus : Qt::NoFocus);
}

void TEdit::Resized() { edit_->setGeometry(rect()); }

// ---------------------------------------------------------------- TComboBox

TComboBox::TComboBox(QWidget* parent) : TControl(parent), combo_(new QComboBox(this)) {
  resize(145, 21);
  Resized();
  TControl::SetTabStop(true);
  combo_->setEditable(true);
  combo_->setInsertPolicy(QComboBox::NoInsert);
  combo_->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(combo_, &QComboBox::currentTextChanged, this, [this] {
    if (!byCode_) RunEventHandler([this] { emit OnChange(this); });
  });
}

QString TComboBox::Text() const { return combo_->currentText(); }

void TComboBox::SetText(const QString& v) {
  if (Text() == v) return;
  {
    TCodeChange change(byCode_);
    if (combo_->isEditable()) {
      combo_->setEditText(v);
    } else {
      combo_->setCurrentIndex(combo_->findText(v));
    }
  }
  emit OnChange(this);
}

QStringList TComboBox::Items() const {
  QStringList items;
  for (int i = 0; i < combo_->count(); ++i) items.append(combo_->itemText(i));
  return items;
}

void TComboBox::SetItems(const QStringList& v) {
  TCodeChange change(byCode_);
  const QString text = combo_->currentText();
  combo_->clear();
  combo_->addItems(v);
  // Like the original, filling the list keeps the text shown.
  if (combo_->isEditable()) {
    combo_->setCurrentIndex(-1);
    combo_->setEditText(text);
  } else {
    combo_->setCurrentIndex(-1);
  }
}

int TComboBox::ItemIndex() const {
  const int i = combo_->currentIndex();
  return i >= 0 && combo_->itemText(i) == combo_->currentText() ? i : -1;
}

void TComboBox::SetItemIndex(int v) {
  TCodeChange change(byCode_);
  combo_->setCurrentIndex(v >= 0 && v < combo_->count() ? v : -1);
  if (v < 0 && combo_->isEditable()) combo_->setEditText(QString());
}

int TComboBox::DropDownCount() const { return combo_->maxVisibleItems(); }
void TComboBox::SetDropDownCount(int v) { combo_->setMaxVisibleItems(qMax(1, v)); }

void TComboBox::SetStyle(Vcl::TComboBoxStyle v) {
  style_ = v;
  TCodeChange change(byCode_);
  combo_->setEditable(v == Vcl::csDropDown || v == Vcl::csSimple);
}

void TComboBox::SetTabStop(bool v) {
  TControl::SetTabStop(v);
  combo_->setFocusPolicy(v ? Qt::StrongFocus : Qt::NoFocus);
}

void TComboBox::Resized() { combo_->setGeometry(rect()); }

// ---------------------------------------------------------------- TScrollBar

TScrollBar::TScrollBar(QWidget* parent) : TControl(parent), bar_(new QScrollBar(Qt::Horizontal, this)) {
  resize(121, 17);
  Resized();
  TControl::SetTabStop(true);
  Sync();
  QObject::connect(bar_, &QScrollBar::valueChanged, this, [this](int value) {
    if (byCode_ || value == position_) return;
    position_ = value;
    RunEventHandler([this] { emit OnChange(this); });
  });
}

void TScrollBar::SetKind(Vcl::TScrollBarKind v) {
  kind_ = v;
  bar_->setOrientation(v == Vcl::sbHorizontal ? Qt::Horizontal : Qt::Vertical);
}

void TScrollBar::SetParams(int position, int min, int max) {
  if (max < min) max = min;
  min_ = min;
  max_ = max;
  // With a page size, the last position leaves one page in view.
  const int top = pageSize_ > 0 ? qMax(min_, max_ - pageSize_ + 1) : max_;
  const int clamped = qBound(min_, position, top);
  const bool changed = clamped != position_;
  position_ = clamped;
  Sync();
  if (changed) emit OnChange(this);
}

void TScrollBar::SetLargeChange(int v) {
  largeChange_ = qMax(1, v);
  Sync();
}

void TScrollBar::SetSmallChange(int v) {
  smallChange_ = qMax(1, v);
  Sync();
}

void TScrollBar::SetPageSize(int v) {
  pageSize_ = qMax(0, v);
  Sync();
}

void TScrollBar::SetTabStop(bool v) {
  TControl::SetTabStop(v);
  bar_->setFocusPolicy(v ? Qt::StrongFocus : Qt::NoFocus);
}

void TScrollBar::Sync() {
  TCodeChange change(byCode_);
  const int top = pageSize_ > 0 ? qMax(min_, max_ - pageSize_ + 1) : max_;
  bar_->setRange(min_, top);
  bar_->setPageStep(largeChange_);
  bar_->setSingleStep(smallChange_);
  bar_->setValue(position_);
}

void TScrollBar::Resized() { bar_->setGeometry(rect()); }

// ---------------------------------------------------------------- TTrackBar

TTrackBar::TTrackBar(QWidget* parent) : TControl(parent), slider_(new QSlider(Qt::Horizontal, this)) {
  resize(150, 45);
  Resized();
  TControl::SetTabStop(true);
  Sync();
  QObject::connect(slider_, &QSlider::valueChanged, this, [this](int value) {
    if (byCode_ || value == position_) return;
    position_ = value;
    RunEventHandler([this] { emit OnChange(this); });
  });
}

void TTrackBar::SetMin(int v) {
  min_ = v;
  if (max_ < min_) max_ = min_;
  SetPosition(position_);
  Sync();
}

void TTrackBar::SetMax(int v) {
  max_ = v;
  if (min_ > max_) min_ = max_;
  SetPosition(position_);
  Sync();
}

void TTrackBar::SetPosition(int v) {
  const int clamped = qBound(min_, v, max_);
  if (clamped == position_) return;
  position_ = clamped;
  Sync();
  emit OnChange(this);
}

void TTrackBar::SetOrientation(Vcl::TTrackBarOrientation v) {
  orientation_ = v;
  Sync();
}

void TTrackBar::SetThumbLength(int v) {
  thumbLength_ = v;
  Sync();
}

void TTrackBar::SetTickMarks(Vcl::TTickMark v) {
  tickMarks_ = v;
  Sync();
}

void TTrackBar::SetTickStyle(Vcl::TTickStyle v) {
  tickStyle_ = v;
  Sync();
}

void TTrackBar::SetFrequency(int v) {
  frequency_ = v;
  Sync();
}

void TTrackBar::SetLineSize(int v) {
  lineSize_ = v;
  Sync();
}

void TTrackBar::SetPageSize(int v) {
  pageSize_ = v;
  Sync();
}

void TTrackBar::SetTabStop(bool v) {
  TControl::SetTabStop(v);
  slider_->setFocusPolicy(v ? Qt::StrongFocus : Qt::NoFocus);
}

void TTrackBar::Sync() {
  TCodeChange change(byCode_);
  slider_->setOrientation(orientation_ == Vcl::trHorizontal ? Qt::Horizontal : Qt::Vertical);
  slider_->setRange(min_, max_);
  slider_->setSingleStep(lineSize_);
  slider_->setPageStep(pageSize_);
  slider_->setTickInterval(qMax(1, frequency_));
  QSlider::TickPosition ticks = QSlider::NoTicks;
  if (tickStyle_ != Vcl::tsNone) {
    switch (tickMarks_) {
      case Vcl::tmBoth: ticks = QSlider::TicksBothSides; break;
      case Vcl::tmTopLeft: ticks = QSlider::TicksAbove; break;
      case Vcl::tmBottomRight: ticks = QSlider::TicksBelow; break;
    }
  }
  slider_->setTickPosition(ticks);
  slider_->setValue(position_);
}

void TTrackBar::Resized() { slider_->setGeometry(rect()); }

// ---------------------------------------------------------------- TTabSheet

TTabSheet::TTabSheet(QWidget* parent) : TControl(parent) {}

void TTabSheet::SetCaption(const QString& v) {
  caption_ = v;
  Changed();
}

void TTabSheet::SetTabVisible(bool v) {
  tabVisible_ = v;
  Changed();
}

void TTabSheet::Changed() {
  if (auto* control = qobject_cast<TPageControl*>(parentWidget())) control->PageChanged(this);
}

bool TTabSheet::event(QEvent* e) {
  // A page placed into a page control by setParent joins its pages.
  if (e->type() == QEvent::ParentChange)
    if (auto* control = qobject_cast<TPageControl*>(parentWidget())) control->InsertControl(this);
  return TControl::event(e);
}

// ---------------------------------------------------------------- TPageControl

TPageControl::TPageControl(QWidget* parent) : TControl(parent) {
  resize(289, 193);
  TControl::SetTabStop(true);
  auto* back = new QToolButton(this);
  auto* forward = new QToolButton(this);
  back->setArrowType(Qt::LeftArrow);
  forward->setArrowType(Qt::RightArrow);
  scrollBack_ = back;
  scrollForward_ = forward;
  for (QAbstractButton* arrow : {scrollBack_, scrollForward_}) {
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setAutoRepeat(true);
    arrow->hide();
  }
  QObject::connect(scrollBack_, &QAbstractButton::clicked, this, [this] { ScrollTabs(-1); });
  QObject::connect(scrollForward_, &QAbstractButton::clicked, this, [this] { ScrollTabs(1); });
}

TPageControl::~TPageControl() {
  // The pages go with the control; they must not rebuild its tabs then.
  for (TTabSheet* page : pages_) QObject::disconnect(page, nullptr, this, nullptr);
  pages_.clear();
}

void TPageControl::InsertControl(QWidget* control) {
  auto* page = qobject_cast<TTabSheet*>(control);
  if (!page) {
    control->setParent(this);
    return;
  }
  if (pages_.contains(page)) return;
  if (page->parentWidget() != this) page->setParent(this);
  if (pages_.contains(page)) return;  // setParent may have inserted it already
  pages_.append(page);
  QObject::connect(page, &QObject::destroyed, this, [this, page] { RemovePage(page); });
  if (!active_) active_ = page;
  RebuildTabs();
}

void TPageControl::RemovePage(TTabSheet* page) {
  pages_.removeAll(page);
  if (!active_ || active_ == page) active_ = pages_.value(0);
  RebuildTabs();
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && !pages_.contains(page)) InsertControl(page);
  active_ = page;
  revealActive_ = true;
  Relayout();
}

void TPageControl::ScrollTabs(int step) {
  firstTab_ += step;
  Relayout();
}

int TPageControl::TabWidth(int i) const {
  return QFontMetrics(font()).horizontalAdvance(pages_[i]->Caption()) + 16;
}

void TPageControl::SetStyle(Vcl::TTabStyle v) {
  style_ = v;
  RebuildTabs();
}

void TPageControl::SetTabHeight(int v) {
  tabHeight_ = qMax(0, v);
  Relayout();
}

void TPageControl::PageChanged(TTabSheet* page) {
  if (pages_.contains(page)) RebuildTabs();
}

QRect TPageControl::PageRect() const {
  const int tabs = tabHeight_ > 0 ? tabHeight_ : QFontMetrics(font()).height() + 9;
  if (style_ == Vcl::tsTabs) return QRect(4, tabs + 4, qMax(0, width() - 8), qMax(0, height() - tabs - 8));
  return QRect(4, tabs + 6, qMax(0, width() - 8), qMax(0, height() - tabs - 10));
}

void TPageControl::RebuildTabs() {
  qDeleteAll(tabs_);
  tabs_.clear();
  for (TTabSheet* page : pages_) {
    QAbstractButton* tab;
    if (style_ == Vcl::tsTabs) {
      auto* button = new QToolButton(this);
      button->setAutoRaise(true);
      tab = button;
    } else {
      auto* button = new TPageButton(this);
      button->setFlat(style_ == Vcl::tsFlatButtons);
      tab = button;
    }
    tab->setText(page->Caption());
    tab->setCheckable(true);
    tab->setFocusPolicy(Qt::NoFocus);
    QObject::connect(tab, &QAbstractButton::clicked, this, [this, page] {
      if (active_ == page) {
        Relayout();
        return;
      }
      SetActivePage(page);
      RunEventHandler([this] { emit OnChange(this); });
    });
    tabs_.append(tab);
  }
  Relayout();
}

void TPageControl::Relayout() {
  const QRect pageRect = PageRect();
  const bool tabStyle = style_ == Vcl::tsTabs;
  const int tabHeight = pageRect.top() - (tabStyle ? 4 : 6);
  const int top = tabStyle ? 2 : 0, gap = tabStyle ? 0 : 3, start = tabStyle ? 2 : 0;
  QList<int> shown;  // the tabs of visible pages, in order
  int total = start;
  for (int i = 0; i < tabs_.size(); ++i) {
    if (!pages_[i]->TabVisible()) continue;
    shown.append(i);
    total += TabWidth(i) + gap;
  }
  // Tabs that do not fit scroll: two arrows at the right end of the row
  // move the first tab shown, as in every tabbed window.
  const bool scrolls = total - gap > width();
  const int arrow = qMax(12, tabHeight - 2);
  const int limit = scrolls ? width() - 2 * arrow - 2 : width();
  const auto fitsFrom = [&](int first, int last) {
    int x = start;
    for (int k = first; k <= last; ++k) x += TabWidth(shown[k]) + gap;
    return x - gap <= limit;
  };
  if (!scrolls) firstTab_ = 0;
  if (revealActive_ && scrolls) {
    const int active = int(shown.indexOf(int(pages_.indexOf(active_))));
    if (active >= 0 && active < firstTab_) firstTab_ = active;
    while (active >= 0 && firstTab_ < active && !fitsFrom(firstTab_, active)) ++firstTab_;
  }
  revealActive_ = false;
  // Scrolling stops once the last tab is in view.
  int lastFirst = int(shown.size()) - 1;
  while (lastFirst > 0 && fitsFrom(lastFirst - 1, int(shown.size()) - 1)) --lastFirst;
  firstTab_ = qBound(0, firstTab_, qMax(0, lastFirst));
  int x = start;
  bool cut = false;
  for (int i = 0; i < tabs_.size(); ++i) tabs_[i]->setChecked(pages_[i] == active_);
  for (int i = 0; i < tabs_.size(); ++i) {
    QAbstractButton* tab = tabs_[i];
    const int k = int(shown.indexOf(i));
    const int w = TabWidth(i);
    // A tab is shown whole or not at all, so each one shown can be clicked.
    const bool visible = k >= firstTab_ && !cut && x + w <= limit;
    if (k >= firstTab_ && !visible) cut = true;
    tab->setVisible(k >= 0 && visible);
    if (k >= 0 && visible) {
      tab->setGeometry(x, top, w, tabHeight);
      x += w + gap;
    }
  }
  scrollBack_->setVisible(scrolls);
  scrollForward_->setVisible(scrolls);
  if (scrolls) {
    scrollBack_->setGeometry(width() - 2 * arrow, top, arrow, tabHeight);
    scrollForward_->setGeometry(width() - arrow, top, arrow, tabHeight);
    scrollBack_->setEnabled(firstTab_ > 0);
    scrollForward_->setEnabled(firstTab_ < lastFirst);
    scrollBack_->raise();
    scrollForward_->raise();
  }
  for (TTabSheet* page : pages_) {
    page->setGeometry(pageRect);
    page->setVisible(page == active_);
  }
  update();
}

void TPageControl::Resized() { Relayout(); }

void TPageControl::childEvent(QChildEvent* e) {
  if (e->type() == QEvent::ChildRemoved)
    if (auto* page = qobject_cast<TTabSheet*>(e->child()); page && pages_.contains(page)) RemovePage(page);
  TControl::childEvent(e);
}

void TPageControl::paintEvent(QPaintEvent* e) {
  TControl::paintEvent(e);
  if (style_ != Vcl::tsTabs) return;
  QPainter p(this);
  QRect r = PageRect().adjusted(-2, -2, 1, 1);
  p.setPen(QColor(255, 255, 255));
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(QColor(128, 128, 128));
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
}

// ---------------------------------------------------------------- TImage

TImage::TImage(QWidget* parent) : TControl(parent) {
  resize(105, 105);
  UpdateMouseTransparency();
}

void TImage::SetPictureData(const QByteArray& data) {
  picture_.LoadFromData(data);
  PictureChanged();
}

void TImage::LoadFromFile(const QString& path) {
  picture_.LoadFromFile(path);
  PictureChanged();
}

void TImage::SetPicture(const TPicture& picture) {
  picture_ = picture;
  PictureChanged();
}

void TImage::ClearPicture() {
  picture_.Clear();
  PictureChanged();
}

void TImage::SetAutoSize(bool v) {
  autoSize_ = v;
  PictureChanged();
}

void TImage::PictureChanged() {
  if (autoSize_ && !picture_.Empty()) resize(picture_.Size());
  update();
}

QRectF TImage::DestRect() const {
  const QSizeF pic(picture_.Size());
  if (pic.isEmpty()) return QRectF();
  const QSizeF box(width(), height());
  QSizeF size = pic;
  const bool larger = pic.width() > box.width() || pic.height() > box.height();
  if (stretch_ || (proportional_ && larger)) size = proportional_ ? pic.scaled(box, Qt::KeepAspectRatio) : box;
  QPointF origin(0, 0);
  if (center_) origin = QPointF((box.width() - size.width()) / 2, (box.height() - size.height()) / 2);
  return QRectF(origin, size);
}

void TImage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!transparent_ && Color().isValid() && !ParentColor() && picture_.Empty()) p.fillRect(rect(), Color());
  picture_.Draw(p, DestRect());
}

// ---------------------------------------------------------------- TShape

QPen TPen::ToQPen() const {
  Qt::PenStyle style = Qt::SolidLine;
  switch (style_) {
    case Vcl::psSolid: case Vcl::psInsideFrame: style = Qt::SolidLine; break;
    case Vcl::psDash: style = Qt::DashLine; break;
    case Vcl::psDot: style = Qt::DotLine; break;
    case Vcl::psDashDot: style = Qt::DashDotLine; break;
    case Vcl::psDashDotDot: style = Qt::DashDotDotLine; break;
    case Vcl::psClear: style = Qt::NoPen; break;
  }
  QPen pen(color_, qMax(1, width_), style);
  pen.setCosmetic(true);
  return pen;
}

QBrush TBrush::ToQBrush() const {
  Qt::BrushStyle style = Qt::SolidPattern;
  switch (style_) {
    case Vcl::bsSolid: style = Qt::SolidPattern; break;
    case Vcl::bsClear: style = Qt::NoBrush; break;
    case Vcl::bsHorizontal: style = Qt::HorPattern; break;
    case Vcl::bsVertical: style = Qt::VerPattern; break;
    case Vcl::bsFDiagonal: style = Qt::FDiagPattern; break;
    case Vcl::bsBDiagonal: style = Qt::BDiagPattern; break;
    case Vcl::bsCross: style = Qt::CrossPattern; break;
    case Vcl::bsDiagCross: style = Qt::DiagCrossPattern; break;
  }
  return QBrush(color_, style);
}

TShape::TShape(QWidget* parent) : TControl(parent), pen_(new TPen(this)), brush_(new TBrush(this)) {
  resize(65, 65);
  QObject::connect(pen_, &TPen::Changed, this, qOverload<>(&QWidget::update));
  QObject::connect(brush_, &TBrush::Changed, this, qOverload<>(&QWidget::update));
  UpdateMouseTransparency();
}

void TShape::paintEvent(QPaintEvent*) {
  if (width() <= 0 || height() <= 0) return;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(pen_->ToQPen());
  p.setBrush(brush_->ToQBrush());
  // The outline stays inside the control, as the original draws it.
  const int pw = pen_->Style() == Vcl::psClear ? 0 : qMax(1, pen_->Width());
  QRectF r = QRectF(rect()).adjusted(pw / 2.0, pw / 2.0, -pw / 2.0, -pw / 2.0);
  if (shape_ == Vcl::stSquare || shape_ == Vcl::stRoundSquare || shape_ == Vcl::stCircle) {
    const qreal side = qMin(r.width(), r.height());
    r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
  }
  switch (shape_) {
    case Vcl::stRectangle: case Vcl::stSquare: p.drawRect(r); break;
    case Vcl::stRoundRect: case Vcl::stRoundSquare: {
      const qreal radius = qMin(r.width(), r.height()) / 4;
      p.drawRoundedRect(r, radius, radius);
      break;
    }
    case Vcl::stEllipse: case Vcl::stCircle: p.drawEllipse(r); break;
  }
}
