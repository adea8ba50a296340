#include "pins/pin_stream_type.h"

#include <algorithm>
#include <mutex>

#include "pins/stream_types.h"

void TOWPinStreamType::Add(const TGUID& type, TOWHandler handler) {
  for (auto& e : entries_)
    if (e.type == type) {
      e.handler = handler;
      return;
    }
  entries_.push_back({type, handler});
}

void TOWPinStreamType::Remove(const TGUID& type) {
  entries_.erase(std::remove_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.type == type; }),
                 entries_.end());
}

bool TOWPinStreamType::Contains(const TGUID& type) const { return HandlerFor(type) != nullptr; }

const TOWHandler* TOWPinStreamType::HandlerFor(const TGUID& type) const {
  for (auto& e : entries_)
    if (e.type == type) return &e.handler;
  return nullptr;
}

uint8_t OWDefaultHandler(void* data, IInterface* receiver, const TGUID* type, uint8_t flags,
                         IOWNotifyOperation* op) {
  if (!type) return 0;
  TOWDispatchFunction dispatch = OWStreamTypeDispatch(*type);
  if (!dispatch) return 0;
  return dispatch(data, receiver, type, flags, op);
}

TOWHandler OWEffectiveHandler(const TOWHandler& registered) {
  if (registered.Assigned()) return registered;
  return TOWHandler{&OWDefaultHandler, nullptr};
}

namespace {
struct ConverterRegistry {
  std::mutex section;
  std::vector<TOWConverterPair> pairs;
};
ConverterRegistry& TheConverters() {
  static ConverterRegistry* r = new ConverterRegistry;  // outlives static pins
  return *r;
}
}  // namespace

void OWRegisterFormatConverter(const TGUID& from, const TGUID& to, TOWConverterFactory create,
                               const char* className) {
  auto& r = TheConverters();
  std::lock_guard<std::mutex> lock(r.section);
  for (auto& p : r.pairs)
    if (p.from == from && p.to == to) {
      p.create = create;
      p.className = className;
      return;
    }
  r.pairs.push_back({from, to, create, className});
}

void OWUnregisterFormatConverter(const TGUID& from, const TGUID& to) {
  auto& r = TheConverters();
  std::lock_guard<std::mutex> lock(r.section);
  r.pairs.erase(std::remove_if(r.pairs.begin(), r.pairs.end(),
                               [&](const TOWConverterPair& p) { return p.from == from && p.to == to; }),
                r.pairs.end());
}

std::vector<TOWConverterPair> OWFormatConverters() {
  auto& r = TheConverters();
  std::lock_guard<std::mutex> lock(r.section);
  return r.pairs;
}
