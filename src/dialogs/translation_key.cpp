#include "dialogs/translation_key.h"

std::wstring TranslationKey(std::wstring_view property, std::wstring_view text) {
  std::wstring key;
  key.reserve(property.size() + text.size() + 3);
  key.append(property);
  key += L'.';
  key += L'\'';
  for (wchar_t c : text) {
    if (c == L'\'') key += L'\'';
    key += c;
  }
  key += L'\'';
  return key;
}

// Property names are identifiers, so ASCII widens character by character.
std::wstring TranslationKey(std::string_view property, std::wstring_view text) {
  return TranslationKey(std::wstring(property.begin(), property.end()), text);
}

std::wstring FormContextName(std::string_view class_name) {
  if (class_name.empty()) return std::wstring();
  return std::wstring(class_name.begin() + 1, class_name.end());
}
