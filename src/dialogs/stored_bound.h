#pragma once
// The text form of a stored dialog bound. Bounds are kept as 32-bit integers in the registry; a
// value that someone stored as text is read as a decimal number and written back as text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The decimal number the text holds (an optional sign, digits, blanks around), or nothing when
// it holds anything else or a number outside the 32-bit range.
std::optional<int32_t> ParseStoredBound(std::string_view text);
std::string FormatStoredBound(int32_t value);
