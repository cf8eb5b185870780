#pragma once
// A pad: the pad record and the pad stack, the pad's shape, sizes and corner rounding on every
// legacy layer 0 to 82. The record alone is also what the Hole Size Editor reads and writes.

#include <array>

#include "pcb/objects/pcb_object.h"

class TPcbPad : public TPCBObject {
  TAVRIN_CLASS(TPcbPad, TPCBObject)
 public:
  static constexpr int kStackLayers = 83;  // legacy layers 0 to 82

  explicit TPcbPad(uint32_t handle) : TPCBObject(handle) { ObjectId = ePadObject; }

  // The bit fields, the pad record (ending there when it fails), the stack mode and the pad stack:
  // reading queries every layer; writing with stack mode 2 sets every layer's shape, size and
  // corner percentage, and with any other mode sets only the corner percentages of rounded layers.
  int32_t Query(uint8_t read_flag) override;
  // The pad record alone, one host call, the layer as a layer id.
  int32_t QueryRecord(uint8_t read_flag);
  // The pad record alone through LegacyQueryPad: the layer makes the round trip through its legacy
  // number. Layer is stored back only when the call succeeds.
  int32_t LegacyQueryRecord(uint8_t read_flag);

  bool GetByteFlag1() const override { return F36 != 0; }
  void SetByteFlag1(bool on) override { F36 = on ? 1 : 0; }
  bool GetByteFlag2() const override { return F37 != 0; }
  void SetByteFlag2(bool on) override { F37 = on ? 1 : 0; }
  int32_t GetPadValue11() const override { return F11; }
  int32_t GetPadValue12() const override { return F12; }
  int32_t GetPadValue13() const override { return F13; }
  int32_t GetPadValue14() const override { return F14; }
  int32_t GetPadValue15() const override { return F15; }
  int32_t GetPadValue16() const override { return F16; }
  TCoord GetHoleSize() const override { return Hole; }
  uint8_t GetPadValue18() const override { return F18; }
  uint8_t GetPadValue19() const override { return F19; }
  uint8_t GetPadValue20() const override { return F20; }
  std::string GetName() const override { return LoadText(F21); }
  double GetRotation() const override { return Rotation; }

  // The pad stack on legacy layer L; 0 for a layer above 82.
  int32_t GetSize2OnLayer(TLegacyLayer layer) const override;  // XSize[L]
  int32_t GetSize3OnLayer(TLegacyLayer layer) const override;  // YSize[L]
  uint8_t GetShapeOnLayer(TLegacyLayer layer) const override;  // Shape[L]
  int32_t GetWidthOnLayer(TLegacyLayer layer) const override;  // the smaller size
  TCoord GetCorner1XOnLayer(TLegacyLayer layer, TCoord margin) const override;
  TCoord GetCorner1YOnLayer(TLegacyLayer layer, TCoord margin) const override;
  TCoord GetCorner2XOnLayer(TLegacyLayer layer, TCoord margin) const override;
  TCoord GetCorner2YOnLayer(TLegacyLayer layer, TCoord margin) const override;
  TCoord GetCorner3XOnLayer(TLegacyLayer layer, TCoord margin) const override;
  TCoord GetCorner3YOnLayer(TLegacyLayer layer, TCoord margin) const override;
  TCoord GetCorner4XOnLayer(TLegacyLayer layer, TCoord margin) const override;
  TCoord GetCorner4YOnLayer(TLegacyLayer layer, TCoord margin) const override;
  // The two ends of the long axis: the first end's X and Y, then the second end's.
  TCoord GetXOnLayer(TLegacyLayer layer) const override;
  TCoord GetYOnLayer(TLegacyLayer layer) const override;
  TCoord GetX2OnLayer(TLegacyLayer layer) const override;
  TCoord GetY2OnLayer(TLegacyLayer layer) const override;
  int32_t GetCornerRadiusOnLayer(TLegacyLayer layer) const;

  void SetPadValue11(int32_t value) override { F11 = value; }
  void SetPadValue12(int32_t value) override { F12 = value; }
  void SetPadValue13(int32_t value) override { F13 = value; }
  void SetPadValue14(int32_t value) override { F14 = value; }
  void SetPadValue15(int32_t value) override { F15 = value; }
  void SetPadValue16(int32_t value) override { F16 = value; }
  void SetHoleSize(TCoord value) override { Hole = value; }
  void SetPadValue18(uint8_t value) override { F18 = value; }
  void SetPadValue19(uint8_t value) override { F19 = value; }
  void SetPadValue20(uint8_t value) override { F20 = value; }
  void SetName(std::string_view value) override { StoreText(F21, value); }  // cut to 20
  void SetRotation(double value) override { Rotation = value; }

  int32_t F11 = 0, F12 = 0, F13 = 0, F14 = 0, F15 = 0, F16 = 0;
  TCoord Hole = 0;
  uint8_t F18 = 0, F19 = 0, F20 = 0;
  TRecordText20 F21{};
  uint8_t F22 = 0, F23 = 0;
  double Rotation = 0;
  TRecordText20 F25{}, F26{};
  uint32_t F27 = 0;
  TRecordText20 F28{};
  uint8_t F29 = 0, F30 = 0;
  uint32_t F31 = 0;
  int64_t F32 = 0;
  uint32_t F33 = 0, F34 = 0, F35 = 0;
  uint8_t F36 = 0, F37 = 0;

  uint8_t StackMode = 0;
  std::array<int32_t, kStackLayers> XSize{}, YSize{}, CornerRadius{};
  std::array<uint8_t, kStackLayers> Shape{}, CRPercent{};
  uint8_t TopCRPercent = 0, MidCRPercent = 0, BottomCRPercent = 0;

 private:
  static bool InStack(TLegacyLayer layer) { return layer < kStackLayers; }
};
