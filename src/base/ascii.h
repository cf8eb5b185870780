#pragma once
// Case rules that touch only the ASCII letters A to Z and a to z, whatever the system locale.

#include <string>
#include <string_view>

constexpr char ascii_upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }
constexpr char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
constexpr bool ascii_is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
constexpr bool ascii_is_digit(char c) { return c >= '0' && c <= '9'; }

std::string ascii_to_upper(std::string_view text);
std::string ascii_to_lower(std::string_view text);
bool ascii_iequals(std::string_view a, std::string_view b);
// <0, 0, >0 like strcmp, after mapping a-z onto A-Z.
int ascii_icompare(std::string_view a, std::string_view b);
