#include "pcb/layer_object.h"

#include "pcb/layer_names.h"
#include "pcb/pcb_api_wrappers.h"
#include "pcb/pcb_text.h"

TLayerObject::TLayerObject(uint32_t boardHandle, TLegacyLayer layer)
    : BoardHandle(boardHandle), Layer(layer) {
  set_text(Name, DefaultLayerName(layer));
  set_text(DielectricMaterial, "FR-4");
}

int32_t TLayerObject::QueryLayerRecord(uint8_t readFlag) {
  return PcbApi_QueryLayer(readFlag, Layer, BoardHandle, &Name, &Thickness, &Value6, &Value7,
                           &PrevLayer, &NextLayer, &Value10);
}

int32_t TLayerObject::Query(uint8_t readFlag) {
  const int32_t status = QueryLayerRecord(readFlag);
  PcbApi_QueryLayerDielectric(readFlag, Layer, BoardHandle, &DielectricMaterial, &DielectricKind,
                              &DielectricConstant, &DielectricHeight);
  return status;
}

TInternalPlane::TInternalPlane(uint32_t boardHandle, TLegacyLayer layer)
    : TLayerObject(boardHandle, layer) {
  set_text(NetName, "(No Net)");
}

int32_t TInternalPlane::QueryLayerRecord(uint8_t readFlag) {
  return PcbApi_QueryInternalPlane(readFlag, Layer, BoardHandle, &Name, &Thickness, &Value6,
                                   &Value7, &PrevLayer, &NextLayer, &NetName);
}
