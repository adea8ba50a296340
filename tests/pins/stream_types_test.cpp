// The stream type registry: display names, entries, dispatch functions.

#include <gtest/gtest.h>

#include <set>
#include <thread>
#include <vector>

#include "pins/stream_types.h"

namespace {

// A fresh identifier per call, so repeated runs meet no leftovers.
TGUID FreshId(uint16_t tag) {
  static uint32_t next = 0x51000000;
  TGUID id = TGUID::FromLiteral("{00000000-0000-4000-8000-0000000000AA}");
  id.D1 = next++;
  id.D2 = tag;
  return id;
}

uint8_t DispatchA(void*, IInterface*, const TGUID*, uint8_t, IOWNotifyOperation*) { return 1; }
uint8_t DispatchB(void*, IInterface*, const TGUID*, uint8_t, IOWNotifyOperation*) { return 2; }

TEST(StreamTypeNames, NilRegisteredAndUnregisteredIdentifiers) {
  EXPECT_EQ(OWStreamTypeName(TGUID{}), QStringLiteral("NIL ID"));
  EXPECT_EQ(OWStreamTypeName(stream_type::RealBuffer), QStringLiteral("SL real buffer"));
  EXPECT_EQ(OWStreamTypeName(stream_type::AudioBuffer), QStringLiteral("AL Audio buffer"));
  EXPECT_EQ(OWStreamTypeName(stream_type::String), QStringLiteral("Sting"));
  EXPECT_EQ(OWStreamTypeName(stream_type::Integer32), QStringLiteral("32 bit Integer"));
  constexpr TGUID unknown = TGUID::FromLiteral("{0a1b2c3d-4e5f-6071-8293-a4b5c6d7e8f9}");
  EXPECT_EQ(OWStreamTypeName(unknown), QStringLiteral("{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}"));
  // Looking a name up does not register the identifier.
  EXPECT_EQ(OWFindStreamType(unknown), nullptr);
  // The value type is registered without a name and shows as its text.
  ASSERT_NE(OWFindStreamType(stream_type::Value), nullptr);
  EXPECT_EQ(OWStreamTypeName(stream_type::Value), QStringLiteral("{CFDF94D7-5134-49D9-AC65-902BBC1CD140}"));
}

TEST(StreamTypeRegistry, FindOrAddCreatesAnEmptyEntryOnceAndNamesCanBeSet) {
  const TGUID id = FreshId(1);
  ASSERT_EQ(OWFindStreamType(id), nullptr);
  TOWStreamTypeEntry* entry = OWFindOrAddStreamType(id);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->TypeId, id);
  EXPECT_TRUE(entry->Name.isEmpty());
  EXPECT_TRUE(entry->Interfaces.isEmpty());
  EXPECT_EQ(entry->Dispatch, nullptr);
  EXPECT_EQ(OWFindOrAddStreamType(id), entry);
  EXPECT_EQ(OWFindStreamType(id), entry);
  OWSetStreamTypeName(id, QStringLiteral("Test stream"));
  EXPECT_EQ(OWStreamTypeName(id), QStringLiteral("Test stream"));
  EXPECT_EQ(OWRegisteredStreamTypes().back(), id);
}

TEST(StreamTypeRegistry, DispatchFunctionsAreKeptPerTypeAndReplaceable) {
  const TGUID id = FreshId(2);
  EXPECT_EQ(OWStreamTypeDispatch(id), nullptr);
  OWSetStreamTypeDispatch(id, &DispatchA);
  EXPECT_EQ(OWStreamTypeDispatch(id), &DispatchA);
  EXPECT_TRUE(OWStreamTypeName(id).startsWith(QLatin1Char('{')));  // a dispatch gives no name
  OWSetStreamTypeDispatch(id, &DispatchB);
  TOWDispatchFunction f = OWStreamTypeDispatch(id);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f(nullptr, nullptr, &id, 0, nullptr), 2);
  EXPECT_EQ(OWStreamTypeDispatch(stream_type::Real), nullptr);
}

TEST(StreamTypeRegistry, StandardTypesAreRegisteredFirstInTableOrder) {
  const QList<TGUID> ids = OWRegisteredStreamTypes();
  ASSERT_GE(ids.size(), 25);
  EXPECT_EQ(ids[0], stream_type::Clock);
  EXPECT_EQ(ids[13], stream_type::Value);
  EXPECT_EQ(ids[15], stream_type::RealBuffer);
  EXPECT_EQ(ids[24], stream_type::AudioBuffer);
  std::set<QString> names;
  for (int i = 0; i < 25; ++i) names.insert(OWStreamTypeName(ids[i]));
  EXPECT_EQ(names.size(), 25u);  // every standard type is distinct
  EXPECT_EQ(OWStreamTypeName(ids[18]), QStringLiteral("SL Universal buffer"));
  EXPECT_EQ(OWStreamTypeName(ids[23]), QStringLiteral("User control"));
}

TEST(StreamTypeRegistry, ConcurrentFindOrAddOfOneNewTypeMakesOneEntry) {
  const TGUID id = FreshId(3);
  std::vector<TOWStreamTypeEntry*> seen(4, nullptr);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&, t] {
      for (int i = 0; i < 200; ++i) seen[t] = OWFindOrAddStreamType(id);
      OWStreamTypeName(id);
    });
  for (auto& t : threads) t.join();
  for (auto* e : seen) EXPECT_EQ(e, seen[0]);
  int count = 0;
  for (const TGUID& g : OWRegisteredStreamTypes()) count += g == id;
  EXPECT_EQ(count, 1);
}

}  // namespace
