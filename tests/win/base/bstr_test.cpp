#include "base/bstr.h"

#include <gtest/gtest.h>

#include "base/text_convert.h"
#include "base/unique_handle.h"

TEST(Bstr, OwnsAndConvertsItsText) {
  TUniqueBstr b(L"Tavrin");
  EXPECT_EQ(SysStringLen(b.get()), 6u);
  EXPECT_EQ(b.Ansi(), "Tavrin");
  TUniqueBstr moved = std::move(b);
  EXPECT_EQ(b.get(), nullptr);
  EXPECT_EQ(moved.Wide(), L"Tavrin");
  EXPECT_EQ(BstrText(nullptr), L"");
  *moved.Put() = SysAllocString(L"x");
  EXPECT_EQ(moved.Wide(), L"x");
}

TEST(TextConvert, RoundTripsAnsiText) {
  EXPECT_EQ(ToAnsi(ToWide("Hole Size Editor")), "Hole Size Editor");
  EXPECT_EQ(ToWide(""), L"");
}

TEST(TUniqueHandle, ClosesOnReset) {
  TUniqueHkey key;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\TavrinTest", 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, key.Put(), nullptr),
            ERROR_SUCCESS);
  EXPECT_TRUE(key);
  key.reset();
  EXPECT_FALSE(key);
  RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TavrinTest");
}
