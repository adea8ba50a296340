#include "scope/model/display_settings.h"

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
