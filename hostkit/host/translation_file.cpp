#include "translation_file.h"

#include <cstdint>
#include <vector>

namespace {

[[noreturn]] void Fail(const std::string& source, int line, const std::string& what) {
  throw ETranslationFileError(source + ":" + std::to_string(line) + ": " + what);
}

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring_view Trim(std::wstring_view s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && (IsSpace(s.back()) || s.back() == L'\r')) s.remove_suffix(1);
  return s;
}

bool IsIdent(wchar_t c, bool first) {
  return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_' || (!first && c >= L'0' && c <= L'9');
}

// A text in single quotes with '' for a quote, starting at pos; pos moves past it.
bool ReadQuoted(std::wstring_view s, size_t& pos, std::wstring& out) {
  if (pos >= s.size() || s[pos] != L'\'') return false;
  out.clear();
  for (size_t i = pos + 1; i < s.size(); ++i) {
    if (s[i] != L'\'') {
      out += s[i];
      continue;
    }
    if (i + 1 < s.size() && s[i + 1] == L'\'') {
      out += L'\'';
      ++i;
      continue;
    }
    pos = i + 1;
    return true;
  }
  return false;
}

void SkipSpaces(std::wstring_view s, size_t& pos) {
  while (pos < s.size() && IsSpace(s[pos])) ++pos;
}

std::string Narrow(std::wstring_view s) {
  std::string out;
  for (wchar_t c : s) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

}  // namespace

std::wstring DecodeUtf8(std::string_view text) {
  std::wstring out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    auto byte = static_cast<uint8_t>(text[i]);
    uint32_t code;
    int extra;
    if (byte < 0x80) { code = byte; extra = 0; }
    else if ((byte & 0xE0) == 0xC0) { code = byte & 0x1F; extra = 1; }
    else if ((byte & 0xF0) == 0xE0) { code = byte & 0x0F; extra = 2; }
    else if ((byte & 0xF8) == 0xF0) { code = byte & 0x07; extra = 3; }
    else throw ETranslationFileError("not UTF-8 at byte " + std::to_string(i));
    if (text.size() - i <= static_cast<size_t>(extra))
      throw ETranslationFileError("not UTF-8 at byte " + std::to_string(i));
    for (int k = 1; k <= extra; ++k) {
      auto next = static_cast<uint8_t>(text[i + k]);
      if ((next & 0xC0) != 0x80) throw ETranslationFileError("not UTF-8 at byte " + std::to_string(i));
      code = code << 6 | (next & 0x3F);
    }
    static constexpr uint32_t min[] = {0, 0x80, 0x800, 0x10000};
    if (code < min[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
      throw ETranslationFileError("not UTF-8 at byte " + std::to_string(i));
    if (code >= 0x10000) {
      code -= 0x10000;
      out += static_cast<wchar_t>(0xD800 + (code >> 10));
      out += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
    } else {
      out += static_cast<wchar_t>(code);
    }
    i += 1 + extra;
  }
  return out;
}

TTranslationFile TTranslationFile::Parse(std::string_view utf8, const std::string& source) {
  if (utf8.substr(0, 3) == "\xEF\xBB\xBF") utf8.remove_prefix(3);
  std::wstring text;
  try {
    text = DecodeUtf8(utf8);
  } catch (const ETranslationFileError& e) {
    throw ETranslationFileError(source + ": " + e.what());
  }
  TTranslationFile file;
  std::map<std::wstring, std::wstring, std::less<>>* section = nullptr;
  int line_no = 0;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    std::wstring_view line = Trim(std::wstring_view(text).substr(start, end - start));
    start = end + 1;
    ++line_no;
    if (line.empty() || line.front() == L'#' || line.front() == L';') continue;

    if (line.front() == L'[') {
      if (line.back() != L']') Fail(source, line_no, "a section line ends with ]");
      std::wstring_view name = Trim(line.substr(1, line.size() - 2));
      if (name.empty()) Fail(source, line_no, "a section needs a name");
      section = &file.sections_[std::wstring(name)];
      continue;
    }

    size_t pos = 0;
    if (!IsIdent(line[0], true)) Fail(source, line_no, "expected  Property.'text' = 'translation'");
    while (pos < line.size() && IsIdent(line[pos], pos == 0)) ++pos;
    std::wstring property(line.substr(0, pos));
    SkipSpaces(line, pos);
    if (pos < line.size() && line[pos] == L':' && !section && property == L"language") {
      file.language_ = std::wstring(Trim(line.substr(pos + 1)));
      continue;
    }
    if (pos >= line.size() || line[pos] != L'.') Fail(source, line_no, "expected . after the property name");
    ++pos;
    std::wstring designed, translation;
    if (!ReadQuoted(line, pos, designed)) Fail(source, line_no, "the designed text needs closing quotes");
    SkipSpaces(line, pos);
    if (pos >= line.size() || line[pos] != L'=') Fail(source, line_no, "expected = after the designed text");
    ++pos;
    SkipSpaces(line, pos);
    if (!ReadQuoted(line, pos, translation)) Fail(source, line_no, "the translation needs quotes around it");
    SkipSpaces(line, pos);
    if (pos != line.size()) Fail(source, line_no, "unexpected text after the translation");
    if (!section) Fail(source, line_no, "a translation before the first [section]");

    // The key as the plug-in builds it: property, ".", the text quoted with its quotes doubled.
    std::wstring key = property + L".'";
    for (wchar_t c : designed) {
      if (c == L'\'') key += L'\'';
      key += c;
    }
    key += L'\'';
    if (!section->emplace(key, translation).second)
      Fail(source, line_no, "the text " + Narrow(key) + " is translated twice in this section");
  }
  return file;
}

const std::wstring* TTranslationFile::Find(std::wstring_view section, std::wstring_view key) const {
  auto s = sections_.find(section);
  if (s == sections_.end()) return nullptr;
  auto k = s->second.find(key);
  return k == s->second.end() ? nullptr : &k->second;
}

const std::wstring* TTranslationFile::Lookup(std::wstring_view form, std::wstring_view context,
                                             std::wstring_view key) const {
  if (!form.empty() && !context.empty()) {
    std::wstring qualified = std::wstring(form) + L"." + std::wstring(context);
    if (const std::wstring* t = Find(qualified, key)) return t;
  }
  if (!context.empty())
    if (const std::wstring* t = Find(context, key)) return t;
  return Find(L"*", key);
}

size_t TTranslationFile::Count() const {
  size_t n = 0;
  for (const auto& s : sections_) n += s.second.size();
  return n;
}
