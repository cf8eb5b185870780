#pragma once
// A via: the via record, whose layer is a legacy layer number, and the host's per-layer size and
// shape.

#include "pcb/objects/pcb_object.h"

class TPcbVia : public TPCBObject {
  TAVRIN_CLASS(TPcbVia, TPCBObject)
 public:
  explicit TPcbVia(uint32_t handle) : TPCBObject(handle) { ObjectId = eViaObject; }

  // The bit fields and the via record.
  int32_t Query(uint8_t read_flag) override;
  // The via record alone, one host call: Layer goes as its legacy number and is stored back, as the
  // id of the number the host gave, only when the call succeeds.
  int32_t QueryRecord(uint8_t read_flag);

  bool GetByteFlag1() const override { return F15 != 0; }
  void SetByteFlag1(bool on) override { F15 = on ? 1 : 0; }
  bool GetByteFlag2() const override { return F16 != 0; }
  void SetByteFlag2(bool on) override { F16 = on ? 1 : 0; }
  TCoord GetHoleSize() const override { return Hole; }
  int32_t GetSize() const override { return Size; }
  uint8_t GetViaValue13() const override { return F13; }
  uint8_t GetViaValue14() const override { return F14; }
  // The host's size and shape on a layer, 0 when it cannot answer.
  int32_t GetSizeOnLayer(TLegacyLayer layer) const override;
  uint8_t GetShapeOnLayer(TLegacyLayer layer) const override;

  void SetHoleSize(TCoord value) override { Hole = value; }
  void SetSize(int32_t value) override { Size = value; }
  void SetViaValue13(uint8_t value) override { F13 = value; }
  void SetViaValue14(uint8_t value) override { F14 = value; }

  int32_t Size = 0;
  TCoord Hole = 0;
  uint8_t F13 = 0, F14 = 0, F15 = 0, F16 = 0;
};
