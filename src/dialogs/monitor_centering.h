#pragma once
// Where a window goes when it is centred on a monitor: the arithmetic alone, so that it can be
// checked for monitors anywhere on the virtual screen (a second monitor left of or above the
// primary one has negative coordinates).

#include <cstdint>

struct TScreenRect {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct TScreenPoint {
  int32_t X = 0, Y = 0;
};

// The top-left corner of a width × height window centred on the bounds; each half is truncated
// toward zero, as integer division does, also for negative sums.
TScreenPoint CenteredOriginOf(const TScreenRect& bounds, int32_t width, int32_t height);
