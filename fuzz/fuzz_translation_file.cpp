// Arbitrary bytes as a host kit translation file: the reader gives the translations or refuses
// naming the file (and the line, past the UTF-8 check), and never faults.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "hostkit/host/translation_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  size_t lines = 1;
  for (char c : text) lines += c == '\n';
  try {
    const TTranslationFile file = TTranslationFile::Parse(text, "fuzz.translation");
    if (file.Count() > lines) std::abort();
    // Lookups of what is most likely there, and of nothing, answer without a fault.
    file.Lookup(L"HoleSizeEditor", L"OKButton", L"Caption.'OK'");
    file.Lookup(L"", L"", L"");
  } catch (const ETranslationFileError& e) {
    if (std::string_view(e.what()).rfind("fuzz.translation:", 0) != 0) std::abort();
  }
  return 0;
}
