#include "holes/hole.h"

void THole::AddHandle(uint32_t handle, TCoord own_size) {
  if (own_size != InitialSize && own_sizes_.empty()) own_sizes_.assign(handles_.size(), InitialSize);
  handles_.push_back(handle);
  if (!own_sizes_.empty()) own_sizes_.push_back(own_size);
}

const std::string& THole::Cached(std::unique_ptr<TCachedText>& cache, TCoord size, bool imperial) {
  // Keyed by the value as well: NewSize is a plain field and may be assigned directly.
  if (!cache) {
    cache = std::make_unique<TCachedText>(TCachedText{size, FormatCoordForMatch(size, imperial)});
  } else if (cache->size != size) {
    cache->text = FormatCoordForMatch(size, imperial);
    cache->size = size;
  }
  return cache->text;
}

const std::string& THole::InitialText(bool imperial) const {
  return Cached(initial_text_[imperial], InitialSize, imperial);
}

const std::string& THole::NewText(bool imperial) const {
  // Until an edit the two sizes are one: the text made while grouping serves.
  if (NewSize == InitialSize) return InitialText(imperial);
  return Cached(new_text_[imperial], NewSize, imperial);
}
