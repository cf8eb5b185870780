// Millimetre texts to picometres and internal units: exact, rounded to nearest, and refused when
// malformed or out of range.

#include "kicad_length.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

int64_t Pm(const char* text) {
  int64_t value = 0;
  EXPECT_EQ(ParseMillimetres(text, &value), TLengthError::eNone) << text;
  return value;
}

int32_t Units(const char* text) { return UnitsFromPicometres(Pm(text)).value(); }

TEST(KicadLength, MillimetreTextsAreReadExactly) {
  EXPECT_EQ(Pm("0"), 0);
  EXPECT_EQ(Pm("3"), 3000000000);
  EXPECT_EQ(Pm("-12.7"), -12700000000);
  EXPECT_EQ(Pm("+0.000000001"), 1);
  EXPECT_EQ(Pm(".5"), 500000000);
  EXPECT_EQ(Pm("0.0000000005"), 1);  // half a picometre rounds away from zero
  EXPECT_EQ(Pm("0.00000000049999"), 0);
  EXPECT_EQ(Pm("-0.0000000015"), -2);
  EXPECT_EQ(Pm("10000"), kMaxKicadPicometres);
}

TEST(KicadLength, UnitsAreTheExactConversionRoundedToNearest) {
  EXPECT_EQ(Units("0.0254"), 10000);
  EXPECT_EQ(Units("25.4"), 10000000);
  EXPECT_EQ(Units("0.3"), 118110);     // 118110.236…
  EXPECT_EQ(Units("0.2997"), 117992);  // 117992.125…
  EXPECT_EQ(Units("0.8128"), 320000);  // 32 mil exactly
  EXPECT_EQ(Units("-0.3"), -118110);
  // Exactly half a unit (1270 pm) rounds away from zero, either sign.
  EXPECT_EQ(Units("0.00000127"), 1);
  EXPECT_EQ(Units("-0.00000127"), -1);
  EXPECT_EQ(Units("0.000001269"), 0);
  // Against the real-number formula on a spread of KiCad-style values (6 decimals).
  for (int64_t nm = -5000000; nm <= 5000000; nm += 7919) {
    const std::string text = (nm < 0 ? "-" : "") + std::to_string(std::llabs(nm) / 1000000) + "." +
                             std::string(6 - std::to_string(std::llabs(nm) % 1000000).size(), '0') +
                             std::to_string(std::llabs(nm) % 1000000);
    const double exact = static_cast<double>(nm) / 1e6 * 10000 / 0.0254;
    EXPECT_EQ(Units(text.c_str()), static_cast<int32_t>(std::llround(exact))) << text;
  }
}

TEST(KicadLength, UnitsBeyond32BitsAreRefused) {
  EXPECT_EQ(UnitsFromPicometres(Pm("5454")).value(), 2147244094);
  EXPECT_FALSE(UnitsFromPicometres(Pm("5455")).has_value());
  EXPECT_FALSE(UnitsFromPicometres(Pm("-5455")).has_value());
}

TEST(KicadLength, MalformedAndHugeTextsAreRefused) {
  int64_t value = 77;
  for (const char* bad :
       {"", "-", ".", "1.", "1e3", "0x10", "inf", "nan", "1,5", "1.2.3", " 1", "--1", "abc"}) {
    EXPECT_EQ(ParseMillimetres(bad, &value), TLengthError::eSyntax) << bad;
  }
  for (const char* huge : {"10000.000000001", "99999999999999999999999", "-123456789.5"}) {
    EXPECT_EQ(ParseMillimetres(huge, &value), TLengthError::eRange) << huge;
  }
  EXPECT_EQ(ParseMillimetres("99999999999999999999x", &value), TLengthError::eSyntax);
  EXPECT_EQ(value, 77);
}

}  // namespace
