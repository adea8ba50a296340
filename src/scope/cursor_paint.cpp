// Vertical cursors and their links: drawing, hit test and dragging. A drag
// changes nothing until the left button is released; then the new position
// is stored and Cursors.OnPositionChange raised, once.

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "draw/canvas.h"
#include "scope/scope.h"

int TSLScope::CursorColumn(const TSLDisplayCursor* cursor, double x) {
  const QRect view = DataViewRect();
  TSLDisplayAxis* axis = XAxisAt(cursor->XAxisIndex());
  if (!axis) return view.left();
  TSLRange r = axis->ShownValue();
  if (r.lo == r.hi) r = {r.lo - 1, r.hi + 1};
  double span = r.hi - r.lo;
  if (span == 0) span = 1e-5;
  return view.left() + int(std::lround((x - r.lo) * (view.width() - 1) / span));
}

double TSLScope::CursorValueAt(const TSLDisplayCursor* cursor, int column) {
  const QRect view = DataViewRect();
  TSLDisplayAxis* axis = XAxisAt(cursor->XAxisIndex());
  if (!axis || view.width() <= 1) return 0;
  TSLRange r = axis->ShownValue();
  if (r.lo == r.hi) r = {r.lo - 1, r.hi + 1};
  return r.lo + (column - view.left()) * (r.hi - r.lo) / (view.width() - 1);
}

int TSLScope::HitCursor(const QPoint& p) {
  const QRect view = DataViewRect();
  for (int i = cursors_->Count() - 1; i >= 0; --i) {
    TSLDisplayCursor* c = cursors_->Cursor(i);
    if (!c->Visible() || !c->CanDrag() || c->Kind() == SL::ckHorizontal) continue;
    int column = CursorColumn(c, c->Position()->X());
    if (CursorsStayInView()) column = std::clamp(column, view.left(), view.right());
    if (std::abs(p.x() - column) < 3) return i;
  }
  return -1;
}

void TSLScope::PaintCursors(TLPCanvas& canvas, bool printing) {
  const QRect view = DataViewRect();
  if (view.width() <= 1 || view.height() <= 1) return;
  QPainter* painter = canvas.Painter();
  painter->save();
  painter->setClipRect(view);
  for (int i = 0; i < cursors_->Count(); ++i) {
    TSLDisplayCursor* c = cursors_->Cursor(i);
    if (!c->Visible() || c->Kind() == SL::ckHorizontal) continue;
    int column = CursorColumn(c, c->Position()->X());
    bool pinned = false;
    if (CursorsStayInView() && (column < view.left() || column > view.right())) {
      column = std::clamp(column, view.left(), view.right());
      pinned = true;
    }
    if (i == draggedCursor_ && !printing) {
      QPen highlight(Highlighting()->Cursors()->Color());
      highlight.setWidth(3);
      painter->setPen(highlight);
      painter->drawLine(column, view.top() + 1, column, view.bottom());
    }
    QPen pen(c->Color());
    pen.setCosmetic(true);
    pen.setStyle(pinned ? Qt::DotLine : Qt::SolidLine);
    painter->setPen(pen);
    painter->drawLine(column, view.top() + 1, column, view.bottom());
    if (i != draggedCursor_ || printing) continue;
    // Drag preview: the column under the pointer and the change in time.
    const int to = std::clamp(dragPoint_.x(), view.left(), view.right());
    QPen trail(Trails()->Color());
    trail.setCosmetic(true);
    trail.setStyle(Qt::DotLine);
    painter->setPen(trail);
    painter->drawLine(to, view.top() + 1, to, view.bottom());
    if (to == column) continue;
    const int row = std::clamp(dragPoint_.y(), view.top(), view.bottom());
    painter->drawLine(column, row, to, row);
    canvas.AssignFont(Trails()->Font()->ToQFont());
    const QString text = FormatAxisValue(XAxisAt(c->XAxisIndex()), CursorValueAt(c, to) - c->Position()->X());
    const QSize size = canvas.TextExtent(text);
    const int left = std::clamp(std::min(column, to) + (std::abs(to - column) - size.width()) / 2, view.left(),
                                std::max(view.left(), view.right() - size.width()));
    painter->setPen(Trails()->Font()->Color());
    painter->setFont(Trails()->Font()->ToQFont());
    painter->drawText(QRect(left, row - size.height(), size.width(), size.height()), Qt::AlignCenter, text);
  }
  painter->restore();
}

void TSLScope::PaintCursorLinks(TLPCanvas& canvas, bool selectionPass) {
  const QRect view = DataViewRect();
  if (view.width() <= 1 || view.height() <= 1) return;
  QPainter* painter = canvas.Painter();
  for (int i = 0; i < cursorLinks_->Count(); ++i) {
    TSLDisplayCursorLink* link = cursorLinks_->Link(i);
    const int b = link->BeginCursorIndex(), e = link->EndCursorIndex();
    if (b < 0 || e < 0) continue;
    TSLDisplayCursor* first = cursors_->Cursor(b);
    TSLDisplayCursor* second = cursors_->Cursor(e);
    if (!first->Visible() || !second->Visible()) continue;
    const double x0 = first->Position()->X(), x1 = second->Position()->X();
    int c0 = std::clamp(CursorColumn(first, x0), view.left(), view.right());
    int c1 = std::clamp(CursorColumn(second, x1), view.left(), view.right());
    if (c0 > c1) std::swap(c0, c1);
    if (selectionPass) {
      if (link->Selection()->Visible())
        painter->fillRect(QRect(QPoint(c0, view.top()), QPoint(c1, view.bottom())), link->Selection()->Brush()->ToQBrush());
      continue;
    }
    TSLScopeMeasurementLine* line = link->MeasurementLine();
    if (!line->Visible() || x0 == x1) continue;
    const int row = view.top() + int(std::lround((200 - (line->Y() + 100)) / 200 * (view.height())));
    QPen pen(line->Color());
    pen.setCosmetic(true);
    pen.setStyle(ToQtPenStyle(line->Style()));
    painter->setPen(pen);
    painter->drawLine(c0, row, c1, row);
    // The label: the template with "%V" the axis formatting of the delay.
    QString pattern = line->MeasurementLabel()->Text();
    if (pattern.isEmpty()) pattern = QStringLiteral("%V");
    QString text;
    for (int k = 0; k < pattern.size(); ++k) {
      if (pattern[k] != QLatin1Char('%')) {
        text += pattern[k];
        continue;
      }
      if (++k >= pattern.size()) break;
      if (pattern[k].toUpper() == QLatin1Char('V')) text += FormatAxisValue(XAxisAt(first->XAxisIndex()), std::abs(x1 - x0));
      else if (pattern[k] == QLatin1Char('%')) text += QLatin1Char('%');
    }
    if (!line->MeasurementLabel()->Visible() || text.isEmpty()) continue;
    canvas.AssignFont(line->MeasurementLabel()->Font()->ToQFont());
    const QSize size = canvas.TextExtent(text);
    const QRect box(c0 + (c1 - c0 - size.width()) / 2, row - size.height(), size.width(), size.height());
    painter->fillRect(box, Color());
    painter->setPen(line->MeasurementLabel()->Font()->Color());
    painter->setFont(line->MeasurementLabel()->Font()->ToQFont());
    painter->drawText(box, Qt::AlignCenter, text);
  }
}
