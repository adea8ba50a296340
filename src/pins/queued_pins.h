#pragma once
// Queued sink pins: the scope channels' inputs keep arriving buffers in a
// queue (TSLBufferQueue) until the window thread takes them. The queue state
// lives in TSLOWQueuedPinImpl; the pins reach it through IOWSLQueuedPin.
// Every operation of the impl is thread-safe.

#include <mutex>

#include "buffers/buffer_interfaces.h"
#include "buffers/buffer_queue.h"
#include "pins/typed_pins.h"

class TSLOWQueuedPinImpl;

inline constexpr TGUID IID_IOWSLQueuedPin = TGUID::FromLiteral("{AEE73535-9267-4CB2-ABF7-905245E0EB46}");

class IOWSLQueuedPin {
public:
  virtual ~IOWSLQueuedPin() = default;
  virtual TSLOWQueuedPinImpl& Queued() = 0;
};

class TSLOWQueuedPinImpl {
public:
  // `pin` is the sink that owns the queue (for IsConnected and queries).
  explicit TSLOWQueuedPinImpl(TOWSinkPin* pin) : pin_(pin) {}

  TSLBufferQueue& Queue() { return queue_; }
  // Marks the rate known.
  void SetRate(double rate);
  double Rate() const;
  bool RateKnown() const;
  void ForgetRate();
  // Empties the queue and clears the rate and answer state; a query is
  // needed again.
  void Reset();
  // When the rate is not known, the pin is connected and a query is needed,
  // sends a TOWQueryStreamOperation upstream; reports whether it was answered.
  bool Ask();
  bool Answered() const;
  void QueueBuffer(const TRef<ISLDataBuffer>& buffer) { queue_.Push(buffer); }
  int32_t CollectedSamples() { return queue_.CollectedCount(); }
  // n × this rate ÷ otherRate, rounded to the nearest integer (n when either
  // rate is not positive).
  int32_t RequestedCountFor(int32_t n, double otherRate) const;
  void SetRequestedCount(int32_t n);
  int32_t RequestedCount() const;
  // Collected ≥ requested.
  bool EnoughSamples();
  // Fills destination (its whole count) from the queue; false when too few.
  bool Take(ISLDataBuffer* destination) { return queue_.Take(destination); }
  // The upstream said it will not deliver on this pin, or the stream stopped.
  void SetIgnored(bool v);
  bool Ignored() const;

private:
  TOWSinkPin* pin_;
  TSLBufferQueue queue_;
  mutable std::mutex section_;
  double rate_ = 0;
  int32_t requested_ = 0;
  bool rateKnown_ = false;
  bool answered_ = false;
  bool queryNeeded_ = true;
  bool ignored_ = false;
};

class TSLOWQueuedIntegerRealSinkPin : public TSLOWComboRealIntSinkPin, public IOWSLQueuedPin {
  Q_OBJECT
public:
  TSLOWQueuedIntegerRealSinkPin(QObject* owner, PinCallback onDisconnecting, PinCallback onConnected,
                                ReceiveCallback onReceive, IOWLock* ownerLock);
  ~TSLOWQueuedIntegerRealSinkPin() override;
  bool SupportsType(const TGUID& type) const override;
  TSLOWQueuedPinImpl& Queued() override { return impl_; }
  // A real buffer of n samples from the queue: the requested count (n when
  // none is set) is taken and resampled to n by nearest index. None when
  // fewer samples are collected.
  TRef<ISLRealBuffer> TakeSamples(int32_t n);

private:
  TSLOWQueuedPinImpl impl_;
};

class TSLOWComboRealIntComplexPairedQueuedSinkPin : public TSLOWComboRealIntComplexPairedSinkPin,
                                                    public IOWSLQueuedPin {
  Q_OBJECT
public:
  TSLOWComboRealIntComplexPairedQueuedSinkPin(QObject* owner, PinCallback onDisconnecting, PinCallback onConnected,
                                              ReceiveCallback onReceive, IOWLock* ownerLock);
  ~TSLOWComboRealIntComplexPairedQueuedSinkPin() override;
  bool SupportsType(const TGUID& type) const override;
  TSLOWQueuedPinImpl& Queued() override { return impl_; }

private:
  TSLOWQueuedPinImpl impl_;
};

// Nearest-index resampling: element i of the result is source element
// round(i × (source count − 1) ÷ n), limited to the last.
TRef<ISLRealBuffer> OWResampleNearest(ISLRealBuffer* source, int32_t n);
