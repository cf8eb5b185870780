#include "pcb/coord.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <ostream>
#include <random>

#include "base/exceptions.h"

namespace {

// Restores the start values whatever a test changed.
class DigitSettings : public testing::Test {
 protected:
  void TearDown() override {
    SetFractionalDigits(eImperial, 3);
    SetFractionalDigits(eMetric, 5);
  }
};

TEST(Coord, UnitIsOneByteWithFixedValues) {
  static_assert(sizeof(TUnit) == 1);
  static_assert(eMetric == 0 && eImperial == 1);
  EXPECT_EQ(static_cast<TUnit>(true), eImperial);
  EXPECT_EQ(static_cast<TUnit>(false), eMetric);
}

struct TToCoordCase {
  double value;
  TCoord mils, millimetres;
};

TEST(Coord, ConversionsToCoordRoundTiesToEvenAndSaturate) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  const TToCoordCase cases[] = {
      {0, 0, 0},
      {12, 120000, 4724409},
      {0.3, 3000, 118110},
      {1, 10000, 393701},
      {-1, -10000, -393701},
      {0.0254, 254, 10000},
      {0.00005, 0, 20},        // mils: 0.5 unit, tie to even 0; millimetres: 19.685 units
      {0.00025, 2, 98},        // 2.5 units: tie to even 2
      {-0.00025, -2, -98},
      {-0.00035, -4, -138},    // -3.5 units: tie to even -4
      {214748.3647, kMaxCoord, kMaxCoord},
      {214748.36475, kMaxCoord, kMaxCoord},
      {300000, kMaxCoord, kMaxCoord},
      {-214748.3648, kMinCoord, kMinCoord},
      {-1e300, kMinCoord, kMinCoord},
      {inf, kMaxCoord, kMaxCoord},
      {-inf, kMinCoord, kMinCoord},
      {std::nan(""), 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CoordFromMils(c.value), c.mils) << c.value;
    if (std::fabs(c.value) < 1000 || !std::isfinite(c.value)) {
      EXPECT_EQ(CoordFromMillimetres(c.value), c.millimetres) << c.value;
    }
  }
  EXPECT_EQ(CoordFromMillimetres(5454.6), 2147480315);
  EXPECT_EQ(CoordFromMillimetres(5454.7), kMaxCoord);
  EXPECT_EQ(CoordFromMillimetres(-5454.7), kMinCoord);
  EXPECT_EQ(CoordFromMils(-214748.36485), kMinCoord);
}

TEST(Coord, RoundFractionRoundsOnlyTheFractionTiesToEven) {
  // The tie is decided on the fraction's own digits: 3.5 has fraction 0.5, whose nearest even is 0.
  EXPECT_EQ(RoundFraction(2.5, 0), 2.0);
  EXPECT_EQ(RoundFraction(3.5, 0), 3.0);
  EXPECT_EQ(RoundFraction(-2.5, 0), -2.0);
  EXPECT_EQ(RoundFraction(-3.5, 0), -3.0);
  EXPECT_EQ(RoundFraction(3.75, 0), 4.0);
  EXPECT_EQ(RoundFraction(-3.75, 0), -4.0);
  EXPECT_EQ(RoundFraction(0.125, 2), 0.12);
  EXPECT_EQ(RoundFraction(0.375, 2), 0.38);
  EXPECT_EQ(RoundFraction(-0.375, 2), -0.38);
  EXPECT_DOUBLE_EQ(RoundFraction(1.23456, 3), 1.235);
  // A large value keeps every integral digit.
  EXPECT_DOUBLE_EQ(RoundFraction(123456789.0625, 3), 123456789.062);
  EXPECT_EQ(RoundFraction(1.75, -3), 2.0);
  EXPECT_EQ(RoundFraction(0.1, 40), 0.1);
  EXPECT_TRUE(std::isinf(RoundFraction(std::numeric_limits<double>::infinity(), 3)));
  EXPECT_TRUE(std::isnan(RoundFraction(std::nan(""), 3)));
}

TEST(Coord, FromCoordScalesAndPreRounds) {
  EXPECT_EQ(MilsFromCoord(118110, 3), 11.811);
  EXPECT_EQ(MilsFromCoord(118115, 3), 11.812);   // 11.8115: tie to even
  EXPECT_EQ(MilsFromCoord(118125, 3), 11.812);   // 11.8125: tie to even
  EXPECT_EQ(MilsFromCoord(-50000, 3), -5.0);
  EXPECT_EQ(MilsFromCoord(kMaxCoord, 3), 214748.365);
  EXPECT_EQ(MillimetresFromCoord(118110, 5), 0.3);
  EXPECT_EQ(MillimetresFromCoord(393701, 5), 1.0);
  EXPECT_EQ(MillimetresFromCoord(120000, 3), 0.305);
  EXPECT_DOUBLE_EQ(MillimetresFromCoord(kMinCoord, 5), -5454.60847);
}

struct TFixedCase {
  double value;
  int decimals;
  const char* text;
};

void PrintTo(const TFixedCase& c, std::ostream* os) { *os << c.value << " at " << c.decimals; }

class FormatFixedCases : public testing::TestWithParam<TFixedCase> {};

TEST_P(FormatFixedCases, Formats) {
  EXPECT_EQ(FormatFixed(GetParam().value, GetParam().decimals), GetParam().text)
      << GetParam().value << " at " << GetParam().decimals;
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatFixedCases,
    testing::Values(TFixedCase{0, 3, "0.000"}, TFixedCase{-0.0, 3, "0.000"}, TFixedCase{12, 3, "12.000"},
                    TFixedCase{0.3048, 4, "0.3048"}, TFixedCase{-5, 3, "-5.000"}, TFixedCase{7, 0, "7"},
                    // Half away from zero on exact binary halves.
                    TFixedCase{0.125, 2, "0.13"}, TFixedCase{-0.125, 2, "-0.13"}, TFixedCase{2.5, 0, "3"},
                    TFixedCase{-2.5, 0, "-3"}, TFixedCase{0.5, 0, "1"}, TFixedCase{9.995, 2, "9.99"},
                    TFixedCase{99.5, 0, "100"}, TFixedCase{-999.9996, 3, "-1000.000"},
                    // 1.005 is 1.00499999999999989… and stays below the half.
                    TFixedCase{1.005, 2, "1.00"},
                    // 0.15 is 0.1499999999999999944…; its 18 significant digits end in …99994.
                    TFixedCase{0.15, 1, "0.1"},
                    TFixedCase{0.00005, 4, "0.0001"}, TFixedCase{0.00004, 4, "0.0000"},
                    TFixedCase{-0.00004, 4, "0.0000"}, TFixedCase{0.000051, 0, "0"},
                    // 0.1 is 0.1000000000000000055…: 18 significant digits, then only zeros.
                    TFixedCase{0.1, 20, "0.10000000000000000600"}, TFixedCase{1e20, 1, "100000000000000000000.0"},
                    TFixedCase{123456789012345678.0, 0, "123456789012345680"},
                    TFixedCase{-214748.3648, 3, "-214748.365"}, TFixedCase{5454.60356, 4, "5454.6036"},
                    TFixedCase{1.5, -2, "2"}, TFixedCase{std::nan(""), 3, "NAN"},
                    TFixedCase{-std::numeric_limits<double>::infinity(), 3, "-INF"}));

TEST(Coord, FormatFixedWritesEveryDigitOfTheLargestDouble) {
  const std::string text = FormatFixed(std::numeric_limits<double>::max(), 2);
  EXPECT_EQ(text.size(), 309u + 3u);
  EXPECT_EQ(text.substr(0, 19), "1797693134862315710");
  EXPECT_EQ(text.substr(text.size() - 4), "0.00");
  EXPECT_EQ(FormatFixed(5e-324, 3), "0.000");
}

TEST(Coord, StripTrailingZeros) {
  EXPECT_EQ(StripTrailingZeros("10.000"), "10");
  EXPECT_EQ(StripTrailingZeros("0.500"), "0.5");
  EXPECT_EQ(StripTrailingZeros("0.000"), "0");
  EXPECT_EQ(StripTrailingZeros("-0.120"), "-0.12");
  EXPECT_EQ(StripTrailingZeros("100"), "100");  // no point: no fraction to strip
  EXPECT_EQ(StripTrailingZeros(""), "");
}

struct TUnitTextCase {
  TCoord coord;
  const char* imperial;
  const char* metric;
};

TEST_F(DigitSettings, FormatCoordWithUnitFollowsTheSettings) {
  const TUnitTextCase cases[] = {
      {0, "0mil", "0mm"},           {120000, "12mil", "0.3048mm"},    {118110, "11.811mil", "0.3mm"},
      {-50000, "-5mil", "-0.127mm"}, {393701, "39.37mil", "1mm"},     {1, "0mil", "0mm"},
      {-1, "0mil", "0mm"},          {15, "0.002mil", "0.00004mm"},          {kMaxCoord, "214748.365mil", "5454.60846mm"},
      {kMinCoord, "-214748.365mil", "-5454.60847mm"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatCoordWithUnit(c.coord, eImperial), c.imperial) << c.coord;
    EXPECT_EQ(FormatCoordWithUnit(c.coord, eMetric), c.metric) << c.coord;
  }
  SetFractionalDigits(eMetric, 3);
  SetFractionalDigits(eImperial, 4);
  EXPECT_EQ(FormatCoordWithUnit(120000, eMetric), "0.305mm");
  EXPECT_EQ(FormatCoordWithUnit(118115, eImperial), "11.8115mil");
  // The comparison text does not follow the settings.
  EXPECT_EQ(FormatCoordForMatch(120000, false), "0.3048mm");
  EXPECT_EQ(FormatCoordForMatch(118115, true), "11.812mil");
}

TEST(Coord, MatchTextsAndTheirComparison) {
  const TUnitTextCase cases[] = {
      {0, "0mil", "0mm"},          {120000, "12mil", "0.3048mm"},   {118110, "11.811mil", "0.3mm"},
      {393701, "39.37mil", "1mm"}, {-50000, "-5mil", "-0.127mm"},   {17, "0.002mil", "0mm"},
      {18, "0.002mil", "0.0001mm"}, {kMaxCoord, "214748.365mil", "5454.6085mm"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatCoordForMatch(c.coord, true), c.imperial) << c.coord;
    EXPECT_EQ(FormatCoordForMatch(c.coord, false), c.metric) << c.coord;
  }
  // 118110 and 118120 are 0.3mm and 0.30000254…mm: one metric text, two mil texts.
  EXPECT_TRUE(SameCoordText(118110, 118120, false));
  EXPECT_FALSE(SameCoordText(118110, 118120, true));
  EXPECT_TRUE(SameCoordText(118110, 118114, true));
  EXPECT_FALSE(SameCoordText(118110, 118116, true));
  EXPECT_TRUE(SameCoordText(-1, 1, true));
  EXPECT_TRUE(SameCoordText(kMinCoord, kMinCoord, false));
  EXPECT_FALSE(SameCoordText(kMinCoord, kMaxCoord, false));
}

struct TParseCase {
  const char* text;
  TUnit unit_in;
  TCoord coord;
  TUnit unit_out;
};

void PrintTo(const TParseCase& c, std::ostream* os) { *os << '"' << c.text << "\" in unit " << int{c.unit_in}; }

class ParseCoordCases : public testing::TestWithParam<TParseCase> {};

TEST_P(ParseCoordCases, Parses) {
  TUnit unit = GetParam().unit_in;
  EXPECT_EQ(ParseCoordWithUnit(GetParam().text, unit), GetParam().coord) << GetParam().text;
  EXPECT_EQ(unit, GetParam().unit_out) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseCoordCases,
    testing::Values(TParseCase{"0.3mm", eImperial, 118110, eMetric}, TParseCase{"0.3mm", eMetric, 118110, eMetric},
                    TParseCase{"12", eImperial, 120000, eImperial}, TParseCase{"12", eMetric, 4724409, eMetric},
                    TParseCase{" 1 2 Mil", eMetric, 120000, eImperial}, TParseCase{"12mM", eImperial, 4724409, eMetric},
                    TParseCase{"mm5", eImperial, 0, eImperial}, TParseCase{"", eMetric, 0, eMetric},
                    TParseCase{"   ", eImperial, 0, eImperial}, TParseCase{"-5mil", eMetric, -50000, eImperial},
                    TParseCase{"1e1mil", eMetric, 100000, eImperial}, TParseCase{"1E+1MIL", eMetric, 100000, eImperial},
                    TParseCase{"25e-1", eImperial, 25000, eImperial}, TParseCase{"5mils", eMetric, 50000, eImperial},
                    // "MM" is looked for before "MIL", anywhere in the text.
                    TParseCase{"2mil3mm", eImperial, 787402, eMetric}, TParseCase{"0.5mmil", eImperial, 196850, eMetric},
                    TParseCase{".5", eImperial, 5000, eImperial}, TParseCase{"5.", eImperial, 50000, eImperial},
                    TParseCase{"+7", eImperial, 70000, eImperial}, TParseCase{"300000mil", eMetric, kMaxCoord, eImperial},
                    TParseCase{"-300000mil", eMetric, kMinCoord, eImperial},
                    TParseCase{"1e400", eImperial, kMaxCoord, eImperial}, TParseCase{"-1e400", eImperial, kMinCoord, eImperial},
                    TParseCase{"1e-400", eImperial, 0, eImperial}, TParseCase{"0.00000e999", eImperial, 0, eImperial},
                    TParseCase{"0.0001e99999999999999999999", eImperial, kMaxCoord, eImperial},
                    // Malformed numbers give the value of their valid leading part.
                    TParseCase{"1.5x", eImperial, 15000, eImperial}, TParseCase{"2..5mm", eImperial, 787402, eMetric},
                    TParseCase{"1e", eImperial, 10000, eImperial}, TParseCase{"1e+mil", eMetric, 10000, eImperial},
                    TParseCase{"-", eImperial, 0, eImperial}, TParseCase{"+.mm", eImperial, 0, eMetric},
                    TParseCase{"--5", eImperial, 0, eImperial}, TParseCase{"\t5", eImperial, 0, eImperial},
                    TParseCase{"0x10", eImperial, 0, eImperial}, TParseCase{"1,5", eImperial, 10000, eImperial},
                    TParseCase{"-inf", eImperial, 0, eImperial}, TParseCase{"-nan", eImperial, 0, eImperial},
                    TParseCase{"0.00005", eImperial, 0, eImperial}, TParseCase{"0.00025mil", eImperial, 2, eImperial},
                    TParseCase{"-0.00035", eImperial, -4, eImperial}));

TEST_F(DigitSettings, EditBoxTextsReadBackAsTheirCoordinate) {
  // Four mil decimals resolve one unit, so that text reads back exactly; five millimetre decimals
  // resolve 3.937 units, so that one reads back within two.
  SetFractionalDigits(eImperial, 4);
  std::mt19937 random(5);
  std::uniform_int_distribution<TCoord> any(kMinCoord, kMaxCoord);
  for (int i = 0; i < 20000; ++i) {
    const TCoord c = i < 2 ? (i ? kMaxCoord : kMinCoord) : any(random);
    TUnit unit = eMetric;
    ASSERT_EQ(ParseCoordWithUnit(FormatCoordWithUnit(c, eImperial), unit), c);
    ASSERT_EQ(unit, eImperial);
    const TCoord back = ParseCoordWithUnit(FormatCoordWithUnit(c, eMetric), unit);
    ASSERT_LE(std::llabs(int64_t{back} - c), 2) << c;
    ASSERT_EQ(unit, eMetric);
  }
}

TEST(Coord, SplitUnitSuffixReturnsThePrefix) {
  TUnit unit = eImperial;
  EXPECT_EQ(SplitUnitSuffix("12.5MmMil", unit), "12.5");
  EXPECT_EQ(unit, eMetric);
  EXPECT_EQ(SplitUnitSuffix("3MiL", unit), "3");
  EXPECT_EQ(unit, eImperial);
  EXPECT_EQ(SplitUnitSuffix("3mi", unit), "3mi");
  EXPECT_EQ(unit, eImperial);
  EXPECT_EQ(SplitUnitSuffix("m", unit), "m");
}

TEST_F(DigitSettings, SetFractionalDigitsClampsAndReturnsThePreviousCount) {
  EXPECT_EQ(MilFractionalDigits(), 3);
  EXPECT_EQ(MmFractionalDigits(), 5);
  EXPECT_EQ(MilMultiplier(), 1000);
  EXPECT_EQ(MmMultiplier(), 100000);
  EXPECT_EQ(SetFractionalDigits(eMetric, 9), 5);
  EXPECT_EQ(MmFractionalDigits(), 5);
  EXPECT_EQ(SetFractionalDigits(eMetric, 1), 5);
  EXPECT_EQ(MmFractionalDigits(), 3);
  EXPECT_EQ(MmMultiplier(), 1000);
  EXPECT_EQ(SetFractionalDigits(eMetric, 4), 3);
  EXPECT_EQ(MmMultiplier(), 10000);
  EXPECT_EQ(SetFractionalDigits(eImperial, 7), 3);
  EXPECT_EQ(MilFractionalDigits(), 4);
  EXPECT_EQ(MilMultiplier(), 10000);
  EXPECT_EQ(SetFractionalDigits(eImperial, -7), 4);
  EXPECT_EQ(MilFractionalDigits(), 3);
  EXPECT_EQ(MmFractionalDigits(), 4);
}

TEST_F(DigitSettings, SetFractionalDigitsRejectsAnUnknownUnit) {
  try {
    SetFractionalDigits(static_cast<TUnit>(2), 4);
    FAIL() << "no assertion failure";
  } catch (const EAssertionFailed& e) {
    EXPECT_EQ(e.Message(), "Unexpected Unit");
  }
  EXPECT_EQ(MilFractionalDigits(), 3);
  EXPECT_EQ(MmFractionalDigits(), 5);
}

}  // namespace
