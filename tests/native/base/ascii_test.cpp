#include "base/ascii.h"

#include <gtest/gtest.h>

TEST(Ascii, OnlyAsciiLettersChangeCase) {
  EXPECT_EQ(ascii_to_upper("aZ09-\xe9z"), "AZ09-\xe9Z");
  EXPECT_EQ(ascii_to_lower("AbC\xc9"), "abc\xc9");
  EXPECT_TRUE(ascii_iequals("Action", "ACTION"));
  EXPECT_FALSE(ascii_iequals("Action", "Actio"));
  EXPECT_FALSE(ascii_iequals("\xe9", "\xc9"));  // not an ASCII letter pair
  EXPECT_LT(ascii_icompare("abc", "ABD"), 0);
  EXPECT_GT(ascii_icompare("abcd", "ABC"), 0);
  EXPECT_EQ(ascii_icompare("mM", "Mm"), 0);
}
