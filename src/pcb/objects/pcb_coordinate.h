#pragma once
// A coordinate marker at (X, Y).

#include "pcb/objects/pcb_group_object.h"

class TPcbCoordinate : public TPcbGroupObject {
  TAVRIN_CLASS(TPcbCoordinate, TPcbGroupObject)
 public:
  explicit TPcbCoordinate(uint32_t handle) : TPcbGroupObject(handle) {
    ObjectId = eCoordinateObject;
  }

  int32_t Query(uint8_t read_flag) override;

  int32_t Size = 0, LineWidth = 0, TextHeight = 0;
  uint8_t Style = 0;
};
