// The legend's layout and painting: captioned groups of entries, each with
// a small sample of its item's line or mark. The band itself is part of the
// scope's cached band layer; the buttons behind highlighted entries and the
// scroll buttons are drawn over it on screen only.

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

#include "draw/canvas.h"
#include "scope/axes/legend_custom_groups.h"
#include "scope/model/legend_groups.h"
#include "scope/scope.h"
#include "scope/toolbars/toolbar_glyphs.h"

namespace {

int TextRow(const QFont& font) { return std::max(QFontMetrics(font).height() + 1, 6); }

// The text width one entry may take: a longer name is cut short with an
// ellipsis rather than widen the legend over the traces.
int EntryTextLimit(const QFontMetrics& metrics) { return metrics.averageCharWidth() * 40; }

}  // namespace

QList<TSLScopeLegendView::TGroupRef> TSLScopeLegendView::GroupRefs() const {
  auto* scope = qobject_cast<TSLScope*>(Display());
  if (!scope || !scope->Channels()) return {};
  TSLDisplayHighlighting* h = scope->Highlighting();
  QList<TGroupRef> groups{{Channels(), scope->Channels(), h->Channels(), TSLDataChart::kChannelsPage},
          {ChannelLinks(), scope->ChannelLinks(), h->ChannelLinks(), TSLDataChart::kChannelLinksPage},
          {MarkerGroups(), scope->MarkerGroups(), h->Markers(), TSLDataChart::kMarkerGroupsPage},
          {Zones(), scope->Zones(), h->Zones(), TSLDataChart::kZonesPage},
          {Ellipses(), scope->Ellipses(), h->Ellipses(), TSLDataChart::kEllipsesPage},
          {Cursors(), scope->Cursors(), h->Cursors(), TSLDataChart::kCursorsPage},
          {CursorLinks(), scope->CursorLinks(), h->CursorLinks(), TSLDataChart::kCursorLinksPage},
          {Labels(), scope->Labels(), h->Labels(), -1}};
  for (int i = 0; i < customGroups_->Count(); ++i) {
    TSLLegendGroupItem* custom = customGroups_->Group(i);
    groups.append({custom->LegendGroup(), custom->Items(), nullptr, -1});
  }
  return groups;
}

QObject* TSLScopeLegendView::ItemOf(const TEntry& entry) const {
  const QList<TGroupRef> groups = GroupRefs();
  if (entry.group < 0 || entry.group >= groups.size()) return nullptr;
  TOWExtCollection* c = groups[entry.group].collection;
  return entry.item >= 0 && entry.item < c->Count() ? c->Item(entry.item) : nullptr;
}

int TSLScopeLegendView::RowHeight() const { return TextRow(Font()->ToQFont()); }

QRect TSLScopeLegendView::EntryRect(const TEntry& entry) const {
  const QRect band = ViewRect();
  const int row = RowHeight();
  return QRect(band.left() + 5, entry.centre - row / 2, band.width() - 10, row);
}

int TSLScopeLegendView::AutoWidth() const {
  int width = 0;
  const QFontMetrics entries(Font()->ToQFont());
  for (const TGroupRef& g : GroupRefs()) {
    if (!g.Counts()) continue;
    if (g.group->Caption()->Visible())
      width = std::max(width, QFontMetrics(g.group->Caption()->Font()->ToQFont()).horizontalAdvance(
                                  g.group->CaptionText()) + 23);
    for (int i : g.Listed())
      width = std::max(width, std::min(entries.horizontalAdvance(g.Name(i)), EntryTextLimit(entries)) + 30);
  }
  return width;
}

QList<TSLScopeLegendView::TEntry> TSLScopeLegendView::Entries() const {
  QList<TEntry> out;
  const int row = RowHeight();
  int y = row / 2 + ViewRect().top() + 2 - offset_;
  const QList<TGroupRef> groups = GroupRefs();
  for (int gi = 0; gi < groups.size(); ++gi) {
    const TGroupRef& g = groups[gi];
    if (!g.Counts()) continue;
    if (g.group->Caption()->Visible()) y += TextRow(g.group->Caption()->Font()->ToQFont()) - 6;
    for (int i : g.Listed()) {
      out.append({gi, i, y});
      y += row;
    }
    y += row;
  }
  return out;
}

void TSLScopeLegendView::PaintBand(TLPCanvas& canvas) {
  const QRect band = ViewRect();
  QPainter* painter = canvas.Painter();
  if (band.width() <= 1 || band.height() <= 1 || !painter) return;
  if (!Background()->UseControlColor()) painter->fillRect(band, Background()->Color());
  const int bottom = Display()->RenderSize().height();
  painter->save();
  // Entries scrolled above the band are cut off.
  painter->setClipRect(QRect(band.left(), band.top() - 2, band.width(), bottom - band.top() + 2));
  const QList<TGroupRef> groups = GroupRefs();
  const int row = RowHeight();
  int y = row / 2 + band.top() + 2 - offset_;
  for (int gi = 0; gi < groups.size() && y < bottom; ++gi) {
    const TGroupRef& g = groups[gi];
    if (!g.Counts()) continue;
    if (g.group->Caption()->Visible()) {
      const QFont font = g.group->Caption()->Font()->ToQFont();
      y -= 6;
      painter->setFont(font);
      painter->setPen(g.group->Caption()->Font()->Color());
      const QFontMetrics metrics(font);
      painter->drawText(band.left() + 4, y - metrics.height() / 2 + metrics.ascent(), g.group->CaptionText());
      y += TextRow(font);
    }
    for (int i : g.Listed()) {
      PaintEntry(canvas, {gi, i, y}, groups);
      y += row;
    }
    y += row;
  }
  painter->restore();
}

void TSLScopeLegendView::PaintEntry(TLPCanvas& canvas, const TEntry& entry, const QList<TGroupRef>& groups) {
  QPainter* painter = canvas.Painter();
  const QRect band = ViewRect();
  const int x = band.left() + 6, y = entry.centre;
  QObject* item = groups[entry.group].collection->Item(entry.item);
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, false);
  if (auto* channel = qobject_cast<TSLScopeChannel*>(item)) {
    if (channel->ChannelMode() != SL::cmPoint) painter->fillRect(QRect(x, y - 1, 13, 3), channel->Color());
    TSLScopePoints* points = channel->Points();
    if (points->Visible()) {
      // The point shape in a 7 by 7 box, 3 pixels in.
      const QRect box(x + 3, y - 3, 6, 6);
      const bool own = points->UseChannelColor();
      painter->setPen(own ? QPen(channel->Color()) : points->Pen()->ToQPen());
      painter->setBrush(own ? QBrush(channel->Color()) : points->Brush()->ToQBrush());
      const QPoint c = box.center();
      switch (points->Shape()) {
        case SL::psCircle: painter->drawEllipse(box); break;
        case SL::psSquare: painter->drawRect(box); break;
        case SL::psDiamond: {
          const QPoint diamond[] = {{c.x(), box.top()}, {box.right(), c.y()}, {c.x(), box.bottom()}, {box.left(), c.y()}};
          painter->drawPolygon(diamond, 4);
          break;
        }
        case SL::psPlus:
          painter->drawLine(c.x(), box.top(), c.x(), box.bottom());
          painter->drawLine(box.left(), c.y(), box.right(), c.y());
          break;
        case SL::psCross:
          painter->drawLine(box.topLeft(), box.bottomRight());
          painter->drawLine(box.topRight(), box.bottomLeft());
          break;
        case SL::psStar:
          painter->drawLine(c.x(), box.top(), c.x(), box.bottom());
          painter->drawLine(box.left(), c.y(), box.right(), c.y());
          painter->drawLine(box.topLeft(), box.bottomRight());
          painter->drawLine(box.topRight(), box.bottomLeft());
          break;
      }
    }
  } else if (auto* link = qobject_cast<TSLDisplayCursorLink*>(item)) {
    // 13 by 10: the selection band, the two cursors' colours at its edges
    // and the measurement line across the middle.
    const QRect symbol(x, y - 5, 13, 10);
    if (link->Selection()->Visible()) painter->fillRect(symbol, link->Selection()->Brush()->ToQBrush());
    auto* scope = qobject_cast<TSLScope*>(Display());
    const int b = link->BeginCursorIndex(), e = link->EndCursorIndex();
    if (scope && b >= 0 && e >= 0) {
      painter->setPen(scope->Cursors()->Cursor(b)->Color());
      painter->drawLine(symbol.left(), symbol.top(), symbol.left(), symbol.bottom());
      painter->setPen(scope->Cursors()->Cursor(e)->Color());
      painter->drawLine(symbol.right(), symbol.top(), symbol.right(), symbol.bottom());
    }
    if (link->MeasurementLine()->Visible()) {
      painter->setPen(QPen(link->MeasurementLine()->Color(), 1, Qt::DotLine));
      painter->drawLine(symbol.left() + 1, y, symbol.right() - 1, y);
    }
  } else {
    // Anything else: a 13 by 3 rectangle with the item's pen and brush, or
    // in its colour.
    auto* pen = qvariant_cast<TSLDisplayPen*>(item->property("Pen"));
    auto* brush = qvariant_cast<TSLDisplayBrush*>(item->property("Brush"));
    const QColor color = item->property("Color").value<QColor>();
    const QRect sample(x, y - 1, 13, 3);
    if (pen || brush) {
      painter->setPen(pen ? pen->ToQPen() : QPen(Qt::NoPen));
      painter->setBrush(brush ? brush->ToQBrush() : QBrush(Qt::NoBrush));
      painter->drawRect(sample.adjusted(0, 0, -1, -1));
    } else if (color.isValid()) {
      painter->fillRect(sample, color);
    }
  }
  const QFont font = Font()->ToQFont();
  const QFontMetrics metrics(font);
  painter->setFont(font);
  painter->setPen(Font()->Color());
  painter->drawText(band.left() + 23, y - metrics.height() / 2 + metrics.ascent(),
                    metrics.elidedText(groups[entry.group].Name(entry.item), Qt::ElideRight, EntryTextLimit(metrics)));
  painter->restore();
}

void TSLScopeLegendView::PaintOverlay(TLPCanvas& canvas) {
  const QRect band = ViewRect();
  QPainter* painter = canvas.Painter();
  if (!IsShown() || band.width() <= 1 || band.height() <= 1 || !painter) return;
  auto* scope = qobject_cast<TSLScope*>(Display());
  TSLLegendViewButtonSettings* buttons = Buttons();
  // Most repaints have nothing to show here: no entry under the pointer,
  // no element under it or dragged that could light its entry up.
  const bool entries = buttons->Enabled() && (hovered_.group >= 0 || (scope && (scope->ElementUnderPointer() ||
                                                                                scope->DraggedCursor() >= 0)));
  const bool scrolling = ScrollButtonsShown();
  if (!entries && !scrolling) return;
  const QList<TGroupRef> groups = GroupRefs();
  painter->save();
  painter->setClipRect(band);
  if (entries) {
    for (const TEntry& entry : Entries()) {
      const TGroupRef& g = groups[entry.group];
      QObject* item = g.collection->Item(entry.item);
      // Under the pointer here, or reporting itself highlighted (the
      // element under the pointer in the data view, a dragged cursor).
      const bool dragged = scope && g.collection == scope->Cursors() && scope->DraggedCursor() == entry.item;
      const bool self = g.highlighting && g.highlighting->HiglightLegendButton() && scope &&
                        (scope->ElementUnderPointer() == item || dragged);
      const bool over = hovered_.group == entry.group && hovered_.item == entry.item;
      if (!over && !self) continue;
      const bool down = (pressed_.group == entry.group && pressed_.item == entry.item) || dragged;
      const QRect r = EntryRect(entry);
      painter->fillRect(r, down ? buttons->MouseDownColor() : buttons->MouseOverColor());
      painter->setPen(down ? buttons->MouseDownBorderColor() : buttons->MouseOverBorderColor());
      painter->setBrush(Qt::NoBrush);
      painter->drawRect(r.adjusted(0, 0, -1, -1));
      PaintEntry(canvas, entry, groups);
    }
  }
  if (scrolling) {
    const QList<QColor> colors{buttons->GlyphColor(), buttons->BorderColor(), buttons->ButtonColor(),
                               buttons->MouseOverBorderColor(), buttons->MouseOverColor(),
                               buttons->MouseDownBorderColor(), buttons->MouseDownColor(),
                               buttons->DisabledColor()};
    if (!buttonGlyphs_) buttonGlyphs_ = new TSLGlyphSets;
    if (colors != buttonColors_) {
      buttonGlyphs_->Build({colors[0], colors[1], colors[2], colors[3], colors[4], colors[5], colors[6], colors[7]});
      buttonColors_ = colors;
    }
    const auto set = [&](TScrollButton which, bool enabled) {
      if (!enabled) return TSLGlyphSets::Disabled;
      if (scrollHeld_ == which && ScrollRepeating()) return TSLGlyphSets::Pressed;
      return scrollHover_ == which ? TSLGlyphSets::Over : TSLGlyphSets::Normal;
    };
    const QRect up = UpButtonRect(), down = DownButtonRect();
    painter->fillRect(up, scope ? scope->Color() : QColor(Qt::black));
    painter->fillRect(down, scope ? scope->Color() : QColor(Qt::black));
    buttonGlyphs_->Draw(*painter, up.left(), up.top(), set(sbUp, CanScrollUp()), SLGlyph::ArrowUp);
    buttonGlyphs_->Draw(*painter, down.left(), down.top(), set(sbDown, CanScrollDown()), SLGlyph::ArrowDown);
  }
  painter->restore();
}

// --- the scope's share --------------------------------------------------------

int TSLScope::LegendWidth(TLPCanvas&) { return legend_->AutoWidth(); }

void TSLScope::PaintLegend(TLPCanvas& canvas) { legend_->PaintBand(canvas); }
