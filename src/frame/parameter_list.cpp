#include "frame/parameter_list.h"

#include <cstring>

#include "base/ascii.h"

namespace {

// Bytes are compared as unsigned: 8-bit text above 127 is ordinary text, never "control".
std::string_view TrimCodesUpTo(std::string_view text, unsigned char last) {
  auto is_trimmed = [last](char c) { return static_cast<unsigned char>(c) <= last; };
  while (!text.empty() && is_trimmed(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_trimmed(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view TrimBlanksAndControls(std::string_view text) { return TrimCodesUpTo(text, 32); }
std::string_view TrimControls(std::string_view text) { return TrimCodesUpTo(text, 31); }

}  // namespace

TParameter* TParameterList::Items(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return items_[static_cast<size_t>(index)].get();
}

void TParameterList::Clear() { items_.clear(); }

void TParameterList::SetText(const char* text) { SetText(text ? std::string_view(text) : std::string_view()); }

void TParameterList::SetText(std::string_view text) {
  Clear();
  text = text.substr(0, text.find('\0'));
  size_t item_start = 0;
  size_t value_start = 0;
  bool in_value = false;
  std::string_view name;
  // One pass; the end of the text acts as the terminating NUL.
  for (size_t i = 0; i <= text.size(); ++i) {
    const bool at_end = i == text.size();
    const char c = at_end ? '\0' : text[i];
    if (!in_value && c == '=') {
      name = text.substr(item_start, i - item_start);
      value_start = i + 1;
      in_value = true;
    } else if (at_end || c == '|') {
      if (in_value) Add(name, text.substr(value_start, i - value_start));
      item_start = i + 1;
      in_value = false;
    }
  }
}

void TParameterList::Add(std::string_view name, std::string_view value) {
  name = TrimBlanksAndControls(name);
  if (name.empty()) return;
  items_.push_back(std::make_unique<TParameter>(std::string(name), std::string(TrimBlanksAndControls(value))));
}

TParameter* TParameterList::Find(std::string_view name) const {
  const std::string_view wanted = TrimControls(name);
  for (const auto& p : items_) {
    if (AsciiIequals(TrimControls(p->Name), wanted)) return p.get();
  }
  return nullptr;
}

std::string TParameterList::Text() const {
  std::string text;
  for (size_t i = 0; i < items_.size(); ++i) {
    if (i > 0) text += '|';
    text += items_[i]->Name;
    text += '=';
    text += items_[i]->Value.empty() ? std::string_view(" ") : std::string_view(items_[i]->Value);
  }
  return text;
}

bool TParameterList::GetText(char* buffer, int32_t size) const {
  if (!buffer || size <= 0) return false;
  const std::string text = Text();
  if (text.size() >= static_cast<size_t>(size)) return false;
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  return true;
}

bool SetParameter(char* buffer, int32_t size, std::string_view name, std::string_view value) {
  if (!buffer || size <= 0) return false;
  // The text has no quoting: a "|" would start another item and a NUL end the text, so such a
  // parameter could not be read back as given (and could smuggle in other parameters).
  if (name.find_first_of(std::string_view("=|\0", 3)) != std::string_view::npos ||
      value.find_first_of(std::string_view("|\0", 2)) != std::string_view::npos) {
    return false;
  }
  TParameterList list;
  // A buffer without a NUL inside its size is read up to its end, never beyond.
  const void* nul = std::memchr(buffer, '\0', static_cast<size_t>(size));
  const size_t length = nul ? static_cast<size_t>(static_cast<const char*>(nul) - buffer) : static_cast<size_t>(size);
  list.SetText(std::string_view(buffer, length));
  if (TParameter* found = list.Find(name)) {
    found->Value = std::string(TrimBlanksAndControls(value));
  } else {
    list.Add(name, value);
  }
  return list.GetText(buffer, size);
}

char* AllocParameterBuffer(int32_t size) {
  if (size <= 0) return nullptr;
  char* buffer = new char[static_cast<size_t>(size)];
  buffer[0] = '\0';
  return buffer;
}

void FreeParameterBuffer(char* buffer, int32_t size) {
  if (!buffer || size <= 0) return;
  delete[] buffer;
}
