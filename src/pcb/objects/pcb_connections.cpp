#include "pcb/objects/pcb_connections.h"

#include "pcb/pcb_api_wrappers.h"

int32_t TPcbFromTo::Query(uint8_t read_flag) {
  QueryBitFields(read_flag);
  return PcbApi_QueryFromTo(read_flag, Handle, &Flags, &X, &Y, &F6, &X2, &Y2, &F9, &Net);
}

int32_t TPcbManualFromTo::Query(uint8_t read_flag) {
  QueryBitFields(read_flag);
  return PcbApi_QueryManualFromTo(read_flag, Handle, &Flags, &FromPad, &ToPad, &Net, &F7);
}
