#include "dialogs/stored_bound.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct TCase {
  const char* text;
  std::optional<int32_t> value;
};
void PrintTo(const TCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class StoredBoundText : public ::testing::TestWithParam<TCase> {};

TEST_P(StoredBoundText, ReadsDecimalNumbersOnly) {
  EXPECT_EQ(ParseStoredBound(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, StoredBoundText,
    ::testing::Values(TCase{"250", 250}, TCase{"-17", -17}, TCase{"+8", 8}, TCase{" 42\t", 42},
                      TCase{"0", 0}, TCase{"2147483647", INT32_MAX}, TCase{"-2147483648", INT32_MIN},
                      TCase{"2147483648", std::nullopt}, TCase{"-2147483649", std::nullopt},
                      TCase{"99999999999999999999", std::nullopt}, TCase{"", std::nullopt},
                      TCase{"-", std::nullopt}, TCase{"12px", std::nullopt},
                      TCase{"$1F", std::nullopt}, TCase{"1 2", std::nullopt},
                      TCase{"0x10", std::nullopt}));

TEST(StoredBoundText, WritesWhatItReads) {
  for (int32_t v : {0, 1, -1, 640, -32768, INT32_MAX, INT32_MIN})
    EXPECT_EQ(ParseStoredBound(FormatStoredBound(v)), v) << v;
}

}  // namespace
