// Property tests: the coordinate texts and conversions against exact decimal arithmetic on a few
// hundred thousand generated values (fixed seeds, so every run checks the same values).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "base/scope_guard.h"
#include "pcb/coord.h"
#include "tests/native/pcb/exact_decimal.h"

#if defined(_WIN32) && defined(__i386__)
#include <float.h>
#endif

namespace {

using exact::TBigUInt;
using exact::TDecimal;

void IncrementDigits(std::string& digits) {
  size_t i = digits.size();
  while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
  if (i == 0) {
    digits.insert(digits.begin(), '1');
  } else {
    ++digits[i - 1];
  }
}

// FormatFixed from the exact value: round the exact decimal digits to 18 significant digits (ties to
// even), then at d decimals half away from zero.
std::string ReferenceFixed(double x, int d) {
  std::string s = exact::FromDouble(x).Digits.ToString();
  const int scale = exact::FromDouble(x).Scale;
  int before_point = static_cast<int>(s.size()) - scale;
  if (s == "0") before_point = 1;
  if (s.size() > 18) {
    const std::string rest = s.substr(18);
    s.resize(18);
    const bool beyond_half = rest.find_first_not_of('0', 1) != std::string::npos;
    if (rest[0] > '5' || (rest[0] == '5' && (beyond_half || (s.back() - '0') % 2 == 1))) {
      IncrementDigits(s);
      if (s.size() > 18) {
        s.resize(18);
        ++before_point;
      }
    }
  }
  std::string integral, fraction;
  if (before_point > 0) {
    if (s.size() < static_cast<size_t>(before_point)) s.append(static_cast<size_t>(before_point) - s.size(), '0');
    integral = s.substr(0, static_cast<size_t>(before_point));
    fraction = s.substr(static_cast<size_t>(before_point));
  } else {
    integral = "0";
    fraction = std::string(static_cast<size_t>(-before_point), '0') + s;
  }
  if (fraction.size() < static_cast<size_t>(d) + 1) fraction.append(static_cast<size_t>(d) + 1 - fraction.size(), '0');
  const bool up = fraction[static_cast<size_t>(d)] >= '5';
  std::string units = integral + fraction.substr(0, static_cast<size_t>(d));
  if (up) IncrementDigits(units);
  std::string int_part = units.substr(0, units.size() - static_cast<size_t>(d));
  const std::string frac_part = units.substr(units.size() - static_cast<size_t>(d));
  const size_t first = int_part.find_first_not_of('0');
  int_part = first == std::string::npos ? "0" : int_part.substr(first);
  std::string text = int_part + (d > 0 ? "." + frac_part : "");
  if (std::signbit(x) && units.find_first_not_of('0') != std::string::npos) text.insert(0, "-");
  return text;
}

TEST(CoordExact, FormatFixedMatchesTheExactDecimalExpansion) {
  std::mt19937_64 random(20240611);
  int checked = 0;
  auto check = [&](double x, int d) {
    ASSERT_EQ(FormatFixed(x, d), ReferenceFixed(x, d)) << std::hexfloat << x << " at " << d;
    ++checked;
  };
  // Values of every size, any bit pattern of moderate exponent.
  std::uniform_int_distribution<uint64_t> mantissa(0, (uint64_t{1} << 52) - 1);
  std::uniform_int_distribution<int> exponent(-70, 70), decimals(0, 20), sign(0, 1);
  for (int i = 0; i < 60000; ++i) {
    const double x = std::ldexp(1.0 + std::ldexp(static_cast<double>(mantissa(random)), -52), exponent(random));
    check(sign(random) ? -x : x, decimals(random));
  }
  // Values a few steps from a decimal half at d decimals: where half away from zero and the
  // 18-digit decision show.
  std::uniform_int_distribution<int64_t> units(0, 99999999);
  std::uniform_int_distribution<int> steps(-4, 4), few_decimals(0, 6);
  for (int i = 0; i < 100000; ++i) {
    const int d = few_decimals(random);
    double x = (static_cast<double>(units(random)) + 0.5) / std::pow(10.0, d);
    for (int s = steps(random); s != 0; s += s > 0 ? -1 : 1) x = std::nextafter(x, s > 0 ? INFINITY : 0.0);
    check(sign(random) ? -x : x, d);
  }
  // What the coordinate texts format.
  std::uniform_int_distribution<int32_t> coord(INT32_MIN, INT32_MAX);
  for (int i = 0; i < 60000; ++i) {
    const TCoord c = coord(random);
    check(MilsFromCoord(c, 3), 3);
    check(MilsFromCoord(c, 4), 4);
    check(MillimetresFromCoord(c, 5), 4);
    check(MillimetresFromCoord(c, 5), 5);
  }
  EXPECT_EQ(checked, 400000);
}

// |c| / 10^scale pre-rounded to k decimals as the fraction rule does it (ties to even on the
// rounded fraction), as a count of 10^-k; both ways when the exact value is a tie.
struct TPreRounded {
  uint64_t units = 0, other = 0;
  int k = 0;
  bool tie = false;
  TDecimal Value() const { return TDecimal{TBigUInt(units), k}; }
  TDecimal TieOther() const { return TDecimal{TBigUInt(other), k}; }
};

TPreRounded PreRound(uint64_t numerator, int scale, int k) {
  uint64_t denominator = 1;
  for (int i = 0; i < scale; ++i) denominator *= 10;
  uint64_t k_power = 1;
  for (int i = 0; i < k; ++i) k_power *= 10;
  const uint64_t integral = numerator / denominator;
  const uint64_t scaled = numerator % denominator * k_power;  // fraction × 10^k × denominator
  const uint64_t down = scaled / denominator;
  const uint64_t remainder = scaled % denominator;
  TPreRounded r;
  r.k = k;
  r.tie = remainder * 2 == denominator;
  uint64_t fraction = down;
  if (remainder * 2 > denominator || (r.tie && down % 2 == 1)) ++fraction;
  r.units = integral * k_power + fraction;
  r.other = integral * k_power + (fraction == down ? down + 1 : down);
  return r;
}

// Whether the double stands within two steps of the decimal.
bool CloseTo(double y, const TDecimal& want) {
  const double magnitude = std::fabs(y);
  const double lo = std::nextafter(std::nextafter(magnitude, 0.0), 0.0);
  const double hi = std::nextafter(std::nextafter(magnitude, INFINITY), INFINITY);
  const TDecimal dlo = exact::FromDouble(lo), dhi = exact::FromDouble(hi);
  const int scale = std::max({dlo.Scale, dhi.Scale, want.Scale});
  return dlo.At(scale) <= want.At(scale) && want.At(scale) <= dhi.At(scale);
}

std::string TextOf(const TDecimal& d, bool negative) {
  std::string t = exact::ToText(d);
  if (t.find('.') != std::string::npos) {
    while (t.back() == '0') t.pop_back();
    if (t.back() == '.') t.pop_back();
  }
  return negative && t != "0" ? "-" + t : t;
}

TEST(CoordExact, ScalingAndComparisonTextsMatchExactDecimals) {
  std::mt19937_64 random(7);
  std::uniform_int_distribution<int32_t> any(INT32_MIN, INT32_MAX), small(-2000000, 2000000);
  std::uniform_int_distribution<int> k_of(0, 6);
  int metric_fifths = 0;
  for (int i = 0; i < 100000; ++i) {
    const TCoord c = i % 2 ? any(random) : small(random);
    const bool negative = c < 0;
    const uint64_t magnitude = negative ? uint64_t{0} - static_cast<uint64_t>(int64_t{c}) : uint64_t(c);
    SCOPED_TRACE(c);

    const int k = k_of(random);
    const TPreRounded mils = PreRound(magnitude, 4, k);
    const double y = MilsFromCoord(c, k);
    ASSERT_TRUE(CloseTo(y, mils.Value()) || (mils.tie && CloseTo(y, mils.TieOther()))) << "mils at " << k;
    ASSERT_TRUE(c == 0 || y == 0 || std::signbit(y) == negative);
    const TPreRounded mm = PreRound(magnitude * 254, 8, k);
    const double z = MillimetresFromCoord(c, k);
    ASSERT_TRUE(CloseTo(z, mm.Value()) || (mm.tie && CloseTo(z, mm.TieOther()))) << "millimetres at " << k;

    // The imperial comparison text is the exact value rounded to 3 decimals.
    const TPreRounded mil3 = PreRound(magnitude, 4, 3);
    const std::string imperial = FormatCoordForMatch(c, true);
    ASSERT_TRUE(imperial == TextOf(mil3.Value(), negative) + "mil" ||
                (mil3.tie && imperial == TextOf(mil3.TieOther(), negative) + "mil"))
        << imperial;
    // The metric one rounds the 5-decimal value half away from zero at 4. A fifth decimal of 5 is
    // decided on the double's 18-digit expansion, which may lie just below the half.
    const TPreRounded mm5 = PreRound(magnitude * 254, 8, 5);
    const std::string metric = FormatCoordForMatch(c, false);
    if (!mm5.tie) {
      const uint64_t down = mm5.units / 10, last = mm5.units % 10;
      const std::string down_text = TextOf(TDecimal{TBigUInt(down), 4}, negative) + "mm";
      const std::string up_text = TextOf(TDecimal{TBigUInt(down + 1), 4}, negative) + "mm";
      if (last == 5) {
        ++metric_fifths;
        ASSERT_TRUE(metric == down_text || metric == up_text) << metric;
      } else {
        ASSERT_EQ(metric, last > 5 ? up_text : down_text);
      }
    }
    ASSERT_EQ(SameCoordText(c, c + (c < INT32_MAX ? 1 : -1), true),
              imperial == FormatCoordForMatch(c + (c < INT32_MAX ? 1 : -1), true));
  }
  EXPECT_GT(metric_fifths, 0);
}

// x × 10000 ÷ per_unit, rounded ties to even and saturated: checked by the inequalities
// 2·|A − q·D| ≤ D on exact decimals, A = |x| × 10000 and D = per_unit.
void CheckNearest(double x, TCoord q, const TDecimal& per_unit, int& near_ties) {
  ASSERT_TRUE(x == 0 || q == 0 || (x < 0) == (q < 0)) << x << " gave " << q;
  TDecimal a = exact::FromDouble(x);
  a.Scale -= 4;
  const uint32_t abs_q = q < 0 ? 0u - static_cast<uint32_t>(q) : static_cast<uint32_t>(q);
  TDecimal qd = per_unit;
  qd.Digits.MulSmall(abs_q);
  const int scale = std::max({a.Scale, qd.Scale, per_unit.Scale, 0});
  const TBigUInt av = a.At(scale), qv = qd.At(scale), dv = per_unit.At(scale);
  const bool saturated = q == kMaxCoord || q == kMinCoord;
  if (saturated && av >= qv) return;  // the exact value lies beyond the end of the range
  TBigUInt twice = TBigUInt::Distance(av, qv);
  twice.MulSmall(2);
  if (twice < dv) return;
  if (twice == dv) {
    ASSERT_EQ(q % 2, 0) << "tie not to even: " << x;
    return;
  }
  // Only a product within a rounding error of a half may land on the other neighbour.
  TBigUInt excess = TBigUInt::Distance(twice, dv);
  excess.MulPow(2, 19);
  ASSERT_LE(excess, dv) << std::hexfloat << x << " gave " << q;
  ++near_ties;
}

TEST(CoordExact, CoordFromMilsAndMillimetresAreTheNearestCoordinate) {
  std::mt19937_64 random(99);
  std::uniform_real_distribution<double> mils(-260000.0, 260000.0), mm(-6600.0, 6600.0), unit(0.0, 1.0);
  std::uniform_int_distribution<int64_t> units(-2200000000, 2200000000);
  std::uniform_int_distribution<int> digits(0, 7);
  const TDecimal one{TBigUInt(1), 0};
  const TDecimal per_mm = exact::FromDouble(0.0254);
  int near_ties = 0;
  for (int i = 0; i < 50000; ++i) {
    // Uniform reals, short decimals as people type them, and exact halves of a unit.
    const double typed = static_cast<double>(units(random)) / std::pow(10.0, digits(random) + 4);
    const double half = (static_cast<double>(units(random) / 1000) + 0.5) / 10000.0;
    // Typed decimals with a 5 one place beyond a unit are ties only until they become doubles, and
    // the product may then round onto the half; uniform reals almost never come that close.
    int typed_near_ties = 0;
    for (double x : {mils(random), unit(random) / 1000.0}) CheckNearest(x, CoordFromMils(x), one, near_ties);
    for (double x : {typed, half}) CheckNearest(x, CoordFromMils(x), one, typed_near_ties);
    for (double x : {mm(random), unit(random) / 10000.0}) CheckNearest(x, CoordFromMillimetres(x), per_mm, near_ties);
    CheckNearest(typed / 40.0, CoordFromMillimetres(typed / 40.0), per_mm, typed_near_ties);
    if (HasFatalFailure()) return;
  }
  EXPECT_LT(near_ties, 5);
}

#if defined(_WIN32) && defined(__i386__)
// The x87 unit's precision is whatever the host process set (64 bits by default here, 53 in many
// hosts); the results must be the same either way.
TEST(CoordExact, ResultsDoNotDependOnTheX87Precision) {
  std::mt19937_64 random(3);
  std::uniform_int_distribution<int32_t> coord(INT32_MIN, INT32_MAX);
  std::uniform_real_distribution<double> mm(-6000.0, 6000.0);
  std::vector<TCoord> coords(50000);
  std::vector<double> lengths(50000);
  for (auto& c : coords) c = coord(random);
  for (auto& x : lengths) x = mm(random);
  auto results = [&] {
    std::vector<double> r;
    for (TCoord c : coords) {
      r.push_back(MillimetresFromCoord(c, 5));
      r.push_back(MilsFromCoord(c, 3));
    }
    for (double x : lengths) {
      r.push_back(CoordFromMillimetres(x));
      r.push_back(CoordFromMils(x * 40));
    }
    return r;
  };
  const unsigned int saved = _controlfp(0, 0);
  auto restore = OnScopeExit([saved] { _controlfp(saved, _MCW_PC); });
  _controlfp(_PC_53, _MCW_PC);
  const std::vector<double> at_double = results();
  _controlfp(_PC_64, _MCW_PC);
  const std::vector<double> at_extended = results();
  size_t differing = 0;
  for (size_t i = 0; i < at_double.size(); ++i) differing += at_double[i] != at_extended[i];
  EXPECT_EQ(differing, 0u);
}
#endif

}  // namespace
