#pragma once
// The keys of one help file's ID file, each with an integer: a help context (0 or more) or, for a key
// whose topic lives in another help file, -(i + 1) where i is the index of its alias text in the
// alias list read beside it. Looked up after Sort(), ASCII letter case ignored; of equal keys the one
// read first wins.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class THelpIdList {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  bool Empty() const { return items_.empty(); }
  void Add(std::string_view key, int32_t value);
  void Clear() { items_.clear(); }
  void Sort();
  // The key's value; nothing when it is not in the list. The list must be sorted.
  std::optional<int32_t> Find(std::string_view key) const;

  const std::string& Key(int index) const { return items_.at(static_cast<size_t>(index)).key; }
  int32_t Value(int index) const { return items_.at(static_cast<size_t>(index)).value; }

 private:
  struct TItem {
    std::string key;
    int32_t value;
  };
  std::vector<TItem> items_;
};
