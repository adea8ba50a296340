// The title band: its background and the text centred on the whole
// control, reading upwards on the left and downwards on the right.

#include "draw/canvas.h"
#include "scope/scope.h"

void TSLScope::PaintTitle(TLPCanvas& canvas) {
  const QRect band = title_->ViewRect();
  if (band.width() <= 1 || band.height() <= 1) return;
  if (!title_->Background()->UseControlColor()) {
    canvas.Brush().SetColor(title_->Background()->Color());
    canvas.Brush().SetStyle(Qt::SolidPattern);
    canvas.FillRect(band);
  }
  canvas.Brush().SetStyle(Qt::NoBrush);
  canvas.AssignFont(title_->Font()->ToQFont());
  canvas.SetFontColor(title_->Font()->Color());
  const QString text = title_->Text();
  const QSize size = canvas.TextExtent(text);
  const QSize control = RenderSize();
  switch (title_->Align()) {
    case SL::vaLeft:
      canvas.SetFontAngle(90);
      canvas.TextOut(band.left() + 4, control.height() / 2 + size.width() / 2, text);
      canvas.SetFontAngle(0);
      break;
    case SL::vaRight:
      canvas.SetFontAngle(270);
      canvas.TextOut(band.right() - 4, control.height() / 2 - size.width() / 2, text);
      canvas.SetFontAngle(0);
      break;
    default:
      canvas.TextOut(control.width() / 2 - size.width() / 2, band.top() + 4, text);
      break;
  }
  canvas.Brush().SetStyle(Qt::SolidPattern);
}
