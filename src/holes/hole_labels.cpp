#include "holes/hole_labels.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <vector>

#include "base/ascii.h"

std::string FormatHoleLabel(TCoord size, bool imperial) {
  if (imperial) return FormatFixed(MilsFromCoord(size, 3), 3) + " mil";
  return FormatFixed(MillimetresFromCoord(size, 5), 4) + " mm";
}

double HoleLabelKey(std::string_view label) {
  size_t end = 0;
  while (end < label.size() && (AsciiIsDigit(label[end]) || label[end] == '.')) ++end;
  double key = 0;
  const auto result = std::from_chars(label.data(), label.data() + end, key, std::chars_format::fixed);
  return result.ec == std::errc() ? key : 0;
}

void SortHoleLabels(TStrings& items) {
  const int count = items.Count();
  if (count < 2) return;
  std::vector<double> keys(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) keys[static_cast<size_t>(i)] = HoleLabelKey(items.Get(i));

  // A stable sort gives exactly the order of repeated neighbour exchanges on strictly greater keys,
  // without their quadratic number of exchanges on the list.
  std::vector<int> order(static_cast<size_t>(count));
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return keys[static_cast<size_t>(a)] < keys[static_cast<size_t>(b)]; });

  // Bring each wanted item into place by one exchange, tracking where the displaced ones went.
  std::vector<int> position(static_cast<size_t>(count));  // original item -> current place
  std::vector<int> occupant(static_cast<size_t>(count));  // current place -> original item
  std::iota(position.begin(), position.end(), 0);
  std::iota(occupant.begin(), occupant.end(), 0);
  for (int place = 0; place < count; ++place) {
    const int wanted = order[static_cast<size_t>(place)];
    const int from = position[static_cast<size_t>(wanted)];
    if (from == place) continue;
    items.Exchange(place, from);
    const int displaced = occupant[static_cast<size_t>(place)];
    occupant[static_cast<size_t>(from)] = displaced;
    position[static_cast<size_t>(displaced)] = from;
    occupant[static_cast<size_t>(place)] = wanted;
    position[static_cast<size_t>(wanted)] = place;
  }
}
