#include "pcb/objects/pcb_region.h"

#include "pcb/pcb_api_wrappers.h"

int32_t TPCBRegion::Query(uint8_t readFlag) {
  QueryBitFields(readFlag);
  return PcbApi_QueryRegion(readFlag, Handle, &Flags, &Value16, &Layer, &Value32a, &Value8,
                            &Value32b, &RegionKind, &Net, &HoleCount, &Keepout, &ArcResolution,
                            &Component, &VertexCount);
}
