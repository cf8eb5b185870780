#pragma once
// The connection objects: a from-to connection between two points, a manual from-to connection
// between two named pads, and a differential pair, which carries the common record only.

#include "pcb/objects/pcb_object.h"

class TPcbFromTo : public TPCBObject {
  TAVRIN_CLASS(TPcbFromTo, TPCBObject)
 public:
  explicit TPcbFromTo(uint32_t handle) : TPCBObject(handle) { ObjectId = eConnectionObject; }

  int32_t Query(uint8_t read_flag) override;

  TCoord GetX2() const override { return X2; }
  TCoord GetY2() const override { return Y2; }
  uint8_t GetFromToValue6() const override { return F6; }
  uint8_t GetFromToValue9() const override { return F9; }
  void SetX2(TCoord value) override { X2 = value; }
  void SetY2(TCoord value) override { Y2 = value; }
  void SetFromToValue6(uint8_t value) override { F6 = value; }
  void SetFromToValue9(uint8_t value) override { F9 = value; }

  uint8_t F6 = 0;
  TCoord X2 = 0, Y2 = 0;
  uint8_t F9 = 0;
  uint32_t Net = 0;
};

class TPcbManualFromTo : public TPCBObject {
  TAVRIN_CLASS(TPcbManualFromTo, TPCBObject)
 public:
  explicit TPcbManualFromTo(uint32_t handle) : TPCBObject(handle) { ObjectId = eFromToObject; }

  int32_t Query(uint8_t read_flag) override;

  TRecordText FromPad{}, ToPad{};
  uint32_t Net = 0;
  uint8_t F7 = 0;
};

class TPcbDifferentialPair : public TPCBObject {
  TAVRIN_CLASS(TPcbDifferentialPair, TPCBObject)
 public:
  explicit TPcbDifferentialPair(uint32_t handle) : TPCBObject(handle) {
    ObjectId = eDifferentialPairObject;
  }
};
