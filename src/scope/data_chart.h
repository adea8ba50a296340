#pragma once
// TSLDataChart: the display with pins, channels, cursors, cursor links,
// channel links, axes, legend, title, data view, trails and highlighting.

#include <functional>

#include "scope/axes/axes.h"
#include "scope/data_display.h"
#include "scope/model/display_collections.h"
#include "scope/axes/views.h"

#include "pins/pin_list.h"

class TSLDataChart;
class TSLDisplayCursor;

// The run-time property dialog lives above the scope and installs its
// opener here; (chart, page kind, item index). Without one, asking for the
// dialog does nothing.
using TSLPropertiesDialogOpener = std::function<void(TSLDataChart* chart, int page, int item)>;

class TSLDataChart : public TSLDataDisplay {
  Q_OBJECT
  Q_PROPERTY(TSLScopeXAxis* XAxis READ XAxis WRITE SetXAxis)
  Q_PROPERTY(TSLScopeYAxis* YAxis READ YAxis WRITE SetYAxis)
  Q_PROPERTY(TSLScopeLegendView* Legend READ Legend WRITE SetLegend)
  Q_PROPERTY(TSLDisplayTitle* Title READ Title WRITE SetTitle)
  Q_PROPERTY(TSLScopeDataView* DataView READ DataView WRITE SetDataView)
  Q_PROPERTY(TSLDisplayTrails* Trails READ Trails WRITE SetTrails)
  Q_PROPERTY(TSLDisplayHighlighting* Highlighting READ Highlighting WRITE SetHighlighting)
  Q_PROPERTY(bool CursorsStayInView READ CursorsStayInView WRITE SetCursorsStayInView)
public:
  explicit TSLDataChart(QWidget* parent = nullptr);
  ~TSLDataChart() override;

  TSLScopeXAxis* XAxis() const { return xAxis_; }
  TSLScopeYAxis* YAxis() const { return yAxis_; }
  TSLScopeLegendView* Legend() const { return legend_; }
  TSLDisplayTitle* Title() const { return title_; }
  TSLScopeDataView* DataView() const { return dataView_; }
  TSLDisplayTrails* Trails() const { return trails_; }
  TSLDisplayHighlighting* Highlighting() const { return highlighting_; }
  void SetXAxis(TSLScopeXAxis* other) { Copy(xAxis_, other); }
  void SetYAxis(TSLScopeYAxis* other) { Copy(yAxis_, other); }
  void SetLegend(TSLScopeLegendView* other) { Copy(legend_, other); }
  void SetTitle(TSLDisplayTitle* other) { Copy(title_, other); }
  void SetDataView(TSLScopeDataView* other) { Copy(dataView_, other); }
  void SetTrails(TSLDisplayTrails* other) { Copy(trails_, other); }
  void SetHighlighting(TSLDisplayHighlighting* other) { Copy(highlighting_, other); }
  bool CursorsStayInView() const;
  void SetCursorsStayInView(bool v);

  // Axis addressing: 0 is the main axis, n the n-th additional one.
  TSLDisplayAxis* XAxisAt(int index) const;
  TSLDisplayAxis* YAxisAt(int index) const;
  int XAxisIndexOf(const TSLDisplayAxis* axis) const;
  int YAxisIndexOf(const TSLDisplayAxis* axis) const;
  int AxisIndexOf(const TSLDisplayAxis* axis) const;
  // The main axis and its additional axes.
  int XAxisCount() const;
  int YAxisCount() const;
  // The views in layout order: as registered, except that the additional
  // axes of a kind come just before their main axis, last one first, so
  // that the layout (which fills each side from the outside in) stacks them
  // outwards from the main axis in collection order.
  const QList<TSLDisplayView*>& LayoutViews();

  double VisibleXMin() const { return xAxis_->ShownMin(); }
  double VisibleXMax() const { return xAxis_->ShownMax(); }
  double VisibleYMin() const { return yAxis_->ShownMin(); }
  double VisibleYMax() const { return yAxis_->ShownMax(); }

  void ZoomOff() override;
  void ShownRange(TSLRealPoint& min, TSLRealPoint& max) const override {
    min = {VisibleXMin(), VisibleYMin()};
    max = {VisibleXMax(), VisibleYMax()};
  }
  // Assigns every cursor's X and Y their own values again (re-clamps them).
  void ReapplyCursorPositions();
  // Expands "%X", "%Y", "%D" and "%%" of a label format.
  QString FormatPointText(const QString& format, const QString& defaultFormat, double x, double y) const;
  // Tick-label text of a value on an axis (the axis formatting rules).
  virtual QString FormatAxisValue(const TSLDisplayAxis* axis, double value) const;
  virtual void DataViewChanged() { Changed(); }
  // The Y a cursor's Position.Y stores: the nearest sample value of the
  // channels on its Y axis when that axis snaps cursors to samples.
  virtual double SnapCursorY(const TSLDisplayCursor* cursor, double y) {
    (void)cursor;
    return y;
  }
  QRect DataViewRect() const override { return dataView_ ? dataView_->ViewRect().adjusted(0, 0, 0, -1) : QRect(); }

  // Page kinds of the property dialog.
  enum { kChannelsPage, kChannelLinksPage, kMarkerGroupsPage, kZonesPage, kEllipsesPage, kCursorsPage,
         kCursorLinksPage, kXAxesPage, kYAxesPage };
  static void SetPropertiesDialogOpener(TSLPropertiesDialogOpener opener);
  // Hides the toolbar and opens the dialog modally on `page` at `item`.
  virtual void ShowPropertiesDialog(int page, int item);
  // The X axes page for an index up to the number of X axes, else the Y
  // axes page (AxisIndexOf numbering).
  void ShowAxisProperties(int axisIndex);
  void ShowProperties() { ShowPropertiesDialog(kChannelsPage, 0); }

protected:
  // Follows the additional axes collections of the main axes (called once
  // the main axes exist).
  void WatchAdditionalAxes();
  // An additional axis left its collection at `index` (0-based in the
  // collection, so axis index index + 1).
  virtual void AdditionalAxisRemoved(bool x, int index) {
    (void)x;
    (void)index;
  }

  template <class T>
  void Copy(T* mine, T* other) {
    if (other && other != mine) mine->Assign(other);
  }

  TSLScopeXAxis* xAxis_ = nullptr;
  TSLScopeYAxis* yAxis_ = nullptr;
  TSLScopeLegendView* legend_ = nullptr;
  TSLDisplayTitle* title_ = nullptr;
  TSLScopeDataView* dataView_ = nullptr;
  TSLDisplayTrails* trails_ = nullptr;
  TSLDisplayHighlighting* highlighting_ = nullptr;
  TSLDisplayCursors* cursors_ = nullptr;
  TSLDisplayCursorLinks* cursorLinks_ = nullptr;
  TSLDisplayChannelLinks* channelLinks_ = nullptr;

private:
  bool cursorsStayInView_ = true;
  QList<TSLDisplayView*> layoutViews_;
  bool layoutViewsStale_ = true;
};
