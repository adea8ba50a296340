#include "pins/value_pins.h"

#include "pins/stream_types.h"

TOWBoolStatePin::TOWBoolStatePin(QObject* owner, StateCallback onState, IOWLock* ownerLock)
    : TOWStatePin(owner, ownerLock), onState_(std::move(onState)) {
  types_.Add(stream_type::Boolean, OWStreamHandlerFor(this));
}

TOWBoolStatePin::~TOWBoolStatePin() { BeginDestroy(); }

bool TOWBoolStatePin::SupportsType(const TGUID& type) const {
  return type == stream_type::Boolean || type == IID_ISLOWStream || TOWStatePin::SupportsType(type);
}

uint8_t TOWBoolStatePin::Receive(const TGUID& type, IOWNotifyOperation* op, uint8_t flags) {
  (void)type;
  (void)flags;
  auto* b = OperationAs<TOWSuppliedBoolOperation>(op);
  if (!b) return 0;
  state_.store(b->Value());
  if (onState_) onState_(this, b->Value());
  return 0;
}

bool TOWBoolStatePin::SetState(bool state) {
  state_.store(state);
  TRef<IOWNotifyOperation> op = MakeOperation<TOWSuppliedBoolOperation>(state);
  return Notify(op.get());
}
