#pragma once
// An axis' zoom pin: a state pin through which axes of different displays
// share one zoom. Whenever the user or code zooms, pans or unzooms an axis,
// its pin tells the linked axes the new state, and each of them shows the
// same value range (within its own limits) without telling anyone again.

#include <functional>

#include "pins/operations.h"
#include "pins/typed_pins.h"
#include "scope/model/scope_types.h"

namespace stream_type {
inline constexpr TGUID AxisZoom = TGUID::FromLiteral("{6E0B6C55-4A1B-4F53-9E0F-2D7C3B5A9E41}");
}

// What a zoom pin sends: the operation and the sender's zoom state in values.
class TSLAxisZoomOperation : public TOWSuppliedOperation {
public:
  TSLAxisZoomOperation(SL::TSLZoomOperation op, bool zoomed, double low, double high, const QObject* display)
      : op_(op), zoomed_(zoomed), low_(low), high_(high), display_(display) {}
  SL::TSLZoomOperation Operation() const noexcept { return op_; }
  bool Zoomed() const noexcept { return zoomed_; }
  double Low() const noexcept { return low_; }
  double High() const noexcept { return high_; }
  // The display of the axis that sent it.
  const QObject* Display() const noexcept { return display_; }

private:
  SL::TSLZoomOperation op_;
  bool zoomed_;
  double low_, high_;
  const QObject* display_;
};

class TSLZoomPin : public TOWStatePin, public ISLOWStream {
  Q_OBJECT
public:
  using Follow = std::function<void(const TSLAxisZoomOperation&)>;
  // `follow` applies a state received from a linked axis.
  TSLZoomPin(QObject* owner, IOWLock* ownerLock, Follow follow);
  ~TSLZoomPin() override;
  bool SupportsType(const TGUID& type) const override;
  uint8_t Receive(const TGUID& type, IOWNotifyOperation* op, uint8_t flags) override;
  // Tells the linked axes; false when none took it.
  bool Tell(SL::TSLZoomOperation op, bool zoomed, double low, double high, const QObject* display);

private:
  Follow follow_;
};
