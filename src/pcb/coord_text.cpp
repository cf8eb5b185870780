// Same arithmetic as coord.cpp (see there): the texts must not depend on the x87 unit's precision.
#if defined(__i386__) && defined(__GNUC__) && !defined(__clang__)
#pragma GCC target("sse2", "fpmath=sse")
#endif

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

#include "base/ascii.h"
#include "pcb/coord.h"

namespace {

constexpr int kMaxFixedDecimals = 64;
constexpr int kSignificantDigits = 18;
// Sign, up to 309 integral digits of a double, the point, the decimals and room for a unit suffix.
constexpr size_t kFixedCapacity = 1 + 309 + 1 + kMaxFixedDecimals + 8;

size_t CopyText(char* out, std::string_view text) {
  std::memcpy(out, text.data(), text.size());
  return text.size();
}

// The decimal digits of |x| correctly rounded to 18 significant digits, ties to even, as
// 0.d1d2…d18 × 10^point. std::to_chars does the exact binary-to-decimal step the same way on every
// platform, which the C library's printf does not.
int SignificantDigits(double magnitude, char (&digits)[kSignificantDigits]) {
  char sci[40];
  const auto result =
      std::to_chars(sci, sci + sizeof sci, magnitude, std::chars_format::scientific, kSignificantDigits - 1);
  // "d.ddddddddddddddddde±XX"
  digits[0] = sci[0];
  std::memcpy(digits + 1, sci + 2, kSignificantDigits - 1);
  const char* e = sci + 1 + kSignificantDigits;
  int exponent = 0;
  std::from_chars(e + 1 + (e[1] == '+'), result.ptr, exponent);
  return exponent + 1;
}

// FormatFixed into a buffer of kFixedCapacity bytes; returns the length.
size_t FormatFixed(char* out, double x, int d) {
  d = std::clamp(d, 0, kMaxFixedDecimals);
  if (std::isnan(x)) return CopyText(out, "NAN");
  if (std::isinf(x)) return CopyText(out, x < 0 ? "-INF" : "INF");

  char digits[kSignificantDigits];
  const int point = SignificantDigits(std::fabs(x), digits);

  // The value as a count of 10^-d units: the digits standing before the (d+1)-th decimal, then one
  // more unit when that decimal is 5 or more (half away from zero, since the sign comes last).
  char units[kFixedCapacity];
  int count = 0;
  const int keep = point + d;
  bool round_up;
  if (keep <= 0) {
    round_up = keep == 0 && digits[0] >= '5';
  } else {
    for (; count < keep; ++count) units[count] = count < kSignificantDigits ? digits[count] : '0';
    round_up = keep < kSignificantDigits && digits[keep] >= '5';
  }
  if (round_up) {
    int i = count - 1;
    while (i >= 0 && units[i] == '9') units[i--] = '0';
    if (i >= 0) {
      ++units[i];
    } else {
      std::memmove(units + 1, units, static_cast<size_t>(count));
      units[0] = '1';
      ++count;
    }
  }

  size_t n = 0;
  // A value that shows as zero gets no sign, so -0.0 and -0.0001 at 3 decimals read "0.000".
  if (std::signbit(x) && std::any_of(units, units + count, [](char c) { return c != '0'; })) out[n++] = '-';
  const int integral_digits = count - d;
  if (integral_digits > 0) {
    std::memcpy(out + n, units, static_cast<size_t>(integral_digits));
    n += static_cast<size_t>(integral_digits);
  } else {
    out[n++] = '0';
  }
  if (d > 0) {
    out[n++] = '.';
    for (int i = integral_digits; i < 0; ++i) out[n++] = '0';
    const int from = std::max(integral_digits, 0);
    std::memcpy(out + n, units + from, static_cast<size_t>(count - from));
    n += static_cast<size_t>(count - from);
  }
  return n;
}

size_t StripTrailingZeros(const char* text, size_t n) {
  // Only the zeros of a fraction can go; "100" stays "100".
  if (!std::memchr(text, '.', n)) return n;
  while (n > 0 && text[n - 1] == '0') --n;
  if (n > 0 && text[n - 1] == '.') --n;
  return n;
}

size_t MatchText(char* out, TCoord c, bool imperial) {
  size_t n;
  if (imperial) {
    n = StripTrailingZeros(out, FormatFixed(out, MilsFromCoord(c, 3), 3));
    return n + CopyText(out + n, "mil");
  }
  n = StripTrailingZeros(out, FormatFixed(out, MillimetresFromCoord(c, 5), 4));
  return n + CopyText(out + n, "mm");
}

size_t FindIgnoringCase(std::string_view text, std::string_view upper_word) {
  if (text.size() < upper_word.size()) return std::string_view::npos;
  for (size_t i = 0; i + upper_word.size() <= text.size(); ++i) {
    size_t k = 0;
    while (k < upper_word.size() && AsciiUpper(text[i + k]) == upper_word[k]) ++k;
    if (k == upper_word.size()) return i;
  }
  return std::string_view::npos;
}

// The value of the longest leading part of the form [+|-]digits[.digits][(e|E)[+|-]digits], whose
// mantissa has a digit before or after its point (".5" and "5." count); 0 when there is none.
double ReadDecimal(std::string_view s) {
  size_t i = 0;
  const bool negative = i < s.size() && s[i] == '-';
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  const size_t mantissa = i;
  size_t mantissa_digits = 0;
  size_t fraction_digits = 0;
  int magnitude = 0;  // decimal exponent of the first non-zero digit, for out-of-range values
  bool seen_point = false, seen_nonzero = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '.' && !seen_point) {
      seen_point = true;
      continue;
    }
    if (!AsciiIsDigit(c)) break;
    ++mantissa_digits;
    if (!seen_point) {
      if (seen_nonzero) {
        ++magnitude;
      } else if (c != '0') {
        seen_nonzero = true;
      }
    } else {
      ++fraction_digits;
      if (!seen_nonzero && c != '0') {
        seen_nonzero = true;
        magnitude = -static_cast<int>(fraction_digits);
      }
    }
  }
  if (mantissa_digits == 0 || !seen_nonzero) return negative ? -0.0 : 0.0;
  int exponent = 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    const bool exponent_negative = j < s.size() && s[j] == '-';
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && AsciiIsDigit(s[j])) {
      for (; j < s.size() && AsciiIsDigit(s[j]); ++j) exponent = std::min(exponent * 10 + (s[j] - '0'), 100000);
      if (exponent_negative) exponent = -exponent;
      i = j;
    }
  }
  double value = 0;
  const auto result = std::from_chars(s.data() + mantissa, s.data() + i, value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    value = magnitude + exponent >= 0 ? HUGE_VAL : 0.0;
  } else if (result.ec != std::errc()) {
    value = 0;
  }
  return negative ? -value : value;
}

}  // namespace

std::string FormatFixed(double x, int d) {
  char text[kFixedCapacity];
  return std::string(text, FormatFixed(text, x, d));
}

std::string StripTrailingZeros(std::string_view text) {
  return std::string(text.substr(0, StripTrailingZeros(text.data(), text.size())));
}

std::string FormatCoordWithUnit(TCoord c, TUnit unit) {
  char text[kFixedCapacity];
  size_t n;
  if (unit == eImperial) {
    const int digits = MilFractionalDigits();
    n = StripTrailingZeros(text, FormatFixed(text, MilsFromCoord(c, digits), digits));
    n += CopyText(text + n, "mil");
  } else {
    const int digits = MmFractionalDigits();
    n = StripTrailingZeros(text, FormatFixed(text, MillimetresFromCoord(c, digits), digits));
    n += CopyText(text + n, "mm");
  }
  return std::string(text, n);
}

std::string FormatCoordForMatch(TCoord c, bool imperial) {
  char text[kFixedCapacity];
  return std::string(text, MatchText(text, c, imperial));
}

bool SameCoordText(TCoord a, TCoord b, bool imperial) {
  if (a == b) return true;
  char text_a[kFixedCapacity], text_b[kFixedCapacity];
  const size_t n = MatchText(text_a, a, imperial);
  return n == MatchText(text_b, b, imperial) &&
         AsciiIequals(std::string_view(text_a, n), std::string_view(text_b, n));
}

std::string_view SplitUnitSuffix(std::string_view text, TUnit& unit) {
  // "MM" first: "0.5MMIL" is metric.
  if (size_t at = FindIgnoringCase(text, "MM"); at != std::string_view::npos) {
    unit = eMetric;
    return text.substr(0, at);
  }
  if (size_t at = FindIgnoringCase(text, "MIL"); at != std::string_view::npos) {
    unit = eImperial;
    return text.substr(0, at);
  }
  return text;
}

TCoord ParseCoordWithUnit(std::string_view text, TUnit& unit) {
  std::string compact;
  compact.reserve(text.size());
  for (char c : text) {
    if (c != ' ') compact += c;
  }
  if (compact.empty() || AsciiIsLetter(compact.front())) return 0;
  TUnit named = unit;
  const double number = ReadDecimal(SplitUnitSuffix(compact, named));
  if (named == eImperial) {
    unit = eImperial;
    return CoordFromMils(number);
  }
  unit = eMetric;
  return CoordFromMillimetres(number);
}
