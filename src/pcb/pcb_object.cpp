#include "pcb/pcb_object.h"

#include "pcb/pad_via_records.h"
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

int32_t TPcbPad::Query(uint8_t read_flag) {
  QueryBitFields(read_flag);
  const int32_t status = PcbApi_QueryPad(
      read_flag, Handle, &Flags, &Value16, &Layer, &Value32a, &Value8, &Value32b, &X, &Y, &F11, &F12,
      &F13, &F14, &F15, &F16, &Hole, &F18, &F19, &F20, &F21, &F22, &F23, &Rotation, &F25, &F26,
      &F27, &F28, &F29, &F30, &F31, &F32, &F33, &F34, &F35, &F36, &F37);
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
    } else if (Shape[l] == 9) {
      PcbApi_SetCRPctOnLayer(Handle, 1, TopCRPercent);
      PcbApi_SetCRPctOnLayer(Handle, 32, BottomCRPercent);
      PcbApi_SetCRPctOnLayer(Handle, 2, MidCRPercent);
    }
  }
  return status;
}

int32_t TPcbVia::Query(uint8_t read_flag) {
  QueryBitFields(read_flag);
  TLegacyLayer legacy = LayerIdToLegacyLayer(Layer);
  const int32_t status =
      PcbApi_QueryVia(read_flag, Handle, &Flags, &Value16, &legacy, &Value32a, &Value8, &Value32b,
                      &X, &Y, &Size, &Hole, &F13, &F14, &F15, &F16);
  Layer = LegacyLayerToLayerId(legacy);
  return status;
}

std::unique_ptr<TPCBObject> CreatePcbObject(uint32_t handle) {
  std::unique_ptr<TPCBObject> object;
  switch (PcbApi_GetObjectIdFromObjectHandle(handle)) {
    case ePadObject:
      object = std::make_unique<TPcbPad>(handle);
      break;
    case eViaObject:
      object = std::make_unique<TPcbVia>(handle);
      break;
    default:
      return nullptr;
  }
  object->Query(1);
  return object;
}

TCoord GetObjectHoleSize(uint32_t handle) {
  if (handle == 0) return 0;
  return ReadHoleSize(handle, PcbApi_GetObjectIdFromObjectHandle(handle));
}
