// The legend under the pointer: entries highlighted and clicked, and
// scrolling by its buttons (held ones repeat) and by the wheel when the
// groups reach below the control.

#include <QTimer>

#include "draw/message_service.h"
#include "scope/model/legend_groups.h"
#include "scope/scope.h"
#include "scope/toolbars/toolbar_glyphs.h"

namespace {
constexpr int kScrollStep = 10;
constexpr int kRepeatDelay = 400, kRepeatInterval = 50;
}  // namespace

TSLScopeLegendView::~TSLScopeLegendView() { delete buttonGlyphs_; }

bool TSLScopeLegendView::CanScrollDown() const {
  const QList<TEntry> entries = Entries();
  if (entries.isEmpty()) return false;
  // Until the last entry lies inside the control.
  return EntryRect(entries.last()).bottom() >= Display()->RenderSize().height();
}

void TSLScopeLegendView::ScrollStep(int direction) {
  const int before = offset_;
  if (direction < 0) offset_ = std::max(0, offset_ - kScrollStep);
  else if (CanScrollDown()) offset_ += kScrollStep;
  if (offset_ == before) return;
  // The entries are part of the cached band layer.
  Display()->InvalidateStatic();
  Display()->Changed();
}

QRect TSLScopeLegendView::UpButtonRect() const {
  const QRect band = ViewRect();
  return QRect(band.right() + 1 - 3 - SLGlyph::kSize, band.top(), SLGlyph::kSize, SLGlyph::kSize);
}

QRect TSLScopeLegendView::DownButtonRect() const {
  const QRect band = ViewRect();
  return QRect(band.right() + 1 - 3 - SLGlyph::kSize, band.bottom() + 1 - 3 - SLGlyph::kSize, SLGlyph::kSize,
               SLGlyph::kSize);
}

bool TSLScopeLegendView::ScrollButtonsShown() const {
  return Hovered() && IsShown() && (offset_ > 0 || CanScrollDown());
}

bool TSLScopeLegendView::ScrollRepeating() const { return repeat_ && repeat_->isActive(); }

QObject* TSLScopeLegendView::HoveredItem() const {
  return Buttons()->Enabled() && hovered_.group >= 0 ? ItemOf(hovered_) : nullptr;
}

QObject* TSLScopeLegendView::HighlightedChannel() const {
  auto* scope = qobject_cast<TSLScope*>(Display());
  QObject* item = HoveredItem();
  if (!scope || !qobject_cast<TSLScopeChannel*>(item)) return nullptr;
  return scope->Highlighting()->Channels()->HiglightFromLegend() ? item : nullptr;
}

void TSLScopeLegendView::SetHovered(const TEntry& entry) {
  if (entry.group == hovered_.group && entry.item == hovered_.item) return;
  // The entry's button and, for a channel, its highlighted trace follow.
  hovered_ = entry;
  // The trace layer keys on the hovered item.
  Display()->OverlayChanged();
}

void TSLScopeLegendView::MouseMove(Qt::KeyboardModifiers shift, const QPoint& p, bool& handled) {
  TSLLegendView::MouseMove(shift, p, handled);
  const bool over = Hovered();
  TScrollButton button = sbNone;
  if (over && ScrollButtonsShown()) {
    if (UpButtonRect().contains(p)) button = sbUp;
    else if (DownButtonRect().contains(p)) button = sbDown;
  }
  if (button != scrollHover_) {
    scrollHover_ = button;
    Display()->OverlayChanged();
  }
  TEntry found;
  if (over && button == sbNone && Buttons()->Enabled())
    for (const TEntry& entry : Entries())
      if (EntryRect(entry).contains(p)) found = entry;
  SetHovered(found);
  if (button != sbNone || found.group >= 0) Display()->ShowButtonPointerShape(this, Buttons()->Cursor());
  else if (over) Display()->EndButtonPointerShape(this);
}

void TSLScopeLegendView::MouseLeave() {
  scrollHover_ = sbNone;
  SetHovered(TEntry());
  Display()->EndButtonPointerShape(this);
  // The scroll buttons go with the pointer.
  Display()->OverlayChanged();
}

void TSLScopeLegendView::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, bool& handled, bool inside,
                                   const QPoint& p) {
  if (handled || !inside || button != Qt::LeftButton) return;
  if (ScrollButtonsShown() && (UpButtonRect().contains(p) || DownButtonRect().contains(p))) {
    handled = true;
    scrollHeld_ = UpButtonRect().contains(p) ? sbUp : sbDown;
    ScrollStep(scrollHeld_ == sbUp ? -1 : 1);
    if (!repeat_) {
      repeat_ = new QTimer(this);
      connect(repeat_, &QTimer::timeout, this, [this] { RepeatTick(); });
    }
    repeat_->start(kRepeatDelay);
    Display()->Changed();
    return;
  }
  if (!Buttons()->Enabled()) return;
  const QList<TGroupRef> groups = GroupRefs();
  for (const TEntry& entry : Entries()) {
    if (!EntryRect(entry).contains(p)) continue;
    handled = true;
    pressed_ = entry;
    Display()->Changed();
    TSLLegendGroup* group = groups[entry.group].group;
    bool clickHandled = false;
    RunEventHandler([&] { emit group->OnItemClick(group, entry.item, clickHandled); });
    auto* chart = qobject_cast<TSLDataChart*>(Display());
    if (!clickHandled && chart && groups[entry.group].page >= 0)
      RunEventHandler([&] { chart->ShowPropertiesDialog(groups[entry.group].page, entry.item); });
    return;
  }
}

void TSLScopeLegendView::RepeatTick() {
  repeat_->setInterval(kRepeatInterval);
  const int before = offset_;
  ScrollStep(scrollHeld_ == sbUp ? -1 : 1);
  // Nothing more to scroll: the button shows disabled, the timer rests.
  if (offset_ == before) repeat_->stop();
}

void TSLScopeLegendView::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, bool, const QPoint&) {
  if (button != Qt::LeftButton) return;
  if (repeat_) repeat_->stop();
  const bool was = scrollHeld_ != sbNone || pressed_.group >= 0;
  scrollHeld_ = sbNone;
  pressed_ = TEntry();
  if (was) Display()->Changed();
}

void TSLScopeLegendView::WheelDown(Qt::KeyboardModifiers, const QPoint&) { ScrollStep(1); }

void TSLScopeLegendView::WheelUp(Qt::KeyboardModifiers, const QPoint&) { ScrollStep(-1); }
