#pragma once
// TSLDataDisplay: the windowed base of the scope. It owns the back buffer,
// the refresh timer, the toolbar and zoom settings, the zoom history and the
// lists of its components, views and axes. Property changes mark it dirty
// (Changed) or also mark its layout stale (LayoutChanged); the back buffer
// is redrawn at the next paint, so many changes in a row cost one repaint.
// Changed may be called from any thread: off the window thread the repaint
// is posted to it. Every Changed also counts a content generation that the
// cached picture layers compare; OverlayChanged repaints without it, for
// what only the overlay shows (the pointer, hover marks, drag previews).
// A pointer move repaints only what it changed: the parts that say what
// changed without a region ask for the whole control; the pieces that
// follow the pointer (PointerDamage) are repainted at their old and new
// places.

#include <QImage>
#include <QList>
#include <QRegion>
#include <QVector>
#include <atomic>

#include "draw/basic_bitmap.h"
#include "draw/canvas.h"
#include "draw/custom_control.h"
#include "scope/model/display_settings.h"
#include "scope/toolbars/toolbars.h"

class QPrinter;
class TLPTimer;
class TSLDisplayAxis;
struct TSLAxisData;

class TSLDataDisplay : public TLPControlDrawLayer {
  Q_OBJECT
  Q_PROPERTY(TSLDisplayToolBar* ToolBar READ ToolBar WRITE SetToolBar)
  Q_PROPERTY(TSLDisplayZoom* Zooming READ Zooming WRITE SetZooming)
  Q_PROPERTY(SL::TSLDisplayNavigateMode NavigateMode READ NavigateMode WRITE SetNavigateMode)
  Q_PROPERTY(TLPComponentElements* Elements READ Elements)
  Q_PROPERTY(int RefreshInterval READ RefreshInterval WRITE SetRefreshInterval)
public:
  explicit TSLDataDisplay(QWidget* parent = nullptr);
  ~TSLDataDisplay() override;

  TSLDisplayToolBar* ToolBar() const { return toolBar_; }
  void SetToolBar(TSLDisplayToolBar* other);
  TSLDisplayZoom* Zooming() const { return zooming_; }
  void SetZooming(TSLDisplayZoom* other);
  SL::TSLDisplayNavigateMode NavigateMode() const;
  void SetNavigateMode(SL::TSLDisplayNavigateMode mode);
  TLPComponentElements* Elements() const { return elements_; }
  int RefreshInterval() const;
  void SetRefreshInterval(int ms);

  // While set, arriving data are kept but not published.
  bool Hold() const { return hold_.load(); }
  void SetHold(bool hold);

  // Registration of sub-objects (creation order is layout and paint order).
  void RegisterComponent(TSLDisplayComponent* c);
  void UnregisterComponent(TSLDisplayComponent* c);
  void RegisterView(TSLDisplayView* v);
  void UnregisterView(TSLDisplayView* v);
  void RegisterAxis(TSLDisplayAxis* axis);
  void UnregisterAxis(TSLDisplayAxis* axis);
  const QList<TSLDisplayComponent*>& Components() const { return components_; }
  const QList<TSLDisplayView*>& Views() const { return views_; }
  const QList<TSLDisplayAxis*>& Axes() const { return axes_; }
  QList<TSLDisplayAxis*> XAxes() const;
  QList<TSLDisplayAxis*> YAxes() const;

  // What the channels drawn against `axis` hold; the rectangle the data
  // view draws into (traces, grid, cursors and marks are mapped into it and
  // clipped to it: the view's rectangle less its last row); a counter that
  // changes with every LayoutChanged (axis caches).
  virtual TSLAxisData AxisData(TSLDisplayAxis* axis);
  virtual QRect DataViewRect() const { return QRect(); }
  int LayoutGeneration() const { return layoutGeneration_.load(); }

  // A setting that changes the look of the bands (title, legend, axes, grid)
  // changed: the cached band layer is painted again at the next redraw.
  void InvalidateStatic() { staticGeneration_++; }
  int StaticGeneration() const { return staticGeneration_.load(); }

  // Counted by every Changed, even while invalidation is suppressed (a
  // channel-draw handler's changes reach the layers painted after it).
  int ContentGeneration() const { return contentGeneration_.load(); }

  bool IsDirty() const { return dirty_.load(); }
  bool IsLayoutStale() const { return layoutStale_.load(); }
  bool IsDestroying() const { return destroying_; }
  // Repaints of the back buffer so far (tests and benchmarks count them).
  int RedrawCount() const { return redraws_; }

  // Whether `painter` paints anything in `r` (control coordinates): false
  // when the part of the control this paint exposes lies elsewhere, so a
  // piece drawn only within `r` may be passed over.
  static bool PaintReaches(QPainter* painter, const QRect& r);

  // Whether repaints draw straight onto the screen from cached pictures
  // rather than drawing everything and copying the back buffer.
  virtual bool ComposesOnScreen() const { return false; }

  // Operations of the display classes.
  virtual void ResetDrawLayers() { LayoutChanged(); }
  virtual bool IsFocused() const { return hasFocus(); }
  virtual void RefreshTimerTick();
  virtual void Changed();
  void OverlayChanged();
  // Only `region` (control coordinates) of the overlay changed.
  void OverlayChanged(const QRegion& region);
  // What the overlay shows at the pointer (hit point, track marks, drag
  // previews) may have moved: its old and new places are repainted.
  void PointerOverlayChanged();
  // Where the overlay's pointer pieces were painted last and where they
  // stand now; the whole control unless the display knows better.
  virtual QRegion PointerDamage() { return QRegion(rect()); }
  virtual void LayoutChanged();
  virtual void ResetTraceCaches() {}
  virtual bool PublishPendingData() { return layoutStale_.load(); }
  virtual void ResetZoom();
  virtual void ZoomOff();
  virtual bool IsZoomed() const;
  virtual bool IsVertical() const { return false; }
  virtual void ResetAutoScaling() {}
  virtual QString PrintTitle() const { return QStringLiteral("Unknown"); }

  // Zooming. Factors below 1 zoom in. ZoomByFactor and ZoomToRect record a
  // zoom state first when `record` is set; WheelZoom records once per series
  // of wheel steps; ZoomPrevious / ZoomNext move states between the undo and
  // redo lists.
  virtual void ZoomByFactor(bool record, double fx, double fy);
  void ZoomByFactor(double factor) { ZoomByFactor(true, factor, factor); }
  void ZoomByFactor(bool record, double factor) { ZoomByFactor(record, factor, factor); }
  void ZoomByFactor(double fx, double fy) { ZoomByFactor(true, fx, fy); }
  virtual void ZoomToRect(bool record, double xFrom, double xTo, double yFrom, double yTo);
  void ZoomToRect(double xFrom, double xTo, double yFrom, double yTo) { ZoomToRect(true, xFrom, xTo, yFrom, yTo); }
  virtual void WheelZoom(const QPoint& p, double fx, double fy);
  virtual void ZoomPrevious();
  virtual void ZoomNext();
  bool CanZoomIn() const;
  bool CanZoomOut() const;
  // The "+" and "-" keys (when Zooming.KeyboardZoom).
  void KeyboardZoom(QChar key);
  // The shown range of the main axes (OnZoomChanged's before and after).
  virtual void ShownRange(TSLRealPoint& min, TSLRealPoint& max) const;
  // Raises OnZoomChanged after LayoutChanged, `before` being ShownRange at
  // the start of the operation.
  void NotifyZoom(SL::TSLZoomOperation op, const TSLRealPoint& beforeMin, const TSLRealPoint& beforeMax);

  // Zoom history: one entry per axis (zoomed flag and range).
  struct TZoomEntry {
    const TSLDisplayAxis* axis = nullptr;
    bool zoomed = false;
    double low = 0, high = 0;
    // The ends of an unzoomed axis do not count.
    bool operator==(const TZoomEntry& o) const {
      return axis == o.axis && zoomed == o.zoomed && (!zoomed || (low == o.low && high == o.high));
    }
  };
  using TZoomState = QVector<TZoomEntry>;
  virtual TZoomState CaptureZoomState() const;
  virtual void RestoreZoomState(const TZoomState& state, SL::TSLZoomOperation op);
  void PushZoomState(bool once);
  int UndoCount() const { return undo_.size(); }
  int RedoCount() const { return redo_.size(); }
  void ClearZoomHistory();

  // Export (display_export.cpp). PaintTo renders the control into `image`
  // at the image's size as printed (no toolbar, no hover marks); the others
  // build on it: the control's image on the clipboard, stretched onto a
  // printer's page (Hold set meanwhile), or written to a file (".jpg" and
  // ".jpeg" in any case as JPEG, anything else as a Windows bitmap). A
  // failure is shown through the message service and reported by false.
  virtual void PaintTo(QImage& image);
  void CopyToClipboard();
  bool PrintDisplay(QPrinter& printer);
  bool SaveToFile(const QString& fileName);

  // The whole picture as the last repaint showed it, and the canvas over
  // it. A display that composes on the screen draws it only when it is
  // read. On a screen of more than one device pixel per pixel the picture
  // is drawn at the device's resolution (the canvas stays the one of the
  // bitmap).
  const QImage& BackBuffer();
  TLPCanvas& BackCanvas() { return backBuffer_.Canvas(); }
  // Renders at this size instead of the client size (printing, export);
  // an empty size returns to the client size.
  void SetFixedRenderSize(const QSize& size) { fixedSize_ = size; }
  QSize RenderSize() const { return fixedSize_.isEmpty() ? size() : fixedSize_; }
  // Draws the whole display into the back buffer now.
  void RedrawBackBuffer();

  // Pointer shapes: the display's own shape is the control's Cursor; a
  // toolbar or axis button, and an element under the pointer, may show
  // another one until the pointer leaves them. The button shape belongs to
  // the part that set it: a neighbour the pointer just left cannot take
  // away the shape of the part it went to.
  void ShowButtonPointerShape(const QObject* owner, int shape);
  void EndButtonPointerShape(const QObject* owner);
  void ShowElementPointerShape(int shape);
  void EndElementPointerShape();
  bool ButtonShapeShown() const { return buttonShape_; }

  // The data view's share of the pointer routing (the chart fills it in).
  virtual void DataViewMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, bool& /*handled*/, bool /*inside*/,
                                 const QPoint&) {}
  virtual void DataViewMouseMove(Qt::KeyboardModifiers, const QPoint&) {}
  virtual void DataViewMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, bool /*inside*/, const QPoint&) {}
  virtual void DataViewEnterControl(const QPoint&) {}
  virtual void DataViewLeaveControl() {}
  // One wheel step at `p` (control coordinates), as the wheel delivers it.
  void WheelStep(bool down, Qt::KeyboardModifiers shift, const QPoint& p);

signals:
  void OnMouseWheelDown(QObject* Sender, Qt::KeyboardModifiers Shift, QPoint MousePos, bool& Handled);
  void OnMouseWheelUp(QObject* Sender, Qt::KeyboardModifiers Shift, QPoint MousePos, bool& Handled);
  void OnZoomChanged(QObject* Sender, SL::TSLZoomOperation ZoomOperation, TSLRealRanges& ZoomValues);

protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void MouseEntered() override;
  void MouseLeft() override;
  void ColorChanged() override {
    InvalidateStatic();
    Changed();
  }
  void Resized() override {
    InvalidateStatic();
    LayoutChanged();
  }
  // Paints the whole picture: into the back buffer (dirty or resized
  // only), or onto the screen's painter on every repaint when the display
  // composes on the screen.
  virtual void PaintBackBuffer(TLPCanvas& canvas);

  // Suppresses invalidation (a channel-draw handler is running).
  virtual bool InvalidationSuppressed() const { return false; }
  void RequestRepaint();
  // Called first in the most derived destructor: no timer tick, no data.
  void BeginDestroy();
  TLPTimer* RefreshTimer() const { return timer_; }

  std::atomic<bool> dirty_{true};
  std::atomic<bool> layoutStale_{true};
  std::atomic<int> layoutGeneration_{0};
  std::atomic<int> staticGeneration_{0};
  std::atomic<int> contentGeneration_{0};
  std::atomic<bool> stateRecorded_{false};

public:
  // True while an operation moves the display's axes together (a zoom pin
  // linking two of them must not move one of them a second time).
  bool ZoomingAllAxes() const { return zoomingAll_ > 0; }

protected:
  struct TAllAxesZoom {
    explicit TAllAxesZoom(TSLDataDisplay* d) : display(d) { ++display->zoomingAll_; }
    ~TAllAxesZoom() { --display->zoomingAll_; }
    TAllAxesZoom(const TAllAxesZoom&) = delete;
    TAllAxesZoom& operator=(const TAllAxesZoom&) = delete;
    TSLDataDisplay* display;
  };

private:
  int zoomingAll_ = 0;
  // Paints the back buffer without counting a redraw.
  void DrawBackBuffer();

private:
  TSLDisplayToolBar* toolBar_ = nullptr;
  TSLDisplayZoom* zooming_ = nullptr;
  TLPComponentElements* elements_ = nullptr;
  TLPTimer* timer_ = nullptr;
  SL::TSLDisplayNavigateMode navigateMode_ = SL::nmZoom;
  std::atomic<bool> hold_{false};
  std::atomic<bool> repaintPosted_{false};
  bool destroying_ = false;
  // A pointer event collects what it changed and asks once at its end:
  // the whole control, or the region below and the pointer's pieces.
  int collecting_ = 0;
  bool collectedAll_ = false;
  QRegion collected_;
  void BeginCollect();
  void EndCollect();
  bool buttonShape_ = false, elementShape_ = false;
  const QObject* buttonShapeOwner_ = nullptr;
  int wheelRemainder_ = 0;
  int redraws_ = 0;
  QList<TSLDisplayComponent*> components_;
  QList<TSLDisplayView*> views_;
  QList<TSLDisplayAxis*> axes_;
  QList<TZoomState> undo_, redo_;
  TVLBasicBitmap backBuffer_{10, 10, 32};
  QImage scaledBuffer_;  // the back buffer at a device pixel ratio above 1
  bool backBufferBehind_ = false;  // the screen was painted without it
  TLPCanvasImpl screenCanvas_;
  QSize fixedSize_;
};
