#include "frame/language_mapping.h"

#include <gtest/gtest.h>

namespace {

TEST(LanguageMapping, FirstMatchingLineReplacesTheIdentifier) {
  TLanguageMapping mapping;
  mapping.Parse("1031=1033\n1031=2057\r\n3082=1034\n");
  EXPECT_EQ(mapping.Map(1031), 1033u);
  EXPECT_EQ(mapping.Map(3082), 1034u);
  EXPECT_EQ(mapping.Map(1033), 1033u);
  EXPECT_EQ(mapping.Count(), 3);
}

TEST(LanguageMapping, LinesThatAreNotTwoIntegersAreSkipped) {
  TLanguageMapping mapping;
  mapping.Parse("\n=\n1031=\n=1033\nabc=1\n1031=x\n1031 = 1040 \n12=3=4\n99999999999=1\n7=8");
  EXPECT_EQ(mapping.Map(1031), 1040u);
  EXPECT_EQ(mapping.Map(12), 12u);
  EXPECT_EQ(mapping.Map(7), 8u);
  EXPECT_EQ(mapping.Count(), 2);
}

TEST(LanguageMapping, EmptyTextMapsNothing) {
  TLanguageMapping mapping;
  mapping.Parse("");
  EXPECT_EQ(mapping.Map(0), 0u);
  EXPECT_EQ(mapping.Count(), 0);
}

TEST(LanguageMapping, IntegerReading) {
  struct {
    const char* text;
    bool ok;
    uint32_t value;
  } cases[] = {{"0", true, 0},          {"+5", true, 5},         {" 42 ", true, 42},
               {"-1", true, 0xFFFFFFFF}, {"4294967295", true, 0xFFFFFFFF},
               {"4294967296", false, 0}, {"", false, 0},         {"-", false, 0},
               {"1x", false, 0},         {"0x10", false, 0},     {"1 2", false, 0}};
  for (const auto& c : cases) {
    uint32_t value = 0;
    EXPECT_EQ(ParseMappingInteger(c.text, value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
}

}  // namespace
