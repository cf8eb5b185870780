#include "pcb/objects/pcb_coordinate.h"

#include "pcb/pcb_api_wrappers.h"

int32_t TPcbCoordinate::Query(uint8_t readFlag) {
  QueryBitFields(readFlag);
  return PcbApi_QueryCoordinate(readFlag, Handle, &Flags, &Value16, &Layer, &Value32a, &Value8,
                                &Value32b, &X, &Y, &Size, &LineWidth, &TextHeight, &Style);
}
