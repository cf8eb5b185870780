#include "pcb/objects/pcb_arc.h"

#include "pcb/pcb_api_wrappers.h"

int32_t TPcbArc::Query(uint8_t read_flag) {
  QueryBitFields(read_flag);
  return PcbApi_QueryArc(read_flag, Handle, &Flags, &Value16, &Layer, &Value32a, &Value8, &Value32b,
                         &X, &Y, &Radius, &StartAngle, &EndAngle, &Width, &F15);
}
