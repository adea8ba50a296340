#include "scope/axes/zoom_pin.h"

#include "pins/stream_types.h"

TSLZoomPin::TSLZoomPin(QObject* owner, IOWLock* ownerLock, Follow follow)
    : TOWStatePin(owner, ownerLock), follow_(std::move(follow)) {
  OWSetStreamTypeName(stream_type::AxisZoom, QStringLiteral("SL axis zoom"));
  types_.Add(stream_type::AxisZoom, OWStreamHandlerFor(this));
}

TSLZoomPin::~TSLZoomPin() { BeginDestroy(); }

bool TSLZoomPin::SupportsType(const TGUID& type) const {
  return type == stream_type::AxisZoom || type == IID_ISLOWStream || TOWStatePin::SupportsType(type);
}

uint8_t TSLZoomPin::Receive(const TGUID& type, IOWNotifyOperation* op, uint8_t flags) {
  (void)type;
  (void)flags;
  if (auto* zoom = OperationAs<TSLAxisZoomOperation>(op); zoom && follow_) follow_(*zoom);
  return 0;
}

bool TSLZoomPin::Tell(SL::TSLZoomOperation op, bool zoomed, double low, double high, const QObject* display) {
  if (!IsConnected()) return false;
  TRef<IOWNotifyOperation> operation = MakeOperation<TSLAxisZoomOperation>(op, zoomed, low, high, display);
  return Notify(operation.get());
}
