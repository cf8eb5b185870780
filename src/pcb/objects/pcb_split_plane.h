#pragma once
// A split plane: one net's part of an internal plane.

#include "pcb/objects/pcb_group_object.h"

class TPcbSplitPlane : public TPcbGroupObject {
  TAVRIN_CLASS(TPcbSplitPlane, TPcbGroupObject)
 public:
  explicit TPcbSplitPlane(uint32_t handle) : TPcbGroupObject(handle) {
    ObjectId = eSplitPlaneObject;
  }

  int32_t Query(uint8_t read_flag) override;

  uint32_t Net = 0, VertexCount = 0;
};
