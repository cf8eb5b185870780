#include "pcb/objects/pcb_split_plane.h"

#include "pcb/pcb_api_wrappers.h"

int32_t TPcbSplitPlane::Query(uint8_t read_flag) {
  QueryBitFields(read_flag);
  return PcbApi_QuerySplitPlane(read_flag, Handle, &Flags, &Value16, &Layer, &Value32a, &Value8,
                                &Value32b, &Net, &VertexCount);
}
