#pragma once
// A region: a filled outline on one layer.

#include "pcb/objects/pcb_object.h"

class TPCBRegion : public TPCBObject {
  TAVRIN_CLASS(TPCBRegion, TPCBObject)
 public:
  explicit TPCBRegion(uint32_t handle) : TPCBObject(handle) { ObjectId = eRegionObject; }

  int32_t Query(uint8_t read_flag) override;

  uint8_t RegionKind = 0;
  uint32_t Net = 0, HoleCount = 0;
  uint8_t Keepout = 0;
  int32_t ArcResolution = 0;
  uint32_t Component = 0, VertexCount = 0;
};
