#pragma once
// A translation file of the host kit (docs/translation-file.md): UTF-8 text with sections named
// after a form, a form's component or "*", each holding lines  Property.'designed text' = 'translation'.
// Plain C++ without Windows headers, so it is tested natively.

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

class ETranslationFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TTranslationFile {
 public:
  // Reads a whole file's text; source names it in errors ("de.translation:12: …").
  static TTranslationFile Parse(std::string_view utf8, const std::string& source);

  // The translation of a key in a section, or nullptr.
  const std::wstring* Find(std::wstring_view section, std::wstring_view key) const;
  // What the form's translation manager answers: the section "Form.Context" first, then
  // "Context" alone, then "*" (texts every form shares).
  const std::wstring* Lookup(std::wstring_view form, std::wstring_view context, std::wstring_view key) const;

  size_t Count() const;
  // The "language" line's value ("Deutsch"); empty when the file has none.
  const std::wstring& Language() const { return language_; }

 private:
  std::map<std::wstring, std::map<std::wstring, std::wstring, std::less<>>, std::less<>> sections_;
  std::wstring language_;
};

// UTF-8 to UTF-16; throws ETranslationFileError at the first malformed sequence.
std::wstring DecodeUtf8(std::string_view text);
