#pragma once
// The derived geometry of the legacy primitive objects: the four corners of a primitive's box with a
// margin, and the two ends of a pad's long axis. Pure arithmetic on the fields the objects hold.

#include <array>
#include <cstdint>

#include "pcb/coord.h"

struct TCoordPoint {
  TCoord X = 0;
  TCoord Y = 0;
  bool operator==(const TCoordPoint&) const = default;
};

// The nearest coordinate, ties to even; values beyond the coordinate range give its ends and a value
// that is no number gives 0, so no result is ever undefined.
TCoord RoundCoord(double value);

// The corners of the box from (x, y) to (x2, y2) grown by margin on every side and turned by
// rotation degrees about its centre. The box sizes and the centre are worked out in 32-bit integers
// (the centre as x div 2 + x2 div 2); a box of height 0 gives its two ends twice, unturned.
std::array<TCoordPoint, 4> BoxCorners(TCoord x, TCoord y, TCoord x2, TCoord y2, double rotation,
                                      TCoord margin);

// The corners of a pad of x_size by y_size centred on (x, y), grown by margin and turned by rotation
// degrees. A height of 0 (y_size + 2 margin) turns the corner angle to a right angle (0 when the
// width is 0 too) instead of dividing by it, so such a pad gives its two ends along its turned axis.
std::array<TCoordPoint, 4> PadCorners(TCoord x, TCoord y, int32_t x_size, int32_t y_size,
                                      double rotation, TCoord margin);

// The two ends of the long axis of a pad of x_size by y_size at (x, y) turned by rotation degrees:
// both at (x, y) for a pad whose half sizes are equal.
std::array<TCoordPoint, 2> PadLongAxisEnds(TCoord x, TCoord y, int32_t x_size, int32_t y_size,
                                           double rotation);
