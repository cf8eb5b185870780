#pragma once
// A fill: a rectangle from (X, Y) to (X2, Y2), turned by Rotation degrees.

#include "pcb/objects/pcb_object.h"

class TPcbFill : public TPCBObject {
  TAVRIN_CLASS(TPcbFill, TPCBObject)
 public:
  explicit TPcbFill(uint32_t handle) : TPCBObject(handle) { ObjectId = eFillObject; }

  int32_t Query(uint8_t read_flag) override;
  void MoveBy(TCoord dx, TCoord dy) override;

  TCoord GetX2() const override { return X2; }
  TCoord GetY2() const override { return Y2; }
  int32_t GetExtraValue1() const override { return F13; }
  double GetRotation() const override { return Rotation; }
  void SetX2(TCoord value) override { X2 = value; }
  void SetY2(TCoord value) override { Y2 = value; }
  void SetExtraValue1(int32_t value) override { F13 = value; }
  void SetRotation(double value) override { Rotation = value; }

  TCoord X2 = 0, Y2 = 0;
  int32_t F13 = 0;
  double Rotation = 0;
};
