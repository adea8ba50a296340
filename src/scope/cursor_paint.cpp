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

double TSLScope::DragValue(const TSLDisplayCursor* cursor, int column) {
  const double value = CursorValueAt(cursor, column);
  TSLDisplayAxis* axis = XAxisAt(cursor->XAxisIndex());
  if (!axis || !axis->CursorSettings()->SnapToSample()) return value;
  // The nearest sample of the channels drawn against the cursor's axis.
  const TSLRange data = axis->DataLimits();
  const double sample = std::clamp(std::round(axis->ToData(value)), std::min(data.lo, data.hi), std::max(data.lo, data.hi));
  return axis->ToValue(sample);
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
    const bool highlighted = i == draggedCursor_ || (element_ == c && Highlighting()->Cursors()->HiglightLegendButton());
    if (highlighted && !printing) {
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
    const int to = std::clamp(CursorColumn(c, DragValue(c, dragPoint_.x())), view.left(), view.right());
    QPen trail(Trails()->Color());
    trail.setCosmetic(true);
    trail.setStyle(Qt::DotLine);
    painter->setPen(trail);
    painter->drawLine(to, view.top() + 1, to, view.bottom());
    if (to == column) continue;
    const int row = std::clamp(dragPoint_.y(), view.top(), view.bottom());
    painter->drawLine(column, row, to, row);
    canvas.AssignFont(Trails()->Font()->ToQFont());
    const QString text = FormatAxisValue(XAxisAt(c->XAxisIndex()), DragValue(c, dragPoint_.x()) - c->Position()->X());
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
    const int row = view.top() + int(std::lround((200 - (line->Y() + 100)) / 200 * (view.height())));
    PaintLinkPreview(canvas, i, row);
    if (!line->Visible() || x0 == x1) continue;
    if (i == draggedLink_ || (element_ == link && Highlighting()->CursorLinks()->HiglightLegendButton())) {
      QPen highlight(i == draggedLink_ ? QColor(128, 128, 0) : Highlighting()->CursorLinks()->Color());
      highlight.setWidth(3);
      painter->setPen(highlight);
      painter->drawLine(c0, row, c1, row);
    }
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

void TSLScope::PaintLinkPreview(TLPCanvas& canvas, int index, int row) {
  const QRect view = DataViewRect();
  QPainter* painter = canvas.Painter();
  TSLDisplayCursorLink* link = cursorLinks_->Link(index);
  QPen trail(Trails()->Color());
  trail.setCosmetic(true);
  trail.setStyle(Qt::DotLine);
  if (index == draggedLink_) {
    // Where the measurement line would go.
    const int b = link->BeginCursorIndex(), e = link->EndCursorIndex();
    const int c0 = std::clamp(CursorColumn(cursors_->Cursor(b), cursors_->Cursor(b)->Position()->X()), view.left(), view.right());
    const int c1 = std::clamp(CursorColumn(cursors_->Cursor(e), cursors_->Cursor(e)->Position()->X()), view.left(), view.right());
    painter->setPen(trail);
    const int y = std::clamp(dragPoint_.y(), view.top(), view.bottom());
    painter->drawLine(c0, y, c1, y);
    return;
  }
  const int b = link->BeginCursorIndex(), e = link->EndCursorIndex();
  if (draggedCursor_ < 0 || (draggedCursor_ != b && draggedCursor_ != e)) return;
  // One end is being dragged: the delay it would give, below the line.
  TSLDisplayCursor* first = cursors_->Cursor(b);
  TSLDisplayCursor* second = cursors_->Cursor(e);
  const double x0 = b == draggedCursor_ ? DragValue(first, dragPoint_.x()) : first->Position()->X();
  const double x1 = e == draggedCursor_ ? DragValue(second, dragPoint_.x()) : second->Position()->X();
  int p0 = std::clamp(CursorColumn(first, x0), view.left(), view.right());
  int p1 = std::clamp(CursorColumn(second, x1), view.left(), view.right());
  if (p0 > p1) std::swap(p0, p1);
  const QFont font = Trails()->Font()->ToQFont();
  canvas.AssignFont(font);
  const QString text = FormatAxisValue(XAxisAt(first->XAxisIndex()), std::abs(x1 - x0));
  const QSize size = canvas.TextExtent(text);
  int y = row + size.height() + 1;
  if (y >= view.bottom()) y = row - size.height() - 1;
  painter->setPen(trail);
  painter->drawLine(p0, y, p1, y);
  const QRect box(p0 + (p1 - p0 - size.width()) / 2, y - size.height(), size.width(), size.height());
  painter->fillRect(box, Color());
  painter->setPen(Trails()->Color());
  painter->setFont(font);
  painter->drawText(box, Qt::AlignCenter, text);
}
