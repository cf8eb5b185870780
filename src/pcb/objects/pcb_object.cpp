#include "pcb/objects/pcb_object.h"

#include "pcb/objects/object_geometry.h"
#include "pcb/pcb_api_wrappers.h"

void TPCBObject::QueryBitFields(uint8_t read_flag) {
  PcbApi_GetObjectBitField2(read_flag, Handle, &Flags2);
  PcbApi_GetObjectBitField3(read_flag, Handle, &Flags3);
}

int32_t TPCBObject::Query(uint8_t read_flag) {
  QueryBitFields(read_flag);
  return PcbApi_QueryPrimitive(read_flag, Handle, &Flags, &Value16, &Layer, &Value32a, &Value32b,
                               &Value8);
}

void TPCBObject::GetBoundingRectangle(TCoord* a, TCoord* b, TCoord* c, TCoord* d) const {
  PcbApi_QueryObjectBoundingRectangle(Handle, a, b, c, d);
}

void TPCBObject::MoveBy(TCoord dx, TCoord dy) {
  // Wrapping, as the host's own 32-bit fields do, rather than overflowing.
  X = static_cast<TCoord>(static_cast<uint32_t>(X) + static_cast<uint32_t>(dx));
  Y = static_cast<TCoord>(static_cast<uint32_t>(Y) + static_cast<uint32_t>(dy));
}

bool TPCBObject::IsNotImported() const { return PcbApi_QueryObjectImport_FromUser(Handle) == 0; }

void TPCBObject::Invalidate() const { PcbApi_QueryObjectGraphicallyInvalidate(Handle); }

void TPCBObject::SetFlag0008(bool on) {
  SetBit(Flags, 0x0008, on);
  Query(0);
}

void TPCBObject::SetNotFlag0100(bool on) {
  SetBit(Flags, 0x0100, !on);
  Query(0);
}

TCoord TPCBObject::GetBoundingLeft() const {
  TCoord a = 0, b = 0, c = 0, d = 0;
  GetBoundingRectangle(&a, &b, &c, &d);
  return a;
}
TCoord TPCBObject::GetBoundingBottom() const {
  TCoord a = 0, b = 0, c = 0, d = 0;
  GetBoundingRectangle(&a, &b, &c, &d);
  return b;
}
TCoord TPCBObject::GetBoundingRight() const {
  TCoord a = 0, b = 0, c = 0, d = 0;
  GetBoundingRectangle(&a, &b, &c, &d);
  return c;
}
TCoord TPCBObject::GetBoundingTop() const {
  TCoord a = 0, b = 0, c = 0, d = 0;
  GetBoundingRectangle(&a, &b, &c, &d);
  return d;
}

TCoord TPCBObject::GetCorner1X(TCoord m) const {
  return BoxCorners(X, Y, GetX2(), GetY2(), GetRotation(), m)[0].X;
}
TCoord TPCBObject::GetCorner1Y(TCoord m) const {
  return BoxCorners(X, Y, GetX2(), GetY2(), GetRotation(), m)[0].Y;
}
TCoord TPCBObject::GetCorner2X(TCoord m) const {
  return BoxCorners(X, Y, GetX2(), GetY2(), GetRotation(), m)[1].X;
}
TCoord TPCBObject::GetCorner2Y(TCoord m) const {
  return BoxCorners(X, Y, GetX2(), GetY2(), GetRotation(), m)[1].Y;
}
TCoord TPCBObject::GetCorner3X(TCoord m) const {
  return BoxCorners(X, Y, GetX2(), GetY2(), GetRotation(), m)[2].X;
}
TCoord TPCBObject::GetCorner3Y(TCoord m) const {
  return BoxCorners(X, Y, GetX2(), GetY2(), GetRotation(), m)[2].Y;
}
TCoord TPCBObject::GetCorner4X(TCoord m) const {
  return BoxCorners(X, Y, GetX2(), GetY2(), GetRotation(), m)[3].X;
}
TCoord TPCBObject::GetCorner4Y(TCoord m) const {
  return BoxCorners(X, Y, GetX2(), GetY2(), GetRotation(), m)[3].Y;
}

int32_t TPCBObject::GetSizeOnLayer(TLegacyLayer l) const { return OnLayer(l) ? GetSize() : 0; }
int32_t TPCBObject::GetSize2OnLayer(TLegacyLayer l) const { return OnLayer(l) ? GetSize2() : 0; }
int32_t TPCBObject::GetSize3OnLayer(TLegacyLayer l) const { return OnLayer(l) ? GetSize3() : 0; }
uint8_t TPCBObject::GetShapeOnLayer(TLegacyLayer l) const { return OnLayer(l) ? GetShape() : 0; }
int32_t TPCBObject::GetWidthOnLayer(TLegacyLayer l) const { return OnLayer(l) ? GetWidth() : 0; }
TCoord TPCBObject::GetCorner1XOnLayer(TLegacyLayer l, TCoord m) const {
  return OnLayer(l) ? GetCorner1X(m) : 0;
}
TCoord TPCBObject::GetCorner1YOnLayer(TLegacyLayer l, TCoord m) const {
  return OnLayer(l) ? GetCorner1Y(m) : 0;
}
TCoord TPCBObject::GetCorner2XOnLayer(TLegacyLayer l, TCoord m) const {
  return OnLayer(l) ? GetCorner2X(m) : 0;
}
TCoord TPCBObject::GetCorner2YOnLayer(TLegacyLayer l, TCoord m) const {
  return OnLayer(l) ? GetCorner2Y(m) : 0;
}
TCoord TPCBObject::GetCorner3XOnLayer(TLegacyLayer l, TCoord m) const {
  return OnLayer(l) ? GetCorner3X(m) : 0;
}
TCoord TPCBObject::GetCorner3YOnLayer(TLegacyLayer l, TCoord m) const {
  return OnLayer(l) ? GetCorner3Y(m) : 0;
}
TCoord TPCBObject::GetCorner4XOnLayer(TLegacyLayer l, TCoord m) const {
  return OnLayer(l) ? GetCorner4X(m) : 0;
}
TCoord TPCBObject::GetCorner4YOnLayer(TLegacyLayer l, TCoord m) const {
  return OnLayer(l) ? GetCorner4Y(m) : 0;
}
TCoord TPCBObject::GetXOnLayer(TLegacyLayer l) const { return OnLayer(l) ? X : 0; }
TCoord TPCBObject::GetYOnLayer(TLegacyLayer l) const { return OnLayer(l) ? Y : 0; }
TCoord TPCBObject::GetX2OnLayer(TLegacyLayer l) const { return OnLayer(l) ? GetX2() : 0; }
TCoord TPCBObject::GetY2OnLayer(TLegacyLayer l) const { return OnLayer(l) ? GetY2() : 0; }
