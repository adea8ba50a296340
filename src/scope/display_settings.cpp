#include "scope/display_settings.h"

#include "draw/published_property.h"

TSLDisplayItemHighlighting::TSLDisplayItemHighlighting(QObject* owner, TSLDataDisplay* display, bool fromMouse)
    : TSLDisplayPersistent(owner, display), HiglightFromMouse_(fromMouse) {}

TSLChannelMouseHitPoint::TSLChannelMouseHitPoint(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayPersistent(owner, display), PointLabel_(Watched(new TSLOptionalLabel(this), false)) {}

TSLDisplayHighlighting::TSLDisplayHighlighting(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayPersistent(owner, display),
      Channels_(new TSLChannelItemHighlighting(this, display)),
      ChannelLinks_(new TSLChannelItemHighlighting(this, display)),
      Markers_(new TSLDisplayItemHighlighting(this, display)),
      Zones_(new TSLDisplayItemHighlighting(this, display)),
      Ellipses_(new TSLDisplayItemHighlighting(this, display)),
      Cursors_(new TSLDisplayItemHighlighting(this, display)),
      CursorLinks_(new TSLDisplayItemHighlighting(this, display)),
      Labels_(new TSLDisplayItemHighlighting(this, display)),
      MouseHitPoint_(new TSLChannelMouseHitPoint(this, display)) {}

TSLDisplayTrails::TSLDisplayTrails(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayPersistent(owner, display), Font_(MakeFont()) {}

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
      Buttons_(new TSLDisplayToolBarButtons(this, display)) {}

TSLAxisToolBarButtons::TSLAxisToolBarButtons(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayPersistent(owner, display),
      ZoomIn_(new TSLDisplayToolBarButton(this, display)),
      ZoomOut_(new TSLDisplayToolBarButton(this, display)),
      ZoomOff_(new TSLDisplayToolBarButton(this, display)),
      ZoomOneDir_(new TSLDisplayToolBarButton(this, display)) {}

TSLAxisToolBar::TSLAxisToolBar(QObject* owner, TSLDataDisplay* display)
    : TSLBasicDisplayToolBar(owner, display), Buttons_(new TSLAxisToolBarButtons(this, display)) {}
