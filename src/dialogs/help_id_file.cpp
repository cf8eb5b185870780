#include "dialogs/help_id_file.h"

#include <cstdint>

void ReadHelpIds(std::string_view text, THelpIdList& ids, TStrings& aliases) {
  ids.Clear();
  aliases.Clear();
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end;
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;

    size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    std::string_view key = line.substr(0, equals);
    std::string_view value = line.substr(equals + 1);
    size_t comma = value.find(',');
    if (comma == std::string_view::npos) {
      ids.Add(key, HelpContextOf(value));
    } else {
      int index = aliases.Add(value.substr(comma + 1));
      ids.Add(key, -(index + 1));
    }
  }
  if (!ids.Empty()) ids.Sort();
}

int32_t HelpContextOf(std::string_view value) {
  size_t i = 0;
  bool negative = false;
  if (i < value.size() && (value[i] == '+' || value[i] == '-')) negative = value[i++] == '-';
  if (i == value.size()) return 0;
  int64_t number = 0;
  for (; i < value.size(); ++i) {
    if (value[i] < '0' || value[i] > '9') return 0;
    number = number * 10 + (value[i] - '0');
    if (number > INT32_MAX) return 0;
  }
  return negative ? 0 : static_cast<int32_t>(number);
}

std::wstring WithExtension(const std::wstring& path, std::wstring_view extension) {
  size_t slash = path.find_last_of(L"\\/:");
  size_t dot = path.rfind(L'.');
  std::wstring stem =
      dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash) ? path.substr(0, dot) : path;
  return stem + std::wstring(extension);
}

std::wstring HelpIdFileOf(const std::wstring& help_file) { return WithExtension(help_file, L".id"); }
