#include "pcb/objects/pcb_net.h"

#include "pcb/pcb_api_wrappers.h"

int32_t TPcbNet::Query(uint8_t read_flag) {
  QueryBitFields(read_flag);
  return PcbApi_QueryNet(read_flag, Handle, &Name, &Colour, &Visible, &F6);
}
