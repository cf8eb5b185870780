#include "holes/hole.h"

const std::string& THole::Cached(TCachedText& cache, TCoord size, bool imperial) {
  // Keyed by the value as well: NewSize is a plain field and may be assigned directly.
  if (!cache.valid || cache.size != size) {
    cache.text = FormatCoordForMatch(size, imperial);
    cache.size = size;
    cache.valid = true;
  }
  return cache.text;
}

const std::string& THole::InitialText(bool imperial) const {
  return Cached(initial_text_[imperial], InitialSize, imperial);
}

const std::string& THole::NewText(bool imperial) const {
  return Cached(new_text_[imperial], NewSize, imperial);
}
