#pragma once
// One group of a hole list: the primitives of one kind that were found with the same size text, the
// size the group was formed with and the size it is to be written back with.

#include <cstdint>
#include <string>
#include <vector>

#include "base/object.h"
#include "pcb/coord.h"

class THole : public TObject {
  TAVRIN_CLASS(THole, TObject)
 public:
  THole(uint8_t kind, TCoord size) : InitialSize(size), NewSize(size), Kind(kind) {}

  void AddHandle(uint32_t handle) { handles_.push_back(handle); }
  int Count() const { return static_cast<int>(handles_.size()); }
  // The handles in the order they were found.
  const std::vector<uint32_t>& Handles() const { return handles_; }

  // FormatCoordForMatch of InitialSize and of NewSize in a unit. Each is formatted once per unit and
  // value and then kept, so matching a size against every group formats only that size.
  const std::string& InitialText(bool imperial) const;
  const std::string& NewText(bool imperial) const;

  const TCoord InitialSize;
  TCoord NewSize;
  const uint8_t Kind;

 private:
  struct TCachedText {
    bool valid = false;
    TCoord size = 0;
    std::string text;
  };
  static const std::string& Cached(TCachedText& cache, TCoord size, bool imperial);

  std::vector<uint32_t> handles_;
  mutable TCachedText initial_text_[2];
  mutable TCachedText new_text_[2];
};
