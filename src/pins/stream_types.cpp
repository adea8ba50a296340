#include "pins/stream_types.h"

#include <deque>
#include <mutex>

namespace {
struct TRegistry {
  std::mutex mutex;
  std::deque<TOWStreamTypeEntry> entries;  // deque: entry addresses stay valid

  TOWStreamTypeEntry* Find(const TGUID& id) {
    for (auto& entry : entries)
      if (entry.TypeId == id) return &entry;
    return nullptr;
  }
  TOWStreamTypeEntry* FindOrAdd(const TGUID& id) {
    if (TOWStreamTypeEntry* entry = Find(id)) return entry;
    entries.push_back(TOWStreamTypeEntry{id, QString(), {}, nullptr});
    return &entries.back();
  }
};

TRegistry& Registry() {
  static TRegistry* registry = [] {
    auto* r = new TRegistry;  // kept to process exit: pins may outlive static destruction order
    const struct {
      const char* name;
      TGUID id;
    } standard[] = {
        {"Clock", stream_type::Clock},
        {"32 bit Integer", stream_type::Integer32},
        {"64 bit Integer", stream_type::Integer64},
        {"Float", stream_type::Float},
        {"Real", stream_type::Real},
        {"Real Complex", stream_type::RealComplex},
        {"Boolean", stream_type::Boolean},
        {"Character", stream_type::Character},
        {"Sting", stream_type::String},
        {"Ranged 32 bit Integer", stream_type::RangedInteger32},
        {"Ranged 64 bit Integer", stream_type::RangedInteger64},
        {"Ranged Real", stream_type::RangedReal},
        {"Date/Time", stream_type::DateTime},
        {"", stream_type::Value},
        {"SL binary buffer", stream_type::BinaryBuffer},
        {"SL real buffer", stream_type::RealBuffer},
        {"SL integer buffer", stream_type::IntegerBuffer},
        {"SL complex buffer", stream_type::ComplexBuffer},
        {"SL Universal buffer", stream_type::UniversalBuffer},
        {"SL Generic buffer", stream_type::GenericBuffer},
        {"SL Paired Buffers", stream_type::PairedBuffers},
        {"SL String", stream_type::StringBuffer},
        {"SL Real Matrix", stream_type::RealMatrix},
        {"User control", stream_type::UserControl},
        {"AL Audio buffer", stream_type::AudioBuffer},
    };
    for (const auto& s : standard) r->FindOrAdd(s.id)->Name = QString::fromLatin1(s.name);
    return r;
  }();
  return *registry;
}
}  // namespace

TOWStreamTypeEntry* OWFindOrAddStreamType(const TGUID& typeId) {
  TRegistry& r = Registry();
  std::lock_guard<std::mutex> hold(r.mutex);
  return r.FindOrAdd(typeId);
}

TOWStreamTypeEntry* OWFindStreamType(const TGUID& typeId) {
  TRegistry& r = Registry();
  std::lock_guard<std::mutex> hold(r.mutex);
  return r.Find(typeId);
}

void OWSetStreamTypeName(const TGUID& typeId, const QString& name) {
  TRegistry& r = Registry();
  std::lock_guard<std::mutex> hold(r.mutex);
  r.FindOrAdd(typeId)->Name = name;
}

void OWSetStreamTypeDispatch(const TGUID& typeId, TOWDispatchFunction dispatch) {
  TRegistry& r = Registry();
  std::lock_guard<std::mutex> hold(r.mutex);
  r.FindOrAdd(typeId)->Dispatch = dispatch;
}

TOWDispatchFunction OWStreamTypeDispatch(const TGUID& typeId) {
  TRegistry& r = Registry();
  std::lock_guard<std::mutex> hold(r.mutex);
  TOWStreamTypeEntry* entry = r.Find(typeId);
  return entry ? entry->Dispatch : nullptr;
}

QString OWStreamTypeName(const TGUID& typeId) {
  if (typeId.IsNull()) return QStringLiteral("NIL ID");
  TRegistry& r = Registry();
  {
    std::lock_guard<std::mutex> hold(r.mutex);
    TOWStreamTypeEntry* entry = r.Find(typeId);
    if (entry && !entry->Name.isEmpty()) return entry->Name;
  }
  return QString::fromStdString(typeId.ToString());
}

QList<TGUID> OWRegisteredStreamTypes() {
  TRegistry& r = Registry();
  std::lock_guard<std::mutex> hold(r.mutex);
  QList<TGUID> ids;
  for (const auto& entry : r.entries) ids.append(entry.TypeId);
  return ids;
}
