#include "pcb/objects/pcb_net.h"

#include "pcb/pcb_api_wrappers.h"

int32_t TPcbNet::Query(uint8_t readFlag) {
  QueryBitFields(readFlag);
  return PcbApi_QueryNet(readFlag, Handle, &Name, &Colour, &Visible, &F6);
}
