#pragma once
// Single-value pins. The one used by the program is TOWBoolStatePin, the
// capture component's enable pin: a state pin whose owner callback runs
// when a boolean arrives, and whose SetState tells the other members.

#include <functional>

#include "pins/typed_pins.h"

class TOWBoolStatePin : public TOWStatePin, public ISLOWStream {
  Q_OBJECT
public:
  using StateCallback = std::function<void(TOWBoolStatePin*, bool)>;
  TOWBoolStatePin(QObject* owner, StateCallback onState, IOWLock* ownerLock);
  ~TOWBoolStatePin() override;
  bool SupportsType(const TGUID& type) const override;
  uint8_t Receive(const TGUID& type, IOWNotifyOperation* op, uint8_t flags) override;
  // Sends the state to the other members of the dispatcher.
  bool SetState(bool state);
  bool State() const { return state_.load(); }

private:
  StateCallback onState_;
  std::atomic<bool> state_{false};
};
