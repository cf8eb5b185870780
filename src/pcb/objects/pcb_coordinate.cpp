#include "pcb/objects/pcb_coordinate.h"

#include "pcb/pcb_api_wrappers.h"

int32_t TPcbCoordinate::Query(uint8_t read_flag) {
  QueryBitFields(read_flag);
  return PcbApi_QueryCoordinate(read_flag, Handle, &Flags, &Value16, &Layer, &Value32a, &Value8,
                                &Value32b, &X, &Y, &Size, &LineWidth, &TextHeight, &Style);
}
