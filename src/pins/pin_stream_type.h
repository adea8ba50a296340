#pragma once
// Per-pin stream type lists, delivery handlers and the converter registry.
// A pin registers, for each stream type it can send or answer on, a handler
// that delivers an operation to the pin at the other end of a link. A type
// registered without a handler is served by the default handler, which uses
// the type's dispatch function from the stream type registry.

#include <cstdint>
#include <functional>
#include <vector>

#include "pins/stream_types.h"
#include "platform/guid.h"

class TOWBasicPin;
class IOWNotifyOperation;
class TOWFormatConverter;
class QObject;

// Flag bits of a delivery.
inline constexpr uint8_t kOWFlagConnectNotice = 1;  // the connection-time notice
inline constexpr uint8_t kOWFlagLast = 2;           // last receiver of this operation

// A handler: code and data. Called with (data, the receiving pin's base
// interface, the link's stream type, flags, operation); returns a byte whose
// bit 0 raises the receiver's activity counter. Same shape as a stream
// type's dispatch function.
using TOWHandlerCode = TOWDispatchFunction;
struct TOWHandler {
  TOWHandlerCode code = nullptr;
  void* data = nullptr;
  // Code addresses below 65536 count as absent.
  bool Assigned() const noexcept { return reinterpret_cast<uintptr_t>(code) >= 65536; }
  friend bool operator==(const TOWHandler&, const TOWHandler&) = default;
};

// The default handler: the stream type's dispatch function, or 0.
uint8_t OWDefaultHandler(void* data, IInterface* receiver, const TGUID* type, uint8_t flags,
                         IOWNotifyOperation* op);
// The handler to use for a (possibly absent) registered handler.
TOWHandler OWEffectiveHandler(const TOWHandler& registered);

// Ordered (type, handler) list, filled base class first.
class TOWPinStreamType {
public:
  struct Entry {
    TGUID type;
    TOWHandler handler;
  };
  // Adding a present type replaces its handler in place.
  void Add(const TGUID& type, TOWHandler handler = {});
  void Remove(const TGUID& type);
  bool Contains(const TGUID& type) const;
  const TOWHandler* HandlerFor(const TGUID& type) const;
  const std::vector<Entry>& Entries() const { return entries_; }
  int Count() const { return static_cast<int>(entries_.size()); }

private:
  std::vector<Entry> entries_;
};
// The same list used as a temporary during negotiation.
using TOWPinTypeRestricted = TOWPinStreamType;

// Converter registry: (from, to) pairs with the factory of the converter
// class. Registering an existing pair replaces its factory in place.
using TOWConverterFactory = TOWFormatConverter* (*)();
struct TOWConverterPair {
  TGUID from;
  TGUID to;
  TOWConverterFactory create = nullptr;
  const char* className = "";
};
void OWRegisterFormatConverter(const TGUID& from, const TGUID& to, TOWConverterFactory create,
                               const char* className);
void OWUnregisterFormatConverter(const TGUID& from, const TGUID& to);
// Snapshot of the registry in registration order.
std::vector<TOWConverterPair> OWFormatConverters();

// Fills the converter registry and the buffer types' dispatch functions
// once; every pin constructor calls it, so no start-up order is needed.
void OWEnsureStreamRegistrations();
