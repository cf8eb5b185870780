#include "dialogs/help_id_list.h"

#include <algorithm>

#include "base/ascii.h"

void THelpIdList::Add(std::string_view key, int32_t value) { items_.push_back({std::string(key), value}); }

void THelpIdList::Sort() {
  std::stable_sort(items_.begin(), items_.end(),
                   [](const Item& a, const Item& b) { return ascii_icompare(a.key, b.key) < 0; });
}

std::optional<int32_t> THelpIdList::Find(std::string_view key) const {
  auto it = std::lower_bound(items_.begin(), items_.end(), key, [](const Item& item, std::string_view k) {
    return ascii_icompare(item.key, k) < 0;
  });
  if (it == items_.end() || ascii_icompare(it->key, key) != 0) return std::nullopt;
  return it->value;
}
