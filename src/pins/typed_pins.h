#pragma once
// Typed pins of the buffer family and the audio pins. A typed source
// delivers through the handler it registered for the link's type: the
// handler queries the receiving pin for the common stream interface and calls
// its Receive. Deliveries with the connection-notice bit set are not passed
// on.
//
// Owner callbacks are std::function objects (the owner's method bound to it).
// The owner frees its pins (they have no QObject parent); a subclass that
// overrides Receive or adds state used there calls BeginDestroy() first in
// its destructor, so it is detached before its own members go.

#include <QObject>

#include <functional>
#include <mutex>

#include "pins/pin.h"

class ISLData;

// The common stream interface of the buffer family.
inline constexpr TGUID IID_ISLOWStream = TGUID::FromLiteral("{20ACBC6D-DA0D-4359-8C78-CE0067D009A0}");
class ISLOWStream {
public:
  virtual ~ISLOWStream() = default;
  // One operation arriving on a link of `type`; returns the result byte.
  virtual uint8_t Receive(const TGUID& type, IOWNotifyOperation* op, uint8_t flags) = 0;
};

// Handler used by every typed registration: deliver to the receiver's common
// stream interface (nothing for the connection notice; 0 without interface).
uint8_t OWStreamHandler(void* data, IInterface* receiver, const TGUID* type, uint8_t flags, IOWNotifyOperation* op);
inline TOWHandler OWStreamHandlerFor(void* data) { return TOWHandler{&OWStreamHandler, data}; }
// The buffer types' dispatch function (used through the default handler):
// as OWStreamHandler, except that a sample-rate start going to a receiver of
// "SL real buffer" has its rate divided by 8, of "SL integer buffer" by 4.
uint8_t OWBufferDispatch(void* data, IInterface* receiver, const TGUID* type, uint8_t flags, IOWNotifyOperation* op);

class TSLOWSourcePin : public TOWSourcePin, public ISLOWStream {
  Q_OBJECT
public:
  using SinkConnectedCallback = std::function<void(TSLOWSourcePin*)>;
  // Operation sent back by a sink; returns the answer.
  using UpstreamCallback = std::function<bool(TSLOWSourcePin*, IOWNotifyOperation*)>;

  TSLOWSourcePin(QObject* owner, SinkConnectedCallback onSinkConnected, int maxSinks, UpstreamCallback onUpstream,
                 IOWLock* ownerLock, IOWLock* inputOwnerLock = nullptr);
  ~TSLOWSourcePin() override;

  bool SupportsType(const TGUID& type) const override;
  uint8_t Receive(const TGUID& type, IOWNotifyOperation* op, uint8_t flags) override;

  // Wrap `buffer` in a supplied-buffer operation and broadcast it. An
  // exception raised downstream is swallowed; the result is then false.
  bool SendBuffer(ISLData* buffer);
  bool SendStop();
  bool SendEndOfStream();
  // The start operation kept since the last start broadcast (none after a stop).
  TRef<IOWNotifyOperation> KeptStart() const;

protected:
  void AfterBroadcast(IOWNotifyOperation* op) override;
  // A new sink gets the kept start operation, then the owner is told.
  void SinkAdded(TOWBasicPin* sink, bool bringUpToDate) override;
  // A sink about to be removed gets a stop operation first.
  void SinkRemoving(TOWBasicPin* sink) override;
  // Brings a newly added sink up to date (the kept start operation).
  virtual void SendKeptTo(TOWBasicPin* sink);

  SinkConnectedCallback onSinkConnected_;
  UpstreamCallback onUpstream_;
  mutable std::mutex keptMutex_;
  TRef<IOWNotifyOperation> keptStart_;
};

class TSLOWSinkPin : public TOWSinkPin, public ISLOWStream {
  Q_OBJECT
public:
  using PinCallback = std::function<void(TSLOWSinkPin*)>;
  // (the pin, the link's type, flags, operation) -> answer.
  using ReceiveCallback = std::function<bool(TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation*)>;

  TSLOWSinkPin(QObject* owner, PinCallback onDisconnecting, PinCallback onConnected, ReceiveCallback onReceive,
               IOWLock* ownerLock);
  ~TSLOWSinkPin() override;

  bool SupportsType(const TGUID& type) const override;
  uint8_t Receive(const TGUID& type, IOWNotifyOperation* op, uint8_t flags) override;
  void Connected(TOWBasicPin* source, TOWBasicPin* orderPin) override;
  void Disconnecting() override;

protected:
  PinCallback onDisconnecting_;
  PinCallback onConnected_;
  ReceiveCallback onReceive_;
};

class TSLOWRealSourcePin : public TSLOWSourcePin {
  Q_OBJECT
public:
  TSLOWRealSourcePin(QObject* owner, SinkConnectedCallback onSinkConnected, int maxSinks, UpstreamCallback onUpstream,
                     bool withValues, IOWLock* ownerLock, IOWLock* inputOwnerLock = nullptr);
  ~TSLOWRealSourcePin() override;
  bool SupportsType(const TGUID& type) const override;
};

class TSLOWIntegerSourcePin : public TSLOWSourcePin {
  Q_OBJECT
public:
  TSLOWIntegerSourcePin(QObject* owner, SinkConnectedCallback onSinkConnected, int maxSinks,
                        UpstreamCallback onUpstream, IOWLock* ownerLock, IOWLock* inputOwnerLock = nullptr);
  ~TSLOWIntegerSourcePin() override;
  bool SupportsType(const TGUID& type) const override;
};

class TSLOWBinarySourcePin : public TSLOWSourcePin {
  Q_OBJECT
public:
  TSLOWBinarySourcePin(QObject* owner, SinkConnectedCallback onSinkConnected, int maxSinks,
                       UpstreamCallback onUpstream, IOWLock* ownerLock, IOWLock* inputOwnerLock = nullptr);
  ~TSLOWBinarySourcePin() override;
  bool SupportsType(const TGUID& type) const override;
};

class TSLOWStringSourcePin : public TSLOWSourcePin {
  Q_OBJECT
public:
  TSLOWStringSourcePin(QObject* owner, SinkConnectedCallback onSinkConnected, int maxSinks,
                       UpstreamCallback onUpstream, IOWLock* ownerLock, IOWLock* inputOwnerLock = nullptr);
  ~TSLOWStringSourcePin() override;
  bool SupportsType(const TGUID& type) const override;
};

class TSLOWRealMatrixSourcePin : public TSLOWSourcePin {
  Q_OBJECT
public:
  TSLOWRealMatrixSourcePin(QObject* owner, SinkConnectedCallback onSinkConnected, int maxSinks,
                           UpstreamCallback onUpstream, IOWLock* ownerLock, IOWLock* inputOwnerLock = nullptr);
  ~TSLOWRealMatrixSourcePin() override;
  bool SupportsType(const TGUID& type) const override;
};

class TSLOWRealSinkPin : public TSLOWSinkPin {
  Q_OBJECT
public:
  TSLOWRealSinkPin(QObject* owner, PinCallback onDisconnecting, PinCallback onConnected, ReceiveCallback onReceive,
                   IOWLock* ownerLock);
  ~TSLOWRealSinkPin() override;
  bool SupportsType(const TGUID& type) const override;
};

class TSLOWIntegerSinkPin : public TSLOWSinkPin {
  Q_OBJECT
public:
  TSLOWIntegerSinkPin(QObject* owner, PinCallback onDisconnecting, PinCallback onConnected,
                      ReceiveCallback onReceive, IOWLock* ownerLock);
  ~TSLOWIntegerSinkPin() override;
  bool SupportsType(const TGUID& type) const override;
};

class TSLOWComplexSinkPin : public TSLOWSinkPin {
  Q_OBJECT
public:
  TSLOWComplexSinkPin(QObject* owner, PinCallback onDisconnecting, PinCallback onConnected,
                      ReceiveCallback onReceive, IOWLock* ownerLock);
  ~TSLOWComplexSinkPin() override;
  bool SupportsType(const TGUID& type) const override;
};

class TSLOWComboRealSinkPin : public TSLOWRealSinkPin {
  Q_OBJECT
public:
  TSLOWComboRealSinkPin(QObject* owner, PinCallback onDisconnecting, PinCallback onConnected,
                        ReceiveCallback onReceive, IOWLock* ownerLock);
  ~TSLOWComboRealSinkPin() override;
  bool SupportsType(const TGUID& type) const override;
};

class TSLOWComboRealIntSinkPin : public TSLOWComboRealSinkPin {
  Q_OBJECT
public:
  TSLOWComboRealIntSinkPin(QObject* owner, PinCallback onDisconnecting, PinCallback onConnected,
                           ReceiveCallback onReceive, IOWLock* ownerLock);
  ~TSLOWComboRealIntSinkPin() override;
  bool SupportsType(const TGUID& type) const override;
};

class TSLOWComboRealIntComplexPairedSinkPin : public TSLOWComboRealIntSinkPin {
  Q_OBJECT
public:
  TSLOWComboRealIntComplexPairedSinkPin(QObject* owner, PinCallback onDisconnecting, PinCallback onConnected,
                                        ReceiveCallback onReceive, IOWLock* ownerLock);
  ~TSLOWComboRealIntComplexPairedSinkPin() override;
  bool SupportsType(const TGUID& type) const override;
};

class TALOWAudioSourcePin : public TSLOWSourcePin {
  Q_OBJECT
public:
  TALOWAudioSourcePin(QObject* owner, SinkConnectedCallback onSinkConnected, int maxSinks,
                      UpstreamCallback onUpstream, IOWLock* ownerLock, IOWLock* inputOwnerLock = nullptr);
  ~TALOWAudioSourcePin() override;
  bool SupportsType(const TGUID& type) const override;
  TRef<IOWNotifyOperation> KeptResume() const;

protected:
  void AfterBroadcast(IOWNotifyOperation* op) override;
  void SendKeptTo(TOWBasicPin* sink) override;

  TRef<IOWNotifyOperation> keptResume_;
};

class TALOWAudioSinkPin : public TSLOWSinkPin {
  Q_OBJECT
public:
  TALOWAudioSinkPin(QObject* owner, PinCallback onDisconnecting, PinCallback onConnected, ReceiveCallback onReceive,
                    IOWLock* ownerLock);
  ~TALOWAudioSinkPin() override;
  bool SupportsType(const TGUID& type) const override;
};
