#include "pins/operations.h"

#include "buffers/buffer_interfaces.h"

namespace {
std::atomic<uint32_t> operationCounter{0};
}

TOWNotifyOperation::TOWNotifyOperation() : id_(operationCounter.fetch_add(1, std::memory_order_relaxed) + 1) {}

TOWSuppliedBufferOperation::TOWSuppliedBufferOperation(ISLData* buffer) : buffer_(buffer) {
  if (buffer_) buffer_->AddRef();
}

TOWSuppliedBufferOperation::~TOWSuppliedBufferOperation() {
  if (buffer_) buffer_->Release();
}

ISLData* TOWSuppliedBufferOperation::Buffer() const noexcept { return buffer_; }
