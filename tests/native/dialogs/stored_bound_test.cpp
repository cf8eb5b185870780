#include "dialogs/stored_bound.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct Case {
  const char* text;
  std::optional<int32_t> value;
};
void PrintTo(const Case& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class StoredBoundText : public ::testing::TestWithParam<Case> {};

TEST_P(StoredBoundText, ReadsDecimalNumbersOnly) {
  EXPECT_EQ(parse_stored_bound(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, StoredBoundText,
    ::testing::Values(Case{"250", 250}, Case{"-17", -17}, Case{"+8", 8}, Case{" 42\t", 42},
                      Case{"0", 0}, Case{"2147483647", INT32_MAX}, Case{"-2147483648", INT32_MIN},
                      Case{"2147483648", std::nullopt}, Case{"-2147483649", std::nullopt},
                      Case{"99999999999999999999", std::nullopt}, Case{"", std::nullopt},
                      Case{"-", std::nullopt}, Case{"12px", std::nullopt},
                      Case{"$1F", std::nullopt}, Case{"1 2", std::nullopt},
                      Case{"0x10", std::nullopt}));

TEST(StoredBoundText, WritesWhatItReads) {
  for (int32_t v : {0, 1, -1, 640, -32768, INT32_MAX, INT32_MIN})
    EXPECT_EQ(parse_stored_bound(stored_bound_text(v)), v) << v;
}

}  // namespace
