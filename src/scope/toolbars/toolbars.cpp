#include "scope/toolbars/toolbars.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

#include "draw/canvas.h"
#include "draw/message_service.h"
#include "scope/axes/axes.h"
#include "scope/data_chart.h"
#include "scope/paint/export_services.h"

// --- common part -------------------------------------------------------------

TSLBasicDisplayToolBar::TSLBasicDisplayToolBar(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayComponent(owner, display) {
  ColorsChanged();
}

void TSLBasicDisplayToolBar::ColorsChanged() {
  ++glyphBuilds_;
  glyphs_.Build({GlyphColor(), BorderColor(), ButtonColor(), MouseOverBorderColor(), MouseOverButtonColor(),
                 MouseDownBorderColor(), MouseDownButtonColor(), DisabledColor()});
  Changed();
}

void TSLBasicDisplayToolBar::AddButton(int glyph, TSLDisplayToolBarButton* settings, std::function<void()> action) {
  buttons_.append(TSLDisplayIntToolBarButton(glyph, settings, std::move(action)));
}

int TSLBasicDisplayToolBar::VisibleCount() const {
  int n = 0;
  for (const TSLDisplayIntToolBarButton& b : buttons_) n += b.visible;
  return n;
}

int TSLBasicDisplayToolBar::Width() const { return VisibleCount() * kCell / std::max(1, ButtonRows()); }

QRect TSLBasicDisplayToolBar::GetBounds() const {
  if (frozen_) return frozenRect_;
  return QRect(ToolBarLeft(), ToolBarTop(), Width(), ButtonRows() * kCell + 1);
}

void TSLBasicDisplayToolBar::Walk(const std::function<void(int, const QRect&)>& f) const {
  const QPoint origin = GetBounds().topLeft();
  const int perRow = std::max(1, VisibleCount() / std::max(1, ButtonRows()));
  QPoint at = origin;
  int drawn = 0;
  for (int i = 0; i < buttons_.size(); ++i) {
    if (!buttons_[i].Drawn()) continue;
    f(i, QRect(at, QSize(SLGlyph::kSize, SLGlyph::kSize)));
    // Hidden buttons leave no gap: the drawn ones are packed row by row.
    if (++drawn % perRow == 0) at = QPoint(origin.x(), at.y() + kCell);
    else at.rx() += kCell;
  }
}

QRect TSLBasicDisplayToolBar::ButtonSquare(int index) const {
  QRect square;
  Walk([&](int i, const QRect& r) {
    if (i == index) square = r;
  });
  return square;
}

void TSLBasicDisplayToolBar::PaintToolBar(TLPCanvas& canvas) {
  RefreshButtons();
  const QPoint pointer = Display()->HoverMousePosition();
  overButton_ = false;
  QPainter* painter = canvas.Painter();
  if (!painter) return;
  const QColor background = Display()->Color();
  const QRect bounds = GetBounds();
  const qreal dpr = painter->device()->devicePixelRatioF();
  const int ratio = qRound(dpr);
  // What the buttons show, in drawing order: five numbers per button.
  QVector<int>& key = keyScratch_;
  key.clear();
  key << bounds.x() << bounds.y() << bounds.width() << bounds.height() << int(background.rgba()) << ratio
      << glyphBuilds_;
  constexpr int kHead = 7;
  Walk([&](int i, const QRect& square) {
    const TSLDisplayIntToolBarButton& b = buttons_[i];
    TSLGlyphSets::TSet set = TSLGlyphSets::Normal;
    if (!b.enabled) {
      set = TSLGlyphSets::Disabled;
    } else if (square.contains(pointer)) {
      set = b.pressed ? TSLGlyphSets::Pressed : TSLGlyphSets::Over;
      overButton_ = true;
    }
    key << i << square.left() << square.top() << int(set) << b.glyph;
  });
  const auto draw = [&](QPainter& on) {
    for (int k = kHead; k + 4 < key.size(); k += 5) {
      on.fillRect(QRect(key[k + 1], key[k + 2], SLGlyph::kSize, SLGlyph::kSize), background);
      glyphs_.Draw(on, key[k + 1], key[k + 2], TSLGlyphSets::TSet(key[k + 3]), key[k + 4]);
    }
  };
  // Most repaints show the same buttons: their picture is kept and copied.
  // It keeps the pixels exact only on whole device pixels, over an opaque
  // background (the gaps between buttons stay transparent).
  // A display drawing in one pass (the reference of its cached pictures)
  // draws them directly too.
  if (!Display()->ComposesOnScreen() || !qFuzzyCompare(dpr, qreal(ratio)) || ratio < 1 || background.alpha() != 255 ||
      !painter->worldTransform().isIdentity() || bounds.isEmpty()) {
    draw(*painter);
    return;
  }
  if (picture_.isNull() || key != pictureKey_) {
    const QSize device = bounds.size() * ratio;
    if (picture_.size() != device) picture_ = QImage(device, QImage::Format_ARGB32_Premultiplied);
    picture_.setDevicePixelRatio(ratio);
    picture_.fill(Qt::transparent);
    QPainter on(&picture_);
    on.translate(-bounds.topLeft());
    draw(on);
    pictureKey_ = key;
  }
  painter->drawImage(bounds.topLeft(), picture_);
}

void TSLBasicDisplayToolBar::PaintDisplayToolBars(TSLDataDisplay& display, TLPCanvas& canvas) {
  for (TSLDisplayComponent* c : display.Components()) {
    auto* bar = qobject_cast<TSLBasicDisplayToolBar*>(c);
    if (bar && bar != display.ToolBar() && bar->ShouldDraw() &&
        TSLDataDisplay::PaintReaches(canvas.Painter(), bar->GetBounds().adjusted(-2, -2, 2, 2)))
      bar->PaintToolBar(canvas);
  }
  // A toolbar this paint does not reach is passed over.
  if (display.ToolBar()->ShouldDraw() &&
      TSLDataDisplay::PaintReaches(canvas.Painter(), display.ToolBar()->GetBounds().adjusted(-2, -2, 2, 2)))
    display.ToolBar()->PaintToolBar(canvas);
}

void TSLBasicDisplayToolBar::MouseMove(Qt::KeyboardModifiers shift, const QPoint& p, bool& handled) {
  // Unless handled before, the component's own move found whether p lies
  // within the bounds (entering keeps them as they were): not found twice.
  const bool handledBefore = handled;
  TSLDisplayComponent::MouseMove(shift, p, handled);
  const bool within = handledBefore ? GetBounds().contains(p) : Hovered();
  if (within && IsVisible()) {
    Display()->ShowButtonPointerShape(this, Cursor());
    Changed();
  }
}

void TSLBasicDisplayToolBar::MouseEnter() {
  // The buttons stay where they are while the pointer is over them, even
  // when the layout changes meanwhile.
  frozen_ = false;
  frozenRect_ = GetBounds();
  frozen_ = true;
  if (IsVisible()) Changed();
}

void TSLBasicDisplayToolBar::MouseLeave() {
  frozen_ = false;
  if (overButton_) Changed();
  Display()->EndButtonPointerShape(this);
}

void TSLBasicDisplayToolBar::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, bool& handled, bool,
                                       const QPoint& p) {
  if (handled || button != Qt::LeftButton) return;
  // A toolbar hidden by AutoHide has not been painted lately: its states
  // are refreshed here so that a disabled button is never clicked.
  RefreshButtons();
  Walk([&](int i, const QRect& square) {
    TSLDisplayIntToolBarButton& b = buttons_[i];
    if (!b.enabled) return;
    if (square.contains(p)) {
      handled = true;
      Click(i);
      Changed();
    } else if (b.pressed) {
      b.pressed = false;
      Changed();
    }
  });
}

void TSLBasicDisplayToolBar::Click(int index) {
  buttons_[index].pressed = true;
  TSLDisplayToolBarButton* settings = buttons_[index].settings;
  bool handled = false;
  Changed();
  RunEventHandler([&] { emit settings->OnClick(settings, handled); });
  if (handled) return;
  // The action may open a modal dialog; the button list stays as it is.
  const std::function<void()> action = buttons_[index].action;
  RunEventHandler(action);
}

void TSLBasicDisplayToolBar::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, bool, const QPoint&) {
  if (button != Qt::LeftButton) return;
  // Every pressed button, drawn or not: the pause button is replaced by the
  // play button while it is held.
  for (TSLDisplayIntToolBarButton& b : buttons_)
    if (b.pressed) {
      b.pressed = false;
      Changed();
    }
}

// --- main toolbar ----------------------------------------------------------------

TSLDisplayToolBarButtons::TSLDisplayToolBarButtons(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayPersistent(owner, display),
      Setup_(new TSLDisplayToolBarButton(this, display)),
      Hold_(new TSLDisplayToolBarButton(this, display)),
      ZoomOff_(new TSLDisplayToolBarButton(this, display)),
      ZoomPrevious_(new TSLDisplayToolBarButton(this, display)),
      ZoomNext_(new TSLDisplayToolBarButton(this, display)),
      ZoomIn_(new TSLDisplayToolBarButton(this, display)),
      ZoomOut_(new TSLDisplayToolBarButton(this, display)),
      ZoomMode_(new TSLDisplayToolBarButton(this, display)),
      XYZoomOn_(new TSLDisplayToolBarButton(this, display)),
      Copy_(new TSLDisplayToolBarButton(this, display)),
      Print_(new TSLDisplayToolBarButton(this, display)),
      Save_(new TSLDisplayToolBarButton(this, display)) {}

TSLDisplayToolBar::TSLDisplayToolBar(QObject* owner, TSLDataDisplay* display)
    : TSLBasicDisplayToolBar(owner, display),
      Position_(new TSLToolBarPosition(this, display)),
      Buttons_(new TSLDisplayToolBarButtons(this, display)) {
  TSLDisplayToolBarButtons* s = Buttons_;
  AddButton(SLGlyph::Play, s->Hold(), [this] { Display()->SetHold(false); });
  AddButton(SLGlyph::Pause, s->Hold(), [this] {
    Display()->SetHold(true);
    // The play button takes the pause button's place, shown pressed.
    Button(kPlay).pressed = Button(kPause).pressed = true;
  });
  AddButton(SLGlyph::Magnifier, s->ZoomMode(), [this] { Display()->SetNavigateMode(SL::nmZoom); });
  AddButton(SLGlyph::Hand, s->ZoomMode(), [this] { Display()->SetNavigateMode(SL::nmPan); });
  AddButton(SLGlyph::Copy, s->Copy(), [this] { Display()->CopyToClipboard(); });
  AddButton(SLGlyph::Printer, s->Print(), [this] { Print(); });
  AddButton(SLGlyph::Disk, s->Save(), [this] { Save(); });
  AddButton(SLGlyph::Wrench, s->Setup(), [this] {
    if (auto* chart = qobject_cast<TSLDataChart*>(Display())) chart->ShowProperties();
  });
  AddButton(SLGlyph::ZoomIn, s->ZoomIn(), [this] { Display()->ZoomByFactor(0.5); });
  AddButton(SLGlyph::ZoomOut, s->ZoomOut(), [this] { Display()->ZoomByFactor(2.0); });
  AddButton(SLGlyph::ZoomOff, s->ZoomOff(), [this] { Display()->ZoomOff(); });
  AddButton(SLGlyph::ZoomPrevious, s->ZoomPrevious(), [this] { Display()->ZoomPrevious(); });
  AddButton(SLGlyph::ZoomNext, s->ZoomNext(), [this] { Display()->ZoomNext(); });
  AddButton(SLGlyph::FourArrows, s->XYZoomOn(), [this] { Display()->Zooming()->SetMode(SL::zmBoth); });
  // As for a new display (not held, zooming), until the first paint.
  Button(kPlay).visible = false;
  Button(kZoomMode).visible = false;
}

void TSLDisplayToolBar::RefreshButtons() {
  TSLDataDisplay* d = Display();
  const bool hold = d->Hold(), pan = d->NavigateMode() == SL::nmPan;
  Button(kPlay).visible = hold;
  Button(kPause).visible = !hold;
  Button(kZoomMode).visible = pan;
  Button(kPanMode).visible = !pan;
  Button(kZoomIn).enabled = d->CanZoomIn();
  Button(kZoomOut).enabled = d->CanZoomOut();
  Button(kZoomOff).enabled = d->IsZoomed();
  Button(kZoomPrevious).enabled = d->UndoCount() > 0;
  Button(kZoomNext).enabled = d->RedoCount() > 0;
  Button(kXYZoomOn).enabled = d->Zooming()->Mode() != SL::zmBoth;
}

bool TSLDisplayToolBar::ShouldDraw() const {
  return Visible() && (!AutoHide() || Display()->MouseInside() || Display()->IsDesigning());
}

QRect TSLDisplayToolBar::HostArea() const {
  if (Position()->HostView() == SL::thvDataView) {
    const QRect view = Display()->DataViewRect();
    // As wide and high as the data view's drawing extent.
    return QRect(view.left(), view.top(), view.width() - 1, view.height() - 1);
  }
  return QRect(QPoint(0, 0), Display()->RenderSize());
}

int TSLDisplayToolBar::ToolBarLeft() const {
  const QRect host = HostArea();
  const int cx = Position()->CX();
  switch (Position()->CoordinateMode()) {
    case SL::cmLeftTop:
    case SL::cmLeftBottom:
    case SL::cmLeftCenter: return host.left() + cx;
    case SL::cmRightTop:
    case SL::cmRightBottom:
    case SL::cmRightCenter: return host.left() + host.width() - cx - Width() + 1;
    default: return host.left() + (host.width() - Width()) / 2 - cx + 1;
  }
}

int TSLDisplayToolBar::ToolBarTop() const {
  const QRect host = HostArea();
  const int cy = Position()->CY();
  const int h = std::min(VisibleCount(), 2) * kCell;
  switch (Position()->CoordinateMode()) {
    case SL::cmLeftTop:
    case SL::cmRightTop:
    case SL::cmTopCenter: return host.top() + cy;
    case SL::cmLeftBottom:
    case SL::cmRightBottom:
    case SL::cmBottomCenter: return host.top() + host.height() - cy + 1 - h;
    default: return host.top() + (host.height() - h) / 2 - cy + 1;
  }
}

// --- axis toolbars ----------------------------------------------------------------

TSLAxisToolBarButtons::TSLAxisToolBarButtons(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayPersistent(owner, display),
      ZoomIn_(new TSLDisplayToolBarButton(this, display)),
      ZoomOut_(new TSLDisplayToolBarButton(this, display)),
      ZoomOff_(new TSLDisplayToolBarButton(this, display)),
      ZoomOneDir_(new TSLDisplayToolBarButton(this, display)) {}

TSLAxisToolBar::TSLAxisToolBar(TSLDisplayAxis* axis, TSLDataDisplay* display)
    : TSLBasicDisplayToolBar(axis, display), Buttons_(new TSLAxisToolBarButtons(this, display)), axis_(axis) {
  TSLAxisToolBarButtons* s = Buttons_;
  AddButton(SLGlyph::ZoomIn, s->ZoomIn(), [this] { ZoomBy(0.5); });
  AddButton(SLGlyph::ZoomOut, s->ZoomOut(), [this] { ZoomBy(2.0); });
  AddButton(SLGlyph::ZoomOff, s->ZoomOff(), [this] { ZoomOff(); });
  AddButton(SLGlyph::HorizontalArrows, s->ZoomOneDir(), [this] { Display()->Zooming()->SetMode(OwnMode()); });
}

SL::TSLDisplayZoomMode TSLAxisToolBar::OwnMode() const { return axis_->IsXAxis() ? SL::zmXAxis : SL::zmYAxis; }

void TSLAxisToolBar::ZoomBy(double factor) {
  TSLDataDisplay* d = Display();
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  d->PushZoomState(false);
  TSLRealPoint lo, hi;
  d->ShownRange(lo, hi);
  axis_->ZoomByFactor(factor);
  d->NotifyZoom(SL::zoZoom, lo, hi);
}

void TSLAxisToolBar::ZoomOff() {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  Display()->PushZoomState(false);
  axis_->ZoomOff();
}

bool TSLAxisToolBar::IsVisible() const { return Visible() && axis_->IsShown(); }

bool TSLAxisToolBar::ShouldDraw() const {
  return IsVisible() && (!AutoHide() || axis_->Hovered() || Hovered() || Display()->IsDesigning());
}

int TSLAxisToolBar::ButtonRows() const { return axis_->RunsHorizontally() ? 1 : 4; }

QPoint TSLAxisToolBar::Place() const {
  const TPlaceKey key{Display()->ContentGeneration(), axis_->ViewRect(), Display()->DataViewRect()};
  if (!(key == placeKey_)) {
    place_ = PlaceNow();
    placeKey_ = key;
  }
  return place_;
}

QPoint TSLAxisToolBar::PlaceNow() const {
  const QRect band = axis_->ViewRect();
  const QRect view = Display()->DataViewRect();
  QPoint at;
  switch (axis_->ScreenAlign()) {
    case SL::vaLeft: at = {band.left() + 3, view.top()}; break;
    case SL::vaRight: at = {band.right() + 1 - SLGlyph::kSize - 3, view.top()}; break;
    case SL::vaTop: at = {view.left(), band.top() + 3}; break;
    default: at = {view.left(), band.bottom() + 1 - SLGlyph::kSize - 3}; break;
  }
  // The axis label's click area lies along the same outer edge. Where the
  // two would meet, the buttons move in beside the label, so that a click
  // on the label always reaches it (and the buttons never hide it).
  const QRect label = axis_->ButtonRect();
  if (label.isEmpty() || !label.intersects(QRect(at, QSize(Width(), ButtonRows() * kCell + 1)))) return at;
  switch (axis_->ScreenAlign()) {
    case SL::vaLeft: at.setX(label.right() + 2); break;
    case SL::vaRight: at.setX(label.left() - 2 - SLGlyph::kSize); break;
    case SL::vaTop: at.setY(label.bottom() + 2); break;
    default: at.setY(label.top() - 2 - ButtonRows() * kCell); break;
  }
  return at;
}

int TSLAxisToolBar::ToolBarLeft() const { return Place().x(); }

int TSLAxisToolBar::ToolBarTop() const { return Place().y(); }

void TSLAxisToolBar::RefreshButtons() {
  Button(kZoomIn).enabled = axis_->CanZoomIn();
  Button(kZoomOut).enabled = axis_->CanZoomOut();
  Button(kZoomOff).enabled = axis_->IsZoomed();
  Button(kZoomOneDir).enabled = Display()->Zooming()->Mode() != OwnMode();
  Button(kZoomOneDir).glyph = axis_->RunsHorizontally() ? SLGlyph::HorizontalArrows : SLGlyph::VerticalArrows;
}

// --- print and save ------------------------------------------------------------

void TSLDisplayToolBar::Print() {
  // Held while the dialog is open and the page is made; a cancelled dialog
  // leaves Hold as it was.
  TSLDataDisplay* d = Display();
  const bool held = d->Hold();
  d->SetHold(true);
  QPrinter printer;
  if (SLChoosePrinter(printer, d)) d->PrintDisplay(printer);
  d->SetHold(held);
}

void TSLDisplayToolBar::Save() {
  TSLDataDisplay* d = Display();
  const bool held = d->Hold();
  d->SetHold(true);
  QString name;
  const QStringList filters{tr("Bitmap (*.bmp)"), tr("JPEG File Interchange Format (*.jpg)")};
  if (SLChooseSaveFile(name, filters, QStringLiteral("bmp"), d) && !name.isEmpty()) {
    // A name typed without extension gets the dialog's default one.
    if (QFileInfo(name).suffix().isEmpty()) name += QStringLiteral(".bmp");
    d->SaveToFile(name);
  }
  d->SetHold(held);
}
