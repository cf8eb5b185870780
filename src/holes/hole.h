#pragma once
// One group of a hole list: the primitives of one kind that were found with the same size text, the
// size the group was formed with and the size it is to be written back with.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/object.h"
#include "pcb/coord.h"

class THole : public TObject {
  TAVRIN_CLASS(THole, TObject)
 public:
  THole(uint8_t kind, TCoord size) : InitialSize(size), NewSize(size), Kind(kind) {}

  void AddHandle(uint32_t handle) { AddHandle(handle, InitialSize); }
  // A primitive whose own size differs from InitialSize but shares its text: the group remembers
  // that size, so that a write-back of the unchanged group gives the primitive its own size again.
  void AddHandle(uint32_t handle, TCoord own_size);
  int Count() const { return static_cast<int>(handles_.size()); }
  // The handles in the order they were found.
  const std::vector<uint32_t>& Handles() const { return handles_; }
  // The size the index-th handle had when it was found.
  TCoord OwnSize(int index) const {
    return own_sizes_.empty() ? InitialSize : own_sizes_[static_cast<size_t>(index)];
  }
  // The size a write-back gives the index-th handle: NewSize once the group was changed, else the
  // primitive's own size, so that a write-back without edits changes no primitive.
  TCoord SizeToWrite(int index) const { return NewSize == InitialSize ? OwnSize(index) : NewSize; }

  // FormatCoordForMatch of InitialSize and of NewSize in a unit. Each is formatted once per unit and
  // value and then kept, so matching a size against every group formats only that size.
  const std::string& InitialText(bool imperial) const;
  const std::string& NewText(bool imperial) const;

  const TCoord InitialSize;
  TCoord NewSize;
  const uint8_t Kind;

 private:
  struct TCachedText {
    TCoord size = 0;
    std::string text;
  };
  // Made on first use: most groups are only ever formatted in one unit, and a board whose every
  // primitive has a size of its own has a group per primitive.
  static const std::string& Cached(std::unique_ptr<TCachedText>& cache, TCoord size, bool imperial);

  std::vector<uint32_t> handles_;
  // Empty while every handle has InitialSize (the usual case, which then costs nothing); else one
  // size per handle.
  std::vector<TCoord> own_sizes_;
  mutable std::unique_ptr<TCachedText> initial_text_[2];
  mutable std::unique_ptr<TCachedText> new_text_[2];
};
