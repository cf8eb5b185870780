#include "pcb/pad_via_records.h"

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

int32_t TPadRecord::Query(uint8_t read_flag, uint32_t handle) {
  return LegacyQueryPad(read_flag, handle, &Flags, &Value16, &Layer, &Value32a, &Value8, &Value32b,
                        &X, &Y, &F11, &F12, &F13, &F14, &F15, &F16, &HoleSize, &F18, &F19, &F20,
                        &F21, &F22, &F23, &Rotation, &F25, &F26, &F27, &F28, &F29, &F30, &F31, &F32,
                        &F33, &F34, &F35, &F36, &F37);
}

int32_t TViaRecord::Query(uint8_t read_flag, uint32_t handle) {
  return PcbApi_QueryVia(read_flag, handle, &Flags, &Value16, &Layer, &Value32a, &Value8, &Value32b,
                         &X, &Y, &Size, &HoleSize, &F13, &F14, &F15, &F16);
}

TCoord ReadHoleSize(uint32_t handle, TObjectId kind) {
  if (handle == 0) return 0;
  if (kind == ePadObject) {
    // The layer stays a layer id here, as the legacy pad object reads it: a read must not depend
    // on whether the layer has a legacy number.
    uint16_t flags = 0, value16 = 0;
    TLayerId layer = 0;
    uint32_t value32a = 0, value32b = 0, f27 = 0, f31 = 0, f33 = 0, f34 = 0, f35 = 0;
    uint8_t value8 = 0, f18 = 0, f19 = 0, f20 = 0, f22 = 0, f23 = 0, f29 = 0, f30 = 0, f36 = 0,
            f37 = 0;
    int32_t x = 0, y = 0, f11 = 0, f12 = 0, f13 = 0, f14 = 0, f15 = 0, f16 = 0, hole = 0;
    TRecordText20 f21{}, f25{}, f26{}, f28{};
    double rotation = 0;
    int64_t f32 = 0;
    const int32_t status = PcbApi_QueryPad(
        1, handle, &flags, &value16, &layer, &value32a, &value8, &value32b, &x, &y, &f11, &f12,
        &f13, &f14, &f15, &f16, &hole, &f18, &f19, &f20, &f21, &f22, &f23, &rotation, &f25, &f26,
        &f27, &f28, &f29, &f30, &f31, &f32, &f33, &f34, &f35, &f36, &f37);
    return status == 0 ? hole : 0;
  }
  if (kind == eViaObject) {
    TViaRecord via;
    return via.Query(1, handle) == 0 ? via.HoleSize : 0;
  }
  return 0;
}

bool RewriteHoleSize(uint32_t handle, TObjectId kind, TCoord new_size) {
  if (kind == ePadObject) {
    TPadRecord pad;
    if (pad.Query(1, handle) != 0) return false;
    pad.HoleSize = new_size;
    pad.Query(0, handle);
    return true;
  }
  if (kind == eViaObject) {
    TViaRecord via;
    if (via.Query(1, handle) != 0) return false;
    via.HoleSize = new_size;
    via.Query(0, handle);
    return true;
  }
  return false;
}
