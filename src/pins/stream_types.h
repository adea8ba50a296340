#pragma once
// Stream types: what a link between two pins carries, identified by a GUID
// (the identifier of the stream interface a pin implements for that type).
// The global registry holds one TOWStreamTypeEntry per type: identifier,
// display name, an interface list created with the entry, and an optional
// dispatch function that the default handler calls when a pin registered a
// type without a handler of its own.
//
// API for the pin layer:
//   OWFindOrAddStreamType(id)         entry, created empty when new
//   OWFindStreamType(id)              entry or nullptr
//   OWSetStreamTypeName(id, name)     (adds the entry when needed)
//   OWSetStreamTypeDispatch(id, fn)   (adds the entry when needed)
//   OWStreamTypeDispatch(id)          fn or nullptr
//   OWStreamTypeName(id)              "NIL ID", the registered name, or the GUID text
// The standard types below are registered with their names on first use of
// the registry; their dispatch functions are set by the units that define
// them (value dispatch, buffer dispatch). Entries live until process exit, so
// entry pointers stay valid.

#include <QList>
#include <QString>
#include <cstdint>

#include "platform/guid.h"
#include "platform/interfaces.h"

class IOWNotifyOperation;

// Called with (handler data, the receiving pin's base interface, the link's
// stream type, flags, operation); returns the delivery result byte.
using TOWDispatchFunction = uint8_t (*)(void* handlerData, IInterface* receiver, const TGUID* streamType,
                                        uint8_t flags, IOWNotifyOperation* operation);

struct TOWStreamTypeEntry {
  TGUID TypeId;
  QString Name;
  QList<TRef<IInterface>> Interfaces;
  TOWDispatchFunction Dispatch = nullptr;
};

namespace stream_type {
inline constexpr TGUID Clock = TGUID::FromLiteral("{48CDAF9F-00C7-4B45-999D-4EE25353A952}");
inline constexpr TGUID Integer32 = TGUID::FromLiteral("{92F6B47E-B46E-49BB-9A8E-676D3C2F2E66}");
inline constexpr TGUID Integer64 = TGUID::FromLiteral("{6D054E38-F733-4212-8D5A-0E866802F866}");
inline constexpr TGUID Float = TGUID::FromLiteral("{67F6997B-7EB4-4E2F-8320-4A512B5F2BC7}");
inline constexpr TGUID Real = TGUID::FromLiteral("{208F9564-3C20-4C97-BB77-2FC5AE6E4194}");
inline constexpr TGUID RealComplex = TGUID::FromLiteral("{4CC4ADE6-E5AE-4E27-A9E7-42C14E062F41}");
inline constexpr TGUID Boolean = TGUID::FromLiteral("{7AA677AE-F983-4714-8E64-EC6F3D17695B}");
inline constexpr TGUID Character = TGUID::FromLiteral("{3241B885-95E1-495F-ACEC-4A1C98872B63}");
inline constexpr TGUID String = TGUID::FromLiteral("{25C048B4-89D4-4277-AA98-A835EB29F5C1}");
inline constexpr TGUID RangedInteger32 = TGUID::FromLiteral("{836EE1EA-B8BD-4E04-8225-6AB547D1A3C4}");
inline constexpr TGUID RangedInteger64 = TGUID::FromLiteral("{B201C2F8-CA4D-4CF3-8E6D-E620D2B9D7EF}");
inline constexpr TGUID RangedReal = TGUID::FromLiteral("{648AC95D-2772-427C-AD9D-2B7F1EDDE1A7}");
inline constexpr TGUID DateTime = TGUID::FromLiteral("{475D7D8B-4796-42A5-8F8E-B512B8FD2704}");
inline constexpr TGUID Value = TGUID::FromLiteral("{CFDF94D7-5134-49D9-AC65-902BBC1CD140}");
inline constexpr TGUID BinaryBuffer = TGUID::FromLiteral("{BD807B57-05AE-44E0-A99F-3D9BAD83395E}");
inline constexpr TGUID RealBuffer = TGUID::FromLiteral("{58041272-EF20-4696-87E6-9EE46ABFBD89}");
inline constexpr TGUID IntegerBuffer = TGUID::FromLiteral("{473B965F-AB43-4493-B9E3-BEE9CF0803D4}");
inline constexpr TGUID ComplexBuffer = TGUID::FromLiteral("{BD797143-D7C6-4033-B686-9ABA658346CF}");
inline constexpr TGUID UniversalBuffer = TGUID::FromLiteral("{949B7FD0-421F-4F1B-B8D2-87969D3E66E0}");
inline constexpr TGUID GenericBuffer = TGUID::FromLiteral("{DB6DD866-611D-4DC4-B46F-459CF8F02ECD}");
inline constexpr TGUID PairedBuffers = TGUID::FromLiteral("{F4D70F89-B478-4D08-990F-AD03759D0E31}");
inline constexpr TGUID StringBuffer = TGUID::FromLiteral("{939000AB-3C12-4A1D-89B5-33DA284E4929}");
inline constexpr TGUID RealMatrix = TGUID::FromLiteral("{3A3BA3E1-0184-41DA-AA08-5412DD5F2B83}");
inline constexpr TGUID UserControl = TGUID::FromLiteral("{9E7972F6-919B-491D-A094-18722B974429}");
inline constexpr TGUID AudioBuffer = TGUID::FromLiteral("{1D5BD085-492E-4979-8F76-9C97D5C3C5B6}");
}  // namespace stream_type

TOWStreamTypeEntry* OWFindOrAddStreamType(const TGUID& typeId);
TOWStreamTypeEntry* OWFindStreamType(const TGUID& typeId);
void OWSetStreamTypeName(const TGUID& typeId, const QString& name);
void OWSetStreamTypeDispatch(const TGUID& typeId, TOWDispatchFunction dispatch);
TOWDispatchFunction OWStreamTypeDispatch(const TGUID& typeId);
QString OWStreamTypeName(const TGUID& typeId);
// Registered identifiers in registration order.
QList<TGUID> OWRegisteredStreamTypes();
