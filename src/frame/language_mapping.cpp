#include "frame/language_mapping.h"

#include <cstdint>

namespace {
std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}
}  // namespace

bool ParseMappingInteger(std::string_view text, uint32_t& value) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return false;
  int64_t number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    number = number * 10 + (c - '0');
    if (number > INT64_C(0xFFFFFFFF)) return false;
  }
  if (negative) {
    if (number > INT64_C(0x80000000)) return false;
    number = -number;
  }
  value = static_cast<uint32_t>(number);
  return true;
}

void TLanguageMapping::Parse(std::string_view text) {
  pairs_.clear();
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    uint32_t from = 0, to = 0;
    if (ParseMappingInteger(line.substr(0, equals), from) &&
        ParseMappingInteger(line.substr(equals + 1), to))
      pairs_.emplace_back(from, to);
  }
}

uint32_t TLanguageMapping::Map(uint32_t identifier) const {
  for (const auto& [from, to] : pairs_)
    if (from == identifier) return to;
  return identifier;
}
