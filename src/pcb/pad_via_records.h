#pragma once
// The pad function that takes its layer as a legacy layer number, and the reads and writes of a
// hole size that the Hole Size Editor makes for every pad and via. The records themselves are held by
// the pad and via objects (objects/pcb_pad.h, objects/pcb_via.h), each in one place.

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

// The hole size read straight from the record of a pad or via whose kind the caller knows (from the
// iteration): one host call. 0 for any other kind and for a record that cannot be read.
TCoord ReadHoleSize(uint32_t handle, TObjectId kind);
// The same, telling a record that was read from one that was not: false for any other kind, a
// failing read, or a PCB module without the record's export (whose default reads as a success that
// filled in nothing).
bool TryReadHoleSize(uint32_t handle, TObjectId kind, TCoord& size);

// Reads the record of a pad (kind 2) or via (kind 3) and writes it back with the new hole size and
// every other field as read. When the read fails nothing is written: writing what the variables
// happen to hold would overwrite the primitive with made-up values. True when the record was
// written and the host took it (a write it refuses, on a board that filled its memory say, is no
// success); other kinds are left alone.
bool RewriteHoleSize(uint32_t handle, TObjectId kind, TCoord new_size);
