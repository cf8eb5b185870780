#pragma once
// Lengths of KiCad files: decimal millimetres, read exactly to the picometre. One internal unit of
// the host (10000 per mil, 1 mm = 10000/0.0254 units) is exactly 2540 pm, so a length converts to
// units by one integer division, rounded to nearest (halves away from zero).

#include <cstdint>
#include <optional>
#include <string_view>

inline constexpr int64_t kPicometresPerUnit = 2540;
inline constexpr int64_t kPicometresPerMillimetre = 1000000000;
// The largest length a file may give: 10 m, far beyond any board and far within 64 bits.
inline constexpr int64_t kMaxKicadPicometres = 10000 * kPicometresPerMillimetre;

enum class TLengthError : uint8_t { eNone, eSyntax, eRange };

// A decimal number of millimetres ("-12.7", "0.2997", "3") in picometres; digits past the
// picometre round to nearest. Exponents, "inf", "nan", hex and empty fractions ("1.") are syntax
// errors; magnitudes beyond kMaxKicadPicometres are range errors.
TLengthError ParseMillimetres(std::string_view text, int64_t* picometres);

// The internal units of a length, rounded to nearest; nothing when it does not fit 32 bits.
std::optional<int32_t> UnitsFromPicometres(int64_t picometres);
