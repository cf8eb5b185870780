#pragma once
// What the hole lists and the Hole Size Editor need of the board: the primitives of one kind, the
// hole size of each, the write of one primitive's hole size inside its modification bracket, and the
// process that brackets a whole write-back. The editor uses the board of the PCB layer
// (pcb_hole_board.h); tests use a generated board.

#include <cstdint>
#include <functional>

#include "pcb/coord.h"

class THoleBoard {
 public:
  // Calls visit once for every primitive of the kind on the board (2 pads, 3 vias), in any order.
  virtual void VisitPrimitives(uint8_t kind, const std::function<void(uint32_t)>& visit) = 0;
  // The hole size of a primitive met by VisitPrimitives for that kind; 0 when it cannot be read.
  virtual TCoord HoleSize(uint32_t handle, uint8_t kind) = 0;
  // Rewrites the primitive's record with the given hole size and every other field as read, bracketed
  // by its modification; a primitive that offers no primitive interface is skipped. Failures raise.
  virtual void WriteHoleSize(uint32_t handle, TCoord size) = 0;
  // Opens the process around a write-back; false, with nothing done, when there is no PCB server
  // to write to. A failure to open raises, and then no EndProcess follows.
  virtual bool StartProcess() = 0;
  virtual void EndProcess() = 0;

  virtual ~THoleBoard() = default;
};
