#include "buffers/buffer_queue.h"

void TSLBufferQueue::Push(const TRef<ISLDataBuffer>& buffer) {
  if (!buffer) return;
  std::lock_guard<std::mutex> guard(lock_);
  buffers_.emplace_back(buffer);
  collected_ += buffer->GetCount();
  if (static_cast<int32_t>(buffers_.size()) > MaxBuffers) DropHead();
}

void TSLBufferQueue::DropHead() {
  collected_ -= buffers_.front().Buffer()->GetCount() - extractOffset_;
  extractOffset_ = 0;
  buffers_.pop_front();
}

int32_t TSLBufferQueue::HeadCount() {
  std::lock_guard<std::mutex> guard(lock_);
  return buffers_.empty() ? 0 : buffers_.front().Buffer()->GetCount();
}

bool TSLBufferQueue::Pop(TRef<ISLDataBuffer>& buffer) {
  std::lock_guard<std::mutex> guard(lock_);
  if (buffers_.empty()) {
    buffer = nullptr;
    return false;
  }
  buffer = buffers_.front().Buffer();
  DropHead();
  return true;
}

bool TSLBufferQueue::Take(ISLDataBuffer* destination) {
  if (!destination) return false;
  std::lock_guard<std::mutex> guard(lock_);
  const int32_t wanted = destination->GetCount();
  if (collected_ < wanted) return false;
  int32_t remaining = wanted, position = 0;
  while (remaining > 0 && !buffers_.empty()) {
    const TRef<ISLDataBuffer>& head = buffers_.front().Buffer();
    int32_t available = head->GetCount() - extractOffset_;
    if (remaining < available) {
      head->CopyTo(uint32_t(extractOffset_), destination, uint32_t(remaining), uint32_t(position));
      extractOffset_ += remaining;
      break;
    }
    if (available > 0)
      head->CopyTo(uint32_t(extractOffset_), destination, uint32_t(available), uint32_t(position));
    buffers_.pop_front();
    position += available;
    extractOffset_ = 0;
    remaining -= available;
  }
  collected_ -= wanted;
  return true;
}

int32_t TSLBufferQueue::CollectedCount() {
  std::lock_guard<std::mutex> guard(lock_);
  return collected_;
}

int32_t TSLBufferQueue::ExtractOffset() {
  std::lock_guard<std::mutex> guard(lock_);
  return extractOffset_;
}

int32_t TSLBufferQueue::BufferCount() {
  std::lock_guard<std::mutex> guard(lock_);
  return static_cast<int32_t>(buffers_.size());
}

void TSLBufferQueue::Clear() {
  std::lock_guard<std::mutex> guard(lock_);
  buffers_.clear();
  collected_ = 0;
  extractOffset_ = 0;
}
