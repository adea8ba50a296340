#include "pins/lock_trace.h"

#include <algorithm>
#include <vector>

#include "pins/lock_primitives.h"

namespace {
struct TTracerList {
  TOWCriticalSection section;
  std::vector<TRef<IOWLockTracer>> tracers;
};
TTracerList& Tracers() {
  static TTracerList* list = new TTracerList;  // outlives every lock freed at exit
  return *list;
}
}  // namespace

namespace lock_trace_detail {
std::atomic<int32_t> tracerCount{0};

void Report(const void* lock, const void* guard, uint32_t threadId, TOWLockEvent event) {
  TTracerList& list = Tracers();
  TOWCriticalSectionLock hold(list.section);
  if (tracerCount.load() <= 0) return;
  for (const auto& tracer : list.tracers) tracer->LockEvent(lock, guard, threadId, event);
}
}  // namespace lock_trace_detail

const char* OWLockEventName(TOWLockEvent event) noexcept {
  static const char* const names[] = {
      "None",           "Error",         "Create",           "Destroy",        "BeginWriteCreate",
      "WriteCreate",    "BeginWriteDestroy", "WriteDestroy", "BeginReadCreate", "ReadCreate",
      "BeginReadDestroy", "ReadDestroy", "BeginStopCreate",  "StopCreate",     "BeginStopDestroy",
      "StopDestroy",    "BeginUnlockCreate", "UnlockCreate", "BeginUnlockDestroy", "UnlockDestroy"};
  auto code = static_cast<int32_t>(event);
  if (code < 0 || code >= static_cast<int32_t>(std::size(names))) return "";
  return names[code];
}

void OWRegisterLockTracer(const TRef<IOWLockTracer>& tracer) {
  if (!tracer) return;
  TTracerList& list = Tracers();
  TOWCriticalSectionLock hold(list.section);
  list.tracers.push_back(tracer);
  lock_trace_detail::tracerCount.store(static_cast<int32_t>(list.tracers.size()));
}

void OWUnregisterLockTracer(const TRef<IOWLockTracer>& tracer) {
  TTracerList& list = Tracers();
  TRef<IOWLockTracer> removed;  // released outside the section
  {
    TOWCriticalSectionLock hold(list.section);
    auto it = std::find(list.tracers.begin(), list.tracers.end(), tracer);
    if (it == list.tracers.end()) return;
    removed = *it;
    list.tracers.erase(it);
    lock_trace_detail::tracerCount.store(static_cast<int32_t>(list.tracers.size()));
  }
}

int OWLockTracerCount() noexcept { return lock_trace_detail::tracerCount.load(); }
