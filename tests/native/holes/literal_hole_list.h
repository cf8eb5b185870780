#pragma once
// The hole list's algorithms written the plain way: every comparison formats both sizes afresh and
// every search walks all groups. The property tests and the benchmark hold THoleList against it.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "holes/hole_labels.h"
#include "pcb/coord.h"

namespace holes_test {

struct TLiteralGroup {
  TCoord initial;
  TCoord new_size;
  uint8_t kind;
  std::vector<uint32_t> handles;
};

class TLiteralHoleList {
 public:
  void AddHole(uint8_t kind, TCoord size, uint32_t handle) {
    bool found = false;
    for (auto& group : groups) {
      if (SameCoordText(group.initial, size, imperial)) {
        group.handles.push_back(handle);
        found = true;
      }
    }
    if (!found) groups.push_back({size, size, kind, {handle}});
  }
  void ChangeSize(TCoord old_size, TCoord new_size) {
    for (auto& group : groups)
      if (SameCoordText(group.new_size, old_size, imperial)) group.new_size = new_size;
  }
  int CountHoles(TCoord size) const {
    int count = 0;
    for (const auto& group : groups)
      if (SameCoordText(group.new_size, size, imperial)) count += static_cast<int>(group.handles.size());
    return count;
  }
  void AddLabels(std::vector<std::pair<std::string, TCoord>>& items, bool label_imperial) const {
    for (const auto& group : groups) {
      const std::string label = FormatHoleLabel(group.new_size, label_imperial);
      bool present = false;
      for (const auto& item : items) present = present || item.first == label;
      if (!present) items.push_back({label, group.new_size});
    }
  }

  std::vector<TLiteralGroup> groups;
  bool imperial = false;
};

}  // namespace holes_test
