#include "pcb/objects/pcb_polygon.h"

#include "pcb/pcb_api_wrappers.h"

int32_t TPcbPolygon::Query(uint8_t read_flag) {
  QueryBitFields(read_flag);
  return PcbApi_QueryPolygon(read_flag, Handle, &Flags, &Value16, &Layer, &Value32a, &Value8,
                             &Value32b, &Net, &HatchStyle, &GridSize, &TrackSize,
                             &MinPrimitiveLength, &PourOver, &RemoveDead, &PolygonKind, &Name,
                             &VertexCount);
}
