#pragma once
// Case rules that touch only the ASCII letters A to Z and a to z, whatever the system locale.

#include <string>
#include <string_view>

constexpr char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }
constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
constexpr bool AsciiIsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
constexpr bool AsciiIsDigit(char c) { return c >= '0' && c <= '9'; }

std::string AsciiToUpper(std::string_view text);
std::string AsciiToLower(std::string_view text);
bool AsciiIequals(std::string_view a, std::string_view b);
// <0, 0, >0 like strcmp, after mapping a-z onto A-Z.
int AsciiIcompare(std::string_view a, std::string_view b);
