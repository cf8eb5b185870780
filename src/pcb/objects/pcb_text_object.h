#pragma once
// A text primitive: its text record, its TrueType and bar-code settings and the display text the
// host makes of it.

#include "pcb/objects/pcb_object.h"

class TPcbText : public TPCBObject {
  TAVRIN_CLASS(TPcbText, TPCBObject)
 public:
  static constexpr size_t kMaxText = 254;

  explicit TPcbText(uint32_t handle) : TPCBObject(handle) { ObjectId = eTextObject; }

  // The text record, the TrueType settings, the display text and the bar-code settings. The status
  // is the TrueType call's, or 1 when the bar-code call answers 1.
  int32_t Query(uint8_t read_flag) override;

  int32_t GetExtraValue2() const override { return F17; }
  int32_t GetExtraValue3() const override { return F18; }
  double GetRotation() const override { return Rotation; }
  int32_t GetWidth() const override { return F16; }
  int32_t GetSize() const override { return Height; }
  int32_t GetLineWidth() const override { return F16; }
  int32_t GetTextWidth() const override { return Width; }
  uint8_t GetTextOption() const override { return Mirrored; }
  std::string GetText() const override { return LoadText(Text); }
  std::string GetDisplayText() const { return LoadText(DisplayText); }

  void SetExtraValue2(int32_t value) override { F17 = value; }
  void SetExtraValue3(int32_t value) override { F18 = value; }
  void SetRotation(double value) override { Rotation = value; }
  void SetWidth(int32_t value) override { F16 = value; }
  void SetSize(int32_t value) override { Height = value; }
  void SetLineWidth(int32_t value) override { F16 = value; }
  void SetTextWidth(int32_t value) override { Width = value; }
  void SetTextOption(uint8_t value) override { Mirrored = value; }
  void SetText(std::string_view value) override { StoreText(Text, value, kMaxText); }

  int32_t Height = 0, Width = 0;
  double Rotation = 0;
  uint8_t Mirrored = 0;
  TRecordText Text{};
  int32_t F16 = 0, F17 = 0, F18 = 0;
  uint8_t TrueType = 0;
  TRecordText FontName{};
  uint8_t Bold = 0, Italic = 0, Inverted = 0;
  int32_t Border = 0;
  TRecordText DisplayText{};
  uint8_t BarCodeKind = 0;
  int32_t BarWidth = 0, BarHeight = 0;
  uint8_t ShowText = 0;
};
