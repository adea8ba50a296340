#pragma once
// TSLScope: the oscilloscope-style display control. Each channel owns an
// input pin through which real-valued buffers arrive from the dataflow
// graph on the data thread; the scope keeps the newest data per channel,
// publishes it on the refresh timer (window thread) and repaints from its
// back buffer.

#include <QFontMetrics>
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QPolygon>
#include <QVector>
#include <functional>
#include <mutex>

#include "scope/data_chart.h"
#include "scope/paint/dot_line.h"
#include "scope/paint/paint_layer.h"
#include "scope/paint/text_run.h"
#include "scope/scope_channel.h"

#include "pins/pin_list.h"

class TSLScope : public TSLDataChart {
  Q_OBJECT
  Q_PROPERTY(TOWPinList* InputPins READ InputPins)
  Q_PROPERTY(TOWPinList* XInputPins READ XInputPins)
  Q_PROPERTY(bool Vertical READ Vertical WRITE SetVertical)
  Q_PROPERTY(TSLScopeChannels* Channels READ Channels)
  Q_PROPERTY(TSLDisplayCursors* Cursors READ Cursors)
  Q_PROPERTY(TSLDisplayCursorLinks* CursorLinks READ CursorLinks)
  Q_PROPERTY(TSLDisplayChannelLinks* ChannelLinks READ ChannelLinks)
  Q_PROPERTY(TSLScopeMarkerGroups* MarkerGroups READ MarkerGroups)
  Q_PROPERTY(TSLDisplayZones* Zones READ Zones)
  Q_PROPERTY(TSLDisplayEllipticZones* Ellipses READ Ellipses)
  Q_PROPERTY(TSLDisplayTextLabels* Labels READ Labels)
  Q_PROPERTY(int SizeLimit READ SizeLimit WRITE SetSizeLimit)
public:
  explicit TSLScope(QWidget* parent = nullptr);
  ~TSLScope() override;

  TOWPinList* InputPins() const { return inputPins_; }
  TOWPinList* XInputPins() const { return xInputPins_; }
  bool Vertical() const;
  void SetVertical(bool v);
  TSLScopeChannels* Channels() const { return channels_; }
  TSLDisplayCursors* Cursors() const { return cursors_; }
  TSLDisplayCursorLinks* CursorLinks() const { return cursorLinks_; }
  TSLDisplayChannelLinks* ChannelLinks() const { return channelLinks_; }
  TSLScopeMarkerGroups* MarkerGroups() const { return markerGroups_; }
  TSLDisplayZones* Zones() const { return zones_; }
  TSLDisplayEllipticZones* Ellipses() const { return ellipses_; }
  TSLDisplayTextLabels* Labels() const { return labels_; }
  // Samples kept per channel; 0 keeps whole blocks without copying them.
  int SizeLimit() const { return sizeLimit_.load(); }
  void SetSizeLimit(int limit);

  bool IsVertical() const override { return Vertical(); }
  void LayoutChanged() override;
  void ResetTraceCaches() override;
  // Forgets every channel's data, received and shown: the traces are empty
  // until the next block arrives.
  void ClearData();
  TSLAxisData AxisData(TSLDisplayAxis* axis) override;
  // Renders the whole control (printing leaves out the toolbar and hover
  // effects) into `canvas`, at the render size.
  void PaintAll(TLPCanvas& canvas, bool printing);
  // Renders the whole control into `image` at the image's size, as printed
  // or exported (no toolbar, no hover or focus marks); the screen layout is
  // computed again at the next paint.
  void PaintTo(QImage& image) override;
  // Off, every repaint draws the whole picture in one pass: the reference
  // the cached layers must match pixel for pixel.
  bool Layered() const { return layered_; }
  void SetLayered(bool on) {
    layered_ = on;
    OverlayChanged();
  }
  bool PublishPendingData() override;
  void ResetAutoScaling() override;
  // Whether a channel-draw handler is running.
  bool InChannelDraw() const { return channelDraw_; }

  // Label of the mouse hit point: "%X : %Y" unless a text is set;
  // OnCustomMouseHitLabel may replace it.
  QString HitPointText(double x, double y);

signals:
  void OnDataToolTip(QObject* Sender, QPoint& MousePoint, TSLRealPoint& DataPoint, QString& Text);
  void OnOverChannel(QObject* Sender, int ChannelIndex, int BeginSampleIndex, int EndSampleIndex,
                     TSLRealPoint ClickedValue);
  void OnLeaveChannel(QObject* Sender);
  void OnCustomMouseHitLabel(QObject* Sender, double XValue, double YValue, QString& AxisLabel);

public:
  // Cursors. A cursor's vertical line stands at the column of its X, its
  // horizontal line at the row of its Y, each over the shown range of the
  // cursor's own axis; `horizontal` picks the line.
  static bool CursorHasLine(const TSLDisplayCursor* cursor, bool horizontal);
  TSLDisplayAxis* CursorAxis(const TSLDisplayCursor* cursor, bool horizontal);
  static double CursorValue(const TSLDisplayCursor* cursor, bool horizontal);
  // Whether the line stands at a row (the X line of a Vertical scope), and
  // the pointer's coordinate along that line's axis.
  bool CursorLineIsRow(const TSLDisplayCursor* cursor, bool horizontal);
  int CursorLineCoordinate(const TSLDisplayCursor* cursor, bool horizontal, const QPoint& p);
  int CursorPixel(const TSLDisplayCursor* cursor, bool horizontal, double value);
  int CursorColumn(const TSLDisplayCursor* cursor, double x) { return CursorPixel(cursor, false, x); }
  double CursorValueAt(const TSLDisplayCursor* cursor, int pixel, bool horizontal = false);
  // Where a line is drawn: pinned into the view with CursorsStayInView.
  int CursorLinePixel(const TSLDisplayCursor* cursor, bool horizontal, bool* pinned = nullptr);
  // The cursor a pointer position hits (-1: none; the last cursor wins) and
  // which of its lines.
  struct TCursorHit {
    int index = -1;
    bool vertical = false, horizontal = false;
  };
  TCursorHit HitCursorLines(const QPoint& p);
  int HitCursor(const QPoint& p) { return HitCursorLines(p).index; }
  int HitCursorLink(const QPoint& p);
  // A drawable link's geometry: the two cursors, whether they measure along
  // Y (two horizontal cursors), their values, their pixels along the view
  // (ordered, pinned into it) and where the measurement line runs across.
  struct TLinkGeometry {
    TSLDisplayCursor* first = nullptr;
    TSLDisplayCursor* second = nullptr;
    bool horizontal = false, inView = false;
    bool rows = false;  // the cursors' lines stand at rows (line runs upright)
    double v0 = 0, v1 = 0;
    int p0 = 0, p1 = 0, line = 0;
  };
  bool LinkGeometryOf(int index, TLinkGeometry& g);
  // The measurement line's percent (X or Y) for a line at `pixel` across.
  double MeasurementPercentAt(const TLinkGeometry& g, int pixel);
  // The measurement label of a cursor link as drawn.
  QString LinkLabelText(int index);
  // The value a drag of `cursor`'s line to `pixel` gives: snapped to the
  // nearest sample when its axis' CursorSettings.SnapToSample is set, so
  // the cursor lands on the line the preview showed.
  double DragValue(const TSLDisplayCursor* cursor, int pixel, bool horizontal = false);
  // A dragged line never goes beyond the view: the pointer's pixel held to
  // the view's columns (rows for a horizontal line).
  int DragPixel(const TSLDisplayCursor* cursor, int pixel, bool horizontal);
  double SnapCursorY(const TSLDisplayCursor* cursor, double y) override;
  int DraggedCursor() const { return draggedCursor_; }
  int DraggedLink() const { return draggedLink_; }

  // The channel nearest to `p` within 3 pixels (the later one on a tie).
  struct TChannelHit {
    int channel = -1;
    int beginSample = 0, endSample = 0;
    double distance = 10000;
    TSLRealPoint value;
    QPoint foot;
  };
  TChannelHit ChannelHitTest(const QPoint& p);
  // The item under the pointer (a cursor, cursor link or channel), if any.
  QObject* ElementUnderPointer() const { return element_; }
  // The frame or pan drag in the data view is under way.
  bool ViewDragging() const { return viewDrag_; }

  void DataViewMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, bool& handled, bool inside,
                         const QPoint& p) override;
  void DataViewMouseMove(Qt::KeyboardModifiers shift, const QPoint& p) override;
  void DataViewMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, bool inside, const QPoint& p) override;
  void DataViewEnterControl(const QPoint& p) override;
  void DataViewLeaveControl() override;

protected:
  void PaintBackBuffer(TLPCanvas& canvas) override;
  bool ComposesOnScreen() const override { return layered_; }
  QRegion PointerDamage() override;
  bool InvalidationSuppressed() const override { return channelDraw_; }
  void AfterLoaded() override;
  void AdditionalAxisRemoved(bool x, int index) override;

private:
  friend class TSLScopeChannel;
  // Channel bookkeeping.
  void ChannelCreated(TSLScopeChannel* channel);
  void ChannelDestroyed(TSLScopeChannel* channel);
  void ChannelRenamed(TSLScopeChannel* channel);
  // Data thread, see the channel.
  std::mutex& DataLock() { return dataLock_; }
  void RefreshConnectionFlags();
  bool AllReady(TSLScopeChannel* self, int32_t n, double rate);
  void MarkLayoutChanged() { layoutStale_ = true; }
  void BeginChannelDraw() { channelDraw_ = true; }
  void EndChannelDraw() { channelDraw_ = false; }

  void Layout(TLPCanvas& canvas);
  // The bands (background, title, legend, axes, data view with grid) are
  // kept in their own layer, painted again only when a setting, the size or
  // a shown range changed; hovers and new blocks with the same ranges copy it.
  void PaintBands(TLPCanvas& canvas);
  // The embedded element controls, each centred on the render area; true
  // when there is one to draw.
  bool HasShownElements() const;
  bool HasSampleDrawHandlers() const;
  void PaintElements(TLPCanvas& canvas);
  void PaintCursors(TLPCanvas& canvas, bool printing);
  // Pass 0 fills the selection bands and returns where; pass 2 draws the
  // measurement lines.
  QRegion PaintCursorLinks(TLPCanvas& canvas, bool selectionPass);
  void PaintHitPoint(TLPCanvas& canvas);
  // The hit point's marker and label as drawn, found once per hit (the
  // label's text asks OnDataToolTip) with the text measured for `device`.
  struct THitPiece {
    bool shown = false;
    const QObject* channel = nullptr;
    const QPaintDevice* device = nullptr;
    QPoint foot;
    double x = 0, y = 0;
    int content = -1, layouts = -1;
    bool label = false;
    QString text;
    QRect box;
    bool operator==(const THitPiece&) const = default;
  };
  const THitPiece& HitPiece(const QPaintDevice* device);
  THitPiece hitPiece_;
  // The hit label's text as laid out on the control.
  TSLTextRun hitRun_;
  // What the overlay shows at the pointer: the hit point with its label,
  // the track marks in the axes' bands and a drag's preview; as found now
  // and as the last paint on the screen put it.
  QRegion PointerFootprint();
  QRegion DragPreviewFootprint();
  QRegion paintedFootprint_;
  // The footprint but for a drag's preview as found last, and for what: a
  // move finds it, and its paint finds it again.
  struct TFootprintKey {
    bool kept = false, shown = false, label = false, mouseInside = false;
    QPoint foot, mouse;
    QRect box, view;
    int content = -1, layouts = -1;
    bool operator==(const TFootprintKey&) const = default;
  };
  TFootprintKey footprintKey_;
  QRegion footprint_;
  // The drag preview's footprint as found last, and for what.
  struct TDragKey {
    QPoint point;
    int cursor = -1, content = -1, layouts = -1;
    bool vertical = false, horizontal = false;
    bool operator==(const TDragKey&) const = default;
  };
  TDragKey dragFootprintKey_;
  QRegion dragFootprint_;
  // A drag's difference label on each line (vertical, horizontal), placed
  // with the footprint and drawn as placed there: the text is formatted
  // and measured once per pointer position.
  struct TDragLabel {
    bool shown = false;
    TSLTextRun text;
    QRect box;
  };
  TDragLabel dragLabels_[2];
  // The drag preview's dotted lines, written as the stroker dots them.
  TSLDotLine dotLine_;
  // Metrics of the labels' fonts on the control, kept while the fonts stay:
  // made afresh they cost a font lookup on every pointer move.
  const QFontMetrics& ControlMetrics(const QFont& font);
  struct TKeptMetrics {
    QFont font;
    int dpi;
    QFontMetrics metrics;
  };
  QVector<TKeptMetrics> controlMetrics_;
  // Where a cursor's lines, highlights and crossings lie (not its drag
  // preview), found once per content and layout: a paint that does not
  // reach it passes the cursor over.
  struct TCursorFootprint {
    const QObject* cursor = nullptr;
    int content = -1, layouts = -1;
    QRect rect;
  };
  QVector<TCursorFootprint> cursorFootprints_;
  QRect CursorFootprint(int index);
  // The part of the trace layer a change of the element under the pointer
  // from `before` to `after` repaints (a channel's highlight).
  QRegion ElementChangeRegion(const QObject* before, const QObject* after);
  // Zones, ellipses, channel links, markers and text labels.
  QPoint ValueToScreen(int xAxisIndex, int yAxisIndex, double x, double y);
  QPolygon ZoneShape(const TSLDisplayBasicZone* zone);
  QRect LabelRect(const TSLDisplayTextLabel* label);
  QPoint MarkerPoint(TSLScopeChannel* channel, int sample);
  void PaintZones(TLPCanvas& canvas);
  void PaintChannelLinks(TLPCanvas& canvas);
  // The channels seen through zones and ellipses, over the traces.
  void PaintZoneChannels(TLPCanvas& canvas);
  void PaintMarkers(TLPCanvas& canvas);
  void PaintLabels(TLPCanvas& canvas);
  // The marker group, zone, ellipse or label under the pointer that may be
  // highlighted (items passed over still set the pointer shape).
  QObject* HitOtherItem(const QPoint& p);
  TSLScopeMarkerGroup* MarkerGroupOf(const TSLScopeChannelMarker* marker) const;
  // The marker drawn under `p` (the last channel's, its last marker first).
  bool HitMarker(const QPoint& p, int& channelIndex, int& markerIndex);
  // Marker pressed, and the one dragged with its channel and target sample.
  QPointer<TSLScopeChannelMarker> pressedMarker_, draggedMarker_;
  int draggedMarkerChannel_ = -1, markerTarget_ = 0;
  void PaintLinkPreview(TLPCanvas& canvas, int index, const TLinkGeometry& g);
  // Marks where the channels listed by the cursor cross its line.
  // Without a canvas, returns where they would be drawn.
  QRect PaintCrossings(TLPCanvas* canvas, const TSLDisplayCursor* cursor, double x, int along);
  void PaintZoomFrame(TLPCanvas& canvas);
  void UpdateElement(const QPoint& p);
  // The element under the resting pointer again, within a paint (which
  // already shows the result, so nothing asks for another).
  void RefreshElement();
  bool refreshingElement_ = false;
  // What the element under the pointer was last found for: the pointer,
  // the content, the layout and the traces; a repaint with all of them as
  // they were (a pointer move repaints only the overlay) needs no new search.
  struct TElementKey {
    QPoint point{-1000, 0};
    int content = -1, layouts = -1, traceRebuilds = -1;
    bool operator==(const TElementKey&) const = default;
  };
  TElementKey ElementKey() const;
  TElementKey elementFoundFor_;
  void SetElement(QObject* element);
  void EndViewDrag(const QPoint& p);
  void CursorsChanged();
  // Every item drawn against an axis pair (channels, cursors, zones,
  // ellipses, labels), for `visit`.
  void ForEachAxesItem(const std::function<void(TSLOptionalAxesDisplayCollectionItem*)>& visit) const;
  void CursorLinksChanged();
  // The cursors and links as last seen, to tell which one a removal took.
  QVector<const QObject*> cursorSnapshot_, linkSnapshot_;
  // Pointer state of the data view.
  int draggedCursor_ = -1;
  TCursorHit dragHit_, hoverHit_;
  int draggedLink_ = -1;
  QPoint dragPoint_;
  QPoint lastPoint_{-1000, 0};
  QPoint pressPoint_;
  bool viewDrag_ = false;
  QPointer<QObject> element_;
  QPointer<QObject> pressedItem_;
  TChannelHit hit_;
  // The picture in three layers, composed in the order of a full redraw:
  // the bands (background, title, legend, axes, data view with grid) keyed
  // on the settings that shape them, the sizes and the shown ranges; the
  // traces over them (selection bands, zones, channel links, channels with
  // their highlights, markers and text labels) keyed on what TraceKey
  // lists; and the overlay (cursors, measurement lines, drag previews, zoom
  // frame, hit point, track marks, buttons, toolbars, focus) drawn on every
  // repaint. Printing and export draw everything in one pass instead.
  struct TTraceKey {
    int bandBuilds = -1, content = -1, layouts = -1, traceRebuilds = -1;
    const QObject* element = nullptr;
    const QObject* legendItem = nullptr;
    bool operator==(const TTraceKey&) const = default;
  };
  TTraceKey TraceKey() const;
  const QVector<double>& BandKey();
  void PaintTraces(TLPCanvas& canvas, bool printing);
  void PaintOverlay(TLPCanvas& canvas, bool printing);
  // The focus frame: the canvas's XOR frame, stroked dash by dash in a
  // tenth of a millisecond or more per repaint, is found once per size and
  // its dots are inverted directly in the pixels painted on (the same dots).
  void PaintFocusFrame(TLPCanvas& canvas, const QRect& frame);
  struct TFocusDot {
    QPoint at;  // device pixels from the frame's corner
    QRgb flip;
  };
  QVector<TFocusDot> focusDots_;
  // Device pixels from the frame's corner inside which no dot lies: a paint
  // within it (a pointer move's) walks no dots.
  QRect focusDotsInner_;
  QSize focusDotsSize_;
  int focusDotsRatio_ = 0;
  QVector<double> bandKeyScratch_;
  TSLPaintLayer<QVector<double>> bandLayer_;
  // The trace layer for the last few keys: a pointer going on and off a
  // trace finds the picture with and without its highlight ready.
  static constexpr int kTraceLayers = 3;
  TSLPaintLayer<TTraceKey> traceLayers_[kTraceLayers];
  int traceLayerUse_[kTraceLayers] = {};
  int traceLayerClock_ = 0;
  int layouts_ = 0;
  bool layered_ = true;
  QSize BandSize(TSLDisplayView* view, TLPCanvas& canvas);
  // The data view's background (unless `gridOnly`), border and grid.
  void PaintDataViewBand(TLPCanvas& canvas, bool gridOnly = false);
  void PaintTitle(TLPCanvas& canvas);
  void PaintLegend(TLPCanvas& canvas);
  int LegendWidth(TLPCanvas& canvas);

  std::mutex dataLock_;
  std::atomic<int> sizeLimit_{0};
  bool vertical_ = false;
  std::atomic<bool> channelDraw_{false};
  TOWPinList* inputPins_ = nullptr;
  TOWPinList* xInputPins_ = nullptr;
  TSLScopeChannels* channels_ = nullptr;
  TSLDisplayTextLabels* labels_ = nullptr;
  TSLDisplayZones* zones_ = nullptr;
  TSLDisplayEllipticZones* ellipses_ = nullptr;
  TSLScopeMarkerGroups* markerGroups_ = nullptr;
};
