#pragma once
// The drilled primitives of one kind on the board (all pads or all vias), grouped by hole size. The
// Hole Size Editor keeps one list per kind; it changes group sizes in memory and, on OK, asks each
// list to write its groups back. Nothing reaches the board before Apply.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/object.h"
#include "base/string_list.h"
#include "holes/hole.h"
#include "holes/hole_board.h"
#include "pcb/coord.h"

class THoleList : public TObject {
  TAVRIN_CLASS(THoleList, TObject)
 public:
  // An empty list over the board, comparing in metric.
  explicit THoleList(THoleBoard& board);
  // Every primitive of the kind on the board, grouped by its metric size text.
  THoleList(THoleBoard& board, uint8_t kind);
  THoleList(const THoleList&) = delete;
  THoleList& operator=(const THoleList&) = delete;

  int Count() const { return static_cast<int>(groups_.size()); }
  const THole& Items(int index) const { return *groups_.at(static_cast<size_t>(index)); }

  // Appends the handle to every group whose InitialSize has the size's text in the current unit, or
  // to a new group (kind, size) when none has.
  void AddHole(uint8_t kind, TCoord size, uint32_t handle);
  // Every group whose current NewSize has the text of old_size gets new_size.
  void ChangeSize(TCoord old_size, TCoord new_size);
  // The primitives of the groups whose current NewSize has the size's text.
  int CountHoles(TCoord size) const;
  // Appends one item per label (FormatHoleLabel of NewSize) that the items do not hold yet, with a
  // TCoordObject of the NewSize of the first group that produced it; the caller owns the objects.
  void AddLabels(TStrings& items, bool imperial) const;
  // WriteBackHole for every group, in order.
  void Apply();
  // Rewrites every primitive of the group, changed or not: with the group's NewSize once the group
  // was changed, else with the primitive's own size (a near size that shares the group's text is
  // not rounded to the group's). Handles of 0 are skipped. A failure leaves the remaining primitives
  // unwritten and propagates.
  void WriteBackHole(const THole& group);

  // The unit in which sizes are compared; the editor sets it before every refresh.
  bool Imperial = false;

 private:
  // Groups by the text of their InitialSize in one unit. Built on first use in that unit and kept up
  // to date as groups are added, so building a list formats each distinct size once.
  struct TTextIndex {
    bool built = false;
    std::unordered_map<std::string, std::vector<int>> by_text;
    // Sizes already met, pointing at their entry of by_text (stable: the map's nodes never move).
    std::unordered_map<TCoord, std::vector<int>*> by_size;
  };
  TTextIndex& IndexFor(bool imperial);
  // Groups by the text of their NewSize in the current unit, so that a change or a count touches
  // only the groups it concerns. Made afresh after the unit changed.
  std::unordered_map<std::string, std::vector<int>>& NewIndex() const;

  THoleBoard& board_;
  std::vector<std::unique_ptr<THole>> groups_;
  TTextIndex index_[2];
  mutable std::unordered_map<std::string, std::vector<int>> new_index_;
  mutable bool new_index_built_ = false;
  mutable bool new_index_imperial_ = false;
};
