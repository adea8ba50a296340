#pragma once
// Exceptions of the signal library: the common base, raised with a formatted
// message by components and buffers, and the two kinds buffers raise.

#include <cstdint>
#include <stdexcept>
#include <string>

class ESLException : public std::runtime_error {
public:
  explicit ESLException(const std::string& message) : std::runtime_error(message) {}
};

// Element access outside the buffer: "Index out of range = %u" or
// "Channel out of range = %u".
class ESLRangeError : public ESLException {
public:
  using ESLException::ESLException;
  static ESLRangeError Index(uint32_t index) {
    return ESLRangeError("Index out of range = " + std::to_string(index));
  }
  static ESLRangeError Channel(uint32_t channel) {
    return ESLRangeError("Channel out of range = " + std::to_string(channel));
  }
};

// The block pool could not get memory from the heap.
class ESLOutOfMemory : public ESLException {
public:
  ESLOutOfMemory() : ESLException("Out of memory") {}
};
