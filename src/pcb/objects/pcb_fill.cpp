#include "pcb/objects/pcb_fill.h"

#include "pcb/pcb_api_wrappers.h"

int32_t TPcbFill::Query(uint8_t read_flag) {
  QueryBitFields(read_flag);
  return PcbApi_QueryFill(read_flag, Handle, &Flags, &Value16, &Layer, &Value32a, &Value8,
                          &Value32b, &X, &Y, &X2, &Y2, &F13, &Rotation);
}

void TPcbFill::MoveBy(TCoord dx, TCoord dy) {
  TPCBObject::MoveBy(dx, dy);
  X2 = static_cast<TCoord>(static_cast<uint32_t>(X2) + static_cast<uint32_t>(dx));
  Y2 = static_cast<TCoord>(static_cast<uint32_t>(Y2) + static_cast<uint32_t>(dy));
}
