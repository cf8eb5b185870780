// Arbitrary bytes as "LanguageMappings.dat": reading never faults, keeps at most one pair per line,
// reading the same text again gives the same table, and every identifier an integer reads as
// reads back the same from its own decimal text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "frame/language_mapping.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  int lines = 1;
  for (char c : text) lines += c == '\n';
  TLanguageMapping mapping;
  mapping.Parse(text);
  if (mapping.Count() > lines) std::abort();
  const int count = mapping.Count();
  mapping.Parse(text);
  if (mapping.Count() != count) std::abort();
  uint32_t value = 0;
  if (ParseMappingInteger(text, value)) {
    uint32_t again = 0;
    if (!ParseMappingInteger(std::to_string(value), again) || again != value) std::abort();
  }
  // Without a line for it an identifier maps to itself, whatever else the table holds.
  if (mapping.Map(1033) != 1033 && text.find('=') == std::string_view::npos) std::abort();
  return 0;
}
