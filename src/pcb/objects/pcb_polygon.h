#pragma once
// A polygon pour, and the board outline, which the host keeps as a polygon of a kind of its own.

#include "pcb/objects/pcb_group_object.h"

class TPcbPolygon : public TPcbGroupObject {
  TAVRIN_CLASS(TPcbPolygon, TPcbGroupObject)
 public:
  explicit TPcbPolygon(uint32_t handle) : TPcbGroupObject(handle) { ObjectId = ePolyObject; }

  int32_t Query(uint8_t read_flag) override;

  uint32_t Net = 0;
  uint8_t HatchStyle = 0;
  int32_t GridSize = 0, TrackSize = 0, MinPrimitiveLength = 0;
  uint8_t PourOver = 0, RemoveDead = 0, PolygonKind = 0;
  TRecordText Name{};
  uint32_t VertexCount = 0;
};

class TPcbBoardOutline : public TPcbPolygon {
  TAVRIN_CLASS(TPcbBoardOutline, TPcbPolygon)
 public:
  explicit TPcbBoardOutline(uint32_t handle) : TPcbPolygon(handle) {
    ObjectId = eBoardOutlineObject;
  }
};
