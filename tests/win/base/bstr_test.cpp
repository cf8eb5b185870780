#include "base/bstr.h"

#include <gtest/gtest.h>

#include "base/text_convert.h"
#include "base/unique_handle.h"

TEST(Bstr, OwnsAndConvertsItsText) {
  UniqueBstr b(L"Tavrin");
  EXPECT_EQ(SysStringLen(b.get()), 6u);
  EXPECT_EQ(b.ansi(), "Tavrin");
  UniqueBstr moved = std::move(b);
  EXPECT_EQ(b.get(), nullptr);
  EXPECT_EQ(moved.wide(), L"Tavrin");
  EXPECT_EQ(bstr_text(nullptr), L"");
  *moved.put() = SysAllocString(L"x");
  EXPECT_EQ(moved.wide(), L"x");
}

TEST(TextConvert, RoundTripsAnsiText) {
  EXPECT_EQ(to_ansi(to_wide("Hole Size Editor")), "Hole Size Editor");
  EXPECT_EQ(to_wide(""), L"");
}

TEST(UniqueHandle, ClosesOnReset) {
  UniqueHkey key;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\TavrinTest", 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, key.put(), nullptr),
            ERROR_SUCCESS);
  EXPECT_TRUE(key);
  key.reset();
  EXPECT_FALSE(key);
  RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TavrinTest");
}
