#pragma once
// The optional table that replaces one system locale identifier by another when the plug-in picks
// its language folder. Read from the text of "LanguageMappings.dat": one "identifier=replacement"
// pair of decimal integers per line; lines where either side is not an integer are skipped. Pure.

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

class TLanguageMapping {
 public:
  void Parse(std::string_view text);
  // The replacement of the first line whose left side is the identifier; the identifier itself
  // when no line matches.
  uint32_t Map(uint32_t identifier) const;
  int Count() const { return static_cast<int>(pairs_.size()); }

 private:
  std::vector<std::pair<uint32_t, uint32_t>> pairs_;
};

// A decimal integer that fits 32 bits, blanks around it allowed, an optional sign; false otherwise.
bool ParseMappingInteger(std::string_view text, uint32_t& value);
