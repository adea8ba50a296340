#pragma once
// Operations: the objects that travel along pin connections. A sender creates
// one, passes its IOWNotifyOperation interface to every receiver, and the
// object dies with the last reference. Receivers recognise an operation by
// its class (OperationAs<T>).

#include <atomic>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "platform/interfaces.h"
#include "platform/wave_format.h"

class ISLData;
class TOWNotifyOperation;
class QObject;

// Raised by the pin layer for runaway recursion only; every other failure
// is reported by return values.
class EOWException : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Message of the recursion guard.
inline constexpr const char* kPinDependsOnItself =
    "The pin depends on itself. Please protect with functional dependency.";

class IOWNotifyOperation : public virtual IInterface {
public:
  // The object behind the interface, for class tests.
  virtual TOWNotifyOperation* GetOperation() noexcept = 0;
};

class TOWNotifyOperation : public TInterfacedObject, public IOWNotifyOperation {
public:
  TOWNotifyOperation();
  TOWNotifyOperation* GetOperation() noexcept override { return this; }
  // Process-wide, increasing; the first operation gets 1.
  uint32_t Id() const noexcept { return id_; }

protected:
  ~TOWNotifyOperation() override = default;

private:
  uint32_t id_;
};

// Class test on an operation interface: the operation as T, or null.
template <class T>
T* OperationAs(IOWNotifyOperation* op) noexcept {
  return op ? dynamic_cast<T*>(op->GetOperation()) : nullptr;
}

class TOWClockOperation : public TOWNotifyOperation {};
class TOWSuppliedOperation : public TOWClockOperation {};

class TOWSuppliedSingleOperation : public TOWSuppliedOperation {
public:
  explicit TOWSuppliedSingleOperation(float v) : value_(v) {}
  float Value() const noexcept { return value_; }

private:
  float value_;
};

class TOWSuppliedBoolOperation : public TOWSuppliedOperation {
public:
  explicit TOWSuppliedBoolOperation(bool v) : value_(v) {}
  bool Value() const noexcept { return value_; }

private:
  bool value_;
};

class TOWSuppliedStringOperation : public TOWSuppliedOperation {
public:
  explicit TOWSuppliedStringOperation(std::string v) : value_(std::move(v)) {}
  const std::string& Value() const noexcept { return value_; }

private:
  std::string value_;
};

class TOWSuppliedRealOperation : public TOWSuppliedOperation {
public:
  explicit TOWSuppliedRealOperation(double v) : value_(v) {}
  double Value() const noexcept { return value_; }

private:
  double value_;
};

class TOWSuppliedRealValueRangeOperation : public TOWSuppliedRealOperation {
public:
  TOWSuppliedRealValueRangeOperation(double v, double minimum, double maximum)
      : TOWSuppliedRealOperation(v), min_(minimum), max_(maximum) {}
  double Min() const noexcept { return min_; }
  double Max() const noexcept { return max_; }

private:
  double min_, max_;
};

// One data buffer, held by its ISLData interface for the operation's life.
class TOWSuppliedBufferOperation : public TOWSuppliedOperation {
public:
  explicit TOWSuppliedBufferOperation(ISLData* buffer);
  ISLData* Buffer() const noexcept;

protected:
  ~TOWSuppliedBufferOperation() override;

private:
  ISLData* buffer_;  // one counted reference
};

class TOWPumpRequestOperation : public TOWNotifyOperation {
public:
  TOWPumpRequestOperation(QObject* pump, double desiredRate, int priority, int requestType)
      : pump_(pump), rate_(desiredRate), priority_(priority), type_(requestType) {}
  QObject* Pump() const noexcept { return pump_; }
  // A sink may name itself (or another component) as the pump.
  void SetPump(QObject* pump) noexcept { pump_ = pump; }
  double DesiredRate() const noexcept { return rate_; }
  int Priority() const noexcept { return priority_; }
  int RequestType() const noexcept { return type_; }

private:
  QObject* pump_;
  double rate_;
  int priority_;
  int type_;
};

class TOWStartOperation : public TOWNotifyOperation {};

class TOWStartRateOperation : public TOWStartOperation {
public:
  explicit TOWStartRateOperation(float rate) : rate_(rate) {}
  float Rate() const noexcept { return rate_; }

private:
  float rate_;
};

class TOWStartSampleRateOperation : public TOWStartRateOperation {
public:
  explicit TOWStartSampleRateOperation(double rate)
      : TOWStartRateOperation(static_cast<float>(rate)), sampleRate_(rate) {}
  double SampleRate() const noexcept { return sampleRate_; }

private:
  double sampleRate_;
};

class TOWStartWaveOperation : public TOWStartSampleRateOperation {
public:
  TOWStartWaveOperation(const TWaveFormatExtensible& format, uint8_t flag)
      : TOWStartSampleRateOperation(format.nSamplesPerSec), format_(format), flag_(flag) {}
  const TWaveFormatExtensible& Format() const noexcept { return format_; }
  uint8_t Flag() const noexcept { return flag_; }

private:
  TWaveFormatExtensible format_;
  uint8_t flag_;
};

class TOWStopOperation : public TOWNotifyOperation {};
class TOWEndStopOperation : public TOWStopOperation {};
class TOWQueryStreamOperation : public TOWNotifyOperation {};
class TOWIgnoreStreamOperation : public TOWNotifyOperation {};
class TOWSLResumeOperation : public TOWNotifyOperation {};

// Convenience: a new operation already held by its interface.
template <class T, class... Args>
TRef<IOWNotifyOperation> MakeOperation(Args&&... args) {
  return TRef<IOWNotifyOperation>(new T(std::forward<Args>(args)...));
}
