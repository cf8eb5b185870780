#pragma once
// The size that an edit in the Hole Size Editor asks for, read from the Edit Hole Size dialog's text.
//
// A label the user left as it was names the size its group already has: it is read without the edit
// box's ±99999 mil bound, so a board's size beyond that bound is not cut down by an OK without typing.
// A negative size cannot be drilled and is refused; the groups keep their sizes.

#include <cstdint>
#include <string_view>

#include "pcb/coord.h"

enum TNewHoleSizeVerdict : uint8_t { eSizeGiven, eNoSizeGiven, eNegativeSize };

struct TNewHoleSize {
  TNewHoleSizeVerdict Verdict = eNoSizeGiven;
  TCoord Size = 0;  // the new size when Verdict is eSizeGiven
};

// text: the box's text after OK; label: the label the box was opened with ("" when none); unit: the
// box's unit; box_value: what the box reads from text (its State, bounded to its range).
TNewHoleSize ReadNewHoleSize(std::string_view text, std::string_view label, TUnit unit, TCoord box_value);

// A text names no size when, blanks aside, it is empty, starts with a letter or has no digit: reading
// it would give 0 and overwrite the selected sizes with nothing the user asked for.
bool NamesNoHoleSize(std::string_view text);
