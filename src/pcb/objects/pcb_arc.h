#pragma once
// An arc about (X, Y): its radius, start and end angles in degrees, and its width.

#include "pcb/objects/pcb_object.h"

class TPcbArc : public TPCBObject {
  TAVRIN_CLASS(TPcbArc, TPCBObject)
 public:
  explicit TPcbArc(uint32_t handle) : TPCBObject(handle) { ObjectId = eArcObject; }

  int32_t Query(uint8_t read_flag) override;

  int32_t GetExtraValue1() const override { return F15; }
  int32_t GetRadius() const override { return Radius; }
  double GetStartAngle() const override { return StartAngle; }
  double GetEndAngle() const override { return EndAngle; }
  int32_t GetLineWidth() const override { return Width; }
  void SetExtraValue1(int32_t value) override { F15 = value; }
  void SetRadius(int32_t value) override { Radius = value; }
  void SetStartAngle(double value) override { StartAngle = value; }
  void SetEndAngle(double value) override { EndAngle = value; }
  void SetLineWidth(int32_t value) override { Width = value; }

  int32_t Radius = 0;
  double StartAngle = 0, EndAngle = 0;
  int32_t Width = 0;
  int32_t F15 = 0;
};
