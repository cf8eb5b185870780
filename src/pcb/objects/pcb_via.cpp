#include "pcb/objects/pcb_via.h"

#include "pcb/pcb_api_wrappers.h"

int32_t TPcbVia::Query(uint8_t read_flag) {
  QueryBitFields(read_flag);
  return QueryRecord(read_flag);
}

int32_t TPcbVia::QueryRecord(uint8_t read_flag) {
  TLegacyLayer legacy = LayerIdToLegacyLayer(Layer);
  const int32_t status =
      PcbApi_QueryVia(read_flag, Handle, &Flags, &Value16, &legacy, &Value32a, &Value8, &Value32b,
                      &X, &Y, &Size, &Hole, &F13, &F14, &F15, &F16);
  if (status == 0) Layer = LegacyLayerToLayerId(legacy);
  return status;
}

int32_t TPcbVia::GetSizeOnLayer(TLegacyLayer layer) const {
  int32_t x = 0, y = 0;
  return PcbApi_QueryPadOrViaSizeOnLayer(Handle, layer, &x, &y) == 0 ? x : 0;
}

uint8_t TPcbVia::GetShapeOnLayer(TLegacyLayer layer) const {
  uint8_t shape = 0;
  return PcbApi_QueryPadOrViaShapeOnLayer(Handle, layer, &shape) == 0 ? shape : 0;
}
