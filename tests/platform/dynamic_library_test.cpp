// Loading shared libraries by name and looking entries up; failures are
// reported by empty results only.

#include <gtest/gtest.h>

#include "platform/dynamic_library.h"

TEST(DynamicLibrary, LoadsASystemLibraryAndFindsEntries) {
  TDynamicLibrary lib("libm.so.6");
  ASSERT_TRUE(lib.IsLoaded());
  auto cosine = reinterpret_cast<double (*)(double)>(lib.Symbol("cos"));
  ASSERT_NE(cosine, nullptr);
  EXPECT_EQ(cosine(0.0), 1.0);
  EXPECT_EQ(lib.Symbol("no_such_entry_in_libm"), nullptr);
  EXPECT_EQ(lib.Symbol(nullptr), nullptr);
  lib.Free();
  EXPECT_FALSE(lib.IsLoaded());
  EXPECT_EQ(lib.Symbol("cos"), nullptr);
}

TEST(DynamicLibrary, MissingFilesAreSilentlyAbsent) {
  TDynamicLibrary lib;
  EXPECT_FALSE(lib.Load("/nonexistent/libipps.so"));
  EXPECT_FALSE(lib.IsLoaded());
  EXPECT_FALSE(lib.Load(""));
  EXPECT_EQ(lib.Symbol("ippsCopy_64f"), nullptr);
}

TEST(DynamicLibrary, MovingTransfersTheHandle) {
  TDynamicLibrary a("libm.so.6");
  TDynamicLibrary b(std::move(a));
  EXPECT_FALSE(a.IsLoaded());
  EXPECT_TRUE(b.IsLoaded());
  TDynamicLibrary c;
  c = std::move(b);
  EXPECT_TRUE(c.IsLoaded());
  EXPECT_NE(c.Symbol("sin"), nullptr);
  // Loading again replaces the library held.
  EXPECT_FALSE(c.Load("/nonexistent/lib.so"));
  EXPECT_FALSE(c.IsLoaded());
}
