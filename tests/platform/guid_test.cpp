#include "platform/guid.h"
#include "platform/wave_format.h"

#include <gtest/gtest.h>

TEST(Guid, TextFormRoundTripsInUpperCaseWithBraces) {
  auto g = TGUID::Parse("{58041272-ef20-4696-87e6-9ee46abfbd89}");
  ASSERT_TRUE(g.has_value());
  EXPECT_EQ(g->D1, 0x58041272u);
  EXPECT_EQ(g->D2, 0xEF20);
  EXPECT_EQ(g->D4[0], 0x87);
  EXPECT_EQ(g->D4[7], 0x89);
  EXPECT_EQ(g->ToString(), "{58041272-EF20-4696-87E6-9EE46ABFBD89}");
  EXPECT_EQ(TGUID::Parse(g->ToString()), g);
}

TEST(Guid, MalformedTextIsRefused) {
  EXPECT_FALSE(TGUID::Parse(""));
  EXPECT_FALSE(TGUID::Parse("{58041272-EF20-4696-87E6-9EE46ABFBD8}"));
  EXPECT_FALSE(TGUID::Parse("{58041272-EF20-4696-87E6+9EE46ABFBD89}"));
  EXPECT_FALSE(TGUID::Parse("{5804127G-EF20-4696-87E6-9EE46ABFBD89}"));
  EXPECT_TRUE(TGUID{}.IsNull());
  EXPECT_FALSE(KSDATAFORMAT_SUBTYPE_PCM.IsNull());
}

TEST(WaveFormat, SubFormatSitsAtOffset24InBinaryLayout) {
  TWaveFormatExtensible f;
  f.SetSubFormat(KSDATAFORMAT_SUBTYPE_PCM);
  const auto* bytes = reinterpret_cast<const unsigned char*>(&f);
  // {00000001-0000-0010-8000-00AA00389B71}: D1 little-endian first.
  EXPECT_EQ(bytes[24], 0x01);
  EXPECT_EQ(bytes[28], 0x00);
  EXPECT_EQ(bytes[30], 0x10);
  EXPECT_EQ(bytes[32], 0x80);
  EXPECT_EQ(bytes[39], 0x71);
  EXPECT_EQ(f.SubFormat(), KSDATAFORMAT_SUBTYPE_PCM);
}
