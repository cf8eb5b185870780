#include "base/ascii.h"

#include <gtest/gtest.h>

TEST(Ascii, OnlyAsciiLettersChangeCase) {
  EXPECT_EQ(AsciiToUpper("aZ09-\xe9z"), "AZ09-\xe9Z");
  EXPECT_EQ(AsciiToLower("AbC\xc9"), "abc\xc9");
  EXPECT_TRUE(AsciiIequals("Action", "ACTION"));
  EXPECT_FALSE(AsciiIequals("Action", "Actio"));
  EXPECT_FALSE(AsciiIequals("\xe9", "\xc9"));  // not an ASCII letter pair
  EXPECT_LT(AsciiIcompare("abc", "ABD"), 0);
  EXPECT_GT(AsciiIcompare("abcd", "ABC"), 0);
  EXPECT_EQ(AsciiIcompare("mM", "Mm"), 0);
}
