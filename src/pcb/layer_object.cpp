#include "pcb/layer_object.h"

#include "pcb/layer_names.h"
#include "pcb/pcb_api_wrappers.h"
#include "pcb/pcb_text.h"

TLayerObject::TLayerObject(uint32_t pcb_board_handle, TLegacyLayer layer)
    : BoardHandle(pcb_board_handle), Layer(layer) {
  SetText(Name, DefaultLayerName(layer));
  SetText(DielectricMaterial, "FR-4");
}

int32_t TLayerObject::QueryLayerRecord(uint8_t read_flag) {
  return PcbApi_QueryLayer(read_flag, Layer, BoardHandle, &Name, &Thickness, &Value6, &Value7,
                           &PrevLayer, &NextLayer, &Value10);
}

int32_t TLayerObject::Query(uint8_t read_flag) {
  const int32_t status = QueryLayerRecord(read_flag);
  PcbApi_QueryLayerDielectric(read_flag, Layer, BoardHandle, &DielectricMaterial, &DielectricKind,
                              &DielectricConstant, &DielectricHeight);
  return status;
}

TInternalPlane::TInternalPlane(uint32_t pcb_board_handle, TLegacyLayer layer)
    : TLayerObject(pcb_board_handle, layer) {
  SetText(NetName, "(No Net)");
}

int32_t TInternalPlane::QueryLayerRecord(uint8_t read_flag) {
  return PcbApi_QueryInternalPlane(read_flag, Layer, BoardHandle, &Name, &Thickness, &Value6,
                                   &Value7, &PrevLayer, &NextLayer, &NetName);
}
