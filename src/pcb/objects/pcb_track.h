#pragma once
// A track: a straight segment from (X, Y) to (X2, Y2).

#include "pcb/objects/pcb_object.h"

class TPcbTrack : public TPCBObject {
  TAVRIN_CLASS(TPcbTrack, TPCBObject)
 public:
  explicit TPcbTrack(uint32_t handle) : TPCBObject(handle) { ObjectId = eTrackObject; }

  int32_t Query(uint8_t read_flag) override;
  void MoveBy(TCoord dx, TCoord dy) override;

  TCoord GetX2() const override { return X2; }
  TCoord GetY2() const override { return Y2; }
  int32_t GetExtraValue1() const override { return F14; }
  int32_t GetExtraValue2() const override { return F15; }
  int32_t GetExtraValue3() const override { return F16; }
  int32_t GetWidth() const override { return Width; }
  void SetX2(TCoord value) override { X2 = value; }
  void SetY2(TCoord value) override { Y2 = value; }
  void SetExtraValue1(int32_t value) override { F14 = value; }
  void SetExtraValue2(int32_t value) override { F15 = value; }
  void SetExtraValue3(int32_t value) override { F16 = value; }
  void SetWidth(int32_t value) override { Width = value; }

  TCoord X2 = 0, Y2 = 0;
  int32_t Width = 0;
  int32_t F14 = 0, F15 = 0, F16 = 0;
};
