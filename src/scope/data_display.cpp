#include "scope/data_display.h"

#include <QPaintEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QtMath>
#include <QThread>

#include "pins/timer.h"
#include "scope/axes/axes.h"

TSLDataDisplay::TSLDataDisplay(QWidget* parent) : TLPControlDrawLayer(parent) {
  SetTabStop(true);
  resize(450, 280);
  SetColor(QColor(Qt::black));
  timer_ = new TLPTimer(this);
  timer_->SetInterval(100);
  timer_->SetEnabled(!IsDesigning());
  connect(timer_, &TLPTimer::OnTimer, this, [this](QObject*) { RefreshTimerTick(); });
  toolBar_ = new TSLDisplayToolBar(this, this);
  elements_ = new TLPComponentElements(this);
  zooming_ = new TSLDisplayZoom(this, this);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

TSLDataDisplay::~TSLDataDisplay() {
  BeginDestroy();
  // Sub-objects unregister from the lists below: they go while those exist.
  const QObjectList children = this->children();
  for (QObject* child : children)
    if (!child->isWidgetType()) delete child;
}

void TSLDataDisplay::BeginDestroy() {
  if (destroying_) return;
  destroying_ = true;
  timer_->SetEnabled(false);
}

void TSLDataDisplay::SetToolBar(TSLDisplayToolBar* other) {
  if (other && other != toolBar_) toolBar_->Assign(other);
}

void TSLDataDisplay::SetZooming(TSLDisplayZoom* other) {
  if (other && other != zooming_) zooming_->Assign(other);
}

SL::TSLDisplayNavigateMode TSLDataDisplay::NavigateMode() const { return Lock()->ReadGuarded(navigateMode_); }

void TSLDataDisplay::SetNavigateMode(SL::TSLDisplayNavigateMode mode) {
  Lock()->SetIfChanged(navigateMode_, mode, [this] {
    InvalidateStatic();
    Changed();
  });
}

int TSLDataDisplay::RefreshInterval() const { return timer_->Interval(); }

void TSLDataDisplay::SetRefreshInterval(int ms) { timer_->SetInterval(qMax(1, ms)); }

void TSLDataDisplay::SetHold(bool hold) {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  if (hold_.exchange(hold) == hold) return;
  // Releasing the hold shows the data that arrived meanwhile at once.
  PublishPendingData();
  Changed();
}

void TSLDataDisplay::RegisterComponent(TSLDisplayComponent* c) { components_.append(c); }
void TSLDataDisplay::UnregisterComponent(TSLDisplayComponent* c) { components_.removeAll(c); }
void TSLDataDisplay::RegisterView(TSLDisplayView* v) { views_.append(v); }
void TSLDataDisplay::UnregisterView(TSLDisplayView* v) { views_.removeAll(v); }
void TSLDataDisplay::RegisterAxis(TSLDisplayAxis* axis) { axes_.append(axis); }
void TSLDataDisplay::UnregisterAxis(TSLDisplayAxis* axis) {
  axes_.removeAll(axis);
  // A later axis may be made at the same address: it must not take over
  // the zoom this one had in the history.
  for (QList<TZoomState>* list : {&undo_, &redo_})
    for (TZoomState& state : *list) state.removeIf([axis](const TZoomEntry& e) { return e.axis == axis; });
}

QList<TSLDisplayAxis*> TSLDataDisplay::XAxes() const {
  QList<TSLDisplayAxis*> out;
  for (TSLDisplayAxis* a : axes_)
    if (a->IsXAxis()) out.append(a);
  return out;
}

QList<TSLDisplayAxis*> TSLDataDisplay::YAxes() const {
  QList<TSLDisplayAxis*> out;
  for (TSLDisplayAxis* a : axes_)
    if (!a->IsXAxis()) out.append(a);
  return out;
}

void TSLDataDisplay::RefreshTimerTick() {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  if (!guard || destroying_) return;
  if (PublishPendingData() || dirty_.load()) Changed();
}

void TSLDataDisplay::Changed() {
  ++contentGeneration_;
  OverlayChanged();
}

void TSLDataDisplay::OverlayChanged() {
  // A channel-draw handler's changes appear in the paint that runs it.
  if (InvalidationSuppressed()) return;
  dirty_ = true;
  if (collecting_ > 0 && QThread::currentThread() == thread()) {
    collectedAll_ = true;
    return;
  }
  RequestRepaint();
}

void TSLDataDisplay::OverlayChanged(const QRegion& region) {
  if (InvalidationSuppressed() || region.isEmpty()) return;
  if (QThread::currentThread() != thread()) {
    OverlayChanged();
    return;
  }
  dirty_ = true;
  if (collecting_ > 0) {
    collected_ += region;
    return;
  }
  if (!destroying_) update(region);
}

void TSLDataDisplay::PointerOverlayChanged() {
  // A pointer event adds the pointer's pieces at its end anyway.
  if (collecting_ > 0 && QThread::currentThread() == thread()) return;
  OverlayChanged(PointerDamage());
}

void TSLDataDisplay::BeginCollect() {
  if (collecting_++ > 0) return;
  collectedAll_ = false;
  collected_ = QRegion();
}

void TSLDataDisplay::EndCollect() {
  if (--collecting_ > 0) return;
  // A hidden control paints nothing: no region is worth finding.
  if (collectedAll_ || !isVisible()) {
    collectedAll_ = false;
    collected_ = QRegion();
    OverlayChanged();
    return;
  }
  QRegion region = collected_ + PointerDamage();
  collected_ = QRegion();
  OverlayChanged(region);
}

TSLAxisData TSLDataDisplay::AxisData(TSLDisplayAxis*) { return TSLAxisData(); }

void TSLDataDisplay::LayoutChanged() {
  layoutStale_ = true;
  ++layoutGeneration_;
  Changed();
}

void TSLDataDisplay::RequestRepaint() {
  if (InvalidationSuppressed() || destroying_) return;
  if (QThread::currentThread() == thread()) {
    update();
    return;
  }
  // Another thread: one posted repaint at a time is enough.
  if (repaintPosted_.exchange(true)) return;
  QMetaObject::invokeMethod(
      this,
      [this] {
        repaintPosted_ = false;
        update();
      },
      Qt::QueuedConnection);
}

void TSLDataDisplay::paintEvent(QPaintEvent* e) {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  if (!guard || destroying_) return;
  if (ComposesOnScreen() && fixedSize_.isEmpty()) {
    // The cached layers and the overlay go straight to the screen, limited
    // to the exposed region: no whole picture is copied twice per repaint.
    if (dirty_.exchange(false)) ++redraws_;
    backBufferBehind_ = true;
    QPainter painter(this);
    screenCanvas_.SetPainter(&painter);
    PaintBackBuffer(screenCanvas_);
    screenCanvas_.SetPainter(nullptr);
    return;
  }
  const bool scaledAsScreen = scaledBuffer_.isNull() == (devicePixelRatioF() == 1.0);
  if (dirty_.load() || !scaledAsScreen || QSize(backBuffer_.Width(), backBuffer_.Height()) != RenderSize())
    RedrawBackBuffer();
  guard = nullptr;
  // Exposure only copies the back buffer, and only the part exposed.
  QPainter painter(this);
  const QImage& picture = BackBuffer();
  const QRect exposed = e->rect();
  const qreal dpr = picture.devicePixelRatio();
  if (exposed == rect()) painter.drawImage(0, 0, picture);
  else
    painter.drawImage(exposed, picture,
                      QRectF(exposed.x() * dpr, exposed.y() * dpr, exposed.width() * dpr, exposed.height() * dpr));
}

bool TSLDataDisplay::PaintReaches(QPainter* painter, const QRect& r) {
  QPaintEngine* engine = painter ? painter->paintEngine() : nullptr;
  if (!engine) return true;
  // The exposed part in device pixels; empty when painting an image of
  // its own (all of it).
  const QRegion exposed = engine->systemClip();
  if (exposed.isEmpty()) return true;
  const QRect device = painter->deviceTransform().mapRect(QRectF(r)).toAlignedRect().adjusted(-1, -1, 1, 1);
  return exposed.intersects(device);
}

const QImage& TSLDataDisplay::BackBuffer() {
  // The screen was painted without it: drawn now, for whoever reads it.
  if (backBufferBehind_) {
    TRef<IOWLockSection> guard = Lock()->EnterWrite();
    DrawBackBuffer();
  }
  return scaledBuffer_.isNull() ? backBuffer_.Image() : scaledBuffer_;
}

void TSLDataDisplay::RedrawBackBuffer() {
  dirty_ = false;
  ++redraws_;
  DrawBackBuffer();
}

void TSLDataDisplay::DrawBackBuffer() {
  backBufferBehind_ = false;
  const QSize s = RenderSize();
  if (QSize(backBuffer_.Width(), backBuffer_.Height()) != s && s.width() > 0 && s.height() > 0) {
    backBuffer_.SetSize(s.width(), s.height());
    layoutStale_ = true;
  }
  if (s.width() <= 0 || s.height() <= 0) return;
  // A screen with more device pixels than pixels gets a picture at its
  // resolution: sharp text and lines one device pixel wide.
  const qreal dpr = fixedSize_.isEmpty() ? devicePixelRatioF() : 1.0;
  if (dpr == 1.0) {
    scaledBuffer_ = QImage();
    PaintBackBuffer(backBuffer_.Canvas());
    return;
  }
  const QSize device(qCeil(s.width() * dpr), qCeil(s.height() * dpr));
  if (scaledBuffer_.size() != device || scaledBuffer_.devicePixelRatio() != dpr) {
    scaledBuffer_ = QImage(device, QImage::Format_RGB32);
    scaledBuffer_.setDevicePixelRatio(dpr);
  }
  QPainter painter(&scaledBuffer_);
  TLPCanvasImpl canvas(&painter);
  PaintBackBuffer(canvas);
}

void TSLDataDisplay::PaintBackBuffer(TLPCanvas& canvas) {
  canvas.Brush().SetColor(Color());
  canvas.Brush().SetStyle(Qt::SolidPattern);
  canvas.FillRect(QRect(QPoint(0, 0), RenderSize()));
}

bool TSLDataDisplay::IsZoomed() const {
  for (TSLDisplayAxis* a : axes_)
    if (a->IsZoomed()) return true;
  return false;
}

void TSLDataDisplay::ResetZoom() {
  TAllAxesZoom all(this);
  Changed();
  for (TSLDisplayAxis* a : axes_) a->ZoomOff();
}

void TSLDataDisplay::ZoomOff() {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  PushZoomState(false);
  ResetZoom();
  LayoutChanged();
}

TSLDataDisplay::TZoomState TSLDataDisplay::CaptureZoomState() const {
  TZoomState state;
  for (TSLDisplayAxis* a : axes_) state.append({a, a->IsZoomed(), a->ZoomedLow(), a->ZoomedHigh()});
  return state;
}

void TSLDataDisplay::RestoreZoomState(const TZoomState& state, SL::TSLZoomOperation op) {
  TAllAxesZoom all(this);
  for (const TZoomEntry& entry : state) {
    // An axis removed since the state was taken is passed over.
    TSLDisplayAxis* axis = const_cast<TSLDisplayAxis*>(entry.axis);
    if (!axes_.contains(axis)) continue;
    if (entry.zoomed) axis->SetZoomRange(entry.low, entry.high, op);
    else axis->ZoomOff();
  }
  Changed();
}

void TSLDataDisplay::PushZoomState(bool once) {
  if (once && stateRecorded_) return;
  constexpr int kMaxHistory = 100;  // the oldest state goes first
  stateRecorded_ = once;
  const TZoomState state = CaptureZoomState();
  if (undo_.isEmpty() || !(undo_.last() == state)) undo_.append(state);
  while (undo_.size() > kMaxHistory) undo_.removeFirst();
  redo_.clear();
}

void TSLDataDisplay::ClearZoomHistory() {
  undo_.clear();
  redo_.clear();
  stateRecorded_ = false;
}
