#include "pcb/objects/pcb_pad.h"

#include <algorithm>

#include "pcb/objects/object_geometry.h"
#include "pcb/pad_via_records.h"
#include "pcb/pcb_api_wrappers.h"

namespace {

constexpr uint8_t kRoundedRectangle = 9;

}  // namespace

int32_t TPcbPad::QueryRecord(uint8_t read_flag) {
  return PcbApi_QueryPad(read_flag, Handle, &Flags, &Value16, &Layer, &Value32a, &Value8, &Value32b,
                         &X, &Y, &F11, &F12, &F13, &F14, &F15, &F16, &Hole, &F18, &F19, &F20, &F21,
                         &F22, &F23, &Rotation, &F25, &F26, &F27, &F28, &F29, &F30, &F31, &F32,
                         &F33, &F34, &F35, &F36, &F37);
}

int32_t TPcbPad::LegacyQueryRecord(uint8_t read_flag) {
  TLegacyLayer legacy = LayerIdToLegacyLayer(Layer);
  const int32_t status =
      LegacyQueryPad(read_flag, Handle, &Flags, &Value16, &legacy, &Value32a, &Value8, &Value32b,
                     &X, &Y, &F11, &F12, &F13, &F14, &F15, &F16, &Hole, &F18, &F19, &F20, &F21,
                     &F22, &F23, &Rotation, &F25, &F26, &F27, &F28, &F29, &F30, &F31, &F32, &F33,
                     &F34, &F35, &F36, &F37);
  if (status == 0) Layer = LegacyLayerToLayerId(legacy);
  return status;
}

int32_t TPcbPad::Query(uint8_t read_flag) {
  QueryBitFields(read_flag);
  const int32_t status = QueryRecord(read_flag);
  if (status != 0) return status;
  PcbApi_QueryPadStackMode(read_flag, Handle, &StackMode);
  for (int l = 0; l < kStackLayers; ++l) {
    const auto layer = static_cast<uint8_t>(l);
    if (read_flag != 0) {
      PcbApi_QueryPadOrViaShapeOnLayer(Handle, layer, &Shape[l]);
      PcbApi_QueryPadOrViaSizeOnLayer(Handle, layer, &XSize[l], &YSize[l]);
      PcbApi_QueryPadCornerRadiusOnLayer(Handle, layer, &CornerRadius[l]);
      PcbApi_QueryPadCRPercentageOnLayer(Handle, layer, &CRPercent[l]);
      if (l == 1) TopCRPercent = CRPercent[l];
      if (l >= 2 && l <= 31) MidCRPercent = CRPercent[l];
      if (l == 32) BottomCRPercent = CRPercent[l];
    } else if (StackMode == 2) {
      PcbApi_SetPadShapeOnLayer(Handle, layer, Shape[l]);
      PcbApi_SetPadSizeOnLayer(Handle, layer, XSize[l], YSize[l]);
      PcbApi_SetCRPctOnLayer(Handle, layer, CRPercent[l]);
    } else if (Shape[l] == kRoundedRectangle) {
      PcbApi_SetCRPctOnLayer(Handle, 1, TopCRPercent);
      PcbApi_SetCRPctOnLayer(Handle, 32, BottomCRPercent);
      PcbApi_SetCRPctOnLayer(Handle, 2, MidCRPercent);
    }
  }
  return status;
}

int32_t TPcbPad::GetSize2OnLayer(TLegacyLayer l) const { return InStack(l) ? XSize[l] : 0; }
int32_t TPcbPad::GetSize3OnLayer(TLegacyLayer l) const { return InStack(l) ? YSize[l] : 0; }
uint8_t TPcbPad::GetShapeOnLayer(TLegacyLayer l) const { return InStack(l) ? Shape[l] : 0; }
int32_t TPcbPad::GetWidthOnLayer(TLegacyLayer l) const {
  return InStack(l) ? std::min(XSize[l], YSize[l]) : 0;
}
int32_t TPcbPad::GetCornerRadiusOnLayer(TLegacyLayer l) const {
  return InStack(l) ? CornerRadius[l] : 0;
}

#define TAVRIN_PAD_CORNER(Name, index, member)                                              \
  TCoord TPcbPad::Name(TLegacyLayer l, TCoord m) const {                                    \
    return InStack(l) ? PadCorners(X, Y, XSize[l], YSize[l], Rotation, m)[index].member : 0; \
  }
TAVRIN_PAD_CORNER(GetCorner1XOnLayer, 0, X)
TAVRIN_PAD_CORNER(GetCorner1YOnLayer, 0, Y)
TAVRIN_PAD_CORNER(GetCorner2XOnLayer, 1, X)
TAVRIN_PAD_CORNER(GetCorner2YOnLayer, 1, Y)
TAVRIN_PAD_CORNER(GetCorner3XOnLayer, 2, X)
TAVRIN_PAD_CORNER(GetCorner3YOnLayer, 2, Y)
TAVRIN_PAD_CORNER(GetCorner4XOnLayer, 3, X)
TAVRIN_PAD_CORNER(GetCorner4YOnLayer, 3, Y)
#undef TAVRIN_PAD_CORNER

TCoord TPcbPad::GetXOnLayer(TLegacyLayer l) const {
  return InStack(l) ? PadLongAxisEnds(X, Y, XSize[l], YSize[l], Rotation)[0].X : 0;
}
TCoord TPcbPad::GetYOnLayer(TLegacyLayer l) const {
  return InStack(l) ? PadLongAxisEnds(X, Y, XSize[l], YSize[l], Rotation)[0].Y : 0;
}
TCoord TPcbPad::GetX2OnLayer(TLegacyLayer l) const {
  return InStack(l) ? PadLongAxisEnds(X, Y, XSize[l], YSize[l], Rotation)[1].X : 0;
}
TCoord TPcbPad::GetY2OnLayer(TLegacyLayer l) const {
  return InStack(l) ? PadLongAxisEnds(X, Y, XSize[l], YSize[l], Rotation)[1].Y : 0;
}
