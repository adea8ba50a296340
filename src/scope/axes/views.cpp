#include "scope/axes/views.h"

#include "scope/data_display.h"
#include "scope/axes/legend_custom_groups.h"

TSLScopeDataView::TSLScopeDataView(QObject* owner, TSLDataDisplay* display)
    : TSLCustomColorDisplayView(owner, display),
      Border_(new TSLDisplayGridLineSettings(this, display, QColor(0, 128, 0))) {}

TSLDisplayTitle::TSLDisplayTitle(QObject* owner, TSLDataDisplay* display)
    : TSLOptionalView(owner, display, SL::vaTop), Font_(MakeFont(16, QColor(Qt::white), Vcl::fsBold)) {}

TSLBasicLegendGroup::TSLBasicLegendGroup(QObject* owner, TSLDataDisplay* display, const QString& defaultCaption)
    : TSLDisplayPersistent(owner, display),
      Caption_(new TSLDisplayLabel(this, display, QString(), 10)),
      defaultCaption_(defaultCaption) {}

QString TSLBasicLegendGroup::CaptionText() const {
  const QString text = Caption()->Text();
  return text.isEmpty() ? defaultCaption_ : text;
}

TSLLegendView::TSLLegendView(QObject* owner, TSLDataDisplay* display)
    : TSLOptionalView(owner, display, SL::vaRight),
      Font_(MakeFont()),
      Buttons_(new TSLLegendViewButtonSettings(this, display)) {}

TSLScopeLegendView::TSLScopeLegendView(QObject* owner, TSLDataDisplay* display)
    : TSLLegendView(owner, display),
      Channels_(new TSLLegendGroup(this, display, QStringLiteral("Channels"))),
      ChannelLinks_(new TSLLegendGroup(this, display, QStringLiteral("Channel Links"))),
      MarkerGroups_(new TSLLegendGroup(this, display, QStringLiteral("Marker Groups"))),
      Zones_(new TSLLegendGroup(this, display, QStringLiteral("Zones"))),
      Ellipses_(new TSLLegendGroup(this, display, QStringLiteral("Ellipses"))),
      Cursors_(new TSLLegendGroup(this, display, QStringLiteral("Cursors"))),
      CursorLinks_(new TSLLegendGroup(this, display, QStringLiteral("Cursor Links"))),
      Labels_(new TSLLegendGroup(this, display, QStringLiteral("Labels"))),
      customGroups_(new TSLLegendGroupCollection(this, display)) {}

void TSLScopeDataView::MouseMove(Qt::KeyboardModifiers shift, const QPoint& p, bool& handled) {
  TSLCustomColorDisplayView::MouseMove(shift, p, handled);
  Display()->DataViewMouseMove(shift, p);
}

void TSLScopeDataView::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, bool& handled, bool inside,
                                 const QPoint& p) {
  if (!handled) Display()->DataViewMouseDown(button, shift, handled, inside, p);
}

void TSLScopeDataView::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, bool inside, const QPoint& p) {
  Display()->DataViewMouseUp(button, shift, inside, p);
}

void TSLScopeDataView::MouseEnterControl() { Display()->DataViewEnterControl(Display()->StoredMousePosition()); }

void TSLScopeDataView::MouseLeaveControl() {
  TSLCustomColorDisplayView::MouseLeaveControl();
  Display()->DataViewLeaveControl();
}
