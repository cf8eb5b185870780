#include "pcb/pad_via_records.h"

#include <string>

#include "base/exceptions.h"
#include "pcb/objects/pcb_pad.h"
#include "pcb/objects/pcb_via.h"
#include "pcb/pcb_api_wrappers.h"

int32_t LegacyQueryPad(uint8_t read_flag, uint32_t handle, uint16_t* flags, uint16_t* value16,
                       TLegacyLayer* legacy_layer, uint32_t* value32a, uint8_t* value8,
                       uint32_t* value32b, int32_t* x, int32_t* y, int32_t* f11, int32_t* f12,
                       int32_t* f13, int32_t* f14, int32_t* f15, int32_t* f16, int32_t* size_of_hole,
                       uint8_t* f18, uint8_t* f19, uint8_t* f20, TRecordText20* f21, uint8_t* f22,
                       uint8_t* f23, double* rotation, TRecordText20* f25, TRecordText20* f26,
                       uint32_t* f27, TRecordText20* f28, uint8_t* f29, uint8_t* f30, uint32_t* f31,
                       int64_t* f32, uint32_t* f33, uint32_t* f34, uint32_t* f35, uint8_t* f36,
                       uint8_t* f37) {
  TLayerId layer = LegacyLayerToLayerId(*legacy_layer);
  const int32_t status =
      PcbApi_QueryPad(read_flag, handle, flags, value16, &layer, value32a, value8, value32b, x, y,
                      f11, f12, f13, f14, f15, f16, size_of_hole, f18, f19, f20, f21, f22, f23,
                      rotation, f25, f26, f27, f28, f29, f30, f31, f32, f33, f34, f35, f36, f37);
  *legacy_layer = LayerIdToLegacyLayer(layer);
  return status;
}

bool TryReadHoleSize(uint32_t handle, TObjectId kind, TCoord& size) {
  size = 0;
  if (handle == 0) return false;
  if (kind != ePadObject && kind != eViaObject) return false;
  EnsurePcbApiBound();
  if (!PcbApiEntry(kind == ePadObject ? TPcbApiSlot::PcbApi_QueryPad : TPcbApiSlot::PcbApi_QueryVia))
    return false;
  if (kind == ePadObject) {
    TPcbPad pad(handle);
    if (pad.QueryRecord(1) != 0) return false;
    size = pad.Hole;
    return true;
  }
  TPcbVia via(handle);
  if (via.QueryRecord(1) != 0) return false;
  size = via.Hole;
  return true;
}

TCoord ReadHoleSize(uint32_t handle, TObjectId kind) {
  if (handle == 0) return 0;
  // The record alone: the layer stays a layer id, so the read does not depend on whether the layer
  // has a legacy number.
  if (kind == ePadObject) {
    TPcbPad pad(handle);
    return pad.QueryRecord(1) == 0 ? pad.Hole : 0;
  }
  if (kind == eViaObject) {
    TPcbVia via(handle);
    return via.QueryRecord(1) == 0 ? via.Hole : 0;
  }
  return 0;
}

namespace {

}  // namespace

bool RewriteHoleSize(uint32_t handle, TObjectId kind, TCoord new_size) {
  if (kind == ePadObject) {
    TPcbPad pad(handle);
    if (pad.LegacyQueryRecord(1) != 0) return false;
    pad.Hole = new_size;
    return pad.LegacyQueryRecord(0) == 0;
  }
  if (kind == eViaObject) {
    TPcbVia via(handle);
    if (via.QueryRecord(1) != 0) return false;
    via.Hole = new_size;
    return via.QueryRecord(0) == 0;
  }
  return false;
}
