#include "scope/model/display_component.h"

#include "scope/data_display.h"

TSLDisplayPersistent::TSLDisplayPersistent(QObject* owner, TSLDataDisplay* display)
    : TLPPersistent(owner), display_(display) {}

void TSLDisplayPersistent::Changed() {
  if (!display_) return;
  display_->InvalidateStatic();
  display_->Changed();
}

void TSLDisplayPersistent::LayoutChanged() {
  if (!display_) return;
  display_->InvalidateStatic();
  display_->LayoutChanged();
}

TSLDisplayPen* TSLDisplayPersistent::MakePen(const QColor& color, Vcl::TPenStyle style) {
  return Watched(new TSLDisplayPen(this, color, style), false);
}

TSLDisplayBrush* TSLDisplayPersistent::MakeBrush(const QColor& color, Vcl::TBrushStyle style) {
  return Watched(new TSLDisplayBrush(this, color, style), false);
}

TSLDisplayFont* TSLDisplayPersistent::MakeFont(int size, const QColor& color, Vcl::TFontStyles style,
                                               const QString& name) {
  // Text sizes change the layout.
  return Watched(new TSLDisplayFont(this, name, size, color, style), true);
}

TSLDisplayComponent::TSLDisplayComponent(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayPersistent(owner, display) {
  if (display) display->RegisterComponent(this);
}

TSLDisplayComponent::~TSLDisplayComponent() {
  if (Display()) Display()->UnregisterComponent(this);
}

void TSLDisplayComponent::MouseMove(Qt::KeyboardModifiers, const QPoint& p, bool& handled) {
  if (!handled && GetBounds().contains(p)) {
    handled = true;
    if (!hover_) {
      hover_ = true;
      MouseEnter();
    }
  } else if (hover_) {
    hover_ = false;
    MouseLeave();
  }
}

void TSLDisplayComponent::MouseLeaveControl() {
  if (!hover_) return;
  hover_ = false;
  MouseLeave();
}

TSLDisplayView::TSLDisplayView(QObject* owner, TSLDataDisplay* display) : TSLDisplayComponent(owner, display) {
  if (display) display->RegisterView(this);
}

TSLDisplayView::~TSLDisplayView() {
  if (Display()) Display()->UnregisterView(this);
}

TSLCustomColorDisplayView::TSLCustomColorDisplayView(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayView(owner, display), Background_(new TSLDisplayViewBackground(this, display)) {}

TSLCustomSizeDisplayView::TSLCustomSizeDisplayView(QObject* owner, TSLDataDisplay* display, SL::TSLViewAlign align)
    : TSLCustomColorDisplayView(owner, display), ViewSize_(new TSLViewSize(this, display)), Align_(align) {}

TSLDisplayGridLineSettings::TSLDisplayGridLineSettings(QObject* owner, TSLDataDisplay* display, const QColor& color)
    : TSLDisplayPersistent(owner, display), Pen_(MakePen(color)) {}

TSLDisplayLabel::TSLDisplayLabel(QObject* owner, TSLDataDisplay* display, const QString& text, int fontSize,
                                 Vcl::TFontStyles style)
    : TSLDisplayPersistent(owner, display), Text_(text), Font_(MakeFont(fontSize, QColor(Qt::white), style)) {}
