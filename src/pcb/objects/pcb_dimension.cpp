#include "pcb/objects/pcb_dimension.h"

#include <algorithm>

#include "pcb/pcb_api_wrappers.h"

int32_t TPcbDimension::Query(uint8_t read_flag) {
  QueryBitFields(read_flag);
  const int32_t status = PcbApi_QueryDimension(read_flag, Handle, &Flags, &Value16, &Layer,
                                               &Value32a, &Value8, &Value32b, &X, &Y, &DimensionX2,
                                               &DimensionY2, &F13, &F14, &F15, &F16);
  auto count = static_cast<uint32_t>(References.size());
  if (PcbApi_References_Count(read_flag, Handle, &count) == 0) {
    if (read_flag != 0) References.resize(std::min(count, kMaxReferences));
    for (uint32_t i = 0; i < References.size(); ++i) {
      TReference& r = References[i];
      PcbApi_References_At(read_flag, Handle, i, &r[0], &r[1], &r[2], &r[3]);
    }
  }
  const int32_t ext_status = PcbApi_QueryExtDimension(
      read_flag, Handle, &Ext3[0], &Ext3[1], &Ext3[2], &Ext3[3], &Ext3[4], &Ext3[5], &Ext3[6],
      &Ext3[7], &Ext3[8], &Ext3[9], &Ext13[0], &Ext13[1], &Ext13[2], &Ext13[3], &Ext13[4], &Ext18,
      &Ext19, &Ext20, &Ext21);
  return status & ext_status;
}
