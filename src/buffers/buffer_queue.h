#pragma once
// First-in-first-out queue of buffers for the queued sink pins: at most 100
// buffers, with the number of elements collected and not yet taken. `Take`
// fills a destination across buffer boundaries, leaving a partly used head
// at the front. Every operation runs under the queue's own lock.

#include <cstdint>
#include <deque>
#include <mutex>

#include "buffers/buffer_interfaces.h"

// Holds one reference to a queued buffer.
class TSLBufferWrapper {
public:
  explicit TSLBufferWrapper(TRef<ISLDataBuffer> buffer) : buffer_(std::move(buffer)) {}
  const TRef<ISLDataBuffer>& Buffer() const { return buffer_; }

private:
  TRef<ISLDataBuffer> buffer_;
};

class TSLBufferQueue {
public:
  static constexpr int32_t MaxBuffers = 100;

  // Appends; when more than MaxBuffers are then held, the oldest is dropped.
  void Push(const TRef<ISLDataBuffer>& buffer);
  // The head buffer's count; 0 when empty.
  int32_t HeadCount();
  // Removes the head buffer into `buffer` (empty when the queue is empty);
  // false when there was none.
  bool Pop(TRef<ISLDataBuffer>& buffer);
  // Fills all of destination (GetCount elements) from the queued data; false
  // and nothing changed when fewer elements are collected.
  bool Take(ISLDataBuffer* destination);

  int32_t CollectedCount();
  int32_t ExtractOffset();
  int32_t BufferCount();
  void Clear();

private:
  void DropHead();  // caller holds lock_

  std::mutex lock_;
  std::deque<TSLBufferWrapper> buffers_;
  int32_t collected_ = 0;
  int32_t extractOffset_ = 0;
};
