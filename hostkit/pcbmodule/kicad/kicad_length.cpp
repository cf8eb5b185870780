#include "kicad_length.h"

TLengthError ParseMillimetres(std::string_view text, int64_t* picometres) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  const size_t int_start = i;
  int64_t whole = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    whole = whole * 10 + (text[i] - '0');
    if (whole > kMaxKicadPicometres / kPicometresPerMillimetre) {
      // Still check the rest is a number, so that garbage is not called out of range.
      while (i < text.size() && ((text[i] >= '0' && text[i] <= '9') || text[i] == '.')) ++i;
      return i == text.size() ? TLengthError::eRange : TLengthError::eSyntax;
    }
    ++i;
  }
  const bool has_int = i > int_start;
  int64_t fraction = 0;  // picometres of the fractional part
  bool round_up = false;
  if (i < text.size() && text[i] == '.') {
    ++i;
    const size_t frac_start = i;
    int64_t scale = kPicometresPerMillimetre / 10;
    int first_dropped = -1;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      const int digit = text[i] - '0';
      if (scale > 0) {
        fraction += digit * scale;
        scale /= 10;
      } else if (first_dropped < 0) {
        first_dropped = digit;
      }
      ++i;
    }
    if (i == frac_start) return TLengthError::eSyntax;
    // Halves of a picometre round away from zero, as the unit conversion does.
    round_up = first_dropped >= 5;
  } else if (!has_int) {
    return TLengthError::eSyntax;
  }
  if (i != text.size()) return TLengthError::eSyntax;
  int64_t value = whole * kPicometresPerMillimetre + fraction + (round_up ? 1 : 0);
  if (value > kMaxKicadPicometres) return TLengthError::eRange;
  *picometres = negative ? -value : value;
  return TLengthError::eNone;
}

std::optional<int32_t> UnitsFromPicometres(int64_t picometres) {
  const int64_t magnitude = picometres < 0 ? -picometres : picometres;
  int64_t units = magnitude / kPicometresPerUnit;
  if ((magnitude % kPicometresPerUnit) * 2 >= kPicometresPerUnit) ++units;
  if (picometres < 0) units = -units;
  if (units < INT32_MIN || units > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(units);
}
