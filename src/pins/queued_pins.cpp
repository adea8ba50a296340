#include "pins/queued_pins.h"

#include <cmath>

#include "buffers/simple_data_buffer.h"
#include "pins/stream_types.h"

void TSLOWQueuedPinImpl::SetRate(double rate) {
  std::lock_guard<std::mutex> lock(section_);
  rate_ = rate;
  rateKnown_ = true;
}

double TSLOWQueuedPinImpl::Rate() const {
  std::lock_guard<std::mutex> lock(section_);
  return rate_;
}

bool TSLOWQueuedPinImpl::RateKnown() const {
  std::lock_guard<std::mutex> lock(section_);
  return rateKnown_;
}

void TSLOWQueuedPinImpl::ForgetRate() {
  std::lock_guard<std::mutex> lock(section_);
  rateKnown_ = false;
  queryNeeded_ = true;
}

void TSLOWQueuedPinImpl::Reset() {
  queue_.Clear();
  std::lock_guard<std::mutex> lock(section_);
  rateKnown_ = false;
  answered_ = false;
  queryNeeded_ = true;
  requested_ = 0;
}

bool TSLOWQueuedPinImpl::Ask() {
  {
    std::lock_guard<std::mutex> lock(section_);
    if (rateKnown_ || !queryNeeded_) return answered_;
  }
  if (!pin_ || !pin_->IsConnected()) {
    std::lock_guard<std::mutex> lock(section_);
    return answered_;
  }
  {
    std::lock_guard<std::mutex> lock(section_);
    queryNeeded_ = false;
  }
  // No section held while the query travels: the answer may set the rate.
  TRef<IOWNotifyOperation> query = MakeOperation<TOWQueryStreamOperation>();
  bool answered = pin_->Notify(query.get());
  std::lock_guard<std::mutex> lock(section_);
  answered_ = answered;
  return answered_;
}

bool TSLOWQueuedPinImpl::Answered() const {
  std::lock_guard<std::mutex> lock(section_);
  return answered_;
}

int32_t TSLOWQueuedPinImpl::RequestedCountFor(int32_t n, double otherRate) const {
  std::lock_guard<std::mutex> lock(section_);
  if (rate_ <= 0 || otherRate <= 0) return n;
  return static_cast<int32_t>(std::llround(static_cast<double>(n) * rate_ / otherRate));
}

void TSLOWQueuedPinImpl::SetRequestedCount(int32_t n) {
  std::lock_guard<std::mutex> lock(section_);
  requested_ = n;
}

int32_t TSLOWQueuedPinImpl::RequestedCount() const {
  std::lock_guard<std::mutex> lock(section_);
  return requested_;
}

bool TSLOWQueuedPinImpl::EnoughSamples() { return queue_.CollectedCount() >= RequestedCount(); }

void TSLOWQueuedPinImpl::SetIgnored(bool v) {
  std::lock_guard<std::mutex> lock(section_);
  ignored_ = v;
}

bool TSLOWQueuedPinImpl::Ignored() const {
  std::lock_guard<std::mutex> lock(section_);
  return ignored_;
}

TRef<ISLRealBuffer> OWResampleNearest(ISLRealBuffer* source, int32_t n) {
  if (!source || n < 0) return {};
  const int32_t count = source->GetCount();
  auto* result = new TSLRealBuffer(n);
  TRef<ISLRealBuffer> hold(result);
  if (count <= 0) {
    result->Zero();
    return hold;
  }
  const double* in = source->ReadReals();
  double* out = result->WriteReals();
  for (int32_t i = 0; i < n; ++i) {
    long long idx = std::llround(static_cast<double>(i) * (count - 1) / n);
    if (idx > count - 1) idx = count - 1;
    out[i] = in[idx];
  }
  return hold;
}

// ---------------------------------------------------------------------------

TSLOWQueuedIntegerRealSinkPin::TSLOWQueuedIntegerRealSinkPin(QObject* owner, PinCallback onDisconnecting,
                                                             PinCallback onConnected, ReceiveCallback onReceive,
                                                             IOWLock* ownerLock)
    : TSLOWComboRealIntSinkPin(owner, std::move(onDisconnecting), std::move(onConnected), std::move(onReceive),
                               ownerLock),
      impl_(this) {}

TSLOWQueuedIntegerRealSinkPin::~TSLOWQueuedIntegerRealSinkPin() { BeginDestroy(); }

bool TSLOWQueuedIntegerRealSinkPin::SupportsType(const TGUID& type) const {
  return type == IID_IOWSLQueuedPin || TSLOWComboRealIntSinkPin::SupportsType(type);
}

TRef<ISLRealBuffer> TSLOWQueuedIntegerRealSinkPin::TakeSamples(int32_t n) {
  int32_t requested = impl_.RequestedCount();
  if (requested <= 0) requested = n;
  TRef<ISLRealBuffer> taken(new TSLRealBuffer(requested));
  if (!impl_.Take(taken.get())) return {};
  if (requested == n) return taken;
  return OWResampleNearest(taken.get(), n);
}

TSLOWComboRealIntComplexPairedQueuedSinkPin::TSLOWComboRealIntComplexPairedQueuedSinkPin(
    QObject* owner, PinCallback onDisconnecting, PinCallback onConnected, ReceiveCallback onReceive,
    IOWLock* ownerLock)
    : TSLOWComboRealIntComplexPairedSinkPin(owner, std::move(onDisconnecting), std::move(onConnected),
                                            std::move(onReceive), ownerLock),
      impl_(this) {}

TSLOWComboRealIntComplexPairedQueuedSinkPin::~TSLOWComboRealIntComplexPairedQueuedSinkPin() { BeginDestroy(); }

bool TSLOWComboRealIntComplexPairedQueuedSinkPin::SupportsType(const TGUID& type) const {
  return type == IID_IOWSLQueuedPin || TSLOWComboRealIntComplexPairedSinkPin::SupportsType(type);
}
