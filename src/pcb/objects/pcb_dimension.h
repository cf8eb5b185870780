#pragma once
// A dimension: its record, its extended record and the table of its references.

#include <array>
#include <vector>

#include "pcb/objects/pcb_group_object.h"

class TPcbDimension : public TPcbGroupObject {
  TAVRIN_CLASS(TPcbDimension, TPcbGroupObject)
 public:
  // A read takes at most this many references, whatever count the host gives.
  static constexpr uint32_t kMaxReferences = 4096;
  using TReference = std::array<int32_t, 4>;

  explicit TPcbDimension(uint32_t handle) : TPcbGroupObject(handle) {
    ObjectId = eDimensionObject;
  }

  // The dimension record, the reference count and each reference, the extended record; the status
  // is the two records' statuses and-ed. A count the host cannot give leaves the table as it was.
  int32_t Query(uint8_t read_flag) override;

  TCoord DimensionX2 = 0, DimensionY2 = 0;
  int32_t F13 = 0, F14 = 0;
  uint8_t F15 = 0;
  double F16 = 0;
  std::array<int32_t, 10> Ext3{};  // extended fields 3 to 12
  std::array<uint8_t, 5> Ext13{};  // extended fields 13 to 17
  double Ext18 = 0, Ext19 = 0;
  uint32_t Ext20 = 0, Ext21 = 0;
  std::vector<TReference> References;
};
