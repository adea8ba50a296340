#include "app/windows/convert.h"

#include <gtest/gtest.h>

namespace {

TEST(StrToInt, AcceptsDecimalIntegers) {
  EXPECT_EQ(StrToInt("0"), 0);
  EXPECT_EQ(StrToInt("120000"), 120000);
  EXPECT_EQ(StrToInt("-15"), -15);
  EXPECT_EQ(StrToInt("+7"), 7);
  EXPECT_EQ(StrToInt("  42"), 42);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(StrToInt("007"), 7);
}

TEST(StrToInt, RejectsEverythingElseWithTheFieldText) {
  for (const char* bad : {"", " ", "12a", "1.5", "42 ", "- 1", "+", "0x10", "2147483648", "-2147483649",
                          "99999999999999999999", "１２"}) {
    try {
      StrToInt(QString::fromUtf8(bad));
      ADD_FAILURE() << "accepted " << bad;
    } catch (const EConvertError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' is not a valid integer value");
    }
  }
}

}  // namespace
