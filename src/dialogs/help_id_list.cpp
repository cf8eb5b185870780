#include "dialogs/help_id_list.h"

#include <algorithm>

#include "base/ascii.h"

void THelpIdList::Add(std::string_view key, int32_t value) { items_.push_back({std::string(key), value}); }

void THelpIdList::Sort() {
  std::stable_sort(items_.begin(), items_.end(),
                   [](const TItem& a, const TItem& b) { return AsciiIcompare(a.key, b.key) < 0; });
}

std::optional<int32_t> THelpIdList::Find(std::string_view key) const {
  auto it = std::lower_bound(items_.begin(), items_.end(), key, [](const TItem& item, std::string_view k) {
    return AsciiIcompare(item.key, k) < 0;
  });
  if (it == items_.end() || AsciiIcompare(it->key, key) != 0) return std::nullopt;
  return it->value;
}
