#include "draw/display_properties.h"

#include <cmath>

Qt::PenStyle ToQtPenStyle(Vcl::TPenStyle style) {
  switch (style) {
    case Vcl::psDash: return Qt::DashLine;
    case Vcl::psDot: return Qt::DotLine;
    case Vcl::psDashDot: return Qt::DashDotLine;
    case Vcl::psDashDotDot: return Qt::DashDotDotLine;
    case Vcl::psClear: return Qt::NoPen;
    default: return Qt::SolidLine;
  }
}

QPainter::CompositionMode ToQtCompositionMode(Vcl::TPenMode mode) {
  switch (mode) {
    case Vcl::pmBlack: return QPainter::RasterOp_ClearDestination;
    case Vcl::pmWhite: return QPainter::RasterOp_SetDestination;
    case Vcl::pmNop: return QPainter::CompositionMode_Destination;
    case Vcl::pmNot: return QPainter::RasterOp_NotDestination;
    case Vcl::pmNotCopy: return QPainter::RasterOp_NotSource;
    case Vcl::pmMergePenNot: return QPainter::RasterOp_SourceOrNotDestination;
    case Vcl::pmMaskPenNot: return QPainter::RasterOp_SourceAndNotDestination;
    case Vcl::pmMergeNotPen: return QPainter::RasterOp_NotSourceOrDestination;
    case Vcl::pmMaskNotPen: return QPainter::RasterOp_NotSourceAndDestination;
    case Vcl::pmMerge: return QPainter::RasterOp_SourceOrDestination;
    case Vcl::pmNotMerge: return QPainter::RasterOp_NotSourceAndNotDestination;
    case Vcl::pmMask: return QPainter::RasterOp_SourceAndDestination;
    case Vcl::pmNotMask: return QPainter::RasterOp_NotSourceOrNotDestination;
    case Vcl::pmXor: return QPainter::RasterOp_SourceXorDestination;
    case Vcl::pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    default: return QPainter::CompositionMode_SourceOver;
  }
}

Qt::BrushStyle ToQtBrushStyle(Vcl::TBrushStyle style) {
  switch (style) {
    case Vcl::bsClear: return Qt::NoBrush;
    case Vcl::bsHorizontal: return Qt::HorPattern;
    case Vcl::bsVertical: return Qt::VerPattern;
    case Vcl::bsFDiagonal: return Qt::FDiagPattern;
    case Vcl::bsBDiagonal: return Qt::BDiagPattern;
    case Vcl::bsCross: return Qt::CrossPattern;
    case Vcl::bsDiagCross: return Qt::DiagCrossPattern;
    default: return Qt::SolidPattern;
  }
}

TSLDisplayPen::TSLDisplayPen(QObject* owner, const QColor& color, Vcl::TPenStyle style)
    : TLPPersistentNotify(owner), Color_(color), Style_(style) {}

QPen TSLDisplayPen::ToQPen() const {
  QPen pen(Color());
  pen.setStyle(ToQtPenStyle(Style()));
  pen.setWidth(qMax(1, Width()));
  return pen;
}

void TSLDisplayPen::AssignPen(const QPen& pen) {
  SetColor(pen.color());
  SetWidth(pen.width());
  switch (pen.style()) {
    case Qt::DashLine: SetStyle(Vcl::psDash); break;
    case Qt::DotLine: SetStyle(Vcl::psDot); break;
    case Qt::DashDotLine: SetStyle(Vcl::psDashDot); break;
    case Qt::DashDotDotLine: SetStyle(Vcl::psDashDotDot); break;
    case Qt::NoPen: SetStyle(Vcl::psClear); break;
    default: SetStyle(Vcl::psSolid); break;
  }
}

TSLDisplayBrush::TSLDisplayBrush(QObject* owner, const QColor& color, Vcl::TBrushStyle style)
    : TLPPersistentNotify(owner), Color_(color), Style_(style) {}

QBrush TSLDisplayBrush::ToQBrush() const { return QBrush(Color(), ToQtBrushStyle(Style())); }

void TSLDisplayBrush::AssignBrush(const QBrush& brush) {
  SetColor(brush.color());
  switch (brush.style()) {
    case Qt::NoBrush: SetStyle(Vcl::bsClear); break;
    case Qt::HorPattern: SetStyle(Vcl::bsHorizontal); break;
    case Qt::VerPattern: SetStyle(Vcl::bsVertical); break;
    case Qt::FDiagPattern: SetStyle(Vcl::bsFDiagonal); break;
    case Qt::BDiagPattern: SetStyle(Vcl::bsBDiagonal); break;
    case Qt::CrossPattern: SetStyle(Vcl::bsCross); break;
    case Qt::DiagCrossPattern: SetStyle(Vcl::bsDiagCross); break;
    default: SetStyle(Vcl::bsSolid); break;
  }
}

namespace {
int HeightForPoints(int points) { return -int(std::lround(points * 96.0 / 72.0)); }
}  // namespace

TSLDisplayFont::TSLDisplayFont(QObject* owner, const QString& name, int size, const QColor& color,
                               Vcl::TFontStyles style)
    : TLPPersistentNotify(owner), Color_(color), Height_(HeightForPoints(size)), Name_(name), Style_(style) {}

int TSLDisplayFont::Size() const {
  const int h = Height();
  return int(std::lround(std::abs(h) * 72.0 / 96.0));
}

void TSLDisplayFont::SetSize(int points) { SetHeight(HeightForPoints(points)); }

QFont TSLDisplayFont::ToQFont() const {
  const int generation = fontGeneration_.load();
  {
    std::lock_guard<std::mutex> kept(keptMutex_);
    if (keptGeneration_ == generation) return kept_;
  }
  QFont font(Name());
  // A negative height is the character height in pixels; a positive one
  // includes the internal leading, which Qt cannot express: close enough.
  font.setPixelSize(qMax(1, std::abs(Height())));
  const Vcl::TFontStyles style = Style();
  font.setBold(style.testFlag(Vcl::fsBold));
  font.setItalic(style.testFlag(Vcl::fsItalic));
  font.setUnderline(style.testFlag(Vcl::fsUnderline));
  font.setStrikeOut(style.testFlag(Vcl::fsStrikeOut));
  std::lock_guard<std::mutex> kept(keptMutex_);
  kept_ = font;
  keptGeneration_ = generation;
  return font;
}

void TSLDisplayFont::AssignFont(const QFont& font, const QColor& color) {
  SetName(font.family());
  if (font.pixelSize() > 0) SetHeight(-font.pixelSize());
  else SetSize(int(std::lround(font.pointSizeF())));
  Vcl::TFontStyles style;
  if (font.bold()) style |= Vcl::fsBold;
  if (font.italic()) style |= Vcl::fsItalic;
  if (font.underline()) style |= Vcl::fsUnderline;
  if (font.strikeOut()) style |= Vcl::fsStrikeOut;
  SetStyle(style);
  SetColor(color);
}

TLPOptionalPenProperty::TLPOptionalPenProperty(QObject* owner, const QColor& color, Vcl::TPenStyle style,
                                               bool visible)
    : TLPOptionalVisibilityProperty(owner), Pen_(new TSLDisplayPen(this, color, style)) {
  SetVisible(visible);
  Pen_->SetOnChange([this](TLPPersistentNotify*) {
    if (OnChange()) OnChange()(this);
  });
}

TSLBasicOptionalLabel::TSLBasicOptionalLabel(QObject* owner)
    : TLPPersistentNotify(owner), Font_(new TSLDisplayFont(this)) {
  Font_->SetOnChange([this](TLPPersistentNotify*) {
    if (OnChange()) OnChange()(this);
  });
}
