#include "pcb/objects/pcb_region.h"

#include "pcb/pcb_api_wrappers.h"

int32_t TPCBRegion::Query(uint8_t read_flag) {
  QueryBitFields(read_flag);
  return PcbApi_QueryRegion(read_flag, Handle, &Flags, &Value16, &Layer, &Value32a, &Value8,
                            &Value32b, &RegionKind, &Net, &HoleCount, &Keepout, &ArcResolution,
                            &Component, &VertexCount);
}
