#include "holes/new_hole_size.h"

#include <string>

#include "base/ascii.h"

bool NamesNoHoleSize(std::string_view text) {
  std::string compact;
  for (char c : text)
    if (c != ' ') compact += c;
  if (compact.empty() || AsciiIsLetter(compact.front())) return true;
  for (char c : compact)
    if (AsciiIsDigit(c)) return false;
  return true;
}

TNewHoleSize ReadNewHoleSize(std::string_view text, std::string_view label, TUnit unit, TCoord box_value) {
  if (NamesNoHoleSize(text)) return {eNoSizeGiven, 0};
  TCoord size = box_value;
  if (!label.empty() && text == label) {
    TUnit named = unit;
    size = ParseCoordWithUnit(label, named);
  }
  if (size < 0) return {eNegativeSize, 0};
  return {eSizeGiven, size};
}
