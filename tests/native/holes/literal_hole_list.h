#pragma once
// The hole list's algorithms written the plain way: every comparison formats both sizes afresh and
// every search walks all groups. The property tests and the benchmark hold THoleList against it.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "base/ascii.h"
#include "holes/hole_labels.h"
#include "pcb/coord.h"

namespace holes_test {

struct LiteralGroup {
  TCoord initial;
  TCoord new_size;
  uint8_t kind;
  std::vector<uint32_t> handles;
};

class LiteralHoleList {
 public:
  // SameCoordText, with each size's text formatted once: the texts are a pure function of size and
  // unit, and thousands of groups would otherwise make the plain searches take minutes.
  bool same(TCoord a, TCoord b, bool in_imperial) const {
    return ascii_iequals(text(a, in_imperial), text(b, in_imperial));
  }
  const std::string& text(TCoord size, bool in_imperial) const {
    auto& memo = texts_[in_imperial];
    auto found = memo.find(size);
    if (found == memo.end()) found = memo.emplace(size, FormatCoordForMatch(size, in_imperial)).first;
    return found->second;
  }

  void AddHole(uint8_t kind, TCoord size, uint32_t handle) {
    bool found = false;
    for (auto& group : groups) {
      if (same(group.initial, size, imperial)) {
        group.handles.push_back(handle);
        found = true;
      }
    }
    if (!found) groups.push_back({size, size, kind, {handle}});
  }
  void ChangeSize(TCoord old_size, TCoord new_size) {
    for (auto& group : groups)
      if (same(group.new_size, old_size, imperial)) group.new_size = new_size;
  }
  int CountHoles(TCoord size) const {
    int count = 0;
    for (const auto& group : groups)
      if (same(group.new_size, size, imperial)) count += static_cast<int>(group.handles.size());
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

  std::vector<LiteralGroup> groups;
  bool imperial = false;

 private:
  mutable std::unordered_map<TCoord, std::string> texts_[2];
};

}  // namespace holes_test
