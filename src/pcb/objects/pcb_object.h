#pragma once
// The root of the legacy primitive objects: an in-memory copy of one board primitive's record, filled
// from the host with Query(1) and handed back with Query(0), with typed getters and setters for its
// fields and a few derived values. The operations come in the order the classes rely on: transfer,
// bounds, moving, import and invalidation, the flag accessors, the base getters, the kind-specific
// getters, the corners, the per-layer getters and the setters. A getter of a field the class does
// not have answers 0, false, 0.0 or an empty text; a setter of such a field does nothing.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/object.h"
#include "hostapi/pcb_api.h"
#include "pcb/coord.h"
#include "pcb/layer_id.h"
#include "pcb/object_id.h"

class TPCBObject : public TObject {
  TAVRIN_CLASS(TPCBObject, TObject)
 public:
  // Every field 0 but the handle; each class's constructor sets its object id.
  explicit TPCBObject(uint32_t handle) : Handle(handle) {}

  // 1 reads every field from the host, 0 writes every field back; the status of the record call.
  // Every transfer starts with the two bit-field calls.
  virtual int32_t Query(uint8_t read_flag);
  // PcbApi_QueryObjectBoundingRectangle: left, bottom, right, top. Left as they were when the host
  // cannot answer.
  virtual void GetBoundingRectangle(TCoord* a, TCoord* b, TCoord* c, TCoord* d) const;
  virtual void MoveBy(TCoord dx, TCoord dy);
  virtual bool IsNotImported() const;
  virtual void Invalidate() const;

  // Flag accessors. Setting bit 0x0008 or the inverted bit 0x0100 writes the object back at once.
  bool GetFlag0010() const { return (Flags & 0x0010) != 0; }
  bool GetFlags2Bit10() const { return (Flags2 & 0x10) != 0; }
  bool GetFlags2Bit01() const { return (Flags2 & 0x01) != 0; }
  bool GetFlags2Bit02() const { return (Flags2 & 0x02) != 0; }
  bool GetFlags2Bit08() const { return (Flags2 & 0x08) != 0; }
  bool GetFlags2Bit20() const { return (Flags2 & 0x20) != 0; }
  bool GetFlags2Bit40() const { return (Flags2 & 0x40) != 0; }
  void SetFlag0010(bool on) { SetBit(Flags, 0x0010, on); }
  bool GetFlag0008() const { return (Flags & 0x0008) != 0; }
  void SetFlag0008(bool on);
  bool GetNotFlag0100() const { return (Flags & 0x0100) == 0; }
  void SetNotFlag0100(bool on);
  bool GetFlags3Either() const { return GetFlags3Bit0002() || GetFlags3Bit0004(); }
  void SetFlags3Either(bool on) {
    SetFlags3Bit0002(on);
    SetFlags3Bit0004(on);
  }
  bool GetFlags3Bit0002() const { return (Flags3 & 0x0002) != 0; }
  void SetFlags3Bit0002(bool on) { SetBit(Flags3, 0x0002, on); }
  bool GetFlags3Bit0004() const { return (Flags3 & 0x0004) != 0; }
  void SetFlags3Bit0004(bool on) { SetBit(Flags3, 0x0004, on); }
  bool GetFlag0800() const { return (Flags & 0x0800) != 0; }
  void SetFlag0800(bool on) { SetBit(Flags, 0x0800, on); }
  bool GetFlag2000() const { return (Flags & 0x2000) != 0; }
  void SetFlag2000(bool on) { SetBit(Flags, 0x2000, on); }
  virtual bool GetByteFlag1() const { return false; }
  virtual void SetByteFlag1(bool) {}
  virtual bool GetByteFlag2() const { return false; }
  virtual void SetByteFlag2(bool) {}
  bool GetFlag1000() const { return (Flags & 0x1000) != 0; }
  void SetFlag1000(bool on) { SetBit(Flags, 0x1000, on); }
  bool GetFlag4000() const { return (Flags & 0x4000) != 0; }
  void SetFlag4000(bool on) { SetBit(Flags, 0x4000, on); }
  bool GetFlag8000() const { return (Flags & 0x8000) != 0; }
  void SetFlag8000(bool on) { SetBit(Flags, 0x8000, on); }

  // Base getters.
  uint32_t GetHandle() const { return Handle; }
  TObjectId GetObjectId() const { return ObjectId; }
  TCoord GetX() const { return X; }
  TCoord GetY() const { return Y; }
  // The second point: X and Y for kinds without one.
  virtual TCoord GetX2() const { return X; }
  virtual TCoord GetY2() const { return Y; }
  uint16_t GetFlags() const { return Flags; }
  uint16_t GetValue16() const { return Value16; }
  // Raises the layer assertion for a layer id of no known kind.
  TLegacyLayer GetLegacyLayer() const { return LayerIdToLegacyLayer(Layer); }
  uint8_t GetValue8() const { return Value8; }
  uint32_t GetValue32a() const { return Value32a; }
  uint32_t GetValue32b() const { return Value32b; }

  // Kind-specific getters.
  virtual int32_t GetExtraValue1() const { return 0; }  // track 14, arc 15, fill 13
  virtual int32_t GetExtraValue2() const { return 0; }  // track 15, text 17
  virtual int32_t GetExtraValue3() const { return 0; }  // track 16, text 18
  virtual int32_t GetPadValue11() const { return 0; }
  virtual int32_t GetPadValue12() const { return 0; }
  virtual int32_t GetPadValue13() const { return 0; }
  virtual int32_t GetPadValue14() const { return 0; }
  virtual int32_t GetPadValue15() const { return 0; }
  virtual int32_t GetPadValue16() const { return 0; }
  virtual TCoord GetHoleSize() const { return 0; }  // pad 17, via 12
  virtual uint8_t GetPadValue18() const { return 0; }
  virtual uint8_t GetPadValue19() const { return 0; }
  virtual uint8_t GetPadValue20() const { return 0; }
  virtual std::string GetName() const { return {}; }  // pad 21, net name, component text
  virtual double GetRotation() const { return 0; }    // pad, fill, text, component; degrees
  virtual int32_t GetWidth() const { return 0; }      // track 13, text 16
  virtual uint8_t GetShape() const { return 0; }
  virtual int32_t GetSize() const { return 0; }  // via 11, text 11
  int32_t GetSize2() const { return GetSize(); }
  int32_t GetSize3() const { return GetSize(); }
  virtual uint8_t GetViaValue13() const { return 0; }
  virtual uint8_t GetViaValue14() const { return 0; }
  virtual int32_t GetRadius() const { return 0; }  // arc 11
  virtual double GetStartAngle() const { return 0; }
  virtual double GetEndAngle() const { return 0; }
  virtual int32_t GetLineWidth() const { return 0; }  // arc 14, text 16
  TCoord GetBoundingLeft() const;
  TCoord GetBoundingBottom() const;
  TCoord GetBoundingRight() const;
  TCoord GetBoundingTop() const;
  virtual int32_t GetTextWidth() const { return 0; }  // text 12
  virtual uint8_t GetTextOption() const { return 0; }  // text 14, embedded board's value
  virtual std::string GetText() const { return {}; }  // text 15
  virtual uint8_t GetFromToValue6() const { return 0; }
  virtual uint8_t GetFromToValue9() const { return 0; }

  // Corners of the box from (X, Y) to (X2, Y2) grown by margin and turned by GetRotation.
  TCoord GetCorner1X(TCoord margin) const;
  TCoord GetCorner1Y(TCoord margin) const;
  TCoord GetCorner2X(TCoord margin) const;
  TCoord GetCorner2Y(TCoord margin) const;
  TCoord GetCorner3X(TCoord margin) const;
  TCoord GetCorner3Y(TCoord margin) const;
  TCoord GetCorner4X(TCoord margin) const;
  TCoord GetCorner4Y(TCoord margin) const;

  // Per-layer getters: 0 unless the object lies on legacy layer L, else the getter each stands for.
  virtual int32_t GetSizeOnLayer(TLegacyLayer layer) const;
  virtual int32_t GetSize2OnLayer(TLegacyLayer layer) const;
  virtual int32_t GetSize3OnLayer(TLegacyLayer layer) const;
  virtual uint8_t GetShapeOnLayer(TLegacyLayer layer) const;
  virtual int32_t GetWidthOnLayer(TLegacyLayer layer) const;
  virtual TCoord GetCorner1XOnLayer(TLegacyLayer layer, TCoord margin) const;
  virtual TCoord GetCorner1YOnLayer(TLegacyLayer layer, TCoord margin) const;
  virtual TCoord GetCorner2XOnLayer(TLegacyLayer layer, TCoord margin) const;
  virtual TCoord GetCorner2YOnLayer(TLegacyLayer layer, TCoord margin) const;
  virtual TCoord GetCorner3XOnLayer(TLegacyLayer layer, TCoord margin) const;
  virtual TCoord GetCorner3YOnLayer(TLegacyLayer layer, TCoord margin) const;
  virtual TCoord GetCorner4XOnLayer(TLegacyLayer layer, TCoord margin) const;
  virtual TCoord GetCorner4YOnLayer(TLegacyLayer layer, TCoord margin) const;
  virtual TCoord GetXOnLayer(TLegacyLayer layer) const;
  virtual TCoord GetYOnLayer(TLegacyLayer layer) const;
  virtual TCoord GetX2OnLayer(TLegacyLayer layer) const;
  virtual TCoord GetY2OnLayer(TLegacyLayer layer) const;

  // Setters, mirroring the getters above.
  void SetHandle(uint32_t value) { Handle = value; }
  void SetObjectId(TObjectId value) { ObjectId = value; }
  void SetX(TCoord value) { X = value; }
  void SetY(TCoord value) { Y = value; }
  virtual void SetX2(TCoord) {}
  virtual void SetY2(TCoord) {}
  void SetFlags(uint16_t value) { Flags = value; }
  void SetValue16(uint16_t value) { Value16 = value; }
  void SetLegacyLayer(TLegacyLayer value) { Layer = LegacyLayerToLayerId(value); }
  void SetValue8(uint8_t value) { Value8 = value; }
  void SetValue32a(uint32_t value) { Value32a = value; }
  void SetValue32b(uint32_t value) { Value32b = value; }
  virtual void SetExtraValue1(int32_t) {}
  virtual void SetExtraValue2(int32_t) {}
  virtual void SetExtraValue3(int32_t) {}
  virtual void SetPadValue11(int32_t) {}
  virtual void SetPadValue12(int32_t) {}
  virtual void SetPadValue13(int32_t) {}
  virtual void SetPadValue14(int32_t) {}
  virtual void SetPadValue15(int32_t) {}
  virtual void SetPadValue16(int32_t) {}
  virtual void SetHoleSize(TCoord) {}
  virtual void SetPadValue18(uint8_t) {}
  virtual void SetPadValue19(uint8_t) {}
  virtual void SetPadValue20(uint8_t) {}
  virtual void SetName(std::string_view) {}
  virtual void SetRotation(double) {}
  virtual void SetWidth(int32_t) {}
  virtual void SetShape(uint8_t) {}
  virtual void SetSize(int32_t) {}
  void SetSize2(int32_t value) { SetSize(value); }
  void SetSize3(int32_t value) { SetSize(value); }
  virtual void SetViaValue13(uint8_t) {}
  virtual void SetViaValue14(uint8_t) {}
  virtual void SetRadius(int32_t) {}
  virtual void SetStartAngle(double) {}
  virtual void SetEndAngle(double) {}
  virtual void SetLineWidth(int32_t) {}
  virtual void SetTextWidth(int32_t) {}
  virtual void SetTextOption(uint8_t) {}
  virtual void SetText(std::string_view) {}
  virtual void SetFromToValue6(uint8_t) {}
  virtual void SetFromToValue9(uint8_t) {}

  uint32_t Handle;
  TObjectId ObjectId = 0;
  TCoord X = 0;
  TCoord Y = 0;
  uint16_t Flags = 0;
  uint8_t Flags2 = 0;
  uint16_t Flags3 = 0;
  uint16_t Value16 = 0;
  uint8_t Value8 = 0;
  uint32_t Value32a = 0;
  uint32_t Value32b = 0;
  TLayerId Layer = 0;

 protected:
  // The two calls every transfer starts with.
  void QueryBitFields(uint8_t read_flag);
  // Whether the object lies on a legacy layer, for the per-layer getters.
  bool OnLayer(TLegacyLayer layer) const { return LegacyLayerToLayerId(layer) == Layer; }

  template <class T>
  static void SetBit(T& field, unsigned bit, bool on) {
    field = static_cast<T>(on ? (field | bit) : (field & ~bit));
  }
};

// A record text cut to what the record holds (20 characters for a pad's, 255 or fewer elsewhere).
template <class T>
void StoreText(T& text, std::string_view value, size_t limit = sizeof(T::Chars)) {
  const size_t length = std::min({value.size(), limit, sizeof text.Chars});
  for (size_t i = 0; i < length; ++i) text.Chars[i] = value[i];
  text.Length = static_cast<uint8_t>(length);
}
template <class T>
std::string LoadText(const T& text) {
  return std::string(text.Chars, std::min<size_t>(text.Length, sizeof text.Chars));
}
