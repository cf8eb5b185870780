#pragma once
// The pad and via records as a caller holds them, the pad function that takes its layer as a legacy
// layer number, and the read-modify-write of a hole size that the Hole Size Editor's write-back
// does for every pad and via.

#include <cstdint>

#include "hostapi/pcb_api.h"
#include "pcb/coord.h"
#include "pcb/layer_id.h"
#include "pcb/object_id.h"

// PcbApi_QueryPad with field 5 as a legacy layer: mapped to a layer id for the call and back
// afterwards, whatever the status. For a legacy-encoded layer a read followed by a write hands the
// host back the same id; an id of the kind encoding comes back as the legacy slot it collapses to.
int32_t LegacyQueryPad(uint8_t read_flag, uint32_t handle, uint16_t* flags, uint16_t* value16,
                       TLegacyLayer* legacy_layer, uint32_t* value32a, uint8_t* value8,
                       uint32_t* value32b, int32_t* x, int32_t* y, int32_t* f11, int32_t* f12,
                       int32_t* f13, int32_t* f14, int32_t* f15, int32_t* f16, int32_t* size_of_hole,
                       uint8_t* f18, uint8_t* f19, uint8_t* f20, TRecordText20* f21, uint8_t* f22,
                       uint8_t* f23, double* rotation, TRecordText20* f25, TRecordText20* f26,
                       uint32_t* f27, TRecordText20* f28, uint8_t* f29, uint8_t* f30, uint32_t* f31,
                       int64_t* f32, uint32_t* f33, uint32_t* f34, uint32_t* f35, uint8_t* f36,
                       uint8_t* f37);

// Fields 3 to 37 of the pad record, the layer as a legacy layer number.
struct TPadRecord {
  uint16_t Flags = 0;
  uint16_t Value16 = 0;
  TLegacyLayer Layer = 0;
  uint32_t Value32a = 0;
  uint8_t Value8 = 0;
  uint32_t Value32b = 0;
  TCoord X = 0;
  TCoord Y = 0;
  int32_t F11 = 0, F12 = 0, F13 = 0, F14 = 0, F15 = 0, F16 = 0;
  TCoord HoleSize = 0;
  uint8_t F18 = 0, F19 = 0, F20 = 0;
  TRecordText20 F21{};
  uint8_t F22 = 0, F23 = 0;
  double Rotation = 0;
  TRecordText20 F25{}, F26{};
  uint32_t F27 = 0;
  TRecordText20 F28{};
  uint8_t F29 = 0, F30 = 0;
  uint32_t F31 = 0;
  int64_t F32 = 0;
  uint32_t F33 = 0, F34 = 0, F35 = 0;
  uint8_t F36 = 0, F37 = 0;

  // LegacyQueryPad with every field of this record.
  int32_t Query(uint8_t read_flag, uint32_t handle);
};

// Fields 3 to 16 of the via record; the via's layer is a legacy layer number in the record itself.
struct TViaRecord {
  uint16_t Flags = 0;
  uint16_t Value16 = 0;
  TLegacyLayer Layer = 0;
  uint32_t Value32a = 0;
  uint8_t Value8 = 0;
  uint32_t Value32b = 0;
  TCoord X = 0;
  TCoord Y = 0;
  int32_t Size = 0;
  TCoord HoleSize = 0;
  uint8_t F13 = 0, F14 = 0, F15 = 0, F16 = 0;

  // PcbApi_QueryVia with every field of this record.
  int32_t Query(uint8_t read_flag, uint32_t handle);
};

// The hole size read straight from the record of a pad or via whose kind the caller knows (from the
// iteration): one host call. 0 for any other kind and for a record that cannot be read.
TCoord ReadHoleSize(uint32_t handle, TObjectId kind);

// Reads the record of a pad (kind 2) or via (kind 3) and writes it back with the new hole size and
// every other field as read. When the read fails nothing is written: writing what the variables
// happen to hold would overwrite the primitive with made-up values. True when the record was
// written; other kinds are left alone.
bool RewriteHoleSize(uint32_t handle, TObjectId kind, TCoord new_size);
