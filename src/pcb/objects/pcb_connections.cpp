#include "pcb/objects/pcb_connections.h"

#include "pcb/pcb_api_wrappers.h"

int32_t TPcbFromTo::Query(uint8_t readFlag) {
  QueryBitFields(readFlag);
  return PcbApi_QueryFromTo(readFlag, Handle, &Flags, &X, &Y, &F6, &X2, &Y2, &F9, &Net);
}

int32_t TPcbManualFromTo::Query(uint8_t readFlag) {
  QueryBitFields(readFlag);
  return PcbApi_QueryManualFromTo(readFlag, Handle, &Flags, &FromPad, &ToPad, &Net, &F7);
}
