// A property name, a designed text and its translation from arbitrary bytes: written as a
// translation file line, the file reads back and the key the plug-in builds for that property and
// text finds the translation. Both sides must quote the text the same way.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "dialogs/translation_key.h"
#include "hostkit/host/translation_file.h"

namespace {

bool IsPropertyName(const std::string& name) {
  if (name.empty()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    if (!letter && !(i > 0 && c >= '0' && c <= '9')) return false;
  }
  return true;
}

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) {
    if (c == '\'') out += '\'';
    out += c;
  }
  return out + "'";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string property = input.ConsumeRandomLengthString();
  const std::string designed = input.ConsumeRandomLengthString();
  const std::string translation = input.ConsumeRemainingBytesAsString();
  if (!IsPropertyName(property)) return 0;
  if (designed.find('\n') != std::string::npos || translation.find('\n') != std::string::npos) return 0;
  std::wstring designed_wide, translation_wide;
  try {
    designed_wide = DecodeUtf8(designed);
    translation_wide = DecodeUtf8(translation);
  } catch (const ETranslationFileError&) {
    return 0;
  }
  const std::string text = "[Form.Context]\n" + property + "." + Quoted(designed) + " = " +
                           Quoted(translation) + "\n";
  try {
    const TTranslationFile file = TTranslationFile::Parse(text, "fuzz.translation");
    const std::wstring* found = file.Lookup(L"Form", L"Context", TranslationKey(property, designed_wide));
    if (!found || *found != translation_wide || file.Count() != 1) std::abort();
  } catch (const ETranslationFileError&) {
    std::abort();
  }
  return 0;
}
