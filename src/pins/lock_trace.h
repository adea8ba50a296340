#pragma once
// Lock event tracing: every lock and guard reports what it does to the
// registered tracers, but only while at least one tracer is registered, so
// the untraced path costs one atomic load.

#include <cstdint>

#include "platform/guid.h"
#include "platform/interfaces.h"

enum class TOWLockEvent : int32_t {
  None = 0,
  Error = 1,
  Create = 2,
  Destroy = 3,
  BeginWriteCreate = 4,
  WriteCreate = 5,
  BeginWriteDestroy = 6,
  WriteDestroy = 7,
  BeginReadCreate = 8,
  ReadCreate = 9,
  BeginReadDestroy = 10,
  ReadDestroy = 11,
  BeginStopCreate = 12,
  StopCreate = 13,
  BeginStopDestroy = 14,
  StopDestroy = 15,
  BeginUnlockCreate = 16,
  UnlockCreate = 17,
  BeginUnlockDestroy = 18,
  UnlockDestroy = 19,
};

// "None", "Error", "Create", ... as listed above; "" for codes out of range.
const char* OWLockEventName(TOWLockEvent event) noexcept;

inline constexpr TGUID IID_IOWLockTracer = TGUID::FromLiteral("{1EDD88CA-D8DC-46B3-B3EA-42FD5DD8D1C8}");

class IOWLockTracer : public virtual IInterface {
public:
  // `lock` is the TOWLock (or destroy lock) concerned, `guard` the guard
  // object or nullptr for events of the lock itself.
  virtual void LockEvent(const void* lock, const void* guard, uint32_t threadId, TOWLockEvent event) = 0;
};

// Registration keeps a reference until the tracer is unregistered.
void OWRegisterLockTracer(const TRef<IOWLockTracer>& tracer);
void OWUnregisterLockTracer(const TRef<IOWLockTracer>& tracer);
int OWLockTracerCount() noexcept;

namespace lock_trace_detail {
extern std::atomic<int32_t> tracerCount;
void Report(const void* lock, const void* guard, uint32_t threadId, TOWLockEvent event);
}  // namespace lock_trace_detail

inline void OWReportLockEvent(const void* lock, const void* guard, uint32_t threadId, TOWLockEvent event) {
  if (lock_trace_detail::tracerCount.load(std::memory_order_relaxed) > 0)
    lock_trace_detail::Report(lock, guard, threadId, event);
}
