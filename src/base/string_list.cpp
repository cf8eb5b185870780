#include "base/string_list.h"

#include "base/ascii.h"
#include "base/exceptions.h"

void ThrowListIndexError(int index) {
  throw Exception("List index out of bounds (" + std::to_string(index) + ")");
}

int TStrings::IndexOf(std::string_view text) const {
  for (int i = 0, n = Count(); i < n; ++i)
    if (AsciiIequals(Get(i), text)) return i;
  return -1;
}

std::string TStrings::Text() const {
  std::string result;
  for (int i = 0, n = Count(); i < n; ++i) result += Get(i) + "\r\n";
  return result;
}

void TStrings::Assign(const TStrings& source) {
  Clear();
  for (int i = 0, n = source.Count(); i < n; ++i) AddObject(source.Get(i), source.GetObject(i));
}

const TStringList::TItem& TStringList::at(int index) const {
  if (index < 0 || index >= Count()) ThrowListIndexError(index);
  return items_[static_cast<size_t>(index)];
}

std::string TStringList::Get(int index) const { return at(index).text; }
TObject* TStringList::GetObject(int index) const { return at(index).object; }

void TStringList::Put(int index, std::string_view text) {
  at(index);
  items_[static_cast<size_t>(index)].text = std::string(text);
}

void TStringList::PutObject(int index, TObject* object) {
  at(index);
  items_[static_cast<size_t>(index)].object = object;
}

int TStringList::AddObject(std::string_view text, TObject* object) {
  items_.push_back({std::string(text), object});
  return Count() - 1;
}

void TStringList::Delete(int index) {
  at(index);
  items_.erase(items_.begin() + index);
}

void TStringList::Exchange(int a, int b) {
  at(a);
  at(b);
  std::swap(items_[static_cast<size_t>(a)], items_[static_cast<size_t>(b)]);
}
