#include "pins/typed_pins.h"

#include "buffers/buffer_interfaces.h"
#include "pins/stream_types.h"

namespace st = stream_type;

uint8_t OWStreamHandler(void* data, IInterface* receiver, const TGUID* type, uint8_t flags,
                        IOWNotifyOperation* op) {
  (void)data;
  // The connection notice is not passed on.
  if (flags & kOWFlagConnectNotice) return 0;
  if (!type) return 0;
  if (auto* stream = dynamic_cast<ISLOWStream*>(receiver)) return stream->Receive(*type, op, flags);
  return 0;
}

uint8_t OWBufferDispatch(void* data, IInterface* receiver, const TGUID* type, uint8_t flags,
                         IOWNotifyOperation* op) {
  if (flags & kOWFlagConnectNotice) return 0;
  if (auto* start = OperationAs<TOWStartSampleRateOperation>(op)) {
    TOWBasicPin* pin = TOWBasicPin::FromInterface(receiver);
    double divisor = 0;
    if (pin && pin->SupportsType(st::RealBuffer))
      divisor = 8;
    else if (pin && pin->SupportsType(st::IntegerBuffer))
      divisor = 4;
    if (divisor > 0) {
      TRef<IOWNotifyOperation> scaled = MakeOperation<TOWStartSampleRateOperation>(start->SampleRate() / divisor);
      return OWStreamHandler(data, receiver, type, flags, scaled.get());
    }
  }
  return OWStreamHandler(data, receiver, type, flags, op);
}

// ---------------------------------------------------------------------------
// TSLOWSourcePin

TSLOWSourcePin::TSLOWSourcePin(QObject* owner, SinkConnectedCallback onSinkConnected, int maxSinks,
                               UpstreamCallback onUpstream, IOWLock* ownerLock, IOWLock* inputOwnerLock)
    : TOWSourcePin(owner, maxSinks, ownerLock, inputOwnerLock),
      onSinkConnected_(std::move(onSinkConnected)),
      onUpstream_(std::move(onUpstream)) {
  types_.Add(st::Clock, OWStreamHandlerFor(this));
  types_.Add(st::UniversalBuffer, OWStreamHandlerFor(this));
}

TSLOWSourcePin::~TSLOWSourcePin() { BeginDestroy(); }

bool TSLOWSourcePin::SupportsType(const TGUID& type) const {
  return type == IID_ISLOWStream || TOWSourcePin::SupportsType(type);
}

uint8_t TSLOWSourcePin::Receive(const TGUID& type, IOWNotifyOperation* op, uint8_t flags) {
  (void)type;
  (void)flags;
  return onUpstream_ && onUpstream_(this, op) ? 1 : 0;
}

// A receiver failing on these courtesy deliveries must not leave a link
// half built or half removed, so their exceptions end here.
void TSLOWSourcePin::SinkAdded(TOWBasicPin* sink, bool bringUpToDate) {
  try {
    if (bringUpToDate) SendKeptTo(sink);
  } catch (...) {
  }
  if (onSinkConnected_) onSinkConnected_(this);
}

void TSLOWSourcePin::SinkRemoving(TOWBasicPin* sink) {
  try {
    TRef<IOWNotifyOperation> stop = MakeOperation<TOWStopOperation>();
    NotifySink(stop.get(), sink);
  } catch (...) {
  }
}

void TSLOWSourcePin::SendKeptTo(TOWBasicPin* sink) {
  TRef<IOWNotifyOperation> start = KeptStart();
  if (start) NotifySink(start.get(), sink);
}

TRef<IOWNotifyOperation> TSLOWSourcePin::KeptStart() const {
  std::lock_guard<std::mutex> lock(keptMutex_);
  return keptStart_;
}

void TSLOWSourcePin::AfterBroadcast(IOWNotifyOperation* op) {
  std::lock_guard<std::mutex> lock(keptMutex_);
  if (OperationAs<TOWStartOperation>(op))
    keptStart_ = TRef<IOWNotifyOperation>(op);
  else if (OperationAs<TOWStopOperation>(op))
    keptStart_.reset();
}

bool TSLOWSourcePin::SendBuffer(ISLData* buffer) {
  try {
    TRef<IOWNotifyOperation> op = MakeOperation<TOWSuppliedBufferOperation>(buffer);
    Notify(op.get());
    return true;
  } catch (...) {
    // A failing receiver must not take the sender (a capture thread) down.
    return false;
  }
}

bool TSLOWSourcePin::SendStop() {
  TRef<IOWNotifyOperation> op = MakeOperation<TOWStopOperation>();
  return Notify(op.get());
}

bool TSLOWSourcePin::SendEndOfStream() {
  TRef<IOWNotifyOperation> op = MakeOperation<TOWEndStopOperation>();
  return Notify(op.get());
}

// ---------------------------------------------------------------------------
// TSLOWSinkPin

TSLOWSinkPin::TSLOWSinkPin(QObject* owner, PinCallback onDisconnecting, PinCallback onConnected,
                           ReceiveCallback onReceive, IOWLock* ownerLock)
    : TOWSinkPin(owner, ownerLock),
      onDisconnecting_(std::move(onDisconnecting)),
      onConnected_(std::move(onConnected)),
      onReceive_(std::move(onReceive)) {
  types_.Add(st::UniversalBuffer, OWStreamHandlerFor(this));
  ignoreUpstream_ = true;
}

TSLOWSinkPin::~TSLOWSinkPin() { BeginDestroy(); }

bool TSLOWSinkPin::SupportsType(const TGUID& type) const {
  return type == IID_ISLOWStream || TOWSinkPin::SupportsType(type);
}

uint8_t TSLOWSinkPin::Receive(const TGUID& type, IOWNotifyOperation* op, uint8_t flags) {
  return onReceive_ && onReceive_(this, type, flags, op) ? 1 : 0;
}

void TSLOWSinkPin::Connected(TOWBasicPin* source, TOWBasicPin* orderPin) {
  TOWSinkPin::Connected(source, orderPin);
  if (onConnected_) onConnected_(this);
}

void TSLOWSinkPin::Disconnecting() {
  if (onDisconnecting_) onDisconnecting_(this);
}

// ---------------------------------------------------------------------------
// Typed sources

TSLOWRealSourcePin::TSLOWRealSourcePin(QObject* owner, SinkConnectedCallback onSinkConnected, int maxSinks,
                                       UpstreamCallback onUpstream, bool withValues, IOWLock* ownerLock,
                                       IOWLock* inputOwnerLock)
    : TSLOWSourcePin(owner, std::move(onSinkConnected), maxSinks, std::move(onUpstream), ownerLock,
                     inputOwnerLock) {
  if (withValues) types_.Add(st::Float, OWStreamHandlerFor(this));
  types_.Add(st::RealBuffer, OWStreamHandlerFor(this));
}
bool TSLOWRealSourcePin::SupportsType(const TGUID& type) const {
  return type == st::RealBuffer || TSLOWSourcePin::SupportsType(type);
}

TSLOWIntegerSourcePin::TSLOWIntegerSourcePin(QObject* owner, SinkConnectedCallback onSinkConnected, int maxSinks,
                                             UpstreamCallback onUpstream, IOWLock* ownerLock,
                                             IOWLock* inputOwnerLock)
    : TSLOWSourcePin(owner, std::move(onSinkConnected), maxSinks, std::move(onUpstream), ownerLock,
                     inputOwnerLock) {
  types_.Add(st::IntegerBuffer, OWStreamHandlerFor(this));
}
bool TSLOWIntegerSourcePin::SupportsType(const TGUID& type) const {
  return type == st::IntegerBuffer || TSLOWSourcePin::SupportsType(type);
}

TSLOWBinarySourcePin::TSLOWBinarySourcePin(QObject* owner, SinkConnectedCallback onSinkConnected, int maxSinks,
                                           UpstreamCallback onUpstream, IOWLock* ownerLock, IOWLock* inputOwnerLock)
    : TSLOWSourcePin(owner, std::move(onSinkConnected), maxSinks, std::move(onUpstream), ownerLock,
                     inputOwnerLock) {
  types_.Add(st::BinaryBuffer, OWStreamHandlerFor(this));
}
bool TSLOWBinarySourcePin::SupportsType(const TGUID& type) const {
  return type == st::BinaryBuffer || TSLOWSourcePin::SupportsType(type);
}

TSLOWStringSourcePin::TSLOWStringSourcePin(QObject* owner, SinkConnectedCallback onSinkConnected, int maxSinks,
                                           UpstreamCallback onUpstream, IOWLock* ownerLock, IOWLock* inputOwnerLock)
    : TSLOWSourcePin(owner, std::move(onSinkConnected), maxSinks, std::move(onUpstream), ownerLock,
                     inputOwnerLock) {
  types_.Add(st::String, OWStreamHandlerFor(this));
  types_.Add(st::StringBuffer, OWStreamHandlerFor(this));
}
bool TSLOWStringSourcePin::SupportsType(const TGUID& type) const {
  return type == st::StringBuffer || TSLOWSourcePin::SupportsType(type);
}

TSLOWRealMatrixSourcePin::TSLOWRealMatrixSourcePin(QObject* owner, SinkConnectedCallback onSinkConnected,
                                                   int maxSinks, UpstreamCallback onUpstream, IOWLock* ownerLock,
                                                   IOWLock* inputOwnerLock)
    : TSLOWSourcePin(owner, std::move(onSinkConnected), maxSinks, std::move(onUpstream), ownerLock,
                     inputOwnerLock) {
  types_.Add(st::RealMatrix, OWStreamHandlerFor(this));
}
bool TSLOWRealMatrixSourcePin::SupportsType(const TGUID& type) const {
  return type == st::RealMatrix || TSLOWSourcePin::SupportsType(type);
}

// ---------------------------------------------------------------------------
// Typed sinks

TSLOWRealSinkPin::TSLOWRealSinkPin(QObject* owner, PinCallback onDisconnecting, PinCallback onConnected,
                                   ReceiveCallback onReceive, IOWLock* ownerLock)
    : TSLOWSinkPin(owner, std::move(onDisconnecting), std::move(onConnected), std::move(onReceive), ownerLock) {
  types_.Add(st::RealBuffer);
}
bool TSLOWRealSinkPin::SupportsType(const TGUID& type) const {
  return type == st::RealBuffer || TSLOWSinkPin::SupportsType(type);
}

TSLOWIntegerSinkPin::TSLOWIntegerSinkPin(QObject* owner, PinCallback onDisconnecting, PinCallback onConnected,
                                         ReceiveCallback onReceive, IOWLock* ownerLock)
    : TSLOWSinkPin(owner, std::move(onDisconnecting), std::move(onConnected), std::move(onReceive), ownerLock) {
  types_.Add(st::IntegerBuffer);
}
bool TSLOWIntegerSinkPin::SupportsType(const TGUID& type) const {
  return type == st::IntegerBuffer || TSLOWSinkPin::SupportsType(type);
}

TSLOWComplexSinkPin::TSLOWComplexSinkPin(QObject* owner, PinCallback onDisconnecting, PinCallback onConnected,
                                         ReceiveCallback onReceive, IOWLock* ownerLock)
    : TSLOWSinkPin(owner, std::move(onDisconnecting), std::move(onConnected), std::move(onReceive), ownerLock) {
  types_.Add(st::ComplexBuffer);
}
bool TSLOWComplexSinkPin::SupportsType(const TGUID& type) const {
  return type == st::ComplexBuffer || TSLOWSinkPin::SupportsType(type);
}

TSLOWComboRealSinkPin::TSLOWComboRealSinkPin(QObject* owner, PinCallback onDisconnecting, PinCallback onConnected,
                                             ReceiveCallback onReceive, IOWLock* ownerLock)
    : TSLOWRealSinkPin(owner, std::move(onDisconnecting), std::move(onConnected), std::move(onReceive), ownerLock) {
  types_.Add(st::Float);
  types_.Add(st::Real);
}
bool TSLOWComboRealSinkPin::SupportsType(const TGUID& type) const {
  return type == st::Real || type == st::Float || TSLOWRealSinkPin::SupportsType(type);
}

TSLOWComboRealIntSinkPin::TSLOWComboRealIntSinkPin(QObject* owner, PinCallback onDisconnecting,
                                                   PinCallback onConnected, ReceiveCallback onReceive,
                                                   IOWLock* ownerLock)
    : TSLOWComboRealSinkPin(owner, std::move(onDisconnecting), std::move(onConnected), std::move(onReceive),
                            ownerLock) {
  types_.Add(st::IntegerBuffer);
  types_.Add(st::Integer32);
}
bool TSLOWComboRealIntSinkPin::SupportsType(const TGUID& type) const {
  return type == st::Integer32 || type == st::IntegerBuffer || TSLOWComboRealSinkPin::SupportsType(type);
}

TSLOWComboRealIntComplexPairedSinkPin::TSLOWComboRealIntComplexPairedSinkPin(QObject* owner,
                                                                             PinCallback onDisconnecting,
                                                                             PinCallback onConnected,
                                                                             ReceiveCallback onReceive,
                                                                             IOWLock* ownerLock)
    : TSLOWComboRealIntSinkPin(owner, std::move(onDisconnecting), std::move(onConnected), std::move(onReceive),
                               ownerLock) {
  types_.Add(st::PairedBuffers);
  types_.Add(st::ComplexBuffer);
}
bool TSLOWComboRealIntComplexPairedSinkPin::SupportsType(const TGUID& type) const {
  return type == st::RealComplex || type == st::PairedBuffers || type == st::ComplexBuffer ||
         TSLOWComboRealIntSinkPin::SupportsType(type);
}

// ---------------------------------------------------------------------------
// Audio pins

TALOWAudioSourcePin::TALOWAudioSourcePin(QObject* owner, SinkConnectedCallback onSinkConnected, int maxSinks,
                                         UpstreamCallback onUpstream, IOWLock* ownerLock, IOWLock* inputOwnerLock)
    : TSLOWSourcePin(owner, std::move(onSinkConnected), maxSinks, std::move(onUpstream), ownerLock,
                     inputOwnerLock) {
  types_.Add(st::AudioBuffer, OWStreamHandlerFor(this));
}
bool TALOWAudioSourcePin::SupportsType(const TGUID& type) const {
  return type == st::AudioBuffer || TSLOWSourcePin::SupportsType(type);
}

TRef<IOWNotifyOperation> TALOWAudioSourcePin::KeptResume() const {
  std::lock_guard<std::mutex> lock(keptMutex_);
  return keptResume_;
}

void TALOWAudioSourcePin::AfterBroadcast(IOWNotifyOperation* op) {
  TSLOWSourcePin::AfterBroadcast(op);
  std::lock_guard<std::mutex> lock(keptMutex_);
  if (OperationAs<TOWSLResumeOperation>(op))
    keptResume_ = TRef<IOWNotifyOperation>(op);
  else if (OperationAs<TOWStopOperation>(op))
    keptResume_.reset();
}

void TALOWAudioSourcePin::SendKeptTo(TOWBasicPin* sink) {
  TSLOWSourcePin::SendKeptTo(sink);
  TRef<IOWNotifyOperation> resume = KeptResume();
  if (resume) NotifySink(resume.get(), sink);
}

TALOWAudioSinkPin::TALOWAudioSinkPin(QObject* owner, PinCallback onDisconnecting, PinCallback onConnected,
                                     ReceiveCallback onReceive, IOWLock* ownerLock)
    : TSLOWSinkPin(owner, std::move(onDisconnecting), std::move(onConnected), std::move(onReceive), ownerLock) {
  types_.Add(st::AudioBuffer, OWStreamHandlerFor(this));
}
bool TALOWAudioSinkPin::SupportsType(const TGUID& type) const {
  return type == st::AudioBuffer || TSLOWSinkPin::SupportsType(type);
}

// Each concrete class detaches in its own destructor, before any part of
// the object is torn down, so a delivery racing the destruction either
// completes on the whole object or does not happen.
TSLOWRealSourcePin::~TSLOWRealSourcePin() { BeginDestroy(); }
TSLOWIntegerSourcePin::~TSLOWIntegerSourcePin() { BeginDestroy(); }
TSLOWBinarySourcePin::~TSLOWBinarySourcePin() { BeginDestroy(); }
TSLOWStringSourcePin::~TSLOWStringSourcePin() { BeginDestroy(); }
TSLOWRealMatrixSourcePin::~TSLOWRealMatrixSourcePin() { BeginDestroy(); }
TSLOWRealSinkPin::~TSLOWRealSinkPin() { BeginDestroy(); }
TSLOWIntegerSinkPin::~TSLOWIntegerSinkPin() { BeginDestroy(); }
TSLOWComplexSinkPin::~TSLOWComplexSinkPin() { BeginDestroy(); }
TSLOWComboRealSinkPin::~TSLOWComboRealSinkPin() { BeginDestroy(); }
TSLOWComboRealIntSinkPin::~TSLOWComboRealIntSinkPin() { BeginDestroy(); }
TSLOWComboRealIntComplexPairedSinkPin::~TSLOWComboRealIntComplexPairedSinkPin() { BeginDestroy(); }
TALOWAudioSourcePin::~TALOWAudioSourcePin() { BeginDestroy(); }
TALOWAudioSinkPin::~TALOWAudioSinkPin() { BeginDestroy(); }
